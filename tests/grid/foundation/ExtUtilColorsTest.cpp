// Tests of colour arithmetic, gradients and the rounded selection rectangle, on real pixels.
#include "grid/foundation/ExtUtilColors.h"
#include "grid/foundation/ExtUtilGradients.h"

#include "tests/grid/foundation/ExtUtilTestCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace grid;
using gfx::TColor;
using gridtest::Surface;

TEST(ExtUtilColors, BlendColorStepWithEqualEndPointsReturnsTheStartColour)
{
    EXPECT_EQ(BlendColorStep(0x102030, 0xFFFFFF, 5, 5, 3), 0x102030);
    EXPECT_EQ(BlendColorStep(0x102030, gfx::clNone, 0, 10, 3), 0x102030);
    EXPECT_EQ(BlendColorStep(0x000000, 0x0000FF, 0, 10, 5), 0x000080);  // 127.5 rounds to even
    EXPECT_EQ(BlendColorStep(0x000000, 0x0A141E, 0, 10, 10), 0x0A141E);
    EXPECT_EQ(BlendColorStep(0x0000FF, 0x000000, 0, 4, 1), 0x0000BF);
    // System colours are resolved before blending.
    EXPECT_EQ(BlendColorStep(gfx::clBtnFace, gfx::clBtnFace, 0, 4, 2), gfx::ColorToRGB(gfx::clBtnFace));
    // A step beyond the range stays within the channel range.
    EXPECT_EQ(BlendColorStep(0x000000, 0x0000FF, 0, 10, 20), 0x0000FF);
}

TEST(ExtUtilColors, ShadingClampsEveryChannel)
{
    EXPECT_EQ(HalveColorIntensity(0xFF80FE), 0x7F407F);
    EXPECT_EQ(AdjustColorBrightness(0x646464, -10), 0x5A5A5A);
    EXPECT_EQ(AdjustColorBrightness(0x0A6496, -20), 0x085078);
    EXPECT_EQ(AdjustColorBrightness(0xC8C864, 50), 0xFFFF96);   // 300 held at 255
    EXPECT_EQ(AdjustColorBrightness(0xC8C8C8, -200), 0x000000);  // held at 0
    EXPECT_EQ(AdjustColorBrightness(gfx::clWhite, 10), 0xFFFFFF);
}

int RedAt(const Surface& s, int x, int y) { return gfx::GetRValue(s.At(x, y)); }

TEST(ExtUtilGradients, VerticalGradientUsesAtMostOneBandPerPixel)
{
    // 128 steps on a 10-pixel-high rectangle: 9 steps, 10 bands, one per row.
    Surface s(20, 14);
    DrawGradient(s.Canvas(), 0x000000, 0x0000FF, 128, rtl::Rect(2, 2, 18, 12), false);
    for (int row = 0; row < 10; ++row) {
        const int expected = static_cast<int>(std::lround(row * 255.0 / 9));
        EXPECT_NEAR(RedAt(s, 10, 2 + row), expected, 1) << "row " << row;
        EXPECT_EQ(s.At(2, 2 + row), s.At(17, 2 + row)) << "bands span the whole width";
    }
    EXPECT_EQ(s.At(10, 2), 0x000000);
    EXPECT_EQ(s.At(10, 11), 0x0000FF);
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(2, 2, 18, 12)));
}

TEST(ExtUtilGradients, HorizontalGradientWithFewStepsPaintsEqualBands)
{
    Surface s(30, 6);
    // 21 pixels wide, 4 steps: bands of 5 pixels and 5 colours.
    DrawGradient(s.Canvas(), 0x000000, 0x0000FF, 4, rtl::Rect(0, 0, 21, 6), true);
    const int expected[] = {0, 64, 128, 191, 255};
    for (int x = 0; x < 21; ++x)
        EXPECT_NEAR(RedAt(s, x, 3), expected[std::min(x / 5, 4)], 1) << "column " << x;
    EXPECT_EQ(s.At(21, 3), gfx::clWhite);
}

TEST(ExtUtilGradients, GradientWithAMissingColourFillsSolid)
{
    Surface s(10, 10);
    DrawGradient(s.Canvas(), gfx::clNone, gfx::clRed, 16, rtl::Rect(1, 8, 9, 2), false);  // bottom above top
    EXPECT_EQ(s.CountColor(rtl::Rect(1, 2, 9, 8), gfx::clRed), 48);
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(1, 2, 9, 8)));
    Surface t(10, 10);
    DrawGradient(t.Canvas(), gfx::clBlue, gfx::clNone, 16, rtl::Rect(0, 0, 10, 10), true);
    EXPECT_EQ(t.CountColor(rtl::Rect(0, 0, 10, 10), gfx::clBlue), 100);
    Surface u(10, 10);
    DrawGradient(u.Canvas(), gfx::clBlue, gfx::clRed, 16, rtl::Rect(0, 4, 10, 4), true);
    EXPECT_TRUE(u.UntouchedOutside(rtl::Rect(0, 0, 0, 0)));  // no height: nothing
}

