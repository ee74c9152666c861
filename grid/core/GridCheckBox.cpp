// The grid check box: state, mouse and key input, and painting of the box, caption and focus frame.
#include "grid/core/GridCheckBox.h"

#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/gfx/FrameControls.h"
#include "platform/ui/Accelerator.h"

namespace grid {

namespace {

constexpr int BoxArea = 20;

}  // namespace

bool IsThemedXPApp()
{
    return IsWindowsXPOrLater() && VisualStylesLibraryLoaded() && IsThemeActive != nullptr && IsThemeActive() &&
           IsCommonControls6();
}

TExtCheckBox::TExtCheckBox(rtl::TComponent* AOwner)
    : ui::TCustomControl(AOwner), FBkgBmp(std::make_unique<gfx::TBitmap>())
{
    FIsWinXP = IsWindowsXPOrLater();
    SetBounds(Left(), Top(), 98, 20);
    // Clicks are raised by the control itself.
    SetControlStyle(ControlStyle() & ~static_cast<unsigned>(ui::csClickEvents));
}

TExtCheckBox::~TExtCheckBox() = default;

// --- state ---

void TExtCheckBox::SetChecked(bool Value)
{
    SetState(Value ? ui::cbChecked : ui::cbUnchecked);
    Invalidate();
}

void TExtCheckBox::SetState(ui::TCheckBoxState Value)
{
    if (Value == FState) return;
    FState = Value;
    InvalidateBox();
}

void TExtCheckBox::Toggle()
{
    if (!FReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::SetText(const std::string& Value)
{
    FCaption = Value;
    Perform(ui::CM_TEXTCHANGED, 0, 0);
    Invalidate();
}

void TExtCheckBox::SetAlignment(ui::TLeftRight Value)
{
    FAlignment = Value;
    Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(ui::TTextLayout Value)
{
    FBtnVAlign = Value;
    Invalidate();
}

void TExtCheckBox::SetEllipsis(bool Value)
{
    FEllipsis = Value;
    Invalidate();
}

// The parent paints its background before its children, so a transparent check box only
// leaves its area unerased; what the parent drew stays behind it.
void TExtCheckBox::SetTransparent(bool Value)
{
    if (Value != FTransparent) {
        FTransparent = Value;
        FBkgCache = false;
        if (Value) SetControlStyle(ControlStyle() | ui::csOpaque);
        else SetControlStyle(ControlStyle() & ~static_cast<unsigned>(ui::csOpaque));
    }
    Repaint();
}

void TExtCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    ui::TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Repaint();
    }
}

rtl::TRect TExtCheckBox::BoxRect() const
{
    const rtl::TRect client = ClientRect();
    const int x = FAlignment == ui::taLeft ? 0 : client.Right - 15;
    int y = 4;
    if (FBtnVAlign == ui::tlCenter) y = client.Height() / 2 - 6;
    else if (FBtnVAlign == ui::tlBottom) y = client.Bottom - 14;
    return rtl::Bounds(x, y, 14, 14);
}

void TExtCheckBox::InvalidateBox()
{
    const int x = FAlignment == ui::taLeft ? 0 : ClientWidth() - BoxArea;
    InvalidateRect(rtl::Rect(x, 0, x + BoxArea, ClientHeight()));
}

// --- input ---

bool TExtCheckBox::Inside(int X, int Y) const { return X >= 0 && X <= Width() && Y >= 0 && Y <= Height(); }

void TExtCheckBox::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && Enabled()) {
        FMouseDown = true;
        if (!FFocused && CanFocus()) SetFocus();
        SetMouseCapture(true);
        FDown = true;
        // The whole box area: a 16 x 16 corner would leave the lower rows of a box drawn
        // at y = 4 showing the old state.
        if (FIsWinXP) InvalidateBox();
    }
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TExtCheckBox::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    if (MouseCapture()) {
        const bool down = Inside(X, Y);
        if (down != FDown) {
            FDown = down;
            InvalidateBox();
        }
    }
    ui::TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && FMouseDown) {
        SetMouseCapture(false);
        FDown = false;
        if (Inside(X, Y) && FFocused) {
            FClicksDisabled = true;
            Toggle();
            FClicksDisabled = false;
            Click();
        }
        if (FIsWinXP) InvalidateBox();
    }
    FMouseDown = false;
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExtCheckBox::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_SPACE) {
        FDown = true;
        InvalidateBox();
    }
    if (Key == ui::VK_RETURN && FReturnIsTab) {
        ui::PostMessage(Handle(), ui::WM_KEYDOWN, ui::VK_TAB, 0);
        Key = 0;
        return;
    }
    ui::TCustomControl::KeyDown(Key, Shift);
}

