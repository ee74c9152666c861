// Standard controls driven by real input: edit keys and clipboard, memo, check and radio buttons, list and combo boxes.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollInfo.h"
#include "platform/ui/StdCtrls.h"

namespace {

using namespace ui;
using uitest::UiTest;

class StdCtrlsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(400, 300);
    }
    template <typename T>
    T* Add(int left, int top)
    {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
    static void Type(const std::string& text) { THeadlessBackend::TypeText(text); }
    static void Press(int vk, TShiftState shift = 0) { THeadlessBackend::PressKey(vk, shift); }
    TForm* Form = nullptr;
};

TEST_F(StdCtrlsTest, TypingIntoAnEditInsertsDeletesAndMovesTheCaret)
{
    auto* edit = Add<TEdit>(10, 10);
    std::vector<std::string> changes;
    edit->OnChange = [&](rtl::TObject*) { changes.push_back(edit->Text()); };
    Form->Show();
    edit->SetFocus();
    Type("hello");
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(edit->SelStart(), 5);
    Press(VK_BACK);
    EXPECT_EQ(edit->Text(), "hell");
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(edit->Text(), "ell");
    Type("Sz");
    EXPECT_EQ(edit->Text(), "Szell");
    Press(VK_END);
    Type("ő");  // characters, not bytes
    EXPECT_EQ(edit->Text(), "Szellő");
    EXPECT_EQ(edit->SelStart(), 6);
    Press(VK_LEFT);
    Press(VK_BACK);
    EXPECT_EQ(edit->Text(), "Szelő");
    EXPECT_EQ(changes, (std::vector<std::string>{"h", "he", "hel", "hell", "hello", "hell", "ell", "Sell", "Szell",
                                                 "Szellő", "Szelő"}));
    EXPECT_TRUE(edit->Modified());
}

