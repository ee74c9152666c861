// TBitmap: pixels on a cairo image surface, its canvas, transparency and BMP files.
#include "platform/gfx/Bitmap.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/CanvasImpl.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"

namespace gfx {

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(TBitmap&& other)
    : TGraphic(other), FWidth(other.FWidth), FHeight(other.FHeight), FPixelFormat(other.FPixelFormat),
      FAlphaFormat(other.FAlphaFormat), FTransparentMode(other.FTransparentMode),
      FTransparentColor(other.FTransparentColor), FSurface(other.FSurface), FCanvas(std::move(other.FCanvas))
{
    other.FSurface = nullptr;
    other.FWidth = other.FHeight = 0;
    other.FCanvas = std::make_unique<TCanvas>();
}

TBitmap::~TBitmap()
{
    FCanvas->Detach();
    if (FSurface) cairo_surface_destroy(FSurface);
}

void TBitmap::Recreate(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    cairo_surface_t* old = FSurface;
    const int oldW = FWidth, oldH = FHeight;
    FSurface = nullptr;
    FWidth = width;
    FHeight = height;
    if (width > 0 && height > 0) {
        FSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        if (cairo_surface_status(FSurface) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(FSurface);
            FSurface = nullptr;
            FWidth = FHeight = 0;
            if (old) cairo_surface_destroy(old);
            FCanvas->Detach();
            throw rtl::EOutOfMemory("Out of system resources");
        }
        cairo_surface_flush(FSurface);
        const std::uint32_t blank = FPixelFormat == pf32bit ? 0u : 0xFFFFFFFFu;
        for (int y = 0; y < height; ++y) {
            std::uint32_t* row = ScanLine(y);
            std::fill(row, row + width, blank);
            if (old && y < oldH) {
                const auto* src = reinterpret_cast<const std::uint32_t*>(
                    cairo_image_surface_get_data(old) + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(old));
                std::memcpy(row, src, sizeof(std::uint32_t) * static_cast<std::size_t>(std::min(width, oldW)));
            }
        }
        cairo_surface_mark_dirty(FSurface);
    }
    if (FSurface) FCanvas->Attach(FSurface);
    else FCanvas->Detach();
    if (old) cairo_surface_destroy(old);
}

void TBitmap::SetSize(int width, int height)
{
    if (width == FWidth && height == FHeight) return;
    Recreate(width, height);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (FPixelFormat == value) return;
    FPixelFormat = value;
    if (value != pf32bit && FSurface) {
        cairo_surface_flush(FSurface);
        for (int y = 0; y < FHeight; ++y) {
            std::uint32_t* row = ScanLine(y);
            for (int x = 0; x < FWidth; ++x) row[x] = ColorToPixel(PixelToColor(row[x]));
        }
        cairo_surface_mark_dirty(FSurface);
    }
    Changed();
}

TCanvas& TBitmap::Canvas() { return *FCanvas; }
const TCanvas& TBitmap::Canvas() const { return *FCanvas; }

std::uint32_t* TBitmap::ScanLine(int y)
{
    if (!FSurface || y < 0 || y >= FHeight) throw rtl::ERangeError("Scan line index out of range");
    cairo_surface_flush(FSurface);
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(FSurface) +
                                            static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(FSurface));
}

const std::uint32_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (!FSurface) return clNone;
    cairo_surface_flush(FSurface);
    return PixelToColor(ScanLine(FHeight - 1)[0]);
}

void TBitmap::SetTransparentColor(TColor value)
{
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const rtl::TRect& rect) const
{
    if (!FSurface) return;
    cairo_surface_flush(FSurface);
    const int stride = cairo_image_surface_get_stride(FSurface) / 4;
    const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(FSurface));
    if (Transparent()) {
        const TColor key = ColorToRGB(TransparentColor());
        std::vector<std::uint32_t> copy(static_cast<std::size_t>(FWidth) * FHeight);
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x) {
                const std::uint32_t p = data[static_cast<std::ptrdiff_t>(y) * stride + x];
                copy[static_cast<std::size_t>(y) * FWidth + x] = PixelToColor(p) == key ? 0u : p;
            }
        TCanvas::TImpl::PaintPixels(canvas, rect, copy.data(), FWidth, FHeight, FWidth, true);
        return;
    }
    const bool blend = FPixelFormat == pf32bit && FAlphaFormat != afIgnored;
    TCanvas::TImpl::PaintPixels(canvas, rect, data, FWidth, FHeight, stride, blend);
}

void TBitmap::SetPixels(int width, int height, const std::uint32_t* pixels, int stridePixels)
{
    Recreate(width, height);
    if (FSurface) {
        cairo_surface_flush(FSurface);
        for (int y = 0; y < FHeight; ++y)
            std::memcpy(ScanLine(y), pixels + static_cast<std::ptrdiff_t>(y) * stridePixels,
                        sizeof(std::uint32_t) * static_cast<std::size_t>(FWidth));
        cairo_surface_mark_dirty(FSurface);
    }
    Changed();
}

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    TDecodedImage image;
    if (!DecodeBmp(data, size, image)) {
        Recreate(0, 0);
        Changed();
        return;
    }
    FPixelFormat = image.HasAlpha ? pf32bit : pf24bit;
    FAlphaFormat = image.HasAlpha ? afDefined : afIgnored;
    SetPixels(image.Width, image.Height, image.Frames[0].Pixels.data(), image.Width);
}

TBytes TBitmap::SaveToBytes() const
{
    if (!FSurface) return EncodeBmp(0, 0, nullptr, 0, false);
    cairo_surface_flush(FSurface);
    return EncodeBmp(FWidth, FHeight, reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(FSurface)),
                     cairo_image_surface_get_stride(FSurface) / 4, FPixelFormat == pf32bit);
}

void TBitmap::SaveToPngFile(const std::string& fileName) const { FCanvas->SaveToPngFile(fileName); }

void TBitmap::Assign(const rtl::TPersistent* source)
{
    if (source == this) return;
    if (auto* b = dynamic_cast<const TBitmap*>(source)) {
        FPixelFormat = b->FPixelFormat;
        FAlphaFormat = b->FAlphaFormat;
        FTransparentMode = b->FTransparentMode;
        FTransparentColor = b->FTransparentColor;
        SetTransparent(b->Transparent());
        if (b->FSurface) {
            cairo_surface_flush(b->FSurface);
            SetPixels(b->FWidth, b->FHeight, reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(b->FSurface)),
                      cairo_image_surface_get_stride(b->FSurface) / 4);
        } else {
            Recreate(0, 0);
            Changed();
        }
        return;
    }
    if (auto* r = dynamic_cast<const TRasterImage*>(source)) {
        r->ToBitmap(*this);
        return;
    }
    if (source == nullptr) {
        Recreate(0, 0);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

}  // namespace gfx
