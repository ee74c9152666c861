// Tests of the string grid's block move of rows, scrolling a cell into view, column hiding by range and unsuppressing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using Texts = std::vector<std::string>;

class MoveRowsTest : public gridtest::GridOnFormTest {
protected:
    void FillRows(int Count)
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(Count);
        for (int r = 0; r < Count; ++r) {
            Grid->SetCells(1, r, "r" + std::to_string(r));
            Grid->SetCells(2, r, "h" + std::to_string(r));
        }
    }
    Texts Column(int ACol)
    {
        Texts texts;
        for (int r = 0; r < Grid->RowCount(); ++r) texts.push_back(Grid->Cells(ACol, r));
        return texts;
    }
};

TEST_F(MoveRowsTest, ABlockMovesWithItsHiddenColumnsFormatAndHeights)
{
    const Texts moved = {"r0", "r1", "r4", "r5", "r2", "r3", "r6", "r7"};
    for (int to : {6, 4}) {
        FillRows(8);
        Grid->SetRowHeights(2, 33);
        Grid->SetColors(1, 3, 0x00FF00);
        Grid->HideColumn(2);
        Grid->MoveRows(2, to, 2);
        EXPECT_EQ(Column(1), moved) << to;
        EXPECT_EQ(Grid->RowHeights(4), 33) << to;
        EXPECT_EQ(Grid->Colors(1, 5), 0x00FF00u) << to;
        EXPECT_EQ(Grid->Colors(1, 3), grid::clGridNone) << to;
        Grid->UnHideColumn(2);
        EXPECT_EQ(Grid->Cells(2, 4), "h2") << to;
        Grid->SetColors(1, 5, grid::clGridNone);
    }
    FillRows(8);
    Grid->MoveRows(6, 1, 2);
    EXPECT_EQ(Column(1), (Texts{"r0", "r6", "r7", "r1", "r2", "r3", "r4", "r5"}));
    Grid->MoveRows(3, 3, 2);
    Grid->MoveRows(3, 5, 0);
    EXPECT_EQ(Column(1), (Texts{"r0", "r6", "r7", "r1", "r2", "r3", "r4", "r5"}));
}

TEST_F(MoveRowsTest, ScrollInViewPutsTheCellWhereAskedAndLeavesVisibleCellsInPlace)
{
    FillRows(200);
    Form->Show();
    Grid->SetBounds(0, 0, 300, 200);
    const int visible = Grid->VisibleRowCount();
    ASSERT_GT(visible, 2);
    Grid->ScrollInView(1, 100, grid::TExtStringGrid::spLeading);
    EXPECT_EQ(Grid->TopRow(), 100);
    EXPECT_EQ(Grid->Row(), 100);
    Grid->ScrollInView(1, 150, grid::TExtStringGrid::spTrailing);
    EXPECT_EQ(Grid->TopRow(), 151 - visible);
    Grid->ScrollInView(1, 60, grid::TExtStringGrid::spMiddle);
    EXPECT_EQ(Grid->TopRow(), 60 - visible / 2);
    const int top = Grid->TopRow();
    Grid->ScrollInView(1, top + 1, grid::TExtStringGrid::spLeading);
    EXPECT_EQ(Grid->TopRow(), top);
    Grid->ScrollInView(1, 500, grid::TExtStringGrid::spLeading);
    EXPECT_EQ(Grid->TopRow(), top);
    EXPECT_EQ(Grid->Row(), top + 1);
}

TEST_F(MoveRowsTest, ColumnRangesHideAndShowAndSuppressedColumnsComeBack)
{
    Grid->SetColCount(6);
    for (int c = 0; c < 6; ++c) Grid->SetCells(c, 1, "c" + std::to_string(c));
    Grid->HideColumns(2, 4);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->Cells(2, 1), "c5");
    Grid->UnHideColumns(3, 4);
    EXPECT_EQ(Grid->Cells(2, 1), "c3");
    Grid->UnHideColumns(0, 5);
    EXPECT_EQ(Grid->ColCount(), 6);

    Grid->SetColWidths(3, 47);
    Grid->SuppressColumn(3);
    Grid->SuppressColumn(3);
    EXPECT_EQ(Grid->ColWidths(3), 0);
    Grid->UnSuppressAllColumns();
    EXPECT_EQ(Grid->ColWidths(3), 47);
    ASSERT_EQ(Grid->SuppressColSizes().Count(), 6);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Grid->SuppressColSizes()[c], Grid->ColWidths(c));

    Grid->IgnoreColumns().Add(4);
    EXPECT_TRUE(Grid->IsIgnoredColumn(4));
    EXPECT_FALSE(Grid->IsIgnoredColumn(3));
}

}  // namespace
