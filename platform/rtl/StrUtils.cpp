// String routines of the class library on UTF-8 text.
#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <array>

#include "platform/rtl/Utf8.h"

namespace rtl {

namespace {

// Base letters of U+00C0..U+017F for locale-style comparison; 0 where the
// character is not a Latin letter with a plain base letter.
constexpr char kLatinBase[] =
    // U+00C0..U+00FF
    "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0s"
    "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0y"
    // U+0100..U+017F
    "aaaaaa" "cccccccc" "dddd" "eeeeeeeeee" "gggggggg" "hhhh" "iiiiiiiiii" "ii" "jj" "kkk"
    "llllllllll" "nnnnnnnnn" "oooooo" "oo" "rrrrrr" "ssssssss" "tttttt" "uuuuuuuuuuuu" "ww"
    "yyy" "zzzzzz" "s";
static_assert(sizeof(kLatinBase) == 0xC0 + 1, "one base letter per code point U+00C0..U+017F");

bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
char AsciiUpper(char c) { return IsAsciiLower(c) ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return IsAsciiUpper(c) ? static_cast<char>(c + 32) : c; }

// Maps every character through `map`. Every mapping of the case tables keeps
// the UTF-8 byte length of the character, so byte positions found in a mapped
// copy are valid in the original (StringReplace relies on that).
template <typename Map>
std::string MapChars(std::string_view s, Map map)
{
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(map(b)));
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t ch = Utf8NextChar(s, pos);
        if (ch == 0xFFFD && pos - start == 1) {
            out.push_back(s[start]);  // keep a malformed byte as it is
            continue;
        }
        Utf8AppendChar(out, map(ch));
    }
    return out;
}

// Collation weights of one character: primary (base letter, case folded),
// secondary (the accent: the folded character itself, 0 for a plain letter),
// tertiary (1 for upper case).
struct Weights {
    char32_t primary;
    char32_t secondary;
    int tertiary;
};

Weights WeightsOf(char32_t ch)
{
    const char32_t lower = AnsiLowerChar(ch);
    const int upper = lower != ch ? 1 : 0;
    if (lower < 0x80)
        return {lower, 0, upper};
    if (lower >= 0xC0 && lower <= 0x17F && kLatinBase[lower - 0xC0] != 0)
        return {static_cast<char32_t>(kLatinBase[lower - 0xC0]), lower, upper};
    return {lower, 0, upper};
}

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Three-level comparison of what follows an equal start; `tertiary` carries
// the first case difference of that start.
int CollateSlow(std::string_view a, std::string_view b, bool withCase, int tertiary)
{
    std::size_t pa = 0, pb = 0;
    int secondary = 0;
    while (pa < a.size() && pb < b.size()) {
        // Identical ASCII bytes weigh the same on every level.
        if (a[pa] == b[pb] && static_cast<unsigned char>(a[pa]) < 0x80) {
            ++pa;
            ++pb;
            continue;
        }
        const Weights wa = WeightsOf(Utf8NextChar(a, pa));
        const Weights wb = WeightsOf(Utf8NextChar(b, pb));
        if (wa.primary != wb.primary)
            return wa.primary < wb.primary ? -1 : 1;
        if (secondary == 0 && wa.secondary != wb.secondary)
            secondary = wa.secondary < wb.secondary ? -1 : 1;
        if (tertiary == 0 && wa.tertiary != wb.tertiary)
            tertiary = wa.tertiary < wb.tertiary ? -1 : 1;
    }
    if (pa < a.size())
        return 1;
    if (pb < b.size())
        return -1;
    if (secondary != 0)
        return secondary;
    return withCase ? tertiary : 0;
}

int Collate(std::string_view a, std::string_view b, bool withCase)
{
    // Fast path: equal bytes and ASCII letters that differ only in case are
    // skipped; the first other ASCII difference decides. Where non-ASCII text
    // differs, the full comparison takes over from the start of that character.
    const std::size_t n = std::min(a.size(), b.size());
    int tertiary = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char ca = a[i], cb = b[i];
        if (ca == cb)
            continue;
        if ((static_cast<unsigned char>(ca) | static_cast<unsigned char>(cb)) >= 0x80) {
            std::size_t start = i;
            while (start > 0 && (static_cast<unsigned char>(a[start]) & 0xC0) == 0x80)
                --start;
            return CollateSlow(a.substr(start), b.substr(start), withCase, tertiary);
        }
        const char la = AsciiLower(ca), lb = AsciiLower(cb);
        if (la != lb)
            return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
        if (tertiary == 0)
            tertiary = IsAsciiUpper(ca) ? 1 : -1;
    }
    if (a.size() != b.size()) {
        // One is a byte prefix of the other (up to ASCII case): the shorter
        // one has fewer letters and sorts first.
        return a.size() < b.size() ? -1 : 1;
    }
    return withCase ? tertiary : 0;
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

