// Tests of the GDI+ object layer: colour conversion, statuses, fonts, text measuring and images drawn into rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "grid/foundation/ExtGDIP.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

std::unique_ptr<TGPImage> ImageOf(const std::string& name)
{
    const std::string s = testsupport::ReadFileBytes(testsupport::TestDataDir() / "grid" / "foundation" / "html" / name);
    rtl::TStringStream stream(s);
    return std::make_unique<TGPImage>(&stream);
}

}  // namespace

TEST(ExtGDIP, ColoursBecomeOpaqueArgb)
{
    EXPECT_EQ(ToArgbValue(gfx::clRed), 0xFFFF0000u);
    EXPECT_EQ(ToArgbValue(gfx::clBlue), 0xFF0000FFu);
    EXPECT_EQ(ToArgbValue(gfx::RGB(0x12, 0x34, 0x56)), 0xFF123456u);
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    EXPECT_EQ(ToArgbValue(gfx::clBtnFace),
              0xFF000000u | (gfx::GetRValue(face) << 16) | (gfx::GetGValue(face) << 8) | gfx::GetBValue(face));
    const TGPRectF r = MakeFloatRect(1, 2, 3, 4);
    EXPECT_EQ(r.X, 1);
    EXPECT_EQ(r.Height, 4);
}

TEST(ExtGDIP, ImageFormatSizeAndFailures)
{
    auto png = ImageOf("redblue.png");
    EXPECT_EQ(png->LastResult(), gfx::Ok);
    EXPECT_EQ(png->GetFormat(), ifPNG);
    EXPECT_EQ(png->GetWidth(), 20u);
    EXPECT_EQ(png->GetHeight(), 10u);
    EXPECT_EQ(ImageOf("anim3.gif")->GetFormat(), ifGIF);
    EXPECT_EQ(ImageOf("anim3.gif")->GetFrameCount(), 3u);

    auto bad = ImageOf("notimage.png");
    EXPECT_NE(bad->LastResult(), gfx::Ok);
    EXPECT_EQ(bad->GetWidth(), 0u);
    EXPECT_EQ(bad->GetFormat(), ifUndefined);
}

TEST(ExtGDIP, GetLastStatusGivesTheFailureOnceThenOk)
{
    gfx::TBitmap bitmap(10, 10);
    TGPGraphics g(&bitmap.Canvas());
    EXPECT_EQ(g.GetLastStatus(), gfx::Ok);
    EXPECT_NE(g.DrawImage(nullptr, 0, 0), gfx::Ok);
    const Status failed = g.GetLastStatus();
    EXPECT_NE(failed, gfx::Ok);
    EXPECT_EQ(g.GetLastStatus(), gfx::Ok);
    // A later success does not clear a stored failure.
    TGPSolidBrush brush(0xFF00FF00);
    EXPECT_NE(g.FillRectangle(nullptr, 0, 0, 5, 5), gfx::Ok);
    EXPECT_EQ(g.FillRectangle(&brush, 0, 0, 5, 5), gfx::Ok);
    EXPECT_NE(g.GetLastStatus(), gfx::Ok);
}

TEST(ExtGDIP, ImagesAreDrawnScaledIntoRectangles)
{
    gfx::TBitmap bitmap(60, 30);
    bitmap.Canvas().Brush().SetColor(gfx::clWhite);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, 60, 30));
    auto png = ImageOf("redblue.png");
    TGPGraphics g(&bitmap.Canvas());
    EXPECT_EQ(g.DrawImage(png.get(), 0.0f, 0.0f, 40.0f, 20.0f), gfx::Ok);
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 15), gfx::clRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(35, 15), gfx::clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixels(45, 15), gfx::clWhite);
}

