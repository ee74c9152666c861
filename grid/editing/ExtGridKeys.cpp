// String grid keyboard: key-down, character and key-up handling of the grid itself (not of its editors).
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr char32_t chCopy = 3;
constexpr char32_t chPaste = 22;
constexpr char32_t chCut = 24;
constexpr char32_t chBack = 8;
constexpr char32_t chEnter = 13;
constexpr char32_t chEscape = 27;
// Highest character code that opens an editor by typing.
constexpr char32_t LastTypeToEditChar = 729;

bool Down(int vk) { return ui::GetKeyState(vk) < 0; }

ui::TShiftState ModifierState()
{
    ui::TShiftState s = 0;
    if (Down(ui::VK_SHIFT)) s |= ui::ssShift;
    if (Down(ui::VK_CONTROL)) s |= ui::ssCtrl;
    if (Down(ui::VK_MENU)) s |= ui::ssAlt;
    return s;
}

bool IsArrow(ui::WORD key) { return key >= ui::VK_LEFT && key <= ui::VK_DOWN; }

}  // namespace

void TExtStringGrid::FireKeyDown(ui::WORD Key, ui::TShiftState Shift)
{
    if (!OnKeyDown) return;
    ui::WORD k = Key;
    OnKeyDown(this, k, Shift);
}

// --- WM_KEYDOWN of the grid itself

void TExtStringGrid::WMKeyDown(ui::TMessage& Message)
{
    const auto key = static_cast<ui::WORD>(Message.WParam);
    const ui::TShiftState shift = ModifierState();
    if (GridKeyDownSteps(key, shift)) {
        Message.Result = 1;
        return;
    }
    if (key == ui::VK_DOWN && IsLastNormalRow() && Navigation().AppendOnArrowDown() && !(shift & ui::ssCtrl))
        AppendRowOnArrowDown();
    TBaseGrid::WndProc(Message);
    if (ClipboardKey(key, shift)) return;
    const bool ctrl = (shift & ui::ssCtrl) != 0;
    if (key == ui::VK_INSERT && Navigation().AllowInsertRow() && !ctrl && !(shift & ui::ssShift) && !(shift & ui::ssAlt))
        InsertRowKey();
    if (key == 'A' && ctrl) {
        SelectAllKey();
        return;
    }
    if (key == ui::VK_DELETE && Navigation().AllowDeleteRow() && !(shift & ui::ssAlt) && !(shift & ui::ssShift))
        DeleteRowKey();
}

