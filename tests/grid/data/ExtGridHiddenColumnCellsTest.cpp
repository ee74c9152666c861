// Tests that with columns hidden left of them, the shown cells are the ones painted, merged, edited, sorted and searched.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridEditors.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Messages.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/grid/editing/GridEditorFixture.h"

using namespace grid;

namespace {

// A 7 × 6 grid whose every cell holds "c<real column>r<row>", shown on its form; the tests
// then hide real column 1 (and sometimes more), so displayed column d >= 1 shows real d + 1.
class HiddenColumnCellsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 480, 380);
        Grid->SetColCount(7);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(60);
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 6; ++r) Grid->SetCells(c, r, Label(c, r));
    }
    static std::string Label(int realCol, int row) { return "c" + std::to_string(realCol) + "r" + std::to_string(row); }
    void ShowForm()
    {
        Form->Show();
        App->ProcessMessages();
    }
    std::int32_t PixelAt(int x, int y) const { return ui::THeadlessBackend::Pixel(Grid, x, y); }
    std::int32_t CentrePixel(const rtl::TRect& r) const
    {
        return PixelAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // Some pixel inside the rectangle (off its edges) differs from the window colour.
    bool HasInk(const rtl::TRect& r) const
    {
        const gfx::TColor window = gfx::ColorToRGB(gfx::clWindow);
        for (int x = r.Left + 2; x < r.Right - 2; ++x)
            for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
                if (PixelAt(x, y) != static_cast<std::int32_t>(window)) return true;
        return false;
    }
    std::string Current() const { return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()); }
    std::vector<std::string> Column(int c) const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < Grid->RowCount(); ++r) texts.push_back(Grid->Cells(c, r));
        return texts;
    }
};

TEST_F(HiddenColumnCellsTest, PaintingDrawsTheShownColumnsTextAndPropertyColour)
{
    Grid->HideColumn(1);
    Grid->HideColumn(2);
    // Displayed column 2 is real column 4; the column left of it is real column 3.
    for (int c = 0; c < Grid->ColCount(); ++c)
        for (int r = 1; r < Grid->RowCount(); ++r) Grid->SetCells(c, r, "");
    Grid->SetCells(2, 2, "WWWW");
    Grid->CellProperties(2, 3)->SetBrushColor(gfx::clYellow);
    Grid->CellProperties(2, 4)->SetFontColor(gfx::clRed);
    Grid->SetCells(2, 4, "WWWW");
    ShowForm();

    EXPECT_TRUE(HasInk(Grid->CellRect(2, 2)));
    EXPECT_FALSE(HasInk(Grid->CellRect(1, 2)));
    EXPECT_EQ(CentrePixel(Grid->CellRect(2, 3)), gfx::clYellow);
    EXPECT_NE(CentrePixel(Grid->CellRect(1, 3)), gfx::clYellow);
    // The property font colour is the one of the cell that holds it.
    auto hasRed = [&](const rtl::TRect& r) {
        for (int x = r.Left + 1; x < r.Right - 1; ++x)
            for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
                if (PixelAt(x, y) == static_cast<std::int32_t>(gfx::clRed)) return true;
        return false;
    };
    EXPECT_TRUE(hasRed(Grid->CellRect(2, 4)));
    EXPECT_FALSE(hasRed(Grid->CellRect(1, 4)));
}

TEST_F(HiddenColumnCellsTest, CellColourEventNamesTheRealColumnOfThePaintedCell)
{
    Grid->HideColumn(1);
    Grid->HideColumn(2);
    std::vector<int> colsOfRow3;
    Grid->OnGetCellColor = [&](TSender, int ARow, int ACol, ui::TGridDrawState, gfx::TBrush* ABrush, gfx::TFont*) {
        if (ARow != 3) return;
        colsOfRow3.push_back(ACol);
        if (ACol == 4 && ABrush != nullptr) ABrush->SetColor(gfx::clAqua);  // real column 4 is shown at 2
    };
    ShowForm();
    EXPECT_EQ(CentrePixel(Grid->CellRect(2, 3)), gfx::clAqua);
    EXPECT_NE(CentrePixel(Grid->CellRect(4, 3)), gfx::clAqua);
    EXPECT_EQ(std::count(colsOfRow3.begin(), colsOfRow3.end(), 1), 0);  // a hidden column is never painted
}