TEST(ExtGDIP, UnknownFontNamesFallBackToArial)
{
    TGPFontFamily unknown("No Such Family Anywhere");
    EXPECT_EQ(unknown.GetStatus(), gfx::FontFamilyNotFound);
    gfx::TBitmap bitmap(10, 10);
    TGPGraphics g(&bitmap.Canvas());
    gfx::TFont odd;
    odd.SetName("No Such Family Anywhere");
    odd.SetSize(12);
    gfx::TFont arial;
    arial.SetName("Arial");
    arial.SetSize(12);
    std::unique_ptr<TGPFont> f(g.MakeFont(odd));
    EXPECT_EQ(f->GetStatus(), gfx::Ok);
    EXPECT_FLOAT_EQ(f->GetSize(), 12.0f);
    EXPECT_EQ(g.TextWidth("Wide text", odd), g.TextWidth("Wide text", arial));

    TGPFont byName("No Such Family Anywhere", nullptr, 10.0f);
    EXPECT_EQ(byName.GetStatus(), gfx::Ok);  // made from the generic sans serif
    EXPECT_NE(TGPFontFamily::GenericSansSerif(), nullptr);
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
}

TEST(ExtGDIP, DrawTextMeasuresWithTheSizeDependentMargin)
{
    gfx::TBitmap bitmap(300, 60);
    bitmap.Canvas().Brush().SetColor(gfx::clWhite);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, 300, 60));
    TGPGraphics g(&bitmap.Canvas());
    const struct {
        int Size;
        int Margin;
    } cases[] = {{8, 2}, {9, 3}, {10, 3}, {11, 4}, {12, 5}};
    for (const auto& c : cases) {
        gfx::TFont font;
        font.SetName("Arial");
        font.SetSize(c.Size);
        std::unique_ptr<TGPFont> f(g.MakeFont(font));
        TGPRectF box;
        g.MeasureString("Sample", -1, f.get(), TGPRectF{10, 5, 1100, 40}, box);
        rtl::TRect r = rtl::Rect(10, 5, 110, 45);
        const int height = g.DrawText("Sample", -1, r, font, gfx::DT_CALCRECT, gfx::clNone);
        EXPECT_EQ(r.Right, 10 + std::lround(box.Width - c.Margin)) << c.Size;
        EXPECT_EQ(height, std::lround(box.Height)) << c.Size;
    }
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x) ASSERT_EQ(bitmap.Canvas().Pixels(x, y), gfx::clWhite);

    gfx::TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetColor(gfx::clBlack);
    rtl::TRect r = rtl::Rect(10, 5, 200, 45);
    g.DrawText("Sample", -1, r, font, 0, gfx::clYellow);
    EXPECT_EQ(bitmap.Canvas().Pixels(12, 6), gfx::clYellow);
    int dark = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (gfx::GetRValue(bitmap.Canvas().Pixels(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 10);
}

TEST(ExtGDIP, AllocationRestartsAStoppedLayer)
{
    while (gfx::GdiplusStarted()) gfx::GdiplusShutdown(1);
    auto brush = std::make_unique<TGPSolidBrush>(0xFF0000FFu);
    EXPECT_TRUE(gfx::GdiplusStarted());
    EXPECT_EQ(brush->LastResult(), gfx::Ok);
}

TEST(ExtGDIP, PathsAndStringFormatsKeepTheirSettings)
{
    TGPGraphicsPath path;
    EXPECT_EQ(path.AddRectangle(TGPRectF{2, 3, 10, 20}), gfx::Ok);
    TGPRectF bounds;
    EXPECT_EQ(path.GetBounds(bounds), gfx::Ok);
    EXPECT_FLOAT_EQ(bounds.X, 2);
    EXPECT_FLOAT_EQ(bounds.Height, 20);
    TGPStringFormat format;
    EXPECT_EQ(format.SetAlignment(gfx::StringAlignmentCenter), gfx::Ok);
    EXPECT_EQ(format.GetAlignment(), gfx::StringAlignmentCenter);
    TGPStringFormat clone(&format);
    EXPECT_EQ(clone.GetAlignment(), gfx::StringAlignmentCenter);
    TGPPen pen(0xFF000000u, 2);
    EXPECT_EQ(pen.SetDashStyle(gfx::DashStyleDot), gfx::Ok);
    EXPECT_EQ(pen.GetDashStyle(), gfx::DashStyleDot);
}