// The steps before the platform's handling; true when the key is consumed.
bool TExtStringGrid::GridKeyDownSteps(ui::WORD Key, ui::TShiftState Shift)
{
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    if (Navigation().MoveScrollOnly()) {
        const int visible = VisibleRowCount();
        switch (Key) {
        case ui::VK_PRIOR: SetTopRow(visible + FixedRows() < TopRow() ? TopRow() - visible : FixedRows()); return true;
        case ui::VK_NEXT:
            if (TopRow() + visible < RowCount()) SetTopRow(std::min(TopRow() + visible, RowCount() - visible));
            return true;
        case ui::VK_END: SetTopRow(std::max(FixedRows(), RowCount() - visible)); return true;
        case ui::VK_HOME: SetTopRow(FixedRows()); return true;
        case ui::VK_UP:
            if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
            return true;
        case ui::VK_DOWN:
            if (TopRow() + visible < RowCount()) SetTopRow(TopRow() + 1);
            return true;
        default: break;
        }
    }
    const bool enterOrF2 = Key == ui::VK_RETURN || Key == ui::VK_F2;
    const bool editorOpen = NormalEdit() != nullptr && NormalEdit()->Visible();
    // Enter in a grid that has only its fixed rows adds the first row to type into.
    if (Key == ui::VK_RETURN && RowCount() == FixedRowsMin() && Navigation().AdvanceOnEnter()) {
        if (Navigation().AdvanceInsert()) {
            SetRowCount(RowCount() + 1);
            ClearRows(RowCount() - 1, 1);
        }
        return true;
    }
    if (enterOrF2 && !editorOpen) {
        // Enter and F2 on a cell that may not be edited are reported and go no further.
        if (!IsEditable(Col(), Row()) && !HasCellControl(Col(), Row())) {
            if (Key == ui::VK_RETURN && (Options() & ui::goEditing) == 0 && !FEditDisable) {
                if (const ui::TCustomForm* form = ui::GetParentForm(this); form != nullptr && form->KeyPreview())
                    return false;
            }
            if (Key == ui::VK_F2 || (Options() & ui::goEditing) != 0 || FEditDisable ||
                !Navigation().AdvanceOnEnter()) {
                FireKeyDown(Key, Shift);
                return true;
            }
        }
        if (rtl::AnsiUpperCase(GetCellEx(Col(), Row())).find("<CONTROL") != std::string::npos) return true;
    }
    if (Key == ui::VK_SPACE || Key == ui::VK_RETURN) SpaceOnCellControl(Key);
    if ((Key == ui::VK_HOME || Key == ui::VK_END) && HomeEndKey(Key, Shift)) return true;
    if ((Key == ui::VK_RIGHT || Key == ui::VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row()) &&
        CellSpan(Col(), Row()).X + 1 == ColCount() - FixedCols()) {
        // The node operations take the real row; below a contracted node it differs from Row().
        if (Key == ui::VK_RIGHT) {
            FireKeyDown(Key, Shift);
            ExpandNode(RealRowIndex(Row()));
        } else {
            ContractNode(RealRowIndex(Row()));
        }
        return true;
    }
    if (Key == ui::VK_TAB && !ctrl && (Options() & ui::goTabs) != 0) {
        NavigateFromEditor((Shift & ui::ssShift) != 0);
        return true;
    }
    if (IsArrow(Key) && Navigation().SkipFixedCells()) {
        const int dx = Key == ui::VK_LEFT ? -1 : Key == ui::VK_RIGHT ? 1 : 0;
        const int dy = Key == ui::VK_UP ? -1 : Key == ui::VK_DOWN ? 1 : 0;
        int c = Col() + dx;
        int r = Row() + dy;
        const bool inside = c >= FixedCols() && c < ColCount() - FixedRightCols() && r >= FixedRows() &&
                            r < RowCount() - FixedFooters();
        if (inside && IsFixed(c, r)) {
            ui::WORD k = Key;
            if (OnKeyDown) OnKeyDown(this, k, Shift);
            if (k != Key) return true;
            while (c >= FixedCols() && c < ColCount() - FixedRightCols() && r >= FixedRows() &&
                   r < RowCount() - FixedFooters() && IsFixed(c, r)) {
                c += dx;
                r += dy;
            }
            const bool beyondInside = c >= FixedCols() && c < ColCount() - FixedRightCols() && r >= FixedRows() &&
                                      r < RowCount() - FixedFooters();
            if (beyondInside) MoveColRow(c, r, true, true);
            return true;
        }
    }
    return false;
}

// Home and End by Navigation.HomeEndKey; false when the platform's handling applies.
bool TExtStringGrid::HomeEndKey(ui::WORD Key, ui::TShiftState Shift)
{
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    const bool shiftDown = (Shift & ui::ssShift) != 0;
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    const THomeEndAction action = Navigation().HomeEndKey();
    const bool guarded = FixedRowAlways() && RowCount() == 1;
    const auto finish = [&](int c, int r) {
        MoveColRow(c, r, true, true);
        MoveToBaseCell();
        FireKeyDown(Key, Shift);
        return true;
    };
    const int lastCol = ColCount() - FixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    if (Key == ui::VK_HOME) {
        if (action == heFirstLastCell && !ctrl) return finish(FixedCols(), FixedRows());
        if (action == heFirstLastRow && !ctrl && !guarded) return finish(Col(), FixedRows());
        if (action == heFirstLastColumn && ctrl) {
            const int c = FirstCellInRow(FixedRows());
            finish(c >= 0 ? c : FixedCols(), FixedRows());
            SetLeftCol(FirstNavigableCol());
            return true;
        }
        if (action == heFirstLastColumn && !rowSelect && !ctrl && !guarded && !shiftDown) {
            const int c = FirstCellInRow(Row());
            finish(c >= 0 ? c : FixedCols(), Row());
            SetLeftCol(FirstNavigableCol());
            return true;
        }
        return false;
    }
    if (action == heFirstLastCell && !ctrl && !shiftDown) return finish(ColCount() - 1, RowCount() - 1);
    if ((action == heFirstLastRow || rowSelect) && !ctrl && !guarded) return finish(Col(), lastRow);
    if (action == heFirstLastColumn && !rowSelect && !ctrl && !guarded && !shiftDown) return finish(lastCol, Row());
    return false;
}

