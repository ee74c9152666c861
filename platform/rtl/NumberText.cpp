// Number text: float formatting and patterns, integer text, parsing, rounding.
#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {

constexpr int kMaxPrecision = 15;  // significant digits a double carries

int ClampInt(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

// --- Exact decimal rounding ------------------------------------------------

// Number of significant decimal digits of the exact expansion of a positive
// finite double whose leading digit has the decimal exponent `x` (value =
// 0.d1d2... x 10^x). The double is m * 2^e with m odd: for e < 0 the expansion
// ends exactly at the digit of weight 10^e; for e >= 0 it is an integer whose
// trailing zeros are min(e, number of factors 5 of m).
int ExactSignificantDigits(double a, int x) {
    int e2 = 0;
    double f = std::frexp(a, &e2);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    int e = e2 - 53;
    while ((m & 1u) == 0 && m != 0) {
        m >>= 1;
        ++e;
    }
    if (e < 0) return x - e;
    int fives = 0;
    while (m % 5 == 0 && m != 0) {
        m /= 5;
        ++fives;
    }
    return x - std::min(e, fives);
}

// True when rounding the exact value of `a` at the significant digit index
// `k` (0 = before the first digit) must go up: the exact remainder is at least
// half a unit, ties going away from zero. `r17` holds 17 correctly rounded
// significant digits and `x` their exponent. Only a remainder that reads
// exactly "5000..." in the 17 digits needs the exact expansion.
bool RoundsUp(double a, const char* r17, int k, int x) {
    if (r17[k] != '5') return r17[k] > '5';
    for (int i = k + 1; i < 17; ++i)
        if (r17[i] != '0') return true;
    int s = ExactSignificantDigits(a, x);
    if (s <= k) return false;
    if (s == k + 1) return true;  // exact tie: away from zero
    std::vector<char> exact(static_cast<std::size_t>(s) + 16);
    auto res = std::to_chars(exact.data(), exact.data() + exact.size(), a,
                             std::chars_format::scientific, s - 1);
    (void)res;
    // exact = "d.ddd...e+xx"; significant digit i sits at i + (i > 0).
    char digit = exact[static_cast<std::size_t>(k) + (k > 0 ? 1 : 0)];
    return digit >= '5';
}

// --- Integer text helpers ----------------------------------------------------

std::string UnsignedToStr(unsigned long long v) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string SignedToStr(long long v) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string HexText(unsigned long long v, int digits) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v, 16);
    std::string s(buf, res.ptr);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<std::size_t>(digits) - s.size(), '0');
    return s;
}

// --- Fixed, exponent and general layouts -----------------------------------

// Integer and decimal digits of `rec` as fixed-point text without sign.
std::string FixedBody(const TFloatRec& rec, int decimals, char thousandSep, char decimalSep) {
    const std::string& d = rec.Digits;
    const int len = static_cast<int>(d.size());
    const int x = rec.Exponent;
    std::string out;
    if (x <= 0) {
        out = "0";
    } else {
        out.reserve(static_cast<std::size_t>(x + x / 3 + decimals + 2));
        for (int i = 0; i < x; ++i) {
            out += i < len ? d[static_cast<std::size_t>(i)] : '0';
            int fromUnits = x - 1 - i;
            if (thousandSep != '\0' && fromUnits > 0 && fromUnits % 3 == 0) out += thousandSep;
        }
    }
    if (decimals > 0) {
        out += decimalSep;
        for (int i = 0; i < decimals; ++i) {
            int pos = x + i;
            out += (pos >= 0 && pos < len) ? d[static_cast<std::size_t>(pos)] : '0';
        }
    }
    return out;
}

void AppendExponent(std::string& out, int exp, bool plusSign, int minDigits) {
    if (exp < 0)
        out += '-';
    else if (plusSign)
        out += '+';
    std::string e = UnsignedToStr(static_cast<unsigned long long>(exp < 0 ? -exp : exp));
    if (static_cast<int>(e.size()) < minDigits) out.append(static_cast<std::size_t>(minDigits) - e.size(), '0');
    out += e;
}

