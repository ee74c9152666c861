// The editors over the form controls of a cell's HTML text, driven by real clicks and keys: opening, storing into the tag, Tab to the next control, the combo's list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/ControlEditors.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/ui/StdCtrlsList.h"
#include "tests/grid/editing/GridKeyboardFixture.h"

namespace {

using TSender = rtl::TObject*;

// Two edits after a check box, a password and a combo; every control 50 pixels wide.
const char* const FormCell = "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">"
                             "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"ab\" WIDTH=\"50\">"
                             "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"\" WIDTH=\"50\">"
                             "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"\" WIDTH=\"50\">";

class ControlEditorTest : public gridtest::GridKeyboardTest {
public:
    void SetUp() override
    {
        MakeGrid(4, 5);
        Grid->SetColWidths(2, 260);
        Grid->SetRowHeights(2, 40);
        Grid->SetCells(2, 2, FormCell);
        Grid->OnControlClick = [this](TSender, int r, int c, const std::string& id, const std::string& type,
                                      const std::string& v) { Log.push_back("click " + At(c, r) + id + " " + type + " " + v); };
        Grid->OnControlEditDone = [this](TSender, int r, int c, const std::string& id, const std::string& type,
                                         const std::string& v) { Log.push_back("done " + At(c, r) + id + " " + type + " " + v); };
    }
    static std::string At(int c, int r) { return std::to_string(c) + "," + std::to_string(r) + " "; }
    // A press on the control with this ID where the cell draws it.
    void ClickControl(const std::string& id)
    {
        const rtl::TRect cell = Grid->CellRect(2, 2);
        const int left = cell.Left + 3 + 24 + (id == "e1" ? 0 : id == "e2" ? 52 : 104);
        ui::THeadlessBackend::Click(Grid, left + 20, cell.Top + 14);
    }
    std::string Value(const std::string& id) const
    {
        std::string v;
        EXPECT_TRUE(grid::GetControlTagValue(Grid->Cells(2, 2), id, v)) << id;
        return v;
    }
    ui::TWinControl& Edit() const { return *Grid->EditControlEdit(); }
    // Makes the form cell current by keys (a click there could land on one of its controls).
    void ToFormCell()
    {
        GoTo(1, 2);
        Press(ui::VK_RIGHT);
        ASSERT_EQ(Cell(), "2,2");
    }
    std::vector<std::string> Log;
};

// ===== the edit control

struct LeaveCase {
    const char* Name;
    std::function<void(ControlEditorTest&)> Leave;
    bool GridFocused;
};

class ControlEditLeaveTest : public ControlEditorTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(ControlEditLeaveTest, ClickOpensTheEditOverTheControlAndLeavingStoresItsTextInTheTag)
{
    ClickControl("e1");
    ASSERT_TRUE(Edit().Visible());
    EXPECT_TRUE(Edit().Focused());
    EXPECT_EQ(Grid->EditControlEdit()->Text(), "ab");
    // Over the control: inside the cell, right of the check box.
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_GT(Edit().Left(), cell.Left + 20);
    EXPECT_LT(Edit().Left() + Edit().Width(), cell.Left + 100);
    EXPECT_GT(Edit().Top(), cell.Top);
    EXPECT_LT(Edit().Top() + Edit().Height(), cell.Bottom + 1);
    Press(ui::VK_END);
    Type("cd");
    GetParam().Leave(*this);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_FALSE(Grid->ControlEditing());
    EXPECT_EQ(Value("e1"), "abcd");
    EXPECT_EQ(Value("e2"), "");
    EXPECT_EQ(Grid->Focused(), GetParam().GridFocused);
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2,2 e1 EDIT ab", "done 2,2 e1 EDIT abcd"}));
}

INSTANTIATE_TEST_SUITE_P(
    Routes, ControlEditLeaveTest,
    ::testing::Values(LeaveCase{"Enter", [](ControlEditorTest& t) { t.Press(ui::VK_RETURN); }, true},
                      LeaveCase{"ClickOnAnotherCell", [](ControlEditorTest& t) { t.Click(1, 3); }, true},
                      LeaveCase{"FocusToAnotherControl",
                                [](ControlEditorTest& t) { ui::THeadlessBackend::Click(t.Other, 5, 5); }, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ControlEditorTest, OpeningASecondControlStoresTheFirstOneBeforeItsClickIsReported)
{
    ClickControl("e1");
    Press(ui::VK_END);
    Type("X");
    ClickControl("e2");
    EXPECT_EQ(Value("e1"), "abX");
    ASSERT_TRUE(Edit().Visible());
    EXPECT_EQ(Grid->ControlEditID(), "e2");
    Type("y");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Value("e2"), "y");
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2,2 e1 EDIT ab", "done 2,2 e1 EDIT abX", "click 2,2 e2 EDIT ",
                                             "done 2,2 e2 EDIT y"}));
}