// Enter or Space on a check box, radio or button cell operates it when editing is active
// (or the control look makes check boxes and radios always active).
void TExtStringGrid::SpaceOnCellControl(ui::WORD Key)
{
    const int realCol = RealColIndex(Col());
    if (!HasCellControl(Col(), Row())) return;
    bool active = (Options() & ui::goEditing) != 0 || MouseActions().RangeSelectAndEdit() || FEditDisable;
    IsEditableCell(realCol, Row(), active);
    const bool space = Key == ui::VK_SPACE;
    if (space && HasCheckBox(Col(), Row()) && (active || ControlLook().CheckAlwaysActive())) {
        ToggleCheckBoxCell(realCol, Row(), true);
        if (ShowModified().Enabled()) {
            SetRowModified(Row(), true);
            RepaintCell(0, Row());
        }
        bool state = false;
        GetCheckBoxState(realCol, Row(), state);
        CheckBoxClick(Col(), Row(), state);
    } else if (space && IsRadio(Col(), Row()) && (active || ControlLook().RadioAlwaysActive())) {
        CycleRadioIndex(realCol, Row(), false);
        int index = -1;
        GetRadioIdx(realCol, Row(), index);
        if (OnRadioClick) OnRadioClick(this, realCol, Row(), index);
    } else if (space && HasRadioButton(Col(), Row()) && (active || ControlLook().RadioAlwaysActive())) {
        SelectRadioButton(realCol, Row(), false);
        if (OnRadioButtonClick) OnRadioButtonClick(this, realCol, Row(), 0);
    } else if (active && GetCellType(Col(), Row()) == ctButton) {
        ButtonClick(Col(), Row());
    }
    RepaintCell(Col(), Row());
}

// Ctrl+X / Shift+Delete, Ctrl+V / Shift+Insert, Ctrl+C / Ctrl+Insert with
// AllowClipboardShortCuts; each asks its before-event first.
bool TExtStringGrid::ClipboardKey(ui::WORD Key, ui::TShiftState Shift)
{
    if (!Navigation().AllowClipboardShortCuts()) return false;
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    const bool shift = (Shift & ui::ssShift) != 0;
    const bool cut = (ctrl && Key == 'X') || (shift && Key == ui::VK_DELETE);
    const bool paste = (ctrl && Key == 'V') || (shift && Key == ui::VK_INSERT);
    const bool copy = (ctrl && Key == 'C') || (ctrl && Key == ui::VK_INSERT);
    if (!cut && !paste && !copy) return false;
    bool allow = true;
    if (cut) {
        if (OnClipboardCut) OnClipboardCut(this, allow);
        if (!allow) return true;
        CutSelectionToClipboard();
        if (OnClipboardCutDone) OnClipboardCutDone(this);
    } else if (paste) {
        if (OnClipboardPaste) OnClipboardPaste(this, allow);
        if (allow) PasteSelectionFromClipboard();
    } else {
        if (OnClipboardCopy) OnClipboardCopy(this, allow);
        if (!allow) return true;
        CopySelectionToClipboard();
        if (OnClipboardCopyDone) OnClipboardCopyDone(this);
    }
    return true;
}

void TExtStringGrid::InsertRowKey()
{
    bool allow = true;
    if (OnCanInsertRow) OnCanInsertRow(this, Row(), allow);
    if (!allow) return;
    const bool filter = FilterActive();
    if (filter) SetFilterActive(false);
    int newRow = Row();
    int at = Row();
    if (Navigation().InsertPosition() == pInsertAfter) {
        at = Row() + 1;
        if (newRow + 1 < RowCount() + 1) ++newRow;
    }
    InsertGridRow(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, at);
    FModified = true;
    if (filter) SetFilterActive(true);
    FForceSel = true;
    MoveColRow(Col(), std::min(newRow, RowCount() - 1), true, true);
    FForceSel = false;
    CalcFooter(-1);
}

