// String grid gaining and losing the focus: reopening the editor with AlwaysEdit, entering and leaving.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/editing/ExtGridEditLink.h"

namespace grid {

namespace {

bool IsPlainTextKind(TEditorType Kind)
{
    switch (Kind) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars: return true;
    default: return false;
    }
}

}  // namespace

// With Navigation.AlwaysEdit the focus coming to the grid opens the editor of an editable,
// visible current cell of a plain text kind.
void TExtStringGrid::GridSetFocus(ui::TMessage& Message)
{
    // The focus coming back after a custom editor's pop-up closed on losing its activation
    // is taken without any handling, so that neither the platform (goAlwaysShowEditor) nor
    // AlwaysEdit reopens the editor the user just left. The flag covers that one return.
    if (EditLink() != nullptr && EditLink()->InvokedFocusChange()) {
        EditLink()->SetInvokedFocusChange(false);
        return;
    }
    TBaseGrid::WndProc(Message);
    const int c = Col();
    const int r = Row();
    if (HasCheckBox(c, r)) return;
    // Back from outside the grid with the rich editor still open: its text goes into the cell.
    if (HasInplaceRichEdit() && InplaceRichEdit().Visible()) HideInplaceEdit();
    if (!Navigation().AlwaysEdit()) return;
    const ui::TWinControl* from = ui::TWinControl::FindControl(static_cast<ui::HWND>(Message.WParam));
    if (from != nullptr && from == InplaceEditor()) return;
    if (FGridState == ui::gsRowMoving || FGridState == ui::gsColMoving) return;
    const bool visible = c >= LeftCol() && c < LeftCol() + VisibleColCount() + 1 && r >= TopRow() &&
                         r < TopRow() + VisibleRowCount() + 1;
    bool editable = true;
    IsEditableCell(RealColIndex(c), r, editable);
    if (!visible || !editable || c < FixedCols() || r < FixedRows()) return;
    const bool plain = IsPlainTextKind(EditControl());
    const bool firstCombo = InplaceEditor() == nullptr && !MouseActions().DirectEdit() &&
                            !ControlLook().DropDownAlwaysVisible() && HasComboBox(c, r, EditControl());
    if (!plain && !firstCombo) return;
    ShowInplaceEdit();
    Message.Result = 0;
}

void TExtStringGrid::DoEnter()
{
    TBaseGrid::DoEnter();
    const int c = Col();
    const int r = Row();
    if (((Options() & ui::goEditing) || MouseActions().RangeSelectAndEdit()) && c < ColCount() && r < RowCount())
        SelectCell(c, r);
    SaveOldCellValue(c, r);
}

// While a special editor closes the grid keeps the focus, so leaving does nothing.
void TExtStringGrid::DoExit()
{
    if (FBlockKill) return;
    TBaseGrid::DoExit();
}

}  // namespace grid
