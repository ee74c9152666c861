// Tests of TDateTime: encoding, calendar arithmetic, FormatDateTime and date parsing.
#include "platform/rtl/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace {

rtl::TFormatSettings DaySettings() {
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.DateSeparator = '/';
    fs.TimeSeparator = ':';
    fs.ShortDateFormat = "dd/mm/yyyy";
    fs.LongDateFormat = "dddd, d mmmm yyyy";
    fs.ShortTimeFormat = "hh:nn";
    fs.LongTimeFormat = "hh:nn:ss";
    fs.TimeAMString = "de.";
    fs.TimePMString = "du.";
    return fs;
}

TEST(DateEncoding, SerialNumbersCountDaysFrom30December1899) {
    struct Case {
        int y, m, d;
        double serial;
    };
    const std::vector<Case> cases = {{1899, 12, 30, 0},     {1899, 12, 29, -1},      {1900, 1, 1, 2},
                                     {2000, 1, 1, 36526},   {2021, 3, 5, 44260},     {1, 1, 1, -693593},
                                     {9999, 12, 31, 2958465}, {1600, 2, 29, -109512}};
    for (const Case& c : cases) {
        EXPECT_EQ(rtl::EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        int y = 0, m = 0, d = 0;
        rtl::DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
    }
    // Every day of a few centuries decodes to what encoded it.
    for (double serial = -40000; serial < 80000; serial += 1) {
        int y = 0, m = 0, d = 0;
        rtl::DecodeDate(serial, y, m, d);
        ASSERT_EQ(rtl::EncodeDate(y, m, d), serial);
    }
}

TEST(DateEncoding, TimeIsTheFractionOfTheDay) {
    EXPECT_EQ(rtl::EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(rtl::EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(rtl::EncodeDateTime(2021, 3, 5, 18, 0, 0, 0), 44260.75);
    for (int h = 0; h < 24; h += 5)
        for (int n = 0; n < 60; n += 7)
            for (int s = 0; s < 60; s += 13)
                for (int ms : {0, 1, 499, 500, 999}) {
                    int hh, nn, ss, zz;
                    rtl::DecodeTime(44260 + rtl::EncodeTime(h, n, s, ms), hh, nn, ss, zz);
                    ASSERT_EQ(hh * 3600000 + nn * 60000 + ss * 1000 + zz, h * 3600000 + n * 60000 + s * 1000 + ms);
                }
}

TEST(DateEncoding, DatesBeforeTheEpochCountTheirTimeForwards) {
    // -1.25 is 29 December 1899, 06:00.
    EXPECT_EQ(rtl::EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    int y, m, d, h, n, s, ms;
    rtl::DecodeDateTime(-1.25, y, m, d, h, n, s, ms);
    EXPECT_EQ(y, 1899);
    EXPECT_EQ(m, 12);
    EXPECT_EQ(d, 29);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(rtl::FormatDateTime("yyyy-mm-dd hh:nn", -1.25, DaySettings()), "1899-12-29 06:00");
}

TEST(DateEncoding, TimeThatRoundsToMidnightDecodesAsTheNextDay) {
    const double almost = rtl::EncodeDate(2021, 3, 5) + 0.9999999999;
    int y, m, d, h, n, s, ms;
    rtl::DecodeDateTime(almost, y, m, d, h, n, s, ms);
    EXPECT_EQ(d, 6);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(ms, 0);
    EXPECT_EQ(rtl::FormatDateTime("dd hh:nn:ss.zzz", almost, DaySettings()), "06 00:00:00.000");
}

TEST(DateEncoding, InvalidPartsAreRejected) {
    const std::vector<std::vector<int>> badDates = {{2021, 2, 29}, {2021, 13, 1}, {2021, 0, 1}, {2021, 4, 31},
                                                    {0, 1, 1},     {10000, 1, 1}, {2021, 1, 0}, {1900, 2, 29}};
    for (const auto& b : badDates) {
        rtl::TDateTime v = 123;
        EXPECT_FALSE(rtl::TryEncodeDate(b[0], b[1], b[2], v));
        EXPECT_EQ(v, 123);
        try {
            rtl::EncodeDate(b[0], b[1], b[2]);
            ADD_FAILURE() << b[0] << "-" << b[1] << "-" << b[2];
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(rtl::EncodeDate(2000, 2, 29));
    const std::vector<std::vector<int>> badTimes = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000},
                                                    {-1, 0, 0, 0}};
    for (const auto& b : badTimes) {
        try {
            rtl::EncodeTime(b[0], b[1], b[2], b[3]);
            ADD_FAILURE();
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to time encode");
        }
    }
}

TEST(Calendar, LeapYearsMonthLengthsAndWeekdays) {
    EXPECT_TRUE(rtl::IsLeapYear(2000));
    EXPECT_TRUE(rtl::IsLeapYear(2020));
    EXPECT_FALSE(rtl::IsLeapYear(1900));
    EXPECT_FALSE(rtl::IsLeapYear(2100));
    EXPECT_FALSE(rtl::IsLeapYear(2019));
    EXPECT_EQ(rtl::DaysInMonth(2020, 2), 29);
    EXPECT_EQ(rtl::DaysInMonth(2019, 2), 28);
    EXPECT_EQ(rtl::DaysInMonth(2019, 4), 30);
    EXPECT_EQ(rtl::DaysInMonth(2019, 12), 31);
    EXPECT_EQ(rtl::DayOfWeek(0), 7);  // Saturday
    EXPECT_EQ(rtl::DayOfWeek(rtl::EncodeDate(2026, 12, 10)), 5);  // Thursday
    EXPECT_EQ(rtl::DayOfWeek(rtl::EncodeDate(2021, 3, 7)), 1);    // Sunday
    EXPECT_EQ(rtl::DayOfWeek(rtl::EncodeDate(1, 1, 1)), 2);       // Monday
    EXPECT_EQ(rtl::DayOfWeek(-1.5), 6);                           // Friday 29 December 1899
    EXPECT_EQ(rtl::DayOfTheYear(rtl::EncodeDate(2019, 3, 1)), 60);
    EXPECT_EQ(rtl::DayOfTheYear(rtl::EncodeDate(2020, 3, 1)), 61);
    EXPECT_EQ(rtl::DayOfTheYear(rtl::EncodeDate(2000, 12, 31)), 366);
    const double d = rtl::EncodeDateTime(2021, 3, 5, 10, 0, 0, 0);
    EXPECT_EQ(rtl::YearOf(d), 2021);
    EXPECT_EQ(rtl::MonthOf(d), 3);
    EXPECT_EQ(rtl::DayOf(d), 5);
}

TEST(Calendar, IncMonthClampsTheDayAndKeepsTheTime) {
    auto ymd = [](double v) {
        int y, m, d;
        rtl::DecodeDate(v, y, m, d);
        return y * 10000 + m * 100 + d;
    };
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 1, 31), 1)), 20210228);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2020, 1, 31), 1)), 20200229);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 3, 31), -1)), 20210228);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 12, 15), 1)), 20220115);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 1, 15), -1)), 20201215);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 5, 10), -29)), 20181210);
    EXPECT_EQ(ymd(rtl::IncMonth(rtl::EncodeDate(2021, 5, 10), 24)), 20230510);
    EXPECT_EQ(rtl::IncMonth(rtl::EncodeDateTime(2021, 1, 31, 12, 0, 0, 0), 1),
              rtl::EncodeDateTime(2021, 2, 28, 12, 0, 0, 0));
    EXPECT_EQ(rtl::IncDay(rtl::EncodeDate(2021, 2, 28), 1), rtl::EncodeDate(2021, 3, 1));
    EXPECT_THROW(rtl::IncMonth(rtl::EncodeDate(9999, 12, 1), 1), rtl::EConvertError);
}

