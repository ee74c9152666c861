// Moving columns and rows of the string grid with the mouse: permission events, drop arrows, drag button, the drop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/HeaderDragButton.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::arrDown;
using grid::arrLeft;
using grid::arrRight;
using grid::arrUp;

class GridColumnMovingTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(10, 20, 450, 300);
        Grid->SetColCount(6);
        Grid->SetRowCount(8);
        Grid->SetOptions(Grid->Options() | ui::goColMoving | ui::goRowMoving);
        for (int c = 0; c < 6; ++c) Grid->SetCells(c, 0, "c" + std::to_string(c));
        for (int r = 1; r < 8; ++r) Grid->SetCells(0, r, "r" + std::to_string(r));
        Form->Show();
        Form->PaintPending();
    }
    void TearDown() override
    {
        ui::Screen().SetCursor(ui::crDefault);
        GridOnFormTest::TearDown();
    }
    rtl::TPoint CellCentre(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void Press(int c, int r)
    {
        const rtl::TPoint p = CellCentre(c, r);
        ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y);
    }
    // The arrows show the drop position of the previous step, so the pointer rests a step.
    void DragOver(int c, int r)
    {
        const rtl::TPoint p = CellCentre(c, r);
        ui::THeadlessBackend::MouseMove(Grid, p.X, p.Y);
        ui::THeadlessBackend::MouseMove(Grid, p.X + 1, p.Y);
    }
    void Release(int c, int r, ui::TMouseButton button = ui::mbLeft)
    {
        const rtl::TPoint p = CellCentre(c, r);
        ui::THeadlessBackend::MouseUp(Grid, p.X, p.Y, button);
    }
    std::vector<std::string> HeaderRow() const
    {
        std::vector<std::string> out;
        for (int c = 0; c < Grid->ColCount(); ++c) out.push_back(Grid->Cells(c, 0));
        return out;
    }
    std::vector<std::string> FirstColumn() const
    {
        std::vector<std::string> out;
        for (int r = 0; r < Grid->RowCount(); ++r) out.push_back(Grid->Cells(0, r));
        return out;
    }
    bool ArrowShown(grid::TArrowDirection d) const { return Grid->ArrowWindow(d)->Visible(); }
    rtl::TPoint ArrowAt(grid::TArrowDirection d) const
    {
        const rtl::TRect b = Grid->ArrowWindow(d)->BoundsRect();
        return {b.Left, b.Top};
    }
    rtl::TPoint ScreenCorner(int c, int r, bool bottomRight) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return Grid->ClientToScreen(bottomRight ? rtl::TPoint{rc.Right, rc.Bottom} : rtl::TPoint{rc.Left, rc.Top});
    }
};

// Dragging to the right marks the right edge of the column under the pointer, dragging to the
// left its left edge; the release drops the column there and hides the arrows.
TEST_F(GridColumnMovingTest, ArrowsMarkTheDropPositionAndTheReleaseDropsTheColumn)
{
    Press(2, 0);
    EXPECT_EQ(Grid->GridState(), ui::gsColMoving);
    EXPECT_EQ(Grid->Movecell(), 2);
    DragOver(4, 0);
    ASSERT_TRUE(ArrowShown(arrUp));
    ASSERT_TRUE(ArrowShown(arrDown));
    EXPECT_FALSE(ArrowShown(arrLeft));
    const rtl::TPoint top4 = ScreenCorner(4, 0, false);
    const rtl::TPoint bottom4 = ScreenCorner(4, 0, true);
    const int after4 = top4.X + Grid->ColWidths(4);
    EXPECT_EQ(ArrowAt(arrUp), (rtl::TPoint{after4 - 5, bottom4.Y}));
    EXPECT_EQ(ArrowAt(arrDown), (rtl::TPoint{after4 - 5, top4.Y - 8}));
    EXPECT_EQ(ui::Screen().Cursor(), ui::crDrag);
    ASSERT_NE(Grid->MoveButton(), nullptr);
    EXPECT_TRUE(Grid->MoveButton()->Visible());
    EXPECT_EQ(Grid->MoveButton()->GetText(), "c2");

    DragOver(1, 0);
    EXPECT_EQ(ArrowAt(arrUp).X, ScreenCorner(1, 0, false).X - 5);

    DragOver(4, 0);
    Release(4, 0);
    EXPECT_FALSE(ArrowShown(arrUp));
    EXPECT_FALSE(ArrowShown(arrDown));
    EXPECT_FALSE(Grid->MoveButton()->Visible());
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
    EXPECT_EQ(ui::Screen().Cursor(), ui::crDefault);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c3", "c4", "c2", "c5"}));
}

