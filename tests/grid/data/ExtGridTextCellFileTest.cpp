// Tests of the string grid's text cell file and text cell stream.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridTypes.h"
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

// A 5 × 10 grid (one fixed row and column) with widths 50 + column and a few texts,
// fixed cells included.
void FillSample(TExtStringGrid& g)
{
    for (int c = 0; c < 5; ++c) g.SetColWidths(c, 50 + c);
    g.SetCells(0, 0, "hdr");
    g.SetCells(2, 0, "head");
    g.SetCells(1, 1, "a\r\nb");
    g.SetCells(2, 1, "x\ny");
    g.SetCells(3, 5, "mid");
    g.SetCells(4, 9, "ő°");
}

class TextCellFileTest : public gridtest::GridInAppTest {
protected:
    testsupport::TempDir Dir;
};

TEST_F(TextCellFileTest, WritesHeaderWidthsAndNonEmptyCellsOfTheSaveRangeWithEscapedLineBreaks)
{
    FillSample(*Grid);
    Grid->SetSaveFixedCells(false);
    Grid->SaveToFile(Dir.File("cells.txt"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("cells.txt")), Expected("cells_without_fixed.txt"));
}

TEST_F(TextCellFileTest, LoadingRestoresSizeWidthsAndTextsAddingTheUnsavedFixedCells)
{
    testsupport::WriteFileBytes(Dir.File("in.txt"), Expected("cells_without_fixed.txt"));
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetSaveFixedCells(false);
    g.SetMultilinecells(true);
    g.LoadFromFile(Dir.File("in.txt"));
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.ColWidths(3), 53);
    EXPECT_EQ(g.Cells(1, 1), "a\r\nb");
    EXPECT_EQ(g.Cells(2, 1), "x\ny");
    EXPECT_EQ(g.Cells(3, 5), "mid");
    EXPECT_EQ(g.Cells(4, 9), "ő°");

    g.SetMultilinecells(false);
    g.LoadFromFile(Dir.File("in.txt"));
    EXPECT_EQ(g.Cells(1, 1), "a");
}

// A lone LF written raw would end the file line and break the cell into a corrupt line.
TEST_F(TextCellFileTest, TextWithLoneLineFeedSurvivesARoundTrip)
{
    Grid->SetCells(1, 2, "one\ntwo");
    Grid->SaveToFile(Dir.File("lf.txt"));
    TExtStringGrid g(nullptr);
    g.SetMultilinecells(true);
    g.LoadFromFile(Dir.File("lf.txt"));
    EXPECT_EQ(g.Cells(1, 2), "one\ntwo");
}

TEST_F(TextCellFileTest, UnicodeFileIsUtf16WithByteOrderMarkAndReadsBack)
{
    Grid->SetCells(1, 1, "ű€");
    Grid->SaveToFile(Dir.File("u.txt"), true);
    const std::string bytes = testsupport::ReadFileBytes(Dir.File("u.txt"));
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE" "5\0", 4));
    TExtStringGrid g(nullptr);
    g.LoadFromFile(Dir.File("u.txt"));
    EXPECT_EQ(g.Cells(1, 1), "ű€");
}

TEST_F(TextCellFileTest, ProgressIsReportedOncePerChangedPercentage)
{
    Grid->SetRowCount(5);
    std::vector<int> seen;
    Grid->OnFileProgress = [&](grid::TSender, int p) { seen.push_back(p); };
    Grid->SaveToFile(Dir.File("p.txt"));
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
}

