// Messages: parameter packing, registered messages, hooks, posting, dispatch order, cross-thread send.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "UiTestSupport.h"
#include "platform/ui/MessageHooks.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

using namespace ui;
using uitest::UiTest;

TEST(MessagePackingTest, CoordinatesKeepTheirSign)
{
    LPARAM l = MAKELPARAM(-5, 300);
    EXPECT_EQ(GET_X_LPARAM(l), -5);
    EXPECT_EQ(GET_Y_LPARAM(l), 300);
    EXPECT_EQ(LOWORD(MAKEWPARAM(7, 9)), 7);
    EXPECT_EQ(HIWORD(MAKEWPARAM(7, 9)), 9);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(MAKEWPARAM(0, -120)), -120);
    EXPECT_EQ(VK_TAB, 9);
    EXPECT_EQ(VK_RETURN, 13);
    EXPECT_EQ(VK_LEFT, 37);
    EXPECT_EQ(VK_F4, 0x73);
    EXPECT_EQ(WM_KEYDOWN, 0x0100u);
    EXPECT_EQ(WM_LBUTTONDOWN, 0x0201u);
}

TEST(RegisteredMessagesTest, SameNameSameIdFromC000)
{
    UINT done = RegisterWindowMessage("GridEditDone");
    UINT show = RegisterWindowMessage("GridEditShow");
    EXPECT_GE(done, 0xC000u);
    EXPECT_GE(show, 0xC000u);
    EXPECT_NE(done, show);
    EXPECT_EQ(RegisterWindowMessage("GridEditDone"), done);
    EXPECT_EQ(RegisterWindowMessage("grideditdone"), done);
    EXPECT_EQ(GetRegisteredMessageName(show), "GridEditShow");
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(UiTest, DispatchRunsWindowProcThenWndProcThenTheHandler)
{
    auto* form = NewForm();
    auto* button = new uitest::TTestButton(form);
    button->SetParent(form);
    form->Show();
    std::vector<std::string> order;
    auto original = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) order.push_back("subclass");
        original(m);
    };
    button->OnMouseDown = [&](rtl::TObject*, TMouseButton, TShiftState, int x, int y) {
        order.push_back("OnMouseDown " + std::to_string(x) + "," + std::to_string(y));
    };
    button->OnClick = [&](rtl::TObject*) { order.push_back("OnClick"); };
    button->OnMouseUp = [&](rtl::TObject*, TMouseButton, TShiftState, int, int) { order.push_back("OnMouseUp"); };
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(4, 6));
    EXPECT_EQ(order, (std::vector<std::string>{"subclass", "OnMouseDown 4,6", "OnClick", "OnMouseUp"}));
    // The window procedure saw the messages in the order sent.
    auto down = std::find(button->Messages.begin(), button->Messages.end(), WM_LBUTTONDOWN);
    auto up = std::find(button->Messages.begin(), button->Messages.end(), WM_LBUTTONUP);
    EXPECT_LT(down, up);
    EXPECT_NE(up, button->Messages.end());
    button->WindowProc = original;  // the handler above refers to this test's locals
}

TEST_F(UiTest, PostedMessagesArriveInOrderAfterTheCurrentOne)
{
    auto* form = NewForm();
    auto* button = new uitest::TTestButton(form);
    button->SetParent(form);
    UINT custom = RegisterWindowMessage("TestPosted");
    std::vector<int> seen;
    auto original = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == custom) seen.push_back(static_cast<int>(m.WParam));
        original(m);
    };
    EXPECT_TRUE(PostMessage(button->Handle(), custom, 1, 0));
    EXPECT_TRUE(PostMessage(button->Handle(), custom, 2, 0));
    EXPECT_TRUE(seen.empty());
    App->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    // A window that no longer exists gets nothing and the post fails.
    HWND gone = button->Handle();
    delete button;
    EXPECT_FALSE(PostMessage(gone, custom, 3, 0));
}

TEST_F(UiTest, MessagesPostedToADestroyedWindowAreDropped)
{
    auto* form = NewForm();
    auto* button = new uitest::TTestButton(form);
    button->SetParent(form);
    PostMessage(button->Handle(), WM_USER + 1, 0, 0);
    delete button;
    App->ProcessMessages();
    EXPECT_EQ(TMessageQueue::Instance().PostedCount(), 0u);
}

TEST_F(UiTest, CallWndProcHooksSeeSentMessagesNewestFirst)
{
    auto* form = NewForm();
    std::vector<std::string> calls;
    HHOOK first = 0;
    HHOOK second = 0;
    first = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM w, LPARAM l) {
        auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
        calls.push_back("first " + std::to_string(cwp->message));
        return CallNextHookEx(first, code, w, l);
    }, nullptr, GetCurrentThreadId());
    second = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM w, LPARAM l) {
        auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
        calls.push_back("second " + std::to_string(cwp->message) + (cwp->hwnd == form->Handle() ? " form" : ""));
        return CallNextHookEx(second, code, w, l);
    }, nullptr, GetCurrentThreadId());
    SendMessage(form->Handle(), WM_USER, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"second 1024 form", "first 1024"}));

    // Moving a window sends WM_WINDOWPOSCHANGED through the hooks.
    calls.clear();
    form->SetBounds(20, 20, 100, 100);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "second 71 form"), calls.end());

    // Posted messages do not pass the hooks.
    calls.clear();
    PostMessage(form->Handle(), WM_USER, 0, 0);
    App->ProcessMessages();
    EXPECT_TRUE(calls.empty());

    EXPECT_TRUE(UnhookWindowsHookEx(second));
    EXPECT_TRUE(UnhookWindowsHookEx(first));
    EXPECT_FALSE(UnhookWindowsHookEx(first));
    SendMessage(form->Handle(), WM_USER, 0, 0);
    EXPECT_TRUE(calls.empty());
}

TEST_F(UiTest, SendFromAnotherThreadRunsOnTheUiThreadAndWaitsForTheResult)
{
    auto* form = NewForm();
    UINT themeChanged = 2993;
    std::thread::id handlerThread;
    auto original = form->WindowProc;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == themeChanged) {
            handlerThread = std::this_thread::get_id();
            m.Result = static_cast<LRESULT>(m.WParam) * 2;
            return;
        }
        original(m);
    };
    LRESULT result = 0;
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        result = SendMessage(form->Handle(), themeChanged, 21, 0);
        returned = true;
    });
    // The UI thread runs its loop until the sender has its answer.
    for (int i = 0; i < 2000 && !returned; ++i) App->HandleMessage();
    worker.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    form->WindowProc = original;  // the handler above refers to this test's locals
}

TEST(CrossThreadSendTest, ASenderDoesNotWaitForALoopThatHasEnded)
{
    HWND handle = 0;
    {
        TApplication app;
        auto* form = new TForm(&app);
        handle = form->Handle();
    }
    std::atomic<bool> returned{false};
    LRESULT result = -1;
    std::thread worker([&] {
        result = SendMessage(handle, WM_USER, 0, 0);
        returned = true;
    });
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(result, 0);
}

}  // namespace
