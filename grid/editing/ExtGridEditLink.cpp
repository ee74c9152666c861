// The custom editor link: key routing back to the grid, placement of the program's control, and storing its value in the cell.
#include "grid/editing/ExtGridEditLink.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"

namespace grid {

TEditLink::TEditLink(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}

TEditLink::~TEditLink() { Destroying(); }

void TEditLink::AttachToGrid(TExtStringGrid* AGrid, rtl::TPoint ACell)
{
    FGrid = AGrid;
    FEditCell = ACell;
}

void TEditLink::CreateEditor(ui::TWinControl*) {}

void TEditLink::SetCellProps(gfx::TColor, gfx::TFont*) {}

void TEditLink::SetEditorValue(const std::string&) {}

bool TEditLink::KeptByLink(ui::WORD Key) const
{
    using namespace ui;
    switch (Key) {
    case VK_UP: case VK_DOWN: return FWantKeyUpDown;
    case VK_LEFT: case VK_RIGHT: return FWantKeyLeftRight;
    case VK_HOME: case VK_END: return FWantKeyHomeEnd;
    case VK_PRIOR: case VK_NEXT: return FWantKeyPriorNext;
    case VK_RETURN: return FWantKeyReturn;
    case VK_ESCAPE: return FWantKeyEscape;
    case VK_TAB: return FWantTabs;
    default: return true;
    }
}

void TEditLink::FocusGridForced()
{
    FForcedExit = true;
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FForcedExit = false;
}

void TEditLink::EditKeyDown(rtl::TObject*, ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    // Home is no grid key: it stays with the control even without WantKeyHomeEnd.
    if (FGrid == nullptr || Key == VK_HOME || KeptByLink(Key)) return;
    TExtStringGrid& g = *FGrid;
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        const std::string v = GetEditorValue();
        g.SetCurrentCell(v);
        const bool accepted = g.ValidateCell(v);
        SetEditorValue(g.NewCellText());
        if (!accepted) {
            // A refused value keeps the editor open with the value validation left.
            Key = 0;
            g.SetNoAutoAdvance(true);
            g.Invalidate();
            return;
        }
    }
    if (Key == VK_TAB && g.Navigation().TabToNextAtEnd()) {
        Key = 0;
        FocusGridForced();
        g.HideSpecialEditor(g.Col(), g.Row());
        g.NavigateFromEditor((Shift & ssShift) != 0);
        return;
    }
    // Escape stores the text the cell had when editing began, so the cell keeps it.
    if (Key == VK_ESCAPE) SetEditorValue(g.CellCache());
    const WORD key = Key;
    Key = 0;
    FocusGridForced();
    g.DoneInplaceEdit(key, Shift);
}

void TEditLink::SetFocus(bool Value)
{
    ui::TWinControl* control = GetEditControl();
    if (control == nullptr) return;
    if (Value) {
        if (!control->Visible()) control->SetVisible(true);
        if (!control->Enabled()) control->SetEnabled(true);
    }
    if (FEditStyle == esInplace && !FSubclassed && FGrid != nullptr) {
        FGrid->EditLinkSavedWndProc() = control->WindowProc;
        TExtStringGrid* grid = FGrid;
        control->WindowProc = [grid](ui::TMessage& m) { grid->EditLinkControlWndProc(m); };
        FSubclassed = true;
    }
    if (Value) {
        if (control->CanFocus()) control->SetFocus();
    } else if (FGrid != nullptr && FGrid->CanFocus()) {
        FGrid->SetFocus();
    }
}

