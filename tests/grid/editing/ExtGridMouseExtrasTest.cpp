// The grid's further mouse behaviour by real mouse messages: zone cursors, the cell selector, the selection resizer, the panning marker, touch inertia, the editor's cell look, sizing permission and the hint shadow.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/WindowOverlays.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using grid::TExtStringGrid;
using ui::THeadlessBackend;

class ExtGridMouseExtrasTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        ui::SetMonotonicClock(&Clock);
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(8);
        Grid->SetRowCount(60);
        Form->Show();
        App->ProcessMessages();
        Grid->SetFocus();
    }
    void TearDown() override
    {
        GridOnFormTest::TearDown();
        ui::SetMonotonicClock(nullptr);
    }
    // Lets the clock run for the given time in 10 ms steps, dispatching what falls due.
    void Run(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            Clock.Advance(10);
            App->ProcessMessages();
        }
    }
    rtl::TPoint Centre(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void MoveTo(rtl::TPoint p) { THeadlessBackend::MouseMove(Grid, p.X, p.Y); }
    int CursorShape() const { return static_cast<THeadlessBackend&>(App->Backend()).CursorShape(); }
    gfx::TColor PixelAt(const ui::TControl* control, int x, int y) const
    {
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(control, x, y)) & 0xFFFFFF;
    }

    ui::TManualClock Clock;
};

// Over the fixed cells the pointer shows what a press would select: rows from a fixed
// column, columns from a fixed row, everything from the top-left block; elsewhere none of it.
TEST_F(ExtGridMouseExtrasTest, TheZoneCursorsFollowThePointerOverTheFixedCells)
{
    Grid->MouseActions().SetRowSelect(true);
    Grid->MouseActions().SetColSelect(true);
    Grid->MouseActions().SetAllSelect(true);
    struct Case { int col, row; ui::TCursor cursor; };
    for (const Case& k : {Case{0, 3, TExtStringGrid::crRowSelect}, Case{3, 0, TExtStringGrid::crColumnSelect},
                          Case{0, 0, TExtStringGrid::crAllSelect}}) {
        MoveTo(Centre(k.col, k.row));
        EXPECT_EQ(CursorShape(), k.cursor) << k.col << "," << k.row;
        MoveTo(Centre(3, 3));
        EXPECT_NE(CursorShape(), k.cursor) << "normal cell after " << k.col << "," << k.row;
    }
    // Without the options the fixed cells are no zones.
    Grid->MouseActions().SetRowSelect(false);
    MoveTo(Centre(0, 3));
    EXPECT_NE(CursorShape(), TExtStringGrid::crRowSelect);
}

// A grid that picks cells: in cell-selector mode a press names the cell to it.
class TCellPickerGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::SetCellSelectorMode;
    std::vector<rtl::TPoint> Picked;

protected:
    void CellSelectorClick(int ACol, int ARow) override { Picked.push_back({ACol, ARow}); }
};

