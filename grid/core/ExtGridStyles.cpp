// Style presets, looks and colour tones of the string grid: the colours each preset writes, kept as data.
#include <array>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridChrome.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/foundation/ExtUtilColors.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Resources.h"

namespace grid {

namespace {

using gfx::TColor;

// Markers in the preset table that are not colours.
constexpr TColor K = 0x2FFFFFFF;            // leave the value as it is
constexpr TColor N = clGridNone;            // no colour
constexpr TColor BF = 0xFF00000F;           // clBtnFace
constexpr TColor A160 = 0x3FFFFF01;         // the application colour at 160 % per channel
constexpr TColor A120 = 0x3FFFFF02;         // the application colour at 120 % per channel
constexpr TColor JyxF = 0x3FFFFF03;         // the grid's JyxGradientFrom as the preset left it
constexpr TColor JyxT = 0x3FFFFF04;         // ... JyxGradientTo
constexpr TColor JyxMF = 0x3FFFFF05;        // ... JyxGradientMirrorFrom
constexpr TColor JyxMT = 0x3FFFFF06;        // ... JyxGradientMirrorTo
constexpr int KeepLook = -1;
constexpr int KeepSel = -1;
constexpr int Luna = 99;                    // ssOffice2007 only while the look is glOffice2007

enum TPresetFonts : std::uint8_t { pfNone, pfActiveIsApp, pfWhite };

struct TStylePreset {
    int Look;
    std::array<TColor, 4> Jyx;              // From, To, MirrorFrom, MirrorTo
    std::array<TColor, 2> ActiveCell;       // Color, ColorTo
    std::array<TColor, 3> Selection;        // Color, ColorTo, TextColor
    int SelStyle;
    std::array<TColor, 2> Lines;            // GridLineColor, GridFixedLineColor
    std::array<TColor, 2> SearchFooter;     // Color, ColorTo
    std::array<TColor, 2> LookFixed;        // ControlLook.FixedGradientFrom, To
    std::array<TColor, 2> LookMirror;       // ControlLook.FixedGradientMirrorFrom, MirrorTo
    std::array<TColor, 5> Hover;            // From, To, MirrorFrom, MirrorTo, Border
    std::array<TColor, 5> Down;
    std::array<TColor, 3> Sort;             // HeaderColor (= HeaderColorTo), HeaderMirrorColor, HeaderMirrorColorTo
    TColor Border;
    TPresetFonts Fonts;
};

constexpr std::array<TColor, 5> Keep5{K, K, K, K, K};
constexpr std::array<TColor, 3> Keep3{K, K, K};
constexpr std::array<TColor, 2> Keep2{K, K};
constexpr std::array<TColor, 5> Hover2010{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr std::array<TColor, 5> Down2010{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
constexpr std::array<TColor, 5> Hover2013{0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xEAB47E};
constexpr std::array<TColor, 5> Down2013{0xFCE2C8, 0xFCE2C8, 0xFCE2C8, 0xFCE2C8, 0xE59D56};
constexpr std::array<TColor, 5> Hover2016{A160, A160, A160, A160, 0xB1B1B1};
constexpr std::array<TColor, 5> Down2016{A120, A120, A120, A120, 0xABABAB};
constexpr std::array<TColor, 3> Sel2003{0x94E6FB, 0x1595EE, 0};

constexpr TStylePreset Flat(int look, TColor jyx, std::array<TColor, 2> active, std::array<TColor, 3> sel,
                            std::array<TColor, 2> lines, std::array<TColor, 5> hover, std::array<TColor, 5> down,
                            TColor sort, TColor border, TPresetFonts fonts = pfNone)
{
    return {look, {jyx, jyx, jyx, jyx}, active, sel, ssDefault, lines, {jyx, jyx}, {N, N}, {jyx, jyx},
            hover, down, {sort, sort, sort}, border, fonts};
}

// One row per TExtGridStyle, in its order.
constexpr std::array<TStylePreset, 24> Presets{{
    // gsOffice2003Blue
    {glXP, {0xFCE1CB, 0xE0A57D, N, N}, {0x94E6FB, 0x1595EE}, Sel2003, KeepSel, {0xC0C0C0, 0x808080},
     {0xFCE1CB, N}, {JyxF, JyxT}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2003Silver
    {glXP, {0xECE2E1, 0xB39698, N, N}, {0x94E6FB, 0x1595EE}, Sel2003, KeepSel, {0xC0C0C0, 0x808080},
     {0xECE2E1, N}, {JyxF, JyxT}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2003Olive
    {glXP, {0xCFF0EA, 0x8CC0B1, N, N}, {0x94E6FB, 0x1595EE}, Sel2003, KeepSel, {0xC0C0C0, 0x808080},
     {0xCFF0EA, N}, {JyxF, JyxT}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2003Classic
    {glXP, {0xFFFFFF, 0xCCD4D8, N, N}, {0xD8D5D4, 0xD8D5D4}, Keep3, KeepSel, {0xC0C0C0, 0x808080},
     {0xFFFFFF, N}, {N, N}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2007Luna
    {glOffice2007, {0xFBF9F6, 0xE8DBD2, N, N}, {0x9DD8F9, 0x5EC1F1}, {0x5EC1F1, K, 0}, Luna,
     {0xF1EDEB, 0xD1BBA4}, {0xFBF9F6, N}, {JyxF, JyxT}, Keep2,
     {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
     Keep3, K, pfNone},
    // gsOffice2007Obsidian
    {glOffice2007, {0xF7F7F7, 0xDEDEDE, N, N}, {0x9DD8F9, 0x5EC1F1}, {0x5EC1F1, K, 0}, KeepSel,
     {0xE5D7D0, 0x808080}, {0xF7F7F7, N}, {JyxF, JyxT}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsWindowsXP
    {glXP, {BF, BF, N, N}, {BF, BF}, Keep3, KeepSel, {0xC0C0C0, 0x808080}, {BF, N}, {N, N}, Keep2, Keep5, Keep5,
     Keep3, K, pfNone},
    // gsWhidbey
    {KeepLook, {0xFFFFFF, BF, N, N}, {0x94E6FB, 0x1595EE}, Keep3, KeepSel, {0xC0C0C0, 0x808080}, {0xFFFFFF, N},
     {N, N}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsCustom
    {KeepLook, {K, K, K, K}, Keep2, Keep3, KeepSel, Keep2, Keep2, Keep2, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2007Silver: the mirror colours stay, and the search footer ends in whatever
    // JyxGradientMirrorTo then holds.
    {glOffice2007, {0xF3F3F1, 0xCAC9C8, K, K}, {0x99CCFF, 0x699CFF}, {0x95C7F5, K, 0}, KeepSel,
     {0xE5D7D0, 0x808080}, {0xF3F3F1, JyxMT}, {JyxF, JyxT}, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsWindowsVista
    {glVista, {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1}, {0xFDF8F1, 0xFCEFD5}, {0xEACAB6, K, 0}, ssVista,
     {0xECECF0, 0xD4D2D1}, {0xFFFFFF, 0xF4F2F1}, {N, N}, {JyxMF, JyxMT},
     {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993}, {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
     {0xFCF9F2, 0xF9F1E1, 0xF6ECD8}, K, pfNone},
    // gsWindows7
    {glWin7, {0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD}, {0xFCEBDC, 0xFCDBC1}, {0xEACAB6, K, 0}, ssWin7,
     {0xECECF0, 0xD4D2D1}, {0xFDFCFA, 0xF7E9DD}, {N, N}, {JyxMF, JyxMT},
     {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3}, {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
     {0xFCF9F2, 0xF9F1E1, 0xF6ECD8}, K, pfNone},
    // gsTerminal
    {glStandard, {K, K, K, K}, Keep2, Keep3, KeepSel, Keep2, Keep2, Keep2, Keep2, Keep5, Keep5, Keep3, K, pfNone},
    // gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
    Flat(glOffice2007, 0xF5E7DA, {0x5BD5FF, 0x71EFFF}, {0xFFDBB7, K, 0}, {0xC0C0C0, 0xC7B0A0}, Hover2010, Down2010,
         0xD6CEC7, K),
    Flat(glOffice2007, 0xE8E3DF, {0x5BD5FF, 0x71EFFF}, {0xFFDBB7, K, 0}, {0xC0C0C0, 0xBAB5B1}, Hover2010, Down2010,
         0xAAAAAA, K),
    Flat(glOffice2007, 0x6A6A6A, {0x5BD5FF, 0x71EFFF}, {0xFFDBB7, K, 0}, {0xC0C0C0, 0x444444}, Hover2010, Down2010,
         0xBABABA, K),
    // gsWindows8
    Flat(glOffice2007, 0xF7F6F5, {0xF7F6F5, 0xF7F6F5}, {0xDAA026, K, 0xFFFFFF}, {0xDCDBDA, 0xDCDBDA},
         {0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4}, {0xF7E0C9, 0xF7E0C9, 0xF7E0C9, 0xF7E0C9, 0xE4A262},
         0xF7F6F5, 0xE4E3E2),
    // gsOffice2013white, gsOffice2013LightGray, gsOffice2013Gray
    Flat(glOffice2007, 0xEEEEEE, {0xEEEEEE, 0xEEEEEE}, {0xDAA026, K, 0xFFFFFF}, {0xD4D4D4, 0xD4D4D4}, Hover2013,
         Down2013, 0xEEEEEE, 0xD4D4D4),
    Flat(glOffice2007, 0xFAFAFA, {0xFAFAFA, 0xFAFAFA}, {0xDAA026, K, 0xFFFFFF}, {0xC6C6C6, 0xC6C6C6}, Hover2013,
         Down2013, 0xFAFAFA, 0xC6C6C6),
    Flat(glOffice2007, 0xF3F3F3, {0xF3F3F3, 0xF3F3F3}, {0xDAA026, K, 0xFFFFFF}, {0xABABAB, 0xABABAB}, Hover2013,
         Down2013, 0xF3F3F3, 0xABABAB),
    // gsWindows10: as gsWindows8
    Flat(glOffice2007, 0xF7F6F5, {0xF7F6F5, 0xF7F6F5}, {0xDAA026, K, 0xFFFFFF}, {0xDCDBDA, 0xDCDBDA},
         {0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4}, {0xF7E0C9, 0xF7E0C9, 0xF7E0C9, 0xF7E0C9, 0xE4A262},
         0xF7F6F5, 0xE4E3E2),
    // gsOffice2016white, gsOffice2016Gray, gsOffice2016Black
    Flat(glOffice2007, 0xFFFFFF, {0xE1E1E1, 0xE1E1E1}, {0xC6C6C6, K, 0}, {0xD4D4D4, 0xD5D5D5}, Hover2016, Down2016,
         0xFFFFFF, 0xABABAB, pfActiveIsApp),
    Flat(glOffice2007, 0x6A6A6A, {0x262626, 0x262626}, {0xC6C6C6, K, 0}, {0xD4D4D4, 0xD3D3D3}, Hover2016, Down2016,
         0x6A6A6A, 0x999999, pfWhite),
    Flat(glOffice2007, 0x252525, {0x646464, 0x646464}, {0xC6C6C6, K, 0}, {0xD4D4D4, 0xB0B0B0}, Hover2016, Down2016,
         0x252525, 0x999999, pfWhite),
}};

struct TLookText {
    const char* Name;
    const char* Caption;
};

constexpr std::array<TLookText, 10> LookTexts{{{"glStandard", "Standard"},
                                               {"glSoft", "Soft"},
                                               {"glClassic", "Classic"},
                                               {"glJyx", "JYX"},
                                               {"glXP", "Windows XP"},
                                               {"glListView", "ListView"},
                                               {"glVista", "Windows Vista"},
                                               {"glWin7", "Windows 7"},
                                               {"glOffice2007", "Office2007"},
                                               {"", ""}}};

// The header gradient setters keep colours as RGB; "no colour" stays as it is.
TColor AsRGB(TColor c) { return c == N ? N : gfx::ColorToRGB(c); }

void LoadGlyph(gfx::TBitmap& Bitmap, const std::string& Name)
{
    const gfx::TResource r = gfx::FindResource(Name, "glyphs");
    if (r.Found()) Bitmap.LoadFromBytes(r.Data, r.Size);
}

}  // namespace

std::string TExtStringGrid::GetLookName(TGridLook ALook) { return LookTexts.at(ALook).Name; }
std::string TExtStringGrid::GetLookCaption(TGridLook ALook) { return LookTexts.at(ALook).Caption; }

void TExtStringGrid::SetHeaderGradient(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo)
{
    if (From != K) SetJyxGradientFrom(AsRGB(From));
    if (To != K) SetJyxGradientTo(AsRGB(To));
    if (MirrorFrom != K) SetJyxGradientMirrorFrom(AsRGB(MirrorFrom));
    if (MirrorTo != K) SetJyxGradientMirrorTo(AsRGB(MirrorTo));
}

// What every preset starts from: default selection and sort header colours, black fonts
// and the control look's own colours, including the grid's hover and down mirror colours.
void TExtStringGrid::ResetStyleColors()
{
    SetSelectionColor(gfx::clHighlight);
    SetSelectionColorTo(N);
    SetSelectionMirrorColor(N);
    SetSelectionMirrorColorTo(N);
    SetSelectionTextColor(gfx::clHighlightText);
    SetSelectionStyle(ssDefault);
    TSortSettings& sort = SortSettings();
    sort.SetHeaderColor(N);
    sort.SetHeaderColorTo(N);
    sort.SetHeaderMirrorColor(N);
    sort.SetHeaderMirrorColorTo(N);
    ActiveCellFont().SetColor(gfx::clWindowText);
    FixedFont().SetColor(gfx::clBlack);
    ControlLook().Init();
    SetJyxGradientHoverMirrorFrom(N);
    SetJyxGradientHoverMirrorTo(N);
    SetJyxGradientDownMirrorFrom(N);
    SetJyxGradientDownMirrorTo(N);
}

void TExtStringGrid::SetStyle(TExtGridStyle AStyle) { SetStyleAndAppColor(AStyle, N); }

void TExtStringGrid::SetStyleAndAppColor(TExtGridStyle AStyle, TColor AppColor)
{
    ResetStyleColors();
    const TStylePreset& p = Presets.at(AStyle);
    if (p.Look != KeepLook) SetLook(static_cast<TGridLook>(p.Look));
    ApplyStylePreset(AStyle, AppColor);
    Invalidate();
}

void TExtStringGrid::ApplyStylePreset(TExtGridStyle AStyle, TColor AppColor)
{
    const TStylePreset& p = Presets.at(AStyle);
    // Brightened per channel of the colour's three low bytes (255 each for "no colour");
    // a system colour is looked up first.
    const bool systemColor = (static_cast<std::uint32_t>(AppColor) & 0xFF000000u) == 0xFF000000u;
    const TColor app = systemColor ? AppColor : (AppColor & 0xFFFFFF);
    auto value = [&](TColor c) {
        switch (c) {
        case A160: return ShadeColorPercent(app, -60);
        case A120: return ShadeColorPercent(app, -20);
        case JyxF: return JyxGradientFrom();
        case JyxT: return JyxGradientTo();
        case JyxMF: return JyxGradientMirrorFrom();
        case JyxMT: return JyxGradientMirrorTo();
        default: return c;
        }
    };
    auto set = [&](TColor c, auto&& setter) {
        if (c != K) setter(value(c));
    };
    SetHeaderGradient(p.Jyx[0], p.Jyx[1], p.Jyx[2], p.Jyx[3]);
    set(p.ActiveCell[0], [&](TColor c) { SetActiveCellColor(c); });
    set(p.ActiveCell[1], [&](TColor c) { SetActiveCellColorTo(c); });
    set(p.Selection[0], [&](TColor c) { SetSelectionColor(c); });
    set(p.Selection[1], [&](TColor c) { SetSelectionColorTo(c); });
    set(p.Selection[2], [&](TColor c) { SetSelectionTextColor(c); });
    if (p.SelStyle == Luna) {
        if (FLook == glOffice2007) SetSelectionStyle(ssOffice2007);
    } else if (p.SelStyle != KeepSel) {
        SetSelectionStyle(static_cast<TGridSelectionStyle>(p.SelStyle));
    }
    set(p.Lines[0], [&](TColor c) { SetGridLineColor(c); });
    set(p.Lines[1], [&](TColor c) { SetGridFixedLineColor(c); });
    set(p.SearchFooter[0], [&](TColor c) { SearchFooter().SetColor(c); });
    set(p.SearchFooter[1], [&](TColor c) { SearchFooter().SetColorTo(c); });
    TControlLook& look = ControlLook();
    set(p.LookFixed[0], [&](TColor c) { look.SetFixedGradientFrom(c); });
    set(p.LookFixed[1], [&](TColor c) { look.SetFixedGradientTo(c); });
    set(p.LookMirror[0], [&](TColor c) { look.SetFixedGradientMirrorFrom(c); });
    set(p.LookMirror[1], [&](TColor c) { look.SetFixedGradientMirrorTo(c); });
    // The control look hands hover and down colours on to the grid: From, To and Border
    // only when they are colours, the mirror colours always.
    auto solid = [](TColor c, auto&& setter) {
        if (c != N) setter(c);
    };
    set(p.Hover[0], [&](TColor c) { look.SetFixedGradientHoverFrom(c); solid(c, [&](TColor v) { SetJyxGradientHoverFrom(v); }); });
    set(p.Hover[1], [&](TColor c) { look.SetFixedGradientHoverTo(c); solid(c, [&](TColor v) { SetJyxGradientHoverTo(v); }); });
    set(p.Hover[2], [&](TColor c) { look.SetFixedGradientHoverMirrorFrom(c); SetJyxGradientHoverMirrorFrom(c); });
    set(p.Hover[3], [&](TColor c) { look.SetFixedGradientHoverMirrorTo(c); SetJyxGradientHoverMirrorTo(c); });
    set(p.Hover[4], [&](TColor c) { look.SetFixedGradientHoverBorder(c); solid(c, [&](TColor v) { SetJyxGradientHoverBorder(v); }); });
    set(p.Down[0], [&](TColor c) { look.SetFixedGradientDownFrom(c); solid(c, [&](TColor v) { SetJyxGradientDownFrom(v); }); });
    set(p.Down[1], [&](TColor c) { look.SetFixedGradientDownTo(c); solid(c, [&](TColor v) { SetJyxGradientDownTo(v); }); });
    set(p.Down[2], [&](TColor c) { look.SetFixedGradientDownMirrorFrom(c); SetJyxGradientDownMirrorFrom(c); });
    set(p.Down[3], [&](TColor c) { look.SetFixedGradientDownMirrorTo(c); SetJyxGradientDownMirrorTo(c); });
    set(p.Down[4], [&](TColor c) { look.SetFixedGradientDownBorder(c); solid(c, [&](TColor v) { SetJyxGradientDownBorder(v); }); });
    TSortSettings& sort = SortSettings();
    set(p.Sort[0], [&](TColor c) { sort.SetHeaderColor(c); sort.SetHeaderColorTo(c); });
    set(p.Sort[1], [&](TColor c) { sort.SetHeaderMirrorColor(c); });
    set(p.Sort[2], [&](TColor c) { sort.SetHeaderMirrorColorTo(c); });
    set(p.Border, [&](TColor c) { SetBorderColor(c); });
    if (p.Fonts == pfActiveIsApp) ActiveCellFont().SetColor(AppColor);
    if (p.Fonts == pfWhite) {
        FixedFont().SetColor(0xFFFFFF);
        ActiveCellFont().SetColor(0xFFFFFF);
    }
}

void TExtStringGrid::SetComponentStyle(TJyxStyle AStyle) { SetComponentStyleAndAppColor(AStyle, N); }

void TExtStringGrid::SetComponentStyleAndAppColor(TJyxStyle AStyle, TColor AppColor)
{
    FStyle = AStyle;
    SetStyleAndAppColor(static_cast<TExtGridStyle>(AStyle), AppColor);
    // A preset that changes the look records the look's own style on the way; the style
    // remembered is the one asked for, not the one the look passed through.
    FStyle = AStyle;
    if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
    if (HandleAllocated()) StyleChanged();
}

void TExtStringGrid::StyleChanged() {}

namespace {

struct TSchemeColors {
    TColor From, To, MirrorFrom, MirrorTo, FooterColor, FooterColorTo;
};

TSchemeColors SchemeColors(TXPColorScheme Scheme)
{
    switch (Scheme) {
    case xpBlue: return {0xFCE1CB, 0xE0A57D, N, N, 0xFCE1CB, 0xE0A57D};
    case xpGreen: return {0xCFF0EA, 0x8CC0B1, N, N, 0xCFF0EA, 0x8CC0B1};
    case xpGray: return {0xECE2E1, 0xB39698, N, N, 0xECE2E1, 0xB39698};
    case vistaAero: return {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698};
    default: return {0xFFFFFF, BF, N, N, 0xFFFFFF, 0xFFD9B3};
    }
}

// The style each Office theme maps to, in TOfficeTheme order.
constexpr std::array<TJyxStyle, 16> OfficeThemeStyles{
    tsOffice2003Blue,  tsOffice2003Silver,    tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black,
    tsOffice2013White, tsOffice2013LightGray, tsOffice2013Gray,  tsOffice2016White,   tsOffice2016Gray,
    tsOffice2016Black};

}  // namespace

void TExtStringGrid::SetTheme(TXPColorScheme Scheme)
{
    const TSchemeColors s = SchemeColors(Scheme);
    const bool known = Scheme == xpBlue || Scheme == xpGreen || Scheme == xpGray || Scheme == vistaAero;
    SetHeaderGradient(s.From, s.To, s.MirrorFrom, s.MirrorTo);
    SetActiveCellColor(known ? 0x94E6FB : 0xFFFFFF);
    SetActiveCellColorTo(known ? 0x1595EE : 0xFFD9B3);
    ControlLook().SetFixedGradientFrom(known ? s.From : N);
    ControlLook().SetFixedGradientTo(known ? s.To : N);
    SearchFooter().SetColor(s.FooterColor);
    SearchFooter().SetColorTo(s.FooterColorTo);
}

void TExtStringGrid::ApplyOfficeTheme()
{
    if (IsDesigning()) return;
    const TOfficeTheme theme = DetectOfficeTheme();
    if (theme == FOldOfficeTheme) return;
    FOldOfficeTheme = theme;
    if (theme == otUnknown) return;
    SetComponentStyle(OfficeThemeStyles.at(theme));
}

void TExtStringGrid::SetAutoThemeAdapt(bool v)
{
    FAutoThemeAdapt = v;
    if (v && !HasState(rtl::csLoading)) ApplyOfficeTheme();
}

void TExtStringGrid::SetLook(TGridLook v)
{
    if (v == FLook) return;
    FLook = v;
    TControlLook& look = ControlLook();
    if (v != glCustom) {
        look.SetFixedGradientMirrorFrom(N);
        look.SetFixedGradientMirrorTo(N);
        look.SetFixedGradientFrom(N);
        look.SetFixedGradientTo(N);
        SetHeaderGradient(N, N, N, N);
        SortSettings().SetHeaderColor(N);
    }
    const bool loading = HasState(rtl::csLoading);
    switch (v) {
    case glVista:
        SetStyle(gsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default: {
        SetSelectionStyle(ssDefault);
        if (loading) break;
        const bool plain = v == glStandard || v == glSoft || v == glClassic;
        if (plain) SetFixedColor(BF);
        const TColor from = plain ? BF : 0xFFFFFF;
        const TColor to = plain ? N : BF;
        look.SetFixedGradientFrom(from);
        look.SetFixedGradientTo(to);
        SetGridFixedLineColor(0x808080);
        look.SetFixedGradientMirrorFrom(N);
        look.SetFixedGradientMirrorTo(N);
        SetJyxGradientMirrorFrom(N);
        SetJyxGradientMirrorTo(N);
        SetGridLineColor(0xC0C0C0);
        if (plain || v == glListView) {
            SetActiveCellColor(0x808080);
            SetActiveCellColorTo(N);
            SetSelectionColor(gfx::clHighlight);
            SetSelectionTextColor(gfx::clHighlightText);
            SearchFooter().SetColor(BF);
            SearchFooter().SetColorTo(BF);
        } else {
            SetActiveCellColor(0xEACAB6);
            SetActiveCellColorTo(N);
            SetSelectionColor(0xEACAB6);
            SetSelectionColorTo(N);
            SetSelectionTextColor(0);
            SearchFooter().SetColor(JyxGradientFrom());
            SearchFooter().SetColorTo(JyxGradientTo());
            look.SetFixedGradientFrom(0xFFFFFF);
            look.SetFixedGradientTo(v == glXP ? BF : 0xC0C0C0);
            const std::array<TColor, 4> hover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF};
            const std::array<TColor, 4> down{0x868788, 0x737C7E, 0x737C7E, 0x627376};
            look.SetFixedGradientHoverFrom(hover[0]);
            look.SetFixedGradientHoverTo(hover[1]);
            look.SetFixedGradientHoverMirrorFrom(hover[2]);
            look.SetFixedGradientHoverMirrorTo(hover[3]);
            look.SetFixedGradientDownFrom(down[0]);
            look.SetFixedGradientDownTo(down[1]);
            look.SetFixedGradientDownMirrorFrom(down[2]);
            look.SetFixedGradientDownMirrorTo(down[3]);
            SetJyxGradientHoverFrom(hover[0]);
            SetJyxGradientHoverTo(hover[1]);
            SetJyxGradientHoverMirrorFrom(hover[2]);
            SetJyxGradientHoverMirrorTo(hover[3]);
            SetJyxGradientDownFrom(down[0]);
            SetJyxGradientDownTo(down[1]);
            SetJyxGradientDownMirrorFrom(down[2]);
            SetJyxGradientDownMirrorTo(down[3]);
        }
        break;
    }
    }
    SetScrollType(ssNormal);
    if (v != glCustom) SetBorderColor(0xB99D7F);
    if (!HandleAllocated()) return;
    Invalidate();
    if (!loading) UpdateFooter();
}

// A flat appearance from five tones; the grid keeps the tones for the painter.
void TExtStringGrid::SetColorTones(TColorTones ATones)
{
    FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    FixedFont().SetColor(ATones.Foreground.TextColor);
    FixedFont().SetName(GetDefaultUIFontName());
    Font().SetName(GetDefaultUIFontName());
    SetColor(ATones.Background.BrushColor);
    Font().SetColor(ATones.Background.TextColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(N);
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(AdjustColorBrightness(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(ui::bsNone);
    TControlLook& look = ControlLook();
    look.SetControlStyle(csGlyph);
    LoadGlyph(look.CheckedGlyph(), "metrocheckon");
    LoadGlyph(look.UnCheckedGlyph(), "metrocheckoff");
    LoadGlyph(look.RadioOffGlyph(), "metroradiooff");
    LoadGlyph(look.RadioOnGlyph(), "metroradioon");
    look.SetFlatButton(true);
    FloatingFooter().SetColor(ATones.Foreground.BrushColor);
    SearchFooter().SetColor(ATones.Foreground.BrushColor);
    SearchFooter().SetColorTo(ATones.Foreground.BrushColor);
    CellNode().SetNodeType(cnFlat);
    Invalidate();
}

}  // namespace grid
