// The platform grid on the headless backend: pixels of the default look, keyboard, mouse, editing.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "UiTestSupport.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Grids.h"
#include "tests/support/TempDir.h"

namespace {

using namespace ui;
using uitest::UiTest;

// A string grid that shows its protected operations to the tests.
class TTestGrid : public TStringGrid {
public:
    explicit TTestGrid(rtl::TComponent* owner) : TStringGrid(owner) {}
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    using TStringGrid::DeleteColumn;
    using TStringGrid::DeleteRow;
    std::vector<TGridCoord> Asked;
    int TopLeftChanges = 0;

protected:
    bool SelectCell(int c, int r) override
    {
        Asked.push_back({c, r});
        return TStringGrid::SelectCell(c, r);
    }
    void TopLeftChanged() override
    {
        ++TopLeftChanges;
        TStringGrid::TopLeftChanged();
    }
};

class GridTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(420, 260);
        Form->SetColor(gfx::clWhite);
        Grid = new TTestGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 330, 130);  // 5 columns of 64 + 1 and 5 rows of 24 + 1 fit
        Form->Show();
        App->ProcessMessages();
    }
    gfx::TColor Pixel(int x, int y) { return THeadlessBackend::Pixel(Grid, x, y); }
    void Paint() { App->ProcessMessages(); }
    // Centre of a cell in client coordinates.
    rtl::TPoint Centre(int c, int r)
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void ClickCell(int c, int r, TShiftState shift = 0)
    {
        rtl::TPoint p = Centre(c, r);
        if (shift & ssShift) THeadlessBackend::KeyDown(VK_SHIFT);
        THeadlessBackend::Click(Grid, p.X, p.Y);
        if (shift & ssShift) THeadlessBackend::KeyUp(VK_SHIFT);
    }
    TForm* Form = nullptr;
    TTestGrid* Grid = nullptr;
};

