// The string grid's focus window around a cell and its window border, on real pixels.
#include <gtest/gtest.h>

#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridUnitRoutines.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

int Red(gfx::TColor c) { return static_cast<int>(c & 0xFF); }

class FocusWindowTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(20, 30, 400, 250);
        Grid->SetColCount(6);
        Grid->SetRowCount(30);
        Form->Show();
        Paint();
    }
    void Paint() { Form->PaintPending(); }
    gfx::TColor ScreenPixel(int x, int y) const { return Form->WindowPixel(x - Form->Left(), y - Form->Top()); }
    // A pixel of the grid's window (non-client area included).
    gfx::TColor GridWindowPixel(int x, int y) const
    {
        const rtl::TRect in = Grid->NonClientInsets();
        const rtl::TPoint origin = Grid->ClientToScreen({-in.Left, -in.Top});
        return ScreenPixel(origin.X + x, origin.Y + y);
    }
    grid::TGridFocusWindow& Window() const { return *Grid->FocusWindow(); }
};

TEST_F(FocusWindowTest, WithoutTheFocusHelperNothingShows)
{
    Grid->ShowFocusWindow(Grid->CellRect(2, 2));
    EXPECT_FALSE(Window().Visible());
    EXPECT_FALSE(Window().HasLayeredContent());
}

// The frame is 9 pixels larger than the cell and starts 4 pixels left of and above it;
// its ring tints the cells around in the glow colour while the cell itself stays as it was.
TEST_F(FocusWindowTest, GlowFramesTheCellAndLeavesItsInsideUntouched)
{
    Grid->FocusHelper().SetEnabled(true);
    const rtl::TRect cell = Grid->CellRect(2, 3);
    const rtl::TPoint at = Grid->ClientToScreen({cell.Left, cell.Top});
    const rtl::TPoint ring{at.X + cell.Width() / 2, at.Y - 2};
    const rtl::TPoint inside{at.X + cell.Width() / 2, at.Y + cell.Height() / 2};
    const gfx::TColor ringBefore = ScreenPixel(ring.X, ring.Y);
    const gfx::TColor insideBefore = ScreenPixel(inside.X, inside.Y);

    Grid->ShowFocusWindow(cell);
    Paint();
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(Window().BoundsRect(), rtl::Bounds(at.X - 4, at.Y - 4, cell.Width() + 9, cell.Height() + 9));
    EXPECT_EQ(Window().ConstantAlpha(), 230);
    ASSERT_TRUE(Window().HasWindowRegion());
    EXPECT_FALSE(Window().WindowRegion().Contains(4 + cell.Width() / 2, 4 + cell.Height() / 2));
    EXPECT_TRUE(Window().WindowRegion().Contains(2, 2));

    const gfx::TColor ringAfter = ScreenPixel(ring.X, ring.Y);
    EXPECT_LT(Red(ringAfter), Red(ringBefore) - 20);  // towards the glow's red of 0x97
    EXPECT_GE(ringAfter >> 16 & 0xFF, 0xE0);          // its blue of 0xFD stays high
    EXPECT_EQ(ScreenPixel(inside.X, inside.Y), insideBefore);
}

TEST_F(FocusWindowTest, PlaceFollowsTheCurrentCellAndHidesWhenItIsScrolledOut)
{
    Grid->FocusHelper().SetEnabled(true);
    Grid->SetCol(1);
    Grid->SetRow(2);
    Grid->ShowFocusWindow(Grid->CellRect(1, 2));

    Grid->SetCol(3);
    Grid->SetRow(4);
    Grid->PlaceFocusWindow();
    const rtl::TRect cell = Grid->CellRect(3, 4);
    const rtl::TPoint at = Grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(Window().BoundsRect(), rtl::Bounds(at.X - 4, at.Y - 4, cell.Width() + 9, cell.Height() + 9));

    Grid->SetTopRow(10);
    Grid->PlaceFocusWindow();
    EXPECT_FALSE(Window().Visible());
}

TEST_F(FocusWindowTest, AShownGlowFollowsItsCellWhenTheFormMovesAndLetsGoWhenHidden)
{
    grid::InstallFocusWindowHook();
    Grid->FocusHelper().SetEnabled(true);
    Grid->SetCol(1);
    Grid->SetRow(2);
    Grid->ShowFocusWindow(Grid->CellRect(1, 2));
    EXPECT_EQ(grid::FocusWindowGrid(), Grid);

    Form->SetBounds(Form->Left() + 40, Form->Top() + 25, Form->Width(), Form->Height());
    const rtl::TRect cell = Grid->CellRect(1, 2);
    const rtl::TPoint at = Grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(Window().BoundsRect(), rtl::Bounds(at.X - 4, at.Y - 4, cell.Width() + 9, cell.Height() + 9));

    Grid->HideFocusWindow();
    EXPECT_EQ(grid::FocusWindowGrid(), nullptr);
    Grid->ShowFocusWindow(Grid->CellRect(1, 2));
    delete Grid;  // a freed grid leaves no registration behind for the hook
    Grid = nullptr;
    EXPECT_EQ(grid::FocusWindowGrid(), nullptr);
    Form->SetBounds(Form->Left() + 5, Form->Top(), Form->Width(), Form->Height());
    grid::RemoveFocusWindowHook();
}

// Which grids get the border: only the listed looks, and a flat grid only in the custom look.
TEST_F(FocusWindowTest, BorderIsPaintedInBorderColourForTheLooksThatHaveOne)
{
    const gfx::TColor border = gfx::RGB(0xC0, 0x10, 0x20);
    Form->SetColor(gfx::RGB(0x20, 0xA0, 0x40));
    struct Case {
        grid::TGridLook Look;
        bool Flat;
        bool Bordered;
    };
    for (const Case c : {Case{grid::glXP, false, true}, Case{grid::glXP, true, false}, Case{grid::glCustom, true, true},
                         Case{grid::glStandard, false, false}, Case{grid::glOffice2007, false, true}}) {
        SCOPED_TRACE(static_cast<int>(c.Look) * 10 + c.Flat);
        Grid->SetLook(c.Look);
        Grid->SetBorderColor(border);
        Grid->SetFlat(c.Flat);
        Grid->PaintBorder();
        Paint();
        const int midY = Grid->Height() / 2;
        if (c.Bordered) {
            EXPECT_EQ(GridWindowPixel(1, midY), border);
            EXPECT_EQ(GridWindowPixel(Grid->Width() - 2, midY), border);
            EXPECT_EQ(GridWindowPixel(Grid->Width() / 2, 1), border);
            EXPECT_EQ(GridWindowPixel(0, midY), Form->Color());  // the outer line in the parent's colour
        } else {
            EXPECT_NE(GridWindowPixel(1, midY), border);
        }
    }
}

TEST_F(FocusWindowTest, NoBorderWithoutBorderStyle)
{
    const gfx::TColor border = gfx::RGB(0xC0, 0x10, 0x20);
    Grid->SetBorderColor(border);
    Grid->SetBorderStyle(ui::bsNone);
    Grid->PaintBorder();
    Paint();
    EXPECT_NE(GridWindowPixel(1, Grid->Height() / 2), border);
}

}  // namespace
