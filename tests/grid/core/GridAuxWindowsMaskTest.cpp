// Alpha mask merging, the rounded-rectangle mask and the Gaussian blur on real bitmaps.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/GridAuxWindowsMask.h"
#include "platform/rtl/Exceptions.h"

namespace {

using grid::GaussianBlurBitmap;
using grid::MakeRoundRectMask;
using grid::TGridAlphaMask;

// A 24-bit bitmap of grey levels, row by row.
gfx::TBitmap GreyBitmap(int width, int height, const std::vector<int>& levels)
{
    gfx::TBitmap b;
    b.SetPixelFormat(gfx::pf24bit);
    b.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint32_t>(levels[static_cast<size_t>(y * width + x)]);
            b.ScanLine(y)[x] = 0xFF000000u | v << 16 | v << 8 | v;
        }
    b.Canvas().Changed();
    return b;
}

gfx::TBitmap SolidBitmap(int width, int height, std::uint32_t rgb)
{
    gfx::TBitmap b;
    b.SetPixelFormat(gfx::pf24bit);
    b.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.ScanLine(y)[x] = 0xFF000000u | rgb;
    b.Canvas().Changed();
    return b;
}

int Red(const gfx::TBitmap& b, int x, int y) { return static_cast<int>((b.ScanLine(y)[x] >> 16) & 0xFF); }

std::vector<int> Reds(const gfx::TBitmap& b)
{
    std::vector<int> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) out.push_back(Red(b, x, y));
    return out;
}

// --- blur ---

