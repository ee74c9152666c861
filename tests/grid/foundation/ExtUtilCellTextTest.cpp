// Tests of cell-text recognition and rewriting: kinds, links, references, Unicode escapes, accents, names and clipboard HTML.
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilHtml.h"
#include "grid/foundation/ExtUtilTextForms.h"

#include "platform/rtl/Utf8.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;

TEST(ExtUtilCellText, DetectCellTextKind)
{
    struct Case { std::string text; bool html; int expected; };
    const Case cases[] = {
        {"=A1+B1", false, ctkFormula},
        {"{\\rtf1 x}", false, ctkRichText},
        {"see <b>bold</b>", true, ctkHtml},
        {"see <b>bold</b>", false, ctkPlain},
        {"a<br>b", true, ctkHtml},
        {"<IMG src=x>", true, ctkHtml},
        {"<control id=\"a\">", true, ctkHtml},
        {"<font color=red>", true, ctkPlain},  // only /, IM, IN, BR and CO open a tag
        {"a < b", true, ctkPlain},
        {"http://x.org", false, ctkLink},
        {"write to mailto:a@b", false, ctkLink},
        {"a", false, ctkPlain},
        {"", true, ctkPlain},
        {EncodeUnicodeEscapes("€"), false, ctkUnicodeEscaped},
        {EncodeUnicodeEscapes("=1"), false, ctkFormula},  // escaped formula
        {"|\\", false, ctkUnicodeEscaped},
    };
    for (const Case& c : cases) EXPECT_EQ(DetectCellTextKind(c.text, c.html), c.expected) << c.text;
}

TEST(ExtUtilCellText, UrlSchemesAndLinks)
{
    std::string url = "see http://x.org/a";
    StripUrlScheme(url);
    EXPECT_EQ(url, "x.org/a");
    url = "mailto:me@x.org";
    StripUrlScheme(url);
    EXPECT_EQ(url, "me@x.org");
    url = "plain";
    StripUrlScheme(url);
    EXPECT_EQ(url, "plain");

    std::string result = "untouched";
    EXPECT_FALSE(LinkUrlInText("no link here", "HTTP://", result));
    EXPECT_EQ(result, "untouched");
    ASSERT_TRUE(LinkUrlInText("<b>Go to http://x.org/a?b=1 now", "HTTP://", result));
    EXPECT_EQ(result, "&lt;b&gt;Go to <a href=\"http://x.org/a?b=1\">http://x.org/a?b=1</a> now");
    ASSERT_TRUE(LinkUrlInText("Mail MAILTO:a@b.c, or http://y", "MAILTO:", result));
    EXPECT_EQ(result, "Mail <a href=\"MAILTO:a@b.c\">MAILTO:a@b.c</a>, or http://y");
}

TEST(ExtUtilCellText, ParseRowColReference)
{
    rtl::TPoint cell{-1, -1};
    ASSERT_TRUE(ParseRowColReference("R12C3", cell));
    EXPECT_EQ(cell, (rtl::TPoint{3, 12}));
    ASSERT_TRUE(ParseRowColReference("r1c20", cell));
    EXPECT_EQ(cell, (rtl::TPoint{20, 1}));
    cell = {-1, -1};
    for (const char* text : {"R1C", "RC12", "R1", "X1C2", "RxC2", "R1Cy", ""}) {
        EXPECT_FALSE(ParseRowColReference(text, cell)) << text;
        EXPECT_EQ(cell, (rtl::TPoint{-1, -1})) << text;
    }
}

TEST(ExtUtilCellText, UnicodeEscapesRoundTrip)
{
    const std::string euro = EncodeUnicodeEscapes("€");
    EXPECT_EQ(rtl::Utf8Decode(euro), (std::u32string{U'|', U'\\', char32_t(32), char32_t(172)}));
    EXPECT_EQ(DecodeUnicodeEscapes(euro), "€");
    for (const char* text : {"", "abc", "őű Ω", "\U0001F600 emoji", "a\r\nb"})
        EXPECT_EQ(DecodeUnicodeEscapes(EncodeUnicodeEscapes(text)), text) << text;
    EXPECT_EQ(DecodeUnicodeEscapes("plain"), "plain");
    // A trailing odd character is ignored.
    std::string odd = EncodeUnicodeEscapes("A");
    odd += "x";
    EXPECT_EQ(DecodeUnicodeEscapes(odd), "A");
}

