// The string grid's editing cycle driven with real key and mouse messages on a headless form: permission, validation by every route, advance, Tab and the grid's own keys.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridEditorContract.h"
#include "grid/editing/GridSpinEditors.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "tests/grid/editing/GridKeyboardFixture.h"

namespace {

using grid::TExtStringGrid;
using TSender = rtl::TObject*;

class EditCycleTest : public gridtest::GridKeyboardTest {
public:
    void SetUp() override { MakeGrid(5, 6); }
    grid::TExtInplaceEdit* Editor() const { return Grid->NormalEdit(); }
    bool EditorOpen() const { return Editor() != nullptr && Editor()->Visible(); }
    std::string Cell() const { return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()); }
    void ReadOnly(int col, int row) { Grid->GetCellProperties(col, row)->SetReadOnly(true); }
    void LogMoves()
    {
        Grid->OnColChanging = [this](TSender, int o, int n, bool&) { Log.push_back("col " + Pair(o, n)); };
        Grid->OnRowChanging = [this](TSender, int o, int n, bool&) { Log.push_back("row " + Pair(o, n)); };
        Grid->OnCellChanging = [this](TSender, int orow, int ocol, int nrow, int ncol, bool&) {
            Log.push_back("cell " + Pair(ocol, orow) + ">" + Pair(ncol, nrow));
        };
        Grid->OnRowChanged = [this](TSender, int o, int n) { Log.push_back("changed " + Pair(o, n)); };
    }
    static std::string Pair(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

    std::vector<std::string> Log;
};

// ===== permission and type-to-edit

struct TypeCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Setup;
    const char* Typed;
    const char* CellAfterEnter;
    bool EditorOpens;
};

class TypeToEditTest : public EditCycleTest, public ::testing::WithParamInterface<TypeCase> {};

// Typing on cell (1,2), which holds "old", then Enter.
TEST_P(TypeToEditTest, TypingOpensTheEditorOnlyWhereEditingIsAllowed)
{
    const TypeCase& c = GetParam();
    Grid->SetCells(1, 2, "old");
    c.Setup(*Grid);
    GoTo(2, 2);
    GoTo(1, 2);
    ASSERT_EQ(Cell(), "1,2");
    Type(c.Typed);
    EXPECT_EQ(EditorOpen(), c.EditorOpens);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), c.CellAfterEnter);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(), "1,2");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TypeToEditTest,
    ::testing::Values(
        TypeCase{"normal", [](TExtStringGrid&) {}, "x1", "x1", true},
        TypeCase{"upper_case", [](TExtStringGrid& g) { g.SetDefaultEditor(grid::edUpperCase); }, "ab", "AB", true},
        TypeCase{"numeric_drops_letters", [](TExtStringGrid& g) { g.SetDefaultEditor(grid::edNumeric); }, "1a2",
                 "12", true},
        TypeCase{"no_editor_kind",
                 [](TExtStringGrid& g) {
                     g.OnGetEditorType = [](TSender, int c, int r, grid::TEditorType& e) {
                         if (c == 1 && r == 2) e = grid::edNone;
                     };
                 },
                 "x", "old", false},
        TypeCase{"read_only_cell", [](TExtStringGrid& g) { g.GetCellProperties(1, 2)->SetReadOnly(true); }, "x",
                 "old", false},
        TypeCase{"refused_by_OnCanEditCell",
                 [](TExtStringGrid& g) {
                     g.OnCanEditCell = [](TSender, int r, int c, bool& can) { can = !(c == 1 && r == 2); };
                 },
                 "x", "old", false},
        TypeCase{"check_box_cell", [](TExtStringGrid& g) { g.AddCheckBox(1, 2, false, false); }, "x", "old", false},
        TypeCase{"cell_with_a_form_control",
                 [](TExtStringGrid& g) { g.SetCells(1, 2, "<control type=\"edit\" id=\"a\">"); }, "x",
                 "<control type=\"edit\" id=\"a\">", false}),
    [](const ::testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.Name); });

// The first cell is current from the start, without any move: its permission is asked too.
TEST_F(EditCycleTest, TheCellCurrentFromTheStartIsNotTypedOverWhenReadOnly)
{
    Grid->SetCells(1, 1, "fixed value");
    ReadOnly(1, 1);
    ASSERT_EQ(Cell(), "1,1");
    Type("x");
    Press(ui::VK_F2);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Grid->Cells(1, 1), "fixed value");
}

