// Repaint bands, focus moves, disjunct row and column runs and the selection counts of the string grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class SelectionRunsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(10, 20, 400, 250);
        Grid->SetColCount(5);
        Grid->SetRowCount(10);
        Grid->SetOptions(Grid->Options() | ui::goRangeSelect | ui::goEditing);
        Form->Show();
        Form->PaintPending();
    }
    bool PendingRepaint(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        const rtl::TPoint p = Grid->ClientToScreen({(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2});
        return Form->UpdateRegion().Contains(p.X - Form->Left(), p.Y - Form->Top());
    }
    std::vector<int> FlaggedRows()
    {
        std::vector<int> rows;
        for (int r = 0; r < Grid->RowCount(); ++r)
            if (Grid->RowSelect(r)) rows.push_back(r);
        return rows;
    }
};

TEST_F(SelectionRunsTest, RepaintRowAndColInvalidateTheirBandOnly)
{
    ASSERT_TRUE(Form->UpdateRegion().IsEmpty());
    Grid->RepaintRow(3);
    EXPECT_TRUE(PendingRepaint(0, 3));
    EXPECT_TRUE(PendingRepaint(4, 3));
    EXPECT_FALSE(PendingRepaint(2, 4));
    Form->PaintPending();
    Grid->RepaintCol(2);
    EXPECT_TRUE(PendingRepaint(2, 1));
    EXPECT_TRUE(PendingRepaint(2, 6));
    EXPECT_FALSE(PendingRepaint(2, 0));  // the fixed row is not part of the column band
    EXPECT_FALSE(PendingRepaint(3, 6));
    Form->PaintPending();
    Grid->RepaintActiveHeaders(1, 2, 3, 4);
    EXPECT_TRUE(PendingRepaint(1, 0));
    EXPECT_TRUE(PendingRepaint(0, 2));
    EXPECT_TRUE(PendingRepaint(3, 0));
    EXPECT_TRUE(PendingRepaint(0, 4));
    EXPECT_FALSE(PendingRepaint(1, 2));
}

TEST_F(SelectionRunsTest, FocusMovesSetCurrentCellAndSelection)
{
    Grid->SelectRange(1, 3, 2, 5);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 3, 5}));
    Grid->FocusCell(2, 7);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{2, 7, 2, 7}));
    EXPECT_EQ(Grid->Col(), 2);
    Grid->GotoCell(4, 1);
    EXPECT_EQ(Grid->Col(), 4);
    EXPECT_EQ(Grid->Row(), 1);
    Grid->MoveCurrentCell(1, 9);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 9, 1, 9}));
    EXPECT_GE(Grid->TopRow() + Grid->VisibleRowCount(), 9);  // scrolled into view
}

TEST_F(SelectionRunsTest, EditCellOpensTheEditorOverTheCell)
{
    Grid->SetCells(2, 3, "abc");
    Grid->EditCell(2, 3);
    EXPECT_TRUE(Grid->EditorMode());
    ASSERT_NE(Grid->NormalEdit(), nullptr);
    EXPECT_TRUE(Grid->NormalEdit()->Focused());  // the grid took the focus and gave it to its editor
    EXPECT_EQ(Grid->NormalEdit()->Text(), "abc");
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(SelectionRunsTest, RowRunsClipAtTheLastRowAndNeedDisjunctSelectionToUnselect)
{
    Grid->SelectRows(2, 100);
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 4, 9}));
    EXPECT_EQ(Grid->RowSelectCount(), 8);
    Grid->UnSelectRows(2, 3);  // without disjunct selection: nothing
    EXPECT_EQ(Grid->Selection(), (rtl::TRect{1, 2, 4, 9}));

    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->SelectRows(2, 100);
    EXPECT_EQ(FlaggedRows(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    Grid->UnSelectRows(3, 2);
    EXPECT_EQ(FlaggedRows(), (std::vector<int>{2, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Grid->RowSelectCount(), 6);
    Grid->ClearRowSelect();
    EXPECT_EQ(Grid->RowSelectCount(), 0);
    Grid->SelectAll();
    EXPECT_EQ(Grid->RowSelectCount(), 9);
}

TEST_F(SelectionRunsTest, SelectRowRangeCopiesTheRectangleAndReportsChange)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->SetSelection(rtl::TRect{1, 3, 2, 5});
    EXPECT_TRUE(Grid->SelectRowRange(false));
    EXPECT_EQ(FlaggedRows(), (std::vector<int>{3, 4, 5}));
    EXPECT_FALSE(Grid->SelectRowRange(true));  // same top as last time: nothing
    Grid->SetSelection(rtl::TRect{1, 6, 2, 7});
    EXPECT_TRUE(Grid->SelectRowRange(true));  // All clears the rows outside
    EXPECT_EQ(FlaggedRows(), (std::vector<int>{6, 7}));
}

TEST_F(SelectionRunsTest, ColumnFlagsFireTheirEventsAndObeyAVeto)
{
    std::vector<std::string> events;
    bool allow = true;
    Grid->OnColDisjunctSelect = [&](rtl::TObject*, int c, bool& a) {
        events.push_back("ask " + std::to_string(c));
        a = allow;
    };
    Grid->OnColDisjunctSelected = [&](rtl::TObject*, int c) { events.push_back("done " + std::to_string(c)); };
    Grid->SetColSelect(2, true);
    Grid->SetColSelect(2, true);  // no change: no event
    allow = false;
    Grid->SetColSelect(3, true);
    EXPECT_EQ(events, (std::vector<std::string>{"ask 2", "done 2", "ask 3"}));
    EXPECT_TRUE(Grid->ColSelect(2));
    EXPECT_FALSE(Grid->ColSelect(3));
    EXPECT_THROW(Grid->SetColSelect(5, true), grid::VIdoZovuVozir);
    EXPECT_THROW(Grid->ColSelect(-1), grid::VIdoZovuVozir);
}

TEST_F(SelectionRunsTest, ColumnRunsAndCounts)
{
    Grid->SetSelection(rtl::TRect{1, 1, 3, 2});
    EXPECT_EQ(Grid->ColSelectCount(), 3);
    Grid->UnSelectCols(1, 2);  // without disjunct selection: nothing
    Grid->MouseActions().SetDisjunctColSelect(true);
    Grid->SelectCols(1, 10);
    EXPECT_EQ(Grid->ColSelectCount(), 4);
    Grid->UnSelectCols(2, 2);
    EXPECT_EQ(Grid->ColSelectCount(), 2);
    Grid->ClearColSelect();
    EXPECT_EQ(Grid->ColSelectCount(), 0);
    Grid->SetSelection(rtl::TRect{2, 1, 3, 2});
    Grid->SelectColRange(false);
    EXPECT_FALSE(Grid->ColSelect(1));
    EXPECT_TRUE(Grid->ColSelect(2));
    EXPECT_TRUE(Grid->ColSelect(3));
}

TEST_F(SelectionRunsTest, PersistentRowSelectFarBeyondTheGridIsUnselectedWithoutGrowing)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Grid->MouseActions().SetRowSelectPersistent(true);
    Grid->SetRowSelect(4, true);
    EXPECT_FALSE(Grid->RowSelect(2000000000));
    EXPECT_FALSE(Grid->RowSelect(-5));
    EXPECT_TRUE(Grid->RowSelect(4));
    EXPECT_EQ(Grid->RowSelectCount(), 1);
}

}  // namespace
