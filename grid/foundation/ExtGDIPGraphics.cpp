// GDI+ object layer: the graphics object (drawing, filling, images and text) and the images it draws.
#include <cmath>
#include <exception>
#include <memory>

#include "grid/foundation/ExtGDIP.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

TGPGraphics::TGPGraphics(gfx::TCanvas* canvas) { lastResult = gfx::GdipCreateFromHDC(canvas, &nativeGraphics); }
TGPGraphics::TGPGraphics(TGPImage* image)
{
    lastResult = gfx::GdipGetImageGraphicsContext(image ? image->Native() : nullptr, &nativeGraphics);
}
TGPGraphics::~TGPGraphics() { gfx::GdipDeleteGraphics(nativeGraphics); }

Status TGPGraphics::Record(Status s)
{
    if (s != gfx::Ok) lastResult = s;
    return s;
}

Status TGPGraphics::GetLastStatus()
{
    const Status s = lastResult;
    lastResult = gfx::Ok;
    return s;
}

Status TGPGraphics::Flush(int intention) { return Record(gfx::GdipFlush(nativeGraphics, intention)); }
Status TGPGraphics::Clear(ARGB color) { return Record(gfx::GdipGraphicsClear(nativeGraphics, color)); }
Status TGPGraphics::SetTextRenderingHint(gfx::GpTextRenderingHint hint) { return Record(gfx::GdipSetTextRenderingHint(nativeGraphics, hint)); }
gfx::GpTextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    gfx::GpTextRenderingHint h = gfx::TextRenderingHintSystemDefault;
    Record(gfx::GdipGetTextRenderingHint(nativeGraphics, &h));
    return h;
}
Status TGPGraphics::SetSmoothingMode(gfx::GpSmoothingMode mode) { return Record(gfx::GdipSetSmoothingMode(nativeGraphics, mode)); }
gfx::GpSmoothingMode TGPGraphics::GetSmoothingMode()
{
    gfx::GpSmoothingMode m = gfx::SmoothingModeInvalid;
    Record(gfx::GdipGetSmoothingMode(nativeGraphics, &m));
    return m;
}
Status TGPGraphics::TranslateTransform(float dx, float dy, int order) { return Record(gfx::GdipTranslateWorldTransform(nativeGraphics, dx, dy, order)); }
Status TGPGraphics::RotateTransform(float angle, int order) { return Record(gfx::GdipRotateWorldTransform(nativeGraphics, angle, order)); }
Status TGPGraphics::ScaleTransform(float sx, float sy, int order) { return Record(gfx::GdipScaleWorldTransform(nativeGraphics, sx, sy, order)); }
Status TGPGraphics::ResetTransform() { return Record(gfx::GdipResetWorldTransform(nativeGraphics)); }
Status TGPGraphics::SetClip(const TGPRectF& r, gfx::GpCombineMode mode)
{
    return Record(gfx::GdipSetClipRect(nativeGraphics, r.X, r.Y, r.Width, r.Height, mode));
}
Status TGPGraphics::ExcludeClip(const TGPRectF& r) { return SetClip(r, gfx::CombineModeExclude); }
Status TGPGraphics::ResetClip() { return Record(gfx::GdipResetClip(nativeGraphics)); }

Status TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2)
{
    return Record(gfx::GdipDrawLine(nativeGraphics, pen ? pen->Native() : nullptr, x1, y1, x2, y2));
}
Status TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& r) { return DrawRectangle(pen, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::DrawRectangle(const TGPPen* pen, float x, float y, float w, float h)
{
    return Record(gfx::GdipDrawRectangle(nativeGraphics, pen ? pen->Native() : nullptr, x, y, w, h));
}
Status TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& r) { return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::DrawEllipse(const TGPPen* pen, float x, float y, float w, float h)
{
    return Record(gfx::GdipDrawEllipse(nativeGraphics, pen ? pen->Native() : nullptr, x, y, w, h));
}
Status TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRect& r) { return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::DrawEllipse(const TGPPen* pen, int x, int y, int w, int h)
{
    return DrawEllipse(pen, float(x), float(y), float(w), float(h));
}
Status TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& r, float start, float sweep)
{
    return DrawArc(pen, r.X, r.Y, r.Width, r.Height, start, sweep);
}
Status TGPGraphics::DrawArc(const TGPPen* pen, float x, float y, float w, float h, float start, float sweep)
{
    return Record(gfx::GdipDrawArc(nativeGraphics, pen ? pen->Native() : nullptr, x, y, w, h, start, sweep));
}
Status TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path)
{
    return Record(gfx::GdipDrawPath(nativeGraphics, pen ? pen->Native() : nullptr, path ? path->Native() : nullptr));
}
Status TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& r) { return FillRectangle(brush, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float w, float h)
{
    return Record(gfx::GdipFillRectangle(nativeGraphics, brush ? brush->Native() : nullptr, x, y, w, h));
}
Status TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& r) { return FillEllipse(brush, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::FillEllipse(const TGPBrush* brush, float x, float y, float w, float h)
{
    return Record(gfx::GdipFillEllipse(nativeGraphics, brush ? brush->Native() : nullptr, x, y, w, h));
}
Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, gfx::GpFillMode mode)
{
    return Record(gfx::GdipFillPolygon(nativeGraphics, brush ? brush->Native() : nullptr, points, count, mode));
}
Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, gfx::GpFillMode mode)
{
    return Record(gfx::GdipFillPolygonI(nativeGraphics, brush ? brush->Native() : nullptr, points, count, mode));
}
Status TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path)
{
    return Record(gfx::GdipFillPath(nativeGraphics, brush ? brush->Native() : nullptr, path ? path->Native() : nullptr));
}

