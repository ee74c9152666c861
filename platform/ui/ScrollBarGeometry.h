// Geometry of a window's scroll bar: arrow buttons, track and thumb, in window coordinates.
#pragma once

#include "platform/rtl/Types.h"
#include "platform/ui/ScrollInfo.h"

namespace ui {

struct TScrollBarGeometry {
    bool Vertical = true;
    rtl::TRect Bar;        // whole bar
    rtl::TRect FirstArrow; // up / left
    rtl::TRect LastArrow;  // down / right
    rtl::TRect Thumb;      // empty when the bar cannot scroll
    int TrackStart = 0;    // first pixel of the track along the bar
    int TrackLength = 0;
    int ThumbLength = 0;
};

// Largest position the bar can take: Max - (Page - 1) with a page, else Max.
int ScrollMaxPos(const TScrollBarState& s);
TScrollBarGeometry ComputeScrollBarGeometry(const rtl::TRect& bar, bool vertical, const TScrollBarState& s,
                                            int pos);
// Position for a thumb whose leading edge sits at `thumbStart` along the bar.
int ScrollPosFromThumb(const TScrollBarGeometry& g, const TScrollBarState& s, int thumbStart);

}  // namespace ui
