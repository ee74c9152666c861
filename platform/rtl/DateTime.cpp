// Dates and times: TDateTime encoding, calendar arithmetic, date text and parsing.
#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string_view>
#include <sys/time.h>

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {

// Serial day numbers: 0 is 30 December 1899. Valid years 1..9999 cover the
// days from 1 January 0001 to 31 December 9999.
constexpr long long kFirstDay = -693593;  // 0001-01-01
constexpr long long kLastDay = 2958465;   // 9999-12-31
constexpr long long kEpochShift = 25569;  // days from 1899-12-30 to 1970-01-01

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// A date-time split into its serial day and the milliseconds of that day.
// The time is taken to the nearest millisecond; a time that rounds up to a
// whole day moves to the next day. Values outside the years 1..9999 (and NaN)
// give `valid` false.
struct TDayTime {
    long long day = 0;
    long long msec = 0;
    bool valid = false;
};

TDayTime SplitDateTime(TDateTime value) {
    TDayTime r;
    if (!std::isfinite(value) || value < static_cast<double>(kFirstDay) - 1.0 ||
        value > static_cast<double>(kLastDay) + 1.0)
        return r;
    double whole = std::trunc(value);
    double frac = std::fabs(value - whole);
    r.day = static_cast<long long>(whole);
    r.msec = std::llround(frac * MSecsPerDay);
    if (r.msec >= MSecsPerDay) {
        r.msec -= MSecsPerDay;
        ++r.day;
    }
    r.valid = r.day >= kFirstDay && r.day <= kLastDay;
    return r;
}

// The date and time together: the time counts forwards from midnight also on
// days before the epoch, whose serial number is negative.
TDateTime Compose(double date, double time) { return date >= 0 ? date + time : date - time; }

struct TParts {
    int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0, dayOfWeek = 0;
};

TParts Decode(TDateTime value) {
    TParts p;
    TDayTime dt = SplitDateTime(value);
    if (!dt.valid) return p;
    CivilFromDays(dt.day - kEpochShift, p.year, p.month, p.day);
    p.hour = static_cast<int>(dt.msec / 3600000);
    p.min = static_cast<int>(dt.msec / 60000 % 60);
    p.sec = static_cast<int>(dt.msec / 1000 % 60);
    p.msec = static_cast<int>(dt.msec % 1000);
    p.dayOfWeek = static_cast<int>(((dt.day - 1) % 7 + 7) % 7) + 1;
    return p;
}

// --- FormatDateTime ----------------------------------------------------------------

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view word) {
    if (s.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Upper(s[pos + i]) != word[i]) return false;
    return true;
}

void AppendNumber(std::string& out, int value, int minDigits) {
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < minDigits) out.append(static_cast<std::size_t>(minDigits) - s.size(), '0');
    out += s;
}

const std::string& NameOr(const std::string* names, int count, int index) {
    static const std::string empty;
    return (index >= 1 && index <= count) ? names[index - 1] : empty;
}

class TDateFormatter {
public:
    TDateFormatter(const TParts& p, const TFormatSettings& fs) : FParts(p), FSettings(fs) {}

    void Append(std::string& out, std::string_view fmt) {
        // Formats inside formats ("c", "ddddd", "t") go one level deep.
        if (FLevel >= 2) return;
        ++FLevel;
        AppendLevel(out, fmt);
        --FLevel;
    }

private:
    // 12-hour clock when an am/pm specifier follows before the next "h".
    static bool TwelveHourAhead(std::string_view fmt, std::size_t pos) {
        bool quoted = false;
        for (; pos < fmt.size(); ++pos) {
            char c = fmt[pos];
            if ((c == 'A' || c == 'a') && !quoted)
                return StartsWithNoCase(fmt, pos, "AM/PM") || StartsWithNoCase(fmt, pos, "A/P") ||
                       StartsWithNoCase(fmt, pos, "AMPM");
            if (c == 'H' || c == 'h') return false;
            if (c == '\'' || c == '"') quoted = !quoted;
        }
        return false;
    }

