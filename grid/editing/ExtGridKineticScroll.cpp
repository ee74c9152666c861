// String grid kinetic scrolling: after a quick touch flick the view keeps moving ten steps on a 10 ms timer.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

constexpr int KineticSteps = 10;
constexpr unsigned KineticIntervalMs = 10;

}  // namespace

void TExtStringGrid::StartKineticScroll(int Delta, bool Horizontal)
{
    if (FScrollTimer == nullptr) {
        FScrollTimer = new ui::TTimer(this);
        FScrollTimer->SetEnabled(false);
        FScrollTimer->OnTimer = [this](rtl::TObject*) { ScrollStepTimer(); };
    }
    FScrollDelta = Delta;
    FScrollHorizontal = Horizontal;
    FScrollSteps = KineticSteps;
    FScrollEnd = true;
    FScrollTimer->SetInterval(KineticIntervalMs);
    FScrollTimer->SetEnabled(true);
}

// One step of the animation: the top row (left column) moves by the flick's direction,
// never above the first normal row (left of the first normal column).
void TExtStringGrid::ScrollStepTimer()
{
    if (FScrollSteps <= 0) {
        if (FScrollTimer != nullptr) FScrollTimer->SetEnabled(false);
        return;
    }
    if (FScrollHorizontal)
        SetLeftCol(std::max(FixedCols(), LeftCol() + FScrollDelta));
    else
        SetTopRow(std::max(FixedRows(), TopRow() + FScrollDelta));
    --FScrollSteps;
    FScrollEnd = false;
    if (FScrollSteps == 0) FScrollTimer->SetEnabled(false);
}

}  // namespace grid
