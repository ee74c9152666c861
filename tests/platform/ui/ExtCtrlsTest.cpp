// Panels (bevels, caption, aligned children), images (stretch, proportions, click, hint) and speed buttons.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ExtCtrls.h"

namespace {

using namespace ui;
using uitest::UiTest;

TEST_F(UiTest, PanelDrawsItsBevelsAndKeepsAlignedChildrenInside)
{
    auto* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 120, 60);
    auto* inner = new TPanel(form);
    inner->SetParent(panel);
    inner->SetAlign(alClient);
    form->Show();
    App->ProcessMessages();
    EXPECT_EQ(inner->BoundsRect(), rtl::Rect(1, 1, 119, 59));
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 0, 0), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 119, 59), gfx::ColorToRGB(gfx::clBtnShadow));
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    App->ProcessMessages();
    EXPECT_EQ(inner->BoundsRect(), rtl::Rect(2, 2, 118, 58));
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 0, 0), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 1, 1), gfx::ColorToRGB(gfx::clBtnHighlight));
}

TEST_F(UiTest, PanelWithAHugeBevelOrBorderPaintsAtOnceAndLeavesNoRoomInside)
{
    auto* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 120, 60);
    auto* inner = new TPanel(form);
    inner->SetParent(panel);
    inner->SetAlign(alClient);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2000000000);
    panel->SetBorderWidth(2000000000);
    form->Show();
    App->ProcessMessages();
    EXPECT_LE(inner->Width(), 0);
    EXPECT_LE(inner->Height(), 0);
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 0, 0), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 119, 59), gfx::ColorToRGB(gfx::clBtnShadow));
}

TEST_F(UiTest, ImageStretchesCentresAndKeepsProportions)
{
    auto* form = NewForm();
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 100, 50);
    gfx::TBitmap bitmap;
    bitmap.SetWidth(20);
    bitmap.SetHeight(20);
    bitmap.Canvas().Brush().SetColor(gfx::clRed);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, 20, 20));
    bitmap.Canvas().Changed();
    image->Picture().SetGraphic(&bitmap);
    EXPECT_EQ(image->DestRect(), rtl::Rect(0, 0, 20, 20));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), rtl::Rect(40, 15, 60, 35));
    image->SetStretch(true);
    image->SetProportional(true);
    EXPECT_EQ(image->DestRect(), rtl::Rect(25, 0, 75, 50));
    image->SetProportional(false);
    EXPECT_EQ(image->DestRect(), rtl::Rect(0, 0, 100, 50));
    form->Show();
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(image, 95, 45), gfx::clRed);
    int clicks = 0;
    image->OnClick = [&](rtl::TObject*) { ++clicks; };
    THeadlessBackend::Click(image, 50, 25);
    EXPECT_EQ(clicks, 1);
}

TEST_F(UiTest, ImageShowsItsHint)
{
    TManualClock clock;
    SetMonotonicClock(&clock);
    auto* form = NewForm();
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetHint("Mégsem");
    image->SetShowHint(true);
    form->Show();
    THeadlessBackend::MouseMove(image, 5, 5);
    clock.Advance(App->HintPause());
    App->ProcessMessages();
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_TRUE(App->HintWindow()->Visible());
    EXPECT_EQ(App->HintWindow()->Caption(), "Mégsem");
}

TEST_F(UiTest, GroupedSpeedButtonsStayDownOneAtATime)
{
    auto* form = NewForm();
    auto* a = new TSpeedButton(form);
    auto* b = new TSpeedButton(form);
    for (auto* s : {a, b}) {
        s->SetParent(form);
        s->SetGroupIndex(1);
    }
    b->SetLeft(30);
    int clicks = 0;
    a->OnClick = [&](rtl::TObject*) { ++clicks; };
    form->Show();
    TWinControl* focused = FocusedControl();
    THeadlessBackend::Click(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicks, 1);
    THeadlessBackend::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    THeadlessBackend::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());  // without AllowAllUp the down one stays down
    EXPECT_EQ(FocusedControl(), focused);  // pressing a speed button leaves the focus where it was
}

}  // namespace
