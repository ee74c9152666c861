// Tests of the string grid's CSV export and import.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

using grid::TExtStringGrid;

std::string Expected(const std::string& name)
{
    return testsupport::ReadFileBytes(testsupport::TestDataDir() / "grid" / "textfiles" / name);
}

class CsvTest : public gridtest::GridInAppTest {
protected:
    // Writes the text (UTF-8 here) as a code-page file and loads it.
    void Load(const std::string& text, int MaxRows = 0, int IgnoreRows = 0)
    {
        testsupport::WriteFileBytes(Dir.File("in.csv"), rtl::Utf8ToWin1250(text));
        Grid->LoadFromCSV(Dir.File("in.csv"), MaxRows, IgnoreRows);
    }
    // Plain, empty, quoted, delimiter and two-line texts over a 4 × 2 grid.
    void FillSample()
    {
        Grid->SetColCount(4);
        Grid->SetRowCount(2);
        const char* texts[2][4] = {{"plain", "", "say \"hi\"", "a,b"}, {"two\r\nlines", "1.5", "x", "endő"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c) Grid->SetCells(c, r, texts[r][c]);
    }
    testsupport::TempDir Dir;
};

TEST_F(CsvTest, WritesDoubledQuotesQuotedDelimitersEmptyPairsAndMarkedLineBreaksAndReadsThemBack)
{
    FillSample();
    Grid->SaveToCSV(Dir.File("out.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("out.csv")), Expected("quoted.csv"));

    TExtStringGrid g(nullptr);
    g.SetColCount(1);
    g.LoadFromCSV(Dir.File("out.csv"));
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.RowCount(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(g.Cells(c, r), Grid->Cells(c, r)) << c << "," << r;
}

TEST_F(CsvTest, JavaModeMarksLineBreaksWithTildeAndEmptyFieldsWithCaret)
{
    FillSample();
    Grid->SetJavaCSV(true);
    Grid->SaveToCSV(Dir.File("java.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("java.csv")),
              rtl::Utf8ToWin1250("plain,^,\"say \"\"hi\"\"\",\"a,b\"\r\ntwo~lines,1.5,x,endő\r\n"));

    TExtStringGrid g(nullptr);
    g.SetJavaCSV(true);
    g.SetDelimiter(";");
    testsupport::WriteFileBytes(Dir.File("j.csv"), "^;two~lines\r\n");
    g.LoadFromCSV(Dir.File("j.csv"));
    EXPECT_EQ(g.Cells(0, 0), "");
    EXPECT_EQ(g.Cells(1, 0), "two\r\nlines");
}

TEST_F(CsvTest, MultilineCellsAreQuotedWithTheirLineBreaks)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "a\r\nb");
    Grid->SetCells(1, 0, "c");
    Grid->SetMultilinecells(true);
    Grid->SaveToCSV(Dir.File("m.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("m.csv")), "\"a\r\nb\",c\r\n");
}

TEST_F(CsvTest, DelimiterIsDetectedFromTheFirstTwoLines)
{
    struct Case {
        const char* text;
        int col;
        int row;
        const char* cell;
    };
    const Case cases[] = {
        {"a;b;c\r\n1;2;3\r\n", 2, 1, "3"},
        {"a,b;c\r\n1,2;3\r\n", 1, 0, "b;c"},          // equal counts: the earlier candidate wins
        {"a|b|c\r\n", 2, 0, "c"},                     // one line: only the third pass finds it
        {"\"q,r\";s\r\n\"t,u\";v\r\n", 0, 1, "t,u"},  // commas inside quotes do not count
        {"abc,\r\ndef\r\n", 0, 1, "def"},
        {"abc\r\ndef\r\n", 0, 1, "def"},              // no candidate: one field per line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Grid->SetColCount(2);
        Load(c.text);
        EXPECT_EQ(Grid->Cells(c.col, c.row), c.cell);
        EXPECT_EQ(Grid->Delimiter(), "");
    }
}

TEST_F(CsvTest, FieldsAreUnquotedTrimmedAndCutAtTheClosingQuote)
{
    Load("\"he said \"\"hi\"\"\",\"a,b\",  lead, \"last\"\r\n\"x\"junk,\"\"\"\"\r\n");
    EXPECT_EQ(Grid->Cells(0, 0), "he said \"hi\"");
    EXPECT_EQ(Grid->Cells(1, 0), "a,b");
    EXPECT_EQ(Grid->Cells(2, 0), "lead");
    EXPECT_EQ(Grid->Cells(3, 0), "last");
    EXPECT_EQ(Grid->Cells(0, 1), "x");
    EXPECT_EQ(Grid->Cells(1, 1), "\"");

    Grid->SetCSVTrimSpaces(false);
    Load("  a,  b\r\n");
    EXPECT_EQ(Grid->Cells(0, 0), "  a");
    EXPECT_EQ(Grid->Cells(1, 0), "  b");  // the last field keeps its leading blanks too
}

TEST_F(CsvTest, QuotedFieldSpanningLinesIsJoinedWhileALineFollowsIt)
{
    Load("1,\"two\r\nlines\",3\r\n4,5,6\r\n7,8,9\r\n");
    EXPECT_EQ(Grid->Cells(1, 0), "two\r\nlines");
    EXPECT_EQ(Grid->Cells(2, 2), "9");
    EXPECT_EQ(Grid->RowCount(), 3);

    // The quoted field may end on the file's last line.
    Load("1,2\r\n3,\"last\r\nrow\"\r\n");
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "last\r\nrow");

    // An unterminated quote takes the rest of the file, as other CSV readers do.
    Load("1,\"open\r\n4,5,6\r\n");
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->Cells(0, 0), "1");

    Grid->SetCSVMultilineCellImport(false);
    Load("1,\"two\r\nlines\",3\r\n4,5,6\r\n7,8,9\r\n");
    EXPECT_EQ(Grid->RowCount(), 4);
}

TEST_F(CsvTest, ManyLinesEndWithExactlyTheRowsReadPlusTheFixedFooters)
{
    std::string text;
    for (int i = 0; i < 2500; ++i) text += std::to_string(i) + ",v" + std::to_string(i) + "\r\n";
    Grid->SetFixedFooters(1);
    Load(text);
    EXPECT_EQ(Grid->RowCount(), 2501);
    EXPECT_EQ(Grid->Cells(0, 2499), "2499");
    EXPECT_EQ(Grid->Cells(1, 1000), "v1000");
    EXPECT_EQ(Grid->MaxRowCount(), 2501);
}

TEST_F(CsvTest, IgnoredRowsGoFirstThenTheFirstRowIsSkippedAndMaxRowsLimits)
{
    const std::string text = "i1\r\ni2\r\nhead\r\nd1\r\nd2\r\nd3\r\n";
    Grid->SetLoadFirstRow(false);
    Load(text, 0, 2);
    EXPECT_EQ(Grid->Cells(0, 0), "d1");
    EXPECT_EQ(Grid->Cells(0, 2), "d3");
    EXPECT_EQ(Grid->RowCount(), 3);

    Load(text, 1, 2);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->Cells(0, 0), "d1");

    Grid->SetLoadFirstRow(true);
    Load(text, 0, 6);  // as many ignored rows as lines: nothing is ignored
    EXPECT_EQ(Grid->Cells(0, 0), "i1");
}

TEST_F(CsvTest, EmptyAndMissingInputLeaveTheGridAsItWas)
{
    Grid->SetCells(1, 1, "keep");
    testsupport::WriteFileBytes(Dir.File("empty.csv"), "");
    Grid->LoadFromCSV(Dir.File("empty.csv"));
    EXPECT_EQ(Grid->Cells(1, 1), "keep");
    EXPECT_EQ(Grid->RowCount(), 10);

    rtl::TMemoryStream none;
    try {
        Grid->LoadFromCSVStream(none);
        ADD_FAILURE() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_EQ(Grid->Cells(1, 1), "keep");

    const std::string missing = Dir.File("missing.csv");
    try {
        Grid->LoadFromCSV(missing);
        ADD_FAILURE() << "no error";
    } catch (const rtl::EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    EXPECT_EQ(Grid->Cells(1, 1), "keep");
}

TEST_F(CsvTest, InsertAppendsRowsAndAppendToCsvAddsLinesToTheFile)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 1, "old");
    testsupport::WriteFileBytes(Dir.File("more.csv"), "n1,x\r\nn2,y\r\n");
    Grid->InsertFromCSV(Dir.File("more.csv"));
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->Cells(0, 1), "old");
    EXPECT_EQ(Grid->Cells(0, 2), "n1");
    EXPECT_EQ(Grid->Cells(1, 3), "y");

    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "r");
    Grid->SetCells(1, 0, "s");
    Grid->AppendToCSV(Dir.File("more.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("more.csv")), "n1,x\r\nn2,y\r\nr,s\r\n");
}

TEST_F(CsvTest, InsertedRowsGoAboveAVisibleFloatingFooterRow)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(3);
    Grid->SetCells(0, 1, "data");
    Grid->FloatingFooter().SetVisible(true);
    const int before = Grid->RowCount();
    Grid->SetCells(1, before - 1, "sum");
    testsupport::WriteFileBytes(Dir.File("more.csv"), "n1,x\r\nn2,y\r\n");
    Grid->InsertFromCSV(Dir.File("more.csv"));
    EXPECT_EQ(Grid->RowCount(), before + 2);
    EXPECT_EQ(Grid->Cells(0, before - 1), "n1");
    EXPECT_EQ(Grid->Cells(1, before), "y");
    EXPECT_EQ(Grid->Cells(1, before + 1), "sum");
    EXPECT_EQ(Grid->Cells(0, 1), "data");
}

