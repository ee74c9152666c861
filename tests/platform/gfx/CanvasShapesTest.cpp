// Pixel rules of the canvas: rectangles, lines, pens, raster operations, clipping.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

using namespace gfx;

// A white 40 × 40 bitmap with a black one-pixel pen and a red brush.
struct Surface {
    TBitmap Bitmap{40, 40};
    TCanvas& C = Bitmap.Canvas();
    Surface()
    {
        C.Brush().SetColor(clWhite);
        C.FillRect(rtl::Rect(0, 0, 40, 40));
        C.Pen().SetColor(clBlack);
        C.Brush().SetColor(clRed);
    }
    int CountColor(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (C.Pixels(x, y) == color) ++n;
        return n;
    }
};

TEST(CanvasShapes, RectangleExcludesRightAndBottomEdge)
{
    Surface s;
    s.C.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.C.Pixels(0, 0), clBlack);
    EXPECT_EQ(s.C.Pixels(9, 9), clBlack);
    EXPECT_EQ(s.C.Pixels(9, 0), clBlack);
    EXPECT_EQ(s.C.Pixels(10, 10), clWhite);
    EXPECT_EQ(s.C.Pixels(10, 5), clWhite);
    EXPECT_EQ(s.C.Pixels(5, 10), clWhite);
    EXPECT_EQ(s.C.Pixels(5, 5), clRed);
    EXPECT_EQ(s.CountColor(clBlack), 36);  // the frame of a 10 × 10 square
    EXPECT_EQ(s.CountColor(clRed), 64);
}

TEST(CanvasShapes, FillRectAndFrameRectCoverExactlyTheRectangle)
{
    Surface s;
    s.C.FillRect(rtl::Rect(2, 3, 7, 9));
    EXPECT_EQ(s.CountColor(clRed), 5 * 6);
    EXPECT_EQ(s.C.Pixels(7, 3), clWhite);
    EXPECT_EQ(s.C.Pixels(2, 9), clWhite);
    s.C.Brush().SetColor(clBlue);
    s.C.FrameRect(rtl::Rect(20, 20, 25, 24));
    EXPECT_EQ(s.CountColor(clBlue), 2 * 5 + 2 * 2);
    EXPECT_EQ(s.C.Pixels(24, 23), clBlue);
    EXPECT_EQ(s.C.Pixels(22, 22), clWhite);
}

TEST(CanvasShapes, LineToDoesNotDrawItsEndPoint)
{
    struct Case {
        int x0, y0, x1, y1, drawn;
    };
    const Case cases[] = {{2, 5, 12, 5, 10}, {12, 5, 2, 5, 10}, {5, 2, 5, 12, 10}, {1, 1, 11, 11, 10}, {3, 3, 3, 3, 0}, {0, 0, 10, 4, 10}};
    for (const Case& k : cases) {
        Surface s;
        s.C.MoveTo(k.x0, k.y0);
        s.C.LineTo(k.x1, k.y1);
        EXPECT_EQ(s.C.Pixels(k.x1, k.y1), clWhite) << k.x0 << "," << k.y0 << " → " << k.x1 << "," << k.y1;
        EXPECT_EQ(s.CountColor(clBlack), k.drawn);
        if (k.drawn) {
            EXPECT_EQ(s.C.Pixels(k.x0, k.y0), clBlack);
        }
        EXPECT_EQ(s.C.PenPos(), rtl::Point(k.x1, k.y1));
    }
}

TEST(CanvasShapes, XorPenDrawnTwiceRestoresThePixels)
{
    Surface s;
    s.C.Brush().SetColor(clYellow);
    s.C.FillRect(rtl::Rect(5, 5, 30, 30));
    s.C.Pen().SetColor(RGB(0x12, 0x34, 0x56));
    s.C.Pen().SetMode(pmXor);
    s.C.MoveTo(0, 10);
    s.C.LineTo(39, 10);
    EXPECT_EQ(s.C.Pixels(20, 10), RGB(0xFF ^ 0x12, 0xFF ^ 0x34, 0x00 ^ 0x56));
    EXPECT_EQ(s.C.Pixels(2, 10), RGB(0xFF ^ 0x12, 0xFF ^ 0x34, 0xFF ^ 0x56));
    s.C.MoveTo(0, 10);
    s.C.LineTo(39, 10);
    EXPECT_EQ(s.C.Pixels(20, 10), clYellow);
    EXPECT_EQ(s.C.Pixels(2, 10), clWhite);

    // A wide XOR pen and an XOR ellipse go through the same raster operation.
    s.C.Pen().SetWidth(3);
    s.C.Brush().SetStyle(bsClear);
    for (int pass = 0; pass < 2; ++pass) {
        s.C.MoveTo(3, 3);
        s.C.LineTo(35, 30);
        s.C.Ellipse(4, 4, 36, 20);
    }
    EXPECT_EQ(s.CountColor(clYellow), 25 * 25);
}

