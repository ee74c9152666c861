// Style presets, the Look setter and colour tones: the values they write and what they leave alone, with painted pixels.
#include <gtest/gtest.h>

#include <memory>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Registry.h"
#include "tests/support/TempDir.h"
#include "platform/ui/Forms.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

constexpr gfx::TColor None = clGridNone;

class ExtGridStylesTest : public gridtest::GridOnFormTest {
protected:
    gfx::TColor Pixel(int x, int y)
    {
        Form->PaintPending();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(Grid, x, y));
    }

};

// A grid that counts the style-change hook.
class TCountingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void StyleChanged() override { ++Changes; }
    int Changes = 0;
};

struct PresetCase {
    TExtGridStyle Style;
    TGridLook Look;
    gfx::TColor JyxFrom, JyxMirrorTo, ActiveCell, Selection, SelectionText, GridLine, FixedLine, FooterColor,
        FooterColorTo, Border;
    TGridSelectionStyle SelStyle;
};

class StylePresetTest : public ExtGridStylesTest, public ::testing::WithParamInterface<PresetCase> {};

}  // namespace

TEST_P(StylePresetTest, PresetWritesItsTableValues)
{
    const PresetCase& c = GetParam();
    Grid->SetBorderColor(0x123456);
    Grid->SetStyle(c.Style);
    EXPECT_EQ(Grid->Look(), c.Look);
    EXPECT_EQ(Grid->JyxGradientFrom(), c.JyxFrom);
    EXPECT_EQ(Grid->JyxGradientMirrorTo(), c.JyxMirrorTo);
    EXPECT_EQ(Grid->ActiveCellColor(), c.ActiveCell);
    EXPECT_EQ(Grid->SelectionColor(), c.Selection);
    EXPECT_EQ(Grid->SelectionTextColor(), c.SelectionText);
    EXPECT_EQ(Grid->SelectionStyle(), c.SelStyle);
    EXPECT_EQ(Grid->GridLineColor(), c.GridLine);
    EXPECT_EQ(Grid->GridFixedLineColor(), c.FixedLine);
    EXPECT_EQ(Grid->SearchFooter().Color(), c.FooterColor);
    EXPECT_EQ(Grid->SearchFooter().ColorTo(), c.FooterColorTo);
    EXPECT_EQ(Grid->BorderColor(), c.Border);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, StylePresetTest,
    ::testing::Values(
        PresetCase{gsOffice2003Blue, glXP, 0xFCE1CB, None, 0x94E6FB, 0x94E6FB, 0, 0xC0C0C0, 0x808080, 0xFCE1CB, None,
                   0x123456, ssDefault},
        PresetCase{gsWindowsXP, glXP, 0xF0F0F0, None, gfx::clBtnFace, gfx::clHighlight, gfx::clHighlightText, 0xC0C0C0,
                   0x808080, gfx::clBtnFace, None, 0x123456, ssDefault},
        // Vista and Windows 7 come through the Look setter, which also sets the border colour.
        PresetCase{gsWindowsVista, glVista, 0xFFFFFF, 0xF4F2F1, 0xFDF8F1, 0xEACAB6, 0, 0xECECF0, 0xD4D2D1, 0xFFFFFF,
                   0xF4F2F1, 0xB99D7F, ssVista},
        PresetCase{gsWindows7, glWin7, 0xFDFCFA, 0xF7E9DD, 0xFCEBDC, 0xEACAB6, 0, 0xECECF0, 0xD4D2D1, 0xFDFCFA,
                   0xF7E9DD, 0xB99D7F, ssWin7},
        PresetCase{gsOffice2007Luna, glOffice2007, 0xFBF9F6, None, 0x9DD8F9, 0x5EC1F1, 0, 0xF1EDEB, 0xD1BBA4,
                   0xFBF9F6, None, 0xB99D7F, ssOffice2007},
        PresetCase{gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0xFFDBB7, 0, 0xC0C0C0, 0x444444,
                   0x6A6A6A, 0x6A6A6A, 0xB99D7F, ssDefault},
        PresetCase{gsWindows10, glOffice2007, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xDAA026, 0xFFFFFF, 0xDCDBDA, 0xDCDBDA,
                   0xF7F6F5, 0xF7F6F5, 0xE4E3E2, ssDefault},
        PresetCase{gsOffice2016Black, glOffice2007, 0x252525, 0x252525, 0x646464, 0xC6C6C6, 0, 0xD4D4D4, 0xB0B0B0,
                   0x252525, 0x252525, 0x999999, ssDefault}));