// "d.dddE+xxx" with exactly `precision` mantissa digits.
std::string ExponentBody(const TFloatRec& rec, int precision, int expDigits, char decimalSep) {
    std::string mant = rec.Digits;
    if (static_cast<int>(mant.size()) < precision) mant.append(static_cast<std::size_t>(precision) - mant.size(), '0');
    std::string out(1, mant[0]);
    if (precision > 1) {
        out += decimalSep;
        out.append(mant, 1, static_cast<std::size_t>(precision - 1));
    }
    out += 'E';
    AppendExponent(out, rec.Digits.empty() ? 0 : rec.Exponent - 1, true, expDigits);
    return out;
}

std::string GeneralBody(const TFloatRec& rec, int precision, int expDigits, char decimalSep) {
    const std::string& d = rec.Digits;
    if (d.empty()) return "0";
    const int len = static_cast<int>(d.size());
    const int x = rec.Exponent;
    std::string out;
    if (x > precision || x < -3) {
        out += d[0];
        if (len > 1) {
            out += decimalSep;
            out.append(d, 1, std::string::npos);
        }
        out += 'E';
        AppendExponent(out, x - 1, false, expDigits);
        return out;
    }
    if (x <= 0) {
        out = "0";
        out += decimalSep;
        out.append(static_cast<std::size_t>(-x), '0');
        out += d;
        return out;
    }
    for (int i = 0; i < x; ++i) out += i < len ? d[static_cast<std::size_t>(i)] : '0';
    if (len > x) {
        out += decimalSep;
        out.append(d, static_cast<std::size_t>(x), std::string::npos);
    }
    return out;
}

std::string SpecialText(const TFloatRec& rec) {
    if (rec.Special == 1) return "NAN";
    return rec.Negative ? "-INF" : "INF";
}

// Places the money amount `body` and the currency string as the settings say.
std::string CurrencyText(const std::string& body, bool negative, const TFormatSettings& fs) {
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
            case 1: return body + c;
            case 2: return c + " " + body;
            case 3: return body + " " + c;
            default: return c + body;
        }
    }
    switch (fs.NegCurrFormat) {
        case 1: return "-" + c + body;
        case 2: return c + "-" + body;
        case 3: return c + body + "-";
        case 4: return "(" + body + c + ")";
        case 5: return "-" + body + c;
        case 6: return body + "-" + c;
        case 7: return body + c + "-";
        case 8: return "-" + body + " " + c;
        case 9: return "-" + c + " " + body;
        case 10: return body + " " + c + "-";
        case 11: return c + " " + body + "-";
        case 12: return c + " -" + body;
        case 13: return body + "- " + c;
        case 14: return "(" + c + " " + body + ")";
        case 15: return "(" + body + " " + c + ")";
        default: return "(" + c + body + ")";
    }
}

// --- FormatFloat sections ------------------------------------------------------

// Splits a pattern into at most three sections at ";" outside quotes.
std::vector<std::string_view> SplitSections(std::string_view fmt) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        char c = fmt[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(fmt.substr(start, i - start));
            start = i + 1;
            if (sections.size() == 3) return sections;
        }
    }
    sections.push_back(fmt.substr(start));
    return sections;
}

// What a section asks for, found by one scan of its characters.
struct TSectionLayout {
    int placeholders = 0;     // "0" and "#" before any exponent
    int decimalIndex = -1;    // placeholders before the first "."
    int firstZero = 32767;    // index of the first "0" placeholder
    int lastZero = 0;         // index just after the last "0" placeholder
    bool thousands = false;
    bool scientific = false;

    int MinInt() const { return firstZero < decimalIndex ? decimalIndex - firstZero : 0; }
    int MinDec() const { return lastZero > decimalIndex ? lastZero - decimalIndex : 0; }
    int DecPlaces() const { return placeholders - decimalIndex; }
};

