// The thin scroll controls of the ssMetro scroll type: thumb pixels and scrolling by real mouse messages.
#include <gtest/gtest.h>

#include <memory>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ThinScrollBar.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

constexpr gfx::TColor Silver = 0xC0C0C0;

class ThinScrollBarTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Form->Show();
        Grid->SetScrollType(ssMetro);
        Vert = Grid->vscrlctrl();
        Horz = Grid->hscrlctrl();
    }

    gfx::TColor Pixel(const ui::TControl* c, int x, int y)
    {
        Form->PaintPending();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(c, x, y));
    }
    // The thumb's painted pixels along the vertical control: first row and count.
    std::pair<int, int> VerticalThumbPixels()
    {
        Form->PaintPending();
        int first = -1;
        int count = 0;
        for (int y = 0; y < Vert->Height(); ++y) {
            if (static_cast<gfx::TColor>(THeadlessBackend::Pixel(Vert, 1, y)) != Silver) continue;
            if (first < 0) first = y;
            ++count;
        }
        return {first, count};
    }

    TScrollControl* Vert = nullptr;
    TScrollControl* Horz = nullptr;
};

}  // namespace

TEST_F(ThinScrollBarTest, ControlsLieAlongTheRightAndBottomEdgesAndReplaceTheScrollBars)
{
    ASSERT_NE(Vert, nullptr);
    ASSERT_NE(Horz, nullptr);
    EXPECT_EQ(Vert->Parent(), Grid);
    EXPECT_EQ(Vert->Width(), 6);
    EXPECT_EQ(Vert->Align(), ui::alRight);
    EXPECT_EQ(Vert->Left() + Vert->Width(), Grid->ClientWidth());
    EXPECT_EQ(Horz->Height(), 6);
    EXPECT_EQ(Horz->Align(), ui::alBottom);
    EXPECT_EQ(Horz->Top() + Horz->Height(), Grid->ClientHeight());
    EXPECT_EQ(Horz->Direction(), sdHorizontal);
    EXPECT_EQ(Grid->ScrollBars(), ui::ssNone);

    Grid->SetScrollType(ssNormal);
    EXPECT_EQ(Grid->vscrlctrl(), nullptr);
    EXPECT_EQ(Grid->hscrlctrl(), nullptr);
    EXPECT_EQ(Grid->ScrollBars(), ui::ssBoth);
}

TEST_F(ThinScrollBarTest, MetroBeforeTheWindowExistsCreatesTheControlsWithTheWindow)
{
    auto* grid = new TExtStringGrid(Form);
    grid->SetScrollType(ssMetro);
    EXPECT_EQ(grid->vscrlctrl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ui::ssBoth);
    grid->SetParent(Form);
    grid->HandleNeeded();
    EXPECT_NE(grid->vscrlctrl(), nullptr);
    EXPECT_NE(grid->hscrlctrl(), nullptr);
}

TEST_F(ThinScrollBarTest, NoThumbWhileEveryRowFits)
{
    ASSERT_GE(Grid->VisibleRowCount(), Grid->RowCount() - Grid->FixedRows());
    EXPECT_EQ(VerticalThumbPixels().second, 0);
    // One row more than fits.
    int rows = Grid->RowCount();
    while (Grid->VisibleRowCount() >= rows - Grid->FixedRows()) Grid->SetRowCount(++rows);
    EXPECT_GE(VerticalThumbPixels().second, 20);
}

TEST_F(ThinScrollBarTest, ThumbIsAtLeastTwentyPixelsAndEndsAtTheControlsEdgeOnTheLastPage)
{
    Grid->SetRowCount(1000);
    auto [first, count] = VerticalThumbPixels();
    EXPECT_EQ(count, 20);
    EXPECT_EQ(first, Grid->RowHeights(0));  // starts below the fixed row
    // The thumb is ScrollWidth (4) pixels wide, drawn from the left edge.
    EXPECT_EQ(Pixel(Vert, 3, first), Silver);
    EXPECT_NE(Pixel(Vert, 4, first), Silver);

    Grid->SetTopRow(1000 - Grid->VisibleRowCount());
    std::tie(first, count) = VerticalThumbPixels();
    EXPECT_EQ(count, 20);
    EXPECT_EQ(first + count, Vert->Height());
}

