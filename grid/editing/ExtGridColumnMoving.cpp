// String grid column and row moving with the mouse: permission events, drag button, drop arrows, auto scroll and the drop.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {
// The platform grid's auto-scroll timer while selecting or moving with the mouse.
constexpr ui::UINT_PTR PlatformScrollTimerId = 1;

// The last row while the floating footer is drawn in its place.
bool IsFooterRow(TExtStringGrid& grid, int ARow)
{
    const TFloatingFooter& footer = grid.FloatingFooter();
    return footer.Visible() && footer.FooterStyle() == fsFixedLastRow && ARow == grid.RowCount() - 1;
}

// Where a column index ends up when the column at From moves to To. Every column between
// the two, To included, shifts one place towards From; a column that sat at To and were
// left where it was would leave the sort mark (or the cursor) on its neighbour.
int FollowColumnMove(int Index, int From, int To)
{
    if (Index == From) return To;
    if (From < To && Index > From && Index <= To) return Index - 1;
    if (To < From && Index >= To && Index < From) return Index + 1;
    return Index;
}

void PlaceArrow(TArrowWindow* arrow, int X, int Y, bool Show)
{
    if (arrow != nullptr) arrow->PlaceAt(X, Y, Show);
}
}  // namespace

void TExtStringGrid::StartMouseMoving(int X, int Y)
{
    FColMoveFlg = false;
    if (FGridState != ui::gsColMoving && FGridState != ui::gsRowMoving) {
        FMovecell = -1;
        return;
    }
    FMovecell = FMoveIndex;
    FMoveColInd = -1;
    FMoveRowInd = -1;
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    const rtl::TRect rc = CellRect(c, r);
    FMoveOfsX = X - rc.Left;
    FMoveOfsY = Y - rc.Top;
}

// One mouse move of a column or row move: the permission events may end it; with
// EnhRowColMove the drag button follows the pointer, the arrows mark the drop position,
// the grid scrolls at its edges and the cursor tells whether a drop is accepted.
void TExtStringGrid::MovingStep(int X, int Y)
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    bool allow = true;
    if (FGridState == ui::gsColMoving) {
        if (FilterEdit().Enabled() && r == FilterEdit().Row()) allow = false;
        else if (OnColumnMove) OnColumnMove(this, FMovecell, allow);
    } else if (OnRowMove) {
        OnRowMove(this, FMovecell, allow);
    }
    if (!allow) {
        // The move ends here, and with it its feedback: a refusal after accepted steps
        // leaves no drag cursor, drag button or arrows behind.
        FGridState = ui::gsNormal;
        HideMoveArrows();
        if (THeaderDragButton* button = MoveButton()) button->SetVisible(false);
        const ui::TCursor cursor = ui::Screen().Cursor();
        if (cursor == ui::crDrag || cursor == ui::crNoDrop) ui::Screen().SetCursor(ui::crDefault);
        return;
    }
    if (RowCount() <= 1 || (X == FClickPos.X && Y == FClickPos.Y) || !EnhRowColMove()) return;
    bool accept = true;
    StartBlockFocus();
    MovingFeedback(X, Y, accept);
    MovingAutoScroll(X, Y);
    ui::Screen().SetCursor(accept ? ui::crDrag : ui::crNoDrop);
    if (!accept && FGridState == ui::gsNormal) ui::Screen().SetCursor(FOldCursor);
}

void TExtStringGrid::MovingFeedback(int X, int Y, bool& Accept)
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    const bool columns = FGridState == ui::gsColMoving;
    // The drag button shows the header of the moved column (or row) at the pointer, at the
    // size of the moved cell. (No floating image of the cells exists here, so the drag
    // button also stands in for it when DragDropSettings.ShowCells asks for the image.)
    if (THeaderDragButton* button = MoveButton()) {
        if (columns && FMovecell >= FixedCols() && r >= 0) {
            button->SetText(GetCellEx(FMovecell, 0));
            button->SetBounds(X - FMoveOfsX, Y - FMoveOfsY, ColWidths(FMovecell), RowHeights(r));
        } else if (!columns && FMovecell >= FixedRows() && c >= 0) {
            button->SetText(GetCellEx(0, FMovecell));
            button->SetBounds(X - FMoveOfsX, Y - FMoveOfsY, ColWidths(c), RowHeights(FMovecell));
        }
        if (!button->Enabled()) button->SetEnabled(true);
        if (!button->Visible()) button->SetVisible(true);
        button->Invalidate();
    }
    if (columns) {
        if (c < 0) return;
        if (FMoveColInd >= FixedCols()) ShowColumnMoveArrows(FMoveColInd, FMovecell);
        FMoveColInd = c;
        FMoveRowInd = 0;
        if (OnColumnMoving) OnColumnMoving(this, FMoveColInd, Accept);
        return;
    }
    if (r < 0) return;
    if (FMoveRowInd >= FixedRows() && !IsFooterRow(*this, FMoveRowInd)) ShowRowMoveArrows(FMoveRowInd, FMovecell);
    FMoveColInd = 0;
    FMoveRowInd = r;
    if (OnRowMoving) OnRowMoving(this, FMoveRowInd, Accept);
}

