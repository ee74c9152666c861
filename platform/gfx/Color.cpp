// Colour conversions: the fixed system-colour table and colour names.
#include "platform/gfx/Color.h"

#include <cstdio>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"

namespace gfx {

namespace {

// The classic Windows 10 system colours (0x00BBGGRR), indexed by system colour number.
constexpr TColor SystemColors[] = {
    RGB(200, 200, 200),  //  0 scroll bar
    RGB(0, 0, 0),        //  1 background
    RGB(153, 180, 209),  //  2 active caption
    RGB(191, 205, 219),  //  3 inactive caption
    RGB(240, 240, 240),  //  4 menu
    RGB(255, 255, 255),  //  5 window
    RGB(100, 100, 100),  //  6 window frame
    RGB(0, 0, 0),        //  7 menu text
    RGB(0, 0, 0),        //  8 window text
    RGB(0, 0, 0),        //  9 caption text
    RGB(180, 180, 180),  // 10 active border
    RGB(244, 247, 252),  // 11 inactive border
    RGB(171, 171, 171),  // 12 application work space
    RGB(0, 120, 215),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(240, 240, 240),  // 15 button face
    RGB(160, 160, 160),  // 16 button shadow
    RGB(109, 109, 109),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(0, 0, 0),        // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(105, 105, 105),  // 21 3D dark shadow
    RGB(227, 227, 227),  // 22 3D light
    RGB(0, 0, 0),        // 23 info text
    RGB(255, 255, 225),  // 24 info background
    RGB(0, 0, 0),        // 25 (unused)
    RGB(0, 102, 204),    // 26 hot light
    RGB(185, 209, 234),  // 27 gradient active caption
    RGB(215, 228, 242),  // 28 gradient inactive caption
    RGB(0, 120, 215),    // 29 menu highlight
    RGB(240, 240, 240),  // 30 menu bar
};
constexpr int SystemColorCount = sizeof(SystemColors) / sizeof(SystemColors[0]);

struct TColorName {
    TColor Value;
    const char* Name;
};

constexpr TColorName ColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"}, {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"}, {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"}, {clBtnText, "clBtnText"}, {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"}, {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"}, {clMenu, "clMenu"}, {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuText, "clMenuText"}, {clNone, "clNone"},
    {clScrollBar, "clScrollBar"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"}, {clWindowText, "clWindowText"},
};

bool SameIdent(const char* a, const std::string& b)
{
    std::size_t i = 0;
    for (; a[i] != '\0'; ++i) {
        if (i >= b.size()) return false;
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return i == b.size();
}

// Integer text as the class library reads it: decimal, "$hex" or "0x hex", optional sign.
bool ParseInteger(const std::string& text, long long& value)
{
    if (text.empty()) return false;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * base + d;
        if (v > 0xFFFFFFFFLL) return false;
    }
    value = negative ? -v : v;
    return true;
}

}  // namespace

TColor GetSysColor(int index)
{
    if (index < 0 || index >= SystemColorCount) return clBlack;
    return SystemColors[index];
}

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
    if (color == clNone || color == clDefault) return clBlack;
    return color & 0x00FFFFFF;
}

bool ColorToIdent(TColor color, std::string& ident)
{
    for (const TColorName& n : ColorNames) {
        if (n.Value == color) {
            ident = n.Name;
            return true;
        }
    }
    return false;
}

bool IdentToColor(const std::string& ident, TColor& color)
{
    for (const TColorName& n : ColorNames) {
        if (SameIdent(n.Name, ident)) {
            color = n.Value;
            return true;
        }
    }
    // The class library's aliases of clSilver and clGray.
    if (SameIdent("clLtGray", ident)) {
        color = clLtGray;
        return true;
    }
    if (SameIdent("clDkGray", ident)) {
        color = clDkGray;
        return true;
    }
    return false;
}

std::string ColorToString(TColor color)
{
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(color));
    return buf;
}

TColor StringToColor(const std::string& text)
{
    TColor color;
    if (IdentToColor(text, color)) return color;
    long long v;
    if (ParseInteger(text, v)) return static_cast<TColor>(static_cast<std::uint32_t>(v));
    throw rtl::EConvertError("'" + text + "' is not a valid integer value");
}

}  // namespace gfx