TEST_F(GridTest, FiveByFiveGridPaintsFixedCellsInTheFixedColourAndLinesBetweenCells)
{
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    const gfx::TColor window = gfx::ColorToRGB(gfx::clWindow);
    EXPECT_EQ(Grid->CellRect(2, 2), rtl::Rect(130, 50, 194, 74));
    // Fixed row and column.
    for (int i = 0; i < 5; ++i) {
        rtl::TPoint top = Centre(i, 0);
        rtl::TPoint left = Centre(0, i);
        EXPECT_EQ(Pixel(top.X, top.Y), face) << i;
        EXPECT_EQ(Pixel(left.X, left.Y), face) << i;
    }
    // Normal cells in the window colour; the focused current cell too, the current cell of
    // an unfocused grid in the selection colour.
    EXPECT_FALSE(Grid->ScrollBarState(SB_VERT).Shown);
    EXPECT_EQ(Pixel(162, 62), window);
    EXPECT_EQ(Pixel(290, 112), window);
    rtl::TPoint current = Centre(1, 1);
    ASSERT_TRUE(Grid->Focused());
    EXPECT_EQ(Pixel(current.X, current.Y), window);
    auto* other = new uitest::TTestButton(Form);
    other->SetParent(Form);
    other->SetBounds(340, 0, 40, 20);
    other->SetFocus();
    Paint();
    EXPECT_FALSE(Grid->Focused());
    EXPECT_EQ(Pixel(current.X, current.Y), gfx::ColorToRGB(gfx::clHighlight));
    // Lines: after column 0 at x = 64 (black between fixed cells), after column 1 at x = 129
    // (grid-line colour between normal cells); after row 0 at y = 24, after row 1 at y = 49.
    EXPECT_EQ(Pixel(64, 12), gfx::clBlack);
    EXPECT_EQ(Pixel(129, 62), gfx::clSilver);
    EXPECT_EQ(Pixel(162, 24), gfx::clBlack);
    EXPECT_EQ(Pixel(162, 49), gfx::clSilver);
    EXPECT_EQ(Pixel(162, 48), window);
    EXPECT_EQ(Pixel(128, 62), window);
    // Raised edges of fixed cells: light top-left, dark bottom-right.
    EXPECT_EQ(Pixel(100, 0), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(Pixel(100, 23), gfx::ColorToRGB(gfx::clBtnShadow));
    // Past the last column (which ends with its line at x = 324) the grid's colour.
    EXPECT_EQ(Pixel(327, 60), window);
    // Without the line options, no lines are left between the cells.
    Grid->SetOptions(0);
    Paint();
    EXPECT_EQ(Grid->CellRect(2, 2), rtl::Rect(128, 48, 192, 72));
    EXPECT_EQ(Pixel(128, 12), face);
}

TEST_F(GridTest, DefaultDrawingOffLeavesEveryCellToDrawCellWithItsState)
{
    std::vector<std::pair<TGridCoord, TGridDrawState>> drawn;
    Grid->OnDrawCell = [&](rtl::TObject*, int c, int r, const rtl::TRect& rect, TGridDrawState state) {
        drawn.push_back({{c, r}, state});
        Grid->Canvas().Brush().SetColor(gfx::clRed);
        if (c == 2 && r == 3) Grid->Canvas().FillRect(rect);
    };
    Grid->SetDefaultDrawing(false);
    Grid->SetFocus();
    Grid->Invalidate();
    drawn.clear();
    Paint();
    ASSERT_EQ(drawn.size(), 25u);
    for (const auto& [cell, state] : drawn) {
        bool fixed = cell.X == 0 || cell.Y == 0;
        bool current = cell.X == 1 && cell.Y == 1;
        EXPECT_EQ(state, fixed ? gdFixed : current ? (gdSelected | gdFocused) : 0u) << cell.X << "," << cell.Y;
    }
    rtl::TPoint red = Centre(2, 3);
    EXPECT_EQ(Pixel(red.X, red.Y), gfx::clRed);
    rtl::TPoint fixed = Centre(0, 2);
    EXPECT_NE(Pixel(fixed.X, fixed.Y), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_NE(Pixel(64, 12), gfx::clBlack);  // no grid lines either
}

TEST_F(GridTest, SelectionFollowsArrowKeysShiftArrowsAndAShiftClick)
{
    Grid->SetFocus();
    THeadlessBackend::PressKey(VK_RIGHT);
    THeadlessBackend::PressKey(VK_DOWN);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(2, 2, 2, 2));
    THeadlessBackend::PressKey(VK_DOWN, ssShift);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(2, 2, 2, 3));
    ClickCell(4, 4, ssShift);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(2, 2, 4, 4));
    EXPECT_EQ(Grid->Col(), 4);
    Paint();
    rtl::TPoint inside = Centre(3, 3);
    EXPECT_EQ(Pixel(inside.X, inside.Y), gfx::ColorToRGB(gfx::clHighlight));
    // A plain click starts a new selection; arrows stop at the edges of the scrollable cells.
    ClickCell(1, 1);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(1, 1, 1, 1));
    THeadlessBackend::PressKey(VK_LEFT);
    THeadlessBackend::PressKey(VK_UP);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    THeadlessBackend::PressKey(VK_END);
    EXPECT_EQ(Grid->Col(), 4);
    THeadlessBackend::PressKey(VK_HOME);
    EXPECT_EQ(Grid->Col(), 1);
    // A drag selects the range it covers.
    rtl::TPoint a = Centre(2, 1);
    rtl::TPoint b = Centre(3, 4);
    THeadlessBackend::MouseDown(Grid, a.X, a.Y);
    THeadlessBackend::MouseMove(Grid, b.X, b.Y);
    THeadlessBackend::MouseUp(Grid, b.X, b.Y);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(2, 1, 3, 4));
}