// --- Trimming

std::string Trim(std::string_view s)
{
    std::size_t first = 0, last = s.size();
    while (first < last && IsTrimmed(s[first]))
        ++first;
    while (last > first && IsTrimmed(s[last - 1]))
        --last;
    return std::string(s.substr(first, last - first));
}

std::string TrimLeft(std::string_view s)
{
    std::size_t first = 0;
    while (first < s.size() && IsTrimmed(s[first]))
        ++first;
    return std::string(s.substr(first));
}

std::string TrimRight(std::string_view s)
{
    std::size_t last = s.size();
    while (last > 0 && IsTrimmed(s[last - 1]))
        --last;
    return std::string(s.substr(0, last));
}

// --- Case

std::string UpperCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = AsciiUpper(c);
    return out;
}

std::string LowerCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
}

char32_t AnsiUpperChar(char32_t ch)
{
    if (ch < 0x80)
        return (ch >= 'a' && ch <= 'z') ? ch - 32 : ch;
    if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)
        return ch - 0x20;
    if (ch == 0xFF)
        return 0x178;
    if (ch >= 0x100 && ch <= 0x17F) {
        if (ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F)
            return ch;
        const bool oddUpper = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
        if (oddUpper)
            return (ch % 2 == 0) ? ch - 1 : ch;
        return (ch % 2 == 1) ? ch - 1 : ch;
    }
    if (ch >= 0x3B1 && ch <= 0x3C9 && ch != 0x3C2)
        return ch - 0x20;
    if (ch >= 0x430 && ch <= 0x44F)
        return ch - 0x20;
    if (ch >= 0x450 && ch <= 0x45F)
        return ch - 0x50;
    return ch;
}

char32_t AnsiLowerChar(char32_t ch)
{
    if (ch < 0x80)
        return (ch >= 'A' && ch <= 'Z') ? ch + 32 : ch;
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)
        return ch + 0x20;
    if (ch == 0x178)
        return 0xFF;
    if (ch >= 0x100 && ch <= 0x17F) {
        if (ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F)
            return ch;
        const bool oddUpper = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
        if (oddUpper)
            return (ch % 2 == 1) ? ch + 1 : ch;
        return (ch % 2 == 0) ? ch + 1 : ch;
    }
    if (ch >= 0x391 && ch <= 0x3A9 && ch != 0x3A2)
        return ch + 0x20;
    if (ch >= 0x410 && ch <= 0x42F)
        return ch + 0x20;
    if (ch >= 0x400 && ch <= 0x40F)
        return ch + 0x50;
    return ch;
}

std::string AnsiUpperCase(std::string_view s) { return MapChars(s, AnsiUpperChar); }
std::string AnsiLowerCase(std::string_view s) { return MapChars(s, AnsiLowerChar); }

// --- Comparison

int CompareStr(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }

int CompareText(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

bool SameStr(std::string_view a, std::string_view b) { return a == b; }

int AnsiCompareStr(std::string_view a, std::string_view b)
{
    if (a == b)
        return 0;
    const int r = Collate(a, b, true);
    // Different texts never compare equal in the case-sensitive order.
    return r != 0 ? r : CompareStr(a, b);
}

int AnsiCompareText(std::string_view a, std::string_view b) { return Collate(a, b, false); }

bool AnsiSameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    return a == b || AnsiUpperCase(a) == AnsiUpperCase(b);
}

bool AnsiSameStr(std::string_view a, std::string_view b) { return a == b; }

// --- Prefix, suffix, containment

bool StartsStr(std::string_view subText, std::string_view text) { return text.substr(0, subText.size()) == subText; }

bool EndsStr(std::string_view subText, std::string_view text)
{
    return text.size() >= subText.size() && text.substr(text.size() - subText.size()) == subText;
}

bool StartsText(std::string_view subText, std::string_view text)
{
    return text.size() >= subText.size() && AnsiSameText(text.substr(0, subText.size()), subText);
}

