// Tests of the string grid's nodes: spans, levels, contracting and expanding through the hidden rows, child rows and expandable cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "platform/rtl/Exceptions.h"

using namespace grid;

namespace {

// Column 1 names each row by its real index.
void Fill(TExtStringGrid& grid, int rows)
{
    grid.SetColCount(3);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) grid.SetCells(1, r, std::to_string(r));
}

std::vector<int> Shown(TExtStringGrid& grid)
{
    std::vector<int> out;
    for (int r = 0; r < grid.RowCount(); ++r) out.push_back(std::stoi(grid.GetGridCell(1, r)));
    return out;
}

std::vector<int> Range(int from, int to)
{
    std::vector<int> out;
    for (int r = from; r <= to; ++r) out.push_back(r);
    return out;
}

}  // namespace

TEST(ExtGridNodes, ContractingHidesTheSpanAndExpandingBringsItBackUnchanged)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 10);
    grid.SetRowHeights(4, 40);
    EXPECT_FALSE(grid.HasNodes());
    grid.AddNode(2, 4);
    EXPECT_TRUE(grid.HasNodes());
    EXPECT_TRUE(grid.IsNode(2));
    EXPECT_EQ(grid.GetNodeSpan(2), 4);
    EXPECT_EQ(grid.GetNodeLevel(2), 1);
    EXPECT_EQ(grid.GetNodeIndent(4), 12);
    EXPECT_EQ(grid.GetNodeIndent(6), 0);

    grid.ContractNode(2);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 2, 6, 7, 8, 9}));
    EXPECT_TRUE(grid.GetNodeState(2));
    EXPECT_TRUE(grid.GetCellProperties(2, 2)->MergeCollaps());

    grid.ExpandNode(2);
    EXPECT_EQ(Shown(grid), Range(0, 9));
    EXPECT_FALSE(grid.GetNodeState(2));
    EXPECT_FALSE(grid.GetCellProperties(2, 2)->MergeCollaps());
    EXPECT_EQ(grid.RowHeights(4), 40);
}

TEST(ExtGridNodes, ContractingAParentOverAContractedChildMarksTheChildExpanded)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 10);
    grid.AddNode(1, 6);  // rows 1..6
    grid.AddNode(3, 3);  // rows 3..5
    EXPECT_EQ(grid.GetNodeLevel(3), 2);
    grid.ContractNode(3);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 2, 3, 6, 7, 8, 9}));
    EXPECT_EQ(grid.GetParentRow(3), 1);

    grid.ContractNode(1);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 7, 8, 9}));
    grid.ExpandNode(1);
    EXPECT_EQ(Shown(grid), Range(0, 9));
    EXPECT_FALSE(grid.GetNodeState(3));
}

TEST(ExtGridNodes, WithExpandOneExpandingANodeContractsTheOthers)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 9);
    grid.AddNode(1, 3);
    grid.AddNode(4, 3);
    grid.ContractNode(1);
    grid.ContractNode(4);
    grid.CellNode().SetExpandOne(true);
    grid.ExpandNode(4);  // displayed row 2 after the first node contracted
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 4, 5, 6, 7, 8}));
    grid.ExpandNode(1);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 2, 3, 4, 7, 8}));
    EXPECT_TRUE(grid.GetNodeState(4));
}

TEST(ExtGridNodes, ContractAllThenExpandAllRestoresTheRowsWithEveryNodeExpanded)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 12);
    grid.AddNode(1, 5);
    grid.AddNode(2, 2);
    grid.AddNode(7, 3);
    grid.ContractAll();
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 6, 7, 10, 11}));
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_TRUE(grid.GetNodeState(3));
    EXPECT_EQ(grid.FilterLevel(), 0);
    // Nested nodes keep their expanded mark, so expanding the top node shows all its rows.
    grid.ExpandNode(1);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 10, 11}));
    grid.ContractAll();
    grid.ExpandAll();
    EXPECT_EQ(Shown(grid), Range(0, 11));
    for (int r : {1, 2, 7}) EXPECT_FALSE(grid.GetNodeState(r)) << r;
}

TEST(ExtGridNodes, ExpandAllAlsoBringsBackRowsHiddenOtherwise)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 8);
    grid.AddNode(1, 2);
    grid.HideRows(5, 6);
    grid.ContractNode(1);
    grid.ExpandAll();
    EXPECT_EQ(Shown(grid), Range(0, 7));
}

TEST(ExtGridNodes, ASpanOfZeroReachesUpToTheNextNodeRow)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 10);
    grid.AddNode(1, 1);
    grid.SetNodeSpan(1, 0);
    grid.AddNode(5, 2);
    grid.ContractNode(1);
    EXPECT_EQ(Shown(grid), (std::vector<int>{0, 1, 5, 6, 7, 8, 9}));
    grid.ExpandNode(1);
    EXPECT_EQ(Shown(grid), Range(0, 9));
}

TEST(ExtGridNodes, QuestionsAboutRowsThatAreNoNodesGiveTheirNeutralAnswers)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 6);
    grid.AddNode(1, 2);
    EXPECT_EQ(grid.GetNodeLevel(4), -1);
    EXPECT_EQ(grid.GetNodeSpan(4), -1);
    EXPECT_EQ(grid.GetSubNodeCount(4), 0);
    EXPECT_FALSE(grid.GetNodeState(4));
    EXPECT_EQ(grid.GetParentRow(4), -1);
    EXPECT_EQ(grid.GetParentRow(2), 1);
    grid.ContractNode(4);  // nothing happens
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.GetNodeSpanType(1), 0);
    EXPECT_EQ(grid.GetNodeSpanType(2), 1);
}

