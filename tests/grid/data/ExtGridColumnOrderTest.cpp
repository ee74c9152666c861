// Tests of the string grid's recorded column order: position translation, restoring the order, finding columns by header.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

using namespace grid;

namespace {

// Column moves as the user makes them by dragging a header.
class TMovingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::MoveColumn;
};

// Headers h0..h(n-1) in row 0 and the column's own index in row 1.
void Fill(TExtStringGrid& grid, int cols)
{
    grid.SetColCount(cols);
    grid.SetRowCount(3);
    for (int c = 0; c < cols; ++c) {
        grid.SetCells(c, 0, "h" + std::to_string(c));
        grid.SetCells(c, 1, std::to_string(c));
        grid.SetColWidths(c, 40 + c);
    }
}

std::vector<std::string> Row(TExtStringGrid& grid, int r)
{
    std::vector<std::string> out;
    for (int c = 0; c < grid.ColCount(); ++c) out.push_back(grid.Cells(c, r));
    return out;
}

}  // namespace

TEST(ExtGridColumnOrder, WithoutARecordedOrderPositionIsIdentityAndAtPositionRecordsOne)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 3);
    grid.ColumnOrder().Clear();
    EXPECT_EQ(grid.ColumnPosition(2), 2);
    EXPECT_EQ(grid.ColumnOrder().Count(), 0);
    EXPECT_EQ(grid.ColumnAtPosition(1), 1);
    EXPECT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(grid.SuppressColSizes().Values(), (std::vector<int>{40, 41, 42}));
}

TEST(ExtGridColumnOrder, MovesAreTrackedAndResetBringsTheRecordedOrderBack)
{
    TMovingGrid grid(nullptr);
    Fill(grid, 4);
    grid.SetColumnOrder();
    grid.MoveColumn(0, 2);
    grid.MoveColumn(3, 1);
    ASSERT_EQ(Row(grid, 1), (std::vector<std::string>{"1", "3", "2", "0"}));
    EXPECT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(grid.ColumnPosition(0), 3);
    EXPECT_EQ(grid.ColumnPosition(3), 1);
    EXPECT_EQ(grid.ColumnAtPosition(3), 0);
    EXPECT_EQ(grid.OriginalCells(3, 1), "3");
    grid.SetOriginalCells(0, 2, "first");
    EXPECT_EQ(grid.Cells(3, 2), "first");

    grid.HideColumn(2);
    grid.ResetColumnOrder();
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(grid.ColWidths(0), 40);
    EXPECT_EQ(grid.Cells(0, 2), "first");
}

TEST(ExtGridColumnOrder, ResetWithoutARecordedOrderOnlyShowsColumnsAndRecords)
{
    TMovingGrid grid(nullptr);
    Fill(grid, 3);
    grid.ColumnOrder().Clear();
    grid.MoveColumn(0, 2);
    grid.HideColumn(1);
    grid.ResetColumnOrder();
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"1", "2", "0"}));
    EXPECT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{0, 1, 2}));
}

TEST(ExtGridColumnOrder, ResetStopsOnADamagedOrderList)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 3);
    grid.ColumnOrder().Clear();
    for (int v : {0, 0, 0}) grid.ColumnOrder().Add(v);
    grid.ResetColumnOrder();  // every pass moves a column; the pass cap ends it
    std::vector<std::string> texts = Row(grid, 1);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "1", "2"}));
}

TEST(ExtGridColumnOrder, GroupedGridShiftsPositionsAtAndAfterTheGroupColumn)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 4);
    grid.SetColumnOrder();
    grid.Group(1);
    ASSERT_EQ(grid.GroupColumn(), 1);
    EXPECT_EQ(grid.ColumnPosition(0), 0);
    ASSERT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(grid.ColumnPosition(2), 1);
    EXPECT_EQ(grid.ColumnPosition(3), 2);
    EXPECT_EQ(grid.ColumnAtPosition(0), 0);
    EXPECT_EQ(grid.ColumnAtPosition(1), 2);

    grid.UnGroup();
    EXPECT_EQ(grid.ColumnOrder().Values(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(grid.ColumnPosition(2), 2);
    EXPECT_EQ(grid.ColumnAtPosition(1), 1);
}

TEST(ExtGridColumnOrder, ColumnByHeaderFindsTheLeftmostExactMatchAmongAllColumns)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 4);
    grid.SetCells(3, 0, "h1");
    struct Case {
        std::string Header;
        int Column;
    };
    for (const Case& c : {Case{"h1", 1}, Case{"h0", 0}, Case{"H0", -1}, Case{"none", -1}})
        EXPECT_EQ(grid.ColumnByHeader(c.Header), c.Column) << c.Header;

    grid.HideColumn(1);
    EXPECT_EQ(grid.ColumnByHeader("h1"), 2) << "the displayed h1 stands before the hidden storage";
    EXPECT_EQ(grid.ColumnByHeader("h2"), 1);

    // A hidden header row is still searched, through its saved texts.
    grid.UnHideColumnsAll();
    grid.HideRow(0);
    ASSERT_TRUE(grid.IsHiddenRow(0));
    EXPECT_EQ(grid.ColumnByHeader("h2"), 2);
    EXPECT_EQ(grid.ColumnByHeader("0"), -1) << "the first shown row is not the header";
}
