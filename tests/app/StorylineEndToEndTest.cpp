// End-to-end runs of the storyline page through tolvek-drive: building, saving, opening, the coverage message, the expansion and the cell selection.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/EndToEndDrive.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using e2e::Drive;
using e2e::TDriveResult;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;

fs::path Expected(const std::string& name)
{
    return TestDataDir() / "app" / "storyline_e2e" / name;
}

fs::path Saved(const fs::path& dir, const std::string& name)
{
    return dir / "input" / "storyline" / (name + ".stl");
}

// Steps that type one table row, cell by cell, as a user fills it.
std::vector<std::string> TypeRow(const std::string& grid, int row, const std::vector<std::string>& cells)
{
    std::vector<std::string> steps;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        steps.push_back("set");
        steps.push_back(grid + ".Cells[" + std::to_string(c) + "," + std::to_string(row) + "]=" + cells[c]);
    }
    return steps;
}

void Append(std::vector<std::string>& steps, const std::vector<std::string>& more)
{
    steps.insert(steps.end(), more.begin(), more.end());
}

// A storyline of two periods built on the page: cropland 2001-2030 with a spring and
// an autumn planting, a harvest and an irrigation typed into row 3, a cultivation whose
// date is incomplete (not saved); then grassland 2031-2060 with grazing and mowing.
std::vector<std::string> BuildMaizeGrassSteps()
{
    std::vector<std::string> steps{"click", "NewSLBut", "set", "slnEdit.Text=maize_grass", "set", "cIDmemo.Text=12; 13; ",
                                   "set", "tseEdit.Text=2030"};
    Append(steps, TypeRow("plantingTB", 1, {"2001-04-20", "maize", "early", "7"}));
    Append(steps, TypeRow("plantingTB", 2, {"2001-10-05", "wheat", "Mv Ködmön", "450"}));
    Append(steps, TypeRow("harvestTB", 1, {"2001-09-30", "55", "80"}));
    Append(steps, TypeRow("irrigationTB", 3, {"2001-07-10", "25"}));
    Append(steps, TypeRow("cultivationTB", 1, {"2001-11-1", "plough", "0.25"}));
    Append(steps, {"click", "AddPerBut", "set", "tsbEdit.Text=2031", "set", "tseEdit.Text=2060", "choose", "luCB", "1"});
    Append(steps, TypeRow("grazingTB", 1, {"2031-05-01", "2031-09-30", "cattle", "1.5"}));
    Append(steps, TypeRow("mowingTB", 1, {"2031-06-15", "1.2", "90"}));
    return steps;
}

// Steps that type the table rows with the keyboard as a user does on a table whose cursor
// is still in row 1: Home goes to the row's first cell, each value is typed (the cell's
// editor opens with the first character), Enter stores it, Right goes on to the next cell,
// and Down then Home start the next row.
std::vector<std::string> KeyRows(const std::string& grid, int firstRow, const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::string> steps{"key", grid, "Home"};
    for (int r = 1; r < firstRow; ++r) Append(steps, {"key", grid, "Down"});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) Append(steps, {"key", grid, "Down", "key", grid, "Home"});
        for (std::size_t c = 0; c < rows[i].size(); ++c) {
            if (c > 0) Append(steps, {"key", grid, "Right"});
            Append(steps, {"type", grid, rows[i][c], "key", grid, "Enter"});
        }
    }
    return steps;
}