// Moving onto a read-only cell switches goEditing off (typing opens nothing); the next
// editable cell switches it back on.
TEST_F(EditCycleTest, GoEditingFollowsTheCurrentCell)
{
    ReadOnly(2, 1);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
    EXPECT_TRUE(Grid->IsEditable(3, 1));
    Press(ui::VK_RIGHT);
    EXPECT_NE(Grid->Options() & ui::goEditing, 0u);
    Type("z");
    EXPECT_TRUE(EditorOpen());
}

// Enter and F2 on a read-only cell are reported once and neither edit nor move.
TEST_F(EditCycleTest, EnterOnAReadOnlyCellIsReportedAndDoesNothingElse)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    ReadOnly(2, 2);
    GoTo(2, 2);
    std::vector<int> keys;
    Grid->OnKeyDown = [&](TSender, ui::WORD& k, ui::TShiftState) { keys.push_back(k); };
    Press(ui::VK_RETURN);
    Press(ui::VK_F2);
    EXPECT_EQ(keys, (std::vector<int>{ui::VK_RETURN, ui::VK_F2}));
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(), "2,2");
}

// ===== F2, Enter, Escape and the edit events

TEST_F(EditCycleTest, F2AppendsEnterStoresEscapeBringsBackAndOnlyUserEditsAreReported)
{
    Grid->SetCells(1, 1, "ab");
    Grid->OnEditChange = [&](TSender, int c, int r, std::string& v) { Log.push_back("change " + Pair(c, r) + " " + v); };
    Grid->OnSetEditText = [&](TSender, int c, int r, const std::string& v) {
        Log.push_back("set " + Pair(c, r) + " " + v);
    };
    Press(ui::VK_F2);  // the editor fills itself from the cell: nothing is reported
    ASSERT_TRUE(EditorOpen());
    EXPECT_TRUE(Log.empty());
    Type("c");
    Press(ui::VK_RETURN);
    // Each change of the text, and the close, store it; filling the editor stored nothing.
    EXPECT_EQ(Log, (std::vector<std::string>{"change 1,1 abc", "set 1,1 abc", "set 1,1 abc"}));
    EXPECT_EQ(Grid->Cells(1, 1), "abc");
    EXPECT_FALSE(EditorOpen());

    Log.clear();
    Press(ui::VK_RETURN);  // Enter on the grid opens the editor
    ASSERT_TRUE(EditorOpen());
    Type("d");
    Type("e");
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "abc");
    EXPECT_FALSE(EditorOpen());
}

// ===== validation by every route

struct LeaveCase {
    const char* Name;
    std::function<void(EditCycleTest&)> Leave;
    const char* CellWhenAccepted;  // where an accepted value lets the cursor go
};

class LeaveRouteTest : public EditCycleTest, public ::testing::WithParamInterface<LeaveCase> {};

// Cell (2,2) holds "old"; "bad" is refused, any other value accepted.
TEST_P(LeaveRouteTest, ARefusedValueNeverStaysAndTheCursorStaysOnItsCell)
{
    const LeaveCase& c = GetParam();
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->SetCells(2, 2, "old");
    std::vector<std::string> asked;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& v, bool& ok) {
        asked.push_back(v);
        ok = v != "bad";
    };
    GoTo(2, 2);
    Press(ui::VK_F2);
    Press('A', ui::ssCtrl);
    Type("bad");
    c.Leave(*this);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), "old");
    EXPECT_EQ(Cell(), "2,2");
    ASSERT_TRUE(EditorOpen());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->GetText(), "bad");  // kept for correcting
    EXPECT_FALSE(Grid->Modified());

    Press('A', ui::ssCtrl);
    Type("good");
    c.Leave(*this);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), "good");
    EXPECT_EQ(Cell(), c.CellWhenAccepted);
    EXPECT_EQ(asked, (std::vector<std::string>{"bad", "good"}));
    EXPECT_TRUE(Grid->Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Routes, LeaveRouteTest,
    ::testing::Values(LeaveCase{"enter", [](EditCycleTest&) { EditCycleTest::Press(ui::VK_RETURN); }, "2,2"},
                      LeaveCase{"down", [](EditCycleTest&) { EditCycleTest::Press(ui::VK_DOWN); }, "2,3"},
                      LeaveCase{"up", [](EditCycleTest&) { EditCycleTest::Press(ui::VK_UP); }, "2,1"},
                      LeaveCase{"tab", [](EditCycleTest&) { EditCycleTest::Press(ui::VK_TAB); }, "3,2"},
                      LeaveCase{"click_elsewhere", [](EditCycleTest& t) { t.Click(4, 4); }, "4,4"},
                      LeaveCase{"code_moves_the_cursor", [](EditCycleTest& t) { t.Grid->SetCol(1); }, "1,2"},
                      LeaveCase{"focus_to_another_control",
                                [](EditCycleTest& t) {
                                    ui::THeadlessBackend::Click(t.Other, 5, 5);
                                    t.App->ProcessMessages();
                                    if (t.Other->Focused()) t.Grid->SetFocus();
                                },
                                "2,2"}),
    [](const ::testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.Name); });

