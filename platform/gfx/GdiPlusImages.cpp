// GDI+ stand-in: images from bytes, streams and files, their format, frames and drawing.
#include <algorithm>
#include <vector>

#include "platform/gfx/GdiPlusImpl.h"

namespace gfx {

namespace {

void ShowFrame(GpImage* image)
{
    const TImageFrame& f = image->Decoded.Frames[image->Frame];
    image->Bitmap.SetPixelFormat(pf32bit);
    image->Bitmap.SetAlphaFormat(afPremultiplied);
    image->Bitmap.SetPixels(image->Decoded.Width, image->Decoded.Height, f.Pixels.data(), image->Decoded.Width);
}

}  // namespace

GpStatus GdipLoadImageFromBytes(const std::uint8_t* data, std::size_t size, GpImage** image)
{
    if (!image) return InvalidParameter;
    *image = nullptr;
    if (!data && size) return InvalidParameter;
    auto img = std::make_unique<GpImage>();
    if (!DecodeImage(data, size, img->Decoded)) return OutOfMemory;  // the platform's answer to undecodable data
    img->Bytes.assign(data, data + size);
    switch (img->Decoded.Format) {
    case TImageFormat::Png:
        img->Format = ImageFormatPNG;
        img->Pixels = img->Decoded.HasAlpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
        break;
    case TImageFormat::Jpeg:
        img->Format = ImageFormatJPEG;
        img->Pixels = PixelFormat24bppRGB;
        break;
    case TImageFormat::Gif:
        img->Format = ImageFormatGIF;
        img->Pixels = PixelFormat8bppIndexed;
        break;
    case TImageFormat::Bmp:
        img->Format = ImageFormatBMP;
        img->Pixels = img->Decoded.HasAlpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
        break;
    case TImageFormat::Ico:
        img->Format = ImageFormatIcon;
        img->Pixels = PixelFormat32bppARGB;
        break;
    default: return UnknownImageFormat;
    }
    ShowFrame(img.get());
    *image = img.release();
    return Ok;
}

GpStatus GdipLoadImageFromStream(rtl::TStream* stream, GpImage** image)
{
    if (!stream || !image) return InvalidParameter;
    const TBytes bytes = ReadStreamBytes(*stream);
    return GdipLoadImageFromBytes(bytes.data(), bytes.size(), image);
}

GpStatus GdipLoadImageFromStreamICM(rtl::TStream* stream, GpImage** image) { return GdipLoadImageFromStream(stream, image); }

GpStatus GdipLoadImageFromFile(const std::string& fileName, GpImage** image)
{
    if (!image) return InvalidParameter;
    *image = nullptr;
    TBytes bytes;
    try {
        bytes = ReadAllBytes(fileName);
    } catch (const std::exception&) {
        return FileNotFound;
    }
    return GdipLoadImageFromBytes(bytes.data(), bytes.size(), image);
}

GpStatus GdipLoadImageFromFileICM(const std::string& fileName, GpImage** image) { return GdipLoadImageFromFile(fileName, image); }

GpStatus GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, std::uint8_t* scan0, GpBitmap** bitmap)
{
    if (!bitmap || !IsDecodableSize(width, height)) return InvalidParameter;
    auto img = std::make_unique<GpImage>();
    img->Format = ImageFormatMemoryBMP;
    img->Pixels = format;
    img->Decoded.Format = TImageFormat::Unknown;
    img->Decoded.Width = width;
    img->Decoded.Height = height;
    TImageFrame frame;
    frame.FrameWidth = width;
    frame.FrameHeight = height;
    frame.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
    if (scan0 && stride >= width * 4 && (format == PixelFormat32bppARGB || format == PixelFormat32bppPARGB ||
                                         format == PixelFormat32bppRGB)) {
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(scan0 + static_cast<std::ptrdiff_t>(y) * stride);
            for (int x = 0; x < width; ++x) {
                std::uint32_t p = row[x];
                if (format == PixelFormat32bppRGB) p |= 0xFF000000u;
                else if (format == PixelFormat32bppARGB) {
                    const std::uint32_t a = p >> 24;
                    p = (a << 24) | ((((p >> 16) & 0xFF) * a / 255) << 16) | ((((p >> 8) & 0xFF) * a / 255) << 8) | ((p & 0xFF) * a / 255);
                }
                frame.Pixels[static_cast<std::size_t>(y) * width + x] = p;
            }
        }
    }
    img->Decoded.Frames.push_back(std::move(frame));
    ShowFrame(img.get());
    *bitmap = img.release();
    return Ok;
}

