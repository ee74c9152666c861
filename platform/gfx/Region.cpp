// Clipping regions as lists of non-overlapping rectangles.
#include "platform/gfx/Region.h"

#include <algorithm>

namespace gfx {

using rtl::TRect;

namespace {

// Appends the parts of `r` that lie outside `cut` (up to four rectangles).
void AppendDifference(const TRect& r, const TRect& cut, std::vector<TRect>& out)
{
    TRect i;
    if (!rtl::IntersectRect(i, r, cut)) {
        out.push_back(r);
        return;
    }
    if (r.Top < i.Top) out.push_back({r.Left, r.Top, r.Right, i.Top});
    if (i.Bottom < r.Bottom) out.push_back({r.Left, i.Bottom, r.Right, r.Bottom});
    if (r.Left < i.Left) out.push_back({r.Left, i.Top, i.Left, i.Bottom});
    if (i.Right < r.Right) out.push_back({i.Right, i.Top, r.Right, i.Bottom});
}

}  // namespace

TRegion::TRegion(const TRect& rect)
{
    if (!rtl::IsRectEmpty(rect)) FRects.push_back(rect);
}

TRect TRegion::Bounds() const
{
    TRect b{};
    for (const TRect& r : FRects) rtl::UnionRect(b, b, r);
    return b;
}

bool TRegion::Contains(int x, int y) const
{
    for (const TRect& r : FRects)
        if (rtl::PtInRect(r, {x, y})) return true;
    return false;
}

bool TRegion::Intersects(const TRect& rect) const
{
    TRect i;
    for (const TRect& r : FRects)
        if (rtl::IntersectRect(i, r, rect)) return true;
    return false;
}

void TRegion::Union(const TRect& rect)
{
    if (rtl::IsRectEmpty(rect)) return;
    // Rectangles the new one covers whole are dropped first, so that many small
    // invalidations followed by a large one leave one rectangle, not all of them.
    std::erase_if(FRects, [&](const TRect& r) {
        return r.Left >= rect.Left && r.Top >= rect.Top && r.Right <= rect.Right && r.Bottom <= rect.Bottom;
    });
    std::vector<TRect> pieces{rect};
    for (const TRect& existing : FRects) {
        std::vector<TRect> next;
        for (const TRect& p : pieces) AppendDifference(p, existing, next);
        pieces.swap(next);
        if (pieces.empty()) return;
    }
    FRects.insert(FRects.end(), pieces.begin(), pieces.end());
}

void TRegion::Union(const TRegion& other)
{
    for (const TRect& r : other.FRects) Union(r);
}

void TRegion::Intersect(const TRect& rect)
{
    std::vector<TRect> out;
    TRect i;
    for (const TRect& r : FRects)
        if (rtl::IntersectRect(i, r, rect)) out.push_back(i);
    FRects.swap(out);
}

void TRegion::Intersect(const TRegion& other)
{
    std::vector<TRect> out;
    TRect i;
    for (const TRect& a : FRects)
        for (const TRect& b : other.FRects)
            if (rtl::IntersectRect(i, a, b)) out.push_back(i);
    FRects.swap(out);
}

void TRegion::Subtract(const TRect& rect)
{
    if (rtl::IsRectEmpty(rect)) return;
    std::vector<TRect> out;
    for (const TRect& r : FRects) AppendDifference(r, rect, out);
    FRects.swap(out);
}

void TRegion::Subtract(const TRegion& other)
{
    for (const TRect& r : other.FRects) Subtract(r);
}

void TRegion::Offset(int dx, int dy)
{
    for (TRect& r : FRects) rtl::OffsetRect(r, dx, dy);
}

}  // namespace gfx
