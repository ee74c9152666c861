// The grid's editor controls: created hidden with the grid, wired to its events; check box, button and fixed-cell editors.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditors.h"
#include "tests/grid/editing/GridEditorFixture.h"

using namespace grid;

namespace {

class GridEditorControlsTest : public GridEditorFixture {};

TEST_F(GridEditorControlsTest, ControlsAreTheGridsHiddenChildrenAndOnlyFormAndHeaderEditorsStartEnabled)
{
    struct Row {
        const char* Name;
        ui::TWinControl* Control;
        bool Enabled;
    };
    const std::vector<Row> rows = {
        {"EditCombo", Grid->EditCombo(), false},      {"EditTrans", Grid->EditTrans(), true},
        {"ComboTrans", Grid->ComboTrans(), true},     {"EditCheck", Grid->EditCheck(), false},
        {"EditBtn", Grid->EditBtn(), false},          {"UnitEditBtn", Grid->UnitEditBtn(), false},
        {"GridButton", Grid->GridButton(), false},    {"EditControl", Grid->EditControlEdit(), true},
        {"ComboControl", Grid->ComboControl(), true},
    };
    for (const Row& r : rows) {
        ASSERT_NE(r.Control, nullptr) << r.Name;
        EXPECT_EQ(r.Control->Parent(), Grid) << r.Name;
        EXPECT_EQ(r.Control->Owner(), Grid) << r.Name;
        EXPECT_FALSE(r.Control->Visible()) << r.Name;
        EXPECT_EQ(r.Control->Enabled(), r.Enabled) << r.Name;
    }
    EXPECT_EQ(Grid->EditBtn()->ButtonCaption(), "...");
    EXPECT_EQ(Grid->UnitEditBtn()->ButtonCaption(), "...");
    EXPECT_EQ(Grid->EditTrans()->BorderThickness(), 0);
    EXPECT_FALSE(Grid->EditTrans()->FilterEdit());
}

TEST_F(GridEditorControlsTest, CellEditorsNeedAGridOwner)
{
    EXPECT_THROW(TGridCombo{Form}, rtl::EInvalidCast);
    EXPECT_THROW(TGridCheckBox{Form}, rtl::EInvalidCast);
    EXPECT_THROW(TGridEditBtn{nullptr}, rtl::EInvalidCast);
    // The fixed-cell editors accept any owner and then stop by just hiding.
    TGridTransEdit loose(Form);
    loose.SetParent(Form);
    loose.SetVisible(true);
    EXPECT_TRUE(loose.StopEdit());
    EXPECT_FALSE(loose.Visible());
}

TEST_F(GridEditorControlsTest, UnitChoiceFiresOnUnitChangedWithTheCurrentCellOnlyWhenTheUnitChanges)
{
    std::vector<std::string> seen;
    Grid->OnUnitChanged = [&](TSender s, int c, int r, const std::string& u) {
        EXPECT_EQ(s, Grid);
        seen.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + u);
    };
    TGridUnitEditBtn& e = *Grid->UnitEditBtn();
    e.Units().Add("cm");
    e.Units().Add("m");
    Grid->SetCol(2);
    Grid->SetRow(3);
    e.Perform(ui::WM_COMMAND, 2, 0);
    e.Perform(ui::WM_COMMAND, 2, 0);
    e.Perform(ui::WM_COMMAND, 1, 0);
    e.Perform(ui::WM_COMMAND, 3, 0);  // no third unit
    EXPECT_EQ(seen, (std::vector<std::string>{"2,3:m", "2,3:cm"}));
    EXPECT_EQ(e.UnitID(), "cm");
}

TEST_F(GridEditorControlsTest, ButtonEditorClickFiresOnButtonClickAndPassesItsCaptionThroughTheEllipsisHandler)
{
    std::vector<std::string> clicks;
    Grid->OnButtonClick = [&](TSender, int c, int r) { clicks.push_back(std::to_string(c) + "," + std::to_string(r)); };
    Grid->OnEllipsClick = [&](TSender, int, int, std::string& s) { s = "<" + s + ">"; };
    Grid->SetCells(1, 2, "go");
    TGridButton& b = *Grid->GridButton();
    b.SetCaption("go");
    Open(b, edButton, 1, 2);
    ui::THeadlessBackend::Click(&b, 10, 10);
    EXPECT_EQ(clicks, (std::vector<std::string>{"1,2"}));
    EXPECT_EQ(b.Caption(), "<go>");
    EXPECT_EQ(Grid->Cells(1, 2), "<go>");
    // Space passes the caption once more.
    Press(ui::VK_SPACE);
    EXPECT_EQ(Grid->Cells(1, 2), "<<go>>");
}

