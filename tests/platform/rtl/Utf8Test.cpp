#include "platform/rtl/Utf8.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace rtl;

TEST(Utf8, LengthCountsCodePointsNotBytes)
{
    struct Case { std::string text; std::size_t length; };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"Őszi búza", 9},
        {"°C", 2},
        {"€ 5", 3},
        {"\xF0\x9F\x8C\xBE", 1},          // one 4-byte character
        {"a\xFF" "b", 3},                  // a malformed byte counts as one character
        {"\xC5", 1},                       // truncated sequence at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8Length(c.text), c.length) << c.text;
}

TEST(Utf8, CopyUsesOneBasedCharacterPositionsWithClassLibraryClamping)
{
    struct Case { long long index, count; std::string expected; };
    const std::string s = "Őszi búza";
    const Case cases[] = {
        {1, 4, "Őszi"},
        {6, 4, "búza"},
        {7, 100, "úza"},
        {0, 2, "Ős"},     // index below 1 counts as 1
        {-5, 1, "Ő"},
        {10, 3, ""},      // past the end
        {3, 0, ""},
        {3, -1, ""},
        {6, std::numeric_limits<long long>::max(), "búza"},  // "the rest of the text"
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8Copy(s, c.index, c.count), c.expected) << c.index << "," << c.count;
}

TEST(Utf8, PosReportsCharacterPositions)
{
    EXPECT_EQ(Utf8Pos("búza", "Őszi búza"), 6);
    EXPECT_EQ(Utf8Pos("z", "Őszi búza"), 3);
    EXPECT_EQ(Utf8Pos("z", "Őszi búza", 4), 8);
    EXPECT_EQ(Utf8Pos("x", "Őszi búza"), 0);
    EXPECT_EQ(Utf8Pos("", "abc"), 0);
    EXPECT_EQ(Utf8Pos("a", "abc", 0), 0);
    EXPECT_EQ(Utf8Pos("c", "abc", 4), 0);
}

TEST(Utf8, DeleteAndInsertWorkInCharacters)
{
    std::string s = "Őszi búza";
    Utf8Delete(s, 1, 5);
    EXPECT_EQ(s, "búza");
    Utf8Insert("ő", s, 2);
    EXPECT_EQ(s, "bőúza");
    Utf8Insert("!", s, 100);
    EXPECT_EQ(s, "bőúza!");
    Utf8Delete(s, 5, 10);
    EXPECT_EQ(s, "bőúz");
    Utf8Delete(s, 0, 2);  // index below 1: nothing deleted
    EXPECT_EQ(s, "bőúz");
}

TEST(Utf8, PaddingCountsCharacters)
{
    EXPECT_EQ(Utf8PadRight("ő", 3), "ő  ");
    EXPECT_EQ(Utf8PadLeft("°C", 4), "  °C");
    EXPECT_EQ(Utf8PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(Utf8PadLeft("7", 3, U'0'), "007");
}

TEST(Utf8, DecodeEncodeRoundTripAndValidity)
{
    const std::string s = "Őszi °C €\xF0\x9F\x8C\xBE";
    const std::u32string cps = Utf8Decode(s);
    ASSERT_EQ(cps.size(), 10u);
    EXPECT_EQ(cps[0], U'\u0150');
    EXPECT_EQ(cps[9], U'\U0001F33E');
    EXPECT_EQ(Utf8Encode(cps), s);
    EXPECT_TRUE(Utf8IsValid(s));
    EXPECT_FALSE(Utf8IsValid("\xC0\x80"));        // overlong NUL
    EXPECT_FALSE(Utf8IsValid("\xED\xA0\x80"));    // surrogate
    EXPECT_EQ(Utf8Decode("a\xFF")[1], U'\uFFFD');
}

}  // namespace
