// Cell graphic records of the string grid: kinds of cells without records, comments and the shared row check box record.
#include <gtest/gtest.h>

#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"

using namespace grid;

namespace {

TEST(ExtGridComments, CellsWithoutRecordAndOutsideTheGridAreEmpty)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "text");
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_TRUE(grid.GetCellEmpty(1, 1));
    EXPECT_EQ(grid.GetCellType(-1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(1, -3), ctEmpty);
    EXPECT_TRUE(grid.GetCellEmpty(-1, 1));
    EXPECT_FALSE(grid.CellTypeInSet(-1, 1, {ctEmpty, ctNone}));
    EXPECT_EQ(grid.GetCellGraphic(-1, -1), nullptr);
}

// A negative index never reaches the cell store: the grid's own "Invalid cell" error.
TEST(ExtGridComments, NegativeIndexToAnAttachingOperationRaisesInvalidCell)
{
    TExtStringGrid grid(nullptr);
    auto expectInvalidCell = [](auto&& attach) {
        try {
            attach();
            ADD_FAILURE() << "no error";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(e.Message(), "Invalid cell");
        }
    };
    expectInvalidCell([&] { grid.AddCheckBox(-1, 1, true, false); });
    expectInvalidCell([&] { grid.AddCheckBox(1, -1, ui::cbChecked); });
    expectInvalidCell([&] { grid.AddRadioButton(-2, 1, true); });
    expectInvalidCell([&] { grid.AddComment(1, -1, "x"); });
    expectInvalidCell([&] { grid.CreateCellGraphic(-1, -1); });
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
}

TEST(ExtGridComments, CommentLivesOnTheRecordAndOutlivesItsRemoval)
{
    TExtStringGrid grid(nullptr);
    grid.AddComment(1, 1, "first");
    EXPECT_EQ(grid.GetCellType(1, 1), ctNone);
    EXPECT_FALSE(grid.GetCellEmpty(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "");  // a comment is not text
    std::string comment = "untouched";
    EXPECT_TRUE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, "first");
    grid.RemoveComment(1, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctNone);  // the record stays
    EXPECT_TRUE(grid.GetCellEmpty(1, 1));
    comment = "untouched";
    EXPECT_FALSE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, "untouched");
    EXPECT_FALSE(grid.IsComment(2, 2, comment));

    grid.AddColorComment(2, 2, "red", gfx::clRed);
    grid.AddCheckBox(2, 2, true, false);  // attaching replaces the record, comment and all
    EXPECT_EQ(grid.GetComment(2, 2), "");
    grid.SetComment(2, 2, "on the box");  // SetComment keeps the kind
    EXPECT_EQ(grid.GetCellType(2, 2), ctCheckBox);
    EXPECT_EQ(grid.GetComment(2, 2), "on the box");
    EXPECT_TRUE(grid.CellTypeInSet(2, 2, {ctCheckBox, ctDataCheckBox}));
    EXPECT_FALSE(grid.RemoveCellGraphic(2, 2, ctRadioButton));
    EXPECT_TRUE(grid.RemoveCellGraphic(2, 2, ctCheckBox));
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
}

TEST(ExtGridComments, PictureTextServesAsTheComment)
{
    TExtStringGrid grid(nullptr);
    gfx::TPicture picture;
    grid.AddPicture(1, 1, &picture, false, noStretch, 0, haLeft, vaTop);
    grid.SetComment(1, 1, "own comment");
    grid.GetCellGraphic(1, 1)->SetCellText("picture text");
    std::string comment;
    EXPECT_TRUE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, "picture text");
    EXPECT_EQ(grid.GetCellType(1, 1), ctPicture);
}

TEST(ExtGridComments, RemoveAllCommentsSkipsHiddenColumns)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.AddComment(1, 1, "shown");
    grid.AddComment(3, 2, "hidden");
    grid.HideColumn(3);
    grid.RemoveAllComments();
    EXPECT_EQ(grid.GetComment(1, 1), "");
    grid.UnHideColumn(3);
    EXPECT_EQ(grid.GetComment(3, 2), "hidden");
}

TEST(ExtGridComments, RowCheckBoxColumnAnswersWithTheSharedRecord)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.AddComment(0, 2, "row note");
    EXPECT_EQ(grid.GetCellType(0, 2), ctRowCheckBox);
    TCellGraphic* shared = grid.GetCellGraphic(0, 2);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared, grid.GetCellGraphic(0, 3));
    EXPECT_EQ(shared->CellComment(), "row note");  // comments land on the shared record
    grid.SetRowSelect(2, true);
    EXPECT_TRUE(grid.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(grid.GetCellGraphic(0, 3)->CellBoolean());
    EXPECT_EQ(grid.GetCellGraphic(0, 0)->CellAngle(), 1);  // some rows selected
    grid.SelectAll();
    EXPECT_TRUE(grid.GetCellGraphic(0, 0)->CellBoolean());
    EXPECT_TRUE(grid.FreeCellGraphic(0, 2));
    EXPECT_EQ(grid.GetCellGraphic(0, 2), shared);  // never freed
}

}  // namespace

namespace {

TEST(ExtGridCheckColumns, DataCheckBoxKeepsACellHoldingItsOwnCheckText)
{
    grid::TExtStringGrid grid(nullptr);
    grid.OnGetCheckTrue = [](rtl::TObject*, int, int, std::string& v) { v = "yes"; };
    grid.OnGetCheckFalse = [](rtl::TObject*, int, int, std::string& v) { v = "no"; };
    grid.SetCells(1, 1, "no");
    grid.AddCheckBox(1, 1, true, true);
    EXPECT_EQ(grid.Cells(1, 1), "no");  // the cell's own check-false text stays: unchecked
    grid.AddCheckBox(1, 2, true, true);
    EXPECT_EQ(grid.Cells(1, 2), "yes");
}

TEST(ExtGridCheckColumns, TriStateColumnStartsInTheHeaderRowWithCheckAllCheck)
{
    grid::TExtStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.AddTriStateCheckBoxColumn(2, ui::cbGrayed);
    EXPECT_EQ(grid.GetCellType(2, 0), grid::ctEmpty);
    for (int r = 1; r < 4; ++r) {
        ASSERT_EQ(grid.GetCellType(2, r), grid::ctTriStateCheckBox);
        EXPECT_EQ(grid.GetCellGraphic(2, r)->CellCheckBoxState(), ui::cbGrayed);
    }
    grid.MouseActions().SetCheckAllCheck(true);
    grid.AddTriStateCheckBoxColumn(3, ui::cbChecked);
    EXPECT_EQ(grid.GetCellType(3, 0), grid::ctTriStateCheckBox);
}

TEST(ExtGridCheckColumns, ColumnHeadersFillOnlyExistingColumnsWithLineBreaks)
{
    grid::TExtStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.ColumnHeaders().Add("Cell");
    grid.ColumnHeaders().Add("Soil\\ndepth");
    grid.ColumnHeaders().Add("beyond");
    EXPECT_EQ(grid.Cells(0, 0), "Cell");
    EXPECT_EQ(grid.Cells(1, 0), "Soil\rdepth");
    EXPECT_EQ(grid.GetGridCell(2, 0), "");
}

}  // namespace