// A special editor's value is validated too when code moves the cursor away from it.
TEST_F(EditCycleTest, CodeMovingTheCursorFromASpinEditorValidatesItsValue)
{
    Grid->SetCells(2, 2, "7");
    Grid->OnGetEditorType = [](TSender, int c, int r, grid::TEditorType& e) {
        if (c == 2 && r == 2) e = grid::edSpinEdit;
    };
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "13"; };
    GoTo(2, 2);
    Press(ui::VK_F2);
    ASSERT_TRUE(Grid->SpinEdit()->Focused());
    Press('A', ui::ssCtrl);
    Type("13");
    Grid->SetRow(4);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), "7");
    EXPECT_EQ(Cell(), "2,2");
}

// A spin value refused on the way out of its cell reopens the spin editor showing the
// refused value, and the edit is still checked against the value it started from.
TEST_F(EditCycleTest, ARefusedSpinValueReopensTheSpinEditorWithThatValue)
{
    Grid->SetCells(2, 2, "7");
    Grid->OnGetEditorType = [](TSender, int c, int r, grid::TEditorType& e) {
        if (c == 2 && r == 2) e = grid::edSpinEdit;
    };
    std::vector<std::string> asked;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& v, bool& ok) {
        asked.push_back(v);
        ok = v != "13";
    };
    GoTo(2, 2);
    Press(ui::VK_F2);
    ASSERT_TRUE(Grid->SpinEdit()->Focused());
    Press('A', ui::ssCtrl);
    Type("13");
    Click(4, 4);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), "7");
    EXPECT_EQ(Cell(), "2,2");
    ASSERT_TRUE(Grid->SpinEdit()->Visible());
    EXPECT_TRUE(Grid->SpinEdit()->Focused());
    EXPECT_EQ(Grid->SpinEdit()->Text(), "13");
    // Putting the old value back is no change, so nothing is asked and the cursor goes on.
    Press('A', ui::ssCtrl);
    Type("7");
    Click(4, 4);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), "7");
    EXPECT_EQ(Cell(), "4,4");
    EXPECT_EQ(asked, (std::vector<std::string>{"13"}));
    EXPECT_FALSE(Grid->Modified());
}

// The value an edit is checked against is taken when the edit starts: code writing the
// refused text into the cell meanwhile cannot make it look unchanged.
TEST_F(EditCycleTest, AWriteDuringTheEditDoesNotChangeTheValueTheEditIsCheckedAgainst)
{
    Grid->SetCells(1, 1, "old");
    int asked = 0;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& v, bool& ok) {
        ++asked;
        ok = v != "bad";
    };
    Press(ui::VK_F2);
    Press('A', ui::ssCtrl);
    Type("bad");
    Grid->SetCells(1, 1, "bad");
    Press(ui::VK_DOWN);
    App->ProcessMessages();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "old");
    EXPECT_EQ(Cell(), "1,1");
}

// With an invalid-entry title the refused text comes back selected, ready to be typed over.
TEST_F(EditCycleTest, WithAnInvalidEntryTitleTheRefusedTextComesBackSelected)
{
    Grid->SetInvalidEntryTitle("Wrong value");
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v.size() < 3; };
    Press(ui::VK_F2);
    Type("long");
    Press(ui::VK_RETURN);
    App->ProcessMessages();
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->SelText(), "long");
    // The balloon below the editor explains the refusal, in the info colour.
    ASSERT_TRUE(Editor()->InvalidEntryBalloonShown());
    const rtl::TRect balloon = Editor()->InvalidEntryBalloonBounds();
    const rtl::TPoint below = Editor()->ClientToScreen(rtl::TPoint{0, Editor()->Height()});
    EXPECT_GE(balloon.Top, below.Y);
    EXPECT_GT(balloon.Width(), 40);
    Form->PaintPending();
    const rtl::TPoint inside = Form->ScreenToClient(rtl::TPoint{balloon.Right - 3, balloon.Bottom - 3});
    EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Form, inside.X, inside.Y)) & 0xFFFFFF,
              gfx::ColorToRGB(gfx::clInfoBk) & 0xFFFFFF);
    Type("ok");
    EXPECT_FALSE(Editor()->InvalidEntryBalloonShown());
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "ok");
}

