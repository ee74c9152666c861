// Tooltip window: its TTM_ settings, showing over a watched tool after the delays, and its picture.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/ToolTip.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::UiTest;

class ToolTipTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetMonotonicClock(&Clock);
        Form = NewForm(300, 200);
        Button = new TTestButton(Form);
        Button->SetParent(Form);
        Button->SetBounds(20, 20, 150, 60);
        Button->SetColor(gfx::clWhite);
        auto original = Button->WindowProc;
        Button->WindowProc = [this, original](TMessage& m) {
            if (m.Msg == WM_NOTIFY) {
                auto* header = reinterpret_cast<TNMHdr*>(m.LParam);
                Codes.push_back(header->code);
                if (header->code == TTN_GETDISPINFO) reinterpret_cast<TNMTTDispInfo*>(m.LParam)->lpszText = TipText.c_str();
                return;
            }
            original(m);
        };
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override
    {
        Tip.reset();
        UiTest::TearDown();
    }
    // A balloon tooltip owned by the button, with the button as its subclassed tool.
    void MakeTip(DWORD exStyle = 0)
    {
        Tip = std::make_unique<TToolTipWindow>(Button->Handle(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, exStyle);
        TToolInfo info;
        info.cbSize = 48;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = Button->Handle();
        info.uId = static_cast<std::uintptr_t>(Button->Handle());
        info.lpszText = LPSTR_TEXTCALLBACK;
        ASSERT_EQ(SendMessage(Tip->Handle(), TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)), 1);
    }
    void Wait(int ms)
    {
        Clock.Advance(ms);
        App->ProcessMessages();
    }
    // A background pixel of the tip's body (in its top margin, right of the stem).
    gfx::TColor BodyPixel() const
    {
        rtl::TRect r = Tip->Overlay().BoundsInHost();
        return Form->WindowPixel(r.Left + r.Width() / 2 + 10, r.Top + 15);
    }

    TManualClock Clock;
    TForm* Form = nullptr;
    TTestButton* Button = nullptr;
    std::unique_ptr<TToolTipWindow> Tip;
    std::string TipText = "Cell text";
    std::vector<int> Codes;
};

TEST_F(ToolTipTest, SettingsMessagesAreKeptAndMinusOneRestoresTheDefaultDelay)
{
    MakeTip();
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_INITIAL, 50);
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_RESHOW, 20);
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_AUTOPOP, 900);
    EXPECT_EQ(Tip->DelayTime(TTDT_INITIAL), 50);
    EXPECT_EQ(Tip->DelayTime(TTDT_RESHOW), 20);
    EXPECT_EQ(Tip->DelayTime(TTDT_AUTOPOP), 900);
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_INITIAL, -1);
    EXPECT_EQ(Tip->DelayTime(TTDT_INITIAL), TToolTipWindow::DefaultInitialDelay);

    EXPECT_EQ(SendMessage(Tip->Handle(), TTM_SETMAXTIPWIDTH, 0, 300), -1);
    EXPECT_EQ(SendMessage(Tip->Handle(), TTM_SETMAXTIPWIDTH, 0, 200), 300);
    SendMessage(Tip->Handle(), TTM_SETTIPBKCOLOR, 0x00FFFF, 0);
    SendMessage(Tip->Handle(), TTM_SETTIPTEXTCOLOR, 0x0000FF, 0);
    EXPECT_EQ(Tip->TipBkColor(), gfx::TColor(0x00FFFF));
    EXPECT_EQ(Tip->TipTextColor(), gfx::TColor(0x0000FF));

    std::string title = "Title";
    SendMessage(Tip->Handle(), TTM_SETTITLE, TTI_ERROR, reinterpret_cast<LPARAM>(title.c_str()));
    EXPECT_EQ(Tip->TitleIcon(), TTI_ERROR);
    EXPECT_EQ(Tip->Title(), "Title");
    SendMessage(Tip->Handle(), TTM_SETTITLE, 7, reinterpret_cast<LPARAM>(title.c_str()));
    EXPECT_EQ(Tip->TitleIcon(), TTI_NONE);

    ASSERT_EQ(Tip->ToolCount(), 1);
    EXPECT_EQ(Tip->Tool(0).hwnd, Button->Handle());
}