TEST_F(GridColumnMovingTest, RefusingTheMoveEndsItAtTheFirstStep)
{
    std::vector<int> asked;
    Grid->OnColumnMove = [&](grid::TSender, int col, bool& allow) {
        asked.push_back(col);
        allow = false;
    };
    Press(2, 0);
    DragOver(4, 0);
    EXPECT_EQ(asked, std::vector<int>{2});
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
    EXPECT_FALSE(ArrowShown(arrUp));
    EXPECT_FALSE(Grid->MoveButton()->Visible());
    Release(4, 0);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c2", "c3", "c4", "c5"}));
}

// A refusal after accepted steps takes the drag cursor, the drag button and the arrows away.
TEST_F(GridColumnMovingTest, ARefusalLaterInTheMoveLeavesNoFeedbackBehind)
{
    int steps = 0;
    Grid->OnColumnMove = [&](grid::TSender, int, bool& allow) { allow = ++steps <= 2; };
    Press(2, 0);
    DragOver(4, 0);
    ASSERT_EQ(ui::Screen().Cursor(), ui::crDrag);
    ASSERT_TRUE(ArrowShown(arrUp));
    DragOver(3, 0);
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
    EXPECT_EQ(ui::Screen().Cursor(), ui::crDefault);
    EXPECT_FALSE(Grid->MoveButton()->Visible());
    EXPECT_FALSE(ArrowShown(arrUp));
    Release(3, 0);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c2", "c3", "c4", "c5"}));
}

// A drop position refused by OnColumnMoving shows the no-drop cursor and the release there
// moves nothing.
TEST_F(GridColumnMovingTest, RefusedDropPositionMovesNothing)
{
    std::vector<int> positions;
    Grid->OnColumnMoving = [&](grid::TSender, int col, bool& allow) {
        positions.push_back(col);
        allow = col != 4;
    };
    Press(2, 0);
    DragOver(4, 0);
    EXPECT_EQ(positions.back(), 4);
    EXPECT_EQ(ui::Screen().Cursor(), ui::crNoDrop);
    Release(4, 0);
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
    EXPECT_EQ(ui::Screen().Cursor(), ui::crDefault);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c2", "c3", "c4", "c5"}));
}

TEST_F(GridColumnMovingTest, RightButtonReleaseDuringAMoveDoesNotEndIt)
{
    Press(2, 0);
    DragOver(4, 0);
    Release(4, 0, ui::mbRight);
    EXPECT_EQ(Grid->GridState(), ui::gsColMoving);
    EXPECT_TRUE(ArrowShown(arrUp));
    Release(3, 0);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c3", "c2", "c4", "c5"}));
}

// Without the grid's own feedback the platform moves the column; no arrows show.
TEST_F(GridColumnMovingTest, WithoutEnhancedMovingThePlatformMovesTheColumn)
{
    Grid->SetEnhRowColMove(false);
    Press(2, 0);
    DragOver(4, 0);
    EXPECT_FALSE(ArrowShown(arrUp));
    EXPECT_FALSE(Grid->MoveButton()->Visible());
    Release(4, 0);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c3", "c4", "c2", "c5"}));
}

