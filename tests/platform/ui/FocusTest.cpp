// Keyboard focus: Tab and Shift+Tab moving in tab order, enter/exit events, dialog keys.
#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::TTestPanel;
using uitest::UiTest;

class FocusTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm();
        // a, then a panel holding p1 and p2, then b; b comes first in tab order.
        A = AddButton(Form, "A");
        Panel = new TTestPanel(Form);
        Panel->SetName("Panel");
        Panel->SetParent(Form);
        P1 = AddButton(Panel, "P1");
        P2 = AddButton(Panel, "P2");
        B = AddButton(Form, "B");
        B->SetTabOrder(0);
        Form->Show();
    }
    TTestButton* AddButton(TWinControl* parent, const std::string& name)
    {
        auto* b = new TTestButton(Form);
        b->SetName(name);
        b->SetParent(parent);
        b->OnEnter = [this](rtl::TObject* s) { Log.push_back("enter " + static_cast<TComponent*>(s)->Name()); };
        b->OnExit = [this](rtl::TObject* s) { Log.push_back("exit " + static_cast<TComponent*>(s)->Name()); };
        return b;
    }
    using TComponent = rtl::TComponent;
    TForm* Form = nullptr;
    TTestPanel* Panel = nullptr;
    TTestButton *A = nullptr, *B = nullptr, *P1 = nullptr, *P2 = nullptr;
    std::vector<std::string> Log;
};

TEST_F(FocusTest, ShowingTheFormFocusesTheFirstControlInTabOrder)
{
    EXPECT_TRUE(Form->Active());
    EXPECT_EQ(FocusedControl(), B);
    EXPECT_EQ(Form->ActiveControl(), B);
    EXPECT_TRUE(B->Focused());
}

TEST_F(FocusTest, TabMovesThroughNestedControlsInTabOrderAndWraps)
{
    std::vector<TWinControl*> seen;
    for (int i = 0; i < 5; ++i) {
        THeadlessBackend::PressKey(VK_TAB);
        seen.push_back(FocusedControl());
    }
    // B, A, Panel, P1, P2 in tab order; the panel is no tab stop.
    EXPECT_EQ(seen, (std::vector<TWinControl*>{A, P1, P2, B, A}));
    THeadlessBackend::PressKey(VK_TAB, ssShift);
    EXPECT_EQ(FocusedControl(), B);
    THeadlessBackend::PressKey(VK_TAB, ssShift);
    EXPECT_EQ(FocusedControl(), P2);
    // Tab used as a dialog key reaches the control neither as a key nor as a character.
    EXPECT_EQ(std::count(P2->Messages.begin(), P2->Messages.end(), WM_CHAR), 0);
}

TEST_F(FocusTest, TabSkipsDisabledHiddenAndNonTabStopControls)
{
    A->SetEnabled(false);
    P1->SetVisible(false);
    P2->SetTabStop(false);
    THeadlessBackend::PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), B);  // nothing else can take it: focus stays
    P2->SetTabStop(true);
    THeadlessBackend::PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), P2);
    Panel->SetEnabled(false);  // a disabled parent disables the focus of its children
    EXPECT_FALSE(P2->CanFocus());
}

TEST_F(FocusTest, EnterAndExitRunUpAndDownThroughTheParents)
{
    Log.clear();
    Panel->OnEnter = [this](rtl::TObject*) { Log.push_back("enter Panel"); };
    Panel->OnExit = [this](rtl::TObject*) { Log.push_back("exit Panel"); };
    P1->SetFocus();
    P2->SetFocus();
    A->SetFocus();
    EXPECT_EQ(Log, (std::vector<std::string>{"exit B", "enter Panel", "enter P1", "exit P1", "enter P2", "exit P2",
                                             "exit Panel", "enter A"}));
    // Kill-focus reaches the old control before set-focus reaches the new one.
    auto kill = std::find(P2->Messages.begin(), P2->Messages.end(), WM_KILLFOCUS);
    EXPECT_NE(kill, P2->Messages.end());
    EXPECT_NE(std::find(A->Messages.begin(), A->Messages.end(), WM_SETFOCUS), A->Messages.end());
}

TEST_F(FocusTest, AControlThatWantsTabGetsTheKeyAndTheCharacter)
{
    B->DlgCode = DLGC_WANTTAB;
    std::vector<WORD> keys;
    std::u32string chars;
    B->OnKeyDown = [&](rtl::TObject*, WORD& key, TShiftState) { keys.push_back(key); };
    B->OnKeyPress = [&](rtl::TObject*, char32_t& ch) { chars += ch; };
    THeadlessBackend::PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), B);
    EXPECT_EQ(keys, (std::vector<WORD>{VK_TAB}));
    EXPECT_EQ(chars, U"\t");
    THeadlessBackend::TypeText("ő!");
    EXPECT_EQ(chars, U"\tő!");
}

TEST_F(FocusTest, KeyPreviewLetsTheFormSeeKeysFirst)
{
    Form->SetKeyPreview(true);
    bool controlSaw = false;
    Form->OnKeyDown = [](rtl::TObject*, WORD& key, TShiftState shift) {
        if (key == 'S' && (shift & ssCtrl)) key = 0;
    };
    B->OnKeyDown = [&](rtl::TObject*, WORD& key, TShiftState) { controlSaw |= key == 'S' || key == 'X'; };
    THeadlessBackend::PressKey('S', ssCtrl);
    EXPECT_FALSE(controlSaw);
    THeadlessBackend::PressKey('X');
    EXPECT_TRUE(controlSaw);
}

TEST_F(FocusTest, HidingTheFocusedControlGivesTheFocusBackToTheForm)
{
    P1->SetFocus();
    Panel->SetVisible(false);
    EXPECT_EQ(FocusedControl(), Form);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    THeadlessBackend::PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), B);
}

TEST_F(FocusTest, DeletingTheFocusedControlLeavesNoDanglingFocus)
{
    P1->SetFocus();
    delete Panel;
    EXPECT_EQ(FocusedControl(), nullptr);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    THeadlessBackend::PressKey(VK_TAB);
    EXPECT_TRUE(FocusedControl() == A || FocusedControl() == B);
}

TEST_F(FocusTest, SetFocusOnAnInvisibleControlFails)
{
    P1->SetVisible(false);
    EXPECT_THROW(P1->SetFocus(), rtl::EInvalidOperation);
}

}  // namespace
