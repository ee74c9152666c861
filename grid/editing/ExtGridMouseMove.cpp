// String grid mouse move, enter and leave: hover row, hot-item cursor, sizing events, move feedback; the grid's own messages first.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

bool TExtStringGrid::InteractionMessage(ui::TMessage& Message)
{
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
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    const bool designing = IsDesigning();
    if (!designing && c >= 0 && r >= 0) HoverRowMove(r);
    const bool moving = FGridState == ui::gsColMoving || FGridState == ui::gsRowMoving;
    if (!designing && moving) MovingStep(X, Y);
    if (!designing) HotItemCursorMove(c, r);
    TBaseGrid::MouseMove(Shift, X, Y);
    ReportSizing(X, Y);
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

// Over a link (a URL text shown as a link) the hot-item cursor shows; elsewhere the
// cursor the grid had before comes back.
void TExtStringGrid::HotItemCursorMove(int ACol, int ARow)
{
    bool hot = false;
    if (ACol >= 0 && ARow >= 0 && URLShow()) {
        const std::string text = GetCellEx(ACol, ARow);
        hot = DetectCellTextKind(text, EnableHTML()) != ctkHtml && IsUrlText(text);
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
    HotItemCursorMove(-1, -1);
}

}  // namespace grid
