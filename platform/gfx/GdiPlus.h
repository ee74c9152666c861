// The GDI+ flat interface stand-in: images, graphics, brushes, pens, fonts, text and paths
// drawn with cairo, returning the platform's status codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rtl {
class TStream;
}

namespace gfx {

class TCanvas;

enum GpStatus {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};
using Status = GpStatus;

using ARGB = std::uint32_t;
using REAL = float;

struct GpPointF {
    REAL X = 0;
    REAL Y = 0;
};
struct GpPoint {
    int X = 0;
    int Y = 0;
};
struct GpRectF {
    REAL X = 0;
    REAL Y = 0;
    REAL Width = 0;
    REAL Height = 0;
};
struct GpRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
    friend bool operator==(const GUID&, const GUID&) = default;
};

// Raw image formats, with the platform's published identifiers.
extern const GUID ImageFormatUndefined;
extern const GUID ImageFormatMemoryBMP;
extern const GUID ImageFormatBMP;
extern const GUID ImageFormatEMF;
extern const GUID ImageFormatWMF;
extern const GUID ImageFormatJPEG;
extern const GUID ImageFormatPNG;
extern const GUID ImageFormatGIF;
extern const GUID ImageFormatTIFF;
extern const GUID ImageFormatEXIF;
extern const GUID ImageFormatIcon;
extern const GUID FrameDimensionTime;
extern const GUID FrameDimensionPage;

using PixelFormat = int;
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

enum GpUnit { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };
enum GpFontStyle { FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3, FontStyleUnderline = 4, FontStyleStrikeout = 8 };
enum GpSmoothingMode { SmoothingModeInvalid = -1, SmoothingModeDefault, SmoothingModeHighSpeed, SmoothingModeHighQuality, SmoothingModeNone, SmoothingModeAntiAlias };
enum GpInterpolationMode {
    InterpolationModeInvalid = -1, InterpolationModeDefault, InterpolationModeLowQuality, InterpolationModeHighQuality,
    InterpolationModeBilinear, InterpolationModeBicubic, InterpolationModeNearestNeighbor,
    InterpolationModeHighQualityBilinear, InterpolationModeHighQualityBicubic
};
enum GpTextRenderingHint {
    TextRenderingHintSystemDefault, TextRenderingHintSingleBitPerPixelGridFit, TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit, TextRenderingHintAntiAlias, TextRenderingHintClearTypeGridFit
};
enum GpStringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum GpStringTrimming {
    StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum GpHotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };
constexpr int StringFormatFlagsNoWrap = 0x00001000;
constexpr int StringFormatFlagsNoClip = 0x00004000;
enum GpFillMode { FillModeAlternate, FillModeWinding };
enum GpWrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum GpLinearGradientMode {
    LinearGradientModeHorizontal, LinearGradientModeVertical, LinearGradientModeForwardDiagonal,
    LinearGradientModeBackwardDiagonal
};
enum GpCombineMode { CombineModeReplace, CombineModeIntersect, CombineModeUnion, CombineModeXor, CombineModeExclude, CombineModeComplement };
enum GpDashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom };
enum GpBrushType { BrushTypeSolidColor, BrushTypeHatchFill, BrushTypeTextureFill, BrushTypePathGradient, BrushTypeLinearGradient };
enum GpImageType { ImageTypeUnknown, ImageTypeBitmap, ImageTypeMetafile };

struct GpGraphics;
struct GpImage;
struct GpBrush;
struct GpPen;
struct GpFontFamily;
struct GpFont;
struct GpFontCollection;
struct GpStringFormat;
struct GpPath;
struct GpImageAttributes;
using GpBitmap = GpImage;
using GpSolidFill = GpBrush;
using GpLineGradient = GpBrush;