TEST(Clock, NowIsTodayPlusTheTime) {
    double date = rtl::Date();
    double now = rtl::Now();
    EXPECT_EQ(date, std::trunc(date));
    EXPECT_GE(now, date);
    EXPECT_LT(now, date + 1.0000001);
    double t = rtl::Time();
    EXPECT_GE(t, 0);
    EXPECT_LT(t, 1);
    EXPECT_GE(rtl::YearOf(now), 2024);
}

struct PatternCase {
    const char* format;
    const char* expected;
};

TEST(FormatDateTime, PatternTable) {
    const rtl::TFormatSettings fs = DaySettings();
    const double v = rtl::EncodeDateTime(2021, 3, 5, 14, 7, 9, 45);  // a Friday
    const std::vector<PatternCase> cases = {
        {"yyyy-mm-dd", "2021-03-05"},
        {"d/m/yy", "5/3/21"},
        {"y yyy", "21 2021"},
        {"dd mmm yyyy", "05 Mar 2021"},
        {"dddd, mmmm d", "Friday, March 5"},
        {"ddd", "Fri"},
        {"hh:nn:ss", "14:07:09"},
        {"h:mm", "14:07"},  // m right after h is minutes
        {"hh:mm:ss.zzz", "14:07:09.045"},
        {"s.z", "9.45"},
        {"mm/dd", "03/05"},
        {"hh dd mm", "14 05 03"},  // a day specifier in between: month again
        {"h:nn am/pm", "2:07 pm"},
        {"h:nn AM/PM", "2:07 PM"},
        {"h a/p", "2 p"},
        {"h ampm", "2 du."},
        {"hh", "14"},
        {"ddddd", "05/03/2021"},
        {"dddddd", "Friday, 5 March 2021"},
        {"t", "14:07"},
        {"tt", "14:07:09"},
        {"c", "05/03/2021 14:07:09"},
        {"", "05/03/2021 14:07:09"},
        {"\"Date:\" yyyy", "Date: 2021"},
        {"'mm' mm", "mm 03"},
        {"yyyy. mm. dd.", "2021. 03. 05."},
        {"aaaa", "Friday"},
        {"x", "x"},
    };
    for (const PatternCase& c : cases)
        EXPECT_EQ(rtl::FormatDateTime(c.format, v, fs), c.expected) << "pattern " << c.format;

    rtl::TFormatSettings dots = fs;
    dots.DateSeparator = '.';
    dots.TimeSeparator = '.';
    EXPECT_EQ(rtl::FormatDateTime("dd/mm/yyyy hh:nn", v, dots), "05.03.2021 14.07");
}

