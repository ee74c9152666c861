// Colour values of the platform: TColor (0x00BBGGRR), named and system colours, conversions.
#pragma once

#include <cstdint>
#include <string>

namespace gfx {

// A colour as the platform stores it: 0x00BBGGRR for an RGB colour, 0xFF0000nn for
// system colour nn (negative as a signed value), clNone and clDefault as markers.
using TColor = std::int32_t;

constexpr TColor ColorValue(std::uint32_t v) { return static_cast<TColor>(v); }

// Named RGB colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// Markers: no colour at all, and "the default of whoever draws".
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0xFF000000 plus the index into the system-colour table.
constexpr TColor clSystemColor = ColorValue(0xFF000000);
constexpr TColor clScrollBar = ColorValue(0xFF000000);
constexpr TColor clBackground = ColorValue(0xFF000001);
constexpr TColor clActiveCaption = ColorValue(0xFF000002);
constexpr TColor clInactiveCaption = ColorValue(0xFF000003);
constexpr TColor clMenu = ColorValue(0xFF000004);
constexpr TColor clWindow = ColorValue(0xFF000005);
constexpr TColor clWindowFrame = ColorValue(0xFF000006);
constexpr TColor clMenuText = ColorValue(0xFF000007);
constexpr TColor clWindowText = ColorValue(0xFF000008);
constexpr TColor clCaptionText = ColorValue(0xFF000009);
constexpr TColor clActiveBorder = ColorValue(0xFF00000A);
constexpr TColor clInactiveBorder = ColorValue(0xFF00000B);
constexpr TColor clAppWorkSpace = ColorValue(0xFF00000C);
constexpr TColor clHighlight = ColorValue(0xFF00000D);
constexpr TColor clHighlightText = ColorValue(0xFF00000E);
constexpr TColor clBtnFace = ColorValue(0xFF00000F);
constexpr TColor clBtnShadow = ColorValue(0xFF000010);
constexpr TColor clGrayText = ColorValue(0xFF000011);
constexpr TColor clBtnText = ColorValue(0xFF000012);
constexpr TColor clInactiveCaptionText = ColorValue(0xFF000013);
constexpr TColor clBtnHighlight = ColorValue(0xFF000014);
constexpr TColor cl3DDkShadow = ColorValue(0xFF000015);
constexpr TColor cl3DLight = ColorValue(0xFF000016);
constexpr TColor clInfoText = ColorValue(0xFF000017);
constexpr TColor clInfoBk = ColorValue(0xFF000018);
constexpr TColor clHotLight = ColorValue(0xFF00001A);
constexpr TColor clGradientActiveCaption = ColorValue(0xFF00001B);
constexpr TColor clGradientInactiveCaption = ColorValue(0xFF00001C);
constexpr TColor clMenuHighlight = ColorValue(0xFF00001D);
constexpr TColor clMenuBar = ColorValue(0xFF00001E);

// True for a system colour (high byte 0xFF).
constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }

// The RGB value (0x00BBGGRR) of a colour: system colours through the fixed system-colour
// table, RGB colours unchanged (high byte cleared). clNone and clDefault resolve to black.
TColor ColorToRGB(TColor color);
// The RGB value of system colour index nn (0 … 30); black outside the table.
TColor GetSysColor(int index);

// Components of an RGB colour and back.
constexpr std::uint8_t GetRValue(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GetGValue(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Colour name ("clRed", "clBtnFace") or "$00BBGGRR" hex text, and back. StringToColor also
// accepts decimal and "$"/"0x" hex numbers; an unknown text raises rtl::EConvertError.
std::string ColorToString(TColor color);
TColor StringToColor(const std::string& text);
// Like StringToColor without raising; false for an unknown text.
bool IdentToColor(const std::string& ident, TColor& color);
bool ColorToIdent(TColor color, std::string& ident);

}  // namespace gfx
