// Filter conditions of grid columns: left-to-right evaluation of terms and groups, comparisons and wildcard matching.
#include "grid/foundation/ExtUtilFilter.h"

#include "grid/foundation/ExtUtilDates.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "grid/foundation/ExtUtilUnicode.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

#include <charconv>
#include <array>

namespace grid {

namespace {

using U32View = std::u32string_view;
constexpr std::size_t npos = std::u32string_view::npos;
// Comparison operands and texts compare on at most this many characters.
constexpr std::size_t MaxOperandLength = 255;

U32View UpToNul(U32View s)
{
    const std::size_t nul = s.find(U'\0');
    return nul == npos ? s : s.substr(0, nul);
}

// Index of the first `ch` reached after an even number of double quotes.
std::size_t FindUnquoted(U32View s, char32_t ch)
{
    bool inQuotes = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ch && !inQuotes) return i;
        if (s[i] == U'"') inQuotes = !inQuotes;
    }
    return npos;
}

// Reads a comparison operand from index i: up to the end, an unquoted "&" or "|", or a
// blank (an unquoted one, or any blank when `anyBlankEnds`). A double quote at its start
// is skipped and one as its last character dropped.
std::u32string ReadOperand(U32View p, std::size_t i, bool anyBlankEnds)
{
    const std::size_t start = i;
    bool inQuotes = false;
    for (; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == U'"') {
            inQuotes = !inQuotes;
            continue;
        }
        if (!inQuotes && (c == U'&' || c == U'|')) break;
        if (c == U' ' && (!inQuotes || anyBlankEnds)) break;
    }
    U32View operand = p.substr(start, i - start);
    if (!operand.empty() && operand.front() == U'"') operand.remove_prefix(1);
    if (!operand.empty() && operand.back() == U'"') operand.remove_suffix(1);
    if (operand.size() > MaxOperandLength) operand = operand.substr(0, MaxOperandLength);
    return std::u32string(operand);
}

// A number of the locale: its thousand separators dropped and its decimal separator read
// as "."; then the platform's floating-point text rules: optional blanks, sign, digits
// with one "." and an exponent, optional blanks.
bool TryLocaleNumber(U32View text, double& value)
{
    const char32_t decimal = LocaleDecimalSeparator();
    const char32_t thousand = LocaleThousandSeparator();
    char ascii[MaxOperandLength + 2];
    std::size_t n = 0;
    for (char32_t c : text) {
        if (c == decimal)
            c = U'.';
        else if (c == thousand)
            continue;
        if (c >= 0x80 || n > MaxOperandLength) return false;
        ascii[n++] = static_cast<char>(c);
    }
    std::size_t b = 0, e = n;
    while (b < e && ascii[b] == ' ') ++b;
    while (e > b && ascii[e - 1] == ' ') --e;
    if (b == e) return false;
    bool negative = false;
    if (ascii[b] == '+' || ascii[b] == '-') {
        negative = ascii[b] == '-';
        ++b;
    }
    if (b == e || !((ascii[b] >= '0' && ascii[b] <= '9') || ascii[b] == '.')) return false;
    const auto [end, ec] = std::from_chars(ascii + b, ascii + e, value);
    if (ec != std::errc() || end != ascii + e) return false;
    if (negative) value = -value;
    return true;
}

// A date (and time) of the locale; only texts holding the date separator can be one.
bool TryLocaleDate(U32View text, TDateTime& value)
{
    if (text.find(LocaleDateSeparator()) == npos) return false;
    return ParseLocaleDate(rtl::Utf8Encode(text), value);
}

int Sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

