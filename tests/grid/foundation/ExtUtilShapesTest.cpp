// Tests of the styled progress bar and the cell shapes, on real pixels.
#include "grid/foundation/ExtUtilShapes.h"

#include "tests/grid/foundation/ExtUtilTestCanvas.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;
using gfx::TColor;
using gridtest::Surface;

constexpr TColor Level0 = 0x00FF00, Level1 = 0x00FFFF, Level2 = 0x00A5FF, Level3 = 0x0000FF;
constexpr TColor Back = 0xFFFFFF, Border = 0x000000, Page = 0xC0C0C0;

TProgressBarLook PlainLook()
{
    TProgressBarLook look;
    look.Level0Color = Level0;
    look.Level1Color = Level1;
    look.Level2Color = Level2;
    look.Level3Color = Level3;
    look.Level1Perc = 30;
    look.Level2Perc = 70;
    look.BorderColor = Border;
    look.ShowBorder = true;
    look.CompletionSmooth = true;
    look.Steps = 8;
    look.UnCompleteColor = Back;
    return look;
}

// A bar box of 102 x 20 at (5, 5) on a larger page: the extent E is 100.
const rtl::TRect Box = rtl::Rect(5, 5, 107, 25);

std::unique_ptr<Surface> Bar(int value, const TProgressBarLook& look, rtl::TRect box = Box)
{
    auto s = std::make_unique<Surface>(120, 120, Page);
    DrawProgressBar(s->Canvas(), box, value, look);
    return s;
}

// Colours along the middle row of the horizontal bar, offsets 1 .. 100 from the box's left.
std::vector<TColor> Row(const Surface& s, int y = 15)
{
    std::vector<TColor> row;
    for (int offset = 0; offset <= 101; ++offset) row.push_back(s.At(Box.Left + offset, y));
    return row;
}

TEST(ExtUtilProgressBar, SmoothBarAtZero43And100AndOutOfRange)
{
    const TProgressBarLook look = PlainLook();
    struct Case { int value; int filled; TColor color; };
    const Case cases[] = {
        {0, 0, Level0}, {43, 43, Level1}, {100, 100, Level3}, {150, 100, Level3}, {-20, 0, Level0},
    };
    for (const Case& c : cases) {
        const auto s = Bar(c.value, look);
        const std::vector<TColor> row = Row(*s);
        EXPECT_EQ(row[0], Border) << c.value;
        EXPECT_EQ(row[101], Border) << c.value;
        for (int offset = 1; offset <= 100; ++offset)
            EXPECT_EQ(row[offset], offset <= c.filled ? c.color : Back) << c.value << " at " << offset;
        EXPECT_EQ(s->At(Box.Left + 1, Box.Top), Border) << c.value;
        EXPECT_TRUE(s->UntouchedOutside(Box, Page)) << c.value << " drew outside its box";
    }
}

TEST(ExtUtilProgressBar, LevelFollowsTheThresholds)
{
    const TProgressBarLook look = PlainLook();
    const std::pair<int, TColor> cases[] = {{29, Level0}, {30, Level1}, {69, Level1}, {70, Level2}, {99, Level2}, {100, Level3}};
    for (const auto& [value, color] : cases) EXPECT_EQ(Bar(value, look)->At(Box.Left + 1, 15), color) << value;
}

TEST(ExtUtilProgressBar, BlockCompletionPaintsSevenPixelBlocksAtAPitchOfNine)
{
    TProgressBarLook look = PlainLook();
    look.CompletionSmooth = false;
    // E = 98 and value 50: blocks at 2, 11, 20, 29, 38 and a last one of 3 pixels at 47.
    const rtl::TRect box = rtl::Rect(5, 5, 105, 25);
    const auto s = Bar(50, look, box);
    std::string pattern;
    for (int offset = 0; offset < 100; ++offset) pattern += s->At(box.Left + offset, 15) == Level1 ? '#' : '.';
    EXPECT_EQ(pattern, "..#######..#######..#######..#######..#######..###" + std::string(50, '.'));
    // Blocks are inset by 2 across the bar.
    EXPECT_EQ(s->At(box.Left + 3, box.Top + 1), Back);
    EXPECT_EQ(s->At(box.Left + 3, box.Top + 2), Level1);
    EXPECT_EQ(s->At(box.Left + 3, box.Bottom - 3), Level1);
    EXPECT_EQ(s->At(box.Left + 3, box.Bottom - 2), Back);

    struct Case { int value; int filled; };
    // 43: L = 43, four blocks of 7 and one of 6; 100: eleven blocks of 7 (100 mod 9 = 1).
    const Case cases[] = {{0, 0}, {43, 34}, {100, 77}, {150, 77}, {-5, 0}, {5, 4}};
    for (const Case& c : cases) {
        const auto b = Bar(c.value, look);
        int filled = 0;
        for (int offset = 1; offset <= 100; ++offset)
            if (b->At(Box.Left + offset, 15) != Back) ++filled;
        EXPECT_EQ(filled, c.filled) << c.value;
        EXPECT_TRUE(b->UntouchedOutside(Box, Page)) << c.value;
    }
}

