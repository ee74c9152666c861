// The grid's auxiliary scroll bars: created at run time, made hidden vertical children with the window, hidden when the mouse leaves.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"
#include "grid/core/HoverButtonsWindow.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsButtons.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

class ExtGridChromeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 400);
        Grid = new TExtStringGrid(Form);
    }
    void TearDown() override { App.reset(); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
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
