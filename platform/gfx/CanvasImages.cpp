// TCanvas picture output: Draw, StretchDraw, CopyRect, BrushCopy, AlphaBlend, PNG saving.
#include <algorithm>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CanvasImpl.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/rtl/Exceptions.h"

namespace gfx {

using rtl::TRect;

namespace {

// Pixels of a rectangle of a canvas (logical coordinates), outside the surface transparent.
std::vector<std::uint32_t> ReadPixels(const TCanvas& c, const TRect& r)
{
    const int w = std::max(0, r.Width()), h = std::max(0, r.Height());
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h, 0);
    cairo_surface_t* s = c.Surface();
    if (!s || cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return out;
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const int sw = cairo_image_surface_get_width(s), sh = cairo_image_surface_get_height(s);
    const int ox = c.Origin().X + r.Left, oy = c.Origin().Y + r.Top;
    for (int y = 0; y < h; ++y) {
        const int sy = oy + y;
        if (sy < 0 || sy >= sh) continue;
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(sy) * stride);
        for (int x = 0; x < w; ++x) {
            const int sx = ox + x;
            if (sx >= 0 && sx < sw) out[static_cast<std::size_t>(y) * w + x] = row[sx];
        }
    }
    return out;
}

std::uint32_t CopyRop(std::uint32_t mode, std::uint32_t s, std::uint32_t d, std::uint32_t p)
{
    std::uint32_t r;
    switch (mode) {
    case cmSrcCopy: return s;
    case cmBlackness: r = 0; break;
    case cmWhiteness: r = 0xFFFFFF; break;
    case cmDstInvert: r = ~d; break;
    case cmNotSrcCopy: r = ~s; break;
    case cmSrcInvert: r = s ^ d; break;
    case cmSrcAnd: r = s & d; break;
    case cmSrcPaint: r = s | d; break;
    case cmSrcErase: r = s & ~d; break;
    case cmNotSrcErase: r = ~(s | d); break;
    case cmMergePaint: r = ~s | d; break;
    case cmMergeCopy: r = s & p; break;
    case cmPatCopy: r = p; break;
    case cmPatInvert: r = p ^ d; break;
    case cmPatPaint: r = ~s | p | d; break;
    default: return s;
    }
    return 0xFF000000u | (r & 0xFFFFFF);
}

}  // namespace

void TCanvas::TImpl::PaintPixels(TCanvas& c, const TRect& dest, const std::uint32_t* pixels, int width, int height,
                                 int stridePixels, bool blend, double opacity)
{
    if (!c.FImpl->Surface || width <= 0 || height <= 0 || rtl::IsRectEmpty(dest)) return;
    cairo_surface_t* src = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(pixels)), blend ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
        width, height, stridePixels * 4);
    cairo_t* cr = Context(c);
    cairo_save(cr);
    cairo_rectangle(cr, dest.Left, dest.Top, dest.Width(), dest.Height());
    cairo_clip(cr);
    cairo_translate(cr, dest.Left, dest.Top);
    cairo_scale(cr, double(dest.Width()) / width, double(dest.Height()) / height);
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    if (opacity >= 1.0) cairo_paint(cr);
    else cairo_paint_with_alpha(cr, opacity);
    cairo_restore(cr);
    cairo_surface_destroy(src);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.Draw(*this, rtl::Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (!FImpl->Surface || rtl::IsRectEmpty(dest) || rtl::IsRectEmpty(sourceRect)) return;
    // Read first: source and destination may be the same surface.
    const std::vector<std::uint32_t> src = ReadPixels(source, sourceRect);
    const int sw = sourceRect.Width(), sh = sourceRect.Height();
    const int dw = dest.Width(), dh = dest.Height();
    if (!FImpl->Raster) {
        TImpl::PaintPixels(*this, dest, src.data(), sw, sh, sw, false);
        return;
    }
    const std::uint32_t pat = ColorToPixel(FBrush.Color());
    const std::vector<TRect> visible = TImpl::VisibleRects(*this);
    TImpl::BeginPixels(*this);
    for (const TRect& v : visible) {
        TRect d = dest;
        rtl::OffsetRect(d, FOrigin.X, FOrigin.Y);
        TRect i;
        if (!rtl::IntersectRect(i, d, v)) continue;
        for (int y = i.Top; y < i.Bottom; ++y) {
            const int sy = static_cast<int>(static_cast<long long>(y - d.Top) * sh / dh);
            std::uint32_t* row = TImpl::Row(*this, y);
            for (int x = i.Left; x < i.Right; ++x) {
                const int sx = static_cast<int>(static_cast<long long>(x - d.Left) * sw / dw);
                row[x] = CopyRop(FCopyMode, src[static_cast<std::size_t>(sy) * sw + sx], row[x], pat);
            }
        }
    }
    TImpl::EndPixels(*this);
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& sourceRect, TColor color)
{
    if (!FImpl->Surface || bitmap.Empty() || rtl::IsRectEmpty(sourceRect)) return;
    std::vector<std::uint32_t> src = ReadPixels(bitmap.Canvas(), sourceRect);
    const TColor key = ColorToRGB(color);
    const std::uint32_t brush = ColorToPixel(FBrush.Color());
    for (std::uint32_t& p : src)
        if (PixelToColor(p) == key) p = brush;
    TImpl::PaintPixels(*this, dest, src.data(), sourceRect.Width(), sourceRect.Height(), sourceRect.Width(), false);
}

void TCanvas::AlphaBlend(const TRect& dest, const TCanvas& source, const TRect& sourceRect, std::uint8_t constantAlpha,
                         bool perPixelAlpha)
{
    if (!FImpl->Surface || rtl::IsRectEmpty(sourceRect)) return;
    const std::vector<std::uint32_t> src = ReadPixels(source, sourceRect);
    TImpl::PaintPixels(*this, dest, src.data(), sourceRect.Width(), sourceRect.Height(), sourceRect.Width(), perPixelAlpha,
                       constantAlpha / 255.0);
}

void TCanvas::SaveToPngFile(const std::string& fileName) const
{
    const int w = SurfaceWidth(), h = SurfaceHeight();
    std::vector<std::uint8_t> png;
    if (FImpl->Raster) {
        cairo_surface_flush(FImpl->Surface);
        const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(FImpl->Surface));
        EncodePng(w, h, data, cairo_image_surface_get_stride(FImpl->Surface) / 4, png);
    }
    if (png.empty()) throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". The canvas has no pixels");
    WriteAllBytes(fileName, png.data(), png.size());
}

}  // namespace gfx
