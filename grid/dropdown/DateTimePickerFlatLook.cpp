// The flat look of the date-time picker: its own frame per focus and hover state, its own drop button, and the border lines of a picker without 3D look.
#include <array>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/gfx/FrameControls.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

constexpr gfx::TColor NoColor = 0x1FFFFFFF;
// The frame colour of themed pickers.
constexpr gfx::TColor ThemedFrameColor = 0xB99D7F;

bool ThemesActive()
{
    return IsCommonControls6() && VisualStylesLibraryLoaded() && IsThemeActive != nullptr && IsThemeActive();
}

void FrameIn(gfx::TCanvas& c, const rtl::TRect& r, gfx::TColor color)
{
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(color);
    c.FrameRect(r);
}

}  // namespace

bool TCustomDateTimePicker::Hot() const
{
    if (FMouseInControl) return true;
    ui::TCustomForm* form = ui::GetParentForm(this);
    return form != nullptr && form->ActiveControl() == this;
}

void TCustomDateTimePicker::Paint()
{
    ui::TDateTimePicker::Paint();
    if (!HasLocaleInfoEx() || (FCtl3D && !FlatLookOn())) return;
    gfx::TCanvas& c = Canvas();
    rtl::TRect window = ClientRect();
    bool themed = IsCommonControls6();
    bool themesActive = ThemesActive();
    if (FlatLookOn() && Kind() != ui::dtkTime) {
        if (themed) {
            int cw = ClientWidth(), ch = ClientHeight();
            rtl::TRect native = themesActive ? rtl::Rect(cw - FButtonWidth - 4, 1, cw, ch)
                                             : rtl::Rect(cw - FButtonWidth - 2, 4, cw - 2, ch - 4);
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(Color());
            c.FillRect(native);
        }
        PaintDropButton(c);
    }
    if (!FCtl3D) PaintBorderLines(c, window);
    if (FlatLookOn()) PaintFlatBorder(c, window);
}

// The drop button: own colours when ButtonColor is set, else the classic combo button.
void TCustomDateTimePicker::PaintDropButton(gfx::TCanvas& c)
{
    rtl::TRect r = rtl::Rect(ClientWidth() - FButtonWidth + 2, 0, ClientWidth(), ClientHeight());
    rtl::InflateRect(r, -1, -1);
    bool held = FMouseButtonHeld;
    if (FButtonColor != NoColor) {
        gfx::TColor face = FButtonHover ? (held ? FButtonColorDown : FButtonColorHot) : FButtonColor;
        if (face == NoColor) face = FButtonColor;
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(face);
        c.FillRect(rtl::Rect(r.Left + 2, r.Top, r.Right, r.Bottom));
        if (FButtonBorderColor != NoColor) {
            c.Pen().SetStyle(gfx::psSolid);
            c.Pen().SetWidth(1);
            c.Pen().SetColor(FButtonBorderColor);
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Left, r.Bottom);
        }
        gfx::TColor arrow = held && FButtonTextColorDown != NoColor ? FButtonTextColorDown : FButtonTextColor;
        if (arrow == NoColor) arrow = gfx::clBtnText;
        c.Pen().SetColor(arrow);
        c.Brush().SetColor(arrow);
        const std::array<rtl::TPoint, 3> tri{{{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}}};
        c.Polygon(tri);
        return;
    }
    unsigned state = gfx::DFCS_SCROLLCOMBOBOX | (Enabled() ? gfx::DFCS_FLAT : gfx::DFCS_INACTIVE);
    gfx::DrawFrameControl(c, r, gfx::DFC_SCROLL, state);
}

// Ctl3D off: an outer rectangle in the parent's colour (bsNone), the themed frame colour or
// BorderColor, and without active themes a second one inside it.
void TCustomDateTimePicker::PaintBorderLines(gfx::TCanvas& c, const rtl::TRect& window)
{
    gfx::TColor pen;
    if (FBorderStyle == ui::bsNone && Parent() != nullptr) pen = Parent()->Color();
    else if (IsCommonControls6()) pen = ThemedFrameColor;
    else pen = FBorderColor;
    FrameIn(c, window, pen);
    if (!ThemesActive()) {
        rtl::TRect inner = window;
        rtl::InflateRect(inner, -1, -1);
        FrameIn(c, inner, pen);
    }
}

// The frame of the flat look by state: disabled, focused, plain.
void TCustomDateTimePicker::PaintFlatBorder(gfx::TCanvas& c, const rtl::TRect& window)
{
    bool themed = IsCommonControls6();
    if (Enabled() && FBorderColor == NoColor && FFocusBorderColor == NoColor) return;
    if (!Enabled() && themed && !FDisabledBorder) {
        FrameIn(c, window, ThemedFrameColor);
    } else if (FBorderColor == NoColor && FFocusBorderColor == NoColor) {
        bool focusFrame = FFocusBorder && Hot();
        gfx::TColor outer = focusFrame ? gfx::clBtnFace : (Parent() != nullptr ? Parent()->Color() : Color());
        rtl::TRect r = window;
        FrameIn(c, r, outer);
        rtl::InflateRect(r, -1, -1);
        FrameIn(c, r, outer);
        rtl::InflateRect(r, -1, -1);
        FrameIn(c, r, Color());
    } else if (FHasFocus && FFocusBorderColor != NoColor) {
        FrameIn(c, window, FFocusBorderColor);
    } else if (FBorderColor != NoColor) {
        FrameIn(c, window, FBorderColor);
    }
    if (IsWindowsXPOrLater() && ThemesActive()) return;
    // The classic button edge around the drop button; its interior stays as painted.
    int cw = ClientWidth(), ch = ClientHeight();
    rtl::TRect button = rtl::Rect(cw - FButtonWidth - 2, 0, cw, ch);
    rtl::InflateRect(button, -2, -2);
    rtl::TRect ring = button;
    rtl::InflateRect(ring, -1, -1);
    c.Brush().SetStyle(gfx::bsSolid);
    if (Hot()) {
        gfx::DrawEdge(c, button, DroppedDown() ? gfx::BDR_SUNKENOUTER : gfx::EDGE_RAISED,
                      gfx::BF_RECT | (DroppedDown() ? gfx::BF_FLAT : 0u));
    } else {
        FrameIn(c, ring, gfx::clBtnFace);
    }
}

}  // namespace grid