TEST_F(StdCtrlsTest, ShiftSelectionAndClipboardKeys)
{
    auto* edit = Add<TEdit>(10, 10);
    Form->Show();
    edit->SetFocus();
    Type("alpha beta");
    Press(VK_HOME);
    for (int i = 0; i < 5; ++i) Press(VK_RIGHT, ssShift);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 5);
    EXPECT_EQ(edit->SelText(), "alpha");
    Press('C', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "alpha");
    EXPECT_EQ(edit->Text(), "alpha beta");  // Ctrl+C types nothing
    Press(VK_END);
    Press('V', ssCtrl);
    EXPECT_EQ(edit->Text(), "alpha betaalpha");
    Press(VK_LEFT, ssShift | ssCtrl);
    EXPECT_EQ(edit->SelText(), "betaalpha");
    Press('X', ssCtrl);
    EXPECT_EQ(edit->Text(), "alpha ");
    EXPECT_EQ(Clipboard().AsText(), "betaalpha");
    // The older clipboard keys do the same.
    Press('A', ssCtrl);
    EXPECT_EQ(edit->SelLength(), 6);
    Press(VK_INSERT, ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "alpha ");
    Press(VK_DELETE, ssShift);
    EXPECT_EQ(edit->Text(), "");
    Press(VK_INSERT, ssShift);
    Press(VK_INSERT, ssShift);
    EXPECT_EQ(edit->Text(), "alpha alpha ");
    // Typing replaces the selection.
    Press(VK_HOME);
    Press(VK_END, ssShift);
    Type("x");
    EXPECT_EQ(edit->Text(), "x");
    // Ctrl+Z takes the last change back; again, it redoes it.
    Press('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "alpha alpha ");
    EXPECT_EQ(edit->SelLength(), 12);
    Press('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "x");
    edit->SetText("from code");
    EXPECT_FALSE(edit->CanUndo());
}

TEST_F(StdCtrlsTest, RightClickOffersTheFieldsOwnMenu)
{
    auto* other = Add<TEdit>(10, 40);
    auto* edit = Add<TEdit>(10, 10);
    edit->SetText("alpha beta");
    Form->Show();
    other->SetFocus();
    THeadlessBackend::Click(edit, 115, 8);  // caret at the end, nothing selected
    THeadlessBackend::MouseDown(edit, 20, 8, mbRight);
    THeadlessBackend::MouseUp(edit, 20, 8, mbRight);
    TMenuWindow* menu = nullptr;
    for (TWinControl* w : TWinControl::TopLevelWindows()) {
        if (auto* m = dynamic_cast<TMenuWindow*>(w); m != nullptr && m->Visible()) menu = m;
    }
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(FocusedControl(), menu);
    auto item = [&](const std::string& caption) {
        for (int i = 0; i < menu->Level()->Count(); ++i)
            if (menu->Level()->Items(i)->Caption() == caption) return i;
        return -1;
    };
    EXPECT_FALSE(menu->Level()->Items(item("Copy"))->Enabled());  // nothing selected
    THeadlessBackend::Click(menu, 30, menu->ItemRect(item("Select All")).Top + 3);
    EXPECT_EQ(FocusedControl(), edit);
    EXPECT_EQ(edit->SelLength(), 10);
    THeadlessBackend::MouseDown(edit, 20, 8, mbRight);
    THeadlessBackend::MouseUp(edit, 20, 8, mbRight);
    EXPECT_TRUE(menu->Level()->Items(item("Cut"))->Enabled());
    THeadlessBackend::Click(menu, 30, menu->ItemRect(item("Cut")).Top + 3);
    EXPECT_EQ(Clipboard().AsText(), "alpha beta");
    EXPECT_EQ(edit->Text(), "");
    THeadlessBackend::MouseDown(edit, 20, 8, mbRight);
    THeadlessBackend::MouseUp(edit, 20, 8, mbRight);
    THeadlessBackend::Click(menu, 30, menu->ItemRect(item("Undo")).Top + 3);
    EXPECT_EQ(edit->Text(), "alpha beta");
}

TEST_F(StdCtrlsTest, EditRestrictionsApplyToTheUserOnly)
{
    auto* edit = Add<TEdit>(10, 10);
    Form->Show();
    edit->SetFocus();
    edit->SetMaxLength(4);
    Type("123456");
    EXPECT_EQ(edit->Text(), "1234");
    Clipboard().SetAsText("zz");
    Press(VK_LEFT);
    Press(VK_BACK);
    Press('V', ssCtrl);  // one character of room left
    EXPECT_EQ(edit->Text(), "12z4");
    edit->SetText("longer than four");  // from code: not limited
    EXPECT_EQ(edit->Text(), "longer than four");

    edit->SetMaxLength(0);
    edit->SetText("");
    edit->SetNumbersOnly(true);
    Type("2a0-1x8");
    EXPECT_EQ(edit->Text(), "2018");
    Clipboard().SetAsText("12ab");
    Press('V', ssCtrl);
    EXPECT_EQ(edit->Text(), "2018");  // text with non-digits is not pasted

    edit->SetReadOnly(true);
    Press(VK_BACK);
    Type("9");
    Press('A', ssCtrl);
    Press('X', ssCtrl);
    EXPECT_EQ(edit->Text(), "2018");
    Press('C', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "2018");  // copying from a read-only field still works
}

TEST_F(StdCtrlsTest, PasswordFieldHidesItsTextAndDoesNotCopyIt)
{
    auto* edit = Add<TEdit>(10, 10);
    edit->SetPasswordChar(U'*');
    Form->Show();
    edit->SetFocus();
    Type("secret");
    EXPECT_EQ(edit->Text(), "secret");
    Clipboard().SetAsText("before");
    Press('A', ssCtrl);
    Press('C', ssCtrl);
    Press('X', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "before");
    EXPECT_EQ(edit->Text(), "secret");
}

TEST_F(StdCtrlsTest, TextSetFromCodeFiresOnChangeOnlyWhenItDiffers)
{
    auto* edit = Add<TEdit>(10, 10);
    int changes = 0;
    edit->OnChange = [&](rtl::TObject*) { ++changes; };
    edit->SetText("2001");
    edit->SetText("2001");
    edit->SetText("2100");
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(edit->Modified());
}

TEST_F(StdCtrlsTest, MouseSelectsByDraggingAndTabEntrySelectsAll)
{
    auto* first = Add<TEdit>(10, 10);
    auto* edit = Add<TEdit>(10, 40);
    edit->SetText("abcdef");
    Form->Show();
    first->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(FocusedControl(), edit);
    EXPECT_EQ(edit->SelLength(), 6);
    THeadlessBackend::MouseDown(edit, 2, 8);
    THeadlessBackend::MouseMove(edit, 115, 8);
    THeadlessBackend::MouseUp(edit, 115, 8);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 6);
    THeadlessBackend::Click(edit, 110, 8);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 6);
}

