// Tests of the string grid's check box and radio cells: adding, states, toggling, undo, hit tests and radio groups.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

using namespace grid;

namespace {

class ExtGridCellControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TExtStringGrid>(nullptr);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Grid->OnCheckBoxChange = [this](TSender, int c, int r, bool s) {
            Changes.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + (s ? "1" : "0"));
        };
    }
    std::unique_ptr<TExtStringGrid> Grid;
    std::vector<std::string> Changes;
};

TEST_F(ExtGridCellControlsTest, DataCheckBoxKeepsACheckTextAndWritesOneOnlyWhenTheCellHasNone)
{
    Grid->SetCells(1, 1, "N");
    Grid->AddCheckBox(1, 1, true, true);
    EXPECT_EQ(Grid->Cells(1, 1), "N");
    EXPECT_FALSE(Grid->IsChecked(1, 1));
    Grid->AddCheckBox(1, 2, true, true);
    EXPECT_EQ(Grid->Cells(1, 2), "Y");
    EXPECT_TRUE(Grid->IsChecked(1, 2));
    EXPECT_TRUE(Grid->HasDataCheckBox(1, 2));
    EXPECT_TRUE(Grid->IsDataCheckBoxCol(1));
    EXPECT_TRUE(Grid->HasCellControl(1, 2));
    EXPECT_FALSE(Grid->HasCellControl(2, 2));
}

TEST_F(ExtGridCellControlsTest, AddingBeyondTheGridRaisesInvalidCellAndChangesNothing)
{
    try {
        Grid->AddCheckBox(5, 1, true, false);
        FAIL() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid cell");
    }
    EXPECT_THROW(Grid->AddRadioButton(1, 8), rtl::Exception);
    for (int c = 0; c < Grid->ColCount(); ++c) EXPECT_FALSE(Grid->HasCheckBox(c, 1));
}

TEST_F(ExtGridCellControlsTest, CellCheckTrueValueDecidesTheState)
{
    Grid->AddCheckBox(1, 1, false, true);
    Grid->SetCells(1, 1, "y");
    EXPECT_FALSE(Grid->IsChecked(1, 1));
    Grid->OnGetCheckTrue = [](TSender, int c, int r, std::string& v) {
        if (c == 1 && r == 1) v = "y";
    };
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    // Unchecking writes the cell's check-false value, checking its own check-true value.
    ASSERT_TRUE(Grid->ToggleCheckBox(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), "N");
    ASSERT_TRUE(Grid->ToggleCheckBox(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), "y");
}

TEST_F(ExtGridCellControlsTest, TogglingTwiceReportsBothStatesAndMarksTheGridModified)
{
    Grid->AddCheckBox(2, 3, false, false);
    EXPECT_FALSE(Grid->GridModified());
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 3));
    EXPECT_TRUE(Grid->IsChecked(2, 3));
    EXPECT_TRUE(Grid->ToggleCheckBox(2, 3));
    EXPECT_FALSE(Grid->IsChecked(2, 3));
    EXPECT_EQ(Changes, (std::vector<std::string>{"2,3=1", "2,3=0"}));
    EXPECT_TRUE(Grid->GridModified());
}

struct TriStateCase {
    TToggleTriStateCheck Mode;
    std::vector<ui::TCheckBoxState> Sequence;
    std::string Events;
};

class ExtGridTriStateToggle : public ::testing::TestWithParam<TriStateCase> {};

TEST_P(ExtGridTriStateToggle, TriStateBoxWalksItsStatesAndReportsCheckedOnlyWhenChecked)
{
    const TriStateCase& tc = GetParam();
    TExtStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Navigation().SetToggleTriStateCheck(tc.Mode);
    std::string events;
    grid.OnCheckBoxChange = [&](TSender, int, int, bool s) { events += s ? "1" : "0"; };
    grid.AddCheckBox(1, 1, ui::cbUnchecked);
    for (ui::TCheckBoxState expected : tc.Sequence) {
        ASSERT_TRUE(grid.ToggleCheckBox(1, 1));
        ui::TCheckBoxState s = ui::cbUnchecked;
        ASSERT_TRUE(grid.GetCheckBoxState(1, 1, s));
        EXPECT_EQ(s, expected);
    }
    EXPECT_EQ(events, tc.Events);
    // The Boolean read of a tri-state box reports nothing.
    bool b = true;
    EXPECT_FALSE(grid.GetCheckBoxState(1, 1, b));
    EXPECT_TRUE(b);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ExtGridTriStateToggle,
    ::testing::Values(TriStateCase{tsAllStates, {ui::cbGrayed, ui::cbChecked, ui::cbUnchecked}, "010"},
                      TriStateCase{tsCheckUnCheck, {ui::cbChecked, ui::cbUnchecked}, "10"}));

