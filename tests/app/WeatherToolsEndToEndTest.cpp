// End-to-end tests of the weather tools through tolvek-drive: buttons clicked, files and the status label read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/EndToEndDrive.h"
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
