// Colour arithmetic of the grid utilities: blending between two colours, halving and brightness.
#include "grid/foundation/ExtUtilColors.h"

#include "platform/rtl/NumberText.h"

#include <algorithm>

namespace grid {

namespace {

int ClampChannel(long long c) { return static_cast<int>(std::clamp<long long>(c, 0, 255)); }

}  // namespace

gfx::TColor BlendColorStep(gfx::TColor from, gfx::TColor to, int rangeStart, int rangeEnd, int step)
{
    if (to == gfx::clNone) return from;
    // Equal end points leave no range to blend over: the start colour, never a division by zero.
    if (rangeEnd == rangeStart) return from;
    const gfx::TColor a = gfx::ColorToRGB(from);
    const gfx::TColor b = gfx::ColorToRGB(to);
    const double span = rangeEnd - rangeStart;
    auto blend = [span, step](int ca, int cb) {
        return ClampChannel(ca + rtl::Round((cb - ca) / span * step));
    };
    return gfx::RGB(blend(gfx::GetRValue(a), gfx::GetRValue(b)), blend(gfx::GetGValue(a), gfx::GetGValue(b)),
                    blend(gfx::GetBValue(a), gfx::GetBValue(b)));
}

gfx::TColor HalveColorIntensity(gfx::TColor color)
{
    const gfx::TColor c = gfx::ColorToRGB(color);
    return gfx::RGB(gfx::GetRValue(c) >> 1, gfx::GetGValue(c) >> 1, gfx::GetBValue(c) >> 1);
}

gfx::TColor AdjustColorBrightness(gfx::TColor color, int percent)
{
    // Every component is held within 0..255: brightening never wraps into another colour.
    const gfx::TColor c = gfx::ColorToRGB(color);
    auto adjust = [percent](int v) { return ClampChannel(rtl::Round(v + v * percent / 100.0)); };
    return gfx::RGB(adjust(gfx::GetRValue(c)), adjust(gfx::GetGValue(c)), adjust(gfx::GetBValue(c)));
}

}  // namespace grid
