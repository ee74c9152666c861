// The grid's in-place editor and the grid's side of editing: showing, storing, hiding.
#include "platform/rtl/Utf8.h"
#include "platform/ui/Grids.h"

namespace ui {

// --- TInplaceEdit ---

TInplaceEdit::TInplaceEdit(rtl::TComponent* AOwner) : TGridEditBase(AOwner)
{
    FGrid = dynamic_cast<TCustomGrid*>(AOwner);
    SetVisible(false);
    SetTabStop(false);
    SetBorderThickness(0);
    SetAutoSelect(false);
}

void TInplaceEdit::Move(const rtl::TRect& Loc)
{
    SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
    if (!Visible()) SetVisible(true);
}

// Cleared first, then the cell's mask, its text and the length limit.
void TInplaceEdit::UpdateContents()
{
    if (FGrid == nullptr) return;
    FFilling = true;
    SetText("");
    std::string mask = FGrid->GetEditMask(FGrid->Col(), FGrid->Row());
    if (mask != EditMask()) SetEditMask(mask);
    SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
    SetMaxLength(FGrid->GetEditLimit());
    FFilling = false;
    FOriginal = GetText();
    SetModified(false);
}

void TInplaceEdit::Deselect()
{
    SetSelStart(static_cast<int>(rtl::Utf8Length(GetText())));
    SetSelLength(0);
}

void TInplaceEdit::Hide()
{
    if (Visible()) SetVisible(false);
}

void TInplaceEdit::SetFocus()
{
    if (CanFocus()) TGridEditBase::SetFocus();
}

void TInplaceEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        if (FGrid != nullptr && (FGrid->Options() & goTabs)) Message.Result |= DLGC_WANTTAB;
        return;
    }
    TGridEditBase::WndProc(Message);
}

// Keys that move between cells go to the grid; Left and Right only at the text's ends.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    if (FGrid == nullptr) {
        TGridEditBase::KeyDown(Key, Shift);
        return;
    }
    int length = static_cast<int>(rtl::Utf8Length(GetText()));
    bool toGrid = false;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_TAB: toGrid = true; break;
    case VK_LEFT: toGrid = SelLength() == 0 && SelStart() == 0; break;
    case VK_RIGHT: toGrid = SelLength() == 0 && SelStart() >= length; break;
    case VK_HOME:
    case VK_END: toGrid = (Shift & ssCtrl) != 0; break;
    case VK_ESCAPE: {
        // Escape gives the cell back the text it had when editing began.
        TCustomGrid* grid = FGrid;
        if (GetText() != FOriginal) SetText(FOriginal);
        if (grid->Options() & goAlwaysShowEditor) {
            SelectAll();
        } else {
            grid->HideEditor();
            if (grid->CanFocus()) grid->SetFocus();
        }
        Key = 0;
        return;
    }
    default: break;
    }
    if (toGrid) {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    TGridEditBase::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key)
{
    if (Key == U'\r' || Key == U'\t' || Key == 0x1B) {
        Key = 0;
        return;
    }
    if (FGrid != nullptr && Key >= 0x20 && !FGrid->CanEditModify()) {
        Key = 0;
        return;
    }
    TGridEditBase::KeyPress(Key);
}

bool TInplaceEdit::CharAllowed(char32_t ch) const
{
    if (!TGridEditBase::CharAllowed(ch)) return false;
    return FGrid == nullptr || FGrid->CanEditAcceptKey(ch);
}

// Every change of the text goes into the cell at once, as the grid's users expect.
void TInplaceEdit::Change()
{
    TGridEditBase::Change();
    if (!FFilling && FGrid != nullptr && Visible()) FGrid->UpdateText();
}

void TInplaceEdit::DoExit()
{
    if (FGrid != nullptr && Visible()) FGrid->UpdateText();
    TGridEditBase::DoExit();
}

// --- TCustomGrid: editing ---

std::string TCustomGrid::GetEditText(int /*ACol*/, int /*ARow*/) { return {}; }
void TCustomGrid::SetEditText(int /*ACol*/, int /*ARow*/, const std::string& /*Value*/) {}
std::string TCustomGrid::GetEditMask(int /*ACol*/, int /*ARow*/) { return {}; }
int TCustomGrid::GetEditLimit() { return 0; }
bool TCustomGrid::CanEditModify() { return true; }

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow()
{
    return (FOptions & (goEditing | goRowSelect)) == goEditing && (FEditorMode || (FOptions & goAlwaysShowEditor));
}

void TCustomGrid::SetEditorMode(bool value)
{
    if (!value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit != nullptr && FInplaceEdit->Visible()) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::ShowEditorChar(char32_t Ch)
{
    ShowEditor();
    if (FInplaceEdit != nullptr && FInplaceEdit->Visible())
        FInplaceEdit->Perform(WM_CHAR, static_cast<WPARAM>(Ch), 0);
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    if (FInplaceEdit == nullptr || !FInplaceEdit->Visible()) return;
    UpdateText();
    bool hadFocus = FInplaceEdit->Focused();
    FInplaceEdit->Hide();
    FInplaceCol = FInplaceRow = -1;
    if (hadFocus && CanFocus()) SetFocus();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::UpdateText()
{
    if (FInplaceEdit == nullptr || FInplaceCol < 0 || FInplaceRow < 0 || !CanEditModify()) return;
    if (FInplaceCol >= ColCount() || FInplaceRow >= RowCount()) return;
    SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->GetText());
}

// Shows the editor over the current cell, filled from it, when editing may show.
void TCustomGrid::UpdateEdit()
{
    if (FEditorShowing || !CanEditShow()) return;
    FEditorShowing = true;
    FEditorMode = true;
    if (FInplaceEdit == nullptr) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        FInplaceEdit->SetParent(this);
    }
    bool gridFocused = Focused() || FInplaceEdit->Focused();
    if (!FInplaceEdit->Visible() || FInplaceCol != FCurrent.X || FInplaceRow != FCurrent.Y) {
        FInplaceCol = -1;  // no storing while the editor is refilled
        FInplaceRow = -1;
        FInplaceEdit->UpdateContents();
        FInplaceCol = FCurrent.X;
        FInplaceRow = FCurrent.Y;
        FInplaceEdit->SelectAll();
    }
    rtl::TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (!rtl::IsRectEmpty(r)) {
        FInplaceEdit->Move(r);
        if (gridFocused) FInplaceEdit->SetFocus();
    }
    InvalidateCell(FCurrent.X, FCurrent.Y);
    FEditorShowing = false;
}

// Follows the editor's cell after scrolling or resizing; out of view it hides, in edit mode.
void TCustomGrid::InvalidateEditor()
{
    if (FInplaceEdit == nullptr || !FEditorMode || FInplaceCol < 0) return;
    rtl::TRect r = CellRect(FInplaceCol, FInplaceRow);
    if (rtl::IsRectEmpty(r)) {
        bool hadFocus = FInplaceEdit->Focused();
        FInplaceEdit->SetVisible(false);
        if (hadFocus && CanFocus()) SetFocus();
        return;
    }
    FInplaceEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (!FInplaceEdit->Visible()) FInplaceEdit->SetVisible(true);
}

}  // namespace ui
