// String grid update counting: the bracket bulk operations put around their work.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "platform/ui/Messages.h"

namespace grid {

// Painting stops at the outermost level: the window's redrawing is switched off.
void TExtStringGrid::BeginUpdate()
{
    if (!Visible()) return;
    if (FUpdateCount++ == 0 && HandleAllocated()) Perform(ui::WM_SETREDRAW, 0, 0);
}

// A positive count always goes down, also while the grid is hidden: a bracket whose
// BeginUpdate ran while the grid was shown and whose EndUpdate runs after it was hidden
// must not leave the grid locked (and editing blocked) for good. Only the window effects
// of the release depend on visibility.
void TExtStringGrid::EndUpdate()
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (!Visible() || FUpdateCount > 0 || HasState(rtl::csDestroying)) return;
    if (HandleAllocated()) Perform(ui::WM_SETREDRAW, 1, 0);
    Invalidate();
    if (FNumCellControls > 0) CellControlsUpdate(false);
}

void TExtStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
    FOldSize.X = Width();
}

}  // namespace grid
