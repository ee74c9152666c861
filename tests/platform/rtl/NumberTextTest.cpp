// Tests of number text: FloatToStrF, FloatToStr, FormatFloat, integer text, parsing, rounding.
#include "platform/rtl/NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace {

using rtl::ffCurrency;
using rtl::ffExponent;
using rtl::ffFixed;
using rtl::ffGeneral;
using rtl::ffNumber;

rtl::TFormatSettings PointSettings() {
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    return fs;
}

rtl::TFormatSettings CommaSettings() {
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
    return fs;
}

struct FloatCase {
    double value;
    rtl::TFloatFormat format;
    int precision;
    int digits;
    const char* expected;
};

TEST(FloatToStrF, TableWithPointSeparator) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<FloatCase> cases = {
        // Fixed: p significant digits, then padded with zeros to d decimals.
        {212.345, ffFixed, 4, 2, "212.30"},
        {130, ffFixed, 4, 2, "130.00"},
        {0.000123456, ffFixed, 4, 8, "0.00012350"},
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {99.996, ffFixed, 4, 2, "100.00"},
        {9.996, ffFixed, 15, 2, "10.00"},
        {-1.5, ffFixed, 15, 1, "-1.5"},
        {7, ffFixed, 15, 0, "7"},
        {0, ffFixed, 15, 2, "0.00"},
        {-0.0, ffFixed, 15, 2, "0.00"},
        // Half away from zero on the exact value of the double.
        {0.125, ffFixed, 15, 2, "0.13"},
        {-0.125, ffFixed, 15, 2, "-0.13"},
        {0.375, ffFixed, 15, 2, "0.38"},
        {2.5, ffFixed, 15, 0, "3"},
        {-2.5, ffFixed, 15, 0, "-3"},
        {0.5, ffFixed, 15, 0, "1"},
        {1.5e20, ffGeneral, 1, 0, "2E20"},  // integer tie far beyond 2^53
        {2.675, ffFixed, 15, 2, "2.67"},    // 2.67499999999999982236431605997495353221893310546875
        {1.005, ffFixed, 15, 2, "1.00"},
        {2.345, ffFixed, 15, 2, "2.35"},    // 2.34500000000000019539925233402755111455917358398438
        {3.015, ffFixed, 15, 2, "3.02"},
        {4.35, ffFixed, 15, 1, "4.3"},
        {4.45, ffFixed, 15, 1, "4.5"},
        {0.045, ffFixed, 15, 2, "0.04"},
        {-1.555, ffFixed, 15, 2, "-1.55"},
        // A value that rounds to zero keeps no minus sign.
        {-0.004, ffFixed, 15, 2, "0.00"},
        {-0.0004, ffFixed, 15, 2, "0.00"},
        {-0.005, ffFixed, 15, 2, "-0.01"},  // the double is slightly above 0.005
        {0.0049, ffFixed, 15, 2, "0.00"},
        // Integer part longer than the precision: exponent form, 3 exponent digits.
        {123456, ffFixed, 4, 2, "1.235E+005"},
        {-123456, ffFixed, 4, 2, "-1.235E+005"},
        {9999.7, ffFixed, 4, 1, "1.000E+004"},
        {1e20, ffFixed, 15, 2, "1.00000000000000E+020"},
        {1234, ffFixed, 4, 2, "1234.00"},
        // Precision is capped at 15 significant digits.
        {0.1, ffFixed, 20, 18, "0.100000000000000000"},
        {1.0 / 3.0, ffFixed, 18, 17, "0.33333333333333300"},
        {123456789012.345678, ffFixed, 15, 4, "123456789012.3460"},
        // Number: thousand separators.
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-1234.5, ffNumber, 15, 0, "-1,235"},
        {999.5, ffNumber, 15, 0, "1,000"},
        {12, ffNumber, 15, 2, "12.00"},
        // Exponent: precision digits, sign, at least `digits` exponent digits.
        {1234.5678, ffExponent, 5, 3, "1.2346E+003"},
        {-1234.5678, ffExponent, 5, 3, "-1.2346E+003"},
        {0.00012345, ffExponent, 3, 2, "1.23E-04"},
        {1, ffExponent, 1, 0, "1E+0"},
        {1, ffExponent, 4, 9, "1.000E+0000"},
        {0, ffExponent, 5, 3, "0.0000E+000"},
        {9.99999, ffExponent, 3, 1, "1.00E+1"},
        // General: fixed unless the exponent exceeds the precision or is below -3.
        {0.1, ffGeneral, 15, 0, "0.1"},
        {100, ffGeneral, 15, 0, "100"},
        {-1.25, ffGeneral, 15, 0, "-1.25"},
        {1e20, ffGeneral, 15, 0, "1E20"},
        {1.5e-7, ffGeneral, 15, 0, "1.5E-7"},
        {0.0001, ffGeneral, 15, 0, "0.0001"},
        {0.00001, ffGeneral, 15, 0, "1E-5"},
        {1e15, ffGeneral, 15, 0, "1E15"},
        {999999999999999.0, ffGeneral, 15, 0, "999999999999999"},
        {12345.678, ffGeneral, 4, 0, "1.235E4"},
        {12345.678, ffGeneral, 4, 2, "1.235E04"},
        {2.0 / 3.0, ffGeneral, 15, 0, "0.666666666666667"},
        {0, ffGeneral, 15, 0, "0"},
        // Currency with the default "$" placement.
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "-$1,234.50"},
        // Special values.
        {nan, ffFixed, 15, 2, "NAN"},
        {inf, ffGeneral, 15, 0, "INF"},
        {-inf, ffFixed, 15, 2, "-INF"},
    };
    const rtl::TFormatSettings fs = PointSettings();
    for (const FloatCase& c : cases) {
        EXPECT_EQ(rtl::FloatToStrF(c.value, c.format, c.precision, c.digits, fs), c.expected)
            << "value " << c.value << " format " << c.format << " precision " << c.precision
            << " digits " << c.digits;
    }
}

