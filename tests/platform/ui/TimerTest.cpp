// Timers on the replaceable monotonic clock: window timers, TTimer, caret blinking.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Timers.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::UiTest;

class TimerTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetMonotonicClock(&Clock);
        Form = NewForm();
        Button = new TTestButton(Form);
        Button->SetParent(Form);
        Form->Show();
        App->ProcessMessages();
    }
    TManualClock Clock;
    TForm* Form = nullptr;
    TTestButton* Button = nullptr;
};

TEST_F(TimerTest, WindowTimerFiresOnlyAfterTheClockAdvances)
{
    std::vector<WPARAM> ids;
    auto original = Button->WindowProc;
    Button->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_TIMER) ids.push_back(m.WParam);
        original(m);
    };
    EXPECT_EQ(SetTimer(Button->Handle(), 111, 500), 111u);
    App->ProcessMessages();
    EXPECT_TRUE(ids.empty());
    Clock.Advance(499);
    App->ProcessMessages();
    EXPECT_TRUE(ids.empty());
    Clock.Advance(1);
    App->ProcessMessages();
    EXPECT_EQ(ids, (std::vector<WPARAM>{111}));
    // A late timer fires once, not once per missed period.
    Clock.Advance(1700);
    App->ProcessMessages();
    EXPECT_EQ(ids.size(), 2u);
    // Restarting with the same id replaces the timer; killing stops it.
    SetTimer(Button->Handle(), 111, 100);
    Clock.Advance(100);
    App->ProcessMessages();
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_TRUE(KillTimer(Button->Handle(), 111));
    Clock.Advance(1000);
    App->ProcessMessages();
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_FALSE(KillTimer(Button->Handle(), 111));
    Button->WindowProc = original;  // the handler above refers to this test's locals
}

TEST_F(TimerTest, TimersOfADestroyedWindowStop)
{
    SetTimer(Button->Handle(), 1, 50);
    delete Button;
    Clock.Advance(100);
    App->ProcessMessages();
    EXPECT_EQ(ActiveTimerCount(), 0);
}

TEST_F(TimerTest, TTimerCallsOnTimerWhileEnabled)
{
    auto* timer = new TTimer(Form);
    timer->SetInterval(250);
    int ticks = 0;
    timer->OnTimer = [&](rtl::TObject* sender) {
        EXPECT_EQ(sender, timer);
        ++ticks;
    };
    Clock.Advance(250);
    App->ProcessMessages();
    Clock.Advance(250);
    App->ProcessMessages();
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(false);
    Clock.Advance(1000);
    App->ProcessMessages();
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(true);
    Clock.Advance(249);
    App->ProcessMessages();
    EXPECT_EQ(ticks, 2);
    Clock.Advance(1);
    App->ProcessMessages();
    EXPECT_EQ(ticks, 3);
    delete timer;
    EXPECT_EQ(ActiveTimerCount(), 0);
}

TEST_F(TimerTest, CaretBlinksOnTheWindowImage)
{
    Button->SetColor(gfx::clWhite);
    App->ProcessMessages();
    ASSERT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clWhite);
    ASSERT_TRUE(CreateCaret(Button->Handle(), nullptr, 2, 10));
    SetCaretPos(4, 2);
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clWhite);  // created hidden
    ShowCaret(Button->Handle());
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clBlack);  // inverted
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 6, 5), gfx::clWhite);
    Clock.Advance(GetCaretBlinkTime());
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clWhite);  // blinked off
    Clock.Advance(GetCaretBlinkTime());
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clBlack);
    // Repainting under the caret keeps it drawn once, not inverted twice.
    Button->Repaint();
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clBlack);
    HideCaret(Button->Handle());
    EXPECT_EQ(THeadlessBackend::Pixel(Button, 5, 5), gfx::clWhite);
    DestroyCaret();
    EXPECT_EQ(CaretState().Owner, 0);
}

}  // namespace
