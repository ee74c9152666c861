// Dates and times: TDateTime encoding, calendar arithmetic, date text and parsing.
#pragma once

#include <string>

#include "platform/rtl/FormatSettings.h"

namespace rtl {

// Days since 30 December 1899 plus the fraction of the day. A date before that
// day is negative, and its time still counts forwards from midnight: -1.25 is
// 29 December 1899, 06:00 (the integer part is the day, the fraction's absolute
// value the time).
using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;

// Gregorian calendar.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12

// Encoding. Years 1..9999, months 1..12, days 1..DaysInMonth; hours 0..23,
// minutes and seconds 0..59, milliseconds 0..999. The Encode forms raise
// EConvertError "Invalid argument to date encode" / "Invalid argument to time
// encode"; the Try forms answer false and leave `value` unchanged.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& value);
// Date and time together (the time counted forwards also for negative dates).
TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec);
bool TryEncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec,
                       TDateTime& value);

// Decoding. The time is taken to the nearest millisecond; a time that rounds to
// midnight of the next day decodes as that day.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
// 1 for 1 January.
int DayOfTheYear(TDateTime value);
int YearOf(TDateTime value);
int MonthOf(TDateTime value);
int DayOf(TDateTime value);

// The same day `months` months later (or earlier), clamped to the last day of
// the target month (31 January + 1 month = 28/29 February); the time is kept.
TDateTime IncMonth(TDateTime value, int months = 1);
TDateTime IncDay(TDateTime value, int days = 1);

// Local clock.
TDateTime Date();  // today, midnight
TDateTime Time();  // fraction of the current day
TDateTime Now();

// Pattern text. Specifiers (letters in either case):
//   c       ddddd, then " " and tt unless the time is exactly midnight
//   d dd    day without / with leading zero; ddd dddd short / long day name
//   ddddd   ShortDateFormat; dddddd LongDateFormat
//   m mm    month without / with leading zero (minutes right after h or hh)
//   mmm mmmm short / long month name
//   yy      two-digit year; yyyy four-digit year
//   h hh    hour (12-hour clock when an am/pm specifier follows before the next h)
//   n nn    minutes; s ss seconds; z zzz milliseconds without / with padding
//   t tt    ShortTimeFormat / LongTimeFormat
//   am/pm a/p   the letters as written, by half of the day; ampm TimeAMString/TimePMString
//   /       DateSeparator; :  TimeSeparator
//   "..." '...' literal text; other characters as they stand.
// An empty format is "c".
std::string FormatDateTime(const std::string& format, TDateTime value);
std::string FormatDateTime(const std::string& format, TDateTime value,
                           const TFormatSettings& settings);
std::string DateToStr(TDateTime value);  // ddddd
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);  // tt
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime value);  // c
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// Parsing. A date is two or three numbers separated by DateSeparator, in the
// order of ShortDateFormat (day-month-year, month-day-year or year-month-day by
// its first date letter); two numbers mean the current year; a year of one or
// two digits falls in the window of TwoDigitYearCenturyWindow. A time is
// hours[:minutes[:seconds[.fraction]]] with TimeSeparator and the decimal
// separator, optionally followed by TimeAMString/TimePMString (or AM/PM, either
// case). Blanks around the parts are allowed. Failures raise EConvertError
// "'%s' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const std::string& text);
TDateTime StrToDate(const std::string& text, const TFormatSettings& settings);
TDateTime StrToTime(const std::string& text);
TDateTime StrToTime(const std::string& text, const TFormatSettings& settings);
// A date, optionally followed by a time; or a time alone (on day 0).
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDateTime(const std::string& text, const TFormatSettings& settings);
bool TryStrToDate(const std::string& text, TDateTime& value);
bool TryStrToDate(const std::string& text, TDateTime& value, const TFormatSettings& settings);
bool TryStrToTime(const std::string& text, TDateTime& value);
bool TryStrToTime(const std::string& text, TDateTime& value, const TFormatSettings& settings);
bool TryStrToDateTime(const std::string& text, TDateTime& value);
bool TryStrToDateTime(const std::string& text, TDateTime& value, const TFormatSettings& settings);

}  // namespace rtl
