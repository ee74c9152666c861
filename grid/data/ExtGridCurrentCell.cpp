// The string grid's current cell as text: read and written at the base cell of a merged block, stored or displayed.
#include "grid/core/ExtGrid.h"

namespace grid {

// A displayed column is its own storage column, so the focused column addresses the cell
// directly; inside a merged block the text lives in the block's base cell.

std::string TExtStringGrid::GetCurrentCell()
{
    const rtl::TPoint base = BaseCell(Col(), Row());
    return GetGridCell(base.X, base.Y);
}

void TExtStringGrid::SetCurrentCell(const std::string& Value)
{
    const rtl::TPoint base = BaseCell(Col(), Row());
    SetCellEx(base.X, base.Y, Value);
}

std::string TExtStringGrid::GetCurrentCellText()
{
    const rtl::TPoint base = BaseCell(Col(), Row());
    return GetCellEx(base.X, base.Y);
}

std::string TExtStringGrid::GetStoredCell(int ACol, int ARow) { return GetGridCell(ACol, ARow); }

}  // namespace grid
