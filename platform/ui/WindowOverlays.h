// Window overlays: pictures a top-level window paints over its controls (shaped and translucent pop-ups).
#pragma once

#include <functional>

#include "platform/gfx/Region.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace gfx {
class TCanvas;
}

namespace ui {

class TWinControl;

// A shaped or translucent pop-up (a drag arrow, a glow around an edited cell) is not a
// window of its own here: the top-level window that hosts it paints it over its controls
// after each paint. An overlay takes no mouse or keyboard input.
class TWindowOverlay {
public:
    using TPaintProc = std::function<void(gfx::TCanvas& canvas)>;

    TWindowOverlay();
    // Leaves its host, which repaints the place the overlay covered.
    ~TWindowOverlay();
    TWindowOverlay(const TWindowOverlay&) = delete;
    TWindowOverlay& operator=(const TWindowOverlay&) = delete;

    // The top-level window that paints the overlay, by handle; 0 for none.
    HWND Host() const { return FHost; }
    void SetHost(HWND host);
    // Place on the screen, as a pop-up window's bounds are given.
    const rtl::TRect& ScreenBounds() const { return FScreenBounds; }
    void SetScreenBounds(const rtl::TRect& bounds);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Shown over the overlays that were shown before it.
    void BringToFront();
    // Asks the host to repaint the overlay's place.
    void Invalidate() const;
    // Place in the host window's image, or an empty rectangle without a host.
    rtl::TRect BoundsInHost() const;

    // Paints the overlay: the canvas origin is the overlay's top-left corner and the clip
    // is its bounds within the region being painted.
    TPaintProc OnPaint;

private:
    friend void PaintWindowOverlays(TWinControl& window, const gfx::TRegion& region);
    HWND FHost = 0;
    rtl::TRect FScreenBounds;
    bool FVisible = false;
};

// Paints the visible overlays of a top-level window over the region its controls have just
// painted, in the order they were brought to the front.
void PaintWindowOverlays(TWinControl& window, const gfx::TRegion& region);

}  // namespace ui