TEST(FloatToStrF, CommaDecimalSeparatorAndDotThousands) {
    const rtl::TFormatSettings fs = CommaSettings();
    EXPECT_EQ(rtl::FloatToStrF(212.345, ffFixed, 4, 2, fs), "212,30");
    EXPECT_EQ(rtl::FloatToStrF(1234567.891, ffNumber, 15, 2, fs), "1.234.567,89");
    EXPECT_EQ(rtl::FloatToStrF(123456, ffFixed, 4, 2, fs), "1,235E+005");
    EXPECT_EQ(rtl::FloatToStrF(-0.5, ffGeneral, 15, 0, fs), "-0,5");
    EXPECT_EQ(rtl::FloatToStr(1.5e-7, fs), "1,5E-7");
}

TEST(FloatToStrF, CurrencyPlacementsFollowTheSettings) {
    rtl::TFormatSettings fs = PointSettings();
    fs.CurrencyString = "Ft";
    fs.CurrencyFormat = 3;
    fs.NegCurrFormat = 8;
    EXPECT_EQ(rtl::FloatToStrF(1500, ffCurrency, 15, 0, fs), "1,500 Ft");
    EXPECT_EQ(rtl::FloatToStrF(-1500, ffCurrency, 15, 0, fs), "-1,500 Ft");
    fs.NegCurrFormat = 0;
    EXPECT_EQ(rtl::FloatToStrF(-2, ffCurrency, 15, 2, fs), "(Ft2.00)");
    fs.NegCurrFormat = 15;
    EXPECT_EQ(rtl::FloatToStrF(-2, ffCurrency, 15, 2, fs), "(2.00 Ft)");
}

TEST(FloatToStrF, GlobalSettingsAreUsedByTheShortForms) {
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(rtl::FloatToStrF(2.5, ffFixed, 15, 1), "2,5");
    EXPECT_EQ(rtl::FloatToStr(0.25), "0,25");
    EXPECT_EQ(rtl::FormatFloat("0.0", 0.25), "0,3");
    EXPECT_DOUBLE_EQ(rtl::StrToFloat("2,5"), 2.5);
    rtl::FormatSettings.DecimalSeparator = '.';
    EXPECT_EQ(rtl::FloatToStrF(2.5, ffFixed, 15, 1), "2.5");
    EXPECT_DOUBLE_EQ(rtl::StrToFloat("2.5"), 2.5);
    rtl::FormatSettings = saved;
}

// Independent reference: the full exact expansion of the double (to_chars
// with enough digits is exact), rounded half away from zero by hand.
std::string ReferenceDigits(double a, int precision, int decimals, int& exponent) {
    char buf[1200];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 1100);
    std::string s(buf, res.ptr);
    std::size_t e = s.find('e');
    int exp10 = std::stoi(s.substr(e + 1));
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    exponent = exp10 + 1;
    long long k = std::min<long long>(precision, static_cast<long long>(exponent) + decimals);
    if (k < 0) return "";
    bool up = digits[static_cast<std::size_t>(k)] >= '5';
    std::string kept = digits.substr(0, static_cast<std::size_t>(k));
    if (up) {
        int i = static_cast<int>(k) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++exponent;
        }
    }
    while (!kept.empty() && kept.back() == '0') kept.pop_back();
    if (kept.empty()) exponent = 0;
    return kept;
}