TEST_F(GridEditorControlsTest, ButtonEditorEscapeRestoresTheCellTextHidesItselfAndHandsEscapeToTheGrid)
{
    Grid->SetCells(1, 2, "start");
    TGridButton& b = *Grid->GridButton();
    b.SetCaption("start");
    Open(b, edButton, 1, 2);
    Grid->SetCells(1, 2, "changed");
    std::vector<ui::WORD> gridKeys;
    Grid->OnKeyDown = [&](rtl::TObject*, ui::WORD& k, ui::TShiftState) { gridKeys.push_back(k); };
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 2), "start");
    EXPECT_FALSE(b.Visible());
    EXPECT_FALSE(b.Enabled());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(gridKeys, (std::vector<ui::WORD>{ui::VK_ESCAPE}));
}

TEST_F(GridEditorControlsTest, ButtonEditorArrowMovesTheGridAndClosesTheButton)
{
    TGridButton& b = *Grid->GridButton();
    Open(b, edButton, 1, 2);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_FALSE(b.Visible());
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(GridEditorControlsTest, CheckEditorTogglesOncePerClickAndOnSpace)
{
    TGridCheckBox& c = *Grid->EditCheck();
    Open(c, edCheckBox, 1, 1);
    int clicks = 0;
    c.OnClick = [&](rtl::TObject*) { ++clicks; };
    ui::THeadlessBackend::Click(&c, 5, 5);
    EXPECT_TRUE(c.Checked());
    EXPECT_EQ(clicks, 1);
    Press(ui::VK_SPACE);
    EXPECT_FALSE(c.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(GridEditorControlsTest, CheckEditorEnterClosesAndAdvancesOnlyWithAdvanceOnEnter)
{
    TGridCheckBox& c = *Grid->EditCheck();
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Open(c, edCheckBox, 1, 1);
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);

    Grid->Navigation().SetAdvanceOnEnter(true);
    Open(c, edCheckBox, 1, 1);
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);  // AdvanceDirection adLeftRight by default
    EXPECT_EQ(Grid->Row(), 1);

    Open(c, edCheckBox, 1, 1);
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Row(), 2);
}

class FixedCellEditorTest : public GridEditorFixture {
protected:
    void OpenFixed(ui::TWinControl& e, int col, int row)
    {
        if (auto* t = dynamic_cast<TGridTransEdit*>(&e)) {
            t->SetCol(col);
            t->SetRow(row);
        } else if (auto* c = dynamic_cast<TGridTransCombo*>(&e)) {
            c->SetCol(col);
            c->SetRow(row);
        }
        e.SetBounds(40, 0, 100, 20);
        e.SetVisible(true);
        e.SetFocus();
    }
};

TEST_F(FixedCellEditorTest, EnterStoresTheValueTheValidationHandlerChanged)
{
    int done = 0;
    Grid->OnEditingDone = [&](rtl::TObject*) { ++done; };
    Grid->OnCellValidate = [](TSender, int c, int r, std::string& v, bool& ok) {
        ok = c == 2 && r == 0;
        v = v + "!";
    };
    TGridTransEdit& e = *Grid->EditTrans();
    OpenFixed(e, 2, 0);
    e.SetText("Head");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 0), "Head!");
    EXPECT_FALSE(e.Visible());
    EXPECT_EQ(done, 1);
}

TEST_F(FixedCellEditorTest, RefusedValueKeepsTheEditorFocusedOnItsCellWithABalloonOnlyWhenATextIsSet)
{
    Grid->OnCellValidate = [](TSender, int, int, std::string&, bool& ok) { ok = false; };
    TGridTransEdit& e = *Grid->EditTrans();
    Grid->SetCells(3, 0, "old");
    OpenFixed(e, 3, 0);
    e.SetText("bad");
    EXPECT_FALSE(e.StopEdit());
    EXPECT_TRUE(e.Visible());
    EXPECT_TRUE(e.Focused());
    // A fixed cell never becomes the grid's current cell; the cursor stays in the cells.
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->Cells(3, 0), "old");
    EXPECT_FALSE(e.BalloonShown());
    Grid->SetInvalidEntryTitle("Wrong");
    EXPECT_FALSE(e.StopEdit());
    EXPECT_TRUE(e.BalloonShown());

    // A list-style combo has no edit part for a balloon with only a title.
    e.SetVisible(false);
    TGridTransCombo& c = *Grid->ComboTrans();
    c.Items().Add("a");
    c.SetStyle(ui::csDropDownList);
    OpenFixed(c, 2, 0);
    EXPECT_FALSE(c.StopEdit());
    EXPECT_FALSE(c.BalloonShown());
    c.SetStyle(ui::csDropDown);
    EXPECT_FALSE(c.StopEdit());
    EXPECT_TRUE(c.BalloonShown());
}