TEST_F(ExtGridStylesTest, CustomStyleResetsOnlySelectionSortFontsAndControlLook)
{
    Grid->SetGridLineColor(0x111111);
    Grid->SetActiveCellColor(0x222222);
    Grid->SetJyxGradientFrom(0x333333);
    Grid->SetSelectionColor(0x444444);
    Grid->SetSelectionStyle(ssWin7);
    Grid->SortSettings().SetHeaderColor(0x555555);
    Grid->FixedFont().SetColor(0x666666);
    Grid->ActiveCellFont().SetColor(0x777777);
    Grid->ControlLook().SetFixedGradientHoverFrom(0x888888);
    Grid->SetStyle(gsCustom);
    EXPECT_EQ(Grid->SelectionColor(), gfx::clHighlight);
    EXPECT_EQ(Grid->SelectionTextColor(), gfx::clHighlightText);
    EXPECT_EQ(Grid->SelectionStyle(), ssDefault);
    EXPECT_EQ(Grid->SortSettings().HeaderColor(), None);
    EXPECT_EQ(Grid->FixedFont().Color(), gfx::clBlack);
    EXPECT_EQ(Grid->ActiveCellFont().Color(), gfx::clWindowText);
    EXPECT_EQ(Grid->ControlLook().FixedGradientHoverFrom(), 0x808080u);
    EXPECT_EQ(Grid->GridLineColor(), 0x111111u);
    EXPECT_EQ(Grid->ActiveCellColor(), 0x222222u);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0x333333u);
    EXPECT_EQ(Grid->Look(), glXP);
}

TEST_F(ExtGridStylesTest, TerminalStyleGivesTheStandardLook)
{
    Grid->SetStyle(gsTerminal);
    EXPECT_EQ(Grid->Look(), glStandard);
    EXPECT_EQ(Grid->SelectionColor(), gfx::clHighlight);
    EXPECT_EQ(Grid->SelectionTextColor(), gfx::clHighlightText);
    EXPECT_EQ(Grid->FixedColor(), gfx::clBtnFace);
}

TEST_F(ExtGridStylesTest, ComponentStyleLeavesTheThinScrollControlsUnlessCustom)
{
    Form->Show();
    Grid->SetScrollType(ssMetro);
    Grid->SetComponentStyle(tsCustom);
    EXPECT_EQ(Grid->ScrollType(), ssMetro);
    EXPECT_EQ(Grid->Style(), tsCustom);
    Grid->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Grid->ScrollType(), ssNormal);
    EXPECT_EQ(Grid->vscrlctrl(), nullptr);
}

TEST_F(ExtGridStylesTest, ComponentStyleIsRememberedEvenWhenItsPresetPassesThroughTheLooksOwnStyle)
{
    // tsOffice2010Blue changes the look to glOffice2007, whose setter applies Luna first.
    Grid->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Grid->Look(), glOffice2007);
    EXPECT_EQ(Grid->Style(), tsOffice2010Blue);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0xF5E7DAu);
}

TEST_F(ExtGridStylesTest, Office2016WhiteDerivesHoverAndDownColoursFromTheApplicationColour)
{
    Grid->SetComponentStyle(tsOffice2016White);
    EXPECT_EQ(Grid->JyxGradientHoverFrom(), 0xFFFFFFu);
    EXPECT_EQ(Grid->JyxGradientDownMirrorTo(), 0xFFFFFFu);
    EXPECT_EQ(Grid->JyxGradientHoverBorder(), 0xB1B1B1u);
    Grid->SetComponentStyleAndAppColor(tsOffice2016White, 0x404040);
    EXPECT_EQ(Grid->JyxGradientHoverFrom(), 0x666666u);
    EXPECT_EQ(Grid->ControlLook().FixedGradientHoverMirrorTo(), 0x666666u);
    EXPECT_EQ(Grid->JyxGradientDownFrom(), 0x4D4D4Du);
    EXPECT_EQ(Grid->JyxGradientDownBorder(), 0xABABABu);
    EXPECT_EQ(Grid->ActiveCellFont().Color(), 0x404040u);
}

TEST_F(ExtGridStylesTest, ObsidianKeepsLunasHoverColoursOnlyWhenItChangesTheLook)
{
    Grid->SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(Grid->Look(), glOffice2007);
    EXPECT_EQ(Grid->ControlLook().FixedGradientHoverFrom(), 0xE4E2DFu);
    EXPECT_EQ(Grid->JyxGradientDownBorder(), 0xE4C19Du);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0xF7F7F7u);
    Grid->SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(Grid->ControlLook().FixedGradientHoverFrom(), 0x808080u);
    EXPECT_EQ(Grid->ControlLook().FixedGradientDownBorder(), 0x808080u);
}

