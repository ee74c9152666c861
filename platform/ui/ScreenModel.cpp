// The screen model: monitors from the window backend, replaceable by tests.
#include "platform/ui/ScreenModel.h"

#include <climits>

#include "platform/ui/Forms.h"

namespace ui {

namespace {

std::vector<TMonitorInfo>& InstalledMonitors()
{
    static std::vector<TMonitorInfo> monitors;
    return monitors;
}

int& InstalledPixelsPerInch()
{
    static int pixelsPerInch = 0;
    return pixelsPerInch;
}

// Distance of a point from a rectangle along the two axes (0 inside).
long long DistanceSquared(const rtl::TRect& r, const rtl::TPoint& p)
{
    long long dx = p.X < r.Left ? r.Left - p.X : (p.X >= r.Right ? p.X - r.Right + 1 : 0);
    long long dy = p.Y < r.Top ? r.Top - p.Y : (p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0);
    return dx * dx + dy * dy;
}

}  // namespace

std::vector<TMonitorInfo> ScreenMonitors()
{
    if (!InstalledMonitors().empty()) return InstalledMonitors();
    TApplication* app = Application();
    if (app != nullptr && app->HasBackend()) {
        std::vector<TMonitorInfo> desktop = app->Backend().Monitors();
        if (!desktop.empty()) return desktop;
    }
    rtl::TSize size = app != nullptr && app->HasBackend() ? app->Backend().ScreenSize() : rtl::TSize{1280, 1024};
    rtl::TRect all = rtl::Rect(0, 0, size.cx, size.cy);
    return {{all, all, true}};
}

void SetScreenMonitors(const std::vector<TMonitorInfo>& monitors)
{
    InstalledMonitors() = monitors;
}

TMonitorInfo MonitorNearestPoint(const rtl::TPoint& point)
{
    std::vector<TMonitorInfo> monitors = ScreenMonitors();
    TMonitorInfo best = monitors.front();
    long long bestDistance = LLONG_MAX;
    for (const TMonitorInfo& m : monitors) {
        long long d = DistanceSquared(m.Bounds, point);
        if (d < bestDistance) {
            bestDistance = d;
            best = m;
        }
    }
    return best;
}

}  // namespace ui

namespace ui {

int ScreenPixelsPerInch()
{
    if (InstalledPixelsPerInch() > 0) return InstalledPixelsPerInch();
    TApplication* app = Application();
    if (app != nullptr && app->HasBackend()) {
        if (const int desktop = app->Backend().PixelsPerInch(); desktop > 0) return desktop;
    }
    return 96;
}

void SetScreenPixelsPerInch(int pixelsPerInch)
{
    InstalledPixelsPerInch() = pixelsPerInch > 0 ? pixelsPerInch : 0;
}

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0) return -1;
    const long long product = static_cast<long long>(Number) * Numerator;
    const long long half = (Denominator > 0 ? Denominator : -Denominator) / 2;
    if ((product < 0) != (Denominator < 0)) return static_cast<int>((product - half) / Denominator);
    return static_cast<int>((product + half) / Denominator);
}

}  // namespace ui
