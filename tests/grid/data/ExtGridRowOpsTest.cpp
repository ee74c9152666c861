// Tests of the string grid's row and column insertion and removal with the state kept beside the cell texts.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

using namespace grid;

namespace {

class ExtGridRowOpsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 600);
        Grid->SetColCount(3);
        Grid->SetRowCount(8);
        for (int r = 0; r < Grid->RowCount(); ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    }
    // The texts of column 1, top to bottom.
    std::vector<std::string> Column1() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < Grid->RowCount(); ++r) texts.push_back(Grid->Cells(1, r));
        return texts;
    }
    static std::vector<std::string> Rows(std::initializer_list<int> indexes)
    {
        std::vector<std::string> texts;
        for (int r : indexes) texts.push_back(r < 0 ? "" : "r" + std::to_string(r));
        return texts;
    }
};

}  // namespace

TEST_F(ExtGridRowOpsTest, RemovingNothingOrBeyondTheGridChangesNothing)
{
    int changes = 0;
    Grid->OnCellsChanged = [&](TSender, const rtl::TRect&) { ++changes; };
    const std::pair<int, int> cases[] = {{8, 1}, {2, 0}, {-1, 1}, {3, -2}};
    for (auto [index, count] : cases) {
        Grid->RemoveRows(index, count);
        Grid->RemoveRowsEx(index, count);
        Grid->DoRemoveRows(index, count);
        Grid->DeleteRowsInternal(index, count, true);
    }
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(changes, 0);
}

// Removing more rows than remain below RowIndex must not drop rows above it.
TEST_F(ExtGridRowOpsTest, RemovalCountBeyondTheLastRowIsCutToTheRowsThatExist)
{
    Grid->RemoveRows(5, 10);
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4}));
    Grid->DoRemoveRows(3, 10);
    EXPECT_EQ(Column1(), Rows({0, 1, 2}));
}

TEST_F(ExtGridRowOpsTest, RemovedRowsTakeTheirBooksAlongAndLaterRowsKeepTheirs)
{
    Grid->ShowModified().SetEnabled(true);
    Grid->SetRowHeights(5, 40);
    TCellProperties* props5 = Grid->GetCellProperties(2, 5);
    Grid->GetCellProperties(2, 3);  // freed with its row
    auto* edit = new ui::TEdit(Form);
    Grid->ControlList().AddControl(1, 6, edit);
    Grid->ControlList().AddControl(2, 1, edit);
    rtl::TRect reported{};
    Grid->OnCellsChanged = [&](TSender, const rtl::TRect& R) { reported = R; };

    Grid->RemoveRows(2, 2);

    EXPECT_EQ(Column1(), Rows({0, 1, 4, 5, 6, 7}));
    EXPECT_EQ(Grid->RowHeights(3), 40);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 3), props5);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 2), nullptr);
    EXPECT_EQ(props5->OwnerRow(), 3);
    EXPECT_EQ(Grid->ControlList().GetControl(0)->Y(), 4);
    EXPECT_EQ(Grid->ControlList().GetControl(1)->Y(), 1);
    EXPECT_EQ(reported, rtl::Rect(0, 2, 2, 4));
    Grid->InsertRows(3, 1);
    EXPECT_EQ(Column1(), Rows({0, 1, 4, -1, 5, 6, 7}));
    EXPECT_EQ(Grid->RowHeights(3), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->RowHeights(4), 40);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 4), props5);
    EXPECT_EQ(Grid->GetCellPropsDirect(2, 3), nullptr);
    EXPECT_EQ(Grid->ControlList().GetControl(0)->Y(), 5);
}

// Each property object knows the row it sits in after any run of insertions and removals,
// also across the many operations after which the grid tells every object its row at once.
TEST_F(ExtGridRowOpsTest, PropertyObjectsKnowTheirRowAfterManyInsertionsAndRemovals)
{
    Grid->SetRowCount(300);
    std::vector<TCellProperties*> objects;
    for (int r = 10; r < 300; r += 37) objects.push_back(Grid->GetCellProperties(r % 3, r));
    std::mt19937 rng(7);
    for (int step = 0; step < 400; ++step) {
        const int at = 1 + static_cast<int>(rng() % 250);
        const int count = 1 + static_cast<int>(rng() % 4);
        if (step % 2 == 0) {
            Grid->InsertRows(at, count);
        } else {
            // Rows holding an object stay: removal would free it.
            bool holdsObject = false;
            for (int r = at; r < at + count; ++r)
                for (int c = 0; c < 3; ++c) holdsObject = holdsObject || Grid->GetCellPropsDirect(c, r) != nullptr;
            if (!holdsObject) Grid->RemoveRows(at, count);
        }
        if (step % 50 != 49) continue;
        int found = 0;
        for (int r = 0; r < Grid->RowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                if (TCellProperties* props = Grid->GetCellPropsDirect(c, r)) {
                    ++found;
                    ASSERT_EQ(props->OwnerRow(), r) << "step " << step;
                    ASSERT_EQ(props->OwnerCol(), c);
                }
        ASSERT_EQ(found, static_cast<int>(objects.size()));
    }
}

TEST_F(ExtGridRowOpsTest, ModifiedMarksAndRowSelectionFollowRemovalAndInsertion)
{
    Grid->ShowModified().SetEnabled(true);
    Grid->MouseActions().SetDisjunctRowSelect(true);
    for (int r : {3, 5}) Grid->SetRowModified(r, true);
    for (int r : {1, 6}) Grid->SetRowSelect(r, true);
    Grid->RemoveRows(2, 2);  // rows 4.. move up two
    Grid->InsertRows(1, 1);  // rows 1.. move down one
    for (int r = 0; r < Grid->RowCount(); ++r) {
        EXPECT_EQ(Grid->RowModified(r), r == 4) << r;  // old row 5
        EXPECT_EQ(Grid->RowSelect(r), r == 2 || r == 5) << r;  // old rows 1 and 6
    }
    Grid->DoRemoveRows(4, 1);
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->RowModified(r)) << r;
}

