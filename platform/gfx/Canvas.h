// The drawing surface of windows, bitmaps and printed pages: TCanvas on cairo surfaces.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Region.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

struct _cairo;
struct _cairo_surface;

namespace gfx {

class TGraphic;
class TBitmap;

// Text drawing flags of DrawText, with the platform's values.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// Background modes for text and hatch brushes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations of CopyRect (CopyMode), with the platform's values.
constexpr std::uint32_t cmBlackness = 0x00000042;
constexpr std::uint32_t cmDstInvert = 0x00550009;
constexpr std::uint32_t cmMergeCopy = 0x00C000CA;
constexpr std::uint32_t cmMergePaint = 0x00BB0226;
constexpr std::uint32_t cmNotSrcCopy = 0x00330008;
constexpr std::uint32_t cmNotSrcErase = 0x001100A6;
constexpr std::uint32_t cmPatCopy = 0x00F00021;
constexpr std::uint32_t cmPatInvert = 0x005A0049;
constexpr std::uint32_t cmPatPaint = 0x00FB0A09;
constexpr std::uint32_t cmSrcAnd = 0x008800C6;
constexpr std::uint32_t cmSrcCopy = 0x00CC0020;
constexpr std::uint32_t cmSrcErase = 0x00440328;
constexpr std::uint32_t cmSrcInvert = 0x00660046;
constexpr std::uint32_t cmSrcPaint = 0x00EE0086;
constexpr std::uint32_t cmWhiteness = 0x00FF0062;

enum TFillStyle { fsSurface, fsBorder };

// Font measurements in pixels, as the platform's text metrics report them.
struct TTextMetric {
    int Height = 0;            // ascent + descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;   // Height minus the character (em) height
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
};

// A canvas draws on a cairo ARGB32 image surface with the platform's pixel rules:
// rectangles exclude their right and bottom edge, a line excludes its end point, one-pixel
// pens draw without anti-aliasing, wider pens are centred on the line. Coordinates are
// logical: the origin (SetOrigin) is added to get surface pixels. Clipping is kept in
// surface pixels. A canvas without a surface draws nothing but measures text.
class TCanvas : public rtl::TPersistent {
public:
    TCanvas();
    // Draws on the surface (a cairo ARGB32 image surface); holds a reference to it.
    explicit TCanvas(_cairo_surface* surface);
    TCanvas(_cairo_surface* surface, int width, int height);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // --- surface and handle ---
    void Attach(_cairo_surface* surface);
    // A vector surface (PDF pages for printing) of the given size in device units. Pixel
    // reads give clNone there, raster operations draw as plain copies, and flood fill,
    // focus rectangles and PNG saving do nothing.
    void Attach(_cairo_surface* surface, int width, int height);
    void Detach();
    bool HandleAllocated() const;
    _cairo_surface* Surface() const;
    // The cairo context, in logical coordinates with the current clip, for code that draws
    // with cairo directly; bracket changes of its state with cairo_save/cairo_restore.
    _cairo* Handle();
    int SurfaceWidth() const;
    int SurfaceHeight() const;
    // Lock/Unlock nest; they exist for callers that bracket drawing from other threads.
    void Lock() { ++FLockCount; }
    void Unlock() { if (FLockCount > 0) --FLockCount; }
    int LockCount() const { return FLockCount; }

    // --- drawing tools ---
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }
    const TPen& Pen() const { return FPen; }
    const TBrush& Brush() const { return FBrush; }
    const TFont& Font() const { return FFont; }
    rtl::TPoint PenPos() const { return FPenPos; }
    void SetPenPos(const rtl::TPoint& p) { FPenPos = p; }
    std::uint32_t CopyMode() const { return FCopyMode; }
    void SetCopyMode(std::uint32_t mode) { FCopyMode = mode; }
    // Background of text, styled pens and hatch brushes. Changing the brush sets them as the
    // class library does: a solid brush gives OPAQUE in the brush colour, a clear or hatched
    // brush TRANSPARENT.
    int BkMode() const { return FBkMode; }
    void SetBkMode(int mode) { FBkMode = mode; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor color) { FBkColor = color; }

