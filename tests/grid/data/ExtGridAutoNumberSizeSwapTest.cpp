// Tests of the string grid's auto-numbering, sizing to content and exchange of columns and rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using Texts = std::vector<std::string>;

class AutoNumberSizeSwapTest : public gridtest::GridInAppTest {
protected:
    Texts Column(int ACol)
    {
        Texts texts;
        for (int r = 0; r < Grid->RowCount(); ++r) texts.push_back(Grid->Cells(ACol, r));
        return texts;
    }
};

TEST_F(AutoNumberSizeSwapTest, NumbersRunFromTheStartInEitherDirectionAndSkipFooters)
{
    struct Case {
        int Start, Offset;
        grid::TSortDirection Direction;
        int Footers;
        Texts Expected;
    };
    const Case cases[] = {
        {0, 0, grid::sdAscending, 0, {"", "1", "2", "3", "4", "5"}},
        {0, 0, grid::sdDescending, 0, {"", "5", "4", "3", "2", "1"}},
        {2, 0, grid::sdAscending, 0, {"", "", "", "3", "4", "5"}},
        {2, 0, grid::sdDescending, 0, {"", "5", "4", "3", "", ""}},
        {0, 10, grid::sdAscending, 1, {"", "11", "12", "13", "14", ""}},
    };
    for (const Case& c : cases) {
        Grid->SetRowCount(6);
        Grid->ClearAll();
        Grid->SetFixedFooters(c.Footers);
        Grid->SetAutoNumberStart(c.Start);
        Grid->SetAutoNumberOffset(c.Offset);
        Grid->SetAutoNumberDirection(c.Direction);
        Grid->AutoNumberCol(1);
        EXPECT_EQ(Column(1), c.Expected) << c.Start << " " << c.Direction;
    }
    Grid->SetFixedFooters(0);
    Grid->SetAutoNumberStart(0);
    Grid->SetAutoNumberOffset(0);
    Grid->SetAutoNumberDirection(grid::sdAscending);
    Grid->SetColCount(4);
    Grid->AutoNumberRow(0);
    EXPECT_EQ(Grid->Cells(1, 0) + Grid->Cells(2, 0) + Grid->Cells(3, 0), "123");
}

TEST_F(AutoNumberSizeSwapTest, AutoSizeFitsTheWidestTextAndGrowOnlyNeverNarrows)
{
    Grid->SetCells(1, 1, "a rather long text in this cell");
    Grid->AutoSizeCol(1);
    const int fitted = Grid->ColWidths(1);
    EXPECT_GT(fitted, 120);

    Grid->SetCells(1, 1, "short");
    Grid->AutoGrowCol(1);
    EXPECT_EQ(Grid->ColWidths(1), fitted);
    Grid->AutoSizeCol(1);
    EXPECT_LT(Grid->ColWidths(1), fitted);
    const int narrow = Grid->ColWidths(1);
    Grid->AutoSizeCol(1, 7);
    EXPECT_EQ(Grid->ColWidths(1), narrow + 7);

    Grid->SetMaxColWidth(30);
    Grid->SetMinColWidth(30);  // equal limits limit nothing
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), narrow);
    Grid->SetMinColWidth(200);
    Grid->SetMaxColWidth(0);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), 200);

    Grid->SetCells(2, 2, "one\r\ntwo\r\nthree");
    Grid->AutoSizeRow(2);
    const int threeLines = Grid->RowHeights(2);
    Grid->SetCells(2, 2, "one");
    Grid->AutoSizeRow(2);
    EXPECT_LT(Grid->RowHeights(2), threeLines);
}

// Hidden columns keep their cells after ColCount; a row swap carries them too.
TEST_F(AutoNumberSizeSwapTest, SwapRowsCarriesHiddenColumnsAndSwapColumnsTheSortColumn)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) Grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
    Grid->SetRowHeights(1, 30);
    Grid->HideColumn(2);
    Grid->SwapRows(1, 3);
    EXPECT_EQ(Grid->RowHeights(3), 30);
    Grid->UnHideColumn(2);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(Grid->Cells(c, 1), std::to_string(c) + ":3");
        EXPECT_EQ(Grid->Cells(c, 3), std::to_string(c) + ":1");
    }

    Grid->SortSettings().SetColumn(1);
    Grid->SetColWidths(1, 41);
    Grid->SwapColumns(1, 3);
    EXPECT_EQ(Grid->SortSettings().Column(), 3);
    EXPECT_EQ(Grid->ColWidths(3), 41);
    EXPECT_EQ(Grid->Cells(3, 2), "1:2");
    EXPECT_EQ(Grid->Cells(1, 2), "3:2");
}

}  // namespace
