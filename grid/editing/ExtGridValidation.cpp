// String grid validation of an edit and the cell-selection query that guards every move of the current cell.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/ExtStringGridCheck.h"
#include "grid/foundation/ExtUtilCellText.h"

namespace grid {

namespace {

// The start of a cell text that holds escaped wide text.
constexpr std::string_view WideTextMarker = "|\\";

}  // namespace

// --- validation

// NewValue is checked against the text the cell had when the edit started (not against
// what code may have written into the cell since). An accepted change sets Modified, is
// recorded for undo and reported through OnCellsChanged; a refused one never stays in the
// cell.
bool TExtStringGrid::ValidateCell(const std::string& NewValue)
{
    if (!FEditing || FValidating) return true;
    // An edit that started on escaped wide text is checked as the text the user sees.
    if (FOldCellText.starts_with(WideTextMarker)) return ValidateCellWide(DecodeUnicodeEscapes(NewValue));
    FEditing = false;
    FValidating = true;
    bool valid = true;
    try {
        const int acol = RealColIndex(FOldCol);
        const int arow = FOldRow;
        FNewCellText = NewValue;
        const bool changed = NewValue != FOldCellText;
        if (changed || AlwaysValidate()) {
            const bool advance = Navigation().AdvanceOnEnter();
            Navigation().SetAdvanceOnEnter(false);
            auto* checker = dynamic_cast<TExtStringGridCheck*>(CellChecker());
            std::string value = NewValue;
            if (checker != nullptr && checker->AutoCorrect()) value = checker->Correct(acol, arow, value);
            ValidateCell(acol, arow, value, valid);
            if (checker != nullptr && checker->AutoMarkError()) value = checker->MarkError(acol, arow, value);
            if (value != FOldCellText) {
                FModified = true;
                if (FixedCols() > 0) {
                    SetRowModified(arow, true);
                    if (ShowModified().Enabled()) RepaintCell(0, arow);
                }
            }
            if (valid) RecalcFooter(acol);
            // Only a change is recorded: an undo step that writes what is already there
            // would make Undo look as if it did nothing.
            if (valid && changed && UndoRedo() != nullptr) UndoRedo()->RegisterChange(acol, arow, FOldCellText, value);
            if (valid && changed) CellsChanged(rtl::TRect{acol, arow, acol, arow});
            Navigation().SetAdvanceOnEnter(advance);
            FNewCellText = value;
            if (valid) SetCellEx(FOldCol, arow, value);
            else RefuseValue(value, NewValue);
        }
    } catch (...) {
        SaveOldCellValue(Col(), Row());
        FValidating = false;
        throw;
    }
    // After a refusal the edit stays open against its original text.
    if (valid) SaveOldCellValue(Col(), Row());
    FValidating = false;
    if (valid && FocusHelper().Enabled()) HideFocusWindow();
    return valid;
}

// The wide-text counterpart: OnCellValidateWide checks the plain text against the plain
// text the edit started from; an accepted value is stored escaped, recorded for undo and
// reported like any other, a refused one never stays in the cell.
bool TExtStringGrid::ValidateCellWide(const std::string& NewValue)
{
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    try {
        const int acol = RealColIndex(FOldCol);
        const int arow = FOldRow;
        const std::string oldText = DecodeUnicodeEscapes(FOldCellText);
        FNewCellText = NewValue;
        const bool changed = NewValue != oldText;
        if (changed || AlwaysValidate()) {
            RecalcFooter(acol);
            std::string value = NewValue;
            ValidateCellWide(acol, arow, value, valid);
            if (valid) {
                const std::string stored = EncodeUnicodeEscapes(value);
                if (value != oldText) {
                    FModified = true;
                    if (FixedCols() > 0) SetRowModified(arow, true);
                    if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(acol, arow, FOldCellText, stored);
                }
                SetCellEx(FOldCol, arow, stored);
                if (changed) CellsChanged(rtl::TRect{acol, arow, acol, arow});
            } else {
                // The cell and a reopened editor get the texts as RefuseValue sets them,
                // escaped in the cell and plain in the editor.
                RefuseValue(EncodeUnicodeEscapes(value), EncodeUnicodeEscapes(NewValue));
                FInvalidCache = value;
                FNewCellText = value;
                if (TExtInplaceEdit* edit = NormalEdit(); edit != nullptr && edit->Visible())
                    edit->SetTextQuietly(value);
            }
        }
    } catch (...) {
        SaveOldCellValue(Col(), Row());
        FValidating = false;
        throw;
    }
    if (valid) SaveOldCellValue(Col(), Row());
    FValidating = false;
    return valid;
}

// --- selection

void TExtStringGrid::CellChanging(int NewCol, int NewRow, bool& Allow)
{
    if (FBlockCellChanging) return;
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if ((NewCol != Col() || NewRow != Row()) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

// goEditing follows the cell about to become current: removed on a cell that may not be
// edited (FEditDisable remembers that editing as such is still on) and put back on the
// next editable cell.
void TExtStringGrid::SwitchEditingFor(int ACol, int ARow)
{
    const bool editingOn = (Options() & ui::goEditing) != 0;
    bool canEdit = editingOn || FEditDisable;
    if (canEdit) canEdit = IsEditableBaseCell(ACol, ARow);
    if (canEdit && MouseActions().DirectEdit() && CellHasNoEditor(RealColIndex(ACol), ARow)) canEdit = false;
    if (MouseActions().EditOnDblClickOnly()) canEdit = false;
    if (canEdit) {
        FEditDisable = false;
        if (!editingOn) {
            FEditChange = true;
            SetOptions(Options() | ui::goEditing);
        }
        return;
    }
    if (!editingOn) return;
    FEditDisable = !MouseActions().EditOnDblClickOnly();
    FEditChange = true;
    SetOptions(Options() & ~ui::goEditing);
    FEditorMode = false;
}

void TExtStringGrid::AfterSelectCell(int ARow)
{
    if (HasState(rtl::csLoading) || FOldRowSel == ARow) return;
    if (OnRowChanged) OnRowChanged(this, FOldRowSel, ARow);
    FOldRowSel = ARow;
}

// Every move of the current cell, by key, mouse or code, passes here: a member of a merged
// block sends the cursor to its base cell, the node column is not entered, a pending edit
// is validated before its cell may be left (a refused value keeps the cursor), and the
// changing events may veto the move.
bool TExtStringGrid::SelectCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    if (FForceSel) return TBaseGrid::SelectCell(ACol, ARow);
    if (FInvalidSel) return false;
    if (Parent() == nullptr) return TBaseGrid::SelectCell(ACol, ARow);
    const rtl::TPoint base = BaseCell(ACol, ARow);
    if (base.X != ACol || base.Y != ARow) {
        MoveColRow(base.X, base.Y, true, true);
        if (MouseActions().DirectEdit() && base.X == Col() && base.Y == Row()) ShowEditor();
        return false;
    }
    if (ACol == 0 && HasNodes() && (Options() & ui::goRowSelect) == 0) return false;
    if (UseEnabledRows() && Navigation().SkipDisabledRows() && !RowEnabled(ARow)) return false;
    const bool moving = ACol != Col() || ARow != Row();
    if (moving && !ValidatePendingEdit()) return false;
    SwitchEditingFor(ACol, ARow);
    bool allow = true;
    CellChanging(ACol, ARow, allow);
    bool result;
    if (!allow || IsFixed(ACol, ARow))
        result = allow && ((Options() & ui::goRowSelect) != 0 || (FixedRowAlways() && RowCount() == FixedRows()));
    else
        result = TBaseGrid::SelectCell(ACol, ARow);
    if (result) AfterSelectCell(ARow);
    return result;
}

}  // namespace grid
