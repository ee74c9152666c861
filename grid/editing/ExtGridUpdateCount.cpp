// String grid update counting and editor closing: the bracket bulk operations put around their work.
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

// An unbalanced EndUpdate (count already 0) changes nothing.
void TExtStringGrid::EndUpdate()
{
    if (!Visible() || FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount > 0 || HasState(rtl::csDestroying)) return;
    if (HandleAllocated()) Perform(ui::WM_SETREDRAW, 1, 0);
    Invalidate();
    if (FNumCellControls > 0) CellControlsUpdate(false);
}

void TExtStringGrid::HideInplaceEdit()
{
    if (!EditorMode()) return;
    if (SpecialEditorOpen()) {
        HideSpecialEditor(Col(), Row());
        return;
    }
    UpdateText();
    HideEditor();
}

void TExtStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
    FOldSize.X = Width();
}

}  // namespace grid
