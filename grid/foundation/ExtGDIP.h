// Object layer over the GDI+ flat interface: wrappers that own one native object and keep the last failing status.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/GdiPlus.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
class TFont;
}  // namespace gfx
namespace rtl {
class TStream;
}

namespace grid {

using Status = gfx::GpStatus;
using gfx::ARGB;
using TGPRectF = gfx::GpRectF;
using TGPRect = gfx::GpRect;
using TGPPointF = gfx::GpPointF;
using TGPPoint = gfx::GpPoint;

enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };

// Platform colour → ARGB (alpha 255; system colours resolved). clNone is not special here.
ARGB ToArgbValue(gfx::TColor color);
TGPRectF MakeFloatRect(float x, float y, float width, float height);

// Root of the wrappers. Instances live in memory obtained from GDI+; an allocation that finds
// GDI+ stopped starts it and tries again.
class TGdiplusBase : public rtl::TObject {
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* ptr);
    std::string ClassName() const override { return "TGdiplusBase"; }
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(int formatFlags = 0, int language = 0);
    explicit TGPStringFormat(const TGPStringFormat* format);
    ~TGPStringFormat() override;
    Status SetAlignment(gfx::GpStringAlignment align);
    gfx::GpStringAlignment GetAlignment();
    Status SetLineAlignment(gfx::GpStringAlignment align);
    gfx::GpStringAlignment GetLineAlignment();
    Status SetFormatFlags(int flags);
    int GetFormatFlags();
    Status SetTrimming(gfx::GpStringTrimming trimming);
    gfx::GpStringTrimming GetTrimming();
    Status SetHotkeyPrefix(gfx::GpHotkeyPrefix prefix);
    gfx::GpHotkeyPrefix GetHotkeyPrefix();
    gfx::GpStringFormat* Native() const { return nativeFormat; }
    Status LastError() const { return lastError; }

private:
    Status Record(Status s);
    gfx::GpStringFormat* nativeFormat = nullptr;
    Status lastError = gfx::Ok;
};

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush() = default;
    TGPBrush(gfx::GpBrush* native, Status status) : nativeBrush(native), lastResult(status) {}
    ~TGPBrush() override;
    gfx::GpBrush* Native() const { return nativeBrush; }
    void SetNativeBrush(gfx::GpBrush* native) { nativeBrush = native; }
    void SetStatus(Status s) { lastResult = s; }
    Status LastResult() const { return lastResult; }

protected:
    Status Record(Status s);
    gfx::GpBrush* nativeBrush = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    TGPSolidBrush() = default;  // empty, for adoption
    explicit TGPSolidBrush(ARGB color);
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush() = default;
    TGPLinearGradientBrush(const TGPPointF& p1, const TGPPointF& p2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& p1, const TGPPoint& p2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, gfx::GpLinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, gfx::GpLinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetInterpolationColors(const ARGB* colors, const float* positions, int count);
};

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, float width = 1.0f);
    ~TGPPen() override;
    gfx::GpDashStyle GetDashStyle();
    Status SetDashStyle(gfx::GpDashStyle style);
    gfx::GpPen* Native() const { return nativePen; }
    Status LastResult() const { return lastResult; }