TEST(ExtUtilProgressBar, StackedSegmentsFillTheBarExactlyAt100)
{
    TProgressBarLook look = PlainLook();
    look.Stacked = true;
    const auto full = Bar(100, look);
    const std::vector<TColor> row = Row(*full);
    for (int offset = 1; offset <= 100; ++offset) {
        const TColor expected = offset <= 30 ? Level0 : offset <= 70 ? Level1 : Level3;
        EXPECT_EQ(row[offset], expected) << offset;
    }
    const auto part = Bar(43, look);
    const std::vector<TColor> row43 = Row(*part);
    EXPECT_EQ(row43[30], Level0);
    EXPECT_EQ(row43[31], Level1);
    EXPECT_EQ(row43[43], Level1);
    EXPECT_EQ(row43[44], Back);
    EXPECT_EQ(Row(*Bar(0, look))[1], Back);
    const auto over = Bar(170, look);
    EXPECT_EQ(Row(*over), row);  // drawn as 100
    EXPECT_TRUE(over->UntouchedOutside(Box, Page));
    // Thresholds out of order never paint past the bar's end.
    look.Level1Perc = 90;
    look.Level2Perc = 20;
    const auto odd = Bar(100, look);
    EXPECT_TRUE(odd->UntouchedOutside(Box, Page));
    EXPECT_EQ(odd->At(Box.Right - 1, 15), Border);
}

TEST(ExtUtilProgressBar, VerticalBarGrowsUpwards)
{
    TProgressBarLook look = PlainLook();
    look.Vertical = true;
    const rtl::TRect box = rtl::Rect(5, 5, 25, 107);  // E = 100
    for (int value : {0, 43, 100, 130}) {
        const auto s = Bar(value, look, box);
        const int filled = std::clamp(value, 0, 100);
        for (int offset = 1; offset <= 100; ++offset) {
            const TColor at = s->At(15, box.Bottom - 1 - offset);
            EXPECT_EQ(at != Back, offset <= filled) << value << " at " << offset;
        }
        EXPECT_TRUE(s->UntouchedOutside(box, Page)) << value;
    }
}

TEST(ExtUtilProgressBar, GradientRunsAcrossTheBarFromItsMiddle)
{
    TProgressBarLook look = PlainLook();
    look.ShowGradient = true;
    look.Level1ColorTo = 0x000000;
    const auto s = Bar(43, look);
    // Top row of the piece is the end colour, the middle the level colour, the bottom the end colour.
    EXPECT_EQ(s->At(Box.Left + 10, Box.Top + 1), 0x000000);
    EXPECT_EQ(s->At(Box.Left + 10, Box.Top + 9), Level1);
    EXPECT_EQ(s->At(Box.Left + 10, Box.Top + 10), Level1);
    EXPECT_EQ(s->At(Box.Left + 10, Box.Bottom - 2), 0x000000);
    EXPECT_EQ(s->At(Box.Left + 50, Box.Top + 9), Back);
}

TEST(ExtUtilProgressBar, PercentageTextIsDrawnForEveryValue)
{
    TProgressBarLook look = PlainLook();
    look.ShowPercentage = true;
    look.CompleteFontColor = 0x0000FF;
    look.Level3Color = 0x00FF00;
    const auto zero = Bar(0, look);
    const int red = zero->Count(Box, gridtest::Reddish);
    EXPECT_GT(red, 5);  // "0%"
    EXPECT_TRUE(zero->UntouchedOutside(Box, Page));
    const auto full = Bar(100, look);
    EXPECT_GT(full->Count(Box, gridtest::Reddish), red);  // "100%" is wider
    zero->Save("extutil_progress_zero.png");
    full->Save("extutil_progress_full.png");
}