TEST_F(GridColumnMovingTest, RowMoveShowsSideArrowsAndDropsTheRow)
{
    std::vector<int> moving;
    Grid->OnRowMove = [&](grid::TSender, int row, bool&) { moving.push_back(row); };
    std::vector<std::pair<int, int>> moved;
    Grid->OnRowMoved = [&](rtl::TObject*, int from, int to) { moved.emplace_back(from, to); };
    Press(0, 2);
    EXPECT_EQ(Grid->GridState(), ui::gsRowMoving);
    DragOver(0, 5);
    ASSERT_TRUE(ArrowShown(arrLeft));
    ASSERT_TRUE(ArrowShown(arrRight));
    EXPECT_FALSE(ArrowShown(arrUp));
    const rtl::TPoint top5 = ScreenCorner(0, 5, false);
    const int below5 = top5.Y + Grid->RowHeights(5);
    EXPECT_EQ(ArrowAt(arrLeft), (rtl::TPoint{top5.X - 10, below5 - 5}));
    EXPECT_EQ(ArrowAt(arrRight), (rtl::TPoint{ScreenCorner(0, 5, true).X, below5 - 5}));
    EXPECT_EQ(Grid->MoveButton()->GetText(), "r2");
    Release(0, 5);
    EXPECT_FALSE(ArrowShown(arrLeft));
    EXPECT_EQ(moving.front(), 2);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 5}}));
    EXPECT_EQ(FirstColumn(), (std::vector<std::string>{"c0", "r1", "r3", "r4", "r5", "r2", "r6", "r7"}));
    EXPECT_TRUE(Grid->ColMoveFlg());
}

// The floating footer drawn in place of the last row is no drop target, on both paths.
TEST_F(GridColumnMovingTest, RowDroppedOnTheFloatingFooterRowStaysWhereItWas)
{
    Grid->FloatingFooter().SetFooterStyle(grid::fsFixedLastRow);
    Grid->FloatingFooter().SetVisible(true);
    const int last = Grid->RowCount() - 1;
    Grid->SetRowHeights(2, 40);
    const std::vector<std::string> before = FirstColumn();
    const int lastHeight = Grid->RowHeights(last);
    for (bool enhanced : {true, false}) {
        Grid->SetEnhRowColMove(enhanced);
        Press(0, 2);
        DragOver(0, last);
        Release(0, last);
        EXPECT_EQ(FirstColumn(), before) << enhanced;
        EXPECT_EQ(Grid->RowHeights(2), 40) << enhanced;
        EXPECT_EQ(Grid->RowHeights(last), lastHeight) << enhanced;
    }
}

// Past the grid's right edge or over the fixed columns the grid scrolls a column per move.
TEST_F(GridColumnMovingTest, MovingPastTheEdgesScrollsTheColumns)
{
    Grid->SetColCount(20);
    Press(2, 0);
    const int y = CellCentre(2, 0).Y;
    ui::THeadlessBackend::MouseMove(Grid, Grid->Width() + 5, y);
    ui::THeadlessBackend::MouseMove(Grid, Grid->Width() + 6, y);
    EXPECT_EQ(Grid->LeftCol(), 3);
    ui::THeadlessBackend::MouseMove(Grid, 3, y);
    EXPECT_EQ(Grid->LeftCol(), 2);
    Release(2, 0);
}

// A grid that follows this one with SyncGrid.MoveRow moves the same row, once.
TEST_F(GridColumnMovingTest, SynchronizedGridMovesTheSameRow)
{
    auto* other = new grid::TExtStringGrid(Form);
    other->SetParent(Form);
    other->SetBounds(10, 330, 200, 60);
    other->SetRowCount(8);
    for (int r = 1; r < 8; ++r) other->SetCells(0, r, "s" + std::to_string(r));
    Grid->SyncGrid().SetGrid(other);
    Grid->SyncGrid().SetMoveRow(true);
    other->SyncGrid().SetGrid(Grid);
    other->SyncGrid().SetMoveRow(true);
    Press(0, 2);
    DragOver(0, 4);
    Release(0, 4);
    EXPECT_EQ(Grid->Cells(0, 4), "r2");
    std::vector<std::string> col;
    for (int r = 1; r < 8; ++r) col.push_back(other->Cells(0, r));
    EXPECT_EQ(col, (std::vector<std::string>{"s1", "s3", "s4", "s2", "s5", "s6", "s7"}));
}

