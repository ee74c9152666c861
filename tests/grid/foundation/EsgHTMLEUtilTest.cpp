// Tests of the mini-HTML format and its utilities: tags, attributes, colour and entity tables, strip, marks, entities, control tags.
#include <gtest/gtest.h>

#include "grid/foundation/EsgHTMLEParse.h"
#include "grid/foundation/EsgHTMLEUtil.h"

using namespace grid;
using grid::html::TTagKind;

TEST(EsgHTMLEParse, TagsAreRecognisedByTheirDecidingLetters)
{
    struct Case {
        const char* Tag;
        TTagKind Kind;
        bool Closing;
    } cases[] = {
        {"<B>", TTagKind::Bold, false},          {"<b>", TTagKind::Bold, false},
        {"</B>", TTagKind::Bold, true},          {"<BR>", TTagKind::LineBreak, false},
        {"<br/>", TTagKind::LineBreak, false},   {"<BLINK>", TTagKind::Blink, false},
        {"</BLINK>", TTagKind::Blink, true},     {"</BODY>", TTagKind::Blink, true},
        {"<BODY bgcolor=\"#fff\">", TTagKind::Body, false},
        {"<I>", TTagKind::Italic, false},        {"</Italic>", TTagKind::Italic, true},
        {"<IND x=\"4\">", TTagKind::Indent, false}, {"<IMG src=\"a\">", TTagKind::Image, false},
        {"<U>", TTagKind::Underline, false},     {"</U>", TTagKind::Underline, true},
        {"<UL>", TTagKind::UnorderedList, false}, {"</UL>", TTagKind::UnorderedList, true},
        {"<S>", TTagKind::Strike, false},        {"<STRIKE>", TTagKind::Strike, false},
        {"</ST>", TTagKind::Strike, true},       {"<SUB>", TTagKind::Sub, false},
        {"<SUP>", TTagKind::Sup, false},         {"<SUBX>", TTagKind::Unknown, false},
        {"</SUP>", TTagKind::SubSupEnd, true},   {"<SHAD>", TTagKind::Shadow, false},
        {"<SPAN style=\"x\">", TTagKind::Span, false}, {"<A href=\"x\">", TTagKind::Anchor, false},
        {"<FONT color=\"red\">", TTagKind::Font, false}, {"</FONT>", TTagKind::Font, true},
        {"<HR>", TTagKind::Rule, false},         {"<HI>", TTagKind::Highlight, false},
        {"</HI>", TTagKind::Highlight, true},    {"<P align=\"right\">", TTagKind::Paragraph, false},
        {"<OL>", TTagKind::OrderedList, false},  {"</OL>", TTagKind::OrderedList, true},
        {"</O>", TTagKind::Unknown, true},       {"<LI>", TTagKind::ListItem, false},
        {"<E>", TTagKind::Error, false},         {"<Z>", TTagKind::Hidden, false},
        {"<R a=\"90\">", TTagKind::Rotate, false}, {"<CONTROL>", TTagKind::Control, false},
        {"<CENTER>", TTagKind::Control, false},  {"<Q>", TTagKind::Unknown, false},
    };
    for (const Case& c : cases) {
        const html::TTag t = html::RecogniseTag(c.Tag);
        EXPECT_EQ(t.Kind, c.Kind) << c.Tag;
        EXPECT_EQ(t.Closing, c.Closing) << c.Tag;
    }
}

