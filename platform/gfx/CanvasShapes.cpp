// TCanvas lines and shapes with the platform's pixel rules and pen raster operations.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gfx/CanvasImpl.h"

namespace gfx {

using rtl::TPoint;
using rtl::TRect;

namespace {

// Dash patterns of one-pixel pens, in pixels: on, off, on, off …
struct TDashPattern {
    int Count;
    int Lengths[6];
};

const TDashPattern& PatternOf(TPenStyle style)
{
    static const TDashPattern dash{2, {18, 6}};
    static const TDashPattern dot{2, {3, 3}};
    static const TDashPattern dashDot{4, {9, 6, 3, 6}};
    static const TDashPattern dashDotDot{6, {9, 3, 3, 3, 3, 3}};
    static const TDashPattern solid{1, {1}};
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return solid;
    }
}

bool PatternOn(const TDashPattern& p, int phase)
{
    int total = 0;
    for (int i = 0; i < p.Count; ++i) total += p.Lengths[i];
    phase %= total;
    for (int i = 0; i < p.Count; ++i) {
        if (phase < p.Lengths[i]) return i % 2 == 0;
        phase -= p.Lengths[i];
    }
    return true;
}

bool IsStyled(TPenStyle s) { return s == psDash || s == psDot || s == psDashDot || s == psDashDotDot; }

void SetSourcePixel(cairo_t* cr, std::uint32_t pixel)
{
    cairo_set_source_rgb(cr, ((pixel >> 16) & 0xFF) / 255.0, ((pixel >> 8) & 0xFF) / 255.0, (pixel & 0xFF) / 255.0);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void RoundRectPath(cairo_t* cr, double l, double t, double r, double b, double rx, double ry)
{
    rx = std::min(rx, (r - l) / 2);
    ry = std::min(ry, (b - t) / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, l, t, r - l, b - t);
        return;
    }
    auto corner = [&](double cx, double cy, double a1, double a2) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a1, a2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(r - rx, t + ry, -M_PI / 2, 0);
    corner(r - rx, b - ry, 0, M_PI / 2);
    corner(l + rx, b - ry, M_PI / 2, M_PI);
    corner(l + rx, t + ry, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Normalize(int& a, int& b)
{
    if (b < a) std::swap(a, b);
}

}  // namespace

// --- pens, brushes and raster operations ---

void TCanvas::TImpl::SetBrushSource(TCanvas& c, cairo_t* cr)
{
    const std::uint32_t fore = ColorToPixel(c.FBrush.Color());
    if (c.FBrush.Style() == bsSolid || c.FBrush.Style() == bsClear) {
        SetSourcePixel(cr, fore);
        return;
    }
    // Hatch: an 8 × 8 tile in the brush colour over the background (when opaque).
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(tile);
    auto* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    const std::uint32_t back = c.FBkMode == OPAQUE ? ColorToPixel(c.FBkColor) : 0;
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 8; ++x) {
            bool on = false;
            switch (c.FBrush.Style()) {
            case bsHorizontal: on = y == 0; break;
            case bsVertical: on = x == 0; break;
            case bsFDiagonal: on = x == y; break;
            case bsBDiagonal: on = x == 7 - y; break;
            case bsCross: on = x == 0 || y == 0; break;
            case bsDiagCross: on = x == y || x == 7 - y; break;
            default: break;
            }
            row[x] = on ? fore : back;
        }
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, c.FOrigin.X, c.FOrigin.Y);  // tiles aligned to surface pixels
    cairo_pattern_set_matrix(pattern, &m);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
}

