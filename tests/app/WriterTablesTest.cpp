// Tests of the writers' table reading (end of data, line numbers) and of the checks of names taken from rows.
#include "app/WriterTables.h"

#include "tests/app/WriterTestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using testsupport::TempDir;
using testsupport::WriteFileBytes;
using writertest::MessageOf;

// Blank lines between rows stay rows (tables joined by position keep their
// alignment); blank lines at the end are not rows, so no writer takes a row
// from past the end of its data.
TEST(WriterTables, RowsEndWithTheDataAndKeepBlankRowsBetweenThem)
{
    TempDir dir;
    WriteFileBytes(dir.Path() / "t.csv", "header\r\na;1\r\n\r\n  \r\nb;2\r\n\r\n \r\n\r\n");
    const auto rows = ReadTableRows((dir.Path() / "t.csv").string());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].Text, "a;1");
    EXPECT_EQ(rows[0].Line, 2);
    EXPECT_EQ(rows[1].Text, "");
    EXPECT_EQ(rows[1].Line, 3);
    EXPECT_EQ(rows[2].Line, 4);
    EXPECT_EQ(rows[3].Text, "b;2");
    EXPECT_EQ(rows[3].Line, 5);

    EXPECT_EQ(ReadTableRows((dir.Path() / "t.csv").string(), 1, 2).size(), 2u);
    WriteFileBytes(dir.Path() / "h.csv", "header only\r\n\r\n");
    EXPECT_TRUE(ReadTableRows((dir.Path() / "h.csv").string()).empty());
    WriteFileBytes(dir.Path() / "e.csv", "");
    EXPECT_TRUE(ReadTableRows((dir.Path() / "e.csv").string()).empty());
}

TEST(WriterTables, NamesFromRowsMustStayInsideTheTargetFolder)
{
    for (const char* good : {"run5", "4711", "Kiskőrös_5", "a.b", "ret es legelo", "a-b_c"})
        EXPECT_NO_THROW(CheckNameFromRow(good, "run name", "list.csv", 4)) << good;
    for (const char* bad : {"", "..", "../x", "a/b", "a\\b", "x..", "a\tb", "a\rb", "a\x7F"}) {
        const std::string message = MessageOf([&] { CheckNameFromRow(bad, "run name", "list.csv", 4); });
        EXPECT_EQ(message.rfind("\"list.csv\" line 4: run name", 0), 0u) << message;
    }
}

TEST(WriterTables, CellNumbersAreIntegersFromOneTo1104)
{
    EXPECT_EQ(CellNumberFromRow("1", "t.csv", 2), 1);
    EXPECT_EQ(CellNumberFromRow("1104", "t.csv", 2), 1104);
    EXPECT_EQ(MessageOf<rtl::EConvertError>([] { CellNumberFromRow("12a", "t.csv", 2); }),
              "\"t.csv\" line 2: '12a' is not a valid integer value");
    EXPECT_EQ(MessageOf([] { CellNumberFromRow("1105", "t.csv", 9); }),
              "\"t.csv\" line 9: cell number '1105' is outside the 10 km cells 1 to 1104");
    EXPECT_NE(MessageOf([] { CellNumberFromRow("-3", "t.csv", 9); }).find("outside"), std::string::npos);
}

// A row the field splitter cannot hold is reported with its file, shown with
// this system's separators, its line and its beginning; a row of exactly 1000
// fields is split.
TEST(WriterTables, ARowOfMoreThan1000FieldsNamesFileLineAndRow)
{
    const std::string thousand = "first" + std::string(999, ';');
    EXPECT_NO_THROW(SplitTableRow(thousand, ';', "t.csv", 3));
    const std::string message = MessageOf<rtl::EListError>(
        [&] { SplitTableRow(thousand + ";", ';', "e:\\Tolvek SOIL GRID\\grid.csv", 7); });
    EXPECT_EQ(message, "\"drives/e/Tolvek SOIL GRID/grid.csv\" line 7: more than 1000 fields in 'first" +
                           std::string(55, ';') + "...'");
}

}  // namespace