void TExtStringGrid::DeleteRowKey()
{
    if (RowCount() - FixedFooters() - FixedRows() < 1) return;
    const int row = Row();
    const bool filter = FilterActive();
    if (filter) SetFilterActive(false);
    bool allow = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, row, allow);
    if (!allow) {
        if (filter) SetFilterActive(true);
        return;
    }
    ClearRows(row, 1);
    RemoveGridRow(row);
    if (filter) SetFilterActive(true);
    SaveOldCellValue(Col(), Row());
    FModified = true;
    CalcFooter(-1);
}

// Ctrl+A selects every normal cell (with range or row selection).
void TExtStringGrid::SelectAllKey()
{
    if ((Options() & (ui::goRowSelect | ui::goRangeSelect)) == 0) return;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    if (lastCol < FirstNavigableCol() || lastRow < FixedRows()) return;
    SetSelection(rtl::TRect{FirstNavigableCol(), FixedRows(), lastCol, lastRow});
}

// --- the key-down chain (also reached from the in-place editor)

// Enter in the in-place editor (its value already validated): the editor closes and, with
// AdvanceOnEnter, the cursor advances and the next cell's editor opens (AdvanceAutoEdit).
void TExtStringGrid::EnterFromEditor(ui::TShiftState Shift)
{
    const int c0 = Col();
    const int r0 = Row();
    HideInplaceEdit();
    if (CanFocus() && !Focused()) SetFocus();
    if (FEditing || FInvalidSel) return;
    if (Navigation().AdvanceOnEnter()) AdvanceEdit(c0, r0, true, false, (Shift & ui::ssShift) == 0, true, false);
}

void TExtStringGrid::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    TExtInplaceEdit* edit = NormalEdit();
    if (Key == ui::VK_RETURN && edit != nullptr && edit->Visible() && edit->Focused() && !(Shift & ui::ssCtrl)) {
        EnterFromEditor(Shift);
        Key = 0;
        return;
    }
    const ui::WORD key = Key;
    const int lastCol = Col();
    const int lastRow = Row();
    TBaseGrid::KeyDown(Key, Shift);
    const int normalLastCol = ColCount() - FixedRightCols() - 1;
    const int normalLastRow = RowCount() - FixedFooters() - 1;
    if (Navigation().CursorMoveRows() && (Shift & ui::ssCtrl)) {
        if (key == ui::VK_DOWN && lastRow < RowCount() - 1 && lastRow >= FixedRows()) {
            MoveRow(lastRow, lastRow + 1);
            FForceSel = true;
            MoveColRow(lastCol, lastRow + 1, true, true);
            FForceSel = false;
        } else if (key == ui::VK_UP && lastRow > FixedRows()) {
            MoveRow(lastRow, lastRow - 1);
            FForceSel = true;
            MoveColRow(lastCol, lastRow - 1, true, true);
            FForceSel = false;
        }
    }
    const TCursorAdvance wrap = Navigation().CursorAdvance();
    if (wrap == caDefault || Col() != lastCol || Row() != lastRow) return;
    const bool snake = wrap == caSnake;
    int c = lastCol;
    int r = lastRow;
    if (key == ui::VK_LEFT && lastCol == FixedCols()) {
        c = normalLastCol;
        if (snake && r > FixedRows()) --r;
    } else if (key == ui::VK_UP && lastRow == FixedRows()) {
        r = normalLastRow;
        if (snake && c > FixedCols()) --c;
    } else if (key == ui::VK_RIGHT && lastCol == ColCount() - 1) {
        c = FixedCols();
        if (snake && r < normalLastRow) ++r;
    } else if (key == ui::VK_DOWN && lastRow == RowCount() - 1) {
        r = FixedRows();
        if (snake && c < normalLastCol) ++c;
    } else {
        return;
    }
    MoveColRow(c, r, true, true);
}

