// Date routines of the grid utilities: locale date parser, two-digit-year short dates, date-likeness and date arithmetic.
#include "grid/foundation/ExtUtilDates.h"

#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace grid {

namespace {

// Splits `text` at the first `sep`: `before` gets the text before it, `text` keeps the
// rest after it. False (nothing changed) when the separator does not occur.
bool CutAt(std::string& text, char32_t sep, std::string& before)
{
    const std::string sepText = rtl::Utf8EncodeChar(sep);
    const std::size_t at = text.find(sepText);
    if (at == std::string::npos) return false;
    before = text.substr(0, at);
    text.erase(0, at + sepText.size());
    return true;
}

// Order of the day, month and year fields in the locale short date format:
// order[k] is 0 (day), 1 (month) or 2 (year) for the k-th field.
std::array<int, 3> FieldOrder()
{
    const std::string format = rtl::UpperCase(LocaleShortDateFormat());
    std::array<std::pair<std::size_t, int>, 3> positions = {
        std::pair{format.find('D'), 0}, std::pair{format.find('M'), 1},
        std::pair{format.find('Y'), 2}};
    // A letter missing from the format sorts first, as a position of 0 would.
    for (auto& p : positions)
        if (p.first == std::string::npos) p.first = 0;
    std::stable_sort(positions.begin(), positions.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return {positions[0].second, positions[1].second, positions[2].second};
}

// Time part "h:m[:s]" of ParseLocaleDate; false when it is not a valid time.
bool ParseTimePart(std::string timeText, TDateTime& time)
{
    const char32_t sep = LocaleTimeSeparator();
    std::string hourText, minuteText, secondText;
    if (!CutAt(timeText, sep, hourText)) return false;
    if (!CutAt(timeText, sep, minuteText)) {
        minuteText = timeText;
        secondText.clear();
    } else {
        secondText = timeText;
    }
    int hour = 0, minute = 0, second = 0;
    if (!rtl::TryStrToInt(hourText, hour) || hour > 23) return false;
    if (!rtl::TryStrToInt(minuteText, minute)) return false;
    if (!secondText.empty() && (!rtl::TryStrToInt(secondText, second) || second > 60)) return false;
    if (minute > 59) return false;
    return rtl::TryEncodeTime(hour, minute, second, 0, time);
}

TDateTime ParseShortDate(std::string_view text, bool monthFirst)
{
    std::string rest(text);
    char32_t sep;
    if (rest.find('/') != std::string::npos)
        sep = U'/';
    else if (rest.find('.') != std::string::npos)
        sep = U'.';
    else if (rest.find('-') != std::string::npos)
        sep = U'-';
    else
        return 0;
    std::string first, second;
    CutAt(rest, sep, first);
    if (!CutAt(rest, sep, second)) return 0;
    int a = 0, b = 0, year = 0;
    if (!rtl::TryStrToInt(first, a) || !rtl::TryStrToInt(second, b) || !rtl::TryStrToInt(rest, year))
        return 0;
    // Only a two-digit year takes a century; a year written with four digits stands as given
    // ("1/2/2020" is 2 January 2020).
    if (year < 100) year += year <= 25 ? 2000 : 1900;
    const int month = monthFirst ? a : b;
    const int day = monthFirst ? b : a;
    // A date that does not exist gives 0, the value the sort comparison takes for
    // text that is no date, instead of an error that would abort the sort.
    TDateTime value = 0;
    if (!rtl::TryEncodeDate(year, month, day, value)) return 0;
    return value;
}

// The same day in another month, clamped to the month's last day, with the time of day kept.
TDateTime MoveToMonth(TDateTime date, int year, int month, int day)
{
    day = std::min(day, rtl::DaysInMonth(year, month));
    const TDateTime moved = rtl::EncodeDate(year, month, day);
    const double timeOfDay = std::fabs(date - std::trunc(date));
    return moved >= 0 ? moved + timeOfDay : moved - timeOfDay;
}

}  // namespace

bool ParseLocaleDate(std::string_view text, TDateTime& value)
{
    const char32_t sep = LocaleDateSeparator();
    std::string rest(text);
    std::array<std::string, 3> fields;
    if (!CutAt(rest, sep, fields[0])) return false;
    if (!CutAt(rest, sep, fields[1])) return false;
    rest = rtl::Trim(rest);
    std::string timeText;
    const std::size_t blank = rest.find(' ');
    if (blank != std::string::npos) {
        fields[2] = rest.substr(0, blank);
        timeText = rest.substr(blank + 1);
    } else {
        fields[2] = rest;
    }

    std::array<int, 3> dmy = {0, 0, 0};
    const std::array<int, 3> order = FieldOrder();
    for (int k = 0; k < 3; ++k)
        if (!rtl::TryStrToInt(fields[k], dmy[order[k]])) return false;
    const int day = dmy[0], month = dmy[1], year = dmy[2];
    if (day >= 32 || month > 12) return false;

    TDateTime date = 0;
    if (!rtl::TryEncodeDate(year, month, day, date)) return false;
    if (timeText.empty()) {
        value = date;
        return true;
    }
    TDateTime time = 0;
    const bool timeValid = ParseTimePart(timeText, time);
    value = date + (timeValid ? time : 0);
    return timeValid;
}

TDateTime ParseShortDateUS(std::string_view text) { return ParseShortDate(text, true); }
TDateTime ParseShortDateEU(std::string_view text) { return ParseShortDate(text, false); }

bool IsDateLikeText(std::string_view text)
{
    const std::string sep = rtl::Utf8EncodeChar(LocaleDateSeparator());
    const long long first = rtl::Utf8Pos(sep, text);
    if (first <= 1) return false;
    const std::string rest = rtl::CopyFrom(text, first + 1);
    return rtl::Utf8Pos(sep, rest) > 1;
}

TDateTime AddDatePart(int years, int months, int days, TDateTime date, double increment)
{
    int year = 0, month = 0, day = 0;
    rtl::DecodeDate(date, year, month, day);
    if (days != 0 && years == 0 && months == 0) return date + days;
    // Moving by years or months keeps the day where the target month has it and
    // otherwise takes the month's last day (31 January + 1 month = end of February);
    // any number of months is carried into the year.
    if (years != 0 && months == 0 && days == 0) return MoveToMonth(date, year + years, month, day);
    if (months != 0 && years == 0 && days == 0) {
        const int total = year * 12 + (month - 1) + months;
        const int newYear = total >= 0 ? total / 12 : -((-total + 11) / 12);
        const int newMonth = total - newYear * 12 + 1;
        return MoveToMonth(date, newYear, newMonth, day);
    }
    return date + increment;
}

}  // namespace grid