// The storyline of the test below, its tables typed with real keys instead of set steps.
TEST(StorylineEndToEnd, StorylineTypedWithTheKeyboardIsSavedToTheSameBytes)
{
    TempDir dir;
    std::vector<std::string> steps{"click", "NewSLBut", "set", "slnEdit.Text=maize_grass", "set", "cIDmemo.Text=12; 13; ",
                                   "set", "tseEdit.Text=2030"};
    Append(steps, KeyRows("plantingTB", 1, {{"2001-04-20", "maize", "early", "7"}, {"2001-10-05", "wheat", "Mv Ködmön", "450"}}));
    Append(steps, KeyRows("harvestTB", 1, {{"2001-09-30", "55", "80"}}));
    Append(steps, KeyRows("irrigationTB", 3, {{"2001-07-10", "25"}}));
    Append(steps, KeyRows("cultivationTB", 1, {{"2001-11-1", "plough", "0.25"}}));
    Append(steps, {"click", "AddPerBut", "set", "tsbEdit.Text=2031", "set", "tseEdit.Text=2060", "choose", "luCB", "1"});
    Append(steps, KeyRows("grazingTB", 1, {{"2031-05-01", "2031-09-30", "cattle", "1.5"}}));
    Append(steps, KeyRows("mowingTB", 1, {{"2031-06-15", "1.2", "90"}}));
    Append(steps, {"get", "grazingTB.Cells[2,1]", "get", "mowingTB.Cells[1,1]", "click", "SaveSLBut"});
    TDriveResult built = Drive(dir.Path(), steps);
    ASSERT_EQ(built.Status, 0) << built.Err;
    EXPECT_EQ(built.Err, "");
    EXPECT_EQ(built.Out, (std::vector<std::string>{"cattle", "1.2"}));
    EXPECT_EQ(ReadFileBytes(Saved(dir.Path(), "maize_grass")), ReadFileBytes(Expected("maize_grass.stl")));
}

TEST(StorylineEndToEnd, StorylineBuiltOnThePageIsSavedOpenedWithTheOpenButtonAndSavedAgainToTheSameBytes)
{
    TempDir dir;
    std::vector<std::string> steps = BuildMaizeGrassSteps();
    Append(steps, {"click", "SaveSLBut", "get", "MSGpanel1.Visible", "get", "ttseEdit.Text", "get", "pnrCB.Items.Count"});
    TDriveResult built = Drive(dir.Path(), steps);
    ASSERT_EQ(built.Status, 0) << built.Err;
    EXPECT_EQ(built.Err, "");
    EXPECT_EQ(built.Out, (std::vector<std::string>{"False", "2060", "2"}));
    const std::string expected = ReadFileBytes(Expected("maize_grass.stl"));
    ASSERT_EQ(ReadFileBytes(Saved(dir.Path(), "maize_grass")), expected);

    // Opened from another folder through the open dialog, shown, and saved again into
    // the storyline folder of a fresh run.
    TempDir again;
    fs::create_directories(again.Path() / "elsewhere");
    fs::copy_file(Saved(dir.Path(), "maize_grass"), again.Path() / "elsewhere" / "maize_grass.stl");
    TDriveResult reopened = Drive(again.Path(), {"dialog", (again.Path() / "elsewhere" / "maize_grass.stl").string(),
                                                 "click", "OpenSLBut", "get", "slnEdit.Text", "get", "ttsbEdit.Text",
                                                 "get", "ttseEdit.Text", "get", "cIDmemo.Lines[0]", "get",
                                                 "pnrCB.Items.Count", "get", "pnrCB.Text", "get", "tseEdit.Text",
                                                 "get", "luCB.Text", "get", "plantingTB.Cells[2,2]", "get",
                                                 "irrigationTB.Cells[0,1]", "choose", "pnrCB", "1", "get",
                                                 "luCB.Text", "get", "tsbEdit.Text", "get", "grazingTB.Cells[2,1]",
                                                 "get", "plantingTB.Cells[0,1]", "click", "SaveSLBut"});
    ASSERT_EQ(reopened.Status, 0) << reopened.Err;
    EXPECT_EQ(reopened.Err, "");
    EXPECT_EQ(reopened.Out, (std::vector<std::string>{"maize_grass", "2001", "2060", "12; 13; ", "2", "1", "2030",
                                                      "cropland", "Mv Ködmön", "2001-07-10", "grassland", "2031",
                                                      "cattle", ""}));
    EXPECT_EQ(ReadFileBytes(Saved(again.Path(), "maize_grass")), expected);
}