    // --- origin, clipping and saved states ---
    rtl::TPoint Origin() const { return FOrigin; }
    void SetOrigin(int x, int y);
    void MoveOrigin(int dx, int dy) { SetOrigin(FOrigin.X + dx, FOrigin.Y + dy); }
    // The bounding box of the visible area, in logical coordinates.
    rtl::TRect ClipRect() const;
    bool HasClip() const { return FHasClip; }
    // The clip region in surface pixels (the whole surface when there is no clip).
    TRegion ClipRegion() const;
    void SetClipRect(const rtl::TRect& rect);           // logical
    void SetClipRegion(const TRegion& region);          // logical
    void IntersectClipRect(const rtl::TRect& rect);     // logical
    void ExcludeClipRect(const rtl::TRect& rect);       // logical
    void ResetClip();
    bool RectVisible(const rtl::TRect& rect) const;     // logical
    // Saves origin, clip, pen, brush, font, background and pen position; returns a level.
    int SaveState();
    // Restores the given level (or the last one for -1); later levels are dropped.
    void RestoreState(int level = -1);

    // --- lines and shapes ---
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const rtl::TPoint> points);
    void Polygon(std::span<const rtl::TPoint> points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const rtl::TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const rtl::TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Counter-clockwise arc of the ellipse in (x1,y1)-(x2,y2), from the ray towards (x3,y3)
    // to the ray towards (x4,y4); Pie closes it to the centre and fills it.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const rtl::TRect& rect);              // brush only
    void FrameRect(const rtl::TRect& rect);             // one-pixel frame in the brush colour
    void DrawFocusRect(const rtl::TRect& rect);         // dotted frame XOR-ed on the pixels
    // Fills outwards from (x, y): fsBorder up to pixels of `color`, fsSurface over pixels of it.
    void FloodFill(int x, int y, TColor color, TFillStyle style);
    // Two-colour gradient over the rectangle: left to right, or top to bottom when vertical.
    void GradientFill(const rtl::TRect& rect, TColor from, TColor to, bool vertical);

    // --- pixels ---
    TColor Pixels(int x, int y) const;                  // clNone outside the surface
    void SetPixels(int x, int y, TColor color);

    // --- pictures and copies ---
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const rtl::TRect& rect, const TGraphic& graphic);
    void CopyRect(const rtl::TRect& dest, const TCanvas& source, const rtl::TRect& sourceRect);
    // Copies a part of the bitmap, pixels of `color` replaced by the brush colour.
    void BrushCopy(const rtl::TRect& dest, const TBitmap& bitmap, const rtl::TRect& sourceRect, TColor color);
    // Source-over blend of a canvas holding premultiplied alpha, scaled into dest; the
    // constant alpha multiplies every pixel; without per-pixel alpha the source is opaque.
    void AlphaBlend(const rtl::TRect& dest, const TCanvas& source, const rtl::TRect& sourceRect,
                    std::uint8_t constantAlpha, bool perPixelAlpha);

    // --- text ---
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to the rectangle; an opaque background fills the whole rectangle.
    void TextRect(const rtl::TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    rtl::TSize TextExtent(const std::string& text) const;
    TTextMetric TextMetric() const;
    // Formats text in the rectangle by the DT_ flags; returns the height of the text.
    // With DT_CALCRECT it draws nothing and sets the rectangle's right and bottom edge.
    int DrawText(const std::string& text, rtl::TRect& rect, unsigned flags);
    // The same as DrawText (tab stops every eight average character widths). With
    // DT_EDITCONTROL and DT_WORDBREAK a word wider than the rectangle breaks between characters.
    int DrawTextEx(const std::string& text, rtl::TRect& rect, unsigned flags) { return DrawText(text, rect, flags); }

    // --- files ---
    // Writes the surface as a PNG file; raises rtl::EFCreateError when it cannot.
    void SaveToPngFile(const std::string& fileName) const;

    // Tells the canvas that pixels of its surface were changed by code outside it.
    void Changed();
    std::string ClassName() const override { return "TCanvas"; }

    struct TImpl;

private:
    friend struct TImpl;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    rtl::TPoint FPenPos;
    rtl::TPoint FOrigin;
    std::uint32_t FCopyMode = cmSrcCopy;
    int FBkMode = OPAQUE;
    TColor FBkColor = clWhite;
    bool FHasClip = false;
    TRegion FClip;  // surface pixels, valid when FHasClip
    int FLockCount = 0;
    std::unique_ptr<TImpl> FImpl;
};

}  // namespace gfx
