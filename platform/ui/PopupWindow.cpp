// The pop-up window service: activation chain, deactivation and sizing from the corner.
#include "platform/ui/PopupWindow.h"

#include <algorithm>

#include "platform/ui/Clock.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"

namespace ui {

TPopupWindow::TPopupWindow(rtl::TComponent* AOwner) : TCustomForm(AOwner)
{
    SetBorderStyle(bsNone);
    FVisible = false;
    FControlStyle |= csOpaque;
}

void TPopupWindow::SetDropShadow(bool value)
{
    if (FDropShadow == value) return;
    FDropShadow = value;
    UpdateShadow();
}

void TPopupWindow::UpdateShadow()
{
    TWinControl* host = FOwnerControl != nullptr ? FOwnerControl->TopLevelWindow() : nullptr;
    FShadow.Update(BoundsRect(), host, FDropShadow && Visible());
}

void TPopupWindow::BoundsChanged(const rtl::TRect& oldBounds)
{
    TCustomForm::BoundsChanged(oldBounds);
    UpdateShadow();
}

void TPopupWindow::SetSizeConstraints(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    FMinWidth = minWidth;
    FMinHeight = minHeight;
    FMaxWidth = maxWidth;
    FMaxHeight = maxHeight;
    rtl::TSize size = ConstrainedSize(Width(), Height());
    if (size.cx != Width() || size.cy != Height()) SetBounds(Left(), Top(), size.cx, size.cy);
}

rtl::TSize TPopupWindow::ConstrainedSize(int width, int height) const
{
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    if (FMinWidth > 0) width = std::max(width, FMinWidth);
    if (FMinHeight > 0) height = std::max(height, FMinHeight);
    return {width, height};
}

void TPopupWindow::Popup(const rtl::TRect& screenBounds, TWinControl* focus)
{
    rtl::TSize size = ConstrainedSize(screenBounds.Width(), screenBounds.Height());
    SetBounds(screenBounds.Left, screenBounds.Top, size.cx, size.cy);
    Show();
    if (TApplication* app = Application()) app->ActivateForm(this);
    if (focus != nullptr && focus->CanFocus()) FocusControl(focus);
}

void TPopupWindow::ClosePopup()
{
    FSizing = false;
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    Hide();
}

bool TPopupWindow::InChain(const TControl* control) const
{
    while (control != nullptr) {
        if (control == this) return true;
        if (auto* popup = dynamic_cast<const TPopupWindow*>(control); popup != nullptr)
            control = popup->OwnerControl();
        else
            control = control->Parent();
    }
    return false;
}

void TPopupWindow::Deactivate()
{
    TCustomForm::Deactivate();
    if (!Visible()) return;
    TApplication* app = Application();
    TCustomForm* now = app != nullptr ? app->ActiveForm() : nullptr;
    // A pop-up opened from inside this one keeps it open.
    if (now != nullptr && InChain(now)) return;
    DeactivatePopup(pdOtherWindowActivated);
}

void TPopupWindow::DeactivatePopup(TPopupDeactivation reason)
{
    FDeactivatedAt = GetTickCount64();
    if (OnPopupDeactivate)
        OnPopupDeactivate(this, reason);
    else
        ClosePopup();
}

void TPopupWindow::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATEAPP:
        if (Message.WParam == 0 && Visible()) DeactivatePopup(pdApplicationInactive);
        break;
    case NcLeftButtonDown:
        if (Message.WParam == HitBottomRight) {
            BeginCornerSizing();
            return;
        }
        break;
    case WM_MOUSEMOVE:
        if (FSizing) {
            TrackCornerSizing();
            return;
        }
        break;
    case WM_LBUTTONUP:
        if (FSizing) {
            TrackCornerSizing();
            FSizing = false;
            if (GetCaptureControl() == this) SetCaptureControl(nullptr);
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        FSizing = false;
        break;
    default:
        break;
    }
    TCustomForm::WndProc(Message);
    if (Message.Msg == CM_VISIBLECHANGED) UpdateShadow();
}

void TPopupWindow::BeginCornerSizing()
{
    GetCursorPos(FSizingStart);
    FSizingStartSize = {Width(), Height()};
    SetCaptureControl(this);
    FSizing = true;
}

void TPopupWindow::TrackCornerSizing()
{
    rtl::TPoint now;
    GetCursorPos(now);
    rtl::TSize size = ConstrainedSize(FSizingStartSize.cx + now.X - FSizingStart.X,
                                      FSizingStartSize.cy + now.Y - FSizingStart.Y);
    if (size.cx != Width() || size.cy != Height()) SetBounds(Left(), Top(), size.cx, size.cy);
}

}  // namespace ui