// Length of an exponent marker ("E+" and the "0"s after it) at `i`, 0 if none.
std::size_t ExponentMarkerLength(std::string_view s, std::size_t i, int& zeros) {
    zeros = 0;
    if ((s[i] != 'E' && s[i] != 'e') || i + 1 >= s.size() || (s[i + 1] != '+' && s[i + 1] != '-'))
        return 0;
    std::size_t j = i + 2;
    while (j < s.size() && s[j] == '0') {
        ++zeros;
        ++j;
    }
    zeros = std::min(zeros, 4);
    return j - i;
}

TSectionLayout ScanSection(std::string_view s) {
    TSectionLayout l;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"' || c == '\'') {
            std::size_t close = s.find(c, i + 1);
            i = close == std::string_view::npos ? s.size() : close;
        } else if (c == '0' || c == '#') {
            if (c == '0') {
                l.firstZero = std::min(l.firstZero, l.placeholders);
                l.lastZero = l.placeholders + 1;
            }
            ++l.placeholders;
        } else if (c == '.') {
            if (l.decimalIndex < 0) l.decimalIndex = l.placeholders;
        } else if (c == ',') {
            l.thousands = true;
        } else if (!l.scientific) {
            int zeros = 0;
            std::size_t n = ExponentMarkerLength(s, i, zeros);
            if (n > 0) {
                l.scientific = true;
                i += n - 1;
            }
        }
    }
    if (l.decimalIndex < 0) l.decimalIndex = l.placeholders;
    return l;
}

TFloatRec RoundForSection(double value, const TSectionLayout& l) {
    if (l.scientific) return FloatToDecimal(value, ClampInt(l.placeholders, 1, kMaxPrecision), 9999);
    return FloatToDecimal(value, kMaxPrecision, l.DecPlaces());
}

// Writes one section with the rounded value `rec`.
std::string RenderSection(std::string_view s, const TSectionLayout& l, const TFloatRec& rec,
                          bool minus, const TFormatSettings& fs) {
    const std::string& d = rec.Digits;
    const int len = static_cast<int>(d.size());
    const int intPlaces = l.decimalIndex;
    std::string intDigits, decDigits;
    int shownExp = 0;
    if (l.scientific) {
        if (len > 0) {
            shownExp = rec.Exponent - intPlaces;
            for (int i = 0; i < intPlaces; ++i) intDigits += i < len ? d[static_cast<std::size_t>(i)] : '0';
            if (len > intPlaces) decDigits = d.substr(static_cast<std::size_t>(intPlaces));
        }
    } else {
        const int x = rec.Exponent;
        for (int i = 0; i < x; ++i) intDigits += i < len ? d[static_cast<std::size_t>(i)] : '0';
        for (int pos = std::min(x, 0); pos < len; ++pos)
            if (pos >= x) decDigits += pos >= 0 ? d[static_cast<std::size_t>(pos)] : '0';
    }
    if (static_cast<int>(intDigits.size()) < l.MinInt())
        intDigits.insert(0, static_cast<std::size_t>(l.MinInt()) - intDigits.size(), '0');
    if (static_cast<int>(decDigits.size()) < l.MinDec())
        decDigits.append(static_cast<std::size_t>(l.MinDec()) - decDigits.size(), '0');

    const char thousandSep = l.thousands && !l.scientific ? fs.ThousandSeparator : '\0';
    const int intLen = static_cast<int>(intDigits.size());
    int intEmitted = 0;  // integer digits written so far
    auto emitIntDigitsUpTo = [&](std::string& out, int count) {
        for (; intEmitted < count; ++intEmitted) {
            out += intDigits[static_cast<std::size_t>(intEmitted)];
            int fromUnits = intLen - 1 - intEmitted;
            if (thousandSep != '\0' && fromUnits > 0 && fromUnits % 3 == 0) out += thousandSep;
        }
    };

    std::string out;
    if (minus) out += '-';
    int placeholder = 0;
    bool pointDone = false;
    bool exponentDone = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"' || c == '\'') {
            std::size_t close = s.find(c, i + 1);
            std::size_t end = close == std::string_view::npos ? s.size() : close;
            out.append(s.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '0' || c == '#') {
            if (placeholder < intPlaces) {
                // Units position is 0; the first placeholder takes every digit
                // the pattern has no room for.
                int position = intPlaces - 1 - placeholder;
                emitIntDigitsUpTo(out, std::max(intEmitted, intLen - position));
            } else {
                emitIntDigitsUpTo(out, intLen);
                int j = placeholder - intPlaces;
                if (j < static_cast<int>(decDigits.size())) out += decDigits[static_cast<std::size_t>(j)];
            }
            ++placeholder;
        } else if (c == '.') {
            if (!pointDone) {
                emitIntDigitsUpTo(out, intLen);
                if (!decDigits.empty()) out += fs.DecimalSeparator;
                pointDone = true;
            }
        } else if (c == ',') {
            // thousand separators come with the digits
        } else {
            int zeros = 0;
            std::size_t n = (l.scientific && !exponentDone) ? ExponentMarkerLength(s, i, zeros) : 0;
            if (n > 0) {
                emitIntDigitsUpTo(out, intLen);
                out += c;
                AppendExponent(out, shownExp, s[i + 1] == '+', zeros);
                exponentDone = true;
                i += n - 1;
            } else {
                out += c;
            }
        }
    }
    // A section without digit placeholders shows no digits ("neg").
    return out;
}

