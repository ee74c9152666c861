// Tests of the string grid's special editors: each kind opens its own control over the cell and stores its value on close.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/editing/GridEditors.h"
#include "grid/editing/GridSpinEditors.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/GridOnFormTest.h"

using grid::TEditorType;

namespace {

class ExtGridSpecialEditorsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        Saved = rtl::FormatSettings;
        rtl::FormatSettings = rtl::DefaultFormatSettings();
        MakeGridOnForm(true, 600);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Grid->OnGetEditorType = [this](rtl::TObject*, int c, int, TEditorType& e) {
            if (c == 1) e = Kind;
        };
        Grid->OnSetEditText = [this](rtl::TObject*, int c, int r, const std::string& v) {
            Stored.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
        };
        Form->Show();
        Grid->SetFocus();
    }
    // Selects the cell and opens its editor the way a user does: F2 on the grid.
    void OpenWithF2(int col, int row)
    {
        Grid->SetCol(col);
        Grid->SetRow(row);
        ui::THeadlessBackend::PressKey(ui::VK_F2);
    }
    void TearDown() override
    {
        GridOnFormTest::TearDown();
        rtl::FormatSettings = Saved;
    }
    static void Press(int vk) { ui::THeadlessBackend::PressKey(vk); }

    rtl::TFormatSettings Saved;
    TEditorType Kind = grid::edNormal;
    std::vector<std::string> Stored;
};

struct TEditorCase {
    const char* Name;
    TEditorType Kind;
    std::string CellText;
    std::string Shown;     // the text the control opens with
    std::string NewText;   // what the user leaves in it
    std::string Expected;  // the cell after Enter
};

ui::TWinControl* ControlOf(grid::TExtStringGrid& g, TEditorType k)
{
    switch (k) {
    case grid::edSpinEdit: case grid::edFloatSpinEdit: case grid::edTimeSpinEdit: case grid::edDateSpinEdit:
        return g.SpinEdit();
    case grid::edComboEdit: case grid::edComboList: return g.EditCombo();
    case grid::edEditBtn: case grid::edNumericEditBtn: case grid::edMaskEditBtn: return g.EditBtn();
    case grid::edUnitEditBtn: return g.UnitEditBtn();
    case grid::edCheckBox: return g.EditCheck();
    case grid::edButton: return g.GridButton();
    default: return nullptr;
    }
}

std::vector<TEditorCase> StoringCases()
{
    return {
        {"spin", grid::edSpinEdit, "41", "41", "57", "57"},
        {"floatSpin", grid::edFloatSpinEdit, "1.5", "1.5", "2.25", "2.25"},
        {"timeSpin", grid::edTimeSpinEdit, "08:30", "08:30", "09:45", "09:45"},
        {"dateSpin", grid::edDateSpinEdit, "25/12/2024", "25/12/2024", "02/01/2025", "02/01/2025"},
        {"comboEdit", grid::edComboEdit, "pear", "pear", "plum", "plum"},
        {"comboList", grid::edComboList, "pear", "pear", "apple", "apple"},
        {"editBtn", grid::edEditBtn, "abc", "abc", "abcd", "abcd"},
        {"numericEditBtn", grid::edNumericEditBtn, "12", "12", "125", "125"},
        {"unitEditBtn", grid::edUnitEditBtn, "12mm", "12", "30", "30mm"},
    };
}

void Fill(grid::TExtStringGrid& g, TEditorType k)
{
    if (k == grid::edComboEdit || k == grid::edComboList) {
        g.EditCombo()->Items().Clear();
        for (const char* s : {"apple", "pear", "plum"}) g.EditCombo()->Items().Add(s);
    }
    if (k == grid::edUnitEditBtn) {
        g.UnitEditBtn()->Units().Clear();
        g.UnitEditBtn()->Units().Add("mm");
        g.UnitEditBtn()->Units().Add("cm");
    }
}

void SetEditorValue(grid::TExtStringGrid& g, TEditorType k, const std::string& v)
{
    if (k == grid::edComboList) g.EditCombo()->SetItemIndex(g.EditCombo()->Items().IndexOf(v));
    else ControlOf(g, k)->SetText(v);
}

