// Picture decoding: fixtures of each format, animated GIF frames, damaged data, round trips.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GdiPlus.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

using namespace gfx;

TBytes Fixture(const std::string& name)
{
    const std::string s = testsupport::ReadFileBytes(testsupport::TestDataDir() / "gfx" / name);
    return TBytes(s.begin(), s.end());
}

// Colour of a picture pixel after drawing it on a white bitmap.
TColor DrawnPixel(const TGraphic& g, int x, int y)
{
    TBitmap b(g.Width(), g.Height());
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(rtl::Rect(0, 0, g.Width(), g.Height()));
    b.Canvas().Draw(0, 0, g);
    return b.Canvas().Pixels(x, y);
}

bool Near(TColor a, TColor b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

struct FixtureCase {
    const char* File;
    TImageFormat Format;
    const char* ClassName;
    int Width, Height;
    int X, Y;
    TColor Color;
    int Tolerance;
};

const FixtureCase Fixtures[] = {
    {"small.png", TImageFormat::Png, "TPngImage", 7, 5, 0, 0, clRed, 0},
    {"small.png", TImageFormat::Png, "TPngImage", 7, 5, 6, 4, clBlue, 0},
    {"small.jpg", TImageFormat::Jpeg, "TJPEGImage", 16, 12, 8, 6, RGB(255, 128, 0), 6},
    {"anim.gif", TImageFormat::Gif, "TGIFImage", 10, 6, 0, 0, clRed, 0},
    {"small24.bmp", TImageFormat::Bmp, "TBitmap", 5, 3, 0, 0, clRed, 0},
    {"small24.bmp", TImageFormat::Bmp, "TBitmap", 5, 3, 1, 0, RGB(0x12, 0x34, 0x56), 0},
    {"small24.bmp", TImageFormat::Bmp, "TBitmap", 5, 3, 4, 2, clBlue, 0},
    {"pal8.bmp", TImageFormat::Bmp, "TBitmap", 4, 2, 1, 0, clLime, 0},
    {"pal8.bmp", TImageFormat::Bmp, "TBitmap", 4, 2, 0, 1, clBlue, 0},
    {"rle8.bmp", TImageFormat::Bmp, "TBitmap", 4, 2, 0, 0, clRed, 0},
    {"rle8.bmp", TImageFormat::Bmp, "TBitmap", 4, 2, 3, 1, clBlue, 0},
    {"pal4.bmp", TImageFormat::Bmp, "TBitmap", 4, 2, 2, 0, clBlue, 0},
    {"small.ico", TImageFormat::Ico, "TIcon", 8, 8, 1, 1, clRed, 0},
    {"small.ico", TImageFormat::Ico, "TIcon", 8, 8, 6, 1, clWhite, 0},  // masked: background shows
};

TEST(Picture, FixturesDecodeToTheirSizeAndAKnownPixel)
{
    for (const FixtureCase& f : Fixtures) {
        SCOPED_TRACE(std::string(f.File) + " " + std::to_string(f.X) + "," + std::to_string(f.Y));
        const TBytes bytes = Fixture(f.File);
        EXPECT_EQ(DetectImageFormat(bytes.data(), bytes.size()), f.Format);
        TPicture picture;
        picture.LoadFromBytes(bytes);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), f.ClassName);
        EXPECT_EQ(picture.Width(), f.Width);
        EXPECT_EQ(picture.Height(), f.Height);
        const TColor c = DrawnPixel(*picture.Graphic(), f.X, f.Y);
        EXPECT_TRUE(Near(c, f.Color, f.Tolerance)) << std::hex << c << " expected " << f.Color;
    }
}

TEST(Picture, LoadFromFileTakesTheFormatFromTheData)
{
    testsupport::TempDir dir;
    // A PNG under a misleading name still loads as PNG.
    const TBytes png = Fixture("small.png");
    testsupport::WriteFileBytes(dir.File("picture.bmp"), std::string(png.begin(), png.end()));
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](rtl::TObject*) { ++changes; };
    picture.LoadFromFile(dir.File("picture.bmp"));
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(picture.LoadFromFile(dir.File("missing.png")), rtl::EFOpenError);
}

TEST(Picture, StreamLoadReadsFromThePositionAndGivesTheFileSize)
{
    const TBytes png = Fixture("small.png");
    rtl::TMemoryStream stream;
    stream.WriteBuffer("junk", 4);
    stream.WriteBuffer(png.data(), static_cast<long long>(png.size()));
    stream.SetPosition(4);
    TPicture fromStream;
    int changes = 0;
    fromStream.OnChange = [&](rtl::TObject*) { ++changes; };
    fromStream.LoadFromStream(stream);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fromStream.Width(), 7);
    EXPECT_EQ(fromStream.Height(), 5);

    rtl::TMemoryStream saved;
    fromStream.Graphic()->SaveToStream(saved);
    EXPECT_EQ(saved.Size(), static_cast<long long>(png.size()));
    saved.SetPosition(0);
    TPngImage again;
    again.LoadFromStream(saved);
    EXPECT_EQ(again.Width(), 7);

    GpImage* image = nullptr;
    stream.SetPosition(4);
    ASSERT_EQ(GdipLoadImageFromStream(&stream, &image), Ok);
    unsigned w = 0;
    GdipGetImageWidth(image, &w);
    EXPECT_EQ(w, 7u);
    GdipDisposeImage(image);
}

