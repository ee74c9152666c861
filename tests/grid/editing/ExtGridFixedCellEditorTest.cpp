// Header editing driven by real mouse and key messages: the fixed-cell edit and combo opened by press, right press and double click, filter edit cells, and the header's drop-down button.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/editing/GridTransEditors.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Menus.h"
#include "tests/grid/editing/GridKeyboardFixture.h"

namespace {

using TSender = rtl::TObject*;
using THeadless = ui::THeadlessBackend;

class HeaderEditorTest : public gridtest::GridKeyboardTest {
public:
    void SetUp() override
    {
        MakeGrid(4, 5);
        for (int c = 0; c < 4; ++c) Grid->SetCells(c, 0, "H" + std::to_string(c));
        for (int r = 1; r < 5; ++r) Grid->SetCells(0, r, "R" + std::to_string(r));
    }
    // A point in the middle of the cell, well inside its edges.
    rtl::TPoint Centre(int c, int r) const
    {
        const rtl::TRect cell = Grid->CellRect(c, r);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    void Press(int c, int r, ui::TMouseButton button)
    {
        const rtl::TPoint p = Centre(c, r);
        THeadless::MouseDown(Grid, p.X, p.Y, button);
        THeadless::MouseUp(Grid, p.X, p.Y, button);
    }
    void DoubleClick(int c, int r)
    {
        const rtl::TPoint p = Centre(c, r);
        THeadless::Click(Grid, p.X, p.Y);
        THeadless::Click(Grid, p.X, p.Y);
    }
    grid::TGridTransEdit& Edit() const { return *Grid->EditTrans(); }
    grid::TGridTransCombo& Combo() const { return *Grid->ComboTrans(); }
    using gridtest::GridKeyboardTest::Press;
};

// ===== opening by the MouseActions rules

struct OpenCase {
    const char* Name;
    bool Rows;  // FixedRowsEdit (a header of row 0) or FixedColsEdit (a row title in column 0)
    grid::TGridFixedCellEdit How;
    std::function<void(HeaderEditorTest&, int, int)> Gesture;
    bool Opens;
};

class HeaderEditorOpenTest : public HeaderEditorTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(HeaderEditorOpenTest, GestureOpensTheEditOnlyWhereItsRuleSaysAndEnterStoresTheText)
{
    const OpenCase& k = GetParam();
    if (k.Rows) Grid->MouseActions().SetFixedRowsEdit(k.How);
    else Grid->MouseActions().SetFixedColsEdit(k.How);
    const int c = k.Rows ? 2 : 0;
    const int r = k.Rows ? 0 : 3;
    k.Gesture(*this, c, r);
    ASSERT_EQ(Edit().Visible(), k.Opens);
    if (!k.Opens) return;
    EXPECT_TRUE(Edit().Focused());
    EXPECT_EQ(Edit().Col(), c);
    EXPECT_EQ(Edit().Row(), r);
    EXPECT_EQ(Edit().Text(), Grid->Cells(c, r));
    // The edit covers the cell less one pixel around and two more at the top.
    const rtl::TRect cell = Grid->CellRect(c, r);
    EXPECT_EQ(Edit().Left(), cell.Left + 1);
    EXPECT_EQ(Edit().Top(), cell.Top + 3);
    EXPECT_EQ(Edit().Width(), cell.Right - cell.Left - 2);
    Press(ui::VK_END);
    Type("x");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Grid->Cells(c, r), (k.Rows ? "H2x" : "R3x"));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HeaderEditorOpenTest,
    ::testing::Values(
        OpenCase{"HeaderLeftClick", true, grid::fceLeftClick,
                 [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbLeft); }, true},
        OpenCase{"HeaderRightClick", true, grid::fceRightClick,
                 [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbRight); }, true},
        OpenCase{"HeaderLeftClickUnderRightRule", true, grid::fceRightClick,
                 [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbLeft); }, false},
        OpenCase{"HeaderDoubleClick", true, grid::fceDblClick,
                 [](HeaderEditorTest& t, int c, int r) { t.DoubleClick(c, r); }, true},
        OpenCase{"HeaderSingleClickUnderDoubleClickRule", true, grid::fceDblClick,
                 [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbLeft); }, false},
        OpenCase{"RowTitleLeftClick", false, grid::fceLeftClick,
                 [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbLeft); }, true},
        OpenCase{"RowTitleDoubleClick", false, grid::fceDblClick,
                 [](HeaderEditorTest& t, int c, int r) { t.DoubleClick(c, r); }, true},
        OpenCase{"NoRule", true, grid::fceNone, [](HeaderEditorTest& t, int c, int r) { t.Press(c, r, ui::mbLeft); },
                 false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(HeaderEditorTest, WithColumnSizingAPressNearTheHeaderEdgeGrabsTheEdgeInstead)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing);
    Grid->MouseActions().SetFixedRowsEdit(grid::fceLeftClick);
    const rtl::TRect cell = Grid->CellRect(2, 0);
    THeadless::Click(Grid, cell.Right - 2, cell.Top + 8);
    EXPECT_FALSE(Edit().Visible());
    THeadless::Click(Grid, cell.Left + 20, cell.Top + 8);
    EXPECT_TRUE(Edit().Visible());
}