// In cell-selector mode the pointer shows the cell selector over the cells (the fixed-cell
// zones keep their own cursors) and a press picks the cell instead of selecting it.
TEST_F(ExtGridMouseExtrasTest, CellSelectorModeShowsItsCursorAndPressesPickCells)
{
    Grid->SetVisible(false);
    auto* picker = new TCellPickerGrid(Form);
    picker->SetParent(Form);
    picker->SetBounds(10, 20, 400, 250);
    picker->MouseActions().SetColSelect(true);
    App->ProcessMessages();
    const auto centre = [picker](int c, int r) {
        const rtl::TRect rc = picker->CellRect(c, r);
        return rtl::TPoint{(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    };
    const auto move = [picker](rtl::TPoint p) { THeadlessBackend::MouseMove(picker, p.X, p.Y); };

    move(centre(2, 3));
    EXPECT_NE(CursorShape(), TExtStringGrid::crCellSelector);
    picker->SetCellSelectorMode(true);
    move(centre(3, 4));
    EXPECT_EQ(CursorShape(), TExtStringGrid::crCellSelector);
    move(centre(3, 0));
    EXPECT_EQ(CursorShape(), TExtStringGrid::crColumnSelect);
    move(centre(3, 4));
    THeadlessBackend::Click(picker, centre(3, 4).X, centre(3, 4).Y);
    EXPECT_EQ(picker->Picked, std::vector<rtl::TPoint>{(rtl::TPoint{3, 4})});
    EXPECT_EQ(picker->Col(), 1);  // not selected
    EXPECT_EQ(picker->Row(), 1);

    picker->SetCellSelectorMode(false);
    move(centre(2, 3));
    EXPECT_NE(CursorShape(), TExtStringGrid::crCellSelector);
    THeadlessBackend::Click(picker, centre(2, 3).X, centre(2, 3).Y);
    EXPECT_EQ(picker->Picked.size(), 1u);
    EXPECT_EQ(picker->Col(), 2);
    EXPECT_EQ(picker->Row(), 3);
}

// Dragging the handle at the selection's bottom-right corner resizes the selection from its
// top-left corner and reports the old and new selection at the release.
TEST_F(ExtGridMouseExtrasTest, DraggingTheSelectionResizerResizesTheSelectionAndReportsIt)
{
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Grid->SetSelectionRectangle(true);
    Grid->SetSelectionResizer(true);
    std::vector<std::pair<rtl::TRect, rtl::TRect>> resize, resized;
    Grid->OnSelectionResize = [&](rtl::TObject*, const rtl::TRect& from, const rtl::TRect& to) { resize.push_back({from, to}); };
    Grid->OnSelectionResized = [&](rtl::TObject*, const rtl::TRect& from, const rtl::TRect& to) { resized.push_back({from, to}); };
    // A range selected by dragging over the cells.
    THeadlessBackend::MouseDown(Grid, Centre(1, 1).X, Centre(1, 1).Y);
    MoveTo(Centre(2, 2));
    THeadlessBackend::MouseUp(Grid, Centre(2, 2).X, Centre(2, 2).Y);
    ASSERT_EQ(Grid->Selection(), (rtl::TRect{1, 1, 2, 2}));
    EXPECT_TRUE(resize.empty());

    // Inside the cell but off the handle the pointer is no resizer.
    MoveTo(Centre(2, 2));
    EXPECT_NE(Grid->MouseSelectMode(), TExtStringGrid::msResize);
    const rtl::TRect last = Grid->CellRect(2, 2);
    const rtl::TPoint handle{last.Right - 2, last.Bottom - 2};
    MoveTo(handle);
    EXPECT_EQ(Grid->MouseSelectMode(), TExtStringGrid::msResize);
    EXPECT_EQ(CursorShape(), TExtStringGrid::crAllSelect);

    THeadlessBackend::MouseDown(Grid, handle.X, handle.Y);
    EXPECT_TRUE(Grid->MouseResize());
    MoveTo(Centre(4, 5));
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 1, 4, 5}));
    THeadlessBackend::MouseUp(Grid, Centre(4, 5).X, Centre(4, 5).Y);
    EXPECT_FALSE(Grid->MouseResize());
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 1, 4, 5}));
    ASSERT_EQ(resize.size(), 1u);
    EXPECT_EQ(resize[0].first, (rtl::TRect{1, 1, 2, 2}));
    EXPECT_EQ(resize[0].second, (rtl::TRect{1, 1, 4, 5}));
    ASSERT_EQ(resized.size(), 1u);
    EXPECT_EQ(resized[0], resize[0]);
    // A later plain drag is an ordinary range selection again.
    THeadlessBackend::MouseDown(Grid, Centre(3, 3).X, Centre(3, 3).Y);
    MoveTo(Centre(5, 4));
    THeadlessBackend::MouseUp(Grid, Centre(5, 4).X, Centre(5, 4).Y);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{3, 3, 5, 4}));
    EXPECT_EQ(resize.size(), 1u);
}

