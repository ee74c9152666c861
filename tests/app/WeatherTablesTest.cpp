// Tests of the joined weather table and the climate summaries on generated cell files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/WeatherTables.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/WeatherFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using namespace weatherfixtures;
using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::TCellNaming;
using batchfixtures::WriteTable;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

struct TRun : batchfixtures::TFixedPlacesRun {
    fs::path WeatherDb() const { return Dir.Path() / "drives" / "e" / "WEATHER_DB"; }
};


// The folders of the 18 series, written here as the weather database has them.
const std::vector<std::string> SeriesFolders = {
    "foresee", "carpatclim", "SRESA1B_HadCM3Q0_RCA", "SRESA1B_HadCM3Q0_HadRM3Q0", "SRESA1B_HadCM3Q0_CLM",
    "SRESA1B_ECHAM5_REMO", "SRESA1B_ECHAM5_RegCM3", "SRESA1B_ECHAM5_RCA", "SRESA1B_ECHAM5_RACMO2",
    "SRESA1B_ECHAM5_HIRHAM5", "SRESA1B_ARPEGE_HIRHAM5", "SRESA1B_ARPEGE_ALADIN", "RCP8.5_IPSL-CM5A-MR_RCA4",
    "RCP8.5_EC-EARTH_RACMO22E", "RCP8.5_CNRM-CM5_RCA4", "RCP4.5_IPSL-CM5A-MR_RCA4", "RCP4.5_EC-EARTH_RACMO22E",
    "RCP4.5_CNRM-CM5_RCA4"};

void WriteSeries(const TRun& run, int series, const std::function<Lines(int cell)>& linesOf)
{
    const std::string& folder = SeriesFolders[static_cast<std::size_t>(series - 1)];
    batchfixtures::WritePerCellFiles(run.WeatherDb() / folder, 1, 1104, TCellNaming::Padded4, "",
                                     (series == 16 ? "" : "_") + folder + ".wth", linesOf);
}

TEST(WeatherTables, JoinedTableStacksTheSeriesWithCalendarDates)
{
    TRun run;
    const std::vector<std::pair<int, int>> days = {{2016, 365}, {2018, 1}, {2019, 5}, {2024, 365}, {2023, 365}, {2100, 365}};
    for (int series = 1; series <= 18; ++series) WriteSeries(run, series, [&](int cell) { return ModelWeatherFile(cell, days); });
    app::WriteJoinedWeatherTable(run.Places, run.Report);

    const Lines table = ReadTable(run.WeatherDb() / "Tolvek_WEATHER.csv");
    ASSERT_EQ(table.size(), 1u + 2 * 1104 * 8 + 16 * 1104 * 5);
    EXPECT_EQ(table[0], "id10km;source;date;Tmax;Tmin;Tday;prcp;VPD;srad;daylen");
    const std::string values = ";11.3;-1.5;6.2;0.25;512.30;123.4;30000";  // cell 1's day line
    EXPECT_EQ(Lines(table.begin() + 1, table.begin() + 9),
              (Lines{"1;FORESEE;2016-12-30" + values, "1;FORESEE;2016-12-31" + values, "1;FORESEE;2018-01-01" + values,
                     "1;FORESEE;2019-01-05" + values, "1;FORESEE;2024-12-30" + values, "1;FORESEE;2024-12-31" + values,
                     "1;FORESEE;2023-12-31" + values, "1;FORESEE;2100-12-31" + values}));
    const std::size_t projections = 1 + 2 * 1104 * 8;
    EXPECT_EQ(table[projections], "1;SRESA1B_HadCM3Q0_RCA;2019-01-05" + values);
    const std::size_t series16 = projections + 13 * 1104 * 5;
    EXPECT_EQ(table[series16], "1;RCP45_IPSLCM5AMR_RCA4;2019-01-05" + values);
    EXPECT_EQ(table.back().substr(0, 39), "1104;RCP45_CNRMCM5_RCA4;2100-12-31;15.3");
    EXPECT_EQ(run.Status[1], "1\\1");
    EXPECT_EQ(run.Status[run.Status.size() - 2], "18\\1104");
    EXPECT_EQ(run.Status.size(), 2u + 18 * 1104);
}

// One day line of series 11 with the given Tmax and Tmin, radiation 250 W/m²
// over 40,000 s (10 MJ/m²).
std::string MonthlyDay(int year, int day, const char* tmax, const char* tmin)
{
    return DayLine({std::to_string(year), std::to_string(day), tmax, tmin, "0.0", "0.00", "0.00", "250.0", "40000"});
}

