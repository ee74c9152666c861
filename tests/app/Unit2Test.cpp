// Tests of the shared routines: field splitter, number parsers, alignment, dates, statistics, texture, nutrients.
#include "app/Unit2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Utf8.h"

namespace {

using app::SharedFields;
using app::SharedValues;

std::vector<std::string> CurrentFields()
{
    std::vector<std::string> fields;
    for (int i = 1; i <= SharedFields.Count; ++i) fields.push_back(SharedFields[i]);
    return fields;
}

// Sets the recorded and the platform's decimal separator for one test, as
// the start of the program does from the locale.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator)
        : FSavedSettings(rtl::FormatSettings), FSavedAtStart(app::DecimalSeparatorAtStart)
    {
        rtl::FormatSettings.DecimalSeparator = separator;
        rtl::FormatSettings.ThousandSeparator = separator == ',' ? '.' : ',';
        app::DecimalSeparatorAtStart = separator;
    }
    ~DecimalSeparatorScope()
    {
        rtl::FormatSettings = FSavedSettings;
        app::DecimalSeparatorAtStart = FSavedAtStart;
    }

private:
    rtl::TFormatSettings FSavedSettings;
    char FSavedAtStart;
};

// ---------------------------------------------------------------------------
// SplitFields

struct SplitCase {
    std::string Line;
    char Separator;
    std::vector<std::string> Fields;
};

TEST(SplitFields, SplitsLinesAtTheSeparatorSkippingLeadingBlanksOfEachField)
{
    const std::vector<SplitCase> cases = {
        {"a;;b ", ';', {"a", "", "b "}},               // empty field, trailing blank kept
        {"  x", ';', {"x"}},                           // leading blanks of the line
        {"", ';', {""}},                               // empty line: one empty field
        {"a;b;", ';', {"a", "b", ""}},                 // ending separator: empty last field
        {"  a ;   b", ';', {"a ", "b"}},                // leading blanks of every field
        {"a   b  c", ' ', {"a", "b", "c"}},            // a run of blanks is one separator
        {"a b ", ' ', {"a", "b", ""}},                 // trailing blank: empty last field
        {"   a b", ' ', {"a", "b"}},
        {"a\t\tb", '\t', {"a", "", "b"}},              // tabs are not blanks
        {"\ta", '\t', {"", "a"}},
        {"őszi búza;5,5;Ő", ';', {"őszi búza", "5,5", "Ő"}},
    };
    for (const SplitCase& c : cases) {
        app::SplitFields(c.Line, c.Separator);
        EXPECT_EQ(CurrentFields(), c.Fields) << "line \"" << c.Line << "\"";
        EXPECT_EQ(SharedFields.Count, static_cast<int>(c.Fields.size()));
    }
}

TEST(SplitFields, EmptiesFieldsUpTo100AndKeepsStaleFieldsFrom101)
{
    std::string longLine;
    for (int i = 1; i <= 150; ++i) longLine += (i > 1 ? ";" : "") + ("f" + std::to_string(i));
    app::SplitFields(longLine, ';');
    ASSERT_EQ(SharedFields.Count, 150);

    app::SplitFields("x;y", ';');
    EXPECT_EQ(SharedFields.Count, 2);
    EXPECT_EQ(SharedFields[1], "x");
    EXPECT_EQ(SharedFields[2], "y");
    for (int i = 3; i <= 100; ++i) EXPECT_EQ(SharedFields[i], "") << "field " << i;
    for (int i = 101; i <= 150; ++i) EXPECT_EQ(SharedFields[i], "f" + std::to_string(i)) << "field " << i;
}

TEST(SplitFields, TakesAThousandFieldsAndRefusesMoreInsteadOfOverrunningTheBuffer)
{
    std::string line(999, ';');
    app::SplitFields(line, ';');
    EXPECT_EQ(SharedFields.Count, 1000);

    line += ';';
    EXPECT_THROW(app::SplitFields(line, ';'), rtl::EListError);
}

