// Mini-HTML text utilities: settings, tables, stripping, entities and colour values.
#include "grid/foundation/EsgHTMLEUtil.h"

#include <algorithm>
#include <cstring>

namespace grid {

namespace {

gfx::TColor GHighlightColor = gfx::clHighlight;
gfx::TColor GHighlightTextColor = gfx::clHighlightText;
bool GKeepLineBreak = true;

constexpr THtmlEntity kEntities[] = {
    {"&eacute;", "é"}, {"&egrave;", "è"}, {"&euml;", "ë"}, {"&ecirc;", "ê"},
    {"&oacute;", "ó"}, {"&ograve;", "ò"}, {"&ouml;", "ö"}, {"&ocirc;", "ô"},
    {"&iacute;", "í"}, {"&igrave;", "ì"}, {"&iuml;", "ï"}, {"&icirc;", "î"},
    {"&uacute;", "ú"}, {"&ugrave;", "ù"}, {"&uuml;", "ü"}, {"&ucirc;", "û"},
    {"&aacute;", "á"}, {"&agrave;", "à"}, {"&auml;", "ä"}, {"&acirc;", "â"},
    {"&Eacute;", "É"}, {"&Egrave;", "È"}, {"&Euml;", "Ë"}, {"&Ecirc;", "Ê"},
    {"&Oacute;", "Ó"}, {"&Ograve;", "Ò"}, {"&Ouml;", "Ö"}, {"&Ocirc;", "Ô"},
    {"&Iacute;", "Í"}, {"&Igrave;", "Ì"}, {"&Iuml;", "Ï"}, {"&Icirc;", "Î"},
    {"&Uacute;", "Ú"}, {"&Ugrave;", "Ù"}, {"&Uuml;", "Ü"}, {"&Ucirc;", "Û"},
    {"&Aacute;", "Á"}, {"&Agrave;", "À"}, {"&Auml;", "Ä"}, {"&Acirc;", "Â"},
    {"&ccedil;", "ç"}, {"&Ccedil;", "Ç"}, {"&oslash;", "ø"}, {"&Oslash;", "Ø"},
    {"&aring;", "å"}, {"&Aring;", "Å"},
    {"&copy;", "©"}, {"&reg;", "®"}, {"&euro;", "€"}, {"&laquo;", "«"}, {"&raquo;", "»"},
};

constexpr gfx::TColor Sys(int n) { return gfx::ColorValue(0xFF000000u + static_cast<unsigned>(n)); }

// Sorted by character code: the lookup halves the range.
constexpr THtmlColorName kColorNames[] = {
    {"3ddkshadow", Sys(21)}, {"3dlight", Sys(22)}, {"activeborder", Sys(10)}, {"activecaption", Sys(2)},
    {"appworkspace", Sys(12)}, {"aqua", 0xFFFF00}, {"background", Sys(1)}, {"black", 0x000000},
    {"blue", 0xFF0000}, {"btnface", Sys(15)}, {"btnhighlight", Sys(20)}, {"btnshadow", Sys(16)},
    {"btntext", Sys(18)}, {"captiontext", Sys(9)}, {"fuchsia", 0xFF00FF}, {"gray", 0x808080},
    {"graytext", Sys(17)}, {"green", 0x008000}, {"highlight", Sys(13)}, {"highlighttext", Sys(14)},
    {"inactivecaption", Sys(3)}, {"inactivecaptiontext", Sys(19)}, {"infobk", Sys(24)}, {"infotext", Sys(23)},
    {"lime", 0x00FF00}, {"maroon", 0x000080}, {"menu", Sys(4)}, {"menutext", Sys(7)},
    {"navy", 0x800000}, {"olive", 0x008080}, {"purple", 0x800080}, {"red", 0x0000FF},
    {"silver", 0xC0C0C0}, {"teal", 0x808000}, {"white", 0xFFFFFF}, {"window", Sys(5)},
    {"windowframe", Sys(6)}, {"windowtext", Sys(8)}, {"yellow", 0x00FFFF},
};

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The pair of hex digits at `pos`; a missing or invalid pair is 0.
int HexPair(std::string_view text, std::size_t pos)
{
    if (pos + 1 >= text.size()) return 0;
    const int hi = HexDigit(text[pos]);
    const int lo = HexDigit(text[pos + 1]);
    if (hi < 0 || lo < 0) return 0;
    return hi * 16 + lo;
}

// Replaces each occurrence of `what` that `find(text, what, from)` reports, left to right,
// by `with`; an empty `what` leaves the text as it is.
template <typename Find>
std::string ReplaceEach(std::string_view text, std::string_view what, std::string_view with, Find find)
{
    if (what.empty()) return std::string(text);
    std::string r;
    r.reserve(text.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = find(text, what, pos);
        if (hit == std::string_view::npos) break;
        r.append(text.substr(pos, hit - pos));
        r.append(with);
        pos = hit + what.size();
    }
    r.append(text.substr(pos));
    return r;
}

}  // namespace

void SetHtmlHighlightColors(gfx::TColor color, gfx::TColor textColor)
{
    GHighlightColor = color;
    GHighlightTextColor = textColor;
}
gfx::TColor HtmlHighlightColor() { return GHighlightColor; }
gfx::TColor HtmlHighlightTextColor() { return GHighlightTextColor; }
void SetHtmlKeepLineBreak(bool value) { GKeepLineBreak = value; }
bool HtmlKeepLineBreak() { return GKeepLineBreak; }

const THtmlEntity* HtmlEntityTable() { return kEntities; }
int HtmlEntityCount() { return static_cast<int>(std::size(kEntities)); }
const THtmlColorName* HtmlColorNameTable() { return kColorNames; }
int HtmlColorNameCount() { return static_cast<int>(std::size(kColorNames)); }

std::string HtmlUpperAscii(std::string_view text)
{
    std::string r(text);
    for (char& c : r) c = UpperAscii(c);
    return r;
}

std::size_t HtmlFindNoCase(std::string_view text, std::string_view what, std::size_t from)
{
    if (what.empty()) return from <= text.size() ? from : std::string_view::npos;
    if (text.size() < what.size()) return std::string_view::npos;
    const char first = UpperAscii(what[0]);
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (UpperAscii(text[i]) != first) continue;
        std::size_t k = 1;
        while (k < what.size() && UpperAscii(text[i + k]) == UpperAscii(what[k])) ++k;
        if (k == what.size()) return i;
    }
    return std::string_view::npos;
}