TEST(FloatToDecimal, AgreesWithRoundingTheExactExpansion) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mant(0.0, 1.0);
    std::uniform_int_distribution<int> expo(-22, 22);
    std::uniform_int_distribution<int> prec(1, 15);
    std::uniform_int_distribution<int> dec(0, 25);
    std::vector<double> values;
    for (int i = 0; i < 40000; ++i) values.push_back(mant(rng) * std::pow(10.0, expo(rng)));
    // Short decimals, the usual content of the tables.
    for (int i = 0; i < 20000; ++i) values.push_back(static_cast<double>(rng() % 2000000) / 1000.0);
    // Exact ties at many positions: multiples of powers of two that end in 5.
    for (int i = 1; i < 4000; i += 2) values.push_back(i / 8.0);
    for (int i = 1; i < 4000; i += 2) values.push_back(i / 1024.0);
    for (int i = 1; i < 200; i += 2) values.push_back(i * 5e15);
    // Values whose 17-digit form reads "...5000" without being a tie.
    values.push_back(0.30000000000000004);
    values.push_back(std::nextafter(0.125, 0.0));
    values.push_back(std::nextafter(0.125, 1.0));
    values.push_back(9.9999999999999995e-3);
    values.push_back(std::numeric_limits<double>::denorm_min());
    values.push_back(std::numeric_limits<double>::max());
    for (double v : values) {
        for (int rep = 0; rep < 3; ++rep) {
            int p = prec(rng), d = (rep == 2) ? 9999 : dec(rng);
            int refExp = 0;
            std::string ref = ReferenceDigits(v, p, d, refExp);
            rtl::TFloatRec rec = rtl::FloatToDecimal(-v, p, d);
            ASSERT_EQ(rec.Digits, ref) << v << " p=" << p << " d=" << d;
            if (!ref.empty()) {
                ASSERT_EQ(rec.Exponent, refExp) << v << " p=" << p << " d=" << d;
                ASSERT_TRUE(rec.Negative);
            } else {
                ASSERT_FALSE(rec.Negative);
            }
        }
    }
}

struct PatternCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FormatFloat, PatternTable) {
    const std::vector<PatternCase> cases = {
        {"0.00", 3.14159, "3.14"},
        {"0.00", -2, "-2.00"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 2.675, "2.67"},
        {"0.00", -0.004, "0.00"},
        {"0.00", 1e20, "100000000000000000000.00"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.0", 0.25, "0.3"},
        {"0.0", 0.05, "0.1"},
        {"000", 7, "007"},
        {"00-00", 1234, "12-34"},
        {"00-00", 123456, "1234-56"},
        {"#", 0, ""},
        {"#.##", 0.5, ".5"},
        {".00", 12.5, "12.50"},
        {"0.##", 1, "1"},
        {"0.##", 1.5, "1.5"},
        {"#0.0#", 3, "3.0"},
        {"#0.0#", 3.14159, "3.14"},
        {"0.#0", 1.5, "1.50"},
        {"#,##0", 0, "0"},
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0", -1234567, "-1,234,567"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0.00", 999.999, "1,000.00"},
        {"0.00E+00", 1234.5, "1.23E+03"},
        {"0.00E-00", 1234.5, "1.23E03"},
        {"0.00E-00", 0.0012345, "1.23E-03"},
        {"0.00e+0", -0.0012345, "-1.23e-3"},
        {"00.0E+0", 1234.5, "12.3E+2"},
        {"0.###E+0", 1, "1E+0"},
        {"0.000E+00", 0, "0.000E+00"},
        {"\"$\"#,##0.00", -5, "-$5.00"},
        {"'x'0", 3, "x3"},
        {"0\" kg\"", 12.4, "12 kg"},
        {"0.0 %", 12.34, "12.3 %"},
        {"0\";\"0", 5, "0;5"},
        // Sections: positive; negative; zero.
        {"0.00;(0.00)", -2, "(2.00)"},
        {"0.00;(0.00)", 0, "0.00"},
        {"0.00;(0.00)", 2, "2.00"},
        {"0;-0;\"zero\"", 0, "zero"},
        {"0;-0;\"zero\"", 0.3, "zero"},
        {"0;-0;\"zero\"", -0.3, "zero"},
        {"0;-0;\"zero\"", -7, "-7"},
        {"0.00;;\"z\"", -0.001, "z"},
        {"0.00;;\"z\"", -1, "-1.00"},
        {"0.00;\"neg\"", -3, "neg"},
        // An empty pattern is FloatToStr.
        {"", 1.5, "1.5"},
        {"0.00", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"0.00", -std::numeric_limits<double>::infinity(), "-INF"},
    };
    const rtl::TFormatSettings fs = PointSettings();
    for (const PatternCase& c : cases)
        EXPECT_EQ(rtl::FormatFloat(c.format, c.value, fs), c.expected) << "pattern " << c.format << " value " << c.value;
}