// ---------------------------------------------------------------------------
// ParseDecimal and ParseNumberFiltered, under both decimal separators

class NumberParsers : public ::testing::TestWithParam<char> {};

TEST_P(NumberParsers, ParseDecimalAcceptsPointAndCommaAndGivesZeroForNonNumbers)
{
    DecimalSeparatorScope scope(GetParam());
    struct Case { std::string Text; double Value; };
    const std::vector<Case> cases = {
        {"3,5", 3.5}, {"3.5", 3.5}, {"-2.25", -2.25}, {" 7 ", 7}, {"1e3", 1000}, {"1,5E-2", 0.015},
        {"abc", 0}, {"", 0}, {"1,234.5", 0}, {"12 kg", 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(app::ParseDecimal(c.Text), c.Value) << c.Text;
}

TEST_P(NumberParsers, ParseNumberFilteredKeepsOnlyTheCharactersOfANumber)
{
    DecimalSeparatorScope scope(GetParam());
    struct Case { std::string Text; double Value; };
    const std::vector<Case> cases = {
        {"12,5 kg/ha", 12.5}, {"12.5 kg/ha", 12.5}, {"-3", -3}, {"5-3", 53}, {" -3", 3},
        {"1.5E+2 mm", 150}, {"ő7ű", 7}, {"kg", -999}, {"-", -999}, {"", -999}, {"e", -999},
        {"E", -999}, {"+", -999}, {".", -999}, {",", -999}, {"kg -", -999},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(app::ParseNumberFiltered(c.Text), c.Value) << c.Text;
}

TEST_P(NumberParsers, ParseNumberFilteredRaisesAConversionErrorWhenTheKeptCharactersAreNoNumber)
{
    const char separator = GetParam();
    DecimalSeparatorScope scope(separator);
    struct Case { std::string Text; std::string Kept; };
    const std::vector<Case> cases = {
        {"1e", "1e"},
        {"1.2.3", std::string("1") + separator + "2" + separator + "3"},
        {"5 e+", "5e+"},
    };
    for (const Case& c : cases) {
        try {
            app::ParseNumberFiltered(c.Text);
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + c.Kept + "' is not a valid floating point value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberParsers, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "Point" : "Comma"; });

// ---------------------------------------------------------------------------
// PadRight and PadLeft

TEST(Padding, FillsOrCutsToTheWidthCountingCharactersNotBytes)
{
    struct Case { std::string Text; int Width; std::string Right; std::string Left; };
    const std::vector<Case> cases = {
        {"abc", 5, "abc  ", "  abc"},
        {"abcdef", 4, "abcd", "abcd"},       // both keep the beginning
        {"abcd", 4, "abcd", "abcd"},
        {"", 3, "   ", "   "},
        {"7", 3, "7  ", "  7"},
        {"őszi", 6, "őszi  ", "  őszi"},     // 4 characters, 6 bytes
        {"árvíztűrő", 5, "árvíz", "árvíz"},
        {"°C", 2, "°C", "°C"},
        {"abc", 0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::PadRight(c.Text, c.Width), c.Right) << c.Text << " " << c.Width;
        EXPECT_EQ(app::PadLeft(c.Text, c.Width), c.Left) << c.Text << " " << c.Width;
        EXPECT_EQ(rtl::Utf8Length(app::PadRight(c.Text, c.Width)), static_cast<std::size_t>(c.Width));
    }
}

// ---------------------------------------------------------------------------
// Dates

TEST(Dates, DateToYearDoyCountsDaysOfYearWithGregorianLeapYears)
{
    struct Case { std::string Date; int YearDoy; };
    const std::vector<Case> cases = {
        {"2019-03-01", 2019060}, {"2020-03-01", 2020061}, {"2019.12.31", 2019365},
        {"2020-12-31", 2020366}, {"2019-01-01", 2019001}, {"2019-02-28", 2019059},
        {"2019-3-1", 9999999},   {"", 9999999},           {"2019-03-011x", 9999999},
        {"2020-03-01Z", 2020061},                          // 11 characters: the last is not examined
        {"2019-13-01", 2019000}, {"2019-00-05", 2019000},  // no such month: day of year 0
    };
    for (const Case& c : cases) EXPECT_EQ(app::DateToYearDoy(c.Date), c.YearDoy) << c.Date;
}

TEST(Dates, LeapYearsFollowTheGregorianRule)
{
    // 2000 is a leap year; 1900 and 2100 are not (the old rule had them the
    // other way round and shifted every 2000 date after February by a day).
    EXPECT_EQ(app::DateToYearDoy("2000-02-29"), 2000060);
    EXPECT_EQ(app::DateToYearDoy("2000-03-01"), 2000061);
    EXPECT_EQ(app::DateToYearDoy("2000.12.31"), 2000366);
    EXPECT_EQ(app::DateToYearDoy("1900-03-01"), 1900060);
    EXPECT_EQ(app::DateToYearDoy("2100-03-01"), 2100060);
    EXPECT_EQ(app::YearDoyToDate(2000060), "2000.02.29");
    EXPECT_EQ(app::YearDoyToDate(2000366), "2000.12.31");
    EXPECT_EQ(app::YearDoyToDate(1900060), "1900.03.01");
    EXPECT_EQ(app::YearDoyToDate(2100060), "2100.03.01");
}

TEST(Dates, YearDoyToDateWritesDottedDates)
{
    struct Case { int YearDoy; std::string Date; };
    const std::vector<Case> cases = {
        {2019060, "2019.03.01"}, {2020060, "2020.02.29"}, {2019032, "2019.02.01"},
        {2019001, "2019.01.01"}, {2019365, "2019.12.31"}, {2019000, "2019.01.00"},
        {2019366, "2019.00.00"},  // beyond the year's end: no month, no day
    };
    for (const Case& c : cases) EXPECT_EQ(app::YearDoyToDate(c.YearDoy), c.Date) << c.YearDoy;
}

TEST(Dates, EveryDayOfTheYearConvertsBothWays)
{
    for (int year : {1900, 1999, 2000, 2019, 2020, 2100}) {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        for (int day = 1; day <= (leap ? 366 : 365); ++day) {
            const int yearDoy = year * 1000 + day;
            std::string date = app::YearDoyToDate(yearDoy);
            EXPECT_EQ(app::DateToYearDoy(date), yearDoy) << date;
            std::replace(date.begin(), date.end(), '.', '-');
            EXPECT_EQ(app::DateToYearDoy(date), yearDoy) << date;
        }
    }
}

TEST(Dates, DateMonthReadsCharactersSixAndSeven)
{
    EXPECT_EQ(app::DateMonth("2019-03-01"), 3);
    EXPECT_EQ(app::DateMonth("2019.12.31"), 12);
    EXPECT_EQ(app::DateMonth("2019.12.31x"), 12);
    EXPECT_EQ(app::DateMonth("2019-3-1"), 0);
    EXPECT_EQ(app::DateMonth("2019-03-011x"), 0);
}

TEST(Dates, NonDigitsRaiseTheIntegerConversionError)
{
    struct Case { std::string Date; std::string Message; };
    const std::vector<Case> cases = {
        {"20x9-03-01", "'20x9' is not a valid integer value"},
        {"2019-03-xy", "'xy' is not a valid integer value"},
        {"2019-03-0ő", "'0ő' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        try {
            app::DateToYearDoy(c.Date);
            ADD_FAILURE() << "no error for " << c.Date;
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    EXPECT_THROW(app::DateMonth("2019-ab-01"), rtl::EConvertError);
}

// ---------------------------------------------------------------------------
// Sorted statistics

void FillValues(const std::vector<double>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) SharedValues[i + 1] = values[i];
}

// SharedValues[1..n] = a shuffled 1..n, so that after sorting v[i] == i.
void FillShuffledRange(int n)
{
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) values.push_back(i);
    std::shuffle(values.begin(), values.end(), std::mt19937(1234));
    FillValues(values);
}

TEST(SortedStatistics, MedianAveragesTheTwoMiddleValuesForEvenAndOddCounts)
{
    FillValues({4, 1, 3, 2});
    EXPECT_DOUBLE_EQ(app::SortedMedian(4), 2.5);
    EXPECT_EQ(std::vector<double>(SharedValues.begin() + 1, SharedValues.begin() + 5),
              (std::vector<double>{1, 2, 3, 4}));

    FillValues({5, 3, 1, 4, 2});
    EXPECT_DOUBLE_EQ(app::SortedMedian(5), 2.5);  // mean of the 2nd and 3rd smallest
    FillValues({7, -1});
    EXPECT_DOUBLE_EQ(app::SortedMedian(2), 3);
}

TEST(SortedStatistics, MaxIsTheLastSortedValue)
{
    FillValues({-5, 12.5, 3, 12.25});
    EXPECT_DOUBLE_EQ(app::SortedMax(4), 12.5);
    FillValues({-7});
    EXPECT_DOUBLE_EQ(app::SortedMax(1), -7);
}

TEST(SortedStatistics, Percentile95DropsNOverTwentyRoundedHalfToEven)
{
    struct Case { int N; int Index; };
    const std::vector<Case> cases = {
        {1, 1}, {5, 5}, {10, 10}, {11, 10}, {30, 28}, {50, 48}, {70, 66}, {1104, 1049},
    };
    for (const Case& c : cases) {
        FillShuffledRange(c.N);
        EXPECT_DOUBLE_EQ(app::SortedPercentile95(c.N), c.Index) << "n = " << c.N;
    }
}

TEST(SortedStatistics, LeaveTheAscendingOrderOfAnExchangeSortAndTouchNothingBeyondN)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> draw(-50, 50);  // many duplicates
    std::vector<double> values(1104);
    for (double& v : values) v = draw(random) / 4.0;
    std::vector<double> expected = values;
    for (std::size_t i = 0; i + 1 < expected.size(); ++i)
        for (std::size_t j = i + 1; j < expected.size(); ++j)
            if (expected[i] > expected[j]) std::swap(expected[i], expected[j]);

    FillValues(values);
    SharedValues[1105] = -1e9;
    const double max = app::SortedMax(1104);
    EXPECT_EQ(std::vector<double>(SharedValues.begin() + 1, SharedValues.begin() + 1105), expected);
    EXPECT_DOUBLE_EQ(max, expected.back());
    EXPECT_DOUBLE_EQ(SharedValues[1105], -1e9);
}

TEST(SortedStatistics, ValuesThatAreNotNumbersGoAfterAllNumbers)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    FillValues({3, nan, 1, 2, nan});
    app::SortedMedian(5);
    EXPECT_EQ(SharedValues[1], 1);
    EXPECT_EQ(SharedValues[2], 2);
    EXPECT_EQ(SharedValues[3], 3);
    EXPECT_TRUE(std::isnan(SharedValues[4]));
    EXPECT_TRUE(std::isnan(SharedValues[5]));
}

TEST(SortedStatistics, ACountBeyondTheBufferIsRefused)
{
    EXPECT_THROW(app::SortedMax(app::SharedValuesCapacity + 1), rtl::ERangeError);
}

// ---------------------------------------------------------------------------
// UsdaTextureClass

TEST(UsdaTextureClass, TwelveClassesOfTheTextureTriangle)
{
    struct Case { double Sand, Silt, Clay; int Class; };
    const std::vector<Case> cases = {
        {92, 5, 3, 1},     // SAND
        {82, 12, 6, 2},    // LOAMY SAND
        {65, 25, 10, 3},   // SANDY LOAM (clay 7..20)
        {55, 42, 3, 3},    // SANDY LOAM (clay below 7)
        {40, 40, 20, 4},   // LOAM
        {20, 65, 15, 5},   // SILT LOAM (clay 12..27)
        {30, 62, 8, 5},    // SILT LOAM (silt 50..80)
        {5, 88, 7, 6},     // SILT
        {60, 15, 25, 7},   // SANDY CLAY LOAM
        {33, 34, 33, 8},   // CLAY LOAM
        {10, 56, 34, 9},   // SILTY CLAY LOAM
        {52, 6, 42, 10},   // SANDY CLAY
        {5, 47, 48, 11},   // SILTY CLAY
        {20, 20, 60, 12},  // CLAY
        {45, 15, 40, 12},  // sand 45 is not above 45: CLAY, not SANDY CLAY
        {45.5, 14.5, 40, 10},
        {20, 40, 40, 11},  // clay and silt at 40: SILTY CLAY
        {40, 20, 22, 0},   // adds up to 82: no rule matches
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::UsdaTextureClass(12, c.Sand, c.Silt, c.Clay), c.Class)
            << c.Sand << "/" << c.Silt << "/" << c.Clay;
}

TEST(UsdaTextureClass, ThreeCoarseClassesForAnyOtherClassCount)
{
    struct Case { int Classes; double Sand, Silt, Clay; int Class; };
    const std::vector<Case> cases = {
        {3, 70, 20, 10, 1}, {3, 66, 0, 40, 1},  // sand above 65 wins
        {3, 65, 0, 36, 3},  {3, 30, 30, 40, 3}, {3, 40, 40, 20, 2}, {3, 50, 15, 35, 2},
        {0, 70, 20, 10, 1}, {11, 30, 30, 40, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::UsdaTextureClass(c.Classes, c.Sand, c.Silt, c.Clay), c.Class)
            << c.Classes << ": " << c.Sand << "/" << c.Silt << "/" << c.Clay;
}

// ---------------------------------------------------------------------------
// CropNutrientDemand

struct NutrientCase {
    std::string Crop;
    double Yield;
    double V1, V2, V3;
};

void ExpectNutrients(const NutrientCase& c)
{
    app::CropNutrientDemand(c.Crop, c.Yield);
    EXPECT_NEAR(app::CropNutrientResults[1], c.V1, 1e-9) << c.Crop;
    EXPECT_NEAR(app::CropNutrientResults[2], c.V2, 1e-9) << c.Crop;
    EXPECT_NEAR(app::CropNutrientResults[3], c.V3, 1e-9) << c.Crop;
}

TEST(CropNutrientDemand, RowsTimesYieldTimesTenWithTheLastMatchingRowWinning)
{
    const std::vector<NutrientCase> cases = {
        {"őszi búza", 5, 100, 45, 25},
        {"paprika", 10, 20, 10, 20},          // vegetable row
        {"fejes káposzta", 10, 20, 10, 20},
        {"görögdinnye", 1, 2, 1, 2},
        {"meggy", 2, 10, 6, 8},               // fruit row
        {"őszibarack", 1, 5, 3, 4},
        {"kukorica", 10, 160, 60, 40},
        {"silókukorica", 10, 30, 30, 40},     // matches kukorica, then its own row
        {"tavaszi árpa", 6, 102, 42, 30},
        {"füveshere", 1, 20, 5, 17},
        {"ugar", 7, 0, 0, 0},
        {"Búza", 5, 0, 0, 0},                 // case-sensitive
        {"alma", 5, 0, 0, 0},                 // no row
    };
    for (const NutrientCase& c : cases) ExpectNutrients(c);
}

TEST(CropNutrientDemand, RapeIsNotTakenForACabbageVegetable)
{
    // "káposztarepce" (rape) contains "káposzta" (cabbage) but keeps its own row.
    ExpectNutrients({"őszi káposztarepce", 3, 105, 48, 30});
    ExpectNutrients({"repce", 2, 70, 32, 20});
}

TEST(CropNutrientDemand, ANameWithoutARowResetsTheEarlierResults)
{
    ExpectNutrients({"búza", 5, 100, 45, 25});
    ExpectNutrients({"", 5, 0, 0, 0});
}

}  // namespace