TEST_F(CsvTest, UnicodeFilesUseTheGridEncodingAndLoadInTheGivenEncoding)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "€ő");
    Grid->SaveToCSV(Dir.File("u8.csv"), true);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("u8.csv")), "\xEF\xBB\xBF€ő\r\n");

    const std::string utf16 = rtl::EncodeText("α;β\r\n", rtl::TTextEncoding::teUnicode).substr(2);
    testsupport::WriteFileBytes(Dir.File("u16.csv"), utf16);
    Grid->LoadFromCSV(Dir.File("u16.csv"), rtl::TTextEncoding::teUnicode);
    EXPECT_EQ(Grid->Cells(0, 0), "α");
    EXPECT_EQ(Grid->Cells(1, 0), "β");
}

// A file of several megabytes is written in pieces: in every encoding the bytes are those of
// the whole text encoded at once, with one byte-order mark, and every row reads back.
TEST_F(CsvTest, LargeFilesAreWrittenInPiecesWithTheSameBytesInEveryEncoding)
{
    const int rows = 60000;
    Grid->SetColCount(3);
    Grid->SetRowCount(rows);
    std::string expected;
    for (int r = 0; r < rows; ++r) {
        const std::string a = "ő" + std::to_string(r), b = "€", c = "x" + std::to_string(r * 7);
        Grid->SetGridCell(0, r, a);
        Grid->SetGridCell(1, r, b);
        Grid->SetGridCell(2, r, c);
        expected += a + "," + b + "," + c + "\r\n";
    }
    Grid->SetDelimiter(",");
    Grid->SaveToCSV(Dir.File("ansi.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("ansi.csv")), rtl::EncodeText(expected, rtl::TTextEncoding::teAnsi));
    for (auto encoding : {rtl::TTextEncoding::teUTF8, rtl::TTextEncoding::teUnicode}) {
        Grid->SetEncoding(encoding);
        Grid->SaveToCSV(Dir.File("wide.csv"), true);
        ASSERT_EQ(testsupport::ReadFileBytes(Dir.File("wide.csv")), rtl::EncodeText(expected, encoding));
    }
    TExtStringGrid g(nullptr);
    g.SetDelimiter(",");
    g.LoadFromCSV(Dir.File("ansi.csv"));
    ASSERT_EQ(g.RowCount(), rows);
    for (int r = 0; r < rows; r += 997)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(g.Cells(c, r), Grid->Cells(c, r)) << c << "," << r;
    EXPECT_EQ(g.Cells(2, rows - 1), "x" + std::to_string((rows - 1) * 7));
}

// The save text every writer uses: merged members, empty check boxes, HTML and the hook.
TEST_F(CsvTest, SaveTextFollowsMergeCheckBoxHtmlAndHookRules)
{
    Grid->SetColCount(6);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "base");
    Grid->MergeCells(0, 0, 2, 1);
    Grid->AddCheckBox(2, 0, true, false);
    Grid->AddCheckBox(3, 0, ui::cbGrayed);
    ASSERT_EQ(Grid->GetGridCell(2, 0), "");  // the check text comes from the state, not the cell
    Grid->SetCells(4, 0, "<b>bold</b>");
    Grid->SetCells(5, 0, "raw");
    Grid->OnSaveCell = [](grid::TSender, int ACol, int, std::string& Value) {
        if (ACol == 5) Value = "hooked";
    };
    Grid->SaveToCSV(Dir.File("s1.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("s1.csv")), "base,base,Y,N,<b>bold</b>,hooked\r\n");

    Grid->SetSaveMergedCells(false);
    Grid->SetSaveWithHTML(false);
    Grid->SaveToCSV(Dir.File("s2.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("s2.csv")), "base,\"\",Y,N,bold,hooked\r\n");
}

TEST_F(CsvTest, HiddenColumnsAreWrittenAtTheirRealPositionOnlyWithSaveHiddenCells)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "a");
    Grid->SetCells(1, 0, "b");
    Grid->SetCells(2, 0, "c");
    Grid->HideColumn(1);
    Grid->SaveToCSV(Dir.File("shown.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("shown.csv")), "a,c\r\n");
    Grid->SetSaveHiddenCells(true);
    Grid->SaveToCSV(Dir.File("all.csv"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("all.csv")), "a,b,c\r\n");
}

}  // namespace
