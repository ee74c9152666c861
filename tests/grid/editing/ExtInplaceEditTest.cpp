// Tests of the string grid's default in-place text editor driven with real key and character messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

// A grid that records what its editor hooks are told.
class THookGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    std::vector<std::string> Log;
    void EditorKeyDown(ui::WORD& Key, ui::TShiftState) override { Log.push_back("keydown " + std::to_string(Key)); }
    void EditorKeyMessage(ui::TMessage& Msg) override { Log.push_back("keymsg " + std::to_string(Msg.WParam)); }
    void SetFormulaEditing(bool Value) override { Log.push_back(Value ? "formula on" : "formula off"); }
    void EditorCaretChanged(const std::string& Text, rtl::TPoint P, int Pos) override
    {
        Log.push_back("caret " + Text + " " + std::to_string(P.X < 0 ? P.X : 0) + " " + std::to_string(Pos));
    }
    // Runs (once) while the editor is being filled from its cell.
    std::function<void()> DuringFill;
    std::string GetEditText(int ACol, int ARow) override
    {
        if (DuringFill) std::exchange(DuringFill, nullptr)();
        return TExtStringGrid::GetEditText(ACol, ARow);
    }
};

class ExtInplaceEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Saved = rtl::FormatSettings;
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 600, 400);
        Grid = new THookGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Form->Show();
        Grid->SetFocus();
    }
    void TearDown() override
    {
        App.reset();
        rtl::FormatSettings = Saved;
    }
    // Opens the editor on the cell as a user does: a click on the cell (unless it is current
    // already: a click there opens the editor by itself), then F2.
    TExtInplaceEdit* Open(int col = 1, int row = 1)
    {
        if (Grid->Col() != col || Grid->Row() != row) {
            const rtl::TRect cell = Grid->CellRect(col, row);
            ui::THeadlessBackend::Click(Grid, cell.Left + 2, cell.Top + 2);
        }
        ui::THeadlessBackend::PressKey(ui::VK_F2);
        return Grid->NormalEdit();
    }
    static void Type(const std::string& text) { ui::THeadlessBackend::TypeText(text); }
    // A key as typing produces it: the key's press, the character, then the key's release.
    static void TypeKey(char letter)
    {
        const int vk = letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
        ui::THeadlessBackend::KeyDown(vk);
        ui::THeadlessBackend::TypeText(std::string(1, letter));
        ui::THeadlessBackend::KeyUp(vk);
    }
    rtl::TFormatSettings Saved;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    THookGrid* Grid = nullptr;
};

TEST_F(ExtInplaceEditTest, GridEditsItsCellsWithItsOwnEditorAndEveryKeystrokeReachesTheCell)
{
    EXPECT_EQ(Grid->NormalEdit(), nullptr);
    std::vector<std::string> changes;
    Grid->OnEditChange = [&](TSender, int c, int r, std::string& v) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
    };
    TExtInplaceEdit* edit = Open(2, 3);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(static_cast<ui::TInplaceEdit*>(edit), Grid->InplaceEditor());
    EXPECT_TRUE(edit->Focused());
    Type("ab");
    EXPECT_EQ(Grid->Cells(2, 3), "ab");
    EXPECT_EQ(changes, (std::vector<std::string>{"2,3=a", "2,3=ab"}));
    EXPECT_EQ(edit->ColE(), 2);
    EXPECT_EQ(edit->RowE(), 3);
}

struct FilterCase {
    const char* Name;
    TEditorType Kind;
    const char* Typed;
    const char* Expected;
    std::function<void(TExtStringGrid&)> Setup;
};

class ExtInplaceEditFilter : public ExtInplaceEditTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(ExtInplaceEditFilter, EditorKindFiltersOrConvertsTypedCharacters)
{
    const FilterCase& tc = GetParam();
    rtl::FormatSettings.DecimalSeparator = '.';
    rtl::FormatSettings.ThousandSeparator = ',';
    Grid->SetDefaultEditor(tc.Kind);
    if (tc.Setup) tc.Setup(*Grid);
    TExtInplaceEdit* edit = Open();
    ASSERT_NE(edit, nullptr);
    Type(tc.Typed);
    EXPECT_EQ(edit->GetText(), tc.Expected);
    EXPECT_EQ(Grid->Cells(1, 1), tc.Expected);
}

