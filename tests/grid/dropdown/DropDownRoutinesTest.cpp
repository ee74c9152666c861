// The drop-down family's drawing and text routines on real pixels and values.
#include <gtest/gtest.h>

#include "grid/dropdown/DropDownRoutines.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/FormatSettings.h"

namespace {

using namespace grid;

class SeparatorGuard {
public:
    SeparatorGuard(char ds, char ts) : FSaved(rtl::FormatSettings)
    {
        rtl::FormatSettings.DecimalSeparator = ds;
        rtl::FormatSettings.ThousandSeparator = ts;
    }
    ~SeparatorGuard() { rtl::FormatSettings = FSaved; }

private:
    rtl::TFormatSettings FSaved;
};

TEST(DropDownRoutines, BandedGradientPaintsSolidBandsWithTheirEdges)
{
    gfx::TBitmap bmp;
    bmp.SetSize(41, 10);
    gfx::TCanvas& c = bmp.Canvas();
    // Red 0 -> 200 over 4 bands of width 10 across a 41-pixel-wide rectangle.
    DrawBandedGradient(c, gfx::RGB(0, 0, 0), gfx::RGB(200, 0, 0), true, rtl::Rect(0, 0, 41, 10), 4);
    struct Px {
        int x;
        int red;
    };
    for (Px p : {Px{0, 0}, Px{9, 0}, Px{10, 50}, Px{19, 50}, Px{20, 100}, Px{30, 150}, Px{40, 150}})
        EXPECT_EQ(c.Pixels(p.x, 5), gfx::RGB(p.red, 0, 0)) << "x=" << p.x;

    // Vertical, 0 steps: one band of the start colour over the whole rectangle.
    DrawBandedGradient(c, gfx::RGB(10, 20, 30), gfx::RGB(200, 200, 200), false, rtl::Rect(0, 0, 41, 10), 0);
    EXPECT_EQ(c.Pixels(0, 0), gfx::RGB(10, 20, 30));
    EXPECT_EQ(c.Pixels(40, 9), gfx::RGB(10, 20, 30));
}

TEST(DropDownRoutines, GradientRectInvertsDirectionFillsSolidAndOutlines)
{
    gfx::TBitmap bmp;
    bmp.SetSize(81, 20);
    gfx::TCanvas& c = bmp.Canvas();
    // The flag false passes "horizontal" to the banded gradient: the colour changes to the right.
    DrawGradientRect(c, rtl::Rect(0, 0, 81, 20), gfx::RGB(0, 0, 0), false, 0, gfx::clNone, gfx::RGB(0, 160, 0));
    EXPECT_EQ(c.Pixels(0, 10), gfx::RGB(0, 0, 0));
    EXPECT_EQ(c.Pixels(79, 0), c.Pixels(79, 19));
    EXPECT_EQ(c.Pixels(79, 10), gfx::RGB(0, 158, 0));
    DrawGradientRect(c, rtl::Rect(0, 0, 81, 20), gfx::RGB(0, 0, 0), true, 0, gfx::clNone, gfx::RGB(0, 160, 0));
    // Bands thinner than a pixel overlap: the top row shows the last band starting on it (i = 2).
    EXPECT_EQ(c.Pixels(40, 0), gfx::RGB(0, 4, 0));
    EXPECT_EQ(c.Pixels(0, 18), c.Pixels(80, 18));

    DrawGradientRect(c, rtl::Rect(0, 0, 81, 20), gfx::RGB(9, 9, 9), true, 1, gfx::RGB(255, 0, 0), gfx::clNone);
    EXPECT_EQ(c.Pixels(40, 10), gfx::RGB(9, 9, 9));
    EXPECT_EQ(c.Pixels(0, 10), gfx::RGB(255, 0, 0));
    EXPECT_EQ(c.Pixels(80, 10), gfx::RGB(255, 0, 0));
}

TEST(DropDownRoutines, ColourMixingAndScaling)
{
    struct Mix {
        int p;
        gfx::TColor expected;
    };
    gfx::TColor a = gfx::RGB(200, 100, 0);
    gfx::TColor b = gfx::RGB(0, 0, 255);
    for (Mix m : {Mix{100, a}, Mix{150, a}, Mix{0, b}, Mix{-5, b}, Mix{20, gfx::RGB(40, 20, 204)},
                  Mix{50, gfx::RGB(100, 50, 128)}})
        EXPECT_EQ(MixColors(a, b, m.p), m.expected) << m.p;

    struct Scale {
        gfx::TColor in;
        int dr, dg, db;
        gfx::TColor expected;
    };
    for (Scale s : {Scale{gfx::RGB(200, 100, 0), -10, 20, 30, gfx::RGB(180, 100, 30)},
                    Scale{gfx::RGB(0, 0, 0), -10, 5, 0, gfx::RGB(0, 5, 0)},
                    Scale{gfx::RGB(5, 50, 255), -50, -50, -100, gfx::RGB(2, 25, 0)}})
        EXPECT_EQ(ScaleColorChannels(s.in, s.dr, s.dg, s.db), s.expected);
}

TEST(DropDownRoutines, EditNumbersAreClassified)
{
    SeparatorGuard guard('.', ',');
    struct Case {
        const char* text;
        TEditNumberClass expected;
    };
    for (Case c : {Case{"", encNotANumber}, Case{"123", encInteger}, Case{"-12", encInteger},
                   Case{"1-2-", encNotANumber}, Case{"1.25", encFloat}, Case{"1,234.5", encFloat},
                   Case{",123", encNotANumber}, Case{"1,23,456", encNotANumber}, Case{"1.2.3", encNotANumber},
                   Case{"ff", encHexadecimal}, Case{"-1A", encHexadecimal}, Case{"12g", encNotANumber},
                   Case{"1 2", encNotANumber}})
        EXPECT_EQ(ClassifyEditNumber(c.text), c.expected) << c.text;
}

TEST(DropDownRoutines, HexSeparatorsAndCase)
{
    struct Hex {
        const char* text;
        long long value;
    };
    for (Hex h : {Hex{"", 0}, Hex{"ff", 255}, Hex{"1A", 26}, Hex{"1g", 16}, Hex{"zz", 0}, Hex{"7FFFFFFF", 0x7FFFFFFF}})
        EXPECT_EQ(HexToInt(h.text), h.value) << h.text;
    for (char32_t c : {U',', U'-', U';'}) EXPECT_TRUE(IsSeparatorChar(c));
    for (char32_t c : {U'.', U' ', U':'}) EXPECT_FALSE(IsSeparatorChar(c));
    SeparatorGuard guard(',', '.');
    EXPECT_EQ(StripThousandSeparators("1.234.567,5"), "1234567,5");
    EXPECT_EQ(NormalizeCase("Abc", true), "Abc");
    EXPECT_EQ(NormalizeCase("Abc", false), "ABC");
}

TEST(DropDownRoutines, TextFittingWithFixedMetrics)
{
    auto measure = [](const std::string& t) { return static_cast<int>(t.size()) * 7; };
    struct Case {
        const char* text;
        int width;
        bool ellipsis;
        const char* expected;
    };
    for (Case c : {Case{"Header", 42, true, "Header"}, Case{"Header", 41, true, "He..."},
                   Case{"Header", 41, false, "Heade"}, Case{"Header", 35, false, "Head"},
                   Case{"Header", 20, true, "Header"}, Case{"", 0, true, ""}})
        EXPECT_EQ(FitTextWithEllipsis(measure, c.text, c.width, c.ellipsis), c.expected) << c.text << c.width;

    gfx::TBitmap bmp;
    bmp.SetSize(10, 10);
    EXPECT_EQ(MeasureText(bmp.Canvas(), "").cx, 0);
    rtl::TSize size = MeasureText(bmp.Canvas(), "OK");
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
}

}  // namespace