// Space up toggles and clicks. Every key then goes on to the platform's handling, so the
// published key-up event fires for the check box like for other controls.
void TExtCheckBox::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_SPACE && FDown) {
        FDown = false;
        Toggle();
        Click();
        InvalidateBox();
    }
    ui::TCustomControl::KeyUp(Key, Shift);
}

void TExtCheckBox::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_DIALOGCHAR:
        if (ui::IsAccel(static_cast<char32_t>(Message.WParam), FCaption) && CanFocus()) {
            Toggle();
            if (TabStop()) SetFocus();
            Message.Result = 1;
        }
        return;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
        FHot = Message.Msg == ui::CM_MOUSEENTER;
        InvalidateBox();
        break;
    case ui::CM_ENABLEDCHANGED: Invalidate(); break;
    default: break;
    }
    ui::TCustomControl::WndProc(Message);
    if (Message.Msg == ui::WM_SETFOCUS || Message.Msg == ui::WM_KILLFOCUS) {
        FFocused = Message.Msg == ui::WM_SETFOCUS;
        Invalidate();
    }
}

// --- painting ---

void TExtCheckBox::PaintBox(gfx::TCanvas& canvas)
{
    const rtl::TRect box = BoxRect();
    if (IsThemedXPApp()) {
        int state = FState == ui::cbChecked ? gfx::CBS_CHECKEDNORMAL
                    : FState == ui::cbGrayed ? gfx::CBS_MIXEDNORMAL
                                             : gfx::CBS_UNCHECKEDNORMAL;
        if (!Enabled()) state += 3;
        else if (FDown) state += 2;
        else if (FHot) state += 1;
        const ui::HWND window = Handle();
        HTHEME theme = OpenThemeData(window, "button");
        DrawThemeBackground(theme, &canvas, gfx::BP_CHECKBOX, state, &box, nullptr);
        CloseThemeData(theme);
        return;
    }
    const rtl::TRect client = ClientRect();
    const int x = FAlignment == ui::taLeft ? 0 : client.Right - 13;
    int y = 4;
    if (FBtnVAlign == ui::tlCenter) y = client.Height() / 2 - 6;
    else if (FBtnVAlign == ui::tlBottom) y = client.Bottom - 17;
    rtl::TRect frame = rtl::Bounds(x, y, 13, 13);
    unsigned flags = gfx::DFCS_BUTTONCHECK;
    if (!Enabled() || FState == ui::cbGrayed) flags |= gfx::DFCS_INACTIVE;
    if (FState == ui::cbChecked) flags |= gfx::DFCS_CHECKED;
    gfx::DrawFrameControl(canvas, frame, gfx::DFC_BUTTON, flags);
}

void TExtCheckBox::PaintCaption(gfx::TCanvas& canvas)
{
    rtl::TRect r = ClientRect();
    if (FAlignment == ui::taLeft) {
        r.Left += 17;
    } else {
        r.Left = 8;
        r.Right -= 9;
    }
    r.Top += 4;
    canvas.Brush().SetStyle(gfx::bsClear);
    unsigned flags = gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_SINGLELINE;
    if (FEllipsis) flags |= gfx::DT_END_ELLIPSIS;
    if (!Enabled()) {
        rtl::TRect shadow = r;
        rtl::OffsetRect(shadow, 1, 1);
        canvas.Font().SetColor(gfx::clWhite);
        canvas.DrawText(FCaption, shadow, flags);
        canvas.Font().SetColor(gfx::TColor(0x808080));
    }
    canvas.DrawText(FCaption, r, flags);
    canvas.Brush().SetStyle(gfx::bsSolid);
    if (FFocused) {
        const rtl::TSize text = canvas.TextExtent(FCaption);
        canvas.Brush().SetColor(Color());
        canvas.DrawFocusRect(rtl::Rect(r.Left - 2, r.Top, r.Left + text.cx + 1, r.Top + text.cy + 1));
    }
}

void TExtCheckBox::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    canvas.Font().Assign(&Font());
    canvas.Font().SetColor(gfx::clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsSolid);
    PaintBox(canvas);
    PaintCaption(canvas);
}

}  // namespace grid