void TCanvas::TImpl::RopPath(TCanvas& c, bool stroke, std::uint32_t pixel, TPenMode mode)
{
    cairo_t* cr = c.FImpl->Cr;
    if (!c.FImpl->Raster) {
        SetSourcePixel(cr, ApplyRop(mode, pixel, 0xFFFFFFFFu));
        if (stroke) cairo_stroke(cr);
        else cairo_fill(cr);
        return;
    }
    double x1, y1, x2, y2;
    if (stroke) cairo_stroke_extents(cr, &x1, &y1, &x2, &y2);
    else cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    TRect bounds{static_cast<int>(std::floor(x1)) + c.FOrigin.X - 1, static_cast<int>(std::floor(y1)) + c.FOrigin.Y - 1,
                 static_cast<int>(std::ceil(x2)) + c.FOrigin.X + 1, static_cast<int>(std::ceil(y2)) + c.FOrigin.Y + 1};
    TRect whole{0, 0, c.SurfaceWidth(), c.SurfaceHeight()};
    if (!rtl::IntersectRect(bounds, bounds, whole)) {
        cairo_new_path(cr);
        return;
    }
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    const int w = bounds.Width(), h = bounds.Height();
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* m = cairo_create(mask);
    cairo_set_antialias(m, CAIRO_ANTIALIAS_NONE);
    if (c.FHasClip) {
        for (const TRect& r : c.FClip.Rects()) cairo_rectangle(m, r.Left - bounds.Left, r.Top - bounds.Top, r.Width(), r.Height());
        cairo_clip(m);
    }
    cairo_translate(m, c.FOrigin.X - bounds.Left, c.FOrigin.Y - bounds.Top);
    cairo_append_path(m, path);
    cairo_set_line_width(m, cairo_get_line_width(cr));
    cairo_set_line_join(m, cairo_get_line_join(cr));
    cairo_set_line_cap(m, cairo_get_line_cap(cr));
    cairo_set_fill_rule(m, cairo_get_fill_rule(cr));
    if (stroke) cairo_stroke(m);
    else cairo_fill(m);
    cairo_destroy(m);
    cairo_path_destroy(path);
    cairo_surface_flush(mask);
    const unsigned char* mdata = cairo_image_surface_get_data(mask);
    const int mstride = cairo_image_surface_get_stride(mask);
    BeginPixels(c);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = Row(c, bounds.Top + y);
        const unsigned char* mrow = mdata + y * mstride;
        for (int x = 0; x < w; ++x)
            if (mrow[x] >= 128) row[bounds.Left + x] = ApplyRop(mode, pixel, row[bounds.Left + x]);
    }
    EndPixels(c);
    cairo_surface_destroy(mask);
}

void TCanvas::TImpl::FillPathWithBrush(TCanvas& c, cairo_fill_rule_t rule)
{
    cairo_t* cr = c.FImpl->Cr;
    cairo_set_fill_rule(cr, rule);
    const TPenMode mode = c.FPen.Mode();
    if (mode != pmCopy && c.FBrush.Style() == bsSolid) {
        RopPath(c, false, ColorToPixel(c.FBrush.Color()), mode);
        return;
    }
    SetBrushSource(c, cr);
    cairo_fill(cr);
}

void TCanvas::TImpl::StrokePathWithPen(TCanvas& c, cairo_line_join_t join, cairo_line_cap_t cap)
{
    cairo_t* cr = c.FImpl->Cr;
    cairo_set_line_width(cr, std::max(1, c.FPen.Width()));
    cairo_set_line_join(cr, join);
    cairo_set_line_cap(cr, cap);
    const std::uint32_t pixel = ColorToPixel(c.FPen.Color());
    if (c.FPen.Mode() != pmCopy) {
        RopPath(c, true, pixel, c.FPen.Mode());
        return;
    }
    SetSourcePixel(cr, pixel);
    cairo_stroke(cr);
}

