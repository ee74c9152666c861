// The grid's edit-with-button cell editors: character filters, paste, lookup, keys that validate and walk.
#include "grid/editing/GridEditButtons.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

int Length(const std::string& s) { return static_cast<int>(rtl::Utf8Length(s)); }

bool IsCommitKey(ui::WORD k)
{
    return k == ui::VK_TAB || k == ui::VK_RETURN || k == ui::VK_ESCAPE || k == ui::VK_PRIOR || k == ui::VK_NEXT ||
           k == ui::VK_UP || k == ui::VK_DOWN;
}

// The character message through the filter of the current editor kind: true when it
// goes on to the edit.
bool FilterChar(TEditBtnFilter filter, ui::TCustomEdit& edit, char32_t ch)
{
    bool beep = false;
    bool ok = EditBtnCharAllowed(filter, ch, edit.Text(), edit.SelStart(), edit.SelText(), beep);
    if (!ok && beep) EditorBeep();
    if (filter == efFloat && ui::GetKeyState(ui::VK_CONTROL) < 0) return true;
    return ok;
}

// The editor's text goes through the grid's OnEllipsClick and comes back fully selected.
void TakeTextThroughEllipsClick(TEsgEditBtn& edit, TExtStringGrid& grid)
{
    std::string s = edit.Text();
    grid.EllipsClick(grid.Col(), grid.Row(), s);
    edit.SetText(s);
    edit.SetSelStart(0);
    edit.SetSelLength(Length(s));
    edit.Invalidate();
}

}  // namespace

bool EditBtnCharAllowed(TEditBtnFilter Filter, char32_t Ch, const std::string& Text, int SelStart,
                        const std::string& SelText, bool& Beep)
{
    Beep = false;
    if (Filter == efNumeric) {
        if (Ch == 8 || Ch == 9 || Ch == 13 || Ch == 27 || (Ch >= U'0' && Ch <= U'9')) return true;
        if (Ch == U'-' && !Contains(Text, '-') && SelStart == 0) return true;
        Beep = true;
        return false;
    }
    if (!IsNumericEditKey(Ch)) return false;
    char dec = rtl::FormatSettings.DecimalSeparator;
    char thou = rtl::FormatSettings.ThousandSeparator;
    if (Ch == static_cast<char32_t>(dec) && Contains(Text, dec) && !Contains(SelText, dec)) return false;
    if (thou != '\0' && Ch == static_cast<char32_t>(thou)) return false;
    if (Ch == U'-' && (SelStart != 0 || Contains(Text, '-')) && !Contains(SelText, '-')) {
        Beep = true;
        return false;
    }
    return true;
}

// ===== TGridEditBtn

TGridEditBtn::TGridEditBtn(rtl::TComponent* AOwner) : TEsgEditBtn(AOwner), FGrid(RequireGrid(AOwner, "TGridEditBtn"))
{
    OnClickBtn = [this](rtl::TObject*) { ButtonHandler(); };
}

void TGridEditBtn::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

void TGridEditBtn::ButtonHandler()
{
    TakeTextThroughEllipsClick(*this, *FGrid);
    if (FStopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
    }
}

void TGridEditBtn::DoExit()
{
    EditorExit(*FGrid, [this] { TEsgEditBtn::DoExit(); });
}

void TGridEditBtn::DblClick()
{
    TEsgEditBtn::DblClick();
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::Change()
{
    TEsgEditBtn::Change();
    if (FGrid->OnEditChange) {
        std::string v = Text();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), v);
    }
}

// A single trailing line break is dropped; the pasted text replaces the selection and
// becomes the grid's current edit text.
void TGridEditBtn::Paste()
{
    ui::TClipboard& cb = ui::Clipboard();
    bool allow = cb.HasFormat(ui::CF_TEXT);
    std::string text = allow ? cb.AsText() : std::string();
    if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
    if (allow && FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), text, allow);
    if (!allow) return;
    std::size_t crlf = text.find("\r\n");
    if (crlf != std::string::npos && crlf + 2 == text.size()) text.erase(crlf);
    int start = SelStart();
    bool hadSelection = SelLength() > 0;
    SetSelText(text);
    FGrid->SetCurrentEditText(Text());
    if (hadSelection) {
        SetSelStart(start);
        SetSelLength(Length(text));
    } else {
        SetSelStart(start + Length(text));
        SetSelLength(0);
    }
}

