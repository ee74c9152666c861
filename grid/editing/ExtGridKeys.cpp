// String grid keyboard: key-down, character and key-up handling of the grid itself (not of its editors).
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/SearchPanel.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/rtl/FormatSettings.h"
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
// Set in a character's key data when it comes from the numeric keypad's decimal key.
constexpr ui::LPARAM KeypadScanCodeBit = 0x00400000;
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

rtl::TRect OrderedRect(const rtl::TRect& r)
{
    return rtl::TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                      std::max(r.Top, r.Bottom)};
}

}  // namespace

void TExtStringGrid::FireKeyDown(ui::WORD Key, ui::TShiftState Shift)
{
    if (!OnKeyDown) return;
    ui::WORD k = Key;
    OnKeyDown(this, k, Shift);
}

// --- WM_KEYDOWN of the grid itself

namespace {

bool IsNavigationKey(ui::WORD key) { return key >= ui::VK_PRIOR && key <= ui::VK_DOWN; }

bool SameRect(const rtl::TRect& a, const rtl::TRect& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

// A selection that moved since the key arrived is reported through SelectionChanged.
void TExtStringGrid::NotifySelectionMoved()
{
    const rtl::TRect s = Selection();
    if (SameRect(s, FMoveSelection)) return;
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    FMoveSelection = s;
}

void TExtStringGrid::WMKeyDown(ui::TMessage& Message)
{
    const auto key = static_cast<ui::WORD>(Message.WParam);
    const ui::TShiftState shift = ModifierState();
    const bool ctrl = (shift & ui::ssCtrl) != 0;
    const int leftColAtEntry = LeftCol();
    const int colAtEntry = RealColIndex(Col());
    const int rowAtEntry = Row();
    FMoveSelection = Selection();
    // With KeepHorizScroll the vertical keys of a row-select grid keep the columns in view.
    const bool keepHoriz = (key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_UP || key == ui::VK_DOWN) &&
                           (Options() & ui::goRowSelect) != 0 && leftColAtEntry != FixedCols() &&
                           Navigation().KeepHorizScroll();
    if (GridKeyDownSteps(key, shift)) {
        Message.Result = 1;
        return;
    }
    if (key == ui::VK_DOWN && IsLastNormalRow() && Navigation().AppendOnArrowDown() && !ctrl)
        AppendRowOnArrowDown();
    if (!SameRect(Selection(), FMoveSelection) && SelectionRectangle()) {
        Invalidate();
        FMoveSelection = Selection();
    }
    bool locked = false;
    const bool footer = SearchFooter().Visible();
    const int topAtEntry = TopRow();
    if (footer && SearchFooterKeyEnds(key, shift, locked)) {
        Message.Result = 1;
        return;
    }
    if (keepHoriz) BeginUpdate();
    TBaseGrid::WndProc(Message);
    if (footer) {
        if (TopRow() >= RowCount() - VisibleRowCount() && key != ui::VK_SHIFT && key != ui::VK_MENU &&
            !IsNavigationKey(key))
            SetTopRow(topAtEntry);
        if (locked) EndUpdate();
        if (key == ui::VK_NEXT || key == ui::VK_END || key == ui::VK_LEFT || key == ui::VK_RIGHT || key == ui::VK_DOWN)
            ScrollAboveSearchFooter();
    }
    if (keepHoriz) {
        SetLeftCol(leftColAtEntry);
        EndUpdate();
    }
    if (ClipboardKey(key, shift)) return;
    if (key == ui::VK_INSERT && Navigation().AllowInsertRow() && !ctrl && !(shift & ui::ssShift) && !(shift & ui::ssAlt))
        InsertRowKey();
    if (key == 'A' && ctrl) {
        SelectAllKey();
        return;
    }
    DisjunctSelectionKey(key, shift);
    if (key == ui::VK_DELETE && Navigation().AllowDeleteRow() && !(shift & ui::ssAlt) && !(shift & ui::ssShift))
        DeleteRowKey();
    if (key == ui::VK_TAB && ctrl && (Options() & ui::goTabs) != 0 && FixedRightCols() > 0 &&
        colAtEntry == ColCount() + NumHiddenColumns() - FixedRightCols() - 1)
        CtrlTabPastFixedRightCols(rowAtEntry);
    if (key == ui::VK_RETURN || key == ui::VK_F2) SaveOldCellValue(Col(), Row());
    NotifySelectionMoved();
}

// With the search footer shown and the grid scrolled to its end, keys that would move into
// the panel's place end here; true when the key is used up. Locked is set when the key's
// screen work is done under an update lock.
bool TExtStringGrid::SearchFooterKeyEnds(ui::WORD Key, ui::TShiftState Shift, bool& Locked)
{
    if (TopRow() < RowCount() - VisibleRowCount()) return false;
    const bool onLastRow = Row() >= RowCount() - 1;
    const bool ends = onLastRow && (Key == ui::VK_DOWN || (Key == ui::VK_RIGHT && Col() + 1 == ColCount()) ||
                                    (Key == ui::VK_LEFT && Col() == FixedCols()));
    if (ends) {
        FireKeyDown(Key, Shift);
        return true;
    }
    // Only the moves along the last row are drawn once at their end: a lock around other
    // keys would also refuse the editor that Enter, F2 or typing opens.
    if (onLastRow && (Key == ui::VK_NEXT || Key == ui::VK_END || Key == ui::VK_LEFT || Key == ui::VK_RIGHT)) {
        BeginUpdate();
        Locked = true;
    }
    return false;
}

// The last row, when current, is scrolled up until the search panel no longer covers it.
void TExtStringGrid::ScrollAboveSearchFooter()
{
    if (Row() != RowCount() - 1) return;
    const int limit = SearchFooterTop() + 2;
    if (SearchFooterTop() < 0) return;
    while (CellRect(Col(), Row()).Bottom > limit && TopRow() < RowCount() - 1) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top) break;
    }
}

