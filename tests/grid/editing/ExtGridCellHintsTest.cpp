// Cell hints of the string grid: the hint window shows after the pause of a resting mouse, with the cell's comment, whole text or HTML, kept on the display.
#include <gtest/gtest.h>

#include "grid/core/HtmlHintWindow.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Clock.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class ExtGridCellHintsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        ui::SetMonotonicClock(&Clock);
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        Grid->SetShowHint(true);
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        GridOnFormTest::TearDown();
        ui::SetMonotonicClock(nullptr);
    }
    // Rests the mouse at a point of the grid for the hint pause; the hint window, when one shows.
    ui::THintWindow* RestAt(int x, int y)
    {
        ui::THeadlessBackend::MouseMove(Grid, x, y);
        Clock.Advance(App->HintPause());
        App->ProcessMessages();
        ui::THintWindow* w = App->HintWindow();
        return w != nullptr && w->Visible() ? w : nullptr;
    }
    rtl::TPoint Screen(int x, int y) const { return Grid->ClientToScreen({x, y}); }

    ui::TManualClock Clock;
};

TEST_F(ExtGridCellHintsTest, ACommentShowsAtTheCellsTopRightCorner)
{
    Grid->SetComment(2, 0, "Day of the year");
    const rtl::TRect rc = Grid->CellRect(2, 0);
    ui::THintWindow* w = RestAt(rc.Left + 5, rc.Top + 5);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Day of the year");
    EXPECT_EQ(w->Left(), Screen(rc.Right, rc.Top).X);
    EXPECT_EQ(w->Top(), Screen(rc.Right, rc.Top).Y);
    EXPECT_EQ(Grid->LastHintPos(), (rtl::TPoint{2, 0}));
    // A cell without comment or other hint shows nothing.
    const rtl::TRect other = Grid->CellRect(1, 2);
    EXPECT_EQ(RestAt(other.Left + 5, other.Top + 5), nullptr);
}

// Large-text hints: a text that fits shows nothing, a clipped one shows in full below the
// cell at the mouse's x (hpCursor) or over the cell itself (hpCell).
TEST_F(ExtGridCellHintsTest, AClippedTextShowsInFullWhereThePositionOptionSays)
{
    Grid->SetHintShowLargeText(true);
    Grid->SetHintShowLargeTextPos(grid::hpCursor);
    const std::string longText = "Maize grain yield under irrigation, second cycle";
    Grid->SetCells(1, 1, longText);
    Grid->SetCells(1, 2, "short");
    const rtl::TRect fits = Grid->CellRect(1, 2);
    EXPECT_EQ(RestAt(fits.Left + 4, fits.Top + 4), nullptr);

    const rtl::TRect rc = Grid->CellRect(1, 1);
    ui::THintWindow* w = RestAt(rc.Left + 7, rc.Top + 4);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), longText);
    EXPECT_EQ(w->Left(), Screen(rc.Left + 7, 0).X);
    EXPECT_EQ(w->Top(), Screen(0, rc.Bottom + 6).Y);
    EXPECT_GT(w->Width(), rc.Width());

    // Leaving the cell within the grid cancels the hint; on the next cell hpCell puts it over the cell.
    Grid->SetHintShowLargeTextPos(grid::hpCell);
    Grid->SetCells(2, 1, longText);
    const rtl::TRect next = Grid->CellRect(2, 1);
    ui::THeadlessBackend::MouseMove(Grid, next.Left + 6, next.Top + 3);
    App->ProcessMessages();
    EXPECT_FALSE(App->HintWindow()->Visible());
    w = RestAt(next.Left + 6, next.Top + 4);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Left(), Screen(next.Left, next.Top).X);
    EXPECT_EQ(w->Top(), Screen(next.Left, next.Top).Y);
}

TEST_F(ExtGridCellHintsTest, TheApplicationMayChangeTheHintAndAnHtmlHintUsesTheHtmlWindow)
{
    Grid->SetHintShowCells(true);
    Grid->SetCells(1, 1, "12.5");
    Grid->OnGridHint = [](rtl::TObject*, int ARow, int ACol, std::string& hint) {
        hint = "<b>" + hint + "</b> t/ha (" + std::to_string(ACol) + "," + std::to_string(ARow) + ")";
    };
    const rtl::TRect rc = Grid->CellRect(1, 1);
    ui::THintWindow* w = RestAt(rc.Left + 5, rc.Top + 5);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "<b>12.5</b> t/ha (1,1)");
    auto* html = dynamic_cast<grid::THTMLHintWindow*>(w);
    ASSERT_NE(html, nullptr);
    // The tags are laid out, not shown: the window is narrower than the raw text needs.
    EXPECT_EQ(w->Width(), html->TextWidth() + 16);
    EXPECT_EQ(w->Height(), html->TextHeight() + 4);
    EXPECT_EQ(w->Top(), Screen(0, rc.Top).Y);
    // The frame: light top-left edge, dark bottom-right edge.
    App->ProcessMessages();
    EXPECT_EQ(w->WindowPixel(0, 1), gfx::ColorToRGB(gfx::cl3DLight));
    EXPECT_EQ(w->WindowPixel(w->Width() - 1, 1), gfx::ColorToRGB(gfx::cl3DDkShadow));
    EXPECT_EQ(w->WindowPixel(3, w->Height() - 1), gfx::ColorToRGB(gfx::cl3DDkShadow));
}