TEST_F(ExtGridSpecialEditorsTest, EachKindOpensItsControlOverTheCellFilledFromItAndEnterStoresTheValue)
{
    for (const TEditorCase& c : StoringCases()) {
        SCOPED_TRACE(c.Name);
        Kind = c.Kind;
        Stored.clear();
        Grid->SetCells(1, 2, c.CellText);
        Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) { Fill(*Grid, c.Kind); };
        OpenWithF2(1, 2);
        ui::TWinControl* ctl = ControlOf(*Grid, c.Kind);
        ASSERT_NE(ctl, nullptr);
        EXPECT_TRUE(ctl->Visible());
        EXPECT_TRUE(ctl->Enabled());
        EXPECT_TRUE(ctl->Focused());
        EXPECT_TRUE(Grid->EditorMode());
        rtl::TRect r = Grid->CellRect(1, 2);
        EXPECT_EQ(ctl->Left(), r.Left);
        EXPECT_EQ(ctl->Top(), r.Top);
        EXPECT_EQ(ctl->Width(), r.Width() - 1);
        EXPECT_EQ(ctl->Text(), c.Shown);

        SetEditorValue(*Grid, c.Kind, c.NewText);
        Press(ui::VK_RETURN);
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(ctl->Enabled());
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_FALSE(Grid->SpecialEditorOpen());
        EXPECT_EQ(Grid->Cells(1, 2), c.Expected);
        ASSERT_FALSE(Stored.empty());
        EXPECT_EQ(Stored.back(), "1,2=" + c.Expected);
    }
}

TEST_F(ExtGridSpecialEditorsTest, EscapeClosesTheEditorAndLeavesTheCellUnchanged)
{
    for (const TEditorCase& c : StoringCases()) {
        SCOPED_TRACE(c.Name);
        Kind = c.Kind;
        Grid->SetCells(1, 3, c.CellText);
        Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) { Fill(*Grid, c.Kind); };
        OpenWithF2(1, 3);
        ui::TWinControl* ctl = ControlOf(*Grid, c.Kind);
        ASSERT_TRUE(ctl->Visible());
        SetEditorValue(*Grid, c.Kind, c.NewText);
        Press(ui::VK_ESCAPE);
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, 3), c.CellText);
    }
}

TEST_F(ExtGridSpecialEditorsTest, CheckBoxAndButtonEditsNeverWriteTheCell)
{
    for (TEditorType k : {grid::edCheckBox, grid::edButton}) {
        SCOPED_TRACE(static_cast<int>(k));
        Kind = k;
        Stored.clear();
        Grid->SetCells(1, 1, "caption");
        OpenWithF2(1, 1);
        ui::TWinControl* ctl = ControlOf(*Grid, k);
        ASSERT_TRUE(ctl->Visible());
        EXPECT_EQ(ctl->Text(), "caption");
        Grid->HideInplaceEdit();
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, 1), "caption");
        EXPECT_TRUE(Stored.empty());
    }
    // The button covers the cell enlarged by one pixel on every side.
    Kind = grid::edButton;
    OpenWithF2(1, 1);
    rtl::TRect r = Grid->CellRect(1, 1);
    EXPECT_EQ(Grid->GridButton()->Left(), r.Left - 1);
    EXPECT_EQ(Grid->GridButton()->Width(), r.Width() + 2);
}

TEST_F(ExtGridSpecialEditorsTest, SpinOpensWithTheLeadingIntegerOfTheCellText)
{
    Kind = grid::edSpinEdit;
    // The limits the application sets for the cell apply before the value is filled in.
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) {
        Grid->SpinEdit()->SetMinValue(-1000);
        Grid->SpinEdit()->SetMaxValue(1000);
    };
    struct {
        const char* Text;
        int Value;
    } cases[] = {{"abc", 0}, {"  -12kg", -12}, {"$1F", 31}, {"0x10", 16}, {"+7", 7}, {"", 0}, {"5000", 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        Grid->SetCells(1, 1, c.Text);
        OpenWithF2(1, 1);
        ASSERT_TRUE(Grid->SpinEdit()->Visible());
        EXPECT_EQ(Grid->SpinEdit()->Value(), c.Value);
        Press(ui::VK_ESCAPE);
    }
}