    void AppendLevel(std::string& out, std::string_view fmt) {
        const TParts& p = FParts;
        const TFormatSettings& fs = FSettings;
        char lastToken = ' ';
        std::size_t i = 0;
        while (i < fmt.size()) {
            const char starter = fmt[i];
            char token = Upper(starter);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            const std::size_t start = i++;
            auto count = [&]() {
                while (i < fmt.size() && fmt[i] == starter) ++i;
                return static_cast<int>(i - start);
            };
            switch (token) {
                case 'Y':
                    if (count() <= 2)
                        AppendNumber(out, p.year % 100, 2);
                    else
                        AppendNumber(out, p.year, 4);
                    break;
                case 'M': {
                    int n = count();
                    if (n <= 2)
                        AppendNumber(out, p.month, n);
                    else if (n == 3)
                        out += NameOr(fs.ShortMonthNames.data(), 12, p.month);
                    else
                        out += NameOr(fs.LongMonthNames.data(), 12, p.month);
                    break;
                }
                case 'D': {
                    int n = count();
                    if (n <= 2)
                        AppendNumber(out, p.day, n);
                    else if (n == 3)
                        out += NameOr(fs.ShortDayNames.data(), 7, p.dayOfWeek);
                    else if (n == 4)
                        out += NameOr(fs.LongDayNames.data(), 7, p.dayOfWeek);
                    else if (n == 5)
                        Append(out, fs.ShortDateFormat);
                    else
                        Append(out, fs.LongDateFormat);
                    break;
                }
                case 'H': {
                    int n = count();
                    int h = p.hour;
                    if (TwelveHourAhead(fmt, i)) {
                        if (h == 0)
                            h = 12;
                        else if (h > 12)
                            h -= 12;
                    }
                    AppendNumber(out, h, n > 2 ? 2 : n);
                    break;
                }
                case 'N': {
                    int n = count();
                    AppendNumber(out, p.min, n > 2 ? 2 : n);
                    break;
                }
                case 'S': {
                    int n = count();
                    AppendNumber(out, p.sec, n > 2 ? 2 : n);
                    break;
                }
                case 'Z': {
                    int n = count();
                    AppendNumber(out, p.msec, n > 3 ? 3 : n);
                    break;
                }
                case 'T':
                    Append(out, count() == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat);
                    break;
                case 'C':
                    count();
                    Append(out, fs.ShortDateFormat);
                    if (p.hour != 0 || p.min != 0 || p.sec != 0 || p.msec != 0) {
                        out += ' ';
                        Append(out, fs.LongTimeFormat);
                    }
                    break;
                case 'A':
                    AppendAmPm(out, fmt, start, i);
                    break;
                case '/':
                    out += fs.DateSeparator;
                    break;
                case ':':
                    out += fs.TimeSeparator;
                    break;
                case '\'':
                case '"': {
                    std::size_t close = fmt.find(starter, i);
                    std::size_t end = close == std::string_view::npos ? fmt.size() : close;
                    out.append(fmt.substr(i, end - i));
                    i = end == fmt.size() ? end : end + 1;
                    break;
                }
                default:
                    out += starter;
                    break;
            }
        }
    }

    // "AM/PM" and "A/P" copy the letters as written; "AMPM" uses the settings'
    // texts; "AAAA"/"AAA" are day names; a lone "a" is a letter.
    void AppendAmPm(std::string& out, std::string_view fmt, std::size_t start, std::size_t& i) {
        const bool pm = FParts.hour >= 12;
        if (StartsWithNoCase(fmt, start, "AM/PM")) {
            out.append(fmt.substr(start + (pm ? 3 : 0), 2));
            i = start + 5;
        } else if (StartsWithNoCase(fmt, start, "A/P")) {
            out += fmt[start + (pm ? 2 : 0)];
            i = start + 3;
        } else if (StartsWithNoCase(fmt, start, "AMPM")) {
            out += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            i = start + 4;
        } else if (StartsWithNoCase(fmt, start, "AAAA")) {
            out += NameOr(FSettings.LongDayNames.data(), 7, FParts.dayOfWeek);
            i = start + 4;
        } else if (StartsWithNoCase(fmt, start, "AAA")) {
            out += NameOr(FSettings.ShortDayNames.data(), 7, FParts.dayOfWeek);
            i = start + 3;
        } else {
            out += fmt[start];
        }
    }

    const TParts& FParts;
    const TFormatSettings& FSettings;
    int FLevel = 0;
};

// --- Parsing ------------------------------------------------------------------------

class TDateScanner {
public:
    TDateScanner(std::string_view s, const TFormatSettings& fs) : FText(s), FSettings(fs) {}