// Compares the cell text with an operand: as numbers when both are numbers, else as
// dates when both are dates of the locale, else as texts in code-unit order.
int CompareWithOperand(U32View value, U32View operand)
{
    TDateTime valueDate = 0, operandDate = 0;
    // A date of the locale never counts as a number.
    const bool valueIsDate = TryLocaleDate(value, valueDate);
    const bool operandIsDate = TryLocaleDate(operand, operandDate);
    double valueNumber = 0, operandNumber = 0;
    const bool valueIsNumber = !valueIsDate && TryLocaleNumber(value, valueNumber);
    const bool operandIsNumber = !operandIsDate && TryLocaleNumber(operand, operandNumber);
    if (valueIsNumber && operandIsNumber) return Sign(valueNumber - operandNumber);
    if (valueIsDate && operandIsDate) return Sign(valueDate - operandDate);
    const U32View a = value.substr(0, MaxOperandLength);
    const U32View b = operand.substr(0, MaxOperandLength);
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// True when the pattern part (without "!", ">" or "<") matches some tail of the text, as
// if it began with "*". Quotes as in the full matcher: a double quote opens a quote and is
// dropped unless one was just opened, in which case it is a literal quote; "*" and "?" stay
// wildcards inside quotes. Greedy matching that backs up to the last "*": linear for the
// usual patterns, where trying every tail in turn would multiply the work with each "*".
bool MatchesSomeTail(U32View p, U32View t)
{
    std::size_t pi = 0, ti = 0;
    std::size_t starPi = 0, starTi = 0;  // the implied leading "*"
    bool inQuote = false;
    while (ti < t.size()) {
        if (pi < p.size()) {
            const char32_t c = p[pi];
            if (c == U'"' && !inQuote) {
                inQuote = true;
                ++pi;
                continue;
            }
            if (c == U'*') {
                while (pi < p.size() && p[pi] == U'*') ++pi;
                inQuote = false;
                starPi = pi;
                starTi = ti;
                continue;
            }
            if (c == U'?' || c == t[ti]) {
                inQuote = c == U'"';
                ++pi;
                ++ti;
                continue;
            }
        }
        // Mismatch: the last "*" takes one more character.
        pi = starPi;
        inQuote = false;
        ti = ++starTi;
    }
    while (pi < p.size()) {
        if (p[pi] == U'*') {
            inQuote = false;
        } else if (p[pi] == U'"' && !inQuote) {
            inQuote = true;
        } else {
            break;
        }
        ++pi;
    }
    return pi == p.size();
}

bool MatchPatternU32(U32View pattern, U32View text);

// The pattern rest after a "*" against the tails of the text, longest first. A rest
// without "!", ">" or "<" is plain wildcards and is matched in one pass.
bool MatchRestAgainstTails(U32View rest, U32View tail)
{
    if (rest.find_first_of(U"!<>") == npos) return MatchesSomeTail(rest, tail);
    for (std::size_t k = tail.size() + 1; k-- > 0;)
        if (MatchPatternU32(rest, tail.substr(tail.size() - k))) return true;
    return false;
}

bool WildcardMatch(U32View p, U32View t)
{
    bool match = true, negate = false, inQuote = false;
    std::size_t e = 0, g = 0;
    const bool quoteFirst = !p.empty() && p[0] == U'"';
    while (match && !(e == p.size() && g == t.size())) {
        const bool patternLeft = e < p.size();
        const char32_t c = patternLeft ? p[e] : 0;
        if (patternLeft && c == U'!' && !quoteFirst) {
            negate = true;
            ++e;
            inQuote = false;
        } else if (patternLeft && c == U'"' && !inQuote) {
            ++e;
            inQuote = true;
        } else if (patternLeft && c == U'*') {
            inQuote = false;
            while (e < p.size() && p[e] == U'*') ++e;
            if (MatchRestAgainstTails(p.substr(e), t.substr(g))) {
                e = p.size();
                g = t.size();
            } else {
                match = false;
            }
        } else if (patternLeft && c == U'?') {
            if (g < t.size()) {
                ++e;
                ++g;
            } else {
                match = false;
            }
            inQuote = false;
        } else {
            // An ordinary character (a quote right after an opening quote included) or the
            // end of the pattern while text remains.
            if (patternLeft && g < t.size() && c == t[g]) {
                ++e;
                ++g;
            } else {
                match = false;
            }
            if (c != U'"') inQuote = false;
        }
    }
    return match != negate;
}

bool MatchPatternU32(U32View pattern, U32View text)
{
    const U32View p = UpToNul(pattern);
    const U32View t = UpToNul(text);
    bool gt = true, lt = true, hasGt = false, hasLt = false;

    // First unquoted positions of the characters the stages look for, in one walk.
    std::size_t gtAt = npos, ltAt = npos, bangAt = npos, caretAt = npos, ampAt = npos;
    bool inQuotes = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == U'"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes) {
            std::size_t* slot = c == U'>' ? &gtAt : c == U'<' ? &ltAt : c == U'!' ? &bangAt
                              : c == U'^' ? &caretAt : c == U'&' ? &ampAt : nullptr;
            if (slot != nullptr && *slot == npos) *slot = i;
        }
    }
    if (gtAt != npos) {
        std::size_t i = gtAt + 1;
        const bool orEqual = i < p.size() && p[i] == U'=';
        if (orEqual) ++i;
        while (i < p.size() && p[i] == U' ') ++i;
        const int cmp = CompareWithOperand(t, ReadOperand(p, i, false));
        gt = orEqual ? cmp >= 0 : cmp > 0;
        hasGt = true;
    }
    if (ltAt != npos) {
        std::size_t i = ltAt + 1;
        const bool orEqual = i < p.size() && p[i] == U'=';
        if (orEqual) ++i;
        while (i < p.size() && p[i] == U' ') ++i;
        const int cmp = CompareWithOperand(t, ReadOperand(p, i, true));
        lt = orEqual ? cmp <= 0 : cmp < 0;
        hasLt = true;
    }
    if (bangAt != npos) {
        if (gtAt == npos) hasGt = true;
        if (ltAt == npos) hasLt = true;
    }
    if (caretAt != npos && (hasGt || hasLt)) return gt || lt;
    if (ampAt != npos && hasGt && hasLt) return gt && lt;
    if (gtAt != npos && gt) return true;
    if (ltAt != npos && lt) return true;
    return WildcardMatch(p, t);
}

