// In-cell painters of the grid utilities: value bars, text progress bars and clock pies.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

#include <string>

namespace gfx {
class TCanvas;
}

namespace grid {

// A bar from the cell's centre for a value in -maximum .. maximum: to the right in the
// positive colour, to the left in the negative one; the value (clamped) centred as text.
void DrawValueBar(gfx::TCanvas& canvas, const rtl::TRect& rect, int value, int maximum, bool showValue,
                  gfx::TColor negativeColor, gfx::TColor positiveColor);
// A progress bar for `value` between `minimum` and `maximum` in the rectangle shrunk by the
// margins, the filled part and the rest each with the centred text clipped into it. An
// empty format shows the rounded value with "%" and reads it as the percentage.
void DrawTextProgressBar(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor fillColor,
                         gfx::TColor fillFontColor, gfx::TColor restColor, gfx::TColor restFontColor,
                         double value, int marginX, int marginY, double minimum, double maximum,
                         const std::string& format, gfx::TColor borderColor, bool textOffset);
// A grey circle with a hand at 12 o'clock and one at value / 100 of a turn, the pie
// between them filled in the colour (from below the top, or above it when `upward`).
void DrawClockPie(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color, int value, bool upward);

}  // namespace grid
