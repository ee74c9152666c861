// Column-move arrows and the focus window painted as overlays of the owner's form, on real pixels.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridAuxWindowsMask.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

using grid::TArrowWindow;
using grid::TGridFocusWindow;

constexpr gfx::TColor FormColor = gfx::clWhite;
constexpr gfx::TColor HostColor = gfx::RGB(0x80, 0x80, 0x80);

int RedOfMask(const gfx::TBitmap& bitmap, int x, int y) { return static_cast<int>((bitmap.ScanLine(y)[x] >> 16) & 0xFF); }

// Stands in for the grid: a windowed control that paints itself grey.
class TStandInGrid : public ui::TCustomControl {
public:
    explicit TStandInGrid(rtl::TComponent* owner) : ui::TCustomControl(owner) { FControlStyle |= ui::csOpaque; }

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(HostColor);
        Canvas().FillRect(ClientRect());
    }
};

class AuxWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        auto backend = std::make_unique<ui::THeadlessBackend>();
        Backend = backend.get();
        App->SetBackend(std::move(backend));
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 300, 200);
        Form->SetColor(FormColor);
        Grid = new TStandInGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(40, 50, 200, 100);
        Form->Show();
        Paint();
    }
    void TearDown() override { App.reset(); }
    void Paint() { Form->PaintPending(); }
    // Pixel of the form's image at a screen position.
    gfx::TColor ScreenPixel(int x, int y) const { return Form->WindowPixel(x - Form->Left(), y - Form->Top()); }
    rtl::TPoint GridScreen(int x, int y) const { return Grid->ClientToScreen({x, y}); }

    std::unique_ptr<ui::TApplication> App;
    ui::THeadlessBackend* Backend = nullptr;
    ui::TForm* Form = nullptr;
    TStandInGrid* Grid = nullptr;
};

// --- arrows ---

TEST_F(AuxWindowsTest, NewArrowIsHiddenGreenAndNeverARealWindow)
{
    auto* arrow = new TArrowWindow(Grid, grid::arrDown);
    EXPECT_FALSE(arrow->Visible());
    EXPECT_EQ(arrow->Color(), gfx::TColor(0x00FF00));
    EXPECT_EQ(arrow->Dir(), grid::arrDown);
    EXPECT_EQ(arrow->Arrow()[4], (rtl::TPoint{5, 8}));
    arrow->Show();
    EXPECT_EQ(arrow->Parent(), nullptr);
    for (ui::TWinControl* shown : Backend->ShownWindows()) EXPECT_NE(shown, arrow);
    EXPECT_EQ(arrow->Overlay().Host(), Form->Handle());
}

// Only the outline is visible: pixels inside take the colour, the window's corners keep
// what lies below.
TEST_F(AuxWindowsTest, EachArrowShowsOnlyItsOutlineOverTheGrid)
{
    struct TCase {
        grid::TArrowDirection Dir;
        rtl::TPoint Inside[2];
        rtl::TPoint Outside[2];
    };
    const TCase cases[] = {
        {grid::arrUp, {{5, 3}, {5, 7}}, {{0, 0}, {1, 8}}},
        {grid::arrDown, {{5, 2}, {5, 6}}, {{0, 0}, {9, 1}}},
        {grid::arrLeft, {{2, 5}, {6, 5}}, {{0, 0}, {1, 9}}},
        {grid::arrRight, {{2, 5}, {6, 5}}, {{9, 0}, {9, 9}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Dir));
        auto arrow = std::make_unique<TArrowWindow>(Grid, c.Dir);
        arrow->SetColor(gfx::clRed);
        const rtl::TPoint at = GridScreen(100, 40);
        arrow->SetLeft(at.X);
        arrow->SetTop(at.Y);
        arrow->Show();
        Paint();
        for (const rtl::TPoint& p : c.Inside) EXPECT_EQ(ScreenPixel(at.X + p.X, at.Y + p.Y), gfx::clRed);
        for (const rtl::TPoint& p : c.Outside) EXPECT_EQ(ScreenPixel(at.X + p.X, at.Y + p.Y), HostColor);
    }
}

// A pop-up is not clipped to its owner: the down arrow above the header row shows on the
// form outside the grid; moving and hiding repaint what was below.
TEST_F(AuxWindowsTest, ArrowOutsideTheGridMovesAndHidesOnTheForm)
{
    TArrowWindow arrow(Grid, grid::arrDown);
    const rtl::TPoint above = GridScreen(60, -9);
    arrow.SetBounds(above.X, above.Y, 10, 10);
    arrow.Show();
    Paint();
    EXPECT_EQ(ScreenPixel(above.X + 5, above.Y + 2), gfx::TColor(0x00FF00));

    const rtl::TPoint inside = GridScreen(120, 20);
    arrow.SetLeft(inside.X);
    arrow.SetTop(inside.Y);
    Paint();
    EXPECT_EQ(ScreenPixel(above.X + 5, above.Y + 2), FormColor);
    EXPECT_EQ(ScreenPixel(inside.X + 5, inside.Y + 2), gfx::TColor(0x00FF00));

    arrow.SetColor(gfx::clBlue);
    Paint();
    EXPECT_EQ(ScreenPixel(inside.X + 5, inside.Y + 2), gfx::clBlue);

    arrow.Hide();
    Paint();
    EXPECT_EQ(ScreenPixel(inside.X + 5, inside.Y + 2), HostColor);
}

