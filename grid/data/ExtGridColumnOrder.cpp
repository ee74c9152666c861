// Recorded column order of the string grid: translating positions, restoring the order, finding columns by header.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/data/ExtGridHiddenRows.h"

namespace grid {

// The platform move has already carried the cells and the width; the entry of the moved
// column follows it so that the list keeps naming the recorded index at every position.
// Moves made while no order is recorded (or beyond the recorded positions) leave it alone,
// and so does grouping: it takes the group column out of view and puts it back, which the
// translations account for through the group column.
void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    ColumnMovedFollowUp(FromIndex, ToIndex);
    const int n = FColumnOrder->Count();
    if (FIsGrouping || FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= n || ToIndex >= n) return;
    std::vector<int> order = FColumnOrder->Values();
    const int moved = order[static_cast<std::size_t>(FromIndex)];
    order.erase(order.begin() + FromIndex);
    order.insert(order.begin() + ToIndex, moved);
    for (int p = std::min(FromIndex, ToIndex); p <= std::max(FromIndex, ToIndex); ++p)
        FColumnOrder->SetInteger(p, order[static_cast<std::size_t>(p)]);
}

int TExtStringGrid::ColumnPosition(int ACol)
{
    if (FColumnOrder->Count() == 0) return ACol;
    int result = ACol;
    for (int p = 0; p < FColumnOrder->Count(); ++p)
        if (FColumnOrder->GetInteger(p) == ACol) {
            result = p;
            break;
        }
    if (FGroupColumn != -1 && ACol >= FGroupColumn) --result;
    return result;
}

int TExtStringGrid::ColumnAtPosition(int ACol)
{
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    if (ACol < 0 || ACol >= FColumnOrder->Count()) return ACol;
    int result = FColumnOrder->GetInteger(ACol);
    if (FGroupColumn != -1 && result >= FGroupColumn) ++result;
    return result;
}

void TExtStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // A recorded order that is a permutation settles within ColCount passes; the cap
    // keeps a damaged list (a repeated entry) from moving columns forever.
    for (int pass = 0; pass <= ColCount(); ++pass) {
        bool moved = false;
        for (int p = 0; p < ColCount() && p < FColumnOrder->Count(); ++p) {
            const int target = FColumnOrder->GetInteger(p);
            if (target < p && target >= 0) {
                MoveColumn(p, target);
                moved = true;
            }
        }
        if (!moved) break;
    }
}

std::string TExtStringGrid::GetOriginalCells(int ACol, int ARow)
{
    const int pos = ColumnPosition(ACol);
    return GetCellEx(pos == -1 ? ACol : pos, ARow);
}

void TExtStringGrid::SetOriginalCells(int ACol, int ARow, const std::string& Value)
{
    const int pos = ColumnPosition(ACol);
    SetCellEx(pos == -1 ? ACol : pos, ARow, Value);
}

int TExtStringGrid::ColumnByHeader(const std::string& AValue)
{
    // Row 0 is addressed as a real row: when hidden, its saved texts (real column order) count.
    // The result is the storage column either way, so the saved text is read at c's real column.
    const TGridItem* saved = nullptr;
    for (int i = 0; i < GridItemCount() && saved == nullptr; ++i)
        if (GridItems(i).Idx() == 0) saved = &GridItems(i);
    for (int c = 0; c < TotalColCount(); ++c) {
        std::string text;
        const int real = RealColIndex(c);
        if (saved != nullptr)
            text = real < saved->Items().Count() ? saved->Items()[real] : std::string();
        else
            text = GetCellEx(c, RemapRowRealToDispl(0));
        if (text == AValue) return c;
    }
    return -1;
}

}  // namespace grid