TEST(ExtUtilProgressBar, VerticalPercentageTextReadsUpwards)
{
    TProgressBarLook look = PlainLook();
    look.Vertical = true;
    look.ShowPercentage = true;
    look.CompleteFontColor = 0x0000FF;
    look.Level3Color = 0x00FF00;
    const rtl::TRect box = rtl::Rect(5, 5, 25, 107);
    const auto s = Bar(100, look, box);
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x)
            if (gridtest::Reddish(s->At(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left);
    EXPECT_GT(bottom - top, 2 * (right - left));  // "100%" stands on its side
    EXPECT_NEAR((top + bottom) / 2, (box.Top + box.Bottom) / 2, 3);
    s->Save("extutil_progress_vertical.png");
}

TEST(ExtUtilCellShapes, EachShapeDrawsInsideItsBox)
{
    constexpr TColor Fill = 0x00FF00, Pen = 0x0000FF;
    struct Case {
        TCellShape shape;
        int w, h;
        rtl::TPoint filled;  // a pixel of the fill (relative to the box)
        rtl::TPoint empty;   // a pixel inside the box the shape leaves alone
    };
    const Case cases[] = {
        {csRectangle, 20, 12, {10, 6}, {0, 0}},
        {csCircle, 20, 12, {6, 6}, {16, 6}},       // reduced to a 12 x 12 circle at (x, y)
        {csTriangleLeft, 20, 12, {15, 6}, {1, 1}},
        {csTriangleRight, 20, 12, {4, 6}, {18, 1}},
        {csTriangleUp, 20, 12, {10, 8}, {1, 1}},
        {csTriangleDown, 20, 12, {10, 3}, {1, 10}},
        {csDiamond, 20, 12, {10, 6}, {1, 1}},
        {csLineVert, 20, 12, {10, 6}, {12, 6}},
        {csLineHorz, 20, 12, {10, 6}, {10, 8}},
        {csRoundRect, 20, 12, {10, 6}, {0, 0}},
        {csEllips, 20, 12, {10, 6}, {1, 1}},
        {csSquare, 20, 12, {6, 6}, {14, 6}},       // 12 x 12
        {csRoundSquare, 20, 12, {6, 6}, {15, 6}},
        {csStar, 20, 20, {10, 10}, {2, 2}},
        {csArrowUp, 20, 20, {10, 5}, {2, 16}},
        {csArrowDown, 20, 20, {10, 15}, {2, 4}},
        {csArrowLeft, 20, 20, {5, 10}, {16, 2}},
        {csArrowRight, 20, 20, {15, 10}, {4, 2}},
        {csHalfStar, 20, 20, {8, 9}, {14, 10}},   // the left half only
    };
    ASSERT_EQ(std::size(cases), 19u);
    Surface sheet(19 * 24, 24);
    for (const Case& c : cases) {
        Surface s(40, 40, Page);
        const int x = 10, y = 10;
        DrawCellShape(s.Canvas(), x, y, c.w, c.h, c.shape, Fill, Pen);
        EXPECT_EQ(s.At(x + c.filled.X, y + c.filled.Y), c.shape == csLineVert || c.shape == csLineHorz ? Pen : Fill)
            << "shape " << c.shape;
        EXPECT_EQ(s.At(x + c.empty.X, y + c.empty.Y), Page) << "shape " << c.shape;
        EXPECT_GT(s.CountColor(rtl::Rect(0, 0, 40, 40), Pen), 0) << "shape " << c.shape;
        EXPECT_TRUE(s.UntouchedOutside(rtl::Bounds(x, y, c.w + 1, c.h + 1), Page)) << "shape " << c.shape;
        DrawCellShape(sheet.Canvas(), 2 + 24 * static_cast<int>(c.shape), 2, c.w, c.h, c.shape, Fill, Pen);
    }
    sheet.Save("extutil_cell_shapes.png");
}

TEST(ExtUtilCellShapes, StarPointsFollowTheCircleOfTenAngles)
{
    Surface s(60, 60, Page);
    DrawCellShape(s.Canvas(), 10, 10, 40, 40, csStar, 0x00FF00, 0x0000FF);
    // Outer points at 12 o'clock (30, 10) and at 144 degrees (42, 46); the centre is filled.
    EXPECT_EQ(s.At(30, 10), 0x0000FF);
    EXPECT_EQ(s.At(30, 30), 0x00FF00);
    EXPECT_EQ(s.At(12, 12), Page);
    EXPECT_NE(s.CountColor(rtl::Rect(40, 43, 45, 48), 0x0000FF), 0);
}

TEST(ExtUtilCellShapes, OrdinalBeyondTheLastShapeDrawsNothing)
{
    Surface s(40, 40, Page);
    DrawCellShape(s.Canvas(), 10, 10, 20, 20, static_cast<TCellShape>(19), 0x00FF00, 0x0000FF);
    EXPECT_TRUE(s.UntouchedOutside(rtl::Rect(0, 0, 0, 0), Page));
}

}  // namespace
