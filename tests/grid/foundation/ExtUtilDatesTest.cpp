// Tests of the grid's date utilities: the locale date parser, two-digit-year short dates and date arithmetic.
#include "grid/foundation/ExtUtilDates.h"

#include "platform/rtl/DateTime.h"
#include "tests/grid/foundation/ExtUtilTestLocale.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;

TEST(ExtUtilDates, ParseLocaleDateReadsFieldsInTheOrderOfTheShortDateFormat)
{
    gridtest::LocaleScope locale(',', '.', '.', ':', "dd.MM.yyyy");
    TDateTime value = 0;
    ASSERT_TRUE(ParseLocaleDate("05.03.2021 10:30", value));
    EXPECT_DOUBLE_EQ(value, rtl::EncodeDate(2021, 3, 5) + rtl::EncodeTime(10, 30, 0, 0));
    ASSERT_TRUE(ParseLocaleDate("05.03.2021 10:30:15", value));
    EXPECT_DOUBLE_EQ(value, rtl::EncodeDate(2021, 3, 5) + rtl::EncodeTime(10, 30, 15, 0));
    ASSERT_TRUE(ParseLocaleDate("5.3.2021", value));
    EXPECT_DOUBLE_EQ(value, rtl::EncodeDate(2021, 3, 5));

    gridtest::LocaleScope iso(',', ' ', '-', ':', "yyyy-MM-dd");
    ASSERT_TRUE(ParseLocaleDate("2021-03-05", value));
    EXPECT_DOUBLE_EQ(value, rtl::EncodeDate(2021, 3, 5));
}

TEST(ExtUtilDates, ParseLocaleDateRejectsWhatIsNoDateOrTime)
{
    gridtest::LocaleScope locale('.', ',', '/', ':', "M/d/yyyy");
    struct Case { const char* text; };
    const Case cases[] = {
        {""}, {"5"}, {"1/2"}, {"a/2/2020"}, {"2/31/2020"}, {"13/1/2020"}, {"1/32/2020"},
        {"1/2/2020 25:00"}, {"1/2/2020 10:60"}, {"1/2/2020 10:30:60"}, {"1/2/2020 10:x"},
    };
    for (const Case& c : cases) {
        TDateTime value = 0;
        EXPECT_FALSE(ParseLocaleDate(c.text, value)) << c.text;
    }
    // A time without its separator fails, but the date is still delivered.
    TDateTime value = 0;
    EXPECT_FALSE(ParseLocaleDate("1/2/2020 10", value));
    EXPECT_DOUBLE_EQ(value, rtl::EncodeDate(2020, 1, 2));
}

TEST(ExtUtilDates, ShortDatesUseTheTwoDigitYearRule)
{
    EXPECT_DOUBLE_EQ(ParseShortDateEU("31/12/99"), rtl::EncodeDate(1999, 12, 31));
    EXPECT_DOUBLE_EQ(ParseShortDateEU("01-02-05"), rtl::EncodeDate(2005, 2, 1));
    EXPECT_DOUBLE_EQ(ParseShortDateEU("1.2.26"), rtl::EncodeDate(1926, 2, 1));
    EXPECT_DOUBLE_EQ(ParseShortDateUS("1/2/25"), rtl::EncodeDate(2025, 1, 2));
    EXPECT_DOUBLE_EQ(ParseShortDateUS("1/2/26"), rtl::EncodeDate(1926, 1, 2));
}

TEST(ExtUtilDates, ShortDateThatDoesNotExistGivesZeroInsteadOfAnError)
{
    for (const char* text : {"31/02/20", "2/31/20", "13/13/13", "0/1/20", "abc", "", "1/x/20", "1/2"}) {
        EXPECT_NO_THROW(EXPECT_EQ(ParseShortDateUS(text), 0.0) << text);
    }
    EXPECT_EQ(ParseShortDateEU("31/02/20"), 0.0);
    EXPECT_EQ(ParseShortDateEU("29/02/21"), 0.0);
    EXPECT_DOUBLE_EQ(ParseShortDateEU("29/02/20"), rtl::EncodeDate(2020, 2, 29));
}

TEST(ExtUtilDates, IsDateLikeTextNeedsTwoSeparatorsAfterTheFirstCharacter)
{
    auto locale = gridtest::UsLocale();
    EXPECT_TRUE(IsDateLikeText("1/2/2020"));
    EXPECT_TRUE(IsDateLikeText("1/2/"));
    EXPECT_FALSE(IsDateLikeText("/1/2"));
    EXPECT_FALSE(IsDateLikeText("1//2"));
    EXPECT_FALSE(IsDateLikeText("1/2"));
}

TEST(ExtUtilDates, AddingMonthsNormalisesTheMonthAndClampsTheDay)
{
    using rtl::EncodeDate;
    struct Case { int years, months, days; TDateTime date; double increment; TDateTime expected; };
    const Case cases[] = {
        {0, 1, 0, EncodeDate(2021, 1, 31), 0, EncodeDate(2021, 2, 28)},
        {0, 1, 0, EncodeDate(2020, 1, 31), 0, EncodeDate(2020, 2, 29)},
        {0, 13, 0, EncodeDate(2020, 1, 15), 0, EncodeDate(2021, 2, 15)},
        {0, 25, 0, EncodeDate(2020, 12, 15), 0, EncodeDate(2023, 1, 15)},
        {0, -1, 0, EncodeDate(2020, 1, 15), 0, EncodeDate(2019, 12, 15)},
        {0, -14, 0, EncodeDate(2020, 3, 31), 0, EncodeDate(2019, 1, 31)},
        {0, -1, 0, EncodeDate(2020, 3, 31), 0, EncodeDate(2020, 2, 29)},
        {1, 0, 0, EncodeDate(2020, 2, 29), 0, EncodeDate(2021, 2, 28)},
        {-2, 0, 0, EncodeDate(2020, 5, 1), 0, EncodeDate(2018, 5, 1)},
        {0, 0, 10, EncodeDate(2020, 5, 1), 0, EncodeDate(2020, 5, 11)},
        {1, 1, 0, EncodeDate(2020, 5, 1), 2.5, EncodeDate(2020, 5, 1) + 2.5},
        {0, 0, 0, EncodeDate(2020, 5, 1), 0.25, EncodeDate(2020, 5, 1) + 0.25},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(AddDatePart(c.years, c.months, c.days, c.date, c.increment), c.expected)
            << c.years << "y " << c.months << "m " << c.days << "d";
}

TEST(ExtUtilDates, AddingMonthsKeepsTheTimeOfDay)
{
    const TDateTime start = rtl::EncodeDate(2021, 1, 31) + rtl::EncodeTime(10, 0, 0, 0);
    EXPECT_DOUBLE_EQ(AddDatePart(0, 1, 0, start, 0),
                     rtl::EncodeDate(2021, 2, 28) + rtl::EncodeTime(10, 0, 0, 0));
}

}  // namespace

TEST(ExtUtilDates, ShortDateWithAFourDigitYearTakesTheYearAsGiven)
{
    EXPECT_DOUBLE_EQ(ParseShortDateUS("1/2/2020"), rtl::EncodeDate(2020, 1, 2));
    EXPECT_DOUBLE_EQ(ParseShortDateUS("12/31/1999"), rtl::EncodeDate(1999, 12, 31));
    EXPECT_DOUBLE_EQ(ParseShortDateEU("2.1.2020"), rtl::EncodeDate(2020, 1, 2));
}
