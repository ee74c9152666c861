// The calculator drop-down and a free-standing keypad read from a form description.
#include <gtest/gtest.h>

#include <memory>

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class CalculatorRegistrationTest : public dropdowntest::FormDescriptionTest {
protected:
    void SetUp() override
    {
        rtl::FormatSettings.DecimalSeparator = '.';
        rtl::FormatSettings.ThousandSeparator = ',';
        FormDescriptionTest::SetUp();
    }
};

TEST_F(CalculatorRegistrationTest, CalculatorAndFreeStandingKeypadFromADescription)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 0\n  Top = 0\n  Width = 400\n  Height = 300\n"
                             "  object Calc: TExtCalculatorDropdown\n"
                             "    Left = 10\n    Top = 10\n"
                             "    Precision = 3\n"
                             "    ShowThousandSeparator = True\n"
                             "    Text = '1234.5'\n"
                             "    CalcButtonAppearance.SpecialTextColor = clBlue\n"
                             "  end\n"
                             "  object Pad: TCustomButtonPanel\n"
                             "    Left = 10\n    Top = 50\n    Width = 228\n    Height = 150\n"
                             "    ButtonLayout = ilCaptionTop\n"
                             "  end\n"
                             "end\n",
                             "calc.dfm", Form);
    auto* calc = dynamic_cast<TExtCalculatorDropdown*>(Form->FindComponent("Calc"));
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->Precision(), 3);
    EXPECT_TRUE(calc->ShowThousandSeparator());
    EXPECT_EQ(calc->Text(), "1,234.500");
    EXPECT_EQ(calc->CalcButtonAppearance().SpecialTextColor(), 0xFF0000u);
    auto* pad = dynamic_cast<TCustomButtonPanel*>(Form->FindComponent("Pad"));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->ButtonLayout(), ilCaptionTop);
    ASSERT_EQ(pad->Buttons().Count(), 28) << "a loaded free-standing keypad makes its buttons";
    EXPECT_EQ(pad->Buttons().Items(27)->Caption(), "sqrt");
    EXPECT_EQ(pad->Buttons().Items(0)->Rect(), rtl::Bounds(8, 8, 34, 26));
    // It reports its clicks and frames itself in black.
    int clicked = -1;
    pad->OnButtonClick = [&](rtl::TObject*, int index) { clicked = index; };
    Form->Show();
    ui::THeadlessBackend::Click(pad, 50, 45);
    EXPECT_EQ(clicked, 11);
    EXPECT_EQ(pad->Buttons().Items(11)->Caption(), "7");
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(pad, 0, 0)), gfx::clBlack);
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(pad, 227, 149)), gfx::clBlack);
}

TEST_F(CalculatorRegistrationTest, BadKeypadColourNamesTheFileAndLine)
{
    EXPECT_EQ(ReadErrorMessage("object F: TForm\n  object C: TExtCalculatorDropdown\n"
                               "    CalcButtonAppearance.TextColor = 'blue'\n  end\nend\n",
                               "c.dfm"),
              "c.dfm(3): Error reading C.CalcButtonAppearance.TextColor: Invalid property value 'blue': a colour expected");
}

}  // namespace
