// Colour values: system colour table, names and hex text, RGB helpers; regions.
#include <gtest/gtest.h>

#include "platform/gfx/Color.h"
#include "platform/gfx/Region.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace gfx;

TEST(Color, SystemColoursResolveThroughTheFixedTable)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 120, 215));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(160, 160, 160));
    EXPECT_EQ(ColorToRGB(clGrayText), RGB(109, 109, 109));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x123456);  // palette-relative flag dropped
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(static_cast<std::uint32_t>(clHighlight), 0xFF00000Du);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}

TEST(Color, NamesAndHexTextRoundTrip)
{
    struct Case {
        TColor Color;
        const char* Text;
    };
    const Case cases[] = {{clRed, "clRed"},           {clBtnFace, "clBtnFace"}, {clNone, "clNone"},
                          {clDefault, "clDefault"},   {clSilver, "clSilver"},   {clCream, "clCream"},
                          {0x00123456, "$00123456"},  {clWindowText, "clWindowText"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToString(c.Color), c.Text);
        EXPECT_EQ(StringToColor(c.Text), c.Color);
    }
    EXPECT_EQ(StringToColor("CLRED"), clRed);
    EXPECT_EQ(StringToColor("clLtGray"), clSilver);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_THROW(StringToColor("clNoSuchColour"), rtl::EConvertError);
    EXPECT_THROW(StringToColor(""), rtl::EConvertError);
    TColor c = clBlack;
    EXPECT_FALSE(IdentToColor("red", c));
    EXPECT_EQ(c, clBlack);
}

TEST(Region, OperationsKeepRectanglesDisjoint)
{
    TRegion r(rtl::Rect(0, 0, 10, 10));
    r.Union(rtl::Rect(5, 5, 15, 15));
    int area = 0;
    for (const rtl::TRect& x : r.Rects()) area += x.Width() * x.Height();
    EXPECT_EQ(area, 100 + 100 - 25);
    EXPECT_EQ(r.Bounds(), rtl::Rect(0, 0, 15, 15));
    EXPECT_TRUE(r.Contains(12, 12));
    EXPECT_FALSE(r.Contains(12, 2));
    r.Subtract(rtl::Rect(0, 0, 15, 6));
    EXPECT_FALSE(r.Contains(3, 3));
    EXPECT_TRUE(r.Contains(3, 7));
    r.Intersect(rtl::Rect(0, 0, 4, 100));
    EXPECT_EQ(r.Bounds(), rtl::Rect(0, 6, 4, 10));
    r.Offset(10, 0);
    EXPECT_TRUE(r.Contains(12, 8));
    EXPECT_TRUE(r.Intersects(rtl::Rect(13, 9, 20, 20)));
    EXPECT_FALSE(r.Intersects(rtl::Rect(14, 0, 20, 20)));
    r.Subtract(r.Bounds());
    EXPECT_TRUE(r.IsEmpty());
}

// Many small invalidated rectangles followed by one that covers them leave a
// single rectangle, so repainting does not slow down with their number.
TEST(Region, UnionWithACoveringRectangleDropsTheCoveredOnes)
{
    TRegion r;
    for (int i = 0; i < 200; ++i) r.Union(rtl::Rect(i % 20 * 5, i / 20 * 5, i % 20 * 5 + 3, i / 20 * 5 + 3));
    r.Union(rtl::Rect(0, 0, 100, 50));
    ASSERT_EQ(r.Rects().size(), 1u);
    EXPECT_EQ(r.Rects()[0], rtl::Rect(0, 0, 100, 50));
    // A rectangle only partly covered stays, and the new one fills around it.
    r.Union(rtl::Rect(90, 40, 120, 60));
    int area = 0;
    for (const rtl::TRect& x : r.Rects()) area += x.Width() * x.Height();
    EXPECT_EQ(area, 100 * 50 + 30 * 20 - 10 * 10);
}

}  // namespace
