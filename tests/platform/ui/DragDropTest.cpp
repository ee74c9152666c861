// In-process drag and drop: target registration, the mouse-driven drag loop and file-drop blocks.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Keyboard.h"
#include "UiTestSupport.h"
#include "platform/backend/SdlBackend.h"

using namespace ui;
using uitest::TTestButton;

namespace {

// Records what a drop target hears and answers with a fixed effect.
class TRecordingTarget : public IDropTarget {
public:
    DWORD Answer = DROPEFFECT_COPY;
    std::vector<std::string> Calls;
    std::string DroppedText;
    POINTL LastPoint;
    DWORD LastKeys = 0;

    HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD& effect) override
    {
        Calls.push_back("enter");
        Read(data);
        LastPoint = pt;
        LastKeys = keys;
        effect &= Answer;
        return S_OK;
    }
    HRESULT DragOver(DWORD keys, POINTL pt, DWORD& effect) override
    {
        Calls.push_back("over");
        LastPoint = pt;
        LastKeys = keys;
        effect &= Answer;
        return S_OK;
    }
    HRESULT DragLeave() override
    {
        Calls.push_back("leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD& effect) override
    {
        Calls.push_back("drop");
        Read(data);
        LastPoint = pt;
        LastKeys = keys;
        effect &= Answer;
        return S_OK;
    }

private:
    void Read(IDataObject* data)
    {
        STGMEDIUM medium;
        FORMATETC f{CF_TEXT};
        if (data->GetData(f, medium) == S_OK) DroppedText = *medium.hGlobal;
        if (data->GetData(FORMATETC{CF_HDROP}, medium) == S_OK) Files = ReadFileDropBlock(*medium.hGlobal);
    }

public:
    std::vector<std::string> Files;
};

// Ends the drag on Escape or when the left button is up; counts feedback.
class TSimpleSource : public IDropSource {
public:
    std::vector<DWORD> Feedback;
    HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) override
    {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        if ((keyState & MK_DRAG_LBUTTON) == 0) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT GiveFeedback(DWORD effect) override
    {
        Feedback.push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
};

class DragDropTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        uitest::UiTest::SetUp();
        Form = NewForm(400, 300);
        Source = new TTestButton(Form);
        Source->SetParent(Form);
        Source->SetBounds(10, 10, 80, 30);
        Sink = new TTestButton(Form);
        Sink->SetParent(Form);
        Sink->SetBounds(200, 100, 120, 60);
        Form->Show();
        Target = std::make_shared<TRecordingTarget>();
        ASSERT_EQ(RegisterDragDrop(Sink->Handle(), Target), S_OK);
    }
    void TearDown() override
    {
        RevokeDragDrop(Sink->Handle());
        SetKeyDown(VK_LBUTTON, false);
        SetKeyDown(VK_CONTROL, false);
        SetKeyDown(VK_ESCAPE, false);
        uitest::UiTest::TearDown();
    }

    // Presses the left button on the source, then runs the drag while the idle handler plays
    // the steps one per idle turn.
    HRESULT RunDrag(std::vector<std::function<void()>> steps, DWORD okEffects, DWORD& effect)
    {
        THeadlessBackend::MouseDown(Source, 5, 5);
        std::size_t next = 0;
        App->OnIdle = [&](rtl::TObject*, bool& done) {
            done = false;
            if (next < steps.size()) steps[next++]();
        };
        auto data = MakeBlockDataObject({{CF_TEXT, std::string("moved\0", 6)}});
        HRESULT result = DoDragDrop(data.get(), &Dropper, okEffects, effect);
        App->OnIdle = nullptr;
        return result;
    }

    TForm* Form = nullptr;
    TTestButton* Source = nullptr;
    TTestButton* Sink = nullptr;
    std::shared_ptr<TRecordingTarget> Target;
    TSimpleSource Dropper;
};

TEST_F(DragDropTest, ReleasingOverARegisteredWindowDropsWithTheEffectTheTargetAnswers)
{
    DWORD effect = 99;
    HRESULT result = RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
                              [&] { THeadlessBackend::MouseMove(Sink, 20, 15); },
                              [&] { THeadlessBackend::MouseUp(Sink, 20, 15); }},
                             DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(Target->DroppedText, std::string("moved\0", 6));
    rtl::TPoint expected = Sink->ClientToScreen({20, 15});
    EXPECT_EQ(Target->LastPoint.x, expected.X);
    EXPECT_EQ(Target->LastPoint.y, expected.Y);
    // The drag held the mouse: the window under it saw no button messages of its own.
    EXPECT_EQ(std::count(Sink->Messages.begin(), Sink->Messages.end(), WM_LBUTTONUP), 0);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_FALSE(DragLoopActive());
}

