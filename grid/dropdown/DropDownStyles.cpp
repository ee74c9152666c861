// The drop-down's component styles: pop-up, bar and bar-button colours per look, the item
// appearance colours per look, and the presets of the selected-item colours.
#include <algorithm>
#include <array>
#include <vector>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/ItemAppearanceStyle.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

namespace {

// A table cell that leaves the current colour as it is.
constexpr gfx::TColor KeepColor = 0x7FFFFFFF;

struct TBarStyleRow {
    TJyxStyle Style;
    // DropDownColor, DropDownColorTo, DropDownBorderColor, then Color, ColorTo, font colour
    // and BorderColor of the header, then the same four of the footer.
    std::array<gfx::TColor, 11> Colors;
};

const TBarStyleRow BarStyles[] = {
    {tsOffice2003Blue, {0xFFFFFF, gfx::clNone, KeepColor, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00}},
    {tsOffice2003Silver, {0xFFFFFF, gfx::clNone, KeepColor, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C}},
    {tsOffice2003Olive, {0xFFFFFF, gfx::clNone, gfx::clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060}},
    {tsOffice2003Classic, {0xF2F2F2, 0xF2F2F2, gfx::clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080}},
    {tsOffice2007Luna, {0xF3E5DA, 0xF0DED0, gfx::clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}},
    {tsOffice2007Obsidian, {0xFFFFFF, gfx::clNone, gfx::clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C}},
    {tsWindowsXP, {0xFFFFFF, gfx::clNone, KeepColor, 0xFFFFFF, gfx::clBtnFace, 0x000000, 0x808080, 0xFFFFFF, gfx::clBtnFace, 0x000000, 0x808080}},
    {tsWhidbey, {0xF5F9FA, 0xF5F9FA, gfx::clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00}},
    {tsCustom, {KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor}},
    {tsOffice2007Silver, {0xF8F4F1, 0xF0E8E3, gfx::clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}},
    {tsWindowsVista, {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA}},
    {tsWindows7, {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8}},
    {tsTerminal, {0xFFFFFF, 0xFFFFFF, 0x808080, gfx::clBtnFace, gfx::clBtnFace, 0x000000, gfx::clNone, gfx::clBtnFace, gfx::clBtnFace, 0x000000, gfx::clNone}},
    {tsOffice2010Blue, {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F}},
    {tsOffice2010Silver, {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8}},
    {tsOffice2010Black, {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D}},
    {tsWindows8, {0xFFFFFF, 0xFFFFFF, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2}},
    {tsOffice2013White, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x000000, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x000000, 0xD4D4D4}},
    {tsOffice2013LightGray, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF6F6F6, gfx::clNone, 0x000000, 0xC6C6C6, 0xF6F6F6, gfx::clNone, 0x000000, 0xC6C6C6}},
    {tsOffice2013Gray, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xE5E5E5, gfx::clNone, 0x000000, 0xABABAB, 0xE5E5E5, gfx::clNone, 0x000000, 0xABABAB}},
    {tsWindows10, {0xFFFFFF, 0xFFFFFF, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2, 0xF7F6F5, 0xF7F6F5, 0x000000, 0xE4E3E2}},
    {tsOffice2016White, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x505050, 0xD4D4D4, 0xFFFFFF, gfx::clNone, 0x505050, 0xD4D4D4}},
    {tsOffice2016Gray, {0xB2B2B2, gfx::clNone, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444}},
    {tsOffice2016Black, {0x363636, gfx::clNone, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444, 0x444444, gfx::clNone, 0xF0F0F0, 0x444444}},
};

struct TButtonStyleRow {
    TJyxStyle Style;
    // Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown,
    // ColorDownTo, BorderColorDown, ColorDisabled, ColorDisabledTo, BorderColorDisabled,
    // ColorChecked, ColorCheckedTo, BorderColorChecked.
    std::array<gfx::TColor, 15> Colors;
};

