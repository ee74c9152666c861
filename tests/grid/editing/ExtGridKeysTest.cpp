// The string grid's own keys driven with real key messages on a headless form: stepping over hidden and disabled rows, Home/End and row-select variants, disjunct selections, the search footer and Ctrl+Tab.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SearchPanel.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "tests/grid/editing/GridKeyboardFixture.h"

namespace {

using grid::TExtStringGrid;
using TSender = rtl::TObject*;

class GridKeysTest : public gridtest::GridKeyboardTest {
public:
    void SetUp() override { MakeGrid(6, 7, ui::goRangeSelect); }
    static std::string Rect(const rtl::TRect& r)
    {
        return std::to_string(std::min(r.Left, r.Right)) + "," + std::to_string(std::min(r.Top, r.Bottom)) + "-" +
               std::to_string(std::max(r.Left, r.Right)) + "," + std::to_string(std::max(r.Top, r.Bottom));
    }
    std::string SelectedRows()
    {
        std::string s;
        for (int r = Grid->FixedRows(); r < Grid->RowCount(); ++r)
            if (Grid->RowSelect(r)) s += std::to_string(r);
        return s;
    }
    // The normal cells the painter draws as selected.
    std::set<std::pair<int, int>> PaintedSelected()
    {
        std::set<std::pair<int, int>> cells;
        Grid->OnDrawCell = [&](TSender, int c, int r, const rtl::TRect&, ui::TGridDrawState state) {
            if ((state & ui::gdSelected) != 0 && c >= Grid->FixedCols() && r >= Grid->FixedRows()) cells.insert({c, r});
        };
        Grid->Invalidate();
        Form->PaintPending();
        Grid->OnDrawCell = nullptr;
        return cells;
    }
};

// ===== stepping over hidden columns and rows

struct StepCase {
    const char* Name;
    int Vk;
    int FromCol, FromRow;
    const char* Expected;
};

class HiddenStepTest : public GridKeysTest, public ::testing::WithParamInterface<StepCase> {};

// Column 2 and rows 3, 5 and 6 are zero-sized: the arrows pass over them, and when nothing
// shown lies that way the cursor stays.
TEST_P(HiddenStepTest, ArrowsPassOverZeroSizedColumnsAndRows)
{
    const StepCase& c = GetParam();
    Grid->SetColWidths(2, 0);
    Grid->SetRowHeights(3, 0);
    Grid->SetRowHeights(5, 0);
    Grid->SetRowHeights(6, 0);
    GoTo(c.FromCol, c.FromRow);
    ASSERT_EQ(Cell(), std::to_string(c.FromCol) + "," + std::to_string(c.FromRow));
    Press(c.Vk);
    EXPECT_EQ(Cell(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, HiddenStepTest,
                         ::testing::Values(StepCase{"right_over_hidden_column", ui::VK_RIGHT, 1, 2, "3,2"},
                                           StepCase{"left_over_hidden_column", ui::VK_LEFT, 3, 2, "1,2"},
                                           StepCase{"down_over_hidden_row", ui::VK_DOWN, 1, 2, "1,4"},
                                           StepCase{"up_over_hidden_row", ui::VK_UP, 1, 4, "1,2"},
                                           StepCase{"down_with_only_hidden_rows_below", ui::VK_DOWN, 1, 4, "1,4"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Tab and the advance on Enter pass over a zero-width column as well.
TEST_F(GridKeysTest, TabAndEnterAdvanceNeverLandOnAHiddenColumn)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceDirection(grid::adLeftRight);
    Grid->SetColWidths(2, 0);
    GoTo(1, 2);
    Press(ui::VK_TAB);
    EXPECT_EQ(Cell(), "3,2");
    Press(ui::VK_TAB, ui::ssShift);
    EXPECT_EQ(Cell(), "1,2");
    Press(ui::VK_F2);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Cell(), "3,2");
}

// ===== disabled rows

TEST_F(GridKeysTest, UpAndDownSkipDisabledRowsAndAClickCannotEnterThem)
{
    Grid->SetRowEnabled(3, false);
    Grid->SetRowEnabled(4, false);
    GoTo(1, 2);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Cell(), "1,5");
    Press(ui::VK_UP);
    EXPECT_EQ(Cell(), "1,2");
    Click(1, 3);
    EXPECT_EQ(Cell(), "1,2");
    // Without SkipDisabledRows the disabled rows are entered like any other.
    Grid->Navigation().SetSkipDisabledRows(false);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Cell(), "1,3");
}

// Where SkipDisabledRows lets the cursor onto a disabled row, the row is still not edited.
TEST_F(GridKeysTest, ADisabledRowIsNotEdited)
{
    Grid->Navigation().SetSkipDisabledRows(false);
    Grid->SetRowEnabled(3, false);
    Grid->SetCells(1, 3, "keep");
    GoTo(1, 3);
    ASSERT_EQ(Cell(), "1,3");
    ui::THeadlessBackend::TypeText("x");
    Press(ui::VK_F2);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 3), "keep");
}

