// A clipping region: a set of pixels kept as a list of non-overlapping rectangles.
#pragma once

#include <vector>

#include "platform/rtl/Types.h"

namespace gfx {

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const rtl::TRect& rect);

    bool IsEmpty() const { return FRects.empty(); }
    const std::vector<rtl::TRect>& Rects() const { return FRects; }
    // Smallest rectangle holding the region; empty when the region is.
    rtl::TRect Bounds() const;
    bool Contains(int x, int y) const;
    // True when some pixel of the rectangle lies in the region.
    bool Intersects(const rtl::TRect& rect) const;

    void Clear() { FRects.clear(); }
    void Union(const rtl::TRect& rect);
    void Union(const TRegion& other);
    void Intersect(const rtl::TRect& rect);
    void Intersect(const TRegion& other);
    void Subtract(const rtl::TRect& rect);
    void Subtract(const TRegion& other);
    void Offset(int dx, int dy);

    friend bool operator==(const TRegion& a, const TRegion& b) { return a.FRects == b.FRects; }

private:
    std::vector<rtl::TRect> FRects;
};

}  // namespace gfx