TEST(Picture, AnimatedGifKeepsEveryFrameWithPositionAndDelay)
{
    TGIFImage gif;
    gif.LoadFromBytes(Fixture("anim.gif"));
    ASSERT_EQ(gif.FrameCount(), 3);
    const TDecodedImage& img = gif.Image();
    EXPECT_EQ(img.Frames[0].DelayCs, 10);
    EXPECT_EQ(img.Frames[1].DelayCs, 20);
    EXPECT_EQ(img.Frames[2].DelayCs, 30);
    EXPECT_EQ(img.Frames[1].Left, 2);
    EXPECT_EQ(img.Frames[1].Top, 1);
    EXPECT_EQ(img.Frames[1].FrameWidth, 4);
    EXPECT_EQ(img.Frames[2].Left, 8);
    EXPECT_EQ(img.Frames[2].Top, 4);
    EXPECT_EQ(DrawnPixel(gif, 3, 2), clRed);  // frame 0 shows
    gif.SetFrame(1);
    EXPECT_EQ(DrawnPixel(gif, 3, 2), clBlue);
    EXPECT_EQ(DrawnPixel(gif, 0, 0), clRed);  // composed over the earlier frame
    gif.SetFrame(2);
    EXPECT_EQ(DrawnPixel(gif, 9, 5), clYellow);
    EXPECT_EQ(DrawnPixel(gif, 8, 4), clRed);  // transparent index keeps what was there
    gif.SetFrame(7);
    EXPECT_EQ(gif.Frame(), 2);
}

TEST(Picture, DamagedDataDecodesAsEmpty)
{
    const char* files[] = {"small.png", "small.jpg", "anim.gif", "small24.bmp", "rle8.bmp", "pal4.bmp", "small.ico"};
    for (const char* name : files) {
        const TBytes full = Fixture(name);
        // Every prefix shorter than the file: no crash, no picture.
        for (std::size_t len = 0; len < full.size(); ++len) {
            TPicture picture;
            picture.LoadFromBytes(full.data(), len);
            ASSERT_EQ(picture.Width(), 0) << name << " cut at " << len;
            ASSERT_EQ(picture.Height(), 0) << name << " cut at " << len;
            ASSERT_TRUE(picture.Empty());
        }
        // Flipped bytes must not crash (the result may or may not decode).
        for (std::size_t i = 0; i < full.size(); ++i) {
            TBytes bad = full;
            bad[i] ^= 0xA5;
            TDecodedImage out;
            DecodeImage(bad.data(), bad.size(), out);
        }
    }
    TPicture text;
    const std::string notAnImage = "this is not an image";
    text.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(notAnImage.data()), notAnImage.size());
    EXPECT_TRUE(text.Empty());
    EXPECT_EQ(text.Width(), 0);
}

TEST(Picture, HugeDeclaredSizeIsRejectedWithoutAllocating)
{
    TBytes bmp = Fixture("small24.bmp");
    bmp[18] = 0xFF;  // width
    bmp[19] = 0xFF;
    bmp[20] = 0xFF;
    bmp[21] = 0x00;
    bmp[22] = 0xFF;  // height
    bmp[23] = 0xFF;
    TBitmap b;
    b.LoadFromBytes(bmp);
    EXPECT_TRUE(b.Empty());
}

TEST(Picture, BitmapRoundTripsThroughBmpAndPngFiles)
{
    testsupport::TempDir dir;
    TBitmap b(6, 4);
    b.Canvas().Brush().SetColor(clTeal);
    b.Canvas().FillRect(rtl::Rect(0, 0, 6, 4));
    b.Canvas().SetPixels(5, 3, clFuchsia);
    b.SaveToFile(dir.File("out.bmp"));
    b.SaveToPngFile(dir.File("out.png"));

    TBitmap back;
    back.LoadFromFile(dir.File("out.bmp"));
    EXPECT_EQ(back.Width(), 6);
    EXPECT_EQ(back.Height(), 4);
    EXPECT_EQ(back.Canvas().Pixels(5, 3), clFuchsia);
    EXPECT_EQ(back.Canvas().Pixels(0, 0), clTeal);

    TPicture png;
    png.LoadFromFile(dir.File("out.png"));
    EXPECT_EQ(png.Graphic()->ClassName(), "TPngImage");
    EXPECT_EQ(DrawnPixel(*png.Graphic(), 5, 3), clFuchsia);
}

TEST(Picture, PngAlphaBlendsOverTheCanvas)
{
    TPngImage png;
    png.LoadFromBytes(Fixture("small.png"));
    EXPECT_TRUE(png.Image().HasAlpha);
    const TColor c = DrawnPixel(png, 3, 2);  // half-transparent blue over white
    EXPECT_TRUE(Near(c, RGB(127, 127, 255), 2)) << std::hex << c;
}

TEST(Picture, PictureBitmapConvertsOtherFormats)
{
    TPicture picture;
    picture.LoadFromBytes(Fixture("anim.gif"));
    TBitmap& b = picture.Bitmap();
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(picture.Graphic(), &b);
}

}  // namespace
