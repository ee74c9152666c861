// Cell-graphic painters of the grid utilities: the styled progress bar and the 19 cell shapes.
#include "grid/foundation/ExtUtilShapes.h"

#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace grid {

namespace {

int RoundInt(double v) { return static_cast<int>(rtl::Round(v)); }

// Paints a filled piece of the bar with a level's colours: a gradient out from the
// bar's middle line and back, or a solid fill.
void PaintPiece(gfx::TCanvas& canvas, const rtl::TRect& piece, int level, const TProgressBarLook& look)
{
    if (piece.Right <= piece.Left || piece.Bottom <= piece.Top) return;
    const std::array<gfx::TColor, 4> colors = {look.Level0Color, look.Level1Color, look.Level2Color,
                                               look.Level3Color};
    const std::array<gfx::TColor, 4> ends = {look.Level0ColorTo, look.Level1ColorTo, look.Level2ColorTo,
                                             look.Level3ColorTo};
    if (!look.ShowGradient) {
        FillRectColor(canvas, piece, colors[level]);
        return;
    }
    rtl::TRect first = piece, second = piece;
    if (look.Vertical)
        first.Right = second.Left = piece.Left + piece.Width() / 2;
    else
        first.Bottom = second.Top = piece.Top + piece.Height() / 2;
    DrawGradient(canvas, ends[level], colors[level], look.Steps, first, look.Vertical);
    DrawGradient(canvas, colors[level], ends[level], look.Steps, second, look.Vertical);
}

// The piece from `offset` to `offset + length` along the bar (from Left, or up from
// Bottom when vertical), inset by `inset` from the box across the bar.
rtl::TRect Piece(const rtl::TRect& box, bool vertical, int startInset, int offset, int length, int inset)
{
    if (vertical)
        return rtl::Rect(box.Left + inset, box.Bottom - startInset - offset - length, box.Right - inset,
                         box.Bottom - startInset - offset);
    return rtl::Rect(box.Left + startInset + offset, box.Top + inset, box.Left + startInset + offset + length,
                     box.Bottom - inset);
}

void PaintStacked(gfx::TCanvas& canvas, const rtl::TRect& box, int value, int extent, const TProgressBarLook& look)
{
    // Lengths are held within what is left of the bar, so thresholds out of order or out
    // of 0..100 never paint past its end.
    int used = 0;
    auto take = [&](int length) {
        length = std::clamp(length, 0, extent - used);
        const int start = used;
        used += length;
        return std::pair{start, length};
    };
    const auto [start0, len0] = take(RoundInt(std::min(value, look.Level1Perc) / 100.0 * extent));
    PaintPiece(canvas, Piece(box, look.Vertical, 1, start0, len0, 1), 0, look);
    if (value < look.Level1Perc) return;
    const auto [start1, len1] =
        take(RoundInt((std::min(value, look.Level2Perc) - look.Level1Perc) / 100.0 * extent));
    PaintPiece(canvas, Piece(box, look.Vertical, 1, start1, len1, 1), 1, look);
    if (value < look.Level2Perc) return;
    const int third = value == 100 ? extent - len0 - len1 : RoundInt((value - look.Level2Perc) / 100.0 * extent);
    const auto [start3, len3] = take(third);
    PaintPiece(canvas, Piece(box, look.Vertical, 1, start3, len3, 1), 3, look);
}

void PaintBlocks(gfx::TCanvas& canvas, const rtl::TRect& box, int value, int extent, int level,
                 const TProgressBarLook& look)
{
    const int length = RoundInt(static_cast<double>(value) * extent / 100);
    if (length < 10) {
        if (length > 1) PaintPiece(canvas, Piece(box, look.Vertical, 2, 0, length - 1, 2), level, look);
        return;
    }
    const int fullBlocks = length / 9;  // the first block and length div 9 - 1 more
    for (int k = 0; k < fullBlocks; ++k) PaintPiece(canvas, Piece(box, look.Vertical, 2, k * 9, 7, 2), level, look);
    if (length % 9 > 2)
        PaintPiece(canvas, Piece(box, look.Vertical, 2, fullBlocks * 9, length % 9 - 1, 2), level, look);
}

void DrawPercentage(gfx::TCanvas& canvas, const rtl::TRect& rect, int value, const TProgressBarLook& look)
{
    canvas.Brush().SetStyle(gfx::bsClear);
    if (look.Font != nullptr) {
        canvas.Font().SetName(look.Font->Name());
        canvas.Font().SetSize(look.Font->Size());
        canvas.Font().SetStyle(look.Font->Style());
    }
    canvas.Font().SetColor(look.CompleteFontColor);
    const std::string text = rtl::IntToStr(value) + "%";
    const rtl::TSize extent = canvas.TextExtent(text);
    const int midX = rect.Left + rect.Width() / 2;
    const int midY = rect.Top + rect.Height() / 2;
    if (!look.Vertical) {
        canvas.TextOut(midX - extent.cx / 2, midY - extent.cy / 2, text);
        return;
    }
    // Reads upwards: the font turned by 90 degrees for this text only.
    const int orientation = canvas.Font().Orientation();
    canvas.Font().SetOrientation(900);
    canvas.TextOut(midX - extent.cy / 2, midY + extent.cx / 2, text);
    canvas.Font().SetOrientation(orientation);
}

void Outline(gfx::TCanvas& canvas, const rtl::TRect& rect, const TProgressBarLook& look)
{
    canvas.Pen().SetColor(look.ShowBorder ? look.BorderColor : look.UnCompleteColor);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Rectangle(rect);
}

}  // namespace

