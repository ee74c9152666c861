// The string grid's own answers to the base grid's questions about fixed cells.
#include "grid/core/ExtGrid.h"

namespace grid {

// A cell is fixed when its base cell lies in the fixed footer rows or the fixed right
// columns, or when the fixed-cell hook (fixed rows and columns, OnIsFixedCell) says so.
bool TExtStringGrid::IsFixed(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    const rtl::TPoint base = BaseCell(DisplColIndex(ACol), ARow);
    if (FixedFooters() > 0 && base.Y >= RowCount() - FixedFooters()) return true;
    if (FixedRightCols() > 0 && base.X >= ColCount() - FixedRightCols()) return true;
    bool fixed = false;
    IsFixedCell(base.Y, base.X, fixed);
    return fixed;
}

}  // namespace grid
