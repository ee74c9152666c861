// String grid mouse move, enter and leave: hover row, hot-item cursor, sizing events, move feedback; the grid's own messages first.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

namespace {

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

}  // namespace

bool TExtStringGrid::InteractionMessage(ui::TMessage& Message)
{
    if (MouseButtonMessage(Message)) return true;
    switch (Message.Msg) {
    case ui::WM_TIMER: WMTimer(Message); return true;
    case ui::CM_MOUSEENTER: CMMouseEnter(Message); return true;
    case ui::CM_MOUSELEAVE: CMMouseLeave(Message); return true;
    case ui::WM_RBUTTONUP: WMRButtonUp(Message); return true;
    default: break;
    }
    static const ui::UINT editDone = ui::RegisterWindowMessage("GridEditDone");
    if (Message.Msg != editDone) return false;
    GridEditDone(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    return true;
}

bool TExtStringGrid::IsLeftButtonPressed()
{
    const int vk = ui::GetSystemMetrics(ui::SM_SWAPBUTTON) != 0 ? ui::VK_RBUTTON : ui::VK_LBUTTON;
    return ui::GetAsyncKeyState(vk) < 0;
}

void TExtStringGrid::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    if (FScrollStart) TouchScrollMove(X, Y);
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    const bool designing = IsDesigning();
    if (!designing && c >= 0 && r >= 0) HoverRowMove(r);
    if (!designing) HoverFixedMove(c, r);
    const bool moving = FGridState == ui::gsColMoving || FGridState == ui::gsRowMoving;
    if (!designing && moving) MovingStep(X, Y);
    if (!designing) {
        if (FMouseSelectStart >= 0) DragSelectFromFixed(c, r);
        FixedEdgeMove(X);
        if (FSelectionClick && DragStartMove(X, Y)) return;
        if (FMouseSelectStart < 0) ClassifyPointer(c, r, X, Y);
        HotItemCursorMove(c, r, X, Y);
    }
    // This platform scrolls a drag selection on the move itself (not from a timer), so
    // NoScrollOnPartialRow holds here too: a drag onto the partly shown last row scrolls
    // nothing and the current row stays where it was.
    // For the same reason NoAutoRangeScroll ends a drag selection that the move would carry
    // beyond the fully shown rows or outside the cells.
    if (FGridState == ui::gsSelecting && MouseActions().NoAutoRangeScroll() &&
        (c < 0 || r < 0 || r > TopRow() + VisibleRowCount() - 1))
        FGridState = ui::gsNormal;
    const bool keepRows = FGridState == ui::gsSelecting && MouseActions().NoScrollOnPartialRow();
    const int oldTop = TopRow();
    const int oldRow = Row();
    TBaseGrid::MouseMove(Shift, X, Y);
    if (keepRows && TopRow() != oldTop) {
        SetTopRow(oldTop);
        if (Row() != oldRow && oldRow < RowCount()) MoveColRow(Col(), oldRow, false, false);
    }
    ReportSizing(X, Y);
    ShowZoneCursor();
    // The drag button and arrows are seen where the pointer is now, not a paint later.
    if (moving && EnhRowColMove()) Update();
}

// While a column or row is sized the sizing events tell the size it has under the pointer
// (the press's distance from the edge kept).
void TExtStringGrid::ReportSizing(int X, int Y)
{
    if (FSizingIndex < 0) return;
    if (FGridState == ui::gsColSizing && OnColumnSizing)
        OnColumnSizing(this, FSizingIndex, X + FSizingOfs - ui::TCustomGrid::CellRect(FSizingIndex, 0).Left);
    else if (FGridState == ui::gsRowSizing && OnRowSizing)
        OnRowSizing(this, FSizingIndex, Y + FSizingOfs - ui::TCustomGrid::CellRect(0, FSizingIndex).Top);
}

// The row under the pointer takes the hover colour; the row it leaves loses it.
void TExtStringGrid::HoverRowMove(int ARow)
{
    if (!HoverRow() || ARow == FHoverRowIdx) return;
    const int old = FHoverRowIdx;
    FHoverRowIdx = ARow;
    InvalidateRow(ARow);
    if (old >= 0 && old < RowCount()) InvalidateRow(old);
}

