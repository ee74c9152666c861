// End-to-end tests of the weather tools through tolvek-drive: buttons clicked, files and the status label read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/EndToEndDrive.h"
#include "app/WeatherTables.h"
#include "tests/app/WeatherFixtures.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using namespace weatherfixtures;
namespace fs = std::filesystem;

fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "weather" / name; }

TEST(WeatherToolsEndToEnd, ModelWeatherButtonsWriteTheirFilesUnderTheMappedDrives)
{
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    WriteJoinInputs(root);
    WriteCarpatclimTableInputs(root, ',');
    WriteCellTables(root);
    WriteWthdataInputs(root, ',');
    fs::create_directories(WthdataForesee(root) / "fn");
    const fs::path spinup = root / "drives" / "e" / "spinup_soc" / "met";
    ForEveryCell(spinup, batchfixtures::TCellNaming::Plain, ".mtc43", [](int cell) { return ModelWeatherFile(cell, WthdataDays); });
    fs::create_directories(spinup / "wth");
    const fs::path observed = fs::path("TolvekCloud") / "PRODUCTS" / "TOLVEK DEVELOP" / "Tolvek File System" / "input" /
                              "weather" / "grid" / "observed" / "foresee";
    ForEveryCell(root / "drives" / "c" / observed, batchfixtures::TCellNaming::Padded4, ".wth",
                 [](int cell) { return ModelWeatherFile(cell, WthdataDays); });
    batchfixtures::WriteTable(root / "drives" / "e" / observed / "0001.wth", ModelWeatherFile(1, WthdataDays));
    fs::create_directories(root / "drives" / "e" / observed / "extended");

    std::vector<std::string> steps = {"--decimal-separator", ","};
    for (const char* button : {"Button83", "Button81", "Button64", "Button87", "Button39", "Button34", "Button55"})
        steps.insert(steps.end(), {"click", button, "get", "Label2.Caption"});
    const TDriveResult r = Drive(root, steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, std::vector<std::string>(7, "COMPLETE"));
    EXPECT_EQ(ReadFileBytes(WeatherGrid(root) / "CARPATCLIM" / "wth" / "0001.wth"), ReadFileBytes(Expected("join_1_comma.wth")));
    EXPECT_EQ(batchfixtures::ReadTable(root / "drives" / "e" / observed / "extended" / "0001.wth").size(), 4u + 2 * 5);
    EXPECT_TRUE(fs::exists(WthdataForesee(root) / "fn" / "1104.wth"));
    EXPECT_TRUE(fs::exists(root / "drives" / "c" / observed / "1104_foresee.wth"));
    EXPECT_TRUE(fs::exists(spinup / "wth" / "1104.wth"));
    EXPECT_EQ(ReadFileBytes(WeatherGrid(root) / "FORESEE" / "1.csv"), ReadFileBytes(Expected("carpatclim_table_1_comma.csv")));
    EXPECT_EQ(ReadFileBytes(root / "drives" / "e" / "4Mcatchment" / "weather" / "5001.wth"),
              ReadFileBytes(Expected("crop_weather_5001_comma.wth")));
}

