// String grid colours from the application's visual style: nothing changes under the system style, a custom style recolours.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/ui/StyleServices.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using ui::TStyleElementColor;
using ui::TStyleGridCell;

// A dark style that colours every grid part it knows.
class TDarkStyle : public ui::TStyleServices {
public:
    bool Enabled() const override { return true; }
    std::string Name() const override { return "Carbon"; }
    bool GetElementColor(TStyleGridCell cell, TStyleElementColor element, gfx::TColor& color) const override
    {
        if (cell == TStyleGridCell::Normal && element == TStyleElementColor::Fill) color = 0x202020;
        else if (cell == TStyleGridCell::Normal && element == TStyleElementColor::Border) color = 0x404040;
        else if (cell == TStyleGridCell::Normal && element == TStyleElementColor::Text) color = 0xE0E0E0;
        else if (cell == TStyleGridCell::Fixed && element == TStyleElementColor::Border) color = 0x505050;
        else if (cell == TStyleGridCell::Fixed && element == TStyleElementColor::Text) color = 0xF0F0F0;
        else if (cell == TStyleGridCell::Fixed && element == TStyleElementColor::Fill) color = 0x303030;
        else if (cell == TStyleGridCell::Selected && element == TStyleElementColor::Text) color = 0x00FFFF;
        else return false;
        return true;
    }
};

class ExtGridStyleColorsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        ui::SetStyleServices(nullptr);
        gridtest::GridOnFormTest::TearDown();
    }
};

TEST_F(ExtGridStyleColorsTest, UnderTheSystemStyleNothingChanges)
{
    Grid->SetColor(gfx::clCream);
    Grid->SetGridLineColor(0x00FF00);
    Grid->SetSelectionTextColor(0x123456);
    Grid->GetCellProperties(2, 2)->SetBrushColor(gfx::clRed);
    const ui::TGridOptions options = Grid->Options();
    Grid->ApplyStyleServiceColors(false);
    EXPECT_EQ(Grid->Color(), gfx::clCream);
    EXPECT_EQ(Grid->GridLineColor(), gfx::TColor(0x00FF00));
    EXPECT_EQ(Grid->SelectionTextColor(), gfx::TColor(0x123456));
    EXPECT_EQ(Grid->Options(), options);
    EXPECT_FALSE(Grid->GetUseVCLStyles());
    // A style change back to the system's style keeps the colours a program gave its cells.
    Grid->Perform(ui::CM_STYLECHANGED, 0, 0);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 2)->BrushColor(), gfx::clRed);
}

TEST_F(ExtGridStyleColorsTest, ACustomStyleRecoloursTheGridAndSwitchingItOffRestoresTheClassicColours)
{
    Grid->GetCellProperties(2, 2)->SetBrushColor(gfx::clRed);
    ui::SetStyleServices(std::make_unique<TDarkStyle>());  // every window gets CM_STYLECHANGED
    EXPECT_TRUE(Grid->GetUseVCLStyles());
    EXPECT_EQ(Grid->Color(), gfx::TColor(0x202020));
    EXPECT_EQ(Grid->GridLineColor(), gfx::TColor(0x404040));
    EXPECT_EQ(Grid->GridFixedLineColor(), gfx::TColor(0x505050));
    EXPECT_EQ(Grid->Font().Color(), gfx::TColor(0xE0E0E0));
    EXPECT_EQ(Grid->FixedFont().Color(), gfx::TColor(0xF0F0F0));
    EXPECT_EQ(Grid->SelectionTextColor(), gfx::TColor(0x00FFFF));
    EXPECT_EQ(Grid->SearchFooter().Color(), gfx::TColor(0x303030));
    EXPECT_EQ(Grid->SearchFooter().ColorTo(), gfx::TColor(0x303030));
    EXPECT_EQ(Grid->Options() & (ui::goFixedVertLine | ui::goFixedHorzLine), 0u);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 2)->BrushColor(), gfx::TColor(0x202020));
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 2)->FontColor(), gfx::TColor(0xE0E0E0));

    Grid->SetUseStyleServices(false);
    EXPECT_FALSE(Grid->GetUseVCLStyles());
    EXPECT_EQ(Grid->Color(), gfx::clWindow);
    EXPECT_EQ(Grid->GridLineColor(), gfx::TColor(0xC0C0C0));
    EXPECT_EQ(Grid->GridFixedLineColor(), gfx::TColor(0x808080));
    EXPECT_EQ(Grid->Font().Color(), gfx::TColor(0));
    EXPECT_EQ(Grid->Options() & (ui::goFixedVertLine | ui::goFixedHorzLine),
              ui::goFixedVertLine | ui::goFixedHorzLine);
}

}  // namespace