TEST_F(ExtGridSpecialEditorsTest, FloatSpinReadsTheCellAsAFinancialNumberInTheLocale)
{
    Kind = grid::edFloatSpinEdit;
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) {
        Grid->SpinEdit()->SetMinFloatValue(-1e6);
        Grid->SpinEdit()->SetMaxFloatValue(1e6);
    };
    struct {
        char Decimal, Thousand;
        const char* Text;
        double Value;
    } cases[] = {{'.', ',', "$1,234.50", 1234.5}, {',', '.', "1.234,5", 1234.5}, {',', '.', "(12,25)", -12.25},
                 {'.', ',', "none", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        rtl::FormatSettings.DecimalSeparator = c.Decimal;
        rtl::FormatSettings.ThousandSeparator = c.Thousand;
        Grid->SetCells(1, 1, c.Text);
        OpenWithF2(1, 1);
        ASSERT_TRUE(Grid->SpinEdit()->Visible());
        EXPECT_DOUBLE_EQ(Grid->SpinEdit()->FloatValue(), c.Value);
        Press(ui::VK_ESCAPE);
    }
}

TEST_F(ExtGridSpecialEditorsTest, ComboListWithoutAMatchSelectsTheFirstItemAndReportsIt)
{
    Kind = grid::edComboList;
    std::vector<std::string> changes;
    Grid->OnComboChange = [&](rtl::TObject*, int c, int r, int i, const std::string& s) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + std::to_string(i) + "=" + s);
    };
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) { Fill(*Grid, Kind); };
    Grid->SetCells(1, 1, "cherry");
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditCombo()->ItemIndex(), 0);
    EXPECT_EQ(changes, std::vector<std::string>{"1,1:0=apple"});
    // A case-sensitive match wins over the first item.
    Press(ui::VK_ESCAPE);
    changes.clear();
    Grid->SetCells(1, 2, "plum");
    OpenWithF2(1, 2);
    EXPECT_EQ(Grid->EditCombo()->ItemIndex(), 2);
    EXPECT_TRUE(changes.empty());
}

TEST_F(ExtGridSpecialEditorsTest, ComboSelectionRequestedWhileTheEditorIsPreparedWinsOverTheCellText)
{
    Kind = grid::edComboList;
    int requested = 2;
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) {
        Fill(*Grid, Kind);
        if (requested >= 0) Grid->SetComboSelection(requested);
    };
    Grid->SetCells(1, 1, "pear");
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditCombo()->ItemIndex(), 2);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "plum");

    // The request served one opening: the next one follows the cell text again.
    requested = -1;
    Grid->SetCells(1, 2, "pear");
    OpenWithF2(1, 2);
    EXPECT_EQ(Grid->EditCombo()->ItemIndex(), 1);
    Press(ui::VK_ESCAPE);

    // By text: a missing text is refused and leaves the earlier request in force.
    Kind = grid::edComboEdit;
    Grid->SetCells(1, 3, "kiwi");
    EXPECT_TRUE(Grid->SetComboSelectionString("apple"));
    EXPECT_FALSE(Grid->SetComboSelectionString("mango"));
    OpenWithF2(1, 3);
    EXPECT_EQ(Grid->EditCombo()->ItemIndex(), 0);
    EXPECT_EQ(Grid->EditCombo()->Text(), "apple");
}

