// Internals of the GDI+ stand-in: the objects behind the flat handles.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GdiPlus.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Region.h"

namespace gfx {

struct GpImage {
    TBytes Bytes;
    TDecodedImage Decoded;
    GUID Format = ImageFormatUndefined;
    PixelFormat Pixels = PixelFormat32bppARGB;
    unsigned Frame = 0;
    TBitmap Bitmap;  // the active frame, 32 bit premultiplied; also the target of its graphics
};

struct GpGraphics {
    TCanvas* Canvas = nullptr;
    GpSmoothingMode Smoothing = SmoothingModeDefault;
    GpInterpolationMode Interpolation = InterpolationModeDefault;
    GpTextRenderingHint TextHint = TextRenderingHintSystemDefault;
    cairo_matrix_t Transform;
    bool HasClip = false;
    TRegion Clip;  // surface pixels
};

struct GpBrush {
    GpBrushType Type = BrushTypeSolidColor;
    ARGB Color = 0xFF000000u;
    // Linear gradient: from Start to End, colours of the two ends or a preset blend.
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    ARGB Color2 = 0xFF000000u;
    std::vector<std::pair<double, ARGB>> Blend;
    GpWrapMode Wrap = WrapModeTile;
};

struct GpPen {
    ARGB Color = 0xFF000000u;
    REAL Width = 1;
    GpDashStyle Dash = DashStyleSolid;
};

struct GpFontFamily {
    std::string Name;
    bool Generic = false;  // shared generic family: never deleted
};

struct GpFont {
    std::string Family;
    REAL Size = 0;
    int Style = 0;
    GpUnit Unit = UnitPoint;
};

struct GpStringFormat {
    int Flags = 0;
    GpStringAlignment Align = StringAlignmentNear;
    GpStringAlignment LineAlign = StringAlignmentNear;
    GpStringTrimming Trimming = StringTrimmingCharacter;
    GpHotkeyPrefix Prefix = HotkeyPrefixNone;
};

struct GpPathElement {
    enum Kind { Move, Line, Curve, Close } Type;
    double X[3];
    double Y[3];
};

struct GpPath {
    GpFillMode Fill = FillModeAlternate;
    std::vector<GpPathElement> Elements;
    bool FigureOpen = false;
};

struct GpImageAttributes {};

namespace gdip {

// A cairo context on the graphics' target with the canvas clip and origin, the graphics'
// clip and world transform; null when there is nothing to draw on. End releases it.
cairo_t* Begin(GpGraphics* g);
void End(GpGraphics* g, cairo_t* cr);
void SetSource(cairo_t* cr, const GpBrush& brush);
void SetSourceArgb(cairo_t* cr, ARGB color);
void ReplayPath(cairo_t* cr, const GpPath& path);

}  // namespace gdip

}  // namespace gfx