void TCanvas::TImpl::PixelLine(TCanvas& c, TPoint a, TPoint b, int& dashPhase)
{
    if (!c.FImpl->Surface || !PenVisible(c)) return;
    const std::vector<TRect> visible = VisibleRects(c);
    if (visible.empty()) return;
    const int x0 = a.X + c.FOrigin.X, y0 = a.Y + c.FOrigin.Y;
    const int x1 = b.X + c.FOrigin.X, y1 = b.Y + c.FOrigin.Y;
    const std::uint32_t pen = ColorToPixel(c.FPen.Color());
    const TPenMode mode = c.FPen.Mode();
    const bool styled = IsStyled(c.FPen.Style());
    BeginPixels(c);
    if (!styled && y0 == y1) {
        if (x0 < x1) Span(c, visible, y0, x0, x1, pen, mode);
        else if (x1 < x0) Span(c, visible, y0, x1 + 1, x0 + 1, pen, mode);
        EndPixels(c);
        return;
    }
    const TDashPattern& pattern = PatternOf(c.FPen.Style());
    const bool opaqueGaps = c.FBkMode == OPAQUE;
    const std::uint32_t back = ColorToPixel(c.FBkColor);
    auto plot = [&](int x, int y) {
        if (!styled) {
            Span(c, visible, y, x, x + 1, pen, mode);
            return;
        }
        if (PatternOn(pattern, dashPhase)) Span(c, visible, y, x, x + 1, pen, mode);
        else if (opaqueGaps) Span(c, visible, y, x, x + 1, back, mode);
        ++dashPhase;
    };
    // Bresenham, end point excluded.
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    EndPixels(c);
}

// --- lines ---

void TCanvas::MoveTo(int x, int y) { FPenPos = {x, y}; }

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = FPenPos;
    FPenPos = {x, y};
    if (!FImpl->Surface || !TImpl::PenVisible(*this)) return;
    if (FPen.Width() <= 1) {
        int phase = 0;
        TImpl::PixelLine(*this, from, {x, y}, phase);
        return;
    }
    cairo_t* cr = TImpl::Context(*this);
    cairo_move_to(cr, from.X + 0.5, from.Y + 0.5);
    cairo_line_to(cr, x + 0.5, y + 0.5);
    TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_CAP_ROUND);
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty()) return;
    if (!FImpl->Surface || !TImpl::PenVisible(*this) || points.size() < 2) return;
    if (FPen.Width() <= 1) {
        int phase = 0;
        for (std::size_t i = 1; i < points.size(); ++i) TImpl::PixelLine(*this, points[i - 1], points[i], phase);
        return;
    }
    cairo_t* cr = TImpl::Context(*this);
    cairo_move_to(cr, points[0].X + 0.5, points[0].Y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].X + 0.5, points[i].Y + 0.5);
    TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_CAP_ROUND);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2 || !FImpl->Surface) return;
    if (TImpl::BrushVisible(*this) && points.size() >= 3) {
        cairo_t* cr = TImpl::Context(*this);
        cairo_move_to(cr, points[0].X, points[0].Y);
        for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].X, points[i].Y);
        cairo_close_path(cr);
        TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_EVEN_ODD);
    }
    if (!TImpl::PenVisible(*this)) return;
    if (FPen.Width() <= 1) {
        int phase = 0;
        for (std::size_t i = 0; i < points.size(); ++i)
            TImpl::PixelLine(*this, points[i], points[(i + 1) % points.size()], phase);
        return;
    }
    cairo_t* cr = TImpl::Context(*this);
    cairo_move_to(cr, points[0].X + 0.5, points[0].Y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].X + 0.5, points[i].Y + 0.5);
    cairo_close_path(cr);
    TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_MITER, CAIRO_LINE_CAP_SQUARE);
}