TEST_F(HiddenColumnCellsTest, MergedBlockRightOfAHiddenColumnPaintsSelectsAndNavigatesAsOneBlock)
{
    Grid->HideColumn(1);
    const rtl::TRect left = Grid->CellRect(2, 4);
    const rtl::TRect right = Grid->CellRect(3, 4);
    Grid->MergeCells(2, 2, 2, 1);  // displayed columns 2..3 of row 2
    Grid->CellProperties(2, 2)->SetBrushColor(gfx::clYellow);
    ShowForm();
    Grid->SetFocus();

    for (int c : {2, 3}) {
        const rtl::TRect block = Grid->CellRect(c, 2);
        EXPECT_EQ(block.Left, left.Left) << c;
        EXPECT_EQ(block.Right, right.Right) << c;
    }
    EXPECT_EQ(Grid->CellRect(4, 2).Left, right.Right);
    // The block is painted whole in its base cell's colour; the cells beside it are not.
    EXPECT_EQ(PixelAt((left.Left + left.Right) / 2, Grid->CellRect(2, 2).Top + 5), gfx::clYellow);
    EXPECT_EQ(PixelAt((right.Left + right.Right) / 2, Grid->CellRect(2, 2).Top + 5), gfx::clYellow);
    EXPECT_NE(CentrePixel(Grid->CellRect(4, 2)), gfx::clYellow);
    EXPECT_NE(CentrePixel(Grid->CellRect(1, 2)), gfx::clYellow);

    // Arrow keys enter the block at its base cell and leave it on its far side.
    Grid->SetCol(1);
    Grid->SetRow(2);
    const std::vector<std::pair<int, std::string>> steps = {
        {ui::VK_RIGHT, "2,2"}, {ui::VK_RIGHT, "4,2"}, {ui::VK_LEFT, "2,2"}, {ui::VK_LEFT, "1,2"}};
    for (const auto& [key, expected] : steps) {
        ui::THeadlessBackend::PressKey(key);
        EXPECT_EQ(Current(), expected) << "key " << key;
    }

    // A selection ending inside the block is widened over the whole block.
    ui::TGridRect sel{};
    sel.Left = 3;
    sel.Top = 2;
    sel.Right = 3;
    sel.Bottom = 3;
    Grid->SetSelection(sel);
    Grid->AdjustSelectionForMerge();
    EXPECT_EQ(Grid->Selection().Left, 2);
    EXPECT_EQ(Grid->Selection().Right, 3);
}

// The last row shown as a floating footer: a merged, coloured block right of a hidden
// column fills its own two footer cells and no others.
TEST_F(HiddenColumnCellsTest, FooterPaintsTheLastRowsMergedBlockUnderItsShownColumns)
{
    Grid->HideColumn(1);
    Grid->SetFlat(true);  // no header gradient over the fixed footer row
    Grid->SetColor(gfx::clWhite);
    Grid->FloatingFooter().SetColor(gfx::clYellow);
    Grid->FloatingFooter().SetVisible(true);
    const int last = Grid->RowCount() - 1;
    Grid->MergeCells(2, last, 2, 1);
    Grid->CellProperties(2, last)->SetBrushColor(gfx::clLime);
    ShowForm();
    Grid->Invalidate();
    Form->PaintPending();
    auto footerAt = [&](int c) {
        int x = 0;
        for (int i = 0; i < c; ++i) x += Grid->ColWidths(i);
        x += Grid->ColWidths(c) / 2;
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid->FooterPanel(), x, 10)) & 0xFFFFFF;
    };
    EXPECT_EQ(footerAt(2), gfx::clLime);
    EXPECT_EQ(footerAt(3), gfx::clLime);
    EXPECT_EQ(footerAt(1), gfx::clYellow);
    EXPECT_EQ(footerAt(4), gfx::clYellow);
}

TEST_F(HiddenColumnCellsTest, BlinkingHeaderOfTheLastShownColumnIsRepaintedOnEachTick)
{
    Grid->HideColumn(1);
    Grid->SetEnableBlink(true);
    const int last = Grid->ColCount() - 1;
    Grid->SetCells(last, 0, "<blink>head</blink>");
    ShowForm();
    Form->PaintPending();
    ASSERT_TRUE(Form->UpdateRegion().IsEmpty());
    Grid->Perform(ui::WM_TIMER, 111, 0);
    const rtl::TRect r = Grid->CellRect(last, 0);
    const rtl::TPoint p = Grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    EXPECT_TRUE(Form->UpdateRegion().Contains(p.X - Form->Left(), p.Y - Form->Top()));
}