// The crop-model weather buttons, chained where one writes what the next reads:
// "FORESEE > FORESEE" feeds "CSV > WTH", "CC new IDs" feeds "CC > CC".
TEST(WeatherToolsEndToEnd, CropModelWeatherButtonsChainTheirFiles)
{
    using Lines = std::vector<std::string>;
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    const fs::path e = root / "drives" / "e";
    const fs::path d = root / "drives" / "d";
    WriteCarpatclimTableInputs(root, '.');
    // Old cell k is new cell 1105 - k.
    batchfixtures::Write1104RowTable(e / "Tolvek SOIL GRID" / "KEY_10kmID_OLD_NEW.csv", {"OLD;NEW"},
                                     [](int cell) { return std::to_string(cell) + ";" + std::to_string(1105 - cell); });
    const auto cropFile = [](int cell) {
        return Lines{std::to_string(cell), "46,25", "19.0", "120", "", "", "2015.03.01\t1\t2\t3\t1.5",
                     "2016.12.31\t1\t2\t3\t4"};
    };
    const fs::path synced = fs::path("TolvekCloud") / "PRODUCTS" / "ALAPADAT";
    ForEveryCell(root / "drives" / "c" / synced / "CC", batchfixtures::TCellNaming::Padded4, ".wth", cropFile);
    ForEveryCell(e / synced / "CC", batchfixtures::TCellNaming::Padded4, ".wth", cropFile);
    ForEveryCell(d / synced / "CC", batchfixtures::TCellNaming::Padded4, ".wth", cropFile);
    ForEveryCell(d / synced / "FORESEE_CarpatClim_grid", batchfixtures::TCellNaming::Plain, "-data.csv", [](int) {
        return Lines{"header", "1,2016,60,11.3,-1.5,6.2,0.25,512.3,123.4,30000"};
    });
    ForEveryCell(d / "TolvekCloud" / "DATA" / "CC", batchfixtures::TCellNaming::Padded4, ".wth", cropFile);
    ForEveryCell(e / "4Mvizgyujto" / "weather", batchfixtures::TCellNaming::Plain, ".wth", cropFile);
    ForEveryCell(e / "4Mrun" / "weather", batchfixtures::TCellNaming::Plain, ".wth", cropFile);
    for (const fs::path& folder : {e / synced / "CC", e / synced / "CC" / "CC20162017"})
        batchfixtures::Write1104RowTable(folder / "cc_nws_join.csv", {"CC;LAT;LON;NWS"},
                                         [](int cell) { return std::to_string(cell) + ";1;2;3"; });
    for (const fs::path& folder : {e / "4Mdata" / "weather", e / "Tolvek SOIL GRID" / "TolvekWTH", d / "WTH",
                                   e / "WTHDATA" / "CCnewgrid", e / "4M100m" / "weather"})
        fs::create_directories(folder);

    std::vector<std::string> steps = {"set", "Label2.Caption=untouched"};
    for (const char* button : {"Button34", "Button32", "Button28", "Button33", "Button60", "Button59", "Button44",
                               "Button3", "Button4", "Button1", "Button97"})
        steps.insert(steps.end(), {"click", button, "get", "Label2.Caption"});
    const TDriveResult r = Drive(root, steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (Lines{"COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE",
                            "COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE"}));
    EXPECT_EQ(batchfixtures::ReadTable(e / "4Mdata" / "weather" / "1.wth"),
              (Lines{"1", "47.5", "19.0", "120", "", "", "1900.12.31\t3.70\t11.30\t-1.50\t2.50",
                     "2016.12.30\t3.70\t11.30\t-1.50\t2.50", "2016.12.31\t3.70\t11.30\t-1.50\t2.50",
                     "2017.12.31\t3.70\t11.30\t-1.50\t2.50", "2100.12.31\t3.70\t11.30\t-1.50\t2.50"}));
    EXPECT_EQ(batchfixtures::ReadTable(WeatherGrid(root) / "CARPATCLIM" / "1104.csv"),
              (Lines{"ID;LAT;LONG;ELEV", "1104;46.2;19.0;120", "DATE;SRAD;TMAX;TMIN;PREC", "2015.03.01;1;2;3;1.5",
                     "2016.12.31;1;2;3;4"}));
    EXPECT_EQ(batchfixtures::ReadTable(e / "WTHDATA" / "CCnewgrid" / "0001.wth")[0], "0001");
    EXPECT_EQ(batchfixtures::ReadTable(e / "4M100m" / "weather" / "9.wth").size(), 8u);
    EXPECT_EQ(batchfixtures::ReadTable(e / "4Mrun" / "precgrid.csv")[0], "1104;1.5");
    EXPECT_EQ(batchfixtures::ReadTable(d / "WTH" / "3.wth")[6], "2016.02.29\t3.70\t11.3\t-1.5\t2.5");
    EXPECT_EQ(batchfixtures::ReadTable(d / "TolvekCloud" / "DATA" / "CCgrid.txt")[2], "3\t46,25\t19.0");
}

TEST(WeatherToolsEndToEnd, WeatherTableAndSummaryButtonsWriteTheirTables)
{
    using Lines = std::vector<std::string>;
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    const fs::path db = root / "drives" / "e" / "WEATHER_DB";
    for (int series = 1; series <= 18; ++series) {
        const std::string folder = app::WeatherSeries[series - 1].Folder;
        batchfixtures::WritePerCellFiles(db / folder, 1, 1104, batchfixtures::TCellNaming::Padded4, "",
                                         (series == 16 ? "" : "_") + folder + ".wth",
                                         [](int cell) { return ModelWeatherFile(cell, {{2020, 1}}); });
    }
    const auto table = [](int cell) {
        return Lines{"ID;LAT;LONG;ELEV", std::to_string(cell) + ";1;2;3", "DATE;SRAD;TMAX;TMIN;PREC", "2000.01.01;66;10;2;0"};
    };
    ForEveryCell(WeatherGrid(root) / "FORESEE", batchfixtures::TCellNaming::Plain, ".csv", table);
    ForEveryCell(WeatherGrid(root) / "CARPATCLIM", batchfixtures::TCellNaming::Plain, ".csv", table);
    std::vector<std::string> steps = {"--decimal-separator", ","};
    for (const char* button : {"Button8", "Radiation", "Button35", "Button40"})
        steps.insert(steps.end(), {"click", button, "get", "Label2.Caption"});
    const TDriveResult r = Drive(root, steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, Lines(4, "COMPLETE"));
    const Lines joined = batchfixtures::ReadTable(db / "Tolvek_WEATHER.csv");
    ASSERT_EQ(joined.size(), 1u + 18 * 1104);
    EXPECT_EQ(joined[1], "1;FORESEE;2020-01-01;11.3;-1.5;6.2;0.25;512.30;123.4;30000");
    EXPECT_EQ(batchfixtures::ReadTable(db / "SRESA1B_ARPEGE_HIRHAM5.csv").size(), 1u + 81 * 1104);
    EXPECT_EQ(batchfixtures::ReadTable(WeatherGrid(root) / "FORESEE" / "SRAD.csv")[0], "1;1");
    EXPECT_EQ(batchfixtures::ReadTable(WeatherGrid(root) / "averages.csv")[0], "1;6,00;8,00");
}

TEST(WeatherToolsEndToEnd, AMissingInputIsReportedByNameAndTheLabelKeepsItsLastText)
{
    testsupport::TempDir dir;
    WriteJoinInputs(dir.Path());
    fs::remove(WeatherGrid(dir.Path()) / "CARPATCLIM" / "3.wth");
    const TDriveResult r = Drive(dir.Path(), {"click", "Button83"});
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("CARPATCLIM/3.wth"), std::string::npos) << r.Err;
}

}  // namespace
