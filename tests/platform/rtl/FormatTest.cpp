// Tests of Format: specifiers, width and precision, argument index, argument checks.
#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Exceptions.h"

namespace {

rtl::TFormatSettings PointSettings() {
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    return fs;
}

TEST(Format, IntegerSpecifiers) {
    const auto fs = PointSettings();
    EXPECT_EQ(rtl::Format("%d of %d", {3, 10}, fs), "3 of 10");
    EXPECT_EQ(rtl::Format("%d", {-42}, fs), "-42");
    EXPECT_EQ(rtl::Format("%.5d", {-12}, fs), "-00012");
    EXPECT_EQ(rtl::Format("%.2d", {123}, fs), "123");
    EXPECT_EQ(rtl::Format("%d", {9000000000LL}, fs), "9000000000");
    EXPECT_EQ(rtl::Format("%u", {-1}, fs), "4294967295");
    EXPECT_EQ(rtl::Format("%u", {-1LL}, fs), "18446744073709551615");
    EXPECT_EQ(rtl::Format("%x", {255}, fs), "FF");
    EXPECT_EQ(rtl::Format("%.4x", {255}, fs), "00FF");
    EXPECT_EQ(rtl::Format("%x", {-1}, fs), "FFFFFFFF");
    EXPECT_EQ(rtl::Format("%D", {7}, fs), "7");
    EXPECT_EQ(rtl::Format("%d", {std::size_t{1104}}, fs), "1104");
    // The clipboard header numbers: eight digits with leading zeros.
    EXPECT_EQ(rtl::Format("%s%.8d", {"StartHTML:", 97}, fs), "StartHTML:00000097");
}

TEST(Format, FloatSpecifiers) {
    const auto fs = PointSettings();
    EXPECT_EQ(rtl::Format("%f", {1.5}, fs), "1.50");
    EXPECT_EQ(rtl::Format("%.2f", {0.125}, fs), "0.13");
    EXPECT_EQ(rtl::Format("%.2f", {2.675}, fs), "2.67");
    EXPECT_EQ(rtl::Format("%.0f", {2.5}, fs), "3");
    EXPECT_EQ(rtl::Format("%.3f", {-0.0004}, fs), "0.000");
    EXPECT_EQ(rtl::Format("%e", {1234.5}, fs), "1.23450000000000E+003");
    EXPECT_EQ(rtl::Format("%.3e", {1234.5}, fs), "1.23E+003");
    EXPECT_EQ(rtl::Format("%g", {1.5}, fs), "1.5");
    EXPECT_EQ(rtl::Format("%g", {0.1}, fs), "0.1");
    EXPECT_EQ(rtl::Format("%.3g", {1234.5}, fs), "1.23E003");
    EXPECT_EQ(rtl::Format("%n", {1234567.891}, fs), "1,234,567.89");
    EXPECT_EQ(rtl::Format("%.0n", {1234567.0}, fs), "1,234,567");
    EXPECT_EQ(rtl::Format("%m", {-1234.5}, fs), "-$1,234.50");
    EXPECT_EQ(rtl::Format("%.2f", {123456789012345678.0}, fs), "1.23456789012346E+017");
    rtl::TFormatSettings comma = fs;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    EXPECT_EQ(rtl::Format("%.1f;%n", {2.25, 1234.5}, comma), "2,3;1.234,50");
}

TEST(Format, StringsWidthsAndJustification) {
    const auto fs = PointSettings();
    std::string name = "búza";
    EXPECT_EQ(rtl::Format("[%s]", {name}, fs), "[búza]");
    EXPECT_EQ(rtl::Format("[%6s]", {name}, fs), "[  búza]");   // width in characters
    EXPECT_EQ(rtl::Format("[%-6s]", {name}, fs), "[búza  ]");
    EXPECT_EQ(rtl::Format("[%.2s]", {name}, fs), "[bú]");
    EXPECT_EQ(rtl::Format("[%2s]", {name}, fs), "[búza]");
    EXPECT_EQ(rtl::Format("[%5d]", {42}, fs), "[   42]");
    EXPECT_EQ(rtl::Format("[%-5d]", {42}, fs), "[42   ]");
    EXPECT_EQ(rtl::Format("[%8.2f]", {3.14159}, fs), "[    3.14]");
    EXPECT_EQ(rtl::Format("%s", {'x'}, fs), "x");
    EXPECT_EQ(rtl::Format("%s-%s", {std::string_view("a"), std::string("b")}, fs), "a-b");
    EXPECT_EQ(rtl::Format("100%%", {}, fs), "100%");
    EXPECT_EQ(rtl::Format("no specifiers", {}, fs), "no specifiers");
}

TEST(Format, StarWidthAndPrecisionAndArgumentIndex) {
    const auto fs = PointSettings();
    EXPECT_EQ(rtl::Format("[%*d]", {5, 42}, fs), "[   42]");
    EXPECT_EQ(rtl::Format("[%-*d]", {4, 7}, fs), "[7   ]");
    EXPECT_EQ(rtl::Format("%.*f", {3, 2.0}, fs), "2.000");
    EXPECT_EQ(rtl::Format("%*.*f", {7, 1, 2.25}, fs), "    2.3");
    EXPECT_EQ(rtl::Format("%1:s %0:s", {"world", "hello"}, fs), "hello world");
    EXPECT_EQ(rtl::Format("%0:s %0:s %s", {"a", "b"}, fs), "a a b");
    EXPECT_EQ(rtl::Format("%1:-5d|", {0, 9}, fs), "9    |");
    EXPECT_EQ(rtl::Format("(%d of %d)", {2, 5}, fs), "(2 of 5)");
    EXPECT_EQ(rtl::Format("%p", {static_cast<const void*>(nullptr)}, fs), "0000000000000000");
}

TEST(Format, MismatchedArgumentsRaiseConvertError) {
    const auto fs = PointSettings();
    const char* expectedTail = "' invalid or incompatible with argument";
    struct Bad {
        const char* format;
        rtl::TVarRec arg;
    };
    const Bad cases[] = {{"%d", rtl::TVarRec(1.5)}, {"%f", rtl::TVarRec(1)}, {"%s", rtl::TVarRec(3)},
                         {"%d", rtl::TVarRec("x")}, {"%x", rtl::TVarRec(2.0)}, {"%d", rtl::TVarRec(true)},
                         {"%k", rtl::TVarRec(1)},   {"%5", rtl::TVarRec(1)},  {"%", rtl::TVarRec(1)},
                         {"%*d", rtl::TVarRec("w")}};
    for (const Bad& b : cases) {
        try {
            rtl::FormatArgs(b.format, &b.arg, 1, fs);
            ADD_FAILURE() << "accepted " << b.format;
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("Format '") + b.format + expectedTail);
        }
    }
    try {
        rtl::Format("%d and %d", {1}, fs);
        ADD_FAILURE();
    } catch (const rtl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "No argument for format '%d and %d'");
    }
}

TEST(Format, ShortFormUsesGlobalSettings) {
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(rtl::Format("%.2f", {1.5}), "1,50");
    rtl::FormatSettings = saved;
}

}  // namespace