TEST_F(ExtGridCellControlsTest, VetoOrReadOnlyCellLeavesStateTextAndUndoUnchanged)
{
    TExtGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    Grid->AddCheckBox(1, 1, false, true);
    bool asked = false;
    Grid->OnCheckBoxCanToggle = [&](TSender, int, int, bool, bool& allow) {
        asked = true;
        allow = false;
    };
    EXPECT_FALSE(Grid->ToggleCheckBoxCell(1, 1, true));
    EXPECT_TRUE(asked);
    Grid->OnCheckBoxCanToggle = nullptr;
    Grid->GetCellProperties(1, 1)->SetReadOnly(true);
    EXPECT_FALSE(Grid->ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(Grid->Cells(1, 1), "N");
    EXPECT_EQ(undo.Items().Count(), 0);
    EXPECT_TRUE(Changes.empty());
    // Without the editability question, or with CheckAlwaysActive, the box toggles.
    Grid->ControlLook().SetCheckAlwaysActive(true);
    EXPECT_TRUE(Grid->ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(Grid->Cells(1, 1), "Y");
    Grid->SetUndoRedo(nullptr);
}

TEST_F(ExtGridCellControlsTest, CanToggleIsAskedForACellOfAnyKindButOnlyCheckBoxesChange)
{
    gfx::TBitmap bmp;
    Grid->CreateCellGraphic(2, 2)->SetBitmap(&bmp, false, haLeft, vaTop);
    int asked = 0;
    Grid->OnCheckBoxCanToggle = [&](TSender, int, int, bool, bool&) { ++asked; };
    EXPECT_FALSE(Grid->ToggleCheckBox(2, 2));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Grid->GetCellType(2, 2), ctBitmap);
    EXPECT_FALSE(Grid->GridModified());
    EXPECT_FALSE(Grid->ToggleCheckBox(3, 3));  // no graphic at all: not even asked
    EXPECT_EQ(asked, 1);
}

// The undo item holds the texts of the states before and after the toggle, and the
// check-true text checks the box: undoing brings back the state before the toggle.
TEST_F(ExtGridCellControlsTest, UndoOfAToggleRestoresTheStateBeforeIt)
{
    TExtGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    Grid->AddCheckBox(1, 2, false, false);
    ASSERT_TRUE(Grid->ToggleCheckBox(1, 2));
    ASSERT_EQ(undo.Items().Count(), 1);
    EXPECT_EQ(undo.Items().Items(0).OrigValue(), "N");
    EXPECT_EQ(undo.Items().Items(0).Value(), "Y");
    undo.Undo();
    EXPECT_FALSE(Grid->IsChecked(1, 2));
    Grid->SetCheckBoxValue(1, 2, "Y");
    EXPECT_TRUE(Grid->IsChecked(1, 2));
    Grid->SetCheckBoxValue(1, 2, "N");
    EXPECT_FALSE(Grid->IsChecked(1, 2));
    Grid->SetUndoRedo(nullptr);
}

TEST_F(ExtGridCellControlsTest, ChangeCheckBoxStateReportsOnlyRealChangesAndCheckAllCoversTheNormalRows)
{
    Grid->AddCheckBoxColumn(1, false, false);
    EXPECT_FALSE(Grid->HasCheckBox(1, 0));
    EXPECT_TRUE(Grid->ChangeCheckBoxState(1, 3, false));
    EXPECT_TRUE(Changes.empty());
    EXPECT_TRUE(Grid->ChangeCheckBoxState(1, 3, true));
    EXPECT_EQ(Changes, (std::vector<std::string>{"1,3=1"}));
    Grid->CheckAll(1);
    for (int r = 1; r < Grid->RowCount(); ++r) EXPECT_TRUE(Grid->IsChecked(1, r)) << r;
    EXPECT_EQ(Changes.size(), 7u);  // rows 1 .. 7, row 3 already checked
    Grid->UnCheckAll(1);
    for (int r = 1; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->IsChecked(1, r)) << r;
    // SetCheckBoxState sets quietly.
    Changes.clear();
    EXPECT_TRUE(Grid->SetCheckBoxState(1, 4, true));
    EXPECT_TRUE(Changes.empty());
    EXPECT_FALSE(Grid->SetCheckBoxState(2, 4, true));
    Grid->RemoveCheckBoxColumn(1);
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->HasCheckBox(1, r));
}