TEST_F(ExtGridRowOpsTest, CurrentRowStaysOrMovesToTheLastNormalRow)
{
    Grid->SetRow(4);
    Grid->RemoveRows(4, 1);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Grid->Cells(1, 4), "r5");
    Grid->SetRow(6);
    Grid->RemoveRows(5, 2);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Row(), 4);
    Grid->SetRow(3);
    Grid->DoRemoveRows(3, 2);
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(ExtGridRowOpsTest, RefusedRowChangeDeletesNothingButStillReportsTheRectangle)
{
    Grid->SetRow(7);
    std::vector<std::pair<int, int>> asked;
    Grid->OnRowChanging = [&](TSender, int OldRow, int NewRow, bool& Allow) {
        asked.emplace_back(OldRow, NewRow);
        Allow = false;
    };
    int changes = 0;
    Grid->OnCellsChanged = [&](TSender, const rtl::TRect&) { ++changes; };
    Grid->DeleteRowsInternal(6, 2, true);
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{7, 5}}));
    EXPECT_EQ(changes, 1);
}

// Rows kept beyond RowCount after a shrink must not come back as the "empty" inserted rows.
TEST_F(ExtGridRowOpsTest, InsertedRowsAreEmptyEvenWhereOldCellsWereKeptBeyondTheGrid)
{
    Grid->SetRowCount(6);  // r6 and r7 stay in the store beyond the grid
    Grid->InsertRows(2, 2);
    EXPECT_EQ(Column1(), Rows({0, 1, -1, -1, 2, 3, 4, 5}));
    Grid->InsertRows(-5, 1);  // an index before the grid inserts at its top
    EXPECT_EQ(Grid->Cells(1, 0), "");
    EXPECT_EQ(Grid->Cells(1, 1), "r0");
}

TEST_F(ExtGridRowOpsTest, RemoveRowsExKeepsEveryPositionsHeight)
{
    Grid->SetRowHeights(3, 30);
    Grid->SetRowHeights(5, 50);
    Grid->RemoveRowsEx(2, 2);
    EXPECT_EQ(Column1(), Rows({0, 1, 4, 5, 6, 7}));
    EXPECT_EQ(Grid->RowHeights(3), 30);
    EXPECT_EQ(Grid->RowHeights(5), 50);
}

