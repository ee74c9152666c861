#include "platform/rtl/CodePage.h"

#include <gtest/gtest.h>

namespace {

using namespace rtl;

TEST(CodePage, HungarianAndSymbolsMapToTheirWindows1250Bytes)
{
    EXPECT_EQ(Utf8ToWin1250("Őszi búza"), "\xD5szi b\xFAza");
    EXPECT_EQ(Utf8ToWin1250("°C"), "\xB0" "C");
    EXPECT_EQ(Utf8ToWin1250("őŐűŰ€–"), "\xF5\xD5\xFB\xDB\x80\x96");
    EXPECT_EQ(Win1250ToUtf8("\xD5szi b\xFAza \xB0" "C"), "Őszi búza °C");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToWin1250("ñ→ж\xF0\x9F\x8C\xBE!"), "?" "?" "?" "?!");
    EXPECT_EQ(UnicodeToWin1250(U'ñ'), -1);
    EXPECT_EQ(UnicodeToWin1250(U'ő'), 0xF5);
}

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = Win1250ToUtf8(all);
    EXPECT_EQ(Utf8ToWin1250(utf8), all);
    EXPECT_EQ(Win1250ToUnicode(0x81), U'\u0081');  // an unassigned byte keeps its number
}

// Long ASCII stretches are scanned many bytes at a time: a letter outside ASCII converts
// wherever it falls in such a stretch, in both directions.
TEST(CodePage, ALetterAnywhereInALongAsciiLineConverts)
{
    for (std::size_t at = 0; at <= 100; ++at) {
        const std::string before(at, 'a'), after(100 - at, 'z');
        EXPECT_EQ(Utf8ToWin1250(before + "ő" + after), before + "\xF5" + after) << at;
        EXPECT_EQ(Win1250ToUtf8(before + "\xF5" + after), before + "ő" + after) << at;
    }
}

TEST(CodePage, EncodingsWriteAndDetectTheirByteOrderMarks)
{
    const std::string text = "Ő°\r\nx";
    EXPECT_EQ(EncodeText(text, TTextEncoding::teAnsi), "\xD5\xB0\r\nx");
    EXPECT_EQ(EncodeText(text, TTextEncoding::teUTF8), "\xEF\xBB\xBF" + text);
    EXPECT_EQ(EncodeText(text, TTextEncoding::teUTF8NoBOM), text);
    EXPECT_EQ(EncodeText("A\xF0\x9F\x8C\xBE", TTextEncoding::teUnicode),
              std::string("\xFF\xFE" "A\0\x3C\xD8\x3E\xDF", 8));

    const TTextEncoding all[] = {TTextEncoding::teAnsi, TTextEncoding::teUTF8, TTextEncoding::teUnicode};
    for (TTextEncoding e : all) {
        TTextEncoding detected = TTextEncoding::teUTF8NoBOM;
        EXPECT_EQ(DecodeText(EncodeText(text, e), &detected), text);
        EXPECT_EQ(detected, e);
    }
    EXPECT_EQ(DecodeText(std::string("\xFE\xFF\x01\x50", 4)), "Ő");  // big-endian UTF-16
}

}  // namespace