void CommaLocale(TExtStringGrid&)
{
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExtInplaceEditFilter,
    ::testing::Values(
        FilterCase{"NumericMinusOnlyFirstAndOnce", edNumeric, "-1-2a3", "-123", nullptr},
        FilterCase{"NumericMinusAfterDigitDropped", edNumeric, "1-", "1", nullptr},
        FilterCase{"PositiveNumericDigitsOnly", edPositiveNumeric, "-12x", "12", nullptr},
        FilterCase{"FloatOneDecimalSeparator", edFloat, "-1.2.5", "-1.25", nullptr},
        FilterCase{"FloatCommaLocaleIgnoresThousandSeparator", edFloat, "1,2,3.4", "1,234", CommaLocale},
        FilterCase{"PositiveFloatNoMinus", edPositiveFloat, "-2.5", "2.5", nullptr},
        FilterCase{"UpperCase", edUpperCase, "abc", "ABC", nullptr},
        FilterCase{"LowerCase", edLowerCase, "ABC", "abc", nullptr},
        FilterCase{"MixedCaseWordByWord", edMixedCase, "john smith", "John Smith", nullptr},
        FilterCase{"ValidChars", edValidChars, "10201", "1001", [](TExtStringGrid& g) { g.SetValidChars("01"); }},
        FilterCase{"ForcedDecimalSeparator", edNormal, "1.5", "1,5",
                   [](TExtStringGrid& g) {
                       CommaLocale(g);
                       g.SetForceDecimalSeparator(true);
                   }},
        FilterCase{"LengthLimitDropsFurtherCharacters", edNormal, "abcdefg", "abcde",
                   [](TExtStringGrid& g) { g.SetMaxEditLength(5); }}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return info.param.Name; });

TEST_F(ExtInplaceEditTest, BackspaceStillWorksAtTheLengthLimit)
{
    Grid->SetMaxEditLength(5);
    TExtInplaceEdit* edit = Open();
    Type("abcdefg");
    ASSERT_EQ(edit->GetText(), "abcde");
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(edit->GetText(), "abcd");
}

TEST_F(ExtInplaceEditTest, LookupCompletesWithTheFirstMatchingItemAndNotRightAfterBackspace)
{
    Grid->SetLookup(true);
    Grid->LookupItems().Add("Apple");
    Grid->LookupItems().Add("Apricot");
    TExtInplaceEdit* edit = Open();
    TypeKey('A');
    TypeKey('p');
    EXPECT_EQ(edit->GetText(), "Apple");
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 3);
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(edit->GetText(), "Ap");
    EXPECT_FALSE(edit->Workmode());
    TypeKey('r');
    EXPECT_EQ(edit->GetText(), "Apricot");
}

TEST_F(ExtInplaceEditTest, EscapeBringsBackTheTextTheCellHadWhenTheEditorOpened)
{
    Grid->SetCells(1, 1, "start");
    Open();  // opened as by F2: the caret at the end
    Type("x");
    Type("yz");
    ASSERT_EQ(Grid->Cells(1, 1), "startxyz");
    ui::THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "start");
    EXPECT_FALSE(Grid->NormalEdit()->Visible());
}

TEST_F(ExtInplaceEditTest, CtrlEnterInASingleLineGridIsHandedToTheGridsKeyEventOnly)
{
    std::vector<std::string> keys;
    Grid->SetWordWrap(false);
    TExtInplaceEdit* edit = Open();
    Grid->OnKeyDown = [&](rtl::TObject*, ui::WORD& k, ui::TShiftState s) {
        keys.push_back(std::to_string(k) + ((s & ui::ssCtrl) ? "+ctrl" : ""));
    };
    Type("ab");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN, ui::ssCtrl);
    EXPECT_EQ(keys, (std::vector<std::string>{std::to_string(ui::VK_RETURN) + "+ctrl"}));
    EXPECT_EQ(edit->GetText(), "ab");
    EXPECT_TRUE(edit->Visible());
}

TEST_F(ExtInplaceEditTest, RefusedPasteChangesNothingButIsStillReported)
{
    Grid->SetDefaultEditor(edPositiveNumeric);
    std::vector<std::string> after;
    Grid->OnClipboardAfterPasteCell = [&](TSender, int, int, const std::string& v) { after.push_back(v); };
    TExtInplaceEdit* edit = Open();
    Type("12");
    ui::Clipboard().SetAsText("-5");
    ui::THeadlessBackend::PressKey('V', ui::ssCtrl);
    EXPECT_EQ(edit->GetText(), "12");
    EXPECT_EQ(after, (std::vector<std::string>{"12"}));
    ui::Clipboard().SetAsText("34");
    ui::THeadlessBackend::PressKey('V', ui::ssCtrl);
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(Grid->Cells(1, 1), "1234");
}

