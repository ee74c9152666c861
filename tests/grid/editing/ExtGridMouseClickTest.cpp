// String grid presses, releases, double and right clicks driven by real mouse messages on a headless form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DesktopOpener.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrls.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::TSender;
using ui::THeadlessBackend;

class GridMouseClickTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        ui::SetMonotonicClock(&Clock);
        gridtest::GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 420, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 5; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('a' + c)) + std::to_string(r));
        Form->Show();
    }
    void TearDown() override
    {
        for (int vk : {ui::VK_SHIFT, ui::VK_CONTROL, ui::VK_MENU}) ui::SetKeyDown(vk, false);
        ui::SetDesktopOpener(nullptr);
        gridtest::GridOnFormTest::TearDown();
        ui::SetMonotonicClock(nullptr);
    }
    rtl::TPoint Centre(int c, int r)
    {
        const rtl::TRect cell = Grid->CellRect(c, r);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    // A click well after the last one, so the platform never takes it for a double click.
    void ClickAt(rtl::TPoint p)
    {
        Clock.Advance(2000);
        THeadlessBackend::Click(Grid, p.X, p.Y);
    }
    void Click(int c, int r) { ClickAt(Centre(c, r)); }
    void DoubleClickAt(rtl::TPoint p)
    {
        ClickAt(p);
        Clock.Advance(50);
        THeadlessBackend::Click(Grid, p.X, p.Y);
    }
    void RightClick(int c, int r)
    {
        const rtl::TPoint p = Centre(c, r);
        THeadlessBackend::MouseDown(Grid, p.X, p.Y, ui::mbRight);
        THeadlessBackend::MouseUp(Grid, p.X, p.Y, ui::mbRight);
    }
    static std::string At(const char* what, int a, int b) { return std::string(what) + " " + std::to_string(a) + "," + std::to_string(b); }

    ui::TManualClock Clock;
};

// --- press zones ---

TEST_F(GridMouseClickTest, CheckBoxTogglesOnlyWhereThePressLandsOnItsBox)
{
    struct Case {
        bool Precise;
        int Dx;  // from the cell's left edge
        bool Toggles;
    };
    const Case cases[] = {{true, 5, true}, {true, 30, false}, {true, 58, false}, {false, 5, true}, {false, 58, true}};
    for (const Case& k : cases) {
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Grid->MouseActions().SetPreciseCheckBoxCheck(k.Precise);
        Grid->AddCheckBox(2, 3, false, false);
        std::vector<std::string> log;
        Grid->OnCheckBoxClick = [&](TSender, int c, int r, bool s) { log.push_back(At(s ? "click on" : "click off", c, r)); };
        Grid->OnCheckBoxMouseUp = [&](TSender, int c, int r, bool s) { log.push_back(At(s ? "up on" : "up off", c, r)); };
        const rtl::TRect cell = Grid->CellRect(2, 3);
        ClickAt({cell.Left + k.Dx, (cell.Top + cell.Bottom) / 2});
        bool state = false;
        Grid->GetCheckBoxState(2, 3, state);
        EXPECT_EQ(state, k.Toggles) << "precise " << k.Precise << " at " << k.Dx;
        if (k.Toggles)
            EXPECT_EQ(log, (std::vector<std::string>{"click on 2,3", "up on 2,3"}));
        else
            EXPECT_EQ(log, (std::vector<std::string>{"up off 2,3"}));
        Grid->RemoveCheckBox(2, 3);
    }
}

