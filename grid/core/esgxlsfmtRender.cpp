// Number-format sections rendered token by token: colours, brackets, literals, date and time parts, number parts.
#include "grid/core/esgxlsfmtImpl.h"

#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

namespace grid::xlsfmt {
namespace {

// Colour names a section may start with; compared case-sensitively.
struct TColorName {
    std::string_view Name;
    gfx::TColor Color;
};
constexpr TColorName kColorNames[] = {
    {"Black", 0x000000}, {"Cyan", 0xFFFF00},  {"Blue", 0xFF0000},  {"Green", 0x008000},
    {"Magenta", 0xFF00FF}, {"Red", 0x0000FF}, {"White", 0xFFFFFF}, {"Yellow", 0x00FFFF},
};

constexpr std::string_view kLiteralChars = " !$&'()<=>^{}~";
constexpr std::string_view kAcuteAccent = "\xC2\xB4";  // U+00B4, also shown as it stands
constexpr std::string_view kDateChars = "./:ACDHMNPQSTWY\\";
constexpr std::string_view kNumberChars = " \"#%*+,-.0?E\\e";

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsNoCase(std::string_view s, std::size_t pos, std::string_view word) {
    if (s.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Upper(s[pos + i]) != word[i]) return false;
    return true;
}

// Character classes as lookup tables: the readers test every character of
// every section, which a search of the lists above would make the hot spot.
struct TCharClass {
    std::array<bool, 256> Member{};
    constexpr TCharClass(std::string_view chars, bool anyCase) {
        for (char c : chars) {
            Member[static_cast<unsigned char>(c)] = true;
            if (anyCase && c >= 'A' && c <= 'Z') Member[static_cast<unsigned char>(c - 'A' + 'a')] = true;
        }
    }
    constexpr bool operator()(char c) const { return Member[static_cast<unsigned char>(c)]; }
};
constexpr TCharClass IsLiteralChar(kLiteralChars, false);
constexpr TCharClass IsDateChar(kDateChars, true);
constexpr TCharClass IsNumberChar(kNumberChars, false);

// Byte length of the character starting at `pos` (at least 1 inside `s`).
std::size_t CharLength(std::string_view s, std::size_t pos) {
    std::size_t next = pos;
    rtl::Utf8NextChar(s, next);
    return next > pos ? next - pos : 1;
}

// Appends `text` to a float or date-time pattern as literal text, so that an
// escaped "0" or "d" stays a character and does not become a placeholder.
void AppendQuoted(std::string& pattern, std::string_view text) {
    if (text.empty()) return;
    if (text.find('"') == std::string_view::npos) {
        pattern += '"';
        pattern += text;
        pattern += '"';
    } else if (text.find('\'') == std::string_view::npos) {
        pattern += '\'';
        pattern += text;
        pattern += '\'';
    } else {
        for (char c : text) AppendQuoted(pattern, std::string_view(&c, 1));
    }
}

// Hours of a date-time on the 12-hour clock, decoded as the platform's date text
// decodes them (to the nearest millisecond).
int TwelveHourOf(double value) {
    const double frac = std::fabs(value - std::trunc(value));
    long long msec = std::llround(frac * rtl::MSecsPerDay);
    if (msec >= rtl::MSecsPerDay) msec -= rtl::MSecsPerDay;
    const int hour = static_cast<int>(msec / 3600000) % 12;
    return hour == 0 ? 12 : hour;
}

// Text of a whole number with at least `digits` digits, zero-padded after the sign.
std::string PaddedNumber(double whole, int digits) {
    std::string text;
    if (std::fabs(whole) < 9.0e18) {
        const long long n = static_cast<long long>(whole);
        text = rtl::IntToStr(n < 0 ? -n : n);
        if (static_cast<int>(text.size()) < digits)
            text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
        if (n < 0) text.insert(0, 1, '-');
        return text;
    }
    return rtl::FloatToStrF(whole, rtl::ffFixed, 15, 0, rtl::FormatSettings);
}

// Whole hours, minutes or seconds of a span of `days`. The span is first
// rounded to the millisecond: 13 minutes is 0.0090277… days, which times 1440
// is 12.99999…; truncating that unrounded would show 12 instead of 13.
double ElapsedUnits(double days, char unit) {
    const double msPerUnit = unit == 'H' ? 3600000.0 : unit == 'M' ? 60000.0 : 1000.0;
    const double ms = days * rtl::MSecsPerDay;
    if (std::fabs(ms) < 9.0e18) {
        const long long whole = std::llround(ms);
        return static_cast<double>(whole / static_cast<long long>(msPerUnit));
    }
    return std::trunc(ms / msPerUnit);
}

// Reads one section from left to right, appending what each token shows.
class TSectionRenderer {
public:
    TSectionRenderer(std::string_view section, TXlsRenderResult& out)
        : FSection(section), FOut(out) {}