// While panning, the picture of the panning directions sits where the middle button went
// down, its transparent corner white; it goes when panning ends.
TEST_F(ExtGridMouseExtrasTest, ThePanningMarkerShowsWherePanningStartedUntilItEnds)
{
    const gfx::TColor ink = gfx::RGB(40, 40, 40);
    Grid->SetColor(gfx::clYellow);
    Form->PaintPending();
    const int x = 200;
    const int y = 100;
    THeadlessBackend::MouseDown(Grid, x, y, ui::mbMiddle);
    THeadlessBackend::MouseUp(Grid, x, y, ui::mbMiddle);
    ASSERT_TRUE(Grid->Panning());
    Form->PaintPending();
    // The default vertical panning shows the up-and-down marker.
    EXPECT_EQ(PixelAt(Grid, x + 16, y + 16), ink);
    EXPECT_EQ(PixelAt(Grid, x + 16, y + 7), ink);
    EXPECT_NE(PixelAt(Grid, x + 7, y + 16), ink);
    EXPECT_EQ(PixelAt(Grid, x + 1, y + 1), gfx::clWhite);

    Clock.Advance(1000);  // a second click, not a double click
    THeadlessBackend::MouseDown(Grid, x, y, ui::mbMiddle);
    THeadlessBackend::MouseUp(Grid, x, y, ui::mbMiddle);
    ASSERT_FALSE(Grid->Panning());
    Form->PaintPending();
    EXPECT_NE(PixelAt(Grid, x + 16, y + 16), ink);
    EXPECT_EQ(PixelAt(Grid, x + 1, y + 1), gfx::clYellow);
}

// A quick touch flick goes on scrolling ten rows at 10 ms ticks after the release; a slow
// drag stops where the finger left it.
TEST_F(ExtGridMouseExtrasTest, AQuickTouchFlickScrollsOnWithInertiaAndASlowDragDoesNot)
{
    Grid->MouseActions().SetTouchScroll(true);
    const int h = Grid->DefaultRowHeight();
    struct Case { int heldMs; int extraRows; };
    for (const Case& k : {Case{100, 10}, Case{600, 0}}) {
        Clock.Advance(1000);  // no double click with the previous case's press
        Grid->SetTopRow(1);
        Grid->SetRow(1);
        const rtl::TPoint from = Centre(2, 6);
        THeadlessBackend::MouseDown(Grid, from.X, from.Y);
        MoveTo({from.X, from.Y - 3 * h - 2});
        EXPECT_EQ(Grid->TopRow(), 4) << k.heldMs;
        Clock.Advance(k.heldMs);
        THeadlessBackend::MouseUp(Grid, from.X, from.Y - 3 * h - 2);
        EXPECT_EQ(Grid->TopRow(), 4) << k.heldMs;
        Run(50);
        if (k.extraRows > 0) {
            EXPECT_EQ(Grid->TopRow(), 9) << "halfway through the animation";
        }
        Run(200);
        EXPECT_EQ(Grid->TopRow(), 4 + k.extraRows) << k.heldMs;
        EXPECT_EQ(Grid->ScrollSteps(), 0);
    }
}

// OnColumnSize and OnRowSize are asked when a press would size; a refusal leaves the size.
TEST_F(ExtGridMouseExtrasTest, SizingAColumnOrRowAsksFirstAndARefusalKeepsTheSize)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing | ui::goRowSizing);
    std::vector<int> cols, rows;
    bool allow = false;
    Grid->OnColumnSize = [&](rtl::TObject*, int ACol, bool& Allow) { cols.push_back(ACol); Allow = allow; };
    Grid->OnRowSize = [&](rtl::TObject*, int ARow, bool& Allow) { rows.push_back(ARow); Allow = allow; };
    const int width = Grid->ColWidths(2);
    const int height = Grid->RowHeights(3);
    const rtl::TRect header = Grid->CellRect(2, 0);
    const rtl::TRect fixedCell = Grid->CellRect(0, 3);
    for (bool permit : {false, true}) {
        allow = permit;
        Clock.Advance(1000);  // each press a single click
        cols.clear();
        rows.clear();
        THeadlessBackend::MouseDown(Grid, header.Right, header.Top + 5);
        MoveTo({header.Right + 20, header.Top + 5});
        THeadlessBackend::MouseUp(Grid, header.Right + 20, header.Top + 5);
        ASSERT_FALSE(cols.empty());
        EXPECT_EQ(cols.back(), 2);
        EXPECT_EQ(Grid->ColWidths(2), permit ? width + 20 : width) << permit;

        Clock.Advance(1000);
        THeadlessBackend::MouseDown(Grid, fixedCell.Left + 5, fixedCell.Bottom);
        MoveTo({fixedCell.Left + 5, fixedCell.Bottom + 10});
        THeadlessBackend::MouseUp(Grid, fixedCell.Left + 5, fixedCell.Bottom + 10);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.back(), 3);
        EXPECT_EQ(Grid->RowHeights(3), permit ? height + 10 : height) << permit;
        Grid->SetColWidths(2, width);
        Grid->SetRowHeights(3, height);
    }
}

