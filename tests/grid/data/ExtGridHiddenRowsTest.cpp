// Tests of the string grid's hidden rows: the store, showing rows at their places, filter levels and row mapping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/data/ExtGridHiddenRows.h"

using namespace grid;

namespace {

std::string Text(int row, int col) { return "r" + std::to_string(row) + "c" + std::to_string(col); }

// Rows named by their real index; row r is 20 + r pixels high.
void Fill(TExtStringGrid& grid, int cols, int rows)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        grid.SetRowHeights(r, 20 + r);
        for (int c = 0; c < cols; ++c) grid.SetCells(c, r, Text(r, c));
    }
}

// The real rows the grid displays, read from column 0.
std::vector<std::string> Column0(TExtStringGrid& grid)
{
    std::vector<std::string> out;
    for (int r = 0; r < grid.RowCount(); ++r) out.push_back(grid.GetGridCell(0, r));
    return out;
}

std::vector<std::string> Names(std::initializer_list<int> rows)
{
    std::vector<std::string> out;
    for (int r : rows) out.push_back(Text(r, 0));
    return out;
}

std::vector<int> StoreOrder(TExtStringGrid& grid)
{
    std::vector<int> out;
    for (int i = 0; i < grid.GridItemCount(); ++i) out.push_back(grid.GridItems(i).Idx());
    return out;
}

void ExpectIntact(TExtStringGrid& grid, int cols, int rows)
{
    ASSERT_EQ(grid.RowCount(), rows);
    for (int r = 0; r < rows; ++r) {
        EXPECT_EQ(grid.RowHeights(r), 20 + r) << "row " << r;
        for (int c = 0; c < cols; ++c) EXPECT_EQ(grid.GetGridCell(c, r), Text(r, c)) << c << "," << r;
    }
}

}  // namespace

TEST(ExtGridHiddenRows, HidingARangeMovesItsRowsIntoTheStoreAndShowingPutsThemBackExactly)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 3, 10);
    TCellProperties* props = grid.GetCellProperties(1, 4);
    props->SetBrushColor(0x123456);

    grid.HideRows(3, 5);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.TotalRowCount(), 10);
    EXPECT_EQ(grid.NumHiddenRows(), 3);
    EXPECT_EQ(Column0(grid), Names({0, 1, 2, 6, 7, 8, 9}));
    EXPECT_EQ(grid.RowHeights(3), 26);
    EXPECT_TRUE(grid.IsHiddenRow(4));
    EXPECT_FALSE(grid.IsHiddenRow(6));
    EXPECT_EQ(grid.GetCellPropsDirect(1, 4), nullptr);
    EXPECT_EQ(grid.GridItems(1).Items().Get(1), Text(4, 1));
    EXPECT_EQ(grid.GridItems(1).Height(), 24);

    grid.UnHideRows(3, 5);
    ExpectIntact(grid, 3, 10);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(grid.GetCellPropsDirect(1, 4), props);
    EXPECT_EQ(props->BrushColor(), 0x123456);
}

TEST(ExtGridHiddenRows, HidingARangeAroundAHiddenRowKeepsEachRowsOwnTextsInOrder)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 2, 10);
    grid.HideRow(4);
    grid.HideRows(3, 5);
    EXPECT_EQ(StoreOrder(grid), (std::vector<int>{3, 4, 5}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(grid.GridItems(i).Items().Get(0), Text(3 + i, 0));
    EXPECT_EQ(Column0(grid), Names({0, 1, 2, 6, 7, 8, 9}));
    grid.HideRows(3, 5);  // all hidden already: nothing changes
    EXPECT_EQ(grid.RowCount(), 7);
    grid.UnHideRowsAll();
    ExpectIntact(grid, 2, 10);
}

TEST(ExtGridHiddenRows, ShowingARangeRestoresItsHiddenRowsAroundDisplayedOnes)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 2, 10);
    grid.HideRow(4);
    grid.HideRow(6);
    EXPECT_EQ(Column0(grid), Names({0, 1, 2, 3, 5, 7, 8, 9}));

    grid.UnHideRows(5, 6);  // first row displayed: nothing is shown
    EXPECT_EQ(grid.NumHiddenRows(), 2);

    grid.UnHideRows(4, 6);
    ExpectIntact(grid, 2, 10);
}