TEST_F(ExtGridStylesTest, StyleChangedRunsOnlyForAGridWithAWindow)
{
    auto* grid = new TCountingGrid(Form);
    grid->SetComponentStyle(tsWindows7);
    EXPECT_EQ(grid->Changes, 0);
    grid->SetParent(Form);
    Form->Show();
    grid->SetComponentStyle(tsWindows7);
    EXPECT_EQ(grid->Changes, 1);
}

TEST_F(ExtGridStylesTest, PresetGridLinesArePainted)
{
    Grid->SetStyle(gsOffice2013Gray);
    Form->Show();
    const rtl::TRect r = Grid->CellRect(2, 2);
    EXPECT_EQ(Pixel(r.Right - 1, (r.Top + r.Bottom) / 2), 0xABABABu);
    EXPECT_EQ(Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), gfx::clWhite);
}

TEST_F(ExtGridStylesTest, SettingTheCurrentLookChangesNothing)
{
    Grid->SetLook(glStandard);
    Grid->SetGridLineColor(0x010203);
    Grid->SetSelectionColor(0x040506);
    Grid->SetLook(glStandard);
    EXPECT_EQ(Grid->GridLineColor(), 0x010203u);
    EXPECT_EQ(Grid->SelectionColor(), 0x040506u);
}

TEST_F(ExtGridStylesTest, CustomLookKeepsColoursButSwitchesToNormalScrollBars)
{
    Form->Show();
    Grid->SetScrollType(ssMetro);
    Grid->SetGridLineColor(0x010203);
    Grid->SetJyxGradientFrom(0x070809);
    Grid->SetBorderColor(0x0A0B0C);
    Grid->SetLook(glCustom);
    EXPECT_EQ(Grid->GridLineColor(), 0x010203u);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0x070809u);
    EXPECT_EQ(Grid->BorderColor(), 0x0A0B0Cu);
    EXPECT_EQ(Grid->ScrollType(), ssNormal);
}

TEST_F(ExtGridStylesTest, LookWhileLoadingOnlyClearsTheGradients)
{
    Grid->SetGridLineColor(0x010203);
    Grid->SetSelectionColor(0x040506);
    Grid->BeginLoading();
    Grid->SetLook(glStandard);
    EXPECT_EQ(Grid->GridLineColor(), 0x010203u);
    EXPECT_EQ(Grid->SelectionColor(), 0x040506u);
    EXPECT_EQ(Grid->JyxGradientFrom(), None);
    EXPECT_EQ(Grid->JyxGradientTo(), None);
    EXPECT_EQ(Grid->SortSettings().HeaderColor(), None);
}

TEST_F(ExtGridStylesTest, XPLookSetsItsHeaderAndSelectionColours)
{
    Grid->SetLook(glStandard);
    Grid->SetLook(glXP);
    EXPECT_EQ(Grid->ActiveCellColor(), 0xEACAB6u);
    EXPECT_EQ(Grid->SelectionColor(), 0xEACAB6u);
    EXPECT_EQ(Grid->SelectionTextColor(), 0u);
    EXPECT_EQ(Grid->GridLineColor(), 0xC0C0C0u);
    EXPECT_EQ(Grid->GridFixedLineColor(), 0x808080u);
    EXPECT_EQ(Grid->ControlLook().FixedGradientFrom(), 0xFFFFFFu);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0xFFFFFFu);
    EXPECT_EQ(Grid->JyxGradientHoverFrom(), 0xCFD0D1u);
    EXPECT_EQ(Grid->JyxGradientDownMirrorTo(), 0x627376u);
    EXPECT_EQ(Grid->SelectionStyle(), ssDefault);
}

