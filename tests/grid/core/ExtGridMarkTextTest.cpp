// Highlighting and marking search texts in string grid cells, checking cells with a checker, and the sort-indicator cell query.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/editing/ExtStringGridCheck.h"

using namespace grid;

namespace {

TEST(ExtGridMarkText, TextMarksFollowCaseAndReplaceEarlierMarks)
{
    TExtStringGrid grid(nullptr);
    EXPECT_EQ(grid.HilightText(false, "Soil soil SOIL", "soil"), "<HI>Soil</HI> <HI>soil</HI> <HI>SOIL</HI>");
    EXPECT_EQ(grid.HilightText(true, "Soil soil", "soil"), "Soil <HI>soil</HI>");
    EXPECT_EQ(grid.MarkText(false, "a b", "b"), "a <E>b</E>");
    EXPECT_EQ(grid.UnMarkText("a <E>b</E>"), "a b");
    EXPECT_EQ(grid.UnHilightText("<HI>x</HI>y"), "xy");

    grid.SetCells(1, 1, "maize wheat");
    grid.HilightInCell(false, 1, 1, "maize", false);
    grid.HilightInCell(false, 1, 1, "wheat", false);  // the earlier highlight goes
    EXPECT_EQ(grid.Cells(1, 1), "maize <HI>wheat</HI>");
    grid.UnHilightInCell(1, 1);
    EXPECT_EQ(grid.Cells(1, 1), "maize wheat");
}

TEST(ExtGridMarkText, RangesVisitOnlyTheirCellsAndFullTextNeedsTheWholeText)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) grid.SetCells(c, r, "x");
    grid.SetCells(2, 2, "x and more");
    grid.HilightInCol(false, false, 2, "x", true);
    EXPECT_EQ(grid.Cells(2, 1), "<HI>x</HI>");
    EXPECT_EQ(grid.Cells(2, 2), "x and more");  // not the whole text
    EXPECT_EQ(grid.Cells(2, 0), "x");           // fixed row left alone
    grid.MarkInRow(true, false, 3, "x");
    EXPECT_EQ(grid.Cells(0, 3), "<E>x</E>");
    EXPECT_EQ(grid.Cells(3, 3), "<E>x</E>");
    grid.UnMarkInGrid(true);
    EXPECT_EQ(grid.Cells(0, 3), "x");
    grid.MarkInGrid(false, false, "x");
    EXPECT_EQ(grid.Cells(1, 1), "<E>x</E>");
    EXPECT_EQ(grid.Cells(0, 1), "x");
}

TEST(ExtGridMarkText, SearchTextWithAnAmpersandFindsItsStoredEntityAndMergedMembersStayUnmarked)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "<b>salt</b> &amp; pepper");
    grid.HilightInCell(false, 1, 1, "&", false);
    EXPECT_EQ(grid.Cells(1, 1), "<b>salt</b> <HI>&amp;</HI> pepper");
    grid.SetCells(2, 1, "salt & pepper");  // a plain cell is stored with the entity once marked
    grid.HilightInCell(false, 2, 1, "&", false);
    EXPECT_EQ(grid.Cells(2, 1), "salt <HI>&amp;</HI> pepper");
    grid.MergeCells(1, 2, 2, 1);
    grid.SetGridCell(1, 2, "k");
    grid.SetGridCell(2, 2, "k");
    grid.HilightInRow(false, false, 2, "k", false);
    EXPECT_EQ(grid.GetGridCell(1, 2), "<HI>k</HI>");
    EXPECT_EQ(grid.GetGridCell(2, 2), "k");
}

// Corrects "teh" to "the"; stops after the cell named Stop.
class TSpellFix : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    std::string Correct(int ACol, int ARow, const std::string& s) override
    {
        Visited.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        if (ACol == StopCol && ARow == StopRow) SetLastResult(CheckResultCancel);
        return s == "teh" ? "the" : s;
    }
    std::vector<std::string> Visited;
    int StopCol = -1, StopRow = -1;
};

TEST(ExtGridMarkText, CheckingCorrectsCellsAndStopsWhenTheCheckerSaysSo)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(1, 1, "teh");
    EXPECT_TRUE(grid.CheckCell(1, 1));  // no checker: nothing to do
    EXPECT_EQ(grid.Cells(1, 1), "teh");

    TSpellFix checker(nullptr);
    checker.SetUseCorrect(true);
    grid.SetCellChecker(&checker);
    grid.SetCells(2, 1, "ok");
    EXPECT_TRUE(grid.CheckCell(2, 1));
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "the");

    checker.Visited.clear();
    checker.StopCol = 2;
    checker.StopRow = 1;
    grid.SetCells(1, 2, "teh");
    EXPECT_TRUE(grid.CheckGrid(false));
    EXPECT_EQ(checker.Visited, (std::vector<std::string>{"1,1", "2,1"}));
    EXPECT_EQ(grid.Cells(1, 2), "teh");  // never reached
    grid.SetCellChecker(nullptr);
}

TEST(ExtGridMarkText, SortIndicatorCellIsTheSortRowWhileShownWithTwoNormalRows)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(2);
    grid.SortSettings().SetShow(true);
    EXPECT_FALSE(grid.IsSortIndicatorCell(1, 0));  // one normal row only
    grid.SetRowCount(5);
    EXPECT_TRUE(grid.IsSortIndicatorCell(1, 0));
    EXPECT_TRUE(grid.IsSortIndicatorCell(3, 0));
    EXPECT_FALSE(grid.IsSortIndicatorCell(1, 1));
    grid.SortSettings().SetShow(false);
    EXPECT_FALSE(grid.IsSortIndicatorCell(1, 0));
}

}  // namespace
