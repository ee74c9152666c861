// TBitmap: an ARGB32 pixel image with its own canvas, read and written as BMP.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"

namespace gfx {

// Pixel format tag. Pixels are always stored as premultiplied ARGB32; pf24bit keeps every
// pixel opaque, pf32bit keeps the alpha channel (see AlphaFormat).
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    // Takes the pixels and canvas over; the source is left empty.
    TBitmap(TBitmap&& other);

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int value) override { SetSize(value, FHeight); }
    void SetHeight(int value) override { SetSize(FWidth, value); }
    // Resizes; the kept part of the picture stays, new pixels are white (pf24bit) or
    // transparent black (pf32bit).
    void SetSize(int width, int height);
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat value) { FAlphaFormat = value; }

    // The bitmap's own canvas (always attached while the bitmap has pixels).
    TCanvas& Canvas();
    const TCanvas& Canvas() const;
    // Row `y` of the pixels: Width() values 0xAARRGGBB, colour premultiplied by alpha.
    // Call Canvas().Changed() after writing through it.
    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    _cairo_surface* Surface() const { return FSurface; }

    // Transparent drawing: pixels of TransparentColor are skipped. In tmAuto the colour is
    // the bottom-left pixel's.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }

    void Draw(TCanvas& canvas, const rtl::TRect& rect) const override;
    // BMP files (1, 4, 8, 16, 24, 32 bit; uncompressed, RLE4, RLE8, bit fields).
    void LoadFromBytes(const std::uint8_t* data, std::size_t size) override;
    using TGraphic::LoadFromBytes;
    TBytes SaveToBytes() const override;   // BMP: 24 bit, or 32 bit for pf32bit
    void SaveToPngFile(const std::string& fileName) const;

    void Assign(const rtl::TPersistent* source) override;
    std::string ClassName() const override { return "TBitmap"; }

    // Replaces the pixels by a copy of premultiplied ARGB32 data (stride in pixels).
    void SetPixels(int width, int height, const std::uint32_t* pixels, int stridePixels);

private:
    void Recreate(int width, int height);
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    _cairo_surface* FSurface = nullptr;
    std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace gfx
