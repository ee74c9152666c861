// Storing cell texts with undo registration.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"

namespace grid {

// The undo step names the column the text is stored at (a displayed column is its own
// storage column; hidden columns keep their cells beyond ColCount), so undoing writes the
// same cell. A check box whose state is not its text takes the state.
void TExtStringGrid::StoreCellText(int ACol, int ARow, const std::string& Value)
{
    if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(ACol, ARow, GetCellEx(ACol, ARow), Value);
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctTriStateCheckBox) SetCheckBoxState(ACol, ARow, Value == CheckTrue());
    else SetCellEx(ACol, ARow, Value);
}

}  // namespace grid