TEST_F(ExtInplaceEditTest, ValidCharsRefusePastingAForeignCharacterWhileCopyStillWorks)
{
    Grid->SetDefaultEditor(edValidChars);
    Grid->SetValidChars("01");
    TExtInplaceEdit* edit = Open();
    Type("101");
    ui::Clipboard().SetAsText("12");
    ui::THeadlessBackend::PressKey('V', ui::ssCtrl);
    EXPECT_EQ(edit->GetText(), "101");
    edit->SelectAll();
    ui::THeadlessBackend::PressKey('C', ui::ssCtrl);
    EXPECT_EQ(ui::Clipboard().AsText(), "101");
    // A copy the grid's handler refuses leaves the clipboard alone.
    Grid->OnClipboardCopy = [](TSender, bool& allow) { allow = false; };
    ui::Clipboard().SetAsText("kept");
    ui::THeadlessBackend::PressKey('C', ui::ssCtrl);
    EXPECT_EQ(ui::Clipboard().AsText(), "kept");
}

TEST_F(ExtInplaceEditTest, EditorTellsTheGridHooksOfKeysFormulasCaretAndFocusLoss)
{
    ui::TForm* other = new ui::TForm(App.get());
    other->Show();
    Grid->SetFocus();
    Grid->SetLookupHistory(true);
    ASSERT_TRUE(Open()->Focused());
    Grid->Log.clear();
    TypeKey('=');
    ui::THeadlessBackend::PressKey(ui::VK_LEFT);
    EXPECT_NE(std::find(Grid->Log.begin(), Grid->Log.end(), "formula on"), Grid->Log.end());
    EXPECT_NE(std::find(Grid->Log.begin(), Grid->Log.end(), "keymsg " + std::to_string(ui::VK_LEFT)), Grid->Log.end());
    EXPECT_NE(std::find(Grid->Log.begin(), Grid->Log.end(), "keydown " + std::to_string(ui::VK_LEFT)),
              Grid->Log.end());
    EXPECT_NE(std::find(Grid->Log.begin(), Grid->Log.end(), "caret = 0 1"), Grid->Log.end());
    Grid->Log.clear();
    other->SetFocus();
    // Leaving for another window ends the edit with the value stored and remembered.
    EXPECT_FALSE(Grid->NormalEdit()->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), "=");
    EXPECT_EQ(Grid->LookupItems().IndexOf("="), 0);
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"formula off", "caret = -1 -1"}));
}

TEST_F(ExtInplaceEditTest, EnterValidatesAndARefusedValueStaysInTheOpenEditor)
{
    Grid->SetCells(1, 1, "old");
    std::vector<std::string> asked;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& value, bool& valid) {
        asked.push_back(value);
        if (value == "bad") valid = false;
        if (value == "fix") {
            value = "fixed";
            valid = false;
        }
    };
    TExtInplaceEdit* edit = Open();
    edit->SelectAll();
    Type("bad");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    // The refused value never stays in the cell: the cell has its old text back and the
    // editor stays open on it.
    EXPECT_EQ(Grid->Cells(1, 1), "old");
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->GetText(), "bad");
    edit->SelectAll();
    Type("fix");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "fixed");
    EXPECT_EQ(edit->GetText(), "fixed");
    edit->SelectAll();
    Type("good");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "good");
    EXPECT_EQ(asked, (std::vector<std::string>{"bad", "fix", "good"}));
}

TEST_F(ExtInplaceEditTest, TabWithGridTabsValidatesThenStepsToTheNextCell)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    int validations = 0;
    Grid->OnCellValidate = [&](TSender, int, int, std::string&, bool&) { ++validations; };
    TExtInplaceEdit* edit = Open(1, 2);
    Type("v");
    ui::THeadlessBackend::PressKey(ui::VK_TAB);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(Grid->Cells(1, 2), "v");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    // AdvanceAutoEdit (on by default) opens the next cell's editor.
    EXPECT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetText(), "");
}