// --- rectangles ---

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Normalize(x1, x2);
    Normalize(y1, y2);
    if (!FImpl->Surface) return;
    const bool pen = TImpl::PenVisible(*this);
    const int w = std::max(1, FPen.Width());
    if (!pen) {
        // Without a pen the platform fills one pixel less to the right and bottom.
        if (TImpl::BrushVisible(*this) && x2 - x1 > 1 && y2 - y1 > 1) {
            if (FBrush.Style() == bsSolid)
                TImpl::FillDeviceRect(*this, {x1 + FOrigin.X, y1 + FOrigin.Y, x2 - 1 + FOrigin.X, y2 - 1 + FOrigin.Y},
                                      ColorToPixel(FBrush.Color()), FPen.Mode() == pmNop ? pmNop : FPen.Mode());
            else {
                cairo_t* cr = TImpl::Context(*this);
                cairo_rectangle(cr, x1, y1, x2 - 1 - x1, y2 - 1 - y1);
                TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
            }
        }
        return;
    }
    if (FPen.Style() == psInsideFrame && w > 1) {
        // The wide frame stays inside the rectangle.
        if (TImpl::BrushVisible(*this)) {
            cairo_t* cr = TImpl::Context(*this);
            cairo_rectangle(cr, x1 + w, y1 + w, x2 - x1 - 2 * w, y2 - y1 - 2 * w);
            if (x2 - x1 > 2 * w && y2 - y1 > 2 * w) TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
        }
        cairo_t* cr = TImpl::Context(*this);
        cairo_rectangle(cr, x1 + w / 2.0, y1 + w / 2.0, x2 - x1 - w, y2 - y1 - w);
        TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_MITER, CAIRO_LINE_CAP_SQUARE);
        return;
    }
    if (TImpl::BrushVisible(*this) && x2 - x1 > 2 && y2 - y1 > 2) {
        if (FBrush.Style() == bsSolid)
            TImpl::FillDeviceRect(*this, {x1 + 1 + FOrigin.X, y1 + 1 + FOrigin.Y, x2 - 1 + FOrigin.X, y2 - 1 + FOrigin.Y},
                                  ColorToPixel(FBrush.Color()), FPen.Mode());
        else {
            cairo_t* cr = TImpl::Context(*this);
            cairo_rectangle(cr, x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2);
            TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
        }
    }
    if (w <= 1) {
        if (x2 - x1 < 1 || y2 - y1 < 1) return;
        if (!IsStyled(FPen.Style())) {
            const std::uint32_t p = ColorToPixel(FPen.Color());
            const int ox = FOrigin.X, oy = FOrigin.Y;
            const TPenMode mode = FPen.Mode();
            TImpl::FillDeviceRect(*this, {x1 + ox, y1 + oy, x2 + ox, y1 + 1 + oy}, p, mode);
            if (y2 - 1 > y1) TImpl::FillDeviceRect(*this, {x1 + ox, y2 - 1 + oy, x2 + ox, y2 + oy}, p, mode);
            if (y2 - 1 > y1 + 1) {
                TImpl::FillDeviceRect(*this, {x1 + ox, y1 + 1 + oy, x1 + 1 + ox, y2 - 1 + oy}, p, mode);
                if (x2 - 1 > x1) TImpl::FillDeviceRect(*this, {x2 - 1 + ox, y1 + 1 + oy, x2 + ox, y2 - 1 + oy}, p, mode);
            }
            return;
        }
        int phase = 0;
        const TPoint pts[] = {{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}};
        for (int i = 0; i < 4; ++i) TImpl::PixelLine(*this, pts[i], pts[(i + 1) % 4], phase);
        return;
    }
    cairo_t* cr = TImpl::Context(*this);
    const double off = (w % 2) ? 0.5 : 0.0;
    cairo_rectangle(cr, x1 + off, y1 + off, (x2 - 1) - x1, (y2 - 1) - y1);
    TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_MITER, CAIRO_LINE_CAP_SQUARE);
}

