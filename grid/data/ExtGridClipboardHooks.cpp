// Clipboard hooks of the string grid: the formatted-clipboard query, widening a selection over merged cells, the paste hooks and modified-row marks.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"

namespace grid {

bool TExtStringGrid::AllowFormattedClipboard() { return Navigation().AllowFmtClipboard(); }

// Merged blocks are stored at the displayed columns the selection is in.
void TExtStringGrid::AdjustSelectionForMerge()
{
    rtl::TRect s = Selection();
    rtl::TRect adjusted = s;
    if (IsMergedCell(s.Left, s.Top)) {
        rtl::TPoint base = BaseCell(s.Left, s.Top);
        adjusted.Left = std::min(adjusted.Left, base.X);
        adjusted.Top = std::min(adjusted.Top, base.Y);
    }
    if (IsMergedCell(s.Right, s.Bottom)) {
        rtl::TPoint base = BaseCell(s.Right, s.Bottom);
        rtl::TPoint span = CellSpan(s.Right, s.Bottom);
        adjusted.Right = std::max(adjusted.Right, base.X + std::max(span.X, 0));
        adjusted.Bottom = std::max(adjusted.Bottom, base.Y + std::max(span.Y, 0));
    }
    if (adjusted != s) SetSelection(adjusted);
}

// Hooks for descendants around every paste of a cell block: nothing to do in the grid.
void TExtStringGrid::BeforePasteCells() {}
void TExtStringGrid::AfterPasteCells() {}

// The rows are marked by their real index, as painting reads the marks.
void TExtStringGrid::MarkRowsModified(rtl::TPoint /*FromPoint*/, const rtl::TRect& R, TClipOperation /*LastOp*/)
{
    if (!ShowModified().Enabled()) return;
    for (int r = std::min(R.Top, R.Bottom); r <= std::max(R.Top, R.Bottom); ++r) SetRowModified(RealRowIndex(r), true);
}

}  // namespace grid
