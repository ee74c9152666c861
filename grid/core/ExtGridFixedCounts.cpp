// String grid fixed row and column counts: the always-fixed modes that keep one header row or column in any grid.
#include "grid/core/ExtGrid.h"

namespace grid {

int TExtStringGrid::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FixedRowAlways() ? 1 : fixed;
}

int TExtStringGrid::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FixedColAlways() ? 1 : fixed;
}

// With FixedRowAlways a grid never becomes all fixed rows: the count is clamped to one
// less than RowCount instead of raising, and the asked count is remembered so that it is
// restored when the grid grows.
void TExtStringGrid::SetFixedRows(int Value)
{
    int applied = Value;
    if (FixedRowAlways() && applied >= RowCount()) applied = RowCount() - 1;
    TBaseGrid::SetFixedRows(applied);
    if (!HasState(rtl::csLoading)) FFixedRowsMin = Value;
}

void TExtStringGrid::SetFixedCols(int Value)
{
    int applied = Value;
    if (FixedColAlways() && applied >= ColCount()) applied = ColCount() - 1;
    TBaseGrid::SetFixedCols(applied);
    if (!HasState(rtl::csLoading)) FFixedColsMin = Value;
}

}  // namespace grid
