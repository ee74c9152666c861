// The colour picker's edit area: the swatch of the selected colour and its text in the form
// ColorValueText asks for.
#include <cstdio>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtColorPicker.h"
#include "grid/dropdown/WebColorNames.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

std::string HtmlColorText(int r, int g, int b)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%.2X%.2X%.2X", r, g, b);
    return text;
}

}  // namespace

std::string TExtColorPickerDropDown::GetSelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors->Items(FItemIndex)->Caption();
    const gfx::TColor rgb = gfx::ColorToRGB(FSelectedColor);
    const int r = static_cast<int>(rgb & 0xFF);
    const int g = static_cast<int>((rgb >> 8) & 0xFF);
    const int b = static_cast<int>((rgb >> 16) & 0xFF);
    char text[48];
    switch (FColorValueText) {
    case cvtNone: return {};
    case cvtHex:
        std::snprintf(text, sizeof text, "%.6X", static_cast<unsigned>(FSelectedColor & 0xFFFFFF));
        return text;
    case cvtWebName: {
        std::string name = WebColorName(rgb);
        return name.empty() ? HtmlColorText(r, g, b) : name;
    }
    case cvtRGB:
        std::snprintf(text, sizeof text, "Red:%d,Green:%d,Blue:%d", r, g, b);
        return text;
    case cvtHTML: return HtmlColorText(r, g, b);
    }
    return {};
}

void TExtColorPickerDropDown::Paint()
{
    TExtCustomDropDown::Paint();
    DrawSelectedColor(Canvas());
}

void TExtColorPickerDropDown::DrawSelectedColor(gfx::TCanvas& canvas)
{
    // The area is laid out in window coordinates; the client canvas sits inside the border.
    const int border = BorderThickness();
    const rtl::TRect r = rtl::Rect(1 - border, 1 - border, Width() - DropDownButtonWidth() - 2 - border,
                                   Height() - 2 - border);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, r);
        return;
    }
    if (FSelectedColor == gfx::clNone) return;
    const bool highlighted = !EditorEnabled() && Focused();
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsSolid);
    if (highlighted) {
        canvas.Brush().SetColor(gfx::clHighlight);
        canvas.FillRect(rtl::Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
    }
    const int boxTop = r.Top + (Height() - FColorBoxHeight) / 2;
    const rtl::TRect box = rtl::Rect(r.Left + 4, boxTop, r.Left + 4 + FColorBoxWidth, boxTop + FColorBoxHeight);
    canvas.Pen().SetColor(FColorBoxBorderColor);
    canvas.Brush().SetColor(FSelectedColor);
    canvas.Rectangle(box);
    if (!FShowText) return;
    const std::string text = GetSelectedColorText();
    if (text.empty()) return;
    canvas.Font().Assign(&Font());
    if (highlighted) canvas.Font().SetColor(gfx::clHighlightText);
    canvas.Brush().SetColor(Focused() ? gfx::clHighlight : Color());
    rtl::TRect area = rtl::Rect(box.Right + 4, r.Top, r.Right, r.Bottom);
    if (text.find("</") != std::string::npos) {
        canvas.Brush().SetStyle(gfx::bsClear);
        DrawHtmlText(canvas, text, area, Images(), true);
        canvas.Brush().SetStyle(gfx::bsSolid);
        return;
    }
    const std::string shown = FitTextWithEllipsis(canvas, text, area.Width(), true);
    canvas.TextRect(area, area.Left, area.Top + (area.Height() - canvas.TextHeight(shown)) / 2, shown);
}

}  // namespace grid
