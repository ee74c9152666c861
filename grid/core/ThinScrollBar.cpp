// The thin scroll thumb of the ssMetro scroll type: geometry, painting and mouse scrolling of its parent grid.
#include "grid/core/ThinScrollBar.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/NumberText.h"

namespace grid {

TScrollControl::TScrollControl(rtl::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    // Only the thumb is painted: the grid below has already drawn the rest of the area
    // into the shared window image, which is what makes the background transparent.
    SetControlStyle(ControlStyle() | ui::csOpaque);
}

void TScrollControl::SetColor(gfx::TColor Value)
{
    if (FThumbColor == Value) return;
    FThumbColor = Value;
    Invalidate();
}

TExtStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

TScrollControl::TAxis TScrollControl::Axis(const TExtStringGrid& grid) const
{
    TAxis a;
    const bool vertical = FDirection == sdVertical;
    a.Count = vertical ? grid.RowCount() : grid.ColCount();
    a.Fixed = vertical ? grid.FixedRows() : grid.FixedCols();
    a.Visible = vertical ? grid.VisibleRowCount() : grid.VisibleColCount();
    a.Position = vertical ? grid.TopRow() : grid.LeftCol();
    a.Length = vertical ? Height() : Width();
    auto size = [&](int i) { return vertical ? grid.RowHeights(i) : grid.ColWidths(i); };
    a.FirstSize = a.Count > 0 ? size(0) : 0;
    for (int i = 0; i < std::min(a.Fixed, a.Count); ++i) a.FixedSize += size(i);
    // The footer row count stands for both directions.
    for (int i = std::max(0, a.Count - grid.FixedFooters()); i < a.Count; ++i) a.FooterSize += size(i);
    return a;
}

TScrollControl::TThumb TScrollControl::Thumb() const
{
    TThumb t;
    const TExtStringGrid* grid = Grid();
    if (grid == nullptr) return t;
    const TAxis a = Axis(*grid);
    const int usable = a.Length - a.FixedSize - a.FooterSize;
    const double position = static_cast<double>(a.Position - a.Fixed) / std::max(1, a.Count - a.Fixed);
    const double size = static_cast<double>(a.Visible) / std::max(1, a.Count);
    t.Start = a.FixedSize + static_cast<int>(rtl::Round(usable * position));
    t.Length = std::max(20, static_cast<int>(rtl::Round(usable * size)));
    if (t.Start + t.Length > a.Length) t.Start = a.Length - t.Length;
    t.Visible = a.Visible < a.Count - a.Fixed;
    return t;
}

void TScrollControl::Paint()
{
    const TThumb t = Thumb();
    if (!t.Visible) return;
    gfx::TCanvas& c = Canvas();
    c.Pen().SetColor(FThumbColor);
    c.Brush().SetColor(FThumbColor);
    c.Brush().SetStyle(gfx::bsSolid);
    if (FDirection == sdVertical) c.Rectangle(0, t.Start, FScrollWidth, t.Start + t.Length);
    else c.Rectangle(t.Start, 0, t.Start + t.Length, FScrollWidth);
}

void TScrollControl::SetPosition(TExtStringGrid& grid, int Value) const
{
    if (FDirection == sdVertical) grid.SetTopRow(Value);
    else grid.SetLeftCol(Value);
}

void TScrollControl::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    TExtStringGrid* grid = Grid();
    if (grid == nullptr) return;
    const TAxis a = Axis(*grid);
    const TThumb t = Thumb();
    const int c = Along(X, Y);
    if (c < t.Start) {
        SetPosition(*grid, std::max(a.Fixed, a.Position - a.Visible));
    } else if (c > t.Start + t.Length) {
        // Never before the first scrollable row, also when everything fits.
        SetPosition(*grid, std::max(a.Fixed, std::min(a.Position + a.Visible, a.Count - a.Visible)));
    } else {
        FDownOnScroller = true;
        FDownPos = c;
        FDownRow = a.Position;
    }
}

void TScrollControl::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    TExtStringGrid* grid = Grid();
    if (!FDownOnScroller || grid == nullptr) return;
    const TAxis a = Axis(*grid);
    // A control no longer than its first row has no track to drag along.
    const int track = a.Length - a.FirstSize;
    if (track <= 0) return;
    const int delta = static_cast<int>(rtl::Round(static_cast<double>(Along(X, Y) - FDownPos) / track * a.Count));
    SetPosition(*grid, std::max(a.Fixed, std::min(FDownRow + delta, a.Count - a.Visible)));
}

void TScrollControl::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}

}  // namespace grid