// --- Parsing ------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Parses integer text into its magnitude and sign. `hexBits` is the width up
// to which hexadecimal text may go (as a bit pattern); `maxDecimal` the largest
// positive decimal magnitude (one more is allowed when negative).
bool ParseInteger(std::string_view s, int hexBits, unsigned long long maxDecimal, long long& result) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size()) return false;
    unsigned long long v = 0;
    if (hex) {
        const unsigned long long limit = hexBits >= 64 ? ~0ULL : ((1ULL << hexBits) - 1);
        for (; i < s.size(); ++i) {
            char c = s[i];
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return false;
            if (v > (limit >> 4)) return false;
            v = (v << 4) | static_cast<unsigned long long>(digit);
        }
        // The bit pattern of the type's width, then the sign.
        long long signedValue = hexBits >= 64 ? static_cast<long long>(v)
                                              : static_cast<long long>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
        result = negative ? static_cast<long long>(0ULL - static_cast<unsigned long long>(signedValue)) : signedValue;
        return true;
    }
    const unsigned long long limit = maxDecimal + (negative ? 1 : 0);
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c < '0' || c > '9') return false;
        unsigned digit = static_cast<unsigned>(c - '0');
        if (v > (limit - digit) / 10) return false;
        v = v * 10 + digit;
    }
    result = negative ? static_cast<long long>(0ULL - v) : static_cast<long long>(v);
    return true;
}