TEST_F(HeaderEditorTest, PermissionAndTheApplicationDecideWhetherAndWhichEditorOpens)
{
    Grid->MouseActions().SetFixedRowsEdit(grid::fceLeftClick);
    rtl::TStringList values;
    values.Add("alpha");
    Grid->MouseActions().SetFixedComboValues(&values);
    Grid->OnCanEditCell = [](TSender, int r, int c, bool& can) { can = !(r == 0 && c == 1); };
    std::vector<std::string> asked;
    Grid->OnFixedEdit = [&](TSender, int c, int r, grid::TGridFixedCellEditor& editor, rtl::TStrings* items) {
        asked.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(items->Count()));
        editor = grid::fceComboList;
        items->Add("beta");
        items->Add("H3");
    };
    Press(1, 0, ui::mbLeft);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_FALSE(Combo().Visible());
    EXPECT_TRUE(asked.empty());
    Press(3, 0, ui::mbLeft);
    ASSERT_TRUE(Combo().Visible());
    EXPECT_EQ(asked, (std::vector<std::string>{"3,0 1"}));
    EXPECT_EQ(Combo().Style(), ui::csDropDownList);
    ASSERT_EQ(Combo().Items().Count(), 3);
    EXPECT_EQ(Combo().ItemIndex(), 2);
    // Up chooses "beta"; the focus leaving the combo stores it.
    Press(ui::VK_UP);
    Click(2, 3);
    EXPECT_FALSE(Combo().Visible());
    EXPECT_EQ(Grid->Cells(3, 0), "beta");
}

TEST_F(HeaderEditorTest, NoOtherEditorOpensWhileTheOpenOneRefusesItsValue)
{
    Grid->MouseActions().SetFixedRowsEdit(grid::fceLeftClick);
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& valid) { valid = v.find('!') == std::string::npos; };
    Press(1, 0, ui::mbLeft);
    Type("!");
    Press(2, 0, ui::mbLeft);
    EXPECT_TRUE(Edit().Visible());
    EXPECT_EQ(Edit().Col(), 1);
    EXPECT_TRUE(Edit().Focused());
    EXPECT_EQ(Grid->Cells(1, 0), "H1");
    Press(ui::VK_BACK);
    Press(2, 0, ui::mbLeft);
    EXPECT_EQ(Edit().Col(), 2);
    EXPECT_EQ(Grid->Cells(1, 0).find('!'), std::string::npos);
}

