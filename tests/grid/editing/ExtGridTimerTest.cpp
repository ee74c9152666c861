// The string grid's timers: search-text expiry, hover selection, blinking cells and the restrained auto-scroll timer.
#include <gtest/gtest.h>

#include "grid/core/GridOptions.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class GridTimerTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(5);
        Grid->SetRowCount(30);
        Form->Show();
        Form->PaintPending();
    }
    void Tick(ui::WPARAM id = 111) { Grid->Perform(ui::WM_TIMER, id, 0); }
    rtl::TPoint CellCentre(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void RestMouseOn(int c, int r)
    {
        const rtl::TPoint p = CellCentre(c, r);
        ui::THeadlessBackend::MouseMove(Grid, p.X, p.Y);
    }
    // Whether the form has the cell's centre waiting to be repainted.
    bool PendingRepaint(int c, int r) const
    {
        const rtl::TPoint p = Grid->ClientToScreen(CellCentre(c, r));
        return Form->UpdateRegion().Contains(p.X - Form->Left(), p.Y - Form->Top());
    }
};

TEST_F(GridTimerTest, TheGridTimerRunsWithTheWindowAndOtherTimersAreNoGridTicks)
{
    EXPECT_EQ(Grid->TimerId(), 111);
    Tick();
    Tick();
    Tick(7);
    EXPECT_EQ(Grid->TimerTicks(), 2);
}

// Four ticks (two seconds) without typing drop the text; extending it starts the count again.
TEST_F(GridTimerTest, SearchTextExpiresAfterFourIdleTicks)
{
    Grid->Navigation().SetAutoGotoIncremental(true);
    Grid->SetSearchInc("ab");
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(Grid->SearchInc(), "ab");
    Grid->SetSearchInc("abc");
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(Grid->SearchInc(), "abc");
    Tick();
    EXPECT_EQ(Grid->SearchInc(), "");
    EXPECT_EQ(Grid->SearchTics(), 0);
}

TEST_F(GridTimerTest, WithoutIncrementalGotoTheSearchTextStays)
{
    Grid->SetSearchInc("ab");
    for (int i = 0; i < 6; ++i) Tick();
    EXPECT_EQ(Grid->SearchInc(), "ab");
}

TEST_F(GridTimerTest, HoveringSelectsTheNormalCellUnderTheRestingMouseOnly)
{
    Grid->SetHovering(true);
    RestMouseOn(3, 4);
    Tick();
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_TRUE(Grid->Focused());
    // Fixed cells (header row, fixed column) change nothing.
    for (rtl::TPoint fixed : {rtl::TPoint{2, 0}, rtl::TPoint{0, 6}}) {
        RestMouseOn(fixed.X, fixed.Y);
        Tick();
        EXPECT_EQ(Grid->Col(), 3);
        EXPECT_EQ(Grid->Row(), 4);
    }
    // Nor does the mouse outside the grid.
    ui::THeadlessBackend::MouseMove(Form, 450, 350);
    Tick();
    EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(GridTimerTest, WithoutHoveringTheRestingMouseSelectsNothing)
{
    RestMouseOn(3, 4);
    Tick();
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
}

// "<BLI" is looked for without regard to case, in normal cells, fixed rows and fixed columns.
TEST_F(GridTimerTest, BlinkingCellsAreRepaintedEachTickAndOthersAreNot)
{
    Grid->SetEnableBlink(true);
    Grid->SetCells(1, 1, "<blink>lower</blink>");
    Grid->SetCells(3, 0, "<BLINK>head</BLINK>");
    Grid->SetCells(0, 3, "<Blink>side</Blink>");
    Grid->SetCells(2, 2, "plain");
    Form->PaintPending();
    ASSERT_TRUE(Form->UpdateRegion().IsEmpty());
    const bool phase = Grid->GridBlink();
    Tick();
    EXPECT_NE(Grid->GridBlink(), phase);
    EXPECT_TRUE(PendingRepaint(1, 1));
    EXPECT_TRUE(PendingRepaint(3, 0));
    EXPECT_TRUE(PendingRepaint(0, 3));
    EXPECT_FALSE(PendingRepaint(2, 2));
    EXPECT_FALSE(PendingRepaint(3, 3));
}

TEST_F(GridTimerTest, WithoutEnableBlinkNothingBlinks)
{
    Grid->SetCells(1, 1, "<blink>x</blink>");
    Form->PaintPending();
    const bool phase = Grid->GridBlink();
    Tick();
    EXPECT_EQ(Grid->GridBlink(), phase);
    EXPECT_FALSE(PendingRepaint(1, 1));
}

// A hidden column is not shown, so its blink tag repaints nothing; the column shown in its
// place is still looked at.
TEST_F(GridTimerTest, BlinkingSkipsHiddenColumnsAndFollowsTheShownPosition)
{
    Grid->SetEnableBlink(true);
    Grid->SetCells(2, 5, "<blink>hidden</blink>");
    Grid->SetCells(3, 5, "<blink>shown</blink>");
    Grid->HideColumn(2);
    Form->PaintPending();
    Tick();
    EXPECT_TRUE(PendingRepaint(2, 5));  // real column 3 is shown at position 2
    EXPECT_FALSE(PendingRepaint(3, 5));
}

// The platform's auto-scroll timer: with NoAutoRangeScroll a drag selection that reaches the
// last fully shown row stops there.
TEST_F(GridTimerTest, NoAutoRangeScrollEndsADragSelectionAtTheLastFullRow)
{
    const int last = Grid->TopRow() + Grid->VisibleRowCount() - 1;
    for (bool option : {false, true}) {
        Grid->MouseActions().SetNoAutoRangeScroll(option);
        // A press elsewhere than the last one, so that it is no double click.
        const rtl::TPoint p = CellCentre(option ? 2 : 1, 2);
        ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y);
        RestMouseOn(1, last - 2);
        Tick(1);
        EXPECT_EQ(Grid->GridState(), ui::gsSelecting);
        RestMouseOn(1, last);
        Tick(1);
        EXPECT_EQ(Grid->GridState(), option ? ui::gsNormal : ui::gsSelecting) << option;
        const rtl::TPoint q = CellCentre(1, last);
        ui::THeadlessBackend::MouseUp(Grid, q.X, q.Y);
    }
}

