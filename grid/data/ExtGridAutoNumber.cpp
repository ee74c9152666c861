// The string grid's auto-numbering: running numbers down a column or along a row.
#include <string>

#include "grid/core/ExtGrid.h"

namespace grid {

// Rows FixedRows + AutoNumberStart .. the last normal row get k - FixedRows + 1 + offset;
// descending numbering writes each number into the mirrored row, so it grows upwards.
void TExtStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() == 0) return;
    const int last = RowCount() - FixedFooters() - 1;
    for (int k = FixedRows() + AutoNumberStart(); k <= last; ++k) {
        const int number = k - FixedRows() + 1 + AutoNumberOffset();
        const int row = AutoNumberDirection() == sdAscending ? k : FixedRows() + (RowCount() - FixedFooters()) - k - 1;
        SetCellEx(ACol, row, std::to_string(number));
    }
}

void TExtStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() == 0) return;
    const int last = ColCount() - FixedRightCols() - 1;
    for (int k = FixedCols() + AutoNumberStart(); k <= last; ++k) {
        const int number = k - FixedCols() + 1 + AutoNumberOffset();
        const int col = AutoNumberDirection() == sdAscending ? k : FixedCols() + (ColCount() - FixedRightCols()) - k - 1;
        SetCellEx(col, ARow, std::to_string(number));
    }
}

}  // namespace grid
