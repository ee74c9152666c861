// Tests of the batch tools' shared conventions: the read-then-test loop, strict ids, id tables, sequential joins.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/BatchTableReading.h"
#include "app/IdTable.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using namespace batchfixtures;
using app::TBatchTable;
using app::TTablePlace;

struct TReadCase {
    const char* Name;
    std::string Bytes;
    std::vector<std::string> Rows;
};

std::vector<std::string> DataRows(const fs::path& file)
{
    TBatchTable table(file.string());
    table.Open();
    table.ReadHeader();
    std::vector<std::string> rows;
    table.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        rows.push_back(std::to_string(place.Line) + ":" + line);
    });
    return rows;
}

TEST(BatchTableReading, DataLoopReadsThenTestsForTheEnd)
{
    const std::vector<TReadCase> cases = {
        {"header only", "h\r\n", {"2:"}},
        {"header without line break", "h", {"2:"}},
        {"empty file", "", {"2:"}},
        {"two rows", "h\r\na\r\nb\r\n", {"2:a", "3:b"}},
        {"last row without line break", "h\r\na\r\nb", {"2:a", "3:b"}},
        {"empty row kept", "h\r\na\r\n\r\nb\r\n", {"2:a", "3:", "4:b"}},
    };
    for (const TReadCase& c : cases) {
        testsupport::TempDir dir;
        testsupport::WriteFileBytes(dir.Path() / "t.csv", c.Bytes);
        EXPECT_EQ(DataRows(dir.Path() / "t.csv"), c.Rows) << c.Name;
    }
}

TEST(BatchTableReading, ReadingPastTheEndGivesEmptyLines)
{
    testsupport::TempDir dir;
    WriteTable(dir.Path() / "t.csv", {"h", "a"});
    TBatchTable table(dir.File("t.csv"));
    table.Open();
    std::string line;
    EXPECT_TRUE(table.ReadLine(line));
    EXPECT_TRUE(table.ReadLine(line));
    EXPECT_EQ(line, "a");
    EXPECT_TRUE(table.AtEnd());
    line = "x";
    EXPECT_FALSE(table.ReadLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(table.ReadLine(line));
    EXPECT_EQ(table.Place().Line, 4);
}

TEST(BatchTableReading, MissingTableIsAnInputOutputErrorNamingIt)
{
    testsupport::TempDir dir;
    TBatchTable table(dir.File("nothere.csv"));
    try {
        table.Open();
        FAIL() << "no error";
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find("nothere.csv"), std::string::npos) << e.what();
    }
}

TEST(BatchTableReading, StrictIdsNameFileLineAndValue)
{
    const std::string file = "e:\\x\\ids.csv";
    const TTablePlace place{&file, 7};
    EXPECT_EQ(app::ReadStrictInt("42", place, 1, 100, "id"), 42);
    struct TBad {
        const char* Text;
        const char* Value;
    };
    for (const TBad& bad : {TBad{"4.5", "'4.5'"}, TBad{"", "''"}, TBad{"12a", "'12a'"}, TBad{"101", "101"},
                            TBad{"0", "0"}, TBad{"-3", "-3"}}) {
        try {
            app::ReadStrictInt(bad.Text, place, 1, 100, "id");
            ADD_FAILURE() << bad.Text << " accepted";
        } catch (const rtl::EConvertError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(bad.Value), std::string::npos) << message;
            // The file as this system shows paths, not as the design writes it.
            EXPECT_NE(message.find("file \"drives/e/x/ids.csv\", line 7"), std::string::npos) << message;
        }
    }
}

// The fast number reading gives exactly ParseDecimal's double in both locales.
TEST(BatchTableReading, FastNumberReadingMatchesParseDecimal)
{
    const char* texts[] = {"0",     "12.5",   "12,5",  "-0.35",  "+7",         "1.",      ".5",
                           "",      "abc",    "1,2.3", "1e3",    "30.2 ",      "-0",      "0.1",
                           "0.3",   "123456789012345", "1234567890123456.5", "2.675", "4,4e-1", "- 1"};
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        for (const char* text : texts) {
            const double expected = app::ParseDecimal(text);
            const double fast = app::ParseDecimalFast(text);
            EXPECT_EQ(std::signbit(fast), std::signbit(expected)) << text;
            EXPECT_EQ(fast, expected) << "'" << text << "' with separator " << separator;
        }
    }
}

// The fast fixed-point text gives FloatToStrF's text: ties of the exact
// decimal value (0.125, 2.675 is below its tie), values that round to zero
// with or without their sign, the edge of the precision, both separators.
TEST(BatchTableReading, FixedTextMatchesFloatToStrF)
{
    const double values[] = {0,       -0.0,     0.125,   2.675,    0.005,     -0.004,  -0.005,  26.5,
                             13.67,   999.995,  999.994, 1000.0,   12345.678, 1e-300,  -1e300,  0.3 * 100,
                             123456,  99999.5,  9999.95, 0.015,    1.005,     -12.345, 5.5,     0.49999999999999994};
    const int formats[][2] = {{5, 2}, {4, 2}, {5, 0}, {3, 1}, {4, 3}, {15, 4}, {2, 4}};
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        for (const auto& format : formats) {
            for (double value : values) {
                EXPECT_EQ(app::FixedText(value, format[0], format[1]),
                          rtl::FloatToStrF(value, rtl::ffFixed, format[0], format[1]))
                    << value << " " << format[0] << "/" << format[1];
            }
            for (int i = 0; i < 20000; ++i) {
                const double value = (i * 7919 % 200003 - 100000) / 997.0 + i * 1e-7;
                ASSERT_EQ(app::FixedText(value, format[0], format[1]),
                          rtl::FloatToStrF(value, rtl::ffFixed, format[0], format[1]))
                    << value << " " << format[0] << "/" << format[1];
            }
        }
    }
}