[[noreturn]] void RaiseInvalidInteger(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

[[noreturn]] void RaiseInvalidFloat(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

bool ParseFloat(std::string_view s, char decimalSep, double& result) {
    std::size_t i = 0, end = s.size();
    while (i < end && IsBlank(s[i])) ++i;
    while (end > i && IsBlank(s[end - 1])) --end;
    // Normalised copy for from_chars: no "+", "." as the decimal point.
    char stackBuf[128];
    std::string heapBuf;
    char* buf = stackBuf;
    if (end - i + 1 > sizeof stackBuf) {
        heapBuf.resize(end - i + 1);
        buf = heapBuf.data();
    }
    std::size_t n = 0;
    if (i < end && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') buf[n++] = '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    for (; i < end; ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            buf[n++] = c;
            ++mantissaDigits;
        } else if (c == decimalSep && !point) {
            buf[n++] = '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        buf[n++] = 'e';
        ++i;
        if (i < end && (s[i] == '+' || s[i] == '-')) buf[n++] = s[i++];
        int expDigits = 0;
        for (; i < end && s[i] >= '0' && s[i] <= '9'; ++i, ++expDigits) buf[n++] = s[i];
        if (expDigits == 0) return false;
    }
    if (i != end) return false;
    double v = 0.0;
    auto res = std::from_chars(buf, buf + n, v, std::chars_format::general);
    if (res.ptr != buf + n) return false;
    if (res.ec == std::errc::result_out_of_range) {
        // Out of range is either an overflow (not a number we can hold) or an
        // underflow, which reads as zero.
        bool tooBig = false;
        {
            // Exponent of the leading significant digit.
            long long lead = 0, exp = 0;
            bool seenNonZero = false, afterPoint = false;
            std::size_t k = (buf[0] == '-') ? 1 : 0;
            for (; k < n && buf[k] != 'e'; ++k) {
                if (buf[k] == '.') {
                    afterPoint = true;
                    continue;
                }
                if (!seenNonZero) {
                    if (buf[k] != '0') {
                        seenNonZero = true;
                        if (!afterPoint) lead = 1;
                    } else if (afterPoint) {
                        --lead;
                    }
                } else if (!afterPoint) {
                    ++lead;
                }
            }
            if (k < n) {
                std::from_chars(buf + k + 1 + (buf[k + 1] == '+' ? 1 : 0), buf + n, exp);
            }
            tooBig = seenNonZero && lead + exp > 0;
        }
        if (tooBig) return false;
        v = 0.0;
    } else if (res.ec != std::errc()) {
        return false;
    }
    result = v;
    return true;
}

}  // namespace

// --- Rounding to decimal digits ----------------------------------------------

namespace {

using u128 = unsigned __int128;

struct TPow10Table {
    u128 v[39];
    constexpr TPow10Table() : v() {
        v[0] = 1;
        for (int i = 1; i < 39; ++i) v[i] = v[i - 1] * 10;
    }
};
constexpr TPow10Table kPow10;

int DecimalLength(std::uint64_t n) {
    int len = 1;
    while (n >= 10) {
        n /= 10;
        ++len;
    }
    return len;
}

// Stores the rounded integer n (the value times 10^q) as digits and exponent.
void StoreRounded(std::uint64_t n, int q, bool negative, TFloatRec& rec) {
    if (n == 0) return;
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, n);
    const int len = static_cast<int>(res.ptr - buf);
    int used = len;
    while (used > 0 && buf[used - 1] == '0') --used;
    rec.Digits.assign(buf, static_cast<std::size_t>(used));
    rec.Exponent = len - q;
    rec.Negative = negative;
}

// Exact rounding in 128-bit integer arithmetic for the values of everyday
// numbers (1e-20 <= a < 2^63): a = m * 2^e exactly, so a * 10^q (or a / 10^-q)
// and its remainder are computed without error. Answers false when the value
// or the wanted digits fall outside what fits; the general method then runs.
bool FastDecimal(double a, int precision, int decimals, bool negative, TFloatRec& rec) {
    if (!(a >= 1e-20 && a < 9.2e18)) return false;
    int e2 = 0;
    const double f = std::frexp(a, &e2);
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    const int e = e2 - 53;  // a = m * 2^e, e >= -120 here
    int x;                  // a = 0.d1d2... * 10^x
    if (a >= 1.0) {
        x = DecimalLength(static_cast<std::uint64_t>(a));
    } else {
        // The smallest j with a * 10^j >= 1, i.e. m * 10^j >= 2^-e.
        const u128 one = u128(1) << (-e);
        int j = 1;
        while (u128(m) * kPow10.v[j] < one) ++j;
        x = 1 - j;
    }
    const long long kWide = std::min<long long>(precision, static_cast<long long>(x) + decimals);
    if (kWide < 0) return true;  // rounds to zero
    const int q = static_cast<int>(kWide) - x;  // decimals kept (negative: tens, hundreds...)
    u128 n;
    if (q >= 0) {
        if (q > 22 || e >= 0) return false;
        const u128 num = u128(m) * kPow10.v[q];
        const int s = -e;
        n = num >> s;
        const u128 rem = num - (n << s);
        if (rem >= (u128(1) << (s - 1))) ++n;  // half away from zero
    } else {
        const int r = -q;
        const u128 den = e >= 0 ? kPow10.v[r] : (kPow10.v[r] << (-e));
        const u128 num = e >= 0 ? (u128(m) << e) : u128(m);
        n = num / den;
        const u128 rem = num - n * den;
        if (rem * 2 >= den) ++n;
    }
    StoreRounded(static_cast<std::uint64_t>(n), q, negative, rec);
    return true;
}

// General method: 17 correctly rounded digits from the library, and the exact
// expansion only when they cannot decide a tie.
void SlowDecimal(double a, int precision, int decimals, bool negative, TFloatRec& rec) {
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 16);
    // buf = "d.dddddddddddddddde[+-]xx"
    char r17[17];
    r17[0] = buf[0];
    std::memcpy(r17 + 1, buf + 2, 16);
    int exp10 = 0;
    const char* e = static_cast<const char*>(std::memchr(buf, 'e', static_cast<std::size_t>(res.ptr - buf)));
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exp10);
    const int x = exp10 + 1;

    long long kWide = std::min<long long>(precision, static_cast<long long>(x) + decimals);
    if (kWide < 0) return;
    const int k = static_cast<int>(kWide);
    std::string digits(r17, static_cast<std::size_t>(std::min(k, 17)));
    int exponent = x;
    if (k < 17 && RoundsUp(a, r17, k, x)) {
        int i = k - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            if (digits.empty()) digits = "1";
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) return;
    rec.Digits = std::move(digits);
    rec.Exponent = exponent;
    rec.Negative = negative;
}

}  // namespace