TEST_F(ExtGridStylesTest, ColorTonesGiveAFlatMetroGridPaintedInTheTones)
{
    TColorTones tones;
    tones.Background = {0xF0E0D0, 0x102030, 0x202020};
    tones.Foreground = {0x806040, 0x000000, 0xFFFFFF};
    tones.Selected = {0x0000C0, 0, 0xFFFFFF};
    Form->Show();
    Grid->SetColorTones(tones);
    EXPECT_EQ(Grid->Look(), glClassic);
    EXPECT_TRUE(Grid->Flat());
    EXPECT_EQ(Grid->ScrollType(), ssMetro);
    EXPECT_NE(Grid->vscrlctrl(), nullptr);
    EXPECT_EQ(Grid->ColorTones().Background.BrushColor, 0xF0E0D0u);
    EXPECT_EQ(Grid->FixedFont().Color(), 0xFFFFFFu);
    EXPECT_EQ(Grid->Font().Color(), 0x202020u);
    EXPECT_EQ(Grid->SelectionColor(), 0x0000C0u);
    EXPECT_EQ(Grid->GridLineColor(), 0xE6E6E6u);
    EXPECT_EQ(Grid->BorderStyle(), ui::bsNone);
    EXPECT_EQ(Grid->ControlLook().ControlStyle(), csGlyph);
    gfx::TBitmap& on = Grid->ControlLook().CheckedGlyph();
    gfx::TBitmap& off = Grid->ControlLook().UnCheckedGlyph();
    ASSERT_EQ(on.Width(), 16);
    EXPECT_EQ(Grid->ControlLook().RadioOnGlyph().Width(), 16);
    EXPECT_NE(on.Canvas().Pixels(6, 10), off.Canvas().Pixels(6, 10));
    EXPECT_EQ(on.Canvas().Pixels(2, 2), off.Canvas().Pixels(2, 2));
    EXPECT_TRUE(Grid->ControlLook().FlatButton());
    EXPECT_EQ(Grid->SearchFooter().Color(), 0x806040u);
    EXPECT_EQ(Grid->CellNode().NodeType(), cnFlat);
    const rtl::TRect cell = Grid->CellRect(2, 3);
    EXPECT_EQ(Pixel((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2), 0xF0E0D0u);
    const rtl::TRect fixed = Grid->CellRect(2, 0);
    EXPECT_EQ(Pixel(fixed.Left + 3, fixed.Top + 3), 0x806040u);
}

TEST_F(ExtGridStylesTest, XPColourSchemesSetHeaderActiveCellAndFooterColours)
{
    Grid->SetTheme(xpGreen);
    EXPECT_EQ(Grid->JyxGradientFrom(), 0xCFF0EAu);
    EXPECT_EQ(Grid->JyxGradientTo(), 0x8CC0B1u);
    EXPECT_EQ(Grid->JyxGradientMirrorFrom(), None);
    EXPECT_EQ(Grid->ActiveCellColor(), 0x94E6FBu);
    EXPECT_EQ(Grid->ControlLook().FixedGradientTo(), 0x8CC0B1u);
    EXPECT_EQ(Grid->SearchFooter().ColorTo(), 0x8CC0B1u);
    Grid->SetTheme(vistaAero);
    EXPECT_EQ(Grid->JyxGradientMirrorTo(), 0xF4F2F1u);
    EXPECT_EQ(Grid->SearchFooter().Color(), 0xECE2E1u);
    Grid->SetTheme(xpNone);
    EXPECT_EQ(Grid->ActiveCellColor(), 0xFFFFFFu);
    EXPECT_EQ(Grid->ActiveCellColorTo(), 0xFFD9B3u);
    EXPECT_EQ(Grid->JyxGradientTo(), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(Grid->JyxGradientMirrorTo(), None);
    EXPECT_EQ(Grid->ControlLook().FixedGradientFrom(), None);
    EXPECT_EQ(Grid->SearchFooter().ColorTo(), 0xFFD9B3u);
}

TEST_F(ExtGridStylesTest, OfficeThemeIsAppliedOncePerDetectedTheme)
{
    testsupport::TempDir dir;
    const std::string previous = rtl::RegistryFileName();
    rtl::SetRegistryFileName(dir.File("registry"));
    const std::string key = "Software\\Microsoft\\Office\\16.0\\Common";
    auto theme = [&](int value) {
        rtl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key, true));
        reg.WriteInteger("UI Theme", value);
    };
    theme(5);
    Grid->SetAutoThemeAdapt(true);
    EXPECT_EQ(Grid->Style(), tsOffice2016Gray);
    EXPECT_EQ(Grid->FixedFont().Color(), 0xFFFFFFu);
    Grid->SetComponentStyle(tsWindows7);
    Grid->ApplyOfficeTheme();
    EXPECT_EQ(Grid->Style(), tsWindows7);
    theme(2);
    Grid->ApplyOfficeTheme();
    EXPECT_EQ(Grid->Style(), tsOffice2016Black);
    rtl::SetRegistryFileName(previous);
}