TEST(FormatDateTime, TwelveHourClockAndMidnight) {
    const rtl::TFormatSettings fs = DaySettings();
    const double midnight = rtl::EncodeDate(2021, 3, 5);
    EXPECT_EQ(rtl::FormatDateTime("h:nn am/pm", midnight, fs), "12:00 am");
    EXPECT_EQ(rtl::FormatDateTime("hh:nn AM/PM", midnight + rtl::EncodeTime(12, 30, 0, 0), fs), "12:30 PM");
    EXPECT_EQ(rtl::FormatDateTime("h:nn AM/PM", midnight + rtl::EncodeTime(9, 5, 0, 0), fs), "9:05 AM");
    // An "h" before the am/pm specifier stops the look-ahead for the first hour.
    EXPECT_EQ(rtl::FormatDateTime("h h am/pm", midnight + rtl::EncodeTime(15, 0, 0, 0), fs), "15 3 pm");
    EXPECT_EQ(rtl::FormatDateTime("c", midnight, fs), "05/03/2021");
    EXPECT_EQ(rtl::DateTimeToStr(midnight, fs), "05/03/2021");
    EXPECT_EQ(rtl::DateToStr(midnight + 0.5, fs), "05/03/2021");
    EXPECT_EQ(rtl::TimeToStr(midnight + 0.5, fs), "12:00:00");
}

TEST(FormatDateTime, NestedFormatsDoNotRecurseForever) {
    rtl::TFormatSettings fs = DaySettings();
    fs.ShortDateFormat = "c";
    EXPECT_EQ(rtl::FormatDateTime("c", rtl::EncodeDate(2021, 3, 5), fs), "");
    fs.ShortDateFormat = "dd/mm/yyyy";
    fs.LongDateFormat = "ddddd!";
    EXPECT_EQ(rtl::FormatDateTime("dddddd", rtl::EncodeDate(2021, 3, 5), fs), "!");
}

TEST(DateParsing, StrToDateFollowsTheShortDateOrder) {
    rtl::TFormatSettings fs = DaySettings();
    EXPECT_EQ(rtl::StrToDate("05/03/2021", fs), rtl::EncodeDate(2021, 3, 5));
    EXPECT_EQ(rtl::StrToDate(" 5/3/2021 ", fs), rtl::EncodeDate(2021, 3, 5));
    fs.ShortDateFormat = "mm/dd/yyyy";
    EXPECT_EQ(rtl::StrToDate("03/05/2021", fs), rtl::EncodeDate(2021, 3, 5));
    fs.ShortDateFormat = "yyyy. mm. dd.";
    fs.DateSeparator = '.';
    EXPECT_EQ(rtl::StrToDate("2021. 03. 05.", fs), rtl::EncodeDate(2021, 3, 5));
    EXPECT_EQ(rtl::StrToDate("2021.3.5", fs), rtl::EncodeDate(2021, 3, 5));
    // Two numbers: the current year.
    fs = DaySettings();
    EXPECT_EQ(rtl::YearOf(rtl::StrToDate("5/3", fs)), rtl::YearOf(rtl::Date()));
    EXPECT_EQ(rtl::MonthOf(rtl::StrToDate("5/3", fs)), 3);
}