// Ctrl+Tab on the last column before the fixed right columns goes on to the first column of
// the next row (of the first normal row from the last one).
void TExtStringGrid::CtrlTabPastFixedRightCols(int RowAtEntry)
{
    const int lastNormalRow = RowCount() - FixedFooters() - 1;
    int r = Row();
    if (RowAtEntry == lastNormalRow) r = FixedRows();
    else if (RowAtEntry + 1 <= lastNormalRow) r = RowAtEntry + 1;
    MoveColRow(FirstNavigableCol(), r, true, true);
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
    if (Key == 'F' && ctrl && SearchFooter().Visible() && SearchPanel() != nullptr &&
        SearchPanel()->EditControl() != nullptr && SearchPanel()->EditControl()->CanFocus())
        SearchPanel()->EditControl()->SetFocus();
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
        // Enter and F2 on a cell holding form controls open the editor of its first edit or
        // combo control instead of the cell's own editor.
        if (rtl::AnsiUpperCase(GetCellEx(Col(), Row())).find("<CONTROL") != std::string::npos) {
            SaveOldCellValue(Col(), Row());
            EditNextCellControl(Col(), Row(), std::string());
            return true;
        }
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
    if ((Key == ui::VK_LEFT || Key == ui::VK_RIGHT) && RowSelectKeys(Key, Shift)) return true;
    if (Key == ui::VK_TAB && !ctrl && (Options() & ui::goTabs) != 0) {
        NavigateFromEditor((Shift & ui::ssShift) != 0);
        NotifySelectionMoved();
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

// Left and Right of a row-select grid scroll the columns by one. With LeftRightRowSelect
// only Ctrl+Left and Ctrl+Right do (plain arrows are left to the platform grid, which
// scrolls as well); without it every Left and Right is handled here. True when consumed.
bool TExtStringGrid::RowSelectKeys(ui::WORD Key, ui::TShiftState Shift)
{
    if ((Options() & ui::goRowSelect) == 0 || IsNode(Row())) return false;
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    if (Navigation().LeftRightRowSelect() && !ctrl) return false;
    if (VisibleColCount() < ColCount()) {
        if (Key == ui::VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (Key == ui::VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    }
    FireKeyDown(Key, Shift);
    return true;
}

// Home and End by Navigation.HomeEndKey; false when the platform's handling applies.
bool TExtStringGrid::HomeEndKey(ui::WORD Key, ui::TShiftState Shift)
{
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    const bool shiftDown = (Shift & ui::ssShift) != 0;
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    const THomeEndAction action = Navigation().HomeEndKey();
    const bool guarded = FixedRowAlways() && RowCount() == 1;
    const int leftColAtEntry = LeftCol();
    const int rowAtEntry = Row();
    // Shift keeps the selection's anchor, so the move extends the selection.
    const auto go = [&](int c, int r) {
        MoveColRow(c, r, !shiftDown, true);
        MoveToBaseCell();
    };
    const auto done = [&]() {
        FireKeyDown(Key, Shift);
        NotifySelectionMoved();
        return true;
    };
    // Rows chosen by Home or End: the disjunct row selection follows, and with
    // KeepHorizScroll a row-select grid keeps its columns where they were.
    const auto rowMoveDone = [&]() {
        HomeEndRowSelection(rowAtEntry, shiftDown);
        FireKeyDown(Key, Shift);
        if (rowSelect && Navigation().KeepHorizScroll()) SetLeftCol(leftColAtEntry);
        NotifySelectionMoved();
        return true;
    };
    // Shift selects from the current cell to the row's first or last normal cell, where the
    // cursor goes (through the cell selection, like every other move).
    const auto selectAlongRow = [&](int toCol) {
        SetSelection(rtl::TRect{Col(), Row(), Col(), Row()});
        MoveColRow(toCol, Row(), false, true);
        RepaintRect(rtl::TRect{FixedCols(), Row(), ColCount() - 1, Row()});
        return done();
    };
    if (Key == ui::VK_HOME) {
        if (action == heFirstLastCell && !ctrl) {
            go(FixedCols(), FixedRows());
            return done();
        }
        if (action == heFirstLastRow && !ctrl) {
            if (guarded) return false;
            go(Col(), FixedRows());
            return rowMoveDone();
        }
        if (action == heFirstLastColumn && ctrl) {
            const int c = FirstCellInRow(FixedRows());
            go(c >= 0 ? c : FixedCols(), FixedRows());
            SetLeftCol(FirstNavigableCol());
            return done();
        }
        if (action == heFirstLastColumn && !rowSelect && !ctrl) {
            if (guarded) return false;
            if (shiftDown) return selectAlongRow(FixedCols());
            const int c = FirstCellInRow(Row());
            go(c >= 0 ? c : FixedCols(), Row());
            SetLeftCol(FirstNavigableCol());
            return done();
        }
        return false;
    }
    if (action == heFirstLastCell && !ctrl && !shiftDown) {
        go(ColCount() - 1, RowCount() - 1);
        return done();
    }
    if ((action == heFirstLastRow || rowSelect || MouseActions().DisjunctRowSelect()) && !ctrl) {
        if (guarded) return false;
        const bool floating = FloatingFooter().Visible();
        const int last = LastVisibleRow();
        if (FixedFooters() > 0 && !floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        go(Col(), last);
        if (floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        return rowMoveDone();
    }
    if (action == heFirstLastColumn && !rowSelect && !ctrl) {
        if (guarded) return false;
        if (shiftDown) return selectAlongRow(ColCount() - FixedRightCols() - 1);
        go(LastVisibleCol(), Row());
        SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
        return done();
    }
    return false;
}

// Home and End that change the row update the disjunct row selection: without Shift it
// restarts at the new row, with Shift it spans from the row the key left.
void TExtStringGrid::HomeEndRowSelection(int RowAtEntry, bool ShiftDown)
{
    if (!MouseActions().DisjunctRowSelect()) return;
    if (!ShiftDown) {
        ResetRowSelect();
        SetRowSelect(Row(), true);
        return;
    }
    SelectRowsBetween(RowAtEntry, Row());
}

// Every row from one to the other, both included, is added to the disjunct row selection.
void TExtStringGrid::SelectRowsBetween(int FromRow, int ToRow)
{
    for (int r = std::min(FromRow, ToRow); r <= std::max(FromRow, ToRow); ++r) SetRowSelect(r, true);
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

// Ctrl+A selects every normal cell (with range or row selection): all rows of a disjunct
// row selection, all cells of a disjunct cell selection, else the selection rectangle.
void TExtStringGrid::SelectAllKey()
{
    if ((Options() & (ui::goRowSelect | ui::goRangeSelect)) == 0) return;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    if (lastCol < FirstNavigableCol() || lastRow < FixedRows()) return;
    if (MouseActions().DisjunctRowSelect()) {
        SelectRowsBetween(FixedRows(), lastRow);
        return;
    }
    if (MouseActions().DisjunctCellSelect()) {
        for (int r = FixedRows(); r <= lastRow; ++r)
            for (int c = FixedCols(); c <= lastCol; ++c) AddSelectedCell(c, r);
        Invalidate();
        return;
    }
    SetSelection(rtl::TRect{FirstNavigableCol(), FixedRows(), lastCol, lastRow});
    const rtl::TRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// The disjunct row and column selections follow the navigation keys (Shift spans the
// selection, Ctrl keeps the rows or columns already chosen) and Space toggles the current
// row or column.
void TExtStringGrid::DisjunctSelectionKey(ui::WORD Key, ui::TShiftState Shift)
{
    DisjunctColSelectionKey(Key, Shift);
    if (!MouseActions().DisjunctRowSelect()) return;
    const bool shiftDown = (Shift & ui::ssShift) != 0;
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    const int realRow = MouseActions().RowSelectPersistent() ? RealRowIndex(Row()) : Row();
    if (IsNavigationKey(Key)) {
        if (!shiftDown && !ctrl) ResetRowSelect();
        if (shiftDown) {
            ResetRowSelect();
            const rtl::TRect s = Selection();
            SelectRowsBetween(s.Top, s.Bottom);
        } else {
            SetRowSelect(realRow, true);
        }
    } else if (Key == ui::VK_SPACE) {
        SetRowSelect(realRow, !RowSelect(realRow));
    }
}

void TExtStringGrid::DisjunctColSelectionKey(ui::WORD Key, ui::TShiftState Shift)
{
    if (!MouseActions().DisjunctColSelect()) return;
    const bool shiftDown = (Shift & ui::ssShift) != 0;
    const bool ctrl = (Shift & ui::ssCtrl) != 0;
    if (IsNavigationKey(Key)) {
        if (!shiftDown && !ctrl) ClearColSelect();
        if (shiftDown) SelectColRange(true);
        else SetColSelect(Col(), true);
        Invalidate();
    } else if (Key == ui::VK_SPACE) {
        SetColSelect(Col(), !ColSelect(Col()));
        Invalidate();
    }
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

// The step a plain arrow, Home or End asks for over zero-width columns and zero-height
// rows; -1 where the key asks for none.
void TExtStringGrid::KeyStepTarget(ui::WORD Key, int& TargetCol, int& TargetRow)
{
    TargetCol = -1;
    TargetRow = -1;
    const THomeEndAction homeEnd = Navigation().HomeEndKey();
    const int row = Row();
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    switch (Key) {
    case ui::VK_END:
        if (homeEnd == heFirstLastColumn) TargetCol = LastVisibleCol();
        else if (homeEnd == heFirstLastRow) TargetRow = LastVisibleRow();
        break;
    case ui::VK_HOME:
        if (homeEnd == heFirstLastColumn) TargetCol = FirstVisibleCol();
        else if (homeEnd == heFirstLastRow) TargetRow = FirstVisibleRow();
        break;
    // In a row-select grid Left and Right scroll the columns; the cursor does not step.
    case ui::VK_LEFT:
        if (!rowSelect) TargetCol = NextVisibleCol(Col() - 1);
        break;
    case ui::VK_RIGHT:
        if (!rowSelect) TargetCol = NextVisibleCol(Col() + 1);
        break;
    case ui::VK_UP:
        TargetRow = NextVisibleRow(Row() - 1);
        if (TargetRow == -1) TargetRow = row;
        break;
    case ui::VK_DOWN:
        TargetRow = NextVisibleRow(Row() + 1);
        if (TargetRow == -1) TargetRow = row;
        break;
    default: break;
    }
    // A walk that found no shown column or row keeps the cursor where it is.
    if (TargetCol >= 0 && TargetCol < ColCount() && ColWidths(TargetCol) == 0) TargetCol = Col();
    if (TargetRow >= 0 && TargetRow < RowCount() && RowHeights(TargetRow) == 0) TargetRow = row;
}

// Ctrl+Down and Ctrl+Up with CursorMoveRows carry the selected row, or the block of rows
// selected when the key arrived, one row along; the row passed over goes to the block's
// other side, and cursor and selection move with the rows.
void TExtStringGrid::MoveSelectedRowsByKey(ui::WORD Key, int LastCol, int LastRow)
{
    const rtl::TRect s = OrderedRect(FMoveSelection);
    const bool block = s.Bottom > s.Top && LastRow >= s.Top && LastRow <= s.Bottom;
    const int top = block ? s.Top : LastRow;
    const int bottom = block ? s.Bottom : LastRow;
    int delta = 0;
    if (Key == ui::VK_DOWN && bottom < RowCount() - 1 && top >= FixedRows()) {
        MoveRow(bottom + 1, top);
        delta = 1;
    } else if (Key == ui::VK_UP && top > FixedRows()) {
        MoveRow(top - 1, bottom);
        delta = -1;
    }
    if (delta == 0) return;
    const int anchorCol = LastCol == s.Left ? s.Right : s.Left;
    const int anchorRow = (LastRow == bottom ? top : bottom) + delta;
    FForceSel = true;
    MoveColRow(LastCol, LastRow + delta, true, true);
    if (block) SetSelection(rtl::TRect{anchorCol, anchorRow, LastCol, LastRow + delta});
    FForceSel = false;
}

// Up or Down that the cell selection refused because the row is disabled goes on to the
// next enabled row in that direction.
void TExtStringGrid::SkipDisabledRowsByKey(ui::WORD Key)
{
    if (Key == ui::VK_UP) {
        for (int r = Row() - 1; r >= FixedRows(); --r) {
            if (!RowEnabled(r)) continue;
            SetRow(r);
            return;
        }
    } else if (Key == ui::VK_DOWN) {
        for (int r = Row() + 1; r < RowCount(); ++r) {
            if (!RowEnabled(r)) continue;
            SetRow(r);
            return;
        }
    }
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
    int targetCol = -1;
    int targetRow = -1;
    if (Shift == 0) KeyStepTarget(key, targetCol, targetRow);
    FLastKeyCell = rtl::TPoint{lastCol, lastRow};
    // A modifier pressed alone on the row above a shown search footer changes nothing.
    const bool modifier = key == ui::VK_SHIFT || key == ui::VK_CONTROL || key == ui::VK_MENU;
    if (modifier && SearchFooter().Visible() && Row() == RowCount() - 1) {
        Key = 0;
        return;
    }
    TBaseGrid::KeyDown(Key, Shift);
    if (targetCol != -1 && targetCol != Col()) SetCol(targetCol);
    if (targetRow != -1 && targetRow != Row() && targetRow > 0 && targetRow < RowCount() - 1) SetRow(targetRow);
    if (Navigation().CursorMoveRows() && (Shift & ui::ssCtrl)) MoveSelectedRowsByKey(key, lastCol, lastRow);
    WrapCursorByKey(key);
    if (UseEnabledRows() && Navigation().SkipDisabledRows() && Row() == lastRow) SkipDisabledRowsByKey(key);
    if (auto* other = dynamic_cast<ui::TCustomGrid*>(SyncGrid().Grid())) {
        if (SyncGrid().SelectionColumn() && Col() < other->ColCount()) other->SetCol(Col());
        if (SyncGrid().SelectionRow() && Row() < other->RowCount()) other->SetRow(Row());
    }
}

// caSnake and caLoop: an arrow at the edge of the normal cells (decided on the cell the key
// went down on) continues on the other side.
void TExtStringGrid::WrapCursorByKey(ui::WORD Key)
{
    const TCursorAdvance wrap = Navigation().CursorAdvance();
    if (wrap == caDefault || Col() != FLastKeyCell.X || Row() != FLastKeyCell.Y) return;
    const bool snake = wrap == caSnake;
    const int normalLastCol = ColCount() - FixedRightCols() - 1;
    const int normalLastRow = RowCount() - FixedFooters() - 1;
    int c = FLastKeyCell.X;
    int r = FLastKeyCell.Y;
    if (Key == ui::VK_LEFT && c == FixedCols()) {
        c = normalLastCol;
        if (snake && r > FixedRows()) --r;
    } else if (Key == ui::VK_UP && r == FixedRows()) {
        r = normalLastRow;
        if (snake && c > FixedCols()) --c;
    } else if (Key == ui::VK_RIGHT && c == ColCount() - 1) {
        c = FixedCols();
        if (snake && r < normalLastRow) ++r;
    } else if (Key == ui::VK_DOWN && r == RowCount() - 1) {
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
    const rtl::TRect before = OrderedRect(Selection());
    TBaseGrid::KeyUp(Key, Shift);
    const bool tabStep = key == ui::VK_TAB && (Options() & ui::goTabs) != 0;
    if (Navigation().AlwaysEdit() && (IsArrow(key) || tabStep) && !HasCellControl(Col(), Row()) &&
        IsEditable(Col(), Row()))
        ShowInplaceEdit();
    if ((IsArrow(key) || key == ui::VK_TAB) && !SameRect(Selection(), FMoveSelection)) NotifySelectionMoved();
    if (MouseActions().DisjunctCellSelect() && (Options() & ui::goEditing) == 0) CellSelectionKeyUp(key, Shift, before);
    // With RangeSelectAndEdit a grid without goEditing opens an editable cell's editor on
    // Enter and F2 (cells that may not be edited were turned away when the key went down).
    if ((key == ui::VK_RETURN || key == ui::VK_F2) && MouseActions().RangeSelectAndEdit() &&
        (Options() & ui::goEditing) == 0 && !HasCellControl(Col(), Row()) && IsEditable(Col(), Row())) {
        SetOptions(Options() | ui::goEditing);
        // Opened as F2 opens it in an editing grid: the caret after the text.
        SetEditorMode(true);
    }
}

void TExtStringGrid::AddSelectedCell(int ACol, int ARow)
{
    const int key = ARow * 65536 + (ACol & 0xFFFF);
    if (!FSelectedCells->HasValue(key)) FSelectedCells->Add(key);
}

// The disjunct cell selection after a key: Shift moves the cells of the selection
// rectangle into the list; Space puts the current cell in (Ctrl toggles it, adding to the
// list instead of starting it anew).
void TExtStringGrid::CellSelectionKeyUp(ui::WORD Key, ui::TShiftState Shift, const rtl::TRect& Before)
{
    const auto cellKey = [](int c, int r) { return r * 65536 + (c & 0xFFFF); };
    if ((Shift & ui::ssShift) != 0) {
        for (int r = Before.Top; r <= Before.Bottom; ++r)
            for (int c = Before.Left; c <= Before.Right; ++c) FSelectedCells->DeleteValue(cellKey(c, r));
        const rtl::TRect now = OrderedRect(Selection());
        for (int r = now.Top; r <= now.Bottom; ++r)
            for (int c = now.Left; c <= now.Right; ++c)
                if (c != Col() || r != Row()) AddSelectedCell(c, r);
        Invalidate();
    }
    if (Key != ui::VK_SPACE) return;
    const rtl::TPoint base = BaseCell(Col(), Row());
    if (!IsFixed(base.X, base.Y)) {
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect) return;
    }
    if ((Shift & ui::ssCtrl) != 0) {
        if (FSelectedCells->HasValue(cellKey(base.X, base.Y))) FSelectedCells->DeleteValue(cellKey(base.X, base.Y));
        else AddSelectedCell(base.X, base.Y);
    } else {
        FSelectedCells->Clear();
        AddSelectedCell(base.X, base.Y);
    }
    const rtl::TRect now = OrderedRect(Selection());
    if (now.Right > now.Left || now.Bottom > now.Top) {
        for (int r = now.Top; r <= now.Bottom; ++r)
            for (int c = now.Left; c <= now.Right; ++c)
                if (c != base.X || r != base.Y) AddSelectedCell(c, r);
    }
    Invalidate();
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
    auto ch = static_cast<char32_t>(Message.WParam);
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
    // The numeric keypad's decimal key (bit 22 of the key data: its scan code 0x53) types
    // the locale's decimal separator; the main keyboard's "." stays a full stop.
    if (ch == U'.' && ExcelStyleDecimalSeparator() && (Message.LParam & KeypadScanCodeBit) != 0) {
        ch = static_cast<unsigned char>(rtl::FormatSettings.DecimalSeparator);
        Message.WParam = static_cast<ui::WPARAM>(ch);
    }
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
