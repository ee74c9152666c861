// Mouse input: hit testing, capture during a drag, clicks, double clicks, wheel, enter/leave.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::UiTest;

class MouseTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Clock = std::make_unique<TManualClock>();
        SetMonotonicClock(Clock.get());
        Form = NewForm(300, 200);
        Left = new TTestButton(Form);
        Left->SetParent(Form);
        Left->SetBounds(10, 10, 100, 50);
        Right = new TTestButton(Form);
        Right->SetParent(Form);
        Right->SetBounds(150, 10, 100, 50);
        Form->Show();
    }
    std::unique_ptr<TManualClock> Clock;
    TForm* Form = nullptr;
    TTestButton* Left = nullptr;
    TTestButton* Right = nullptr;
};

TEST_F(MouseTest, TheControlPressedKeepsTheMouseDuringADrag)
{
    std::vector<std::pair<int, int>> leftMoves;
    int rightMoves = 0;
    Left->OnMouseMove = [&](rtl::TObject*, TShiftState shift, int x, int y) {
        if (shift & ssLeft) leftMoves.push_back({x, y});
    };
    Right->OnMouseMove = [&](rtl::TObject*, TShiftState, int, int) { ++rightMoves; };
    int leftUps = 0;
    Left->OnMouseUp = [&](rtl::TObject*, TMouseButton, TShiftState, int x, int y) {
        ++leftUps;
        EXPECT_EQ(x, 160);  // Right's (20, 5) in Left's client coordinates
        EXPECT_EQ(y, 5);
    };

    THeadlessBackend::MouseDown(Left, 50, 20);
    EXPECT_TRUE(Left->MouseCapture());
    EXPECT_EQ(GetCapture(), Left->Handle());
    THeadlessBackend::MouseMove(Right, 20, 5);  // over the other control
    THeadlessBackend::MouseMove(Form, -30, 500);  // outside the window
    THeadlessBackend::MouseUp(Right, 20, 5);
    EXPECT_EQ(leftMoves, (std::vector<std::pair<int, int>>{{160, 5}, {-40, 490}}));
    EXPECT_EQ(rightMoves, 0);
    EXPECT_EQ(leftUps, 1);
    EXPECT_FALSE(Left->MouseCapture());
    // Released outside the control: no click.
    EXPECT_EQ(Left->Clicks, 0);
    EXPECT_EQ(Right->Clicks, 0);

    // After the release the mouse goes to whatever is under it again.
    THeadlessBackend::MouseMove(Right, 30, 30);
    EXPECT_EQ(rightMoves, 1);
}

TEST_F(MouseTest, PressAndReleaseInsideIsAClickAndFocusesTheButton)
{
    THeadlessBackend::Click(Right, 5, 5);
    EXPECT_EQ(Right->Clicks, 1);
    EXPECT_EQ(FocusedControl(), Right);
}

TEST_F(MouseTest, SecondPressWithinTheDoubleClickTimeIsADoubleClick)
{
    int dbl = 0;
    TShiftState lastShift = 0;
    Left->OnDblClick = [&](rtl::TObject*) { ++dbl; };
    Left->OnMouseDown = [&](rtl::TObject*, TMouseButton, TShiftState s, int, int) { lastShift = s; };
    THeadlessBackend::Click(Left, 5, 5);
    Clock->Advance(200);
    THeadlessBackend::Click(Left, 6, 6);
    EXPECT_EQ(dbl, 1);
    EXPECT_TRUE(lastShift & ssDouble);
    // A third press starts over; one too late is a single click as well.
    THeadlessBackend::Click(Left, 6, 6);
    Clock->Advance(600);
    THeadlessBackend::Click(Left, 6, 6);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(Left->Clicks, 3);  // the double click's release does not click
}

TEST_F(MouseTest, WheelGoesToTheFocusedControlThenItsParent)
{
    Left->SetFocus();
    int leftDelta = 0;
    int formSteps = 0;
    Left->OnMouseWheel = [&](rtl::TObject*, TShiftState, int delta, rtl::TPoint, bool& handled) {
        leftDelta += delta;
        handled = leftDelta > -200;
    };
    Form->OnMouseWheelDown = [&](rtl::TObject*, TShiftState, rtl::TPoint, bool& handled) {
        ++formSteps;
        handled = true;
    };
    THeadlessBackend::Wheel(Right, -120, 5, 5);
    EXPECT_EQ(leftDelta, -120);
    EXPECT_EQ(formSteps, 0);
    THeadlessBackend::Wheel(Right, -120, 5, 5);  // not handled by Left: its parent takes it
    EXPECT_EQ(formSteps, 1);
}

TEST_F(MouseTest, EnterAndLeaveFollowTheMouse)
{
    std::vector<std::string> log;
    Left->OnMouseEnter = [&](rtl::TObject*) { log.push_back("enter left"); };
    Left->OnMouseLeave = [&](rtl::TObject*) { log.push_back("leave left"); };
    Right->OnMouseEnter = [&](rtl::TObject*) { log.push_back("enter right"); };
    THeadlessBackend::MouseMove(Left, 1, 1);
    THeadlessBackend::MouseMove(Left, 2, 2);
    THeadlessBackend::MouseMove(Right, 1, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"enter left", "leave left", "enter right"}));
    EXPECT_EQ(TInputRouter::Hovered(), Right);
}

