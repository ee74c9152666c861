// Tests of the string grid's selection API: setting, counting and reading the selection as text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class SelectionApiTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetColCount(6);
        Grid->SetRowCount(8);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 6; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('A' + c)) + std::to_string(r));
    }
};

TEST_F(SelectionApiTest, SelectCellsMovesTheFocusToASingleCellUnlessTheFocusIsInTheLastColumnOrRow)
{
    Grid->SelectCells(2, 3, 2, 3);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 3);

    Grid->SelectCells(5, 7, 5, 7);  // focus moves into the last column and row
    Grid->SelectCells(2, 4, 2, 4);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{2, 4, 2, 4}));

    Grid->SelectCells(1, 2, 3, 5);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 3, 5}));
}

TEST_F(SelectionApiTest, CountsAndCellsOfARectangle)
{
    Grid->SelectCells(1, 2, 3, 3);
    EXPECT_EQ(Grid->SelectedCellsCount(), 6);
    EXPECT_EQ(Grid->SelectedCell(0), (ui::TGridCoord{1, 2}));
    EXPECT_EQ(Grid->SelectedCell(5), (ui::TGridCoord{3, 3}));
    EXPECT_EQ(Grid->SelectedColCount(), 3);
    EXPECT_EQ(Grid->SelectedRowCount(), 2);
    EXPECT_EQ(Grid->SelectedRow(0), 2);
    EXPECT_EQ(Grid->SelectedRow(1), 3);
    EXPECT_EQ(Grid->SelectedRow(2), -1);
    EXPECT_TRUE(Grid->SelectedCells(2, 3));
    EXPECT_FALSE(Grid->SelectedCells(4, 3));

    // A selection reaching into the footer rows counts normal rows only.
    Grid->SetFixedFooters(2);
    Grid->SelectCells(1, 4, 1, 7);
    EXPECT_EQ(Grid->SelectedRowCount(), 2);

    // A merged block at the corner counts the columns it covers.
    Grid->SetFixedFooters(0);
    Grid->MergeCells(1, 1, 3, 2);
    Grid->SetSelection(rtl::TRect{1, 1, 1, 1});
    EXPECT_EQ(Grid->SelectedColCount(), 3);
    EXPECT_EQ(Grid->SelectedRowCount(), 2);
}

TEST_F(SelectionApiTest, SelectedTextJoinsCellsByTabAndRowsByCrLf)
{
    Grid->SelectCells(1, 2, 2, 3);
    EXPECT_EQ(Grid->SelectedText(), "B2\tC2\r\nB3\tC3");

    Grid->SetExcelClipboardFormat(true);
    Grid->SetCells(2, 2, "two\r\nlines");
    EXPECT_EQ(Grid->SelectedText(), "B2\t\"two\x0Blines\"\r\nB3\tC3");
    Grid->SetExcelClipboardFormat(false);

    // Disjunct rows: every selected row, each ending with a line break.
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(5, true);
    EXPECT_EQ(Grid->SelectedText(), "B2\ttwo\r\nlines\r\nB5\tC5\r\n");
    EXPECT_EQ(Grid->SelectedRowCount(), 2);
    EXPECT_EQ(Grid->SelectedRow(1), 5);
    EXPECT_EQ(Grid->SelectedRow(2), -1);
}

// A rich text cell is given as its characters; with OleEntireRows every column of the
// selected rows is taken, and SaveHiddenCells adds the hidden columns after them.
TEST_F(SelectionApiTest, SelectedTextGivesRichTextAsPlainTextAndEntireRowsWhenAsked)
{
    Grid->SetCells(2, 2, "{\\rtf1\\ansi\\b Wheat\\b0\\par 2026}");
    Grid->SelectCells(1, 2, 2, 2);
    EXPECT_EQ(Grid->SelectedText(), "B2\tWheat\r\n2026");

    Grid->DragDropSettings().SetOleEntireRows(true);
    Grid->SelectCells(2, 3, 3, 4);
    EXPECT_EQ(Grid->SelectedText(), "A3\tB3\tC3\tD3\tE3\tF3\r\nA4\tB4\tC4\tD4\tE4\tF4");
    Grid->HideColumn(4);
    Grid->SetSaveHiddenCells(true);
    EXPECT_EQ(Grid->SelectedText(), "A3\tB3\tC3\tD3\tF3\tE3\r\nA4\tB4\tC4\tD4\tF4\tE4");
}

TEST_F(SelectionApiTest, DisjunctCellsAreMarkedOneByOne)
{
    Grid->MouseActions().SetDisjunctCellSelect(true);
    Grid->SelectCells(1, 1, 2, 2);
    EXPECT_EQ(Grid->SelectedCellsCount(), 4);
    EXPECT_TRUE(Grid->IsSelected(2, 2));
    Grid->SetSelectedCells(2, 2, false);
    Grid->SetSelectedCells(4, 6, true);
    EXPECT_FALSE(Grid->SelectedCells(2, 2));
    EXPECT_TRUE(Grid->SelectedCells(4, 6));
    EXPECT_EQ(Grid->SelectedCellsCount(), 4);
    EXPECT_EQ(Grid->SelectedCell(3), (ui::TGridCoord{4, 6}));
    Grid->SelectCells(3, 1, 2, 1);  // an empty range marks nothing
    EXPECT_EQ(Grid->SelectedCellsCount(), 0);
    Grid->SelectCells(1, 1, 1, 1);
    Grid->ClearSelectedCells();
    EXPECT_EQ(Grid->SelectedCellsCount(), 0);
}

TEST_F(SelectionApiTest, FixedCellsAreNeverSelectedInAnyMode)
{
    const std::function<void(grid::TExtStringGrid&)> modes[] = {
        [](grid::TExtStringGrid& g) { g.SetSelection(rtl::TRect{0, 0, 5, 7}); },
        [](grid::TExtStringGrid& g) {
            g.MouseActions().SetDisjunctCellSelect(true);
            g.SetSelectedCells(0, 0, true);
            g.SetSelectedCells(0, 3, true);
        },
        [](grid::TExtStringGrid& g) {
            g.MouseActions().SetDisjunctRowSelect(true);
            g.SetRowSelect(0, true);
        },
    };
    for (const auto& mode : modes) {
        grid::TExtStringGrid g(nullptr);
        g.SetColCount(6);
        g.SetRowCount(8);
        mode(g);
        EXPECT_FALSE(g.IsSelected(0, 0));
        EXPECT_FALSE(g.IsSelected(0, 3));
        EXPECT_FALSE(g.IsSelected(3, 0));
    }
}

}  // namespace
