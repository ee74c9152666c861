// Tests of the grid's number utilities: character classes, financial numbers, number kinds and invariant number text.
#include "grid/foundation/ExtUtilNumbers.h"

#include "tests/grid/foundation/ExtUtilTestLocale.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;

TEST(ExtUtilNumbers, LocaleSeparatorsFollowTheCurrentSettings)
{
    gridtest::LocaleScope locale(',', ' ', '.', ':', "yyyy.MM.dd.");
    EXPECT_EQ(LocaleDecimalSeparator(), U',');
    EXPECT_EQ(LocaleThousandSeparator(), U' ');
    EXPECT_EQ(LocaleDateSeparator(), U'.');
    EXPECT_EQ(LocaleTimeSeparator(), U':');
    EXPECT_EQ(LocaleShortDateFormat(), "yyyy.MM.dd.");
}

TEST(ExtUtilNumbers, CharacterClasses)
{
    auto locale = gridtest::UsLocale();
    EXPECT_TRUE(IsNumberChar(U'7'));
    EXPECT_TRUE(IsNumberChar(U'\u0663'));  // Arabic-Indic digit three
    EXPECT_TRUE(IsNumberChar(U'\u00BD'));  // vulgar fraction one half (other number)
    EXPECT_TRUE(IsNumberChar(U'\u2163'));  // Roman numeral four (letter number)
    EXPECT_FALSE(IsNumberChar(U'a'));
    EXPECT_FALSE(IsNumberChar(U'\u00E9'));
    EXPECT_TRUE(IsDigitChar(U'0'));
    EXPECT_TRUE(IsNumberOrMinusChar(U'-'));
    EXPECT_TRUE(IsFloatChar(U','));
    EXPECT_TRUE(IsFloatChar(U'E'));
    EXPECT_FALSE(IsFloatChar(U'+'));
    EXPECT_TRUE(IsScientificChar(U'+'));
    EXPECT_TRUE(IsInvariantFloatChar(U'.'));
    EXPECT_FALSE(IsInvariantFloatChar(U','));
    for (char32_t key : {U'5', U'.', U',', char32_t(8), char32_t(9), char32_t(13), char32_t(27), U'-'})
        EXPECT_TRUE(IsNumericEditKey(key)) << static_cast<int>(key);
    EXPECT_FALSE(IsNumericEditKey(U'a'));
    EXPECT_FALSE(IsNumericEditKey(U'+'));
}

TEST(ExtUtilNumbers, ParseFinancialNumber)
{
    auto locale = gridtest::UsLocale();
    struct Case { const char* text; const char* expected; };
    const Case cases[] = {
        {"($1,234.50)", "-1234.50"},
        {"", ""},
        {"  $ 12.5 USD", "12.5"},
        {"-$7", "-7"},
        {"USD 1,000", "1000"},
        {"EUR 5", "E"},  // "E" is an exponent letter and stops the deleting
        {"1.5e3", "1.5e3"},
        {"x", ""},   // the last character is never deleted, but it is no number
    };
    for (const Case& c : cases) EXPECT_EQ(ParseFinancialNumber(c.text), c.expected) << c.text;

    gridtest::LocaleScope hungarian(',', '.', '.', ':', "yyyy.MM.dd.");
    EXPECT_EQ(ParseFinancialNumber("1.234,5 Ft"), "1234.5");
}

TEST(ExtUtilNumbers, ClassifyNumberText)
{
    auto locale = gridtest::UsLocale();
    struct Case { const char* text; int expected; };
    const Case cases[] = {
        {"123", nkInteger},     {"-12.5", nkFloat},     {"1,234,567", nkFloat},
        {"1,23,4", nkNotNumber}, {"12-3", nkNotNumber}, {"1e5", nkScientific},
        {"-1e-5", nkScientific}, {"", nkNotNumber},     {"12:30", nkTime},
        {"1/2/2020", nkDate},   {"1//2", nkNotNumber},  {"1.2.3", nkNotNumber},
        {"--5", nkNotNumber},   {"e5", nkNotNumber},    {"1e", nkNotNumber},
        {"1e5e3", nkNotNumber}, {"abc", nkNotNumber},   {"1/2/3/4", nkNotNumber},
        {"12:30:15", nkTime},   {"-7", nkInteger},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyNumberText(c.text), c.expected) << c.text;
}

TEST(ExtUtilNumbers, InvariantNumberTextRoundTrip)
{
    gridtest::LocaleScope hungarian(',', '.', '-', ':', "yyyy-MM-dd");
    EXPECT_EQ(NumberToInvariantText("1.234,5"), "1234.5");
    EXPECT_EQ(NumberToInvariantText("12"), "12");
    EXPECT_EQ(NumberToInvariantText("abc,5"), "abc,5");  // not a number: unchanged
    EXPECT_EQ(NumberFromInvariantText("1234.5"), "1234,5");
    EXPECT_EQ(NumberFromInvariantText("a.b"), "a.b");

    auto us = gridtest::UsLocale();
    EXPECT_EQ(NumberToInvariantText("1,234.5"), "1234.5");
    EXPECT_EQ(NumberFromInvariantText("1234.5"), "1234.5");
}

}  // namespace
