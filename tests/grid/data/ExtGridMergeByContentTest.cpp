// Tests of the string grid's merging of equal neighbouring cells and splitting them again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class MergeByContentTest : public gridtest::GridInAppTest {
protected:
    // Column texts from row 1 on, under one fixed row.
    void FillColumn(int ACol, const std::vector<std::string>& Texts)
    {
        Grid->SetRowCount(static_cast<int>(Texts.size()) + 1);
        for (std::size_t i = 0; i < Texts.size(); ++i) Grid->SetCells(ACol, static_cast<int>(i) + 1, Texts[i]);
    }
    // The vertical span of every row's block as "base+span", "-" for an unmerged cell.
    std::string Spans(int ACol)
    {
        std::string out;
        for (int r = 1; r < Grid->RowCount(); ++r) {
            if (!Grid->IsMergedCell(ACol, r))
                out += "-";
            else
                out += std::to_string(Grid->BaseCell(ACol, r).Y) + "+" + std::to_string(Grid->CellSpan(Grid->BaseCell(ACol, r).X, Grid->BaseCell(ACol, r).Y).Y);
            out += " ";
        }
        return out;
    }
};

TEST_F(MergeByContentTest, RunsOfEqualTextsMergeDownAColumnAndSplitAgain)
{
    FillColumn(1, {"A", "A", "B", "B", "B", "C"});
    Grid->MergeColumnCells(1, true);
    EXPECT_EQ(Spans(1), "1+1 1+1 3+2 3+2 3+2 - ");
    Grid->SplitColumnCells(1);
    EXPECT_EQ(Spans(1), "- - - - - - ");

    FillColumn(1, {"A", "B", "C"});
    Grid->MergeColumnCells(1, true);
    EXPECT_EQ(Spans(1), "- - - ");
}

TEST_F(MergeByContentTest, ALaterColumnMergesOnlyInsideTheBlocksOfTheFirstAndFootersNever)
{
    FillColumn(1, {"A", "A", "B", "B"});
    FillColumn(2, {"x", "x", "x", "x"});
    Grid->MergedColumns().Add(1);
    Grid->MergedColumns().Add(2);
    EXPECT_EQ(Spans(1), "1+1 1+1 3+1 3+1 ");
    EXPECT_EQ(Spans(2), "1+1 1+1 3+1 3+1 ");

    Grid->MergedColumns().Clear();
    Grid->SplitAllCells();
    Grid->SetFixedFooters(1);
    Grid->MergeColumnCells(2, true);
    EXPECT_EQ(Spans(2), "1+2 1+2 1+2 - ");
}

TEST_F(MergeByContentTest, RowRunsMergeAcrossNormalColumnsButNotIntoFixedRightColumns)
{
    Grid->SetColCount(6);
    for (int c = 1; c < 6; ++c) Grid->SetCells(c, 1, c < 5 ? "same" : "same");
    Grid->SetFixedRightCols(1);
    Grid->MergeRowCells(1, true);
    EXPECT_TRUE(Grid->IsMergedCell(1, 1));
    EXPECT_EQ(Grid->CellSpan(1, 1).X, 3);
    EXPECT_FALSE(Grid->IsMergedCell(5, 1));
    Grid->SplitRowCells(1);
    EXPECT_FALSE(Grid->IsMergedCell(1, 1));
}

TEST_F(MergeByContentTest, MergeColsJoinsTextsTrimmedAndRemovesTheSecondColumn)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, " left");
    Grid->SetCells(2, 1, "right ");
    Grid->SetCells(1, 2, "alone  ");
    Grid->SetCells(3, 1, "kept");
    Grid->MergeCols(1, 2, "");
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->Cells(1, 1), "leftright");
    EXPECT_EQ(Grid->Cells(1, 2), "alone");  // an empty second cell leaves the first trimmed
    EXPECT_EQ(Grid->Cells(2, 1), "kept");
    Grid->MergeCols(1, 2, " - ");
    EXPECT_EQ(Grid->Cells(1, 1), "leftright - kept");
    EXPECT_EQ(Grid->Cells(1, 2), "alone -");
}

}  // namespace