TEST_F(GridMouseClickTest, ClickDoubleClickRightClickAndFixedCellClickAreReportedInOrder)
{
    std::vector<std::string> log;
    Grid->OnClickCell = [&](TSender, int r, int c) { log.push_back(At("click", c, r)); };
    Grid->OnDblClickCell = [&](TSender, int r, int c) { log.push_back(At("dbl", c, r)); };
    Grid->OnRightClickCell = [&](TSender, int r, int c) { log.push_back(At("right", c, r)); };
    Grid->OnFixedCellClick = [&](TSender, int c, int r) { log.push_back(At("fixed", c, r)); };
    Click(2, 2);
    Click(3, 0);
    DoubleClickAt(Centre(1, 4));
    RightClick(4, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"click 2,2", "click 3,0", "fixed 3,0", "click 1,4", "dbl 1,4",
                                             "right 4,5"}));
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(GridMouseClickTest, CanClickCellRefusalIgnoresThePress)
{
    bool clicked = false;
    Grid->OnClickCell = [&](TSender, int, int) { clicked = true; };
    Grid->OnCanClickCell = [](TSender, int r, int, bool& allow) { allow = r != 3; };
    Click(2, 3);
    EXPECT_FALSE(clicked);
    EXPECT_EQ(Grid->Row(), 1);
    Click(2, 4);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(GridMouseClickTest, RightClickWithSelectOnRightClickSelectsLikeALeftClick)
{
    Grid->MouseActions().SetSelectOnRightClick(true);
    std::vector<std::string> log;
    Grid->OnClickCell = [&](TSender, int r, int c) { log.push_back(At("click", c, r)); };
    RightClick(3, 5);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(log, (std::vector<std::string>{"click 3,5"}));
    // Without the option the right button leaves the current cell alone.
    Grid->MouseActions().SetSelectOnRightClick(false);
    RightClick(1, 2);
    EXPECT_EQ(Grid->Row(), 5);
}

// --- selection by mouse ---

TEST_F(GridMouseClickTest, DragAndShiftClickSelectRanges)
{
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    const rtl::TPoint from = Centre(1, 2);
    const rtl::TPoint to = Centre(3, 4);
    Clock.Advance(2000);
    THeadlessBackend::MouseDown(Grid, from.X, from.Y);
    THeadlessBackend::MouseMove(Grid, to.X, to.Y);
    THeadlessBackend::MouseUp(Grid, to.X, to.Y);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 3, 4}));
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
    Click(2, 6);
    THeadlessBackend::KeyDown(ui::VK_SHIFT);
    Click(4, 3);
    THeadlessBackend::KeyUp(ui::VK_SHIFT);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{2, 3, 4, 6}));
}

TEST_F(GridMouseClickTest, FixedColumnSelectsWholeRowsByClickDragAndCtrl)
{
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Grid->MouseActions().SetRowSelect(true);
    const rtl::TPoint row2 = Centre(0, 2);
    const rtl::TPoint row5 = Centre(0, 5);
    THeadlessBackend::MouseMove(Grid, row2.X, row2.Y);
    EXPECT_EQ(Grid->MouseSelectMode(), grid::TExtStringGrid::msRow);
    Clock.Advance(2000);
    THeadlessBackend::MouseDown(Grid, row2.X, row2.Y);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 4, 2}));
    THeadlessBackend::MouseMove(Grid, row5.X, row5.Y);
    THeadlessBackend::MouseUp(Grid, row5.X, row5.Y);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 4, 5}));

    // Disjunct rows: Ctrl toggles one row without touching the others.
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Click(0, 3);
    EXPECT_TRUE(Grid->RowSelect(3));
    THeadlessBackend::KeyDown(ui::VK_CONTROL);
    Click(0, 6);
    Click(0, 3);
    THeadlessBackend::KeyUp(ui::VK_CONTROL);
    EXPECT_FALSE(Grid->RowSelect(3));
    EXPECT_TRUE(Grid->RowSelect(6));
}

TEST_F(GridMouseClickTest, FixedRowSelectsColumnsAndTheCornerSelectsAll)
{
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Grid->MouseActions().SetColSelect(true);
    Grid->MouseActions().SetAllSelect(true);
    const rtl::TPoint col2 = Centre(2, 0);
    THeadlessBackend::MouseMove(Grid, col2.X, col2.Y);
    ClickAt(col2);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{2, 1, 2, 7}));
    THeadlessBackend::KeyDown(ui::VK_SHIFT);
    const rtl::TPoint col4 = Centre(4, 0);
    THeadlessBackend::MouseMove(Grid, col4.X, col4.Y);
    ClickAt(col4);
    THeadlessBackend::KeyUp(ui::VK_SHIFT);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{2, 1, 4, 7}));
    const rtl::TPoint corner = Centre(0, 0);
    THeadlessBackend::MouseMove(Grid, corner.X, corner.Y);
    ClickAt(corner);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 1, 4, 7}));
}

// --- editing start ---

TEST_F(GridMouseClickTest, DirectEditOpensTheEditorAtTheFirstClickUnlessTheCellIsReadOnly)
{
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    Click(2, 2);
    EXPECT_FALSE(Grid->EditorMode());
    Grid->MouseActions().SetDirectEdit(true);
    Click(3, 4);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
    Grid->OnCanEditCell = [](TSender, int r, int, bool& can) { can = r != 5; };
    Click(1, 5);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Row(), 5);
}

// --- buttons, nodes, sizing ---

