// Layered-window calls of the grid utilities: forwarded to the platform when it has them, success when it has not.
#include "grid/foundation/ExtUtilLayered.h"

namespace grid {

bool CallUpdateLayeredWindow(ui::HWND /*window*/, gfx::TCanvas* /*destination*/, const rtl::TPoint* /*destinationPos*/,
                             const rtl::TSize* /*size*/, gfx::TCanvas* /*source*/, const rtl::TPoint* /*sourcePos*/,
                             gfx::TColor /*colorKey*/, const TLayeredBlend* /*blend*/, std::uint32_t /*flags*/)
{
    // The window layer offers no layered-window update to forward to.
    return true;
}

bool CallSetLayeredWindowAttributes(ui::HWND /*window*/, gfx::TColor /*colorKey*/, std::uint8_t /*alpha*/,
                                    std::uint32_t /*flags*/)
{
    // The window layer offers no layered-window attributes to forward to.
    return true;
}

}  // namespace grid