// An accepted change is reported once with its one-cell rectangle and can be undone; the
// same text again asks no validation unless AlwaysValidate.
TEST_F(EditCycleTest, AcceptedChangesAreReportedRecordedAndUndoable)
{
    grid::TExtGridUndoRedo undo(Form);
    Grid->SetUndoRedo(&undo);
    Grid->SetCells(3, 2, "7");
    std::vector<rtl::TRect> changed;
    Grid->OnCellsChanged = [&](TSender, const rtl::TRect& r) { changed.push_back(r); };
    int asked = 0;
    Grid->OnCellValidate = [&](TSender, int, int, std::string&, bool&) { ++asked; };
    GoTo(3, 2);
    Type("8");
    Press(ui::VK_RETURN);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (rtl::TRect{3, 2, 3, 2}));
    EXPECT_TRUE(Grid->Modified());
    EXPECT_EQ(undo.Level(), 1);

    Press(ui::VK_F2);
    Press(ui::VK_RETURN);  // unchanged
    EXPECT_EQ(asked, 1);
    Grid->SetAlwaysValidate(true);
    Press(ui::VK_F2);
    Press(ui::VK_RETURN);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(changed.size(), 1u);

    undo.Undo();
    EXPECT_EQ(Grid->Cells(3, 2), "7");
    undo.Redo();
    EXPECT_EQ(Grid->Cells(3, 2), "8");
}

// ===== moves and their events

TEST_F(EditCycleTest, EveryMoveFiresTheChangingEventsAndAVetoKeepsTheCursor)
{
    LogMoves();
    Press(ui::VK_DOWN);
    Press(ui::VK_RIGHT);
    // The grid took the focus on row 1, so the row change reports 1 as the old row.
    EXPECT_EQ(Log, (std::vector<std::string>{"row 1,2", "cell 1,1>1,2", "changed 1,2", "col 1,2", "cell 1,2>2,2"}));
    Log.clear();
    Grid->OnRowChanging = [&](TSender, int, int, bool& allow) { allow = false; };
    Press(ui::VK_DOWN);
    Click(2, 4);
    EXPECT_EQ(Cell(), "2,2");
}

// ===== advance after Enter

struct AdvanceCase {
    const char* Name;
    grid::TAdvanceDirection Direction;
    bool Insert;
    bool Loop;
    int StartCol, StartRow;
    std::vector<std::pair<int, int>> ReadOnlyCells;
    const char* Expected;
    int RowCountAfter;
};

class AdvanceTest : public EditCycleTest, public ::testing::WithParamInterface<AdvanceCase> {};

TEST_P(AdvanceTest, EnterStoresTheValueAndMovesToTheNextEditableCell)
{
    const AdvanceCase& c = GetParam();
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceDirection(c.Direction);
    Grid->Navigation().SetAdvanceInsert(c.Insert);
    Grid->Navigation().SetAdvanceOnEnterLoop(c.Loop);
    for (auto [col, row] : c.ReadOnlyCells) ReadOnly(col, row);
    std::vector<int> added;
    Grid->OnAutoAddRow = [&](TSender, int r) { added.push_back(r); };
    GoTo(c.StartCol, c.StartRow);
    Type("v");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(c.StartCol, c.StartRow), "v");
    EXPECT_EQ(Cell(), c.Expected);
    EXPECT_EQ(Grid->RowCount(), c.RowCountAfter);
    if (c.RowCountAfter > 6) {
        EXPECT_EQ(added, (std::vector<int>{6}));
    }
    // AdvanceAutoEdit (on by default) opens the editor of the cell reached.
    EXPECT_EQ(EditorOpen(), std::string(c.Expected) != Pair(c.StartCol, c.StartRow));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, AdvanceTest,
    ::testing::Values(AdvanceCase{"right", grid::adLeftRight, false, true, 1, 1, {}, "2,1", 6},
                      AdvanceCase{"row_end_wraps", grid::adLeftRight, false, true, 4, 1, {}, "1,2", 6},
                      AdvanceCase{"read_only_skipped", grid::adLeftRight, false, true, 1, 1, {{2, 1}, {3, 1}}, "4,1", 6},
                      AdvanceCase{"down", grid::adTopBottom, false, true, 2, 2, {{2, 3}}, "2,4", 6},
                      AdvanceCase{"end_of_grid_inserts_a_row", grid::adLeftRight, true, true, 4, 5, {}, "1,6", 7},
                      AdvanceCase{"in_row_stops_without_loop", grid::adLeftRightInRow, false, false, 4, 2, {}, "4,2",
                                  6},
                      AdvanceCase{"nothing_editable_ahead", grid::adLeftRight, false, false, 3, 5, {{4, 5}}, "3,5",
                                  6}),
    [](const ::testing::TestParamInfo<AdvanceCase>& info) { return std::string(info.param.Name); });