TEST_F(GridTest, SelectCellReturningFalseVetoesEveryMove)
{
    int asked = 0;
    Grid->OnSelectCell = [&](rtl::TObject*, int c, int, bool& canSelect) {
        ++asked;
        canSelect = c != 3;
    };
    Grid->SetFocus();
    THeadlessBackend::PressKey(VK_RIGHT);
    THeadlessBackend::PressKey(VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2);
    ClickCell(3, 2);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Selection(), rtl::Rect(2, 1, 2, 1));
    EXPECT_THROW(Grid->SetCol(7), EInvalidGridOperation);
    Grid->SetCol(3);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(asked, 4);
    // The cell asked about is the one the move would go to.
    ASSERT_FALSE(Grid->Asked.empty());
    EXPECT_EQ(Grid->Asked.back(), (TGridCoord{3, 1}));
}

TEST_F(GridTest, TypingStartsTheEditorEnterStoresTheTextEscapeRestoresIt)
{
    std::vector<std::string> stored;
    Grid->OnSetEditText = [&](rtl::TObject*, int c, int r, const std::string& v) {
        EXPECT_EQ(c, 1);
        EXPECT_EQ(r, 1);
        stored.push_back(v);
    };
    Grid->SetFocus();
    THeadlessBackend::TypeText("x");
    EXPECT_FALSE(Grid->EditorMode());  // without goEditing typing does nothing
    Grid->SetOptions(Grid->Options() | goEditing);
    THeadlessBackend::TypeText("Ab");
    ASSERT_NE(Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_TRUE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->InplaceEditor()->Focused());
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(1, 1));
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Cells(1, 1), "Ab");
    EXPECT_EQ(stored.back(), "Ab");
    // F2 edits with the text kept; Escape gives the cell its text back.
    THeadlessBackend::PressKey(VK_F2);
    THeadlessBackend::TypeText("c");
    EXPECT_EQ(Grid->Cells(1, 1), "Abc");
    THeadlessBackend::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "Ab");
    // Typing replaces the whole text; moving down stores it and leaves the editor.
    THeadlessBackend::TypeText("z");
    THeadlessBackend::PressKey(VK_DOWN);
    EXPECT_EQ(Grid->Cells(1, 1), "z");
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
}

TEST_F(GridTest, AnAlwaysShownEditorFollowsTheCurrentCell)
{
    Grid->SetCells(1, 2, "below");
    Grid->SetOptions(Grid->Options() | goEditing | goAlwaysShowEditor);
    Grid->SetFocus();
    ASSERT_NE(Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->InplaceEditor()->Focused());
    THeadlessBackend::PressKey(VK_DOWN);
    EXPECT_TRUE(Grid->InplaceEditor()->Visible());
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(1, 2));
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "below");
    THeadlessBackend::TypeText("x");
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "x");
    EXPECT_TRUE(Grid->InplaceEditor()->Visible());
    // Freeing a grid whose editor has the focus leaves nothing calling back into it.
    delete Grid;
    Grid = nullptr;
    App->ProcessMessages();
}

TEST_F(GridTest, TheEditorFollowsTheCellsEditMask)
{
    Grid->OnGetEditMask = [](rtl::TObject*, int c, int, std::string& mask) { mask = c == 1 ? "99;0;_" : ""; };
    Grid->SetOptions(Grid->Options() | goEditing);
    Grid->SetFocus();
    THeadlessBackend::TypeText("a12x");
    EXPECT_EQ(Grid->InplaceEditor()->EditMask(), "99;0;_");
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "12");
    THeadlessBackend::PressKey(VK_RIGHT);
    THeadlessBackend::TypeText("a12x");
    EXPECT_EQ(Grid->InplaceEditor()->EditMask(), "");
    THeadlessBackend::PressKey(VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "a12x");
}

