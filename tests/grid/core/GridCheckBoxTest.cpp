// The grid check box driven through real mouse and key messages, painted on real pixels.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/GridCheckBox.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Forms.h"

namespace {

using grid::TExtCheckBox;
using ui::THeadlessBackend;

class GridCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 300, 200);
        Form->SetColor(gfx::clWhite);
        Box = new TExtCheckBox(Form);
        Box->SetParent(Form);
        Box->SetBounds(20, 20, 120, 20);
        Box->SetTabStop(true);
        Box->SetCaption("Match case");
        Box->OnClick = [this](rtl::TObject*) { ++Clicks; };
        Form->Show();
        Paint();
    }
    void TearDown() override
    {
        App.reset();
        if (grid::VisualStylesLibraryLoaded()) grid::UnloadVisualStylesLibrary();
        gfx::SetThemesActive(false);
    }
    void Paint() { Form->PaintPending(); }
    gfx::TColor Pixel(int x, int y)
    {
        Paint();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(Box, x, y));
    }
    // The box's pixels must equal those of a reference drawing of the same part.
    void ExpectBoxLike(const gfx::TBitmap& reference, rtl::TPoint at, const char* what)
    {
        Paint();
        for (int y = 0; y < reference.Height(); ++y)
            for (int x = 0; x < reference.Width(); ++x)
                ASSERT_EQ(THeadlessBackend::Pixel(Box, at.X + x, at.Y + y), reference.Canvas().Pixels(x, y))
                    << what << " at " << x << "," << y;
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtCheckBox* Box = nullptr;
    int Clicks = 0;
};

gfx::TBitmap ClassicBox(unsigned flags)
{
    gfx::TBitmap b(13, 13);
    b.SetPixelFormat(gfx::pf24bit);
    rtl::TRect r = rtl::Rect(0, 0, 13, 13);
    gfx::DrawFrameControl(b.Canvas(), r, gfx::DFC_BUTTON, gfx::DFCS_BUTTONCHECK | flags);
    return b;
}

gfx::TBitmap ThemedBox(gfx::TThemedState state, int checkState)
{
    gfx::TBitmap b(14, 14);
    b.SetPixelFormat(gfx::pf24bit);
    gfx::DrawThemedCheckBox(b.Canvas(), rtl::Rect(0, 0, 14, 14), state, checkState);
    return b;
}

TEST(GridCheckBoxDefaultsTest, NewCheckBoxShowsItsClassNameAsCaption)
{
    TExtCheckBox box(nullptr);
    EXPECT_EQ(box.Caption(), "TExtCheckBox");
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.State(), ui::cbUnchecked);
    EXPECT_FALSE(box.ControlStyle() & ui::csClickEvents);
    box.SetCaption("Match case");
    EXPECT_EQ(box.Caption(), "Match case");
}

// --- input ---

TEST_F(GridCheckBoxTest, ClickTogglesTakesTheFocusAndRaisesOnClick)
{
    THeadlessBackend::Click(Box, 5, 10);
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Clicks, 1);
    THeadlessBackend::Click(Box, 60, 10);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(GridCheckBoxTest, PressFollowsThePointerAndAReleaseOutsideLeavesTheState)
{
    THeadlessBackend::MouseDown(Box, 5, 10);
    EXPECT_TRUE(Box->Down());
    THeadlessBackend::MouseMove(Box, 200, 10);
    EXPECT_FALSE(Box->Down());
    THeadlessBackend::MouseMove(Box, 5, 10);
    EXPECT_TRUE(Box->Down());
    THeadlessBackend::MouseUp(Box, 200, 10);
    EXPECT_FALSE(Box->Down());
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 0);
}

TEST_F(GridCheckBoxTest, ReadOnlyBoxKeepsItsStateButStillClicks)
{
    Box->SetReadOnly(true);
    THeadlessBackend::Click(Box, 5, 10);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 1);
    Box->Toggle();
    EXPECT_FALSE(Box->Checked());
}

TEST_F(GridCheckBoxTest, SpaceBarPressesThenTogglesOnRelease)
{
    Box->SetFocus();
    THeadlessBackend::KeyDown(ui::VK_SPACE);
    EXPECT_TRUE(Box->Down());
    EXPECT_FALSE(Box->Checked());
    THeadlessBackend::KeyUp(ui::VK_SPACE);
    EXPECT_FALSE(Box->Down());
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 1);
    THeadlessBackend::PressKey(ui::VK_SPACE);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(GridCheckBoxTest, CheckedAndStateFromCodeRaiseNoClick)
{
    Box->SetChecked(true);
    EXPECT_EQ(Box->State(), ui::cbChecked);
    Box->SetState(ui::cbGrayed);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 0);
}

TEST_F(GridCheckBoxTest, AcceleratorTogglesAndFocuses)
{
    Box->SetCaption("&Match case");
    EXPECT_NE(Form->Perform(ui::CM_DIALOGCHAR, 'm', 0), 0);
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
}