TEST_F(GridKeysTest, ADisabledLastRowLeavesTheCursorWhereItIs)
{
    Grid->SetRowEnabled(6, false);
    GoTo(1, 5);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Cell(), "1,5");
}

// ===== the selection report

TEST_F(GridKeysTest, EachKeyThatMovesTheSelectionReportsItOnce)
{
    std::vector<std::string> log;
    Grid->OnSelectionChanged = [&](TSender, int l, int t, int r, int b) { log.push_back(Rect(rtl::TRect{l, t, r, b})); };
    Press(ui::VK_RIGHT);
    Press(ui::VK_DOWN);
    Press(ui::VK_END);
    Press(ui::VK_RIGHT);  // already at the row's end: nothing moves
    Press('A', ui::ssCtrl);
    EXPECT_EQ(log, (std::vector<std::string>{"2,1-2,1", "2,2-2,2", "5,2-5,2", "1,1-5,6"}));
}

// ===== Home and End

// Shift+End and Shift+Home select from the current cell to the row's end, where the cursor
// goes; each move is one that the changing events see.
TEST_F(GridKeysTest, ShiftHomeAndShiftEndSelectFromTheCursorToTheRowsEnds)
{
    std::vector<std::string> moves;
    Grid->OnColChanging = [&](TSender, int o, int n, bool&) {
        moves.push_back(std::to_string(o) + ">" + std::to_string(n));
    };
    GoTo(3, 2);
    moves.clear();
    Press(ui::VK_END, ui::ssShift);
    EXPECT_EQ(Cell(), "5,2");
    EXPECT_EQ(Rect(Grid->Selection()), "3,2-5,2");
    Press(ui::VK_HOME, ui::ssShift);
    EXPECT_EQ(Cell(), "1,2");
    EXPECT_EQ(Rect(Grid->Selection()), "1,2-5,2");
    EXPECT_EQ(moves, (std::vector<std::string>{"3>5", "5>1"}));
    // The fixed right column stays out of the selection.
    Grid->SetFixedRightCols(1);
    Press(ui::VK_END, ui::ssShift);
    EXPECT_EQ(Rect(Grid->Selection()), "1,2-4,2");
}

TEST_F(GridKeysTest, EndGoesToTheLastShownColumnAndRow)
{
    Grid->SetColWidths(5, 0);
    GoTo(2, 2);
    Press(ui::VK_END);
    EXPECT_EQ(Cell(), "4,2");
    Grid->Navigation().SetHomeEndKey(grid::heFirstLastRow);
    Grid->SetRowHeights(6, 0);
    Press(ui::VK_END);
    EXPECT_EQ(Cell(), "4,5");
    Press(ui::VK_HOME);
    EXPECT_EQ(Cell(), "4,1");
}

// ===== row-select grids