TEST(StorylineEndToEnd, SaveShowsTheCoverageMessageForABadSpanAndWritesNothing)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"click", "NewSLBut", "set", "slnEdit.Text=gap", "set", "tsbEdit.Text=2005",
                                        "click", "SaveSLBut", "get", "MSGpLabel.Caption", "get", "MSGpanel1.Visible",
                                        "get", "Image31.Visible", "get", "Image30.Visible",
                                        // Mended: the period covers the span again and the save goes through.
                                        "click", "Image31", "set", "tsbEdit.Text=2001", "click", "SaveSLBut",
                                        "get", "MSGpanel1.Visible"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"Period time spans do not cover the total time span!", "True", "True",
                                                "False", "False"}));
    ASSERT_TRUE(fs::exists(Saved(dir.Path(), "gap")));
    EXPECT_NE(ReadFileBytes(Saved(dir.Path(), "gap")).find("PERIOD NR 01: 2001-2100 cropland\r\n"), std::string::npos);

    // The first of two periods, chosen again through the period selector, starts after
    // the total start.
    TempDir second;
    TDriveResult r2 = Drive(second.Path(), {"click", "NewSLBut", "click", "AddPerBut", "set", "tsbEdit.Text=2050",
                                            "choose", "pnrCB", "0", "set", "tsbEdit.Text=2002", "click", "SaveSLBut",
                                            "get", "MSGpLabel.Caption"});
    ASSERT_EQ(r2.Status, 0) << r2.Err;
    EXPECT_EQ(r2.Out, (std::vector<std::string>{"Period time spans do not cover the total time span!"}));
    EXPECT_FALSE(fs::exists(Saved(second.Path(), "storyline")));
}

TEST(StorylineEndToEnd, ExportRepeatsTheTablesYearByYearIntoThePeriodAndSaveWritesTheExpansion)
{
    TempDir dir;
    std::vector<std::string> steps{"click", "NewSLBut", "set", "slnEdit.Text=expanded", "set", "tseEdit.Text=2004"};
    Append(steps, TypeRow("plantingTB", 1, {"2001-04-20", "maize", "early", "7"}));
    Append(steps, TypeRow("harvestTB", 1, {"2001-09-30", "55", "80"}));
    Append(steps, TypeRow("fertilizationTB", 1, {"2001-03-01", "NH4NO3", "120", "0.1"}));
    Append(steps, TypeRow("fertilizationTB", 2, {"2001-06-01", "urea", "60", "0.05"}));
    Append(steps, {"click", "ExportSLBut", "get", "MSGpanel1.Visible",
                   // The tables keep showing the template until the period is chosen again.
                   "get", "plantingTB.Cells[0,2]", "click", "SaveSLBut", "click", "AddPerBut", "choose", "pnrCB", "0",
                   "get", "plantingTB.Cells[0,4]", "get", "fertilizationTB.Cells[1,8]", "get", "fertilizationTB.Cells[0,9]"});
    TDriveResult r = Drive(dir.Path(), steps);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (std::vector<std::string>{"False", "", "2004-04-20", "urea", ""}));
    EXPECT_EQ(ReadFileBytes(Saved(dir.Path(), "expanded")), ReadFileBytes(Expected("expanded.stl")));

    // A yearly planting over the new storyline's hundred years fills the five slots
    // and says which events were left out.
    TempDir century;
    std::vector<std::string> yearly{"click", "NewSLBut"};
    Append(yearly, TypeRow("plantingTB", 1, {"2001-04-20", "maize", "early", "7"}));
    Append(yearly, {"click", "ExportSLBut", "get", "MSGpanel1.Visible", "get", "MSGpLabel.Caption", "click", "AddPerBut",
                    "choose", "pnrCB", "0", "get", "plantingTB.Cells[0,5]"});
    TDriveResult r2 = Drive(century.Path(), yearly);
    ASSERT_EQ(r2.Status, 0) << r2.Err;
    EXPECT_EQ(r2.Out, (std::vector<std::string>{
                          "True", "Planting: a period holds 5 events; the events from 2006-04-20 on were not written!",
                          "2005-04-20"}));
}

