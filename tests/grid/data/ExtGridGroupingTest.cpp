// Tests of the string grid's grouping: header nodes per value, summary rows, sub-groups, group calculations and ungrouping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"

using namespace grid;

namespace {

// Fixed row 0 and column 0; column 1 names, column 2 the group values, column 3 numbers.
void Fill(TExtStringGrid& grid, const std::vector<std::string>& values)
{
    grid.SetColCount(4);
    grid.SetRowCount(static_cast<int>(values.size()) + 1);
    grid.SetCells(2, 0, "Kind");
    grid.SetColWidths(2, 77);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid.SetCells(1, r, "n" + std::to_string(r));
        grid.SetCells(2, r, values[i]);
        grid.SetCells(3, r, std::to_string(r));
    }
}

std::vector<std::string> Column(TExtStringGrid& grid, int col)
{
    std::vector<std::string> out;
    for (int r = 1; r < grid.RowCount(); ++r) out.push_back(grid.GetGridCell(col, r));
    return out;
}

}  // namespace

TEST(ExtGridGrouping, AHiddenColumnLeftOfTheGroupColumnNeitherLosesNorMovesAColumn)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, {"A", "A", "B"});
    grid.SetColCount(5);
    for (int r = 0; r < grid.RowCount(); ++r) grid.SetCells(4, r, "x" + std::to_string(r));
    grid.HideColumn(1);  // names; the group values are now shown in column 1
    grid.Group(1);
    EXPECT_EQ(grid.GroupColumn(), 2);  // the real index
    ASSERT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.GetGridCell(1, 2), "1");  // numbers, then the last column
    EXPECT_EQ(grid.GetGridCell(2, 2), "x1");

    grid.UnGroup();
    ASSERT_EQ(grid.ColCount(), 4);
    grid.UnHideColumnsAll();
    ASSERT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"n1", "n2", "n3"}));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"A", "A", "B"}));
    EXPECT_EQ(grid.GetGridCell(2, 0), "Kind");
    EXPECT_EQ(Column(grid, 3), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(grid.GetGridCell(4, 1), "x1");
}

TEST(ExtGridGrouping, GroupingMakesOneHeaderNodePerValueAndUngroupingRestoresTheGrid)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, {"A", "A", "B", "C", "C"});
    grid.Group(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    EXPECT_EQ(grid.ColCount(), 3);
    ASSERT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"A", "n1", "n2", "B", "n3", "C", "n4", "n5"}));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"", "1", "2", "", "3", "", "4", "5"}));
    struct Header {
        int Row, Span;
    };
    for (Header h : {Header{1, 3}, Header{4, 2}, Header{6, 3}}) {
        EXPECT_TRUE(grid.IsNode(h.Row)) << h.Row;
        EXPECT_EQ(grid.GetNodeSpan(h.Row), h.Span) << h.Row;
    }

    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_FALSE(grid.HasNodes());
    ASSERT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.ColWidths(2), 77);
    EXPECT_EQ(grid.GetGridCell(2, 0), "Kind");
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"n1", "n2", "n3", "n4", "n5"}));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"A", "A", "B", "C", "C"}));
    EXPECT_EQ(Column(grid, 3), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(ExtGridGrouping, SummaryRowsFollowTheGroupsAndTakeTheGroupCalculations)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, {"A", "A", "B", "C", "C"});
    grid.Grouping().SetSummary(true);
    grid.Group(2);
    ASSERT_EQ(grid.RowCount(), 12);
    for (int r : {4, 7, 11}) EXPECT_TRUE(grid.IsSummary(r)) << r;
    EXPECT_EQ(grid.GetNodeSpan(5), 2);

    grid.GroupSum(2);
    EXPECT_EQ(grid.GetGridCell(2, 4), "3.00");
    EXPECT_EQ(grid.GetGridCell(2, 7), "3.00");
    EXPECT_EQ(grid.GetGridCell(2, 11), "9.00");
    grid.GroupCount(1);
    EXPECT_EQ(grid.GetGridCell(1, 4), "2");
    EXPECT_EQ(grid.GetGridCell(1, 7), "1");

    // A contracted group is left out of the calculations.
    grid.SetCells(2, 7, "-");
    grid.ContractNode(5);
    grid.GroupMax(2);
    EXPECT_EQ(grid.GetGridCell(2, 4), "2.00");
    EXPECT_EQ(grid.GetGridCell(2, 6), "-");
    EXPECT_EQ(grid.GetGridCell(2, 10), "5.00");

    grid.UnGroup();
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"A", "A", "B", "C", "C"}));
    EXPECT_EQ(grid.RowCount(), 6);
}

TEST(ExtGridGrouping, GroupingByTheFirstDataColumnPutsTheHeadersIntoTheColumnThatTakesItsPlace)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, {"A", "A", "B"});
    grid.Group(1);  // by the names: one group per row
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"n1", "A", "n2", "A", "n3", "B"}));
    EXPECT_TRUE(grid.IsNode(3));
    grid.UnGroup();
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"n1", "n2", "n3"}));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"A", "A", "B"}));
}

TEST(ExtGridGrouping, GroupColumnZeroOrAFixedColumnChangesNothing)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, {"A", "B"});
    grid.SetGroupColumn(0);
    grid.Group(0);
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.RowCount(), 3);
    grid.SetGroupColumn(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    grid.SetGroupColumn(-1);
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.RowCount(), 3);
}

TEST(ExtGridGrouping, SubGroupsNestInsideTheGroupsAndSubUngroupingRemovesThem)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(6);
    const char* kinds[] = {"A", "A", "A", "B", "B"};
    const char* sorts[] = {"x", "x", "y", "z", "z"};
    for (int r = 1; r <= 5; ++r) {
        grid.SetCells(1, r, kinds[r - 1]);
        grid.SetCells(2, r, sorts[r - 1]);
        grid.SetCells(3, r, std::to_string(r));
    }
    grid.SortSettings().SetAutoSortForGrouping(false);
    grid.Group(1);  // columns now: 0 fixed, 1 sorts (headers), 2 numbers
    ASSERT_EQ(grid.RowCount(), 8);
    grid.SubGroup(1);
    // A(x: 1 2, y: 3), B(z: 4 5); each sub-group header shows its value in column 2.
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"", "x", "1", "2", "y", "3", "", "z", "4", "5"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(grid.GetNodeSpan(2), 3);
    EXPECT_EQ(grid.GetNodeLevel(2), 2);
    EXPECT_EQ(grid.GetNodeSpan(7), 4);

    grid.SubUnGroup(1);
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"A", "x", "x", "y", "B", "z", "z"}));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"", "1", "2", "3", "", "4", "5"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.NumNodes(), 2);
}
