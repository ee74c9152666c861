// Internals shared by the canvas units: the cairo context, pixel access and raster operations.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "platform/gfx/Canvas.h"

namespace gfx {

// Premultiplied ARGB32 pixel of an opaque colour (system colours resolved).
std::uint32_t ColorToPixel(TColor color);
// The colour (0x00BBGGRR) of a premultiplied ARGB32 pixel.
TColor PixelToColor(std::uint32_t pixel);
// The pen's raster operation on the RGB part of a destination pixel; alpha is kept.
std::uint32_t ApplyRop(TPenMode mode, std::uint32_t pen, std::uint32_t dest);

struct TCanvasState {
    TPen Pen;
    TBrush Brush;
    TFont Font;
    rtl::TPoint PenPos;
    rtl::TPoint Origin;
    int BkMode = OPAQUE;
    TColor BkColor = clWhite;
    bool HasClip = false;
    TRegion Clip;
    std::uint32_t CopyMode = cmSrcCopy;
};

struct TCanvas::TImpl {
    cairo_surface_t* Surface = nullptr;
    bool Raster = false;         // an image surface: pixels can be read and combined
    int Width = 0;
    int Height = 0;
    cairo_t* Cr = nullptr;
    bool CrValid = false;        // clip and origin applied to Cr
    std::vector<TCanvasState> Saved;

    // --- context ---
    // The cairo context with origin and clip applied, anti-aliasing off, nothing else set.
    static cairo_t* Context(TCanvas& c);
    static void Invalidate(TCanvas& c) { c.FImpl->CrValid = false; }
    // Visible rectangles in surface pixels (clip ∩ surface), empty without a surface.
    static std::vector<rtl::TRect> VisibleRects(const TCanvas& c);

    // --- direct pixel access (surface pixels) ---
    static std::uint32_t* Row(const TCanvas& c, int y);
    static void BeginPixels(const TCanvas& c);
    static void EndPixels(const TCanvas& c);
    // Paints pixels x1 … x2-1 of row y (surface pixels), clipped, with the raster operation.
    static void Span(TCanvas& c, const std::vector<rtl::TRect>& visible, int y, int x1, int x2,
                     std::uint32_t pixel, TPenMode mode);
    static void FillDeviceRect(TCanvas& c, const rtl::TRect& r, std::uint32_t pixel, TPenMode mode);
    // On a vector surface: fills a rectangle of surface pixels with cairo (raster
    // operations draw as plain copies there).
    static void VectorRect(TCanvas& c, const rtl::TRect& r, std::uint32_t pixel);

    // --- pens and brushes ---
    // One-pixel line from a to b (logical), the end point excluded, with the pen's style.
    static void PixelLine(TCanvas& c, rtl::TPoint a, rtl::TPoint b, int& dashPhase);
    // Fills the current path with the brush or strokes it with the pen, honouring the
    // pen mode (raster operations go through a mask).
    static void FillPathWithBrush(TCanvas& c, cairo_fill_rule_t rule);
    static void StrokePathWithPen(TCanvas& c, cairo_line_join_t join, cairo_line_cap_t cap);
    static void SetBrushSource(TCanvas& c, cairo_t* cr);
    static bool PenVisible(const TCanvas& c) { return c.FPen.Style() != psClear && c.FPen.Mode() != pmNop; }
    static bool BrushVisible(const TCanvas& c) { return c.FBrush.Style() != bsClear; }
    // Applies the raster operation with a solid colour through the coverage of the current
    // path (filled or stroked); the path is consumed.
    static void RopPath(TCanvas& c, bool stroke, std::uint32_t pixel, TPenMode mode);

    // --- images ---
    // Paints premultiplied ARGB32 pixels scaled into dest (logical); `blend` uses source-over,
    // otherwise the pixels are copied (alpha forced opaque).
    static void PaintPixels(TCanvas& c, const rtl::TRect& dest, const std::uint32_t* pixels, int width,
                            int height, int stridePixels, bool blend, double opacity = 1.0);
};

}  // namespace gfx