int HtmlLeadingNumber(std::string_view text, bool* hasDigits)
{
    long long v = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (v <= kHtmlNumberLimit) v = v * 10 + (text[i] - '0');
        ++i;
    }
    if (hasDigits) *hasDigits = i > 0;
    return static_cast<int>(std::min<long long>(v, kHtmlNumberLimit));
}

bool HtmlStrictNumber(std::string_view text, int& value)
{
    bool digits = false;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative || (!text.empty() && text[0] == '+')) i = 1;
    const int n = HtmlLeadingNumber(text.substr(i), &digits);
    if (!digits) return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    value = negative ? -n : n;
    return true;
}

std::string HtmlReplaceAll(std::string_view text, std::string_view what, std::string_view with)
{
    return ReplaceEach(text, what, with,
                       [](std::string_view t, std::string_view w, std::size_t from) { return t.find(w, from); });
}

std::string HtmlReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with)
{
    return ReplaceEach(text, what, with,
                       [](std::string_view t, std::string_view w, std::size_t from) { return HtmlFindNoCase(t, w, from); });
}

std::string StripHtmlTags(std::string_view text)
{
    std::string s = HtmlReplaceAllNoCase(text, "<BR>", "\r\n");
    s = HtmlReplaceAllNoCase(s, "<HR>", "\r\n");
    std::string r;
    r.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t lt = s.find('<', pos);
        if (lt == std::string::npos) break;
        const std::size_t gt = s.find('>', lt);
        if (gt == std::string::npos) break;  // an unclosed "<" and the rest stay
        r.append(s, pos, lt - pos);
        pos = gt + 1;
    }
    r.append(s, pos, std::string::npos);
    return r;
}

std::string HtmlDecodeEntities(std::string_view text, bool withTable)
{
    std::string r = HtmlReplaceAllNoCase(text, "&lt;", "<");
    r = HtmlReplaceAllNoCase(r, "&gt;", ">");
    r = HtmlReplaceAllNoCase(r, "&quot;", "\"");
    if (withTable)
        for (const THtmlEntity& e : kEntities) r = HtmlReplaceAll(r, e.Name, e.Character);
    return r;
}

std::string HtmlEncodeEntities(std::string_view text, bool withTable)
{
    std::string r;
    r.reserve(text.size() + 16);
    for (char c : text) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '"': r += "&quot;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        default: r += c;
        }
    }
    if (withTable)
        for (const THtmlEntity& e : kEntities) r = HtmlReplaceAll(r, e.Character, e.Name);
    return r;
}

std::string SpacesToNbsp(std::string_view text) { return HtmlReplaceAll(text, " ", "&nbsp;"); }

gfx::TColor HtmlColorFromText(std::string_view text)
{
    if (!text.empty() && text[0] == '#')
        return gfx::RGB(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5));
    if (text.size() < 2 || text.substr(0, 2) != "cl") return gfx::clBlack;
    const std::string_view name = text.substr(2);
    const auto* begin = std::begin(kColorNames);
    const auto* end = std::end(kColorNames);
    const auto* it = std::lower_bound(begin, end, name, [](const THtmlColorName& e, std::string_view n) {
        return std::strcmp(e.Name, std::string(n).c_str()) < 0;
    });
    if (it != end && name == it->Name) return it->Color;
    return gfx::clBlack;
}

gfx::TColor HexToColor(std::string_view text)
{
    if (text.empty() || text[0] != '#') return gfx::clBlack;
    return gfx::RGB(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5));
}

}  // namespace grid