    void Blanks() {
        while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t')) ++FPos;
    }
    bool AtEnd() {
        Blanks();
        return FPos >= FText.size();
    }
    bool Char(char c) {
        Blanks();
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }
    // Decimal number of up to 9 digits; `digits` receives how many were read.
    bool Number(int& value, int& digits) {
        Blanks();
        std::size_t start = FPos;
        long long v = 0;
        while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9' && FPos - start < 9) {
            v = v * 10 + (FText[FPos] - '0');
            ++FPos;
        }
        digits = static_cast<int>(FPos - start);
        if (digits == 0 || (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9')) return false;
        value = static_cast<int>(v);
        return true;
    }
    bool Word(const std::string& word) {
        Blanks();
        if (word.empty() || FText.size() - FPos < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (Upper(FText[FPos + i]) != Upper(word[i])) return false;
        FPos += word.size();
        return true;
    }
    std::size_t Pos() const { return FPos; }
    void SetPos(std::size_t p) { FPos = p; }

    bool Date(TDateTime& value) {
        enum { dmy, mdy, ymd } order = mdy;
        for (char c : FSettings.ShortDateFormat) {
            char u = Upper(c);
            if (u == 'D') { order = dmy; break; }
            if (u == 'M') { order = mdy; break; }
            if (u == 'Y') { order = ymd; break; }
        }
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
        const char sep = FSettings.DateSeparator;
        if (!Number(n1, l1) || !Char(sep) || !Number(n2, l2)) return false;
        bool three = false;
        std::size_t save = FPos;
        if (Char(sep)) {
            if (Number(n3, l3))
                three = true;
            else
                FPos = save;
        }
        int y = 0, m = 0, d = 0, yearDigits = 4;
        if (!three) {
            y = CurrentYear();
            if (order == ymd) {
                m = n1;
                d = n2;
            } else if (order == dmy) {
                d = n1;
                m = n2;
            } else {
                m = n1;
                d = n2;
            }
        } else if (order == ymd) {
            y = n1, yearDigits = l1, m = n2, d = n3;
        } else if (order == dmy) {
            d = n1, m = n2, y = n3, yearDigits = l3;
        } else {
            m = n1, d = n2, y = n3, yearDigits = l3;
        }
        if (three && y <= 99 && yearDigits <= 2) y = ExpandTwoDigitYear(y);
        // A format such as "yyyy. mm. dd." ends in its separator.
        save = FPos;
        if (!Char(sep)) FPos = save;
        return TryEncodeDate(y, m, d, value);
    }

    bool Time(TDateTime& value) {
        int h = 0, m = 0, s = 0, ms = 0, len = 0;
        bool pm = false, ampm = false;
        if (AmPm(pm)) ampm = true;
        if (!Number(h, len)) return false;
        bool separated = false;
        if (Char(FSettings.TimeSeparator)) {
            separated = true;
            if (!Number(m, len)) return false;
            if (Char(FSettings.TimeSeparator)) {
                if (!Number(s, len)) return false;
                if (Char(FSettings.DecimalSeparator)) {
                    if (!Number(ms, len) || len > 3) return false;
                    for (; len < 3; ++len) ms *= 10;
                }
            }
        }
        if (!ampm && AmPm(pm)) ampm = true;
        if (!separated && !ampm) return false;
        if (ampm) {
            if (h < 1 || h > 12) return false;
            if (h == 12) h = 0;
            if (pm) h += 12;
        }
        return TryEncodeTime(h, m, s, ms, value);
    }

private:
    bool AmPm(bool& pm) {
        std::size_t save = FPos;
        if (Word(FSettings.TimeAMString) || Word("AM")) {
            pm = false;
            return true;
        }
        FPos = save;
        if (Word(FSettings.TimePMString) || Word("PM")) {
            pm = true;
            return true;
        }
        FPos = save;
        return false;
    }

    static int CurrentYear() {
        int y = 0, m = 0, d = 0;
        DecodeDate(rtl::Date(), y, m, d);
        return y;
    }

    int ExpandTwoDigitYear(int y) const {
        const int window = FSettings.TwoDigitYearCenturyWindow;
        const int base = CurrentYear() - window;
        y += base / 100 * 100;
        if (window > 0 && y < base) y += 100;
        return y;
    }

    std::string_view FText;
    const TFormatSettings& FSettings;
    std::size_t FPos = 0;
};

[[noreturn]] void RaiseInvalid(const std::string& text, const char* what) {
    throw EConvertError("'" + text + "' is not a valid " + what);
}

}  // namespace

// --- Calendar -------------------------------------------------------------------------

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// --- Encoding and decoding ----------------------------------------------------------

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    value = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                                kEpochShift);
    return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& value) {
    if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 || msec >= 1000)
        return false;
    value = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime v = 0;
    if (!TryEncodeDate(year, month, day, v)) throw EConvertError("Invalid argument to date encode");
    return v;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime v = 0;
    if (!TryEncodeTime(hour, min, sec, msec, v)) throw EConvertError("Invalid argument to time encode");
    return v;
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec, TDateTime& value) {
    TDateTime d = 0, t = 0;
    if (!TryEncodeDate(year, month, day, d) || !TryEncodeTime(hour, min, sec, msec, t)) return false;
    value = Compose(d, t);
    return true;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec) {
    return Compose(EncodeDate(year, month, day), EncodeTime(hour, min, sec, msec));
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    TParts p = Decode(value);
    year = p.year;
    month = p.month;
    day = p.day;
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec) {
    TParts p = Decode(value);
    hour = p.hour;
    min = p.min;
    sec = p.sec;
    msec = p.msec;
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec) {
    TParts p = Decode(value);
    year = p.year;
    month = p.month;
    day = p.day;
    hour = p.hour;
    min = p.min;
    sec = p.sec;
    msec = p.msec;
}