TFloatRec FloatToDecimal(double value, int precision, int decimals) {
    TFloatRec rec;
    if (std::isnan(value)) {
        rec.Special = 1;
        return rec;
    }
    if (std::isinf(value)) {
        rec.Special = 2;
        rec.Negative = value < 0;
        return rec;
    }
    if (value == 0.0) return rec;
    precision = ClampInt(precision, 1, 17);
    const double a = std::fabs(value);
    if (!FastDecimal(a, precision, decimals, value < 0, rec)) SlowDecimal(a, precision, decimals, value < 0, rec);
    return rec;
}

// --- Float text ------------------------------------------------------------------

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& fs) {
    precision = ClampInt(precision, 1, kMaxPrecision);
    const char dec = fs.DecimalSeparator;
    if (format == ffGeneral || format == ffExponent) {
        TFloatRec rec = FloatToDecimal(value, precision, 9999);
        if (rec.Special != 0) return SpecialText(rec);
        std::string body = format == ffGeneral ? GeneralBody(rec, precision, ClampInt(digits, 0, 4), dec)
                                               : ExponentBody(rec, precision, ClampInt(digits, 0, 4), dec);
        return rec.Negative ? "-" + body : body;
    }
    digits = ClampInt(digits, 0, 18);
    TFloatRec rec = FloatToDecimal(value, precision, digits);
    if (rec.Special != 0) return SpecialText(rec);
    std::string body;
    if (rec.Exponent > precision) {
        // The integer part needs more digits than the precision gives.
        body = ExponentBody(rec, precision, 3, dec);
        if (format == ffCurrency) return CurrencyText(body, rec.Negative, fs);
        return rec.Negative ? "-" + body : body;
    }
    body = FixedBody(rec, digits, format == ffFixed ? '\0' : fs.ThousandSeparator, dec);
    if (format == ffCurrency) return CurrencyText(body, rec.Negative, fs);
    return rec.Negative ? "-" + body : body;
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStr(double value, const TFormatSettings& fs) {
    return FloatToStrF(value, ffGeneral, kMaxPrecision, 0, fs);
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings); }

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& fs) {
    if (format.empty() || std::isnan(value) || std::isinf(value)) return FloatToStr(value, fs);
    std::vector<std::string_view> sections = SplitSections(format);
    auto hasSection = [&](std::size_t i) { return i < sections.size() && !sections[i].empty(); };

    std::size_t wanted = value > 0 ? 0 : (value < 0 ? 1 : 2);
    std::size_t used = hasSection(wanted) ? wanted : 0;
    TSectionLayout layout = ScanSection(sections[used]);
    TFloatRec rec = RoundForSection(value, layout);
    if (rec.Digits.empty() && used != 2 && hasSection(2)) {
        // Rounded to zero: the zero section applies.
        used = 2;
        layout = ScanSection(sections[used]);
        rec = TFloatRec();
    }
    // Only the first section gets an automatic minus; a value that rounded to
    // zero has none.
    bool minus = rec.Negative && used == 0;
    return RenderSection(sections[used], layout, rec, minus, fs);
}

