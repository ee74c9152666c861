// The grid's auxiliary scroll bars: created at run time, made hidden vertical children with the window, hidden when the mouse leaves.
#include <gtest/gtest.h>

#include <memory>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/HoverButtonsWindow.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsButtons.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

// The grid starts without a parent: the tests give it one to make its window.
class ExtGridChromeTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override { MakeGridOnForm(false); }
};

}  // namespace

TEST_F(ExtGridChromeTest, WindowCreationMakesBothScrollBarsHiddenVerticalChildren)
{
    ASSERT_NE(Grid->CellScrollBar(), nullptr);
    ASSERT_NE(Grid->PaintScrollBar(), nullptr);
    EXPECT_EQ(Grid->CellScrollBar()->Parent(), nullptr);
    Grid->SetParent(Form);
    Form->Show();
    for (ui::TScrollBar* bar : {Grid->CellScrollBar(), Grid->PaintScrollBar()}) {
        EXPECT_EQ(bar->Parent(), Grid);
        EXPECT_FALSE(bar->Visible());
        EXPECT_FALSE(bar->TabStop());
        EXPECT_EQ(bar->Kind(), ui::sbVertical);
        EXPECT_EQ(bar->Width(), 17);
    }
    EXPECT_EQ(Grid->vscrlctrl(), nullptr);
}

TEST_F(ExtGridChromeTest, CellScrollBarHidesWhenTheMouseLeavesIt)
{
    Grid->SetParent(Form);
    Form->Show();
    ui::TScrollBar* bar = Grid->CellScrollBar();
    bar->SetBounds(100, 30, 17, 80);
    bar->SetVisible(true);
    THeadlessBackend::MouseMove(bar, 5, 40);
    EXPECT_TRUE(bar->Visible());
    THeadlessBackend::MouseMove(Grid, 20, 200);
    EXPECT_FALSE(bar->Visible());
}

TEST_F(ExtGridChromeTest, FreeingTheGridFreesItsWindows)
{
    Grid->SetParent(Form);
    Form->Show();
    Grid->SetScrollType(ssMetro);
    Grid->ButtonForm()->Show();
    delete Grid;
    EXPECT_EQ(Form->ControlCount(), 0);
}
