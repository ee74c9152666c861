// The gradient button of a drop-down's header and footer bars.
#include "grid/dropdown/ExtButton.h"

#include <algorithm>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

bool ClosesDropDown(int result)
{
    switch (result) {
    case ui::mrOk: case ui::mrCancel: case ui::mrAbort: case ui::mrIgnore: case ui::mrYes: case ui::mrNo:
    case ui::mrAll: case ui::mrNoToAll: case ui::mrYesToAll: return true;
    default: return false;
    }
}

bool Cancels(int result)
{
    return result == ui::mrCancel || result == ui::mrAbort || result == ui::mrIgnore || result == ui::mrNo ||
           result == ui::mrNoToAll;
}

}  // namespace

TExtButton::TExtButton(rtl::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    SetBounds(0, 0, 23, 22);
    // The bar behind is painted by the button itself (Paint), so no background erase.
    FControlStyle = ui::csCaptureMouse | ui::csClickEvents | ui::csDoubleClicks | ui::csOpaque;
    Font().SetName("Tahoma");
    // Catches a pointer that left without a leave message.
    FUnHotTimer = new ui::TTimer(nullptr);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->OnTimer = [this](rtl::TObject*) { UnHotTimerTick(); };
}

TExtButton::~TExtButton()
{
    delete FUnHotTimer;
}

void TExtButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TExtButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TExtButton::SetStyle(TExtButtonStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Invalidate();
}

void TExtButton::SetDown(bool value)
{
    if (HasState(rtl::csLoading)) {
        FInitialDown = value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == tasButton) value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        FState = value ? absDown : absUp;
        Repaint();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = value;
    if (value) {
        if (FState == absUp) Invalidate();
        FState = absExclusive;
        UpdateExclusive();
    } else {
        FState = absUp;
        Repaint();
    }
}

void TExtButton::Loaded()
{
    ui::TCustomControl::Loaded();
    if (FInitialDown != FDown) SetDown(FInitialDown);
}

void TExtButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || Parent() == nullptr) return;
    ui::TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<ui::WPARAM>(FGroupIndex),
                                     reinterpret_cast<ui::LPARAM>(this));
}

void TExtButton::ButtonPressed(ui::TMessage& Message)
{
    auto* sender = reinterpret_cast<TExtButton*>(Message.LParam);
    if (static_cast<int>(Message.WParam) != FGroupIndex || sender == this || sender == nullptr) return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = absUp;
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TExtButton::SetImages(gfx::TImageList* value)
{
    if (FImages == value) return;
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
    Invalidate();
}

void TExtButton::SetImageIndex(int value)
{
    FImageIndex = value;
    Invalidate();
}

void TExtButton::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TCustomControl::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FImages) SetImages(nullptr);
}

void TExtButton::FitToContent()
{
    if (FAppearance == nullptr) return;
    gfx::TCanvas& c = Canvas();
    c.Font().Assign(&FAppearance->Font());
    rtl::TSize size = MeasureText(c, Caption());
    if (FImages != nullptr && FImageIndex >= 0) {
        size.cx = std::max(size.cx, FImages->Width());
        size.cy = std::max(size.cy, FImages->Height());
    }
    SetBounds(Left(), Top(), size.cx + 8, size.cy + 4);
}

void TExtButton::Click()
{
    if (ui::TCustomForm* form = ui::GetParentForm(this)) form->SetModalResult(FModalResult);
    if (FExtDropDown != nullptr && ClosesDropDown(FModalResult)) FExtDropDown->HideDropDown(Cancels(FModalResult));
    if (!FInternalClick) ui::TCustomControl::Click();
}

void TExtButton::Paint()
{
    if (Enabled() && FState == absDisabled) FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    }
    if (FStyle == tasCheck && FDown) FState = absDown;
    if (auto* bar = dynamic_cast<TExtBar*>(Parent())) bar->PaintBackgroundInto(Canvas(), BoundsRect());
    DrawButton(Canvas());
}

