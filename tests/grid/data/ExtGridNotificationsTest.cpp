// Tests of the string grid's row hooks, small virtual operations, cell ranges and clipboard hooks.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class ExtGridNotificationsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
    }
};

}  // namespace

TEST_F(ExtGridNotificationsTest, RemovingTheOnlyNormalRowEmptiesItAndStillReportsIt)
{
    Grid->SetRowCount(2);
    Grid->SetCells(1, 1, "last");
    std::vector<int> reported;
    Grid->OnAutoDeleteRow = [&](TSender, int ARow) { reported.push_back(ARow); };
    Grid->RemoveGridRow(1);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "");

    Grid->SetFixedRowAlways(true);
    Grid->SetCells(1, 1, "gone");
    Grid->RemoveGridRow(1);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(reported, (std::vector<int>{1, 1}));
}

TEST_F(ExtGridNotificationsTest, GridRowHooksInsertAndRemovePlainRows)
{
    for (int r = 0; r < 5; ++r) Grid->SetCells(0, r, std::to_string(r));
    Grid->InsertGridRow(2);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(0, 2), "");
    EXPECT_EQ(Grid->Cells(0, 3), "2");
    Grid->RemoveGridRow(3);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Cells(0, 3), "3");
}

TEST_F(ExtGridNotificationsTest, LoadedCellStoresTheValueTheHandlerMadeOfIt)
{
    Grid->OnLoadCell = [](TSender, int, int, std::string& Value) { Value = "<" + Value + ">"; };
    std::string value = "x";
    Grid->LoadCell(2, 3, value);
    EXPECT_EQ(value, "<x>");
    EXPECT_EQ(Grid->GetGridCell(2, 3), "<x>");
}

TEST_F(ExtGridNotificationsTest, ExportAndFilterSeeTheDisplayedText)
{
    Grid->SetCells(1, 2, "raw");
    Grid->OnGetDisplText = [](TSender, int, int, std::string& Value) { Value = "shown " + Value; };
    EXPECT_EQ(Grid->ExportCell(1, 2), "shown raw");
    EXPECT_EQ(Grid->GetCellValue(1, 2), "shown raw");
}

TEST_F(ExtGridNotificationsTest, UsedCellsAreTheSmallestRectangleHoldingText)
{
    EXPECT_EQ(Grid->GetUsedCells(), rtl::Rect(0, 0, 0, 0));
    Grid->SetCells(2, 1, "a");
    EXPECT_EQ(Grid->GetUsedCells(), rtl::Rect(2, 1, 2, 1));
    Grid->SetCells(0, 4, "b");
    Grid->SetCells(3, 3, "c");
    EXPECT_EQ(Grid->GetUsedCells(), rtl::Rect(0, 1, 3, 4));
}

TEST_F(ExtGridNotificationsTest, SaveRangeFollowsTheFixedCellSettings)
{
    Grid->SetFixedRightCols(1);
    Grid->SetFixedFooters(1);
    struct Case {
        bool cells, rows, cols;
        std::vector<int> range;  // start col, start row, end col, end row, col count, row count
    };
    const Case cases[] = {
        {true, false, false, {0, 0, 3, 4, 4, 5}},
        {false, false, false, {1, 1, 2, 3, 2, 3}},
        {false, true, false, {1, 0, 2, 4, 2, 5}},
        {false, false, true, {0, 1, 3, 3, 4, 3}},
    };
    for (const Case& c : cases) {
        Grid->SetSaveFixedCells(c.cells);
        Grid->SetSaveFixedRows(c.rows);
        Grid->SetSaveFixedCols(c.cols);
        std::vector<int> range{Grid->SaveStartCol(), Grid->SaveStartRow(), Grid->SaveEndCol(),
                               Grid->SaveEndRow(),   Grid->SaveColCount(), Grid->SaveRowCount()};
        EXPECT_EQ(range, c.range) << c.cells << c.rows << c.cols;
    }
}

TEST_F(ExtGridNotificationsTest, SelectionWidensOverMergedBlocksAtItsCorners)
{
    Grid->SetRowCount(8);
    Grid->MergeCells(1, 1, 2, 2);  // columns 1-2, rows 1-2
    Grid->MergeCells(2, 4, 2, 3);  // columns 2-3, rows 4-6
    Grid->SetSelection(rtl::Rect(2, 2, 2, 5));
    Grid->AdjustSelectionForMerge();
    EXPECT_EQ(Grid->Selection(), rtl::Rect(1, 1, 3, 6));
    Grid->SetSelection(rtl::Rect(3, 3, 3, 3));
    Grid->AdjustSelectionForMerge();
    EXPECT_EQ(Grid->Selection(), rtl::Rect(3, 3, 3, 3));
}