void TCanvas::FillRect(const TRect& rect)
{
    if (!FImpl->Surface || !TImpl::BrushVisible(*this) || rtl::IsRectEmpty(rect)) return;
    if (FBrush.Style() == bsSolid) {
        TRect d = rect;
        rtl::OffsetRect(d, FOrigin.X, FOrigin.Y);
        TImpl::FillDeviceRect(*this, d, ColorToPixel(FBrush.Color()), pmCopy);
        return;
    }
    cairo_t* cr = TImpl::Context(*this);
    cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
    TImpl::SetBrushSource(*this, cr);
    cairo_fill(cr);
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (!FImpl->Surface || rtl::IsRectEmpty(rect)) return;
    TRect d = rect;
    rtl::OffsetRect(d, FOrigin.X, FOrigin.Y);
    const std::uint32_t p = ColorToPixel(FBrush.Color());
    TImpl::FillDeviceRect(*this, {d.Left, d.Top, d.Right, d.Top + 1}, p, pmCopy);
    TImpl::FillDeviceRect(*this, {d.Left, d.Bottom - 1, d.Right, d.Bottom}, p, pmCopy);
    TImpl::FillDeviceRect(*this, {d.Left, d.Top, d.Left + 1, d.Bottom}, p, pmCopy);
    TImpl::FillDeviceRect(*this, {d.Right - 1, d.Top, d.Right, d.Bottom}, p, pmCopy);
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    if (!FImpl->Raster || rtl::IsRectEmpty(rect)) return;
    TRect d = rect;
    rtl::OffsetRect(d, FOrigin.X, FOrigin.Y);
    const std::vector<TRect> visible = TImpl::VisibleRects(*this);
    TImpl::BeginPixels(*this);
    // Every other pixel of the frame, by surface pixel parity, inverted: drawing the same
    // focus rectangle twice restores the pixels.
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) == 0) TImpl::Span(*this, visible, y, x, x + 1, 0xFFFFFF, pmXor);
    };
    for (int x = d.Left; x < d.Right; ++x) {
        invert(x, d.Top);
        if (d.Bottom - 1 > d.Top) invert(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        invert(d.Left, y);
        if (d.Right - 1 > d.Left) invert(d.Right - 1, y);
    }
    TImpl::EndPixels(*this);
}

void TCanvas::GradientFill(const TRect& rect, TColor from, TColor to, bool vertical)
{
    if (!FImpl->Surface || rtl::IsRectEmpty(rect)) return;
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    const int n = vertical ? rect.Height() : rect.Width();
    TRect d = rect;
    rtl::OffsetRect(d, FOrigin.X, FOrigin.Y);
    const std::vector<TRect> visible = TImpl::VisibleRects(*this);
    TImpl::BeginPixels(*this);
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? double(i) / (n - 1) : 0.0;
        auto mix = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
        const std::uint32_t px = ColorToPixel(RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                                  mix(GetBValue(a), GetBValue(b))));
        if (vertical) {
            TImpl::Span(*this, visible, d.Top + i, d.Left, d.Right, px, pmCopy);
        } else {
            for (int y = d.Top; y < d.Bottom; ++y) TImpl::Span(*this, visible, y, d.Left + i, d.Left + i + 1, px, pmCopy);
        }
    }
    TImpl::EndPixels(*this);
}

// --- curves ---

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Normalize(x1, x2);
    Normalize(y1, y2);
    if (!FImpl->Surface || x2 - x1 < 1 || y2 - y1 < 1) return;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
    if (TImpl::BrushVisible(*this)) {
        cairo_t* cr = TImpl::Context(*this);
        EllipsePath(cr, cx, cy, rx, ry);
        TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
    }
    if (TImpl::PenVisible(*this)) {
        const double inset = std::max(1, FPen.Width()) / 2.0;
        cairo_t* cr = TImpl::Context(*this);
        EllipsePath(cr, cx, cy, std::max(0.5, rx - inset), std::max(0.5, ry - inset));
        TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_CAP_BUTT);
    }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    Normalize(x1, x2);
    Normalize(y1, y2);
    if (!FImpl->Surface || x2 - x1 < 1 || y2 - y1 < 1) return;
    const double rx = cornerWidth / 2.0, ry = cornerHeight / 2.0;
    if (TImpl::BrushVisible(*this)) {
        cairo_t* cr = TImpl::Context(*this);
        RoundRectPath(cr, x1, y1, x2, y2, rx, ry);
        TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
    }
    if (TImpl::PenVisible(*this)) {
        const double inset = std::max(1, FPen.Width()) / 2.0;
        cairo_t* cr = TImpl::Context(*this);
        RoundRectPath(cr, x1 + inset, y1 + inset, x2 - inset, y2 - inset, rx, ry);
        TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_MITER, CAIRO_LINE_CAP_BUTT);
    }
}