TEST(WeatherTables, MonthlyTableSumsRadiationDegreeDaysAndOptimalDays)
{
    TRun run;
    WriteSeries(run, 11, [](int cell) {
        return Lines{"h1", "h2", "h3", "h4", MonthlyDay(1951, 1, "99.0", "99.0"),
                     MonthlyDay(2020, 1, "20.0", "10.0"),   // Tavg 15: optimal, 7 degree days
                     MonthlyDay(2020, 2, "10.0", "4.0"),    // Tavg 7: no degree days
                     MonthlyDay(2020, 60, "40.0", "20.0"),  // 29 February, Tavg 30: optimal
                     MonthlyDay(2100, 365, std::to_string(cell % 5 + 20).c_str(), "20.0")};
    });
    app::WriteMonthlyClimateTable(run.Places, run.Report);
    const Lines table = ReadTable(run.WeatherDb() / "SRESA1B_ARPEGE_HIRHAM5.csv");
    ASSERT_EQ(table.size(), 1u + 81 * 1104);
    EXPECT_EQ(table[0].substr(0, 27), "Year;ID;rad1;rad2;rad3;rad4");
    EXPECT_EQ(table[0].substr(table[0].size() - 17), "optday11;optday12");
    const auto row = [](const std::string& head, const std::vector<std::string>& nonZero) {
        std::string text = head;
        for (std::size_t k = 0; k < 36; ++k) text += ";" + (k < nonZero.size() && !nonZero[k].empty() ? nonZero[k] : "0");
        return text;
    };
    // rad1 rad2, gdd1 gdd2 (months 1 and 2 at positions 12, 13), optday1 optday2 (24, 25).
    std::vector<std::string> expected(36);
    expected[0] = "20", expected[1] = "10", expected[12] = "7", expected[13] = "22", expected[24] = "1", expected[25] = "1";
    EXPECT_EQ(table[1], row("2020;1", expected));
    EXPECT_EQ(table[1104], row("2020;1104", expected));
    EXPECT_EQ(table[1105], row("2021;1", {}));
    std::vector<std::string> last(36);
    last[11] = "10", last[23] = "14", last[35] = "1";  // 2100, cell 1104: Tmax 24, Tavg 22
    EXPECT_EQ(table.back(), row("2100;1104", last));

    WriteTable(run.WeatherDb() / "SRESA1B_ARPEGE_HIRHAM5" / "0003_SRESA1B_ARPEGE_HIRHAM5.wth",
               {"h1", "h2", "h3", "h4", MonthlyDay(2020, 1, "1.0", "1.0"), MonthlyDay(1950, 1, "1.0", "1.0")});
    const std::string error = ErrorOf([&] { app::WriteMonthlyClimateTable(run.Places, run.Report); });
    EXPECT_NE(error.find("year 1950 is outside 1951 to 2100"), std::string::npos) << error;
    EXPECT_NE(error.find("0003_SRESA1B_ARPEGE_HIRHAM5.wth\", line 6"), std::string::npos) << error;
}

TEST(WeatherTables, RadiationAndTemperatureSummariesPerCell)
{
    for (const auto& [separator, averages] : {std::pair{'.', "9.00;12.00"}, {',', "9,00;12,00"}}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        const fs::path grid = WeatherGrid(run.Dir.Path());
        ForEveryCell(grid / "FORESEE", TCellNaming::Plain, ".csv", [](int cell) {
            return Lines{"ID;LAT;LONG;ELEV", std::to_string(cell) + ";1;2;3", "DATE;SRAD;TMAX;TMIN;PREC",
                         "2000.01.01;400;1;2;3", "2000.01.02;425;1;2;3"};
        });
        ForEveryCell(grid / "CARPATCLIM", TCellNaming::Plain, ".csv", [](int cell) {
            return Lines{"ID;LAT;LONG;ELEV", std::to_string(cell) + ";1;2;3", "DATE;SRAD;TMAX;TMIN;PREC",
                         "2000.01.01;1;10;2;0", "2000.01.02;1;20,0;4;0"};
        });
        app::WriteForeseeRadiation(run.Places, run.Report);
        const Lines radiation = ReadTable(grid / "FORESEE" / "SRAD.csv");
        ASSERT_EQ(radiation.size(), 1104u);
        EXPECT_EQ(radiation[0], "1;13");  // (400 + 425) / 66 = 12.5
        app::WriteTemperatureAverages(run.Places, run.Report);
        const Lines means = ReadTable(grid / "averages.csv");
        ASSERT_EQ(means.size(), 1104u);
        EXPECT_EQ(means[1103], std::string("1104;") + averages);

        WriteTable(grid / "CARPATCLIM" / "8.csv", {"ID;LAT;LONG;ELEV", "8;1;2;3", "DATE;SRAD;TMAX;TMIN;PREC"});
        const std::string error = ErrorOf([&] { app::WriteTemperatureAverages(run.Places, run.Report); });
        EXPECT_NE(error.find("no day rows"), std::string::npos) << error;
        EXPECT_NE(error.find("CARPATCLIM/8.csv"), std::string::npos) << error;
    }
}

}  // namespace
