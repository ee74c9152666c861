// Bitmaps: sizes, scan lines, transparency, alpha blending, copies and image lists.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace gfx;

TBitmap Filled(int w, int h, TColor color)
{
    TBitmap b(w, h);
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect(rtl::Rect(0, 0, w, h));
    return b;
}

TEST(Bitmap, SizeAndScanLines)
{
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetPixelFormat(pf24bit);
    b.SetSize(4, 3);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Canvas().Pixels(3, 2), clWhite);  // new 24-bit pixels are white
    b.ScanLine(1)[2] = 0xFF102030u;
    b.Canvas().Changed();
    EXPECT_EQ(b.Canvas().Pixels(2, 1), RGB(0x10, 0x20, 0x30));
    b.Canvas().SetPixels(0, 0, clRed);
    b.SetSize(6, 5);  // the kept part stays
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas().Pixels(2, 1), RGB(0x10, 0x20, 0x30));
    EXPECT_THROW(b.ScanLine(5), rtl::Exception);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_FALSE(b.Canvas().HandleAllocated());
}

TEST(Bitmap, TransparentDrawSkipsTheBottomLeftColour)
{
    TBitmap glyph = Filled(4, 4, clFuchsia);
    glyph.Canvas().SetPixels(1, 1, clBlue);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    TBitmap target = Filled(10, 10, clWhite);
    target.Canvas().Draw(2, 2, glyph);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clWhite);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clBlue);
    glyph.SetTransparentColor(clBlue);
    target.Canvas().Draw(5, 5, glyph);
    EXPECT_EQ(target.Canvas().Pixels(6, 6), clWhite);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), clFuchsia);
}

TEST(Bitmap, StretchDrawScalesNearestPixel)
{
    TBitmap small = Filled(2, 2, clRed);
    small.Canvas().SetPixels(1, 1, clBlue);
    TBitmap target = Filled(10, 10, clWhite);
    target.Canvas().StretchDraw(rtl::Rect(0, 0, 8, 8), small);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(target.Canvas().Pixels(4, 4), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(7, 7), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(8, 8), clWhite);
}

TEST(Bitmap, PremultipliedAlphaBlendsOverTheCanvas)
{
    TBitmap overlay;
    overlay.SetPixelFormat(pf32bit);
    overlay.SetAlphaFormat(afPremultiplied);
    overlay.SetSize(2, 1);
    overlay.ScanLine(0)[0] = 0x80000080u;  // half-transparent blue, premultiplied
    overlay.ScanLine(0)[1] = 0x00000000u;  // fully transparent
    overlay.Canvas().Changed();
    TBitmap target = Filled(4, 4, clWhite);
    target.Canvas().AlphaBlend(rtl::Rect(0, 0, 2, 1), overlay.Canvas(), rtl::Rect(0, 0, 2, 1), 255, true);
    const TColor c = target.Canvas().Pixels(0, 0);
    EXPECT_NEAR(GetRValue(c), 127, 2);
    EXPECT_NEAR(GetBValue(c), 255, 1);
    EXPECT_EQ(target.Canvas().Pixels(1, 0), clWhite);
    // The same bitmap drawn with Draw honours its alpha format.
    target.Canvas().Draw(0, 2, overlay);
    EXPECT_EQ(target.Canvas().Pixels(1, 2), clWhite);
    // Constant alpha without per-pixel alpha: the source is opaque, blended by half.
    TBitmap red = Filled(1, 1, clRed);
    target.Canvas().AlphaBlend(rtl::Rect(3, 3, 4, 4), red.Canvas(), rtl::Rect(0, 0, 1, 1), 128, false);
    const TColor h = target.Canvas().Pixels(3, 3);
    EXPECT_NEAR(GetRValue(h), 255, 1);
    EXPECT_NEAR(GetGValue(h), 127, 2);
}

TEST(Bitmap, CopyRectWithCopyModes)
{
    TBitmap source = Filled(4, 4, RGB(0x0F, 0xF0, 0x55));
    TBitmap target = Filled(8, 8, RGB(0xFF, 0x00, 0x55));
    target.Canvas().CopyRect(rtl::Rect(0, 0, 4, 4), source.Canvas(), rtl::Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas().Pixels(3, 3), RGB(0x0F, 0xF0, 0x55));
    EXPECT_EQ(target.Canvas().Pixels(4, 4), RGB(0xFF, 0x00, 0x55));
    target.Canvas().SetCopyMode(cmSrcInvert);
    target.Canvas().CopyRect(rtl::Rect(4, 4, 8, 8), source.Canvas(), rtl::Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas().Pixels(5, 5), RGB(0xF0, 0xF0, 0x00));
    // Copying within one canvas reads the source before writing.
    target.Canvas().SetCopyMode(cmSrcCopy);
    target.Canvas().CopyRect(rtl::Rect(2, 2, 6, 6), target.Canvas(), rtl::Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas().Pixels(5, 5), RGB(0x0F, 0xF0, 0x55));
}

TEST(Bitmap, BrushCopyReplacesTheColourWithTheBrush)
{
    TBitmap glyph = Filled(3, 3, clFuchsia);
    glyph.Canvas().SetPixels(1, 1, clBlack);
    TBitmap target = Filled(5, 5, clWhite);
    target.Canvas().Brush().SetColor(clBtnFace);
    target.Canvas().BrushCopy(rtl::Rect(1, 1, 4, 4), glyph, rtl::Rect(0, 0, 3, 3), clFuchsia);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), RGB(240, 240, 240));
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clBlack);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clWhite);
}

TEST(ImageList, AddsMaskedImagesAndDrawsThemByIndex)
{
    TImageList list(4, 4);
    TBitmap strip = Filled(8, 4, clFuchsia);  // two images side by side
    strip.Canvas().Brush().SetColor(clBlack);
    strip.Canvas().FillRect(rtl::Rect(1, 1, 3, 3));
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(rtl::Rect(5, 0, 8, 4));
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target = Filled(12, 12, clWhite);
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clWhite);  // masked
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clBlack);
    list.Draw(target.Canvas(), 6, 0, 1);
    EXPECT_EQ(target.Canvas().Pixels(7, 1), clRed);
    list.Draw(target.Canvas(), 0, 0, 5);  // out of range: nothing
    list.Draw(target.Canvas(), 0, 6, 0, false);
    EXPECT_EQ(target.Canvas().Pixels(1, 7), RGB(160, 160, 160));  // greyed: button shadow
    EXPECT_EQ(target.Canvas().Pixels(3, 9), RGB(255, 255, 255));  // highlight offset, white here
    EXPECT_EQ(target.Canvas().Pixels(0, 6), clWhite);

    TBitmap copy;
    list.GetBitmap(1, copy);
    EXPECT_EQ(copy.Width(), 4);
    list.SetWidth(8);  // resizing clears
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
