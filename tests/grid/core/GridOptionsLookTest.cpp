// Tests of the control look: start values, setters that reach the grid, and copying.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class ControlLookTest : public gridtest::GridInAppTest {
};

struct TValueCase {
    const char* Name;
    std::function<long long(const TControlLook&)> Get;
    long long Expected;
};

}  // namespace

TEST_F(ControlLookTest, StartValues)
{
    const TControlLook& l = Grid->ControlLook();
    const TValueCase cases[] = {
        {"ControlStyle", [](const TControlLook& x) { return x.ControlStyle(); }, csTheme},
        {"CheckSize", [](const TControlLook& x) { return x.CheckSize(); }, 15},
        {"RadioSize", [](const TControlLook& x) { return x.RadioSize(); }, 10},
        {"Color", [](const TControlLook& x) { return x.Color(); }, 0},
        {"CommentColor", [](const TControlLook& x) { return x.CommentColor(); }, 0x0000FF},
        {"DropDownButtonWidth", [](const TControlLook& x) { return x.DropDownButtonWidth(); }, 16},
        {"DropDownCount", [](const TControlLook& x) { return x.DropDownCount(); }, 8},
        {"HintMaxWidth", [](const TControlLook& x) { return x.HintMaxWidth(); }, 0},
        {"ProgressBorderColor", [](const TControlLook& x) { return x.ProgressBorderColor(); }, 0x808080},
        {"ProgressMarginX", [](const TControlLook& x) { return x.ProgressMarginX(); }, 2},
        {"ProgressMarginY", [](const TControlLook& x) { return x.ProgressMarginY(); }, 2},
        {"ProgressHeight", [](const TControlLook& x) { return x.ProgressHeight(); }, 0},
        {"FlatButton", [](const TControlLook& x) { return x.FlatButton(); }, 0},
        {"ProgressXP", [](const TControlLook& x) { return x.ProgressXP(); }, 0},
        {"DropDownAlwaysVisible", [](const TControlLook& x) { return x.DropDownAlwaysVisible(); }, 0},
        {"FixedGradientFrom", [](const TControlLook& x) { return x.FixedGradientFrom(); }, gfx::clNone},
        {"FixedGradientMirrorTo", [](const TControlLook& x) { return x.FixedGradientMirrorTo(); }, gfx::clNone},
        {"FixedGradientHoverFrom", [](const TControlLook& x) { return x.FixedGradientHoverFrom(); }, 0x808080},
        {"FixedGradientHoverTo", [](const TControlLook& x) { return x.FixedGradientHoverTo(); }, 0xFFFFFF},
        {"FixedGradientHoverMirrorFrom", [](const TControlLook& x) { return x.FixedGradientHoverMirrorFrom(); }, gfx::clNone},
        {"FixedGradientHoverBorder", [](const TControlLook& x) { return x.FixedGradientHoverBorder(); }, 0xC0C0C0},
        {"FixedGradientDownFrom", [](const TControlLook& x) { return x.FixedGradientDownFrom(); }, 0x808080},
        {"FixedGradientDownTo", [](const TControlLook& x) { return x.FixedGradientDownTo(); }, 0xC0C0C0},
        {"FixedGradientDownBorder", [](const TControlLook& x) { return x.FixedGradientDownBorder(); }, 0x808080},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Get(l), c.Expected) << c.Name;
    EXPECT_TRUE(l.CheckedGlyph().Empty());
    EXPECT_EQ(l.DropDownHeader().Owner(), Grid.get());
    EXPECT_EQ(l.DropDownFooter().ClassName(), "TFooterAppearance");
}

TEST_F(ControlLookTest, JyxStyleReadsCheckSize16AndKeepsTheStoredSize)
{
    TControlLook& l = Grid->ControlLook();
    l.SetCheckSize(20);
    l.SetControlStyle(csJyx);
    EXPECT_EQ(l.CheckSize(), 16);
    l.SetControlStyle(csFlat);
    EXPECT_EQ(l.CheckSize(), 20);
}

TEST_F(ControlLookTest, NegativeProgressHeightIsIgnored)
{
    TControlLook& l = Grid->ControlLook();
    l.SetProgressHeight(6);
    l.SetProgressHeight(-3);
    EXPECT_EQ(l.ProgressHeight(), 6);
}

TEST_F(ControlLookTest, FixedGradientReachesTheGridExceptNoneForFromAndTo)
{
    TControlLook& l = Grid->ControlLook();
    l.SetFixedGradientFrom(gfx::clRed);
    EXPECT_EQ(Grid->JyxGradientFrom(), gfx::clRed);
    l.SetFixedGradientFrom(gfx::clNone);
    EXPECT_EQ(l.FixedGradientFrom(), gfx::clNone);
    EXPECT_EQ(Grid->JyxGradientFrom(), gfx::clRed);
    Grid->SetJyxGradientMirrorFrom(gfx::clBlue);
    l.SetFixedGradientMirrorFrom(gfx::clNone);
    EXPECT_EQ(Grid->JyxGradientMirrorFrom(), gfx::clNone);
}

TEST_F(ControlLookTest, AssignCopiesItsListAndLeavesTheRestAndTheGrid)
{
    TControlLook src(nullptr);
    src.SetFixedGradientHoverFrom(gfx::clRed);
    src.SetFixedGradientHoverTo(gfx::clBlue);
    src.SetFixedGradientFrom(gfx::clLime);
    src.SetCheckSize(20);
    src.SetControlStyle(csJyx);
    src.SetDropDownCount(12);
    src.SetFlatButton(true);
    src.SetFixedDropDownButton(true);
    src.DropDownHeader().SetColor(gfx::clAqua);
    gfx::TBitmap glyph(4, 3);
    src.SetCheckedGlyph(&glyph);
    gfx::TColor gridFrom = Grid->JyxGradientFrom();

    TControlLook& l = Grid->ControlLook();
    l.Assign(&src);
    EXPECT_EQ(l.FixedGradientHoverFrom(), gfx::clRed);
    EXPECT_EQ(l.FixedGradientHoverTo(), gfx::clBlue);
    EXPECT_EQ(l.FixedGradientFrom(), gfx::clLime);
    EXPECT_EQ(Grid->JyxGradientFrom(), gridFrom);
    // The size as the source reads it: 16 from a csJyx look.
    EXPECT_EQ(l.ControlStyle(), csJyx);
    l.SetControlStyle(csFlat);
    EXPECT_EQ(l.CheckSize(), 16);
    EXPECT_EQ(l.DropDownCount(), 12);
    EXPECT_EQ(l.DropDownHeader().Color(), gfx::clAqua);
    EXPECT_EQ(l.CheckedGlyph().Width(), 4);
    EXPECT_FALSE(l.FlatButton());
    EXPECT_FALSE(l.FixedDropDownButton());

    TBalloonSettings other;
    l.SetDropDownCount(5);
    l.Assign(&other);
    EXPECT_EQ(l.DropDownCount(), 5);
}
