// String grid header editing: the fixed-cell edit and combo placed over a header cell, and the header's drop-down button.
#include <memory>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/editing/GridTransEditors.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Menus.h"

namespace grid {

namespace {

// Room left of a filter edit cell's text for its filter-type button.
constexpr int FilterTypeRoom = 19;
// The drop-down button at a header cell's right edge.
constexpr int DropButtonWidth = 16;
constexpr int DropButtonSizingGap = 2;

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

rtl::TRect Deflated(rtl::TRect r, int by)
{
    rtl::InflateRect(r, -by, -by);
    return r;
}

}  // namespace

void TExtStringGrid::ShowFixedCellEditor(int ACol, int ARow, bool FilterMode)
{
    TGridTransEdit& edit = *EditTrans();
    TGridTransCombo& combo = *ComboTrans();
    if (edit.Visible() && !edit.StopEdit()) return;
    if (combo.Visible() && !combo.StopEdit()) return;
    if (MouseActions().HotmailRowSelect() && ACol == 0) return;
    bool allow = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, allow);
    if (!allow) return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    TGridFixedCellEditor kind = ACol == 0 ? MouseActions().FixedColsEditor() : MouseActions().FixedRowsEditor();
    rtl::TStringList items;
    if (MouseActions().FixedComboValues() != nullptr) items.Assign(MouseActions().FixedComboValues());
    FixedCellEdit(ACol, ARow, kind, &items);
    rtl::TRect r = Deflated(CellRect(ACol, ARow), 1);
    r.Top += 2;
    if (FilterMode) {
        r.Left += FilterTypeRoom;
        kind = fceEdit;
        edit.SetColor(FilterEdit().Color());
    }
    const int realCol = RealColIndex(ACol);
    const std::string text = GetCellEx(ACol, ARow);
    if (kind == fceComboEdit || kind == fceComboList) {
        combo.SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
        combo.SetStyle(kind == fceComboEdit ? ui::csDropDown : ui::csDropDownList);
        combo.SetDropDownCount(ControlLook().DropDownCount());
        combo.Items().Assign(&items);
        combo.SetText(text);
        if (kind == fceComboList) combo.SetItemIndex(combo.Items().IndexOf(text));
        if (Navigation().AutoComboDropSize()) combo.SizeDropDownWidth();
        combo.SetCol(realCol);
        combo.SetRow(ARow);
        combo.SetVisible(true);
        combo.BringToFront();
        if (combo.CanFocus()) combo.SetFocus();
        return;
    }
    edit.SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    edit.SetText(text);
    edit.SetCol(realCol);
    edit.SetRow(ARow);
    edit.SetVisible(true);
    edit.BringToFront();
    edit.SetFilterEdit(FilterMode);
    if (edit.CanFocus()) edit.SetFocus();
}

// The press rules of MouseActions.FixedRowsEdit and FixedColsEdit, and the filter text of a
// filter edit cell (its filter-type button excepted).
bool TExtStringGrid::PressOpensFixedCellEditor(ui::TMouseButton Button, int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || !(ACol < FixedCols() || ARow < FixedRowsMin())) return false;
    const rtl::TRect cell = CellRect(ACol, ARow);
    if (HasFilterEdit(ACol, ARow)) {
        rtl::TRect text = Deflated(cell, 4);
        text.Left += FilterTypeRoom - 1;
        if (InRect(text, X, Y)) ShowFixedCellEditor(ACol, ARow, true);
        return true;
    }
    const bool inner = InRect(Deflated(cell, 4), X, Y);
    auto rule = [&](TGridFixedCellEdit how, bool fixedLine, bool sizing) {
        const bool press = (how == fceLeftClick && Button == ui::mbLeft) ||
                           (how == fceRightClick && Button == ui::mbRight && fixedLine);
        if (!press) return false;
        // With sizing on, a press near the cell's edges grabs the edge instead.
        if (!sizing || inner) ShowFixedCellEditor(ACol, ARow, false);
        return true;
    };
    if (rule(MouseActions().FixedRowsEdit(), ARow < FixedRowsMin(), (Options() & ui::goColSizing) != 0)) return true;
    return rule(MouseActions().FixedColsEdit(), ACol < FixedCols(), (Options() & ui::goRowSizing) != 0);
}

// A press on the drop-down button of a header that takes the hover highlight: the
// application may change or drop the menu, which then opens below the button.
bool TExtStringGrid::PressFixedDropDownButton(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || !ControlLook().FixedDropDownButton() || !IsHoverFixedCell(ACol, ARow)) return false;
    const rtl::TRect r = CellRect(ACol, ARow);
    const int right = (Options() & ui::goColSizing) != 0 ? r.Right - DropButtonSizingGap : r.Right;
    if (!(X > r.Right - DropButtonWidth && X < right) || Y < r.Top || Y >= r.Bottom) return false;
    FDropDownDown = true;
    bool show = true;
    CanShowFixedDropDown(RealColIndex(ACol), ARow, show);
    auto* menu = dynamic_cast<ui::TPopupMenu*>(FixedDropDownMenu());
    if (!show || (menu == nullptr && !OnFixedDropDownClick)) return true;
    bool keep = false;
    FNoMouseLeave = true;
    if (menu != nullptr) menu->SetTag(ACol);
    if (OnFixedDropDownClick) OnFixedDropDownClick(this, ACol, ARow, menu, keep);
    if (menu != nullptr) {
        FMouseDownMove = false;
        SetHoverFixedCell(ACol, ARow);
        const rtl::TPoint at = ClientToScreen({r.Right - DropButtonWidth, r.Bottom});
        // The menu stays open after this press; its closing clears the highlight.
        auto previousClose = menu->OnClose;
        // The menu may outlive the grid: the handler reaches the grid only while it exists.
        std::weak_ptr<int> gridAlive = FAliveToken;
        menu->OnClose = [this, menu, previousClose, gridAlive](rtl::TObject* Sender) {
            // Putting the old handler back ends this one: what it still needs is copied first.
            TExtStringGrid* grid = this;
            const bool alive = !gridAlive.expired();
            const TNotifyEvent previous = previousClose;
            menu->OnClose = previous;
            if (alive) grid->SetHoverFixedCell(-1, -1);
            if (previous) previous(Sender);
        };
        menu->Popup(at.X, at.Y);
    }
    FNoMouseLeave = keep;
    return true;
}

void TExtStringGrid::SetHoverFixedCell(int ACol, int ARow)
{
    if (ACol == FHoverFixedCol && ARow == FHoverFixedRow) return;
    const int oldCol = FHoverFixedCol;
    const int oldRow = FHoverFixedRow;
    FHoverFixedCol = ACol;
    FHoverFixedRow = ARow;
    if (oldCol >= 0 && oldRow >= 0 && oldCol < ColCount() && oldRow < RowCount()) RepaintCell(oldCol, oldRow);
    if (ACol >= 0 && ARow >= 0) RepaintCell(ACol, ARow);
}

}  // namespace grid
