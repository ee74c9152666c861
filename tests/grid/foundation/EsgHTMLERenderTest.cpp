// Renderer tests on real pixels: text styles, colours, sizes, anchors, lists, line breaking, images and inline controls.
#include <gtest/gtest.h>

#include <functional>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/Utf8.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

// Every character is as wide as the font's point size and every line twice as high.
class FixedMetrics : public THtmlTextMeasurer {
public:
    rtl::TSize TextExtent(const gfx::TFont& font, const std::string& text) const override
    {
        return {static_cast<int>(rtl::Utf8Length(text)) * font.Size(), font.Size() * 2};
    }
};

bool Dark(gfx::TColor c) { return gfx::GetRValue(c) < 128 && gfx::GetGValue(c) < 128 && gfx::GetBValue(c) < 128; }
bool Reddish(gfx::TColor c) { return gfx::GetRValue(c) > 140 && gfx::GetGValue(c) < 110 && gfx::GetBValue(c) < 110; }
bool Bluish(gfx::TColor c) { return gfx::GetBValue(c) > 140 && gfx::GetRValue(c) < 110 && gfx::GetGValue(c) < 110; }
bool Greenish(gfx::TColor c) { return gfx::GetGValue(c) > 100 && gfx::GetRValue(c) < 60 && gfx::GetBValue(c) < 60; }
bool Ink(gfx::TColor c) { return c != gfx::clWhite; }

std::string Fixture(const std::string& name)
{
    return (testsupport::TestDataDir() / "grid" / "foundation" / "html" / name).string();
}

// Adds a picture named `name` to the container, loaded from a fixture file.
TPictureItem* AddFixturePicture(TPictureContainer& container, const std::string& name, const std::string& fixture)
{
    TPictureItem* item = container.Items().Add();
    item->SetName(name);
    item->Picture()->LoadFromFile(Fixture(fixture));
    return item;
}

class Scene {
public:
    explicit Scene(int width = 200, int height = 60) : FBitmap(width, height)
    {
        Canvas().Brush().SetColor(gfx::clWhite);
        Canvas().FillRect(rtl::Rect(0, 0, width, height));
        Canvas().Font().SetColor(gfx::clBlack);
        Options.TextMeasurer = &FMetrics;
    }
    gfx::TCanvas& Canvas() { return FBitmap.Canvas(); }
    gfx::TColor At(int x, int y) const { return FBitmap.Canvas().Pixels(x, y); }
    int Count(const rtl::TRect& r, const std::function<bool(gfx::TColor)>& test) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (test(At(x, y))) ++n;
        return n;
    }
    rtl::TRect All() const { return rtl::Rect(0, 0, FBitmap.Width(), FBitmap.Height()); }
    bool Paint(const std::string& text) { return Paint(text, All()); }
    bool Paint(const std::string& text, const rtl::TRect& bounds)
    {
        return RenderHtmlText(Canvas(), text, bounds, Options, Result);
    }
    bool HitTest(const std::string& text, int x, int y)
    {
        THtmlRenderOptions o = Options;
        o.HitTestOnly = true;
        o.PointX = x;
        o.PointY = y;
        return RenderHtmlText(Canvas(), text, All(), o, Result);
    }
    THtmlRenderResult Measure(const std::string& text, int width)
    {
        THtmlRenderOptions o = Options;
        o.MeasureOnly = true;
        THtmlRenderResult r;
        RenderHtmlText(Canvas(), text, rtl::Rect(0, 0, width, 1000), o, r);
        return r;
    }
    void Save(const std::string& name) const { FBitmap.SaveToPngFile((testsupport::BuildDir() / name).string()); }

    THtmlRenderOptions Options;
    THtmlRenderResult Result;

private:
    FixedMetrics FMetrics;
    gfx::TBitmap FBitmap;
};

