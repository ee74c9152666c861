// Removing, inserting and exchanging whole rows of the string grid with their texts, cell objects and heights.
#include <utility>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

// A property object records its own cell and the grid reads a cell's text through it, so
// after rows move every object from FirstRow down is told its new row.
void RestampOwnerRows(TExtStringGrid& grid, int FirstRow)
{
    const int cols = grid.TotalColCount();
    for (int r = FirstRow; r < grid.RowCount(); ++r)
        for (int c = 0; c < cols; ++c)
            if (TCellProperties* props = grid.GetCellPropsDirect(c, r)) props->SetOwnerRow(r);
}

}  // namespace

// Rows below are shifted up over the removed ones; the property objects of the removed rows
// are freed by the base grid's row deletion.
void TExtStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RCount <= 0) return;
    if (RowIndex < 0 || RowIndex >= RowCount()) rtl::RaiseListIndexError(RowIndex);
    if (RowIndex + RCount > RowCount()) rtl::RaiseListIndexError(RowIndex + RCount - 1);
    BeginUpdate();
    for (int i = 0; i < RCount; ++i) DeleteRow(RowIndex);
    SetRowCount(RowCount());
    RestampOwnerRows(*this, RowIndex);
    EndUpdate();
}

// New empty rows of the default height go in at RowIndex (RowCount appends them).
void TExtStringGrid::InsertRows(int RowIndex, int RCount)
{
    if (RCount <= 0) return;
    if (RowIndex < 0 || RowIndex > RowCount()) rtl::RaiseListIndexError(RowIndex);
    BeginUpdate();
    const int oldCount = RowCount();
    SetRowCount(oldCount + RCount);
    for (int i = 0; i < RCount; ++i) {
        WipeRow(oldCount + i);
        MoveRow(oldCount + i, RowIndex + i);
    }
    RestampOwnerRows(*this, RowIndex);
    EndUpdate();
}

// Exchanges the texts, property objects and heights of two rows across all stored columns.
void TExtStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2) return;
    const int cols = TotalColCount();
    for (int c = 0; c < cols; ++c) {
        std::string text1 = ui::TStringGrid::Cells(c, ARow1);
        std::string text2 = ui::TStringGrid::Cells(c, ARow2);
        TCellProperties* props1 = GetCellPropsDirect(c, ARow1);
        TCellProperties* props2 = GetCellPropsDirect(c, ARow2);
        ui::TStringGrid::SetCells(c, ARow1, text2);
        ui::TStringGrid::SetCells(c, ARow2, text1);
        SetCellPropsDirect(c, ARow1, props2);
        SetCellPropsDirect(c, ARow2, props1);
        if (props2 != nullptr) props2->SetOwnerRow(ARow1);
        if (props1 != nullptr) props1->SetOwnerRow(ARow2);
    }
    const int height1 = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height1);
}

}  // namespace grid