void TExtStringGrid::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    switch (Key) {
    case ui::VK_PRIOR: case ui::VK_NEXT: case ui::VK_END: case ui::VK_LEFT: case ui::VK_UP: case ui::VK_RIGHT:
    case ui::VK_DOWN: case ui::VK_INSERT: case ui::VK_DELETE: SetSearchInc(std::string()); break;
    default: break;
    }
    const ui::WORD key = Key;
    TBaseGrid::KeyUp(Key, Shift);
    if (!Navigation().AlwaysEdit()) return;
    const bool step = IsArrow(key) || (key == ui::VK_TAB && (Options() & ui::goTabs) != 0);
    if (step && !HasCellControl(Col(), Row()) && IsEditable(Col(), Row())) ShowInplaceEdit();
}

// --- characters

// Escape puts back the text the edit started from; Enter on a clickable control advances;
// with goEditing off and AutoGotoWhenSorted typing searches the sorted column.
void TExtStringGrid::KeyPress(char32_t& Key)
{
    if (Key == chEscape) {
        if ((Options() & ui::goEditing) != 0 && FEditing) RestoreCellCache();
        FEditing = false;
        ui::TWinControl::KeyPress(Key);
        return;
    }
    if (Key == chEnter && HasCellControl(Col(), Row())) {
        const int c0 = Col();
        AdvanceEdit(Col(), Row(), EditorMode(), false, !Down(ui::VK_SHIFT), false, false);
        ui::TWinControl::KeyPress(Key);
        if (Navigation().AdvanceOnEnter() && HasCellControl(c0, Row())) ShowInplaceEdit();
        Key = 0;
        return;
    }
    if ((Options() & ui::goEditing) == 0 && Navigation().AutoGotoWhenSorted() && Key >= 0x20) IncrementalSearch(Key);
    FStartEditChar = Key;
    TBaseGrid::KeyPress(Key);
    FStartEditChar = 0;
}

void TExtStringGrid::IncrementalSearch(char32_t Key)
{
    std::string text = Navigation().AutoGotoIncremental() ? FSearchInc : std::string();
    if (Key == chBack) {
        if (!text.empty()) text.pop_back();
    } else {
        text += rtl::Utf8Encode(std::u32string(1, Key));
    }
    SetSearchInc(text);
    const int found = Search(rtl::AnsiUpperCase(FSearchInc));
    if (found >= 0) MoveColRow(Col(), found, true, true);
    else SetSearchInc(std::string());
}

// WM_CHAR while the grid itself has the focus: typing on a cell the user may edit opens its
// editor with the character as the first input; anywhere else the character only reaches
// the key events (and the incremental search).
void TExtStringGrid::WMChar(ui::TMessage& Message)
{
    const auto ch = static_cast<char32_t>(Message.WParam);
    if (rtl::AnsiUpperCase(GetCellEx(Col(), Row())).find("<CONTROL") != std::string::npos) {
        Message.Result = 1;
        return;
    }
    // Cells that need a double click for editing still open their editor by typing.
    if (MouseActions().EditOnDblClickOnly() && IsEditableBaseCell(Col(), Row()))
        SetOptions(Options() | ui::goEditing);
    const bool ctrl = Down(ui::VK_CONTROL);
    if (Navigation().AllowClipboardShortCuts() && ctrl && (ch == chCopy || ch == chPaste || ch == chCut)) {
        Message.Result = 1;
        return;
    }
    if (MouseActions().RangeSelectAndEdit() && !ctrl && ch != U'\t' && ch != chEscape &&
        !HasCellControl(Col(), Row()) && IsEditable(Col(), Row()) && (Options() & ui::goEditing) == 0)
        SetOptions(Options() | ui::goEditing);
    const bool typed = ch == chBack || (ch >= 0x20 && ch <= LastTypeToEditChar);
    if ((Options() & ui::goEditing) != 0 && ch != U'\t' && typed && !EditorMode()) {
        char32_t key = ch;
        if (OnKeyPress) OnKeyPress(this, key);
        FStartEditChar = key;
        if (!HasCellControl(Col(), Row()) && IsEditable(Col(), Row())) {
            if (key != 0) ShowEditorChar(key);
            else ShowEditor();
        }
        FStartEditChar = 0;
        Message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(Message);
}

}  // namespace grid