// Dragging a selection onto the partly shown last row: with NoScrollOnPartialRow the grid
// does not scroll and the selection stops at the last full row.
TEST_F(GridTimerTest, NoScrollOnPartialRowKeepsADragSelectionFromScrolling)
{
    const int last = Grid->TopRow() + Grid->VisibleRowCount() - 1;
    const rtl::TRect lastFull = Grid->CellRect(1, last);
    ASSERT_LT(lastFull.Bottom + 3, Grid->ClientHeight());
    for (bool option : {true, false}) {
        Grid->MouseActions().SetNoScrollOnPartialRow(option);
        const rtl::TPoint p = CellCentre(option ? 1 : 2, 2);
        ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y);
        RestMouseOn(option ? 1 : 2, last);
        ui::THeadlessBackend::MouseMove(Grid, p.X, lastFull.Bottom + 3);
        Tick(1);
        if (option) {
            EXPECT_EQ(Grid->TopRow(), 1);
            EXPECT_EQ(Grid->Row(), last);
            EXPECT_EQ(Grid->Selection().Top, 2);
        } else {
            EXPECT_GT(Grid->TopRow(), 1);
            EXPECT_EQ(Grid->Row(), last + 1);
        }
        ui::THeadlessBackend::MouseUp(Grid, p.X, lastFull.Bottom + 3);
        Grid->SetTopRow(1);
    }
}

// The move itself would scroll a drag selection dragged below the grid; NoAutoRangeScroll
// ends the drag instead.
TEST_F(GridTimerTest, NoAutoRangeScrollEndsADragSelectionDraggedBelowTheGrid)
{
    for (bool option : {true, false}) {
        Grid->MouseActions().SetNoAutoRangeScroll(option);
        const rtl::TPoint p = CellCentre(option ? 1 : 2, 2);
        ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y);
        ui::THeadlessBackend::MouseMove(Grid, p.X, Grid->Height() + 20);
        EXPECT_EQ(Grid->TopRow() == 1, option) << option;
        EXPECT_EQ(Grid->GridState() == ui::gsNormal, option) << option;
        ui::THeadlessBackend::MouseUp(Grid, p.X, Grid->Height() + 20);
        Grid->SetTopRow(1);
    }
}

}  // namespace