// The hint window casts a shadow: the form below darkens along the window's right and
// bottom edges while the hint shows, and is itself again when it hides.
TEST_F(ExtGridMouseExtrasTest, TheHintWindowCastsAShadowOnTheFormBelowIt)
{
    Grid->SetShowHint(true);
    Grid->SetComment(2, 0, "<b>Day</b> of the year");
    Form->PaintPending();
    const rtl::TRect rc = Grid->CellRect(2, 0);
    MoveTo({rc.Left + 5, rc.Top + 5});
    Clock.Advance(App->HintPause());
    App->ProcessMessages();
    ui::THintWindow* hint = App->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(hint->Visible());
    ASSERT_NE(hint->Shadow(), nullptr);
    EXPECT_TRUE(hint->Shadow()->Visible());
    // A point of the band right of the window and one of the band below it, on the form.
    const rtl::TPoint right = Form->ScreenToClient({hint->Left() + hint->Width() + 2, hint->Top() + hint->Height() / 2});
    const rtl::TPoint below = Form->ScreenToClient({hint->Left() + hint->Width() / 2, hint->Top() + hint->Height() + 2});
    Form->PaintPending();
    const gfx::TColor shadedRight = PixelAt(Form, right.X, right.Y);
    const gfx::TColor shadedBelow = PixelAt(Form, below.X, below.Y);
    hint->Hide();
    EXPECT_FALSE(hint->Shadow()->Visible());
    Form->PaintPending();
    auto brightness = [](gfx::TColor c) { return gfx::GetRValue(c) + gfx::GetGValue(c) + gfx::GetBValue(c); };
    EXPECT_LT(brightness(shadedRight), brightness(PixelAt(Form, right.X, right.Y)));
    EXPECT_LT(brightness(shadedBelow), brightness(PixelAt(Form, below.X, below.Y)));
}

// With HoverFixedCells the header under the pointer is painted in the hover colours as the
// pointer arrives and plain again when it moves on; the list-view look draws its header hot.
TEST_F(ExtGridMouseExtrasTest, FixedCellsUnderThePointerArePaintedHoveredAndLoseItOnLeaving)
{
    auto centrePixel = [&](int c, int r) {
        const rtl::TPoint p = Centre(c, r);
        return PixelAt(Grid, p.X, p.Y);
    };
    Grid->SetLook(grid::glXP);
    Grid->SetHoverFixedCells(grid::hfAll);
    Form->PaintPending();
    const gfx::TColor plain = centrePixel(3, 0);
    MoveTo(Centre(3, 0));
    Form->PaintPending();
    const gfx::TColor hovered = centrePixel(3, 0);
    EXPECT_NE(hovered, plain);
    EXPECT_EQ(centrePixel(4, 0), plain);
    MoveTo(Centre(4, 0));
    Form->PaintPending();
    EXPECT_EQ(centrePixel(3, 0), plain);
    EXPECT_EQ(centrePixel(4, 0), hovered);
    THeadlessBackend::MouseMove(Form, 460, 350);
    Form->PaintPending();
    EXPECT_EQ(centrePixel(4, 0), plain);

    // Without the option the header stays plain.
    Grid->SetHoverFixedCells(grid::hfNone);
    MoveTo(Centre(3, 0));
    Form->PaintPending();
    EXPECT_EQ(centrePixel(3, 0), plain);

    // List-view headers under visual themes: hot under the pointer, normal once it leaves.
    gfx::SetThemesActive(true);
    Grid->SetLook(grid::glListView);
    MoveTo(Centre(5, 5));
    Grid->Repaint();
    Form->PaintPending();
    const gfx::TColor normal = centrePixel(2, 0);
    MoveTo(Centre(2, 0));
    Form->PaintPending();
    const gfx::TColor hot = centrePixel(2, 0);
    MoveTo(Centre(5, 5));
    Form->PaintPending();
    const gfx::TColor after = centrePixel(2, 0);
    gfx::SetThemesActive(false);
    EXPECT_NE(hot, normal);
    EXPECT_EQ(after, normal);
}

}  // namespace
