// Column-move arrows and the focus window: outlines, content and painting of the overlays.
#include "grid/core/GridAuxWindows.h"

#include "platform/gfx/Canvas.h"

namespace grid {

namespace {

// Outline points by direction; the arrUp and arrDown outlines point up and down, the
// arrLeft outline has its tip on the right and the arrRight outline on the left.
const TArrowWindow::TArrowPoints ArrowOutlines[4] = {
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
};

constexpr int ArrowSize = 10;

}  // namespace

// --- TArrowWindow ---

TArrowWindow::TArrowWindow(rtl::TComponent* AOwner, TArrowDirection direction)
    : TOverlayPopup<ui::TPanel>(AOwner), FDir(direction), FArrow(ArrowOutline(direction))
{
    SetColor(gfx::TColor(0x00FF00));
    SetBounds(0, 0, ArrowSize, ArrowSize);
    SetVisible(false);
}

TArrowWindow::TArrowPoints TArrowWindow::ArrowOutline(TArrowDirection direction)
{
    return ArrowOutlines[static_cast<int>(direction) & 3];
}

void TArrowWindow::PaintOverlay(gfx::TCanvas& canvas)
{
    // The window fills itself with its colour; its region keeps that to the outline.
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(Color());
    canvas.Polygon(FArrow);
}

// --- TGridFocusWindow ---

TGridFocusWindow::TGridFocusWindow(rtl::TComponent* AOwner) : TOverlayPopup<ui::TCustomControl>(AOwner)
{
    SetVisible(false);
    SetBounds(0, 0, 0, 0);
    SetColor(gfx::TColor(0x0000FF));
    SetEnabled(false);
}

TGridFocusWindow::~TGridFocusWindow() = default;

void TGridFocusWindow::SetLayeredContent(const gfx::TBitmap& picture, std::uint8_t constantAlpha)
{
    if (!FContent) FContent = std::make_unique<gfx::TBitmap>();
    FContent->Assign(&picture);
    FContent->SetPixelFormat(gfx::pf32bit);
    FContent->SetAlphaFormat(gfx::afPremultiplied);
    FConstantAlpha = constantAlpha;
    SetBounds(Left(), Top(), picture.Width(), picture.Height());
    Invalidate();
}

void TGridFocusWindow::SetWindowRegion(const gfx::TRegion& region)
{
    FRegion = region;
    FHasRegion = true;
    Invalidate();
}

void TGridFocusWindow::ClearWindowRegion()
{
    FRegion.Clear();
    FHasRegion = false;
    Invalidate();
}

void TGridFocusWindow::PaintOverlay(gfx::TCanvas& canvas)
{
    if (FHasRegion) {
        // The canvas clip is kept in surface pixels; the region is in window coordinates.
        gfx::TRegion clip = canvas.ClipRegion();
        gfx::TRegion region = FRegion;
        region.Offset(canvas.Origin().X, canvas.Origin().Y);
        clip.Intersect(region);
        if (clip.IsEmpty()) return;
        clip.Offset(-canvas.Origin().X, -canvas.Origin().Y);
        canvas.SetClipRegion(clip);
    }
    if (FContent && !FContent->Empty()) {
        rtl::TRect r = rtl::Rect(0, 0, FContent->Width(), FContent->Height());
        canvas.AlphaBlend(r, FContent->Canvas(), r, FConstantAlpha, true);
        return;
    }
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

}  // namespace grid