TEST_F(FixedCellEditorTest, FocusLossStopsTheEditAndStoresTheText)
{
    TGridTransEdit& e = *Grid->EditTrans();
    OpenFixed(e, 1, 0);
    e.SetText("Name");
    Grid->SetFocus();
    EXPECT_EQ(Grid->Cells(1, 0), "Name");
    EXPECT_FALSE(e.Visible());
}

TEST_F(FixedCellEditorTest, TypingAndSelectingReportTheFixedCellInTheGridsEvents)
{
    std::vector<std::string> changes;
    Grid->OnEditChange = [&](TSender s, int c, int r, std::string& v) {
        EXPECT_EQ(s, Grid);
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + v);
    };
    std::vector<std::string> selects;
    Grid->OnComboChange = [&](TSender, int c, int r, int i, const std::string& t) {
        selects.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + std::to_string(i) + "=" + t);
    };
    TGridTransCombo& c = *Grid->ComboTrans();
    c.Items().Add("North");
    c.Items().Add("South");
    OpenFixed(c, 0, 2);
    Type("x");
    EXPECT_EQ(changes, (std::vector<std::string>{"0,2:x"}));
    Press(ui::VK_DOWN);
    EXPECT_EQ(selects.back(), "0,2:0=North");

    TGridTransEdit& e = *Grid->EditTrans();
    OpenFixed(e, 4, 0);
    Type("ab");
    EXPECT_EQ(changes.back(), "4,0:ab");
}

TEST_F(FixedCellEditorTest, DropDownWidthFollowsTheWidestItemAndNeverShrinks)
{
    TGridTransCombo& c = *Grid->ComboTrans();
    c.SetBounds(0, 0, 100, 20);
    c.SetDropDownCount(8);
    gfx::TCanvas& canvas = Grid->Canvas();
    // Six items (no scroll bar): only an item wider than width − 5 widens the list.
    for (int i = 0; i < 5; ++i) c.Items().Add("ab");
    c.SizeDropDownWidth();
    EXPECT_EQ(c.DropWidth(), 100);
    std::string wide = "a much wider entry than the box";
    c.Items().Add(wide);
    c.SizeDropDownWidth();
    EXPECT_EQ(c.DropWidth(), canvas.TextWidth(wide) + 8);
    // Beyond DropDownCount a scroll bar is expected: 25 pixels of room.
    for (int i = 0; i < 3; ++i) c.Items().Add("x");
    c.SizeDropDownWidth();
    EXPECT_EQ(c.DropWidth(), canvas.TextWidth(wide) + 25);
}

TEST_F(GridEditorControlsTest, FormControlEditorsEndOnEnterAndHandTheFocusBackToTheGrid)
{
    TControlEdit& e = *Grid->EditControlEdit();
    int exits = 0;
    e.OnExit = [&](rtl::TObject*) { ++exits; };
    e.SetBounds(10, 10, 80, 20);
    e.SetVisible(true);
    e.SetFocus();
    Type("abc");
    Press(ui::VK_RETURN);
    EXPECT_GE(exits, 1);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(e.Text(), "abc");

    // Tab with AdvanceAuto moves the grid on as an automatic advance would.
    Grid->Navigation().SetAdvanceAuto(true);
    Grid->SetCol(1);
    Grid->SetRow(1);
    TControlCombo& c = *Grid->ComboControl();
    c.SetBounds(10, 40, 80, 20);
    c.SetVisible(true);
    c.SetFocus();
    Press(ui::VK_TAB);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);
}

TEST_F(GridEditorControlsTest, FormControlEditOutsideAGridKeepsItsEnter)
{
    TControlEdit e(Form);
    e.SetParent(Form);
    e.SetBounds(10, 320, 80, 20);
    int exits = 0;
    e.OnExit = [&](rtl::TObject*) { ++exits; };
    e.SetFocus();
    Type("q");
    Press(ui::VK_RETURN);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(e.Focused());
}

}  // namespace
