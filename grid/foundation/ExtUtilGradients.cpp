// Gradient painting of the grid utilities: two-colour and mirrored gradients, solid fills and the rounded selection rectangle.
#include "grid/foundation/ExtUtilGradients.h"

#include "platform/gfx/Canvas.h"
#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <cmath>

namespace grid {

namespace {

// Pen and brush in one colour, then the rectangle: exactly its pixels are filled.
void SolidRect(gfx::TCanvas& canvas, int left, int top, int right, int bottom, gfx::TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Rectangle(left, top, right, bottom);
}

void Line(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

void DrawGradient(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to, int steps, rtl::TRect rect,
                  bool horizontal)
{
    if (rect.Top == rect.Bottom) return;
    if (rect.Bottom < rect.Top) std::swap(rect.Top, rect.Bottom);
    if (rect.Right <= rect.Left) return;  // no pixels to paint
    if (from == gfx::clNone || to == gfx::clNone) {
        const gfx::TColor solid = from == gfx::clNone ? to : from;
        if (solid == gfx::clNone) return;
        SolidRect(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom, solid);
        return;
    }
    const gfx::TColor a = gfx::ColorToRGB(from);
    const gfx::TColor b = gfx::ColorToRGB(to);
    const int extent = horizontal ? rect.Width() - 1 : rect.Height() - 1;
    steps = std::max(1, std::min(steps, extent));
    const double band = static_cast<double>(extent) / steps;
    const int end = horizontal ? rect.Width() : rect.Height();
    auto channel = [steps](int i, int ca, int cb) {
        return static_cast<int>(ca + rtl::Round(static_cast<double>(i) * (cb - ca) / steps));
    };
    for (int i = 0; i <= steps; ++i) {
        const gfx::TColor color =
            gfx::RGB(channel(i, gfx::GetRValue(a), gfx::GetRValue(b)), channel(i, gfx::GetGValue(a), gfx::GetGValue(b)),
                     channel(i, gfx::GetBValue(a), gfx::GetBValue(b)));
        const int offset = static_cast<int>(std::trunc(i * band));
        const int stop = std::min(end, offset + static_cast<int>(std::trunc(band + 1)));
        if (horizontal)
            SolidRect(canvas, rect.Left + offset, rect.Top, rect.Left + stop, rect.Bottom, color);
        else
            SolidRect(canvas, rect.Left, rect.Top + offset, rect.Right, rect.Top + stop, color);
    }
}

void DrawMirrorGradient(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor from, gfx::TColor to,
                        gfx::TColor mirrorFrom, gfx::TColor mirrorTo, bool vertical, gfx::TColor border,
                        bool sidesOnly, bool fill)
{
    if (fill && from != gfx::clNone) {
        if (mirrorFrom == gfx::clNone && to == gfx::clNone) {
            SolidRect(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom + 1, from);
        } else if (mirrorFrom == gfx::clNone) {
            DrawGradient(canvas, from, to, 128, rect, !vertical);
        } else {
            rtl::TRect first = rect, second = rect;
            if (vertical) {
                first.Bottom = second.Top = rect.Top + rect.Height() / 2;
            } else {
                first.Right = second.Left = rect.Left + rect.Width() / 2;
            }
            DrawGradient(canvas, from, to, 128, first, !vertical);
            DrawGradient(canvas, mirrorFrom, mirrorTo, 128, second, !vertical);
        }
    }
    if (border == gfx::clNone) return;
    canvas.Pen().SetColor(border);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    if (sidesOnly) {
        Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
        Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
    } else {
        canvas.Brush().SetStyle(gfx::bsClear);
        canvas.Rectangle(rect);
    }
}

void FillRectColor(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color)
{
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.FillRect(rect);
}

void DrawRoundedSelectionRect(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to,
                              gfx::TColor mirrorFrom, gfx::TColor mirrorTo, gfx::TColor innerLight,
                              gfx::TColor innerDark, gfx::TColor border, gfx::TColor corner,
                              gfx::TColor background, const rtl::TRect& rect, int segment)
{
    // L, T are the first pixels; R - 1 and B the outer right column and bottom row.
    const int L = rect.Left, T = rect.Top, R = rect.Right - 1, B = rect.Bottom - 2;
    const bool leftEnd = segment == selWhole || segment == selLeftEnd;
    const bool rightEnd = segment == selWhole || segment == selRightEnd;
    const int middle = T + (B - T) / 2;
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);

    // Inner lines: light under the top and down the upper halves, dark above the bottom
    // and down the lower halves.
    const int innerLeft = leftEnd ? L + 1 : L;
    const int innerRight = rightEnd ? R - 1 : R;
    canvas.Pen().SetColor(innerLight);
    Line(canvas, innerLeft, T + 1, innerRight, T + 1);
    if (leftEnd) Line(canvas, L + 1, T + 1, L + 1, middle);
    if (rightEnd) Line(canvas, R - 2, T + 1, R - 2, middle);
    canvas.Pen().SetColor(innerDark);
    Line(canvas, innerLeft, B - 1, innerRight, B - 1);
    if (leftEnd) Line(canvas, L + 1, middle, L + 1, B - 1);
    if (rightEnd) Line(canvas, R - 2, middle, R - 2, B - 1);

    // Outer border, inset by 2 at a rounded end.
    const int outerLeft = leftEnd ? L + 2 : L;
    const int outerRight = rightEnd ? R - 2 : R;
    canvas.Pen().SetColor(border);
    Line(canvas, outerLeft, T, outerRight, T);
    Line(canvas, outerLeft, B, outerRight, B);
    if (leftEnd) Line(canvas, L, T + 2, L, B);
    if (rightEnd) Line(canvas, R - 1, T + 2, R - 1, B);

    // Rounded corners.
    auto roundEnd = [&](int inner, int outer) {
        canvas.SetPixels(inner, T, corner);
        canvas.SetPixels(inner, T + 1, corner);
        canvas.SetPixels(outer, T + 1, corner);
        canvas.SetPixels(inner, B, corner);
        canvas.SetPixels(inner, B - 1, corner);
        canvas.SetPixels(outer, B - 1, corner);
        canvas.SetPixels(outer, T, background);
        canvas.SetPixels(outer, B, background);
    };
    if (leftEnd) roundEnd(L + 1, L);
    if (rightEnd) roundEnd(R - 2, R - 1);

    // Interior, inside the inner lines.
    const rtl::TRect inside{leftEnd ? L + 2 : L, T + 2, rightEnd ? R - 2 : R, B - 1};
    if (inside.Right <= inside.Left || inside.Bottom <= inside.Top) return;
    if (to == gfx::clNone) {
        SolidRect(canvas, inside.Left, inside.Top, inside.Right, inside.Bottom, from);
    } else if (mirrorFrom == gfx::clNone) {
        DrawGradient(canvas, from, to, 16, inside, false);
    } else {
        rtl::TRect upper = inside, lower = inside;
        upper.Bottom = lower.Top = inside.Top + inside.Height() / 2;
        DrawGradient(canvas, from, to, 16, upper, false);
        DrawGradient(canvas, mirrorFrom, mirrorTo, 16, lower, false);
    }
}

}  // namespace grid
