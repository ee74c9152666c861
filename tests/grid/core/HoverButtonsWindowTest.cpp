// The hover-button form: borderless, never activated by showing or by the mouse, hidden when the mouse leaves it.
#include <gtest/gtest.h>

#include <memory>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/HoverButtonsWindow.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

class HoverButtonsWindowTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Form->Show();
        ButtonForm = Grid->ButtonForm();
    }

    TNoActiveForm* ButtonForm = nullptr;
};

}  // namespace

TEST_F(HoverButtonsWindowTest, GridMakesABorderlessFormOf200By22)
{
    ASSERT_NE(ButtonForm, nullptr);
    EXPECT_EQ(ButtonForm->Owner(), Grid);
    EXPECT_EQ(ButtonForm->BorderStyle(), ui::bsNone);
    EXPECT_EQ(ButtonForm->Width(), 200);
    EXPECT_EQ(ButtonForm->Height(), 22);
    EXPECT_TRUE(ButtonForm->Enabled());
    EXPECT_FALSE(ButtonForm->Visible());
}

TEST_F(HoverButtonsWindowTest, ShowingItWithoutActivationLeavesTheGridsFormActive)
{
    ASSERT_EQ(App->ActiveForm(), Form);
    ButtonForm->SetBounds(100, 100, 200, 22);
    ui::ShowWindow(ButtonForm->Handle(), ui::SW_SHOWNOACTIVATE);
    EXPECT_TRUE(ButtonForm->Showing());
    EXPECT_EQ(App->ActiveForm(), Form);
    EXPECT_TRUE(Form->Active());
}

TEST_F(HoverButtonsWindowTest, AClickOnTheFormLeavesTheGridsFormActive)
{
    ButtonForm->SetBounds(100, 100, 200, 22);
    ui::ShowWindow(ButtonForm->Handle(), ui::SW_SHOWNOACTIVATE);
    THeadlessBackend::MouseDown(ButtonForm, 10, 10);
    THeadlessBackend::MouseUp(ButtonForm, 10, 10);
    EXPECT_EQ(App->ActiveForm(), Form);
    EXPECT_TRUE(Form->Active());
    EXPECT_EQ(ButtonForm->Perform(ui::WM_ACTIVATE, 0, 0), 1);
}

TEST_F(HoverButtonsWindowTest, MouseLeavingTheFormHidesIt)
{
    ButtonForm->SetBounds(100, 100, 200, 22);
    ui::ShowWindow(ButtonForm->Handle(), ui::SW_SHOWNOACTIVATE);
    THeadlessBackend::MouseMove(ButtonForm, 10, 10);
    EXPECT_TRUE(ButtonForm->Visible());
    THeadlessBackend::MouseMove(Form, 300, 300);
    EXPECT_FALSE(ButtonForm->Visible());
}