// --- start-up and memory ---
struct GdiplusStartupInput {
    std::uint32_t GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    bool SuppressBackgroundThread = false;
    bool SuppressExternalCodecs = false;
};
struct GdiplusStartupOutput {
    void* NotificationHook = nullptr;
    void* NotificationUnhook = nullptr;
};
GpStatus GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(std::uintptr_t token);
bool GdiplusStarted();
// Memory from the layer; none while it is not started.
void* GdipAlloc(std::size_t size);
void GdipFree(void* ptr);

// --- graphics ---
GpStatus GdipCreateFromHDC(TCanvas* hdc, GpGraphics** graphics);
GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
GpStatus GdipFlush(GpGraphics* graphics, int intention);
GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GpStatus GdipSetSmoothingMode(GpGraphics* graphics, GpSmoothingMode mode);
GpStatus GdipGetSmoothingMode(GpGraphics* graphics, GpSmoothingMode* mode);
GpStatus GdipSetInterpolationMode(GpGraphics* graphics, GpInterpolationMode mode);
GpStatus GdipGetInterpolationMode(GpGraphics* graphics, GpInterpolationMode* mode);
GpStatus GdipSetTextRenderingHint(GpGraphics* graphics, GpTextRenderingHint hint);
GpStatus GdipGetTextRenderingHint(GpGraphics* graphics, GpTextRenderingHint* hint);
GpStatus GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, int order);
GpStatus GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, int order);
GpStatus GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, int order);
GpStatus GdipResetWorldTransform(GpGraphics* graphics);
GpStatus GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, GpCombineMode mode);
GpStatus GdipSetClipRectI(GpGraphics* graphics, int x, int y, int width, int height, GpCombineMode mode);
GpStatus GdipResetClip(GpGraphics* graphics);

// --- images ---
GpStatus GdipLoadImageFromStream(rtl::TStream* stream, GpImage** image);
GpStatus GdipLoadImageFromStreamICM(rtl::TStream* stream, GpImage** image);
GpStatus GdipLoadImageFromBytes(const std::uint8_t* data, std::size_t size, GpImage** image);
GpStatus GdipLoadImageFromFile(const std::string& fileName, GpImage** image);
GpStatus GdipLoadImageFromFileICM(const std::string& fileName, GpImage** image);
GpStatus GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, std::uint8_t* scan0, GpBitmap** bitmap);
GpStatus GdipDisposeImage(GpImage* image);
GpStatus GdipGetImageWidth(GpImage* image, unsigned* width);
GpStatus GdipGetImageHeight(GpImage* image, unsigned* height);
GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
GpStatus GdipGetImageType(GpImage* image, GpImageType* type);
GpStatus GdipImageGetFrameCount(GpImage* image, const GUID* dimension, unsigned* count);
GpStatus GdipImageSelectActiveFrame(GpImage* image, const GUID* dimension, unsigned index);
GpStatus GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* color);
GpStatus GdipSaveImageToFile(GpImage* image, const std::string& fileName, const GUID* encoder, const void* params);
GpStatus GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y);
GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, int x, int y, int width, int height);
GpStatus GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                               REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, GpUnit srcUnit,
                               const GpImageAttributes* attributes, void* callback, void* callbackData);

// --- brushes and pens ---
GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB color1, ARGB color2,
                             GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipCreateLineBrushI(const GpPoint* point1, const GpPoint* point2, ARGB color1, ARGB color2,
                              GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB color1, ARGB color2, GpLinearGradientMode mode,
                                     GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB color1, ARGB color2, GpLinearGradientMode mode,
                                      GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB color1, ARGB color2, REAL angle,
                                              bool isAngleScalable, GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* colors, const REAL* positions, int count);
GpStatus GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection);
GpStatus GdipGetBrushType(GpBrush* brush, GpBrushType* type);
GpStatus GdipDeleteBrush(GpBrush* brush);
GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
GpStatus GdipSetPenDashStyle(GpPen* pen, GpDashStyle style);
GpStatus GdipGetPenDashStyle(GpPen* pen, GpDashStyle* style);
GpStatus GdipDeletePen(GpPen* pen);