// The end of an edit is announced once when the editor loses the focus: OnEditingDone at
// once, OnEditCellDone for the edited cell when the posted message arrives.
TEST_F(ExtInplaceEditTest, LeavingTheEditorAnnouncesTheEndOfTheEditOnce)
{
    ui::TForm* other = new ui::TForm(App.get());
    other->Show();
    Grid->SetFocus();
    int editingDone = 0;
    std::vector<std::pair<int, int>> cellDone;
    Grid->OnEditingDone = [&](TSender) { ++editingDone; };
    Grid->OnEditCellDone = [&](TSender, int c, int r) { cellDone.emplace_back(c, r); };
    ASSERT_TRUE(Open(2, 3)->Focused());
    Type("ab");
    other->SetFocus();
    EXPECT_EQ(editingDone, 1);
    EXPECT_TRUE(cellDone.empty());
    App->ProcessMessages();
    EXPECT_EQ(cellDone, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_EQ(Grid->Cells(2, 3), "ab");
    // Focus coming and going without an edit announces nothing more.
    Grid->SetFocus();
    other->SetFocus();
    App->ProcessMessages();
    EXPECT_EQ(editingDone, 1);
    EXPECT_EQ(cellDone.size(), 1u);
}

// Focus lost while a cell without property object is being written (the editor is refilled
// from the cell) is no end of an edit.
TEST_F(ExtInplaceEditTest, FocusLostWhileACellIsWrittenAnnouncesNothing)
{
    ui::TForm* other = new ui::TForm(App.get());
    other->Show();
    Grid->SetFocus();
    int editingDone = 0;
    Grid->OnEditingDone = [&](TSender) { ++editingDone; };
    ASSERT_TRUE(Open(1, 1)->Focused());
    Grid->DuringFill = [&] {
        EXPECT_TRUE(Grid->EditCellSet());
        other->SetFocus();
    };
    Grid->SetCells(1, 1, "written");
    App->ProcessMessages();
    EXPECT_FALSE(Grid->NormalEdit()->Focused());
    EXPECT_EQ(editingDone, 0);
}

// With the focus helper the glow frames the current cell when the edit ends and goes once
// the announcement has arrived and no edit is open.
TEST_F(ExtInplaceEditTest, FocusWindowGoesWhenTheEndOfTheEditArrives)
{
    ui::TForm* other = new ui::TForm(App.get());
    other->Show();
    Grid->SetFocus();
    Grid->FocusHelper().SetEnabled(true);
    ASSERT_TRUE(Open(1, 2)->Focused());
    other->SetFocus();
    EXPECT_TRUE(Grid->FocusWindow()->Visible());
    App->ProcessMessages();
    EXPECT_FALSE(Grid->FocusWindow()->Visible());
}

// With EditOnDblClickOnly the end of one edit switches editing off, yet a double click on
// another cell opens its editor at once: after the edit was left by double-clicking that
// cell, and after Enter closed it. The messages posted meanwhile are handled between the
// mouse messages, as the message loop does.
TEST_F(ExtInplaceEditTest, DoubleClickRightAfterAnEditOpensTheNextCellsEditor)
{
    Grid->MouseActions().SetEditOnDblClickOnly(true);
    auto doubleClick = [this](int col, int row) {
        const rtl::TRect cell = Grid->CellRect(col, row);
        ui::THeadlessBackend::Click(Grid, cell.Left + 6, cell.Top + 4);
        App->ProcessMessages();
        ui::THeadlessBackend::Click(Grid, cell.Left + 6, cell.Top + 4);
        App->ProcessMessages();
    };
    for (bool byEnter : {false, true}) {
        SCOPED_TRACE(byEnter ? "Enter, then a double click" : "a double click on the next cell");
        Grid->SetCells(1, 2, "a");
        Grid->SetCells(3, 2, "b");
        doubleClick(1, 2);
        ASSERT_NE(Grid->NormalEdit(), nullptr);
        ASSERT_TRUE(Grid->NormalEdit()->Visible());
        ui::THeadlessBackend::PressKey(ui::VK_END);
        Type("1");
        if (byEnter) {
            ui::THeadlessBackend::PressKey(ui::VK_RETURN);
            App->ProcessMessages();
            EXPECT_FALSE(Grid->EditorMode());
            EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
        }
        doubleClick(3, 2);
        EXPECT_EQ(Grid->Cells(1, 2), "a1");
        EXPECT_EQ(Grid->Col(), 3);
        EXPECT_TRUE(Grid->EditorMode());
        ASSERT_TRUE(Grid->NormalEdit()->Visible());
        EXPECT_TRUE(Grid->NormalEdit()->Focused());
        EXPECT_EQ(Grid->NormalEdit()->Text(), "b");
        ui::THeadlessBackend::PressKey(ui::VK_END);
        Type("2");
        ui::THeadlessBackend::PressKey(ui::VK_RETURN);
        App->ProcessMessages();
        EXPECT_EQ(Grid->Cells(3, 2), "b2");
    }
}

// With EditOnDblClickOnly the arrival of the announcement switches editing off again.
TEST_F(ExtInplaceEditTest, EditOnDblClickOnlySwitchesEditingOffAfterTheEdit)
{
    ui::TForm* other = new ui::TForm(App.get());
    other->Show();
    Grid->SetFocus();
    Grid->MouseActions().SetEditOnDblClickOnly(true);
    const rtl::TRect cell = Grid->CellRect(1, 2);
    ui::THeadlessBackend::Click(Grid, cell.Left + 2, cell.Top + 2);
    EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
    Type("x");  // typing still opens the editor of a cell that needs a double click
    ASSERT_NE(Grid->NormalEdit(), nullptr);
    ASSERT_TRUE(Grid->NormalEdit()->Focused());
    other->SetFocus();
    App->ProcessMessages();
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
}

}  // namespace

