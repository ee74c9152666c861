// The flat combo box and the grid's combo editor: settings, label, lookup, wheel and the keys that store and close.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditors.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"
#include "platform/ui/StdCtrlsList.h"
#include "tests/grid/editing/GridEditorFixture.h"

using namespace grid;

namespace {

class FlatComboTest : public GridEditorFixture {
protected:
    void TearDown() override
    {
        gfx::SetThemesActive(false);
        GridEditorFixture::TearDown();
    }
};

TEST_F(FlatComboTest, ButtonWidthIsTakenOnlyFrom14To32)
{
    TEsgComboBox c(Form);
    int start = c.ButtonWidth();
    for (int w : {13, 33}) {
        c.SetButtonWidth(w);
        EXPECT_EQ(c.ButtonWidth(), start) << w;
    }
    for (int w : {14, 32}) {
        c.SetButtonWidth(w);
        EXPECT_EQ(c.ButtonWidth(), w);
    }
}

TEST_F(FlatComboTest, AFlatComboTakesItsParentsColourAndGivesItBackWhenNoLongerFlat)
{
    Form->SetColor(0x123456);
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.BeginLoading();
    c.SetColor(0xABCDEF);
    c.Loaded();
    c.SetFlat(true);
    EXPECT_EQ(c.Color(), 0x123456u);
    c.SetFlat(false);
    EXPECT_EQ(c.Color(), 0xABCDEFu);
}

TEST_F(FlatComboTest, OnDropUpFiresOncePerClosingOfTheList)
{
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(20, 20, 120, 22);
    c.Items().Add("a");
    c.Items().Add("b");
    int ups = 0;
    c.OnDropUp = [&](rtl::TObject*) { ++ups; };
    c.SetFocus();
    Press(ui::VK_F4);
    EXPECT_TRUE(c.DroppedDown());
    Press(ui::VK_F4);
    EXPECT_FALSE(c.DroppedDown());
    Press(ui::VK_RIGHT);
    EXPECT_EQ(ups, 1);
}

TEST_F(FlatComboTest, DropWidthWidensTheDroppedDownList)
{
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(20, 20, 100, 22);
    c.Items().Add("a");
    c.SetDropWidth(180);
    c.SetFocus();
    Press(ui::VK_F4);
    ASSERT_NE(c.DropList(), nullptr);
    EXPECT_EQ(c.DropList()->Width(), 180);
}

TEST_F(FlatComboTest, LabelIsPlacedBesideTheComboAndCentredWhenWider)
{
    rtl::TRect box = rtl::Bounds(100, 50, 40, 20);
    EXPECT_EQ(LabelPlacement(lpLeftTop, box, 30, 14, 30, 4), (rtl::TPoint{66, 50}));
    EXPECT_EQ(LabelPlacement(lpLeftCenter, box, 30, 14, 30, 4), (rtl::TPoint{66, 53}));
    EXPECT_EQ(LabelPlacement(lpTopLeft, box, 30, 14, 30, 4), (rtl::TPoint{100, 32}));
    EXPECT_EQ(LabelPlacement(lpBottomLeft, box, 30, 14, 30, 4), (rtl::TPoint{100, 74}));
    EXPECT_EQ(LabelPlacement(lpRightCenter, box, 30, 14, 30, 4), (rtl::TPoint{144, 53}));
    EXPECT_EQ(LabelPlacement(lpRighBottom, box, 30, 14, 30, 4), (rtl::TPoint{144, 56}));
    // A label wider than the combo extends on both sides.
    EXPECT_EQ(LabelPlacement(lpTopCenter, box, 60, 14, 60, 4), (rtl::TPoint{90, 32}));
    EXPECT_EQ(LabelPlacement(lpBottomCenter, box, 20, 14, 20, 4), (rtl::TPoint{110, 74}));

    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(200, 100, 80, 22);
    c.SetLabelPosition(lpTopLeft);
    c.SetLabelCaption("Name");
    ASSERT_NE(c.ComboLabel(), nullptr);
    EXPECT_EQ(c.ComboLabel()->Parent(), Form);
    EXPECT_EQ(c.ComboLabel()->Left(), 200);
    EXPECT_EQ(c.ComboLabel()->Top(), 100 - c.ComboLabel()->Height() - 4);
    c.SetVisible(false);
    EXPECT_FALSE(c.ComboLabel()->Visible());
}

TEST_F(FlatComboTest, FocusColourAppliesWhileFocusedAndTheNormalColourComesBack)
{
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(20, 20, 100, 22);
    c.SetColor(0xFFFFFF);
    c.Init();
    c.SetFocusColor(0x00FFFF);
    c.SetFocus();
    EXPECT_EQ(c.Color(), 0x00FFFFu);
    EXPECT_TRUE(c.HasFocus());
    Grid->SetFocus();
    EXPECT_EQ(c.Color(), 0xFFFFFFu);
}

TEST_F(FlatComboTest, ButtonColourPaintsTheDropDownButton)
{
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(20, 320, 100, 22);
    c.SetButtonColor(0x00C000);
    c.SetButtonTextColor(0);
    Form->PaintPending();
    int x = c.ClientWidth() - 2;
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&c, x, 1)) & 0xFFFFFF, 0x00C000u);
}

