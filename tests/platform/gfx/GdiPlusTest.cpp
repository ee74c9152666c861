// The GDI+ stand-in: statuses, images from bytes and streams, drawing, brushes and text.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GdiPlus.h"
#include "tests/support/TempDir.h"

namespace {

using namespace gfx;

TBytes Fixture(const std::string& name)
{
    const std::string s = testsupport::ReadFileBytes(testsupport::TestDataDir() / "gfx" / name);
    return TBytes(s.begin(), s.end());
}

struct Target {
    TBitmap Bitmap{60, 40};
    GpGraphics* G = nullptr;
    Target()
    {
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect(rtl::Rect(0, 0, 60, 40));
        EXPECT_EQ(GdipCreateFromHDC(&Bitmap.Canvas(), &G), Ok);
    }
    ~Target() { GdipDeleteGraphics(G); }
    TColor Pixel(int x, int y) { return Bitmap.Canvas().Pixels(x, y); }
};

TEST(GdiPlus, StartupTokenAndAllocation)
{
    EXPECT_EQ(GdipAlloc(16), nullptr);  // not started yet
    std::uintptr_t token = 0;
    GdiplusStartupInput input;
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    void* p = GdipAlloc(16);
    EXPECT_NE(p, nullptr);
    GdipFree(p);
    GdiplusShutdown(token);
    EXPECT_FALSE(GdiplusStarted());
    GdiplusStartupInput wrong;
    wrong.GdiplusVersion = 3;
    EXPECT_EQ(GdiplusStartup(&token, &wrong, nullptr), UnsupportedGdiplusVersion);
    EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), InvalidParameter);
}

TEST(GdiPlus, ImagesReportSizeFormatAndFrames)
{
    struct Case {
        const char* File;
        const GUID* Format;
        unsigned W, H, Frames;
    };
    const Case cases[] = {{"small.png", &ImageFormatPNG, 7, 5, 1},
                          {"small.jpg", &ImageFormatJPEG, 16, 12, 1},
                          {"anim.gif", &ImageFormatGIF, 10, 6, 3},
                          {"small24.bmp", &ImageFormatBMP, 5, 3, 1},
                          {"small.ico", &ImageFormatIcon, 8, 8, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        const TBytes bytes = Fixture(c.File);
        GpImage* image = nullptr;
        ASSERT_EQ(GdipLoadImageFromBytes(bytes.data(), bytes.size(), &image), Ok);
        unsigned w = 0, h = 0, frames = 0;
        GUID format{};
        EXPECT_EQ(GdipGetImageWidth(image, &w), Ok);
        EXPECT_EQ(GdipGetImageHeight(image, &h), Ok);
        EXPECT_EQ(GdipGetImageRawFormat(image, &format), Ok);
        EXPECT_EQ(GdipImageGetFrameCount(image, &FrameDimensionTime, &frames), Ok);
        EXPECT_EQ(w, c.W);
        EXPECT_EQ(h, c.H);
        EXPECT_TRUE(format == *c.Format);
        EXPECT_EQ(frames, c.Frames);
        EXPECT_EQ(GdipDisposeImage(image), Ok);
    }
}

// A picture whose side is beyond what a drawing surface holds decodes as
// empty and reports a status; it never throws out of the flat interface.
TEST(GdiPlus, PictureTallerThanASurfaceFailsWithAStatus)
{
    const TBytes gif = Fixture("hugearea.gif");
    GpImage* image = reinterpret_cast<GpImage*>(1);
    EXPECT_EQ(GdipLoadImageFromBytes(gif.data(), gif.size(), &image), OutOfMemory);
    EXPECT_EQ(image, nullptr);
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(10, 40000, 40, PixelFormat32bppARGB, nullptr, &bitmap), InvalidParameter);
}