TEST_F(GridCheckBoxTest, ReturnActsAsTabWhenAsked)
{
    auto* next = new TExtCheckBox(Form);
    next->SetParent(Form);
    next->SetBounds(20, 60, 120, 20);
    next->SetTabStop(true);
    Box->SetReturnIsTab(true);
    Box->SetFocus();
    THeadlessBackend::PressKey(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_TRUE(next->Focused());
}

TEST_F(GridCheckBoxTest, HoverSetsHot)
{
    THeadlessBackend::MouseMove(Box, 5, 10);
    EXPECT_TRUE(Box->Hot());
    THeadlessBackend::MouseMove(Form, 250, 150);
    EXPECT_FALSE(Box->Hot());
}

// --- painting ---

TEST_F(GridCheckBoxTest, ClassicBoxShowsCheckedUncheckedAndInactiveFrames)
{
    ExpectBoxLike(ClassicBox(0), {0, 4}, "unchecked");
    Box->SetChecked(true);
    ExpectBoxLike(ClassicBox(gfx::DFCS_CHECKED), {0, 4}, "checked");
    Box->SetEnabled(false);
    ExpectBoxLike(ClassicBox(gfx::DFCS_CHECKED | gfx::DFCS_INACTIVE), {0, 4}, "disabled");
    Box->SetEnabled(true);
    Box->SetState(ui::cbGrayed);
    ExpectBoxLike(ClassicBox(gfx::DFCS_INACTIVE), {0, 4}, "grayed");
    Box->SetAlignment(ui::taRight);
    Box->SetButtonVertAlign(ui::tlBottom);
    ExpectBoxLike(ClassicBox(gfx::DFCS_INACTIVE), {120 - 13, 20 - 17}, "right, bottom");
}

TEST_F(GridCheckBoxTest, ThemedBoxFollowsHotPressedAndDisabledStates)
{
    gfx::SetThemesActive(true);
    grid::LoadVisualStylesLibrary();
    ASSERT_TRUE(grid::IsThemedXPApp());
    Box->Invalidate();
    ExpectBoxLike(ThemedBox(gfx::tsNormal, 0), {0, 4}, "normal");
    THeadlessBackend::MouseMove(Box, 5, 10);
    ExpectBoxLike(ThemedBox(gfx::tsHot, 0), {0, 4}, "hot");
    THeadlessBackend::MouseDown(Box, 5, 10);
    ExpectBoxLike(ThemedBox(gfx::tsPressed, 0), {0, 4}, "pressed");
    THeadlessBackend::MouseUp(Box, 5, 10);
    ExpectBoxLike(ThemedBox(gfx::tsHot, 1), {0, 4}, "checked hot");
    Box->SetEnabled(false);
    ExpectBoxLike(ThemedBox(gfx::tsDisabled, 1), {0, 4}, "checked disabled");
    Box->SetButtonVertAlign(ui::tlCenter);
    ExpectBoxLike(ThemedBox(gfx::tsDisabled, 1), {0, 20 / 2 - 6}, "centred");
}

// Caption right of the box in black, grey when disabled; a focus frame around it when focused.
TEST_F(GridCheckBoxTest, CaptionIsDrawnBesideTheBoxAndGreyWhenDisabled)
{
    auto darkest = [&](gfx::TColor& found) {
        Paint();
        int best = 256 * 3;
        for (int y = 4; y < 20; ++y)
            for (int x = 17; x < 100; ++x) {
                const auto c = static_cast<gfx::TColor>(THeadlessBackend::Pixel(Box, x, y));
                const int sum = gfx::GetRValue(c) + gfx::GetGValue(c) + gfx::GetBValue(c);
                if (sum < best) {
                    best = sum;
                    found = c;
                }
            }
        return best;
    };
    gfx::TColor c = 0;
    EXPECT_EQ(darkest(c), 0);
    Box->SetEnabled(false);
    darkest(c);
    EXPECT_EQ(c, gfx::TColor(0x808080));
    Box->SetEnabled(true);
    // The focus frame's left edge runs 2 pixels left of the caption.
    auto frameDots = [&] {
        int dots = 0;
        for (int y = 4; y < 20; ++y) dots += Pixel(15, y) != gfx::clWhite;
        return dots;
    };
    EXPECT_EQ(frameDots(), 0);
    Box->SetFocus();
    EXPECT_GT(frameDots(), 3);
}

TEST_F(GridCheckBoxTest, TransparentBoxShowsTheParentBehindIt)
{
    Box->SetColor(gfx::clYellow);
    EXPECT_EQ(Pixel(110, 2), gfx::clYellow);
    Box->SetTransparent(true);
    EXPECT_EQ(Pixel(110, 2), gfx::clWhite);
    Box->SetTransparent(false);
    EXPECT_EQ(Pixel(110, 2), gfx::clYellow);
}

}  // namespace
