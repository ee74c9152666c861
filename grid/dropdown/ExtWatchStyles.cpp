// The analog clock's named presets and the colours it takes from the component styles.
#include <cmath>
#include <optional>

#include "grid/dropdown/ExtWatch.h"
#include "grid/dropdown/ExtWatchStyles.h"

namespace grid {

namespace {

using gfx::clNone;
constexpr gfx::TColor WindowText = gfx::clWindowText;
constexpr gfx::TColor BtnShadow = gfx::clBtnShadow;
constexpr gfx::TColor BtnFace = gfx::clBtnFace;

void Font(gfx::TFont& f, const char* name, int size = 0, std::optional<gfx::TColor> color = {},
          std::optional<gfx::TFontStyles> style = {})
{
    if (name != nullptr) f.SetName(name);
    if (size > 0) f.SetSize(size);
    if (color) f.SetColor(*color);
    if (style) f.SetStyle(*style);
}

const gfx::TFontStyles Regular{};
const gfx::TFontStyles Bold{gfx::fsBold};

void HourHand(TWatchAppearance& a, gfx::TColor color, int size)
{
    a.SetHourPointer(color);
    a.SetHourPointerShadow(BtnShadow);
    a.SetHourPointerSize(static_cast<std::uint8_t>(size));
}

// The square-hub dial of wsFluorescent and wsFuchsia.
void SquareHands(TWatchAppearance& a, gfx::TColor k)
{
    a.SetCenterPointSize(20);
    Font(a.HourFont(), "MS Sans Serif", 8, WindowText, Regular);
    a.SetHourColor(k);
    a.SetHourPointer(k);
    a.SetMinuteColor(k);
    a.SetMinutePointer(k);
    a.SetHourPointerShadow(BtnShadow);
    a.SetMinutePointerShadow(BtnShadow);
    a.SetHourPointerSize(2);
    a.SetMinutePointerSize(2);
    a.SetCenterPointOuterBorderColor(0);
    a.SetHourMarkLength(10);
    a.SetHourMarkWidth(2);
    a.SetHourMarkStyle(hmsQuartDblLine);
}

// The dial wsSports and wsSmooth share.
void CommonDial(TWatchAppearance& a, gfx::TColor hour, gfx::TColor shadows, gfx::TColor minute, gfx::TColor second)
{
    a.SetHourColor(0xABB0B1);
    Font(a.HourFont(), "Times New Roman", 9, 0x797979);
    a.SetHourPointerSize(2);
    a.SetMinutePointerSize(2);
    a.SetMinuteColor(0x808080);
    a.SetMinuteMarkLength(1);
    a.SetTickMarks(tmQuartHours);
    a.SetHourPointer(hour);
    a.SetHourPointerShadow(shadows);
    a.SetMinutePointerShadow(shadows);
    a.SetMinutePointer(minute);
    a.SetSecondPointer(second);
}

void Background(TWatchAppearance& a, gfx::TColor from, gfx::TColor to, TWatchGradient g)
{
    a.SetBackgroundColor(from);
    a.SetBackgroundColorTo(to);
    a.SetBackgroundGradient(g);
}

struct TComponentColors {
    TJyxStyle Style;
    gfx::TColor AMPMBorder, AMPM, Back, BackTo, Border, CenterBorder, Center, Dial, Shadows, Second;
};

// Colours of the component styles; styles not listed change nothing beyond the fonts.
constexpr TComponentColors ComponentColors[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
    {tsWindowsXP, 0, BtnFace, BtnFace, BtnFace, 0, 0, 0, 0, 0xFFFFFF, 0},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {tsTerminal, 0x808080, BtnFace, BtnFace, BtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
};

}  // namespace

void ApplyWatchPreset(TWatchAppearance& a, TWatchStyle style, int width, int height, bool& showAMPM,
                      bool& showNumbers, bool& animation, int& animationFactor)
{
    if (style == wsCustom) return;
    a.Reset();
    auto shows = [&](bool ampm, bool numbers) {
        showAMPM = ampm;
        showNumbers = numbers;
    };
    int side = std::min(height, width);
    switch (style) {
    case wsClassic:
        Font(a.AMPMFont(), "MS Sans Serif", 0, {}, Regular);
        Font(a.HourFont(), "Comic Sans MS", 10, {}, Bold);
        a.SetHourMarkLength(8);
        HourHand(a, 0, 5);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetMinuteMarkLength(4);
        animation = true;
        animationFactor = 10;
        shows(true, true);
        break;
    case wsTower:
        Font(a.AMPMFont(), "MS Sans Serif", 0, {}, Regular);
        a.SetAMPMFrame(apRect);
        a.SetBorderWidth(1);
        Background(a, 0xB1F0FE, 0x5BCCE8, wgDiagonalForward);
        a.SetCenterPointColor(0x002BD5);
        a.SetCenterPointSize(6);
        Font(a.HourFont(), "Century", 0, WindowText, Bold);
        HourHand(a, 0, 5);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetSecondPointer(0x002BD5);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(0xB1F0FE);
        a.SetTickMarks(tmHours);
        showNumbers = false;
        break;
    case wsFluorescent:
        Font(a.AMPMFont(), "MS Sans Serif", 10, WindowText, Regular);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFF3E3E);
        Background(a, 0, 0, a.BackgroundGradient());
        a.SetCenterPointColor(0xFF3E3E);
        a.SetCenterPointBorderColor(0);
        SquareHands(a, 0xFF3E3E);
        a.SetShape(wsRoundRect);
        a.SetTickMarks(tmHours);
        shows(false, false);
        break;
    case wsEmerald:
        Font(a.AMPMFont(), "MS Sans Serif", 0, 0xA00000, Regular);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0x3AE800);
        Background(a, 0x3AE800, 0, wgDiagonalForward);
        a.SetCenterPointBorderColor(0x40FF00);
        a.SetCenterPointColor(0x38E100);
        a.SetCenterPointSize(16);
        Font(a.HourFont(), "MS Sans Serif", 0, 0x3AE800, Regular);
        HourHand(a, 0x40FF00, 5);
        a.SetMinutePointer(0x40FF00);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(clNone);
        a.SetCenterPointOuterBorderColor(0);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetHourColor(0x3AE800);
        a.SetSecondPointer(0x00FFFF);
        a.SetTickMarks(tmHours);
        shows(false, false);
        break;
    case wsBlueStar:
        Font(a.AMPMFont(), "MS Sans Serif", 10, 0xA00000, Regular);
        a.SetAMPMBorderColor(clNone);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD5D5);
        Background(a, 0xFFD5D5, 0xA00000, wgRadial);
        Font(a.HourFont(), "MS Sans Serif", 8, 0xFFD5D5, Regular);
        HourHand(a, 0xA00000, 5);
        a.SetMinutePointer(0xA00000);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetShape(wsRoundRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(clNone);
        shows(true, true);
        break;
    case wsFuchsia:
        Font(a.AMPMFont(), "MS Sans Serif", 10, WindowText, Regular);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD0FF);
        Background(a, 0, 0, a.BackgroundGradient());
        a.SetCenterPointBorderColor(0xDD68DD);
        SquareHands(a, 0xFFD0FF);
        a.SetShape(wsRect);
        a.SetSecondPointer(0xDD68DD);
        a.SetTickMarks(tmQuartHours);
        shows(false, false);
        break;
    case wsBlack:
        Font(a.AMPMFont(), "MS Sans Serif", 0, {}, Regular);
        a.SetBackgroundColor(0x202020);
        a.SetBorderColor(0);
        a.SetCenterPointBorderColor(0xFFFFFF);
        a.SetCenterPointOuterBorderColor(0xFFFFFF);
        a.SetCenterPointColor(0xFFFFFF);
        a.SetHourColor(0x585858);
        Font(a.HourFont(), "Century Gothic", 11, 0xFFFFFF);
        HourHand(a, 0xFFFFFF, 5);
        a.SetMinuteColor(0x585858);
        a.SetMinutePointer(0xFFFFFF);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetMinuteMarkLength(4);
        shows(false, true);
        break;
    case wsBlackWhite:
        a.SetBackgroundColor(0xFFFFFF);
        a.SetBorderColor(0);
        a.SetBorderWidth(8);
        a.SetCenterPointBorderColor(0);
        a.SetCenterPointOuterBorderColor(0);
        a.SetCenterPointColor(0);
        a.SetCenterPointSize(8);
        a.SetHourColor(0x585858);
        Font(a.HourFont(), "Century Gothic", 14, 0, Bold);
        HourHand(a, 0, 5);
        a.SetMinutePointer(0);
        a.SetMinutePointerShadow(BtnShadow);
        a.SetMinuteMarkLength(4);
        a.SetSecondPointer(0x000080);
        a.SetPointerStyle(psPointer);
        a.SetTickMarks(tmQuartHours);
        shows(false, true);
        break;
    case wsGray:
        Font(a.AMPMFont(), "MS Sans Serif", 10);
        Background(a, 0xD1D1D1, 0x6C6C6C, wgRadial);
        a.SetBorderColor(0x454545);
        a.SetCenterPointBorderColor(0x454545);
        a.SetCenterPointColor(0);
        a.SetCenterPointOuterBorderColor(clNone);
        a.SetHourColor(0);
        Font(a.HourFont(), "Comic Sans MS", 8, {}, Regular);
        a.SetHourPointer(0x4E4E4E);
        a.SetMinutePointer(0x4E4E4E);
        a.SetHourPointerShadow(clNone);
        a.SetMinutePointerShadow(clNone);
        a.SetHourPointerSize(1);
        a.SetMinutePointerSize(1);
        a.SetMinuteColor(0x808080);
        a.SetSecondPointer(0x0000FF);
        shows(true, true);
        break;
    case wsSuperNova:
        a.SetBackgroundColorTo(0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetCenterPointOuterBorderColor(0);
        a.SetCenterPointSize(10);
        a.SetHourMarkLength(static_cast<std::uint8_t>(std::nearbyint(side / 4.5)));
        a.SetHourPointer(0);
        a.SetHourPointerShadow(BtnShadow);
        a.SetMinuteColor(0x808080);
        a.SetMinuteMarkLength(static_cast<std::uint8_t>(side / 3));
        a.SetMinutePointer(0);
        shows(false, false);
        break;
    case wsSports:
        a.SetBackgroundColor(0);
        a.SetBorderColor(0);
        a.SetBorderWidth(1);
        a.SetCenterPointBorderColor(0xFF0000);
        a.SetCenterPointOuterBorderColor(0);
        a.SetCenterPointColor(0x191919);
        a.SetCenterPointSize(static_cast<std::uint8_t>(std::nearbyint(side / 3.6)));
        CommonDial(a, 0x0000FF, clNone, 0x00FFFF, 0x188BFE);
        shows(false, true);
        break;
    case wsSmooth:
        a.SetBackgroundColor(0xFFFFFF);
        a.SetBackgroundColorTo(0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        a.SetCenterPointBorderColor(0);
        a.SetCenterPointOuterBorderColor(0x4A4A4A);
        a.SetCenterPointColor(0xFFFFFF);
        a.SetCenterPointSize(6);
        CommonDial(a, 0x4A4A4A, 0xB2B2B2, 0x4A4A4A, 0x4A4A4A);
        shows(false, true);
        break;
    case wsCustom: break;
    }
}

void ApplyWatchComponentStyle(TWatchAppearance& a, TJyxStyle style)
{
    a.SetCenterPointOuterBorderColor(0);
    a.HourFont().SetColor(0);
    a.AMPMFont().SetColor(0);
    for (const TComponentColors& c : ComponentColors) {
        if (c.Style != style) continue;
        a.SetAMPMBorderColor(c.AMPMBorder);
        a.SetAMPMColor(c.AMPM);
        a.SetBackgroundColor(c.Back);
        a.SetBackgroundColorTo(c.BackTo);
        a.SetBorderColor(c.Border);
        a.SetCenterPointBorderColor(c.CenterBorder);
        a.SetCenterPointColor(c.Center);
        a.SetHourColor(c.Dial);
        a.SetMinuteColor(c.Dial);
        a.SetHourPointer(c.Dial);
        a.SetMinutePointer(c.Dial);
        a.SetHourPointerShadow(c.Shadows);
        a.SetMinutePointerShadow(c.Shadows);
        a.SetSecondPointer(c.Second);
        if (style == tsOffice2007Obsidian) {
            a.AMPMFont().SetColor(0xF2F1F0);
            a.HourFont().SetColor(0xF2F1F0);
        }
        return;
    }
}

void TExtWatch::SetStyle(TWatchStyle Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    ApplyWatchPreset(*FAppearance, Value, Width(), Height(), FShowAMPM, FShowNumbers, FAnimation, FAnimationFactor);
    InvalidateFace();
}

void TExtWatch::SetComponentStyle(TJyxStyle AStyle)
{
    ApplyWatchComponentStyle(*FAppearance, AStyle);
    InvalidateFace();
}

}  // namespace grid
