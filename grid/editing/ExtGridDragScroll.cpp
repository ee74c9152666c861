// String grid drag scrolling: something dragged near an edge scrolls the grid that way on a timer (DragScrollOptions, OnDragScroll).
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/ui/Timers.h"

namespace grid {

void TExtStringGrid::StopDragScroll()
{
    delete FDragScrollTimer;
    FDragScrollTimer = nullptr;
    FDragScrollDirections = 0;
}

void TExtStringGrid::DragScrollOver(rtl::TPoint Point, bool Leaving)
{
    const TDragScrollOptions& o = DragScrollOptions();
    if (!o.Active() || Leaving) {
        StopDragScroll();
        return;
    }
    const bool wasEmpty = FDragScrollDirections == 0;
    TDragScrollDirections d = 0;
    if (Point.Y < o.Margins().TopMargin()) d |= dsdUp;
    else if (Point.Y > Height() - o.Margins().BottomMargin()) d |= dsdDown;
    if (Point.X < o.Margins().LeftMargin()) d |= dsdLeft;
    else if (Point.X > Width() - o.Margins().RightMargin()) d |= dsdRight;
    if (d == 0) {
        StopDragScroll();
        return;
    }
    FDragScrollDirections = d;
    if (FDragScrollTimer == nullptr) {
        FDragScrollTimer = new ui::TTimer(this);
        FDragScrollTimer->SetEnabled(false);
        FDragScrollTimer->OnTimer = [this](rtl::TObject*) { DragScrollTimer(); };
        FDragScrollTimer->SetInterval(static_cast<unsigned>(std::max(1, o.Delays().InitialDelay())));
        FDragScrollTimer->SetEnabled(true);
    } else if (wasEmpty) {
        FDragScrollTimer->SetInterval(static_cast<unsigned>(std::max(1, o.Delays().InitialDelay())));
    }
}

// One scroll step towards the edges the drag is near; OnDragScroll may change the
// directions or refuse the step.
void TExtStringGrid::DragScrollTimer()
{
    const TDragScrollOptions& o = DragScrollOptions();
    if (!o.Active()) {
        // Deleting the timer from inside its own tick is left to the next message.
        if (FDragScrollTimer != nullptr) FDragScrollTimer->SetEnabled(false);
        FDragScrollDirections = 0;
        return;
    }
    FDragScrollTimer->SetInterval(static_cast<unsigned>(std::max(1, o.Delays().RepeatDelay())));
    TDragScrollDirections d = FDragScrollDirections;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), d, canScroll);
        if (!canScroll) return;
    }
    if ((d & dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if ((d & dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((d & dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((d & dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

}  // namespace grid
