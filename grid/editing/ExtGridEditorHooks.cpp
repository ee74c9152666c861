// String grid editing hooks: editor key and caret hooks, block focus, the remembered old value and cell cache.
#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"

namespace grid {

// --- hooks of the default in-place editor: nothing to do in the grid itself

void TExtStringGrid::EditorKeyDown(ui::WORD&, ui::TShiftState) {}
void TExtStringGrid::EditorKeyMessage(ui::TMessage&) {}
void TExtStringGrid::SetFormulaEditing(bool) {}
void TExtStringGrid::EditorCaretChanged(const std::string&, rtl::TPoint, int) {}

TExtInplaceEdit* TExtStringGrid::NormalEdit() const { return dynamic_cast<TExtInplaceEdit*>(FInplaceEdit); }

// --- edit permission and selection

void TExtStringGrid::DisableEditing() { SetOptions(Options() & ~ui::goEditing); }

bool TExtStringGrid::SelectionVisible()
{
    if (!ShowSelection()) return false;
    if (!AutoHideSelection()) return true;
    return Focused();
}

// ACol is a real column: both writes go to the cell it is shown (stored) at.
void TExtStringGrid::SetCellFromEditor(int ACol, int ARow, const std::string& Value)
{
    const int shown = DisplColIndex(ACol);
    SetEditText(shown, ARow, Value);
    SetCellEx(shown, ARow, Value);
}

// --- block focus

void TExtStringGrid::StartBlockFocus()
{
    if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExtStringGrid::EndBlockFocus()
{
    if (OnEndBlockFocus) OnEndBlockFocus(this);
}

// --- the value an edit is validated against

void TExtStringGrid::SaveOldCellValue(int ACol, int ARow)
{
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetStoredCell(ACol, ARow);
    FOldModifiedValue = FModified;
}

void TExtStringGrid::RestoreCellCache() { SetCurrentCell(FCellCache); }

}  // namespace grid
