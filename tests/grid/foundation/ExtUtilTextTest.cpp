// Tests of the grid's text utilities: limits, search, splitting, lines, CSV encodings and line breaks.
#include "grid/foundation/ExtUtilText.h"

#include "platform/rtl/StringList.h"
#include "tests/support/StringLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace grid;
using testsupport::Lines;

TEST(ExtUtilText, ApplyValueLimitsTreatsZeroAsAbsentAndEqualLimitsAsNone)
{
    struct Case { int value, lower, upper, expected; };
    const Case cases[] = {
        {5, 10, 10, 5},    // equal limits mean no limits
        {5, 10, 0, 10},    // upper limit 0 is absent
        {50, 0, 20, 20},   // lower limit 0 is absent
        {50, 10, 20, 20},
        {15, 10, 20, 15},
        {-5, -10, 20, -5}, // a negative lower limit is absent too
        {5, 30, 20, 30},   // only the lower limit applies to 5
        {25, 30, 20, 20},  // both apply: the upper limit wins
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyValueLimits(c.value, c.lower, c.upper), c.expected)
            << c.value << " in " << c.lower << ".." << c.upper;
    EXPECT_EQ(ClampInt(5, 1, 3), 3);
    EXPECT_EQ(ClampInt(-5, 1, 3), 1);
    EXPECT_EQ(ClampInt(2, 1, 3), 2);
    EXPECT_EQ(IntMax(2, 7), 7);
    EXPECT_EQ(IntMin(2, 7), 2);
}

TEST(ExtUtilText, PositionsCountCharactersAndOutArgumentsFollowTheirRules)
{
    EXPECT_EQ(FindCharPos(U'b', "őab"), 3);
    EXPECT_EQ(FindCharPos(U'x', "ab"), 0);
    int pos = 99;
    EXPECT_EQ(FindCharPosOut(U'x', "ab", pos), 0);
    EXPECT_EQ(pos, 99);  // untouched when absent
    EXPECT_EQ(FindCharPosOut(U'ő', "aőb", pos), 2);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(FindSubstringOut("zz", "ab", pos), 0);
    EXPECT_EQ(pos, 0);  // always written
    EXPECT_EQ(PosInUpperCase("CD", "abcd"), 3);
    EXPECT_EQ(WidePos("€", "a€"), 2);
    EXPECT_TRUE(CellInGridRect(rtl::Rect(1, 2, 3, 4), 3, 4));
    EXPECT_FALSE(CellInGridRect(rtl::Rect(1, 2, 3, 4), 4, 4));
}