TEST(FormatFloat, PlainPatternsAgreeWithFixedAndNumberLayouts) {
    const rtl::TFormatSettings fs = PointSettings();
    std::mt19937_64 rng(99);
    std::uniform_real_distribution<double> dist(-1e7, 1e7);
    std::uniform_int_distribution<int> scale(0, 9);
    for (int i = 0; i < 5000; ++i) {
        double v = dist(rng) / std::pow(10.0, scale(rng));
        ASSERT_EQ(rtl::FormatFloat("0.000", v, fs), rtl::FloatToStrF(v, ffFixed, 15, 3, fs)) << v;
        ASSERT_EQ(rtl::FormatFloat("#,##0.00", v, fs), rtl::FloatToStrF(v, ffNumber, 15, 2, fs)) << v;
        ASSERT_EQ(rtl::FormatFloat("0", v, fs), rtl::FloatToStrF(v, ffFixed, 15, 0, fs)) << v;
    }
}

TEST(FormatFloat, UsesTheSettingsSeparators) {
    const rtl::TFormatSettings fs = CommaSettings();
    EXPECT_EQ(rtl::FormatFloat("#,##0.00", 1234.5, fs), "1.234,50");
    EXPECT_EQ(rtl::FormatFloat("0.000", -0.0625, fs), "-0,063");
    rtl::TFormatSettings none = PointSettings();
    none.ThousandSeparator = '\0';
    EXPECT_EQ(rtl::FormatFloat("#,##0", 1234567, none), "1234567");
}

