// Scroll bar cells and balloon cells of the string grid: their records, the automatic range and the balloon hosts.
#include <gtest/gtest.h>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::TExtStringGrid;

class ScrollBarCellsTest : public gridtest::GridInAppTest {};

// Height of n lines of text in the grid's font.
int LinesHeight(TExtStringGrid& grid, int n)
{
    gfx::TCanvas measure;
    measure.Font().Assign(&grid.Font());
    return n * measure.TextHeight("Xg");
}

TEST_F(ScrollBarCellsTest, AnAutoRangeBarTakesTheRowHeightAsPageAndTheTextHeightAsRange)
{
    Grid->SetColWidths(2, 200);
    Grid->SetRowHeights(3, 40);
    Grid->SetCells(2, 3, "one\ntwo\nthree\nfour\nfive");
    Grid->AddScrollBar(2, 3, true);
    ASSERT_TRUE(Grid->HasAutoRangeScrollBar(2, 3));
    TExtStringGrid::TScrollProp p = Grid->GetScrollProp(2, 3);
    EXPECT_EQ(p.PageSize, 40);
    EXPECT_EQ(p.Range, LinesHeight(*Grid, 5));
    // A new text gives a new range.
    Grid->SetCells(2, 3, "one\ntwo");
    EXPECT_EQ(Grid->GetScrollProp(2, 3).Range, LinesHeight(*Grid, 2));
    // Without the automatic range the bar keeps the range it was given.
    Grid->AddScrollBar(1, 1, false);
    Grid->SetCells(1, 1, "a\nb\nc");
    EXPECT_EQ(Grid->GetScrollProp(1, 1).PageSize, 0);
    EXPECT_EQ(Grid->GetScrollProp(1, 1).Range, 100);
    EXPECT_FALSE(Grid->HasAutoRangeScrollBar(1, 1));
}

TEST_F(ScrollBarCellsTest, PositionAndPropertiesAnswerForTheBaseCellAndMinusOneElsewhere)
{
    EXPECT_EQ(Grid->GetScrollPosition(1, 1), -1);
    EXPECT_EQ(Grid->GetScrollProp(1, 1).PageSize, -1);
    EXPECT_EQ(Grid->GetScrollProp(1, 1).Range, -1);
    Grid->SetScrollPosition(1, 1, 5);  // not a scroll bar cell: nothing happens
    EXPECT_EQ(Grid->GetScrollPosition(1, 1), -1);

    Grid->AddScrollBar(1, 1, false);
    Grid->MergeCells(1, 1, 2, 2);
    Grid->SetScrollPosition(2, 2, 30);
    Grid->SetScrollProp(2, 1, {10, 250});
    EXPECT_TRUE(Grid->HasScrollBar(2, 2));
    EXPECT_EQ(Grid->GetScrollPosition(1, 1), 30);
    EXPECT_EQ(Grid->GetScrollProp(1, 2).PageSize, 10);
    EXPECT_EQ(Grid->GetScrollProp(1, 2).Range, 250);

    Grid->RemoveScrollBar(1, 1);
    EXPECT_FALSE(Grid->HasScrollBar(1, 1));
    EXPECT_EQ(Grid->GetScrollPosition(1, 1), -1);
}

TEST_F(ScrollBarCellsTest, ABalloonOnACheckBoxKeepsTheCheckBoxAndRemovingItLeavesAPlainCheckBox)
{
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddBalloon(1, 1, "Irrigated", "Field is irrigated", TExtStringGrid::biInfo);
    std::string title, text;
    TExtStringGrid::TBalloonIcon icon = TExtStringGrid::biNone;
    EXPECT_TRUE(Grid->HasCheckBox(1, 1));
    EXPECT_TRUE(Grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_FALSE(Grid->HasBalloon(1, 1));
    EXPECT_EQ(title, "Irrigated");
    EXPECT_EQ(text, "Field is irrigated");
    EXPECT_EQ(icon, TExtStringGrid::biInfo);

    Grid->RemoveBalloon(1, 1);
    EXPECT_TRUE(Grid->HasCheckBox(1, 1));
    EXPECT_FALSE(Grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellBitmap(), nullptr);
}

TEST_F(ScrollBarCellsTest, AStandAloneBalloonIsItsOwnCellGraphicAndOtherKindsTakeNone)
{
    Grid->AddBalloon(2, 2, "T", "X", TExtStringGrid::biError);
    EXPECT_TRUE(Grid->HasBalloon(2, 2));
    Grid->RemoveBalloon(2, 2);
    EXPECT_FALSE(Grid->HasBalloon(2, 2));
    EXPECT_EQ(Grid->GetCellGraphic(2, 2), nullptr);

    // A scroll bar cell hosts no balloon.
    Grid->AddScrollBar(3, 3, false);
    Grid->AddBalloon(3, 3, "T", "X", TExtStringGrid::biInfo);
    std::string title, text;
    TExtStringGrid::TBalloonIcon icon = TExtStringGrid::biNone;
    EXPECT_FALSE(Grid->IsBalloon(3, 3, title, text, icon));
    EXPECT_TRUE(Grid->HasScrollBar(3, 3));
    EXPECT_EQ(Grid->GetCellGraphic(3, 3)->CellBitmap(), nullptr);
}

}  // namespace