// Dragging a header from one column to another drops the column there.
class GridColumnMovedTest : public GridColumnMovingTest {
protected:
    // Each press lands somewhere else in its cell, so that two in a row are no double click.
    void DragColumn(int from, int to)
    {
        const rtl::TPoint p = CellCentre(from, 0);
        ui::THeadlessBackend::MouseDown(Grid, p.X + (++Presses % 2 == 0 ? 12 : -12), p.Y);
        DragOver(to, 0);
        Release(to, 0);
    }
    int Presses = 0;
};

struct SortFollowCase {
    int From;
    int To;
    int SortBefore;
    int SortAfter;
};

// The sort column follows its data; so does a column the moved one passed over, the one
// at the drop position included (2 before 5 with the sort on 5: column 5 is now at 4).
TEST_F(GridColumnMovedTest, SortColumnFollowsItsDataAcrossAMove)
{
    Grid->SetColCount(7);
    Grid->SetCells(6, 0, "c6");
    const SortFollowCase cases[] = {{2, 5, 4, 3}, {2, 5, 5, 4}, {2, 5, 2, 5}, {2, 5, 1, 1},
                                    {5, 2, 3, 4}, {5, 2, 2, 3}, {5, 2, 5, 2}, {5, 2, 6, 6}};
    for (const SortFollowCase& tc : cases) {
        Grid->SortSettings().SetColumn(tc.SortBefore);
        DragColumn(tc.From, tc.To);
        EXPECT_EQ(Grid->SortSettings().Column(), tc.SortAfter) << tc.From << "->" << tc.To << " sort " << tc.SortBefore;
        DragColumn(tc.To, tc.From);
        ASSERT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c1", "c2", "c3", "c4", "c5", "c6"}));
    }
}

TEST_F(GridColumnMovedTest, SortKeysAndTheCurrentColumnFollowTheirData)
{
    Grid->SetColCount(7);
    Grid->SortSettings().SetIndexShow(true);
    Grid->SortIndexes().LoadFromString("u4;d2;u6");
    Grid->SetCol(4);
    Grid->SetRow(3);
    DragColumn(2, 5);
    EXPECT_EQ(Grid->SortIndexes().SaveToString(), "u3;d5;u6");
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 3);
}

// A hidden row's texts move with their columns, so the row comes back in order.
TEST_F(GridColumnMovedTest, HiddenRowTextsMoveWithTheirColumns)
{
    for (int c = 1; c < 6; ++c) Grid->SetCells(c, 3, "h" + std::to_string(c));
    Grid->HideRow(3);
    DragColumn(2, 4);
    Grid->UnHideRow(3);
    std::vector<std::string> row;
    for (int c = 0; c < 6; ++c) row.push_back(Grid->Cells(c, 3));
    EXPECT_EQ(row, (std::vector<std::string>{"r3", "h1", "h3", "h4", "h2", "h5"}));
}

// A grid that follows this one with SyncGrid.MoveColumn moves the same column, once.
TEST_F(GridColumnMovedTest, SynchronizedGridMovesTheSameColumn)
{
    auto* other = new grid::TExtStringGrid(Form);
    other->SetParent(Form);
    other->SetBounds(10, 330, 200, 60);
    other->SetColCount(6);
    for (int c = 0; c < 6; ++c) other->SetCells(c, 0, "s" + std::to_string(c));
    Grid->SyncGrid().SetGrid(other);
    Grid->SyncGrid().SetMoveColumn(true);
    other->SyncGrid().SetGrid(Grid);
    other->SyncGrid().SetMoveColumn(true);
    DragColumn(1, 3);
    std::vector<std::string> row;
    for (int c = 0; c < 6; ++c) row.push_back(other->Cells(c, 0));
    EXPECT_EQ(row, (std::vector<std::string>{"s0", "s2", "s3", "s1", "s4", "s5"}));
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"c0", "c2", "c3", "c1", "c4", "c5"}));
}

}  // namespace