// Mean x of the ink in the top and in the bottom third of its rows.
std::pair<double, double> InkSlant(const Scene& s, const rtl::TRect& area)
{
    int top = area.Bottom, bottom = area.Top;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (Dark(s.At(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const int third = std::max(1, (bottom - top + 1) / 3);
    auto mean = [&](int y0, int y1) {
        double sum = 0;
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (Dark(s.At(x, y))) {
                    sum += x;
                    ++n;
                }
        return n ? sum / n : 0.0;
    };
    return {mean(top, top + third), mean(bottom + 1 - third, bottom + 1)};
}

int WidestDarkRow(const Scene& s, const rtl::TRect& area)
{
    int best = 0;
    for (int y = area.Top; y < area.Bottom; ++y) best = std::max(best, s.Count(rtl::Rect(area.Left, y, area.Right, y + 1), Dark));
    return best;
}

}  // namespace

TEST(EsgHTMLERender, BoldItalicAndUnderlineChangeTheInk)
{
    Scene plain, bold, italic, underline;
    plain.Paint("<FONT SIZE=\"20\">llll</FONT>");
    bold.Paint("<FONT SIZE=\"20\"><B>llll</B></FONT>");
    italic.Paint("<FONT SIZE=\"20\"><I>llll</I></FONT>");
    underline.Paint("<FONT SIZE=\"20\"><U>llll</U></FONT>");
    const rtl::TRect area = rtl::Rect(0, 0, 120, 40);
    EXPECT_GT(bold.Count(area, Dark), plain.Count(area, Dark) * 6 / 5);
    const auto [plainTop, plainBottom] = InkSlant(plain, area);
    const auto [italicTop, italicBottom] = InkSlant(italic, area);
    EXPECT_NEAR(plainTop, plainBottom, 1.0);
    EXPECT_GT(italicTop, italicBottom + 1.5);  // the strokes lean to the right
    EXPECT_LT(WidestDarkRow(plain, area), 20);
    EXPECT_GT(WidestDarkRow(underline, area), 30);  // one row of ink under the whole run
}

TEST(EsgHTMLERender, FontColoursAndSizes)
{
    Scene red, blue, name, big;
    red.Paint("<FONT COLOR=\"#FF0000\">WWWW</FONT>");
    blue.Paint("<FONT COLOR=\"clBlue\">WWWW</FONT>");
    name.Paint("<FONT COLOR=\"red\">WWWW</FONT>");  // not a colour name: black
    EXPECT_GT(red.Count(red.All(), Reddish), 10);
    EXPECT_EQ(red.Count(red.All(), Bluish), 0);
    EXPECT_GT(blue.Count(blue.All(), Bluish), 10);
    EXPECT_EQ(name.Count(name.All(), Reddish), 0);
    EXPECT_GT(name.Count(name.All(), Dark), 10);

    EXPECT_EQ(big.Measure("H", 200).ContentHeight, 16);
    EXPECT_EQ(big.Measure("<FONT SIZE=\"5\">H</FONT>", 200).ContentHeight, 32);
    EXPECT_EQ(big.Measure("<FONT SIZE=3>H</FONT>", 200).ContentWidth, 12);
    EXPECT_EQ(big.Measure("<FONT SIZE=\"7\">H</FONT>", 200).ContentWidth, 7);
    EXPECT_EQ(big.Measure("<FONT STYLE=\"font-size: 20pt\">H</FONT>", 200).ContentWidth, 20);
    Scene small;
    small.Paint("H");
    big.Paint("<FONT SIZE=\"5\">H</FONT>");
    EXPECT_GT(big.Count(big.All(), Dark), small.Count(small.All(), Dark) * 2);
}

TEST(EsgHTMLERender, AnchorsArePaintedInTheAnchorColourAndFoundByHitTesting)
{
    const std::string text = "ab <A HREF=\"go\" TITLE=\"Tip\">link</A> cd";
    Scene s;
    s.Options.AnchorColor = gfx::clRed;
    s.Paint(text);
    // "ab " is 24 pixels from the line's left (1); "link" covers the next 32.
    EXPECT_GT(s.Count(rtl::Rect(25, 0, 57, 16), Reddish), 20);
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, 25, 16), Reddish), 0);
    EXPECT_EQ(s.Count(rtl::Rect(57, 0, 200, 16), Reddish), 0);
    EXPECT_EQ(s.Result.AnchorCount, 1);

    EXPECT_TRUE(s.HitTest(text, 41, 8));
    EXPECT_EQ(s.Result.AnchorAtPoint, "go");
    EXPECT_EQ(s.Result.AnchorTitleAtPoint, "Tip");
    EXPECT_EQ(s.Result.AnchorIndexAtPoint, 1);
    EXPECT_EQ(s.Result.AnchorRectAtPoint, rtl::Rect(25, 0, 57, 16));

    Scene t;
    EXPECT_FALSE(t.HitTest(text, 5, 8));
    EXPECT_EQ(t.Result.AnchorIndexAtPoint, -1);
    EXPECT_FALSE(t.HitTest(text, 41, 40));  // below the line
}

