// The string grid's mouse move, enter and leave: hover row on real pixels, the hot-item cursor over links, auto focus.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "grid/core/GridOptions.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class GridMouseMoveTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(5);
        Grid->SetRowCount(12);
        Form->Show();
        Form->PaintPending();
    }
    rtl::TPoint CellCentre(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void MoveOver(int c, int r)
    {
        const rtl::TPoint p = CellCentre(c, r);
        ui::THeadlessBackend::MouseMove(Grid, p.X, p.Y);
        Form->PaintPending();
    }
    // Leaves the grid for a free part of the form.
    void LeaveGrid()
    {
        ui::THeadlessBackend::MouseMove(Form, 460, 350);
        Form->PaintPending();
    }
    gfx::TColor CentrePixel(int c, int r) const
    {
        const rtl::TPoint p = CellCentre(c, r);
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, p.X, p.Y)) & 0xFFFFFF;
    }
};

// The hover colour follows the pointer from row to row and goes when the pointer leaves.
TEST_F(GridMouseMoveTest, HoverRowFollowsThePointerAndLeavesWithIt)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(gfx::clRed);
    const gfx::TColor plain = CentrePixel(2, 3);
    ASSERT_NE(plain, gfx::clRed);

    MoveOver(2, 3);
    EXPECT_EQ(Grid->HoverRowIdx(), 3);
    EXPECT_EQ(CentrePixel(2, 3), gfx::clRed);
    EXPECT_EQ(CentrePixel(4, 3), gfx::clRed);

    MoveOver(3, 5);
    EXPECT_EQ(Grid->HoverRowIdx(), 5);
    EXPECT_EQ(CentrePixel(2, 5), gfx::clRed);
    EXPECT_EQ(CentrePixel(2, 3), plain);

    LeaveGrid();
    EXPECT_EQ(Grid->HoverRowIdx(), -1);
    EXPECT_EQ(CentrePixel(2, 5), plain);
}

TEST_F(GridMouseMoveTest, WithoutHoverRowThePointerMarksNoRow)
{
    Grid->SetHoverRowColor(gfx::clRed);
    MoveOver(2, 3);
    EXPECT_EQ(Grid->HoverRowIdx(), -1);
    EXPECT_NE(CentrePixel(2, 3), gfx::clRed);
}

// Over a URL text shown as a link the hot-item (hand) cursor shows; elsewhere, and after
// leaving the grid, the grid's own cursor is back.
TEST_F(GridMouseMoveTest, HotItemCursorShowsOverLinksOnly)
{
    Grid->SetURLShow(true);
    Grid->SetCursor(ui::crCross);
    Grid->SetCells(1, 2, "https://example.org");
    Grid->SetCells(2, 2, "no link here");
    Grid->SetCells(3, 2, "<b>https://example.org</b>");

    MoveOver(1, 2);
    EXPECT_EQ(Grid->Cursor(), ui::crHandPoint);
    EXPECT_EQ(grid::HotItemCursor(), ui::crHandPoint);
    MoveOver(2, 2);
    EXPECT_EQ(Grid->Cursor(), ui::crCross);
    MoveOver(3, 2);  // an HTML text without anchor is no link
    EXPECT_EQ(Grid->Cursor(), ui::crCross);
    MoveOver(1, 2);
    LeaveGrid();
    EXPECT_EQ(Grid->Cursor(), ui::crCross);

    Grid->SetURLShow(false);
    MoveOver(1, 2);
    EXPECT_EQ(Grid->Cursor(), ui::crCross);
}

TEST_F(GridMouseMoveTest, AutoFocusTakesTheFocusWhenThePointerEnters)
{
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(420, 20, 60, 20);
    other->SetFocus();
    MoveOver(2, 2);
    EXPECT_FALSE(Grid->Focused());
    LeaveGrid();
    Grid->MouseActions().SetAutoFocus(true);
    MoveOver(2, 2);
    EXPECT_TRUE(Grid->Focused());
}

