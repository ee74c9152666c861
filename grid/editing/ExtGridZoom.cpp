// String grid zoom: the Ctrl+wheel step that widens or narrows every column and row by some pixels.
#include "grid/core/ExtGrid.h"

namespace grid {

namespace {
constexpr int MaxZoomFactor = 20;
}

// A size that is 0 (a hidden column or row) stays 0, and no size is zoomed down to 0 or
// below; the proportional scroll bars are not updated while the sizes change.
void TExtStringGrid::Zoom(int Delta)
{
    const int zoomed = FZoomFactor + Delta;
    if (zoomed > MaxZoomFactor || zoomed < -MaxZoomFactor) return;
    FScrollLock = true;
    FZoomFactor = zoomed;
    BeginUpdate();
    try {
        for (int c = 0; c < ColCount(); ++c) {
            const int w = ColWidths(c);
            if (w > 0 && w + Delta > 0) SetColWidths(c, w + Delta);
        }
        for (int r = 0; r < RowCount(); ++r) {
            const int h = RowHeights(r);
            if (h > 0 && h + Delta > 0) SetRowHeights(r, h + Delta);
        }
    } catch (...) {
        FScrollLock = false;
        EndUpdate();
        throw;
    }
    FScrollLock = false;
    EndUpdate();
}

void TExtStringGrid::DoIntelliZoom()
{
    if (OnIntelliZoom) OnIntelliZoom(this, FZoomFactor);
}

}  // namespace grid