TEST(DateParsing, TwoDigitYearsFallInTheCenturyWindow) {
    rtl::TFormatSettings fs = DaySettings();
    const int current = rtl::YearOf(rtl::Date());
    for (int yy : {0, 21, 49, 50, 76, 99}) {
        char text[16];
        std::snprintf(text, sizeof text, "1/1/%02d", yy);
        int y = rtl::YearOf(rtl::StrToDate(text, fs));
        EXPECT_EQ(y % 100, yy);
        EXPECT_GE(y, current - 50);
        EXPECT_LT(y, current + 50);
    }
    fs.TwoDigitYearCenturyWindow = 0;
    EXPECT_EQ(rtl::YearOf(rtl::StrToDate("1/1/99", fs)), current / 100 * 100 + 99);
    // Written with four digits, a small year stays as it is.
    EXPECT_EQ(rtl::YearOf(rtl::StrToDate("1/1/0021", fs)), 21);
}

TEST(DateParsing, InvalidDatesRaiseWithTheText) {
    const rtl::TFormatSettings fs = DaySettings();
    for (const char* bad : {"31/02/2021", "05-03-2021", "", "abc", "5/", "05/03/2021x", "1/13/2021", "0/1/2021",
                            "05/03/2021 10:00"}) {
        try {
            rtl::StrToDate(bad, fs);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid date");
        }
    }
    rtl::TDateTime v = 7;
    EXPECT_FALSE(rtl::TryStrToDate("31/02/2021", v, fs));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(rtl::TryStrToDate("28/02/2021", v, fs));
    EXPECT_EQ(v, rtl::EncodeDate(2021, 2, 28));
}

TEST(DateParsing, TimesAndDateTimes) {
    const rtl::TFormatSettings fs = DaySettings();
    EXPECT_EQ(rtl::StrToTime("14:07", fs), rtl::EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(rtl::StrToTime("14:07:09", fs), rtl::EncodeTime(14, 7, 9, 0));
    EXPECT_EQ(rtl::StrToTime("14:07:09.5", fs), rtl::EncodeTime(14, 7, 9, 500));
    EXPECT_EQ(rtl::StrToTime("2:07 PM", fs), rtl::EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(rtl::StrToTime("2:07 du.", fs), rtl::EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(rtl::StrToTime("12:00 am", fs), 0.0);
    EXPECT_EQ(rtl::StrToTime("12:00 PM", fs), 0.5);
    EXPECT_EQ(rtl::StrToTime("3 pm", fs), rtl::EncodeTime(15, 0, 0, 0));
    for (const char* bad : {"25:00", "14", "14:60", "13:00 PM", "", "1:2:3:4", "14:07x"}) {
        try {
            rtl::StrToTime(bad, fs);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid time");
        }
    }
    EXPECT_EQ(rtl::StrToDateTime("05/03/2021 14:07:09", fs), rtl::EncodeDateTime(2021, 3, 5, 14, 7, 9, 0));
    EXPECT_EQ(rtl::StrToDateTime("05/03/2021", fs), rtl::EncodeDate(2021, 3, 5));
    EXPECT_EQ(rtl::StrToDateTime("14:07", fs), rtl::EncodeTime(14, 7, 0, 0));
    try {
        rtl::StrToDateTime("05/03/2021 25:00", fs);
        ADD_FAILURE();
    } catch (const rtl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "'05/03/2021 25:00' is not a valid date and time");
    }
    // What DateTimeToStr writes reads back.
    const double v = rtl::EncodeDateTime(2021, 3, 5, 14, 7, 9, 0);
    EXPECT_EQ(rtl::StrToDateTime(rtl::DateTimeToStr(v, fs), fs), v);
}

}  // namespace