// Beyond the fixed cells or the grid's far edge the grid scrolls one column (row) a move.
void TExtStringGrid::MovingAutoScroll(int X, int Y)
{
    if (FGridState == ui::gsColMoving && VisibleColCount() < ColCount()) {
        int fixedWidth = 0;
        for (int i = 0; i < FixedCols(); ++i) fixedWidth += ColWidths(i);
        if (X < fixedWidth && LeftCol() > FixedCols()) {
            SetLeftCol(LeftCol() - 1);
            Invalidate();
        } else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) {
            SetLeftCol(LeftCol() + 1);
            Invalidate();
        }
    } else if (FGridState == ui::gsRowMoving && VisibleRowCount() < RowCount()) {
        int fixedHeight = 0;
        for (int i = 0; i < FixedRows(); ++i) fixedHeight += RowHeights(i);
        if (Y < fixedHeight && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            Invalidate();
        } else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) {
            SetTopRow(TopRow() + 1);
            Invalidate();
        }
    }
}

void TExtStringGrid::ShowColumnMoveArrows(int ADropCol, int AMovedCol)
{
    if (ADropCol < FixedCols() || ADropCol >= ColCount()) return;
    const bool show = ADropCol - LeftCol() < VisibleColCount();
    const rtl::TRect cell = CellRect(ADropCol, 0);
    const rtl::TPoint topLeft = ClientToScreen(rtl::TPoint{cell.Left, cell.Top});
    const rtl::TPoint bottomRight = ClientToScreen(rtl::TPoint{cell.Right, cell.Bottom});
    const int edge = ADropCol < AMovedCol ? topLeft.X : topLeft.X + ColWidths(ADropCol);
    PlaceArrow(ArrowWindow(arrUp), edge - 5, bottomRight.Y, show);
    PlaceArrow(ArrowWindow(arrDown), edge - 5, topLeft.Y - 8, show);
}

void TExtStringGrid::ShowRowMoveArrows(int ADropRow, int AMovedRow)
{
    if (ADropRow < FixedRows() || ADropRow >= RowCount()) return;
    const bool show = ADropRow - TopRow() < VisibleRowCount();
    const rtl::TRect cell = CellRect(0, ADropRow);
    const rtl::TPoint topLeft = ClientToScreen(rtl::TPoint{cell.Left, cell.Top});
    const rtl::TPoint bottomRight = ClientToScreen(rtl::TPoint{cell.Right, cell.Bottom});
    const int edge = ADropRow < AMovedRow ? topLeft.Y : topLeft.Y + RowHeights(ADropRow);
    PlaceArrow(ArrowWindow(arrLeft), topLeft.X - 10, edge - 5, show);
    PlaceArrow(ArrowWindow(arrRight), bottomRight.X, edge - 5, show);
}

void TExtStringGrid::HideMoveArrows()
{
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight})
        if (TArrowWindow* arrow = ArrowWindow(d)) arrow->SetVisible(false);
}

