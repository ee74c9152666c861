// Number routines of the grid utilities: character classes, financial number text, number kinds, invariant number text.
#include "grid/foundation/ExtUtilNumbers.h"

#include "grid/foundation/ExtUtilUnicode.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace grid {

// --- Character classes

bool IsNumberChar(char32_t ch) { return IsUnicodeNumber(ch); }
bool IsDigitChar(char32_t ch) { return IsNumberChar(ch); }
bool IsNumberOrMinusChar(char32_t ch) { return IsNumberChar(ch) || ch == U'-'; }

bool IsFloatChar(char32_t ch)
{
    return IsNumberChar(ch) || ch == LocaleThousandSeparator() || ch == LocaleDecimalSeparator() ||
           ch == U'e' || ch == U'E';
}

bool IsScientificChar(char32_t ch) { return IsFloatChar(ch) || ch == U'+' || ch == U'-'; }

bool IsInvariantFloatChar(char32_t ch)
{
    return IsNumberChar(ch) || ch == U'+' || ch == U'-' || ch == U'.' || ch == U'E' || ch == U'e';
}

bool IsNumericEditKey(char32_t ch)
{
    return IsNumberChar(ch) || ch == LocaleThousandSeparator() || ch == LocaleDecimalSeparator() ||
           ch == 8 || ch == 9 || ch == 13 || ch == 27 || ch == U'-';
}

// --- Number text

std::string ParseFinancialNumber(std::string_view text)
{
    if (text.empty()) return {};
    std::u32string s = rtl::Utf8Decode(rtl::Trim(text));
    bool negative = !s.empty() && s.front() == U'(' && s.back() == U')';
    std::size_t start = 0;
    // Leading currency signs, blanks and the opening parenthesis go; a "-" among them
    // makes the number negative.
    while (s.size() - start >= 2 && !IsFloatChar(s[start])) {
        if (s[start] == U'-') negative = true;
        ++start;
    }
    const char32_t thousand = LocaleThousandSeparator();
    const char32_t decimal = LocaleDecimalSeparator();
    std::string out;
    for (std::size_t i = start; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (c == thousand) continue;
        if (c == decimal) {
            out.push_back('.');
        } else if (IsInvariantFloatChar(c)) {
            rtl::Utf8AppendChar(out, c);
        } else {
            break;
        }
    }
    return negative ? "-" + out : out;
}

int ClassifyNumberText(std::string_view text)
{
    if (text.empty()) return nkNotNumber;
    const std::u32string s = rtl::Utf8Decode(text);
    const char32_t timeSep = LocaleTimeSeparator();
    const char32_t dateSep = LocaleDateSeparator();
    const char32_t thousand = LocaleThousandSeparator();
    const char32_t decimal = LocaleDecimalSeparator();

    bool timeCandidate = s.find(timeSep) != std::u32string::npos;
    bool dateCandidate = s.find(dateSep) != std::u32string::npos;
    bool digitsOnly = true;
    bool floatValid = true;
    bool scientificValid = true;
    bool exponentSeen = false;
    int dateSeps = 0, timeSeps = 0, minusCount = 0, decimalSeps = 0;
    int lastDateSep = -1, lastTimeSep = -1, lastThousand = -1;

    const int n = static_cast<int>(s.size());
    for (int m = 1; m <= n; ++m) {
        const char32_t c = s[m - 1];
        const bool isNumber = IsNumberChar(c);
        const bool isExponent = c == U'e' || c == U'E';
        if (isExponent) {
            if (exponentSeen) scientificValid = false;
            exponentSeen = true;
        }
        if (!IsNumberOrMinusChar(c)) digitsOnly = false;
        if (m >= 2 && c == U'-') {
            digitsOnly = false;
            floatValid = false;
        }
        if (m == 1) {
            if (isExponent) scientificValid = false;
            if (!isNumber) {
                dateCandidate = false;
                timeCandidate = false;
            }
        }
        if (m == n && (isExponent || c == U'+' || c == U'-')) scientificValid = false;
        if (!isNumber && c != U'-' && c != thousand && c != decimal) floatValid = false;
        if (!isNumber) {
            if (c != dateSep) dateCandidate = false;
            if (c != timeSep) timeCandidate = false;
        }
        if (!IsScientificChar(c) || c == thousand) scientificValid = false;
        if (c == dateSep) {
            ++dateSeps;
            if (dateSeps >= 3 || (lastDateSep >= 0 && m == lastDateSep + 1)) dateCandidate = false;
            lastDateSep = m;
        }
        if (c == timeSep) {
            ++timeSeps;
            if (timeSeps >= 3 || (lastTimeSep >= 0 && m == lastTimeSep + 1)) timeCandidate = false;
            lastTimeSep = m;
        }
        if (c == thousand) {
            if (lastThousand >= 0 && m - lastThousand <= 3) floatValid = false;
            lastThousand = m;
        }
        if (c == U'-') ++minusCount;
        if (c == decimal) ++decimalSeps;
    }

    int kind = digitsOnly ? nkInteger : (floatValid && !exponentSeen) ? nkFloat : nkNotNumber;
    if (scientificValid && exponentSeen) {
        kind = nkScientific;
        if (minusCount == 2) minusCount = 1;  // signs of mantissa and exponent
    }
    if (timeCandidate) return nkTime;
    if (dateCandidate && dateSeps == 2) return nkDate;
    if (minusCount > 1 || decimalSeps > 1) return nkNotNumber;
    return kind;
}

std::string NumberToInvariantText(std::string_view text)
{
    const int kind = ClassifyNumberText(text);
    if (kind != nkInteger && kind != nkFloat) return std::string(text);
    const char32_t thousand = LocaleThousandSeparator();
    const char32_t decimal = LocaleDecimalSeparator();
    std::string out;
    for (char32_t c : rtl::Utf8Decode(text)) {
        if (c == thousand) continue;
        rtl::Utf8AppendChar(out, c == decimal ? U'.' : c);
    }
    return out;
}

std::string NumberFromInvariantText(std::string_view text)
{
    const int kind = ClassifyNumberText(text);
    const char32_t decimal = LocaleDecimalSeparator();
    if ((kind != nkInteger && kind != nkFloat) || decimal == U'.') return std::string(text);
    std::string out;
    for (char32_t c : rtl::Utf8Decode(text)) rtl::Utf8AppendChar(out, c == U'.' ? decimal : c);
    return out;
}

}  // namespace grid
