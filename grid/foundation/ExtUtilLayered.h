// Layered-window calls of the grid utilities: forwarded to the platform when it has them, success when it has not.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

#include <cstdint>

namespace gfx {
class TCanvas;
}

namespace grid {

// Blend description of a layered-window update, in the platform's field order.
struct TLayeredBlend {
    std::uint8_t BlendOp = 0;
    std::uint8_t BlendFlags = 0;
    std::uint8_t SourceConstantAlpha = 255;
    std::uint8_t AlphaFormat = 0;
};

// The platform's layered-window update with the same arguments. This platform has no
// layered windows (translucent overlays are drawn by their owning top-level window), so
// the call reports success and callers go on without translucency.
bool CallUpdateLayeredWindow(ui::HWND window, gfx::TCanvas* destination, const rtl::TPoint* destinationPos,
                             const rtl::TSize* size, gfx::TCanvas* source, const rtl::TPoint* sourcePos,
                             gfx::TColor colorKey, const TLayeredBlend* blend, std::uint32_t flags);
// The platform's layered-window attributes (colour key, constant alpha); success when the
// platform lacks them, as above.
bool CallSetLayeredWindowAttributes(ui::HWND window, gfx::TColor colorKey, std::uint8_t alpha, std::uint32_t flags);

}  // namespace grid