private:
    Status Record(Status s);
    gfx::GpPen* nativePen = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPFontCollection : public TGdiplusBase {
public:
    gfx::GpFontCollection* Native() const { return nativeFontCollection; }
    Status LastResult() const { return lastResult; }

private:
    gfx::GpFontCollection* nativeFontCollection = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPFontFamily : public TGdiplusBase {
public:
    TGPFontFamily() = default;
    TGPFontFamily(gfx::GpFontFamily* native, Status status) : nativeFamily(native), lastResult(status) {}
    explicit TGPFontFamily(const std::string& name, const TGPFontCollection* collection = nullptr);
    ~TGPFontFamily() override;
    // The shared generic families, created on first request and kept for the program's life.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();
    std::string GetFamilyName() const;
    gfx::GpFontFamily* Native() const { return nativeFamily; }
    Status GetStatus() const { return lastResult; }

private:
    gfx::GpFontFamily* nativeFamily = nullptr;
    Status lastResult = gfx::Ok;
    bool FShared = false;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(gfx::GpFont* native, Status status) : nativeFont(native), lastResult(status) {}
    TGPFont(const TGPFontFamily* family, float emSize, int style = gfx::FontStyleRegular, gfx::GpUnit unit = gfx::UnitPoint);
    // By family name: a family that cannot be made falls back to the generic sans serif.
    TGPFont(const std::string& familyName, const TGPFontCollection* collection, float emSize,
            int style = gfx::FontStyleRegular, gfx::GpUnit unit = gfx::UnitPoint);
    ~TGPFont() override;
    float GetSize() const;
    gfx::GpFont* Native() const { return nativeFont; }
    Status GetStatus() const { return lastResult; }

private:
    gfx::GpFont* nativeFont = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(gfx::GpFillMode fillMode = gfx::FillModeAlternate);
    ~TGPGraphicsPath() override;
    Status Reset();
    Status CloseFigure();
    Status StartFigure();
    Status GetBounds(TGPRectF& bounds, const TGPPen* pen = nullptr);
    Status AddLine(const TGPPointF& p1, const TGPPointF& p2);
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLines(const TGPPoint* points, int count);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddEllipse(const TGPRectF& rect);
    Status AddEllipse(float x, float y, float width, float height);
    Status AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddPolygon(const TGPPointF* points, int count);
    Status AddPolygon(const TGPPoint* points, int count);
    Status AddBezier(const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3, const TGPPointF& p4);
    Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    gfx::GpPath* Native() const { return nativePath; }
    Status LastResult() const { return lastResult; }

private:
    Status Record(Status s);
    gfx::GpPath* nativePath = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPImage : public TGdiplusBase {
public:
    TGPImage(gfx::GpImage* native, Status status) : nativeImage(native), lastResult(status) {}
    explicit TGPImage(const std::string& fileName, bool useEmbeddedColorManagement = false);
    explicit TGPImage(rtl::TStream* stream, bool useEmbeddedColorManagement = false);
    ~TGPImage() override;
    unsigned GetWidth();
    unsigned GetHeight();
    unsigned Width() { return GetWidth(); }
    unsigned Height() { return GetHeight(); }
    TGPImageFormat GetFormat();
    gfx::PixelFormat GetPixelFormat();
    int GetPixelDepth();
    bool HasAlphaChannel();
    bool HasPalette();
    Status Save(const std::string& fileName, const gfx::GUID& encoder, const void* params = nullptr);
    // Number of animation frames, and the frame (0-based) that drawing shows.
    unsigned GetFrameCount();
    Status SelectActiveFrame(unsigned index);
    gfx::GpImage* Native() const { return nativeImage; }
    Status LastResult() const { return lastResult; }

private:
    Status Record(Status s);
    gfx::GpImage* nativeImage = nullptr;
    Status lastResult = gfx::Ok;
};

class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(gfx::TCanvas* canvas);
    explicit TGPGraphics(TGPImage* image);
    static TGPGraphics* FromImage(TGPImage* image) { return new TGPGraphics(image); }
    ~TGPGraphics() override;

    Status Flush(int intention = 0);
    Status Clear(ARGB color);
    Status SetTextRenderingHint(gfx::GpTextRenderingHint hint);
    gfx::GpTextRenderingHint GetTextRenderingHint();
    Status SetSmoothingMode(gfx::GpSmoothingMode mode);
    gfx::GpSmoothingMode GetSmoothingMode();
    Status TranslateTransform(float dx, float dy, int order = 0);
    Status RotateTransform(float angle, int order = 0);
    Status ScaleTransform(float sx, float sy, int order = 0);
    Status ResetTransform();
    Status SetClip(const TGPRectF& rect, gfx::GpCombineMode mode = gfx::CombineModeReplace);
    Status ExcludeClip(const TGPRectF& rect);
    Status ResetClip();

    Status DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
    Status DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    Status DrawRectangle(const TGPPen* pen, float x, float y, float width, float height);
    Status DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(const TGPPen* pen, float x, float y, float width, float height);
    Status DrawEllipse(const TGPPen* pen, const TGPRect& rect);
    Status DrawEllipse(const TGPPen* pen, int x, int y, int width, int height);
    Status DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    Status FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    Status FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(const TGPBrush* brush, float x, float y, float width, float height);
    Status FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count,
                       gfx::GpFillMode mode = gfx::FillModeAlternate);
    Status FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count,
                       gfx::GpFillMode mode = gfx::FillModeAlternate);
    Status FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);
    Status DrawImage(TGPImage* image, int x, int y);
    Status DrawImage(TGPImage* image, const TGPRectF& rect);
    Status DrawImage(TGPImage* image, float x, float y, float width, float height);
    Status DrawImage(TGPImage* image, const TGPRectF& dest, float srcX, float srcY, float srcWidth,
                     float srcHeight, gfx::GpUnit srcUnit);
    Status DrawImageRect(TGPImage* image, int x, int y, int width, int height);
    Status DrawImageRect(TGPImage* image, float x, float y, float width, float height);

    Status MeasureString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                         TGPRectF& boundingBox);
    Status MeasureString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                         TGPRectF& boundingBox);
    Status MeasureString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                         const TGPStringFormat* format, TGPRectF& boundingBox, int* codepointsFitted,
                         int* linesFilled);
    Status DrawString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                      const TGPBrush* brush);
    Status DrawString(const std::string& text, int length, const TGPFont* font, const TGPPointF& origin,
                      const TGPStringFormat* format, const TGPBrush* brush);
    Status DrawString(const std::string& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                      const TGPStringFormat* format, const TGPBrush* brush);

    // A GDI+ font for a platform font (unknown names fall back to "Arial"); the caller frees it.
    TGPFont* MakeFont(const gfx::TFont& font);
    // Draws (or with DT_CALCRECT only measures) text at the rectangle's top-left; sets the
    // rectangle's right and bottom when measuring or filling a background; returns the height.
    int DrawText(const std::string& text, int length, rtl::TRect& rect, const gfx::TFont& font, unsigned flags,
                 gfx::TColor background);
    int TextWidth(const std::string& text, const gfx::TFont& font);
    int TextHeight(const std::string& text, const gfx::TFont& font);

    // The stored failing status, then Ok again.
    Status GetLastStatus();
    gfx::GpGraphics* Native() const { return nativeGraphics; }

private:
    Status Record(Status s);
    gfx::GpGraphics* nativeGraphics = nullptr;
    Status lastResult = gfx::Ok;
};

}  // namespace grid