// Sizing column 2 pressed 2 pixels left of its right edge reports the width under the
// pointer with those 2 pixels kept: X - column left + 2.
TEST_F(GridMouseMoveTest, SizingEventsReportTheSizeUnderThePointer)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing | ui::goRowSizing);
    std::vector<std::pair<int, int>> cols;
    std::vector<std::pair<int, int>> rows;
    Grid->OnColumnSizing = [&](grid::TSender, int c, int size) { cols.emplace_back(c, size); };
    Grid->OnRowSizing = [&](grid::TSender, int r, int size) { rows.emplace_back(r, size); };
    const rtl::TRect col2 = Grid->CellRect(2, 0);
    const int y = (col2.Top + col2.Bottom) / 2;
    ui::THeadlessBackend::MouseDown(Grid, col2.Right - 2, y);
    ASSERT_EQ(Grid->GridState(), ui::gsColSizing);
    ui::THeadlessBackend::MouseMove(Grid, col2.Right + 20, y);
    ui::THeadlessBackend::MouseUp(Grid, col2.Right + 20, y);
    EXPECT_EQ(cols, (std::vector<std::pair<int, int>>{{2, col2.Right + 20 - col2.Left + 2}}));
    EXPECT_EQ(Grid->ColWidths(2), col2.Right + 20 - col2.Left + 2);

    const rtl::TRect row3 = Grid->CellRect(0, 3);
    const int x = (row3.Left + row3.Right) / 2;
    ui::THeadlessBackend::MouseDown(Grid, x, row3.Bottom - 1);
    ASSERT_EQ(Grid->GridState(), ui::gsRowSizing);
    ui::THeadlessBackend::MouseMove(Grid, x, row3.Bottom + 9);
    ui::THeadlessBackend::MouseUp(Grid, x, row3.Bottom + 9);
    EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{3, row3.Bottom + 9 - row3.Top + 1}}));
    EXPECT_EQ(cols.size(), 1u);  // row sizing reports no column size
}

// Entering an anchor of an HTML text fires OnAnchorEnter with its reference and shows the
// hot-item cursor; leaving it fires OnAnchorExit with an empty anchor.
TEST_F(GridMouseMoveTest, AnchorsAreEnteredAndLeftWithTheHotItemCursor)
{
    Grid->SetColWidths(2, 150);
    Grid->SetCells(2, 3, "<a href=\"ref1\">anchor</a>");
    Grid->SetCells(2, 4, "<a href=\"ref2\">other</a>");
    std::vector<std::string> log;
    Grid->OnAnchorEnter = [&](grid::TSender, int r, int c, const std::string& a) {
        log.push_back("enter " + std::to_string(c) + "," + std::to_string(r) + " " + a);
    };
    Grid->OnAnchorExit = [&](grid::TSender, int, int, const std::string& a) { log.push_back("exit '" + a + "'"); };
    auto overText = [&](int c, int r) {
        const rtl::TRect rc = Grid->CellRect(c, r);
        ui::THeadlessBackend::MouseMove(Grid, rc.Left + 10, rc.Top + 10);
    };
    overText(2, 3);
    EXPECT_EQ(Grid->Cursor(), ui::crHandPoint);
    overText(2, 3);  // still the same anchor: no second enter
    const rtl::TRect rc = Grid->CellRect(2, 3);
    ui::THeadlessBackend::MouseMove(Grid, rc.Right - 5, rc.Top + 10);  // right of the text
    EXPECT_EQ(Grid->Cursor(), ui::crDefault);
    overText(2, 4);
    LeaveGrid();
    EXPECT_EQ(log, (std::vector<std::string>{"enter 2,3 ref1", "exit ''", "enter 2,4 ref2", "exit ''"}));
}

TEST_F(GridMouseMoveTest, LeftButtonStateIsThePhysicalOne)
{
    const rtl::TPoint p = CellCentre(2, 2);
    EXPECT_FALSE(Grid->IsLeftButtonPressed());
    ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y);
    EXPECT_TRUE(Grid->IsLeftButtonPressed());
    ui::THeadlessBackend::MouseUp(Grid, p.X, p.Y);
    EXPECT_FALSE(Grid->IsLeftButtonPressed());
    ui::THeadlessBackend::MouseDown(Grid, p.X, p.Y, ui::mbRight);
    EXPECT_FALSE(Grid->IsLeftButtonPressed());
    ui::THeadlessBackend::MouseUp(Grid, p.X, p.Y, ui::mbRight);
}

}  // namespace