TEST_F(GridMouseClickTest, CellButtonClicksOnlyWhenPressedAndReleasedOnIt)
{
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    Grid->AddButton(2, 3, 30, 16, "Go", grid::haLeft, grid::vaTop);
    std::vector<std::string> log;
    Grid->OnButtonClick = [&](TSender, int c, int r) { log.push_back(At("button", c, r)); };
    const rtl::TRect button = Grid->GetCellButtonRect(2, 3);
    ClickAt({button.Left + 5, button.Top + 5});
    EXPECT_EQ(log, (std::vector<std::string>{"button 2,3"}));
    // Pressed on the button and let go elsewhere: no click.
    Clock.Advance(2000);
    THeadlessBackend::MouseDown(Grid, button.Left + 5, button.Top + 5);
    const rtl::TPoint away = Centre(4, 6);
    THeadlessBackend::MouseUp(Grid, away.X, away.Y);
    EXPECT_EQ(log.size(), 1u);
    // Beside the button the press selects the cell as any click does.
    ClickAt({button.Right + 4, Grid->CellRect(2, 3).Bottom - 3});
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(GridMouseClickTest, RadioGroupItemUnderThePressIsChosenInAnEditableCell)
{
    Grid->SetColWidths(2, 150);
    rtl::TStringList items;
    items.Add("a");
    items.Add("b");
    items.Add("c");
    Grid->AddRadio(2, 3, 1, -1, &items);
    std::vector<int> chosen;
    Grid->OnRadioClick = [&](TSender, int, int, int i) { chosen.push_back(i); };
    const rtl::TRect cell = Grid->CellRect(2, 3);
    const int y = (cell.Top + cell.Bottom) / 2;
    // Not editable: the press only selects the cell.
    ClickAt({cell.Left + 60, y});
    EXPECT_TRUE(chosen.empty());
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    ClickAt({cell.Left + 60, y});
    ClickAt({cell.Left + 5, y});
    EXPECT_EQ(chosen, (std::vector<int>{2, 0}));
    int index = -1;
    Grid->GetRadioIdx(2, 3, index);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(Grid->Cells(2, 3), "a");
}

TEST_F(GridMouseClickTest, NodeGlyphPressAsksBeforeContractingAndExpanding)
{
    Grid->AddNode(2, 3);
    std::vector<std::string> log;
    bool allow = false;
    Grid->OnBeforeContractNode = [&](TSender, int r, int real, bool& a) {
        log.push_back(At("before contract", r, real));
        a = allow;
    };
    Grid->OnContractNode = [&](TSender, int r, int real) { log.push_back(At("contract", r, real)); };
    Grid->OnBeforeExpandNode = [&](TSender, int r, int real, bool&) { log.push_back(At("before expand", r, real)); };
    Grid->OnExpandNode = [&](TSender, int r, int real) { log.push_back(At("expand", r, real)); };
    const rtl::TRect cell = Grid->CellRect(0, 2);
    const rtl::TPoint glyph{cell.Left + 6, (cell.Top + cell.Bottom) / 2};
    ClickAt(glyph);
    EXPECT_EQ(Grid->RowCount(), 8);
    allow = true;
    ClickAt(glyph);
    EXPECT_EQ(Grid->RowCount(), 6);
    ClickAt(glyph);
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(log, (std::vector<std::string>{"before contract 2,2", "before contract 2,2", "contract 2,2",
                                             "before expand 2,2", "expand 2,2"}));
}

TEST_F(GridMouseClickTest, DoubleClickOnAHeaderEdgeSizesTheColumnToItsTextAndDoesNotSort)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing);
    Grid->SortSettings().SetShow(true);
    Grid->SetCells(1, 5, "a much longer text than the column shows");
    std::vector<int> ended;
    Grid->OnEndColumnSize = [&](TSender, int c) { ended.push_back(c); };
    const int oldWidth = Grid->ColWidths(1);
    const rtl::TRect header = Grid->CellRect(1, 0);
    DoubleClickAt({header.Right + 2, (header.Top + header.Bottom) / 2});
    EXPECT_GT(Grid->ColWidths(1), oldWidth + 100);
    EXPECT_EQ(ended, (std::vector<int>{1}));
    EXPECT_EQ(Grid->Cells(1, 1), "b1");
    EXPECT_EQ(Grid->SortSettings().Column(), -1);
}