TEST(ExtGridNodes, TheNodeCountFollowsAddingAndRemovingAlsoOverAnExistingNode)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 6);
    grid.AddNode(2, 2);
    grid.AddNode(2, 3);  // replaces the node of row 2
    EXPECT_EQ(grid.NumNodes(), 1);
    EXPECT_EQ(grid.GetNodeLevel(2), 1);
    EXPECT_THROW(grid.CellNode().SetNodeColumn(1), rtl::Exception);
    grid.ContractNode(2);
    grid.RemoveNode(2);
    EXPECT_FALSE(grid.HasNodes());
    EXPECT_EQ(Shown(grid), Range(0, 5));
    EXPECT_EQ(grid.GetCellPropsDirect(0, 3)->NodeLevel(), 0);
    grid.CellNode().SetNodeColumn(1);
    EXPECT_EQ(grid.CellNode().NodeColumn(), 1);
}

TEST(ExtGridNodes, ChildRowsGrowAndShrinkTheirNodeAndMoveHiddenRowsBelow)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 8);
    grid.AddNode(1, 3);  // rows 1..3
    grid.HideRow(6);
    grid.InsertChildRow(2, 1);  // after row 2
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.GetSubNodeCount(1), 1);
    EXPECT_EQ(grid.GetGridCell(1, 3), "");
    EXPECT_EQ(grid.GetCellPropsDirect(0, 3)->NodeLevel(), 1);
    EXPECT_EQ(grid.GridItems(0).Idx(), 7);

    grid.InsertChildRow(1, 0);  // on the node: the node's texts move down into the new row
    EXPECT_EQ(grid.GetNodeSpan(1), 5);
    EXPECT_EQ(grid.GetGridCell(1, 1), "");
    EXPECT_EQ(grid.GetGridCell(1, 2), "1");
    EXPECT_TRUE(grid.IsNode(1));

    grid.RemoveChildRow(2);
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.GetSubNodeCount(1), 1);
    EXPECT_EQ(grid.GetGridCell(1, 2), "2");
}

TEST(ExtGridNodes, ExpandableCellsToggleBetweenTheirTwoHeights)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 4);
    grid.SetRowHeights(2, 22);
    EXPECT_FALSE(grid.HasExpand(1, 2));
    EXPECT_EQ(grid.GetExpandHeight(1, 2, true), grid.DefaultRowHeight());
    grid.AddExpand(1, 2, 80);
    EXPECT_TRUE(grid.HasExpand(1, 2));
    EXPECT_FALSE(grid.GetExpandState(1, 2));
    EXPECT_EQ(grid.GetExpandHeight(1, 2, true), 80);
    EXPECT_EQ(grid.GetExpandHeight(1, 2, false), 22);
    EXPECT_TRUE(grid.ToggleExpand(1, 2));
    EXPECT_TRUE(grid.GetExpandState(1, 2));
    EXPECT_FALSE(grid.ToggleExpand(1, 2));
    grid.RemoveExpand(1, 2);
    EXPECT_FALSE(grid.HasExpand(1, 2));
    EXPECT_FALSE(grid.ToggleExpand(1, 2));
}

TEST(ExtGridNodes, TheNodeGlyphIsHitOnlyInsideItsLevelsIndent)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 6);
    grid.AddNode(1, 3);
    grid.AddNode(2, 2);
    const int left = grid.CellRect(0, 2).Left;
    // Level 2, cnXP: margin 4, glyph 4, indent 12: hits for 16 < x - left < 28.
    EXPECT_FALSE(grid.IsNodeGlyphHit(2, left + 16));
    EXPECT_TRUE(grid.IsNodeGlyphHit(2, left + 17));
    EXPECT_TRUE(grid.IsNodeGlyphHit(2, left + 27));
    EXPECT_FALSE(grid.IsNodeGlyphHit(2, left + 28));
    grid.MouseActions().SetPreciseNodeClick(false);
    EXPECT_TRUE(grid.IsNodeGlyphHit(2, left + 100));
}

// The rows of a contracted node stay as they are; every other suppressed row comes back,
// also the rows shown after the contracted node's hidden children, and the saved heights
// are left as they were.
TEST(ExtGridNodes, UnSuppressAllOpenRowsSparesOnlyContractedNodes)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 10);
    grid.SetRowHeights(7, 30);
    grid.AddNode(2, 4);  // rows 2..5
    grid.ContractNode(2);
    ASSERT_EQ(Shown(grid), (std::vector<int>{0, 1, 2, 6, 7, 8, 9}));
    grid.SuppressRow(1);
    grid.SuppressRow(2);
    grid.SuppressRow(4);  // real row 7
    const std::vector<int> saved = grid.SuppressRowSizes().Values();
    grid.UnSuppressAllOpenRows();
    EXPECT_EQ(grid.RowHeights(1), grid.DefaultRowHeight());
    EXPECT_EQ(grid.RowHeights(2), 0);
    EXPECT_EQ(grid.RowHeights(4), 30);
    EXPECT_EQ(grid.SuppressRowSizes().Values(), saved);
}