TEST(GdiPlus, BadImageDataFailsWithAStatusAndNoImage)
{
    const TBytes png = Fixture("small.png");
    GpImage* image = reinterpret_cast<GpImage*>(1);
    EXPECT_NE(GdipLoadImageFromBytes(png.data(), png.size() / 2, &image), Ok);
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(GdipLoadImageFromFile("/nonexistent/picture.png", &image), FileNotFound);
    unsigned w = 1;
    EXPECT_EQ(GdipGetImageWidth(nullptr, &w), InvalidParameter);
    EXPECT_EQ(GdipDisposeImage(nullptr), InvalidParameter);
}

TEST(GdiPlus, DrawImageScalesIntoTheRectangle)
{
    Target t;
    const TBytes png = Fixture("small.png");
    GpImage* image = nullptr;
    ASSERT_EQ(GdipLoadImageFromBytes(png.data(), png.size(), &image), Ok);
    GdipSetInterpolationMode(t.G, InterpolationModeNearestNeighbor);
    ASSERT_EQ(GdipDrawImageRectI(t.G, image, 10, 10, 14, 10), Ok);  // twice the size
    EXPECT_EQ(t.Pixel(10, 10), clRed);
    EXPECT_EQ(t.Pixel(11, 11), clRed);
    EXPECT_EQ(t.Pixel(23, 19), clBlue);
    EXPECT_EQ(t.Pixel(14, 12), clLime);
    EXPECT_EQ(t.Pixel(24, 10), clWhite);
    EXPECT_EQ(t.Pixel(9, 10), clWhite);
    GdipDisposeImage(image);
}

TEST(GdiPlus, SelectingAGifFrameChangesWhatIsDrawn)
{
    Target t;
    const TBytes gif = Fixture("anim.gif");
    GpImage* image = nullptr;
    ASSERT_EQ(GdipLoadImageFromBytes(gif.data(), gif.size(), &image), Ok);
    EXPECT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, 1), Ok);
    EXPECT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, 3), InvalidParameter);
    GdipDrawImageI(t.G, image, 0, 0);
    EXPECT_EQ(t.Pixel(3, 2), clBlue);
    GdipDisposeImage(image);
}

TEST(GdiPlus, SolidAndGradientFills)
{
    Target t;
    GpSolidFill* solid = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(ColorToArgb(clRed), &solid), Ok);
    EXPECT_EQ(ColorToArgb(clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToArgb(clBtnFace), 0xFFF0F0F0u);
    EXPECT_EQ(GdipFillRectangleI(t.G, solid, 0, 0, 10, 10), Ok);
    EXPECT_EQ(t.Pixel(9, 9), clRed);
    EXPECT_EQ(t.Pixel(10, 10), clWhite);

    GpLineGradient* gradient = nullptr;
    const GpRect r{20, 0, 40, 10};
    ASSERT_EQ(GdipCreateLineBrushFromRectI(&r, 0xFF000000u, 0xFFFFFFFFu, LinearGradientModeHorizontal, WrapModeTile, &gradient), Ok);
    GpBrushType type;
    GdipGetBrushType(gradient, &type);
    EXPECT_EQ(type, BrushTypeLinearGradient);
    GdipFillRectangleI(t.G, gradient, 20, 0, 40, 10);
    EXPECT_LT(GetRValue(t.Pixel(21, 5)), 30);
    EXPECT_GT(GetRValue(t.Pixel(58, 5)), 220);
    const int mid = GetRValue(t.Pixel(40, 5));
    EXPECT_NEAR(mid, 128, 12);
    EXPECT_EQ(GdipDeleteBrush(solid), Ok);
    EXPECT_EQ(GdipDeleteBrush(gradient), Ok);
}