TEST(ExtUtilText, SplitKeepsEmptyPartsAndAppendsToTheList)
{
    rtl::TStringList list;
    list.Add("kept");
    SplitToStringList(";", "a;;b", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"kept", "a", "", "b"}));
    list.Clear();
    SplitToStringList("|", "x|", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", ""}));
    // A longer separator removes only its first character at each split.
    list.Clear();
    SplitToStringList("::", "a::b", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", ":b"}));
    EXPECT_EQ(JoinStringList(list), "a:b");
}

TEST(ExtUtilText, CutPrefixAndTakeFirstLine)
{
    std::string source = "key=value";
    EXPECT_EQ(CutPrefixAtSeparator(source, "="), "key");
    EXPECT_EQ(source, "value");
    EXPECT_EQ(CutPrefixAtSeparator(source, "="), "");
    EXPECT_EQ(source, "value");

    source = "one\r\ntwo\rthree";
    EXPECT_EQ(TakeFirstLine(source, true), "one");
    EXPECT_EQ(source, "two\rthree");
    EXPECT_EQ(TakeFirstLine(source, true), "two");
    EXPECT_EQ(source, "three");
    EXPECT_EQ(TakeFirstLine(source, true), "three");
    EXPECT_EQ(source, "");  // no CR: the rest is not kept
    source = "a\r\nb";
    EXPECT_EQ(TakeFirstLine(source, false), "a");
    EXPECT_EQ(source, "");
}

TEST(ExtUtilText, CountTextLinesTreatsALoneCarriageReturnAsALineBreak)
{
    struct Case { const char* text; bool multiLine; int expected; };
    const Case cases[] = {
        {"a\r\nb\r\n", true, 2},  // a trailing CR LF adds no line
        {"a\r\nb\r\n", false, 1},
        {"", true, 1},
        {"a", true, 1},
        {"a\rb", true, 2},        // lone CR: "b" is not swallowed
        {"a\rb\rc", true, 3},
        {"a\r\r\nb", true, 3},    // CR, then CR LF: an empty middle line
        {"a\r", true, 1},
        {"a\nb", true, 1},        // LF alone is not a break of cell text
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountTextLines(c.text, c.multiLine), c.expected) << testing::PrintToString(c.text);
}

TEST(ExtUtilText, CsvFieldEncodings)
{
    EXPECT_EQ(StripEnclosingQuotes("\"abc\""), "abc");
    EXPECT_EQ(StripEnclosingQuotes("\"\""), "\"\"");  // not longer than 2
    EXPECT_EQ(StripEnclosingQuotes("\"é\""), "é");
    EXPECT_EQ(EscapeCsvQuotes("a\"b"), "a\"\"b");
    EXPECT_EQ(CollapseDoubledChar(U'"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
    EXPECT_EQ(CollapseDoubledChar(U'x', "abc"), "abc");

    std::string field = "a\r\nb";
    QuoteMultilineCsvField(field);
    EXPECT_EQ(field, "\"a\x0B" "b\"");
    field = "a\r\nb\rc";
    CrLfToLineFeeds(field);
    EXPECT_EQ(field, "a\nb\rc");
    field = "a\x0B" "b";
    VerticalTabsToLineBreaks(field);
    EXPECT_EQ(field, "a\r\nb");
    field = "a\r\nb";
    LineBreaksToTilde(field);
    EXPECT_EQ(field, "a~b");
    TildesToLineBreaks(field);
    EXPECT_EQ(field, "a\r\nb");
    field = "^";
    TildesToLineBreaks(field);
    EXPECT_EQ(field, "");
    EXPECT_EQ(ConvertToOem("ő"), "ő");
    EXPECT_EQ(ConvertFromOem("ő"), "ő");
}

TEST(ExtUtilText, FindClosingQuoteEndsAtAnOddRunOrTheLastCharacter)
{
    struct Case { const char* text; int expected; };
    const Case cases[] = {
        {"abc\",x", 4},      // odd run of one quote followed by ","
        {"a\"\"b\",x", 5},   // doubled quote is inside the field
        {"abc\"", 4},        // quote as last character
        {"abc", 0},
        {"a\"\"\"x", 4},     // run of three, the last one closes
        {"", 0},
    };
    for (const Case& c : cases) {
        int pos = -1;
        EXPECT_EQ(FindClosingQuote(U'"', c.text, pos), c.expected) << c.text;
        EXPECT_EQ(pos, c.expected) << c.text;
    }
}

TEST(ExtUtilText, CountUnquotedCharCountsEverythingWhenAQuoteStaysOpen)
{
    EXPECT_EQ(CountUnquotedChar(U';', "a;\"b;c\";d"), 2);
    EXPECT_EQ(CountUnquotedChar(U';', "a;'b;c';d"), 2);
    EXPECT_EQ(CountUnquotedChar(U';', "a;\"it's;\";d"), 2);  // apostrophe inside double quotes
    EXPECT_EQ(CountUnquotedChar(U';', "a;\"b;c"), 2);        // open quote: all count
    EXPECT_EQ(CountCharInText(U'ő', "őaő"), 2);
    EXPECT_EQ(CountCharOccurrences(U'a', U'b', "abab"), 2);
}

TEST(ExtUtilText, LineBreakConversions)
{
    EXPECT_EQ(LineBreaksToHtml("a\r\nb"), "a<br>\nb");
    EXPECT_EQ(LineBreaksToHtml("a\nb"), "a\nb");
    EXPECT_EQ(EscapesToLineBreaks("a\\nb\\"), "a\rb\\");
    EXPECT_EQ(LineBreaksToEscapes("a\r\nb"), "a\\nb");
    EXPECT_EQ(StripCarriageReturns("a\r\nb\r"), "a\nb");
    EXPECT_EQ(CarriageReturnsToLineFeeds("a\r\nb"), "a\n\nb");

    const std::string withNul("a\r\nb\0c", 6);
    const std::string escaped = EscapeLineBreaksForFile(withNul);
    EXPECT_EQ(escaped, std::string("a\x09\x08" "b\x01" "c"));
    EXPECT_EQ(EscapeLineBreaksForFile(std::string("a\nb\0", 4)), std::string("a\nb\0", 4));
    EXPECT_EQ(UnescapeLineBreaksFromFile(escaped, true), withNul);
    EXPECT_EQ(UnescapeLineBreaksFromFile(escaped, false), "a");
    EXPECT_EQ(UnescapeLineBreaksFromFile("plain\x09text", true), "plain\x09text");
}

}  // namespace