TEST_F(HiddenColumnCellsTest, CellsFixedAtTheRightAreTheLastShownColumns)
{
    Grid->SetFixedRightCols(1);
    Grid->HideColumn(1);
    const int last = Grid->ColCount() - 1;
    EXPECT_TRUE(Grid->IsFixed(last, 2));
    EXPECT_FALSE(Grid->IsFixed(last - 1, 2));
}

// The cell the editor starts from, the cell a validated value goes to, and the cell a
// refused value is put back in are all the displayed cell; the validation event is told
// the real column.
TEST_F(HiddenColumnCellsTest, InplaceEditingWritesTheShownCellAndARefusalRestoresIt)
{
    Grid->HideColumn(1);
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    std::vector<int> validatedCols;
    Grid->OnCellValidate = [&](TSender, int c, int, std::string& v, bool& ok) {
        validatedCols.push_back(c);
        ok = v != "bad";
    };
    ShowForm();
    Grid->SetFocus();
    Grid->SetCol(2);
    Grid->SetRow(1);
    Grid->SetEditorMode(true);
    TExtInplaceEdit* edit = Grid->NormalEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetText(), Label(3, 1));
    EXPECT_EQ(Grid->CellCache(), Label(3, 1));

    edit->SelectAll();
    ui::THeadlessBackend::TypeText("bad");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    // The cell keeps its text; the refused text stays in the editor for correcting.
    EXPECT_EQ(Grid->Cells(2, 1), Label(3, 1));
    EXPECT_EQ(edit->GetText(), "bad");

    edit->SelectAll();
    ui::THeadlessBackend::TypeText("good");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "good");
    EXPECT_EQ(validatedCols, (std::vector<int>{3, 3}));
    for (int c : {1, 3}) EXPECT_EQ(Grid->Cells(c, 1), Label(c + 1, 1)) << c;
    Grid->UnHideColumn(1);
    EXPECT_EQ(Grid->Cells(3, 1), "good");
    EXPECT_EQ(Grid->Cells(4, 1), Label(4, 1));
}

// A check box is a control of its own cell: the text editor opens beside it, not on it.
TEST_F(HiddenColumnCellsTest, TextEditorOpensBesideACheckBoxCellAndNotOnIt)
{
    Grid->HideColumn(1);
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    Grid->AddCheckBox(3, 2, false, false);
    ShowForm();
    Grid->SetFocus();
    for (const auto& [col, opens] : std::vector<std::pair<int, bool>>{{2, true}, {3, false}}) {
        Grid->SetCol(col);
        Grid->SetRow(2);
        Grid->ShowInplaceEdit();
        EXPECT_EQ(Grid->EditorMode(), opens) << col;
        Grid->HideInplaceEdit();
    }
}

// Opens one of the grid's editor controls over a displayed cell as the grid shows it.
class HiddenColumnEditorsTest : public HiddenColumnCellsTest {
protected:
    void SetUp() override
    {
        HiddenColumnCellsTest::SetUp();
        Grid->HideColumn(1);
        ShowForm();
    }
    void Open(ui::TWinControl& editor, TEditorType kind, int col, int row)
    {
        OpenEditorOver(*Grid, editor, kind, col, row);
    }
};

TEST_F(HiddenColumnEditorsTest, ComboStoresItsChoiceInTheShownCell)
{
    TGridCombo& combo = *Grid->EditCombo();
    combo.Items().Add("red");
    combo.Items().Add("green");
    combo.SetStyle(ui::csDropDownList);
    combo.SetText(Grid->Cells(2, 2));
    Open(combo, edComboList, 2, 2);
    combo.SetItemIndex(1);
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 2), "green");
    for (int c : {1, 3}) EXPECT_EQ(Grid->Cells(c, 2), Label(c + 1, 2)) << c;
}

TEST_F(HiddenColumnEditorsTest, EditButtonValidatesIntoTheShownCellAndKeepsItOnRefusal)
{
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "bad"; };
    TGridEditBtn& btn = *Grid->EditBtn();
    btn.SetText("bad");
    Open(btn, edEditBtn, 2, 1);
    btn.SetText("bad");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), Label(3, 1));
    btn.SetText("ok");
    Open(btn, edEditBtn, 2, 1);
    btn.SetText("ok");
    ui::THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "ok");
    for (int c : {1, 3}) EXPECT_EQ(Grid->Cells(c, 1), Label(c + 1, 1)) << c;
}

