// The string grid's wheel and middle-button panning, driven by real wheel, button and timer messages.
#include <gtest/gtest.h>

#include "grid/core/GridOptions.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/GridOnFormTest.h"

using grid::TExtStringGrid;

namespace {

constexpr int Notch = 120;

class ExtGridWheelTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        ui::SetMonotonicClock(&Clock);
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(12);
        Grid->SetRowCount(30);
        Form->Show();
        App->ProcessMessages();
        Grid->SetFocus();
    }
    void TearDown() override
    {
        GridGoesAway();
        ui::SetMonotonicClock(nullptr);
    }
    void GridGoesAway() { GridOnFormTest::TearDown(); }
    void Wheel(int delta) { ui::THeadlessBackend::Wheel(Grid, delta, 100, 100); }
    int LastTop() const { return Grid->RowCount() - Grid->VisibleRowCount(); }
    // Lets the clock run for the given time in 10 ms steps, dispatching the timers due.
    void Run(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            Clock.Advance(10);
            App->ProcessMessages();
        }
    }
    int Cursor() const { return Grid->Cursor(); }

    ui::TManualClock Clock;
};

TEST_F(ExtGridWheelTest, TheSystemSettingGivesThreeLinesPerNotch)
{
    EXPECT_EQ(Grid->WheelScrollLines(), 3);
}

// Moving the current row: by the system's lines or the set increment, within the normal
// rows above the footers, whatever the number of notches that arrive.
TEST_F(ExtGridWheelTest, WheelMovesTheCurrentRowByTheIncrementAndStopsAtBothEnds)
{
    struct Case {
        int increment;
        int footers;
        int startRow;
        int delta;
        int expectedRow;
    };
    const Case cases[] = {
        {0, 0, 1, -Notch, 4},    // towards the user: down three rows
        {0, 0, 10, Notch, 7},    // away from the user: up three rows
        {5, 0, 1, -Notch, 6},    // the set increment wins over the system's
        {0, 0, 28, -Notch, 29},  // never past the last row
        {0, 0, 29, -Notch, 29},
        {0, 0, 2, Notch, 1},     // never into the fixed row
        {0, 1, 27, -Notch, 28},  // nor into a footer row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "increment " << c.increment << " from row " << c.startRow << " delta " << c.delta);
        Grid->MouseActions().SetWheelIncrement(c.increment);
        Grid->SetFixedFooters(c.footers);
        Grid->SetRow(c.startRow);
        Wheel(c.delta);
        EXPECT_EQ(Grid->Row(), c.expectedRow);
        Grid->SetFixedFooters(0);
    }
}

// Rows that filtering suppressed (kept with height 0) are passed over in the wheel's direction.
TEST_F(ExtGridWheelTest, WheelPassesOverSuppressedRows)
{
    Grid->SuppressRows(4, 5);
    Grid->SetRow(1);
    Wheel(-Notch);
    EXPECT_EQ(Grid->Row(), 6);
    Grid->SetRow(8);
    Wheel(Notch);
    EXPECT_EQ(Grid->Row(), 3);
}

// Scrolling: the top row moves by the increment and the current row stays.
TEST_F(ExtGridWheelTest, WheelScrollsTheViewWithoutMovingTheCurrentRowAndStopsAtBothEnds)
{
    Grid->MouseActions().SetWheelAction(grid::waScroll);
    Grid->SetRow(2);
    struct Case {
        int startTop;
        int delta;
        int expectedTop;
    };
    const Case cases[] = {
        {1, -Notch, 4},
        {5, Notch, 2},
        {2, Notch, 1},  // only as far as the first normal row
        {1, Notch, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "top " << c.startTop << " delta " << c.delta);
        Grid->SetTopRow(c.startTop);
        Wheel(c.delta);
        EXPECT_EQ(Grid->TopRow(), c.expectedTop);
        EXPECT_EQ(Grid->Row(), 2);
    }
    // Towards the end the view stops at the last full page.
    Grid->SetTopRow(LastTop() - 1);
    Wheel(-Notch);
    EXPECT_EQ(Grid->TopRow(), LastTop());
    Wheel(-Notch);
    EXPECT_EQ(Grid->TopRow(), LastTop());
}