// The editor takes the look its cell is painted with (colour, font, alignment). Once it is
// placed, the "GridEditProp" message it posts to itself takes that look again and asks
// OnGetEditorProp for the cell's real column, where the application may change the look.
TEST_F(ExtInplaceEditTest, TheEditorTakesItsCellsLookAndOnGetEditorPropMayChangeIt)
{
    Grid->SetCells(3, 2, "ab");
    Grid->HideColumn(1);  // displayed column 2 is real column 3
    Grid->OnGetCellColor = [](TSender, int r, int c, ui::TGridDrawState, gfx::TBrush* b, gfx::TFont* f) {
        if (c != 3 || r != 2) return;
        b->SetColor(gfx::clYellow);
        f->SetColor(gfx::clBlue);
        f->SetStyle({gfx::fsBold});
    };
    Grid->OnGetAlignment = [](TSender, int r, int c, ui::TAlignment& h, TVAlignment&) {
        if (c == 3 && r == 2) h = ui::taRightJustify;
    };
    std::vector<std::string> asked;
    Grid->OnGetEditorProp = [&](TSender, int c, int r, rtl::TObject* link) {
        asked.push_back(std::to_string(c) + "," + std::to_string(r) + (link != nullptr ? " link" : ""));
        if (c == 3 && r == 2) Grid->NormalEdit()->SetColor(gfx::clAqua);
    };
    TExtInplaceEdit* edit = Open(2, 2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Color(), gfx::clYellow);
    EXPECT_EQ(edit->Font().Color(), gfx::clBlue);
    EXPECT_TRUE(edit->Font().Style().Contains(gfx::fsBold));
    EXPECT_TRUE(asked.empty());  // the message is still on its way

    App->ProcessMessages();
    EXPECT_EQ(asked, std::vector<std::string>{"3,2"});
    Form->PaintPending();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(edit, edit->Width() - 3, edit->Height() - 3) & 0xFFFFFF, gfx::clAqua);
    // The cell's text in blue at the editor's right end (right-aligned), none at its left.
    const auto bluePixels = [edit](int from, int to) {
        int n = 0;
        for (int y = 0; y < edit->Height(); ++y)
            for (int x = from; x < to; ++x) {
                const auto c = static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(edit, x, y)) & 0xFFFFFF;
                if (((c >> 16) & 0xFF) > 150 && (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100) ++n;
            }
        return n;
    };
    EXPECT_GT(bluePixels(edit->Width() / 2, edit->Width()), 5);
    EXPECT_EQ(bluePixels(0, edit->Width() / 2), 0);

    // The next cell's editor has that cell's own look.
    ui::THeadlessBackend::PressKey(ui::VK_ESCAPE);
    Open(2, 3);
    App->ProcessMessages();
    EXPECT_EQ(asked, (std::vector<std::string>{"3,2", "3,3"}));
    EXPECT_EQ(edit->Color(), Grid->Color());
    EXPECT_EQ(edit->Font().Color(), Grid->Font().Color());
    EXPECT_FALSE(edit->Font().Style().Contains(gfx::fsBold));
}