void Combine(bool& acc, char prev, bool r)
{
    switch (prev) {
    case 0:
        acc = r;
        break;
    case '&':
        acc = acc && r;
        break;
    case ';':
    case '^':
    case '|':
        acc = acc || r;
        break;
    default:  // "(": the empty term after a group is dropped
        break;
    }
}

// True when combining with `prev` cannot change `acc`, so the term need not be matched.
bool CombineIsSettled(bool acc, char prev)
{
    if (prev == '(') return true;
    if (prev == '&') return !acc;
    if (prev == ';' || prev == '^' || prev == '|') return acc;
    return false;
}

// Byte index of the first of the operator characters "(", ";", "^", "&", "|" outside
// double quotes (all ASCII, so a byte walk over UTF-8 is exact); npos when none.
std::size_t FindOperatorByte(std::string_view text)
{
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inQuotes && (c == '(' || c == ';' || c == '^' || c == '&' || c == '|')) return i;
        if (c == '"') inQuotes = !inQuotes;
    }
    return std::string_view::npos;
}

// Byte index of the ")" closing the "(" at the start; npos when it is not closed.
std::size_t FindClosingParenthesisByte(std::string_view text)
{
    int opened = 0, closed = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++opened;
        if (text[i] == ')' && ++closed == opened) return i;
    }
    return std::string_view::npos;
}

// Code points of a cell text or term, upper-cased unless the match is case-sensitive.
// Short texts stay in a buffer on the stack.
class TMatchText {
public:
    TMatchText(std::string_view text, bool upper)
    {
        if (text.size() > FSmall.size()) FLarge.reserve(text.size());
        std::size_t i = 0;
        while (i < text.size()) {
            const auto b = static_cast<unsigned char>(text[i]);
            char32_t c;
            if (b < 0x80) {
                c = b;
                ++i;
            } else {
                c = rtl::Utf8NextChar(text, i);
            }
            Push(upper ? UpperChar(c) : c);
        }
    }
    U32View View() const
    {
        return FSize <= FSmall.size() ? U32View(FSmall.data(), FSize) : U32View(FLarge);
    }

private:
    void Push(char32_t c)
    {
        if (FSize < FSmall.size()) {
            FSmall[FSize++] = c;
            return;
        }
        if (FSize == FSmall.size()) FLarge.assign(FSmall.begin(), FSmall.end());
        FLarge.push_back(c);
        ++FSize;
    }
    std::array<char32_t, 64> FSmall;
    std::u32string FLarge;
    std::size_t FSize = 0;
};