TEST_F(ExtGridCellHintsTest, AnAnchorShowsItsTitleBesideTheMouse)
{
    Grid->SetEnableHTML(true);
    Grid->SetAnchorHint(true);
    Grid->SetColWidths(1, 150);
    Grid->SetCells(1, 1, "<a href=\"http://soil.example/map\" title=\"Soil map\">mapmapmapmap</a>");
    std::string told;
    Grid->OnAnchorHint = [&](rtl::TObject*, int, int, std::string& hint) { told = hint; };
    const rtl::TRect rc = Grid->CellRect(1, 1);
    const rtl::TPoint at{rc.Left + 12, rc.Top + 9};
    ui::THintWindow* w = RestAt(at.X, at.Y);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(told, "Soil map");
    EXPECT_EQ(w->Caption(), "Soil map");
    EXPECT_EQ(Grid->LastAnchorHint(), "Soil map");
    EXPECT_EQ(w->Left(), Screen(at.X + 8, 0).X);
    EXPECT_EQ(w->Top(), Screen(0, at.Y - 16).Y);
}

// An IMG tag of a hint draws the image of the grid's image list in the hint window.
TEST_F(ExtGridCellHintsTest, AnHtmlHintDrawsImagesFromTheGridsImageList)
{
    auto* images = new gfx::TImageList(Form);
    images->SetSize(16, 16);
    gfx::TBitmap red;
    red.SetSize(16, 16);
    red.Canvas().Brush().SetColor(gfx::clRed);
    red.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
    images->Add(red);
    Grid->SetGridImages(images);
    Grid->SetHintShowCells(true);
    Grid->SetCells(1, 1, "x");
    Grid->OnGridHint = [](rtl::TObject*, int, int, std::string& hint) { hint = "<IMG src=\"idx:0\"> map"; };
    const rtl::TRect rc = Grid->CellRect(1, 1);
    ui::THintWindow* w = RestAt(rc.Left + 5, rc.Top + 5);
    ASSERT_NE(w, nullptr);
    auto* html = dynamic_cast<grid::THTMLHintWindow*>(w);
    ASSERT_NE(html, nullptr);
    EXPECT_GE(html->TextWidth(), 16);
    EXPECT_GE(html->TextHeight(), 16);
    App->ProcessMessages();
    const int top = (w->ClientRect().Height() - html->TextHeight()) / 2;
    EXPECT_EQ(w->WindowPixel(4 + 8, top + 8), gfx::ColorToRGB(gfx::clRed));
}

// A hint that would stick out at the display's right or bottom edge moves back inside,
// 2 pixels from the edge, and keeps its size.
TEST_F(ExtGridCellHintsTest, TheHintWindowStaysOnTheDisplay)
{
    const rtl::TSize screen = App->Backend().ScreenSize();
    Form->SetBounds(screen.cx - 300, screen.cy - 100, 500, 400);
    Grid->SetHintShowLargeText(true);
    Grid->SetEnableHTML(true);
    Grid->SetHTMLHint(true);
    // The lowest row still on the display: its hint, 6 pixels below it, would reach past the bottom.
    int row = 1;
    while (row + 1 < Grid->RowCount() && Screen(0, Grid->CellRect(0, row + 1).Top + 6).Y < screen.cy) ++row;
    Grid->SetCells(2, row, "<i>Winter wheat after two years of alfalfa and a fallow</i>");
    const rtl::TRect rc = Grid->CellRect(2, row);
    ASSERT_GT(Screen(0, rc.Bottom + 6).Y + 10, screen.cy);
    ASSERT_LT(Screen(rc.Left, rc.Top).X, screen.cx);
    ui::THintWindow* w = RestAt(rc.Left + 5, rc.Top + 5);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Left() + w->Width(), screen.cx - 2);
    EXPECT_EQ(w->Top() + w->Height(), screen.cy - 2);
    auto* html = dynamic_cast<grid::THTMLHintWindow*>(w);
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(w->Width(), html->TextWidth() + 16);
}

}  // namespace