TEST_F(StdCtrlsTest, MemoTakesReturnsAndKeepsLines)
{
    auto* memo = Add<TMemo>(10, 10);
    int changes = 0;
    memo->OnChange = [&](rtl::TObject*) { ++changes; };
    Form->Show();
    memo->SetFocus();
    Type("ALL");
    Press(VK_RETURN);
    Type("1; 2; ");
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Lines()[0], "ALL");
    EXPECT_EQ(memo->Lines()[1], "1; 2; ");
    EXPECT_EQ(memo->Text(), "ALL\r\n1; 2; ");
    Press(VK_UP);
    Press(VK_END);
    Type("!");
    EXPECT_EQ(memo->Lines()[0], "ALL!");
    int before = changes;
    memo->Lines().Clear();
    memo->Lines().Add("first");
    memo->Lines().Add("");
    memo->Lines().Add("third");
    EXPECT_EQ(memo->Text(), "first\r\n\r\nthird\r\n");  // each added line ends with a break
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(changes, before + 4);  // changes through Lines fire OnChange too
    memo->Lines().Insert(1, "second");
    memo->Lines().Delete(2);
    memo->Lines().SetStrings(0, "1st");
    EXPECT_EQ(memo->Lines().CommaText(), "1st,second,third");
    memo->Lines().SetText("a\r\nb\r\n");
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Lines().Text(), "a\r\nb\r\n");
    // A typed line without a break at its end takes the next line after a break.
    memo->SetText("typed");
    memo->Lines().Add("added");
    EXPECT_EQ(memo->Text(), "typed\r\nadded");
    memo->Lines().Delete(1);
    EXPECT_EQ(memo->Text(), "typed");
}

TEST_F(StdCtrlsTest, MemoScrollsByWheelScrollBarAndCaret)
{
    auto* memo = Add<TMemo>(10, 10);
    memo->SetScrollBars(ssVertical);
    memo->Lines().BeginUpdate();
    for (int i = 0; i < 40; ++i) memo->Lines().Add("line " + std::to_string(i));
    memo->Lines().EndUpdate();
    Form->Show();
    App->ProcessMessages();
    memo->SetTopLine(0);
    THeadlessBackend::Wheel(memo, -WHEEL_DELTA, 20, 20);
    EXPECT_EQ(memo->TopLine(), 3);
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    int page = memo->TopLine() - 3;
    EXPECT_GT(page, 2);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, info));
    EXPECT_EQ(info.nPos, memo->TopLine());
    EXPECT_EQ(info.nMax, 40);  // forty lines and the empty one after the last break
    // Typing at the end brings the caret's line into view.
    memo->SetFocus();
    THeadlessBackend::PressKey(VK_END, ssCtrl);
    EXPECT_EQ(memo->TopLine() + page, 41);
    THeadlessBackend::PressKey(VK_HOME, ssCtrl);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(StdCtrlsTest, MemoWithoutWordWrapScrollsSideways)
{
    auto* memo = Add<TMemo>(10, 10);
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    memo->Lines().Add(std::string(100, 'w'));
    memo->Lines().Add("short");
    Form->Show();
    App->ProcessMessages();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_HORZ, info));
    EXPECT_GT(info.nMax, static_cast<int>(info.nPage));
    memo->Perform(WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), 0);
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_HORZ, info));
    EXPECT_GT(info.nPos, 0);
    memo->Perform(WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_HORZ, info));
    EXPECT_EQ(info.nPos + static_cast<int>(info.nPage), info.nMax + 1);
    // The caret at the start of the long line brings its start back into view.
    memo->SetFocus();
    THeadlessBackend::PressKey(VK_HOME, ssCtrl);
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_HORZ, info));
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(StdCtrlsTest, MemoWithoutWantReturnsLeavesReturnToTheForm)
{
    auto* memo = Add<TMemo>(10, 10);
    memo->SetWantReturns(false);
    Form->Show();
    memo->SetFocus();
    Type("a");
    Press(VK_RETURN);
    EXPECT_EQ(memo->Lines().Count(), 1);
}

