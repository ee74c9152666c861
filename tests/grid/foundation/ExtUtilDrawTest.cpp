// Tests of the small canvas painters: bitmaps, triangle, error underline, longest line, value bars, text progress bars and clock pies.
#include "grid/foundation/ExtUtilCellBars.h"
#include "grid/foundation/ExtUtilDraw.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Resources.h"
#include "platform/rtl/Exceptions.h"
#include "tests/grid/foundation/ExtUtilTestCanvas.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;
using gfx::TColor;
using gridtest::Surface;

constexpr TColor Page = 0xC0C0C0;

TEST(ExtUtilDraw, SmallDownTriangle)
{
    Surface s(20, 20, Page);
    DrawSmallDownTriangle(s.Canvas(), 10, 5, 0x0000FF);
    EXPECT_EQ(s.At(10, 5), 0x0000FF);
    EXPECT_EQ(s.At(10, 7), 0x0000FF);
    EXPECT_EQ(s.At(7, 5), 0x0000FF);
    EXPECT_EQ(s.At(10, 9), Page);
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(7, 5, 14, 9), Page));
}

// A 4 x 4 bitmap: magenta at (0, 0) and in the first row, green elsewhere.
std::unique_ptr<gfx::TBitmap> Glyph()
{
    auto b = std::make_unique<gfx::TBitmap>(4, 4);
    b->Canvas().Brush().SetColor(0x00FF00);
    b->Canvas().FillRect(rtl::Rect(0, 0, 4, 4));
    b->Canvas().Brush().SetColor(0xFF00FF);
    b->Canvas().FillRect(rtl::Rect(0, 0, 4, 1));
    return b;
}

TEST(ExtUtilDraw, ScaledTransparentBitmapReplacesTheCornerColourOnlyAtScaleOne)
{
    const auto glyph = Glyph();
    Surface s(20, 20, Page);
    DrawBitmapScaledTransparent(s.Canvas(), *glyph, 0xFFFFFF, rtl::Rect(2, 3, 20, 20), 1.0);
    EXPECT_EQ(s.At(2, 3), 0xFFFFFF);
    EXPECT_EQ(s.At(5, 3), 0xFFFFFF);
    EXPECT_EQ(s.At(3, 5), 0x00FF00);
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(2, 3, 6, 7), Page));

    Surface big(20, 20, Page);
    DrawBitmapScaledTransparent(big.Canvas(), *glyph, 0xFFFFFF, rtl::Rect(2, 3, 20, 20), 2.0);
    EXPECT_EQ(big.At(2, 3), 0xFF00FF);  // no replacement when stretched
    EXPECT_EQ(big.At(9, 10), 0x00FF00);
    EXPECT_TRUE(big.UntouchedOutside(rtl::Rect(2, 3, 10, 11), Page));
}

TEST(ExtUtilDraw, ResourceBitmapIsDrawnLikeItsBitmapAndAMissingOneIsAnError)
{
    Surface s(10, 10, Page);
    try {
        DrawResourceBitmap(s.Canvas(), 0xFFFFFF, rtl::Rect(0, 0, 10, 10), "NO_SUCH_GLYPH", 1.0);
        FAIL() << "no error for a missing resource";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Resource NO_SUCH_GLYPH not found");
    }
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(0, 0, 0, 0), Page));

    int bitmaps = 0;
    for (const gfx::TResource& resource : gfx::ResourceList()) {
        if (resource.Size < 2 || resource.Data[0] != 'B' || resource.Data[1] != 'M') continue;
        ++bitmaps;
        gfx::TBitmap bitmap;
        bitmap.LoadFromBytes(resource.Data, resource.Size);
        Surface viaResource(64, 64, Page), viaBitmap(64, 64, Page);
        DrawResourceBitmap(viaResource.Canvas(), 0xFFFFFF, rtl::Rect(2, 2, 64, 64), resource.Name, 1.0);
        DrawBitmapScaledTransparent(viaBitmap.Canvas(), bitmap, 0xFFFFFF, rtl::Rect(2, 2, 64, 64), 1.0);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) ASSERT_EQ(viaResource.At(x, y), viaBitmap.At(x, y)) << resource.Name;
    }
    // The glyph bitmaps under resources/glyphs are embedded in the program.
    EXPECT_GT(bitmaps, 30);
}