TEST_F(ExtGridSpecialEditorsTest, EditorsTakeTheCellsBackgroundColourAndTheEditButtonItsAlignment)
{
    Grid->CellProperties(1, 1)->SetBrushColor(gfx::clYellow);
    for (TEditorType k : {grid::edSpinEdit, grid::edComboEdit, grid::edEditBtn, grid::edCheckBox}) {
        SCOPED_TRACE(static_cast<int>(k));
        Kind = k;
        OpenWithF2(1, 1);
        ASSERT_TRUE(ControlOf(*Grid, k)->Visible());
        EXPECT_EQ(ControlOf(*Grid, k)->Color(), gfx::clYellow);
        Press(ui::VK_ESCAPE);
        Grid->HideInplaceEdit();
        // A cell without a colour of its own gives the grid's colour.
        OpenWithF2(1, 2);
        EXPECT_EQ(ControlOf(*Grid, k)->Color(), Grid->Color());
        Press(ui::VK_ESCAPE);
        Grid->HideInplaceEdit();
    }
    // The edit-button editor also takes the cell's alignment.
    Kind = grid::edEditBtn;
    Grid->CellProperties(1, 1)->SetAlignment(ui::taRightJustify);
    OpenWithF2(1, 1);
    EXPECT_TRUE(Grid->EditBtn()->RightAlign());
    Press(ui::VK_ESCAPE);
    OpenWithF2(1, 2);
    EXPECT_FALSE(Grid->EditBtn()->RightAlign());
}

TEST_F(ExtGridSpecialEditorsTest, ACharacterTypedOnTheGridOpensTheEditorAndIsItsFirstInput)
{
    for (TEditorType k : {grid::edEditBtn, grid::edSpinEdit}) {
        SCOPED_TRACE(static_cast<int>(k));
        Kind = k;
        Grid->SetCells(1, 1, "12");
        Grid->SetCol(1);
        Grid->SetRow(1);
        ui::THeadlessBackend::TypeText("7");
        ASSERT_TRUE(ControlOf(*Grid, k)->Visible());
        EXPECT_EQ(ControlOf(*Grid, k)->Text(), "7");
        Press(ui::VK_RETURN);
        EXPECT_EQ(Grid->Cells(1, 1), "7");
    }
    // F2 afterwards opens without a leftover character.
    Kind = grid::edEditBtn;
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditBtn()->Text(), "7");
}

TEST_F(ExtGridSpecialEditorsTest, TabWithGridTabsStoresTheValueAndMovesToTheNextCell)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    for (const TEditorCase& c : StoringCases()) {
        SCOPED_TRACE(c.Name);
        Kind = c.Kind;
        Grid->SetCells(1, 4, c.CellText);
        Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) { Fill(*Grid, c.Kind); };
        OpenWithF2(1, 4);
        ui::TWinControl* ctl = ControlOf(*Grid, c.Kind);
        ASSERT_TRUE(ctl->Visible());
        SetEditorValue(*Grid, c.Kind, c.NewText);
        Press(ui::VK_TAB);
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(Grid->SpecialEditorOpen());
        EXPECT_EQ(Grid->Cells(1, 4), c.Expected);
        EXPECT_EQ(Grid->Col(), 2);
        EXPECT_EQ(Grid->Row(), 4);
    }
}

TEST_F(ExtGridSpecialEditorsTest, ComboListWidthIsFittedToTheItemsOnlyWhenAsked)
{
    Kind = grid::edComboEdit;
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) {
        Fill(*Grid, Kind);
        Grid->EditCombo()->SetDropWidth(300);
    };
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditCombo()->DropWidth(), 300);
    Press(ui::VK_ESCAPE);
    Grid->Navigation().SetAutoComboDropSize(true);
    OpenWithF2(1, 1);
    // Short items: the fitted list is much narrower than the width given.
    EXPECT_LT(Grid->EditCombo()->DropWidth(), 300);
}

TEST_F(ExtGridSpecialEditorsTest, DirectDropOpensTheListOrCalendarAtOnce)
{
    Grid->MouseActions().SetDirectComboDrop(true);
    Grid->MouseActions().SetDirectDateDrop(true);
    Grid->OnGetEditorProp = [&](rtl::TObject*, int, int, rtl::TObject*) { Fill(*Grid, Kind); };
    Kind = grid::edComboEdit;
    OpenWithF2(1, 1);
    EXPECT_TRUE(Grid->EditCombo()->DroppedDown());
    Grid->EditCombo()->SetDroppedDown(false);
    Press(ui::VK_ESCAPE);
    Kind = grid::edDateEdit;
    Grid->SetCells(1, 2, "25/12/2024");
    OpenWithF2(1, 2);
    EXPECT_TRUE(Grid->DateTimePicker()->DroppedDown());
}