// The anchor is looked for where the cell draws its HTML text: inside the text offset, in
// the fixed font for fixed cells and the cell's own font otherwise.
bool TExtStringGrid::AnchorAt(int ACol, int ARow, int X, int Y, std::string& Anchor, std::string& Title)
{
    const std::string text = GetCellEx(ACol, ARow);
    if (!EnableHTML() || DetectCellTextKind(text, true) != ctkHtml) return false;
    rtl::TRect r = CellRect(ACol, ARow);
    r.Left += FXYOffset.X + 1;
    r.Top += FXYOffset.Y + 1;
    r.Right -= FXYOffset.X;
    if (rtl::IsRectEmpty(r)) return false;
    gfx::TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().Font().Assign(IsFixed(ACol, ARow) ? &FixedFont() : &GetCellFont(ACol, ARow));
    THtmlRenderOptions options;
    options.HitTestOnly = true;
    options.PointX = X;
    options.PointY = Y;
    options.PictureCache = &ImageCache();
    THtmlRenderResult result;
    if (!RenderHtmlText(scratch.Canvas(), text, r, options, result)) return false;
    Anchor = result.AnchorAtPoint;
    Title = result.AnchorTitleAtPoint;
    return !Anchor.empty() || !Title.empty();
}

// Over a link (a URL text shown as a link, or an anchor of an HTML text) the hot-item cursor
// shows; elsewhere the cursor the grid had before comes back. Entering an anchor and
// leaving it are told through OnAnchorEnter and OnAnchorExit.
void TExtStringGrid::HotItemCursorMove(int ACol, int ARow, int X, int Y)
{
    bool hot = false;
    std::string anchor;
    std::string title;
    const bool onCell = ACol >= 0 && ARow >= 0;
    if (onCell && URLShow()) {
        const std::string text = GetCellEx(ACol, ARow);
        hot = DetectCellTextKind(text, EnableHTML()) != ctkHtml && IsUrlText(text);
    }
    if (onCell && !hot && AnchorAt(ACol, ARow, X, Y, anchor, title)) {
        hot = true;
        std::string hint = title.empty() ? anchor : title;
        if (OnAnchorHint) OnAnchorHint(this, ARow, RealColIndex(ACol), hint);
        if (anchor != FAnchorRef) {
            if (OnAnchorEnter) OnAnchorEnter(this, ARow, RealColIndex(ACol), anchor);
            FAnchorRef = anchor;
        }
    } else if (!FAnchorRef.empty()) {
        FAnchorRef.clear();
        if (OnAnchorExit) OnAnchorExit(this, ARow, onCell ? RealColIndex(ACol) : ACol, "");
    }
    if (hot && !FHotCursorShown) {
        FOldCursor = Cursor();
        FHotCursorShown = true;
        SetCursor(HotItemCursor());
    } else if (!hot && FHotCursorShown) {
        FHotCursorShown = false;
        SetCursor(FOldCursor);
    }
}

void TExtStringGrid::CMMouseEnter(ui::TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (MouseActions().AutoFocus() && !Focused() && CanFocus()) SetFocus();
}

// Leaving the grid clears the hover row (repainting it) and gives back the cursor.
void TExtStringGrid::CMMouseLeave(ui::TMessage& Message)
{
    TBaseGrid::WndProc(Message);
    if (FHoverRowIdx != -1) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount()) InvalidateRow(old);
    }
    HotItemCursorMove(-1, -1, -1, -1);
    // A header whose drop-down menu asked to keep its highlight keeps it.
    if (!FNoMouseLeave) HoverFixedLeave();
    FMouseSelectMode = msNormal;
    FSizeFixed = false;
}

// While a fixed column's right edge is under the pointer a press sizes that column
// (MouseActions.SizeFixedCol); during that sizing the line follows the pointer.
void TExtStringGrid::FixedEdgeMove(int X)
{
    if (FSizingFixed) {
        FSizeFixedX = X;
        if (OnColumnSizing) OnColumnSizing(this, 0, FSizeFixedX);
        return;
    }
    FSizeFixed = false;
    int s = 0;
    for (int i = 1; i <= FixedCols(); ++i) {
        if (std::abs(s + ColWidths(i - 1) - X) < 3) FSizeFixed = MouseActions().SizeFixedCol();
        s += ColWidths(i - 1) + 1;
    }
}