TEST(ExtUtilDraw, AlphaBitmapBlendsAndOtherBitmapsDrawPlainly)
{
    gfx::TBitmap alpha(2, 2);
    alpha.SetPixelFormat(gfx::pf32bit);
    alpha.SetAlphaFormat(gfx::afPremultiplied);
    for (int y = 0; y < 2; ++y) {
        std::uint32_t* line = alpha.ScanLine(y);
        line[0] = 0x80800000;  // red at half alpha, premultiplied
        line[1] = 0x00000000;  // fully transparent
    }
    alpha.Canvas().Changed();
    Surface s(10, 10, 0xFFFFFF);
    DrawBitmapAlpha(s.Canvas(), 3, 3, alpha);
    const TColor blended = s.At(3, 3);
    EXPECT_NEAR(gfx::GetRValue(blended), 255, 1);
    EXPECT_NEAR(gfx::GetGValue(blended), 127, 2);
    EXPECT_EQ(s.At(4, 3), 0xFFFFFF);

    const auto plain = Glyph();
    Surface t(10, 10, Page);
    DrawBitmapAlpha(t.Canvas(), 1, 1, *plain);
    EXPECT_EQ(t.At(1, 1), 0xFF00FF);
    EXPECT_EQ(t.At(2, 3), 0x00FF00);
}

TEST(ExtUtilDraw, LongestLineStopsAtTheFirstEmptyLine)
{
    Surface s(10, 10);
    EXPECT_EQ(LongestLineText(s.Canvas(), "ab\r\nlongest line\r\nmid"), "longest line");
    EXPECT_EQ(LongestLineText(s.Canvas(), "ab\r\n\r\nlongest line"), "ab");
    EXPECT_EQ(LongestLineText(s.Canvas(), "one\rtwo"), "one");  // equal widths: the first
    EXPECT_EQ(LongestLineText(s.Canvas(), ""), "");
}

TEST(ExtUtilDraw, ErrorUnderlineZigZagsUnderTheCharacterRange)
{
    Surface s(200, 40, 0xFFFFFF);
    const std::string text = "wrong wird here";
    const rtl::TRect rect = rtl::Rect(10, 5, 190, 30);
    DrawErrorUnderline(s.Canvas(), text, rect, 14, 6, 4);
    const int wordLeft = rect.Left + 1 + s.Canvas().TextWidth("wrong ");
    const int wordRight = rect.Left + 1 + s.Canvas().TextWidth("wrong wir");
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, wordLeft - 1, 40), gridtest::Reddish), 0);
    EXPECT_GT(s.Count(rtl::Rect(wordLeft, 19, wordRight, 24), gridtest::Reddish), 10);
    EXPECT_EQ(s.Count(rtl::Rect(wordRight + 8, 0, 200, 40), gridtest::Reddish), 0);
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, 200, 18), gridtest::Reddish), 0);  // below the text line
}