TEST(ExtGridHiddenRows, MappingSkipsHiddenRowsAndIsIdentityWithoutThem)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 1, 10);
    for (int v : {-3, -1, 0, 5, 9, 10, 25}) {
        EXPECT_EQ(grid.RemapRowDisplToReal(v), v);
        EXPECT_EQ(grid.RemapRowRealToDispl(v), v);
        EXPECT_EQ(grid.RealRowIndex(v), v);
    }
    grid.HideRows(2, 3);
    struct Case {
        int Displayed, Real;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{2, 4}, Case{7, 9}, Case{8, 10}, Case{-2, -1}})
        EXPECT_EQ(grid.RemapRowDisplToReal(c.Displayed), c.Real) << c.Displayed;
    for (Case c : {Case{1, 1}, Case{2, 2}, Case{2, 3}, Case{2, 4}, Case{7, 9}})
        EXPECT_EQ(grid.RemapRowRealToDispl(c.Real), c.Displayed) << c.Real;

    std::vector<int> lookup;
    EXPECT_TRUE(grid.IsHiddenRow(3, lookup));
    EXPECT_EQ(lookup, (std::vector<int>{2, 3}));
    EXPECT_FALSE(grid.IsHiddenRow(4, lookup));
}

TEST(ExtGridHiddenRows, HiddenColumnCellsComeBackWithTheirRow)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 4, 6);
    grid.HideColumn(2);
    grid.HideRows(1, 2);
    EXPECT_EQ(grid.GridItems(0).Items().Count(), 4);
    EXPECT_EQ(grid.GridItems(0).Items().Get(2), Text(1, 2));
    grid.UnHideColumn(2);  // the record keeps real column order whatever is hidden
    grid.UnHideRows(1, 2);
    ExpectIntact(grid, 4, 6);
}

TEST(ExtGridHiddenRows, AFilterLevelHidesListedRowsAndUndoingItRestoresTheOrder)
{
    struct Case {
        int Rows;
        int Step;  // every Step-th row from row 1 is listed
    };
    // Few rows listed move row by row; many are moved up in one pass.
    for (Case tc : {Case{12, 5}, Case{3000, 2}}) {
        TExtStringGrid grid(nullptr);
        Fill(grid, 3, tc.Rows);
        TIntList list(-1, -1);
        for (int r = 1; r < tc.Rows; r += tc.Step) list.Add(r);
        grid.HideRowList(list);
        EXPECT_EQ(grid.FilterLevel(), 1);
        EXPECT_EQ(grid.RowCount(), tc.Rows - list.Count());
        int expected = 0;
        for (int r = 0; r < grid.RowCount(); ++r, ++expected) {
            if (list.HasValue(expected)) ++expected;
            ASSERT_EQ(grid.GetGridCell(1, r), Text(expected, 1)) << tc.Rows << " row " << r;
            ASSERT_EQ(grid.RowHeights(r), 20 + expected);
        }
        for (int r = grid.RowCount(); r < tc.Rows; ++r) EXPECT_EQ(grid.GetGridCell(0, r), "") << r;
        grid.UnHideRowList();
        ExpectIntact(grid, 3, tc.Rows);
        EXPECT_EQ(grid.NumHiddenRows(), 0);
    }
}

TEST(ExtGridHiddenRows, AFilterListNamingEveryRowKeepsTheFirstListedRow)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 1, 4);
    TIntList list(-1, -1);
    for (int r = 0; r < 4; ++r) list.Add(r);
    grid.HideRowList(list);
    EXPECT_EQ(Column0(grid), Names({0}));
}

TEST(ExtGridHiddenRows, UndoingAFilterLevelKeepsRowsHiddenByOtherMeans)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 1, 10);
    grid.HideRows(8, 9);
    TIntList list(-1, -1);
    list.Add(2);
    list.Add(3);
    grid.HideRowList(list);
    grid.UnHideRowList();
    EXPECT_EQ(StoreOrder(grid), (std::vector<int>{8, 9}));
    EXPECT_EQ(Column0(grid), Names({0, 1, 2, 3, 4, 5, 6, 7}));
    grid.UnHideRows(8, 9);
    ExpectIntact(grid, 1, 10);
}

TEST(ExtGridHiddenRows, RestoringAllBringsBackEveryLevelAtItsPlace)
{
    TExtStringGrid grid(nullptr);
    Fill(grid, 2, 12);
    grid.HideRows(1, 1);
    grid.HideRows(5, 6);
    grid.HideRow(11);
    grid.RestoreAllHiddenRows();
    ExpectIntact(grid, 2, 12);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
}