class GridComboTest : public GridEditorFixture {
protected:
    TGridCombo& Combo() { return *Grid->EditCombo(); }
    void OpenCombo(ui::TComboBoxStyle style, int col, int row)
    {
        Combo().SetStyle(style);
        Combo().SetText(Grid->Cells(col, row));
        Open(Combo(), style == ui::csDropDown ? edComboEdit : edComboList, col, row);
    }
};

TEST_F(GridComboTest, LookupCompletesFromTheItemsAndSelectsTheCompletedPart)
{
    Grid->SetLookup(true);
    Combo().Items().Add("Apple");
    Combo().Items().Add("Apricot");
    OpenCombo(ui::csDropDown, 1, 1);
    TypeKey('a');
    TypeKey('p');
    EXPECT_EQ(Combo().Text(), "Apple");
    EXPECT_EQ(Combo().ItemIndex(), 0);
    EXPECT_EQ(Combo().SelStart(), 2);
    EXPECT_EQ(Combo().SelLength(), 3);
    TypeKey('r');
    EXPECT_EQ(Combo().Text(), "Apricot");
    EXPECT_EQ(Combo().SelStart(), 3);
    EXPECT_EQ(Combo().SelLength(), 4);
    // The chosen item puts its own text in the edit; Backspace removes the completed part
    // and does not complete again.
    Press(ui::VK_BACK);
    EXPECT_EQ(Combo().Text(), "Apr");
}

TEST_F(GridComboTest, CaseSensitiveLookupAndLookupItemsWithoutAnItemOfTheCombo)
{
    Grid->SetLookup(true);
    Grid->SetLookupCaseSensitive(true);
    Combo().Items().Add("Apple");
    Grid->LookupItems().Add("banana");
    OpenCombo(ui::csDropDown, 1, 1);
    TypeKey('a');
    TypeKey('p');
    EXPECT_EQ(Combo().Text(), "ap");
    Combo().SetText("");
    TypeKey('b');
    TypeKey('a');
    EXPECT_EQ(Combo().Text(), "banana");
    EXPECT_EQ(Combo().ItemIndex(), -1);
    EXPECT_EQ(Combo().SelStart(), 2);
    EXPECT_EQ(Combo().SelLength(), 4);
}

TEST_F(GridComboTest, WheelStepsThroughTheItemsAndFiresTheEventsEvenWithoutAStep)
{
    Combo().Items().Add("one");
    Combo().Items().Add("two");
    OpenCombo(ui::csDropDownList, 2, 1);
    Combo().SetItemIndex(0);
    std::vector<std::string> seen;
    Grid->OnComboChange = [&](TSender, int c, int r, int i, const std::string& t) {
        seen.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + std::to_string(i) + "=" + t);
    };
    Grid->OnEditChange = [&](TSender, int, int, std::string& v) { seen.push_back("edit " + v); };
    auto wheel = [&](int delta) { Combo().Perform(ui::WM_MOUSEWHEEL, static_cast<ui::WPARAM>(delta) << 16, 0); };
    wheel(120);  // away from the user on the first item: no step
    EXPECT_EQ(Combo().ItemIndex(), 0);
    wheel(-120);
    EXPECT_EQ(Combo().ItemIndex(), 1);
    wheel(-120);  // past the last item: stays
    EXPECT_EQ(Combo().ItemIndex(), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"edit one", "2,1:0=one", "edit two", "2,1:1=two", "edit two",
                                              "2,1:1=two"}));
}