TEST_F(ControlEditorTest, ReadOnlyCellOpensNoEditAndReportsTheAnchor)
{
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    std::string anchor;
    Grid->OnAnchorClick = [&](TSender, int, int, const std::string& a, bool& autoHandle) {
        anchor = a;
        autoHandle = false;
    };
    ClickControl("e1");
    EXPECT_FALSE(Edit().Visible());
    EXPECT_FALSE(anchor.empty());
    EXPECT_TRUE(Log.empty());
}

// ===== keys: Enter and F2 open the first edit control, Tab steps on

class ControlEditKeyTest : public ControlEditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(ControlEditKeyTest, KeyOpensTheFirstEditControlAndTabStepsThroughTheOthersToTheGrid)
{
    ToFormCell();
    ASSERT_TRUE(Grid->Focused());
    Press(GetParam());
    ASSERT_TRUE(Edit().Visible());
    // The check box is no edit control: the first one is e1.
    EXPECT_EQ(Grid->ControlEditID(), "e1");
    EXPECT_FALSE(Grid->EditorMode());
    Press(ui::VK_END);
    Type("1");
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->ControlEditID(), "e2");
    EXPECT_TRUE(Edit().Focused());
    Type("2");
    Press(ui::VK_TAB);
    EXPECT_EQ(Grid->ControlEditID(), "p");
    EXPECT_EQ(Grid->EditControlEdit()->PasswordChar(), U'*');
    Type("pw");
    Press(ui::VK_TAB);
    // No control after the password: the grid has the focus and nothing is open.
    EXPECT_FALSE(Edit().Visible());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Value("e1"), "ab1");
    EXPECT_EQ(Value("e2"), "2");
    EXPECT_EQ(Value("p"), "pw");
    EXPECT_EQ(Value("c"), "FALSE");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Log, (std::vector<std::string>{"done 2,2 e1 EDIT ab1", "done 2,2 e2 EDIT 2", "done 2,2 p PASSWORD pw"}));
}

INSTANTIATE_TEST_SUITE_P(EnterAndF2, ControlEditKeyTest, ::testing::Values(ui::VK_RETURN, ui::VK_F2));

TEST_F(ControlEditorTest, TabWithAdvanceAutoLeavesTheCellForTheNextOne)
{
    Grid->Navigation().SetAdvanceAuto(true);
    ToFormCell();
    Press(ui::VK_RETURN);
    ASSERT_TRUE(Edit().Visible());
    Type("Z");
    Press(ui::VK_TAB);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Value("e1"), "Z");
    EXPECT_EQ(Cell(), "3,2");
}

// Tab from an edit opens the next editable control of the cell whatever its kind (a combo
// here, after a check box control that is skipped), placed where the cell draws it: a cell
// with a check box draws its controls the check box's width further right.
TEST_F(ControlEditorTest, TabOpensTheNextControlWhereTheCellDrawsIt)
{
    Grid->SetCells(2, 2, "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"x\" WIDTH=\"50\">"
                         "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">"
                         "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"red\" WIDTH=\"80\">");
    Grid->OnControlComboList = [](TSender, int, int, const std::string&, const std::string&, const std::string&,
                                  std::vector<std::string>& values, bool&, int&) { values = {"red", "blue"}; };
    int comboLeft[2] = {0, 0};
    for (int withCheckBox = 0; withCheckBox < 2; ++withCheckBox) {
        SCOPED_TRACE(withCheckBox != 0 ? "cell with a check box" : "plain cell");
        if (withCheckBox != 0) Grid->AddCheckBox(2, 2, false, false);
        ToFormCell();
        Press(ui::VK_RETURN);
        ASSERT_TRUE(Edit().Visible());
        EXPECT_EQ(Grid->ControlEditID(), "e");
        Press(ui::VK_TAB);
        EXPECT_FALSE(Edit().Visible());
        EXPECT_EQ(Grid->ControlEditID(), "k");
        grid::TControlCombo& combo = *Grid->ComboControl();
        ASSERT_TRUE(combo.Visible());
        EXPECT_TRUE(combo.Focused());
        EXPECT_EQ(combo.Text(), "red");
        comboLeft[withCheckBox] = combo.Left();
        Press(ui::VK_ESCAPE);
        App->ProcessMessages();
        EXPECT_FALSE(combo.Visible());
    }
    // Behind the edit (50 wide), and the check box's width (16) further with the box (the
    // text layout may round it by a pixel).
    EXPECT_GT(comboLeft[0], Grid->CellRect(2, 2).Left + 50);
    EXPECT_NEAR(comboLeft[1] - comboLeft[0], 16, 1);
}