TEST_F(StdCtrlsTest, CheckBoxTogglesWithSpaceAndClickAndReportsCodeChangesAsClicks)
{
    auto* box = Add<TCheckBox>(10, 10);
    box->SetCaption("use ERA5");
    int clicks = 0;
    box->OnClick = [&](rtl::TObject*) { ++clicks; };
    Form->Show();
    box->SetFocus();
    Press(VK_SPACE);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    THeadlessBackend::Click(box, 5, 8);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);
    box->SetChecked(true);  // no change: no click
    EXPECT_EQ(clicks, 3);
    // Released outside: no toggle.
    THeadlessBackend::MouseDown(box, 5, 8);
    THeadlessBackend::MouseUp(box, 300, 8);
    EXPECT_TRUE(box->Checked());
    box->SetEnabled(false);
    THeadlessBackend::Click(box, 5, 8);
    EXPECT_TRUE(box->Checked());
}

TEST_F(StdCtrlsTest, RadioButtonsOfOneParentExcludeEachOther)
{
    auto* rb1 = Add<TRadioButton>(10, 10);
    auto* rb2 = Add<TRadioButton>(10, 30);
    std::vector<std::string> log;
    rb1->SetName("RB1");
    rb2->SetName("RB2");
    for (auto* rb : {rb1, rb2})
        rb->OnClick = [&log](rtl::TObject* s) { log.push_back(static_cast<rtl::TComponent*>(s)->Name()); };
    rb2->SetChecked(true);
    Form->Show();
    THeadlessBackend::Click(rb1, 5, 8);
    EXPECT_TRUE(rb1->Checked());
    EXPECT_FALSE(rb2->Checked());
    THeadlessBackend::Click(rb1, 5, 8);  // clicking a checked radio button keeps it checked
    EXPECT_TRUE(rb1->Checked());
    EXPECT_EQ(log, (std::vector<std::string>{"RB2", "RB1"}));
    // Only the checked one is a tab stop; the arrow keys move and check.
    EXPECT_TRUE(rb1->TabStop());
    EXPECT_FALSE(rb2->TabStop());
    EXPECT_EQ(FocusedControl(), rb1);
    Press(VK_DOWN);
    EXPECT_EQ(FocusedControl(), rb2);
    EXPECT_TRUE(rb2->Checked());
    EXPECT_FALSE(rb1->Checked());
}

TEST_F(StdCtrlsTest, ButtonClicksWithSpaceReturnAndMouse)
{
    auto* button = Add<TButton>(10, 10);
    auto* edit = Add<TEdit>(10, 50);
    int clicks = 0;
    button->OnClick = [&](rtl::TObject*) { ++clicks; };
    Form->Show();
    button->SetFocus();
    Press(VK_SPACE);
    Press(VK_RETURN);
    THeadlessBackend::Click(button, 10, 10);
    EXPECT_EQ(clicks, 3);
    // Return in an edit presses the default button.
    button->SetDefault(true);
    edit->SetFocus();
    Press(VK_RETURN);
    EXPECT_EQ(clicks, 4);
    button->SetEnabled(false);
    THeadlessBackend::Click(button, 10, 10);
    EXPECT_EQ(clicks, 4);
}

TEST_F(StdCtrlsTest, ListBoxSelectsByKeysLettersAndMouse)
{
    auto* list = Add<TListBox>(10, 10);
    for (const char* s : {"cropland", "grassland", "forest", "garden"}) list->Items().Add(s);
    int clicks = 0;
    list->OnClick = [&](rtl::TObject*) { ++clicks; };
    list->SetItemIndex(1);  // from code: no click
    EXPECT_EQ(clicks, 0);
    Form->Show();
    list->SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2);
    Type("g");
    EXPECT_EQ(list->ItemIndex(), 3);  // the next item starting with g
    Type("g");
    EXPECT_EQ(list->ItemIndex(), 1);  // round to the first
    Press(VK_HOME);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 4);
    rtl::TRect r = list->ItemRect(2);
    THeadlessBackend::Click(list, 10, r.Top + 2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 5);
    list->Items().Delete(0);
    EXPECT_EQ(list->ItemIndex(), 1);  // the selection stays on its item
    list->SetSorted(true);
    EXPECT_EQ(list->Items()[0], "forest");
}

