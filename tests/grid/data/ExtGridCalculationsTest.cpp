// Tests of the string grid's calculations over columns, rows, rectangles and the selection, and of the float values they read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridTypes.h"
#include "platform/rtl/FormatSettings.h"

using namespace grid;

namespace {

// Restores the process-wide number settings a test changes.
class SettingsScope {
public:
    SettingsScope() : FSaved(rtl::FormatSettings) {}
    ~SettingsScope() { rtl::FormatSettings = FSaved; }

private:
    rtl::TFormatSettings FSaved;
};

class ExtGridCalculationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rtl::FormatSettings.DecimalSeparator = '.';
        rtl::FormatSettings.ThousandSeparator = ',';
        Grid.SetColCount(4);
        Grid.SetRowCount(5);
    }
    // Writes a column of normal rows from row 1 on.
    void Column(int c, const std::vector<std::string>& texts)
    {
        Grid.SetRowCount(static_cast<int>(texts.size()) + 1);
        for (std::size_t i = 0; i < texts.size(); ++i) Grid.SetCells(c, static_cast<int>(i) + 1, texts[i]);
    }
    SettingsScope Settings;
    TExtStringGrid Grid{nullptr};
};

TEST_F(ExtGridCalculationsTest, SumSkipsTextButAverageDividesByEveryRowOfTheRange)
{
    Column(1, {"1", "2", "x", ""});
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, -1, -1), 3.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnAvg(1, -1, -1), 0.75);
    EXPECT_DOUBLE_EQ(Grid.ColumnCount(1, -1, -1), 4.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnCount(1, 2, 3), 2.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, 2, 3), 2.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnAvg(1, 3, 2), 0.0);
}

TEST_F(ExtGridCalculationsTest, StandardDeviationIsThePopulationOne)
{
    Column(1, {"2", "4"});
    EXPECT_DOUBLE_EQ(Grid.ColumnStdDev(1, -1, -1), 1.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnStdDev(1, 2, 1), 0.0);
    Column(2, {"2", "1-2"});
    EXPECT_THROW(Grid.ColumnStdDev(2, -1, -1), VIdoZovuVozir);
}

TEST_F(ExtGridCalculationsTest, DistinctCountIgnoresCaseAndCountsTheEmptyText)
{
    Column(1, {"a", "A", "b", "", "B", "a"});
    EXPECT_DOUBLE_EQ(Grid.ColumnDistinct(1, -1, -1), 3.0);
}

TEST_F(ExtGridCalculationsTest, MinAndMaxStartFromTheFirstRowAndSkipTextLater)
{
    Column(1, {"5", "x", "-2", "9", ""});
    EXPECT_DOUBLE_EQ(Grid.ColumnMin(1, -1, -1), -2.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnMax(1, -1, -1), 9.0);
    Column(2, {"1-2", "3", "4"});
    EXPECT_THROW(Grid.ColumnMin(2, -1, -1), VIdoZovuVozir);
    EXPECT_THROW(Grid.ColumnMax(2, -1, -1), VIdoZovuVozir);
}

TEST_F(ExtGridCalculationsTest, CoveredCellsOfAMergedBlockStayOutOfTheColumnSum)
{
    Column(1, {"10", "20", "30", "40"});
    Grid.MergeCells(1, 2, 1, 2);  // rows 2 and 3: row 3 is covered and reads as the base's 20
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, -1, -1), 70.0);
}

TEST_F(ExtGridCalculationsTest, FixedFootersAreNotNormalRows)
{
    Column(1, {"1", "2", "100"});
    Grid.SetFixedFooters(1);
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, -1, -1), 3.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnCount(1, -1, -1), 2.0);
}

TEST_F(ExtGridCalculationsTest, CustomCalculationsAnswerWhatTheirEventsSay)
{
    EXPECT_DOUBLE_EQ(Grid.ColumnCustomCalc(1, 1, 3), 0.0);
    EXPECT_DOUBLE_EQ(Grid.DoGroupCalc(1, 1, 3), 0.0);
    Grid.OnColumnCalc = [](TSender, int ACol, int FromRow, int ToRow, double& Res) { Res = ACol * 100 + FromRow * 10 + ToRow; };
    Grid.OnGroupCalc = [](TSender, int, int FromRow, int ToRow, double& Res) { Res = ToRow - FromRow; };
    EXPECT_DOUBLE_EQ(Grid.ColumnCustomCalc(1, 2, 3), 123.0);
    EXPECT_DOUBLE_EQ(Grid.DoGroupCalc(1, 2, 7), 5.0);
}

TEST_F(ExtGridCalculationsTest, RowCalculationsOverBaseCells)
{
    Grid.SetColCount(6);
    for (int c = 1; c <= 5; ++c) Grid.SetCells(c, 2, std::to_string(c * 2));  // 2 4 6 8 10
    Grid.SetCells(4, 2, "eight");
    EXPECT_DOUBLE_EQ(Grid.RowSum(2, 1, 5), 22.0);
    EXPECT_DOUBLE_EQ(Grid.RowAvg(2, 1, 5), 4.4);
    EXPECT_DOUBLE_EQ(Grid.RowAvg(2, 5, 1), 0.0);
    EXPECT_DOUBLE_EQ(Grid.RowMin(2, 1, 5), 2.0);
    EXPECT_DOUBLE_EQ(Grid.RowMax(2, 1, 5), 10.0);
    Grid.MergeCells(4, 2, 2, 1);  // column 5 is covered by column 4
    EXPECT_DOUBLE_EQ(Grid.RowSum(2, 1, 5), 12.0);
    EXPECT_THROW(Grid.RowMin(2, 4, 5), VIdoZovuVozir);
}