// Bad files name the file (and the line and value where one is at fault) and leave the grid as it was.
TEST_F(TextCellFileTest, BadFilesFailWithTheirNameAndLeaveTheGridUnchanged)
{
    Grid->SetCells(1, 1, "keep");
    struct Case {
        const char* content;
        const char* messagePart;
    };
    const Case cases[] = {
        {"0,4\r\n1,1,x\r\n", "File contains no data or corrupt file "},
        {"3,3\r\n1,1,fine\r\n1,x,bad\r\n", "line 3"},
        {"3,3\r\ncw 1;40\r\n", "\"cw 1;40\""},
        {"three,3\r\n", "line 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const std::string name = Dir.File("bad.txt");
        testsupport::WriteFileBytes(name, c.content);
        try {
            Grid->LoadFromFile(name);
            ADD_FAILURE() << "no error";
        } catch (const grid::VIdoZovuVozir& e) {
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_EQ(Grid->ColCount(), 5);
        EXPECT_EQ(Grid->RowCount(), 10);
        EXPECT_EQ(Grid->Cells(1, 1), "keep");
    }
    const std::string missing = Dir.File("missing.txt");
    try {
        Grid->LoadFromFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const rtl::EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
}

TEST_F(TextCellFileTest, CellLinesOutsideTheGridAreSkipped)
{
    testsupport::WriteFileBytes(Dir.File("out.txt"), "3,3\r\ncw 7,99\r\n5,1,far\r\n1,9,low\r\n2,2,in\r\n");
    Grid->LoadFromFile(Dir.File("out.txt"));
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->Cells(2, 2), "in");
    EXPECT_EQ(Grid->GetGridCell(5, 1), "");
}

// ----- text cell stream

std::string StreamBytes(rtl::TMemoryStream& s)
{
    return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size()));
}

std::string Utf16(const std::string& text)
{
    return rtl::EncodeText(text, rtl::TTextEncoding::teUnicode).substr(2);
}

TEST_F(TextCellFileTest, StreamHoldsUtf16LinesWithoutByteOrderMarkAndPositionsRelativeToTheSaveRange)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetColWidths(0, 20);
    Grid->SetColWidths(1, 30);
    Grid->SetColWidths(2, 40);
    Grid->SetCells(0, 0, "fixed");
    Grid->SetCells(1, 1, "p");
    Grid->SetCells(2, 2, "a\r\nb");
    Grid->SetSaveFixedCells(false);
    rtl::TMemoryStream s;
    Grid->SaveToStream(s);
    EXPECT_EQ(StreamBytes(s), Utf16("2,2\r\ncw 0,20\r\ncw 1,30\r\ncw 2,40\r\n0,0,p\r\n1,1,a\x09\x08" "b\r\n"));

    // Read back into a grid whose save range also starts at (1, 1), and one that starts at (0, 0).
    TExtStringGrid same(nullptr);
    same.SetSaveFixedCells(false);
    same.SetMultilinecells(true);
    s.SetPosition(0);
    same.LoadFromStream(s);
    EXPECT_EQ(same.ColCount(), 3);
    EXPECT_EQ(same.RowCount(), 3);
    EXPECT_EQ(same.ColWidths(2), 40);
    EXPECT_EQ(same.Cells(1, 1), "p");
    EXPECT_EQ(same.Cells(2, 2), "a\r\nb");

    TExtStringGrid whole(nullptr);
    s.SetPosition(0);
    whole.LoadFromStream(s);
    EXPECT_EQ(whole.ColCount(), 2);
    EXPECT_EQ(whole.Cells(0, 0), "p");
}

TEST_F(TextCellFileTest, StreamReadingStopsAtTheFirstLineThatIsNoCellAndLeavesTheStreamThere)
{
    rtl::TMemoryStream s;
    const std::string cells = Utf16("2,2\r\n1,0,x\r\n");
    const std::string rest = Utf16("trailer,1,2\r\n");
    s.WriteBuffer(cells.data(), static_cast<long long>(cells.size()));
    s.WriteBuffer(rest.data(), static_cast<long long>(rest.size()));
    s.WriteBuffer("\x01\x02", 2);
    s.SetPosition(0);
    Grid->LoadFromStream(s);
    EXPECT_EQ(Grid->Cells(1, 0), "x");
    EXPECT_EQ(s.Position(), static_cast<long long>(cells.size()));
}

TEST_F(TextCellFileTest, StreamHeaderOrWidthThatIsNoIntegerFailsWithTheConversionErrorBeforeTheGridChanges)
{
    for (const char* text : {"two,2\r\n", "2,2\r\ncw 1,wide\r\n"}) {
        SCOPED_TRACE(text);
        rtl::TMemoryStream s;
        const std::string bytes = Utf16(text);
        s.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
        s.SetPosition(0);
        Grid->SetCells(1, 1, "keep");
        EXPECT_THROW(Grid->LoadFromStream(s), rtl::EConvertError);
        EXPECT_EQ(Grid->ColCount(), 5);
        EXPECT_EQ(Grid->Cells(1, 1), "keep");
    }
}

}  // namespace
