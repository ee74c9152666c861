// Small canvas painters of the grid utilities: bitmaps (scaled, transparent, alpha), the drop-down triangle, the error underline and line measuring.
#include "grid/foundation/ExtUtilDraw.h"

#include "grid/foundation/ExtUtilText.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Resources.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

#include <array>

namespace grid {

namespace {

// Left margin of a one-line edit field, where its first character starts.
constexpr int EditTextMargin = 1;

// Left edge of the character with the 0-based index `index` in the one-line layout.
int CharLeft(const gfx::TCanvas& canvas, std::string_view text, int index)
{
    return EditTextMargin + canvas.TextWidth(rtl::Utf8Copy(text, 1, index));
}

}  // namespace

void DrawSmallDownTriangle(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(gfx::bsSolid);
    const std::array<rtl::TPoint, 3> points = {rtl::TPoint{x - 3, y}, rtl::TPoint{x + 3, y}, rtl::TPoint{x, y + 3}};
    canvas.Polygon(points);
}

void DrawBitmapScaledTransparent(gfx::TCanvas& canvas, const gfx::TBitmap& bitmap, gfx::TColor background,
                                 const rtl::TRect& rect, double scale)
{
    const int width = static_cast<int>(rtl::Round(bitmap.Width() * scale));
    const int height = static_cast<int>(rtl::Round(bitmap.Height() * scale));
    if (width <= 0 || height <= 0) return;
    gfx::TBitmap work(width, height);
    gfx::TCanvas& target = work.Canvas();
    target.Brush().SetColor(background);
    target.Brush().SetStyle(gfx::bsSolid);
    target.FillRect(rtl::Rect(0, 0, width, height));
    const rtl::TRect source = rtl::Rect(0, 0, bitmap.Width(), bitmap.Height());
    if (scale == 1.0)
        target.BrushCopy(source, bitmap, source, bitmap.Canvas().Pixels(0, 0));
    else
        target.StretchDraw(rtl::Rect(0, 0, width, height), bitmap);
    canvas.Draw(rect.Left, rect.Top, work);
}

void DrawResourceBitmap(gfx::TCanvas& canvas, gfx::TColor background, const rtl::TRect& rect,
                        const std::string& resourceName, double scale)
{
    const gfx::TResource resource = gfx::FindResource(resourceName);
    if (!resource.Found()) throw rtl::Exception("Resource " + resourceName + " not found");
    gfx::TBitmap bitmap;
    bitmap.LoadFromBytes(resource.Data, resource.Size);
    DrawBitmapScaledTransparent(canvas, bitmap, background, rect, scale);
}

void DrawBitmapAlpha(gfx::TCanvas& canvas, int x, int y, const gfx::TBitmap& bitmap)
{
    if (bitmap.PixelFormat() == gfx::pf32bit && bitmap.AlphaFormat() == gfx::afPremultiplied) {
        const rtl::TRect source = rtl::Rect(0, 0, bitmap.Width(), bitmap.Height());
        canvas.AlphaBlend(rtl::Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap.Canvas(), source, 255, true);
        return;
    }
    canvas.Draw(x, y, bitmap);
}

void DrawErrorUnderline(gfx::TCanvas& canvas, std::string_view text, const rtl::TRect& rect,
                        int verticalOffset, int start, int length)
{
    const int textLength = static_cast<int>(rtl::Utf8Length(text));
    if (textLength == 0 || length <= 0) return;
    // One line: every character sits at y = 0.
    const int y1 = 0, y2 = 0;
    const int x1 = start < textLength ? CharLeft(canvas, text, start) : CharLeft(canvas, text, textLength) + 4;
    const int x2 = start + length < textLength ? CharLeft(canvas, text, start + length - 1)
                                               : CharLeft(canvas, text, textLength - 1) + 4;
    canvas.Pen().SetColor(gfx::clRed);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(2);
    canvas.MoveTo(rect.Left + x1, rect.Top + y1 + verticalOffset + 3);
    int x = x1;
    int h = 0;
    while (x <= x2) {
        canvas.LineTo(rect.Left + x + 3, rect.Top + y2 + verticalOffset + h);
        h = 3 - h;
        x += 3;
    }
    canvas.LineTo(rect.Left + x + 3, rect.Top + y2 + verticalOffset + h);
    canvas.Pen().SetWidth(1);
}

std::string LongestLineText(const gfx::TCanvas& canvas, std::string_view text)
{
    std::string rest(text);
    std::string longest;
    int longestWidth = -1;
    while (!rest.empty()) {
        std::string line = TakeFirstLine(rest, true);
        if (line.empty()) break;
        const int width = canvas.TextWidth(line);
        if (width > longestWidth) {
            longestWidth = width;
            longest = std::move(line);
        }
    }
    return longest;
}

}  // namespace grid