TEST_F(MouseTest, DisabledControlsLetTheParentHaveTheMouse)
{
    Left->SetEnabled(false);
    int formDowns = 0;
    Form->OnMouseDown = [&](rtl::TObject*, TMouseButton, TShiftState, int x, int y) {
        ++formDowns;
        EXPECT_EQ(x, 15);
        EXPECT_EQ(y, 15);
    };
    THeadlessBackend::MouseDown(Left, 5, 5);
    THeadlessBackend::MouseUp(Left, 5, 5);
    EXPECT_EQ(formDowns, 1);
    EXPECT_EQ(Left->Clicks, 0);
}

TEST_F(MouseTest, RightClickAsksForTheContextMenuOfTheControlOrItsParent)
{
    rtl::TComponent menu(nullptr);
    menu.SetName("PopupMenu1");
    std::vector<std::string> shown;
    TControl::PopupMenuHandler = [&](rtl::TComponent* m, TControl* c, rtl::TPoint screen) {
        shown.push_back(m->Name() + " " + std::to_string(screen.X - c->ClientOrigin().X));
        return true;
    };
    Form->SetPopupMenu(&menu);
    THeadlessBackend::Click(Left, 7, 8);  // a left click asks for nothing
    THeadlessBackend::MouseDown(Left, 7, 8, mbRight);
    THeadlessBackend::MouseUp(Left, 7, 8, mbRight);
    EXPECT_EQ(shown, (std::vector<std::string>{"PopupMenu1 17"}));  // the form's menu, at the form's x
    bool handled = true;
    Left->OnContextPopup = [&](rtl::TObject*, rtl::TPoint pos, bool& h) {
        EXPECT_EQ(pos, (rtl::TPoint{7, 8}));
        h = handled;
    };
    THeadlessBackend::MouseDown(Left, 7, 8, mbRight);
    THeadlessBackend::MouseUp(Left, 7, 8, mbRight);
    EXPECT_EQ(shown.size(), 1u);
    Form->SetPopupMenu(nullptr);
    TControl::PopupMenuHandler = nullptr;
}

TEST_F(MouseTest, ScreenAndClientCoordinatesConvertBothWays)
{
    Form->SetBounds(100, 50, 300, 200);
    rtl::TPoint screen = Right->ClientToScreen({3, 4});
    EXPECT_EQ(screen, (rtl::TPoint{253, 64}));
    EXPECT_EQ(Right->ScreenToClient(screen), (rtl::TPoint{3, 4}));
    EXPECT_EQ(Right->ClientToParent({3, 4}), (rtl::TPoint{153, 14}));
    rtl::TPoint p{3, 4};
    ASSERT_TRUE(ClientToScreen(Right->Handle(), p));
    EXPECT_EQ(p, screen);
}

TEST_F(MouseTest, ScrollBarThumbDragReportsTrackingPositions)
{
    auto* scroller = new TTestButton(Form);
    scroller->SetParent(Form);
    scroller->SetBounds(10, 70, 100, 117);  // track of 117 - 2 * 17 = 83 pixels
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 0;
    SetScrollInfo(scroller->Handle(), SB_VERT, info, true);
    EXPECT_EQ(scroller->ClientWidth(), 83);  // the bar takes 17 pixels
    std::vector<std::pair<int, int>> events;
    auto original = scroller->WindowProc;
    scroller->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_VSCROLL) {
            events.push_back({LOWORD(m.WParam), HIWORD(m.WParam)});
            if (LOWORD(m.WParam) == SB_THUMBPOSITION) SetScrollPos(scroller->Handle(), SB_VERT, HIWORD(m.WParam), true);
        }
        original(m);
    };
    // Thumb starts right below the up arrow; grab it and drag to the bottom.
    THeadlessBackend::MouseDown(scroller, 90, 20);
    SCROLLINFO track;
    track.fMask = SIF_TRACKPOS;
    THeadlessBackend::MouseMove(scroller, 90, 60);
    GetScrollInfo(scroller->Handle(), SB_VERT, track);
    EXPECT_GT(track.nTrackPos, 0);
    THeadlessBackend::MouseMove(scroller, 90, 400);
    THeadlessBackend::MouseUp(scroller, 90, 400);
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events.front().first, SB_THUMBTRACK);
    EXPECT_EQ(events[events.size() - 2], (std::pair<int, int>{SB_THUMBPOSITION, 90}));  // max = 99 - 10 + 1
    EXPECT_EQ(events.back().first, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(scroller->Handle(), SB_VERT), 90);
    // The down arrow scrolls by a line, and again and again while held down.
    events.clear();
    THeadlessBackend::MouseDown(scroller, 90, 110);
    EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{SB_LINEDOWN, 0}}));
    Clock->Advance(400);
    App->ProcessMessages();
    Clock->Advance(50);
    App->ProcessMessages();
    EXPECT_EQ(events.size(), 3u);
    THeadlessBackend::MouseMove(scroller, 20, 20);  // off the arrow: the repeat pauses
    Clock->Advance(50);
    App->ProcessMessages();
    EXPECT_EQ(events.size(), 3u);
    THeadlessBackend::MouseUp(scroller, 20, 20);
    EXPECT_EQ(events.back().first, SB_ENDSCROLL);
    Clock->Advance(500);
    App->ProcessMessages();
    EXPECT_EQ(events.size(), 4u);
    // Clicks on the scroll bar are not clicks of the control.
    EXPECT_EQ(scroller->Clicks, 0);
    scroller->WindowProc = original;  // the handler above refers to this test's locals
}

}  // namespace
