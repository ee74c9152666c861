// The hint manager's request to a control (CM_HINTSHOW with its hint record) after the pause, on the replaceable clock.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Clock.h"

namespace {

using namespace ui;
using uitest::UiTest;

// A control that answers the hint request: its left half shows "left" below the mouse,
// its right half refuses; the answer stays valid within that half only.
class THintingControl : public TCustomControl {
public:
    explicit THintingControl(rtl::TComponent* owner) : TCustomControl(owner) { SetBounds(10, 10, 200, 50); }
    std::vector<THintInfo> Asked;
    THintWindowClass WindowClass = nullptr;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg != CM_HINTSHOW) {
            TCustomControl::WndProc(m);
            return;
        }
        auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
        Asked.push_back(info);
        const bool left = info.CursorPos.X < 100;
        info.CursorRect = left ? rtl::Rect(0, 0, 100, 50) : rtl::Rect(100, 0, 200, 50);
        if (!left) {
            m.Result = 1;
            return;
        }
        info.HintStr = "left";
        info.HintPos = ClientToScreen({info.CursorPos.X, 50});
        info.HintColor = gfx::clYellow;
        if (WindowClass != nullptr) info.HintWindowClass = WindowClass;
        m.Result = 0;
    }
};

class TOtherHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    std::string ClassName() const override { return "TOtherHintWindow"; }
};

THintWindow* NewOtherHintWindow(rtl::TComponent* owner) { return new TOtherHintWindow(owner); }

class HintShowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetMonotonicClock(&Clock);
        Form = NewForm();
        Control = new THintingControl(Form);
        Control->SetParent(Form);
        Control->SetShowHint(true);  // no Hint text of its own
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        UiTest::TearDown();
        SetMonotonicClock(nullptr);
    }
    THintWindow* RestAt(int x, int y)
    {
        THeadlessBackend::MouseMove(Control, x, y);
        App->ProcessMessages();
        Clock.Advance(App->HintPause());
        App->ProcessMessages();
        THintWindow* w = App->HintWindow();
        return w != nullptr && w->Visible() ? w : nullptr;
    }

    TManualClock Clock;
    TCustomForm* Form = nullptr;
    THintingControl* Control = nullptr;
};

TEST_F(HintShowTest, AControlWithoutHintTextIsAskedAfterThePauseAndItsAnswerShows)
{
    THeadlessBackend::MouseMove(Control, 30, 20);
    Clock.Advance(App->HintPause() - 1);
    App->ProcessMessages();
    EXPECT_TRUE(Control->Asked.empty());
    THintWindow* w = RestAt(30, 20);
    ASSERT_EQ(Control->Asked.size(), 1u);
    const THintInfo& asked = Control->Asked[0];
    EXPECT_EQ(asked.HintControl, Control);
    EXPECT_EQ(asked.CursorPos, (rtl::TPoint{30, 20}));
    EXPECT_EQ(asked.CursorRect, Control->ClientRect());
    EXPECT_EQ(asked.HintStr, "");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "left");
    EXPECT_EQ(w->Left(), Control->ClientToScreen({30, 50}).X);
    EXPECT_EQ(w->Top(), Control->ClientToScreen({30, 50}).Y);
    EXPECT_EQ(w->Color(), gfx::clYellow);
}

// Moving inside the answer's area keeps the hint; leaving it asks again, and a refusal shows nothing.
TEST_F(HintShowTest, LeavingTheAnswersAreaAsksAgainAndARefusalShowsNothing)
{
    ASSERT_NE(RestAt(30, 20), nullptr);
    THeadlessBackend::MouseMove(Control, 60, 30);
    App->ProcessMessages();
    EXPECT_TRUE(App->HintWindow()->Visible());
    EXPECT_EQ(Control->Asked.size(), 1u);
    EXPECT_EQ(RestAt(150, 20), nullptr);
    ASSERT_EQ(Control->Asked.size(), 2u);
    EXPECT_EQ(Control->Asked[1].CursorPos, (rtl::TPoint{150, 20}));
    ASSERT_NE(RestAt(40, 20), nullptr);
    EXPECT_EQ(Control->Asked.size(), 3u);
}

TEST_F(HintShowTest, TheAnswerMayChooseTheHintWindowClass)
{
    Control->WindowClass = NewOtherHintWindow;
    THintWindow* w = RestAt(30, 20);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassName(), "TOtherHintWindow");
    Control->WindowClass = nullptr;
    THeadlessBackend::MouseMove(Form, 300, 300);
    w = RestAt(30, 20);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassName(), "THintWindow");
}

}  // namespace