std::string FormatFloat(const std::string& format, double value) {
    return FormatFloat(format, value, FormatSettings);
}

// --- Integer text -----------------------------------------------------------------

std::string IntToStr(int value) { return SignedToStr(value); }
std::string IntToStr(long value) { return SignedToStr(value); }
std::string IntToStr(long long value) { return SignedToStr(value); }
std::string IntToStr(unsigned value) { return UnsignedToStr(value); }
std::string IntToStr(unsigned long value) { return UnsignedToStr(value); }
std::string IntToStr(unsigned long long value) { return UnsignedToStr(value); }

std::string IntToHex(int value, int digits) { return HexText(static_cast<std::uint32_t>(value), digits); }
std::string IntToHex(long value, int digits) { return HexText(static_cast<std::uint64_t>(value), digits); }
std::string IntToHex(long long value, int digits) { return HexText(static_cast<std::uint64_t>(value), digits); }
std::string IntToHex(unsigned value, int digits) { return HexText(value, digits); }
std::string IntToHex(unsigned long value, int digits) { return HexText(value, digits); }
std::string IntToHex(unsigned long long value, int digits) { return HexText(value, digits); }

bool TryStrToInt(const std::string& text, int& value) {
    long long v = 0;
    if (!ParseInteger(text, 32, static_cast<unsigned long long>(std::numeric_limits<int>::max()), v)) return false;
    value = static_cast<int>(v);
    return true;
}

bool TryStrToInt64(const std::string& text, std::int64_t& value) {
    long long v = 0;
    if (!ParseInteger(text, 64, static_cast<unsigned long long>(std::numeric_limits<long long>::max()), v))
        return false;
    value = v;
    return true;
}

int StrToInt(const std::string& text) {
    int v = 0;
    if (!TryStrToInt(text, v)) RaiseInvalidInteger(text);
    return v;
}

std::int64_t StrToInt64(const std::string& text) {
    std::int64_t v = 0;
    if (!TryStrToInt64(text, v)) RaiseInvalidInteger(text);
    return v;
}

int StrToIntDef(const std::string& text, int defaultValue) {
    int v = 0;
    return TryStrToInt(text, v) ? v : defaultValue;
}

std::int64_t StrToInt64Def(const std::string& text, std::int64_t defaultValue) {
    std::int64_t v = 0;
    return TryStrToInt64(text, v) ? v : defaultValue;
}

// --- Float parsing -------------------------------------------------------------------

bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& fs) {
    return ParseFloat(text, fs.DecimalSeparator, value);
}

bool TryStrToFloat(const std::string& text, double& value) {
    return TryStrToFloat(text, value, FormatSettings);
}

double StrToFloat(const std::string& text, const TFormatSettings& fs) {
    double v = 0.0;
    if (!ParseFloat(text, fs.DecimalSeparator, v)) RaiseInvalidFloat(text);
    return v;
}

double StrToFloat(const std::string& text) { return StrToFloat(text, FormatSettings); }

double StrToFloatDef(const std::string& text, double defaultValue, const TFormatSettings& fs) {
    double v = 0.0;
    return ParseFloat(text, fs.DecimalSeparator, v) ? v : defaultValue;
}

double StrToFloatDef(const std::string& text, double defaultValue) {
    return StrToFloatDef(text, defaultValue, FormatSettings);
}

// --- Rounding to integers -------------------------------------------------------------

namespace {
std::int64_t CheckedToInt64(double v) {
    // 2^63 is the first double beyond the range; -2^63 is still inside.
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0))
        throw EMathError("Invalid floating point operation");
    return static_cast<std::int64_t>(v);
}
}  // namespace

std::int64_t Round(double value) { return CheckedToInt64(std::nearbyint(value)); }

std::int64_t Trunc(double value) { return CheckedToInt64(std::trunc(value)); }

}  // namespace rtl