TEST(EsgHTMLEParse, AttributesAreFoundAnywhereAndReadBetweenQuotes)
{
    EXPECT_EQ(html::QuotedValue("<A TITLE=\"t\" HREF=\"Go\">", "HREF"), "Go");
    EXPECT_EQ(html::QuotedValue("<A href = \"x\">", "HREF"), "x");
    // A name inside an earlier value is found there first.
    EXPECT_EQ(html::QuotedValue("<A TITLE=\"HREF\" HREF=\"y\">", "HREF"), " HREF=");
    bool found = true;
    EXPECT_EQ(html::QuotedValue("<FONT>", "FACE", &found), "");
    EXPECT_FALSE(found);
    // Lenient numbers: the digits up to the first other character.
    EXPECT_EQ(HtmlLeadingNumber(html::ValueAfter("<FONT SIZE=\"3\">", "SIZE")), 3);
    EXPECT_EQ(HtmlLeadingNumber(html::ValueAfter("<FONT SIZE=3>", "SIZE")), 3);
    EXPECT_EQ(HtmlLeadingNumber(html::ValueAfter("<P INDENT=\"12px\">", "INDENT")), 12);
    EXPECT_EQ(HtmlLeadingNumber("px"), 0);
    EXPECT_EQ(HtmlLeadingNumber("99999999999999"), kHtmlNumberLimit);
    int n = 0;
    EXPECT_TRUE(HtmlStrictNumber("-45", n));
    EXPECT_EQ(n, -45);
    EXPECT_FALSE(HtmlStrictNumber("45px", n));
    EXPECT_FALSE(HtmlStrictNumber("", n));
    EXPECT_EQ(html::FontSizeFromValue(3), 12);
    EXPECT_EQ(html::FontSizeFromValue(1), 8);
    EXPECT_EQ(html::FontSizeFromValue(5), 16);
    EXPECT_EQ(html::FontSizeFromValue(7), 7);
}

TEST(EsgHTMLEColors, ColourValuesFromHexAndNames)
{
    struct Case {
        const char* Text;
        gfx::TColor Color;
    } cases[] = {
        {"#FF0000", gfx::clRed},   {"#00ff00", gfx::clLime},  {"#0000FF", gfx::clBlue},
        {"#FF", gfx::clRed},       {"#zz00FF", gfx::clBlue},  {"clred", gfx::clRed},
        {"clRed", gfx::clBlack},   {"red", gfx::clBlack},     {"clnosuch", gfx::clBlack},
        {"clbtnface", gfx::clBtnFace}, {"cl3ddkshadow", gfx::cl3DDkShadow}, {"clyellow", gfx::clYellow},
        {"clinfobk", gfx::clInfoBk}, {"clnavy", gfx::clNavy},
    };
    for (const Case& c : cases) EXPECT_EQ(HtmlColorFromText(c.Text), c.Color) << c.Text;
    // The renderer lower-cases attribute values: names and hex are read in any case.
    EXPECT_EQ(html::ColorValue("CLRED"), gfx::clRed);
    EXPECT_EQ(html::ColorValue("RED"), gfx::clBlack);
    EXPECT_EQ(html::ColorValue("#ff0000"), gfx::clRed);
    EXPECT_EQ(HexToColor("#00FF00"), gfx::clLime);
    EXPECT_EQ(HexToColor("clRed"), gfx::clBlack);
}

TEST(EsgHTMLEColors, NameTableIsSortedByCharacterCodeAndEveryNameIsFound)
{
    const THtmlColorName* t = HtmlColorNameTable();
    for (int i = 1; i < HtmlColorNameCount(); ++i) EXPECT_LT(std::string(t[i - 1].Name), std::string(t[i].Name));
    for (int i = 0; i < HtmlColorNameCount(); ++i)
        EXPECT_EQ(HtmlColorFromText(std::string("cl") + t[i].Name), t[i].Color) << t[i].Name;
}

TEST(EsgHTMLEEntities, TableDecodesAndEncodesEveryCharacterExactly)
{
    ASSERT_EQ(HtmlEntityCount(), 51);
    for (int i = 0; i < HtmlEntityCount(); ++i) {
        const THtmlEntity& e = HtmlEntityTable()[i];
        EXPECT_EQ(HtmlDecodeEntities(e.Name, true), e.Character) << e.Name;
        EXPECT_EQ(HtmlEncodeEntities(e.Character, true), e.Name) << e.Name;
    }
    EXPECT_EQ(HtmlDecodeEntities("&EACUTE;", true), "&EACUTE;");  // names keep their case
    EXPECT_EQ(HtmlDecodeEntities("&eacute;", false), "&eacute;");
}