TEST_F(ControlEditorTest, TypingOnAControlCellOpensNeitherTheCellEditorNorAControl)
{
    ToFormCell();
    Type("q");
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), FormCell);
}

// ===== the combo control

class ControlComboTest : public ControlEditorTest {
public:
    void SetUp() override
    {
        ControlEditorTest::SetUp();
        Grid->SetCells(2, 2, "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"green\" WIDTH=\"90\">");
        Grid->OnControlComboList = [this](TSender, int r, int c, const std::string& id, const std::string& type,
                                          const std::string& v, std::vector<std::string>& values, bool& edit,
                                          int& count) {
            Log.push_back("list " + At(c, r) + id + " " + type + " " + v);
            values = {"red", "green", "blue"};
            edit = Editable;
            count = 2;
        };
        Grid->OnControlComboSelect = [this](TSender, int r, int c, int index, const std::string& id,
                                            const std::string& v) {
            Log.push_back("select " + At(c, r) + std::to_string(index) + " " + id + " " + v);
        };
    }
    // Successive presses land on different spots of the combo: no double click.
    void ClickCombo()
    {
        Spot = 1 - Spot;
        const rtl::TRect cell = Grid->CellRect(2, 2);
        ui::THeadlessBackend::Click(Grid, cell.Left + 30 + 20 * Spot, cell.Top + 14);
    }
    grid::TControlCombo& Combo() const { return *Grid->ComboControl(); }
    bool Editable = false;
};

TEST_F(ControlComboTest, ClickDropsTheListTheApplicationFilledAndAChosenItemGoesIntoTheTag)
{
    ClickCombo();
    ASSERT_TRUE(Combo().Visible());
    EXPECT_TRUE(Combo().DroppedDown());
    EXPECT_EQ(Combo().Style(), ui::csDropDownList);
    EXPECT_EQ(Combo().DropDownCount(), 2);
    EXPECT_EQ(Combo().ItemIndex(), 1);
    // A click on the last item of the list chooses it and closes the list.
    ui::TComboDropList* list = Combo().DropList();
    ASSERT_NE(list, nullptr);
    const rtl::TRect item = list->ItemRect(2);
    ui::THeadlessBackend::Click(list, item.Left + 5, (item.Top + item.Bottom) / 2);
    App->ProcessMessages();
    EXPECT_FALSE(Combo().Visible());
    EXPECT_EQ(Value("k"), "blue");
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2,2 k COMBO green", "list 2,2 k COMBO green",
                                             "select 2,2 2 k blue", "done 2,2 k COMBO blue"}));
}

TEST_F(ControlComboTest, KeysChooseInTheListAndEscapeKeepsTheValue)
{
    ClickCombo();
    Press(ui::VK_UP);
    Press(ui::VK_RETURN);
    App->ProcessMessages();
    EXPECT_FALSE(Combo().Visible());
    EXPECT_EQ(Value("k"), "red");
    Log.clear();
    ClickCombo();
    Press(ui::VK_DOWN);
    Press(ui::VK_ESCAPE);
    App->ProcessMessages();
    EXPECT_FALSE(Combo().Visible());
    EXPECT_EQ(Value("k"), "red");
    EXPECT_EQ(Log, (std::vector<std::string>{"click 2,2 k COMBO red", "list 2,2 k COMBO red", "done 2,2 k COMBO red"}));
}

TEST_F(ControlComboTest, TextTypedIntoAnEditableComboIsStoredWhenTabLeavesIt)
{
    Editable = true;
    ClickCombo();
    EXPECT_EQ(Combo().Style(), ui::csDropDown);
    Type("teal");
    const std::string typed = Combo().Text();
    EXPECT_NE(typed.find("teal"), std::string::npos);
    Press(ui::VK_TAB);
    App->ProcessMessages();
    EXPECT_FALSE(Combo().Visible());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Value("k"), typed);
}

}  // namespace