void TGridEditBtn::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_CHAR: {
        char32_t ch = static_cast<char32_t>(Message.WParam);
        if (ch == 13 || ch == 9) {
            Message.Result = 1;
            return;
        }
        TEditorType kind = FGrid->EditControl();
        if (kind == edNumericEditBtn || kind == edFloatEditBtn) {
            if (!FilterChar(kind == edNumericEditBtn ? efNumeric : efFloat, *this, ch)) return;
        } else if (kind != edEditBtn && kind != edMaskEditBtn) {
            return;
        }
        break;
    }
    case ui::WM_PASTE:
        Paste();
        return;
    case ui::CM_WANTSPECIALKEY: {
        TEsgEditBtn::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || (k == ui::VK_TAB && FGrid->GridHandlesTab()))
            Message.Result = 1;
        return;
    }
    case ui::WM_SETFOCUS:
        TEsgEditBtn::WndProc(Message);
        if (!FGrid->Navigation().EditSelectAll()) {
            SetSelStart(Length(Text()));
            SetSelLength(0);
        }
        return;
    default:
        break;
    }
    TEsgEditBtn::WndProc(Message);
}

void TGridEditBtn::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key != U'\t') TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    bool commit = IsCommitKey(Key);
    if (!commit && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    FWorkMode = !(Key == VK_BACK || Key == VK_DELETE);
    FSelKeyDown = SelStart();
    if ((Shift & ssCtrl) != 0 || !commit) {
        TEsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    TEditorType kind = FGrid->EditControl();
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->SetCurrentCell(Text());
        bool ok = FGrid->ValidateCell(Text());
        SetText(FGrid->NewCellText());
        if (!ok) {
            SelectAll();
            Invalidate();
            Key = 0;
            FGrid->SetEditControl(kind);
            return;
        }
    }
    if (Key == VK_TAB && FGrid->GridHandlesTab()) {
        FGrid->SetCurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            SetText(FGrid->NewCellText());
            SetSelStart(Length(Text()));
            Invalidate();
            Key = 0;
            return;
        }
        if ((FGrid->Options() & goTabs) != 0) {
            FGrid->HideInplaceEdit();
            FGrid->SetFocus();
            FGrid->NavigateFromEditor((Shift & ssShift) != 0);
            return;
        }
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_ESCAPE) SetText(FGrid->CellCache());
    FGrid->DoneInplaceEdit(Key, Shift);
    if (FGrid->Navigation().AdvanceOnEnter() && FGrid->Navigation().AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
}

void TGridEditBtn::CursorWalk(ui::WORD& Key)
{
    using namespace ui;
    TNavigation& nav = FGrid->Navigation();
    int col = FGrid->Col();
    if (Key == VK_RIGHT && SelStart() == Length(Text())) {
        Key = 0;
        int s = std::max(0, FGrid->CellSpan(col, FGrid->Row()).X) + 1;
        if (col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 &&
            FGrid->HasCellControl(col + s, FGrid->Row())) {
            if (FGrid->ValidateCell(Text())) {
                FGrid->HideInplaceEdit();
                FGrid->SetCol(col + s);
            }
            return;
        }
        if (!FGrid->ValidateCell(Text())) return;
        FGrid->SetFocus();
        TAdvanceDirection dir = nav.AdvanceDirection();
        if (dir != adLeftRight && dir != adLeftRightInRow) nav.SetAdvanceDirection(adLeftRight);
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, true, true, true);
        nav.SetAdvanceDirection(dir);
        if (nav.CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
        return;
    }
    if (Key == VK_LEFT && FSelKeyDown == 0) {
        Key = 0;
        if (col > FGrid->FixedCols() && FGrid->HasCellControl(col - 1, FGrid->Row())) {
            if (FGrid->ValidateCell(Text())) {
                FGrid->HideInplaceEdit();
                FGrid->SetCol(col - 1);
            }
            return;
        }
        FGrid->SetFocus();
        TAdvanceDirection dir = nav.AdvanceDirection();
        if (dir != adLeftRight && dir != adLeftRightInRow) nav.SetAdvanceDirection(adLeftRight);
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, false, true, true);
        nav.SetAdvanceDirection(dir);
        if (nav.CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
    }
}