TEST_F(DragDropTest, LeavingTheTargetAndReleasingElsewhereDropsNothing)
{
    DWORD effect = 99;
    HRESULT result = RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
                              [&] { THeadlessBackend::MouseMove(Source, 5, 5); },
                              [&] { THeadlessBackend::MouseUp(Source, 5, 5); }},
                             DROPEFFECT_COPY, effect);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "leave"}));
    ASSERT_FALSE(Dropper.Feedback.empty());
    EXPECT_EQ(Dropper.Feedback.back(), DROPEFFECT_NONE);
}

TEST_F(DragDropTest, EscapeCancelsAndATargetThatRefusesGetsNoDrop)
{
    DWORD effect = 99;
    HRESULT result = RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
                              [&] { THeadlessBackend::KeyDown(VK_ESCAPE); }},
                             DROPEFFECT_COPY, effect);
    THeadlessBackend::KeyUp(VK_ESCAPE);
    EXPECT_EQ(result, DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "leave"}));

    Target->Calls.clear();
    Target->Answer = DROPEFFECT_NONE;
    result = RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
                      [&] { THeadlessBackend::MouseUp(Sink, 10, 10); }},
                     DROPEFFECT_COPY, effect);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "leave"}));
}

// A target whose drop fails still ends the drag; the failure shows in the error box.
TEST_F(DragDropTest, ATargetFailingInItsDropEndsTheDragWithTheErrorShown)
{
    class TFailingTarget : public TRecordingTarget {
    public:
        HRESULT Drop(IDataObject*, DWORD, POINTL, DWORD&) override { throw rtl::Exception("cannot take it"); }
    };
    RevokeDragDrop(Sink->Handle());
    ASSERT_EQ(RegisterDragDrop(Sink->Handle(), std::make_shared<TFailingTarget>()), S_OK);
    DWORD effect = 99;
    HRESULT result = RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
                              [&] { THeadlessBackend::MouseUp(Sink, 10, 10); }},
                             DROPEFFECT_COPY, effect);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(Backend->ErrorTexts(), (std::vector<std::string>{"cannot take it."}));
    EXPECT_FALSE(DragLoopActive());
    EXPECT_EQ(DropFilesOnWindow(Form, Sink->Left() + 5, Sink->Top() + 5, {"x"}), DROPEFFECT_NONE);
    EXPECT_EQ(Backend->ErrorTexts().size(), 2u);
}

TEST_F(DragDropTest, ControlKeyDuringTheDragReachesTheTargetWithoutAMouseMove)
{
    DWORD effect = 0;
    RunDrag({[&] { THeadlessBackend::MouseMove(Sink, 10, 10); },
             [&] { THeadlessBackend::KeyDown(VK_CONTROL); },
             [&] { THeadlessBackend::MouseUp(Sink, 10, 10); }},
            DROPEFFECT_COPY, effect);
    THeadlessBackend::KeyUp(VK_CONTROL);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_NE(Target->LastKeys & MK_DRAG_CONTROL, 0u);
}