TEST_F(HeaderEditorTest, FilterEditCellOpensTheEditRightOfItsTypeButtonAndFiltersOnEnter)
{
    Grid->SetRowCount(6);
    Grid->SetFixedRows(2);
    const char* names[] = {"", "", "apple", "berry", "cherry", "banana"};
    for (int r = 2; r < 6; ++r) Grid->SetCells(1, r, names[r]);
    Grid->FilterEdit().SetRow(1);
    Grid->FilterEdit().SetEnabled(true);
    Grid->FilterEdit().SetColor(gfx::clYellow);
    const rtl::TRect cell = Grid->CellRect(1, 1);
    THeadless::Click(Grid, cell.Left + 40, cell.Top + 8);
    ASSERT_TRUE(Edit().Visible());
    EXPECT_TRUE(Edit().FilterEdit());
    EXPECT_EQ(Edit().Left(), cell.Left + 1 + 19);
    EXPECT_EQ(Edit().Color(), gfx::clYellow);
    Type("rr");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Grid->Cells(1, 1), "rr");
    EXPECT_TRUE(Grid->FilterActive());
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->Cells(1, 2), "berry");
    EXPECT_EQ(Grid->Cells(1, 3), "cherry");
}

// ===== the header's drop-down button

class HeaderDropDownTest : public HeaderEditorTest {
public:
    void SetUp() override
    {
        HeaderEditorTest::SetUp();
        Grid->ControlLook().SetFixedDropDownButton(true);
        Grid->SetHoverFixedCells(grid::hfAll);
        Menu = new ui::TPopupMenu(Form);
        auto* item = new ui::TMenuItem(Menu);
        item->SetCaption("Sort");
        Menu->Items().Add(item);
        Grid->SetFixedDropDownMenu(Menu);
    }
    void PressButton(int c)
    {
        const rtl::TRect cell = Grid->CellRect(c, 0);
        THeadless::Click(Grid, cell.Right - 8, cell.Top + 8);
    }
    ui::TPopupMenu* Menu = nullptr;
};

TEST_F(HeaderDropDownTest, ButtonPressReportsTheHeaderAndPopsTheMenuBelowIt)
{
    std::vector<std::string> log;
    Grid->OnFixedDropDownClick = [&](TSender, int c, int r, ui::TPopupMenu*& menu, bool&) {
        log.push_back(std::to_string(c) + "," + std::to_string(r) + (menu != nullptr ? " menu" : ""));
    };
    int clicks = 0;
    Grid->OnClickCell = [&](TSender, int, int) { ++clicks; };
    const int colBefore = Grid->Col();
    PressButton(2);
    EXPECT_EQ(log, (std::vector<std::string>{"2,0 menu"}));
    EXPECT_TRUE(Grid->FixedDropDownDown());
    EXPECT_EQ(Menu->Tag(), 2);
    EXPECT_EQ(Grid->Col(), colBefore);
    EXPECT_EQ(clicks, 1);  // the press is still reported as a click on the header
    ASSERT_NE(Menu->Window(), nullptr);
    EXPECT_TRUE(Menu->Window()->Visible());
    const rtl::TRect button = Grid->CellRect(2, 0);
    const rtl::TPoint below = Grid->ClientToScreen({button.Right - 16, button.Bottom});
    EXPECT_EQ(Menu->Window()->Left(), below.X);
    EXPECT_EQ(Menu->Window()->Top(), below.Y);
    Menu->CloseMenu();
    // A press left of the button is an ordinary header press.
    const rtl::TRect cell = Grid->CellRect(2, 0);
    THeadless::Click(Grid, cell.Left + 10, cell.Top + 8);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(Grid->FixedDropDownDown());
}

TEST_F(HeaderDropDownTest, TheApplicationMayDropTheMenuAndCanShowFixedDropDownMayRefuse)
{
    int popups = 0;
    Menu->OnPopup = [&](TSender) { ++popups; };
    Grid->OnFixedDropDownClick = [&](TSender, int, int, ui::TPopupMenu*& menu, bool&) { menu = nullptr; };
    PressButton(1);
    EXPECT_EQ(popups, 0);
    Grid->OnFixedDropDownClick = nullptr;
    PressButton(1);
    EXPECT_EQ(popups, 1);
    Grid->OnCanShowFixedDropDown = [](TSender, int c, int, bool& allow) { allow = c != 3; };
    PressButton(3);
    EXPECT_EQ(popups, 1);
}

}  // namespace
