// End-to-end tests of the soil tools through tolvek-drive: fields set, buttons clicked, files and the status label read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/BatchToolFixtures.h"
#include "tests/app/EndToEndDrive.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
namespace fs = std::filesystem;

// "e:\Tolvek SOIL GRID\" below the run's folder.
fs::path SoilGridFolder(const TempDir& dir) { return dir.Path() / "drives" / "e" / "Tolvek SOIL GRID"; }

fs::path SoilData(const std::string& name) { return testsupport::TestDataDir() / "app" / "soiltools" / name; }

void Put(const TempDir& dir, const std::string& fixture, const std::string& name)
{
    const fs::path target = SoilGridFolder(dir) / name;
    fs::create_directories(target.parent_path());
    fs::copy_file(SoilData(fixture), target, fs::copy_options::overwrite_existing);
}

struct TButtonCase {
    const char* Button;
    std::vector<std::pair<const char*, const char*>> Inputs;
    const char* Output;
    const char* Expected;
    const char* Label;
};

TEST(SoilToolsEndToEnd, SoilTableButtonsWriteTheirFilesAndSetTheStatusLabel)
{
    const std::vector<TButtonCase> cases = {
        {"Button78", {{"check_log_input.csv", "Tolvek_DB_SOIL_TABLE.csv"}}, "Tolvek_DB_SOIL_ERROR_LOG.csv",
         "check_log_expected.csv", "COMPLETE"},
        {"Button47", {{"dwc_base.csv", "Tolvek_DB_SOIL_TABLE_base.csv"}}, "Tolvek_DB_SOIL_TABLE.csv",
         "dwc_expected_comma.csv", "COMPLETE"},
        {"Button75", {{"correct_input.csv", "Tolvek_DB_SOIL_TABLE.csv"}}, "Tolvek_DB_SOIL_TABLE_corrected.csv",
         "correct_expected.csv", "COMPLETE"},
        {"Button76", {{"depth_input.csv", "Tolvek_DB_SOIL_TABLE_corrected.csv"}}, "Tolvek_DB_SOIL_TABLE_corrected2.csv",
         "depth_expected.csv", "COMPLETE"},
        {"Button93",
         {{"restore_current.csv", "Tolvek_DB_SOIL_TABLE.csv"}, {"restore_original.csv", "ORIGINAL/Tolvek_DB_SOIL_TABLE.csv"}},
         "ORIGINAL/Tolvek_DB_SOIL_TABLE_restored.csv", "restore_expected.csv", "COMPLETE"},
        {"Button37", {{"topsoil_table.csv", "Tolvek_DB_SOIL_TABLE.csv"}, {"topsoil_depths.txt", "DATA/termoreteg_uj.txt"}},
         "Tolvek_DB_SOIL_TABLE_fixed.csv", "topsoil_expected.csv", "COMPLETE"},
        {"Button48", {{"restore_current.csv", "Tolvek_DB_SOIL_TABLE.csv"}, {"restore_current.csv", "FIXED/placeholder"}},
         "FIXED/Tolvek_DB_SOIL_TABLE.csv", "header_rewrite_expected.csv", "READY"},
    };
    for (const TButtonCase& c : cases) {
        TempDir dir;
        for (const auto& [fixture, name] : c.Inputs) Put(dir, fixture, name);
        const TDriveResult r =
            Drive(dir.Path(), {"--decimal-separator", ",", "click", c.Button, "get", "Label2.Caption"});
        ASSERT_EQ(r.Status, 0) << c.Button << ": " << r.Err;
        EXPECT_EQ(r.Out, std::vector<std::string>{c.Label}) << c.Button;
        EXPECT_EQ(ReadFileBytes(SoilGridFolder(dir) / c.Output), ReadFileBytes(SoilData(c.Expected))) << c.Button;
    }
}

TEST(SoilToolsEndToEnd, AdjustWithoutItsBaseCopyReportsTheFileAndKeepsTheTable)
{
    TempDir dir;
    Put(dir, "correct_input.csv", "Tolvek_DB_SOIL_TABLE.csv");
    const TDriveResult r = Drive(dir.Path(), {"click", "Button47"});
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("Tolvek_DB_SOIL_TABLE_base.csv"), std::string::npos) << r.Err;
    EXPECT_EQ(ReadFileBytes(SoilGridFolder(dir) / "Tolvek_DB_SOIL_TABLE.csv"), ReadFileBytes(SoilData("correct_input.csv")));
}

TEST(SoilToolsEndToEnd, RitchieShowsItsResultsInTheOutputFields)
{
    TempDir dir;
    const std::vector<std::string> outputs = {"get", "Edit13.Text", "get", "Edit14.Text", "get", "Edit15.Text",
                                              "get", "Edit16.Text"};
    std::vector<std::string> steps = {"--decimal-separator", ",", "click", "Button43"};
    steps.insert(steps.end(), outputs.begin(), outputs.end());
    steps.insert(steps.end(), {"set", "Edit12.Text=0", "set", "Edit8.Text=1.4", "click", "Button43", "get", "Label2.Caption"});
    steps.insert(steps.end(), outputs.begin(), outputs.end());
    const TDriveResult r = Drive(dir.Path(), steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"45,40", "28,04", "13,85", "14,19", "Label2", "45,40", "30,00",
                                               "15,81", "14,19"}));
}

TEST(SoilToolsEndToEnd, GridButtonsReadTheirFieldsAndBuildTheGrid)
{
    TempDir dir;
    fs::create_directories(SoilGridFolder(dir));
    fs::copy(SoilData("grid"), SoilGridFolder(dir), fs::copy_options::recursive);
    const TDriveResult r = Drive(dir.Path(), {"--decimal-separator", ",", "set", "Edit3.Text=6", "click", "Button13",
                                              "get", "Label2.Caption", "click", "Button10", "click", "Button15",
                                              "click", "Button12", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"COMPLETE", "COMPLETE"}));
    const fs::path grid = SoilGridFolder(dir);
    EXPECT_EQ(ReadFileBytes(grid / "ths_0_30cm.csv"), ReadFileBytes(SoilData("grid/fix_missing_expected_comma.csv")));
    EXPECT_EQ(ReadFileBytes(grid / "ALL_DATA_GRID.csv"), ReadFileBytes(SoilData("grid/ALL_DATA_GRID_expected.csv")));
    EXPECT_EQ(ReadFileBytes(grid / "SOIL_GRID_100m.csv"), ReadFileBytes(SoilData("grid/SOIL_GRID_100m_expected.csv")));
    EXPECT_EQ(ReadFileBytes(grid / "MISSING_ths_0_30cm.csv"),
              ReadFileBytes(SoilData("grid/MISSING_ths_0_30cm_expected.csv")));
}

}  // namespace