TEST(EsgHTMLERender, HoverOnlyStyleColoursOnlyTheHoveredAnchor)
{
    const std::string text = "<A HREF=\"a\">aaaa</A> <A HREF=\"b\">bbbb</A>";
    Scene s;
    s.Options.AnchorColor = gfx::clRed;
    s.Options.HoverOnlyStyle = true;
    s.Options.HoveredAnchor = 2;
    s.Options.HoverTextColor = gfx::clBlue;
    s.Paint(text);
    EXPECT_GT(s.Count(rtl::Rect(1, 0, 33, 16), Reddish), 10);
    EXPECT_GT(s.Count(rtl::Rect(41, 0, 73, 16), Bluish), 10);
    EXPECT_EQ(s.Count(rtl::Rect(41, 0, 73, 16), Reddish), 0);
}

TEST(EsgHTMLERender, ListItemsAreIndentedPerLevel)
{
    Scene s;
    EXPECT_EQ(s.Measure("<UL><LI>one<LI>two</UL>", 200).ContentHeight, 32);  // two items, two lines
    s.Paint("<UL><LI>one<LI>two</UL><UL><UL><LI>x</UL></UL>");
    // Bullets at the left, item text from 13 (one level), 25 (two levels).
    EXPECT_GT(s.Count(rtl::Rect(1, 0, 13, 16), Dark), 0);
    EXPECT_GT(s.Count(rtl::Rect(13, 0, 40, 16), Dark), 5);
    EXPECT_GT(s.Count(rtl::Rect(13, 16, 40, 32), Dark), 5);
    EXPECT_EQ(s.Count(rtl::Rect(1, 32, 13, 48), Dark), 0);
    EXPECT_GT(s.Count(rtl::Rect(25, 32, 40, 48), Dark), 0);

    Scene n;
    n.Paint("<OL><LI>a<LI>b</OL>");
    EXPECT_GT(n.Count(rtl::Rect(1, 0, 13, 16), Dark), 0);  // "1. "
}

TEST(EsgHTMLERender, HitTestingFindsAnAnchorInsideAListItemWherePaintingDrewIt)
{
    const std::string text = "<UL><LI><A HREF=\"item\">link</A></UL>";
    Scene s;
    s.Options.AnchorColor = gfx::clRed;
    s.Paint(text);
    // The anchor is painted from 13 to 45, indented like its item.
    EXPECT_GT(s.Count(rtl::Rect(13, 0, 45, 16), Reddish), 10);
    EXPECT_TRUE(s.HitTest(text, 40, 8));
    EXPECT_EQ(s.Result.AnchorAtPoint, "item");
    EXPECT_EQ(s.Result.AnchorRectAtPoint, rtl::Rect(13, 0, 45, 16));
    EXPECT_FALSE(s.HitTest(text, 6, 8));
}

TEST(EsgHTMLERender, LinesBreakAtTheGivenWidth)
{
    struct Case {
        const char* Text;
        int Width;
        int Height;
        int ContentWidth;
    } cases[] = {
        {"aaa bbb ccc", 200, 16, 88},
        {"aaa bbb ccc", 66, 32, 56},          // "aaa bbb" / "ccc" (the line starts 1 pixel in)
        {"aaa bbb ccc", 65, 32, 56},          // "aaa" / "bbb ccc"
        {"aaa bbb ccc", 40, 48, 24},          // one word a line
        {"x verylongword y", 50, 48, 96},     // the long word stays whole on its own line
        {"aaaa b<B>cc</B>cc", 60, 16, 80},   // no break inside a word split by a tag
        {"one<BR>two", 200, 32, 24},
        {"", 200, 16, 0},
    };
    Scene s;
    for (const Case& c : cases) {
        const THtmlRenderResult r = s.Measure(c.Text, c.Width);
        EXPECT_EQ(r.ContentHeight, c.Height) << c.Text << " at " << c.Width;
        EXPECT_EQ(r.ContentWidth, c.ContentWidth) << c.Text << " at " << c.Width;
    }
    EXPECT_EQ(s.Measure("a<B>b</B> &lt;c<BR>d", 200).PlainText, "ab <c\rd");
    // Sizes a text asks for are held within bounds, so sums of them never overflow.
    EXPECT_EQ(s.Measure("<FONT SIZE=\"99999999999\">x</FONT>", 200).ContentHeight, 2 * 1638);
}