TEST_F(ExtGridSpecialEditorsTest, OnlyTheMaskKindOfTheEditButtonTakesTheCellsEditMask)
{
    Grid->OnGetEditMask = [](rtl::TObject*, int, int, std::string& mask) { mask = "000;1;_"; };
    Kind = grid::edMaskEditBtn;
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditBtn()->EditMask(), "000;1;_");
    Press(ui::VK_ESCAPE);
    Kind = grid::edEditBtn;
    OpenWithF2(1, 1);
    EXPECT_EQ(Grid->EditBtn()->EditMask(), "");
}

TEST_F(ExtGridSpecialEditorsTest, ComboEditorIsFlatAndEtchedOnlyInTheFlatLooks)
{
    Kind = grid::edComboEdit;
    const std::pair<grid::TGridLook, bool> looks[] = {
        {grid::glXP, true}, {grid::glClassic, false}, {grid::glOffice2007, true}, {grid::glStandard, false}};
    for (const auto& [look, flat] : looks) {
        SCOPED_TRACE(static_cast<int>(look));
        Grid->SetLook(look);
        OpenWithF2(1, 1);
        EXPECT_EQ(Grid->EditCombo()->Flat(), flat);
        EXPECT_EQ(Grid->EditCombo()->Etched(), flat);
        Press(ui::VK_ESCAPE);
    }
}

TEST_F(ExtGridSpecialEditorsTest, FocusWindowFramesTheCellWhileASpecialEditorIsOpenAndGoesAfterTheEdit)
{
    Grid->FocusHelper().SetEnabled(true);
    std::vector<std::string> done;
    Grid->OnEditCellDone = [&](rtl::TObject*, int c, int r) { done.push_back(std::to_string(c) + "," + std::to_string(r)); };
    Kind = grid::edEditBtn;
    OpenWithF2(1, 1);
    EXPECT_TRUE(Grid->FocusWindow()->Visible());
    Grid->EditBtn()->SetText("z");
    Press(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(1, 1), "z");
    EXPECT_EQ(done, std::vector<std::string>{"1,1"});
    EXPECT_FALSE(Grid->FocusWindow()->Visible());
}

TEST_F(ExtGridSpecialEditorsTest, InAMergedBlockTheEditorCoversTheBaseCellsWholeArea)
{
    Kind = grid::edEditBtn;
    Grid->MergeCells(1, 1, 2, 2);
    Grid->SetCells(1, 1, "merged");
    OpenWithF2(1, 1);
    ASSERT_TRUE(Grid->EditBtn()->Visible());
    rtl::TRect r = Grid->CellRect(1, 1);
    EXPECT_EQ(Grid->EditBtn()->Width(), r.Width() - 1);
    EXPECT_GE(Grid->EditBtn()->Width(), Grid->ColWidths(1) + Grid->ColWidths(2) - 1);
    EXPECT_EQ(Grid->EditBtn()->Left(), r.Left);
    EXPECT_EQ(Grid->EditBtn()->Text(), "merged");
}

TEST_F(ExtGridSpecialEditorsTest, EnterWithAdvanceOnEnterMovesOnAndInlineKindsStillUseTheTextEditor)
{
    Kind = grid::edEditBtn;
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->SetCells(1, 1, "x");
    OpenWithF2(1, 1);
    Grid->EditBtn()->SetText("y");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "y");
    EXPECT_EQ(Grid->Col(), 2);
    // Column 2 is a plain text cell: the editor-button control stays hidden.
    ui::THeadlessBackend::PressKey(ui::VK_F2);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_FALSE(Grid->EditBtn()->Visible());
    EXPECT_FALSE(Grid->SpecialEditorOpen());
    EXPECT_EQ(Grid->EditControl(), grid::edNormal);
}

struct TPickerCase {
    const char* Name;
    TEditorType Kind;
    std::string CellText;
    double Opened;  // the value the picker opens with; -1: the current date and time
    double Chosen;  // the value the user picks
    std::string Expected;
};