int DayOfWeek(TDateTime value) { return Decode(value).dayOfWeek; }

int DayOfTheYear(TDateTime value) {
    TParts p = Decode(value);
    if (p.year == 0) return 0;
    return static_cast<int>(DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
                            DaysFromCivil(p.year, 1, 1)) +
           1;
}

int YearOf(TDateTime value) { return Decode(value).year; }
int MonthOf(TDateTime value) { return Decode(value).month; }
int DayOf(TDateTime value) { return Decode(value).day; }

TDateTime IncMonth(TDateTime value, int months) {
    TParts p = Decode(value);
    if (p.year == 0) throw EConvertError("Invalid argument to date encode");
    long long total = static_cast<long long>(p.year) * 12 + (p.month - 1) + months;
    long long y = total >= 0 ? total / 12 : (total - 11) / 12;
    int m = static_cast<int>(total - y * 12) + 1;
    if (y < 1 || y > 9999) throw EConvertError("Invalid argument to date encode");
    int d = std::min(p.day, DaysInMonth(static_cast<int>(y), m));
    const double time = std::fabs(value - std::trunc(value));
    return Compose(EncodeDate(static_cast<int>(y), m, d), time);
}

TDateTime IncDay(TDateTime value, int days) { return value + days; }

// --- Clock ------------------------------------------------------------------------------

TDateTime Now() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    time_t secs = tv.tv_sec;
    tm local{};
    localtime_r(&secs, &local);
    TDateTime d = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    TDateTime t = EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                             static_cast<int>(tv.tv_usec / 1000));
    return Compose(d, t);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    TDateTime n = Now();
    return n - std::trunc(n);
}

// --- Text ------------------------------------------------------------------------------------

std::string FormatDateTime(const std::string& format, TDateTime value, const TFormatSettings& settings) {
    TParts p = Decode(value);
    TDateFormatter f(p, settings);
    std::string out;
    f.Append(out, format.empty() ? std::string_view("c") : std::string_view(format));
    return out;
}

std::string FormatDateTime(const std::string& format, TDateTime value) {
    return FormatDateTime(format, value, FormatSettings);
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime("ddddd", value, settings);
}
std::string DateToStr(TDateTime value) { return DateToStr(value, FormatSettings); }

std::string TimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime("tt", value, settings);
}
std::string TimeToStr(TDateTime value) { return TimeToStr(value, FormatSettings); }

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime("c", value, settings);
}
std::string DateTimeToStr(TDateTime value) { return DateTimeToStr(value, FormatSettings); }

bool TryStrToDate(const std::string& text, TDateTime& value, const TFormatSettings& settings) {
    TDateScanner s(text, settings);
    TDateTime v = 0;
    if (!s.Date(v) || !s.AtEnd()) return false;
    value = v;
    return true;
}

bool TryStrToTime(const std::string& text, TDateTime& value, const TFormatSettings& settings) {
    TDateScanner s(text, settings);
    TDateTime v = 0;
    if (!s.Time(v) || !s.AtEnd()) return false;
    value = v;
    return true;
}

bool TryStrToDateTime(const std::string& text, TDateTime& value, const TFormatSettings& settings) {
    TDateScanner s(text, settings);
    TDateTime d = 0, t = 0;
    if (s.Date(d)) {
        if (s.AtEnd()) {
            value = d;
            return true;
        }
        if (!s.Time(t) || !s.AtEnd()) return false;
        value = Compose(d, t);
        return true;
    }
    return TryStrToTime(text, value, settings);
}

bool TryStrToDate(const std::string& text, TDateTime& value) { return TryStrToDate(text, value, FormatSettings); }
bool TryStrToTime(const std::string& text, TDateTime& value) { return TryStrToTime(text, value, FormatSettings); }
bool TryStrToDateTime(const std::string& text, TDateTime& value) {
    return TryStrToDateTime(text, value, FormatSettings);
}

TDateTime StrToDate(const std::string& text, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToDate(text, v, settings)) RaiseInvalid(text, "date");
    return v;
}
TDateTime StrToDate(const std::string& text) { return StrToDate(text, FormatSettings); }

TDateTime StrToTime(const std::string& text, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToTime(text, v, settings)) RaiseInvalid(text, "time");
    return v;
}
TDateTime StrToTime(const std::string& text) { return StrToTime(text, FormatSettings); }

TDateTime StrToDateTime(const std::string& text, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToDateTime(text, v, settings)) RaiseInvalid(text, "date and time");
    return v;
}
TDateTime StrToDateTime(const std::string& text) { return StrToDateTime(text, FormatSettings); }

}  // namespace rtl