TEST_F(StdCtrlsTest, DropDownListComboLooksUpByTypedLetter)
{
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    for (const char* s : {"ALL", "Plain region", "Hill region", "HU11 - Budapest", "HU12 - Pest"}) combo->Items().Add(s);
    std::vector<std::string> changes;
    combo->OnChange = [&](rtl::TObject*) { changes.push_back(combo->Text()); };
    combo->SetItemIndex(0);  // from code: no change event
    EXPECT_EQ(combo->Text(), "ALL");
    Form->Show();
    combo->SetFocus();
    Type("h");
    EXPECT_EQ(combo->ItemIndex(), 2);
    Type("h");
    EXPECT_EQ(combo->ItemIndex(), 3);
    Type("p");
    EXPECT_EQ(combo->Text(), "Plain region");
    Type("x");  // nothing starts with x
    EXPECT_EQ(combo->ItemIndex(), 1);
    Press(VK_DOWN);
    EXPECT_EQ(combo->Text(), "Hill region");
    EXPECT_EQ(changes, (std::vector<std::string>{"Hill region", "HU11 - Budapest", "Plain region", "Hill region"}));
    combo->SetText("not an item");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(StdCtrlsTest, DropDownComboCompletesTypingAndDropsAListWindow)
{
    auto* combo = Add<TComboBox>(10, 10);
    for (const char* s : {"cropland", "grassland", "forest"}) combo->Items().Add(s);
    std::vector<std::string> changes;
    combo->OnChange = [&](rtl::TObject*) { changes.push_back(combo->Text()); };
    combo->SetText("select projection...");  // from code: no change event
    EXPECT_EQ(combo->ItemIndex(), -1);
    Form->Show();
    combo->SetFocus();
    Press('A', ssCtrl);
    Type("g");
    EXPECT_EQ(combo->Text(), "grassland");
    EXPECT_EQ(combo->SelText(), "rassland");
    EXPECT_EQ(combo->ItemIndex(), 1);
    Type("x");
    EXPECT_EQ(combo->Text(), "gx");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes, (std::vector<std::string>{"grassland", "gx"}));

    // The button drops a pop-up list; a click on an item chooses it.
    THeadlessBackend::Click(combo, combo->ClientWidth() - 5, 8);
    ASSERT_TRUE(combo->DroppedDown());
    TCustomListBox* list = combo->DropList();
    EXPECT_TRUE(list->IsTopLevel());
    EXPECT_EQ(list->Items().Count(), 3);
    rtl::TRect r = list->ItemRect(2);
    THeadlessBackend::Click(list, 5, r.Top + 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "forest");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes.back(), "forest");
    EXPECT_EQ(FocusedControl(), combo);
    // A click elsewhere closes the list without choosing.
    THeadlessBackend::Click(combo, combo->ClientWidth() - 5, 8);
    ASSERT_TRUE(combo->DroppedDown());
    THeadlessBackend::Click(Form, 300, 250);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "forest");
    // Alt+Down drops it, Down and Return choose.
    Press(VK_DOWN, ssAlt);
    EXPECT_TRUE(combo->DroppedDown());
    Press(VK_UP);
    EXPECT_EQ(combo->Text(), "grassland");
    Press(VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "grassland");
    // An arrow in the open list shows its item at once; Escape gives back what was there.
    Press(VK_F4);
    Press(VK_DOWN);
    EXPECT_EQ(combo->Text(), "forest");
    EXPECT_EQ(changes.back(), "forest");
    Press(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "grassland");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes.back(), "grassland");
}

TEST_F(StdCtrlsTest, ScrollBarMovesByArrowsAndKeys)
{
    auto* bar = Add<TScrollBar>(10, 10);
    bar->SetLargeChange(10);
    int changes = 0;
    bar->OnChange = [&](rtl::TObject*) { ++changes; };
    Form->Show();
    bar->SetFocus();
    Press(VK_RIGHT);
    EXPECT_EQ(bar->Position(), 1);
    Press(VK_NEXT);
    EXPECT_EQ(bar->Position(), 11);
    THeadlessBackend::Click(bar, 3, 8);  // left arrow
    EXPECT_EQ(bar->Position(), 10);
    Press(VK_END);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, 4);
}

}  // namespace
