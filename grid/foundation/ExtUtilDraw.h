// Small canvas painters of the grid utilities: bitmaps (scaled, transparent, alpha), the drop-down triangle, the error underline and line measuring.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

#include <string>
#include <string_view>

namespace gfx {
class TCanvas;
class TBitmap;
}  // namespace gfx

namespace grid {

// Filled triangle (x - 3, y), (x + 3, y), (x, y + 3) in the colour.
void DrawSmallDownTriangle(gfx::TCanvas& canvas, int x, int y, gfx::TColor color);
// The bitmap at the rectangle's top-left corner, scaled; at scale 1 the colour of its
// pixel (0, 0) is replaced by the background colour.
void DrawBitmapScaledTransparent(gfx::TCanvas& canvas, const gfx::TBitmap& bitmap, gfx::TColor background,
                                 const rtl::TRect& rect, double scale);
// The named bitmap resource of the program drawn with DrawBitmapScaledTransparent; raises
// rtl::Exception "Resource <name> not found" when the program has no such resource.
void DrawResourceBitmap(gfx::TCanvas& canvas, gfx::TColor background, const rtl::TRect& rect,
                        const std::string& resourceName, double scale);
// A 32-bit bitmap with premultiplied alpha is blended over the canvas; any other bitmap
// is drawn as it is.
void DrawBitmapAlpha(gfx::TCanvas& canvas, int x, int y, const gfx::TBitmap& bitmap);
// Red zig-zag under the characters start .. start + length - 1 (0-based) of a one-line
// text laid out in the canvas font at the rectangle's left edge.
void DrawErrorUnderline(gfx::TCanvas& canvas, std::string_view text, const rtl::TRect& rect,
                        int verticalOffset, int start, int length);
// The line of a text (lines end at CR or CR LF) with the largest width in the canvas font;
// the first of equal widths; the scan stops at the first empty line.
std::string LongestLineText(const gfx::TCanvas& canvas, std::string_view text);

}  // namespace grid