const TButtonStyleRow ButtonStyles[] = {
    {tsOffice2003Blue, {0xFCE1CB, 0xE0A57D, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Silver, {0xECE2E1, 0xB39698, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Olive, {0xCFF0EA, 0x8CC0B1, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2003Classic, {0xFFFFFF, 0xC9D1D5, gfx::clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, KeepColor, 0xD8D5D4, 0xD8D5D4, 0x808080}},
    {tsOffice2007Luna, {0xFFEFE3, 0xFFDDC4, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsOffice2007Obsidian, {0xF2F1F0, 0xC9C2BD, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsWindowsXP, {0xFFFFFF, gfx::clBtnFace, gfx::clNone, 0xEFD3C6, 0xEFD3C6, gfx::clHighlight, gfx::clInactiveCaption, gfx::clInactiveCaption, gfx::clHighlight, 0xB6B6B6, 0xB6B6B6, KeepColor, 0xB9D8DC, 0xB9D8DC, 0x000000}},
    {tsWhidbey, {0xFFFFFF, 0xDFEDF0, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsCustom, {KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor, KeepColor}},
    {tsOffice2007Silver, {0xF9F8F8, 0xE4E2DF, gfx::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x76AFF1, 0x4190F3, 0x45667B}},
    {tsWindowsVista, {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, KeepColor, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
    {tsWindows7, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, KeepColor, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
    {tsTerminal, {gfx::clBtnFace, gfx::clBtnFace, gfx::clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, gfx::clHighlight, gfx::clHighlight, 0x808080, gfx::clBtnFace, gfx::clBtnFace, KeepColor, gfx::clBtnFace, gfx::clBtnFace, gfx::clHighlight}},
    {tsOffice2010Blue, {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsOffice2010Silver, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsOffice2010Black, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, gfx::clNone, 0x58CAF1, 0x6CD0FF, gfx::clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, KeepColor, 0x45E1FE, gfx::clNone, 0x4FA0CE}},
    {tsWindows8, {0xF7F6F5, gfx::clNone, 0xE4E3E2, 0xF7EFE8, gfx::clNone, 0xF9CEA4, 0xF7E0C9, gfx::clNone, 0xE4A262, 0xF7F7F7, gfx::clNone, 0xF7F6F5, 0xDAA026, gfx::clNone, 0xDAA026}},
    {tsOffice2013White, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsOffice2013LightGray, {0xF6F6F6, gfx::clNone, 0xC6C6C6, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsOffice2013Gray, {0xE5E5E5, gfx::clNone, 0xABABAB, 0xFCF0E4, gfx::clNone, 0xEAB47E, 0xFCE2C8, gfx::clNone, 0xE59D56, 0xEEEEEE, gfx::clNone, 0xACACAC, 0xFF9933, gfx::clNone, 0xFF9933}},
    {tsWindows10, {0xF7F6F5, gfx::clNone, 0xE4E3E2, 0xF7EFE8, gfx::clNone, 0xF9CEA4, 0xF7E0C9, gfx::clNone, 0xE4A262, 0xF7F7F7, gfx::clNone, 0xF7F6F5, 0xDAA026, gfx::clNone, 0xDAA026}},
    {tsOffice2016White, {0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF2E1D5, gfx::clNone, 0xF2E1D5, 0xE3BDA3, gfx::clNone, 0xE3BDA3, 0xFFFFFF, gfx::clNone, 0xD4D4D4, 0xF2D5C2, gfx::clNone, 0xF2D5C2}},
    {tsOffice2016Gray, {0xB2B2B2, gfx::clNone, 0x444444, 0xF2E1D5, gfx::clNone, 0xF2E1D5, 0xE3BDA3, gfx::clNone, 0xE3BDA3, 0xB2B2B2, gfx::clNone, 0x444444, 0xF2D5C2, gfx::clNone, 0xF2D5C2}},
    {tsOffice2016Black, {0x363636, 0x363636, 0x444444, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x444444, 0x444444, 0x444444, 0x363636, gfx::clNone, 0x444444, 0x575757, 0x575757, 0x575757}},
};

template <typename TSetter>
void Put(gfx::TColor value, TSetter set)
{
    if (value != KeepColor) set(value);
}

void ApplyBar(TBarAppearance& bar, const gfx::TColor* c)
{
    Put(c[0], [&](gfx::TColor v) { bar.SetColor(v); });
    Put(c[1], [&](gfx::TColor v) { bar.SetColorTo(v); });
    Put(c[2], [&](gfx::TColor v) { bar.Font().SetColor(v); });
    Put(c[3], [&](gfx::TColor v) { bar.SetBorderColor(v); });
}

}  // namespace

void TExtCustomDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    FJyxStyle = AStyle;
    if (AStyle == tsCustom) return;
    for (const TBarStyleRow& row : BarStyles) {
        if (row.Style != AStyle) continue;
        const auto& c = row.Colors;
        Put(c[0], [&](gfx::TColor v) { FDropDownColor = v; });
        Put(c[1], [&](gfx::TColor v) { FDropDownColorTo = v; });
        Put(c[2], [&](gfx::TColor v) { FDropDownBorderColor = v; });
        ApplyBar(*FDropDownHeader, &c[3]);
        ApplyBar(*FDropDownFooter, &c[7]);
    }
    for (const TButtonStyleRow& row : ButtonStyles) {
        if (row.Style != AStyle) continue;
        const auto& c = row.Colors;
        TExtButtonAppearance& b = *FButtonAppearance;
        Put(c[0], [&](gfx::TColor v) { b.SetColor(v); });
        Put(c[1], [&](gfx::TColor v) { b.SetColorTo(v); });
        Put(c[2], [&](gfx::TColor v) { b.SetBorderColor(v); });
        Put(c[3], [&](gfx::TColor v) { b.SetColorHot(v); });
        Put(c[4], [&](gfx::TColor v) { b.SetColorHotTo(v); });
        Put(c[5], [&](gfx::TColor v) { b.SetBorderColorHot(v); });
        Put(c[6], [&](gfx::TColor v) { b.SetColorDown(v); });
        Put(c[7], [&](gfx::TColor v) { b.SetColorDownTo(v); });
        Put(c[8], [&](gfx::TColor v) { b.SetBorderColorDown(v); });
        Put(c[9], [&](gfx::TColor v) { b.SetColorDisabled(v); });
        Put(c[10], [&](gfx::TColor v) { b.SetColorDisabledTo(v); });
        Put(c[11], [&](gfx::TColor v) { b.SetBorderColorDisabled(v); });
        Put(c[12], [&](gfx::TColor v) { b.SetColorChecked(v); });
        Put(c[13], [&](gfx::TColor v) { b.SetColorCheckedTo(v); });
        Put(c[14], [&](gfx::TColor v) { b.SetBorderColorChecked(v); });
    }
    if (AStyle == tsOffice2016Black) Font().SetColor(0xA6A6A6);
}

void TExtCustomDropDown::SetSelectionColor(gfx::TColor value)
{
    FSelectionColor = value;
    FSelectionColorStyle = scCustom;
}

void TExtCustomDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    FSelectionColorStyle = style;
    switch (style) {
    case scOffice2007:
        FSelectionColor = 0xD7FFFD;
        FSelectionColorTo = 0x58D4FC;
        break;
    case scWindowsVista:
        FSelectionColor = 0xFDF8F1;
        FSelectionColorTo = 0xFCEFD5;
        break;
    case scWindows7:
        FSelectionColor = 0xFCEBDC;
        FSelectionColorTo = 0xFCDBC1;
        break;
    case scCustom: break;
    }
}

namespace {

// Corner pixels, outer border, bottom inner line, top inner line, lower half end and start.
struct TSelectionLook {
    TSelectionColorStyle Style;
    gfx::TColor Corner, Border, InnerDark, InnerLight, LowerEnd, LowerStart;
};
constexpr std::array<TSelectionLook, 3> SelectionLooks{{
    {scOffice2007, 0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC},
    {scWindowsVista, 0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, gfx::clNone, gfx::clNone},
    {scWindows7, 0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, gfx::clNone, gfx::clNone},
}};

}  // namespace

void TExtCustomDropDown::DrawSelectionBackground(gfx::TCanvas& canvas, const rtl::TRect& rect, int segment,
                                                 gfx::TColor corner)
{
    for (const TSelectionLook& look : SelectionLooks) {
        if (look.Style != FSelectionColorStyle) continue;
        DrawRoundedSelectionRect(canvas, FSelectionColor, FSelectionColorTo, look.LowerStart, look.LowerEnd,
                                 look.InnerLight, look.InnerDark, look.Border, look.Corner, corner, rect, segment);
        return;
    }
    canvas.Brush().SetColor(FSelectionColor);
    canvas.Pen().SetColor(FSelectionColor);
    canvas.FillRect(rect);
}

void TExtCustomDropDown::DrawGradientBackground(gfx::TCanvas& canvas, gfx::TColor from, bool vertical,
                                                const rtl::TRect& rect, int steps, gfx::TColor to)
{
    DrawBandedGradient(canvas, from, to, !vertical, rect, steps);
}

namespace {

// Hot and selected item colours of the styles that share them.
struct TItemStyleRow {
    std::vector<TJyxStyle> Styles;
    // ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorHot, ColorSelected,
    // ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo, BorderColorSelected,
    // BorderColor, BorderColorTop, BorderColorBottom, EdgeColor, ColorSelectedText.
    std::array<gfx::TColor, 15> Colors;
};

constexpr gfx::TColor None = gfx::clNone;

const std::vector<TItemStyleRow>& ItemStyles()
{
    static const std::vector<TItemStyleRow> rows = {
        {{tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsWhidbey},
         {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, None, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, None, 0x42AEFE, None, None, None, 0x000000}},
        {{tsOffice2007Luna, tsOffice2007Obsidian, tsOffice2007Silver},
         {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, None, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, None, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0x000000}},
        {{tsOffice2003Classic},
         {0xD2BDB6, 0xD2BDB6, None, None, None, 0xB59285, 0xB59285, None, None, None, 0x808080, None, None, None, 0x000000}},
        {{tsWindowsXP},
         {0xEFD3C6, 0xEFD3C6, None, None, None, gfx::clHighlight, None, None, None, None, gfx::clHighlight, None, None, None, gfx::clHighlightText}},
        {{tsWindowsVista},
         {0xFFFDF9, 0xFFFAF0, None, None, None, 0xFEF9F0, 0xFDF0D7, None, None, None, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, 0x000000}},
        {{tsWindows7},
         {0xFDFBFA, 0xFDF3EB, None, None, None, 0xFCEBDC, 0xFCDBC1, None, None, None, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, 0x000000}},
        {{tsTerminal},
         {0xC0C0C0, 0xC0C0C0, None, None, None, gfx::clHighlight, None, None, None, None, 0x808080, None, None, None, gfx::clHighlightText}},
        {{tsOffice2010Blue, tsOffice2010Silver},
         {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, None, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, None, 0x308AC2, None, None, None, 0x000000}},
        {{tsOffice2010Black},
         {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x58CAF1, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, KeepColor, None, None, None, 0x000000}},
        {{tsWindows8, tsWindows10},
         {0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4, 0xF7E0C9, None, None, None, 0xE4A262, KeepColor, KeepColor, KeepColor, KeepColor, 0x000000}},
        {{tsOffice2013White, tsOffice2013LightGray, tsOffice2013Gray},
         {0xFCF0E4, 0xFCF0E4, None, None, 0xEAB47E, 0xFCE2C8, None, None, None, 0xE59D56, KeepColor, KeepColor, KeepColor, KeepColor, 0x000000}},
        {{tsOffice2016White},
         {0xF2E1D5, None, None, None, 0xF2E1D5, 0xE3BDA3, None, None, None, 0xE3BDA3, KeepColor, KeepColor, KeepColor, KeepColor, 0x000000}},
        {{tsOffice2016Gray},
         {0xF2E1D5, 0xF2E1D5, None, None, 0xF2E1D5, 0xE3BDA3, None, None, None, 0xE3BDA3, KeepColor, KeepColor, KeepColor, KeepColor, 0x000000}},
        {{tsOffice2016Black},
         {0x6A6A6A, 0x6A6A6A, None, None, 0x6A6A6A, 0x444444, None, None, None, 0x444444, KeepColor, KeepColor, KeepColor, KeepColor, 0x000000}},
    };
    return rows;
}

const TItemStyleRow* FindItemStyle(TJyxStyle style)
{
    for (const TItemStyleRow& row : ItemStyles())
        if (std::find(row.Styles.begin(), row.Styles.end(), style) != row.Styles.end()) return &row;
    return nullptr;
}

}  // namespace

void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TJyxStyle Style)
{
    if (Appearance == nullptr) return;
    TItemAppearance& a = *Appearance;
    if (Style != tsCustom) {
        a.SetBorderColorHot(gfx::clNone);
        a.SetBorderColorSelected(gfx::clNone);
        a.SetColorSelectedText(0x000000);
        a.SetColorHotText(0x000000);
    }
    a.Font().SetColor(Style == tsOffice2016Black ? 0xFFFFFF : 0x000000);
    const TItemStyleRow* row = FindItemStyle(Style);
    if (row == nullptr) return;
    const auto& c = row->Colors;
    Put(c[0], [&](gfx::TColor v) { a.SetColorHot(v); });
    Put(c[1], [&](gfx::TColor v) { a.SetColorHotTo(v); });
    Put(c[2], [&](gfx::TColor v) { a.SetColorMirrorHot(v); });
    Put(c[3], [&](gfx::TColor v) { a.SetColorMirrorHotTo(v); });
    Put(c[4], [&](gfx::TColor v) { a.SetBorderColorHot(v); });
    Put(c[5], [&](gfx::TColor v) { a.SetColorSelected(v); });
    Put(c[6], [&](gfx::TColor v) { a.SetColorSelectedTo(v); });
    Put(c[7], [&](gfx::TColor v) { a.SetColorMirrorSelected(v); });
    Put(c[8], [&](gfx::TColor v) { a.SetColorMirrorSelectedTo(v); });
    Put(c[9], [&](gfx::TColor v) { a.SetBorderColorSelected(v); });
    Put(c[10], [&](gfx::TColor v) { a.SetBorderColor(v); });
    Put(c[11], [&](gfx::TColor v) { a.SetBorderColorTop(v); });
    Put(c[12], [&](gfx::TColor v) { a.SetBorderColorBottom(v); });
    Put(c[13], [&](gfx::TColor v) { a.SetEdgeColor(v); });
    Put(c[14], [&](gfx::TColor v) { a.SetColorSelectedText(v); });
}

}  // namespace grid