    // Renders a number; false when a character at a token boundary is no format
    // character (the caller then shows the plain value).
    bool RenderNumber(double value, bool suppressNeg, bool date1904) {
        FValue = value;
        FSuppressNeg = suppressNeg;
        FDate1904 = date1904;
        FPos = ReadColorTag(FSection, FOut.Color);
        while (FPos < FSection.size()) {
            if (ReadElapsed() || ReadBracket() || ReadLiteral() || ReadDateTime() || ReadNumber()) continue;
            return false;
        }
        return true;
    }

    // Renders a text; false as above.
    bool RenderText(const std::string& value) {
        FPos = ReadColorTag(FSection, FOut.Color);
        while (FPos < FSection.size()) {
            if (ReadBracket() || ReadLiteral() || ReadTextValue(value)) continue;
            return false;
        }
        return true;
    }

private:
    char At(std::size_t pos) const { return FSection[pos]; }
    std::size_t Size() const { return FSection.size(); }

    // "[h]", "[mm]", "[ss]" …: elapsed hours, minutes or seconds of the value.
    // The token is read wherever it stands, also at the very end of a section.
    bool ReadElapsed() {
        if (At(FPos) != '[' || FPos + 1 >= Size()) return false;
        const char unit = Upper(At(FPos + 1));
        if (unit != 'H' && unit != 'M' && unit != 'S') return false;
        std::size_t end = FPos + 1;
        while (end < Size() && Upper(At(end)) == unit) ++end;
        if (end >= Size() || At(end) != ']') return false;
        const int letters = static_cast<int>(end - FPos - 1);
        FOut.Text += PaddedNumber(ElapsedUnits(FValue, unit), letters);
        FOut.HasTime = true;
        FMinutesPending = unit == 'H';
        FPos = end + 1;
        return true;
    }

    // Any other bracket is skipped; a currency tag "[$€-40E]" shows its symbol,
    // the locale number after "-" is not used.
    bool ReadBracket() {
        if (At(FPos) != '[') return false;
        const std::size_t close = FSection.find(']', FPos + 1);
        const std::size_t end = close == std::string_view::npos ? Size() : close;
        if (FSection.substr(FPos, 2) == "[$") {
            std::string_view symbol = FSection.substr(FPos + 2, end - FPos - 2);
            FOut.Text += symbol.substr(0, symbol.find('-'));
        }
        FPos = close == std::string_view::npos ? Size() : close + 1;
        return true;
    }

    // Characters shown as they stand, escaped characters, "_x" spacing and quoted text.
    bool ReadLiteral() {
        const char c = At(FPos);
        if (IsLiteralChar(c)) {
            FOut.Text += c;
            ++FPos;
            return true;
        }
        if (FSection.substr(FPos, kAcuteAccent.size()) == kAcuteAccent) {
            FOut.Text += kAcuteAccent;
            FPos += kAcuteAccent.size();
            return true;
        }
        if (c == '\\' || c == '*') {
            // "*x" would fill the cell with x; only the character is kept.
            ++FPos;
            if (FPos < Size()) {
                const std::size_t len = CharLength(FSection, FPos);
                FOut.Text += FSection.substr(FPos, len);
                FPos += len;
            }
            return true;
        }
        if (c == '_') {
            FOut.Text += ' ';
            ++FPos;
            if (FPos < Size()) FPos += CharLength(FSection, FPos);
            return true;
        }
        if (c == '"') {
            const std::size_t close = FSection.find('"', FPos + 1);
            const std::size_t end = close == std::string_view::npos ? Size() : close;
            FOut.Text += FSection.substr(FPos + 1, end - FPos - 1);
            FPos = close == std::string_view::npos ? Size() : close + 1;
            return true;
        }
        return false;
    }