class RowSelectKeysTest : public GridKeysTest {
public:
    void SetUp() override
    {
        GridKeysTest::SetUp();
        Grid->SetColCount(20);
        Grid->SetRowCount(30);
        Grid->SetOptions((Grid->Options() & ~(ui::goEditing | ui::goRangeSelect)) | ui::goRowSelect);
        GoTo(1, 2);
        Grid->SetLeftCol(5);
    }
};

TEST_F(RowSelectKeysTest, KeepHorizScrollKeepsTheColumnsOnVerticalKeys)
{
    Grid->Navigation().SetKeepHorizScroll(true);
    Press(ui::VK_DOWN);
    Press(ui::VK_NEXT);
    EXPECT_EQ(Grid->LeftCol(), 5);
    EXPECT_GT(Grid->Row(), 3);
    Press(ui::VK_END);
    EXPECT_EQ(Grid->Row(), 29);
    EXPECT_EQ(Grid->LeftCol(), 5);
}

TEST_F(RowSelectKeysTest, WithoutKeepHorizScrollTheColumnsFollowTheCursor)
{
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->LeftCol(), 1);
}

// Each Left or Right scrolls by exactly one column, reported once, whether the grid
// handles them (LeftRightRowSelect off) or only their Ctrl variants.
TEST_F(RowSelectKeysTest, LeftAndRightScrollOneColumn)
{
    int keys = 0;
    Grid->OnKeyDown = [&](TSender, ui::WORD& k, ui::TShiftState) { keys += k == ui::VK_LEFT || k == ui::VK_RIGHT; };
    for (bool leftRight : {true, false}) {
        SCOPED_TRACE(leftRight);
        keys = 0;
        Grid->Navigation().SetLeftRightRowSelect(leftRight);
        Grid->SetLeftCol(5);
        Press(ui::VK_RIGHT, ui::ssCtrl);
        EXPECT_EQ(Grid->LeftCol(), 6);
        Press(ui::VK_LEFT);
        EXPECT_EQ(Grid->LeftCol(), 5);
        Press(ui::VK_RIGHT);
        EXPECT_EQ(Grid->LeftCol(), 6);
        EXPECT_EQ(Grid->Row(), 2);
        EXPECT_EQ(keys, 3);
    }
}

// ===== disjunct selections

class DisjunctKeysTest : public GridKeysTest {
public:
    void SetUp() override
    {
        GridKeysTest::SetUp();
        Grid->SetOptions(Grid->Options() & ~ui::goEditing);
    }
};

TEST_F(DisjunctKeysTest, TheRowSelectionFollowsArrowsShiftAndSpace)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    GoTo(1, 2);
    Press(ui::VK_DOWN);
    EXPECT_EQ(SelectedRows(), "3");
    Press(ui::VK_DOWN, ui::ssShift);
    EXPECT_EQ(SelectedRows(), "34");
    Press(ui::VK_SPACE);
    EXPECT_EQ(SelectedRows(), "3");
    Press(ui::VK_SPACE);
    EXPECT_EQ(SelectedRows(), "34");
    Press(ui::VK_UP);
    EXPECT_EQ(SelectedRows(), "3");
    Press('A', ui::ssCtrl);
    EXPECT_EQ(SelectedRows(), "123456");
    // End restarts the selection at the last row.
    Press(ui::VK_END);
    EXPECT_EQ(Cell(), "1,6");
    EXPECT_EQ(SelectedRows(), "6");
}