// Blanks and control characters trimmed at both ends, as the platform's Trim does.
std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

bool MatchTerm(std::string_view term, U32View value, bool caseSensitive)
{
    if (term == "\"\"") return value.empty();
    return MatchPatternU32(TMatchText(term, !caseSensitive).View(), value);
}

// The condition against a cell text already decoded (and upper-cased unless the match is
// case-sensitive), so that a condition of many terms decodes the text once.
bool EvaluateCondition(std::string_view condition, U32View value, bool caseSensitive)
{
    std::string_view c = TrimView(condition);
    std::string withoutBlanks;
    if (c.find(' ') != std::string_view::npos) {
        withoutBlanks = RemoveUnquotedBlanks(c);
        c = withoutBlanks;
    }
    if (!c.empty() && c[0] == '=') c.remove_prefix(1);

    bool acc = true;
    char prev = 0;
    std::size_t opAt;
    while ((opAt = FindOperatorByte(c)) != std::string_view::npos) {
        const char op = c[opAt];
        const bool settled = CombineIsSettled(acc, prev);
        bool r = false;
        if (c[0] == '(') {
            const std::size_t close = FindClosingParenthesisByte(c);
            if (close == std::string_view::npos) {
                // A group without its ")" takes the rest of the condition, so the
                // evaluation always ends.
                if (!settled) r = EvaluateCondition(c.substr(1), value, caseSensitive);
                c = {};
            } else {
                if (!settled) r = EvaluateCondition(c.substr(1, close - 1), value, caseSensitive);
                c.remove_prefix(close + 1);
            }
        } else {
            if (!settled) r = MatchTerm(c.substr(0, opAt), value, caseSensitive);
            c.remove_prefix(opAt + 1);
        }
        if (!settled) Combine(acc, prev, r);
        prev = op;
    }
    if (CombineIsSettled(acc, prev)) return acc;
    Combine(acc, prev, MatchTerm(c, value, caseSensitive));
    return acc;
}

}  // namespace

bool EvaluateFilterCondition(std::string_view condition, std::string_view value,
                             bool caseSensitive)
{
    return EvaluateCondition(condition, TMatchText(value, !caseSensitive).View(), caseSensitive);
}

bool MatchFilterTerm(std::string_view term, std::string_view value, bool caseSensitive)
{
    return MatchTerm(term, TMatchText(value, !caseSensitive).View(), caseSensitive);
}

bool MatchPattern(std::string_view pattern, std::string_view text)
{
    return MatchPatternU32(rtl::Utf8Decode(pattern), rtl::Utf8Decode(text));
}

std::string RemoveUnquotedBlanks(std::string_view text)
{
    if (text.find(' ') == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"') inQuotes = !inQuotes;
        if (c == ' ' && !inQuotes) continue;
        out.push_back(c);
    }
    return out;
}

int FindClosingParenthesis(std::string_view text)
{
    int opened = 0, closed = 0, pos = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++pos;
        if (text[i] == '(') ++opened;
        if (text[i] == ')' && ++closed == opened) return pos;
    }
    return 0;
}

char32_t FindUnquotedOperator(std::u32string_view charSet, std::string_view text, int& pos)
{
    bool inQuotes = false;
    int charPos = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = rtl::Utf8NextChar(text, i);
        ++charPos;
        if (!inQuotes && charSet.find(c) != npos) {
            pos = charPos;
            return c;
        }
        if (c == U'"') inQuotes = !inQuotes;
    }
    pos = -1;
    return 0;
}

std::string NumberTextToInvariant(std::string_view text)
{
    const char32_t decimal = LocaleDecimalSeparator();
    const char32_t thousand = LocaleThousandSeparator();
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = rtl::Utf8NextChar(text, i);
        if (c == U'\0') break;
        if (c == decimal)
            out.push_back('.');
        else if (c != thousand)
            rtl::Utf8AppendChar(out, c);
    }
    return out;
}

int FindUnquotedChar(std::string_view text, char32_t ch)
{
    const std::size_t at = FindUnquoted(UpToNul(rtl::Utf8Decode(text)), ch);
    return at == npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace grid