TEST(GdiPlus, PathFillCoversItsFigure)
{
    Target t;
    GpPath* path = nullptr;
    ASSERT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
    GdipAddPathLine(path, 10, 10, 30, 10);
    GdipAddPathArc(path, 20, 10, 20, 20, 270, 180);
    GdipAddPathLine(path, 30, 30, 10, 30);
    GdipClosePathFigure(path);
    GpRectF bounds;
    GdipGetPathWorldBounds(path, &bounds, nullptr, nullptr);
    EXPECT_NEAR(bounds.X, 10, 0.01);
    EXPECT_NEAR(bounds.Width, 30, 0.5);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF0000FFu, &brush);
    GdipSetSmoothingMode(t.G, SmoothingModeAntiAlias);
    EXPECT_EQ(GdipFillPath(t.G, brush, path), Ok);
    EXPECT_EQ(t.Pixel(20, 20), clBlue);
    EXPECT_EQ(t.Pixel(37, 20), clBlue);
    EXPECT_EQ(t.Pixel(45, 20), clWhite);
    GdipDeleteBrush(brush);
    GdipDeletePath(path);
}

TEST(GdiPlus, FontsMeasureAndDrawStrings)
{
    Target t;
    GpFontFamily* family = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName("No Such Family Here", nullptr, &family), FontFamilyNotFound);
    ASSERT_EQ(GdipCreateFontFamilyFromName("Arial", nullptr, &family), Ok);
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFont(family, 8, FontStyleRegular, UnitPoint, &font), Ok);
    GpRectF layout{0, 0, 10000, 10000}, box;
    int fitted = 0, lines = 0;
    ASSERT_EQ(GdipMeasureString(t.G, "Hello", -1, font, &layout, nullptr, &box, &fitted, &lines), Ok);
    EXPECT_GT(box.Width, 20);
    EXPECT_GT(box.Height, 10);
    EXPECT_EQ(fitted, 5);
    EXPECT_EQ(lines, 1);
    GpRectF longer;
    GdipMeasureString(t.G, "Hello, world", -1, font, &layout, nullptr, &longer, nullptr, nullptr);
    EXPECT_GT(longer.Width, box.Width);

    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF000000u, &brush);
    GpRectF where{5, 5, 50, 20};
    ASSERT_EQ(GdipDrawString(t.G, "Hi", -1, font, &where, nullptr, brush), Ok);
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (t.Pixel(x, y) != clWhite) {
                ++dark;
                EXPECT_TRUE(x >= 5 && x < 55 && y >= 5 && y < 25) << x << "," << y;
            }
    EXPECT_GT(dark, 5);
    GpFontFamily* generic = nullptr;
    EXPECT_EQ(GdipGetGenericFontFamilySansSerif(&generic), Ok);
    std::string name;
    GdipGetFamilyName(generic, &name);
    EXPECT_EQ(name, "Arial");
    GdipDeleteFontFamily(generic);  // shared: stays usable
    GdipGetFamilyName(generic, &name);
    EXPECT_EQ(name, "Arial");
    GdipDeleteBrush(brush);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
}

TEST(GdiPlus, GraphicsOnAnImageDrawsIntoItsPixels)
{
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(8, 8, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(bitmap, &g), Ok);
    GdipGraphicsClear(g, 0xFF00FF00u);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0x800000FFu, &brush);
    GdipFillRectangleI(g, brush, 0, 0, 4, 8);
    ARGB c = 0;
    GdipBitmapGetPixel(bitmap, 6, 6, &c);
    EXPECT_EQ(c, 0xFF00FF00u);
    GdipBitmapGetPixel(bitmap, 1, 1, &c);
    EXPECT_EQ(c >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>(c & 0xFF), 128, 2);
    EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 127, 2);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(g);
    GdipDisposeImage(bitmap);
}

TEST(GdiPlus, ClipRectangleLimitsDrawing)
{
    Target t;
    GdipSetClipRectI(t.G, 10, 10, 5, 5, CombineModeReplace);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFFFF0000u, &brush);
    GdipFillRectangleI(t.G, brush, 0, 0, 60, 40);
    EXPECT_EQ(t.Pixel(12, 12), clRed);
    EXPECT_EQ(t.Pixel(9, 12), clWhite);
    EXPECT_EQ(t.Pixel(15, 12), clWhite);
    GdipResetClip(t.G);
    GdipFillRectangleI(t.G, brush, 0, 0, 2, 2);
    EXPECT_EQ(t.Pixel(0, 0), clRed);
    GdipDeleteBrush(brush);
}

}  // namespace
