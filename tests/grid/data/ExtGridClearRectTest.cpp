// Clearing rectangles of the string grid (objects, text-only clears, change reports, selections), trimming, colouring and the cell-text tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/Color.h"

using namespace grid;

namespace {

// A caller's object that counts the live instances.
class TCounted : public rtl::TObject {
public:
    explicit TCounted(int& live) : FLive(live) { ++FLive; }
    ~TCounted() override { --FLive; }

private:
    int& FLive;
};

class ExtGridClearRect : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid.SetColCount(4);
        Grid.SetRowCount(4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) Grid.SetCells(c, r, std::to_string(c) + std::to_string(r));
        Grid.OnCellsChanged = [this](TSender, const rtl::TRect& R) { Reports.push_back(R); };
    }

    TExtStringGrid Grid{nullptr};
    std::vector<rtl::TRect> Reports;
};

TEST_F(ExtGridClearRect, OwnsObjectsFreesTheCallersObjectsOtherwiseTheySurvive)
{
    int live = 0;
    TCounted* kept = new TCounted(live);
    Grid.SetObjectEx(1, 1, kept);
    Grid.SetObjectEx(2, 1, new TCounted(live));
    Grid.ClearRect(1, 1, 1, 1);
    EXPECT_EQ(live, 2);
    delete kept;

    Grid.SetOwnsObjects(true);
    Grid.SetObjectEx(3, 3, new TCounted(live));
    Grid.ClearRect(2, 1, 3, 3);
    EXPECT_EQ(live, 0);
    EXPECT_EQ(Grid.Cells(2, 1), "");
    EXPECT_EQ(Grid.Cells(3, 3), "");
}

TEST_F(ExtGridClearRect, TextOnlyClearKeepsColoursAndForgetsAFreedObject)
{
    int live = 0;
    Grid.CellProperties(1, 1)->SetBrushColor(gfx::clYellow);
    Grid.SetObjectEx(1, 1, new TCounted(live));
    Grid.SetClearTextOnly(true);
    Grid.SetOwnsObjects(true);
    Grid.ClearRect(0, 0, 3, 3);
    EXPECT_EQ(Grid.Cells(1, 1), "");
    EXPECT_EQ(live, 0);
    // The property object stays, without a pointer to the object just freed.
    ASSERT_TRUE(Grid.HasCellProperties(1, 1));
    EXPECT_EQ(Grid.GetCellPropsDirect(1, 1)->BrushColor(), gfx::clYellow);
    EXPECT_EQ(Grid.GetObjectEx(1, 1), nullptr);
    EXPECT_TRUE(Grid.HasCellProps());
}

TEST_F(ExtGridClearRect, FullClearDropsThePropertyFlagAndNilObjectsDetachesWithoutFreeing)
{
    Grid.CellProperties(2, 2)->SetBrushColor(gfx::clRed);
    Grid.ClearRect(0, 0, 3, 3);
    EXPECT_FALSE(Grid.HasCellProps());
    EXPECT_EQ(Grid.GetCellPropsDirect(2, 2), nullptr);

    TCellProperties* props = Grid.CellProperties(1, 2);
    Grid.SetNilObjects(true);
    Grid.ClearRect(1, 2, 1, 2);
    EXPECT_EQ(Grid.GetCellPropsDirect(1, 2), nullptr);
    EXPECT_EQ(props->BrushColor(), Grid.CellProperties(3, 3)->BrushColor());  // still a live object
    delete props;
}

TEST_F(ExtGridClearRect, ChangeReportsNameTheRealRectangleAndCanBeBlocked)
{
    Grid.HideColumn(1);  // displayed columns 0, 1, 2 are real 0, 2, 3
    Grid.ClearRect(1, 1, 2, 2);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], (rtl::TRect{2, 1, 3, 2}));

    Grid.ClearRect(2, 2, 1, 1);  // an empty rectangle is still reported
    EXPECT_EQ(Reports.size(), 2u);
    Grid.ClearRows(1, 0);
    Grid.ClearCols(0, -1);
    EXPECT_EQ(Reports.size(), 2u);

    Grid.SetBlockCellChange(true);
    Grid.ClearRect(0, 0, 0, 0);
    EXPECT_EQ(Reports.size(), 2u);
    EXPECT_EQ(Grid.Cells(0, 0), "");
}

