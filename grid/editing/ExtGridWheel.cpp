// String grid mouse wheel: lines per notch, scrolling or moving the current row within the grid, Ctrl+wheel zoom.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridOptions.h"
#include "platform/ui/Events.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

namespace {

// The platform's offer of a wheel message to the parent of an unfocused control.
constexpr ui::UINT CM_MOUSEWHEEL_OFFER = 0xB043;

bool WheelTurnedDown(const ui::TMessage& Message)
{
    return static_cast<short>(ui::HIWORD(Message.WParam)) < 0;
}

}  // namespace

bool TExtStringGrid::WheelMessage(ui::TMessage& Message)
{
    if (FWheelMessage == 0 || Message.Msg != FWheelMessage || FWheelPan || IsDesigning()) return false;
    if (CellScrollBar() != nullptr) CellScrollBar()->SetVisible(false);
    const rtl::TPoint screen{ui::GET_X_LPARAM(Message.LParam), ui::GET_Y_LPARAM(Message.LParam)};
    if (MouseActions().WheelActive() == waMouseOver && !rtl::PtInRect(GetClientRect(), ScreenToClient(screen)))
        return true;
    if (Parent() != nullptr && !Focused() &&
        Parent()->Perform(CM_MOUSEWHEEL_OFFER, Message.WParam, Message.LParam) != 0)
        return true;
    const bool down = WheelTurnedDown(Message);
    const ui::TShiftState shift = ui::KeysToShiftState(ui::LOWORD(Message.WParam));
    if ((shift & ui::ssCtrl) != 0 && IntelliZoom()) {
        Zoom(down ? -FWheelScrollLines : FWheelScrollLines);
        DoIntelliZoom();
        return true;
    }
    if (!EnableWheel()) return false;
    if (FixedRowAlways() && RowCount() == 1) return true;
    bool handled = false;
    const rtl::TPoint client = ScreenToClient(screen);
    if (down && OnMouseWheelDown) OnMouseWheelDown(this, shift, client, handled);
    if (!down && OnMouseWheelUp) OnMouseWheelUp(this, shift, client, handled);
    if (handled) {
        Message.Result = 1;
        return true;
    }
    WheelStep(down, Message);
    return true;
}

// One wheel message: scrolls the view or moves the current row by the wheel increment,
// never beyond the first or last normal row.
void TExtStringGrid::WheelStep(bool Down, ui::TMessage& Message)
{
    const ui::TGridRect oldSelection = Selection();
    int inc = MouseActions().WheelIncrement();
    if (inc < 1) inc = FWheelScrollLines;
    int delta = 0;
    if (MouseActions().WheelAction() == waScroll) {
        delta = WheelScroll(Down, inc);
    } else {
        const int target = WheelTargetRow(Down, inc);
        delta = target - Row();
        WheelMoveRow(target, Down);
    }
    bool handled = false;
    WheelHandled(delta, handled);
    if (handled) Message.Result = 1;
    const ui::TGridRect sel = Selection();
    if (sel != oldSelection) SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

// Scrolls the top row by inc rows, at most to the last full page and at least to the first
// normal row; the current row stays. Returns the rows scrolled.
int TExtStringGrid::WheelScroll(bool Down, int Inc)
{
    const int oldTop = TopRow();
    const int lastTop = std::max(FixedRows(), RowCount() - VisibleRowCount());
    if (Down && oldTop < lastTop) SetTopRow(std::min(oldTop + Inc, lastTop));
    if (!Down && oldTop > FixedRows()) SetTopRow(std::max(oldTop - Inc, FixedRows()));
    return TopRow() - oldTop;
}

// The row inc rows away from the current one, passing over rows that filtering or grouping
// suppressed, clamped to the normal rows above the footers.
int TExtStringGrid::WheelTargetRow(bool Down, int Inc) const
{
    const int first = FixedRows();
    const int last = RowCount() - FixedFooters() - 1;
    int target = Down ? Row() + Inc : Row() - Inc;
    if (Down) {
        while (target < RowCount() && IsSuppressedRow(target)) ++target;
    } else {
        while (target > first && IsSuppressedRow(target)) --target;
    }
    return std::clamp(target, first, std::max(first, last));
}

// Makes the target row current; a row the grid refuses to select is passed over by further
// steps in the wheel's direction while they stay inside the grid.
void TExtStringGrid::WheelMoveRow(int Target, bool Down)
{
    if (Col() >= ColCount()) SetCol(ColCount() - 1);
    if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());
    if (Target < FixedRows() || Target >= RowCount() || Target == Row()) return;
    const bool keepLeft = (Options() & ui::goRowSelect) != 0 && Navigation().KeepHorizScroll();
    const int oldLeft = LeftCol();
    BeginUpdate();
    if (MouseActions().DisjunctRowSelect()) ResetRowSelect();
    const int step = Down ? 1 : -1;
    const int last = RowCount() - FixedFooters() - 1;
    for (int r = Target; r >= FixedRows() && r <= last; r += step) {
        SetRow(r);
        if (Row() == r) break;
    }
    // A row inside a merged block is reached at the block's base cell.
    MoveToBaseCell();
    if (keepLeft) SetLeftCol(oldLeft);
    EndUpdate();
}

void TExtStringGrid::WheelHandled(int /*Delta*/, bool& Handled)
{
    Handled = true;
}

// Reached through the platform's wheel handling (wheel off, or an answer that was not handled):
// nothing while a filter list is open; with scrolling or the wheel off only the events fire;
// otherwise the base grid moves one row without opening an editor on the way.
bool TExtStringGrid::DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    if (FilterListShown()) return false;
    if (MouseActions().WheelAction() == waScroll || !EnableWheel()) {
        bool handled = false;
        if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
        return handled;
    }
    const bool directEdit = MouseActions().DirectEdit();
    MouseActions().SetDirectEdit(false);
    const bool result = TBaseGrid::DoMouseWheelDown(Shift, MousePos);
    MouseActions().SetDirectEdit(directEdit);
    return result;
}

bool TExtStringGrid::DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    if (FilterListShown()) return false;
    if (MouseActions().WheelAction() == waScroll || !EnableWheel()) {
        bool handled = false;
        if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
        return handled;
    }
    if (Row() < FixedRows() || Row() >= RowCount()) return true;
    const bool directEdit = MouseActions().DirectEdit();
    MouseActions().SetDirectEdit(false);
    const bool result = TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    MouseActions().SetDirectEdit(directEdit);
    return result;
}

bool TExtStringGrid::FilterListShown() const
{
    return (DropList() != nullptr && DropList()->Visible()) ||
           (DropCheckList() != nullptr && DropCheckList()->Visible());
}

}  // namespace grid