// The release of a left button: the arrows go; a release that ends an enhanced move drops
// the column (row) where it was released, or, refused, repaints the header, and leaves the
// grid in its normal state so that the platform's release moves nothing again.
void TExtStringGrid::EndMouseMoving(int X, int Y)
{
    FColMoveFlg = false;
    if (!IsDesigning()) HideMoveArrows();
    const ui::TCursor cursor = ui::Screen().Cursor();
    const bool moving = FGridState == ui::gsColMoving || FGridState == ui::gsRowMoving;
    if (!moving || !EnhRowColMove() || (cursor != ui::crDrag && cursor != ui::crNoDrop)) return;
    if (THeaderDragButton* button = MoveButton()) {
        button->SetEnabled(false);
        button->SetVisible(false);
    }
    EndBlockFocus();
    const bool dropped = cursor != ui::crNoDrop;
    ui::Screen().SetCursor(ui::crDefault);
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    const bool columns = FGridState == ui::gsColMoving;
    FGridState = ui::gsNormal;
    if (HandleAllocated()) ui::KillTimer(Handle(), PlatformScrollTimerId);
    const int moved = FMovecell;
    FMovecell = -1;
    if (dropped && columns && moved >= 0 && c >= FixedCols() && c != moved) {
        MoveColumn(moved, c);
        FColMoveFlg = true;
    } else if (dropped && !columns && moved >= 0 && r >= FixedRows() && r != moved && !IsFooterRow(*this, r)) {
        MoveRow(moved, r);
    } else if (columns) {
        // Nothing moved: the pressed header is drawn plain again.
        InvalidateRow(0);
    } else {
        InvalidateCol(0);
    }
}

// While an enhanced move runs a right release is swallowed, so the move goes on.
void TExtStringGrid::WMRButtonUp(ui::TMessage& Message)
{
    const bool moving = FGridState == ui::gsColMoving || FGridState == ui::gsRowMoving;
    if (moving && EnhRowColMove()) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(Message);
}

// The floating footer drawn in place of the last row is no drop target: a row dropped there
// stays where it was, and the heights the platform moved first are put back.
void TExtStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (IsFooterRow(*this, ToIndex) && FromIndex != ToIndex) {
        const int step = FromIndex < ToIndex ? 1 : -1;
        const int height = RowHeights(ToIndex);
        for (int i = ToIndex; i != FromIndex; i -= step) SetRowHeights(i, RowHeights(i - step));
        SetRowHeights(FromIndex, height);
        return;
    }
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    if (EnhRowColMove()) FColMoveFlg = true;
    auto* other = dynamic_cast<TExtStringGrid*>(SyncGrid().Grid());
    if (other == nullptr || !SyncGrid().MoveRow() || FSyncedMove) return;
    other->FSyncedMove = true;
    try {
        other->MoveRow(FromIndex, ToIndex);
    } catch (...) {
        other->FSyncedMove = false;
        throw;
    }
    other->FSyncedMove = false;
}

void TExtStringGrid::ColumnMovedFollowUp(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex) return;
    if (EnhRowColMove()) FColMoveFlg = true;
    // Hidden rows keep their texts by real column: they move with the column too. The move
    // shifts the shown columns between by one while hidden columns keep their real places,
    // so the entries of neighbouring shown columns are exchanged step by step.
    if (FHiddenRows != nullptr) {
        const int step = FromIndex < ToIndex ? 1 : -1;
        for (const auto& item : FHiddenRows->Items) {
            rtl::TStringList& lines = item->Items();
            for (int s = FromIndex; s != ToIndex; s += step) {
                const int a = RealColIndex(s);
                const int b = RealColIndex(s + step);
                if (a < lines.Count() && b < lines.Count()) lines.Exchange(a, b);
            }
        }
    }
    // The sort keys name the stored (displayed) column the sort reads.
    TSortSettings& sort = SortSettings();
    if (sort.Column() >= 0) sort.SetColumn(FollowColumnMove(sort.Column(), FromIndex, ToIndex));
    if (sort.IndexShow()) {
        TSortIndexList& keys = SortIndexes();
        for (int i = 0; i < keys.Count(); ++i)
            keys.SetSortColumns(i, FollowColumnMove(keys.GetSortColumns(i), FromIndex, ToIndex));
    }
    // The current cell and the selection's anchor stay on the data they were on.
    FCurrent.X = FollowColumnMove(FCurrent.X, FromIndex, ToIndex);
    FAnchor.X = FollowColumnMove(FAnchor.X, FromIndex, ToIndex);
    auto* other = dynamic_cast<TExtStringGrid*>(SyncGrid().Grid());
    if (other == nullptr || !SyncGrid().MoveColumn() || FSyncedMove) return;
    other->FSyncedMove = true;
    try {
        other->MoveColumn(FromIndex, ToIndex);
    } catch (...) {
        other->FSyncedMove = false;
        throw;
    }
    other->FSyncedMove = false;
}

}  // namespace grid