TEST_F(GridMouseClickTest, FixedColumnDraggedByItsEdgeTakesTheWidthWhereReleased)
{
    Grid->MouseActions().SetSizeFixedCol(true);
    std::vector<int> ended;
    Grid->OnEndColumnSize = [&](TSender, int c) { ended.push_back(c); };
    const int edge = Grid->ColWidths(0);
    const int y = Centre(0, 3).Y;
    THeadlessBackend::MouseMove(Grid, edge - 1, y);
    Clock.Advance(2000);
    THeadlessBackend::MouseDown(Grid, edge - 1, y);
    THeadlessBackend::MouseMove(Grid, edge + 30, y);
    THeadlessBackend::MouseUp(Grid, edge + 30, y);
    EXPECT_EQ(Grid->ColWidths(0), edge + 30);
    EXPECT_EQ(ended, (std::vector<int>{0}));
    // Without the option the edge is not grabbed.
    Grid->MouseActions().SetSizeFixedCol(false);
    const int now = Grid->ColWidths(0);
    THeadlessBackend::MouseMove(Grid, now - 1, y);
    ClickAt({now - 1, y});
    EXPECT_EQ(Grid->ColWidths(0), now);
}

TEST_F(GridMouseClickTest, ColumnSizingEndsWithOneEventAndIsCancelledWhenLetGoBeyondTheGrid)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing);
    std::vector<int> ended;
    Grid->OnEndColumnSize = [&](TSender, int c) { ended.push_back(c); };
    const int width = Grid->ColWidths(2);
    const rtl::TRect header = Grid->CellRect(2, 0);
    const int y = (header.Top + header.Bottom) / 2;
    auto drag = [&](int toX) {
        Clock.Advance(2000);
        THeadlessBackend::MouseDown(Grid, header.Right - 1, y);
        THeadlessBackend::MouseMove(Grid, toX, y);
        THeadlessBackend::MouseUp(Grid, toX, y);
    };
    drag(header.Right + 20);
    EXPECT_EQ(Grid->ColWidths(2), width + 21);
    EXPECT_EQ(ended, (std::vector<int>{2}));
    drag(Grid->Width() + 10);
    EXPECT_EQ(Grid->ColWidths(2), width + 21);
    EXPECT_EQ(ended.size(), 1u);
    EXPECT_EQ(Grid->GridState(), ui::gsNormal);
}

TEST_F(GridMouseClickTest, SortingByAHeaderClickStillWorksAndAnEdgeClickDoesNotSort)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing);
    Grid->SortSettings().SetShow(true);
    Grid->SetCells(2, 1, "z");
    const rtl::TRect header = Grid->CellRect(2, 0);
    ClickAt({header.Left + 2, (header.Top + header.Bottom) / 2});
    EXPECT_EQ(Grid->Cells(2, 1), "z");
    Click(2, 0);
    EXPECT_EQ(Grid->Cells(2, 1), "c2");
    EXPECT_EQ(Grid->Cells(2, 7), "z");
}

TEST_F(GridMouseClickTest, TouchScrollingDragsTheRowsAndATapTogglesACheckBoxOnce)
{
    Grid->SetRowCount(40);
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    Grid->MouseActions().SetTouchScroll(true);
    Grid->AddCheckBox(2, 3, false, false);
    int clicks = 0;
    Grid->OnCheckBoxClick = [&](TSender, int, int, bool) { ++clicks; };
    ClickAt(Centre(2, 3));
    EXPECT_TRUE(Grid->IsChecked(2, 3));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Grid->Row(), 3);
    // A drag upwards by three rows scrolls three rows and selects nothing.
    const rtl::TPoint from = Centre(1, 6);
    const int h = Grid->DefaultRowHeight();
    Clock.Advance(2000);
    THeadlessBackend::MouseDown(Grid, from.X, from.Y);
    THeadlessBackend::MouseMove(Grid, from.X, from.Y - 3 * h - 2);
    THeadlessBackend::MouseUp(Grid, from.X, from.Y - 3 * h - 2);
    EXPECT_EQ(Grid->TopRow(), 4);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(clicks, 1);
}

// --- anchors and links ---

