// Button glyph painters of the grid utilities: drop-down button, push button and spin buttons in four looks.
#include "grid/foundation/ExtUtilThemedButtons.h"

#include "grid/foundation/ExtUtilDraw.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/NumberText.h"

#include <array>

namespace grid {

namespace {

constexpr int ComboButtonWidth = 17;
constexpr int SpinStripWidth = 15;
// Theme state of the drop-down and spin parts: they show only enabled or disabled.
constexpr int ThemeStateNormal = 1;
constexpr int ThemeStateDisabled = 4;

// Draws one part through the visual styles bound for the program. False when there is no
// visual style to draw with (library not bound, or the class cannot be opened): the
// caller then draws the classic look, so that the glyph never goes missing and no empty
// entry of the binding is ever called.
bool DrawThemePart(gfx::TCanvas& canvas, ui::HWND window, const char* themeClass, int part, int themeState,
                   const rtl::TRect& rect)
{
    if (!VisualStylesLibraryLoaded() || !OpenThemeData || !DrawThemeBackground || !CloseThemeData) return false;
    const HTHEME theme = OpenThemeData(window, themeClass);
    if (!theme) return false;
    DrawThemeBackground(theme, &canvas, part, themeState, &rect, nullptr);
    CloseThemeData(theme);
    return true;
}

void FrameControl(gfx::TCanvas& canvas, const rtl::TRect& rect, unsigned type, unsigned flags, int look)
{
    rtl::TRect r = rect;
    if (look == bglFlat) flags |= gfx::DFCS_FLAT;
    gfx::DrawFrameControl(canvas, r, type, flags);
}

unsigned InactiveFlag(int state) { return state == bgsDisabled ? gfx::DFCS_INACTIVE : 0u; }

void SolidTools(gfx::TCanvas& canvas, gfx::TColor brush, gfx::TColor pen)
{
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(brush);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(pen);
}

void FilledTriangle(gfx::TCanvas& canvas, rtl::TPoint a, rtl::TPoint b, rtl::TPoint c, gfx::TColor color)
{
    SolidTools(canvas, color, color);
    const std::array<rtl::TPoint, 3> points = {a, b, c};
    canvas.Polygon(points);
}

// The drop-down button in the tone colours: face by state, a border line inside its left
// edge and the small down arrow.
void DrawToneComboButton(gfx::TCanvas& canvas, rtl::TRect r, int state, const TColorTones& tones)
{
    r.Left += 3;
    const gfx::TColor face = ToneOfState(tones, state).BrushColor;
    SolidTools(canvas, face, face);
    canvas.Rectangle(r);
    canvas.Pen().SetColor(tones.Background.BorderColor);
    canvas.MoveTo(r.Left + 1, r.Top);
    canvas.LineTo(r.Left + 1, r.Bottom);
    DrawSmallDownTriangle(canvas, r.Left + 8, r.Top + 8, tones.Background.TextColor);
}

void DrawToneSpinButtons(gfx::TCanvas& canvas, const rtl::TRect& up, const rtl::TRect& down, int state,
                         const TColorTones& tones)
{
    const gfx::TColor face = ToneOfState(tones, state).BrushColor;
    SolidTools(canvas, face, face);
    canvas.Rectangle(up);
    canvas.Rectangle(down);
    FilledTriangle(canvas, {up.Left + 5, up.Top + 5}, {up.Left + 9, up.Top + 5}, {up.Left + 7, up.Top + 3},
                   gfx::clBlack);
    FilledTriangle(canvas, {down.Left + 5, down.Top + 3}, {down.Left + 9, down.Top + 3},
                   {down.Left + 7, down.Top + 5}, gfx::clBlack);
}

void DrawCaption(gfx::TCanvas& canvas, const rtl::TRect& rect, bool prefix, const std::string& caption)
{
    if (caption.empty()) return;
    canvas.Brush().SetStyle(gfx::bsClear);
    rtl::TRect r = rect;
    r.Top += 4;
    r.Bottom -= 3;
    unsigned flags = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
    if (!prefix) flags |= gfx::DT_NOPREFIX;
    canvas.DrawText(caption, r, flags);
}

}  // namespace

const TColorTone& ToneOfState(const TColorTones& tones, int state)
{
    switch (state) {
    case bgsHot: return tones.Hover;
    case bgsDown: return tones.Selected;
    case bgsDisabled: return tones.Disabled;
    default: return tones.Background;
    }
}

void DrawThemedComboButton(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                           TColorTones tones, double scale)
{
    const int width = static_cast<int>(rtl::Round(ComboButtonWidth * scale));
    rtl::TRect r = rtl::Rect(rect.Right - width, rect.Top + 1, rect.Right, rect.Bottom - 1);
    rtl::OffsetRect(r, -2, 0);
    if (look == bglTones) {
        DrawToneComboButton(canvas, r, state, tones);
        return;
    }
    const int themeState = state == bgsDisabled ? ThemeStateDisabled : ThemeStateNormal;
    if (look == bglThemed && DrawThemePart(canvas, window, "combobox", gfx::CP_DROPDOWNBUTTON, themeState, r)) return;
    FrameControl(canvas, r, gfx::DFC_SCROLL, gfx::DFCS_SCROLLCOMBOBOX | InactiveFlag(state), look);
}

void DrawThemedButton(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                      TColorTones tones, bool prefix, const std::string& caption)
{
    if (look == bglTones) {
        const TColorTone& tone = ToneOfState(tones, state);
        SolidTools(canvas, tone.BrushColor, tone.BorderColor);
        canvas.Rectangle(rect);
    } else if (look != bglThemed || !DrawThemePart(canvas, window, "button", gfx::BP_PUSHBUTTON, state + 1, rect)) {
        unsigned flags = gfx::DFCS_BUTTONPUSH | InactiveFlag(state);
        if (state == bgsHot) flags |= gfx::DFCS_HOT;
        if (state == bgsDown) flags |= gfx::DFCS_PUSHED;
        FrameControl(canvas, rect, gfx::DFC_BUTTON, flags, look);
    }
    DrawCaption(canvas, rect, prefix, caption);
}

void DrawThemedSpinButtons(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                           TColorTones tones)
{
    rtl::TRect strip = rtl::Rect(rect.Right - SpinStripWidth, rect.Top, rect.Right, rect.Bottom);
    rtl::OffsetRect(strip, -1, -1);
    const int middle = strip.Top + strip.Height() / 2;
    const rtl::TRect up = rtl::Rect(strip.Left, strip.Top, strip.Right, middle);
    const rtl::TRect down = rtl::Rect(strip.Left, middle, strip.Right, strip.Bottom);
    if (look == bglTones) {
        DrawToneSpinButtons(canvas, up, down, state, tones);
        return;
    }
    const int themeState = state == bgsDisabled ? ThemeStateDisabled : ThemeStateNormal;
    if (look == bglThemed && DrawThemePart(canvas, window, "spin", gfx::SPNP_UP, themeState, up) &&
        DrawThemePart(canvas, window, "spin", gfx::SPNP_DOWN, themeState, down))
        return;
    FrameControl(canvas, up, gfx::DFC_SCROLL, gfx::DFCS_SCROLLUP | InactiveFlag(state), look);
    FrameControl(canvas, down, gfx::DFC_SCROLL, gfx::DFCS_SCROLLDOWN | InactiveFlag(state), look);
}

}  // namespace grid