void DrawProgressBar(gfx::TCanvas& canvas, const rtl::TRect& rect, int value, const TProgressBarLook& look)
{
    canvas.Brush().SetColor(look.UnCompleteColor);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Pen().SetColor(look.ShowBorder ? look.BorderColor : look.UnCompleteColor);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Rectangle(rect);
    const int extent = (look.Vertical ? rect.Height() : rect.Width()) - 2;

    // A value outside 0..100 is drawn as its nearest end, so the bar never leaves its box;
    // the percentage text still shows the value itself.
    const int shown = std::clamp(value, 0, 100);
    if (shown > 0 && extent > 0) {
        if (look.Stacked) {
            PaintStacked(canvas, rect, shown, extent, look);
        } else {
            const int level = shown < look.Level1Perc ? 0 : shown < look.Level2Perc ? 1 : shown < 100 ? 2 : 3;
            if (look.CompletionSmooth) {
                const int length = std::min(extent, RoundInt(shown / 100.0 * extent));
                PaintPiece(canvas, Piece(rect, look.Vertical, 1, 0, length, 1), level, look);
            } else {
                PaintBlocks(canvas, rect, shown, extent, level, look);
            }
        }
    }
    if (look.ShowPercentage) DrawPercentage(canvas, rect, value, look);
    Outline(canvas, rect, look);
}

namespace {

// Point k of the ten-point star: outer for even k, inner (a third) for odd k, at k * 36
// degrees clockwise from 12 o'clock.
rtl::TPoint StarPoint(int x, int y, int w, int h, int k)
{
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    double rx = w / 2;
    double ry = h / 2;
    if (k % 2 == 1) {
        rx /= 3;
        ry /= 3;
    }
    const double theta = k * 36.0 * std::numbers::pi / 180.0;
    return {cx + RoundInt(std::sin(theta) * rx), cy - RoundInt(std::cos(theta) * ry)};
}

void Polygon(gfx::TCanvas& canvas, std::initializer_list<rtl::TPoint> points)
{
    const std::vector<rtl::TPoint> v(points);
    canvas.Polygon(v);
}

}  // namespace

void DrawCellShape(gfx::TCanvas& canvas, int x, int y, int w, int h, TCellShape shape, gfx::TColor brushColor,
                   gfx::TColor penColor)
{
    if (shape < csRectangle || shape > csHalfStar) return;
    canvas.Pen().SetColor(penColor);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(brushColor);
    canvas.Brush().SetStyle(gfx::bsSolid);
    if (shape == csCircle || shape == csSquare || shape == csRoundSquare) w = h = std::min(w, h);
    if ((shape == csArrowUp || shape == csArrowDown) && w % 2 != 0) --w;
    if ((shape == csArrowLeft || shape == csArrowRight) && h % 2 != 0) --h;

    switch (shape) {
    case csRectangle:
    case csSquare:
        canvas.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1);
        break;
    case csCircle:
    case csEllips:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    case csTriangleLeft:
        Polygon(canvas, {{x + w, y}, {x + w, y + h}, {x, y + h / 2}});
        break;
    case csTriangleRight:
        Polygon(canvas, {{x, y}, {x, y + h}, {x + w, y + h / 2}});
        break;
    case csTriangleUp:
        Polygon(canvas, {{x, y + h}, {x + w, y + h}, {x + w / 2, y}});
        break;
    case csTriangleDown:
        Polygon(canvas, {{x, y}, {x + w, y}, {x + w / 2, y + h}});
        break;
    case csDiamond: {
        const int hw = w / 2, hh = h / 2;
        Polygon(canvas, {{x, y + hh}, {x + hw, y}, {x + 2 * hw, y + hh}, {x + hw, y + 2 * hh}});
        break;
    }
    case csLineVert:
        canvas.Rectangle(x + w / 2, y, x + w / 2 + 1, y + h);
        break;
    case csLineHorz:
        canvas.Rectangle(x, y + h / 2, x + w, y + h / 2 + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, 10, 10);
        break;
    case csStar: {
        std::vector<rtl::TPoint> points;
        for (int k = 0; k < 10; ++k) points.push_back(StarPoint(x, y, w, h, k));
        canvas.Polygon(points);
        break;
    }
    case csHalfStar: {
        std::vector<rtl::TPoint> points;
        for (int k : {0, 5, 6, 7, 8, 9}) points.push_back(StarPoint(x, y, w, h, k));
        canvas.Polygon(points);
        break;
    }
    case csArrowUp: {
        const int m = y + h / 2, q = w / 4;
        Polygon(canvas, {{x, m}, {x + w / 2, y}, {x + w, m}, {x + 3 * q, m}, {x + 3 * q, y + h}, {x + q, y + h}, {x + q, m}});
        break;
    }
    case csArrowDown: {
        const int m = y + h / 2, q = w / 4;
        Polygon(canvas, {{x, m}, {x + w / 2, y + h}, {x + w, m}, {x + 3 * q, m}, {x + 3 * q, y}, {x + q, y}, {x + q, m}});
        break;
    }
    case csArrowLeft: {
        const int m = x + w / 2, q = h / 4;
        Polygon(canvas, {{m, y}, {x, y + h / 2}, {m, y + h}, {m, y + 3 * q}, {x + w, y + 3 * q}, {x + w, y + q}, {m, y + q}});
        break;
    }
    case csArrowRight: {
        const int m = x + w / 2, q = h / 4;
        Polygon(canvas, {{m, y}, {x + w, y + h / 2}, {m, y + h}, {m, y + 3 * q}, {x, y + 3 * q}, {x, y + q}, {m, y + q}});
        break;
    }
    }
}

}  // namespace grid