TEST_F(ExtGridCellControlsTest, CheckBoxColumnFollowsHotmailSelectionAndCheckAllCheck)
{
    Grid->MouseActions().SetHotmailRowSelect(true);
    Grid->AddCheckBoxColumn(0, false, false);
    // Column 0 keeps no record of its own: every row answers with the shared row check box.
    for (int r = 0; r < Grid->RowCount(); ++r) {
        EXPECT_EQ(Grid->GetGraphicObjectEx(0, r), nullptr);
        EXPECT_EQ(Grid->GetCellType(0, r), grid::ctRowCheckBox);
    }
    // HotmailRowSelect switched CheckAllCheck on: the last fixed row gets a box too.
    Grid->AddCheckBoxColumn(2, true, false);
    EXPECT_TRUE(Grid->HasCheckBox(2, 0));
    EXPECT_TRUE(Grid->IsChecked(2, 7));
}

TEST_F(ExtGridCellControlsTest, RowCheckBoxStateIsTheRowSelection)
{
    Grid->CreateCellGraphic(0, 3)->SetCellType(ctRowCheckBox);
    EXPECT_FALSE(Grid->IsChecked(0, 3));
    EXPECT_TRUE(Grid->ToggleCheckBox(0, 3));
    EXPECT_TRUE(Grid->CheckBoxRowSelected(3));
    EXPECT_TRUE(Grid->IsChecked(0, 3));
    EXPECT_EQ(Changes, (std::vector<std::string>{"0,3=1"}));
}

TEST_F(ExtGridCellControlsTest, HitTestIsTheWholeCellOrWithPreciseCheckTheBoxAlone)
{
    Grid->SetColWidths(1, 80);
    Grid->SetDefaultRowHeight(30);
    Grid->AddCheckBox(1, 1, false, false);
    const rtl::TRect r = Grid->CellRect(1, 1);
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Right - 2, r.Bottom - 2));
    EXPECT_FALSE(Grid->IsInCheckBox(2, 1, r.Left + 5, r.Top + 5));
    Grid->MouseActions().SetPreciseCheckBoxCheck(true);
    const int size = Grid->ControlLook().CheckSize();
    // Left and top aligned: the box starts 2 pixels inside the cell.
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Left + 2 + size - 1, r.Top + 2 + size - 1));
    EXPECT_FALSE(Grid->IsInCheckBox(1, 1, r.Left + 2 + size, r.Top + 2));
    EXPECT_FALSE(Grid->IsInCheckBox(1, 1, r.Left + 1, r.Top + 2));
    EXPECT_FALSE(Grid->IsInCheckBox(1, 1, r.Right - 2, r.Bottom - 2));
    // Centred alignment puts the box in the middle of the cell.
    Grid->OnGetAlignment = [](TSender, int, int, ui::TAlignment& h, TVAlignment& v) {
        h = ui::taCenter;
        v = vtaCenter;
    };
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, cx, cy));
    EXPECT_FALSE(Grid->IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
}

// --- radio group cells