TEST(IntegerText, IntToStrAndIntToHex) {
    EXPECT_EQ(rtl::IntToStr(0), "0");
    EXPECT_EQ(rtl::IntToStr(-42), "-42");
    EXPECT_EQ(rtl::IntToStr(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(rtl::IntToStr(std::numeric_limits<unsigned long long>::max()), "18446744073709551615");
    EXPECT_EQ(rtl::IntToStr(std::size_t{1104}), "1104");
    EXPECT_EQ(rtl::IntToHex(255, 4), "00FF");
    EXPECT_EQ(rtl::IntToHex(0xABCDEF, 2), "ABCDEF");
    EXPECT_EQ(rtl::IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(rtl::IntToHex(-1LL, 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(rtl::IntToHex(0, 0), "0");
}

TEST(IntegerText, StrToIntAcceptsDecimalAndHexText) {
    EXPECT_EQ(rtl::StrToInt("42"), 42);
    EXPECT_EQ(rtl::StrToInt("  -17"), -17);
    EXPECT_EQ(rtl::StrToInt("+5"), 5);
    EXPECT_EQ(rtl::StrToInt("0012"), 12);
    EXPECT_EQ(rtl::StrToInt("$1F"), 31);
    EXPECT_EQ(rtl::StrToInt("0x1f"), 31);
    EXPECT_EQ(rtl::StrToInt("-$10"), -16);
    EXPECT_EQ(rtl::StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(rtl::StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(rtl::StrToInt("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(rtl::StrToInt64("9223372036854775807"), std::numeric_limits<long long>::max());
    EXPECT_EQ(rtl::StrToInt64("-9223372036854775808"), std::numeric_limits<long long>::min());
    EXPECT_EQ(rtl::StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(rtl::StrToInt64("4294967296"), 4294967296LL);
}

TEST(IntegerText, StrToIntRejectsWithTheClassMessage) {
    for (const char* bad : {"", " ", "12 ", "1.5", "abc", "2147483648", "-2147483649", "$", "0x", "$100000000",
                            "--1", "1e3", "12a"}) {
        try {
            rtl::StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(rtl::StrToInt64("9223372036854775808"), rtl::EConvertError);
    int v = 99;
    EXPECT_FALSE(rtl::TryStrToInt("x", v));
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(rtl::TryStrToInt("7", v));
    EXPECT_EQ(v, 7);
    EXPECT_EQ(rtl::StrToIntDef("7x", -1), -1);
    EXPECT_EQ(rtl::StrToInt64Def("123456789012", -1), 123456789012LL);
}

TEST(FloatParsing, StrToFloatAcceptsTheSettingsSeparatorBlanksAndExponent) {
    const rtl::TFormatSettings pt = PointSettings();
    const rtl::TFormatSettings cm = CommaSettings();
    EXPECT_EQ(rtl::StrToFloat("3.5", pt), 3.5);
    EXPECT_EQ(rtl::StrToFloat("3,5", cm), 3.5);
    EXPECT_EQ(rtl::StrToFloat("  -12.25  ", pt), -12.25);
    EXPECT_EQ(rtl::StrToFloat("+1", pt), 1.0);
    EXPECT_EQ(rtl::StrToFloat(".5", pt), 0.5);
    EXPECT_EQ(rtl::StrToFloat("5.", pt), 5.0);
    EXPECT_EQ(rtl::StrToFloat("1e3", pt), 1000.0);
    EXPECT_EQ(rtl::StrToFloat("1.5E-2", pt), 0.015);
    EXPECT_EQ(rtl::StrToFloat("2e+2", pt), 200.0);
    EXPECT_EQ(rtl::StrToFloat("0.1", pt), 0.1);
    EXPECT_EQ(rtl::StrToFloat("2.675", pt), 2.675);
    EXPECT_EQ(rtl::StrToFloat("1e-400", pt), 0.0);
    EXPECT_EQ(rtl::StrToFloat("0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                              "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                              "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                              "00000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
                              pt),
              0.0);
    EXPECT_EQ(rtl::StrToFloat("1.7976931348623157e308", pt), std::numeric_limits<double>::max());
}

TEST(FloatParsing, StrToFloatRejectsWithTheClassMessage) {
    const rtl::TFormatSettings pt = PointSettings();
    for (const char* bad : {"", " ", "abc", "1e", "1.2.3", "1,5", ".", "-", "+", "e5", "1e+", "1 000", "1,234.5",
                            "1e400", "-1e400", "INF", "NAN", "12kg", "0x10"}) {
        try {
            rtl::StrToFloat(bad, pt);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const rtl::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid floating point value");
        }
    }
    // With "," as the separator a "." is no decimal point.
    EXPECT_THROW(rtl::StrToFloat("3.5", CommaSettings()), rtl::EConvertError);
    double v = 42;
    EXPECT_FALSE(rtl::TryStrToFloat("x", v, pt));
    EXPECT_EQ(v, 42);
    EXPECT_EQ(rtl::StrToFloatDef("x", -999, pt), -999);
    EXPECT_EQ(rtl::StrToFloatDef("4.5", -999, pt), 4.5);
}

TEST(FloatParsing, TextRoundTripsThroughFloatToStr) {
    const rtl::TFormatSettings cm = CommaSettings();
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> dist(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        double v = dist(rng);
        std::string text = rtl::FloatToStr(v, cm);
        EXPECT_EQ(rtl::FloatToStr(rtl::StrToFloat(text, cm), cm), text);
    }
}

TEST(Rounding, RoundHalvesToEvenAndTruncTowardsZero) {
    const std::vector<std::pair<double, long long>> rounds = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999999, 2}, {2.5000001, 3}, {-7.6, -8}, {1e15 + 0.5, 1000000000000000LL}, {0, 0}};
    for (auto [v, r] : rounds) EXPECT_EQ(rtl::Round(v), r) << v;
    // n / 20 to the nearest integer, as the 95th-percentile rank uses it.
    EXPECT_EQ(rtl::Round(10 / 20.0), 0);
    EXPECT_EQ(rtl::Round(30 / 20.0), 2);
    EXPECT_EQ(rtl::Round(1104 / 20.0), 55);
    EXPECT_EQ(rtl::Trunc(2.9), 2);
    EXPECT_EQ(rtl::Trunc(-2.9), -2);
    EXPECT_EQ(rtl::Trunc(-0.1), 0);
    EXPECT_THROW(rtl::Round(1e19), rtl::EMathError);
    EXPECT_THROW(rtl::Trunc(std::numeric_limits<double>::quiet_NaN()), rtl::EMathError);
    EXPECT_THROW(rtl::Round(std::numeric_limits<double>::infinity()), rtl::EMathError);
    EXPECT_EQ(rtl::Trunc(-9223372036854775808.0), std::numeric_limits<long long>::min());
}

}  // namespace