namespace {

// The counter-clockwise elliptic arc from the ray towards (x3, y3) to the ray towards (x4, y4).
void ArcPath(cairo_t* cr, double cx, double cy, double rx, double ry, int x3, int y3, int x4, int y4, bool fromCentre)
{
    if (rx <= 0 || ry <= 0) return;
    const double a1 = std::atan2((y3 - cy) / ry, (x3 - cx) / rx);
    double a2 = std::atan2((y4 - cy) / ry, (x4 - cx) / rx);
    if (a2 >= a1) a2 -= 2 * M_PI;  // counter-clockwise on the screen is decreasing angle
    if (fromCentre) cairo_move_to(cr, cx, cy);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc_negative(cr, 0, 0, 1, a1, a2);
    cairo_restore(cr);
    if (fromCentre) cairo_close_path(cr);
}

}  // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Normalize(x1, x2);
    Normalize(y1, y2);
    if (!FImpl->Surface || !TImpl::PenVisible(*this)) return;
    const double inset = std::max(1, FPen.Width()) / 2.0;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    cairo_t* cr = TImpl::Context(*this);
    ArcPath(cr, cx, cy, (x2 - x1) / 2.0 - inset, (y2 - y1) / 2.0 - inset, x3, y3, x4, y4, false);
    TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_CAP_BUTT);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Normalize(x1, x2);
    Normalize(y1, y2);
    if (!FImpl->Surface) return;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    if (TImpl::BrushVisible(*this)) {
        cairo_t* cr = TImpl::Context(*this);
        ArcPath(cr, cx, cy, (x2 - x1) / 2.0, (y2 - y1) / 2.0, x3, y3, x4, y4, true);
        TImpl::FillPathWithBrush(*this, CAIRO_FILL_RULE_WINDING);
    }
    if (TImpl::PenVisible(*this)) {
        const double inset = std::max(1, FPen.Width()) / 2.0;
        cairo_t* cr = TImpl::Context(*this);
        ArcPath(cr, cx, cy, (x2 - x1) / 2.0 - inset, (y2 - y1) / 2.0 - inset, x3, y3, x4, y4, true);
        TImpl::StrokePathWithPen(*this, CAIRO_LINE_JOIN_MITER, CAIRO_LINE_CAP_BUTT);
    }
}

// --- flood fill ---

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    if (!FImpl->Raster || !TImpl::BrushVisible(*this)) return;
    const int w = SurfaceWidth(), h = SurfaceHeight();
    x += FOrigin.X;
    y += FOrigin.Y;
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    if (FHasClip && !FClip.Contains(x, y)) return;
    const TColor target = ColorToRGB(color);
    const std::uint32_t fill = ColorToPixel(FBrush.Color());
    TImpl::BeginPixels(*this);
    auto inside = [&](int px, int py) {
        const bool same = PixelToColor(TImpl::Row(*this, py)[px]) == target;
        return style == fsBorder ? !same : same;
    };
    if (!inside(x, y)) return;
    std::vector<std::uint8_t> done(static_cast<std::size_t>(w) * h, 0);
    auto allowed = [&](int px, int py) {
        return !done[static_cast<std::size_t>(py) * w + px] && (!FHasClip || FClip.Contains(px, py)) && inside(px, py);
    };
    std::vector<TPoint> stack{{x, y}};
    while (!stack.empty()) {
        TPoint p = stack.back();
        stack.pop_back();
        if (!allowed(p.X, p.Y)) continue;
        int l = p.X, r = p.X;
        while (l > 0 && allowed(l - 1, p.Y)) --l;
        while (r + 1 < w && allowed(r + 1, p.Y)) ++r;
        std::uint32_t* row = TImpl::Row(*this, p.Y);
        for (int i = l; i <= r; ++i) {
            done[static_cast<std::size_t>(p.Y) * w + i] = 1;
            row[i] = fill;
        }
        for (int ny : {p.Y - 1, p.Y + 1}) {
            if (ny < 0 || ny >= h) continue;
            for (int i = l; i <= r; ++i)
                if (allowed(i, ny)) stack.push_back({i, ny});
        }
    }
    TImpl::EndPixels(*this);
}

}  // namespace gfx