// Enter in a grid that has nothing but its header row gives it its first row.
TEST_F(EditCycleTest, EnterInAGridOfOnlyTheHeaderAddsTheFirstRowWithAdvanceInsert)
{
    Grid->SetRowCount(1);
    Grid->Navigation().SetAdvanceOnEnter(true);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->RowCount(), 1);
    Grid->Navigation().SetAdvanceInsert(true);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_FALSE(EditorOpen());
}

// OnAutoAdvance gets the start cell and may redirect the advance.
TEST_F(EditCycleTest, OnAutoAdvanceRedirectsTheAdvance)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->OnAutoAdvance = [&](TSender, int oldRow, int oldCol, int& newRow, int& newCol, bool&) {
        Log.push_back(Pair(oldCol, oldRow) + ">" + Pair(newCol, newRow));
        newRow = 4;
        newCol = 3;
    };
    Type("a");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Log, (std::vector<std::string>{"1,1>2,1"}));
    EXPECT_EQ(Cell(), "3,4");
}

// ===== Tab

TEST_F(EditCycleTest, TabSkipsReadOnlyCellsWrapsRowsAndFiresTheRowEventsInOrder)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    ReadOnly(2, 1);
    GoTo(1, 1);
    Press(ui::VK_TAB);
    EXPECT_EQ(Cell(), "3,1");
    Press(ui::VK_TAB);
    LogMoves();
    Press(ui::VK_TAB);
    EXPECT_EQ(Cell(), "1,2");
    EXPECT_EQ(Log, (std::vector<std::string>{"row 1,2", "cell 4,1>1,2", "col 4,1", "changed 1,2"}));
    Press(ui::VK_TAB, ui::ssShift);
    EXPECT_EQ(Cell(), "4,1");
}

// At the last cell Tab appends a row with AdvanceInsert, or with TabToNextAtEnd goes back to
// the first cell and hands the focus on to the next control of the form.
TEST_F(EditCycleTest, TabAtTheLastCellAppendsARowOrHandsTheFocusOn)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->Navigation().SetAdvanceInsert(true);
    std::vector<int> added;
    Grid->OnAutoAddRow = [&](TSender, int r) { added.push_back(r); };
    GoTo(4, 5);
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Cell(), "1,6");
    EXPECT_EQ(added, (std::vector<int>{6}));

    Grid->Navigation().SetTabToNextAtEnd(true);
    GoTo(4, 6);
    Press(ui::VK_TAB);
    App->ProcessMessages();
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Cell(), "1,1");
    EXPECT_TRUE(Other->Focused());
}

// With every cell read-only a Tab ends where it started instead of looping.
TEST_F(EditCycleTest, TabInAGridWithoutEditableCellsStaysPut)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->OnCanEditCell = [](TSender, int, int, bool& can) { can = false; };
    Press(ui::VK_TAB);
    EXPECT_EQ(Cell(), "1,1");
}

TEST_F(EditCycleTest, TabFromTheEditorStoresAndOpensTheNextEditorWhileTheGridKeyHandlerCanStopIt)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Press(ui::VK_F2);
    Type("t");
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->Cells(1, 1), "t");
    EXPECT_EQ(Cell(), "2,1");
    EXPECT_TRUE(EditorOpen());
    Grid->OnKeyDown = [](TSender, ui::WORD& k, ui::TShiftState) {
        if (k == ui::VK_TAB) k = 0;
    };
    Press(ui::VK_ESCAPE);
    Press(ui::VK_TAB);
    EXPECT_EQ(Cell(), "2,1");
}

// ===== the grid's own keys

TEST_F(EditCycleTest, DownOnTheLastRowAppendsExactlyOneRowWithAppendOnArrowDown)
{
    Grid->Navigation().SetAppendOnArrowDown(true);
    std::vector<int> added;
    Grid->OnAutoAddRow = [&](TSender, int r) { added.push_back(r); };
    GoTo(2, 5);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Cell(), "2,6");
    EXPECT_EQ(added, (std::vector<int>{6}));
    Grid->OnCanAddRow = [](TSender, bool& can) { can = false; };
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->RowCount(), 7);
}