TEST_F(GridTest, DraggingAColumnHeaderMovesTheColumnsCells)
{
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) Grid->SetCells(c, r, std::string(1, static_cast<char>('A' + c)) + std::to_string(r));
    std::vector<std::pair<int, int>> moved;
    Grid->OnColumnMoved = [&](rtl::TObject*, int from, int to) { moved.push_back({from, to}); };
    Grid->SetOptions(Grid->Options() | goColMoving);
    rtl::TPoint from = Centre(1, 0);
    rtl::TPoint to = Centre(3, 0);
    std::vector<TGridDrawState> headerStates;
    Grid->OnDrawCell = [&](rtl::TObject*, int c, int r, const rtl::TRect&, TGridDrawState state) {
        if (c == 1 && r == 0) headerStates.push_back(state);
    };
    THeadlessBackend::MouseDown(Grid, from.X, from.Y);
    EXPECT_EQ(Grid->GridState(), gsColMoving);
    Paint();
    ASSERT_FALSE(headerStates.empty());
    EXPECT_EQ(headerStates.back(), gdFixed | gdPressed);
    THeadlessBackend::MouseMove(Grid, to.X, to.Y);
    THeadlessBackend::MouseUp(Grid, to.X, to.Y);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 3}}));
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(Grid->Cells(1, r), "C" + std::to_string(r));
        EXPECT_EQ(Grid->Cells(2, r), "D" + std::to_string(r));
        EXPECT_EQ(Grid->Cells(3, r), "B" + std::to_string(r));
        EXPECT_EQ(Grid->Cells(4, r), "E" + std::to_string(r));
    }
    // Rows move the same way from the fixed column.
    Grid->SetOptions(Grid->Options() | goRowMoving);
    rtl::TPoint r1 = Centre(0, 1);
    rtl::TPoint r4 = Centre(0, 4);
    THeadlessBackend::MouseDown(Grid, r1.X, r1.Y);
    THeadlessBackend::MouseMove(Grid, r4.X, r4.Y);
    THeadlessBackend::MouseUp(Grid, r4.X, r4.Y);
    EXPECT_EQ(Grid->Cells(0, 4), "A1");
    EXPECT_EQ(Grid->Cells(0, 1), "A2");
}

TEST_F(GridTest, DraggingALineBetweenHeadersSizesTheColumnOrRow)
{
    Grid->SetOptions(Grid->Options() | goColSizing | goRowSizing);
    THeadlessBackend::MouseMove(Grid, 129, 12);
    EXPECT_EQ(Backend->CursorShape(), crHSplit);
    THeadlessBackend::MouseMove(Grid, 100, 12);
    EXPECT_NE(Backend->CursorShape(), crHSplit);
    THeadlessBackend::MouseDown(Grid, 129, 12);
    EXPECT_EQ(Grid->GridState(), gsColSizing);
    THeadlessBackend::MouseMove(Grid, 150, 12);
    THeadlessBackend::MouseUp(Grid, 150, 12);
    EXPECT_EQ(Grid->ColWidths(1), 85);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    THeadlessBackend::MouseDown(Grid, 20, 49);
    EXPECT_EQ(Grid->GridState(), gsRowSizing);
    THeadlessBackend::MouseMove(Grid, 20, 40);
    THeadlessBackend::MouseUp(Grid, 20, 40);
    EXPECT_EQ(Grid->RowHeights(1), 15);
    // Lines between normal cells do not size.
    THeadlessBackend::MouseDown(Grid, 150 + 1, 60);
    EXPECT_EQ(Grid->GridState(), gsSelecting);
    THeadlessBackend::MouseUp(Grid, 151, 60);
}

TEST_F(GridTest, ShrinkingToTwoByTwoAndGrowingBackShowsTheOldTexts)
{
    Grid->SetCells(3, 3, "x");
    Grid->SetCells(4, 1, "y");
    Grid->SetCells(8, 9, "beyond");  // written outside the grid
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Cells(3, 3), "x");
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Paint();
    EXPECT_EQ(Grid->Cells(3, 3), "x");
    EXPECT_EQ(Grid->Cells(4, 1), "y");
    Grid->SetColCount(10);
    Grid->SetRowCount(10);
    EXPECT_EQ(Grid->Cells(8, 9), "beyond");
    EXPECT_THROW(Grid->SetCells(-1, 2, "bad"), rtl::EListError);
    EXPECT_THROW(Grid->Cells(2, -3), rtl::EListError);
    EXPECT_THROW(Grid->SetFixedCols(10), EInvalidGridOperation);
}

