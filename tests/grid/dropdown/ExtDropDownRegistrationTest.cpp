// Drop-down edits read from form descriptions: published settings, bars with buttons, the hosted
// control, the two stored extras, and errors that name the file and line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtControlDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsButtons.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class DropDownRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(DropDownRegistrationTest, AControlDropDownFromADescriptionOpensWithItsBarsAndControl)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 100\n  Top = 100\n  Width = 400\n  Height = 300\n"
                             "  object Panel1: TPanel\n    Width = 140\n    Height = 70\n  end\n"
                             "  object Pick: TExtControlDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    Text = 'first'\n"
                             "    Control = Panel1\n"
                             "    DropDownHeader.Caption = '<b>Choose</b>'\n"
                             "    DropDownHeader.Color = clYellow\n"
                             "    DropDownFooter.SizeGrip = False\n"
                             "    DropDownFooter.Buttons = <\n"
                             "      item\n        Caption = 'OK'\n        ModalResult = 1\n      end\n"
                             "      item\n        Caption = 'Cancel'\n        ModalResult = 2\n        Width = 60\n      end>\n"
                             "    DropPosition = dpUp\n"
                             "    LabelCaption = 'Crop'\n"
                             "    LabelPosition = lpTopLeft\n"
                             "    Version = '9.9.9.9'\n"
                             "    SelectionColorStyle = 2\n"
                             "    JyxStyle = 16\n"
                             "  end\n"
                             "end\n",
                             "pick.dfm", Form);
    auto* pick = dynamic_cast<TExtControlDropDown*>(Form->FindComponent("Pick"));
    auto* panel = dynamic_cast<ui::TPanel*>(Form->FindComponent("Panel1"));
    ASSERT_NE(pick, nullptr);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(pick->Text(), "first");
    EXPECT_EQ(pick->Control(), panel);
    EXPECT_EQ(pick->DropPosition(), dpUp);
    EXPECT_EQ(pick->LabelCaption(), "Crop");
    EXPECT_EQ(pick->EditLabel()->Top(), pick->Top() - pick->EditLabel()->Height());
    EXPECT_EQ(pick->Version(), "1.4.5.5");
    // The stored extras set the fields only: the colours stay those of the construction.
    EXPECT_EQ(pick->SelectionColorStyle(), scWindowsVista);
    EXPECT_EQ(pick->SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(pick->GetComponentStyle(), tsWindows8);
    EXPECT_EQ(pick->DropDownHeader().Color(), gfx::clYellow);
    // Loading moved the control into the still hidden pop-up.
    EXPECT_EQ(panel->Parent(), pick->DropDownForm());
    EXPECT_FALSE(pick->DropDownForm()->Visible());

    Form->Show();
    App->ActivateForm(Form);
    pick->ShowDropDown();
    ASSERT_TRUE(pick->DroppedDown());
    TExtFooter* footer = pick->DropDownForm()->Footer();
    ASSERT_NE(footer, nullptr);
    ASSERT_EQ(footer->ButtonCount(), 2);
    EXPECT_EQ(footer->Button(1)->Width(), 60);
    // The first item is the rightmost; with the grip off the buttons end 2 pixels from the edge.
    EXPECT_EQ(footer->Button(0)->BoundsRect().Right, footer->ClientWidth() - 2);
    ui::THeadlessBackend::Click(footer->Button(1), 3, 3);
    EXPECT_FALSE(pick->DroppedDown());
}

TEST_F(DropDownRegistrationTest, BadValuesAreErrorsNamingFileLineAndValue)
{
    struct TCase {
        const char* Text;
        const char* Message;
    };
    const TCase cases[] = {
        {"object F: TForm\n  object D: TExtDropDown\n    DropPosition = dpSideways\n  end\nend\n",
         "d.dfm(3): Error reading D.DropPosition: Invalid property value 'dpSideways'"},
        {"object F: TForm\n  object D: TExtDropDown\n    DropDownHeader.Color = 'red'\n  end\nend\n",
         "d.dfm(3): Error reading D.DropDownHeader.Color: Invalid property value 'red': a colour expected"},
        {"object F: TForm\n  object D: TExtDropDown\n    DropDownFooter.Buttons = <\n      item\n"
         "        Shape = 1\n      end>\n  end\nend\n",
         "d.dfm(5): Error reading D.DropDownFooter.Buttons: Property Shape does not exist"},
        {"object F: TForm\n  object D: TExtDropDown\n    DropDownHeader.Buttons = <\n      item\n"
         "        ModalResult = 1\n      end>\n  end\nend\n",
         "d.dfm(5): Error reading D.DropDownHeader.Buttons: Property ModalResult does not exist"},
    };
    for (const TCase& c : cases) EXPECT_EQ(ReadErrorMessage(c.Text, "d.dfm"), c.Message);
}

}  // namespace
