// Tests of the string grid's auto-numbering, sizing to content and exchange of columns and rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/ui/Keyboard.h"
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

// Columns take their widest cell, rows their tallest; a block merged across columns leaves
// its columns alone, rows never shrink and the column limits hold.
TEST_F(AutoNumberSizeSwapTest, AutoSizeCellsFitsColumnsAndGrowsRowsToTheirCells)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(4);
    const std::string wide = "a merged text far wider than any column";
    Grid->SetCells(1, 1, "short");
    Grid->SetCells(2, 1, "a medium text");
    Grid->SetCells(3, 2, wide);
    Grid->MergeCells(3, 2, 2, 1);
    Grid->SetRowHeights(3, 60);
    Grid->Canvas().Font().Assign(&Grid->Font());
    const int shortWidth = Grid->Canvas().TextWidth("short");

    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_GE(Grid->ColWidths(1), shortWidth + 4);
    EXPECT_LT(Grid->ColWidths(1), Grid->Canvas().TextWidth("a medium text"));
    EXPECT_GT(Grid->ColWidths(2), Grid->ColWidths(1));
    EXPECT_LT(Grid->ColWidths(3), Grid->Canvas().TextWidth(wide));
    EXPECT_EQ(Grid->RowHeights(3), 60);
    EXPECT_GE(Grid->RowHeights(1), Grid->Canvas().TextHeight("gh") + 2);

    Grid->SetColWidths(1, 200);
    Grid->SetSizeGrowOnly(true);
    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_EQ(Grid->ColWidths(1), 200);
    Grid->SetSizeGrowOnly(false);
    Grid->SetMaxColWidth(30);
    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_EQ(Grid->ColWidths(2), 30);
}

// The normal columns are scaled to fill the room the grid leaves beside its fixed column,
// its border and, when the rows overflow, the vertical scroll bar.
TEST_F(AutoNumberSizeSwapTest, AutoFitColumnsFillsTheGridsWidthInProportion)
{
    Grid->SetBounds(0, 0, 400, 300);
    Grid->SetColCount(5);
    Grid->SetRowCount(3);
    Grid->SetColWidths(0, 64);
    const int widths[] = {40, 80, 40, 96};
    for (int c = 1; c < 5; ++c) Grid->SetColWidths(c, widths[c - 1]);
    Grid->AutoFitColumns(false);
    // 400 less the fixed 64 and the border's 4 is 332; the widest column takes what the
    // proportional step leaves.
    std::vector<int> fitted;
    for (int c = 1; c < 5; ++c) fitted.push_back(Grid->ColWidths(c));
    EXPECT_EQ(fitted, (std::vector<int>{51, 103, 51, 127}));
    EXPECT_EQ(Grid->ColWidths(0), 64);
    Grid->AutoFitColumns(false);
    for (int c = 1; c < 5; ++c) EXPECT_EQ(Grid->ColWidths(c), fitted[static_cast<std::size_t>(c - 1)]) << c;

    Grid->SetRowCount(100);
    Grid->AutoFitColumns(true);
    int sum = 0;
    for (int c = 0; c < 5; ++c) sum += Grid->ColWidths(c);
    EXPECT_EQ(sum, 400 - 4 - ui::GetSystemMetrics(ui::SM_CXVSCROLL));
}

// Scaled with its form, the grid keeps its column widths and scales its header and fonts.
TEST_F(AutoNumberSizeSwapTest, ChangeScaleKeepsColumnWidthsAndScalesHeaderAndFonts)
{
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetColWidths(1, 77);
    Grid->SetRowHeights(0, 24);
    const int fixedHeight = Grid->FixedFont().Height();
    const int activeSize = Grid->ActiveCellFont().Size();
    Grid->ChangeScale(96, 96);
    EXPECT_EQ(Grid->FixedFont().Height(), fixedHeight);
    Grid->ChangeScale(120, 96);
    EXPECT_EQ(Grid->ColWidths(1), 77);
    EXPECT_EQ(Grid->RowHeights(0), 30);
    EXPECT_EQ(Grid->Width(), 500);
    EXPECT_EQ(Grid->FixedFont().Height(), (fixedHeight * 120 + (fixedHeight < 0 ? -48 : 48)) / 96);
    EXPECT_EQ(Grid->ActiveCellFont().Size(), (activeSize * 120 + 48) / 96);
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