TEST_F(ThinScrollBarTest, ThumbColourAndWidthFollowTheirProperties)
{
    Grid->SetRowCount(40);
    Vert->SetColor(gfx::clRed);
    Vert->SetScrollWidth(2);
    Vert->Invalidate();
    const int y = Grid->RowHeights(0) + 2;
    EXPECT_EQ(Pixel(Vert, 1, y), gfx::clRed);
    EXPECT_NE(Pixel(Vert, 2, y), gfx::clRed);
}

TEST_F(ThinScrollBarTest, ClicksBesideTheThumbPageButNeverBeforeTheFirstScrollableRow)
{
    Grid->SetRowCount(40);
    const int f = Grid->FixedRows();
    const int v = Grid->VisibleRowCount();
    // Above the thumb is only the fixed row's stretch: the top row stays the first scrollable one.
    THeadlessBackend::Click(Vert, 1, 2);
    EXPECT_EQ(Grid->TopRow(), f);
    THeadlessBackend::Click(Vert, 1, Vert->Height() - 2);
    EXPECT_EQ(Grid->TopRow(), f + v);
    THeadlessBackend::Click(Vert, 1, Vert->Height() - 2);
    THeadlessBackend::Click(Vert, 1, Vert->Height() - 2);
    EXPECT_EQ(Grid->TopRow(), 40 - v);
    THeadlessBackend::Click(Vert, 1, Grid->RowHeights(0) + 2);
    EXPECT_EQ(Grid->TopRow(), 40 - 2 * v);
}

TEST_F(ThinScrollBarTest, DraggingTheThumbScrollsAndStopsAtTheLastFullPage)
{
    Grid->SetRowCount(100);
    const int v = Grid->VisibleRowCount();
    const int start = VerticalThumbPixels().first;
    THeadlessBackend::MouseDown(Vert, 1, start + 5);
    EXPECT_TRUE(Vert->DownOnScroller());
    const int track = Vert->Height() - Grid->RowHeights(0);
    // A tenth of the track moves by a tenth of the rows.
    THeadlessBackend::MouseMove(Vert, 1, start + 5 + track / 10);
    EXPECT_NEAR(Grid->TopRow(), 1 + 10, 1);
    THeadlessBackend::MouseMove(Vert, 1, Vert->Height() + 500);
    EXPECT_EQ(Grid->TopRow(), 100 - v);
    THeadlessBackend::MouseMove(Vert, 1, -500);
    EXPECT_EQ(Grid->TopRow(), Grid->FixedRows());
    THeadlessBackend::MouseUp(Vert, 1, 0);
    EXPECT_FALSE(Vert->DownOnScroller());
    THeadlessBackend::MouseMove(Vert, 1, Vert->Height());
    EXPECT_EQ(Grid->TopRow(), Grid->FixedRows());
}

TEST_F(ThinScrollBarTest, HorizontalControlScrollsColumns)
{
    Grid->SetColCount(30);
    const int v = Grid->VisibleColCount();
    THeadlessBackend::Click(Horz, Horz->Width() - 2, 1);
    EXPECT_EQ(Grid->LeftCol(), Grid->FixedCols() + v);
    THeadlessBackend::Click(Horz, 2, 1);
    EXPECT_EQ(Grid->LeftCol(), Grid->FixedCols());
}

TEST_F(ThinScrollBarTest, WithoutAGridParentNothingIsPaintedOrScrolled)
{
    Form->SetColor(gfx::clWhite);
    auto* c = new TScrollControl(Form);
    c->SetParent(Form);
    c->SetBounds(450, 10, 6, 200);
    EXPECT_EQ(c->Grid(), nullptr);
    for (int y = 0; y < 200; y += 10) EXPECT_EQ(Pixel(c, 1, y), gfx::clWhite);
    THeadlessBackend::MouseDown(c, 1, 50);
    EXPECT_FALSE(c->DownOnScroller());
    THeadlessBackend::MouseUp(c, 1, 50);
}
