// Platform facts and colour shading of the style unit.
#include "grid/foundation/ExtStyleIF.h"

#include <algorithm>

#include "platform/rtl/NumberText.h"
#include "platform/ui/SystemProfile.h"

namespace grid {

bool IsCommonControls6() { return ui::SystemProfile().CommonControlsMajor() >= 6; }

bool HasLocaleInfoEx() { return ui::SystemProfile().HasLocaleInfoEx(); }

bool IsWindowsXPOrLater()
{
    int major = 0, minor = 0;
    ui::SystemProfile().GetVersion(major, minor);
    return major > 5 || (major == 5 && minor >= 1);
}

std::string GetDefaultUIFontName() { return HasLocaleInfoEx() ? "Segoe UI" : "Tahoma"; }

gfx::TColor ShadeColor(gfx::TColor Color, int Percent)
{
    const auto rgb = static_cast<std::uint32_t>(gfx::ColorToRGB(Color));
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double channel = static_cast<double>((rgb >> shift) & 0xFF) * (100 - Percent) / 100.0;
        // Kept within 0–255 at both ends: a percent above 100 would otherwise give a
        // negative channel whose bits spill into its neighbours.
        const auto value = std::clamp<std::int64_t>(rtl::Round(channel), 0, 255);
        result |= static_cast<std::uint32_t>(value) << shift;
    }
    return static_cast<gfx::TColor>(result);
}

gfx::TColor ShadeColorPercent(gfx::TColor Color, int Percent) { return ShadeColor(Color, Percent); }

}  // namespace grid
