// The control drop-down hosting an application's control: its parent and visibility as the user opens it.
#include <gtest/gtest.h>

#include <memory>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtControlDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;

TEST(ControlDropDownHostTest, TheHostedControlIsShownOnlyInsideThePopupBelowTheHeader)
{
    auto app = std::make_unique<ui::TApplication>();
    app->SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(app.get());
    form->SetBounds(100, 100, 400, 300);
    auto* pick = new TExtControlDropDown(form);
    pick->SetParent(form);
    pick->SetBounds(10, 10, 150, 21);
    auto* first = new ui::TPanel(form);
    first->SetParent(form);
    first->SetBounds(20, 60, 160, 80);
    auto* second = new ui::TPanel(form);
    second->SetParent(form);
    second->SetBounds(20, 150, 120, 50);
    form->Show();
    app->ActivateForm(form);

    EXPECT_TRUE(first->Visible());
    pick->SetControl(first);
    EXPECT_FALSE(first->Visible()) << "at run time the control shows only in the pop-up";
    EXPECT_EQ(first->Parent(), form);
    pick->SetFocus();
    ui::THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(pick->DroppedDown());
    TDropDownForm* popup = pick->DropDownForm();
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(first->Parent(), popup);
    ASSERT_NE(popup->Header(), nullptr);
    EXPECT_EQ(first->Top(), popup->Header()->BoundsRect().Bottom);
    EXPECT_EQ(first->Width(), popup->ClientWidth() - 2 * pick->DropDownBorderWidth());
    ui::THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_FALSE(pick->DroppedDown());

    // A new control takes its place; the old one is hidden and stays where the pop-up had it.
    pick->SetControl(second);
    EXPECT_FALSE(first->Visible());
    EXPECT_EQ(first->Align(), ui::alNone);
    EXPECT_EQ(first->Parent(), popup);
    pick->SetControl(pick);
    EXPECT_EQ(pick->Control(), second);
    ui::THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(pick->DroppedDown());
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(second->Parent(), popup);
    EXPECT_FALSE(first->Visible());
}

}  // namespace
