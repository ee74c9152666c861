// Controls placed over string grid cells: placement, hiding with hidden or scrolled-out rows, following a sort.
#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/ui/ExtCtrls.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class CellControlPlacementTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        Grid->SetColCount(4);
        Grid->SetRowCount(30);
        Form->Show();
        App->ProcessMessages();
    }
    ui::TPanel* NewPanel() { return new ui::TPanel(Form); }
    // The control covers the cell less its right and bottom grid line.
    void ExpectOverCell(ui::TControl* control, int ACol, int ARow)
    {
        rtl::TRect r = Grid->CellRect(ACol, ARow);
        EXPECT_TRUE(control->Visible());
        EXPECT_EQ(control->BoundsRect(), rtl::Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1)) << ACol << "," << ARow;
    }
};

TEST_F(CellControlPlacementTest, AControlIsPlacedOverItsCellAndCountedOnce)
{
    ui::TPanel* p = NewPanel();
    Grid->SetCellControls(2, 3, p);
    EXPECT_EQ(p->Parent(), Grid);
    EXPECT_EQ(Grid->GetCellControls(2, 3), p);
    EXPECT_EQ(Grid->NumCellControls(), 1);
    ExpectOverCell(p, 2, 3);

    // Replacing the control of a cell does not count it twice; removing and adding back
    // leaves the count where it was.
    ui::TPanel* q = NewPanel();
    Grid->SetCellControls(2, 3, q);
    EXPECT_EQ(Grid->NumCellControls(), 1);
    Grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(Grid->NumCellControls(), 0);
    EXPECT_EQ(Grid->GetCellControls(2, 3), nullptr);
    Grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(Grid->NumCellControls(), 0);
    Grid->SetCellControls(2, 3, q);
    EXPECT_EQ(Grid->NumCellControls(), 1);
    EXPECT_EQ(Grid->GetCellControls(1, 1), nullptr);
}

TEST_F(CellControlPlacementTest, AControlIsHiddenWithItsRowAndBackOverItsCellWhenTheRowShowsAgain)
{
    ui::TPanel* p = NewPanel();
    Grid->SetCellControls(1, 5, p);
    Grid->HideRow(5);
    Grid->CellControlsUpdate(false);
    EXPECT_FALSE(p->Visible());
    // A rebuild of the list keeps the control of the hidden row.
    Grid->CellControlsUpdate(true);
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(Grid->NumCellControls(), 1);
    Grid->UnHideRow(5);
    Grid->CellControlsUpdate(true);
    ExpectOverCell(p, 1, 5);
}

TEST_F(CellControlPlacementTest, HidingAColumnHidesItsControlAndMovesTheControlsRightOfIt)
{
    ui::TPanel* inHidden = NewPanel();
    ui::TPanel* right = NewPanel();
    Grid->SetCellControls(1, 2, inHidden);
    Grid->SetCellControls(3, 2, right);
    Grid->HideColumn(1);
    Grid->CellControlsUpdate(true);
    EXPECT_FALSE(inHidden->Visible());
    ExpectOverCell(right, 2, 2);
    EXPECT_EQ(Grid->NumCellControls(), 2);
    Grid->UnHideColumn(1);
    Grid->CellControlsUpdate(false);
    ExpectOverCell(inHidden, 1, 2);
    ExpectOverCell(right, 3, 2);
}

TEST_F(CellControlPlacementTest, ScrollingOutHidesNormalCellControlsButFixedOnesStay)
{
    ui::TPanel* normal = NewPanel();
    ui::TPanel* fixedCol = NewPanel();
    Grid->SetCellControls(2, 2, normal);
    Grid->SetCellControls(0, 20, fixedCol);
    Grid->CellControlsUpdate(false);
    EXPECT_TRUE(normal->Visible());

    Grid->SetTopRow(15);
    Grid->CellControlsUpdate(false);
    EXPECT_FALSE(normal->Visible());
    ExpectOverCell(fixedCol, 0, 20);

    Grid->SetTopRow(1);
    Grid->CellControlsUpdate(false);
    ExpectOverCell(normal, 2, 2);
}

TEST_F(CellControlPlacementTest, AfterASortTheControlIsOverTheCellItsRowMovedTo)
{
    const char* texts[] = {"pea", "bean", "wheat", "oat"};
    for (int i = 0; i < 4; ++i) Grid->SetCells(1, i + 1, texts[i]);
    Grid->SetRowCount(5);
    ui::TPanel* p = NewPanel();
    Grid->SetCellControls(2, 3, p);  // the row of "wheat"
    Grid->Sort(1, grid::sdAscending);
    ASSERT_EQ(Grid->Cells(1, 4), "wheat");
    EXPECT_EQ(Grid->GetCellControls(2, 4), p);
    ExpectOverCell(p, 2, 4);
}

TEST_F(CellControlPlacementTest, InsertedAndRemovedRowsMoveTheControlWithItsRow)
{
    ui::TPanel* p = NewPanel();
    Grid->SetCellControls(1, 5, p);
    Grid->InsertRows(2, 2);
    ExpectOverCell(p, 1, 7);
    Grid->RemoveRows(1, 3);
    ExpectOverCell(p, 1, 4);
    // The control of a removed row goes with it and is not left over another cell.
    Grid->RemoveRows(4, 1);
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(Grid->NumCellControls(), 0);
}

TEST_F(CellControlPlacementTest, ResizingTheGridPlacesTheControlsAgain)
{
    ui::TPanel* p = NewPanel();
    Grid->SetCellControls(2, 2, p);
    p->SetBounds(0, 0, 5, 5);
    Grid->SetBounds(Grid->Left(), Grid->Top(), Grid->Width() + 20, Grid->Height());
    ExpectOverCell(p, 2, 2);
}

}  // namespace