// The footer row's texts are recalculated; its height shows where the row itself went.
TEST_F(ExtGridRowOpsTest, FloatingFooterRowStaysLastWhenRowsAreInsertedOrAdded)
{
    Grid->FloatingFooter().SetVisible(true);
    Grid->SetRowHeights(7, 30);
    Grid->InsertRows(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(Grid->RowHeights(9), 30);
    EXPECT_EQ(Grid->RowHeights(7), Grid->DefaultRowHeight());
    Grid->SetCells(1, 8, "typed");
    Grid->AddRow();
    EXPECT_EQ(Grid->RowCount(), 11);
    EXPECT_EQ(Grid->RowHeights(10), 30);
    EXPECT_EQ(Grid->Cells(1, 8), "typed");
    EXPECT_EQ(Grid->Cells(1, 9), "");
    EXPECT_EQ(Grid->Cells(1, 6), "r6");
}

TEST_F(ExtGridRowOpsTest, HiddenRowBelowARemovedBlockMovesUpByTheRowsRemoved)
{
    using Remover = void (TExtStringGrid::*)(int, int);
    const Remover removers[] = {&TExtStringGrid::RemoveRows, &TExtStringGrid::RemoveRowsEx,
                                &TExtStringGrid::DoRemoveRows};
    for (Remover remove : removers) {
        TearDown();
        SetUp();
        Grid->HideRow(6);
        ASSERT_EQ(Grid->NumHiddenRows(), 1);
        (Grid->*remove)(2, 2);
        ASSERT_EQ(Grid->GridItemCount(), 1);
        EXPECT_EQ(Grid->GridItems(0).Idx(), 4);
        Grid->UnHideRowsAll();
        EXPECT_EQ(Column1(), Rows({0, 1, 4, 5, 6, 7}));
    }
}

// Kept at its stored position the hidden row would come back above a row it stood below.
TEST_F(ExtGridRowOpsTest, HiddenRowBelowInsertedRowsMovesDownWithItsNeighbours)
{
    Grid->HideRow(6);
    Grid->InsertRows(2, 2);
    ASSERT_EQ(Grid->GridItemCount(), 1);
    EXPECT_EQ(Grid->GridItems(0).Idx(), 8);
    Grid->UnHideRowsAll();
    EXPECT_EQ(Column1(), Rows({0, 1, -1, -1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ExtGridRowOpsTest, RemovingRowsWhileFilteredRemovesTheRealRowsAndKeepsTheFilter)
{
    Grid->HideRows(2, 3);
    Grid->SetFilterActive(true);
    Grid->RemoveRows(3, 1);  // displayed row 3 is real row 5
    EXPECT_TRUE(Grid->FilterActive());
    Grid->SetFilterActive(false);
    Grid->UnHideRowsAll();
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4, 6, 7}));
}

TEST_F(ExtGridRowOpsTest, RemoveRowListDropsTheListedRowsInOnePass)
{
    TIntList list(-1, -1);
    Grid->RemoveRowList(list);
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4, 5, 6, 7}));
    for (int r : {1, 3, 4, 7}) list.Add(r);
    Grid->SetRowHeights(5, 55);
    Grid->RemoveRowList(list);
    EXPECT_EQ(Column1(), Rows({0, 2, 5, 6}));
    EXPECT_EQ(Grid->RowHeights(2), 55);
}

TEST_F(ExtGridRowOpsTest, RemoveDuplicatesKeepsTheFirstTextIgnoringCase)
{
    for (bool doCase : {true, false}) {
        Grid->SetRowCount(5);
        const char* texts[] = {"", "abc", "x", "ABC", "abc"};
        for (int r = 0; r < 5; ++r) Grid->SetCells(2, r, texts[r]);
        Grid->RemoveDuplicates(2, doCase);
        ASSERT_EQ(Grid->RowCount(), 3) << doCase;
        EXPECT_EQ(Grid->Cells(2, 1), "abc");
        EXPECT_EQ(Grid->Cells(2, 2), "x");
    }
}

TEST_F(ExtGridRowOpsTest, SelectedRowsAreRemovedAsRectangleOrAsDisjunctRuns)
{
    Grid->SetSelection(rtl::Rect(1, 2, 2, 4));
    Grid->RemoveSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 1, 5, 6, 7}));

    TearDown();
    SetUp();
    Grid->MouseActions().SetDisjunctRowSelect(true);
    for (int r : {2, 3, 6}) Grid->SetRowSelect(r, true);
    Grid->RemoveSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 1, 4, 5, 7}));
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_FALSE(Grid->RowSelect(r)) << r;
}

TEST_F(ExtGridRowOpsTest, DisjunctUnselectedRowsAreRemovedAndTheRestStaySelectedWhenPersistent)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->MouseActions().SetRowSelectPersistent(true);
    for (int r : {2, 5}) Grid->SetRowSelect(r, true);
    Grid->RemoveUnSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 2, 5}));
    EXPECT_TRUE(Grid->RowSelect(1));
    EXPECT_TRUE(Grid->RowSelect(2));
}

TEST_F(ExtGridRowOpsTest, UnselectedRowsAroundARectangleAreRemoved)
{
    Grid->SetSelection(rtl::Rect(1, 3, 2, 5));
    Grid->RemoveUnSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 3, 4, 5}));
}

TEST_F(ExtGridRowOpsTest, ColumnsAreInsertedWithTheirWidthsTextsAndHiddenColumnsKept)
{
    for (int c = 0; c < 3; ++c) Grid->SetCells(c, 2, "c" + std::to_string(c));
    Grid->SetColWidths(2, 70);
    Grid->HideColumn(1);
    Grid->InsertCols(1, 2);  // before the hidden real column 1
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->Cells(0, 2), "c0");
    EXPECT_EQ(Grid->Cells(1, 2), "");
    EXPECT_EQ(Grid->Cells(2, 2), "");
    EXPECT_EQ(Grid->Cells(3, 2), "c2");
    EXPECT_EQ(Grid->ColWidths(3), 70);
    EXPECT_EQ(Grid->ColWidths(1), Grid->DefaultColWidth());
    EXPECT_TRUE(Grid->IsHiddenColumn(3));
    Grid->UnHideColumn(3);
    EXPECT_EQ(Grid->Cells(3, 2), "c1");
    EXPECT_EQ(Grid->Cells(4, 2), "c2");
    Grid->AddColumn();
    EXPECT_EQ(Grid->ColCount(), 6);
}