TEST(EsgHTMLERender, WithoutWordWrapOneLineIsDrawnAndCut)
{
    Scene s;
    s.Options.WrapWords = false;
    // The first run that does not fit ends the text; a first run that is too wide stays.
    EXPECT_EQ(s.Measure("aaa <B>bbb</B> ccc<BR>next", 40).ContentHeight, 16);
    EXPECT_EQ(s.Measure("aaa bbb ccc<BR>next", 40).ContentHeight, 32);
    s.Paint("WWW WWW WWW WWW", rtl::Rect(0, 0, 40, 30));
    EXPECT_GT(s.Count(rtl::Rect(0, 0, 40, 30), Dark), 10);
    EXPECT_EQ(s.Count(rtl::Rect(40, 0, 200, 60), Ink), 0);
}

TEST(EsgHTMLERender, PaintingStopsBelowTheRectangle)
{
    Scene s;
    s.Paint("a<BR>b<BR>c", rtl::Rect(0, 0, 100, 20));
    EXPECT_EQ(s.Result.PlainText, "a\ra\r");  // measured and painted once each, then stopped
    EXPECT_EQ(s.Measure("a<BR>b<BR>c", 100).ContentHeight, 48);
}

TEST(EsgHTMLERender, RightAlignedParagraphSitsAgainstTheRightEdge)
{
    Scene s;
    s.Paint("<P ALIGN=\"RIGHT\">WW</P>", rtl::Rect(0, 0, 101, 30));
    EXPECT_GT(s.Count(rtl::Rect(85, 0, 101, 16), Dark), 5);
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, 85, 16), Dark), 0);
    EXPECT_EQ(s.Result.ContentWidth, 16);
}

TEST(EsgHTMLERender, HighlightTagUsesTheProgramWideHighlightColours)
{
    Scene s;
    s.Paint("Tom &amp; <HI>Jerry</HI>");
    const gfx::TColor back = gfx::ColorToRGB(HtmlHighlightColor());
    EXPECT_GT(s.Count(rtl::Rect(49, 0, 100, 16), [back](gfx::TColor c) { return c == back; }), 20);
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, 49, 16), [back](gfx::TColor c) { return c == back; }), 0);
}

TEST(EsgHTMLERender, ImageFromPngFixtureByUrlAndByName)
{
    THTMLPictureCache cache;
    Scene s;
    s.Options.PictureCache = &cache;
    const std::string url = "FILE://" + Fixture("redblue.png");
    s.Paint("<IMG SRC=\"" + url + "\">");
    EXPECT_TRUE(Reddish(s.At(1 + 3, 3)));
    EXPECT_TRUE(Bluish(s.At(1 + 15, 3)));
    EXPECT_EQ(s.At(1 + 22, 3), gfx::clWhite);
    ASSERT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.GetPicture(0)->ID(), url);
    s.Paint("<IMG SRC=\"" + url + "\">");
    EXPECT_EQ(cache.Count(), 1);  // found again, not loaded again

    TPictureContainer container(nullptr);
    AddFixturePicture(container, "Wide", "wide.png");
    Scene n;
    n.Options.Pictures = &container;
    // WIDTH only: 64 x 32 drawn 32 x 16; the image takes its width plus a 2-pixel gap.
    const THtmlRenderResult m = n.Measure("<IMG SRC=\"wide\" WIDTH=\"32\">", 200);
    EXPECT_EQ(m.ContentWidth, 34);
    EXPECT_EQ(m.ContentHeight, 16);
    n.Paint("<IMG SRC=\"WIDE\" WIDTH=\"32\">");
    EXPECT_TRUE(Greenish(n.At(1 + 30, 14)));
    EXPECT_EQ(n.At(1 + 34, 5), gfx::clWhite);
    EXPECT_EQ(n.At(1 + 5, 17), gfx::clWhite);
}

