// A colour picker read from a form description: its published settings and colours, and a
// bad colour value reported with the file and line.
#include <gtest/gtest.h>

#include <memory>

#include "grid/dropdown/ExtColorPicker.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class ColorPickerRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(ColorPickerRegistrationTest, PickerFromADescriptionHasItsColoursAndSettings)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  object Pick: TExtColorPickerDropDown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    Colors = <\n"
                             "      item\n        Caption = 'Sand'\n        Color = 8438015\n      end\n"
                             "      item\n        Caption = 'Sea'\n        Color = clNavy\n        Hint = 'deep'\n      end>\n"
                             "    ItemIndex = 1\n"
                             "    ColorSelectionStyle = csDiscrete\n"
                             "    ColorValueText = cvtRGB\n"
                             "    Layout = ilCaptionTop\n"
                             "    Columns = 2\n"
                             "    ColorBoxWidth = 20\n"
                             "    ColorBoxBorderColor = clRed\n"
                             "    ShowText = False\n"
                             "  end\n"
                             "end\n",
                             "pick.dfm", Form);
    auto* pick = dynamic_cast<TExtColorPickerDropDown*>(Form->FindComponent("Pick"));
    ASSERT_NE(pick, nullptr);
    ASSERT_EQ(pick->Colors().Count(), 2);
    EXPECT_EQ(pick->Colors().Items(0)->Color(), 8438015u);
    EXPECT_EQ(pick->Colors().Items(1)->Hint(), "deep");
    EXPECT_EQ(pick->ItemIndex(), 1);
    EXPECT_EQ(pick->SelectedColor(), 0x800000u);
    EXPECT_EQ(pick->ColorSelectionStyle(), csDiscrete);
    EXPECT_EQ(pick->ColorValueText(), cvtRGB);
    EXPECT_EQ(pick->Layout(), ilCaptionTop);
    EXPECT_EQ(pick->Columns(), 2);
    EXPECT_EQ(pick->ColorBoxWidth(), 20);
    EXPECT_EQ(pick->ColorBoxBorderColor(), 0x0000FFu);
    EXPECT_FALSE(pick->ShowText());
}

TEST_F(ColorPickerRegistrationTest, BadColourNamesTheFileAndLine)
{
    EXPECT_EQ(ReadErrorMessage("object F: TForm\n  object P: TExtColorPickerDropDown\n    Colors = <\n      item\n"
                               "        Color = 'red'\n      end>\n  end\nend\n",
                               "p.dfm"),
              "p.dfm(5): Error reading P.Colors: Invalid property value 'red': a colour expected");
}

}  // namespace