    // A run of date and time letters, formatted by the platform's date text.
    bool ReadDateTime() {
        if (!IsDateChar(At(FPos))) return false;
        std::string pattern;
        bool afterHour = false;
        while (FPos < Size() && IsDateChar(At(FPos))) {
            const char c = At(FPos);
            if (c == '\\') {
                ++FPos;
                if (FPos < Size()) {
                    const std::size_t len = CharLength(FSection, FPos);
                    AppendQuoted(pattern, FSection.substr(FPos, len));
                    FPos += len;
                }
                continue;
            }
            if (StartsNoCase(FSection, FPos, "AM/PM")) {
                pattern += "ampm";
                FPos += 5;
                continue;
            }
            const char u = Upper(c);
            if (u == 'H' || u == 'M') {
                std::size_t end = FPos;
                while (end < Size() && Upper(At(end)) == u) ++end;
                const std::size_t count = end - FPos;
                FPos = end;
                if (u == 'H') {
                    AppendHours(pattern, count);
                    afterHour = true;
                    FOut.HasTime = true;
                } else if (afterHour || FMinutesPending) {
                    pattern.append(count, 'n');
                    afterHour = false;
                    FMinutesPending = false;
                    FOut.HasTime = true;
                } else {
                    pattern.append(count, 'm');
                    FOut.HasDate = true;
                }
                continue;
            }
            if (u == 'C' || u == 'D' || u == 'Y') FOut.HasDate = true;
            if (u == 'N' || u == 'S') FOut.HasTime = true;
            pattern += c;
            ++FPos;
        }
        const double dt = FDate1904 ? FValue + 1462 : FValue;
        if (!IsDisplayableDateTime(dt)) {
            FOut.Text += kBadDateText;
        } else {
            FOut.Text += rtl::FormatDateTime(pattern, dt, XlsDateSettings());
        }
        return true;
    }

    // The hours of a section with an AM/PM marker follow the 12-hour clock even
    // when the marker stands in a later part of the section ("h:mm AM/PM"), so
    // that 0.75 shows as "6:00 PM" and not "18:00 PM".
    bool TwelveHourClock() {
        if (FTwelveHour < 0)
            FTwelveHour = ContainsNoCase(FSection, "AM/PM") || ContainsNoCase(FSection, "A/P") ? 1 : 0;
        return FTwelveHour == 1;
    }

    void AppendHours(std::string& pattern, std::size_t count) {
        if (!TwelveHourClock()) {
            pattern.append(count, 'h');
            return;
        }
        const double dt = FDate1904 ? FValue + 1462 : FValue;
        const int hour = IsDisplayableDateTime(dt) ? TwelveHourOf(dt) : 12;
        std::string digits = rtl::IntToStr(hour);
        if (count >= 2 && digits.size() < 2) digits.insert(0, 1, '0');
        AppendQuoted(pattern, digits);
    }