TEST_F(HiddenColumnCellsTest, UndoPutsBackTheShownCellAndMakesItCurrent)
{
    Grid->HideColumn(1);
    TExtGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    Grid->StoreCellText(3, 2, "new");
    Grid->SetCol(1);
    undo.Undo();
    EXPECT_EQ(Grid->Cells(3, 2), Label(4, 2));
    EXPECT_EQ(Current(), "3,2");
    Grid->SetUndoRedo(nullptr);
}

TEST_F(HiddenColumnCellsTest, HeaderClickSortsTheShownColumnAndReportsItsRealIndex)
{
    const char* shownKeys[] = {"b", "c", "a", "d", "e"};
    const char* hiddenKeys[] = {"z", "y", "x", "w", "v"};
    for (int r = 1; r < 6; ++r) {
        Grid->SetCells(1, r, hiddenKeys[r - 1]);
        Grid->SetCells(2, r, shownKeys[r - 1]);
    }
    Grid->HideColumn(1);
    Grid->SortSettings().SetShow(true);
    std::vector<int> clicked;
    Grid->OnClickSort = [&](TSender, int col) { clicked.push_back(col); };
    ShowForm();
    const rtl::TRect header = Grid->CellRect(1, 0);
    const int x = (header.Left + header.Right) / 2;
    const int y = (header.Top + header.Bottom) / 2;
    ui::THeadlessBackend::MouseDown(Grid, x, y);
    ui::THeadlessBackend::MouseUp(Grid, x, y);
    App->ProcessMessages();
    EXPECT_EQ(Column(1), (std::vector<std::string>{Label(2, 0), "a", "b", "c", "d", "e"}));
    EXPECT_EQ(clicked, (std::vector<int>{2}));

    // Moving the sorted column keeps the sort on it.
    Grid->SetOptions(Grid->Options() | ui::goColMoving);
    const rtl::TRect to = Grid->CellRect(3, 0);
    const int toX = (to.Left + to.Right) / 2;
    ui::THeadlessBackend::MouseDown(Grid, x + 12, y);
    for (int dx : {0, 1}) ui::THeadlessBackend::MouseMove(Grid, toX + dx, y);
    ui::THeadlessBackend::MouseUp(Grid, toX, y);
    App->ProcessMessages();
    ASSERT_EQ(Grid->Cells(3, 0), Label(2, 0));
    EXPECT_EQ(Grid->SortSettings().Column(), 3);
    Grid->SortSettings().SetDirection(sdDescending);
    Grid->QSort();
    EXPECT_EQ(Column(3), (std::vector<std::string>{Label(2, 0), "e", "d", "c", "b", "a"}));
}

// Removing the selected (or the other) shown columns removes those the user sees; a hidden
// column inside the range is kept.
TEST_F(HiddenColumnCellsTest, RemovingSelectedOrOtherColumnsRemovesTheShownOnesAndKeepsHiddenOnes)
{
    struct Case {
        bool Selected;
        int Left, Right;                 // displayed columns selected
        std::vector<int> RealColsLeft;   // after showing every column again
    };
    const Case cases[] = {
        {true, 1, 2, {0, 2, 4, 5, 6}},  // real 1 and 3 selected, hidden real 2 between
        {false, 3, 3, {0, 2, 4}},       // real 4 selected: real 1, 3, 5, 6 go
    };
    for (const Case& tc : cases) {
        TearDown();
        SetUp();
        Grid->HideColumn(2);
        ui::TGridRect sel{};
        sel.Left = tc.Left;
        sel.Right = tc.Right;
        sel.Top = sel.Bottom = 1;
        Grid->SetSelection(sel);
        if (tc.Selected) Grid->RemoveSelectedCols();
        else Grid->RemoveUnSelectedCols();
        Grid->UnHideColumnsAll();
        std::vector<std::string> expected, row1;
        for (int c : tc.RealColsLeft) expected.push_back(Label(c, 1));
        for (int c = 0; c < Grid->ColCount(); ++c) row1.push_back(Grid->Cells(c, 1));
        EXPECT_EQ(row1, expected) << (tc.Selected ? "selected" : "unselected");
    }
}