// Radius 1 keeps the weights of offsets -2..2 (0.0545, 0.2442, 0.4026, ...): a white pixel
// spreads to 13, 62, 102, 62, 13 whether the line is a row or a column; at the end of a line
// the missing neighbours repeat the end pixel.
TEST(GaussianBlurTest, SpreadsAWhitePixelByTheKernelAlongRowsAndColumns)
{
    std::vector<int> line(11, 0);
    line[5] = 255;
    const std::vector<int> spread = {0, 0, 0, 13, 62, 102, 62, 13, 0, 0, 0};
    gfx::TBitmap row = GreyBitmap(11, 1, line);
    GaussianBlurBitmap(row, 1.0);
    EXPECT_EQ(Reds(row), spread);
    gfx::TBitmap column = GreyBitmap(1, 11, line);
    GaussianBlurBitmap(column, 1.0);
    EXPECT_EQ(Reds(column), spread);
    EXPECT_EQ(row.ScanLine(0)[5] >> 24, 0xFFu);

    std::vector<int> edge(11, 0);
    edge[0] = 255;
    gfx::TBitmap atEdge = GreyBitmap(11, 1, edge);
    GaussianBlurBitmap(atEdge, 1.0);
    EXPECT_EQ(Reds(atEdge), (std::vector<int>{178, 76, 13, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// Flat pictures stay flat, in the edge bands and in the copied inner part alike.
TEST(GaussianBlurTest, FlatPictureKeepsItsLevel)
{
    for (std::uint32_t level : {255u, 100u, 0u}) {
        gfx::TBitmap b = SolidBitmap(60, 50, level << 16 | level << 8 | level);
        GaussianBlurBitmap(b, 3.0);
        for (int y = 0; y < 50; y += 7)
            for (int x = 0; x < 60; x += 7) ASSERT_EQ(b.ScanLine(y)[x], 0xFF000000u | level << 16 | level << 8 | level);
    }
}

TEST(GaussianBlurTest, EmptyAndOnePixelBitmapsAreBlurredInsideTheirBuffer)
{
    gfx::TBitmap empty;
    empty.SetPixelFormat(gfx::pf24bit);
    EXPECT_NO_THROW(GaussianBlurBitmap(empty, 3.0));
    gfx::TBitmap flat = GreyBitmap(0, 5, {});
    EXPECT_NO_THROW(GaussianBlurBitmap(flat, 3.0));
    gfx::TBitmap one = GreyBitmap(1, 1, {200});
    GaussianBlurBitmap(one, 3.0);
    EXPECT_EQ(Red(one, 0, 0), 200);
}

TEST(GaussianBlurTest, ThirtyTwoBitBitmapRaisesBeforeAnyChange)
{
    gfx::TBitmap b = GreyBitmap(3, 1, {0, 255, 0});
    b.SetPixelFormat(gfx::pf32bit);
    try {
        GaussianBlurBitmap(b, 1.0);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Blur only works for 24-bit bitmaps");
    }
    EXPECT_EQ(Reds(b), (std::vector<int>{0, 255, 0}));
}

// The kernel's weights are divided by the radius: a radius of 0 or below leaves the
// picture as it is instead of filling it with undefined values.
TEST(GaussianBlurTest, RadiusZeroOrNegativeLeavesThePictureUnchanged)
{
    for (double radius : {0.0, -2.0}) {
        gfx::TBitmap b = GreyBitmap(3, 1, {0, 255, 0});
        GaussianBlurBitmap(b, radius);
        EXPECT_EQ(Reds(b), (std::vector<int>{0, 255, 0}));
    }
}

// --- rounded-rectangle mask ---

TEST(RoundRectMaskTest, RingIsWhiteOnBlackAndBlurSoftensIt)
{
    gfx::TBitmap hard;
    hard.SetPixelFormat(gfx::pf32bit);
    MakeRoundRectMask(hard, 69, 29, 4, 5, 0);
    EXPECT_EQ(hard.PixelFormat(), gfx::pf24bit);
    EXPECT_EQ(hard.Width(), 69);
    EXPECT_EQ(hard.Height(), 29);
    // Without blur every pixel is black or white: down the middle column a 4-pixel band of
    // the ring near the top and one near the bottom, black elsewhere.
    std::vector<int> middle;
    for (int y = 0; y < 29; ++y) middle.push_back(Red(hard, 34, y));
    int white = 0, firstWhite = -1;
    for (int y = 0; y < 29; ++y) {
        ASSERT_TRUE(middle[y] == 0 || middle[y] == 255) << y;
        if (middle[y] == 255 && firstWhite < 0) firstWhite = y;
        white += middle[y] == 255;
    }
    EXPECT_EQ(white, 8);
    EXPECT_GE(firstWhite, 2);
    EXPECT_LE(firstWhite, 4);
    EXPECT_EQ(Red(hard, 0, 0), 0);
    EXPECT_EQ(Red(hard, 34, 14), 0);

    gfx::TBitmap soft;
    MakeRoundRectMask(soft, 69, 29, 4, 5, 3);
    EXPECT_GT(Red(soft, 34, 0), 0);
    EXPECT_LT(Red(soft, 34, firstWhite + 1), 255);
    EXPECT_GT(Red(soft, 34, firstWhite + 1), 100);
    EXPECT_LT(Red(soft, 34, 14), 10);
    // Left and right, top and bottom come out alike.
    EXPECT_EQ(Red(soft, 34, 3), Red(soft, 34, 25));
    EXPECT_EQ(Red(soft, 3, 14), Red(soft, 65, 14));
}

TEST(RoundRectMaskTest, PenBelowOneGivesAFilledShape)
{
    gfx::TBitmap b;
    MakeRoundRectMask(b, 20, 20, 0, 5, 0);
    EXPECT_EQ(Red(b, 10, 10), 255);
    EXPECT_EQ(Red(b, 0, 0), 0);
}

TEST(RoundRectMaskTest, ZeroAndOnePixelMasksStayInsideTheirBuffer)
{
    gfx::TBitmap none;
    MakeRoundRectMask(none, 0, 0, 4, 5, 3);
    EXPECT_TRUE(none.Empty());
    gfx::TBitmap one;
    MakeRoundRectMask(one, 1, 1, 4, 5, 3);
    ASSERT_EQ(one.Width(), 1);
    EXPECT_LE(Red(one, 0, 0), 255);
}

// --- alpha mask ---

TEST(AlphaMaskTest, NewMaskIsThirtyTwoBitAndOpaque)
{
    TGridAlphaMask mask;
    EXPECT_EQ(mask.PixelFormat(), gfx::pf32bit);
    EXPECT_EQ(mask.Opacity(), 255);
}

// Alpha = mask level m; colours premultiplied: round(m / 255 × channel).
TEST(AlphaMaskTest, MergeGivesPremultipliedPixelsByMaskLevel)
{
    gfx::TBitmap picture = SolidBitmap(3, 1, 0x97D3FD);  // red 0x97, green 0xD3, blue 0xFD
    gfx::TBitmap maskBits = GreyBitmap(3, 1, {0, 255, 128});
    TGridAlphaMask mask;
    mask.MergeMask(maskBits, picture, gfx::TColor(0xFFFF));
    ASSERT_EQ(mask.Width(), 3);
    ASSERT_EQ(mask.Height(), 1);
    EXPECT_EQ(mask.ScanLine(0)[0], 0x00000000u);
    EXPECT_EQ(mask.ScanLine(0)[1], 0xFF97D3FDu);
    // 128/255 × 0x97 = 75.8, × 0xD3 = 105.9, × 0xFD = 127.0
    EXPECT_EQ(mask.ScanLine(0)[2], 0x804C6A7Fu);
}

TEST(AlphaMaskTest, MergeIntoAPictureThatIsNotTwentyFourBitDoesNothing)
{
    gfx::TBitmap picture = SolidBitmap(4, 4, 0x123456);
    picture.SetPixelFormat(gfx::pf32bit);
    gfx::TBitmap maskBits = SolidBitmap(4, 4, 0xFFFFFF);
    TGridAlphaMask mask;
    mask.MergeMask(maskBits, picture, gfx::clNone);
    EXPECT_TRUE(mask.Empty());
}

// A mask smaller than the picture counts as transparent beyond its edge instead of being
// read outside its pixel rows.
TEST(AlphaMaskTest, MaskSmallerThanThePictureIsTransparentBeyondItsEdge)
{
    gfx::TBitmap picture = SolidBitmap(3, 2, 0xFFFFFF);
    gfx::TBitmap maskBits = GreyBitmap(1, 1, {255});
    TGridAlphaMask mask;
    mask.MergeMask(maskBits, picture, gfx::clNone);
    EXPECT_EQ(mask.ScanLine(0)[0], 0xFFFFFFFFu);
    EXPECT_EQ(mask.ScanLine(0)[2], 0u);
    EXPECT_EQ(mask.ScanLine(1)[0], 0u);
    gfx::TBitmap emptyMask;
    mask.MergeMask(emptyMask, picture, gfx::clNone);
    EXPECT_EQ(mask.ScanLine(1)[2], 0u);
}

TEST(AlphaMaskTest, AssignCopiesOpacityOnlyFromAMaskOfTheSameSize)
{
    gfx::TBitmap picture = SolidBitmap(2, 2, 0x204060);
    gfx::TBitmap white = SolidBitmap(2, 2, 0xFFFFFF);
    TGridAlphaMask source;
    source.MergeMask(white, picture, gfx::clNone);
    source.SetOpacity(230);

    TGridAlphaMask same;
    same.MergeMask(GreyBitmap(2, 2, {0, 0, 0, 0}), picture, gfx::clNone);
    same.Assign(&source);
    EXPECT_EQ(same.Opacity(), 230);
    EXPECT_EQ(same.ScanLine(1)[1], 0xFF204060u);

    TGridAlphaMask other;
    other.Assign(&source);
    EXPECT_EQ(other.Opacity(), 255);
    EXPECT_EQ(other.Width(), 2);
    EXPECT_EQ(other.ScanLine(0)[0], 0xFF204060u);
    EXPECT_EQ(other.PixelFormat(), gfx::pf32bit);

    TGridAlphaMask fromBitmap;
    fromBitmap.Assign(&picture);
    EXPECT_EQ(fromBitmap.PixelFormat(), gfx::pf32bit);
    EXPECT_EQ(fromBitmap.Width(), 2);
}

}  // namespace
