// The gradient button of a drop-down's header and footer bars.
#include "grid/dropdown/ExtButton.h"

#include <algorithm>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Forms.h"

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
    if (Enabled() && FState == absDisabled) FState = absUp;
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    }
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
    if (Message.Msg == ui::CM_MOUSEENTER) {
        FMouseInControl = true;
        if (Enabled()) Invalidate();
    } else if (Message.Msg == ui::CM_MOUSELEAVE) {
        FMouseInControl = false;
        if (Enabled()) Invalidate();
    }
    ui::TCustomControl::WndProc(Message);
}

void TExtButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::mbLeft || !Enabled()) return;
    FMouseDownInControl = true;
    FMouseInControl = true;
    FState = absDown;
    FDragging = true;
    Invalidate();
}

void TExtButton::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TExtButtonState state = Inside(X, Y) ? absDown : absUp;
    FMouseInControl = Inside(X, Y);
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TExtButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDownInControl = false;
    Invalidate();
    if (!FDragging) return;
    FDragging = false;
    FState = absUp;
    FMouseInControl = Inside(X, Y);
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