// --- filling and drawing ---
GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, int x, int y, int width, int height);
GpStatus GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, int count, GpFillMode mode);
GpStatus GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const GpPoint* points, int count, GpFillMode mode);
GpStatus GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
GpStatus GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);

// --- paths ---
GpStatus GdipCreatePath(GpFillMode mode, GpPath** path);
GpStatus GdipDeletePath(GpPath* path);
GpStatus GdipResetPath(GpPath* path);
GpStatus GdipClosePathFigure(GpPath* path);
GpStatus GdipStartPathFigure(GpPath* path);
GpStatus GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus GdipAddPathLine2I(GpPath* path, const GpPoint* points, int count);
GpStatus GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
GpStatus GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
GpStatus GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipAddPathRectangleI(GpPath* path, int x, int y, int width, int height);
GpStatus GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
GpStatus GdipAddPathPolygon(GpPath* path, const GpPointF* points, int count);
GpStatus GdipAddPathPolygonI(GpPath* path, const GpPoint* points, int count);
GpStatus GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, const void* matrix, const GpPen* pen);

// --- fonts and text ---
GpStatus GdipCreateFontFamilyFromName(const std::string& name, GpFontCollection* collection, GpFontFamily** family);
GpStatus GdipGetGenericFontFamilySansSerif(GpFontFamily** family);
GpStatus GdipGetGenericFontFamilySerif(GpFontFamily** family);
GpStatus GdipGetGenericFontFamilyMonospace(GpFontFamily** family);
GpStatus GdipGetFamilyName(const GpFontFamily* family, std::string* name);
GpStatus GdipDeleteFontFamily(GpFontFamily* family);
GpStatus GdipCreateFont(const GpFontFamily* family, REAL emSize, int style, GpUnit unit, GpFont** font);
GpStatus GdipGetFontSize(GpFont* font, REAL* size);
GpStatus GdipDeleteFont(GpFont* font);
GpStatus GdipCreateStringFormat(int formatFlags, int language, GpStringFormat** format);
GpStatus GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone);
GpStatus GdipDeleteStringFormat(GpStringFormat* format);
GpStatus GdipSetStringFormatAlign(GpStringFormat* format, GpStringAlignment align);
GpStatus GdipGetStringFormatAlign(GpStringFormat* format, GpStringAlignment* align);
GpStatus GdipSetStringFormatLineAlign(GpStringFormat* format, GpStringAlignment align);
GpStatus GdipGetStringFormatLineAlign(GpStringFormat* format, GpStringAlignment* align);
GpStatus GdipSetStringFormatFlags(GpStringFormat* format, int flags);
GpStatus GdipGetStringFormatFlags(GpStringFormat* format, int* flags);
GpStatus GdipSetStringFormatTrimming(GpStringFormat* format, GpStringTrimming trimming);
GpStatus GdipGetStringFormatTrimming(GpStringFormat* format, GpStringTrimming* trimming);
GpStatus GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, GpHotkeyPrefix prefix);
GpStatus GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, GpHotkeyPrefix* prefix);
// Measures UTF-8 text (length in bytes, -1 for all) in the layout rectangle; the box includes
// a padding of one sixth of the em size at the left and right, as the platform measures.
GpStatus GdipMeasureString(GpGraphics* graphics, const std::string& text, int length, const GpFont* font,
                           const GpRectF* layoutRect, const GpStringFormat* format, GpRectF* boundingBox,
                           int* codepointsFitted, int* linesFilled);
// Draws text in the layout rectangle (a rectangle of size 0 means: at its origin, no wrapping).
GpStatus GdipDrawString(GpGraphics* graphics, const std::string& text, int length, const GpFont* font,
                        const GpRectF* layoutRect, const GpStringFormat* format, const GpBrush* brush);

// Alpha 255 and the colour's RGB value (system colours resolved): 0xAARRGGBB.
ARGB ColorToArgb(std::int32_t color);

}  // namespace gfx