// Every way the user changes the combo's value reports the same column, the real one, when a
// column to the left is hidden: typing, the wheel, a click on an item of the dropped-down
// list, and the arrow keys in a list-style combo.
TEST_F(GridComboTest, EditChangeReportsTheRealColumnOnEveryPath)
{
    struct Case {
        const char* name;
        ui::TComboBoxStyle style;
        std::function<void()> change;
        const char* text;  // the value the last report carries
    };
    const Case cases[] = {
        {"typing", ui::csDropDown, [] { TypeKey('t'); }, "t"},
        {"wheel", ui::csDropDown,
         [this] { Combo().Perform(ui::WM_MOUSEWHEEL, static_cast<ui::WPARAM>(-120) << 16, 0); },
         "two"},
        {"list by mouse", ui::csDropDown,
         [this] {
             Press(ui::VK_DOWN, ui::ssAlt);
             ASSERT_TRUE(Combo().DroppedDown());
             ui::TComboDropList* list = Combo().DropList();
             ASSERT_NE(list, nullptr);
             const rtl::TRect item = list->ItemRect(2);
             ui::THeadlessBackend::Click(list, item.Left + 5, (item.Top + item.Bottom) / 2);
             App->ProcessMessages();
         },
         "three"},
        {"list style by keys", ui::csDropDownList, [] { Press(ui::VK_DOWN); }, "two"},
    };
    Grid->SetColCount(5);
    Grid->HideColumn(1);
    Combo().Items().Add("one");
    Combo().Items().Add("two");
    Combo().Items().Add("three");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Grid->SetCells(3, 1, "one");
        OpenCombo(k.style, 2, 1);
        Combo().SetItemIndex(0);
        std::vector<std::string> reports;
        Grid->OnEditChange = [&](TSender, int c, int r, std::string& v) {
            reports.push_back(std::to_string(c) + "," + std::to_string(r) + " " + v);
        };
        k.change();
        ASSERT_FALSE(reports.empty());
        for (const std::string& report : reports) EXPECT_EQ(report.substr(0, 4), "3,1 ") << report;
        EXPECT_EQ(reports.back(), std::string("3,1 ") + k.text);
        Grid->OnEditChange = nullptr;
        if (Combo().DroppedDown()) Press(ui::VK_ESCAPE);
        if (Grid->EditorMode()) Press(ui::VK_ESCAPE);
    }
}

TEST_F(GridComboTest, ListStyleEnterStoresTheSelectedItem)
{
    Combo().Items().Add("red");
    Combo().Items().Add("green");
    Grid->SetCells(1, 2, "red");
    OpenCombo(ui::csDropDownList, 1, 2);
    Combo().SetItemIndex(1);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "green");
    EXPECT_TRUE(Grid->Focused());
}

// The arrows in the open list put the item into the combo; Enter stores it in the cell and
// Escape leaves the cell as it was, whichever key opened the list and in either style.
TEST_F(GridComboTest, ArrowsInTheOpenListChooseTheItemEnterStoresItEscapeKeepsTheCell)
{
    struct Case {
        const char* name;
        ui::TComboBoxStyle style;
        int openKey;
        ui::TShiftState openShift;
        int endKey;
        const char* cell;  // the cell after the list and the editor closed
    };
    const Case cases[] = {
        {"edit style, Alt+Down, Enter", ui::csDropDown, ui::VK_DOWN, ui::ssAlt, ui::VK_RETURN, "sorghum"},
        {"edit style, F4, Enter", ui::csDropDown, ui::VK_F4, 0, ui::VK_RETURN, "sorghum"},
        {"edit style, Escape", ui::csDropDown, ui::VK_DOWN, ui::ssAlt, ui::VK_ESCAPE, "wheat"},
        {"list style, F4, Enter", ui::csDropDownList, ui::VK_F4, 0, ui::VK_RETURN, "sorghum"},
        {"list style, Escape", ui::csDropDownList, ui::VK_F4, 0, ui::VK_ESCAPE, "wheat"},
    };
    for (const char* item : {"maize", "wheat", "barley", "sorghum"}) Combo().Items().Add(item);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Grid->SetCells(1, 2, "wheat");
        std::vector<std::string> reports;
        Grid->OnEditChange = [&](TSender, int, int, std::string& v) { reports.push_back(v); };
        Open(Combo(), k.style == ui::csDropDown ? edComboEdit : edComboList, 1, 2);
        ASSERT_EQ(Combo().Text(), "wheat");
        Press(k.openKey, k.openShift);
        ASSERT_TRUE(Combo().DroppedDown());
        Press(ui::VK_DOWN);
        Press(ui::VK_DOWN);
        EXPECT_EQ(Combo().Text(), "sorghum");
        EXPECT_EQ(Combo().DropList()->ItemIndex(), 3);
        Press(k.endKey);
        App->ProcessMessages();
        EXPECT_FALSE(Combo().DroppedDown());
        EXPECT_FALSE(Combo().Visible());
        EXPECT_TRUE(Grid->Focused());
        EXPECT_EQ(Grid->Cells(1, 2), k.cell);
        EXPECT_EQ(reports, (std::vector<std::string>{"barley", "sorghum"}));
        Grid->OnEditChange = nullptr;
    }
    // A letter typed into the open list of a list-style combo chooses like the arrows.
    Grid->SetCells(1, 2, "wheat");
    Open(Combo(), edComboList, 1, 2);
    Press(ui::VK_F4);
    Type("s");
    EXPECT_EQ(Combo().Text(), "sorghum");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "sorghum");
}

