// Our painter for the themed parts: flat modern buttons, boxes and arrows.
#include "platform/gfx/ThemedParts.h"

#include <algorithm>
#include <atomic>

#include "platform/gfx/Canvas.h"

namespace gfx {

struct TThemeClass {
    enum Kind { Button, ComboBox, Spin, Header } Type;
};

namespace {

std::atomic<bool> Active{false};

TThemeClass ButtonClass{TThemeClass::Button};
TThemeClass ComboClass{TThemeClass::ComboBox};
TThemeClass SpinClass{TThemeClass::Spin};
TThemeClass HeaderClass{TThemeClass::Header};

struct TLook {
    TColor Face;
    TColor Border;
    TColor Glyph;
};

// Colours of a button-like part in each state.
TLook LookOf(TThemedState s)
{
    switch (s) {
    case tsHot: return {RGB(229, 241, 251), RGB(0, 120, 215), RGB(0, 0, 0)};
    case tsPressed: return {RGB(204, 228, 247), RGB(0, 84, 153), RGB(0, 0, 0)};
    case tsDisabled: return {RGB(204, 204, 204), RGB(191, 191, 191), RGB(131, 131, 131)};
    default: return {RGB(225, 225, 225), RGB(173, 173, 173), RGB(0, 0, 0)};
    }
}

// Restores pen and brush after a painter.
struct TToolGuard {
    TCanvas& C;
    TColor PenColor, BrushColor;
    int PenWidth;
    TPenStyle PenStyle;
    TBrushStyle BrushStyle;
    explicit TToolGuard(TCanvas& c)
        : C(c), PenColor(c.Pen().Color()), BrushColor(c.Brush().Color()), PenWidth(c.Pen().Width()),
          PenStyle(c.Pen().Style()), BrushStyle(c.Brush().Style())
    {
        c.Pen().SetWidth(1);
        c.Pen().SetStyle(psSolid);
    }
    ~TToolGuard()
    {
        C.Pen().SetColor(PenColor);
        C.Pen().SetWidth(PenWidth);
        C.Pen().SetStyle(PenStyle);
        C.Brush().SetColor(BrushColor);
        C.Brush().SetStyle(BrushStyle);
    }
};

void Box(TCanvas& c, const rtl::TRect& r, TColor face, TColor border)
{
    c.Brush().SetColor(face);
    c.FillRect(r);
    c.Brush().SetColor(border);
    c.FrameRect(r);
}

// A chevron arrow of 7 × 4 pixels centred in the rectangle.
void Chevron(TCanvas& c, const rtl::TRect& r, bool up, TColor color)
{
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    c.Brush().SetColor(color);
    for (int i = 0; i < 4; ++i) {
        const int y = up ? cy + 1 - i : cy - 2 + i;
        c.FillRect({cx - 3 + i, y, cx - 1 + i, y + 1});
        c.FillRect({cx + 2 - i, y, cx + 4 - i, y + 1});
    }
}

}  // namespace

bool ThemesActive() { return Active; }
void SetThemesActive(bool active) { Active = active; }

HTHEME OpenThemeData(const std::string& classList)
{
    if (!ThemesActive()) return nullptr;
    std::string lower = classList;
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (lower == "button") return &ButtonClass;
    if (lower == "combobox") return &ComboClass;
    if (lower == "spin") return &SpinClass;
    if (lower == "header") return &HeaderClass;
    return nullptr;
}

void CloseThemeData(HTHEME) {}

bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const rtl::TRect& rect)
{
    if (!theme) return false;
    auto simple = [](int s) { return static_cast<TThemedState>(std::clamp(s - 1, 0, 3)); };
    switch (theme->Type) {
    case TThemeClass::Button:
        if (part == BP_PUSHBUTTON) {
            DrawThemedPushButton(canvas, rect, state == PBS_DEFAULTED ? tsNormal : simple(state));
            return true;
        }
        if (part == BP_CHECKBOX) {
            DrawThemedCheckBox(canvas, rect, simple((state - 1) % 4 + 1), (state - 1) / 4);
            return true;
        }
        if (part == BP_RADIOBUTTON) {
            DrawThemedRadioButton(canvas, rect, simple((state - 1) % 4 + 1), state > 4);
            return true;
        }
        return false;
    case TThemeClass::ComboBox:
        if (part != CP_DROPDOWNBUTTON && part != CP_DROPDOWNBUTTONRIGHT) return false;
        DrawThemedComboButton(canvas, rect, simple(state));
        return true;
    case TThemeClass::Spin:
        if (part != SPNP_UP && part != SPNP_DOWN) return false;
        DrawThemedSpinButton(canvas, rect, part == SPNP_UP, simple(state));
        return true;
    case TThemeClass::Header:
        DrawThemedHeaderItem(canvas, rect, simple(state));
        return true;
    }
    return false;
}

void DrawThemedPushButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state)
{
    if (rtl::IsRectEmpty(rect)) return;
    TToolGuard guard(canvas);
    const TLook look = LookOf(state);
    Box(canvas, rect, look.Face, look.Border);
}

void DrawThemedCheckBox(TCanvas& canvas, const rtl::TRect& rect, TThemedState state, int checkState)
{
    TToolGuard guard(canvas);
    const int size = std::min({13, rect.Width(), rect.Height()});
    if (size <= 2) return;
    const rtl::TRect box = rtl::Bounds(rect.Left + (rect.Width() - size) / 2, rect.Top + (rect.Height() - size) / 2, size, size);
    const TLook look = LookOf(state);
    const TColor border = state == tsNormal ? RGB(51, 51, 51) : look.Border;
    Box(canvas, box, state == tsDisabled ? RGB(255, 255, 255) : (state == tsPressed ? look.Face : RGB(255, 255, 255)), border);
    const TColor mark = state == tsDisabled ? look.Glyph : RGB(51, 51, 51);
    canvas.Brush().SetColor(mark);
    if (checkState == 2) {
        rtl::TRect inner = box;
        rtl::InflateRect(inner, -3, -3);
        canvas.FillRect(inner);
    } else if (checkState == 1) {
        const int x0 = box.Left + (size - 7) / 2, y0 = box.Top + (size - 7) / 2 + 2;
        for (int i = 0; i < 7; ++i) {
            const int y = i < 3 ? y0 + i : y0 + 4 - i;
            canvas.FillRect({x0 + i, y, x0 + i + 1, y + 2});
        }
    }
}

void DrawThemedRadioButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state, bool checked)
{
    TToolGuard guard(canvas);
    const int size = std::min({13, rect.Width(), rect.Height()});
    if (size <= 2) return;
    const rtl::TRect box = rtl::Bounds(rect.Left + (rect.Width() - size) / 2, rect.Top + (rect.Height() - size) / 2, size, size);
    const TLook look = LookOf(state);
    canvas.Pen().SetColor(state == tsNormal ? RGB(51, 51, 51) : look.Border);
    canvas.Brush().SetColor(state == tsPressed ? look.Face : RGB(255, 255, 255));
    canvas.Ellipse(box);
    if (checked) {
        const TColor dot = state == tsDisabled ? look.Glyph : RGB(51, 51, 51);
        canvas.Pen().SetColor(dot);
        canvas.Brush().SetColor(dot);
        rtl::TRect inner = box;
        rtl::InflateRect(inner, -3, -3);
        canvas.Ellipse(inner);
    }
}

void DrawThemedComboButton(TCanvas& canvas, const rtl::TRect& rect, TThemedState state)
{
    if (rtl::IsRectEmpty(rect)) return;
    TToolGuard guard(canvas);
    const TLook look = LookOf(state);
    if (state == tsNormal) {
        canvas.Brush().SetColor(clWindow);
        canvas.FillRect(rect);
    } else {
        Box(canvas, rect, look.Face, look.Border);
    }
    Chevron(canvas, rect, false, look.Glyph);
}

void DrawThemedSpinButton(TCanvas& canvas, const rtl::TRect& rect, bool up, TThemedState state)
{
    if (rtl::IsRectEmpty(rect)) return;
    TToolGuard guard(canvas);
    const TLook look = LookOf(state);
    Box(canvas, rect, look.Face, look.Border);
    Chevron(canvas, rect, up, look.Glyph);
}

void DrawThemedHeaderItem(TCanvas& canvas, const rtl::TRect& rect, TThemedState state)
{
    if (rtl::IsRectEmpty(rect)) return;
    TToolGuard guard(canvas);
    const TColor face = state == tsPressed ? RGB(188, 220, 244) : state == tsHot ? RGB(217, 235, 249) : clWindow;
    canvas.Brush().SetColor(face);
    canvas.FillRect(rect);
    canvas.Brush().SetColor(RGB(229, 229, 229));
    canvas.FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
    canvas.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
}

}  // namespace gfx