TEST_F(DisjunctKeysTest, TheColumnSelectionFollowsArrowsShiftAndSpace)
{
    Grid->MouseActions().SetDisjunctColSelect(true);
    auto selectedCols = [this] {
        std::string s;
        for (int c = Grid->FixedCols(); c < Grid->ColCount(); ++c)
            if (Grid->ColSelect(c)) s += std::to_string(c);
        return s;
    };
    GoTo(1, 2);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(selectedCols(), "2");
    Press(ui::VK_RIGHT, ui::ssShift);
    EXPECT_EQ(selectedCols(), "23");
    Press(ui::VK_SPACE);
    EXPECT_EQ(selectedCols(), "2");
    Press(ui::VK_SPACE);
    EXPECT_EQ(selectedCols(), "23");
    // A plain arrow starts anew at the column it arrives in.
    Press(ui::VK_DOWN);
    EXPECT_EQ(selectedCols(), "3");
    Press(ui::VK_LEFT);
    EXPECT_EQ(selectedCols(), "2");
}

TEST_F(DisjunctKeysTest, SpaceSelectsCellsAndCtrlSpaceAddsThem)
{
    Grid->MouseActions().SetDisjunctCellSelect(true);
    GoTo(2, 2);
    Press(ui::VK_SPACE);
    Press(ui::VK_RIGHT);
    Press(ui::VK_RIGHT);
    Press(ui::VK_SPACE, ui::ssCtrl);
    Press(ui::VK_DOWN);
    auto cells = PaintedSelected();
    EXPECT_TRUE(cells.count({2, 2}));
    EXPECT_TRUE(cells.count({4, 2}));
    EXPECT_FALSE(cells.count({3, 2}));
    // Ctrl+Space on a listed cell takes it out again; plain Space starts anew.
    Press(ui::VK_UP);
    Press(ui::VK_SPACE, ui::ssCtrl);
    cells = PaintedSelected();
    EXPECT_TRUE(cells.count({2, 2}));
    EXPECT_FALSE(cells.count({4, 2}));
    Press(ui::VK_DOWN);
    Press(ui::VK_SPACE);
    cells = PaintedSelected();
    EXPECT_FALSE(cells.count({2, 2}));
    EXPECT_TRUE(cells.count({4, 3}));
}

// ===== editing a grid without goEditing

TEST_F(GridKeysTest, WithRangeSelectAndEditEnterAndF2OpenTheEditorOfEditableCellsOnly)
{
    Grid->SetOptions(Grid->Options() & ~ui::goEditing);
    Grid->MouseActions().SetRangeSelectAndEdit(true);
    Grid->SetCells(1, 2, "old");
    Grid->SetCells(2, 2, "fixed");
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    int keys = 0;
    Grid->OnKeyDown = [&](TSender, ui::WORD& k, ui::TShiftState) { keys += k == ui::VK_F2; };
    GoTo(2, 2);
    Press(ui::VK_F2);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(keys, 1);
    GoTo(1, 2);
    Press(ui::VK_F2);
    ASSERT_TRUE(Grid->EditorMode());
    ui::THeadlessBackend::TypeText("er");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "older");
    EXPECT_FALSE(Grid->EditorMode());
    Press(ui::VK_RETURN);
    ASSERT_TRUE(Grid->EditorMode());
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 2), "older");
}

// ===== Ctrl+Tab, the search footer, the followed grid

TEST_F(GridKeysTest, CtrlTabBeforeFixedRightColumnsGoesToTheNextRowsFirstColumn)
{
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    Grid->SetFixedRightCols(1);
    GoTo(4, 2);
    Press(ui::VK_TAB, ui::ssCtrl);
    EXPECT_EQ(Cell(), "1,3");
    GoTo(4, 6);
    Press(ui::VK_TAB, ui::ssCtrl);
    EXPECT_EQ(Cell(), "1,1");
}