Status TGPGraphics::DrawImage(TGPImage* image, int x, int y)
{
    return Record(gfx::GdipDrawImageI(nativeGraphics, image ? image->Native() : nullptr, x, y));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& r) { return DrawImage(image, r.X, r.Y, r.Width, r.Height); }
Status TGPGraphics::DrawImage(TGPImage* image, float x, float y, float w, float h)
{
    return Record(gfx::GdipDrawImageRect(nativeGraphics, image ? image->Native() : nullptr, x, y, w, h));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& d, float sx, float sy, float sw, float sh, gfx::GpUnit unit)
{
    return Record(gfx::GdipDrawImageRectRect(nativeGraphics, image ? image->Native() : nullptr, d.X, d.Y, d.Width,
                                             d.Height, sx, sy, sw, sh, unit, nullptr, nullptr, nullptr));
}
Status TGPGraphics::DrawImageRect(TGPImage* image, int x, int y, int w, int h)
{
    return DrawImage(image, float(x), float(y), float(w), float(h));
}
Status TGPGraphics::DrawImageRect(TGPImage* image, float x, float y, float w, float h) { return DrawImage(image, x, y, w, h); }

Status TGPGraphics::MeasureString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& box)
{
    return MeasureString(text, length, font, layoutRect, nullptr, box, nullptr, nullptr);
}
Status TGPGraphics::MeasureString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                                  TGPRectF& box)
{
    return MeasureString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, box, nullptr, nullptr);
}
Status TGPGraphics::MeasureString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  const TGPStringFormat* format, TGPRectF& box, int* fitted, int* lines)
{
    return Record(gfx::GdipMeasureString(nativeGraphics, text, length, font ? font->Native() : nullptr, &layoutRect,
                                         format ? format->Native() : nullptr, &box, fitted, lines));
}
Status TGPGraphics::DrawString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPBrush* brush)
{
    return DrawString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}
Status TGPGraphics::DrawString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPStringFormat* format, const TGPBrush* brush)
{
    return DrawString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, format, brush);
}
Status TGPGraphics::DrawString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                               const TGPStringFormat* format, const TGPBrush* brush)
{
    // The flat call takes its own copy of the first `length` bytes.
    const std::string copy = length < 0 ? text : text.substr(0, static_cast<std::size_t>(length));
    return Record(gfx::GdipDrawString(nativeGraphics, copy, -1, font ? font->Native() : nullptr, &layoutRect,
                                      format ? format->Native() : nullptr, brush ? brush->Native() : nullptr));
}

TGPFont* TGPGraphics::MakeFont(const gfx::TFont& font)
{
    auto family = std::make_unique<TGPFontFamily>(font.Name());
    if (family->GetStatus() == gfx::FontFamilyNotFound || family->GetStatus() == gfx::FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>("Arial");
    return new TGPFont(family.get(), static_cast<float>(font.Size()), font.Style().Bits(), gfx::UnitPoint);
}

int TGPGraphics::DrawText(const std::string& text, int length, rtl::TRect& rect, const gfx::TFont& font,
                          unsigned flags, gfx::TColor background)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    const std::string shown = length < 0 ? text : text.substr(0, static_cast<std::size_t>(length));
    if ((flags & gfx::DT_CALCRECT) || background != gfx::clNone) {
        const int size = font.Size();
        const double m = size >= 9 ? std::lround((size - 8) / 1.5) + 2 : 2;
        // The measure drops trailing blanks; a last blank is measured as an "i".
        std::string measured = shown;
        if (measured.size() > 1 && measured.back() == ' ') measured.back() = 'i';
        const TGPRectF layout{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                              float(rect.Bottom - rect.Top)};
        TGPRectF box;
        MeasureString(measured, -1, f.get(), layout, box);
        rect.Right = rect.Left + static_cast<int>(std::lround(box.Width - m));
        rect.Bottom = rect.Top + static_cast<int>(std::lround(box.Height));
        if (background != gfx::clNone) {
            TGPSolidBrush brush(ToArgbValue(background));
            FillRectangle(&brush, float(rect.Left + 1), float(rect.Top), float(box.Width - m + 1), box.Height);
        }
    }
    if (!(flags & gfx::DT_CALCRECT)) {
        TGPSolidBrush brush(ToArgbValue(font.Color()));
        DrawString(shown, -1, f.get(), TGPPointF{float(rect.Left), float(rect.Top)}, &brush);
    }
    return rect.Bottom - rect.Top;
}

