// Gradient painting of the grid utilities: two-colour and mirrored gradients, solid fills and the rounded selection rectangle.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}

namespace grid {

// Gradient from `from` to `to` in at most `steps` bands (steps + 1 bands of colour),
// left to right when `horizontal`, else top to bottom. A clNone colour gives a solid fill
// with the other one.
void DrawGradient(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to, int steps,
                  rtl::TRect rect, bool horizontal);
// With `fill`: solid `from`, a 128-step gradient from..to, or two halves from..to and
// mirrorFrom..mirrorTo (split at mid-height when `vertical`, else at mid-width). Then a
// frame (or only the left and right edges) in `border` unless it is clNone.
void DrawMirrorGradient(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor from, gfx::TColor to,
                        gfx::TColor mirrorFrom, gfx::TColor mirrorTo, bool vertical, gfx::TColor border,
                        bool sidesOnly, bool fill);
// Solid fill of the rectangle (brush only).
void FillRectColor(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color);

// Segments of a rounded selection that spans several cells.
enum TSelectionSegment : int { selWhole = 0, selLeftEnd = 1, selRightEnd = 2, selMiddle = 3 };
// The selected or hovered item of the Vista, Windows 7 and Office 2007 looks: rounded
// border, inner light and dark lines and a (mirrored) gradient interior.
void DrawRoundedSelectionRect(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to,
                              gfx::TColor mirrorFrom, gfx::TColor mirrorTo, gfx::TColor innerLight,
                              gfx::TColor innerDark, gfx::TColor border, gfx::TColor corner,
                              gfx::TColor background, const rtl::TRect& rect, int segment);

}  // namespace grid