GpStatus GdipDisposeImage(GpImage* image)
{
    if (!image) return InvalidParameter;
    delete image;
    return Ok;
}

GpStatus GdipGetImageWidth(GpImage* image, unsigned* width)
{
    if (!image || !width) return InvalidParameter;
    *width = static_cast<unsigned>(image->Decoded.Width);
    return Ok;
}

GpStatus GdipGetImageHeight(GpImage* image, unsigned* height)
{
    if (!image || !height) return InvalidParameter;
    *height = static_cast<unsigned>(image->Decoded.Height);
    return Ok;
}

GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format)
{
    if (!image || !format) return InvalidParameter;
    *format = image->Format;
    return Ok;
}

GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format)
{
    if (!image || !format) return InvalidParameter;
    *format = image->Pixels;
    return Ok;
}

GpStatus GdipGetImageType(GpImage* image, GpImageType* type)
{
    if (!image || !type) return InvalidParameter;
    *type = ImageTypeBitmap;
    return Ok;
}

GpStatus GdipImageGetFrameCount(GpImage* image, const GUID*, unsigned* count)
{
    if (!image || !count) return InvalidParameter;
    *count = static_cast<unsigned>(image->Decoded.Frames.size());
    return Ok;
}

GpStatus GdipImageSelectActiveFrame(GpImage* image, const GUID*, unsigned index)
{
    if (!image) return InvalidParameter;
    if (index >= image->Decoded.Frames.size()) return InvalidParameter;
    if (index == image->Frame) return Ok;
    image->Frame = index;
    ShowFrame(image);
    return Ok;
}

GpStatus GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* color)
{
    if (!bitmap || !color || x < 0 || y < 0 || x >= bitmap->Bitmap.Width() || y >= bitmap->Bitmap.Height())
        return InvalidParameter;
    const std::uint32_t p = bitmap->Bitmap.ScanLine(y)[x];
    const std::uint32_t a = p >> 24;
    if (a == 0) {
        *color = 0;
        return Ok;
    }
    auto un = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    *color = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
    return Ok;
}

GpStatus GdipSaveImageToFile(GpImage* image, const std::string& fileName, const GUID*, const void*)
{
    if (!image) return InvalidParameter;
    try {
        image->Bitmap.SaveToPngFile(fileName);
    } catch (const std::exception&) {
        return Win32Error;
    }
    return Ok;
}

GpStatus GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth, REAL dstheight,
                               REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, GpUnit, const GpImageAttributes*, void*,
                               void*)
{
    if (!graphics || !image) return InvalidParameter;
    if (srcwidth <= 0 || srcheight <= 0) return InvalidParameter;
    if (image->Bitmap.Empty() || dstwidth == 0 || dstheight == 0) return Ok;
    cairo_t* cr = gdip::Begin(graphics);
    if (!cr) return Ok;
    cairo_rectangle(cr, dstx, dsty, dstwidth, dstheight);
    cairo_clip(cr);
    cairo_translate(cr, dstx, dsty);
    cairo_scale(cr, dstwidth / srcwidth, dstheight / srcheight);
    cairo_set_source_surface(cr, image->Bitmap.Surface(), -srcx, -srcy);
    const GpInterpolationMode m = graphics->Interpolation;
    cairo_pattern_set_filter(cairo_get_source(cr), m == InterpolationModeNearestNeighbor ? CAIRO_FILTER_NEAREST
                                                   : (m == InterpolationModeHighQuality || m == InterpolationModeHighQualityBicubic ||
                                                      m == InterpolationModeBicubic)
                                                       ? CAIRO_FILTER_BEST
                                                       : CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    gdip::End(graphics, cr);
    return Ok;
}

GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height)
{
    if (!image) return InvalidParameter;
    return GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, REAL(image->Decoded.Width),
                                 REAL(image->Decoded.Height), UnitPixel, nullptr, nullptr, nullptr);
}

GpStatus GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, int x, int y, int width, int height)
{
    return GdipDrawImageRect(graphics, image, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y)
{
    if (!image) return InvalidParameter;
    return GdipDrawImageRect(graphics, image, REAL(x), REAL(y), REAL(image->Decoded.Width), REAL(image->Decoded.Height));
}

}  // namespace gfx