TEST(ExtUtilCellBars, ValueBarClampsToItsMaximumAndShowsTheClampedValue)
{
    const rtl::TRect box = rtl::Rect(0, 0, 104, 20);  // shrunk: 2..102, half 50, centre 52
    Surface s(110, 24, 0xFFFFFF);
    s.Canvas().Font().SetColor(0x000000);
    DrawValueBar(s.Canvas(), box, 150, 100, false, 0x0000FF, 0x00FF00);
    EXPECT_EQ(s.At(52, 10), 0x00FF00);
    EXPECT_EQ(s.At(101, 10), 0x00FF00);
    EXPECT_EQ(s.At(102, 10), 0xFFFFFF);
    EXPECT_EQ(s.At(51, 10), 0xFFFFFF);

    Surface negative(110, 24, 0xFFFFFF);
    DrawValueBar(negative.Canvas(), box, -50, 100, false, 0x0000FF, 0x00FF00);
    EXPECT_EQ(negative.At(27, 10), 0x0000FF);
    EXPECT_EQ(negative.At(51, 10), 0x0000FF);
    EXPECT_EQ(negative.At(26, 10), 0xFFFFFF);
    EXPECT_EQ(negative.At(52, 10), 0xFFFFFF);

    // The text shown for 150 is the text of 100.
    Surface shown(110, 24, 0xFFFFFF), expected(110, 24, 0xFFFFFF);
    DrawValueBar(shown.Canvas(), box, 150, 100, true, 0x0000FF, 0xFFFFFF);
    DrawValueBar(expected.Canvas(), box, 100, 100, true, 0x0000FF, 0xFFFFFF);
    Surface other(110, 24, 0xFFFFFF);
    DrawValueBar(other.Canvas(), box, 99, 100, true, 0x0000FF, 0xFFFFFF);
    EXPECT_EQ(shown.Count(box, [](TColor c) { return c != 0xFFFFFF; }),
              expected.Count(box, [](TColor c) { return c != 0xFFFFFF; }));
    EXPECT_GT(shown.Count(box, [](TColor c) { return c != 0xFFFFFF; }), 0);
    bool same = true;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 110; ++x) same = same && shown.At(x, y) == expected.At(x, y);
    EXPECT_TRUE(same);
}

TEST(ExtUtilCellBars, ValueBarWithoutARangeDrawsNoBar)
{
    for (int maximum : {0, -10}) {
        Surface s(110, 24, 0xFFFFFF);
        EXPECT_NO_THROW(DrawValueBar(s.Canvas(), rtl::Rect(0, 0, 104, 20), 5, maximum, false, 0x0000FF, 0x00FF00));
        EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(0, 0, 0, 0), 0xFFFFFF)) << maximum;
    }
}

struct TextBar {
    std::unique_ptr<Surface> surface;
    rtl::TRect inner;
};

// Fill black with red text, rest white with blue text, border grey; caller's brush yellow.
TextBar DrawTextBar(double value, double minimum, double maximum, const std::string& format)
{
    TextBar bar{std::make_unique<Surface>(220, 30, Page), rtl::Rect(4, 4, 204, 24)};
    gfx::TCanvas& canvas = bar.surface->Canvas();
    canvas.Brush().SetColor(0x00FFFF);
    DrawTextProgressBar(canvas, rtl::Rect(2, 2, 206, 26), 0x000000, 0x0000FF, 0xFFFFFF, 0xFF0000, value, 2, 2,
                        minimum, maximum, format, 0x808080, false);
    return bar;
}

int FilledColumns(const TextBar& bar)
{
    int n = 0;
    for (int x = bar.inner.Left; x < bar.inner.Right; ++x)
        if (bar.surface->At(x, bar.inner.Top) == 0x000000) ++n;
    return n;
}

TEST(ExtUtilCellBars, TextProgressBarFillsByTheRoundedPercentage)
{
    const TextBar bar = DrawTextBar(42.6, 0, 100, "");  // "43%"
    EXPECT_EQ(FilledColumns(bar), 86);                   // 43 % of 200
    EXPECT_EQ(bar.surface->At(3, 10), 0x808080);         // border one pixel outside
    EXPECT_EQ(bar.surface->At(2, 10), 0x00FFFF);         // then the caller's brush colour
    EXPECT_TRUE(bar.surface->UntouchedOutside(rtl::Rect(2, 2, 206, 26), Page));
    // The text straddles no split here: it lies in the rest, in the rest's text colour.
    EXPECT_GT(bar.surface->Count(bar.inner, gridtest::Bluish), 5);
    EXPECT_EQ(bar.surface->Count(bar.inner, gridtest::Reddish), 0);
}

TEST(ExtUtilCellBars, TextProgressBarWithAFormatFillsByTheRange)
{
    const TextBar quarter = DrawTextBar(50, 0, 200, "%.1f %%");  // "50.0 %", 25 %
    EXPECT_EQ(FilledColumns(quarter), 50);
    const TextBar most = DrawTextBar(170, 0, 200, "%d of 200");  // 85 %: the text lies in the fill
    EXPECT_EQ(FilledColumns(most), 170);
    EXPECT_GT(most.surface->Count(most.inner, gridtest::Reddish), 5);
    EXPECT_EQ(most.surface->Count(most.inner, gridtest::Bluish), 0);
}

