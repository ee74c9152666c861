// The drop-down edit's pop-up protocol: opening in its ordered steps, placement, kept user
// size, closing with or without cancel, deactivation and the re-open guard.
#include <algorithm>
#include <optional>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenModel.h"

namespace grid {

namespace {

constexpr std::int64_t ReopenGuardMs = 250;

}  // namespace

void TExtCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm != nullptr) return;
    FDropDownForm = new TDropDownForm(this, this);
    FDropDownForm->SetOwnerControl(this);
    FDropDownForm->SetBounds(0, 0, std::max(FDropDownWidth, 1), std::max(FDropDownHeight, 1));
    FDropDownForm->OnHide = [this](rtl::TObject*) { DropDownClosed(); };
    FDropDownForm->OnPopupDeactivate = [this](rtl::TObject*, ui::TPopupDeactivation) {
        if (FDropDownForm->FBlockActivate) return;
        FDropDownForm->FIsDeactivating = true;
        DoHideDropDown(FDropDownForm->FCancelOnDeActivate);
        FDropDownForm->FIsDeactivating = false;
    };
    // Keys pressed in the pop-up itself go to the edit.
    FDropDownForm->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState) {
        Perform(ui::WM_KEYDOWN, key, 0);
    };
    FDropDownForm->OnKeyPress = [this](rtl::TObject*, char32_t& key) { Perform(ui::WM_CHAR, key, 0); };
    FDropDownForm->OnMouseWheelDown = [this](rtl::TObject*, ui::TShiftState shift, rtl::TPoint pos, bool& handled) {
        WheelSelectNext(shift, pos, handled);
    };
    FDropDownForm->OnMouseWheelUp = [this](rtl::TObject*, ui::TShiftState shift, rtl::TPoint pos, bool& handled) {
        WheelSelectPrevious(shift, pos, handled);
    };
}

void TExtCustomDropDown::WheelSelectNext(ui::TShiftState, rtl::TPoint, bool& Handled)
{
    SelectNextItem();
    Handled = true;
}

void TExtCustomDropDown::WheelSelectPrevious(ui::TShiftState, rtl::TPoint, bool& Handled)
{
    SelectPreviousItem();
    Handled = true;
}

// After the edit's own wheel handling: the next item down, the previous one up, while the
// pop-up is open or, closed, while the pointer is over the edit.
bool TExtCustomDropDown::DoMouseWheel(ui::TShiftState Shift, int WheelDelta, rtl::TPoint MousePos)
{
    const bool handled = ui::TMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (!FDroppedDown && !rtl::PtInRect(ClientRect(), ScreenToClient(MousePos))) return handled;
    if (WheelDelta < 0) SelectNextItem();
    else if (WheelDelta > 0) SelectPreviousItem();
    return true;
}

void TExtCustomDropDown::SetControl(ui::TControl* value)
{
    if (value == FControl || value == this) return;
    if (FControl != nullptr) {
        FControl->SetAlign(ui::alNone);
        FControl->SetVisible(false);
        FControl->RemoveFreeNotification(this);
    }
    FControl = value;
    if (FControl == nullptr) return;
    FControl->FreeNotification(this);
    FControl->SetVisible(false);
    FControlSize = {FControl->Width(), FControl->Height()};
}

void TExtCustomDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TMaskEdit::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
    if (Operation == rtl::opRemove && AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (Operation == rtl::opRemove && AComponent == FControl) {
        FControl = nullptr;
        FControlSize = {};
    }
}

void TExtCustomDropDown::SetDropDownWidth(int value)
{
    FDropDownWidth = value;
    FUserDropDownWidth = -1;
}

void TExtCustomDropDown::SetDropDownHeight(int value)
{
    if (value >= 0) FDropDownHeight = value;
    FUserDropDownHeight = -1;
}

void TExtCustomDropDown::ResetUserDropDownSize()
{
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExtCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::UpdateDropDownLayout()
{
    if (FDropDownForm == nullptr) return;
    rtl::TRect area = FDropDownForm->LayoutBars();
    if (FControl == nullptr) return;
    FControl->SetParent(FDropDownForm);
    FControl->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    FControl->SetVisible(true);
}

void TExtCustomDropDown::UpdateDropDownSize()
{
    if (FDropDownForm == nullptr) return;
    // The content's own size as it was given, not as the last layout left it: the layout insets
    // it by the frame, and measuring it again would shrink the pop-up at every opening.
    const bool content = FControl != nullptr;
    int width = FDropDownWidth > 0 ? FDropDownWidth : (content ? FControlSize.cx : Width());
    int bars = (FDropDownHeader->Visible() ? FDropDownHeader->Height() : 0) +
               (FDropDownFooter->Visible() ? FDropDownFooter->Height() : 0);
    int height =
        FDropDownHeight > 0 ? FDropDownHeight : 2 * FDropDownBorderWidth + bars + (content ? FControlSize.cy : 0);
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width, height);
}

