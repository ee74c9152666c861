// The header drag button painted on real pixels: the grid's fixed-cell face and its caption as text or mini-HTML.
#include <gtest/gtest.h>

#include <memory>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/HeaderDragButton.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

class HeaderDragButtonTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetColor(gfx::clPurple);
        // The button shows the header cell's look: the fixed colour in the plain look.
        Grid->SetLook(glStandard);
        Grid->SetFixedColor(gfx::clPurple);
        Form->Show();
        Button = Grid->MoveButton();
        Button->SetBounds(40, 60, 160, 24);
        Button->SetVisible(true);
    }

    // The leftmost column of the button's face holding a pixel that is not the cell colour
    // (the cell's own grid lines at its right and bottom edges left out).
    int FirstInkColumn()
    {
        Form->PaintPending();
        for (int x = 0; x < Button->ClientWidth() - 2; ++x)
            for (int y = 3; y < Button->ClientHeight() - 3; ++y)
                if (static_cast<gfx::TColor>(THeadlessBackend::Pixel(Button, x, y)) != gfx::clPurple) return x;
        return -1;
    }

    THeaderDragButton* Button = nullptr;
};

}  // namespace

TEST_F(HeaderDragButtonTest, TheGridCreatesItDisabledAndHiddenKnowingItsGrid)
{
    TExtStringGrid grid(nullptr);
    ASSERT_NE(grid.MoveButton(), nullptr);
    EXPECT_EQ(grid.MoveButton()->Grid(), &grid);
    EXPECT_EQ(grid.MoveButton()->Parent(), &grid);
    EXPECT_FALSE(grid.MoveButton()->Enabled());
    EXPECT_FALSE(grid.MoveButton()->Visible());
}

TEST_F(HeaderDragButtonTest, FaceIsTheGridsCellLook)
{
    Button->SetCaption("");
    Form->PaintPending();
    EXPECT_EQ(static_cast<gfx::TColor>(THeadlessBackend::Pixel(Button, 20, 12)), gfx::clPurple);
    EXPECT_EQ(static_cast<gfx::TColor>(THeadlessBackend::Pixel(Button, 140, 8)), gfx::clPurple);
    EXPECT_EQ(FirstInkColumn(), -1);
}

TEST_F(HeaderDragButtonTest, PlainCaptionIsCentredAndHtmlCaptionGoesThroughTheRenderer)
{
    Button->SetCaption("Col");
    const int plain = FirstInkColumn();
    EXPECT_GT(plain, 60);
    EXPECT_LT(plain, 80);

    Button->SetCaption("<b>Col</b>");
    Button->Invalidate();
    const int html = FirstInkColumn();
    EXPECT_GE(html, 0);
    EXPECT_LT(html, 10);
}