TEST(EsgHTMLERender, PictureThatDidNotDecodeCountsAsAbsent)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = AddFixturePicture(container, "bad", "notimage.png");
    ASSERT_FALSE(item->Picture()->Empty());
    ASSERT_EQ(item->Picture()->Width(), 0);
    Scene s;
    s.Options.Pictures = &container;
    for (const char* text : {"<IMG SRC=\"bad\" WIDTH=\"10\">", "<IMG SRC=\"bad\" HEIGHT=\"10\">", "<IMG SRC=\"bad\">"}) {
        const THtmlRenderResult r = s.Measure(text, 200);
        EXPECT_LE(r.ContentWidth, 2) << text;
        EXPECT_EQ(r.ContentHeight, 16) << text;
        s.Paint(text);
    }
    EXPECT_EQ(s.Count(s.All(), Ink), 0);
}

TEST(EsgHTMLERender, AnimatedPictureDrawsItsFirstFrameAtItsOwnPosition)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = AddFixturePicture(container, "anim", "offset.gif");
    ASSERT_EQ(item->Picture()->FrameCount(), 2);
    Scene s;
    s.Options.Pictures = &container;
    s.Paint("<IMG SRC=\"anim\">");
    // The first frame covers (4, 2) to (8, 6) of the 12 x 8 area drawn at (1, 0).
    EXPECT_TRUE(Reddish(s.At(1 + 5, 3)));
    EXPECT_TRUE(Reddish(s.At(1 + 7, 5)));
    EXPECT_FALSE(Reddish(s.At(1 + 9, 5)));
    EXPECT_FALSE(Reddish(s.At(1 + 2, 1)));
}

TEST(EsgHTMLERender, InlineCheckBoxShowsItsValue)
{
    Scene on, off, none;
    on.Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">");
    off.Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">");
    const rtl::TRect inside = rtl::Rect(5, 3, 14, 14);
    EXPECT_GT(on.Count(inside, Dark), off.Count(inside, Dark) + 5);
    EXPECT_GT(off.Count(rtl::Rect(0, 0, 20, 20), Ink), 0);  // the box itself
    none.Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\">");  // no WIDTH: nothing at all
    EXPECT_EQ(none.Count(none.All(), Ink), 0);
    EXPECT_EQ(none.Measure("<CONTROL TYPE=\"CHECK\" ID=\"c\">", 200).ContentWidth, 0);

    gfx::SetThemesActive(true);
    Scene themed;
    themed.Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\">");
    gfx::SetThemesActive(false);
    EXPECT_GT(themed.Count(rtl::Rect(0, 0, 20, 20), Ink), 10);
}

TEST(EsgHTMLERender, InlineEditControlIsDrawnAndFoundById)
{
    const std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\">";
    Scene s;
    s.Paint(text);
    // Box from (1, 7) to (61, 28) in grey with a white inside and the value in it.
    EXPECT_EQ(s.At(1, 15), gfx::clGray);
    EXPECT_EQ(s.At(60, 15), gfx::clGray);
    EXPECT_EQ(s.At(58, 10), gfx::clWhite);
    EXPECT_GT(s.Count(rtl::Rect(3, 8, 40, 26), Dark), 5);
    EXPECT_EQ(s.Result.ContentWidth, 60);

    Scene h;
    h.Result.ControlIDAtPoint = "e1";
    EXPECT_TRUE(h.HitTest(text, 190, 50));  // the ID selects the control wherever the point is
    EXPECT_EQ(h.Result.AnchorAtPoint, "ctrl");
    EXPECT_EQ(h.Result.ControlValueAtPoint, "abc");
    EXPECT_EQ(h.Result.ControlTypeAtPoint, "EDIT");
    EXPECT_EQ(h.Result.ControlRectAtPoint, rtl::Rect(1, 0, 61, 26));

    Scene p;
    EXPECT_TRUE(p.HitTest(text, 30, 10));
    EXPECT_EQ(p.Result.ControlIDAtPoint, "e1");
    p.Result.ControlIDAtPoint.clear();
    EXPECT_FALSE(p.HitTest(text, 100, 10));
}