TEST_F(ExtGridCalculationsTest, RectanglesAreNormalisedAndTheSelectionIsOne)
{
    Grid.SetCells(1, 1, "1");
    Grid.SetCells(2, 1, "2");
    Grid.SetCells(1, 2, "3");
    Grid.SetCells(2, 2, "4");
    const rtl::TRect forward{1, 1, 2, 2};
    const rtl::TRect backward{2, 2, 1, 1};
    for (auto t : {TExtStringGrid::ctSum, TExtStringGrid::ctAvg, TExtStringGrid::ctMin, TExtStringGrid::ctMax})
        EXPECT_DOUBLE_EQ(Grid.RectCalc(backward, t), Grid.RectCalc(forward, t)) << int(t);
    EXPECT_DOUBLE_EQ(Grid.RectSum(forward), 10.0);
    EXPECT_DOUBLE_EQ(Grid.RectMin(backward), 1.0);
    EXPECT_DOUBLE_EQ(Grid.RectMax(backward), 4.0);
    Grid.SetSelection(forward);
    EXPECT_DOUBLE_EQ(Grid.SelectionAvg(), 2.5);
    EXPECT_DOUBLE_EQ(Grid.SelectionSum(), 10.0);
    Grid.SetCells(2, 2, "4-4");
    EXPECT_THROW(Grid.SelectionSum(), VIdoZovuVozir);
}

TEST_F(ExtGridCalculationsTest, RowsBeyondTheDisplayedOnesAreRealRowsHiddenOnesIncluded)
{
    Column(1, {"10", "20", "30", "40", "50"});
    Grid.HideRows(2, 3);
    ASSERT_EQ(Grid.RowCount(), 4);
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, -1, -1), 100.0);        // displayed rows 10, 40, 50
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(1, 1, 5), 150.0);          // real rows 1 .. 5
    EXPECT_DOUBLE_EQ(Grid.ColumnMin(1, 1, 5), 10.0);
    EXPECT_DOUBLE_EQ(Grid.ColumnDistinct(1, 1, 5), 5.0);
    EXPECT_DOUBLE_EQ(Grid.GetAllFloats(1, 2), 20.0);
    EXPECT_DOUBLE_EQ(Grid.GetAllFloats(1, 4), 40.0);
    EXPECT_DOUBLE_EQ(Grid.GetFloats(1, 2), 40.0);
}

TEST_F(ExtGridCalculationsTest, NodeRowsCountOnlyWhileTheGridIsNotGrouped)
{
    Grid.SetColCount(3);
    Column(1, {"a", "b", "a", "b"});
    for (int r = 1; r <= 4; ++r) Grid.SetCells(2, r, std::to_string(r));  // 1 + 2 + 3 + 4
    Grid.AddNode(1, 2);
    Grid.SetCells(2, 1, "1");
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(2, -1, -1), 10.0);  // the node row counts
    Grid.RemoveNode(1);
    Grid.Group(1);
    int nodes = 0;
    for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r) {
        if (!Grid.IsNode(r) && !Grid.IsSummary(r)) continue;
        ++nodes;
        Grid.SetCells(Grid.ColCount() - 1, r, "1000");
    }
    ASSERT_GT(nodes, 0);
    EXPECT_DOUBLE_EQ(Grid.ColumnSum(Grid.ColCount() - 1, -1, -1), 10.0);
}

struct FloatCase {
    const char* Text;
    double Expected;
};

class ExtGridFloatsTable : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ExtGridFloatsTable, CellTextReadsAsAFinancialNumber)
{
    SettingsScope settings;
    rtl::FormatSettings.DecimalSeparator = '.';
    rtl::FormatSettings.ThousandSeparator = ',';
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, GetParam().Text);
    EXPECT_DOUBLE_EQ(grid.GetFloats(1, 1), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ExtGridFloatsTable,
                         ::testing::Values(FloatCase{"(1,234.50)", -1234.5}, FloatCase{"$ 12.5", 12.5},
                                           FloatCase{"12.5 kg", 12.5}, FloatCase{"abc", 0.0},
                                           FloatCase{"", 0.0}, FloatCase{"-", 0.0}, FloatCase{"<b>7.25</b>", 7.25},
                                           FloatCase{"-3", -3.0}));

TEST_F(ExtGridCalculationsTest, FloatsAndIntsRefuseTextsThatAreNoNumbers)
{
    Grid.SetCells(1, 1, "1-2");
    EXPECT_THROW(Grid.GetFloats(1, 1), VIdoZovuVozir);
    Grid.SetCells(1, 1, "1,234");
    EXPECT_THROW(Grid.GetInts(1, 1), VIdoZovuVozir);
    Grid.SetCells(1, 1, "<b>42</b>");
    EXPECT_EQ(Grid.GetInts(1, 1), 42);
    Grid.SetCells(1, 1, "2.5");
    EXPECT_EQ(Grid.GetInts(1, 1), 2);
    Grid.SetCells(1, 1, "3.5");
    EXPECT_EQ(Grid.GetInts(1, 1), 4);
    Grid.SetCells(1, 1, "  ");
    EXPECT_EQ(Grid.GetInts(1, 1), 0);
}

TEST_F(ExtGridCalculationsTest, FloatsAreWrittenInTheFloatFormatWithTheLocaleSeparator)
{
    Grid.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(Grid.Cells(1, 1), "3.14");
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    Grid.SetFloats(1, 1, 2.5);
    EXPECT_EQ(Grid.Cells(1, 1), "2,50");
    EXPECT_DOUBLE_EQ(Grid.GetFloats(1, 1), 2.5);
    Grid.SetInts(1, 1, -17);
    EXPECT_EQ(Grid.Cells(1, 1), "-17");
}

}  // namespace