TEST(ExtUtilCellText, RemoveAccentsKeepsEveryCharacterThatIsNotACombiningMark)
{
    EXPECT_EQ(RemoveAccents("Árvíztűrő tükörfúrógép"), "Arvizturo tukorfurogep");
    EXPECT_EQ(RemoveAccents("ça señor"), "ca senor");
    // Characters without accents beyond Latin-1 stay, whatever their code.
    EXPECT_EQ(RemoveAccents("€ Ωμέγα Łódź"), "€ Ωμεγα Łodz");
    EXPECT_EQ(RemoveAccents("한국어 日本"), "한국어 日本");  // composed syllables stay composed
    EXPECT_EQ(RemoveAccents("e\u0301te\u0301"), "ete");     // marks already apart go too
    EXPECT_EQ(RemoveAccents(""), "");
    // Texts of any length: no buffer limit empties them.
    std::string longText;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        longText += "ő";
        expected += "o";
    }
    EXPECT_EQ(RemoveAccents(longText), expected);
}

TEST(ExtUtilCellText, CapitalizeName)
{
    struct Case { const char* text; const char* expected; };
    const Case cases[] = {
        {"mcdonald", "McDonald"},
        {"john mcbride", "John McBride"},
        {"henry viii", "Henry Viii"},
        {"louis iii", "Louis III"},
        {"louis ii", "Louis II"},
        {"john i", "John I"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"o'neil", "O'Neil"},
        {"ÁRPÁD ÉVA", "Árpád Éva"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CapitalizeName(c.text), c.expected) << c.text;
}

TEST(ExtUtilCellText, FillStringWithCharKeepsTheLengthInCharacters)
{
    std::string password = "jelszó";
    FillStringWithChar(password, U'*');
    EXPECT_EQ(password, "******");
    FillStringWithChar(password, U'●');
    EXPECT_EQ(rtl::Utf8Length(password), 6u);
}

TEST(ExtUtilCellText, ColorToHtmlHexWritesRedGreenBlue)
{
    EXPECT_EQ(ColorToHtmlHex(0x0000FF), "FF0000");
    EXPECT_EQ(ColorToHtmlHex(0x123456), "563412");
    EXPECT_EQ(ColorToHtmlHex(0), "000000");
}

TEST(ExtUtilCellText, BuildClipboardHtmlWritesTheByteOffsetsOfTheFragment)
{
    std::string fragment = "<b>x</b>";
    BuildClipboardHtml(fragment);
    const std::string expected =
        "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000309\r\nStartFragment:00000269\r\n"
        "EndFragment:00000277\r\n"
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
        "</head><body><!--StartFragment--><b>x</b><!--EndFragment--></body></html>";
    EXPECT_EQ(fragment, expected);
    // Non-ASCII text takes more bytes than characters; the offsets still point at the parts.
    std::string wide = "<b>\xC3\xA1rpa \xE2\x82\xAC</b>";
    const std::string original = wide;
    BuildClipboardHtml(wide);
    auto offset = [&](const std::string& name) {
        const std::size_t at = wide.find(name + ":");
        return static_cast<std::size_t>(std::stoul(wide.substr(at + name.size() + 1, 8)));
    };
    EXPECT_EQ(wide.substr(offset("StartHTML"), 9), "<!DOCTYPE");
    EXPECT_EQ(wide.substr(offset("StartFragment"), offset("EndFragment") - offset("StartFragment")), original);
    EXPECT_EQ(offset("EndHTML"), wide.size());
}

}  // namespace

TEST(ExtUtilCellText, LinkInTextEndsBeforeAnEscapedBracket)
{
    std::string result;
    ASSERT_TRUE(LinkUrlInText("see http://x.org/a>next", "HTTP://", result));
    EXPECT_EQ(result, "see <a href=\"http://x.org/a\">http://x.org/a</a>&gt;next");
    ASSERT_TRUE(LinkUrlInText("<http://x.org>", "HTTP://", result));
    EXPECT_EQ(result, "&lt;<a href=\"http://x.org\">http://x.org</a>&gt;");
}