TEST_F(ToolTipTest, RestingOnTheToolAsksForTheTextShowsAfterTheInitialDelayAndPopsAfterTheAutoPopDelay)
{
    MakeTip();
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_INITIAL, 300);
    SendMessage(Tip->Handle(), TTM_SETDELAYTIME, TTDT_AUTOPOP, 2000);
    SendMessage(Tip->Handle(), TTM_SETTIPBKCOLOR, 0x00FFFF, 0);
    THeadlessBackend::MouseMove(Button, 30, 30);
    Wait(299);
    EXPECT_FALSE(Tip->TipShowing());
    EXPECT_TRUE(Codes.empty());
    Wait(1);
    ASSERT_TRUE(Tip->TipShowing());
    EXPECT_EQ(Codes, (std::vector<int>{TTN_GETDISPINFO, TTN_SHOW}));
    EXPECT_EQ(Tip->TipText(), "Cell text");
    // The tip is painted over the form by the form itself, in its background colour.
    EXPECT_EQ(BodyPixel(), gfx::TColor(0x00FFFF));
    // Its stem points at the mouse: the tip starts at the pointer's height.
    rtl::TPoint mouse = rtl::Point(30, 30);
    ClientToScreen(Button->Handle(), mouse);
    EXPECT_EQ(Tip->Top(), mouse.Y);

    Wait(1999);
    EXPECT_TRUE(Tip->TipShowing());
    Wait(1);
    EXPECT_FALSE(Tip->TipShowing());
    EXPECT_EQ(Codes.back(), TTN_POP);
    EXPECT_EQ(BodyPixel(), gfx::clWhite);
}

TEST_F(ToolTipTest, LeavingTheToolOrPressingAButtonHidesTheTipAndAToolWithoutTextShowsNone)
{
    MakeTip();
    THeadlessBackend::MouseMove(Button, 30, 30);
    Wait(TToolTipWindow::DefaultInitialDelay);
    ASSERT_TRUE(Tip->TipShowing());
    THeadlessBackend::MouseDown(Button, 30, 30);
    EXPECT_FALSE(Tip->TipShowing());
    THeadlessBackend::MouseUp(Button, 30, 30);

    THeadlessBackend::MouseMove(Button, 40, 30);
    Wait(TToolTipWindow::DefaultInitialDelay);
    ASSERT_TRUE(Tip->TipShowing());
    THeadlessBackend::MouseMove(Form, 250, 150);
    EXPECT_FALSE(Tip->TipShowing());

    TipText.clear();
    Codes.clear();
    THeadlessBackend::MouseMove(Button, 30, 30);
    Wait(TToolTipWindow::DefaultInitialDelay);
    EXPECT_FALSE(Tip->TipShowing());
    EXPECT_EQ(Codes, (std::vector<int>{TTN_GETDISPINFO}));
}

TEST_F(ToolTipTest, ALayeredTipBlendsItsConstantAlphaOverTheWindow)
{
    MakeTip(WS_EX_LAYERED);
    Tip->SetLayeredAlpha(128);
    SendMessage(Tip->Handle(), TTM_SETTIPBKCOLOR, 0x000000, 0);
    THeadlessBackend::MouseMove(Button, 30, 30);
    Wait(TToolTipWindow::DefaultInitialDelay);
    ASSERT_TRUE(Tip->TipShowing());
    gfx::TColor c = BodyPixel();
    // Black at half strength over the white button.
    for (int shift : {0, 8, 16}) {
        int channel = static_cast<int>((c >> shift) & 0xFF);
        EXPECT_NEAR(channel, 127, 2) << shift;
    }
}

TEST_F(ToolTipTest, AToolTipThatIsGoneNoLongerWatchesItsTool)
{
    MakeTip();
    Tip.reset();
    THeadlessBackend::MouseMove(Button, 30, 30);
    Wait(5000);
    EXPECT_TRUE(Codes.empty());
    // The tool's own window procedure still runs.
    THeadlessBackend::Click(Button, 30, 30);
    EXPECT_EQ(Button->Clicks, 1);
}

}  // namespace