TEST_F(GridComboTest, EditStyleRefusedValueStaysInTheComboWithoutAdvance)
{
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "bad"; };
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->SetCells(1, 2, "old");
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("bad");
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Combo().Focused());
    EXPECT_EQ(Combo().Text(), "bad");
    EXPECT_EQ(Combo().SelLength(), 3);
    EXPECT_EQ(Grid->Cells(1, 2), "old");
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridComboTest, EscapeRestoresTheCellTextAndItsItem)
{
    Combo().Items().Add("red");
    Combo().Items().Add("green");
    Grid->SetCells(1, 2, "green");
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("typed");
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Combo().Text(), "green");
    EXPECT_EQ(Combo().ItemIndex(), 1);
    EXPECT_EQ(Grid->Cells(1, 2), "green");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridComboTest, RightAtTheEndMovesToTheNextCell)
{
    Grid->Navigation().SetCursorWalkEditor(true);
    Grid->Navigation().SetCursorWalkAlwaysEdit(false);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->SetCells(1, 2, "");
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("abc");
    Combo().SetSelStart(3);
    Combo().SetSelLength(0);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_TRUE(Grid->Focused());
    // Not at the end: the caret just moves.
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("abc");
    Combo().SetSelStart(1);
    Combo().SetSelLength(0);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Combo().SelStart(), 2);
}

TEST_F(GridComboTest, HistoryKeepsATypedValueWhenTheComboLosesTheFocus)
{
    Grid->SetLookupHistory(true);
    OpenCombo(ui::csDropDown, 1, 1);
    Combo().SetText("new value");
    Grid->SetFocus();
    EXPECT_EQ(Combo().Items().IndexOf("new value"), 0);
}

TEST_F(GridComboTest, DropDownWidthFitsTheWidestItem)
{
    Combo().SetBounds(0, 0, 60, 22);
    Combo().Items().Add("short");
    Combo().Items().Add("a rather long entry");
    Combo().SizeDropDownWidth();
    EXPECT_EQ(Combo().DropWidth(), Grid->Canvas().TextWidth("a rather long entry") + 8);
}

TEST_F(GridComboTest, UpAndDownGoToTheGridWithoutWritingTheTextWhenTheComboDoesNotTakeThem)
{
    Grid->Navigation().SetComboGetUpDown(false);
    Grid->SetCells(1, 2, "a");
    Grid->SetCells(1, 3, "b");
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("typed");
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Cells(1, 3), "b");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridComboTest, WithComboGetUpDownTheArrowsValidateAndStoreTheText)
{
    std::vector<std::string> validated;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& v, bool&) { validated.push_back(v); };
    Grid->SetCells(1, 2, "a");
    OpenCombo(ui::csDropDown, 1, 2);
    Combo().SetText("typed");
    Press(ui::VK_DOWN);
    EXPECT_EQ(validated, (std::vector<std::string>{"typed"}));
    EXPECT_EQ(Grid->Cells(1, 2), "typed");
}

TEST_F(GridComboTest, TheCaretLandsWhereTheClickThatOpenedTheEditorWas)
{
    Combo().SetStyle(ui::csDropDown);
    Combo().SetText("abcdefgh");
    Combo().SetBounds(50, 50, 160, 22);
    Combo().SetEnabled(true);
    Combo().SetVisible(true);
    int x = Grid->Canvas().TextWidth("abcd") + 3;
    ui::SetCursorPosState(Combo().ClientToScreen({x, 8}));
    Grid->SetLButFlg(true);
    Combo().SetFocus();
    EXPECT_GT(Combo().SelStart(), 0);
    EXPECT_LT(Combo().SelStart(), 8);
    EXPECT_EQ(Combo().SelLength(), 0);
    EXPECT_FALSE(Grid->LButFlg());
}

TEST_F(FlatComboTest, FrameIsDrawnInTheBorderColourAndInTheDisabledColourWhenThemedWithoutDisabledBorder)
{
    TEsgComboBox c(Form);
    c.SetParent(Form);
    c.SetBounds(20, 320, 100, 22);
    ASSERT_GT(c.BorderThickness(), 0);
    int b = -c.BorderThickness();
    auto corner = [&] {
        Form->PaintPending();
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&c, b, b)) & 0xFFFFFF;
    };
    c.SetBorderColor(0x00FF00);
    EXPECT_EQ(corner(), 0x00FF00u);
    gfx::SetThemesActive(true);
    c.SetDisabledBorder(false);
    c.SetEnabled(false);
    c.Invalidate();
    EXPECT_EQ(corner(), 0xB99D7Fu);
}

}  // namespace