TEST(ExtUtilGradients, MirrorGradientSplitsIntoTwoHalvesAndFrames)
{
    Surface s(24, 24);
    const rtl::TRect box = rtl::Rect(2, 2, 22, 22);
    DrawMirrorGradient(s.Canvas(), box, 0x000000, 0x0000FF, 0xFF0000, 0x00FF00, true, 0x808080, false, true);
    EXPECT_EQ(s.At(10, 2), 0x808080);   // frame
    EXPECT_EQ(s.At(2, 10), 0x808080);
    EXPECT_EQ(s.At(21, 10), 0x808080);
    EXPECT_EQ(s.At(10, 21), 0x808080);
    EXPECT_EQ(s.At(10, 11), 0x0000FF);  // end of the first half (rows 2..11)
    EXPECT_EQ(s.At(10, 12), 0xFF0000);  // start of the mirrored half
    EXPECT_TRUE(s.UntouchedOutside(box));

    Surface sides(24, 24);
    DrawMirrorGradient(sides.Canvas(), box, 0x00FFFF, gfx::clNone, gfx::clNone, gfx::clNone, true, 0x808080,
                       true, true);
    EXPECT_EQ(sides.At(10, 10), 0x00FFFF);  // solid fill
    EXPECT_EQ(sides.At(10, 22), 0x00FFFF);  // extended one pixel at the bottom
    EXPECT_EQ(sides.At(2, 10), 0x808080);   // side lines only
    EXPECT_EQ(sides.At(21, 10), 0x808080);
    EXPECT_EQ(sides.At(10, 2), 0x00FFFF);   // no top line

    Surface across(24, 24);
    DrawMirrorGradient(across.Canvas(), box, 0x000000, 0x0000FF, gfx::clNone, gfx::clNone, false, gfx::clNone,
                       false, true);
    EXPECT_EQ(across.At(2, 10), 0x000000);  // left to right
    EXPECT_EQ(across.At(21, 10), 0x0000FF);
}

TEST(ExtUtilGradients, RoundedSelectionRectangleHasRoundedEndsPerSegment)
{
    const TColor from = 0x00FFFF, light = 0xFFFFFF, dark = 0x404040, border = 0x800000, corner = 0x00FF00,
                 back = 0xFF00FF;
    auto paint = [&](int segment) {
        auto s = std::make_unique<Surface>(24, 16, 0xC0C0C0);
        DrawRoundedSelectionRect(s->Canvas(), from, gfx::clNone, gfx::clNone, gfx::clNone, light, dark, border,
                                 corner, back, rtl::Rect(0, 0, 20, 14), segment);
        return s;
    };
    // Shrunk box: L = 0, T = 0, outer right column 18, bottom row 12.
    const auto whole = paint(selWhole);
    EXPECT_EQ(whole->At(0, 0), back);
    EXPECT_EQ(whole->At(1, 0), corner);
    EXPECT_EQ(whole->At(0, 1), corner);
    EXPECT_EQ(whole->At(1, 1), corner);
    EXPECT_EQ(whole->At(2, 0), border);
    EXPECT_EQ(whole->At(0, 2), border);
    EXPECT_EQ(whole->At(0, 12), back);
    EXPECT_EQ(whole->At(1, 12), corner);
    EXPECT_EQ(whole->At(18, 0), back);
    EXPECT_EQ(whole->At(17, 0), corner);
    EXPECT_EQ(whole->At(18, 5), border);
    EXPECT_EQ(whole->At(10, 12), border);
    EXPECT_EQ(whole->At(10, 1), light);
    EXPECT_EQ(whole->At(1, 3), light);
    EXPECT_EQ(whole->At(10, 11), dark);
    EXPECT_EQ(whole->At(17, 9), dark);
    EXPECT_EQ(whole->At(10, 6), from);
    EXPECT_EQ(whole->At(19, 5), 0xC0C0C0);  // right column and the two bottom rows stay
    EXPECT_EQ(whole->At(10, 13), 0xC0C0C0);

    const auto left = paint(selLeftEnd);
    EXPECT_EQ(left->At(0, 0), back);
    EXPECT_EQ(left->At(18, 0), border);  // open end: the line runs through
    EXPECT_EQ(left->At(18, 6), from);
    EXPECT_EQ(left->At(17, 1), light);

    const auto right = paint(selRightEnd);
    EXPECT_EQ(right->At(0, 0), border);
    EXPECT_EQ(right->At(0, 6), from);
    EXPECT_EQ(right->At(18, 0), back);

    const auto middle = paint(selMiddle);
    EXPECT_EQ(middle->At(0, 0), border);
    EXPECT_EQ(middle->At(18, 12), border);
    EXPECT_EQ(middle->At(0, 6), from);
    EXPECT_EQ(middle->At(18, 6), from);
}

TEST(ExtUtilGradients, RoundedSelectionInteriorTakesTheMirroredGradient)
{
    Surface s(24, 30, 0xC0C0C0);
    DrawRoundedSelectionRect(s.Canvas(), 0x000000, 0x0000FF, 0xFF0000, 0x00FF00, 0xFFFFFF, 0x404040, 0x800000,
                             0x00FF00, 0xFF00FF, rtl::Rect(0, 0, 20, 28), selWhole);
    // Interior rows 2..24: upper half 2..12 from black to red, lower half 13..24 blue to green.
    EXPECT_EQ(s.At(10, 2), 0x000000);
    EXPECT_EQ(s.At(10, 12), 0x0000FF);
    EXPECT_EQ(s.At(10, 13), 0xFF0000);
    EXPECT_EQ(s.At(10, 24), 0x00FF00);
}

}  // namespace
