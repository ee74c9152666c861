// String grid end-of-edit announcement: OnEditingDone now, "GridEditDone" posted to the grid and handled when it arrives.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

void TExtStringGrid::PostEditMessage(int ACol, int ARow)
{
    const bool focusHelper = FocusHelper().Enabled();
    if (focusHelper) HideFocusWindow();
    if (OnEditingDone) OnEditingDone(this);
    if (focusHelper) ShowFocusWindow(CellRect(Col(), Row()));
    HideInplaceEdit();
    if (HandleAllocated())
        ui::PostMessage(Handle(), ui::RegisterWindowMessage("GridEditDone"), static_cast<ui::WPARAM>(ACol),
                        static_cast<ui::LPARAM>(ARow));
}

// The edit of the cell is over: OnEditCellDone; with EditOnDblClickOnly editing is switched
// off again until the next double click; the focus window goes once no edit is open.
void TExtStringGrid::GridEditDone(int ACol, int ARow)
{
    if (OnEditCellDone) OnEditCellDone(this, ACol, ARow);
    if (MouseActions().EditOnDblClickOnly()) {
        HideInplaceEdit();
        SetEditorMode(false);
        SetOptions(Options() & ~ui::goEditing);
    }
    if (!EditorMode() && FocusHelper().Enabled()) HideFocusWindow();
}

}  // namespace grid