// The grid repainting under a shown arrow does not wipe it out.
TEST_F(AuxWindowsTest, ArrowStaysOverTheGridWhenTheGridRepaints)
{
    TArrowWindow arrow(Grid, grid::arrUp);
    const rtl::TPoint at = GridScreen(10, 10);
    arrow.SetLeft(at.X);
    arrow.SetTop(at.Y);
    arrow.Show();
    Paint();
    Grid->Invalidate();
    Paint();
    EXPECT_EQ(ScreenPixel(at.X + 5, at.Y + 7), gfx::TColor(0x00FF00));
}

TEST_F(AuxWindowsTest, DestroyingAShownArrowRepaintsItsPlace)
{
    auto* arrow = new TArrowWindow(Grid, grid::arrUp);
    const rtl::TPoint at = GridScreen(10, 10);
    arrow->SetLeft(at.X);
    arrow->SetTop(at.Y);
    arrow->Show();
    Paint();
    delete arrow;
    Paint();
    EXPECT_EQ(ScreenPixel(at.X + 5, at.Y + 7), HostColor);
}

// --- focus window ---

TEST_F(AuxWindowsTest, NewFocusWindowIsHiddenEmptyRedAndDisabled)
{
    TGridFocusWindow window(Grid);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.Width(), 0);
    EXPECT_EQ(window.Height(), 0);
    EXPECT_EQ(window.Color(), gfx::TColor(0x0000FF));
    EXPECT_FALSE(window.Enabled());
    EXPECT_FALSE(window.HasLayeredContent());
}

// Without layered content the window is its colour, within its region.
TEST_F(AuxWindowsTest, FocusWindowWithoutContentShowsItsColourInsideItsRegion)
{
    TGridFocusWindow window(Grid);
    const rtl::TPoint at = GridScreen(20, 20);
    window.SetBounds(at.X, at.Y, 30, 20);
    gfx::TRegion frame(rtl::Rect(0, 0, 30, 20));
    frame.Subtract(rtl::Rect(4, 4, 26, 16));
    window.SetWindowRegion(frame);
    window.Show();
    Paint();
    EXPECT_EQ(ScreenPixel(at.X + 1, at.Y + 1), gfx::clRed);
    EXPECT_EQ(ScreenPixel(at.X + 28, at.Y + 18), gfx::clRed);
    EXPECT_EQ(ScreenPixel(at.X + 15, at.Y + 10), HostColor);
    EXPECT_EQ(ScreenPixel(at.X + 31, at.Y + 10), HostColor);
}

// The glow the grid puts around an edited cell: a blurred ring merged into the glow
// colour with opacity 230, cut out over the cell. Each frame pixel is the glow blended
// over the grid by its mask level; the cell itself is untouched.
TEST_F(AuxWindowsTest, FocusGlowBlendsTheMaskedColourAroundTheCell)
{
    const rtl::TRect cell = rtl::Bounds(30, 30, 60, 20);  // grid client coordinates
    const int w = cell.Width() + 9, h = cell.Height() + 9;
    gfx::TBitmap ring;
    grid::MakeRoundRectMask(ring, w, h, 4, 5, 3);
    gfx::TBitmap glow(w, h);
    glow.SetPixelFormat(gfx::pf24bit);
    glow.Canvas().Brush().SetColor(gfx::TColor(0xFDD397));
    glow.Canvas().FillRect(rtl::Rect(0, 0, w, h));
    grid::TGridAlphaMask mask;
    mask.MergeMask(ring, glow, gfx::TColor(0xFFFF));
    mask.SetOpacity(230);

    TGridFocusWindow window(Grid);
    window.SetLayeredContent(mask, mask.Opacity());
    gfx::TRegion frame(rtl::Rect(0, 0, w, h));
    frame.Subtract(rtl::Bounds(4, 4, cell.Width(), cell.Height()));
    window.SetWindowRegion(frame);
    const rtl::TPoint at = GridScreen(cell.Left - 4, cell.Top - 4);
    window.SetLeft(at.X);
    window.SetTop(at.Y);
    EXPECT_EQ(window.Width(), w);
    window.Show();
    Paint();

    const gfx::TColor glowRgb = 0xFDD397;
    auto expected = [&](int x, int y, int shift) {
        const double a = RedOfMask(ring, x, y) / 255.0 * 230 / 255.0;
        const double g = (glowRgb >> shift) & 0xFF, b = (HostColor >> shift) & 0xFF;
        return g * a + b * (1 - a);
    };
    for (const rtl::TPoint p : {rtl::TPoint{w / 2, 2}, rtl::TPoint{2, h / 2}, rtl::TPoint{w / 2, h - 2}}) {
        SCOPED_TRACE(p.X * 1000 + p.Y);
        const gfx::TColor seen = ScreenPixel(at.X + p.X, at.Y + p.Y);
        for (int shift : {0, 8, 16}) EXPECT_NEAR((seen >> shift) & 0xFF, expected(p.X, p.Y, shift), 2.0);
    }
    EXPECT_NE(ScreenPixel(at.X + w / 2, at.Y + 2), HostColor);
    EXPECT_EQ(ScreenPixel(at.X + 4 + cell.Width() / 2, at.Y + 4 + cell.Height() / 2), HostColor);
    EXPECT_EQ(ScreenPixel(at.X + 6, at.Y + 6), HostColor);
}

}  // namespace