TEST_F(GridTest, DeletedRowsAndColumnsDoNotComeBackWhenTheGridGrows)
{
    for (int r = 0; r < 5; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    Grid->SetCells(3, 1, "col3");
    Grid->DeleteRow(2);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->Cells(1, 2), "r3");
    EXPECT_EQ(Grid->Cells(1, 3), "r4");
    Grid->SetRowCount(5);
    EXPECT_EQ(Grid->Cells(1, 4), "");
    Grid->DeleteColumn(1);
    EXPECT_EQ(Grid->Cells(2, 1), "col3");
    Grid->SetColCount(5);
    EXPECT_EQ(Grid->Cells(4, 1), "");
}

TEST_F(GridTest, RowsAndColsAreStringListViewsOfTheCells)
{
    Grid->Rows(2).SetCommaText("a,b,c");
    EXPECT_EQ(Grid->Cells(0, 2), "a");
    EXPECT_EQ(Grid->Cells(2, 2), "c");
    EXPECT_EQ(Grid->Cols(1).Count(), 5);
    EXPECT_EQ(Grid->Cols(1)[2], "b");
    rtl::TObject marker;
    Grid->Cols(4).SetObjects(3, &marker);
    EXPECT_EQ(Grid->Objects(4, 3), &marker);
    Grid->Rows(1).Assign(&Grid->Rows(2));
    EXPECT_EQ(Grid->Cells(1, 1), "b");
    Grid->Rows(2).Clear();
    EXPECT_EQ(Grid->Cells(0, 2), "");
    EXPECT_EQ(Grid->Cells(1, 1), "b");
    EXPECT_THROW(Grid->Rows(-1), rtl::EListError);
}

TEST_F(GridTest, PagingWheelAndScrollBarsMoveThroughALongGrid)
{
    Grid->SetRowCount(1000);
    Grid->SetWidth(350);  // room for the vertical bar beside the five columns
    Grid->SetFocus();
    Paint();
    EXPECT_TRUE(Grid->ScrollBarState(SB_VERT).Shown);
    EXPECT_FALSE(Grid->ScrollBarState(SB_HORZ).Shown);
    int page = Grid->VisibleRowCount();
    ASSERT_GT(page, 0);
    THeadlessBackend::PressKey(VK_NEXT);
    EXPECT_EQ(Grid->Row(), 1 + page);
    THeadlessBackend::PressKey(VK_END, ssCtrl);
    EXPECT_EQ(Grid->Row(), 999);
    EXPECT_EQ(Grid->TopRow() + Grid->VisibleRowCount() - 1, 999);
    EXPECT_FALSE(rtl::IsRectEmpty(Grid->CellRect(1, 999)));
    THeadlessBackend::PressKey(VK_HOME, ssCtrl);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);
    rtl::TPoint p = Centre(2, 2);
    THeadlessBackend::Wheel(Grid, -WHEEL_DELTA, p.X, p.Y);
    EXPECT_EQ(Grid->Row(), 2);
    // The thumb scrolls while dragged only with goThumbTracking; its release always does.
    int changes = Grid->TopLeftChanges;
    Grid->ScrollBarState(SB_VERT).TrackPos = 500;  // as a drag of the thumb leaves it
    Grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(Grid->TopRow(), 1);
    Grid->SetOptions(Grid->Options() | goThumbTracking);
    Grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(Grid->TopRow(), 501);
    EXPECT_EQ(Grid->ScrollBarState(SB_VERT).Pos, 500);
    Grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(Grid->TopRow(), 502);
    EXPECT_EQ(Grid->TopLeftChanges, changes + 2);
    // The current cell stays where it was; cells above the top row are not visible.
    EXPECT_TRUE(rtl::IsRectEmpty(Grid->CellRect(1, 2)));
    EXPECT_EQ(Grid->MouseCoord(Centre(1, 502).X, Centre(1, 502).Y), (TGridCoord{1, 502}));
}