TEST_F(ExtGridRowOpsTest, RemovingColumnsCutsAHugeCountAtTheLastStoredColumn)
{
    Grid->SetColCount(5);
    for (int c = 0; c < 5; ++c) Grid->SetCells(c, 1, "c" + std::to_string(c));
    Grid->HideColumn(4);
    Grid->RemoveCols(2, 1000);
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->NumHiddenColumns(), 0);
    EXPECT_EQ(Grid->Cells(0, 1), "c0");
    EXPECT_EQ(Grid->Cells(1, 1), "c1");
    Grid->SetColCount(4);
    EXPECT_EQ(Grid->Cells(2, 1), "");  // removed cells do not come back
    EXPECT_EQ(Grid->Cells(3, 1), "");
}

TEST_F(ExtGridRowOpsTest, RemovingAColumnBeforeAHiddenOneKeepsTheHiddenCells)
{
    Grid->SetColCount(5);
    for (int c = 0; c < 5; ++c) Grid->SetCells(c, 1, "c" + std::to_string(c));
    Grid->HideColumn(3);
    Grid->RemoveCols(1, 1);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_TRUE(Grid->IsHiddenColumn(2));
    Grid->UnHideColumnsAll();
    EXPECT_EQ(Grid->Cells(1, 1), "c2");
    EXPECT_EQ(Grid->Cells(2, 1), "c3");
    EXPECT_EQ(Grid->Cells(3, 1), "c4");
}

TEST_F(ExtGridRowOpsTest, SelectedOrUnselectedRowsAreHiddenAndComeBackInPlace)
{
    Grid->SetSelection(rtl::Rect(1, 2, 2, 3));
    Grid->HideSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 1, 4, 5, 6, 7}));
    Grid->UnHideRowsAll();

    // Flags stay with their rows while rows are hidden only when they are kept by real row.
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->MouseActions().SetRowSelectPersistent(true);
    for (int r : {2, 5}) Grid->SetRowSelect(r, true);
    Grid->HideUnSelectedRows();
    EXPECT_EQ(Column1(), Rows({0, 2, 5}));
    Grid->UnHideRowsAll();
    EXPECT_EQ(Column1(), Rows({0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ExtGridRowOpsTest, SelectedOrUnselectedColumnsAreRemoved)
{
    Grid->SetColCount(6);
    auto row1 = [this] {
        std::vector<std::string> texts;
        for (int c = 0; c < Grid->ColCount(); ++c) texts.push_back(Grid->Cells(c, 1));
        return texts;
    };
    for (int c = 0; c < 6; ++c) Grid->SetCells(c, 1, "c" + std::to_string(c));
    Grid->SetSelection(rtl::Rect(2, 1, 3, 2));
    Grid->RemoveSelectedCols();
    EXPECT_EQ(row1(), (std::vector<std::string>{"c0", "c1", "c4", "c5"}));
    Grid->SetSelection(rtl::Rect(2, 1, 2, 1));
    Grid->RemoveUnSelectedCols();
    EXPECT_EQ(row1(), (std::vector<std::string>{"c0", "c4"}));
}

TEST_F(ExtGridRowOpsTest, RowsWhoseCheckBoxIsInTheGivenStateAreRemoved)
{
    for (bool removeChecked : {true, false}) {
        TearDown();
        SetUp();
        for (int r = 1; r < 8; ++r) Grid->AddCheckBox(2, r, r == 3 || r == 6, false);
        Grid->RemoveCheckedRows(2, removeChecked);
        if (removeChecked) EXPECT_EQ(Column1(), Rows({0, 1, 2, 4, 5, 7}));
        else EXPECT_EQ(Column1(), Rows({0, 3, 6}));
    }
}

TEST_F(ExtGridRowOpsTest, DisablingTheCurrentRowMovesTheCursorAndTheStateFollowsRowMoves)
{
    EXPECT_FALSE(Grid->UseEnabledRows());
    EXPECT_TRUE(Grid->RowEnabled(5));
    Grid->SetRow(1);
    Grid->SetRowEnabled(2, false);
    Grid->SetRowEnabled(1, false);  // the current row: the cursor goes to the first other enabled row
    EXPECT_TRUE(Grid->UseEnabledRows());
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_FALSE(Grid->RowEnabled(1));
    EXPECT_TRUE(Grid->RowEnabled(100));  // beyond the written rows: enabled
    Grid->InsertRows(1, 1);
    for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_EQ(Grid->RowEnabled(r), r != 2 && r != 3) << r;
}
