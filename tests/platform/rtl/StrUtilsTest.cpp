#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace rtl;

TEST(StrUtils, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim(" \t ab c \r\n"), "ab c");
    EXPECT_EQ(TrimLeft("  ő "), "ő ");
    EXPECT_EQ(TrimRight("  ő \x01"), "  ő");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is not a blank
}

TEST(StrUtils, AsciiCaseChangesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCase("őszi búza"), "őSZI BúZA");
    EXPECT_EQ(LowerCase("ŐSZI BÚZA"), "Őszi bÚza");
}

TEST(StrUtils, AnsiCaseChangesAccentedLetters)
{
    struct Case { std::string lower, upper; };
    const Case cases[] = {
        {"őszi búza", "ŐSZI BÚZA"},
        {"űrhajó", "ŰRHAJÓ"},
        {"árvíztűrő tükörfúrógép", "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"},
        {"čšžřěďťňľĺŕ", "ČŠŽŘĚĎŤŇĽĹŔ"},
        {"łąęśćźżń", "ŁĄĘŚĆŹŻŃ"},
        {"ÿ", "Ÿ"},
        {"αβγ", "ΑΒΓ"},
        {"жук", "ЖУК"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiUpperCase(c.lower), c.upper) << c.lower;
        EXPECT_EQ(AnsiLowerCase(c.upper), c.lower) << c.upper;
    }
    EXPECT_EQ(AnsiUpperCase("ß°×÷1"), "ß°×÷1");
}

TEST(StrUtils, ComparisonsFollowTheClassLibrary)
{
    EXPECT_LT(CompareStr("A", "a"), 0);
    EXPECT_GT(CompareStr("b", "a"), 0);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_LT(CompareText("abc", "abd"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_LT(CompareText("a", "_"), 0);  // letters fold to upper case, "A" < "_"
    EXPECT_TRUE(SameText("Soil", "SOIL"));
    EXPECT_FALSE(SameText("ő", "Ő"));     // only ASCII letters fold
    EXPECT_TRUE(AnsiSameText("ő", "Ő"));
    EXPECT_FALSE(AnsiSameText("o", "ő"));
}

TEST(StrUtils, AnsiCompareSortsAccentedLettersBesideTheirBaseLetter)
{
    std::vector<std::string> words = {"zab", "árpa", "bab", "alma", "Árpa", "ősz", "oszlop", "Alma"};
    std::stable_sort(words.begin(), words.end(),
                     [](const std::string& a, const std::string& b) { return AnsiCompareStr(a, b) < 0; });
    const std::vector<std::string> expected = {"alma", "Alma", "árpa", "Árpa", "bab", "ősz", "oszlop", "zab"};
    EXPECT_EQ(words, expected);
    EXPECT_EQ(AnsiCompareText("ÁRPA", "árpa"), 0);
    EXPECT_LT(AnsiCompareText("arpa", "árpa"), 0);  // the accent decides when the letters tie
    EXPECT_LT(AnsiCompareText("árpa", "arpb"), 0);  // ...but never before the letters
    EXPECT_LT(AnsiCompareText("ősz", "oszlop"), 0);  // letters first: "osz" is a prefix of "oszlop"
    EXPECT_NE(AnsiCompareStr("a", "A"), 0);
    EXPECT_GT(AnsiCompareStr("Ősz", "ősz"), 0);      // lower case first when nothing else differs
    EXPECT_EQ(AnsiCompareText("Ősz", "ősz"), 0);
    EXPECT_LT(AnsiCompareStr("Ősz a", "ősz b"), 0);  // ...but a later letter outranks case
    EXPECT_GT(AnsiCompareText("1;őszi búza;9", "1;őszi búza;10"), 0);
}

TEST(StrUtils, StringReplaceFirstAllAndIgnoringCase)
{
    struct Case { std::string text, from, to; TReplaceFlags flags; std::string expected; };
    const Case cases[] = {
        {"a.b.c", ".", ",", 0, "a,b.c"},
        {"a.b.c", ".", ",", rfReplaceAll, "a,b,c"},
        {"Ősz ősz ŐSZ", "ősz", "tél", rfReplaceAll | rfIgnoreCase, "tél tél tél"},
        {"Ősz ősz", "ősz", "tél", rfReplaceAll, "Ősz tél"},
        {"aaa", "aa", "b", rfReplaceAll, "ba"},
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"x", "x", "", rfReplaceAll, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringReplace(c.text, c.from, c.to, c.flags), c.expected) << c.text;
    for (const Case& c : cases) {
        if (c.flags != rfReplaceAll) continue;
        std::string text = c.text;
        ReplaceAllInPlace(text, c.from, c.to);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(StrUtils, SearchPositionsAreCharacters)
{
    EXPECT_EQ(Pos("búza", "őszi búza"), 6);
    EXPECT_EQ(PosEx(";", "ő;b;c", 3), 4);
    EXPECT_EQ(PosEx(";", "ő;b;c", 0), 0);
    EXPECT_EQ(PosEx(";", "ő;b;c", 9), 0);
    EXPECT_EQ(AnsiPos("", "x"), 0);
    EXPECT_EQ(LastDelimiter("\\/:", "e:\\adat\\ő.txt"), 8);
    EXPECT_EQ(LastDelimiter(".", "abc"), 0);
    EXPECT_TRUE(StartsText("ŐSZ", "őszi"));
    EXPECT_TRUE(EndsStr(".csv", "a.csv"));
    EXPECT_FALSE(EndsStr("long.csv", "a.csv"));
    EXPECT_TRUE(ContainsText("Őszi Búza", "BÚZ"));
}

TEST(StrUtils, CopyDeleteInsertAndStringOfCharCountCharacters)
{
    EXPECT_EQ(Copy("Őszi", 2, 2), "sz");
    EXPECT_EQ(CopyFrom("Őszi búza", 6), "búza");
    std::string s = "Őszi";
    Delete(s, 1, 1);
    EXPECT_EQ(s, "szi");
    Insert("Ő", s, 1);
    EXPECT_EQ(s, "Őszi");
    EXPECT_EQ(StringOfChar(U'ő', 3), "őőő");
    EXPECT_EQ(StringOfChar(U'-', 4), "----");
    EXPECT_EQ(StringOfChar(U'x', -1), "");
}

TEST(StrUtils, QuotingDoublesInnerQuotesAndDequotingUndoesIt)
{
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {"\"say \"\"hi\"\"\"", "say \"hi\""},
        {"\"ab\"cd", "ab"},          // text after the closing quote is dropped
        {"\"abc", "\"abc"},         // not closed: the text as it is
        {"abc", "abc"},             // not quoted
        {"\"\"", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnsiDequotedStr(c.text, '"'), c.expected) << c.text;
    std::size_t pos = 0;
    EXPECT_EQ(AnsiExtractQuotedStr("'a''b',x", pos, '\''), "a'b");
    EXPECT_EQ(pos, 6u);
}

}  // namespace