TEST(CanvasShapes, NotPenInvertsAndNopPenLeavesPixels)
{
    Surface s;
    s.C.Pen().SetMode(pmNot);
    s.C.MoveTo(0, 0);
    s.C.LineTo(5, 0);
    EXPECT_EQ(s.C.Pixels(0, 0), clBlack);
    s.C.Pen().SetMode(pmNop);
    s.C.MoveTo(0, 1);
    s.C.LineTo(5, 1);
    EXPECT_EQ(s.C.Pixels(0, 1), clWhite);
}

TEST(CanvasShapes, DottedPenLeavesGapsInTheBackgroundMode)
{
    Surface s;
    s.C.Pen().SetStyle(psDot);
    s.C.Brush().SetStyle(bsClear);  // transparent background: gaps untouched
    s.C.MoveTo(0, 0);
    s.C.LineTo(12, 0);
    EXPECT_EQ(s.C.Pixels(0, 0), clBlack);
    EXPECT_EQ(s.C.Pixels(2, 0), clBlack);
    EXPECT_EQ(s.C.Pixels(3, 0), clWhite);
    EXPECT_EQ(s.C.Pixels(6, 0), clBlack);
    s.C.Brush().SetColor(clLime);  // opaque background: gaps in the background colour
    s.C.MoveTo(0, 2);
    s.C.LineTo(12, 2);
    EXPECT_EQ(s.C.Pixels(4, 2), clLime);
}

TEST(CanvasShapes, WidePenIsCentredOnTheLine)
{
    Surface s;
    s.C.Pen().SetWidth(3);
    s.C.MoveTo(5, 20);
    s.C.LineTo(30, 20);
    EXPECT_EQ(s.C.Pixels(15, 19), clBlack);
    EXPECT_EQ(s.C.Pixels(15, 20), clBlack);
    EXPECT_EQ(s.C.Pixels(15, 21), clBlack);
    EXPECT_EQ(s.C.Pixels(15, 18), clWhite);
    EXPECT_EQ(s.C.Pixels(15, 22), clWhite);
}

TEST(CanvasShapes, ClippedFillStaysInsideItsClip)
{
    Surface s;
    s.C.SetClipRect(rtl::Rect(10, 10, 20, 20));
    s.C.FillRect(rtl::Rect(0, 0, 40, 40));
    EXPECT_EQ(s.C.Pixels(10, 10), clRed);
    EXPECT_EQ(s.C.Pixels(19, 19), clRed);
    s.C.Ellipse(0, 0, 40, 40);
    s.C.MoveTo(0, 15);
    s.C.LineTo(40, 15);
    s.C.TextOut(0, 12, "WWWWWWWWWW");
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            if (!inside) {
                ASSERT_EQ(s.C.Pixels(x, y), clWhite) << x << "," << y;
            }
        }
}

TEST(CanvasShapes, ExcludedRectangleAndRegionsLimitDrawing)
{
    Surface s;
    s.C.ExcludeClipRect(rtl::Rect(0, 0, 20, 40));
    TRegion region(rtl::Rect(0, 0, 40, 10));
    region.Union(rtl::Rect(0, 30, 40, 40));
    s.C.FillRect(rtl::Rect(0, 0, 40, 40));
    EXPECT_EQ(s.C.Pixels(5, 5), clWhite);
    EXPECT_EQ(s.C.Pixels(25, 20), clRed);
    s.C.ResetClip();
    s.C.Brush().SetColor(clBlue);
    s.C.SetClipRegion(region);
    s.C.FillRect(rtl::Rect(0, 0, 40, 40));
    EXPECT_EQ(s.C.Pixels(5, 5), clBlue);
    EXPECT_EQ(s.C.Pixels(5, 35), clBlue);
    EXPECT_EQ(s.C.Pixels(5, 20), clWhite);
    EXPECT_EQ(s.C.ClipRect(), rtl::Rect(0, 0, 40, 40));
}

TEST(CanvasShapes, OriginShiftsDrawingAndClip)
{
    Surface s;
    s.C.SetOrigin(10, 5);
    s.C.SetClipRect(rtl::Rect(0, 0, 5, 5));
    s.C.FillRect(rtl::Rect(-10, -10, 30, 30));
    EXPECT_EQ(s.C.Pixels(0, 0), clRed);
    s.C.SetOrigin(0, 0);
    EXPECT_EQ(s.C.Pixels(10, 5), clRed);
    EXPECT_EQ(s.C.Pixels(14, 9), clRed);
    EXPECT_EQ(s.C.Pixels(15, 9), clWhite);
    EXPECT_EQ(s.C.Pixels(9, 5), clWhite);
}

TEST(CanvasShapes, SavedStateRestoresClipPenAndBrush)
{
    Surface s;
    const int level = s.C.SaveState();
    s.C.SetClipRect(rtl::Rect(0, 0, 2, 2));
    s.C.Pen().SetColor(clBlue);
    s.C.Brush().SetColor(clGreen);
    s.C.RestoreState(level);
    EXPECT_FALSE(s.C.HasClip());
    EXPECT_EQ(s.C.Pen().Color(), clBlack);
    EXPECT_EQ(s.C.Brush().Color(), clRed);
    s.C.FillRect(rtl::Rect(30, 30, 32, 32));
    EXPECT_EQ(s.C.Pixels(31, 31), clRed);
}