// The column found by its header is the one its cells are read at, whether the header row
// is shown or hidden.
TEST_F(HiddenColumnCellsTest, ColumnByHeaderNamesTheStoredColumnAlsoWithTheHeaderRowHidden)
{
    Grid->HideColumn(1);
    for (bool headerHidden : {false, true}) {
        if (headerHidden) Grid->HideRow(0);
        for (int real : {2, 4}) {
            const int c = Grid->ColumnByHeader(Label(real, 0));
            EXPECT_EQ(c, real - 1) << real << (headerHidden ? " header hidden" : "");
            EXPECT_EQ(Grid->Cells(c, headerHidden ? 0 : 1), Label(real, 1));
        }
        EXPECT_EQ(Grid->ColumnByHeader(Label(1, 0)), Grid->ColCount()) << "the hidden column's storage";
    }
}

// A column dragged over a hidden column takes the texts of hidden rows with it, and the
// hidden column keeps its own.
TEST_F(HiddenColumnCellsTest, ColumnMovedOverAHiddenColumnKeepsHiddenRowTextsWithTheirColumns)
{
    Grid->HideColumn(3);
    Grid->HideRow(2);
    Grid->SetOptions(Grid->Options() | ui::goColMoving);
    ShowForm();
    auto centre = [&](int c) {
        const rtl::TRect r = Grid->CellRect(c, 0);
        return rtl::TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    const rtl::TPoint from = centre(2);
    const rtl::TPoint to = centre(4);
    ui::THeadlessBackend::MouseDown(Grid, from.X, from.Y);
    for (int dx : {0, 1}) ui::THeadlessBackend::MouseMove(Grid, to.X + dx, to.Y);
    ui::THeadlessBackend::MouseUp(Grid, to.X, to.Y);
    App->ProcessMessages();
    ASSERT_EQ(Grid->Cells(4, 0), Label(2, 0));

    Grid->UnHideRow(2);
    Grid->UnHideColumn(3);
    EXPECT_EQ(Grid->Cells(3, 1), Label(3, 1));
    for (int c = 0; c < Grid->ColCount(); ++c) {
        const std::string column = Grid->Cells(c, 0).substr(0, 2);
        EXPECT_EQ(Grid->Cells(c, 1).substr(0, 2), column) << c;
        EXPECT_EQ(Grid->Cells(c, 2).substr(0, 2), column) << c;
    }
}

TEST_F(HiddenColumnCellsTest, SearchReplaceCalculationsAndDuplicatesAddressTheShownColumn)
{
    for (int r = 1; r < 6; ++r) {
        Grid->SetCells(1, r, "7");               // real 1, hidden below
        Grid->SetCells(2, r, std::to_string(r));  // real 2, shown as column 1
        Grid->SetCells(3, r, "100");             // real 3, shown as column 2
    }
    Grid->SetCells(2, 3, "target");
    Grid->SetCells(3, 4, "target");
    Grid->HideColumn(1);

    EXPECT_EQ(Grid->Find({-1, -1}, "TARGET", 0), (rtl::TPoint{1, 3}));
    // Only the hidden column holds a 7; it is searched (where it is stored) only when asked.
    EXPECT_EQ(Grid->Find({-1, -1}, "7", 0), (rtl::TPoint{-1, -1}));
    const auto withHidden = TExtStringGrid::FindParam(TExtStringGrid::fnIncludeHiddenColumns);
    EXPECT_EQ(Grid->Find({-1, -1}, "7", withHidden), (rtl::TPoint{Grid->ColCount(), 1}));
    EXPECT_EQ(Grid->Replace("target", "hit", 0), 2);
    EXPECT_EQ(Grid->Cells(1, 3), "hit");
    EXPECT_EQ(Grid->Cells(2, 4), "hit");
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 2), 3.0);

    // Hidden rows keep their texts by real column; a sum over real rows reads the shown
    // column there too: 1 + 2 + 4 + 5 (row 3 holds no number).
    Grid->HideRow(2);
    Grid->HideRow(4);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, 5), 12.0);
    Grid->UnHideRow(2);
    Grid->UnHideRow(4);

    // Duplicates are looked for in the shown column only (the hidden one is all "7").
    Grid->SetCells(1, 5, "1");
    Grid->RemoveDuplicates(1, false);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Column(1), (std::vector<std::string>{Label(2, 0), "1", "2", "hit", "4"}));
}

}  // namespace
