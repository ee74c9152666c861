// The string grid's scroll hint: the column or row a dragged thumb has reached, shown beside the cursor until the scroll ends.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Forms.h"
#include "platform/ui/ScrollInfo.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class ScrollHintTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 250);
        Grid->SetColCount(20);
        Grid->SetRowCount(50);
        Form->Show();
    }
    void Drag(unsigned msg, int bar, int trackPos)
    {
        Grid->ScrollBarState(bar).TrackPos = trackPos;  // as a drag of the thumb leaves it
        Grid->Perform(msg, ui::MAKEWPARAM(ui::SB_THUMBTRACK, 0), 0);
    }
};

TEST_F(ScrollHintTest, ThumbDragShowsTheColumnOrRowReachedUntilTheScrollEnds)
{
    Grid->SetScrollHints(grid::shBoth);
    Drag(ui::WM_HSCROLL, ui::SB_HORZ, 14);
    ASSERT_NE(Grid->ScrollHintWindow(), nullptr);
    EXPECT_TRUE(Grid->ScrollHintShown());
    EXPECT_TRUE(Grid->ScrollHintWindow()->Visible());
    EXPECT_EQ(Grid->ScrollHintWindow()->Text(), "Col : 15");
    EXPECT_EQ(Grid->ScrollHintWindow()->Color(), Grid->HintColor());
    Drag(ui::WM_VSCROLL, ui::SB_VERT, 29);
    EXPECT_EQ(Grid->ScrollHintWindow()->Text(), "Row : 30");
    Grid->Perform(ui::WM_VSCROLL, ui::MAKEWPARAM(ui::SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(Grid->ScrollHintShown());
    EXPECT_FALSE(Grid->ScrollHintWindow()->Visible());
}

TEST_F(ScrollHintTest, OnlyTheDirectionsAskedForAndTheEventMayRewordIt)
{
    Grid->SetScrollHints(grid::shVertical);
    Drag(ui::WM_HSCROLL, ui::SB_HORZ, 3);
    EXPECT_FALSE(Grid->ScrollHintShown());
    Grid->OnScrollHint = [](rtl::TObject*, int n, std::string& text) { text = "Cell " + std::to_string(n); };
    Drag(ui::WM_VSCROLL, ui::SB_VERT, 9);
    EXPECT_EQ(Grid->ScrollHintWindow()->Text(), "Cell 10");
}

}  // namespace