TEST_F(ExtGridCellControlsTest, RadioGroupStepsFromTheItemItsTextNamesThenTracksTheIndexAndWraps)
{
    rtl::TStrings* items = Grid->CreateRadio(2, 2, 0, -1);
    items->Add("low");
    items->Add("mid");
    items->Add("high");
    Grid->SetCells(2, 2, "mid");
    EXPECT_TRUE(Grid->IsRadio(2, 2));
    EXPECT_EQ(Grid->GetRadioStrings(2, 2), items);
    Grid->CycleRadioIndex(2, 2, false);
    int idx = -5;
    EXPECT_TRUE(Grid->GetRadioIdx(2, 2, idx));
    EXPECT_EQ(idx, 2);
    EXPECT_EQ(Grid->Cells(2, 2), "high");
    Grid->CycleRadioIndex(2, 2, false);
    EXPECT_TRUE(Grid->GetRadioIdx(2, 2, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(Grid->Cells(2, 2), "low");
    // A read-only cell is not stepped when editability is asked.
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    Grid->CycleRadioIndex(2, 2, true);
    EXPECT_EQ(Grid->Cells(2, 2), "low");
}

TEST_F(ExtGridCellControlsTest, SetRadioIdxMinusOneEmptiesARadioCellAndOtherKindsStillKeepTheIndex)
{
    rtl::TStringList items;
    items.Add("a");
    Grid->AddRadio(1, 1, 1, 0, &items);
    Grid->SetCells(1, 1, "a");
    EXPECT_TRUE(Grid->SetRadioIdx(1, 1, -1));
    EXPECT_EQ(Grid->Cells(1, 1), "");
    gfx::TBitmap bmp;
    Grid->CreateCellGraphic(2, 1)->SetBitmap(&bmp, false, haLeft, vaTop);
    EXPECT_FALSE(Grid->SetRadioIdx(2, 1, -1));
    EXPECT_EQ(Grid->GetCellGraphic(2, 1)->CellIndex(), -1);
    int idx = 7;
    EXPECT_FALSE(Grid->GetRadioIdx(2, 1, idx));
    EXPECT_EQ(idx, -1);
    EXPECT_FALSE(Grid->GetRadioIdx(3, 1, idx));
    Grid->RemoveRadio(1, 1);
    EXPECT_FALSE(Grid->IsRadio(1, 1));
}

// --- radio button cells

TEST_F(ExtGridCellControlsTest, ColumnButtonsExcludeEachOtherUpToTheFirstCellWithoutAButton)
{
    Grid->AddRadioButtonColumn(1);
    Grid->RemoveRadioButton(1, 6);
    Grid->SetRadioButtonState(1, 5, true);
    Grid->SetRadioButtonState(1, 7, true);
    EXPECT_TRUE(Grid->SelectRadioButton(1, 3, false));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(1, 3));
    EXPECT_FALSE(Grid->IsRadioButtonChecked(1, 5));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(1, 7));  // beyond the gap at row 6
    EXPECT_EQ(Grid->GetRadioButtonColumnIndex(1), 3);
    Grid->SetRadioButtonColumnIndex(1, -1);
    EXPECT_EQ(Grid->GetRadioButtonColumnIndex(1), -1);
    EXPECT_TRUE(Grid->HasRadioButtonGroup(1, 3, rgCol));
    EXPECT_TRUE(Grid->HasCellControl(1, 3));
}

TEST_F(ExtGridCellControlsTest, RowGroupButtonsExcludeEachOtherAcrossColumnsNotWithinTheColumn)
{
    Grid->AddRadioButtonGroupColumn(2);
    Grid->AddRadioButtonGroupColumn(3);
    Grid->SetRadioButtonState(3, 4, true);
    Grid->SetRadioButtonState(2, 5, true);
    EXPECT_TRUE(Grid->SelectRadioButton(2, 4, false));
    EXPECT_FALSE(Grid->IsRadioButtonChecked(3, 4));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(2, 5));
    Grid->SetRadioButtonRowIndex(4, 3);
    EXPECT_FALSE(Grid->IsRadioButtonChecked(2, 4));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(3, 4));
}

TEST_F(ExtGridCellControlsTest, SelectingACheckedButtonAnswersTrueAndMarksTheGridModified)
{
    Grid->AddRadioButton(1, 2, true);
    EXPECT_FALSE(Grid->GridModified());
    EXPECT_TRUE(Grid->SelectRadioButton(1, 2, false));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(1, 2));
    EXPECT_TRUE(Grid->GridModified());
    EXPECT_FALSE(Grid->SelectRadioButton(2, 2, false));
    Grid->GetCellProperties(1, 3);
    Grid->AddRadioButton(1, 3, false);
    Grid->GetCellProperties(1, 3)->SetReadOnly(true);
    EXPECT_FALSE(Grid->SelectRadioButton(1, 3, true));
    Grid->ControlLook().SetRadioAlwaysActive(true);
    EXPECT_TRUE(Grid->SelectRadioButton(1, 3, true));
    EXPECT_FALSE(Grid->IsRadioButtonChecked(1, 2));
}

}  // namespace