TEST(EsgHTMLERender, InlineControlValuesReadBackAsSet)
{
    std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"\" WIDTH=\"80\">";
    ASSERT_TRUE(SetControlTagValue(text, "e1", "Tom & \"Jerry\""));
    Scene s;
    s.Result.ControlIDAtPoint = "e1";
    EXPECT_TRUE(s.HitTest(text, 0, 0));
    EXPECT_EQ(s.Result.ControlValueAtPoint, "Tom & \"Jerry\"");
}

TEST(EsgHTMLERender, ControlWidthThatIsNotANumberUsesItsLeadingDigits)
{
    Scene s;
    EXPECT_EQ(s.Measure("<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"40px\">", 200).ContentWidth, 40);
    EXPECT_EQ(s.Measure("<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"wide\">x", 200).ContentWidth, 8);
    s.Paint("<CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"v\" WIDTH=\"40px\">");
    EXPECT_EQ(s.At(40, 15), gfx::clGray);
}

TEST(EsgHTMLERender, ImageThatFillsTheLineStaysForTheNextLine)
{
    TPictureContainer container(nullptr);
    AddFixturePicture(container, "rb", "redblue.png");
    Scene s;
    s.Options.Pictures = &container;
    // 40 pixels of text leave no room for the 20-pixel image in 50: it goes to the next line.
    const THtmlRenderResult r = s.Measure("abcde<IMG SRC=\"rb\">", 50);
    EXPECT_EQ(r.ContentHeight, 32);
    s.Paint("abcde<IMG SRC=\"rb\">", rtl::Rect(0, 0, 50, 60));
    EXPECT_TRUE(Reddish(s.At(1 + 3, 16 + 3)));
    EXPECT_EQ(s.Count(rtl::Rect(0, 0, 50, 16), Reddish), 0);
}

TEST(EsgHTMLERender, MeasuredSizesOfStyleTags)
{
    struct Case {
        const char* Text;
        int Width;
        int Height;
    } cases[] = {
        {"x<SUB>2</SUB>", 16, 20},               // the line grows by a quarter of the lowered text
        {"x<SUP>2</SUP><SUB>3</SUB>", 24, 24},
        {"ab<Z>hidden</Z>cd", 32, 16},           // hidden text takes no room
        {"a<IND x=\"40\">b", 48, 16},
        {"a<IND x=\"4\">b", 16, 16},             // never moves left
        {"<BODY STYLE=\"FONT-SIZE:12pt\">ab", 24, 24},
        {"<CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"30\">", 16, 16},
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">", 50, 25},
        {"<IMG SRC=\"SSYS:notes.txt\">", 18, 16},   // small system icon and the gap
        {"<IMG SRC=\"LSYS:0\">", 34, 32},
    };
    Scene s;
    for (const Case& c : cases) {
        const THtmlRenderResult r = s.Measure(c.Text, 200);
        EXPECT_EQ(r.ContentWidth, c.Width) << c.Text;
        EXPECT_EQ(r.ContentHeight, c.Height) << c.Text;
    }
}

TEST(EsgHTMLERender, BackgroundsBlinkingAndRules)
{
    Scene body;
    body.Paint("<BODY BGCOLOR=\"clYellow\">x", rtl::Rect(0, 0, 50, 30));
    EXPECT_EQ(body.At(45, 25), gfx::clYellow);
    EXPECT_EQ(body.At(60, 25), gfx::clWhite);

    Scene span;
    span.Paint("<SPAN STYLE=\"BACKGROUND-COLOR:#00FF00\">WW</SPAN>");
    EXPECT_GT(span.Count(rtl::Rect(1, 0, 20, 16), [](gfx::TColor c) { return c == gfx::clLime; }), 10);
    Scene spanName;
    spanName.Paint("<SPAN STYLE=\"BACKGROUND-COLOR:clLime\">WW</SPAN>");  // hex only
    EXPECT_EQ(spanName.Count(spanName.All(), [](gfx::TColor c) { return c == gfx::clLime; }), 0);

    Scene off;
    off.Options.BlinkPhaseOn = false;
    off.Paint("<BLINK>WWW</BLINK>");  // drawn in the background colour: invisible
    EXPECT_EQ(off.Count(off.All(), Dark), 0);
    Scene on;
    on.Paint("<BLINK>WWW</BLINK>");
    EXPECT_GT(on.Count(on.All(), Dark), 10);

    Scene rule;
    rule.Paint("ab<HR>cd");
    EXPECT_EQ(rule.Count(rtl::Rect(0, 17, 200, 18), [](gfx::TColor c) { return c == gfx::clBlack; }), 199);

    Scene keep;
    keep.Options.KeepTextColor = true;
    keep.Options.AnchorColor = gfx::clRed;
    keep.Paint("<FONT COLOR=\"clBlue\">W</FONT> <A HREF=\"x\">W</A>");
    EXPECT_EQ(keep.Count(keep.All(), Reddish), 0);
    EXPECT_EQ(keep.Count(keep.All(), Bluish), 0);
}