TEST_F(EditCycleTest, ClipboardKeysCopyCutAndPasteTheSelectionAndAVetoStopsThem)
{
    Grid->Navigation().SetAllowClipboardShortCuts(true);
    Grid->SetCells(1, 1, "wheat");
    Press('C', ui::ssCtrl);
    EXPECT_EQ(ui::Clipboard().AsText(), "wheat");
    GoTo(2, 3);
    Press('V', ui::ssCtrl);
    EXPECT_EQ(Grid->Cells(2, 3), "wheat");
    EXPECT_FALSE(EditorOpen());  // Ctrl+V types nothing into an editor
    Press(ui::VK_DELETE, ui::ssShift);
    EXPECT_EQ(Grid->Cells(2, 3), "");
    Grid->OnClipboardPaste = [](TSender, bool& allow) { allow = false; };
    Press(ui::VK_INSERT, ui::ssShift);
    EXPECT_EQ(Grid->Cells(2, 3), "");
}

TEST_F(EditCycleTest, InsertAndDeleteKeysAddAndRemoveRows)
{
    Grid->Navigation().SetAllowInsertRow(true);
    Grid->Navigation().SetAllowDeleteRow(true);
    Grid->SetCells(1, 2, "second");
    GoTo(1, 2);
    Press(ui::VK_INSERT);
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(1, 2), "");
    EXPECT_EQ(Grid->Cells(1, 3), "second");
    Grid->OnCanDeleteRow = [](TSender, int, bool& allow) { allow = false; };
    Press(ui::VK_DELETE);
    EXPECT_EQ(Grid->RowCount(), 7);
    Grid->OnCanDeleteRow = nullptr;
    Press(ui::VK_DELETE);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(1, 2), "second");
}

TEST_F(EditCycleTest, SpaceTogglesACheckBoxCellOfAnEditingGrid)
{
    Grid->AddCheckBox(2, 2, false, false);
    // Reached by keys: a click on the cell would toggle the box itself.
    Press(ui::VK_RIGHT);
    Press(ui::VK_DOWN);
    Press(ui::VK_SPACE);
    EXPECT_TRUE(Grid->IsChecked(2, 2));
    EXPECT_FALSE(EditorOpen());
}

TEST_F(EditCycleTest, HomeAndEndGoToTheFirstAndLastCellOfTheRow)
{
    GoTo(3, 2);
    Press(ui::VK_END);
    EXPECT_EQ(Cell(), "4,2");
    Press(ui::VK_HOME);
    EXPECT_EQ(Cell(), "1,2");
    Grid->Navigation().SetHomeEndKey(grid::heFirstLastCell);
    Press(ui::VK_END);
    EXPECT_EQ(Cell(), "4,5");
}

// A fixed column inside the grid (OnIsFixedCell) is stepped over by the arrows.
TEST_F(EditCycleTest, ArrowsSkipFixedCellsInsideTheGrid)
{
    Grid->OnIsFixedCell = [](TSender, int, int c, bool& fixed) { fixed = fixed || c == 2; };
    int keys = 0;
    Grid->OnKeyDown = [&](TSender, ui::WORD&, ui::TShiftState) { ++keys; };
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Cell(), "3,1");
    Press(ui::VK_LEFT);
    EXPECT_EQ(Cell(), "1,1");
    EXPECT_EQ(keys, 2);  // each reported once
}

TEST_F(EditCycleTest, MoveScrollOnlyScrollsWithoutMovingTheCursor)
{
    Grid->SetRowCount(60);
    Grid->Navigation().SetMoveScrollOnly(true);
    Press(ui::VK_DOWN);
    Press(ui::VK_NEXT);
    EXPECT_EQ(Cell(), "1,1");
    EXPECT_GT(Grid->TopRow(), 2);
}

TEST_F(EditCycleTest, SnakeCursorWrapsAtTheRowEnds)
{
    Grid->Navigation().SetCursorAdvance(grid::caSnake);
    GoTo(4, 2);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Cell(), "1,3");
    Press(ui::VK_LEFT);
    EXPECT_EQ(Cell(), "4,2");
}

// With AlwaysEdit the editor follows the cursor: an arrow key opens the next cell's editor.
TEST_F(EditCycleTest, WithAlwaysEditTheArrowsKeepAnEditorOpen)
{
    Grid->Navigation().SetAlwaysEdit(true);
    Grid->SetCells(2, 1, "next");
    Press(ui::VK_RIGHT);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->GetText(), "next");
    ReadOnly(3, 1);
    Press(ui::VK_ESCAPE);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Cell(), "3,1");
    EXPECT_FALSE(EditorOpen());
}