TEST_F(ExtGridWheelTest, AnAnsweredWheelEventLeavesTheGridAlone)
{
    int downs = 0;
    Grid->OnMouseWheelDown = [&](rtl::TObject*, ui::TShiftState, rtl::TPoint, bool& handled) {
        ++downs;
        handled = true;
    };
    Grid->SetRow(3);
    Wheel(-Notch);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(ExtGridWheelTest, CtrlWheelZoomsByTheLinesPerNotchAndReportsTheFactor)
{
    const int width = Grid->ColWidths(1);
    const int height = Grid->RowHeights(1);
    int reported = 0;
    Grid->OnIntelliZoom = [&](rtl::TObject*, int factor) { reported = factor; };
    Grid->SetRow(5);
    ui::THeadlessBackend::KeyDown(ui::VK_CONTROL);
    Wheel(Notch);
    EXPECT_EQ(Grid->ZoomFactor(), 3);
    EXPECT_EQ(reported, 3);
    EXPECT_EQ(Grid->ColWidths(1), width + 3);
    EXPECT_EQ(Grid->RowHeights(1), height + 3);
    Wheel(-Notch);
    Wheel(-Notch);
    EXPECT_EQ(Grid->ZoomFactor(), -3);
    EXPECT_EQ(Grid->ColWidths(1), width - 3);
    EXPECT_EQ(Grid->Row(), 5);  // zooming moves no row
    ui::THeadlessBackend::KeyUp(ui::VK_CONTROL);
    // Without IntelliZoom Ctrl+wheel is an ordinary wheel step.
    Grid->SetIntelliZoom(false);
    ui::THeadlessBackend::KeyDown(ui::VK_CONTROL);
    Wheel(-Notch);
    ui::THeadlessBackend::KeyUp(ui::VK_CONTROL);
    EXPECT_EQ(Grid->ZoomFactor(), -3);
    EXPECT_EQ(Grid->Row(), 8);
}

TEST_F(ExtGridWheelTest, WithWheelActiveOnMouseOverAWheelOutsideTheGridDoesNothing)
{
    Grid->MouseActions().SetWheelActive(grid::waMouseOver);
    Grid->SetRow(2);
    ui::THeadlessBackend::Wheel(Form, -Notch, 460, 350);  // on the form, beside the grid
    EXPECT_EQ(Grid->Row(), 2);
    Wheel(-Notch);
    EXPECT_EQ(Grid->Row(), 5);
}

// --- middle-button panning on the replaceable clock

TEST_F(ExtGridWheelTest, PanningMovesTheCurrentRowTowardsThePointerEveryTenMilliseconds)
{
    Grid->SetRow(5);
    Grid->SetCol(3);
    ui::THeadlessBackend::MouseDown(Grid, 200, 100, ui::mbMiddle);
    ui::THeadlessBackend::MouseUp(Grid, 200, 100, ui::mbMiddle);
    ASSERT_TRUE(Grid->Panning());
    EXPECT_EQ(Cursor(), TExtStringGrid::crPanNeutral);
    // Within the dead zone of 5 pixels nothing moves.
    ui::THeadlessBackend::MouseMove(Grid, 205, 95);
    Run(30);
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(Cursor(), TExtStringGrid::crPanNeutral);
    // Below it: one row per tick, and the vertical-only default ignores the sideways part.
    ui::THeadlessBackend::MouseMove(Grid, 260, 140);
    Run(30);
    EXPECT_EQ(Grid->Row(), 8);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Cursor(), TExtStringGrid::crPanDown);
    Run(400);  // stops at the last row
    EXPECT_EQ(Grid->Row(), 29);
    // A second middle click ends panning; the timer stops moving anything.
    ui::THeadlessBackend::MouseDown(Grid, 260, 140, ui::mbMiddle);
    ui::THeadlessBackend::MouseUp(Grid, 260, 140, ui::mbMiddle);
    EXPECT_FALSE(Grid->Panning());
    EXPECT_NE(Cursor(), TExtStringGrid::crPanDown);
    ui::THeadlessBackend::MouseMove(Grid, 200, 20);
    Run(100);
    EXPECT_EQ(Grid->Row(), 29);
}

TEST_F(ExtGridWheelTest, PanningInBothDirectionsScrollsTheViewAndAKeyEndsIt)
{
    Grid->SetIntelliPan(grid::ipBoth);
    Grid->MouseActions().SetWheelAction(grid::waScroll);
    Grid->SetTopRow(10);
    Grid->SetLeftCol(3);
    const int row = Grid->Row();
    ui::THeadlessBackend::MouseDown(Grid, 200, 100, ui::mbMiddle);
    ui::THeadlessBackend::MouseUp(Grid, 200, 100, ui::mbMiddle);
    ui::THeadlessBackend::MouseMove(Grid, 150, 60);  // up and to the left
    Run(20);
    EXPECT_EQ(Grid->TopRow(), 8);
    EXPECT_EQ(Grid->LeftCol(), 1);
    EXPECT_EQ(Cursor(), TExtStringGrid::crPanUpLeft);
    Run(100);  // held at the first normal row and column
    EXPECT_EQ(Grid->TopRow(), 1);
    EXPECT_EQ(Grid->LeftCol(), 1);
    EXPECT_EQ(Grid->Row(), row);
    ui::THeadlessBackend::PressKey(ui::VK_SHIFT);
    EXPECT_FALSE(Grid->Panning());
}

TEST_F(ExtGridWheelTest, WithIntelliPanOffTheMiddleButtonStartsNoPanning)
{
    Grid->SetIntelliPan(grid::ipNone);
    ui::THeadlessBackend::MouseDown(Grid, 200, 100, ui::mbMiddle);
    ui::THeadlessBackend::MouseUp(Grid, 200, 100, ui::mbMiddle);
    EXPECT_FALSE(Grid->Panning());
    EXPECT_EQ(Cursor(), ui::crDefault);
}

}  // namespace
