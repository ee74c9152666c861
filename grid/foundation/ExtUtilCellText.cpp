// Recognising and rewriting grid cell texts: text kinds, links, row/column references and the "|\" Unicode escape.
#include "grid/foundation/ExtUtilCellText.h"

#include "grid/foundation/ExtUtilUnicode.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

constexpr std::u32string_view EscapeMarker = U"|\\";

bool IsLinkChar(char32_t c)
{
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return true;
    return std::u32string_view(U"!%&()-./:=?@\\_{}").find(c) != std::u32string_view::npos;
}

bool StartsHtmlTag(const std::u32string& s, std::size_t i)
{
    if (s[i] != U'<') return false;
    if (s[i + 1] == U'/') return true;
    const char32_t a = UpperChar(s[i + 1]);
    const char32_t b = UpperChar(s[i + 2]);
    return (a == U'I' && (b == U'M' || b == U'N')) || (a == U'B' && b == U'R') ||
           (a == U'C' && b == U'O');
}

}  // namespace

int DetectCellTextKind(std::string_view text, bool checkHtml)
{
    // Most cells are plain: no leading formula, escape or RTF mark and no tag start. They
    // are told apart without decoding the text.
    const bool specialStart = !text.empty() && (text[0] == '=' || text[0] == '|' || text[0] == '{');
    if (!specialStart && text.find('<') == std::string_view::npos) return IsUrlText(text) ? ctkLink : ctkPlain;
    // The tests run on a copy with one blank appended, so that two-character probes
    // never look past its end.
    std::u32string s = rtl::Utf8Decode(text);
    s.push_back(U' ');
    if (s.size() < 2) return ctkPlain;
    if (s[0] == U'=') return ctkFormula;
    if (s[0] == U'|' && s[1] == U'\\') {
        // A formula stored escaped: the first unit's low byte is "=" and the second
        // unit's high byte 0.
        if (s.size() >= 5 && s[3] == U'=' && s[4] == 0) return ctkFormula;
        return ctkUnicodeEscaped;
    }
    if (s[0] == U'{' && s[1] == U'\\') return ctkRichText;
    if (checkHtml) {
        for (std::size_t i = 0; i + 2 < s.size(); ++i)
            if (StartsHtmlTag(s, i)) return ctkHtml;
    }
    return IsUrlText(text) ? ctkLink : ctkPlain;
}

bool IsUrlText(std::string_view text)
{
    return text.find("://") != std::string_view::npos || text.find("mailto:") != std::string_view::npos;
}

void StripUrlScheme(std::string& text)
{
    std::size_t at = text.find("://");
    if (at != std::string::npos) {
        text.erase(0, at + 3);
        return;
    }
    at = text.find("mailto:");
    if (at != std::string::npos) text.erase(0, at + 7);
}

bool LinkUrlInText(std::string_view text, std::string_view upperPrefix, std::string& result)
{
    const std::u32string prefix = rtl::Utf8Decode(upperPrefix);
    if (prefix.empty()) return false;
    if (UpperU32(rtl::Utf8Decode(text)).find(prefix) == std::u32string::npos) return false;

    std::u32string s;
    for (char32_t c : rtl::Utf8Decode(text)) {
        if (c == U'<')
            s += U"&lt;";
        else if (c == U'>')
            s += U"&gt;";
        else
            s.push_back(c);
    }
    const std::size_t start = UpperU32(s).find(prefix);
    std::size_t end = start;
    // The angle brackets were escaped above; the link ends before an escaped bracket
    // instead of swallowing "&gt;" as part of the address.
    auto escapedBracketAt = [&s](std::size_t i) {
        return s.compare(i, 4, U"&gt;") == 0 || s.compare(i, 4, U"&lt;") == 0;
    };
    while (end < s.size() && IsLinkChar(s[end]) && !escapedBracketAt(end)) ++end;
    const std::u32string link = s.substr(start, end - start);
    std::u32string out = s.substr(0, start);
    out += U"<a href=\"" + link + U"\">" + link + U"</a>";
    out += s.substr(end);
    result = rtl::Utf8Encode(out);
    return true;
}

bool ParseRowColReference(std::string_view text, rtl::TPoint& cell)
{
    const std::string s = rtl::UpperCase(text);
    if (rtl::Utf8Length(s) <= 3 || s[0] != 'R') return false;
    const std::size_t c = s.find('C', 1);
    if (c == std::string::npos) return false;
    int row = 0, col = 0;
    if (!rtl::TryStrToInt(s.substr(1, c - 1), row) || !rtl::TryStrToInt(s.substr(c + 1), col))
        return false;
    cell = {col, row};
    return true;
}

std::string EncodeUnicodeEscapes(std::string_view text)
{
    std::u32string out(EscapeMarker);
    auto addUnit = [&out](char32_t unit) {
        out.push_back(unit >> 8);
        out.push_back(unit & 0xFF);
    };
    for (char32_t c : rtl::Utf8Decode(text)) {
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            addUnit(0xD800 + (v >> 10));
            addUnit(0xDC00 + (v & 0x3FF));
        } else {
            addUnit(c);
        }
    }
    return rtl::Utf8Encode(out);
}

std::string DecodeUnicodeEscapes(std::string_view text)
{
    const std::u32string s = rtl::Utf8Decode(text);
    if (s.compare(0, EscapeMarker.size(), EscapeMarker) != 0) return std::string(text);
    std::u32string out;
    // A trailing odd character has no partner and is ignored.
    for (std::size_t i = EscapeMarker.size(); i + 1 < s.size(); i += 2) {
        const char32_t unit = ((s[i] & 0xFF) << 8) | (s[i + 1] & 0xFF);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < s.size()) {
            const char32_t low = ((s[i + 2] & 0xFF) << 8) | (s[i + 3] & 0xFF);
            if (low >= 0xDC00 && low < 0xE000) {
                out.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        out.push_back(unit);  // a lone surrogate becomes U+FFFD when encoded
    }
    return rtl::Utf8Encode(out);
}

}  // namespace grid