bool EndsText(std::string_view subText, std::string_view text)
{
    return text.size() >= subText.size() && AnsiSameText(text.substr(text.size() - subText.size()), subText);
}

bool ContainsStr(std::string_view text, std::string_view subText)
{
    return text.find(subText) != std::string_view::npos;
}

bool ContainsText(std::string_view text, std::string_view subText)
{
    return AnsiUpperCase(text).find(AnsiUpperCase(subText)) != std::string::npos;
}

// --- Search

long long Pos(std::string_view sub, std::string_view s) { return Utf8Pos(sub, s, 1); }

long long PosEx(std::string_view sub, std::string_view s, long long offset) { return Utf8Pos(sub, s, offset); }

long long AnsiPos(std::string_view sub, std::string_view s) { return Utf8Pos(sub, s, 1); }

long long LastDelimiter(std::string_view delimiters, std::string_view s)
{
    const std::u32string set = Utf8Decode(delimiters);
    long long index = 0, last = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const char32_t ch = Utf8NextChar(s, pos);
        ++index;
        if (set.find(ch) != std::u32string::npos)
            last = index;
    }
    return last;
}

// --- Replacement

void ReplaceAllInPlace(std::string& text, std::string_view oldPattern, std::string_view newPattern)
{
    if (oldPattern.empty() || text.find(oldPattern) == std::string::npos) return;
    text = StringReplace(text, oldPattern, newPattern, rfReplaceAll);
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags)
{
    if (oldPattern.empty())
        return std::string(s);
    const bool ignoreCase = (flags & rfIgnoreCase) != 0;
    const bool all = (flags & rfReplaceAll) != 0;
    // Case-folded copies have the same byte positions as the originals.
    const std::string foldedText = ignoreCase ? AnsiUpperCase(s) : std::string();
    const std::string foldedPattern = ignoreCase ? AnsiUpperCase(oldPattern) : std::string();
    const std::string_view text = ignoreCase ? std::string_view(foldedText) : s;
    const std::string_view pattern = ignoreCase ? std::string_view(foldedPattern) : oldPattern;

    std::string out;
    out.reserve(s.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t found = text.find(pattern, start);
        if (found == std::string_view::npos)
            break;
        out.append(s.substr(start, found - start));
        out.append(newPattern);
        start = found + pattern.size();
        if (!all)
            break;
    }
    out.append(s.substr(start));
    return out;
}

// --- Building and slicing

std::string StringOfChar(char32_t ch, long long count)
{
    if (count <= 0)
        return {};
    const std::string one = Utf8EncodeChar(ch);
    if (one.size() == 1)
        return std::string(static_cast<std::size_t>(count), one[0]);
    std::string out;
    out.reserve(one.size() * static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i)
        out += one;
    return out;
}

std::string Copy(std::string_view s, long long index, long long count) { return Utf8Copy(s, index, count); }

void Delete(std::string& s, long long index, long long count) { Utf8Delete(s, index, count); }

void Insert(std::string_view sub, std::string& s, long long index) { Utf8Insert(sub, s, index); }

std::string CopyFrom(std::string_view s, long long index)
{
    if (index < 1)
        index = 1;
    return std::string(s.substr(std::min(s.size(), Utf8ByteOffset(s, index))));
}

// --- Quoting

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiQuotedStr(std::string_view s, char quote)
{
    std::string out;
    out.reserve(s.size() + 2);
    out.push_back(quote);
    for (char c : s) {
        out.push_back(c);
        if (c == quote)
            out.push_back(quote);
    }
    out.push_back(quote);
    return out;
}

std::string AnsiExtractQuotedStr(std::string_view s, std::size_t& pos, char quote)
{
    if (pos >= s.size() || s[pos] != quote)
        return {};
    std::string out;
    std::size_t p = pos + 1;
    while (p < s.size()) {
        if (s[p] == quote) {
            if (p + 1 < s.size() && s[p + 1] == quote) {
                out.push_back(quote);
                p += 2;
                continue;
            }
            pos = p + 1;
            return out;
        }
        out.push_back(s[p]);
        ++p;
    }
    pos = s.size();
    return out;
}

std::string AnsiDequotedStr(std::string_view s, char quote)
{
    std::size_t pos = 0;
    std::string result = AnsiExtractQuotedStr(s, pos, quote);
    const bool atEnd = pos >= s.size();
    if ((result.empty() || atEnd) && !s.empty() && (s.front() != quote || s.back() != quote))
        return std::string(s);
    return result;
}

}  // namespace rtl
