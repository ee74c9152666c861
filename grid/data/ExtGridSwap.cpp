// The string grid's exchange of two whole columns or rows with their cells, objects and sizes.
#include <utility>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"

namespace grid {

// Texts and property objects change places; each object learns its new cell.
void TExtStringGrid::SwapStoredCells(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const std::string text1 = GetGridCell(ACol1, ARow1);
    SetGridCell(ACol1, ARow1, GetGridCell(ACol2, ARow2));
    SetGridCell(ACol2, ARow2, text1);
    TCellProperties* p1 = GetCellPropsDirect(ACol1, ARow1);
    TCellProperties* p2 = GetCellPropsDirect(ACol2, ARow2);
    SetCellPropsDirect(ACol1, ARow1, p2);
    SetCellPropsDirect(ACol2, ARow2, p1);
    if (p2 != nullptr) {
        p2->SetOwnerCol(ACol1);
        p2->SetOwnerRow(ARow1);
    }
    if (p1 != nullptr) {
        p1->SetOwnerCol(ACol2);
        p1->SetOwnerRow(ARow2);
    }
}

// Displayed columns; the sort column follows a swapped column. Sort order and row flags stay.
void TExtStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= ColCount() || ACol2 >= ColCount()) return;
    for (int r = 0; r < RowCount(); ++r) SwapStoredCells(ACol1, r, ACol2, r);
    const int width = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, width);
    if (SortSettings().Column() == ACol1)
        SortSettings().SetColumn(ACol2);
    else if (SortSettings().Column() == ACol2)
        SortSettings().SetColumn(ACol1);
    Invalidate();
}

// The cells of hidden columns, stored after ColCount, change rows with the shown ones.
void TExtStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    for (int c = 0; c < TotalColCount(); ++c) SwapStoredCells(c, ARow1, c, ARow2);
    const int height = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height);
    Invalidate();
}

}  // namespace grid