TEST_F(ExtGridNotificationsTest, PasteMarksRowsModifiedOnlyWhileModificationsAreShown)
{
    Grid->MarkRowsModified({-1, -1}, rtl::Rect(0, 1, 3, 2), TExtStringGrid::coCopy);
    EXPECT_FALSE(Grid->RowModified(1));
    Grid->ShowModified().SetEnabled(true);
    Grid->MarkRowsModified({-1, -1}, rtl::Rect(0, 3, 3, 2), TExtStringGrid::coCut);
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_EQ(Grid->RowModified(r), r == 2 || r == 3) << r;
}

TEST_F(ExtGridNotificationsTest, FormattedClipboardIsWhatNavigationAllows)
{
    EXPECT_FALSE(Grid->AllowFormattedClipboard());
    Grid->Navigation().SetAllowFmtClipboard(true);
    EXPECT_TRUE(Grid->AllowFormattedClipboard());
}

TEST_F(ExtGridNotificationsTest, RowSelectFlagsAskTheirVetoAndReportChanges)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    std::vector<int> selected;
    Grid->OnRowDisjunctSelect = [](TSender, int Index, bool& Allow) { Allow = Index != 3; };
    Grid->OnRowDisjunctSelected = [&](TSender, int Index) { selected.push_back(Index); };
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(3, true);
    Grid->SetRowSelect(2, true);
    EXPECT_TRUE(Grid->RowSelect(2));
    EXPECT_FALSE(Grid->RowSelect(3));
    Grid->ResetRowSelect();
    EXPECT_FALSE(Grid->RowSelect(2));
    EXPECT_EQ(selected, (std::vector<int>{2, 2}));
    EXPECT_THROW(Grid->SetRowSelect(-1, true), VIdoZovuVozir);
    EXPECT_THROW(Grid->RowSelect(5), VIdoZovuVozir);
}

TEST_F(ExtGridNotificationsTest, GridRowHooksUnderANodeChangeTheNodesSpan)
{
    Grid->SetRowCount(8);
    Grid->AddNode(1, 3);
    Grid->InsertGridRow(2);
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    Grid->RemoveGridRow(2);
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(Grid->GetNodeSpan(1), 3);
}

namespace {

// Records the export hook's calls and the file progress in the order they come.
class TExportRecorder : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    std::vector<std::string> Seen;
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        static const char* const names[] = {"start", "new", "done", "sel", "fail", "next", "find"};
        Seen.push_back(std::string(names[AState]) + " " + std::to_string(ARow));
    }
};

}  // namespace

// Every saver frames its rows with the export hook: the start with the first saved row, each
// row announced before it is written, its progress reported after it, then the end; the
// progress of a save runs to 100. Row sizing reports its rows the same way.
TEST(ExtGridSaveEventOrder, SaversAnnounceEachRowBeforeItAndReportProgressAfterIt)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    testsupport::TempDir dir;
    TExportRecorder grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetSaveFixedCells(false);
    grid.SetSaveFixedRows(false);
    grid.SetSaveFixedCols(false);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) grid.SetCells(c, r, std::to_string(c) + std::to_string(r));
    grid.OnFileProgress = [&](TSender, int p) { grid.Seen.push_back("progress " + std::to_string(p)); };

    const std::vector<std::string> withProgress = {"start 1",      "next 1", "progress 0",   "next 2",
                                                   "progress 50",  "next 3", "progress 100", "done -1"};
    const std::vector<std::string> rowsOnly = {"start 1", "next 1", "next 2", "next 3", "done -1"};
    rtl::TMemoryStream stream;
    TIntList fields(0, 0);
    struct Case {
        const char* Name;
        std::function<void()> Save;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"text cell file", [&] { grid.SaveToFile(dir.File("cells.txt")); }, withProgress},
        {"text cell stream", [&] { grid.SaveToStream(stream); }, rowsOnly},
        {"CSV", [&] { grid.SaveToCSV(dir.File("cells.csv")); }, withProgress},
        {"fixed width", [&] { grid.SaveToFixed(dir.File("cells.fix"), fields); }, rowsOnly},
        {"ASCII", [&] { grid.SaveToASCII(dir.File("cells.asc")); }, rowsOnly},
        {"binary cells", [&] { grid.SaveToBinStream(stream); }, withProgress},
        {"binary, one row", [&] { grid.SaveRectToBinStream(rtl::TRect{1, 2, 2, 2}, stream, false); },
         {"progress 100"}},
        {"row sizing", [&] { grid.AutoSizeRows(false, 0); }, rowsOnly},
    };
    for (const Case& c : cases) {
        grid.Seen.clear();
        c.Save();
        EXPECT_EQ(grid.Seen, c.Expected) << c.Name;
    }
}
