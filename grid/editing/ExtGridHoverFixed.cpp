// String grid hover over fixed cells: the highlighted fixed cell (HoverFixedCells) and the hot list-view header follow the pointer.
#include "grid/core/ExtGrid.h"

namespace grid {

bool TExtStringGrid::InFixedArea(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount() && (ACol < FixedCols() || ARow < FixedRows());
}

// The fixed cell under the pointer takes the hover highlight, the one it leaves loses it;
// in the list-view look the header under the pointer is drawn hot. Only the two cells
// concerned are repainted (the painter decides what each shows).
void TExtStringGrid::HoverFixedMove(int ACol, int ARow)
{
    if (HoverFixedCells() != hfNone && (ACol != FHoverFixedCol || ARow != FHoverFixedRow)) {
        const rtl::TPoint old{FHoverFixedCol, FHoverFixedRow};
        FHoverFixedCol = ACol;
        FHoverFixedRow = ARow;
        if (InFixedArea(old.X, old.Y)) RepaintCell(old.X, old.Y);
        if (InFixedArea(ACol, ARow)) RepaintCell(ACol, ARow);
    }
    if (Look() == glListView && (ACol != FHotFixedCell.X || ARow != FHotFixedCell.Y)) {
        const rtl::TPoint old = FHotFixedCell;
        FHotFixedCell = {ACol, ARow};
        if (InFixedArea(old.X, old.Y)) RepaintCell(old.X, old.Y);
        if (InFixedArea(ACol, ARow)) RepaintCell(ACol, ARow);
    }
}

// Leaving the grid takes the highlight and the hot header away.
void TExtStringGrid::HoverFixedLeave() { HoverFixedMove(-1, -1); }

}  // namespace grid