TEST(EsgHTMLEEntities, EncodeAndDecodeOfTheMarkupCharacters)
{
    EXPECT_EQ(HtmlEncodeEntities("a<b>&\"c\"", false), "a&lt;b&gt;&amp;&quot;c&quot;");
    EXPECT_EQ(HtmlEncodeEntities("&lt;", false), "&amp;lt;");
    EXPECT_EQ(HtmlDecodeEntities("&LT;x&gt;&Quot;&amp;", false), "<x>\"&amp;");
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

TEST(EsgHTMLEStrip, TagsAreRemovedAndLineBreaksKept)
{
    EXPECT_EQ(StripHtmlTags("one<br>two"), "one\r\ntwo");
    EXPECT_EQ(StripHtmlTags("a<HR>b"), "a\r\nb");
    EXPECT_EQ(StripHtmlTags("a > b<i> c"), "a > b c");
    EXPECT_EQ(StripHtmlTags("<B>x</B> &amp; y"), "x &amp; y");
    EXPECT_EQ(StripHtmlTags("x<B>y<z"), "xy<z");
}

TEST(EsgHTMLEPreprocess, NamedReferencesHashTagsAndLineBreaks)
{
    EXPECT_EQ(html::PreprocessHtml("Tom &amp; Jerry", true), "Tom && Jerry");
    EXPECT_EQ(html::PreprocessHtml("&AMP;amp;", true), "&&&");
    EXPECT_EQ(html::PreprocessHtml("&quot;&copy;&euro;", true), "\"©€");
    EXPECT_EQ(html::PreprocessHtml("<#12> x", true), "#12 x");
    EXPECT_EQ(html::PreprocessHtml("one\r\ntwo", true), "one<BR>two");
    EXPECT_EQ(html::PreprocessHtml("one\r\ntwo", false), "one two");
    EXPECT_EQ(html::PreprocessHtml("<B>\r\n<I>", false), "<B><I>");
    // Inside an inline-control tag the stored, encoded values stay as they are.
    EXPECT_EQ(html::PreprocessHtml("&amp;<CONTROL VALUE=\"a &quot;b&quot;\">", true),
              "&&<CONTROL VALUE=\"a &quot;b&quot;\">");
    EXPECT_EQ(html::DecodeRun("a&nbsp;&LT;b&gt; &eacute;"), "a <b> é");
    EXPECT_EQ(html::ShownText("Tom && J&erry&"), "Tom & Jerry");
}

TEST(EsgHTMLEMarks, PlainTextIsMarkedEncodedAndGivenBackExactly)
{
    const std::string marked = InsertHtmlMarks("Tom & Jerry", "jerry", "hi", false, false);
    EXPECT_EQ(marked, "Tom &amp; <HI>Jerry</HI>");
    // Un-highlighting gives back exactly the text the cell had.
    EXPECT_EQ(RemoveHtmlMarks(marked, "hi"), "Tom & Jerry");
    const char* plains[] = {"a < b & \"c\"", "&lt; stays", "Café & crème", "no hit"};
    for (const char* p : plains)
        EXPECT_EQ(RemoveHtmlMarks(InsertHtmlMarks(p, "c", "HI", false, false), "HI"), p) << p;
    // Marking again (the next search) starts from the text as it was, not from its encoding.
    const std::string again = InsertHtmlMarks(marked, "tom", "HI", false, false);
    EXPECT_EQ(again, "<HI>Tom</HI> &amp; Jerry");
    EXPECT_EQ(InsertHtmlMarks(marked, "jerry", "HI", false, false), marked);
    EXPECT_EQ(RemoveHtmlMarks(again, "HI"), "Tom & Jerry");
    // Whole-text marking of a plain text encodes with the table, and comes back too.
    const std::string whole = InsertHtmlMarks("Café", "CAFÉ", "HI", true, false);
    EXPECT_EQ(whole, "<HI>Caf&eacute;</HI>");
    EXPECT_EQ(RemoveHtmlMarks(whole, "HI"), "Café");
}

TEST(EsgHTMLEMarks, MarkingTwiceLeavesOneSetAndCaseMatters)
{
    const std::string once = InsertHtmlMarks("abc abc", "b", "E", false, false);
    EXPECT_EQ(once, "a<E>b</E>c a<E>b</E>c");
    EXPECT_EQ(InsertHtmlMarks(once, "b", "e", false, false), once);
    EXPECT_EQ(InsertHtmlMarks("abc", "B", "E", false, true), "abc");
    EXPECT_EQ(InsertHtmlMarks("aBc", "B", "E", false, true), "a<E>B</E>c");
}

TEST(EsgHTMLEMarks, HtmlTextsKeepTagsInsideMarksAndSplitAtClosingFonts)
{
    EXPECT_EQ(InsertHtmlMarks("<B>he</B>llo</I>", "ell", "HI", false, false), "<B>h<HI>e</B>ll</HI>o</I>");
    EXPECT_EQ(InsertHtmlMarks("<FONT color=\"red\">ab</FONT>cd", "bc", "HI", false, false),
              "<FONT color=\"red\">a<HI>b</HI></FONT><HI>c</HI>d");
    // Entities count as one character of the plain text.
    EXPECT_EQ(InsertHtmlMarks("x &amp; y</B>", "& Y", "HI", false, false), "x <HI>&amp; y</HI></B>");
    EXPECT_EQ(InsertHtmlMarks("<B>abc</B>", "abc", "HI", true, false), "<HI><B>abc</B></HI>");
    EXPECT_EQ(InsertHtmlMarks("<B>abcd</B>", "abc", "HI", true, false), "<B>abcd</B>");
    EXPECT_EQ(RemoveHtmlMarks("<B>h<HI>e</B>ll</hi>o</I>", "hi"), "<B>he</B>llo</I>");
}

TEST(EsgHTMLEControlTags, ParseFindSetAndUncheck)
{
    const std::string text = "<CONTROL TYPE=\"check\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"16\">"
                             "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"x &lt; y\" WIDTH=\"50\" MAXLEN=\"8\">"
                             "<control type=\"COMBO\" id=\"c2\" value=\"b\" width=\"60\" prop=\"a,b&amp;c\">"
                             "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">";
    EXPECT_TRUE(HasControlTag(text));
    EXPECT_FALSE(HasControlTag("<B>x</B>"));
    const TControlTag t = ParseControlTag("<CONTROL TYPE=\"check\" ID=\"c1\" VALUE=\"&eacute;\" WIDTH=\"16\" HEIGHT=\"30\">");
    EXPECT_EQ(t.Type, "CHECK");
    EXPECT_EQ(t.ID, "c1");
    EXPECT_EQ(t.Value, "é");
    EXPECT_EQ(t.Width, "16");
    EXPECT_EQ(t.Height, "30");
    EXPECT_EQ(NextEditableControlTagID(text, ""), "e1");
    EXPECT_EQ(NextEditableControlTagID(text, "e1"), "c2");
    EXPECT_EQ(NextEditableControlTagID(text, "c2"), "");
    std::string value;
    ASSERT_TRUE(GetControlTagValue(text, "e1", value));
    EXPECT_EQ(value, "x < y");
    EXPECT_FALSE(GetControlTagValue(text, "nope", value));
    EXPECT_EQ(GetControlTagProp(text, "c2"), "a,b&c");
    EXPECT_EQ(GetControlTagMaxLen(text, "e1"), 8);
    EXPECT_EQ(GetControlTagMaxLen(text, "c1"), 0);

    const std::string unchecked = UncheckRadioControlTags(text);
    ASSERT_TRUE(GetControlTagValue(unchecked, "r1", value));
    EXPECT_EQ(value, "FALSE");
    ASSERT_TRUE(GetControlTagValue(unchecked, "c1", value));
    EXPECT_EQ(value, "TRUE");
}

TEST(EsgHTMLEControlTags, SetValueRewritesOnlyThatTagAndReadsBackAsSet)
{
    std::string text = "a<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"\" WIDTH=\"50\" HEIGHT=\"30\" MAXLEN=\"5\">b"
                       "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"keep\" WIDTH=\"40\">c";
    const std::string before = text;
    EXPECT_FALSE(SetControlTagValue(text, "e9", "x"));
    EXPECT_EQ(text, before);
    ASSERT_TRUE(SetControlTagValue(text, "e1", "Tom & \"Jerry\" é"));
    EXPECT_EQ(text, "a<CONTROL ID=\"e1\" VALUE=\"Tom &amp; &quot;Jerry&quot; &eacute;\" WIDTH=\"50\" TYPE=\"EDIT\""
                    " MAXLEN=\"5\" HEIGHT=\"30\">b<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"keep\" WIDTH=\"40\">c");
    // The value reads back as it was set: an "&" stays one "&".
    std::string value;
    ASSERT_TRUE(GetControlTagValue(text, "e1", value));
    EXPECT_EQ(value, "Tom & \"Jerry\" é");
    ASSERT_TRUE(SetControlTagValue(text, "e1", value));
    ASSERT_TRUE(GetControlTagValue(text, "e1", value));
    EXPECT_EQ(value, "Tom & \"Jerry\" é");
}