TEST(StorylineEndToEnd, OpenDialogCancelledUnansweredOrRefusingItsFileChangesNothing)
{
    TempDir dir;
    fs::create_directories(dir.Path() / "input" / "storyline");
    fs::copy_file(Expected("expanded.stl"), dir.Path() / "input" / "storyline" / "expanded.stl");
    TDriveResult r = Drive(dir.Path(), {"click", "NewSLBut", "set", "slnEdit.Text=mine", "cancel-dialog", "click",
                                        "OpenSLBut", "click", "OpenSLBut", "dialog", "no/such/folder/x.stl", "click",
                                        "OpenSLBut", "get", "slnEdit.Text", "dialog", "expanded.stl", "click",
                                        "OpenSLBut", "get", "slnEdit.Text", "get", "plantingTB.Cells[0,4]"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (std::vector<std::string>{"mine", "expanded", "2004-04-20"}));
    EXPECT_EQ(r.Err, "dialog: no answer given; cancelled\ndialog: no/such/folder/x.stl was not taken; cancelled\n");

    TDriveResult bad = Drive(dir.Path(), {"choose", "pnrCB", "0"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, "error: pnrCB: index 0 beyond the 0 items\n");
}

// The cells of the built-in cell selector table that pass `keep` (elevation, NUTS-3
// code), as the cell list writes them, read straight from the table's source.
template <class Keep>
std::string CellsOfTable(Keep keep)
{
    const fs::path table = TestDataDir().parent_path().parent_path() / "resources" / "data" / "CellSelectorTable.csv";
    std::string cells;
    int cell = 0;
    for (const std::string& line : e2e::SplitLines(ReadFileBytes(table))) {
        if (line.empty() || line[0] == '#') continue;
        ++cell;
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string f; std::getline(in, f, ';');) fields.push_back(f);
        if (keep(std::stod(fields.at(2)), fields.at(4))) cells += std::to_string(cell) + "; ";
    }
    EXPECT_EQ(cell, 1104);
    return cells;
}

TEST(StorylineEndToEnd, CellSelectorListsTheCellsOfAnElevationClassOrARegionAndTheDomainKeepsThem)
{
    TempDir dir;
    TDriveResult r = Drive(dir.Path(), {"click", "NewSLBut", "choose", "cIDsCB", "1", "get", "cIDmemo.Lines[0]",
                                        "choose", "cIDsCB", "2", "get", "cIDmemo.Lines[0]", "choose", "cIDsCB", "6",
                                        "get", "cIDmemo.Lines[0]", "get", "cIDmemo.Lines.Count", "choose", "cIDsCB",
                                        "3", "get", "cIDmemo.Lines[0]", "click", "SaveSLBut"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::string plain = CellsOfTable([](double elev, const std::string&) { return elev <= 200; });
    const std::string hill = CellsOfTable([](double elev, const std::string&) { return elev > 200 && elev <= 500; });
    const std::string hu21 = CellsOfTable([](double, const std::string& nuts) { return nuts.rfind("HU21", 0) == 0; });
    const std::string mountain = CellsOfTable([](double elev, const std::string&) { return elev > 500; });
    ASSERT_FALSE(plain.empty());
    ASSERT_FALSE(hill.empty());
    ASSERT_FALSE(hu21.empty());
    ASSERT_FALSE(mountain.empty());
    EXPECT_EQ(r.Out, (std::vector<std::string>{plain, hill, hu21, "1", mountain}));
    const std::vector<std::string> saved = e2e::SplitLines(ReadFileBytes(Saved(dir.Path(), "storyline")), "\r\n");
    ASSERT_GT(saved.size(), 3u);
    EXPECT_EQ(saved[3], "CELLS IN DOMAIN: " + mountain);
}

}  // namespace
