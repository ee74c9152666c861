// The pop-up window service: activation chain, deactivation, corner sizing, the screen model.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/ScreenModel.h"

namespace {

using namespace ui;
using uitest::TTestButton;

class PopupWindowTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Owner = NewForm(300, 200);
        Edit = new TTestButton(Owner);
        Edit->SetParent(Owner);
        Edit->SetBounds(20, 20, 120, 22);
        Owner->Show();
        App->ActivateForm(Owner);
        Popup = new TPopupWindow(App.get());
        Popup->SetOwnerControl(Edit);
        Content = new TTestButton(Popup);
        Content->SetParent(Popup);
        Content->SetBounds(4, 4, 60, 20);
        Popup->OnPopupDeactivate = [this](rtl::TObject*, TPopupDeactivation reason) {
            Reasons.push_back(reason);
            Popup->ClosePopup();
        };
    }
    void TearDown() override
    {
        SetScreenMonitors({});
        UiTest::TearDown();
    }
    TForm* Owner = nullptr;
    TTestButton* Edit = nullptr;
    TPopupWindow* Popup = nullptr;
    TTestButton* Content = nullptr;
    std::vector<TPopupDeactivation> Reasons;
};

TEST_F(PopupWindowTest, OpensAsTopLevelWindowWithKeyboardAndClosesGivingItBack)
{
    Popup->Popup(rtl::Bounds(100, 120, 150, 80), Content);
    EXPECT_TRUE(Popup->PoppedUp());
    EXPECT_TRUE(Popup->TopMost());
    EXPECT_EQ(Popup->BorderStyle(), bsNone);
    EXPECT_EQ(Popup->BoundsRect(), rtl::Bounds(100, 120, 150, 80));
    EXPECT_EQ(App->ActiveForm(), Popup);
    EXPECT_EQ(TInputRouter::Focus(), Content);
    EXPECT_NE(std::find(Backend->ShownWindows().begin(), Backend->ShownWindows().end(), Popup),
              Backend->ShownWindows().end());

    Popup->ClosePopup();
    EXPECT_FALSE(Popup->PoppedUp());
    EXPECT_EQ(App->ActiveForm(), Owner);
    EXPECT_TRUE(Reasons.empty());
}

TEST_F(PopupWindowTest, PressOnItsOwnControlKeepsItOpenPressElsewhereDeactivatesIt)
{
    Popup->Popup(rtl::Bounds(100, 120, 150, 80), Content);
    THeadlessBackend::Click(Content, 5, 5);
    EXPECT_TRUE(Popup->PoppedUp());
    EXPECT_TRUE(Reasons.empty());

    THeadlessBackend::Click(Edit, 5, 5);
    EXPECT_FALSE(Popup->PoppedUp());
    ASSERT_EQ(Reasons.size(), 1u);
    EXPECT_EQ(Reasons[0], pdOtherWindowActivated);
}

TEST_F(PopupWindowTest, DeactivationRecordsTickAndWithoutHandlerHidesItself)
{
    TManualClock clock(5000);
    SetMonotonicClock(&clock);
    Popup->OnPopupDeactivate = nullptr;
    Popup->Popup(rtl::Bounds(100, 120, 150, 80));
    clock.Advance(40);
    App->ActivateForm(Owner);
    EXPECT_FALSE(Popup->PoppedUp());
    EXPECT_EQ(Popup->LastDeactivationTick(), 5040);
}

TEST_F(PopupWindowTest, ApplicationLosingFocusDeactivatesIt)
{
    Popup->Popup(rtl::Bounds(100, 120, 150, 80));
    Popup->Perform(WM_ACTIVATEAPP, 0, 0);
    EXPECT_FALSE(Popup->PoppedUp());
    ASSERT_EQ(Reasons.size(), 1u);
    EXPECT_EQ(Reasons[0], pdApplicationInactive);
}

TEST_F(PopupWindowTest, PopupOpenedFromInsideKeepsTheFirstOpen)
{
    Popup->Popup(rtl::Bounds(100, 120, 150, 80), Content);
    auto* inner = new TPopupWindow(App.get());
    inner->SetOwnerControl(Content);
    EXPECT_TRUE(inner->InChain(inner));
    EXPECT_TRUE(Popup->InChain(inner));
    EXPECT_FALSE(Popup->InChain(Edit));
    inner->Popup(rtl::Bounds(120, 220, 60, 60));
    EXPECT_TRUE(Popup->PoppedUp());
    EXPECT_TRUE(Reasons.empty());
}

TEST_F(PopupWindowTest, SizedFromBottomRightCornerWithinConstraints)
{
    Popup->SetSizeConstraints(80, 50, 400, 300);
    Popup->Popup(rtl::Bounds(100, 120, 20, 10));
    EXPECT_EQ(Popup->Width(), 80);
    EXPECT_EQ(Popup->Height(), 50);

    struct Drag {
        int dx, dy, width, height;
    };
    for (const Drag& d : {Drag{30, 20, 110, 70}, Drag{-100, -100, 80, 50}, Drag{900, 900, 400, 300}}) {
        Popup->SetBounds(100, 120, 80, 50);
        SetCursorPosState({179, 169});
        Popup->Perform(TPopupWindow::NcLeftButtonDown, TPopupWindow::HitBottomRight, 0);
        EXPECT_TRUE(Popup->Sizing());
        THeadlessBackend::MouseMove(Popup, 79 + d.dx, 49 + d.dy);
        THeadlessBackend::MouseUp(Popup, 79 + d.dx, 49 + d.dy);
        EXPECT_FALSE(Popup->Sizing());
        EXPECT_EQ(Popup->Width(), d.width) << d.dx;
        EXPECT_EQ(Popup->Height(), d.height) << d.dy;
        EXPECT_EQ(Popup->Left(), 100);
        EXPECT_EQ(Popup->Top(), 120);
    }
}

TEST_F(PopupWindowTest, ScreenModelIsReplaceableAndFindsNearestMonitor)
{
    ASSERT_EQ(ScreenMonitors().size(), 1u);
    EXPECT_EQ(ScreenMonitors()[0].Bounds, rtl::Rect(0, 0, 1280, 1024));
    SetScreenMonitors({{rtl::Rect(0, 0, 1000, 800), rtl::Rect(0, 0, 1000, 760), true},
                       {rtl::Rect(1000, 0, 1800, 600), rtl::Rect(1000, 30, 1800, 600), false}});
    struct Case {
        rtl::TPoint p;
        int workLeft, workTop;
    };
    for (const Case& c : {Case{{10, 10}, 0, 0}, Case{{1200, 100}, 1000, 30}, Case{{1900, 50}, 1000, 30},
                          Case{{-50, 900}, 0, 0}, Case{{1300, 700}, 1000, 30}}) {
        TMonitorInfo m = MonitorNearestPoint(c.p);
        EXPECT_EQ(m.WorkArea.Left, c.workLeft) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(m.WorkArea.Top, c.workTop) << c.p.X << "," << c.p.Y;
    }
}

}  // namespace