    // A run of number placeholders and what may stand between them, formatted
    // by the platform's float patterns in the current locale.
    bool ReadNumber() {
        if (!IsNumberChar(At(FPos))) return false;
        std::string pattern;
        std::string shown;  // the run as literal text, for a run without placeholders
        bool hasDigits = false;
        double v = FValue;
        const std::size_t start = FPos;
        while (FPos < Size() && IsNumberChar(At(FPos))) {
            const char c = At(FPos);
            if (c == '?') {
                pattern += '#';
                hasDigits = true;
                ++FPos;
            } else if (c == '*' || c == '\\') {
                ++FPos;
                if (FPos < Size()) {
                    const std::size_t len = CharLength(FSection, FPos);
                    AppendQuoted(pattern, FSection.substr(FPos, len));
                    shown += FSection.substr(FPos, len);
                    FPos += len;
                }
            } else if (c == '"' && FPos > start) {
                const std::size_t close = FSection.find('"', FPos + 1);
                const std::size_t end = close == std::string_view::npos ? Size() : close;
                std::string text;
                for (char q : FSection.substr(FPos + 1, end - FPos - 1))
                    if (q != '\\') text += q;
                AppendQuoted(pattern, text);
                shown += text;
                FPos = close == std::string_view::npos ? Size() : close + 1;
            } else {
                if (c == '%') v *= 100;
                if (c == '0' || c == '#') hasDigits = true;
                pattern += c;
                shown += c;
                ++FPos;
            }
        }
        // A run without digit placeholders shows no number: "," and "-" between
        // date parts ("mmm d, yyyy", "yyyy-mm-dd") are shown as they stand, and
        // a negative value does not add a second minus sign.
        if (!hasDigits) {
            FOut.Text += shown;
            return true;
        }
        if (FSuppressNeg && v < 0) v = -v;
        FOut.Text += rtl::FormatFloat(pattern, v, rtl::FormatSettings);
        return true;
    }

    bool ReadTextValue(const std::string& value) {
        if (At(FPos) != '@') return false;
        FOut.Text += value;
        ++FPos;
        return true;
    }

    std::string_view FSection;
    TXlsRenderResult& FOut;
    std::size_t FPos = 0;
    double FValue = 0;
    bool FSuppressNeg = false;
    bool FDate1904 = false;
    int FTwelveHour = -1;  // 12-hour clock: -1 not yet known, 0 no, 1 yes
    bool FMinutesPending = false;  // "m" after an elapsed-hours token means minutes
};

}  // namespace

bool ContainsNoCase(std::string_view s, std::string_view upperWord) {
    if (upperWord.empty()) return true;
    for (std::size_t i = 0; i + upperWord.size() <= s.size(); ++i)
        if (Upper(s[i]) == upperWord[0] && StartsNoCase(s, i, upperWord)) return true;
    return false;
}

std::size_t ReadColorTag(std::string_view section, gfx::TColor* color) {
    if (section.empty() || section[0] != '[') return 0;
    const std::size_t close = section.find(']', 1);
    if (close == std::string_view::npos) return 0;
    const std::string_view name = section.substr(1, close - 1);
    for (const TColorName& entry : kColorNames) {
        if (entry.Name != name) continue;
        if (color != nullptr) *color = entry.Color;
        return close + 1;
    }
    return 0;
}

void RenderNumberSection(std::string_view section, double value, bool suppressNeg, bool date1904,
                         TXlsRenderResult& out) {
    TSectionRenderer renderer(section, out);
    if (renderer.RenderNumber(value, suppressNeg, date1904)) return;
    out.Text = rtl::FloatToStr(suppressNeg && value < 0 ? -value : value, rtl::FormatSettings);
}

void RenderTextSection(std::string_view section, const std::string& value, TXlsRenderResult& out) {
    TSectionRenderer renderer(section, out);
    if (renderer.RenderText(value)) return;
    out.Text = value;
}

bool IsDisplayableDateTime(double value) {
    constexpr double kFirstDay = -693593;  // 1 January 0001
    constexpr double kLastDay = 2958465;   // 31 December 9999
    if (!std::isfinite(value)) return false;
    const double day = std::trunc(value);
    const double frac = std::fabs(value - day);
    // A time that rounds to midnight moves the day on, as the date text decodes it.
    const double shown = std::llround(frac * rtl::MSecsPerDay) >= rtl::MSecsPerDay ? day + 1 : day;
    return shown >= kFirstDay && shown <= kLastDay;
}

}  // namespace grid::xlsfmt