int TGPGraphics::TextWidth(const std::string& text, const gfx::TFont& font)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, box);
    return static_cast<int>(std::lround(box.Width));
}

int TGPGraphics::TextHeight(const std::string& text, const gfx::TFont& font)
{
    std::unique_ptr<TGPFont> f(MakeFont(font));
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, box);
    return static_cast<int>(std::lround(box.Height));
}

// --- images ---

// The layer raises nothing: a decoder that cannot get memory for a picture (a damaged file
// may claim a huge picture area) leaves the image without a handle and OutOfMemory.
TGPImage::TGPImage(const std::string& fileName, bool useEmbeddedColorManagement)
{
    try {
        lastResult = useEmbeddedColorManagement ? gfx::GdipLoadImageFromFileICM(fileName, &nativeImage)
                                                : gfx::GdipLoadImageFromFile(fileName, &nativeImage);
    } catch (const std::exception&) {
        lastResult = gfx::OutOfMemory;
    }
    if (lastResult != gfx::Ok) nativeImage = nullptr;
}

TGPImage::TGPImage(rtl::TStream* stream, bool useEmbeddedColorManagement)
{
    try {
        lastResult = useEmbeddedColorManagement ? gfx::GdipLoadImageFromStreamICM(stream, &nativeImage)
                                                : gfx::GdipLoadImageFromStream(stream, &nativeImage);
    } catch (const std::exception&) {
        lastResult = gfx::OutOfMemory;
    }
    if (lastResult != gfx::Ok) nativeImage = nullptr;
}

TGPImage::~TGPImage()
{
    if (nativeImage) gfx::GdipDisposeImage(nativeImage);
}

Status TGPImage::Record(Status s)
{
    if (s != gfx::Ok) lastResult = s;
    return s;
}

unsigned TGPImage::GetWidth()
{
    unsigned w = 0;
    if (Record(gfx::GdipGetImageWidth(nativeImage, &w)) != gfx::Ok) return 0;
    return w;
}

unsigned TGPImage::GetHeight()
{
    unsigned h = 0;
    if (Record(gfx::GdipGetImageHeight(nativeImage, &h)) != gfx::Ok) return 0;
    return h;
}

TGPImageFormat TGPImage::GetFormat()
{
    gfx::GUID g{};
    if (Record(gfx::GdipGetImageRawFormat(nativeImage, &g)) != gfx::Ok) return ifUndefined;
    static const struct {
        const gfx::GUID* Id;
        TGPImageFormat Format;
    } formats[] = {
        {&gfx::ImageFormatMemoryBMP, ifMemoryBMP}, {&gfx::ImageFormatBMP, ifBMP}, {&gfx::ImageFormatEMF, ifEMF},
        {&gfx::ImageFormatWMF, ifWMF}, {&gfx::ImageFormatJPEG, ifJPEG}, {&gfx::ImageFormatPNG, ifPNG},
        {&gfx::ImageFormatGIF, ifGIF}, {&gfx::ImageFormatTIFF, ifTIFF}, {&gfx::ImageFormatEXIF, ifEXIF},
        {&gfx::ImageFormatIcon, ifIcon},
    };
    for (const auto& f : formats)
        if (*f.Id == g) return f.Format;
    return ifUndefined;
}

gfx::PixelFormat TGPImage::GetPixelFormat()
{
    gfx::PixelFormat p = 0;
    Record(gfx::GdipGetImagePixelFormat(nativeImage, &p));
    return p;
}

int TGPImage::GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }
bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & gfx::PixelFormatAlpha) != 0; }
bool TGPImage::HasPalette() { return (GetPixelFormat() & gfx::PixelFormatIndexed) != 0; }

Status TGPImage::Save(const std::string& fileName, const gfx::GUID& encoder, const void* params)
{
    return Record(gfx::GdipSaveImageToFile(nativeImage, fileName, &encoder, params));
}

unsigned TGPImage::GetFrameCount()
{
    unsigned n = 0;
    if (Record(gfx::GdipImageGetFrameCount(nativeImage, &gfx::FrameDimensionTime, &n)) != gfx::Ok) return 0;
    return n;
}

Status TGPImage::SelectActiveFrame(unsigned index)
{
    return Record(gfx::GdipImageSelectActiveFrame(nativeImage, &gfx::FrameDimensionTime, index));
}

}  // namespace grid
