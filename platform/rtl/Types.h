// Geometry value types shared by drawing and windows: points, sizes, rectangles.
#pragma once

#include <algorithm>

namespace rtl {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle whose right and bottom edges lie outside it, as the platform's
// drawing rules have it: Rect(0, 0, 10, 10) covers pixels 0..9 in each direction.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return {x, y}; }
inline TSize Size(int cx, int cy) { return {cx, cy}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

inline bool PtInRect(const TRect& r, const TPoint& p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// Intersection of two rectangles; false (and an empty result) when they do not meet.
inline bool IntersectRect(TRect& dest, const TRect& a, const TRect& b)
{
    dest = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(dest)) {
        dest = {};
        return false;
    }
    return true;
}

// Smallest rectangle holding both; an empty rectangle does not count.
inline bool UnionRect(TRect& dest, const TRect& a, const TRect& b)
{
    if (IsRectEmpty(a)) {
        dest = b;
    } else if (IsRectEmpty(b)) {
        dest = a;
    } else {
        dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom)};
    }
    if (IsRectEmpty(dest)) {
        dest = {};
        return false;
    }
    return true;
}

inline void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

inline void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

}  // namespace rtl