bool SamePixels(const TextBar& a, const TextBar& b)
{
    for (int y = 0; y < a.surface->Height(); ++y)
        for (int x = 0; x < a.surface->Width(); ++x)
            if (a.surface->At(x, y) != b.surface->At(x, y)) return false;
    return true;
}

TEST(ExtUtilCellBars, TextProgressBarTextsFollowTheFormat)
{
    // An empty format shows the rounded value and "%": the same bar as the text "43%".
    EXPECT_TRUE(SamePixels(DrawTextBar(42.6, 0, 100, ""), DrawTextBar(43, 0, 100, "%.0f%%")));
    EXPECT_FALSE(SamePixels(DrawTextBar(42.6, 0, 100, ""), DrawTextBar(43, 0, 100, "%.0f %%")));
    // "%.1f %%" of 50 is "50.0 %"; an integer directive gets the rounded value.
    EXPECT_TRUE(SamePixels(DrawTextBar(50, 0, 200, "%.1f %%"), DrawTextBar(50, 0, 200, "50.0 %%")));
    EXPECT_TRUE(SamePixels(DrawTextBar(169.6, 0, 200, "%d of 200"), DrawTextBar(170, 0, 200, "170 of 200")));
}

TEST(ExtUtilCellBars, TextProgressBarOutOfRangeOrWithAnEmptyRangeStaysInItsBox)
{
    struct Case { double value, minimum, maximum; int filled; };
    const Case cases[] = {
        {300, 0, 200, 200}, {-50, 0, 200, 0}, {5, 5, 5, 200}, {4, 5, 5, 0}, {150, 0, 100, 200},
    };
    for (const Case& c : cases) {
        TextBar bar{nullptr, {}};
        ASSERT_NO_THROW(bar = DrawTextBar(c.value, c.minimum, c.maximum, "%.0f"));
        EXPECT_EQ(FilledColumns(bar), c.filled) << c.value;
        EXPECT_TRUE(bar.surface->UntouchedOutside(rtl::Rect(2, 2, 206, 26), Page)) << c.value;
    }
    // An empty format reads the value as the percentage, clamped the same way.
    EXPECT_EQ(FilledColumns(DrawTextBar(250, 0, 0, "")), 200);
}

TEST(ExtUtilCellBars, ClockPieFillsTheSliceUpToTheValue)
{
    const rtl::TRect box = rtl::Rect(10, 10, 51, 51);  // w = h = 41, centre (30, 30)
    const TColor fill = 0x00FF00;
    auto pie = [&](int value) {
        auto s = std::make_unique<Surface>(60, 60, 0xFFFFFF);
        s->Canvas().Brush().SetColor(0xFFFFFF);
        DrawClockPie(s->Canvas(), box, fill, value, false);
        return s;
    };
    const auto zero = pie(0);
    EXPECT_EQ(zero->CountColor(rtl::Rect(0, 0, 60, 60), fill), 0);
    EXPECT_EQ(zero->At(30, 20), 0x808080);  // both hands at 12 o'clock
    EXPECT_EQ(zero->At(30, 10), 0x808080);

    const auto quarter = pie(25);
    EXPECT_EQ(quarter->At(45, 30), 0x808080);  // second hand at 3 o'clock
    EXPECT_EQ(quarter->At(38, 22), fill);      // upper right quarter filled
    EXPECT_NE(quarter->At(22, 22), fill);      // upper left quarter not
    EXPECT_NE(quarter->At(38, 38), fill);      // lower right quarter not
    EXPECT_TRUE(quarter->UntouchedOutside(box, 0xFFFFFF));

    const auto most = pie(75);
    EXPECT_EQ(most->At(38, 38), fill);
    EXPECT_EQ(most->At(22, 38), fill);
    EXPECT_NE(most->At(22, 22), fill);
    quarter->Save("extutil_clock_pie.png");
}

}  // namespace
