// The string grid's focus window (a glowing frame around the edited cell) and its window border.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridAuxWindows.h"
#include "grid/core/GridAuxWindowsMask.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridUnitRoutines.h"

namespace grid {

namespace {

constexpr int FocusMargin = 4;       // the frame starts this far left of and above the cell
constexpr int FocusGrow = 9;         // the frame is this much wider and higher than the cell
constexpr gfx::TColor FocusGlowColor = 0xFDD397;
constexpr std::uint8_t FocusOpacity = 230;

// Four lines, no fill: up the left edge from (a, start), along the top, down the right edge
// and back along the bottom.
void DrawOutline(gfx::TCanvas& canvas, int a, int start, int width, int height)
{
    const int right = width - 1 - a;
    const int bottom = height - 1 - a;
    canvas.MoveTo(a, start);
    canvas.LineTo(a, a);
    canvas.LineTo(right, a);
    canvas.LineTo(right, bottom);
    canvas.LineTo(a, bottom);
}

}  // namespace

rtl::TRect TExtStringGrid::FocusWindowScreenRect(const rtl::TRect& ACellRect) const
{
    const rtl::TPoint p = ClientToScreen(rtl::Point(ACellRect.Left, ACellRect.Top));
    return rtl::Bounds(p.X - FocusMargin, p.Y - FocusMargin, ACellRect.Width() + FocusGrow,
                       ACellRect.Height() + FocusGrow);
}

void TExtStringGrid::ShowFocusWindow(const rtl::TRect& ARect)
{
    TGridFocusWindow* window = FocusWindow();
    if (window == nullptr || !FocusHelper().Enabled()) return;
    const int w = ARect.Width() + FocusGrow;
    const int h = ARect.Height() + FocusGrow;
    window->SetVisible(false);
    window->SetBounds(window->Left(), window->Top(), w, h);

    gfx::TBitmap mask;
    MakeRoundRectMask(mask, w, h, 4, 5, 3);
    gfx::TBitmap glow;
    glow.SetPixelFormat(gfx::pf24bit);
    glow.SetSize(w, h);
    glow.Canvas().Brush().SetStyle(gfx::bsSolid);
    glow.Canvas().Brush().SetColor(FocusGlowColor);
    glow.Canvas().FillRect(rtl::Rect(0, 0, w, h));
    TGridAlphaMask picture;
    picture.MergeMask(mask, glow, 0xFFFF);
    picture.SetOpacity(FocusOpacity);
    window->SetLayeredContent(picture, picture.Opacity());

    // Only the frame around the cell is part of the window.
    gfx::TRegion region(rtl::Rect(0, 0, w, h));
    region.Subtract(rtl::Rect(FocusMargin, FocusMargin, FocusMargin + ARect.Width(), FocusMargin + ARect.Height()));
    window->SetWindowRegion(region);

    window->SetBoundsRect(FocusWindowScreenRect(ARect));
    window->SetVisible(true);
    // While the glow shows, the thread's window-position hook keeps it over the current cell
    // when the form or the grid moves.
    SetFocusWindowGrid(this, [this] { PlaceFocusWindow(); });
}

void TExtStringGrid::PlaceFocusWindow()
{
    TGridFocusWindow* window = FocusWindow();
    if (window == nullptr) return;
    const bool colShown = Col() < FixedCols() || (Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount());
    const bool rowShown = Row() < FixedRows() || (Row() >= TopRow() && Row() < TopRow() + VisibleRowCount());
    if (!colShown || !rowShown) {
        HideFocusWindow();
        return;
    }
    window->SetBoundsRect(FocusWindowScreenRect(CellRect(Col(), Row())));
}

void TExtStringGrid::HideFocusWindow()
{
    TGridFocusWindow* window = FocusWindow();
    // The window is an overlay without a handle of its own: hiding it is always safe.
    if (window != nullptr) window->SetVisible(false);
    if (FocusWindowGrid() == this) SetFocusWindowGrid(nullptr, nullptr);
}

void TExtStringGrid::PaintNonClient(gfx::TCanvas& canvas)
{
    TBaseGrid::PaintNonClient(canvas);
    if (FUpdateCount == 0) PaintBorderOn(canvas);
}

void TExtStringGrid::PaintBorder()
{
    if (NonClientCanvas() != nullptr) {
        PaintBorderOn(*NonClientCanvas());
        return;
    }
    // Outside a non-client paint the border is drawn by the next one.
    ui::TWinControl::Invalidate();
}

void TExtStringGrid::PaintBorderOn(gfx::TCanvas& canvas)
{
    switch (FLook) {
    case glSoft: case glJyx: case glXP: case glListView: case glVista: case glWin7: case glOffice2007:
    case glCustom:
        break;
    default:
        return;
    }
    if (BorderStyle() == ui::bsNone || FBorderColor == gfx::clNone) return;
    if (Flat() && FLook != glCustom) return;
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(gfx::pmCopy);
    canvas.Pen().SetColor(FBorderColor);
    if (FFitCellsInGrid) {
        DrawOutline(canvas, 1, Height(), Width(), Height());
        if (Parent() != nullptr) {
            canvas.Pen().SetColor(Parent()->Color());
            DrawOutline(canvas, 0, Height(), Width(), Height());
        }
    } else if (FIsComCtl6) {
        DrawOutline(canvas, 0, Height() - 1, Width(), Height());
    }
}

}  // namespace grid
