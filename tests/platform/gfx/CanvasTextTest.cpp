// Text on the canvas: measuring, DrawText flags, ellipsis, prefixes, rotation, fonts.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontMapping.h"
#include "tests/support/TempDir.h"

namespace {

using namespace gfx;

struct TextSurface {
    TBitmap Bitmap;
    TCanvas& C = Bitmap.Canvas();
    explicit TextSurface(int w = 200, int h = 60) : Bitmap(w, h)
    {
        C.Brush().SetColor(clWhite);
        C.FillRect(rtl::Rect(0, 0, w, h));
        C.Brush().SetStyle(bsClear);
        C.Font().SetColor(clBlack);
    }
    // Bounding box of the pixels that are not white; empty when none.
    rtl::TRect Inked() const
    {
        rtl::TRect r{1 << 20, 1 << 20, -1, -1};
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                if (C.Pixels(x, y) != clWhite) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        if (r.Right < 0) return {};
        return r;
    }
};

bool Within(const rtl::TRect& inner, const rtl::TRect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

TEST(CanvasText, DefaultFontIsTheInterfaceFontAt96Dpi)
{
    TFont f;
    EXPECT_EQ(f.Name(), "Tahoma");
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Height(), -11);
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(MapFontFamily("Tahoma"), "DejaVu Sans");
    EXPECT_EQ(MapFontFamily("arial"), "Liberation Sans");
    EXPECT_EQ(MapFontFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(MapFontFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(MapFontFamily("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(MapFontFamily("Calibri"), "Carlito");
}

TEST(CanvasText, ExtentGrowsWithTextAndSize)
{
    TCanvas c;  // measuring works without a surface
    const rtl::TSize a = c.TextExtent("Hello");
    EXPECT_GT(a.cx, 15);
    EXPECT_GE(a.cy, 11);
    EXPECT_LE(a.cy, 16);
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GT(c.TextWidth("Hello world"), a.cx);
    EXPECT_EQ(c.TextWidth("Hello"), a.cx);
    c.Font().SetSize(16);
    EXPECT_GT(c.TextHeight("Hello"), a.cy);
    c.Font().SetStyle({fsBold});
    EXPECT_GT(c.TextWidth("Hello"), c.TextExtent("Hello").cx - 1);
    const TTextMetric m = c.TextMetric();
    EXPECT_EQ(m.Height, m.Ascent + m.Descent);
}

TEST(CanvasText, TextOutDrawsAtItsPositionAndMovesThePen)
{
    TextSurface s;
    s.C.TextOut(10, 20, "Hello");
    const rtl::TRect ink = s.Inked();
    const rtl::TSize ext = s.C.TextExtent("Hello");
    EXPECT_TRUE(Within(ink, rtl::Bounds(10, 20, ext.cx + 1, ext.cy))) << ink.Left << "," << ink.Top << "," << ink.Right << "," << ink.Bottom;
    EXPECT_GT(ink.Width(), ext.cx / 2);
    EXPECT_EQ(s.C.PenPos(), rtl::Point(10 + ext.cx, 20));
}

TEST(CanvasText, OpaqueBackgroundFillsTheTextCell)
{
    TextSurface s;
    s.C.Brush().SetColor(clYellow);  // solid brush: opaque text background
    s.C.TextOut(5, 5, "ab");
    const rtl::TSize ext = s.C.TextExtent("ab");
    EXPECT_EQ(s.C.Pixels(5, 5 + ext.cy - 1), clYellow);
    EXPECT_EQ(s.C.Pixels(5 + ext.cx, 5), clWhite);
}

TEST(CanvasText, DrawTextVerticalCentreSitsInsideItsRectangle)
{
    TextSurface s;
    rtl::TRect r = rtl::Rect(20, 10, 180, 50);
    s.C.DrawText("Centred", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    const rtl::TRect ink = s.Inked();
    ASSERT_FALSE(rtl::IsRectEmpty(ink));
    EXPECT_TRUE(Within(ink, r));
    const int above = ink.Top - r.Top, below = r.Bottom - ink.Bottom;
    EXPECT_LE(std::abs(above - below), 6);
    const int left = ink.Left - r.Left, right = r.Right - ink.Right;
    EXPECT_LE(std::abs(left - right), 3);
}

TEST(CanvasText, DrawTextRightAndBottomAlignment)
{
    TextSurface s;
    rtl::TRect r = rtl::Rect(0, 0, 200, 60);
    s.C.DrawText("Right", r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    const rtl::TRect ink = s.Inked();
    EXPECT_GE(ink.Left, 150);
    EXPECT_GE(ink.Top, 40);
}

TEST(CanvasText, EllipsisIsAppliedWhenTheTextDoesNotFit)
{
    const std::string longText = "A rather long cell text that cannot fit";
    TextSurface plain;
    rtl::TRect r = rtl::Rect(10, 10, 70, 30);
    plain.C.DrawText(longText, r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(plain.Inked().Right, 70);  // without ellipsis the text runs past the rectangle

    for (unsigned ellipsis : {DT_END_ELLIPSIS, DT_PATH_ELLIPSIS}) {
        TextSurface s;
        rtl::TRect rr = r;
        s.C.DrawText(longText, rr, DT_SINGLELINE | DT_NOCLIP | ellipsis);
        const rtl::TRect ink = s.Inked();
        EXPECT_LE(ink.Right, 70) << ellipsis;
        EXPECT_GT(ink.Right, 40) << ellipsis;  // shortened, not dropped
    }
}

TEST(CanvasText, PathEllipsisKeepsTheFileName)
{
    TextSurface s(400, 30);
    const std::string path = "c:\\data\\models\\soil\\profiles\\final.soi";
    rtl::TRect wide = rtl::Rect(0, 0, 400, 30);
    s.C.DrawText(path, wide, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    const int full = s.Inked().Right;

    TextSurface t(400, 30);
    const int nameWidth = t.C.TextWidth("...\\final.soi");
    rtl::TRect narrow = rtl::Rect(0, 0, nameWidth + 30, 30);
    t.C.DrawText(path, narrow, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOCLIP);
    EXPECT_LT(t.Inked().Right, full);
    EXPECT_LE(t.Inked().Right, narrow.Right);
}

TEST(CanvasText, CalcRectMeasuresWithoutDrawing)
{
    TextSurface s;
    rtl::TRect r = rtl::Rect(5, 5, 5, 5);
    const int h = s.C.DrawText("Measure me", r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(s.Inked(), rtl::TRect{});
    EXPECT_EQ(r.Right - r.Left, s.C.TextWidth("Measure me"));
    EXPECT_EQ(h, s.C.TextHeight("M"));
    EXPECT_EQ(r.Bottom - r.Top, h);

    rtl::TRect wrapped = rtl::Rect(0, 0, 60, 0);
    const int lines3 = s.C.DrawText("one two three four five six", wrapped, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(lines3, 2 * h);
    EXPECT_LE(wrapped.Right, 60);

    rtl::TRect multi = rtl::Rect(0, 0, 200, 0);
    EXPECT_EQ(s.C.DrawText("a\nb\nc", multi, DT_CALCRECT), 3 * h);
    rtl::TRect single = rtl::Rect(0, 0, 200, 0);
    EXPECT_EQ(s.C.DrawText("a\nb\nc", single, DT_CALCRECT | DT_SINGLELINE), h);
}

TEST(CanvasText, FinalLineBreakAndLongWords)
{
    TCanvas c;
    const int h = c.TextHeight("x");
    rtl::TRect r = rtl::Rect(0, 0, 200, 0);
    EXPECT_EQ(c.DrawText("one\n", r, DT_CALCRECT | DT_WORDBREAK), h);
    r = rtl::Rect(0, 0, 200, 0);
    EXPECT_EQ(c.DrawText("one\r\nw", r, DT_CALCRECT | DT_WORDBREAK), 2 * h);
    // A word wider than the rectangle: kept whole, or broken with DT_EDITCONTROL.
    const std::string word = "Averyveryverylongwordwithoutblanks";
    rtl::TRect whole = rtl::Rect(0, 0, 40, 0), broken = whole;
    EXPECT_EQ(c.DrawText(word, whole, DT_CALCRECT | DT_WORDBREAK), h);
    EXPECT_GT(whole.Width(), 40);
    EXPECT_GT(c.DrawTextEx(word, broken, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), 2 * h);
    EXPECT_LE(broken.Width(), 40);
}

TEST(CanvasText, WordBreakWrapsInsideTheRectangle)
{
    TextSurface s(200, 100);
    rtl::TRect r = rtl::Rect(10, 10, 80, 90);
    s.C.DrawText("one two three four five six seven", r, DT_WORDBREAK);
    const rtl::TRect ink = s.Inked();
    EXPECT_TRUE(Within(ink, r));
    EXPECT_GT(ink.Height(), 2 * s.C.TextHeight("x"));
}

TEST(CanvasText, AmpersandPrefixIsHiddenUnlessNoPrefix)
{
    TextSurface a, b;
    rtl::TRect r = rtl::Rect(0, 0, 200, 30);
    rtl::TRect r2 = r;
    a.C.DrawText("&Save", r, DT_SINGLELINE | DT_CALCRECT);
    b.C.DrawText("&Save", r2, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Width(), a.C.TextWidth("Save"));
    EXPECT_EQ(r2.Width(), b.C.TextWidth("&Save"));
    // The accelerator is underlined: drawing with the prefix inks a line below the "S".
    rtl::TRect d1 = rtl::Rect(0, 0, 200, 30), d2 = d1;
    a.C.DrawText("&Save", d1, DT_SINGLELINE);
    b.C.DrawText("Save", d2, DT_SINGLELINE);
    EXPECT_GT(a.Inked().Bottom, b.Inked().Bottom);
}

TEST(CanvasText, RotatedTextRunsUpwards)
{
    TextSurface s(60, 200);
    s.C.Font().SetOrientation(900);
    s.C.TextOut(20, 180, "Upwards text");
    const rtl::TRect ink = s.Inked();
    EXPECT_GT(ink.Height(), 2 * ink.Width());
    EXPECT_LE(ink.Bottom, 181);
}

TEST(CanvasText, TextRectClipsToItsRectangle)
{
    TextSurface s;
    s.C.Brush().SetColor(clAqua);
    s.C.TextRect(rtl::Rect(10, 10, 40, 30), 12, 12, "Clipped long text here");
    const rtl::TRect ink = s.Inked();
    EXPECT_EQ(ink, rtl::Rect(10, 10, 40, 30));
    EXPECT_EQ(s.C.Pixels(10, 10), clAqua);
}

TEST(CanvasText, TabsExpandOnlyWhenAsked)
{
    TCanvas c;
    rtl::TRect expanded = rtl::Rect(0, 0, 400, 0), plain = expanded;
    c.DrawText("a\tb", expanded, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    c.DrawText("a\tb", plain, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GE(expanded.Width(), 8 * c.TextMetric().AveCharWidth);
    EXPECT_EQ(plain.Width(), c.TextWidth("a b"));
}

TEST(CanvasText, LineBreaksInOneLineTextShowAsBlanks)
{
    TCanvas c;
    EXPECT_EQ(c.TextWidth("ab\ncd"), c.TextWidth("ab cd"));
    EXPECT_EQ(c.TextWidth("ab\r\ncd"), c.TextWidth("ab  cd"));
}

TEST(CanvasText, EmptyTextMeasuresOneLine)
{
    TCanvas c;
    rtl::TRect r = rtl::Rect(3, 4, 3, 4);
    EXPECT_EQ(c.DrawText("", r, DT_CALCRECT), c.TextHeight("x"));
    EXPECT_EQ(r.Width(), 0);
    EXPECT_EQ(r.Height(), c.TextHeight("x"));
}

TEST(CanvasText, PositiveHeightIsTheCellHeight)
{
    TCanvas c;
    c.Font().SetHeight(20);
    EXPECT_NEAR(c.TextHeight("x"), 20, 2);
    c.Font().SetHeight(-20);
    EXPECT_GT(c.TextHeight("x"), 20);  // em height 20 plus leading
}

TEST(CanvasText, BrushSetsTheTextBackgroundEvenWithAnEventAttached)
{
    TextSurface s;
    int changes = 0;
    s.C.Brush().OnChange = [&](rtl::TObject*) { ++changes; };
    s.C.Brush().SetColor(clLime);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(s.C.BkMode(), OPAQUE);
    EXPECT_EQ(s.C.BkColor(), clLime);
    s.C.Brush().SetStyle(bsClear);
    EXPECT_EQ(s.C.BkMode(), TRANSPARENT);
    const TColor before = s.C.BkColor();
    TBrush copy = s.C.Brush();  // a copy does not drive the canvas
    copy.SetColor(clRed);
    EXPECT_EQ(s.C.BkColor(), before);
    EXPECT_EQ(s.C.BkMode(), TRANSPARENT);
    s.C.SetBkMode(OPAQUE);
    s.C.SetBkColor(clAqua);
    s.C.TextOut(0, 0, "x");
    EXPECT_EQ(s.C.Pixels(0, 0), clAqua);
}

TEST(CanvasText, ScreenshotOfTextSamplesIsWritten)
{
    TextSurface s(300, 120);
    const char* faces[] = {"Tahoma", "Arial", "Times New Roman", "Courier New"};
    int y = 2;
    for (const char* f : faces) {
        s.C.Font().SetName(f);
        s.C.Font().SetSize(10);
        s.C.TextOut(4, y, std::string(f) + ": \xC5\x91rz\xC3\xA9s 0123");
        y += 22;
    }
    const std::string file = (testsupport::BuildDir() / "gfx_text_samples.png").string();
    s.C.SaveToPngFile(file);
    EXPECT_GT(testsupport::ReadFileBytes(file).size(), 100u);
}

}  // namespace
