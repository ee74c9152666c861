// Showing every suppressed row again except the children of contracted nodes.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

namespace grid {

namespace {

// True while displayed row ARow still belongs to the span of the contracted node at real
// row NodeReal: within Span real rows, or up to the next node row when the span is open.
bool InContractedSpan(TExtStringGrid& Grid, int ARow, int NodeReal, int Span)
{
    if (Grid.IsNode(ARow)) return false;
    return Span <= 0 || Grid.RealRowIndex(ARow) < NodeReal + Span;
}

}  // namespace

// Rows are restored as UnSuppressAllRows restores them; a contracted node row and the rows
// of its span keep their heights, and the saved heights stay as they are.
void TExtStringGrid::UnSuppressAllOpenRows()
{
    TIntList& sizes = *FSuppressRowSizes;
    int r = 0;
    while (r < RowCount()) {
        if (IsNode(r) && GetNodeState(r)) {
            const int nodeReal = RealRowIndex(r);
            const int span = GetNodeSpan(r);
            ++r;
            while (r < RowCount() && InContractedSpan(*this, r, nodeReal, span)) ++r;
            continue;
        }
        const int slot = RealRowIndex(r);  // saved heights are kept by real row
        if (slot < sizes.Count() && sizes.Items(slot) > 0 && RowHeights(r) == 0) SetRowHeights(r, sizes.Items(slot));
        ++r;
    }
}

}  // namespace grid