TEST(EsgHTMLERender, FocusedAnchorReportsItsReference)
{
    Scene s;
    s.Options.FocusedAnchor = 1;  // 0-based: the second anchor
    s.Paint("<A HREF=\"one\">a</A> <A HREF=\"two\">b</A>");
    EXPECT_EQ(s.Result.FocusedAnchorRef, "two");
    EXPECT_EQ(s.Result.AnchorCount, 2);
}

TEST(EsgHTMLERender, ImageListImagesTakeTheirSizeAndAGap)
{
    gfx::TImageList list(16, 16);
    gfx::TBitmap red(48, 16);
    red.Canvas().Brush().SetColor(gfx::clRed);
    red.Canvas().FillRect(rtl::Rect(0, 0, 48, 16));
    list.Add(red);
    ASSERT_EQ(list.Count(), 3);
    Scene s;
    s.Options.ImageList = &list;
    const THtmlRenderResult r = s.Measure("<IMG SRC=\"IDX:2\">x", 200);
    EXPECT_EQ(r.ContentWidth, 18 + 8);
    EXPECT_EQ(r.ContentHeight, 16);
    EXPECT_EQ(s.Measure("<IMG SRC=\"IDX:3\">x", 200).ContentWidth, 2 + 8);  // out of range: no size
    s.Paint("<IMG SRC=\"IDX:2\">");
    EXPECT_EQ(s.At(1 + 8, 8), gfx::clRed);
}

TEST(EsgHTMLERender, ImageAlignedTopLiftsTheTextAndWrapKeepsTextHeight)
{
    TPictureContainer container(nullptr);
    AddFixturePicture(container, "w", "wide.png");  // 64 x 32
    Scene s;
    s.Options.Pictures = &container;
    EXPECT_EQ(s.Measure("<IMG SRC=\"w\">x", 200).ContentHeight, 32);
    EXPECT_EQ(s.Measure("<IMG SRC=\"w\" WRAP>x", 200).ContentHeight, 16);
    s.Paint("<IMG SRC=\"w\" ALIGN=\"TOP\">WW");
    // The text sits at the image's top, not at its bottom.
    EXPECT_GT(s.Count(rtl::Rect(67, 0, 90, 16), Dark), 5);
    EXPECT_EQ(s.Count(rtl::Rect(67, 17, 90, 32), Dark), 0);
}

TEST(EsgHTMLERender, AnimatedPictureShowsItsCurrentFrame)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = AddFixturePicture(container, "anim", "offset.gif");
    item->Picture()->SetFrame(2);
    Scene s;
    s.Options.Pictures = &container;
    s.Paint("<IMG SRC=\"anim\">");
    EXPECT_TRUE(Bluish(s.At(1 + 1, 1)));  // the second frame covers (0, 0) to (4, 4)
}

TEST(EsgHTMLERender, TextFlowsBesideALeftFloatingImage)
{
    TPictureContainer container(nullptr);
    AddFixturePicture(container, "w", "wide.png");  // 64 x 32
    Scene s;
    s.Options.Pictures = &container;
    s.Paint("<IMG SRC=\"w\" FLOAT=\"LEFT\">WW<BR>WW");
    EXPECT_TRUE(Greenish(s.At(10, 20)));
    // The second line starts beside the image (64 + 2 from the line's left), not below it.
    EXPECT_GT(s.Count(rtl::Rect(67, 16, 100, 32), Dark), 5);
    EXPECT_EQ(s.Count(rtl::Rect(0, 32, 200, 60), Dark), 0);
}
