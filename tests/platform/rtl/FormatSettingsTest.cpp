// Tests of the format settings: defaults and the locale's decimal separator.
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/rtl/NumberText.h"
#include "tests/support/TempDir.h"

namespace {

TEST(FormatSettings, DefaultsAreFixedAndComplete) {
    const rtl::TFormatSettings fs = rtl::DefaultFormatSettings();
    EXPECT_EQ(fs.DecimalSeparator, '.');
    EXPECT_EQ(fs.ThousandSeparator, ',');
    EXPECT_EQ(fs.DateSeparator, '/');
    EXPECT_EQ(fs.TimeSeparator, ':');
    EXPECT_EQ(fs.ShortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(fs.TimeAMString, "AM");
    EXPECT_EQ(fs.TimePMString, "PM");
    EXPECT_EQ(fs.ShortMonthNames[0], "Jan");
    EXPECT_EQ(fs.LongMonthNames[11], "December");
    EXPECT_EQ(fs.ShortDayNames[0], "Sun");
    EXPECT_EQ(fs.LongDayNames[6], "Saturday");
    EXPECT_EQ(fs.TwoDigitYearCenturyWindow, 50);
}

// Sets an environment variable for the lifetime of the object.
class EnvScope {
public:
    EnvScope(const char* name, const std::string& value) : FName(name) {
        if (const char* old = std::getenv(name)) FOld = old;
        setenv(name, value.c_str(), 1);
    }
    ~EnvScope() {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

TEST(FormatSettings, LocaleDecimalSeparatorOfTheCLocaleIsPoint) {
    EnvScope all("LC_ALL", "C");
    EXPECT_EQ(rtl::LocaleDecimalSeparator(), '.');
}

TEST(FormatSettings, RecordsTheHungarianLocaleCommaAtStart) {
    // Build the Hungarian locale into a private folder so the test needs no
    // system-wide locale installation.
    testsupport::TempDir dir;
    std::string cmd = "localedef -i hu_HU -f UTF-8 '" + dir.File("hu_HU.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "localedef or the hu_HU locale source is not available";
    EnvScope path("LOCPATH", dir.Path().string());
    EnvScope all("LC_ALL", "hu_HU.UTF-8");
    EXPECT_EQ(rtl::LocaleDecimalSeparator(), ',');

    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.ThousandSeparator = ',';
    EXPECT_EQ(rtl::RecordLocaleDecimalSeparator(), ',');
    EXPECT_EQ(rtl::FormatSettings.DecimalSeparator, ',');
    EXPECT_EQ(rtl::FormatSettings.ThousandSeparator, '.');  // no longer the same character
    EXPECT_EQ(rtl::FloatToStrF(212.345, rtl::ffFixed, 4, 2), "212,30");
    rtl::FormatSettings = saved;
}

TEST(FormatSettings, UnknownLocaleFallsBackToPoint) {
    EnvScope all("LC_ALL", "xx_NOWHERE.UTF-8");
    EXPECT_EQ(rtl::LocaleDecimalSeparator(), '.');
}

}  // namespace
