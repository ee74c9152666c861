// The grid's file saves made to fail for real: a size limit or a kill mid-write keeps the earlier file.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/FileSizeLimitChild.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::HiddenEntries;
using testsupport::ReadFileBytes;
using testsupport::RunInChildUnderFileSizeLimit;
using testsupport::TOverLimit;
using testsupport::WriteFileBytes;

struct TSaveCase {
    const char* Name;
    std::function<void(grid::TExtStringGrid& grid, const std::string& fileName)> Save;
};

class GridSaveFailure : public gridtest::GridInAppTest, public ::testing::WithParamInterface<TSaveCase> {
protected:
    // 30 × 40 cells of 12 characters: some 15 KB in every format.
    void Fill()
    {
        Grid->SetColCount(30);
        Grid->SetRowCount(40);
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 30; ++c) Grid->SetCells(c, r, "cell " + std::to_string(c) + "-" + std::to_string(r) + "xx");
    }
    testsupport::TempDir Dir;
};

const std::string Earlier = "an earlier file\r\n";

TEST_P(GridSaveFailure, AFileSizeLimitGivesAnErrorNamingTheFileAndKeepsTheEarlierFile)
{
    Fill();
    const std::string name = Dir.File("grid.out");
    WriteFileBytes(name, Earlier);
    const auto outcome =
        RunInChildUnderFileSizeLimit(4000, TOverLimit::WriteFails, [&] { GetParam().Save(*Grid, name); });
    ASSERT_TRUE(outcome.Exited);
    EXPECT_EQ(outcome.ExitCode, 1);
    EXPECT_NE(outcome.Message.find("\"" + name + "\""), std::string::npos) << outcome.Message;
    EXPECT_NE(outcome.Message.find("File too large"), std::string::npos) << outcome.Message;
    EXPECT_EQ(ReadFileBytes(name), Earlier);
    EXPECT_TRUE(HiddenEntries(Dir.Path()).empty());

    // The same save without a limit replaces the file.
    GetParam().Save(*Grid, name);
    EXPECT_GT(ReadFileBytes(name).size(), 4000u);
}

TEST_P(GridSaveFailure, AProcessKilledMidWriteLeavesTheEarlierFileWhole)
{
    Fill();
    const std::string name = Dir.File("grid.out");
    WriteFileBytes(name, Earlier);
    const auto outcome = RunInChildUnderFileSizeLimit(4000, TOverLimit::Killed, [&] { GetParam().Save(*Grid, name); });
    EXPECT_EQ(outcome.Signal, SIGKILL) << outcome.Message;
    EXPECT_EQ(ReadFileBytes(name), Earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, GridSaveFailure,
    ::testing::Values(
        TSaveCase{"Csv", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToCSV(f); }},
        TSaveCase{"TextCellFile", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToFile(f); }},
        TSaveCase{"Binary", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToBinFile(f); }},
        TSaveCase{"Ascii", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToASCII(f); }},
        TSaveCase{"Fixed",
                  [](grid::TExtStringGrid& g, const std::string& f) {
                      grid::TIntList widths(-1, -1);
                      g.SaveToFixed(f, widths);
                  }},
        TSaveCase{"Html", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToHTML(f); }},
        TSaveCase{"Xml", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToXML(f, "list", "row", nullptr, true); }},
        TSaveCase{"Json", [](grid::TExtStringGrid& g, const std::string& f) { g.SaveToJSON(f, "row", nullptr); }}),
    [](const ::testing::TestParamInfo<TSaveCase>& info) { return std::string(info.param.Name); });

}  // namespace
