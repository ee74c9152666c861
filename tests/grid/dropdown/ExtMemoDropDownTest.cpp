// The memo drop-down driven by keys and text: memo lines, the first line in the edit, Tab, Escape, auto-drop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtMemoDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

std::vector<std::string> LinesOf(const rtl::TStrings& s)
{
    std::vector<std::string> out;
    for (int i = 0; i < s.GetCount(); ++i) out.push_back(s.Get(i));
    return out;
}

class MemoDropDownTest : public dropdowntest::HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(400, 300);
        Before = new ui::TEdit(Form);
        Before->SetParent(Form);
        Before->SetBounds(10, 200, 100, 21);
        Memo = new TExtMemoDropDown(Form);
        Memo->SetParent(Form);
        Memo->SetBounds(10, 10, 150, 21);
        Memo->OnMemoChange = [this](rtl::TObject* sender) {
            EXPECT_EQ(sender, Memo);
            ++MemoChanges;
        };
        Form->Show();
        App->ActivateForm(Form);
    }
    void SetLines(const std::vector<std::string>& lines)
    {
        rtl::TStringList list;
        for (const std::string& l : lines) list.Add(l);
        Memo->SetMemoText(list);
    }
    static void Press(int vk, ui::TShiftState shift = 0) { THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& text) { THeadlessBackend::TypeText(text); }

    ui::TEdit* Before = nullptr;
    TExtMemoDropDown* Memo = nullptr;
    int MemoChanges = 0;
};

TEST_F(MemoDropDownTest, TheEditShowsTheFirstLineWithAnEllipsisWhenItCannotBeTypedIn)
{
    Memo->SetEditorEnabled(false);
    SetLines({"Wheat", "Maize", "Barley"});
    EXPECT_EQ(Memo->Text(), "Wheat...");
    SetLines({"Wheat"});
    EXPECT_EQ(Memo->Text(), "Wheat") << "one line needs no ellipsis";
    const std::string longLine = "Winter wheat after maize on the loess plateau of the east";
    SetLines({longLine, "second"});
    const std::string shown = Memo->Text();
    ASSERT_GT(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_EQ(longLine.compare(0, shown.size() - 3, shown.substr(0, shown.size() - 3)), 0);
    EXPECT_LT(MeasureText(Memo->Canvas(), shown).cx, Memo->ClientWidth() - Memo->DropDownButtonWidth());
    // An editable edit shows the first line alone.
    Memo->SetEditorEnabled(true);
    SetLines({"Wheat", "Maize"});
    EXPECT_EQ(Memo->Text(), "Wheat");
    EXPECT_EQ(LinesOf(Memo->MemoText()), (std::vector<std::string>{"Wheat", "Maize"}));
}

TEST_F(MemoDropDownTest, TypingInTheEditReducesTheTextToTheEditedLine)
{
    SetLines({"Wheat", "Maize", "Barley"});
    Memo->SetFocus();
    Press(ui::VK_END);
    Type("s");
    EXPECT_EQ(Memo->Text(), "Wheats");
    EXPECT_EQ(LinesOf(Memo->MemoText()), (std::vector<std::string>{"Wheats"}));
}

TEST_F(MemoDropDownTest, LinesTypedInTheOpenMemoAreTheValueAtOnceAndTabClosesSelectingTheEdit)
{
    Memo->SetFocus();
    Press(ui::VK_F4);
    ASSERT_TRUE(Memo->DroppedDown());
    ASSERT_EQ(ui::TInputRouter::Focus(), Memo->Memo());
    Type("rye");
    Press(ui::VK_RETURN);
    Type("oats");
    EXPECT_EQ(LinesOf(Memo->MemoText()), (std::vector<std::string>{"rye", "oats"}));
    EXPECT_EQ(Memo->Text(), "rye");
    EXPECT_GE(MemoChanges, 8);
    Press(ui::VK_TAB);
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_EQ(ui::TInputRouter::Focus(), Memo);
    EXPECT_EQ(Memo->SelStart(), 0);
    EXPECT_EQ(Memo->SelLength(), 3) << "the edit's value is selected";
    EXPECT_EQ(LinesOf(Memo->MemoText()), (std::vector<std::string>{"rye", "oats"})) << "no Tab reached the memo";
    EXPECT_EQ(Memo->Text(), "rye");
}

TEST_F(MemoDropDownTest, EscapeClosesKeepingWhatWasTypedInTheMemo)
{
    SetLines({"one"});
    Memo->SetFocus();
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Memo->DroppedDown());
    Press(ui::VK_END, ui::ssCtrl);  // after the first line's break
    Type("two");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_EQ(LinesOf(Memo->MemoText()), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Memo->Text(), "one");
    EXPECT_EQ(Memo->SelStart(), 0);
}

TEST_F(MemoDropDownTest, AutoDropOpensWhenTabbedIntoAndClosingDoesNotReopen)
{
    Memo->SetAutoDrop(true);
    Memo->SetMemoReadOnly(true);
    Memo->SetMemoScrollBars(ui::ssVertical);
    Before->SetFocus();
    Press(ui::VK_TAB);
    ASSERT_TRUE(Memo->DroppedDown());
    EXPECT_TRUE(Memo->Memo()->ReadOnly());
    EXPECT_EQ(Memo->Memo()->ScrollBars(), ui::ssVertical);
    Type("x");
    EXPECT_EQ(Memo->MemoText().GetCount(), 0) << "a read-only memo takes no typing";
    Press(ui::VK_TAB);
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_EQ(ui::TInputRouter::Focus(), Memo);
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Memo->DroppedDown());
}

}  // namespace