// Ctrl+Down and Ctrl+Up with CursorMoveRows carry the row along with the cursor.
TEST_F(EditCycleTest, CtrlArrowsMoveTheRowWithCursorMoveRows)
{
    Grid->Navigation().SetCursorMoveRows(true);
    Grid->SetCells(1, 2, "moving");
    Grid->SetCells(1, 3, "staying");
    GoTo(1, 2);
    Press(ui::VK_DOWN, ui::ssCtrl);
    EXPECT_EQ(Grid->Cells(1, 3), "moving");
    EXPECT_EQ(Grid->Cells(1, 2), "staying");
    EXPECT_EQ(Cell(), "1,3");
    Press(ui::VK_UP, ui::ssCtrl);
    EXPECT_EQ(Grid->Cells(1, 2), "moving");
    EXPECT_EQ(Cell(), "1,2");
}

// Typing with goEditing off searches the sorted column; the text expires after four grid
// timer ticks on the replaceable clock.
TEST_F(EditCycleTest, IncrementalSearchFollowsTheTypedTextUntilItExpires)
{
    Grid->SetOptions(Grid->Options() & ~ui::goEditing);
    Grid->Navigation().SetAutoGotoWhenSorted(true);
    Grid->Navigation().SetAutoGotoIncremental(true);
    const char* names[] = {"apple", "apricot", "banana", "bean", "cherry"};
    for (int r = 1; r <= 5; ++r) Grid->SetCells(1, r, names[r - 1]);
    Type("b");
    EXPECT_EQ(Cell(), "1,3");
    Type("e");
    EXPECT_EQ(Cell(), "1,4");
    EXPECT_EQ(Grid->SearchInc(), "be");
    for (int i = 0; i < 4; ++i) {
        Clock.Advance(500);
        App->ProcessMessages();
    }
    EXPECT_EQ(Grid->SearchInc(), "");
    Type("a");
    EXPECT_EQ(Cell(), "1,1");
}

// A bracket begun while the grid was shown and ended after it was hidden leaves no lock
// behind, so editing works again once the grid is back.
TEST_F(EditCycleTest, EndUpdateWhileHiddenDoesNotBlockEditingForGood)
{
    Grid->BeginUpdate();
    Grid->SetVisible(false);
    Grid->EndUpdate();
    EXPECT_EQ(Grid->UpdateCount(), 0);
    Grid->SetVisible(true);
    Grid->SetFocus();
    Type("q");
    EXPECT_TRUE(EditorOpen());
}

// ===== the editor's place and its refused characters

TEST_F(EditCycleTest, TheEditorOverAMergedBlockCoversTheWholeBlock)
{
    Grid->MergeCells(1, 2, 3, 2);
    Grid->SetCells(1, 2, "merged");
    Click(2, 3);  // a member cell: the cursor goes to the block's base cell
    EXPECT_EQ(Cell(), "1,2");
    Press(ui::VK_F2);
    ASSERT_TRUE(EditorOpen());
    const rtl::TRect block = Grid->CellRect(1, 2);
    EXPECT_EQ(Editor()->Left(), block.Left);
    EXPECT_EQ(Editor()->Top(), block.Top);
    EXPECT_EQ(Editor()->Width(), block.Width() - 1);
    EXPECT_EQ(Editor()->Height(), block.Height() - 1);
    EXPECT_GT(block.Width(), Grid->ColWidths(1) * 2);
    EXPECT_EQ(Editor()->GetText(), "merged");
}

// The topmost row of dark (text) pixels of a control within the columns given; -1 if none.
int InkTop(const ui::TControl* control, int left, int right, int top = 0)
{
    for (int y = top; y < control->Height(); ++y)
        for (int x = left; x < right; ++x)
            if ((ui::THeadlessBackend::Pixel(control, x, y) & 0xFFFFFF) < 0x606060) return y;
    return -1;
}

// With a centred or bottom vertical alignment the editor's text opens at the height where
// the cell shows it, instead of jumping to the top of a tall cell.
TEST_F(EditCycleTest, TheEditorTextStandsWhereTheCellShowsIt)
{
    Grid->SetWordWrap(false);
    Grid->SetDefaultRowHeight(44);
    Grid->SetColWidths(1, 90);
    Grid->SetCells(1, 1, "Hg");
    std::vector<int> editorTops;
    for (grid::TVAlignment align : {grid::vtaTop, grid::vtaCenter, grid::vtaBottom}) {
        SCOPED_TRACE(static_cast<int>(align));
        Grid->SetVAlignment(align);
        Grid->Invalidate();
        Form->PaintPending();
        const rtl::TRect cell = Grid->CellRect(1, 1);
        const int cellInk = InkTop(Grid, cell.Left + 2, cell.Left + 40, cell.Top + 1);
        Press(ui::VK_F2);
        ASSERT_TRUE(EditorOpen());
        Form->PaintPending();
        const int editorInk = InkTop(Editor(), 1, 40);
        ASSERT_GE(editorInk, 0);
        editorTops.push_back(editorInk);
        EXPECT_NEAR(Editor()->Top() + editorInk, cellInk, 4);
        Press(ui::VK_ESCAPE);
    }
    ASSERT_EQ(editorTops.size(), 3u);
    EXPECT_LT(editorTops[0] + 4, editorTops[1]);
    EXPECT_LT(editorTops[1] + 4, editorTops[2]);
}