// Steps 10 to 17 of the opening: the anchor, the direction, the work area, the kept user
// size and the caller's last word. Returns the top-left corner, nothing when OnDropDown refused.
std::optional<rtl::TPoint> TExtCustomDropDown::PlaceDropDown()
{
    TDropDownForm& form = *FDropDownForm;
    rtl::TPoint p = Parent() != nullptr ? Parent()->ClientToScreen({Left(), Top()}) : rtl::TPoint{Left(), Top()};
    const int b = 0;  // the edit always draws a border
    int left = p.X - b;
    int top = p.Y + Height() - 1 + b;
    bool down = FDropPosition == dpDown;
    if (FDropPosition == dpAuto) down = ui::GetSystemMetrics(ui::SM_CYSCREEN) > p.Y + form.Height();
    if (!down) top = p.Y + b - form.Height();
    form.SetBounds(left, top, form.Width(), form.Height());
    bool allow = true;
    if (OnDropDown) OnDropDown(this, allow);
    if (!allow) return std::nullopt;
    rtl::TRect work = ui::MonitorNearestPoint(p).WorkArea;
    int width = FUserDropDownWidth != -1 ? FUserDropDownWidth : form.Width();
    if (work.Left >= 0 && left + width > work.Right && left < work.Right) left = work.Right - width;
    int height = FUserDropDownHeight != -1 ? FUserDropDownHeight : form.Height();
    form.SetBounds(left, top, width, height);
    rtl::TPoint corner{left, top};
    if (OnGetDropDownPos) OnGetDropDownPos(this, corner);
    return corner;
}

void TExtCustomDropDown::DoShowDropDown()
{
    if (FDropDownForm == nullptr || FDropDownForm->Visible() || !Enabled() || ReadOnly() ||
        FDropDownForm->FIsDeactivating || FDoShowBusy)
        return;
    FDoShowBusy = true;
    BeforeDropDown();
    FDropDownForm->FShadow = FDropDownShadow;
    // The content keeps its own size until the pop-up has been sized from it.
    if (FControl != nullptr) FControl->SetParent(FDropDownForm);
    FDropDownForm->InitializeAndUpdate();
    FDropDownForm->SetDropShadow(FDropDownForm->FShadow);
    FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
    UpdateDropDownSize();
    UpdateDropDownLayout();
    FDropDownForm->SetSizeConstraints(80, 50);
    auto* content = dynamic_cast<ui::TWinControl*>(FControl);
    if (content != nullptr) {
        content->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) {
            DropDownControlKeyDown(key, shift);
        };
        content->OnKeyPress = [this](rtl::TObject*, char32_t& key) { DropDownControlKeyPress(key); };
        content->OnKeyUp = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) {
            DropDownControlKeyUp(key, shift);
        };
    }
    std::optional<rtl::TPoint> placed = PlaceDropDown();
    if (!placed) {
        FDoShowBusy = false;
        return;
    }
    rtl::TPoint corner = *placed;
    const int width = FDropDownForm->Width();
    int height = FDropDownForm->Height();
    if (FDropDownShadow && FForceShadow) {
        FDropDownForm->Hide();
        FDropDownForm->SetBounds(corner.X, corner.Y, 1, 1);
        FDropDownForm->Show();
    }
    AdaptDropDownHeight(height);
    FDroppedDown = true;
    ui::TWinControl* focus = FFocusControl != nullptr ? FFocusControl : content;
    FDropDownForm->Popup(rtl::Bounds(corner.X, corner.Y, width, height), focus);
    UpdateDropDownLayout();
    FDoShowBusy = false;
}

void TExtCustomDropDown::DropDownControlKeyDown(ui::WORD& key, ui::TShiftState /*shift*/)
{
    Perform(ui::WM_KEYDOWN, key, 0);
}

void TExtCustomDropDown::DropDownControlKeyUp(ui::WORD& key, ui::TShiftState /*shift*/)
{
    Perform(ui::WM_KEYUP, key, 0);
}

void TExtCustomDropDown::DropDownControlKeyPress(char32_t& key)
{
    Perform(ui::WM_CHAR, key, 0);
}

void TExtCustomDropDown::HideDropDown(bool cancelChanges)
{
    DoHideDropDown(cancelChanges);
    if (FDropDownForm != nullptr) FDropDownForm->FIsDeactivating = false;
}

void TExtCustomDropDown::DoHideDropDown(bool cancel)
{
    if (FDropDownForm == nullptr || !FDropDownForm->Visible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->ClosePopup();
    if (ui::TApplication* app = ui::Application()) app->CancelHint();
    if (cancel) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, cancel);
}

void TExtCustomDropDown::DropDownClosed()
{
    FDroppedDown = false;
    if (TabStop() && CanFocus() && !Focused() && !HasState(rtl::csDestroying)) SetFocus();
}

void TExtCustomDropDown::OpenFromButton()
{
    if (FDropDownForm == nullptr || FDropDownForm->Visible()) return;
    if (ui::GetTickCount64() - FDropDownForm->LastDeactivationTick() <= ReopenGuardMs) return;
    DoShowDropDown();
}

}  // namespace grid