// The zone under the pointer for the next press: the whole grid from the top-left block,
// whole columns from a fixed row, whole rows from a fixed column.
void TExtStringGrid::ClassifyPointer(int ACol, int ARow, int X, int Y)
{
    FMouseSelectMode = msNormal;
    if (ACol < 0 || ARow < 0) return;
    if (InRect(SelectionResizerHandle(true, ACol, ARow), X, Y)) FMouseSelectMode = msResize;
    const TMouseActions& ma = MouseActions();
    const bool onEdge = [&] {
        const rtl::TRect r = CellRect(ACol, ARow);
        if (ARow <= FixedRows() && (Options() & ui::goColSizing) && (std::abs(X - r.Left) < 4 || std::abs(X - r.Right) < 4))
            return true;
        return ACol <= FixedCols() && (Options() & ui::goRowSizing) && (std::abs(Y - r.Top) < 4 || std::abs(Y - r.Bottom) < 4);
    }();
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (ma.AllSelect()) FMouseSelectMode = msAll;
    } else if (ARow < FixedRows()) {
        if (ma.ColSelect() && !onEdge) FMouseSelectMode = msColumn;
    } else if (ACol < FixedCols()) {
        const bool glyph = IsNode(ARow) && ACol == CellNode().NodeColumn() && IsNodeGlyphHit(ARow, X);
        if (ma.RowSelect() && !onEdge && !glyph && ARow <= RowCount() - 1) FMouseSelectMode = msRow;
    }
}

// A press on a fixed column (row) selected whole rows (columns); the drag extends them.
void TExtStringGrid::DragSelectFromFixed(int ACol, int ARow)
{
    if (FMouseSelectMode == msRow && ARow >= FixedRows() && ARow <= RowCount() - FixedFooters()) {
        const int to = std::min(std::max(FixedRows(), ARow), RowCount() - 1);
        SetSelection(rtl::TRect{FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1, std::max(FMouseSelectStart, to)});
    } else if (FMouseSelectMode == msColumn && ACol >= FixedCols()) {
        const int to = std::max(FixedCols(), ACol);
        SetSelection(rtl::TRect{std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to), RowCount() - 1});
    }
}

// A press inside the selection becomes a drag once the pointer leaves the 7 × 7 pixel square
// around the press with the button still down. True when a drag ran.
bool TExtStringGrid::DragStartMove(int X, int Y)
{
    if (!IsLeftButtonPressed() || !DragDropSettings().OleDropSource() || FGridState == ui::gsColSizing) return false;
    if (std::abs(X - FClickPos.X) <= 3 && std::abs(Y - FClickPos.Y) <= 3) return false;
    int c = -1;
    int r = -1;
    MouseToCell(FClickPos.X, FClickPos.Y, c, r);
    if (c < 0 || r < 0) return false;
    FSelectionClick = false;
    const ui::TGridState state = FGridState;
    FGridState = ui::gsNormal;
    if (!StartOleDrag(c, r, FClickPos.X, FClickPos.Y)) {
        // A refused drag goes on as a range selection.
        FGridState = state == ui::gsNormal ? ui::gsSelecting : state;
        return false;
    }
    // The drag loop took the release: the press's gesture is over.
    FMouseDownMove = false;
    FMouseKeepDown = false;
    FDoOnClick = false;
    return true;
}

// Touch scrolling follows the drag by whole default row heights or column widths.
void TExtStringGrid::TouchScrollMove(int X, int Y)
{
    const int dx = FTouchDown.X - X;
    const int dy = FTouchDown.Y - Y;
    if (std::abs(dy) >= std::abs(dx)) {
        if (VisibleRowCount() + FixedRows() >= RowCount() || DefaultRowHeight() <= 0) return;
        const int top = dy / DefaultRowHeight() + FTopDown;
        if (top >= FixedRows() && top <= RowCount() - 1) SetTopRow(top);
        return;
    }
    if (VisibleColCount() + FixedCols() >= ColCount() || DefaultColWidth() <= 0) return;
    SetLeftCol(std::max(FixedCols(), dx / DefaultColWidth() + FLeftRight));
}

}  // namespace grid
