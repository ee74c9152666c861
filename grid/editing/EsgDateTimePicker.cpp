// The grid's date/time picker: border style, the flat look's border and button painting, focus and hover.
#include "grid/editing/EsgDateTimePicker.h"

#include <array>

#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {
constexpr gfx::TColor DisabledFrameColor = 0xB99D7F;
}

TEsgDateTimePicker::TEsgDateTimePicker(rtl::TComponent* AOwner) : ui::TDateTimePicker(AOwner)
{
    FButtonWidth = ui::GetSystemMetrics(ui::SM_CXVSCROLL) + 2;
    // The window gets the single border; the field then reads bsNone.
    SetBorderStyle(ui::bsSingle);
    FBorderStyle = ui::bsNone;
}

void TEsgDateTimePicker::SetBorderStyle(ui::TFormBorderStyle Value)
{
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    SetBorderThickness(Value == ui::bsNone ? 0 : 2);
    Invalidate();
}

void TEsgDateTimePicker::SetBorderColor(gfx::TColor v)
{
    if (v == FBorderColor) return;
    FBorderColor = v;
    Invalidate();
}

void TEsgDateTimePicker::SetMetroStyle(bool v)
{
    if (v == FMetroStyle) return;
    FMetroStyle = v;
    Invalidate();
}

std::string TEsgDateTimePicker::Version() const
{
    unsigned nr = static_cast<unsigned>(GetVersionNr());
    std::string s;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (!s.empty()) s += ".";
        s += std::to_string((nr >> shift) & 0xFF);
    }
    return s;
}

bool TEsgDateTimePicker::Metro() const { return FMetroStyle && !HasState(rtl::csDesigning); }

bool TEsgDateTimePicker::Themed() const { return FIsThemed && gfx::ThemesActive(); }

void TEsgDateTimePicker::Paint()
{
    ui::TDateTimePicker::Paint();
    if (!Metro() || Kind() == ui::dtkTime) return;
    gfx::TCanvas& c = Canvas();
    // The native button is covered with the control's colour, then drawn flat.
    int native = ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(rtl::Rect(ClientWidth() - std::max(native, FButtonWidth), 0, ClientWidth(), ClientHeight()));
    PaintButton(c);
}

void TEsgDateTimePicker::PaintButton(gfx::TCanvas& c)
{
    bool mouseDown = FButtonHover && ui::GetAsyncKeyState(ui::VK_LBUTTON) < 0;
    rtl::TRect r = rtl::Rect(ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight());
    if (FButtonColor != gfx::clNone) {
        rtl::InflateRect(r, -1, -1);
        gfx::TColor face = mouseDown ? FButtonColorDown : FButtonHover ? FButtonColorHot : FButtonColor;
        if (face == gfx::clNone) face = FButtonColor;
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(face);
        c.FillRect(rtl::Rect(r.Left + 2, r.Top, r.Right, r.Bottom));
        if (FButtonBorderColor != gfx::clNone) {
            c.Pen().SetStyle(gfx::psSolid);
            c.Pen().SetColor(FButtonBorderColor);
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Left, r.Bottom);
        }
        gfx::TColor arrow = mouseDown && FButtonTextColorDown != gfx::clNone ? FButtonTextColorDown : FButtonTextColor;
        if (arrow == gfx::clNone) arrow = gfx::clBlack;
        c.Brush().SetColor(arrow);
        c.Pen().SetStyle(gfx::psSolid);
        c.Pen().SetColor(arrow);
        std::array<rtl::TPoint, 3> tri{{{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}}};
        c.Polygon(tri);
        return;
    }
    if (Themed()) {
        if (gfx::HTHEME theme = gfx::OpenThemeData("combobox")) {
            int state = !Enabled() ? 4 : (mouseDown && DroppedDown()) ? 3 : (mouseDown || !FButtonHover || DroppedDown()) ? 1 : 2;
            gfx::DrawThemeBackground(theme, c, 1, state, r);
            gfx::CloseThemeData(theme);
            return;
        }
    }
    unsigned state = gfx::DFCS_SCROLLCOMBOBOX | (Enabled() ? gfx::DFCS_FLAT : gfx::DFCS_INACTIVE);
    gfx::DrawFrameControl(c, r, gfx::DFC_SCROLL, state);
}

// The flat border: the focus border colour while focused, else the border colour; a
// disabled themed control without DisabledBorder gets the fixed disabled frame.
void TEsgDateTimePicker::PaintNonClient(gfx::TCanvas& canvas)
{
    ui::TDateTimePicker::PaintNonClient(canvas);
    if (!Metro()) return;
    if (Enabled() && FBorderColor == gfx::clNone && FFocusBorderColor == gfx::clNone) return;
    rtl::TRect r = rtl::Rect(0, 0, Width(), Height());
    gfx::TColor frame;
    if (Enabled() || !FIsThemed || FDisabledBorder) {
        if (FBorderColor == gfx::clNone || (FHasFocus && FFocusBorderColor != gfx::clNone)) {
            if (FFocusBorderColor == gfx::clNone) {
                gfx::TColor outer = Parent() != nullptr ? Parent()->Color() : gfx::clBtnFace;
                canvas.Brush().SetStyle(gfx::bsSolid);
                canvas.Brush().SetColor(outer);
                canvas.FrameRect(r);
                rtl::InflateRect(r, -1, -1);
                canvas.Brush().SetColor(Color());
                canvas.FrameRect(r);
                return;
            }
            if (!FHasFocus) return;
            frame = FFocusBorderColor;
        } else {
            frame = FBorderColor;
        }
    } else {
        frame = DisabledFrameColor;
    }
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(frame);
    canvas.FrameRect(r);
}

void TEsgDateTimePicker::WndProc(ui::TMessage& Message)
{
    if ((Message.Msg == ui::CM_MOUSEENTER || Message.Msg == ui::CM_MOUSELEAVE) && !HasState(rtl::csDesigning)) {
        ui::TDateTimePicker::WndProc(Message);
        bool entering = Message.Msg == ui::CM_MOUSEENTER;
        if (Enabled() && Metro()) FMouseInControl = entering;
        if (!entering) FButtonHover = false;
        if (FIsWinXP) Invalidate();
        return;
    }
    ui::TDateTimePicker::WndProc(Message);
}

void TEsgDateTimePicker::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TDateTimePicker::MouseMove(Shift, X, Y);
    bool hover = Width() - FButtonWidth < X && X < Width();
    if (hover == FButtonHover) return;
    FButtonHover = hover;
    Invalidate();
}

void TEsgDateTimePicker::DoEnter()
{
    ui::TDateTimePicker::DoEnter();
    if (HasState(rtl::csDesigning)) return;
    FHasFocus = true;
    Invalidate();
}

void TEsgDateTimePicker::DoExit()
{
    ui::TDateTimePicker::DoExit();
    if (HasState(rtl::csDesigning)) return;
    FHasFocus = false;
    Invalidate();
}

}  // namespace grid