TEST_F(GridMouseClickTest, LinksOpenThroughTheDesktopOpenerAndCellReferencesJump)
{
    std::vector<std::string> opened;
    ui::SetDesktopOpener([&](const std::string& link) {
        opened.push_back(link);
        return true;
    });
    Grid->SetRowCount(40);
    Grid->SetColWidths(2, 200);
    struct Case {
        std::string Href;
        bool Opened;
    };
    const Case cases[] = {{"https://example.org/a b;rm -rf ~", true}, {"mailto:x@example.org", true},
                          {"file:///tmp/x.csv", true},            {"javascript:alert(1)", false},
                          {"$(touch /tmp/pwned)", false},         {"ftp://example.org", false}};
    for (const Case& k : cases) {
        opened.clear();
        Grid->SetCells(2, 3, "<a href=\"" + k.Href + "\">go</a>");
        const rtl::TRect cell = Grid->CellRect(2, 3);
        ClickAt({cell.Left + 6, cell.Top + 8});
        EXPECT_EQ(opened, k.Opened ? std::vector<std::string>{k.Href} : std::vector<std::string>{}) << k.Href;
        // A press on a link neither selects the cell nor starts editing.
        EXPECT_EQ(Grid->Row(), 1) << k.Href;
    }
    Grid->SetCells(2, 3, "<a href=\"cell://r30c3\">jump</a>");
    const rtl::TRect cell = Grid->CellRect(2, 3);
    ClickAt({cell.Left + 6, cell.Top + 8});
    EXPECT_EQ(Grid->Row(), 30);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_GT(Grid->TopRow(), 20);
    EXPECT_LT(Grid->TopRow(), 30);
    EXPECT_TRUE(opened.empty());
}

TEST_F(GridMouseClickTest, AnchorClickHandlerCanKeepTheLinkFromOpening)
{
    std::vector<std::string> opened;
    ui::SetDesktopOpener([&](const std::string& link) {
        opened.push_back(link);
        return true;
    });
    std::string seen;
    Grid->OnAnchorClick = [&](TSender, int, int, const std::string& a, bool& autoHandle) {
        seen = a;
        autoHandle = false;
    };
    Grid->SetCells(2, 3, "<a href=\"http://example.org\">go</a>");
    const rtl::TRect cell = Grid->CellRect(2, 3);
    ClickAt({cell.Left + 6, cell.Top + 8});
    EXPECT_EQ(seen, "http://example.org");
    EXPECT_TRUE(opened.empty());
    // An unparseable cell reference does nothing.
    Grid->OnAnchorClick = nullptr;
    Grid->SetCells(2, 3, "<a href=\"CELL://X\">go</a>");
    ClickAt({cell.Left + 6, cell.Top + 8});
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_TRUE(opened.empty());
}

TEST_F(GridMouseClickTest, CheckControlInCellTextTogglesOnlyInAnEditableCell)
{
    Grid->SetOptions(Grid->Options() | ui::goEditing);
    Grid->SetColWidths(2, 120);
    Grid->SetCells(2, 3, "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"20\">");
    std::vector<std::string> log;
    Grid->OnControlClick = [&](TSender, int, int, const std::string& id, const std::string& type, const std::string& v) {
        log.push_back(id + " " + type + " " + v);
    };
    const rtl::TRect cell = Grid->CellRect(2, 3);
    ClickAt({cell.Left + 8, cell.Top + 8});
    EXPECT_NE(Grid->Cells(2, 3).find("VALUE=\"TRUE\""), std::string::npos) << Grid->Cells(2, 3);
    EXPECT_EQ(log, (std::vector<std::string>{"c1 CHECK FALSE"}));
    // Read-only: the press goes to OnAnchorClick and the value stays.
    Grid->OnCanEditCell = [](TSender, int, int, bool& can) { can = false; };
    bool anchor = false;
    Grid->OnAnchorClick = [&](TSender, int, int, const std::string&, bool&) { anchor = true; };
    ClickAt({cell.Left + 8, cell.Top + 8});
    EXPECT_TRUE(anchor);
    EXPECT_NE(Grid->Cells(2, 3).find("VALUE=\"TRUE\""), std::string::npos);
    EXPECT_EQ(log.size(), 1u);
}

// --- focus ---

TEST_F(GridMouseClickTest, AlwaysEditOpensTheEditorWhenTheFocusComesToAnEditableCell)
{
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(430, 10, 60, 22);
    Grid->SetOptions(Grid->Options() | ui::goEditing | ui::goTabs);
    Grid->Navigation().SetAlwaysEdit(true);
    auto editorShown = [&] { return Grid->NormalEdit() != nullptr && Grid->NormalEdit()->Visible(); };
    struct Case {
        bool ReadOnly;
        bool Opens;
    };
    for (const Case k : {Case{false, true}, Case{true, false}}) {
        Grid->OnCanEditCell = [&](TSender, int, int, bool& can) { can = !k.ReadOnly; };
        Clock.Advance(2000);
        THeadlessBackend::Click(other, 5, 5);
        ASSERT_TRUE(other->Focused());
        EXPECT_FALSE(editorShown());
        THeadlessBackend::PressKey(ui::VK_TAB);
        EXPECT_TRUE(Grid->Focused() || editorShown()) << k.ReadOnly;
        EXPECT_EQ(editorShown(), k.Opens) << k.ReadOnly;
    }
}

}  // namespace
