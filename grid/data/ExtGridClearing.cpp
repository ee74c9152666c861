// String grid clearing of cell rectangles: texts emptied and property objects freed.
#include "grid/core/ExtGrid.h"

namespace grid {

// A property object freed by clearing takes a graphic the grid owns with it; freeing the
// property object alone would leave that graphic allocated with nothing referring to it.
void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int c = ACol1; c <= ACol2; ++c) {
        for (int r = ARow1; r <= ARow2; ++r) {
            if (HasCellProperties(c, r)) FreeCellProperties(c, r, c, r);
            if (!GetGridCell(c, r).empty()) SetCellEx(c, r, "");
        }
    }
    // Property objects may also sit in cells beyond the counts (kept through shrinks): the
    // grid is only known to hold none when the cleared area covers those too.
    int lastCol = std::max(TotalColCount(), SlotColExtent()) - 1;
    int lastRow = std::max(RowCount(), CellStore().RowExtent()) - 1;
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= lastCol && ARow2 >= lastRow) FHasCellProps = false;
}

bool TExtStringGrid::CanClearLines(int Count) const { return Count >= 1 && RowCount() > 0 && ColCount() > 0; }

void TExtStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (CanClearLines(RCount)) ClearRect(0, RowIndex, ColCount() + NumHiddenColumns() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (CanClearLines(CCount)) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (CanClearLines(RCount))
        ClearRect(FixedCols(), RowIndex, ColCount() + NumHiddenColumns() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (CanClearLines(CCount)) ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

}  // namespace grid
