// Tests of the spreadsheet number-format evaluator: sections, conditions, colours, numbers, dates, times and texts.
#include "grid/core/esgxlsfmt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

namespace {

using grid::ApplyXlsFormat;
using grid::ApplyXlsFormatEx;
using grid::TVarType;
using grid::TXlsVariant;

// Sets the separators of the process-wide number settings for one test and
// puts the old settings back afterwards.
class SeparatorScope {
public:
    SeparatorScope(char decimal, char thousand) : FSaved(rtl::FormatSettings) {
        rtl::FormatSettings.DecimalSeparator = decimal;
        rtl::FormatSettings.ThousandSeparator = thousand;
    }
    ~SeparatorScope() { rtl::FormatSettings = FSaved; }

private:
    rtl::TFormatSettings FSaved;
};

struct TFormatted {
    std::string Text;
    gfx::TColor Color = gfx::clNone;
    bool HasDate = false;
    bool HasTime = false;
};

TFormatted Format(const TXlsVariant& value, const std::string& format, bool date1904 = false,
                  const rtl::TFormatSettings* settings = nullptr) {
    TFormatted r;
    ApplyXlsFormatEx(value, format, date1904, settings, r.Text, r.Color, r.HasDate, r.HasTime);
    return r;
}

// 5 March 2024, 18:00 (a Tuesday).
const double kTuesdayEvening = rtl::EncodeDate(2024, 3, 5) + 0.75;
constexpr double kMinute = 1.0 / 1440;
constexpr double kSecond = 1.0 / 86400;
constexpr gfx::TColor kRed = 0x0000FF;
constexpr gfx::TColor kBlue = 0xFF0000;
constexpr char kNoLocale = 0;  // the case reads no locale: run with both separators

struct TCase {
    TXlsVariant Value;
    std::string Format;
    char Decimal;  // '.', ',' or kNoLocale
    std::string Expected;
    gfx::TColor Color = gfx::clNone;
};

void RunCases(const std::vector<TCase>& cases) {
    for (const TCase& c : cases) {
        const std::vector<char> separators =
            c.Decimal == kNoLocale ? std::vector<char>{'.', ','} : std::vector<char>{c.Decimal};
        for (char decimal : separators) {
            SeparatorScope scope(decimal, decimal == '.' ? ',' : '.');
            const TFormatted r = Format(c.Value, c.Format);
            EXPECT_EQ(r.Text, c.Expected) << "format '" << c.Format << "', value '"
                                          << c.Value.PlainText() << "', decimal '" << decimal << "'";
            EXPECT_EQ(r.Color, c.Color) << "format '" << c.Format << "'";
        }
    }
}

TEST(EsgXlsFmt, SectionsAndConditions) {
    RunCases({
        // One section serves every number; negatives keep their sign.
        {3.14159, "0.00", '.', "3.14"},
        {-2.0, "0.00", '.', "-2.00"},
        // Two sections: negatives go to the second without their sign.
        {-2.0, "0.00;(0.00)", '.', "(2.00)"},
        {0.0, "0.00;(0.00)", '.', "0.00"},
        // Three sections: zero has its own.
        {0.0, "0;-0;\"zero\"", kNoLocale, "zero"},
        {-3.0, "0;-0;\"zero\"", kNoLocale, "-3"},
        {7.0, "0;-0;\"zero\"", kNoLocale, "7"},
        // A fourth section is for texts; numbers ignore it, and what follows a
        // fourth ";" is ignored.
        {5.0, "0;-0;\"zero\";\"text\";junk", kNoLocale, "5"},
        // Conditions pick the first section whose condition holds.
        {150.0, "[>100]\"big\";\"small\"", kNoLocale, "big"},
        {50.0, "[>100]\"big\";\"small\"", kNoLocale, "small"},
        {50.0, "[>100]0", kNoLocale, "###################"},
        {-5.0, "[<0]\"neg\";0", kNoLocale, "neg"},
        {0.0, "[=0]\"none\";0.0", kNoLocale, "none"},
        {2.0, "[=0]\"none\";0.0", '.', "2.0"},
        {0.0, "[<>0]0.0;\"zero\"", kNoLocale, "zero"},
        {1500.0, "[>=1000]#,##0;[<0]\"neg\";0.00", '.', "1,500"},
        {-5.0, "[>=1000]#,##0;[<0]\"neg\";0.00", kNoLocale, "neg"},
        {5.0, "[>=1000]#,##0;[<0]\"neg\";0.00", ',', "5,00"},
        // A condition that holds with n <= 0 shows its values without sign.
        {-20.0, "[<=-10]0;0", kNoLocale, "20"},
        // The number of a condition is read with "." whatever the locale.
        {2.0, "[>1.5]\"big\";0.0", kNoLocale, "big"},
        {1.0, "[>1.5]\"big\";0.0", ',', "1,0"},
        // A bracket that is no condition leaves the sections alone.
        {-1.0, "[Red]0;[Blue]0", kNoLocale, "1", kBlue},
    });
}

TEST(EsgXlsFmt, ColoursThousandsPercentAndScientific) {
    RunCases({
        {1.0, "[Red]0.00", '.', "1.00", kRed},
        // Colour names are case-sensitive: "[red]" is skipped as a bracket.
        {1.0, "[red]0.00", ',', "1,00"},
        {-1234.5, "#,##0.00;[Red]-#,##0.00", '.', "-1,234.50", kRed},
        {-1234.5, "#,##0.00;[Red]-#,##0.00", ',', "-1.234,50", kRed},
        {1234.5, "#,##0.00;[Red]-#,##0.00", '.', "1,234.50"},
        {1.5, "[Blue]General", ',', "1,5", kBlue},
        {1234567.0, "#,##0", '.', "1,234,567"},
        {1234567.0, "#,##0", ',', "1.234.567"},
        {1234.567, "#,##0.00", '.', "1,234.57"},
        {0.5, "#,##0.00", ',', "0,50"},
        {0.25, "0%", kNoLocale, "25%"},
        {0.1234, "0.0%", '.', "12.3%"},
        {0.1234, "0.0%", ',', "12,3%"},
        {-0.5, "0%;(0%)", kNoLocale, "(50%)"},
        {12345.0, "0.00E+00", '.', "1.23E+04"},
        {12345.0, "0.00E+00", ',', "1,23E+04"},
        {0.000123, "0.00E+00", '.', "1.23E-04"},
        {3.14159, "?.??", '.', "3.14"},
    });
}

TEST(EsgXlsFmt, LiteralsCurrencyAndUnformattableSections) {
    RunCases({
        {2.0, "0.00\" kg\"", '.', "2.00 kg"},
        {2.5, "0.00\" kg\"", ',', "2,50 kg"},
        // "k" is no format character: the plain value is shown.
        {2.5, "0.00 kg", '.', "2.5"},
        {2.5, "0.00 kg", ',', "2,5"},
        // With the minus sign suppressed the plain value has none either.
        {-2.5, "0;0.00 kg", ',', "2,5"},
        {1234.5, "$#,##0.00", '.', "$1,234.50"},
        {1234.5, "\"$\"#,##0.00", '.', "$1,234.50"},
        {1234.5, "[$\xE2\x82\xAC-40E] #,##0.00", ',', "\xE2\x82\xAC 1.234,50"},
        {1234.5, "#,##0.00 [$EUR]", '.', "1,234.50 EUR"},
        {5.0, "0_);(0)", kNoLocale, "5 "},
        {-5.0, "0_);(0)", kNoLocale, "(5)"},
        {5.0, "\\(0\\)", kNoLocale, "(5)"},
        {5.0, "*-0", kNoLocale, "-5"},
        // An escaped or quoted digit stays a character inside a number part.
        {5.0, "0\\0", kNoLocale, "50"},
        {5.0, "0\" x0\"", kNoLocale, "5 x0"},
        {5.0, "{0}", kNoLocale, "{5}"},
        {5.0, "0 \xC2\xB4", kNoLocale, "5 \xC2\xB4"},
        // Fractions: a fixed denominator is a digit, which is no format character.
        {1.5, "# ?/4", '.', "1.5"},
        {1.5, "# ?/4", ',', "1,5"},
        // Numbers of kinds the evaluator does not format show their plain text.
        {TXlsVariant::Integer(TVarType::varWord, 5), "0.00", kNoLocale, "5"},
        {TXlsVariant::Integer(TVarType::varInteger, 5), "0.00", ',', "5,00"},
        {TXlsVariant::Currency(2.5), "0.00", ',', "2,50"},
        {TXlsVariant::Integer(TVarType::varByte, 300), "000", kNoLocale, "044"},
        {1234567890123LL, "#,##0", '.', "1,234,567,890,123"},
        {true, "0.00", kNoLocale, "TRUE"},
        {false, "0.00", kNoLocale, "FALSE"},
    });
}

TEST(EsgXlsFmt, EmptyValuesAndEmptyFormats) {
    RunCases({
        {TXlsVariant(), "0.00", kNoLocale, ""},
        {TXlsVariant::Null(), "0.00", kNoLocale, ""},
        {2.5, "", '.', "2.5"},
        {2.5, "", ',', "2,5"},
        {"abc", "", kNoLocale, "abc"},
        {true, "", kNoLocale, "True"},
    });
}

TEST(EsgXlsFmt, DatesAndTimes) {
    RunCases({
        {kTuesdayEvening, "dd/mm/yyyy", kNoLocale, "05/03/2024"},
        {kTuesdayEvening, "d mmmm yyyy", kNoLocale, "5 March 2024"},
        {kTuesdayEvening, "ddd d mmm yy", kNoLocale, "Tue 5 Mar 24"},
        {kTuesdayEvening, "yyyy-mm-dd", kNoLocale, "2024-03-05"},
        {kTuesdayEvening, "hh:mm", kNoLocale, "18:00"},
        {kTuesdayEvening + 7 * kMinute + 9 * kSecond, "hh:mm:ss", kNoLocale, "18:07:09"},
        {kTuesdayEvening, "dd/mm/yyyy hh:mm", kNoLocale, "05/03/2024 18:00"},
        // "m" after an hour is minutes, elsewhere month.
        {kTuesdayEvening + 7 * kMinute, "h:m d/m", kNoLocale, "18:7 5/3"},
        // Dates stand in plain doubles too; only the date kind refuses negatives.
        {-1.0, "dd/mm/yyyy", kNoLocale, "29/12/1899"},
        {TXlsVariant::Date(-1.0), "dd/mm/yyyy", kNoLocale, "###################"},
        {TXlsVariant::Date(kTuesdayEvening), "dd/mm/yyyy", kNoLocale, "05/03/2024"},
        // A date past the year 9999 cannot be shown.
        {3.0e6, "dd/mm/yyyy", kNoLocale, "##"},
        {3.0e6, "\"on \"dd/mm/yyyy", kNoLocale, "on ##"},
    });
}

// "," and "-" between date parts are number characters; without a digit
// placeholder beside them they show as they stand, and a negative value adds
// no minus sign of its own.
TEST(EsgXlsFmt, SeparatorsWithoutDigitsShowAsTheyStand) {
    RunCases({
        {kTuesdayEvening, "mmm d, yyyy", kNoLocale, "Mar 5, 2024"},
        {-1.0, "yyyy-mm-dd", kNoLocale, "1899-12-29"},
        {-1.0, "yyyy\\-mm\\-dd", kNoLocale, "1899-12-29"},
        {-2.0, "\"x\"-", kNoLocale, "x-"},
        {0.0, "0.00;-0.00;-", kNoLocale, "-"},
    });
}

TEST(EsgXlsFmt, ElapsedTimes) {
    RunCases({
        {1.5, "[h]:mm", kNoLocale, "36:00"},
        {1 + 2.0 / 24 + 3 * kMinute + 4 * kSecond, "[h]:mm:ss", kNoLocale, "26:03:04"},
        {13 * kMinute, "[mm]:ss", kNoLocale, "13:00"},
        {59 * kSecond, "[s]\" s\"", kNoLocale, "59 s"},
        {0.25, "[hh]", kNoLocale, "06"},
        {1000.0, "[h]", kNoLocale, "24000"},
        {-1.5, "[h]:mm", kNoLocale, "-36:00"},
        // Number parts after an elapsed token still follow the locale.
        {1.5, "[h] 0.0", '.', "36 1.5"},
        {1.5, "[h] 0.0", ',', "36 1,5"},
    });
}

// 13 minutes is 0.0090277... days; times 1440 that is 12.9999..., which
// truncated without rounding would read 12 minutes.
TEST(EsgXlsFmt, ElapsedTimeRoundsToTheMillisecondBeforeTruncating) {
    RunCases({
        {13 * kMinute, "[m]", kNoLocale, "13"},
        {13 * kMinute, "[h]:mm", kNoLocale, "0:13"},
        {61 * kSecond, "[s]", kNoLocale, "61"},
        {7.0 / 24, "[h]", kNoLocale, "7"},
        // Just under a minute still truncates.
        {59.4 * kSecond, "[m]", kNoLocale, "0"},
        {59.9996 * kSecond, "[m]", kNoLocale, "1"},
    });
    for (int minutes = 0; minutes < 24 * 60 * 3; ++minutes) {
        TFormatted r = Format(minutes * kMinute, "[m]");
        ASSERT_EQ(r.Text, std::to_string(minutes));
    }
}

// The AM/PM marker stands after a blank, in a later part of the section than
// the hours; the hours must still follow the 12-hour clock.
TEST(EsgXlsFmt, TwelveHourClockFollowsAnAmPmMarkerLaterInTheSection) {
    RunCases({
        {0.75, "h:mm AM/PM", kNoLocale, "6:00 PM"},
        {0.25, "h:mm AM/PM", kNoLocale, "6:00 AM"},
        {0.0, "h:mm AM/PM", kNoLocale, "12:00 AM"},
        {0.5, "h:mm AM/PM", kNoLocale, "12:00 PM"},
        {0.75, "hh:mm am/pm", kNoLocale, "06:00 PM"},
        {0.75 + 30 * kMinute, "h:mmAM/PM", kNoLocale, "6:30PM"},
        {0.75, "h A/P", kNoLocale, "6 P"},
        {kTuesdayEvening, "dd/mm/yyyy h:mm AM/PM", kNoLocale, "05/03/2024 6:00 PM"},
    });
}

TEST(EsgXlsFmt, TextSections) {
    RunCases({
        {"5", "@\" units\"", kNoLocale, "5 units"},
        {"5", "@ units", kNoLocale, "5"},
        {"abc", "0.00", kNoLocale, "abc"},
        {"abc", "0;-0;0;\"<\"@\">\"", kNoLocale, "<abc>"},
        {"abc", "0;-0;0;[Red]@", kNoLocale, "abc", kRed},
        {"abc", "[Blue]@", kNoLocale, "abc", kBlue},
        {"abc", "[Red]", kNoLocale, "abc", kRed},
        {"abc", "[Red]general", kNoLocale, "abc", kRed},
        // A colour followed by a number format does not colour a text.
        {"abc", "[Red]0.00", kNoLocale, "abc"},
        {"abc", "\\[@\\]", kNoLocale, "[abc]"},
        {"\xC3\xA1rv\xC3\xADz", "\"(\"@\")\"", kNoLocale, "(\xC3\xA1rv\xC3\xADz)"},
    });
}

TEST(EsgXlsFmt, DateAndTimeFlags) {
    TFormatted r = Format(kTuesdayEvening, "dd/mm/yyyy");
    EXPECT_TRUE(r.HasDate);
    EXPECT_FALSE(r.HasTime);
    r = Format(kTuesdayEvening, "hh:mm");
    EXPECT_FALSE(r.HasDate);
    EXPECT_TRUE(r.HasTime);
    r = Format(1.5, "[h]");
    EXPECT_FALSE(r.HasDate);
    EXPECT_TRUE(r.HasTime);
    r = Format(kTuesdayEvening, "yyyy hh:mm");
    EXPECT_TRUE(r.HasDate);
    EXPECT_TRUE(r.HasTime);
    r = Format(1.5, "#,##0.00");
    EXPECT_FALSE(r.HasDate);
    EXPECT_FALSE(r.HasTime);
}

TEST(EsgXlsFmt, WholeSectionLongDateAndTimeCodes) {
    TFormatted r = Format(kTuesdayEvening, "[$-F800]dddd, mmmm dd, yyyy");
    EXPECT_EQ(r.Text, "Tuesday, 5 March 2024");
    EXPECT_TRUE(r.HasDate);
    EXPECT_FALSE(r.HasTime);
    r = Format(kTuesdayEvening, "[$-f400]h:mm:ss AM/PM");
    EXPECT_EQ(r.Text, "18:00:00");
    EXPECT_TRUE(r.HasTime);
    // The caller's settings give the pattern.
    rtl::TFormatSettings hungarian = rtl::DefaultFormatSettings();
    hungarian.LongDateFormat = "yyyy. mmmm d.";
    hungarian.LongTimeFormat = "h:nn";
    EXPECT_EQ(Format(kTuesdayEvening, "[$-F800]", false, &hungarian).Text, "2024. March 5.");
    EXPECT_EQ(Format(kTuesdayEvening, "[$-F400]", false, &hungarian).Text, "18:00");
    // A negative date is shown through the codes all the same.
    EXPECT_EQ(Format(TXlsVariant::Date(-1.0), "[$-F800]", false, &hungarian).Text, "1899. December 29.");
    EXPECT_EQ(Format(3.0e6, "[$-F800]").Text, "##");
}

TEST(EsgXlsFmt, Date1904CountsFromTheFirstOfJanuary1904) {
    EXPECT_EQ(Format(0.0, "dd/mm/yyyy", true).Text, "01/01/1904");
    EXPECT_EQ(Format(1.5, "dd/mm/yyyy hh:mm", true).Text, "02/01/1904 12:00");
    EXPECT_EQ(Format(0.0, "[$-F800]", true).Text, "Friday, 1 January 1904");
    // Elapsed times and numbers are not dates and do not move.
    EXPECT_EQ(Format(1.5, "[h] 0.0", true).Text, "36 1.5");
}

TEST(EsgXlsFmt, ColourIsLeftAloneWithoutAColourName) {
    gfx::TColor color = 0x123456;
    std::string text;
    ApplyXlsFormatEx(1.0, "0.00", false, nullptr, text, color);
    EXPECT_EQ(color, 0x123456);
    ApplyXlsFormatEx(-1.0, "0.00;[Green]0.00", false, nullptr, text, color);
    EXPECT_EQ(color, 0x008000);
    EXPECT_EQ(text, "1.00");
}

TEST(EsgXlsFmt, ApplyXlsFormatUsesThe1900DateSystem) {
    std::string text = "stale";
    ApplyXlsFormat(0.0, "dd/mm/yyyy", text);
    EXPECT_EQ(text, "30/12/1899");
    ApplyXlsFormat(TXlsVariant(), "0", text);
    EXPECT_EQ(text, "");
}

TEST(EsgXlsFmt, ConditionRecordsAndNeutralNumbers) {
    grid::TResultCondition c = grid::BuildResultCondition(true, false, true, false);
    EXPECT_TRUE(c.SupressNeg);
    EXPECT_FALSE(c.SupressNegComp);
    EXPECT_TRUE(c.Complement);
    EXPECT_FALSE(c.Assigned);
    SeparatorScope scope(',', '.');
    double v = 0;
    EXPECT_TRUE(grid::ParseFloatNeutral("1.5", v));
    EXPECT_EQ(v, 1.5);
    EXPECT_TRUE(grid::ParseFloatNeutral("-2e3", v));
    EXPECT_EQ(v, -2000.0);
    EXPECT_FALSE(grid::ParseFloatNeutral("1,5", v));
    EXPECT_FALSE(grid::ParseFloatNeutral("1.5x", v));
    EXPECT_FALSE(grid::ParseFloatNeutral("", v));
}

}  // namespace
