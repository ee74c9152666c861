// Forms and the application: activation, closing, modal showing, the error box and the loop.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/MessageQueue.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::UiTest;

TEST_F(UiTest, OnActivateFiresAgainAfterAnotherFormWasActive)
{
    auto* main = NewForm();
    auto* map = NewForm();
    std::vector<std::string> log;
    main->OnActivate = [&](rtl::TObject*) { log.push_back("main activate"); };
    main->OnDeactivate = [&](rtl::TObject*) { log.push_back("main deactivate"); };
    map->OnActivate = [&](rtl::TObject*) { log.push_back("map activate"); };
    main->Show();
    main->Show();  // already active: nothing new
    EXPECT_EQ(log, (std::vector<std::string>{"main activate"}));
    map->Show();
    EXPECT_EQ(App->ActiveForm(), map);
    // Clicking back into the main window makes it active again.
    THeadlessBackend::Click(main, 5, 5);
    EXPECT_EQ(App->ActiveForm(), main);
    EXPECT_EQ(log, (std::vector<std::string>{"main activate", "main deactivate", "map activate", "main activate"}));
    // Hiding the active form gives the activation back to the one active before.
    map->Show();
    map->Hide();
    EXPECT_EQ(App->ActiveForm(), main);
    EXPECT_EQ(log.back(), "main activate");
    EXPECT_EQ(std::count(log.begin(), log.end(), "main activate"), 3);
}

TEST_F(UiTest, AnExceptionEscapingAnEventHandlerReachesTheErrorBoxAndTheLoopGoesOn)
{
    auto* form = NewForm();
    auto* button = new TTestButton(form);
    button->SetParent(form);
    int clicks = 0;
    button->OnClick = [&](rtl::TObject*) {
        ++clicks;
        throw rtl::EInOutError("File not found", 2);
    };
    form->Show();
    THeadlessBackend::Click(button, 5, 5);
    THeadlessBackend::Click(button, 50, 15);  // away from the first: not a double click
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(Backend->ErrorBoxes().size(), 2u);
    EXPECT_EQ(Backend->ErrorBoxes()[0].Text, "File not found.");
    EXPECT_EQ(Backend->ErrorBoxes()[0].Title, App->Title());

    // The same inside Run: a posted message whose handler raises, then the close.
    UINT boom = WM_USER + 7;
    auto original = form->WindowProc;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == boom) throw rtl::EConvertError("'x' is not a valid integer value");
        original(m);
    };
    App->SetMainForm(form);
    PostMessage(form->Handle(), boom, 0, 0);
    PostMessage(form->Handle(), WM_CLOSE, 0, 0);
    App->Run();
    EXPECT_TRUE(App->Terminated());
    EXPECT_EQ(Backend->ErrorTexts().back(), "'x' is not a valid integer value.");
    // Texts ending in a full stop or other punctuation below it keep their end.
    App->ShowException(rtl::Exception("Done."));
    EXPECT_EQ(Backend->ErrorTexts().back(), "Done.");
    form->WindowProc = original;  // the handler above refers to this test's locals
}

TEST_F(UiTest, EAbortIsSilentAndOnExceptionReplacesTheBox)
{
    auto* form = NewForm();
    form->OnClick = [](rtl::TObject*) { throw rtl::EAbort("quiet"); };
    form->Show();
    THeadlessBackend::Click(form, 5, 5);
    EXPECT_TRUE(Backend->ErrorBoxes().empty());
    std::string seen;
    App->OnException = [&](rtl::TObject*, const std::exception& e) { seen = e.what(); };
    form->OnClick = [](rtl::TObject*) { throw std::runtime_error("plain"); };
    THeadlessBackend::Click(form, 60, 60);
    EXPECT_EQ(seen, "plain");
    EXPECT_TRUE(Backend->ErrorBoxes().empty());
}

class TCreateFailingForm : public TForm {
public:
    explicit TCreateFailingForm(rtl::TComponent* owner) : TForm(owner)
    {
        OnCreate = [this](rtl::TObject*) {
            Steps.push_back("read outputs");
            throw rtl::EInOutError("Cannot open file \"outputs.txt\". Permission denied", 13);
            Steps.push_back("fill tables");
        };
    }
    std::vector<std::string> Steps;
};

TEST_F(UiTest, AnErrorInOnCreateIsReportedAndTheFormStillOpens)
{
    TCreateFailingForm* form = nullptr;
    App->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(App->MainForm(), form);
    EXPECT_EQ(form->Steps, (std::vector<std::string>{"read outputs"}));
    ASSERT_EQ(Backend->ErrorTexts().size(), 1u);
    EXPECT_EQ(Backend->ErrorTexts()[0], "Cannot open file \"outputs.txt\". Permission denied.");
    PostMessage(form->Handle(), WM_CLOSE, 0, 0);
    App->Run();
    EXPECT_TRUE(form->Visible());  // closing the main form ends the loop
}