// The sign test of the check agrees with ParseDecimal on every kind of text.
TEST(BatchTableReading, NonPositiveTestMatchesParseDecimal)
{
    const char* texts[] = {"0", "0.0", "0,000", "-0", "-0.5", "+0", "0.001", "12", "-", "", "abc", "1,2.3", "1e-3",
                           "-1e-3", " 5", "5 ", "0.0000000000000000000000000000000000000001", "00", "+3,5"};
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        for (const char* text : texts)
            EXPECT_EQ(app::ReadsAsNonPositive(text), app::ParseDecimal(text) <= 0) << "'" << text << "'";
    }
}

TEST(BatchTableReading, FieldViewsSplitAsSplitFields)
{
    // Short lines, lines read eight bytes at a time with separators on and
    // across word boundaries, and long lines with a blank late in them.
    const char* lines[] = {"a;;b ", "  x", "", ";", "1; 2;  3;", "  a ; b", "12345678;abcdefgh;", "1234567;",
                           "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16", "abcdefghijklmnop", ";;;;;;;;;;;;;;;;;",
                           "a;b;c;d;e;f;g;h; x;y", "aaaaaaaa;bbbbbbbbbbbbbbbb;cccccccc ", "a\tbb\tccccccccc\t;d e\t"};
    app::TFieldViews views;
    for (const char separator : {';', '\t'}) {
        for (const char* line : lines) {
            app::SplitFields(line, separator);
            views.Split(line, separator);
            ASSERT_EQ(views.Count(), app::SharedFields.Count) << line;
            for (int k = 1; k <= views.Count(); ++k) EXPECT_EQ(views[k], app::SharedFields[k]) << line << " field " << k;
            EXPECT_EQ(views[views.Count() + 1], "");
        }
    }
}

TEST(IdTable, EntriesComeOutInIdOrderCutTo70Characters)
{
    app::TIdTable table(20);
    table.Set(17, "seventeen");
    table.Set(3, "three");
    table.Set(20, std::string(80, 'x'));
    // 75 two-byte letters: cut after 70 characters, not after 70 bytes.
    std::string accented;
    for (int i = 0; i < 75; ++i) accented += "ő";
    table.Set(5, accented);
    table.Set(3, "three again");
    table.Set(9, "");

    std::vector<std::pair<int, std::string>> entries;
    table.ForEachFilled([&](int id, std::string_view text) { entries.emplace_back(id, std::string(text)); });
    std::string accented70;
    for (int i = 0; i < 70; ++i) accented70 += "ő";
    const std::vector<std::pair<int, std::string>> expected = {
        {3, "three again"}, {5, accented70}, {17, "seventeen"}, {20, std::string(70, 'x')}};
    EXPECT_EQ(entries, expected);
    EXPECT_TRUE(table.Empty(9));
    EXPECT_TRUE(table.Valid(20));
    EXPECT_FALSE(table.Valid(21));
    EXPECT_FALSE(table.Valid(0));
}

// A join whose other table runs out ends with an error naming the key and the
// file; until then, rows before the key are passed over.
TEST(SequentialJoin, RunsOutWithAnErrorNamingTheIdAndTheFile)
{
    testsupport::TempDir dir;
    WriteTable(dir.Path() / "other.csv", {"h", "1;a", "3;c", "4;d"});
    for (auto compare : {app::TSequentialJoin::kcText, app::TSequentialJoin::kcInteger}) {
        TBatchTable other(dir.File("other.csv"));
        other.Open();
        other.ReadHeader();
        app::TSequentialJoin join(other, compare);
        auto seek = [&](int id) {
            return compare == app::TSequentialJoin::kcText ? join.Seek(std::to_string(id)) : join.SeekId(id);
        };
        EXPECT_EQ(seek(1), "1;a");
        EXPECT_EQ(seek(4), "4;d");
        try {
            seek(5);
            ADD_FAILURE() << "no error";
        } catch (const rtl::Exception& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("id 5 "), std::string::npos) << message;
            EXPECT_NE(message.find("other.csv"), std::string::npos) << message;
        }
    }
}

TEST(SequentialJoin, AnEmptyKeyMatchesTheEmptyLineReadAtTheEnd)
{
    testsupport::TempDir dir;
    WriteTable(dir.Path() / "other.csv", {"h"});
    TBatchTable other(dir.File("other.csv"));
    other.Open();
    other.ReadHeader();
    app::TSequentialJoin join(other, app::TSequentialJoin::kcText);
    EXPECT_EQ(join.Seek(""), "");
}

}  // namespace
