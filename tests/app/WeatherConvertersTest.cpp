// Tests of the model weather layouts and the tools that write or transform model weather files, on generated cell files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherConverters.h"
#include "app/WeatherLayouts.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/WeatherFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using namespace weatherfixtures;
using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::WriteTable;
using testsupport::ReadFileBytes;
namespace fs = std::filesystem;

fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "weather" / name; }

struct TWeatherRun : batchfixtures::TFixedPlacesRun {
    fs::path Root() const { return Dir.Path(); }
};

// The status texts of a tool that shows each cell: start, 1..1104, end.
std::vector<std::string> CellByCellStatus()
{
    std::vector<std::string> status = {"PROCESSING"};
    for (int cell = 1; cell <= 1104; ++cell) status.push_back(std::to_string(cell));
    status.push_back("COMPLETE");
    return status;
}


TEST(ModelWeatherDayLine, WritesFixedColumnsThatReadBackAtBlanksAndByColumn)
{
    struct TCase {
        std::vector<std::string> Values;
        const char* Line;
    };
    const std::vector<TCase> cases = {
        {{"1961", "1", "12.3", "-1.5", "6.2", "0.25", "512.30", "123.4", "30000"},
         "  1961     1    12.3    -1.5     6.2    0.25   512.30    123.4   30000"},
        // Negative values and values that fill their column exactly.
        {{"196100", "365", "-12.345", "-99.999", "1234567", "12345678", "-1234.567", "123456789", "12345678"},
         "196100   365 -12.345 -99.999 123456712345678-1234.56712345678912345678"},
    };
    for (const TCase& c : cases) {
        const app::TModelWeatherDay day{{c.Values[0], c.Values[1], c.Values[2], c.Values[3], c.Values[4], c.Values[5],
                                         c.Values[6], c.Values[7], c.Values[8]}};
        const std::string line = app::ModelWeatherDayLine(day);
        EXPECT_EQ(line, c.Line);
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(app::ModelWeatherColumn(line, k), c.Values[static_cast<std::size_t>(k - 1)]) << line << " " << k;
    }
    // At blanks, a line whose values do not fill their columns splits into the nine values.
    app::SplitFields(cases[0].Line, ' ');
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(app::SharedFields[k], cases[0].Values[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_EQ(app::ModelWeatherColumn("  1961", 3), "");
}

TEST(JoinForeseeCarpatclim, WritesJoinedFilesInBothLocales)
{
    for (const auto& [separator, tag] : {std::pair{'.', "dot"}, {',', "comma"}}) {
        DecimalSeparatorScope scope(separator);
        TWeatherRun run;
        WriteJoinInputs(run.Root());
        app::JoinForeseeCarpatclim(run.Places, run.Report);
        const fs::path out = WeatherGrid(run.Root()) / "CARPATCLIM" / "wth";
        for (int cell : {1, 1104}) {
            const std::string name = "join_" + std::to_string(cell) + "_" + tag + ".wth";
            EXPECT_EQ(ReadFileBytes(out / (batchfixtures::CellName(cell, batchfixtures::TCellNaming::Padded4) + ".wth")),
                      ReadFileBytes(Expected(name)))
                << name;
        }
        EXPECT_TRUE(fs::exists(out / "0555.wth"));
        EXPECT_EQ(run.Status, CellByCellStatus());
    }
}

TEST(JoinForeseeCarpatclim, InputsWithoutTheirLinesEndWithAnErrorNamingTheFile)
{
    {
        TWeatherRun run;
        WriteJoinInputs(run.Root());
        std::vector<std::string> lines = ForeseeJoinFile(7);
        lines.erase(lines.begin() + 5);  // no "1960   365"
        WriteTable(WeatherGrid(run.Root()) / "FORESEE" / "wth" / "7.wth", lines);
        const std::string error = ErrorOf([&] { app::JoinForeseeCarpatclim(run.Places, run.Report); });
        EXPECT_NE(error.find("FORESEE/wth/7.wth"), std::string::npos) << error;
        EXPECT_NE(error.find("1960   365"), std::string::npos) << error;
        EXPECT_TRUE(fs::exists(WeatherGrid(run.Root()) / "CARPATCLIM" / "wth" / "0006.wth"));
        EXPECT_FALSE(fs::exists(WeatherGrid(run.Root()) / "CARPATCLIM" / "wth" / "0007.wth"));
        EXPECT_EQ(run.Status.back(), "6");
    }
    {
        // A FORESEE series shorter than the CARPATCLIM one: no day line of empty fields.
        TWeatherRun run;
        WriteJoinInputs(run.Root());
        std::vector<std::string> lines = ForeseeJoinFile(3);
        lines.resize(7);  // one day of 1961
        WriteTable(WeatherGrid(run.Root()) / "FORESEE" / "wth" / "3.wth", lines);
        const std::string error = ErrorOf([&] { app::JoinForeseeCarpatclim(run.Places, run.Report); });
        EXPECT_NE(error.find("FORESEE/wth/3.wth\" ends"), std::string::npos) << error;
        EXPECT_NE(error.find("CARPATCLIM/3.wth"), std::string::npos) << error;
        EXPECT_FALSE(fs::exists(WeatherGrid(run.Root()) / "CARPATCLIM" / "wth" / "0003.wth"));
    }
}

TEST(ExtendForesee, RepeatsTheDayLines68YearsLaterForEveryFileInNameOrder)
{
    TWeatherRun run;
    const fs::path folder = run.Root() / "drives" / "e" / "TolvekCloud" / "PRODUCTS" / "TOLVEK DEVELOP" /
                            "Tolvek File System" / "input" / "weather" / "grid" / "observed" / "foresee";
    for (const char* name : {"b.wth", "a.wth", "C.wth"})
        WriteTable(folder / name, {std::string("file ") + name, "h2", "h3", "h4", DayLine({"1951", "1", "1.0", "2.0", "3.0", "0.10", "100.00", "50.0", "30000"}),
                                   DayLine({"2018", "365", "4.0", "5.0", "6.0", "0.20", "200.00", "60.0", "31000"})});
    WriteTable(folder / "notes.txt", {"not weather"});
    fs::create_directories(folder / "extended");
    app::ExtendForesee(run.Places, run.Report);
    EXPECT_EQ(ReadTable(folder / "extended" / "a.wth"),
              (std::vector<std::string>{"file a.wth", "h2", "h3", "h4",
                                        "  1951     1     1.0     2.0     3.0    0.10   100.00     50.0   30000",
                                        "  2018   365     4.0     5.0     6.0    0.20   200.00     60.0   31000",
                                        "  2019     1     1.0     2.0     3.0    0.10   100.00     50.0   30000",
                                        "  2086   365     4.0     5.0     6.0    0.20   200.00     60.0   31000"}));
    EXPECT_TRUE(fs::exists(folder / "extended" / "C.wth"));
    EXPECT_FALSE(fs::exists(folder / "extended" / "notes.txt"));
    EXPECT_EQ(run.Status, (std::vector<std::string>{"PROCESSING...", "1", "2", "3", "COMPLETE"}));
}

TEST(WeatherCopyTools, CopyRenameAndCutAsTheirFilesSay)
{
    TWeatherRun run;
    WriteWthdataInputs(run.Root(), '.');
    fs::create_directories(WthdataForesee(run.Root()) / "fn");
    app::CopyForeseeByPaddedNumber(run.Places, run.Report);
    std::vector<std::string> expected = ModelWeatherFile(1104, {{2016, 365}, {2017, 365}, {2018, 364}, {2018, 365}});
    expected[0] = "FORESEE observed, new grid";
    EXPECT_EQ(ReadTable(WthdataForesee(run.Root()) / "fn" / "1104.wth"), expected);
    EXPECT_EQ(run.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));

    const fs::path observed = run.Root() / "drives" / "c" / "TolvekCloud" / "PRODUCTS" / "TOLVEK DEVELOP" /
                              "Tolvek File System" / "input" / "weather" / "grid" / "observed" / "foresee";
    ForEveryCell(observed, batchfixtures::TCellNaming::Padded4, ".wth",
                 [](int cell) { return ModelWeatherFile(cell, WthdataDays); });
    app::CopyForeseeWithSuffix(run.Places, run.Report);
    EXPECT_EQ(ReadFileBytes(observed / "0042_foresee.wth"), ReadFileBytes(observed / "0042.wth"));

    const fs::path spinup = run.Root() / "drives" / "e" / "spinup_soc" / "met";
    ForEveryCell(spinup, batchfixtures::TCellNaming::Plain, ".mtc43", [](int cell) { return ModelWeatherFile(cell, WthdataDays); });
    fs::create_directories(spinup / "wth");
    app::CutSpinupWeatherAt2018(run.Places, run.Report);
    EXPECT_EQ(ReadTable(spinup / "wth" / "9.wth"), ModelWeatherFile(9, {{2016, 365}, {2017, 365}, {2018, 364}, {2018, 365}}));

    WriteTable(spinup / "10.mtc43", ModelWeatherFile(10, {{2016, 365}, {2017, 365}}));
    const std::string error = ErrorOf([&] { app::CutSpinupWeatherAt2018(run.Places, run.Report); });
    EXPECT_NE(error.find("met/10.mtc43\" ends (line 6) without a line holding \"2018   365\""), std::string::npos) << error;
}

TEST(ModelWeatherToCarpatclimTables, WritesDailyRowsWithTheLeapYearsLastDayRepeated)
{
    for (const auto& [separator, tag] : {std::pair{'.', "dot"}, {',', "comma"}}) {
        DecimalSeparatorScope scope(separator);
        TWeatherRun run;
        WriteCarpatclimTableInputs(run.Root(), separator);
        app::ModelWeatherToCarpatclimTables(run.Places, run.Report);
        EXPECT_EQ(ReadFileBytes(WeatherGrid(run.Root()) / "FORESEE" / "1.csv"),
                  ReadFileBytes(Expected(std::string("carpatclim_table_1_") + tag + ".csv")));
        EXPECT_EQ(ReadTable(WeatherGrid(run.Root()) / "FORESEE" / "1104.csv").size(), 3u + 5u);
        EXPECT_EQ(run.Status, CellByCellStatus());
    }
    // A value in the other locale's format is refused with its place.
    DecimalSeparatorScope scope(',');
    TWeatherRun run;
    WriteCarpatclimTableInputs(run.Root(), '.');
    const std::string error = ErrorOf([&] { app::ModelWeatherToCarpatclimTables(run.Places, run.Report); });
    EXPECT_NE(error.find("'11.3' is not a valid floating point value (Tmax, file \""), std::string::npos) << error;
    EXPECT_NE(error.find("FORESEE/1.mtc43\", line 5)"), std::string::npos) << error;
}

TEST(ModelWeatherToOldCellCropFiles, WritesFilesByOldNumberUpTo2018)
{
    for (const auto& [separator, tag] : {std::pair{'.', "dot"}, {',', "comma"}}) {
        DecimalSeparatorScope scope(separator);
        TWeatherRun run;
        WriteCellTables(run.Root());
        WriteWthdataInputs(run.Root(), separator);
        app::ModelWeatherToOldCellCropFiles(run.Places, run.Report);
        const fs::path out = run.Root() / "drives" / "e" / "4Mcatchment" / "weather";
        EXPECT_EQ(ReadFileBytes(out / "5001.wth"), ReadFileBytes(Expected(std::string("crop_weather_5001_") + tag + ".wth")));
        EXPECT_TRUE(fs::exists(out / "6104.wth"));
        EXPECT_EQ(run.Status, CellByCellStatus());
    }
}

TEST(ModelWeatherToOldCellCropFiles, BadKeyTablesAndShortInputsEndWithTheirPlace)
{
    struct TCase {
        std::string KeyLine;  // replaces the key table's line for cell 3
        const char* Error;
    };
    const std::vector<TCase> cases = {
        {"../evil;3", "'../evil' is not a file name (file \""},
        {"a\\b;3", "'a\\b' is not a file name"},
        {"c:x;3", "'c:x' is not a file name"},
        {"5003;1105", "new cell number 1105 is outside 1 to 1104"},
        {"5003;1", "new cell 3 has no old number"},
    };
    for (const TCase& c : cases) {
        TWeatherRun run;
        WriteCellTables(run.Root());
        WriteWthdataInputs(run.Root(), '.');
        const fs::path keys = run.Root() / "drives" / "e" / "Tolvek SOIL GRID" / "KEY_10kmID_OLD_NEW.csv";
        std::vector<std::string> lines = ReadTable(keys);
        lines[3] = c.KeyLine;
        WriteTable(keys, lines);
        const std::string error = ErrorOf([&] { app::ModelWeatherToOldCellCropFiles(run.Places, run.Report); });
        EXPECT_NE(error.find(c.Error), std::string::npos) << c.KeyLine << ": " << error;
        EXPECT_TRUE(fs::is_empty(run.Root() / "drives" / "e" / "4Mcatchment" / "weather")) << c.KeyLine;
    }
    TWeatherRun run;
    WriteCellTables(run.Root());
    WriteWthdataInputs(run.Root(), '.');
    WriteTable(WthdataForesee(run.Root()) / "2.wth", ModelWeatherFile(2, {{2017, 365}, {2018, 364}}));
    const std::string error = ErrorOf([&] { app::ModelWeatherToOldCellCropFiles(run.Places, run.Report); });
    EXPECT_NE(error.find("foresee/2.wth\" ends (line 6) without a line holding \"day of 2018.12.31\""), std::string::npos)
        << error;
}

}  // namespace
