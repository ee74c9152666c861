// The screen model: the monitors of the desktop with their bounds and work areas.
#pragma once

#include <vector>

#include "platform/rtl/Types.h"

namespace ui {

struct TMonitorInfo {
    rtl::TRect Bounds{};
    rtl::TRect WorkArea{};  // the bounds without task bars and docks
    bool Primary = false;
};

// The monitors as the window system reports them (SDL displays under the real backend, one
// monitor of the backend's screen size otherwise), or the model a test installed.
std::vector<TMonitorInfo> ScreenMonitors();
// Replaces the monitors every caller sees; an empty list restores the window system's.
void SetScreenMonitors(const std::vector<TMonitorInfo>& monitors);
// The monitor containing the point, else the one whose bounds lie nearest to it.
TMonitorInfo MonitorNearestPoint(const rtl::TPoint& point);
// Pixels per inch of the screen: the primary display's under SDL, 96 otherwise, or the value
// a test installed.
int ScreenPixelsPerInch();
// Replaces the screen resolution every caller sees; 0 restores the window system's.
void SetScreenPixelsPerInch(int pixelsPerInch);
// Number × Numerator / Denominator rounded to the nearest, halves away from zero; the
// Denominator 0 gives -1. Scaling of controls and forms computes with it.
int MulDiv(int Number, int Numerator, int Denominator);

}  // namespace ui