TEST_F(DragDropTest, RegistrationIsOnePerWindowAndRevokingForgetsIt)
{
    EXPECT_EQ(RegisterDragDrop(Sink->Handle(), std::make_shared<TRecordingTarget>()), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisterDragDrop(0, Target), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(RegisteredDropTarget(Sink->Handle()), Target);
    EXPECT_EQ(RevokeDragDrop(Sink->Handle()), S_OK);
    EXPECT_EQ(RevokeDragDrop(Sink->Handle()), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RegisteredDropTarget(Sink->Handle()), nullptr);
}

TEST_F(DragDropTest, FilesDroppedFromTheDesktopReachTheTargetUnderThePoint)
{
    rtl::TPoint p = Form->ScreenToClient(Sink->ClientToScreen({5, 5}));
    Target->Answer = DROPEFFECT_COPY;
    EXPECT_EQ(DropFilesOnWindow(Form, p.X, p.Y, {"a.csv"}), DROPEFFECT_COPY);
    EXPECT_EQ(Target->Calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(DropFilesOnWindow(Form, 1, 1, {"a.csv"}), DROPEFFECT_NONE);  // no target there
}

TEST(DragDropSdl, FilesDroppedOnARealWindowReachTheTargetUnderTheMouse)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no DISPLAY; scripts/test runs this under Xvfb";
    TApplication app;
    auto backend = std::make_unique<TSdlBackend>();
    TSdlBackend* sdl = backend.get();
    app.SetBackend(std::move(backend));
    auto* form = new TForm(&app);
    form->SetBounds(40, 40, 220, 120);
    auto* sink = new TTestButton(form);
    sink->SetParent(form);
    sink->SetBounds(20, 30, 80, 25);
    form->Show();
    app.ProcessMessages();
    auto target = std::make_shared<TRecordingTarget>();
    ASSERT_EQ(RegisterDragDrop(sink->Handle(), target), S_OK);

    SDL_WarpMouseInWindow(sdl->SdlWindow(form), 50, 40);
    auto push = [&](Uint32 type, const char* file) {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = type;
        e.drop.windowID = sdl->WindowId(form);
        e.drop.file = file != nullptr ? SDL_strdup(file) : nullptr;
        SDL_PushEvent(&e);
    };
    push(SDL_DROPBEGIN, nullptr);
    push(SDL_DROPFILE, "/tmp/a.csv");
    push(SDL_DROPFILE, "/tmp/b.txt");
    push(SDL_DROPCOMPLETE, nullptr);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (target->Calls.size() < 3 && std::chrono::steady_clock::now() < until) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(target->Calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(target->Files, (std::vector<std::string>{"/tmp/a.csv", "/tmp/b.txt"}));
    RevokeDragDrop(sink->Handle());
}

TEST(FileDropBlock, NamesTravelAsWideTextAndNarrowBlocksAreReadToo)
{
    std::vector<std::string> names{"c:\\data\\árvíztűrő.csv", "b.xls"};
    std::string block = MakeFileDropBlock(names);
    EXPECT_EQ(block[16], 1);  // wide flag
    EXPECT_EQ(ReadFileDropBlock(block), names);

    std::string narrow(20, '\0');
    narrow[0] = 21;  // the lowest bit of the offset is ignored
    narrow += std::string("x.txt\0y.txt\0\0", 13);
    EXPECT_EQ(ReadFileDropBlock(narrow), (std::vector<std::string>{"x.txt", "y.txt"}));
    EXPECT_TRUE(ReadFileDropBlock("short").empty());
}

TEST(Utf16Text, SurrogatePairsRoundTrip)
{
    std::string text = "a\xC5\x91\xF0\x9F\x98\x80";  // a, ő, an emoji
    std::string units = Utf8ToUtf16LE(text);
    EXPECT_EQ(units.size(), 8u);
    EXPECT_EQ(Utf16LEToUtf8(units), text);
}

}  // namespace