// Completes the text before the caret from the grid's LookupItems, selecting the rest.
void TGridEditBtn::LookupCompletion()
{
    if (!FWorkMode || SelLength() != 0 || !FGrid->Lookup() || FGrid->LookupItems().Count() == 0) return;
    bool cs = FGrid->LookupCaseSensitive();
    std::string typed = rtl::Utf8Copy(Text(), 1, SelStart());
    if (typed.empty()) return;
    std::string prefix = cs ? typed : rtl::AnsiUpperCase(typed);
    rtl::TStrings& items = FGrid->LookupItems();
    for (int i = 0; i < items.Count(); ++i) {
        std::string item = cs ? items.Get(i) : rtl::AnsiUpperCase(items.Get(i));
        if (item.compare(0, prefix.size(), prefix) != 0) continue;
        int n = Length(typed);
        SetText(typed + rtl::Utf8Copy(items.Get(i), n + 1, 255));
        SetSelStart(n);
        SetSelLength(Length(Text()) - n);
        return;
    }
}

void TGridEditBtn::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
    if (FGrid->Navigation().CursorWalkEditor() && SelLength() == 0 &&
        (Shift & (ui::ssShift | ui::ssCtrl | ui::ssAlt)) == 0)
        CursorWalk(Key);
    if (Key != ui::VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
    LookupCompletion();
}

// ===== TGridUnitEditBtn

TGridUnitEditBtn::TGridUnitEditBtn(rtl::TComponent* AOwner)
    : TEsgUnitEditBtn(AOwner), FGrid(RequireGrid(AOwner, "TGridUnitEditBtn"))
{
    OnClickBtn = [this](rtl::TObject*) { ButtonHandler(); };
}

void TGridUnitEditBtn::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

void TGridUnitEditBtn::ButtonHandler() { TakeTextThroughEllipsClick(*this, *FGrid); }

void TGridUnitEditBtn::DoExit()
{
    EditorExit(*FGrid, [this] { TEsgUnitEditBtn::DoExit(); });
}

void TGridUnitEditBtn::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_CHAR: {
        char32_t ch = static_cast<char32_t>(Message.WParam);
        if (ch == 13) {
            Message.Result = 0;
            return;
        }
        TEditorType kind = FGrid->EditControl();
        if (kind == edNumericUnitEditBtn || kind == edFloatUnitEditBtn) {
            if (!FilterChar(kind == edNumericUnitEditBtn ? efNumeric : efFloat, *this, ch)) return;
        } else if (kind != edUnitEditBtn) {
            return;
        }
        break;
    }
    case ui::CM_WANTSPECIALKEY: {
        TEsgUnitEditBtn::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || (k == ui::VK_TAB && (FGrid->Options() & ui::goTabs) != 0))
            Message.Result = 1;
        return;
    }
    default:
        break;
    }
    TEsgUnitEditBtn::WndProc(Message);
}

void TGridUnitEditBtn::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (!IsCommitKey(Key)) {
        TEsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->SetCurrentCell(TextAndUnit());
        bool ok = FGrid->ValidateCell(TextAndUnit());
        SetTextAndUnit(FGrid->GetCurrentCell());
        if (!ok) return;
    }
    if (Key == VK_RETURN && FGrid->Navigation().AdvanceOnEnter()) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
        Key = 0;
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, (Shift & ssShift) == 0, true, false);
        return;
    }
    if (Key == VK_TAB && (FGrid->Options() & goTabs) != 0) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
        FGrid->NavigateFromEditor((Shift & ssShift) != 0);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID("");
        SetText(FGrid->GetCurrentCell());
    }
    FGrid->DoneInplaceEdit(Key, Shift);
}

}  // namespace grid
