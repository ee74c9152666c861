// A drop shadow cast by a top-level window onto the window below it (the drop-shadow class style).
#pragma once

#include <memory>

#include "platform/rtl/Types.h"
#include "platform/ui/WindowOverlays.h"

namespace ui {

class TWinControl;

// The shadow is the casting window's rectangle moved down and right by Offset; the caster
// hides all of it but the band along its right and bottom edges, which the host window (the
// one below) darkens as an overlay.
class TWindowShadow {
public:
    static constexpr int Offset = 4;

    // Shows the shadow of a window at `casterBounds` (screen) on `host`, or hides it when
    // `show` is false or there is no host.
    void Update(const rtl::TRect& casterBounds, TWinControl* host, bool show);
    void Hide();
    // The overlay as the host paints it; nullptr before the shadow first showed.
    const TWindowOverlay* Overlay() const { return FOverlay.get(); }

private:
    std::unique_ptr<TWindowOverlay> FOverlay;
    rtl::TSize FSize{};
};

}  // namespace ui