TEST_F(ExtGridClearRect, SelectionClearsDisplayedCellsThroughHiddenColumns)
{
    Grid.HideColumn(1);
    Grid.SetSelection(rtl::TRect{1, 2, 1, 3});  // displayed column 1 is real column 2
    Grid.ClearSelection();
    Grid.UnHideColumnsAll();
    EXPECT_EQ(Grid.Cells(1, 2), "12");
    EXPECT_EQ(Grid.Cells(2, 2), "");
    EXPECT_EQ(Grid.Cells(2, 3), "");
    EXPECT_EQ(Grid.Cells(2, 1), "21");
    EXPECT_FALSE(Grid.SaveHiddenCells());
}

TEST_F(ExtGridClearRect, DisjunctRowSelectionClearsOnlyTheSelectedRowsAcrossHiddenColumns)
{
    Grid.MouseActions().SetDisjunctRowSelect(true);
    Grid.SetRowSelect(1, true);
    Grid.SetRowSelect(3, true);
    Grid.HideColumn(2);
    Grid.ClearSelection();
    Grid.UnHideColumnsAll();
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(Grid.Cells(c, 1), "") << c;
        EXPECT_EQ(Grid.Cells(c, 2), std::to_string(c) + "2") << c;
        EXPECT_EQ(Grid.Cells(c, 3), "") << c;
    }
}

TEST_F(ExtGridClearRect, ClearAllEmptiesHiddenRowsThatStayHiddenAndNormalCellsKeepTheFixedOnes)
{
    Grid.HideRow(2);
    Grid.ClearAll();
    EXPECT_EQ(Grid.NumHiddenRows(), 1);
    Grid.UnHideRowsAll();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Grid.Cells(c, r), "") << c << "," << r;

    Grid.SetCells(0, 1, "fixed");
    Grid.SetCells(1, 0, "head");
    Grid.SetCells(1, 1, "normal");
    Grid.ClearNormalCells();
    EXPECT_EQ(Grid.Cells(0, 1), "fixed");
    EXPECT_EQ(Grid.Cells(1, 0), "head");
    EXPECT_EQ(Grid.Cells(1, 1), "");

    Grid.SetCells(0, 1, "fixed");
    Grid.Clear();
    EXPECT_EQ(Grid.Cells(0, 1), "");
}

TEST_F(ExtGridClearRect, TrimFormsReachTheirColumnRowOrWholeGrid)
{
    Grid.SetCells(1, 0, " \ta\x01 ");
    Grid.SetCells(1, 3, "  b");
    Grid.SetCells(2, 2, "c  ");
    Grid.SetCells(3, 2, " d ");
    Grid.TrimColumn(1);
    EXPECT_EQ(Grid.Cells(1, 0), "a");
    EXPECT_EQ(Grid.Cells(1, 3), "b");
    EXPECT_EQ(Grid.Cells(2, 2), "c  ");
    Grid.TrimRow(2);
    EXPECT_EQ(Grid.Cells(2, 2), "c");
    EXPECT_EQ(Grid.Cells(3, 2), "d");
    Grid.SetCells(0, 0, " e ");
    Grid.TrimAll();
    EXPECT_EQ(Grid.Cells(0, 0), "e");
}

TEST_F(ExtGridClearRect, ColorRectColoursEveryCellOfTheRectangle)
{
    Grid.ColorRect(1, 1, 2, 2, gfx::clLime);
    EXPECT_EQ(Grid.GetCellPropsDirect(1, 1)->BrushColor(), gfx::clLime);
    EXPECT_EQ(Grid.GetCellPropsDirect(2, 2)->BrushColor(), gfx::clLime);
    EXPECT_EQ(Grid.GetCellPropsDirect(3, 3), nullptr);
}

TEST_F(ExtGridClearRect, WideMarkerOnlyAtTheStartAndIsCellFindsTheFirstExactText)
{
    Grid.SetCells(1, 1, "|\\wide");
    Grid.SetCells(2, 1, "x|\\wide");
    EXPECT_TRUE(Grid.IsWideCell(1, 1));
    EXPECT_FALSE(Grid.IsWideCell(2, 1));

    Grid.SetCells(3, 0, "dup");
    Grid.SetCells(0, 2, "dup");
    int c = -1;
    int r = -1;
    ASSERT_TRUE(Grid.IsCell("dup", c, r));
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 0);  // row by row, fixed cells included
    EXPECT_FALSE(Grid.IsCell("Dup", c, r));
    EXPECT_FALSE(Grid.IsCell("du", c, r));
}

}  // namespace
