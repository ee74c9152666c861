// Tests of the "Ritchie" calculator: saturation, drained upper limit, lower limit and available water.
#include <gtest/gtest.h>

#include <string>

#include "app/RitchieCalculator.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

struct TRitchieCase {
    const char* Name;
    app::TRitchieInput Input;
    const char* Sat;
    const char* Dul;
    const char* Ll;
    const char* Hvk;
};

std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// Inputs take "." or "," whatever the locale; outputs are fixed 4/2 in the
// locale's separator.
TEST(RitchieCalculator, ComputesTheWaterContentsInBothLocales)
{
    const TRitchieCase cases[] = {
        {"defaults", {}, "45.40", "28.04", "13.85", "14.19"},
        {"clay 0 gives DUL 30", {"1.4", "2", "30", "40", "0"}, "45.40", "30.00", "15.81", "14.19"},
        {"sand 0 gives DUL 30", {"1,4", "2", "0", "40", "30"}, "45.40", "30.00", "15.80", "14.20"},
        {"lower limit held at 2", {"0.3", "0", "90", "5", "10"}, "81.58", "4.09", "2.00", "2.09"},
        {"DUL at or below 0", {"-2", "0", "30", "40", "30"}, "0.00", "0.00", "0.00", "0.00"},
        {"text counts as 0", {"1.4", "two", "30", "x", "30"}, "43.40", "26.04", "12.85", "13.19"},
    };
    for (char separator : {'.', ','}) {
        batchfixtures::DecimalSeparatorScope scope(separator);
        for (const TRitchieCase& c : cases) {
            const app::TRitchieOutput out = app::RitchieWaterContents(c.Input);
            EXPECT_EQ(out.Saturation, WithSeparator(c.Sat, separator)) << c.Name;
            EXPECT_EQ(out.DrainedUpperLimit, WithSeparator(c.Dul, separator)) << c.Name;
            EXPECT_EQ(out.LowerLimit, WithSeparator(c.Ll, separator)) << c.Name;
            EXPECT_EQ(out.AvailableWater, WithSeparator(c.Hvk, separator)) << c.Name;
        }
    }
}

}  // namespace
