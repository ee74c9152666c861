// Window overlays: the list of overlays, their invalidation and their painting over the host's controls.
#include "platform/ui/WindowOverlays.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Controls.h"

namespace ui {

namespace {

// Every overlay that exists, bottom first. Overlays name their host by handle, so a host
// that is gone is never touched. The list is never freed: an overlay freed while the
// program's statics are being destroyed (an application held in a static) still finds it.
std::vector<TWindowOverlay*>& Overlays()
{
    static auto* list = new std::vector<TWindowOverlay*>;
    return *list;
}

}  // namespace

TWindowOverlay::TWindowOverlay() { Overlays().push_back(this); }

TWindowOverlay::~TWindowOverlay()
{
    Invalidate();
    auto& list = Overlays();
    list.erase(std::find(list.begin(), list.end(), this));
}

void TWindowOverlay::SetHost(HWND host)
{
    if (host == FHost) return;
    Invalidate();
    FHost = host;
    Invalidate();
}

void TWindowOverlay::SetScreenBounds(const rtl::TRect& bounds)
{
    if (bounds == FScreenBounds) return;
    Invalidate();
    FScreenBounds = bounds;
    Invalidate();
}

void TWindowOverlay::SetVisible(bool value)
{
    if (value == FVisible) return;
    if (!value) Invalidate();
    FVisible = value;
    if (value) Invalidate();
}

void TWindowOverlay::BringToFront()
{
    auto& list = Overlays();
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    Invalidate();
}

rtl::TRect TWindowOverlay::BoundsInHost() const
{
    TWinControl* host = TWinControl::FindControl(FHost);
    if (host == nullptr) return {};
    rtl::TRect r = FScreenBounds;
    rtl::OffsetRect(r, -host->Left(), -host->Top());
    return r;
}

void TWindowOverlay::Invalidate() const
{
    if (!FVisible) return;
    TWinControl* host = TWinControl::FindControl(FHost);
    if (host == nullptr) return;
    host->InvalidateWindowRect(BoundsInHost());
}

void PaintWindowOverlays(TWinControl& window, const gfx::TRegion& region)
{
    if (window.Surface() == nullptr) return;
    for (TWindowOverlay* overlay : std::vector<TWindowOverlay*>(Overlays())) {
        if (!overlay->FVisible || overlay->FHost != window.Handle() || !overlay->OnPaint) continue;
        rtl::TRect bounds = overlay->BoundsInHost();
        gfx::TRegion clip = region;
        clip.Intersect(bounds);
        if (clip.IsEmpty()) continue;
        gfx::TCanvas canvas(window.Surface());
        canvas.SetClipRegion(clip);
        canvas.SetOrigin(bounds.Left, bounds.Top);
        overlay->OnPaint(canvas);
    }
}

}  // namespace ui
