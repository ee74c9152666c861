// Base grid navigation over merged blocks: arrow keys leave a block on its far side, the current cell rests on base cells.
#include "grid/core/BaseGrid.h"
#include "platform/ui/Keyboard.h"

namespace grid {

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    RepaintCell(Col(), Row());
    bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::MoveToBaseCell()
{
    int c = Col();
    int r = Row();
    if (c < 0 || r < 0 || !HasCellProperties(c, r)) return;
    rtl::TPoint base = GetCellPropsDirect(c, r)->BaseCellAt(c, r);
    if (base.X != c || base.Y != r) MoveColRow(base.X, base.Y, true, true);
}

// Before the platform moves one cell, the current cell is put on the block's far edge in
// the direction of the move, so that the move leaves the block; afterwards the current
// cell goes to the base cell of whatever block it landed in.
void TBaseGrid::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    int c = Col();
    int r = Row();
    bool inBlock = c >= 0 && r >= 0 && HasCellProperties(c, r);
    rtl::TPoint b{c, r};
    int spanX = -1;
    int spanY = -1;
    if (inBlock) {
        b = GetCellPropsDirect(c, r)->BaseCellAt(c, r);
        if (HasCellProperties(b.X, b.Y)) {
            spanX = GetCellPropsDirect(b.X, b.Y)->CellSpanX();
            spanY = GetCellPropsDirect(b.X, b.Y)->CellSpanY();
        }
    }
    switch (Key) {
    case ui::VK_NEXT:
        if (FHideLastRow && RowCount() > 1 && RowCount() == VisibleRowCount() + TopRow() - FixedRows() + 1)
            FCurrent.Y = RowCount() - 2;
        break;
    case ui::VK_RIGHT:
        if (inBlock && spanX > 0 && b.X + spanX >= c && c < ColCount() - 1 && b.X < ColCount() - 1 &&
            b.X + spanX < ColCount())
            FCurrent.X = b.X + spanX;
        break;
    case ui::VK_DOWN:
        if (inBlock && spanY > 0 && b.Y + spanY >= r && r < RowCount() - 1 && b.Y < RowCount() - 1)
            FCurrent.Y = b.Y + spanY;
        break;
    // A member right of (below) its base cell is left from the base cell's side: the
    // platform then moves one cell left of (above) the block.
    case ui::VK_LEFT:
        if (inBlock && c > FixedCols() && b.X > 0 && c > b.X) FCurrent.X = b.X;
        break;
    case ui::VK_UP:
        if (inBlock && r > FixedRows() && b.Y > 0 && r > b.Y) FCurrent.Y = b.Y;
        break;
    default: break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && Row() < RowCount() - 1 && Row() - TopRow() > VisibleRowCount()) SetTopRow(TopRow() - 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

// Merged fixed cells reach into the scrolled area's rows (columns); after a scroll their
// whole block is repainted so that it is drawn in one piece again.
void TBaseGrid::RepaintMergedFixedCols()
{
    if (FixedCols() <= 0 || !FHasCellProps) return;
    int last = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    for (int r = TopRow(); r <= last; ++r)
        for (int c = 0; c < FixedCols(); ++c)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRows()
{
    if (FixedRows() <= 0 || !FHasCellProps) return;
    int last = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    for (int c = LeftCol(); c <= last; ++c)
        for (int r = 0; r < FixedRows(); ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

}  // namespace grid