void TEditLink::SetRect(const rtl::TRect& R)
{
    ui::TWinControl* control = GetEditControl();
    if (control == nullptr) return;
    const int line = FGrid != nullptr ? FGrid->GridLineWidth() : 0;
    control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (ui::TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

ui::TWinControl* TEditLink::GetParent()
{
    if (FEditStyle == esPopup && FPopupForm != nullptr) return FPopupForm;
    return FGrid;
}

std::string TEditLink::GetCellValue()
{
    if (FGrid == nullptr) return {};
    return FGrid->Cells(FGrid->RealColIndex(FGrid->Col()), FGrid->Row());
}

void TEditLink::SetCellValue(const std::string& s)
{
    if (FGrid == nullptr) return;
    FGrid->SetCellFromEditor(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), s);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FGrid != nullptr) FGrid->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::RestoreWinProc()
{
    ui::TWinControl* control = GetEditControl();
    if (control == nullptr || FEditStyle == esPopup || !FSubclassed || FGrid == nullptr) return;
    control->WindowProc = FGrid->EditLinkSavedWndProc();
    FGrid->EditLinkSavedWndProc() = nullptr;
    FSubclassed = false;
    control->SetVisible(false);
}

void TEditLink::EditExit(rtl::TObject*)
{
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm != nullptr) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

// The pop-up form lost its activation. During the link's own move of the focus to the grid
// only the value is stored; otherwise (the user clicked elsewhere) the edit ends, and the
// focus that then returns to the grid is marked as this change.
void TEditLink::FormExit(rtl::TObject* Sender)
{
    const std::string v = GetEditorValue();
    if (FGrid != nullptr) {
        if (TExtInplaceEdit* edit = FGrid->NormalEdit()) edit->SetTextQuietly(v);
    }
    if (FForcedExit) {
        SetCellValue(v);
        return;
    }
    EditExit(Sender);
    FInvokedFocusChange = true;
}

// --- the grid's side

void TExtStringGrid::SetEditLink(TEditLink* Value)
{
    LinkComponent(FEditLinkComponent, Value);
    FEditLink = Value;
}

// With goTabs the control wants arrows, Tab and characters without asking it; every other
// message goes to the control's own window procedure.
void TExtStringGrid::EditLinkControlWndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_GETDLGCODE && (Options() & ui::goTabs) != 0) {
        Message.Result |= ui::DLGC_WANTARROWS | ui::DLGC_WANTTAB | ui::DLGC_WANTCHARS;
        return;
    }
    if (FEditLinkSavedWndProc) FEditLinkSavedWndProc(Message);
}

namespace {

// The pop-up form of a link: borderless, at the cell (or the link's own position), of the
// link's size; its deactivation stores the value.
ui::TForm& PopupFormFor(TExtStringGrid& grid, TEditLink& link, const rtl::TRect& cell)
{
    if (link.PopupForm() == nullptr) {
        auto* form = new ui::TForm(&grid);
        form->SetBorderStyle(ui::bsNone);
        form->OnDeactivate = [&link](rtl::TObject* s) { link.FormExit(s); };
        link.SetPopupForm(form);
    }
    ui::TForm& form = *link.PopupForm();
    rtl::TPoint at = grid.ClientToScreen({cell.Left, cell.Top});
    if (link.PopupLeft() != -1 && link.PopupTop() != -1) at = {link.PopupLeft(), link.PopupTop()};
    form.SetBounds(at.X, at.Y, link.PopupWidth(), link.PopupHeight());
    form.Show();
    return form;
}

}  // namespace

void TExtStringGrid::ShowEditLink(int ACol, int ARow)
{
    if (FEditLink == nullptr) return;
    TEditLink& link = *FEditLink;
    FEditing = true;
    FSpecialEditor = true;
    SetCellCache(GetCellEx(ACol, ARow));
    SaveOldCellValue(ACol, ARow);
    const rtl::TRect cell = CellRect(ACol, ARow);
    link.AttachToGrid(this, {RealColIndex(ACol), ARow});
    rtl::TRect place = cell;
    if (link.EditStyle() == esPopup) {
        if (link.AutoPopupWidth()) link.SetPopupWidth(cell.Width());
        link.CreateEditor(&PopupFormFor(*this, link, cell));
        place = rtl::TRect{0, 0, link.PopupWidth(), link.PopupHeight()};
    } else {
        link.CreateEditor(this);
    }
    link.SetRect(place);
    link.SetVisible(true);
    link.SetCellProps(Color(), &GetCellFont(ACol, ARow));
    link.SetProperties();
    GetEditorProp(RealColIndex(ACol), ARow, &link);
    const bool withTags = EditWithTags();
    if (link.WantHTML()) SetEditWithTags(true);
    const std::string text = GetEditText(ACol, ARow);
    SetEditWithTags(withTags);
    link.SetEditorValue(text);
    link.SetFocus(true);
    FEditActive = true;
    if (FStartEditChar != 0) {
        if (ui::TWinControl* control = link.GetEditControl())
            control->Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
    }
    FStartEditChar = 0;
}

// The link's value is stored through SetCellFromEditor, so OnSetEditText reports it.
void TExtStringGrid::HideEditLink(int ACol, int ARow)
{
    if (FEditLink == nullptr) return;
    TEditLink& link = *FEditLink;
    SetCellFromEditor(RealColIndex(ACol), ARow, link.GetEditorValue());
    if (link.EditStyle() == esInplace) link.SetVisible(false);
    link.RestoreWinProc();
    if (link.EditStyle() == esPopup && link.PopupForm() != nullptr) link.PopupForm()->Hide();
}

}  // namespace grid