TEST_F(ExtGridSpecialEditorsTest, DateAndTimePickersOpenWithTheCellsValueAndStoreThePickedOneInLocaleFormat)
{
    const double xmas = rtl::EncodeDate(2024, 12, 25);
    const double morning = rtl::EncodeTime(8, 30, 0, 0);
    const double picked = rtl::EncodeDate(2025, 1, 2) + rtl::EncodeTime(17, 5, 9, 0);
    const TPickerCase cases[] = {
        {"date", grid::edDateEdit, "25/12/2024", xmas, picked, "02/01/2025"},
        {"dateUpDown", grid::edDateEditUpDown, "25/12/2024", xmas, picked, "02/01/2025"},
        {"date not readable", grid::edDateEdit, "soon", -1, picked, "02/01/2025"},
        {"date empty", grid::edDateEdit, "", -1, picked, "02/01/2025"},
        {"time", grid::edTimeEdit, "08:30:00", morning, rtl::EncodeTime(17, 5, 9, 0), "17:05:09"},
        {"time empty", grid::edTimeEdit, "", -1, rtl::EncodeTime(17, 5, 9, 0), "17:05:09"},
        {"dateTime", grid::edDateTimeEdit, "25/12/2024 08:30", xmas + morning, picked, "02/01/2025 17:05"},
        {"dateTime not readable", grid::edDateTimeEdit, "later", -1, picked, "02/01/2025 17:05"},
    };
    for (const TPickerCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Kind = c.Kind;
        Grid->SetCells(1, 2, c.CellText);
        const double before = rtl::Now();
        OpenWithF2(1, 2);
        const double after = rtl::Now();
        ui::TWinControl* ctl = c.Kind == grid::edDateTimeEdit ? static_cast<ui::TWinControl*>(Grid->DateAndTimePicker())
                                                              : Grid->DateTimePicker();
        ASSERT_TRUE(ctl->Visible());
        EXPECT_TRUE(ctl->Enabled());
        EXPECT_EQ(ctl->Left(), Grid->CellRect(1, 2).Left);
        EXPECT_EQ(ctl->Top(), Grid->CellRect(1, 2).Top);
        auto* picker = static_cast<ui::TDateTimePicker*>(ctl);
        if (c.Opened < 0) {
            // The date-and-time picker keeps whole seconds: up to one second below "now".
            EXPECT_GE(picker->DateTime(), before - 1.0 / 86400 - 1e-6);
            EXPECT_LE(picker->DateTime(), after + 1e-6);
        } else {
            EXPECT_NEAR(picker->DateTime(), c.Opened, 1e-6);
        }
        if (c.Kind == grid::edDateTimeEdit) Grid->DateAndTimePicker()->SetDateTime(c.Chosen);
        else picker->SetDateTime(c.Chosen);
        Press(ui::VK_RETURN);
        EXPECT_FALSE(ctl->Visible());
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, 2), c.Expected);
    }
}

TEST_F(ExtGridSpecialEditorsTest, ClosingAnUntickedDateTimePickerEmptiesTheCell)
{
    Kind = grid::edDateTimeEdit;
    Grid->SetCells(1, 1, "25/12/2024 08:30");
    OpenWithF2(1, 1);
    Grid->DateAndTimePicker()->SetChecked(false);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "");
}

TEST_F(ExtGridSpecialEditorsTest, EscapeInADatePickerKeepsTheCell)
{
    for (TEditorType k : {grid::edDateEdit, grid::edDateTimeEdit}) {
        SCOPED_TRACE(static_cast<int>(k));
        Kind = k;
        const std::string text = k == grid::edDateEdit ? "25/12/2024" : "25/12/2024 08:30";
        Grid->SetCells(1, 1, text);
        OpenWithF2(1, 1);
        // The picker's Escape puts back the date and time it opened with.
        const double other = rtl::EncodeDate(2030, 6, 1) + rtl::EncodeTime(17, 45, 0, 0);
        if (k == grid::edDateEdit) Grid->DateTimePicker()->SetDateTime(other);
        else Grid->DateAndTimePicker()->SetDateTime(other);
        Press(ui::VK_ESCAPE);
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, 1), text);
    }
}

}  // namespace
