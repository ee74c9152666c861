// Tests of the string grid's fixed-width text files and ASCII table export.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridTypes.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

using grid::TIntList;

class AsciiTextTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
    }
    void SetRow(int ARow, std::initializer_list<const char*> texts)
    {
        int c = 0;
        for (const char* t : texts) Grid->SetCells(c++, ARow, t);
    }
    testsupport::TempDir Dir;
};

TEST_F(AsciiTextTest, FixedWidthCutsAndPadsEachFieldAndCompletesTheWidthList)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    SetRow(0, {"abcd", "xy"});
    SetRow(1, {"ő", "longer"});
    TIntList widths(-1, -1);
    widths.Add(3);
    widths.Add(5);
    Grid->SaveToFixed(Dir.File("f.txt"), widths);
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("f.txt")), "abcxy   \r\n\xF5  longe\r\n");

    TIntList none(-1, -1);
    Grid->SaveToFixed(Dir.File("g.txt"), none);
    EXPECT_EQ(none.StrValue(), "5,7");  // longest text of each column + 1
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("g.txt")), "abcd xy     \r\n\xF5    longer \r\n");
}

TEST_F(AsciiTextTest, FixedWidthReadsFieldsBetweenSortedPositions)
{
    testsupport::WriteFileBytes(Dir.File("in.txt"), "abcdefgh\r\nab\r\n  x  yy \r\n");
    TIntList positions(-1, -1);
    for (int p : {9, 1, 4}) positions.Add(p);
    Grid->LoadFromFixed(Dir.File("in.txt"), positions, true, -1);
    EXPECT_EQ(positions.StrValue(), "1,4,9");
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(Grid->Cells(0, 0), "abc");
    EXPECT_EQ(Grid->Cells(1, 0), "defgh");
    EXPECT_EQ(Grid->Cells(0, 1), "ab");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(0, 2), "x");
    EXPECT_EQ(Grid->Cells(1, 2), "yy");

    Grid->SetRowCount(1);
    Grid->SetCells(0, 1, "");
    Grid->LoadFromFixed(Dir.File("in.txt"), positions, false, 1);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->GetGridCell(0, 1), "");  // the second line is not read
    Grid->LoadFromFixed(Dir.File("in.txt"), positions, false, -1);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Grid->Cells(0, 2), "  x");
}

TEST_F(AsciiTextTest, FixedWidthFileErrorsNameTheFile)
{
    TIntList list(-1, -1);
    const std::string missing = Dir.File("missing.txt");
    try {
        Grid->LoadFromFixed(missing, list);
        ADD_FAILURE() << "no error";
    } catch (const grid::VIdoZovuVozir& e) {
        EXPECT_EQ(std::string(e.what()), "File " + missing + " not found");
    }
    const std::string unwritable = Dir.File("no/such/folder/out.txt");
    try {
        Grid->SaveToFixed(unwritable, list);
        ADD_FAILURE() << "no error";
    } catch (const grid::VIdoZovuVozir& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create file " + unwritable);
    }
}

TEST_F(AsciiTextTest, AsciiTableAlignsNumbersRightAndContinuesMultilineCellsAtTheirColumn)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    SetRow(0, {"Name", "Qty", "Note"});
    SetRow(1, {"apple", "12", "red\r\nsweet"});
    SetRow(2, {"kiwi", "7.5", "ok"});
    Grid->SetAutoNumAlign(true);
    Grid->SetMultilinecells(true);
    Grid->SaveToASCII(Dir.File("t.txt"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("t.txt")),
              testsupport::ReadFileBytes(testsupport::TestDataDir() / "grid" / "textfiles" / "table.txt"));

    Grid->SetMultilinecells(false);
    Grid->SetRowCount(2);
    Grid->AppendToASCII(Dir.File("t.txt"));
    const std::string all = testsupport::ReadFileBytes(Dir.File("t.txt"));
    EXPECT_EQ(all.substr(all.size() - 34), "Name  Qty Note \r\napple  12 red  \r\n");
}

TEST_F(AsciiTextTest, CentredCellsGrowOnBothSides)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(2);
    SetRow(0, {"wide"});
    SetRow(1, {"ab"});
    Grid->SetDefaultAlignment(ui::taCenter);
    Grid->SaveToASCII(Dir.File("c.txt"));
    EXPECT_EQ(testsupport::ReadFileBytes(Dir.File("c.txt")), "wide \r\n ab  \r\n");
}

}  // namespace
