// Push button, label, check box and radio button: painting in the classic look, keys and mouse.
#include "platform/ui/StdCtrlsButtons.h"

#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace ui {

void DrawControlText(gfx::TCanvas& canvas, const std::string& text, rtl::TRect rect, unsigned flags, bool enabled,
                     gfx::TColor color)
{
    canvas.Brush().SetStyle(gfx::bsClear);
    if (enabled) {
        canvas.Font().SetColor(color);
        canvas.DrawText(text, rect, flags);
        return;
    }
    // Disabled text: a white copy one pixel down and right under the grey text.
    rtl::TRect shifted = rect;
    rtl::OffsetRect(shifted, 1, 1);
    canvas.Font().SetColor(gfx::clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font().SetColor(gfx::clBtnShadow);
    canvas.DrawText(text, rect, flags);
}

// ===== TButton

TButton::TButton(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
    FColor = gfx::clBtnFace;
    FTabStop = true;
    FControlStyle |= csOpaque;
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    Invalidate();
}

void TButton::SetPressed(bool value)
{
    if (FPressed == value) return;
    FPressed = value;
    Invalidate();
}

void TButton::Click()
{
    if (FModalResult != 0) {
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    }
    TCustomControl::Click();
}

void TButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    bool focusedLook = Focused() || (FDefault && dynamic_cast<TButton*>(FocusedControl()) == nullptr &&
                                      FocusedControl() != nullptr && GetParentForm(FocusedControl()) == GetParentForm(this));
    if (focusedLook && Enabled()) {
        // The button Return presses has a dark outer frame.
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clWindowFrame);
        c.FrameRect(r);
        rtl::InflateRect(r, -1, -1);
    }
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(gfx::bsSolid);
    if (FPressed) {
        c.FillRect(r);
        c.Brush().SetColor(gfx::clBtnShadow);
        c.FrameRect(r);
    } else {
        rtl::TRect face = r;
        gfx::DrawFrameControl(c, face, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
    }
    rtl::TRect text = r;
    if (FPressed) rtl::OffsetRect(text, 1, 1);
    c.Font().Assign(&Font());
    DrawControlText(c, Caption(), text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, Enabled(),
                    Font().Color());
    if (Focused()) {
        rtl::TRect focus = r;
        rtl::InflateRect(focus, -3, -3);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Font().SetColor(gfx::clBtnText);
        c.DrawFocusRect(focus);
    }
}

void TButton::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGKEY: {
        int key = static_cast<int>(Message.WParam);
        if (!Showing() || !Enabled()) break;
        bool focusedIsButton = dynamic_cast<TButton*>(FocusedControl()) != nullptr;
        if ((key == VK_RETURN && (Focused() || (FDefault && !focusedIsButton))) || (key == VK_ESCAPE && FCancel)) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(Message);
        if (Message.Msg == WM_KILLFOCUS) {
            FSpaceDown = false;
            SetPressed(FMouseDown);
        }
        // Default buttons show their frame depending on where the focus is.
        if (TCustomForm* form = GetParentForm(this)) form->Invalidate();
        return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && Shift == 0) {
        FSpaceDown = true;
        SetPressed(true);
    }
}

void TButton::KeyUp(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        SetPressed(false);
        Click();
    }
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        FMouseDown = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FMouseDown) SetPressed(rtl::PtInRect(ClientRect(), {X, Y}));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FMouseDown = false;
        SetPressed(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ===== TLabel

TLabel::TLabel(rtl::TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    FParentColor = true;
    FControlStyle |= csSetCaption;
}

void TLabel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value)
{
    FLayout = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TLabel::SetText(const std::string& value)
{
    TGraphicControl::SetText(value);
    AdjustBounds();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

unsigned TLabel::TextFlags() const
{
    unsigned flags = gfx::DT_EXPANDTABS;
    if (FWordWrap) flags |= gfx::DT_WORDBREAK;
    if (FAlignment == taRightJustify) flags |= gfx::DT_RIGHT;
    else if (FAlignment == taCenter) flags |= gfx::DT_CENTER;
    return flags;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || HasState(rtl::csLoading)) return;
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    rtl::TRect r = rtl::Rect(0, 0, FWordWrap ? FWidth : 100000, 0);
    measure.DrawText(text, r, TextFlags() | gfx::DT_CALCRECT);
    int left = FLeft;
    if (FAlignment == taRightJustify && !FWordWrap) left = FLeft + FWidth - r.Width();
    else if (FAlignment == taCenter && !FWordWrap) left = FLeft + (FWidth - r.Width()) / 2;
    SetBounds(left, FTop, r.Width(), r.Height());
}

void TLabel::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    if (!FTransparent) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    c.Font().Assign(&Font());
    unsigned flags = TextFlags();
    if (FLayout != tlTop) {
        rtl::TRect calc = r;
        c.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
        int offset = r.Height() - calc.Height();
        r.Top += FLayout == tlBottom ? offset : offset / 2;
    }
    DrawControlText(c, Caption(), r, flags, Enabled(), Font().Color());
}

