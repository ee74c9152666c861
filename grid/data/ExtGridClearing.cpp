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

}  // namespace grid