void TExtButton::DrawButton(gfx::TCanvas& canvas)
{
    if (FAppearance == nullptr) return;
    const TExtButtonAppearance& a = *FAppearance;
    gfx::TColor from, to, outline;
    if (!Enabled()) {
        from = a.ColorDisabled(), to = a.ColorDisabledTo(), outline = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        from = to = a.ColorDown(), outline = a.BorderColorDown();
    } else if (FDown) {
        from = to = a.ColorChecked(), outline = a.BorderColorChecked();
    } else if (FMouseInControl || Focused()) {
        from = to = a.ColorHot(), outline = a.BorderColorHot();
    } else {
        from = a.Color(), to = a.ColorTo(), outline = a.BorderColor();
    }
    DrawGradientRect(canvas, ClientRect(), from, a.Gradient() == gdHorizontal, 1, outline, to);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Font().Assign(&a.Font());
    DrawImageAndText(canvas, ClientRect(), Caption(), FImageIndex, FImages);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

void TExtButton::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_MOUSEENTER: MouseEntered(); break;
    case ui::CM_MOUSELEAVE: MouseLeft(); break;
    case CM_BUTTONPRESSED: ButtonPressed(Message); return;
    case ui::CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case ui::CM_ENABLEDCHANGED:
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    ui::TCustomControl::WndProc(Message);
}

bool TExtButton::DialogChar(char32_t ch)
{
    if (!Enabled() || !ui::IsAccel(ch, Caption())) return false;
    Click();
    return true;
}

void TExtButton::MouseEntered()
{
    if (HasState(rtl::csDesigning)) return;
    FMouseInControl = true;
    if (Enabled()) Invalidate();
    FUnHotTimer->SetEnabled(true);
    if (OnMouseEnter) OnMouseEnter(this);
}

void TExtButton::MouseLeft()
{
    if (HasState(rtl::csDesigning)) return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled()) Invalidate();
    if (OnMouseLeave) OnMouseLeave(this);
}

void TExtButton::UnHotTimerTick()
{
    rtl::TPoint p;
    if (!ui::GetCursorPos(p)) return;
    p = ScreenToClient(p);
    if (rtl::PtInRect(ClientRect(), p)) return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled()) Invalidate();
}

// Re-reads whether the pointer is over the button and delivers the matching enter or leave.
void TExtButton::UpdateTracking()
{
    if (!Enabled()) return;
    rtl::TPoint p;
    bool over = ui::GetCursorPos(p) && rtl::PtInRect(ClientRect(), ScreenToClient(p));
    Perform(over ? ui::CM_MOUSEENTER : ui::CM_MOUSELEAVE, 0, 0);
}

void TExtButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::mbLeft || !Enabled() || HasState(rtl::csDesigning)) return;
    FMouseDownInControl = true;
    FMouseInControl = true;
    if (!FDown) {
        FState = absDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = absDown;
        Repaint();
    }
    FDragging = true;
}

void TExtButton::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    if (HasState(rtl::csDesigning)) return;
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking();
        return;
    }
    const bool inside = Inside(X, Y);
    FMouseInControl = inside;
    TExtButtonState state = FDown ? absExclusive : absUp;
    if (inside) state = FDown ? absExclusive : absDown;
    if (FStyle == tasCheck && FDown) state = absDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TExtButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (HasState(rtl::csDesigning)) return;
    FMouseDownInControl = false;
    Invalidate();
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = absUp;
        FMouseInControl = false;
        if (FStyle == tasCheck) {
            SetDown(!FDown);
            FState = absUp;
        }
        if (inside && FState != absDown && FState != absExclusive) Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else if (FDown) {
        FState = absExclusive;
        Repaint();
    }
    UpdateTracking();
}

void TExtButton::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_RETURN || Key == ui::VK_SPACE) {
        if (FState != absDown) {
            FState = absDown;
            Invalidate();
        }
        // A keyboard click closes the drop-down by the modal result but fires no OnClick.
        FInternalClick = true;
        Click();
        FInternalClick = false;
    }
    ui::TCustomControl::KeyDown(Key, Shift);
}

}  // namespace grid
