// Colour arithmetic of the grid utilities: blending between two colours, halving and brightness.
#pragma once

#include "platform/gfx/Color.h"

namespace grid {

// The colour at `step` of the range start..end from `from` to `to`, per component
// from + round((to - from) / (end - start) * step); `from` when `to` is clNone or the
// range is empty. System colours are resolved first.
gfx::TColor BlendColorStep(gfx::TColor from, gfx::TColor to, int rangeStart, int rangeEnd, int step);
// Each component halved.
gfx::TColor HalveColorIntensity(gfx::TColor color);
// Each component c becomes c + c * percent / 100, rounded and held within 0..255.
gfx::TColor AdjustColorBrightness(gfx::TColor color, int percent);

}  // namespace grid