TEST(CanvasShapes, FocusRectangleIsDottedAndUndoneByASecondCall)
{
    Surface s;
    s.C.DrawFocusRect(rtl::Rect(2, 2, 12, 8));
    const int inverted = s.CountColor(clBlack);
    EXPECT_GT(inverted, 10);
    EXPECT_LT(inverted, 2 * (10 + 6));  // every other pixel of the frame
    EXPECT_EQ(s.C.Pixels(6, 5), clWhite);
    s.C.DrawFocusRect(rtl::Rect(2, 2, 12, 8));
    EXPECT_EQ(s.CountColor(clWhite), 40 * 40);
}

TEST(CanvasShapes, EllipsePolygonAndPieStayInTheirBounds)
{
    Surface s;
    s.C.Ellipse(0, 0, 20, 10);
    EXPECT_EQ(s.C.Pixels(10, 5), clRed);
    EXPECT_EQ(s.C.Pixels(0, 0), clWhite);
    EXPECT_EQ(s.C.Pixels(0, 5), clBlack);
    for (int y = 0; y < 40; ++y) EXPECT_EQ(s.C.Pixels(20, y), clWhite);
    EXPECT_EQ(s.C.Pixels(10, 10), clWhite);

    Surface p;
    const rtl::TPoint tri[] = {{0, 39}, {20, 20}, {39, 39}};
    p.C.Polygon(tri);
    EXPECT_EQ(p.C.Pixels(20, 35), clRed);
    EXPECT_EQ(p.C.Pixels(20, 20), clBlack);
    EXPECT_EQ(p.C.Pixels(5, 25), clWhite);

    Surface q;
    // Upper-right quarter: counter-clockwise from the right (3 o'clock) to the top.
    q.C.Pie(0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_EQ(q.C.Pixels(28, 12), clRed);
    EXPECT_EQ(q.C.Pixels(12, 28), clWhite);
    EXPECT_EQ(q.C.Pixels(12, 12), clWhite);
}

TEST(CanvasShapes, ClearPenRectangleFillsOnePixelLess)
{
    Surface s;
    s.C.Pen().SetStyle(psClear);
    s.C.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.C.Pixels(8, 8), clRed);
    EXPECT_EQ(s.C.Pixels(9, 9), clWhite);
    EXPECT_EQ(s.CountColor(clRed), 81);
}

TEST(CanvasShapes, FloodFillStopsAtTheBorderColour)
{
    Surface s;
    s.C.Brush().SetStyle(bsClear);
    s.C.Rectangle(5, 5, 15, 15);
    s.C.Brush().SetColor(clBlue);
    s.C.FloodFill(10, 10, clBlack, fsBorder);
    EXPECT_EQ(s.CountColor(clBlue), 8 * 8);
    s.C.Brush().SetColor(clGreen);
    s.C.FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(s.CountColor(clGreen), 40 * 40 - 100);
}

TEST(CanvasShapes, HatchBrushLeavesBackgroundBetweenLines)
{
    Surface s;
    s.C.Brush().SetStyle(bsCross);  // hatched brushes draw on a transparent background
    s.C.FillRect(rtl::Rect(0, 0, 16, 16));
    const int red = s.CountColor(clRed);
    EXPECT_GT(red, 16);
    EXPECT_LT(red, 16 * 16 / 2);
    EXPECT_EQ(s.CountColor(clWhite), 40 * 40 - red);
    s.C.SetBkMode(OPAQUE);
    s.C.SetBkColor(clBlue);
    s.C.FillRect(rtl::Rect(20, 20, 36, 36));
    EXPECT_EQ(s.CountColor(clBlue) + s.CountColor(clRed), 2 * red + (16 * 16 - red));
}

TEST(CanvasShapes, GradientRunsFromFirstToLastColour)
{
    Surface s;
    s.C.GradientFill(rtl::Rect(0, 0, 11, 4), clBlack, clWhite, false);
    EXPECT_EQ(s.C.Pixels(0, 0), clBlack);
    EXPECT_EQ(s.C.Pixels(10, 3), clWhite);
    EXPECT_EQ(s.C.Pixels(5, 2), RGB(128, 128, 128));
    s.C.GradientFill(rtl::Rect(20, 0, 24, 3), clRed, clBlue, true);
    EXPECT_EQ(s.C.Pixels(21, 0), clRed);
    EXPECT_EQ(s.C.Pixels(21, 2), clBlue);
}

TEST(CanvasShapes, SystemColoursResolveWhenDrawing)
{
    Surface s;
    s.C.Brush().SetColor(clBtnFace);
    s.C.FillRect(rtl::Rect(0, 0, 2, 2));
    EXPECT_EQ(s.C.Pixels(1, 1), RGB(240, 240, 240));
    EXPECT_EQ(s.C.Pixels(100, 100), clNone);
}

}  // namespace