TEST_F(GridKeysTest, TheLastRowIsNotLeftUnderTheSearchFooter)
{
    Grid->SetRowCount(40);
    Grid->SearchFooter().SetVisible(true);
    ASSERT_GT(Grid->SearchFooterTop(), 0);
    int keys = 0;
    Grid->OnKeyDown = [&](TSender, ui::WORD&, ui::TShiftState) { ++keys; };
    Press(ui::VK_END, ui::ssCtrl);
    EXPECT_EQ(Grid->Row(), 39);
    EXPECT_LE(Grid->CellRect(Grid->Col(), 39).Bottom, Grid->SearchFooterTop() + 2);
    const int top = Grid->TopRow();
    keys = 0;
    Press(ui::VK_DOWN);
    Press(ui::VK_SHIFT);
    EXPECT_EQ(Grid->Row(), 39);
    EXPECT_EQ(Grid->TopRow(), top);
    EXPECT_EQ(keys, 1);
    // Ctrl+F takes the user to the footer's search box.
    Press('F', ui::ssCtrl);
    ASSERT_NE(Grid->SearchPanel(), nullptr);
    EXPECT_TRUE(Grid->SearchPanel()->EditControl()->Focused());
}

TEST_F(GridKeysTest, TheFollowingGridTakesTheRowOfTheKeys)
{
    auto* other = new TExtStringGrid(Form);
    other->SetParent(Form);
    other->SetBounds(0, 310, 300, 100);
    other->SetRowCount(7);
    other->SetColCount(6);
    Grid->SyncGrid().SetGrid(other);
    Grid->SyncGrid().SetSelectionRow(true);
    Press(ui::VK_DOWN);
    Press(ui::VK_DOWN);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(other->Row(), 3);
    EXPECT_EQ(other->Col(), 1);
}

// Ctrl+Down with CursorMoveRows carries a selected block of rows along.
TEST_F(GridKeysTest, CtrlDownMovesASelectedBlockOfRows)
{
    Grid->Navigation().SetCursorMoveRows(true);
    for (int r = 1; r < 7; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    GoTo(1, 2);
    Press(ui::VK_DOWN, ui::ssShift);
    ASSERT_EQ(Rect(Grid->Selection()), "1,2-1,3");
    Press(ui::VK_DOWN, ui::ssCtrl);
    EXPECT_EQ(Grid->Cells(1, 2), "r4");
    EXPECT_EQ(Grid->Cells(1, 3), "r2");
    EXPECT_EQ(Grid->Cells(1, 4), "r3");
    EXPECT_EQ(Grid->Selection().Top, 3);
    EXPECT_EQ(Grid->Selection().Bottom, 4);
}

// ===== the keypad's decimal key

struct DecimalCase {
    const char* Name;
    bool ExcelStyle;
    std::vector<std::string> Steps;  // "kp" is the keypad's decimal key, anything else is typed
    const char* Cell;
};

class KeypadDecimalTest : public GridKeysTest, public ::testing::WithParamInterface<DecimalCase> {
public:
    void TearDown() override
    {
        rtl::FormatSettings.DecimalSeparator = '.';
        GridKeysTest::TearDown();
    }
};

TEST_P(KeypadDecimalTest, KeypadTypesTheLocaleSeparatorOnlyWithExcelStyle)
{
    rtl::FormatSettings.DecimalSeparator = ',';
    Grid->SetExcelStyleDecimalSeparator(GetParam().ExcelStyle);
    GoTo(1, 2);
    for (const std::string& step : GetParam().Steps) {
        if (step != "kp") {
            ui::THeadlessBackend::TypeText(step);
            continue;
        }
        // The key goes down, its text input follows, then it goes up: as a keyboard sends it.
        ui::THeadlessBackend::KeyDown(ui::VK_DECIMAL);
        ui::THeadlessBackend::TypeText(".");
        ui::THeadlessBackend::KeyUp(ui::VK_DECIMAL);
    }
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), GetParam().Cell);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeypadDecimalTest,
    ::testing::Values(DecimalCase{"KeypadStartsTheEdit", true, {"kp", "5"}, ",5"},
                      DecimalCase{"KeypadInsideTheEdit", true, {"1", "kp", "5"}, "1,5"},
                      DecimalCase{"MainKeyStaysAFullStop", true, {".", "5"}, ".5"},
                      DecimalCase{"WithoutExcelStyle", false, {"kp", "5"}, ".5"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
