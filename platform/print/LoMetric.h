// The 0.1 mm page mapping: logical units of 0.1 mm with y growing upward, onto a canvas's pixels.
#pragma once

#include <cmath>

#include "platform/rtl/Types.h"

namespace print {

// Maps page positions in 0.1 mm (x to the right, y upward: the page's top edge at y = 0
// and positions below it negative) to the pixels of a canvas of a given resolution. The
// print engine lays pages out in these units; the printer (300 pixels per inch) and the
// preview (the screen's 96) draw the same layout at their own resolutions.
class TLoMetricMapping {
public:
    TLoMetricMapping() = default;
    TLoMetricMapping(int pixelsPerInchX, int pixelsPerInchY, rtl::TPoint deviceOrigin = {0, 0})
        : FDpiX(pixelsPerInchX), FDpiY(pixelsPerInchY), FOrigin(deviceOrigin)
    {
    }

    int DpiX() const { return FDpiX; }
    int DpiY() const { return FDpiY; }
    rtl::TPoint DeviceOrigin() const { return FOrigin; }

    int XToDevice(int x) const { return FOrigin.X + Scale(x, FDpiX, 254); }
    int YToDevice(int y) const { return FOrigin.Y - Scale(y, FDpiY, 254); }
    int WidthToDevice(int w) const { return Scale(w, FDpiX, 254); }
    int HeightToDevice(int h) const { return Scale(h, FDpiY, 254); }
    int XToLogical(int x) const { return Scale(x - FOrigin.X, 254, FDpiX); }
    int YToLogical(int y) const { return -Scale(y - FOrigin.Y, 254, FDpiY); }
    int WidthToLogical(int w) const { return Scale(w, 254, FDpiX); }
    int HeightToLogical(int h) const { return Scale(h, 254, FDpiY); }

    rtl::TPoint ToDevice(rtl::TPoint p) const { return {XToDevice(p.X), YToDevice(p.Y)}; }
    // A logical rectangle (Top above Bottom, so Top > Bottom) as a device rectangle.
    rtl::TRect ToDevice(const rtl::TRect& r) const
    {
        return {XToDevice(r.Left), YToDevice(r.Top), XToDevice(r.Right), YToDevice(r.Bottom)};
    }
    rtl::TRect ToLogical(const rtl::TRect& r) const
    {
        return {XToLogical(r.Left), YToLogical(r.Top), XToLogical(r.Right), YToLogical(r.Bottom)};
    }

private:
    static int Scale(int v, int mul, int div)
    {
        return static_cast<int>(std::lround(static_cast<double>(v) * mul / div));
    }

    int FDpiX = 96;
    int FDpiY = 96;
    rtl::TPoint FOrigin{0, 0};
};

}  // namespace print
