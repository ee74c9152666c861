// Repainting bands of the string grid and the operations that move the focus or the selection to a cell.
#include <algorithm>

#include "grid/core/ExtGrid.h"

namespace grid {

// Up to the last visible column; BoxRect clips to what is on screen, so a row scrolled out
// of view invalidates nothing.
void TExtStringGrid::RepaintRow(int ARow)
{
    if (!HandleAllocated() || ARow < 0 || ARow >= RowCount() || ColCount() == 0) return;
    const int right = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    const rtl::TRect band = BoxRect(0, ARow, right, ARow);
    if (!rtl::IsRectEmpty(band)) InvalidateRect(band);
}

void TExtStringGrid::RepaintCol(int ACol)
{
    if (!HandleAllocated() || ACol < 0 || ACol >= ColCount() || RowCount() == 0) return;
    const int top = std::min(TopRow(), RowCount() - 1);
    const int bottom = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    const rtl::TRect band = BoxRect(ACol, top, ACol, bottom);
    if (!rtl::IsRectEmpty(band)) InvalidateRect(band);
}

void TExtStringGrid::RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow)
{
    if (FixedRows() > 0) RepaintCell(OldCol, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, OldRow);
    if (FixedRows() > 0) RepaintCell(NewCol, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, NewRow);
}

void TExtStringGrid::FocusCell(int ACol, int ARow)
{
    MoveColRow(ACol, ARow, true, true);
    SetSelection(rtl::TRect{ACol, ARow, ACol, ARow});
}

void TExtStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TExtStringGrid::EditCell(int ACol, int ARow)
{
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExtStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection(rtl::TRect{FromCol, FromRow, ToCol, ToRow});
}

}  // namespace grid