// ===== TButtonControl

TButtonControl::TButtonControl(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
    FColor = gfx::clBtnFace;
    FTabStop = true;
    FControlStyle |= csOpaque;
    // Toggling happens on the release of the button; no second click event.
    FControlStyle &= ~static_cast<unsigned>(csClickEvents | csDoubleClicks);
}

void TButtonControl::SetAlignment(TLeftRight value)
{
    FAlignment = value;
    Invalidate();
}

void TButtonControl::SetWordWrap(bool value)
{
    FWordWrap = value;
    Invalidate();
}

rtl::TRect TButtonControl::CaptionRect() const
{
    rtl::TRect r = ClientRect();
    if (FAlignment == taRight) r.Left += 17;
    else r.Right -= 17;
    return r;
}

void TButtonControl::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect client = ClientRect();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(client);
    int top = (client.Height() - 13) / 2;
    int left = FAlignment == taRight ? 0 : client.Width() - 13;
    rtl::TRect box = rtl::Bounds(left, top, 13, 13);
    unsigned state = MarkKind();
    if (FState == cbChecked) state |= gfx::DFCS_CHECKED;
    if (FState == cbGrayed) state |= gfx::DFCS_CHECKED | gfx::DFCS_BUTTON3STATE;
    if (FPressed) state |= gfx::DFCS_PUSHED;
    if (!Enabled()) state |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(c, box, gfx::DFC_BUTTON, state);

    c.Font().Assign(&Font());
    rtl::TRect text = CaptionRect();
    unsigned flags = gfx::DT_VCENTER | (FWordWrap ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
    rtl::TRect calc = text;
    c.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
    if (FWordWrap) text.Top += std::max(0, (text.Height() - calc.Height()) / 2);
    DrawControlText(c, Caption(), text, flags, Enabled(), Font().Color());
    if (Focused() && !Caption().empty()) {
        rtl::TRect focus = rtl::Rect(text.Left - 1, std::max(0, (client.Height() - calc.Height()) / 2 - 1),
                                     std::min(text.Right, text.Left + calc.Width() + 1),
                                     std::min(client.Bottom, (client.Height() + calc.Height()) / 2 + 1));
        c.Brush().SetStyle(gfx::bsSolid);
        c.DrawFocusRect(focus);
    }
}

void TButtonControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        if (Message.Msg == WM_KILLFOCUS) {
            FSpaceDown = false;
            FPressed = FMouseDown;
        }
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TButtonControl::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && Shift == 0) {
        FSpaceDown = true;
        FPressed = true;
        Invalidate();
    }
}

void TButtonControl::KeyUp(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        FPressed = false;
        Invalidate();
        Toggle();
    }
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        FMouseDown = true;
        FPressed = true;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FMouseDown) {
        bool inside = rtl::PtInRect(ClientRect(), {X, Y});
        if (inside != FPressed) {
            FPressed = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && FMouseDown) {
        FMouseDown = false;
        FPressed = false;
        Invalidate();
        if (rtl::PtInRect(ClientRect(), {X, Y})) Toggle();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ===== TCheckBox

TCheckBox::TCheckBox(rtl::TComponent* AOwner) : TButtonControl(AOwner) {}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value) return;
    FState = value;
    Invalidate();
    // As in the class library, a change made from code is reported as a click too.
    if (!HasState(rtl::csLoading)) Click();
}

void TCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

unsigned TCheckBox::MarkKind() const
{
    return gfx::DFCS_BUTTONCHECK;
}

// ===== TRadioButton

TRadioButton::TRadioButton(rtl::TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    FTabStop = false;
}

unsigned TRadioButton::MarkKind() const
{
    return gfx::DFCS_BUTTONRADIO;
}

void TRadioButton::SetChecked(bool value)
{
    if (Checked() == value) return;
    FState = value ? cbChecked : cbUnchecked;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    if (FParent != nullptr) {
        for (int i = 0; i < FParent->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(FParent->Controls(i));
            if (other != nullptr && other != this) other->SetChecked(false);
        }
    }
    if (!HasState(rtl::csLoading)) Click();
}

void TRadioButton::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_SETFOCUS) {
        TButtonControl::WndProc(Message);
        // Arrow keys move through a group and check the radio button they reach.
        for (int vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
            if (GetKeyState(vk) < 0) {
                SetChecked(true);
                break;
            }
        }
        return;
    }
    TButtonControl::WndProc(Message);
}

}  // namespace ui