TEST_F(UiTest, OnCloseDecidesWhatClosingDoes)
{
    auto* main = NewForm();
    auto* other = NewForm();
    App->SetMainForm(main);
    main->Show();
    other->Show();
    TCloseAction action = caNone;
    other->OnClose = [&](rtl::TObject*, TCloseAction& a) { a = action; };
    other->Close();
    EXPECT_TRUE(other->Visible());
    action = caHide;
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(App->Terminated());
    bool canClose = false;
    main->OnCloseQuery = [&](rtl::TObject*, bool& ok) { ok = canClose; };
    main->Close();
    EXPECT_FALSE(App->Terminated());
    canClose = true;
    main->Close();
    EXPECT_TRUE(App->Terminated());

    // caFree releases the form after the current message.
    other->Show();
    action = caFree;
    bool destroyed = false;
    other->OnDestroy = [&](rtl::TObject*) { destroyed = true; };
    other->Close();
    EXPECT_FALSE(destroyed);
    App->ProcessMessages();
    EXPECT_TRUE(destroyed);
}

TEST_F(UiTest, ShowModalRunsUntilModalResultAndBlocksOtherForms)
{
    auto* main = NewForm();
    auto* mainButton = new TTestButton(main);
    mainButton->SetParent(main);
    main->Show();
    auto* dialog = NewForm(100, 80);
    auto* ok = new TTestButton(dialog);
    ok->SetParent(dialog);
    int phase = 0;
    dialog->OnShow = [&](rtl::TObject*) {
        // Input meant for the main form is ignored while the dialog is modal.
        PostMessage(dialog->Handle(), WM_USER, 0, 0);
    };
    auto original = dialog->WindowProc;
    dialog->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER) {
            THeadlessBackend::Click(mainButton, 5, 5);
            phase = 1;
            ok->OnClick = [&](rtl::TObject*) { dialog->SetModalResult(mrOk); };
            THeadlessBackend::Click(ok, 5, 5);
        }
        original(m);
    };
    dialog->SetPosition(poMainFormCenter);
    App->SetMainForm(main);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(phase, 1);
    EXPECT_EQ(mainButton->Clicks, 0);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(App->ActiveForm(), main);
    EXPECT_EQ(dialog->Left(), main->Left() + (main->Width() - 100) / 2);
    EXPECT_THROW(main->ShowModal(), rtl::EInvalidOperation);  // visible already
    dialog->WindowProc = original;  // the handler above refers to this test's locals
}

TEST_F(UiTest, ScreenCentredFormIsPlacedOnFirstShowing)
{
    auto* form = NewForm(400, 300);
    form->SetPosition(poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (1280 - 400) / 2);
    EXPECT_EQ(form->Top(), (1024 - 300) / 2);
}

TEST_F(UiTest, IdleRunsWhenTheQueueIsEmpty)
{
    auto* form = NewForm();
    App->SetMainForm(form);
    int idles = 0;
    App->OnIdle = [&](rtl::TObject*, bool& done) {
        ++idles;
        done = true;
        if (idles == 3) form->Close();
    };
    App->Run();
    EXPECT_EQ(idles, 3);
}

TEST_F(UiTest, HintShowsAfterThePauseAndHidesLater)
{
    TManualClock clock;
    SetMonotonicClock(&clock);
    auto* form = NewForm();
    auto* button = new TTestButton(form);
    button->SetParent(form);
    button->SetHint("Rendben|Confirm the message");
    button->SetShowHint(true);
    form->Show();
    THeadlessBackend::MouseMove(button, 5, 5);
    EXPECT_EQ(App->Hint(), "Confirm the message");
    App->ProcessMessages();
    EXPECT_TRUE(App->HintWindow() == nullptr || !App->HintWindow()->Visible());
    clock.Advance(App->HintPause());
    App->ProcessMessages();
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_TRUE(App->HintWindow()->Visible());
    EXPECT_EQ(App->HintWindow()->Caption(), "Rendben");
    // The hint window paints the info background colour.
    EXPECT_EQ(App->HintWindow()->WindowPixel(App->HintWindow()->Width() - 3, 2), gfx::ColorToRGB(gfx::clInfoBk));
    clock.Advance(App->HintHidePause());
    App->ProcessMessages();
    EXPECT_FALSE(App->HintWindow()->Visible());
}

}  // namespace
