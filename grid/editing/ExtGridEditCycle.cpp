// String grid editing cycle: edit permission, opening and closing the in-place editor, and re-showing a refused value.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtGridEditLink.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

namespace {

const ui::UINT& GridEditInvalidMessage()
{
    static const ui::UINT id = ui::RegisterWindowMessage("GridEditInvalid");
    return id;
}

const ui::UINT& GridEditShowMessage()
{
    static const ui::UINT id = ui::RegisterWindowMessage("GridEditShow");
    return id;
}

}  // namespace

// --- edit permission

bool TExtStringGrid::IsEditable(int ACol, int ARow)
{
    const bool editingOn = (Options() & ui::goEditing) != 0 || MouseActions().RangeSelectAndEdit() || FEditDisable;
    if (!editingOn) return false;
    return IsEditableBaseCell(ACol, ARow);
}

bool TExtStringGrid::IsEditableBaseCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    const rtl::TPoint base = BaseCell(ACol, ARow);
    // A disabled row is shown but not edited.
    if (UseEnabledRows() && !RowEnabled(base.Y)) return false;
    bool canEdit = true;
    IsEditableCell(RealColIndex(base.X), base.Y, canEdit);
    return canEdit && !IsFixed(base.X, base.Y);
}

// --- opening the editor

// Every request to show an editor asks the cell's permission first: a read-only cell, a
// cell OnCanEditCell refuses, a fixed cell, a cell with a clickable control and an edNone
// cell open nothing, whatever route asked (F2, Enter, typing, goAlwaysShowEditor).
bool TExtStringGrid::CanEditShow()
{
    if (FValidating || FUpdateCount != 0) return false;
    const bool answer = TBaseGrid::CanEditShow();
    if (IsDesigning()) return answer;
    if (!answer) return false;
    const bool inplaceOpen = FInplaceEdit != nullptr && FInplaceEdit->Visible() && !SpecialEditorOpen();
    const rtl::TPoint base = BaseCell(Col(), Row());
    const auto refuse = [this] {
        FEditorMode = false;
        return false;
    };
    if (!inplaceOpen && HasCellControl(base.X, base.Y)) return refuse();
    if (!IsEditableBaseCell(Col(), Row())) return refuse();
    if (inplaceOpen) return true;
    TEditorType kind = DefaultEditor();
    GetCellEditorType(RealColIndex(base.X), base.Y, kind);
    if (kind == edNone) return refuse();
    // A pop-up's deactivation earlier must not keep this edit's editors from their focus
    // handling.
    if (EditLink() != nullptr) EditLink()->SetInvokedFocusChange(false);
    SetEditControl(kind);
    if (IsInlineEditor(kind) || kind == edDataCheckBox) {
        FEditing = true;
        if (FocusHelper().Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
        return true;
    }
    if (SpecialEditorOpen()) return false;
    ShowSpecialEditor(base.X, base.Y);
    if (FocusHelper().Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
    return false;
}

// The editors start from the base cell's text, without HTML tags unless
// EditWithTags; OnGetEditText may change it.
std::string TExtStringGrid::GetEditText(int ACol, int ARow)
{
    const rtl::TPoint base = BaseCell(ACol, ARow);
    std::string text = TBaseGrid::GetEditText(base.X, base.Y);
    // Escaped wide text is edited as the text it stands for.
    if (text.starts_with("|\\")) return DecodeUnicodeEscapes(text);
    if (!EditWithTags() && text.find('<') != std::string::npos) text = StripHtmlTags(text);
    return text;
}

// Editor values go to the base cell of a merged block; OnSetEditText
// reports them (only user edits come here: the grid fills its editor without it).
void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    const rtl::TPoint base = BaseCell(ACol, ARow);
    // A cell of escaped wide text keeps that form while it is edited.
    if (GetCellEx(base.X, base.Y).starts_with("|\\")) TBaseGrid::SetEditText(base.X, base.Y, EncodeUnicodeEscapes(Value));
    else TBaseGrid::SetEditText(base.X, base.Y, Value);
}

void TExtStringGrid::StoreEditorText() { UpdateText(); }

// --- closing the editor

// The editor's text goes into the cell, the editor closes, and the pending edit is
// validated at once: no route out of the editor skips validation.
void TExtStringGrid::HideInplaceEdit()
{
    if (!EditorMode()) return;
    if (SpecialEditorOpen()) {
        HideSpecialEditor(Col(), Row());
        return;
    }
    if (TExtInplaceEdit* edit = NormalEdit()) edit->HideInvalidEntryBalloon();
    HideEditor();
    FEditorMode = false;
    ValidatePendingEdit();
}

// The editor text is stored first, so the value checked is what the user typed.
bool TExtStringGrid::ValidatePendingEdit()
{
    if (!FEditing || FValidating) return true;
    // A special editor is closed first, which stores its value in the cell.
    if (SpecialEditorOpen()) {
        HideSpecialEditor(Col(), Row());
        if (FInvalidSel) return false;
        if (!FEditing) return true;
    }
    if (FInplaceEdit != nullptr && FInplaceEdit->Visible()) UpdateText();
    return ValidateCell(GetCellEx(FOldCol, FOldRow));
}

// "GridEditInvalid": the refused cell becomes current again and its editor reopens, with
// the refused text selected for correcting; the cell itself keeps the value validation
// put back until a value is accepted.
void TExtStringGrid::ShowInvalidValue(int ACol, int ARow)
{
    FInvalidSel = false;
    if (ACol != Col() || ARow != Row()) {
        FForceSel = true;
        MoveColRow(ACol, ARow, true, true);
        FForceSel = false;
    }
    if (CanFocus() && !Focused() && (NormalEdit() == nullptr || !NormalEdit()->Focused())) SetFocus();
    FReopenRefused = true;
    ShowInplaceEdit();
    FReopenRefused = false;
    if (SpecialEditorOpen()) return;
    TExtInplaceEdit* edit = NormalEdit();
    if (edit == nullptr || !edit->Visible()) return;
    FEditing = true;
    edit->SetTextQuietly(FInvalidCache);
    edit->SelectAll();
    edit->ShowInvalidEntryBalloon(InvalidEntryTitle(), InvalidEntryText());
}

bool TExtStringGrid::EditingMessage(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_KEYDOWN:
        WMKeyDown(Message);
        return true;
    case ui::WM_CHAR:
        WMChar(Message);
        return true;
    default: break;
    }
    if (Message.Msg == GridEditInvalidMessage()) {
        ShowInvalidValue(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        return true;
    }
    if (Message.Msg == GridEditShowMessage()) {
        ShowInplaceEdit();
        return true;
    }
    return false;
}

// --- the refused value

// The cell gets the handler's replacement or its text from the edit start back, and the
// edit stays open on the cell. When the value was refused on the way out of the cell (the
// editor no longer has the focus) or an invalid-entry title or text explains it, the
// cursor is held on the cell until "GridEditInvalid" has reopened the editor with the
// refused text selected.
void TExtStringGrid::RefuseValue(const std::string& Value, const std::string& NewValue)
{
    const bool replaced = Value != NewValue;
    FNewCellText = Value;
    FInvalidCache = Value;
    FEditing = true;
    FModified = FOldModifiedValue;
    SetCellEx(FOldCol, FOldRow, replaced ? Value : FOldCellText);
    // Writing the cell refills an open editor; it keeps the refused text for correcting.
    if (TExtInplaceEdit* edit = NormalEdit(); edit != nullptr && edit->Visible()) edit->SetTextQuietly(Value);
    if (SpecialEditorOpen() || !HandleAllocated()) return;
    const bool explained = !InvalidEntryTitle().empty() || !InvalidEntryText().empty();
    const bool editorFocused = NormalEdit() != nullptr && NormalEdit()->Visible() && NormalEdit()->Focused();
    if (editorFocused && explained) NormalEdit()->ShowInvalidEntryBalloon(InvalidEntryTitle(), InvalidEntryText());
    if (editorFocused && !explained) return;
    FInvalidSel = true;
    ui::PostMessage(Handle(), GridEditInvalidMessage(), static_cast<ui::WPARAM>(FOldCol),
                    static_cast<ui::LPARAM>(FOldRow));
}

}  // namespace grid
