// Shared routines: conversions between dotted or dashed dates and year * 1000 + day of year.
#include "app/Unit2.h"

#include <array>
#include <cstdio>

#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

namespace app {

namespace {

constexpr std::array<int, 12> DaysBeforeMonth = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> DaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int InvalidDateLength = 9999999;

// Gregorian leap years: 2000 is one, 1900 and 2100 are not. (The rule
// "divisible by 4 except 2000" put every date of 2000 after February one day
// off, and the centuries the other way round.)
bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool HasDateLength(std::string_view date)
{
    const std::size_t length = rtl::Utf8Length(date);
    return length == 10 || length == 11;
}

// 1..12 for the month texts "01".."12", 0 for anything else.
int MonthNumber(const std::string& monthText)
{
    if (monthText.size() != 2 || monthText[0] < '0' || monthText[0] > '1' || monthText[1] < '0' ||
        monthText[1] > '9')
        return 0;
    const int month = (monthText[0] - '0') * 10 + (monthText[1] - '0');
    return month >= 1 && month <= 12 ? month : 0;
}

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

int DateToYearDoy(std::string_view date)
{
    if (!HasDateLength(date)) return InvalidDateLength;
    const int year = rtl::StrToInt(rtl::Utf8Copy(date, 1, 4));
    const int day = rtl::StrToInt(rtl::Utf8Copy(date, 9, 2));
    const int month = MonthNumber(rtl::Utf8Copy(date, 6, 2));
    if (month == 0) return year * 1000;
    int dayOfYear = day + DaysBeforeMonth[static_cast<std::size_t>(month - 1)];
    if (month >= 3 && IsLeapYear(year)) ++dayOfYear;
    return year * 1000 + dayOfYear;
}

int DateMonth(std::string_view date)
{
    if (!HasDateLength(date)) return 0;
    return rtl::StrToInt(rtl::Utf8Copy(date, 6, 2));
}

std::string YearDoyToDate(int yearDoy)
{
    const int year = rtl::StrToInt(rtl::IntToStr(yearDoy).substr(0, 4));
    int day = yearDoy - year * 1000;
    int month = 0;
    if (day <= DaysInMonth[0]) {
        month = 1;
    } else {
        // Walk the months; a day of year beyond the year's end finds no month
        // and gives month and day "00".
        for (int m = 1; m <= 12; ++m) {
            int length = DaysInMonth[static_cast<std::size_t>(m - 1)];
            if (m == 2 && IsLeapYear(year)) ++length;
            if (day >= 1 && day <= length) {
                month = m;
                break;
            }
            day -= length;
        }
        if (month == 0) day = 0;
    }
    return rtl::IntToStr(year) + "." + TwoDigits(month) + "." + TwoDigits(day);
}

}  // namespace app
