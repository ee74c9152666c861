// String grid update counting and editor closing: the bracket bulk operations put around their work.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

namespace grid {

void TExtStringGrid::BeginUpdate()
{
    if (!Visible()) return;
    ++FUpdateCount;
}

// An unbalanced EndUpdate (count already 0) changes nothing.
void TExtStringGrid::EndUpdate()
{
    if (!Visible() || FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount > 0 || HasState(rtl::csDestroying)) return;
    Invalidate();
}

void TExtStringGrid::HideInplaceEdit()
{
    if (!EditorMode()) return;
    UpdateText();
    HideEditor();
}

void TExtStringGrid::CellsChanged(const rtl::TRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    RecalcAllFooters();
}

// Without footer rows there is nothing to recalculate.
void TExtStringGrid::RecalcAllFooters() {}

void TExtStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
    FOldSize.X = Width();
}

}  // namespace grid