TEST_F(GridTest, AGridWithoutParentKeepsItsCellsAndGeometry)
{
    TStringGrid grid(nullptr);
    grid.SetRowCount(100000);
    grid.SetCells(3, 99999, "last");
    grid.SetRow(99999);
    EXPECT_EQ(grid.Row(), 99999);
    EXPECT_EQ(grid.Cells(3, 99999), "last");
    EXPECT_GT(grid.TopRow(), 99000);
    grid.SetRowHeights(5, 40);
    EXPECT_EQ(grid.GridHeight(), 99999LL * 25 + 41);
}

TEST_F(GridTest, FormDescriptionsCreateStringGridsWithTheirProperties)
{
    RegisterGridClasses();
    TForm* form = new TForm(App.get());
    ReadComponentResText("object Form2: TForm\n"
                         "  object StringGrid1: TStringGrid\n"
                         "    Left = 4\n"
                         "    ColCount = 3\n"
                         "    RowCount = 7\n"
                         "    FixedCols = 0\n"
                         "    DefaultRowHeight = 18\n"
                         "    Options = [goFixedVertLine, goVertLine, goEditing, goTabs]\n"
                         "    FixedColor = clRed\n"
                         "    ScrollBars = ssVertical\n"
                         "  end\n"
                         "  object DrawGrid1: TDrawGrid\n"
                         "    DefaultDrawing = False\n"
                         "  end\n"
                         "end\n",
                         "Form2.dfm", form);
    auto* grid = dynamic_cast<TStringGrid*>(form->FindComponent("StringGrid1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->DefaultRowHeight(), 18);
    EXPECT_EQ(grid->Options(), goFixedVertLine | goVertLine | goEditing | goTabs);
    EXPECT_EQ(grid->FixedColor(), gfx::clRed);
    EXPECT_EQ(grid->ScrollBars(), ssVertical);
    EXPECT_EQ(GetPropertyByName(grid, "Options"), "[goFixedVertLine, goVertLine, goEditing, goTabs]");
    auto* draw = dynamic_cast<TDrawGrid*>(form->FindComponent("DrawGrid1"));
    ASSERT_NE(draw, nullptr);
    EXPECT_FALSE(draw->DefaultDrawing());
}

TEST_F(GridTest, ScreenshotOfTheDefaultLook)
{
    const char* heads[] = {"", "Name", "Crop", "Yield", "Year"};
    for (int c = 1; c < 5; ++c) Grid->SetCells(c, 0, heads[c]);
    for (int r = 1; r < 5; ++r) {
        Grid->SetCells(0, r, std::to_string(r));
        Grid->SetCells(1, r, "Field " + std::to_string(r));
        Grid->SetCells(2, r, r % 2 ? "wheat" : "maize");
        Grid->SetCells(3, r, std::to_string(4 + r) + ".5");
        Grid->SetCells(4, r, std::to_string(2020 + r));
    }
    Grid->SetOptions(Grid->Options() | goEditing);
    Grid->SetFocus();
    THeadlessBackend::PressKey(VK_DOWN);
    THeadlessBackend::PressKey(VK_RIGHT, ssShift);
    Paint();
    // Text is drawn inside its cell: dark pixels in "Field 1", none in the empty area.
    rtl::TRect cell = Grid->CellRect(1, 1);
    int dark = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x)
            if ((Pixel(x, y) & 0xFF) < 0x60) ++dark;
    EXPECT_GT(dark, 10);
    gfx::TCanvas canvas(Form->Surface());
    std::filesystem::path file = testsupport::BuildDir() / "grid-default-look.png";
    canvas.SaveToPngFile(file.string());
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
