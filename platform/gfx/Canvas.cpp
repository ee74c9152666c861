// TCanvas: surface, clipping, saved states, pixel access and the raster operations.
#include "platform/gfx/Canvas.h"

#include <algorithm>

#include "platform/gfx/CanvasImpl.h"

namespace gfx {

using rtl::TPoint;
using rtl::TRect;

std::uint32_t ColorToPixel(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

TColor PixelToColor(std::uint32_t pixel)
{
    const std::uint32_t a = pixel >> 24;
    std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    if (a != 0 && a != 255) {
        r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
        g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
        b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
    }
    return RGB(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
}

std::uint32_t ApplyRop(TPenMode mode, std::uint32_t pen, std::uint32_t dest)
{
    const std::uint32_t p = pen & 0xFFFFFF, d = dest & 0xFFFFFF;
    std::uint32_t r;
    switch (mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = 0xFFFFFF; break;
    case pmNop: r = d; break;
    case pmNot: r = ~d; break;
    case pmCopy: return 0xFF000000u | p;
    case pmNotCopy: return 0xFF000000u | (~p & 0xFFFFFF);
    case pmMergePenNot: r = p | ~d; break;
    case pmMaskPenNot: r = p & ~d; break;
    case pmMergeNotPen: r = ~p | d; break;
    case pmMaskNotPen: r = ~p & d; break;
    case pmMerge: r = p | d; break;
    case pmNotMerge: r = ~(p | d); break;
    case pmMask: r = p & d; break;
    case pmNotMask: r = ~(p & d); break;
    case pmXor: r = p ^ d; break;
    case pmNotXor: r = ~(p ^ d); break;
    default: r = p; break;
    }
    return (dest & 0xFF000000u) | (r & 0xFFFFFF);
}

// --- construction and surface ---

TCanvas::TCanvas() : FImpl(std::make_unique<TImpl>())
{
    // A solid brush makes text and gaps opaque in its colour; a clear or hatched brush
    // makes them transparent (a hatch shows what is below between its lines).
    FBrush.FOwnerChanged = [this]() {
        if (FBrush.Style() == bsSolid) {
            FBkColor = FBrush.Color();
            FBkMode = OPAQUE;
        } else {
            FBkColor = ColorToRGB(FBrush.Color()) ^ 0xFFFFFF;
            FBkMode = TRANSPARENT;
        }
    };
}

TCanvas::TCanvas(_cairo_surface* surface) : TCanvas() { Attach(surface); }

TCanvas::~TCanvas() { Detach(); }

TCanvas::TCanvas(_cairo_surface* surface, int width, int height) : TCanvas() { Attach(surface, width, height); }

void TCanvas::Attach(_cairo_surface* surface)
{
    if (surface && cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE) {
        Attach(surface, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
        return;
    }
    Attach(surface, 0, 0);
}

void TCanvas::Attach(_cairo_surface* surface, int width, int height)
{
    Detach();
    if (!surface) return;
    FImpl->Surface = cairo_surface_reference(surface);
    FImpl->Raster = cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE &&
                    cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    FImpl->Width = std::max(0, width);
    FImpl->Height = std::max(0, height);
    FImpl->CrValid = false;
}

void TCanvas::Detach()
{
    if (FImpl->Cr) cairo_destroy(FImpl->Cr);
    if (FImpl->Surface) cairo_surface_destroy(FImpl->Surface);
    FImpl->Cr = nullptr;
    FImpl->Surface = nullptr;
    FImpl->Raster = false;
    FImpl->Width = FImpl->Height = 0;
    FImpl->CrValid = false;
}

bool TCanvas::HandleAllocated() const { return FImpl->Surface != nullptr; }
_cairo_surface* TCanvas::Surface() const { return FImpl->Surface; }

_cairo* TCanvas::Handle()
{
    cairo_t* cr = TImpl::Context(*this);
    if (cr) cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    return cr;
}

int TCanvas::SurfaceWidth() const { return FImpl->Width; }
int TCanvas::SurfaceHeight() const { return FImpl->Height; }

void TCanvas::Changed()
{
    if (FImpl->Raster) cairo_surface_mark_dirty(FImpl->Surface);
}

cairo_t* TCanvas::TImpl::Context(TCanvas& c)
{
    TImpl& impl = *c.FImpl;
    if (!impl.Surface) return nullptr;
    if (!impl.Cr) {
        impl.Cr = cairo_create(impl.Surface);
        impl.CrValid = false;
    }
    cairo_t* cr = impl.Cr;
    if (!impl.CrValid) {
        cairo_reset_clip(cr);
        cairo_identity_matrix(cr);
        if (c.FHasClip) {
            cairo_new_path(cr);
            for (const TRect& r : c.FClip.Rects()) cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
            cairo_clip(cr);
        }
        cairo_translate(cr, c.FOrigin.X, c.FOrigin.Y);
        impl.CrValid = true;
    }
    cairo_new_path(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    return cr;
}

std::vector<TRect> TCanvas::TImpl::VisibleRects(const TCanvas& c)
{
    std::vector<TRect> out;
    if (!c.FImpl->Surface) return out;
    const TRect whole{0, 0, c.SurfaceWidth(), c.SurfaceHeight()};
    if (!c.FHasClip) {
        if (!rtl::IsRectEmpty(whole)) out.push_back(whole);
        return out;
    }
    TRect i;
    for (const TRect& r : c.FClip.Rects())
        if (rtl::IntersectRect(i, r, whole)) out.push_back(i);
    return out;
}

std::uint32_t* TCanvas::TImpl::Row(const TCanvas& c, int y)
{
    cairo_surface_t* s = c.FImpl->Surface;
    unsigned char* data = cairo_image_surface_get_data(s);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(s));
}

void TCanvas::TImpl::BeginPixels(const TCanvas& c)
{
    if (c.FImpl->Raster) cairo_surface_flush(c.FImpl->Surface);
}

void TCanvas::TImpl::EndPixels(const TCanvas& c)
{
    if (c.FImpl->Raster) cairo_surface_mark_dirty(c.FImpl->Surface);
}

void TCanvas::TImpl::VectorRect(TCanvas& c, const TRect& r, std::uint32_t pixel)
{
    cairo_t* cr = Context(c);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
    cairo_set_source_rgb(cr, ((pixel >> 16) & 0xFF) / 255.0, ((pixel >> 8) & 0xFF) / 255.0, (pixel & 0xFF) / 255.0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void TCanvas::TImpl::Span(TCanvas& c, const std::vector<TRect>& visible, int y, int x1, int x2,
                          std::uint32_t pixel, TPenMode mode)
{
    if (x2 <= x1) return;
    if (!c.FImpl->Raster) {
        VectorRect(c, {x1, y, x2, y + 1}, mode == pmCopy ? pixel : ApplyRop(mode, pixel, 0xFFFFFFFFu));
        return;
    }
    for (const TRect& r : visible) {
        if (y < r.Top || y >= r.Bottom) continue;
        const int a = std::max(x1, r.Left), b = std::min(x2, r.Right);
        if (a >= b) continue;
        std::uint32_t* row = Row(c, y);
        if (mode == pmCopy) {
            std::fill(row + a, row + b, pixel);
        } else {
            for (int x = a; x < b; ++x) row[x] = ApplyRop(mode, pixel, row[x]);
        }
    }
}

void TCanvas::TImpl::FillDeviceRect(TCanvas& c, const TRect& r, std::uint32_t pixel, TPenMode mode)
{
    if (rtl::IsRectEmpty(r) || !c.FImpl->Surface) return;
    if (!c.FImpl->Raster) {
        VectorRect(c, r, mode == pmCopy ? pixel : ApplyRop(mode, pixel, 0xFFFFFFFFu));
        return;
    }
    cairo_surface_t* s = c.FImpl->Surface;
    const TRect whole{0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    auto fill = [&](const TRect& area) {
        TRect i;
        if (!rtl::IntersectRect(i, area, r) || !rtl::IntersectRect(i, i, whole)) return;
        for (int y = i.Top; y < i.Bottom; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
            if (mode == pmCopy) std::fill(row + i.Left, row + i.Right, pixel);
            else
                for (int x = i.Left; x < i.Right; ++x) row[x] = ApplyRop(mode, pixel, row[x]);
        }
    };
    if (c.FHasClip) {
        for (const TRect& v : c.FClip.Rects()) fill(v);
    } else {
        fill(whole);
    }
    TRect dirty;
    if (rtl::IntersectRect(dirty, r, whole)) cairo_surface_mark_dirty_rectangle(s, dirty.Left, dirty.Top, dirty.Width(), dirty.Height());
}

// --- origin, clipping and saved states ---

void TCanvas::SetOrigin(int x, int y)
{
    if (FOrigin.X == x && FOrigin.Y == y) return;
    FOrigin = {x, y};
    TImpl::Invalidate(*this);
}

TRect TCanvas::ClipRect() const
{
    TRect r;
    if (FHasClip) {
        r = FClip.Bounds();
    } else {
        r = {0, 0, SurfaceWidth(), SurfaceHeight()};
        if (!FImpl->Surface) r = {0, 0, 0, 0};
    }
    rtl::OffsetRect(r, -FOrigin.X, -FOrigin.Y);
    return r;
}

TRegion TCanvas::ClipRegion() const
{
    if (FHasClip) return FClip;
    return TRegion(TRect{0, 0, SurfaceWidth(), SurfaceHeight()});
}

void TCanvas::SetClipRect(const TRect& rect)
{
    TRect r = rect;
    rtl::OffsetRect(r, FOrigin.X, FOrigin.Y);
    FClip = TRegion(r);
    FHasClip = true;
    TImpl::Invalidate(*this);
}

void TCanvas::SetClipRegion(const TRegion& region)
{
    FClip = region;
    FClip.Offset(FOrigin.X, FOrigin.Y);
    FHasClip = true;
    TImpl::Invalidate(*this);
}

void TCanvas::IntersectClipRect(const TRect& rect)
{
    TRect r = rect;
    rtl::OffsetRect(r, FOrigin.X, FOrigin.Y);
    if (!FHasClip) {
        FClip = TRegion(TRect{0, 0, SurfaceWidth(), SurfaceHeight()});
        FHasClip = true;
    }
    FClip.Intersect(r);
    TImpl::Invalidate(*this);
}

void TCanvas::ExcludeClipRect(const TRect& rect)
{
    TRect r = rect;
    rtl::OffsetRect(r, FOrigin.X, FOrigin.Y);
    if (!FHasClip) {
        FClip = TRegion(TRect{0, 0, SurfaceWidth(), SurfaceHeight()});
        FHasClip = true;
    }
    FClip.Subtract(r);
    TImpl::Invalidate(*this);
}

void TCanvas::ResetClip()
{
    FHasClip = false;
    FClip.Clear();
    TImpl::Invalidate(*this);
}

bool TCanvas::RectVisible(const TRect& rect) const
{
    TRect r = rect;
    rtl::OffsetRect(r, FOrigin.X, FOrigin.Y);
    if (FHasClip) return FClip.Intersects(r);
    TRect i;
    return rtl::IntersectRect(i, r, TRect{0, 0, SurfaceWidth(), SurfaceHeight()});
}

int TCanvas::SaveState()
{
    TCanvasState s;
    s.Pen.Assign(&FPen);
    s.Brush.Assign(&FBrush);
    s.Font.Assign(&FFont);
    s.PenPos = FPenPos;
    s.Origin = FOrigin;
    s.BkMode = FBkMode;
    s.BkColor = FBkColor;
    s.HasClip = FHasClip;
    s.Clip = FClip;
    s.CopyMode = FCopyMode;
    FImpl->Saved.push_back(std::move(s));
    return static_cast<int>(FImpl->Saved.size());
}

void TCanvas::RestoreState(int level)
{
    auto& saved = FImpl->Saved;
    if (saved.empty()) return;
    if (level < 0) level = static_cast<int>(saved.size());
    if (level < 1 || level > static_cast<int>(saved.size())) return;
    TCanvasState s = std::move(saved[level - 1]);
    saved.resize(level - 1);
    FPen.Assign(&s.Pen);
    FBrush.Assign(&s.Brush);
    FFont.Assign(&s.Font);
    FPenPos = s.PenPos;
    FOrigin = s.Origin;
    FBkMode = s.BkMode;
    FBkColor = s.BkColor;
    FHasClip = s.HasClip;
    FClip = std::move(s.Clip);
    FCopyMode = s.CopyMode;
    TImpl::Invalidate(*this);
}

// --- pixels ---

TColor TCanvas::Pixels(int x, int y) const
{
    if (!FImpl->Raster) return clNone;
    x += FOrigin.X;
    y += FOrigin.Y;
    if (x < 0 || y < 0 || x >= SurfaceWidth() || y >= SurfaceHeight()) return clNone;
    TImpl::BeginPixels(*this);
    return PixelToColor(TImpl::Row(*this, y)[x]);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    if (!FImpl->Surface) return;
    x += FOrigin.X;
    y += FOrigin.Y;
    const std::vector<TRect> visible = TImpl::VisibleRects(*this);
    TImpl::BeginPixels(*this);
    TImpl::Span(*this, visible, y, x, x + 1, ColorToPixel(color), pmCopy);
    TImpl::EndPixels(*this);
}

}  // namespace gfx