// A cell of escaped wide text is edited as the text it stands for and checked by the wide
// validation only; the store keeps the escaped form, old and new.
TEST_F(EditCycleTest, WideTextCellsAreEditedPlainAndCheckedByTheWideValidation)
{
    const std::string apples = grid::EncodeUnicodeEscapes("\xC3\x84pfel");
    Grid->SetCells(2, 2, apples);
    std::vector<std::string> wide;
    int plain = 0;
    Grid->OnCellValidate = [&](TSender, int, int, std::string&, bool&) { ++plain; };
    Grid->OnCellValidateWide = [&](TSender, int, int, std::string& v, bool& ok) {
        wide.push_back(v);
        ok = v != "bad";
    };
    GoTo(2, 2);
    Press(ui::VK_F2);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->GetText(), "\xC3\x84pfel");
    Press('A', ui::ssCtrl);
    Type("bad");
    Press(ui::VK_DOWN);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), apples);
    EXPECT_EQ(Cell(), "2,2");
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->GetText(), "bad");
    EXPECT_FALSE(Grid->Modified());
    Press('A', ui::ssCtrl);
    Type("Birne");
    Press(ui::VK_DOWN);
    App->ProcessMessages();
    EXPECT_EQ(Grid->Cells(2, 2), grid::EncodeUnicodeEscapes("Birne"));
    EXPECT_EQ(Cell(), "2,3");
    EXPECT_EQ(wide, (std::vector<std::string>{"bad", "Birne"}));
    EXPECT_EQ(plain, 0);
    EXPECT_TRUE(Grid->Modified());
}

TEST_F(EditCycleTest, RefusedCharactersOfTheNumericKindsBeep)
{
    Grid->SetDefaultEditor(grid::edNumeric);
    const int before = grid::EditorBeepCount();
    Type("1");
    Type("a-");
    EXPECT_EQ(Editor()->GetText(), "1");
    EXPECT_EQ(grid::EditorBeepCount(), before + 2);
}

// ===== combo item list

TEST_F(EditCycleTest, ComboItemListOperations)
{
    Grid->AddComboString("rye");
    Grid->AddComboString("oat");
    Grid->AddComboString("rye");
    EXPECT_EQ(Grid->GetComboCount(), 3);
    EXPECT_TRUE(Grid->RemoveComboString("rye"));
    EXPECT_FALSE(Grid->RemoveComboString("barley"));
    EXPECT_EQ(Grid->GetComboCount(), 2);
    Grid->SetCells(2, 2, "rye");
    EXPECT_EQ(Grid->GetComboIndex(2, 2), 1);
    Grid->SetComboIndex(2, 3, 0);
    EXPECT_EQ(Grid->Cells(2, 3), "oat");
    EXPECT_EQ(Grid->GetComboIndex(2, 4), -1);
    EXPECT_THROW(Grid->SetComboIndex(2, 3, 5), rtl::Exception);
    Grid->ClearComboString();
    EXPECT_EQ(Grid->GetComboCount(), 0);
}

}  // namespace

// Right and Left on a node row whose merged cell covers the normal columns expand and contract
// that node, also below a contracted node, where displayed and real rows differ.
TEST_F(EditCycleTest, RightAndLeftExpandAndContractTheNodeUnderTheCursor)
{
    Grid->SetRowCount(7);
    for (int real : {1, 3}) {
        Grid->AddNode(real, 2);
        Grid->MergeCells(1, real, 4, 1);
    }
    Grid->ContractNode(3);
    Grid->ContractNode(1);
    ASSERT_EQ(Grid->RowCount(), 5);  // rows 2 and 4 hidden
    GoTo(1, 2);                      // the second node, real row 3
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_FALSE(Grid->GetNodeState(2));
    EXPECT_TRUE(Grid->GetNodeState(1));
    Press(ui::VK_LEFT);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_TRUE(Grid->GetNodeState(2));
}
