// String grid double click (node toggle, header-edge auto-size, cell double click) and right-button press.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

// With EditOnDblClickOnly goEditing is off between edits (every selection and the end of
// every edit remove it), so the cell's permission is asked as if editing were on: range
// select and edit stands in for the option during the test.
bool EditableByDblClick(TExtStringGrid& Grid, int ACol, int ARow)
{
    TMouseActions& ma = Grid.MouseActions();
    const bool range = ma.RangeSelectAndEdit();
    ma.SetRangeSelectAndEdit(true);
    bool editable = false;
    try {
        editable = Grid.IsEditable(ACol, ARow);
    } catch (...) {
        ma.SetRangeSelectAndEdit(range);
        throw;
    }
    ma.SetRangeSelectAndEdit(range);
    return editable;
}

}  // namespace

void TExtStringGrid::WMLButtonDblClk(ui::TMessage& Message)
{
    const int X = ui::GET_X_LPARAM(Message.LParam);
    const int Y = ui::GET_Y_LPARAM(Message.LParam);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol == -1) {
        if (FixedRowAlways()) {
            PlatformMouse(Message);
            return;
        }
        // Right of the last column the point counts as that column's header.
        ACol = ColCount() - 1;
        ARow = 0;
    }
    if (ARow < 0) {
        PlatformMouse(Message);
        return;
    }
    if (ACol >= FixedCols() && ARow >= FixedRows() && IsNode(ARow) && MouseActions().ToggleNodeOnDblClick()) {
        ToggleNode(RealRowIndex(ARow));
        return;
    }
    if (DblClickAutoSize(ACol, ARow, X)) {
        PlatformMouse(Message);
        return;
    }
    if ((HasButton(ACol, ARow) && InRect(GetCellButtonRect(ACol, ARow), X, Y)) ||
        (HasExpand(ACol, ARow) && InRect(GetExpandButtonRect(ACol, ARow), X, Y)))
        return;
    PlatformMouse(Message);
    if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);
    if (HasCellControl(ACol, ARow) && !HasButton(ACol, ARow)) return;
    if (MouseActions().EditOnDblClickOnly() && ACol >= FixedCols() && ARow >= FixedRows() &&
        EditableByDblClick(*this, ACol, ARow)) {
        SetOptions(Options() | ui::goEditing);
        FOldCol = ACol;
        FOldRow = ARow;
        ShowInplaceEdit();
    }
    const bool byDblClick = (ARow < FixedRows() && MouseActions().FixedRowsEdit() == fceDblClick) ||
                            (ACol < FixedCols() && MouseActions().FixedColsEdit() == fceDblClick);
    if (byDblClick) ShowFixedCellEditor(ACol, ARow, false);
}


// A double click within 4 pixels of a header cell's edge sizes the column left of that edge
// to its widest text. True when the point was on an edge.
bool TExtStringGrid::DblClickAutoSize(int ACol, int ARow, int X)
{
    if (ARow >= FixedRows() || !(Options() & ui::goColSizing) || !MouseActions().AutoSizeColOnDblClick()) return false;
    const rtl::TRect r = CellRect(ACol, ARow);
    auto sizeColumn = [this](int col) {
        bool allow = true;
        if (OnColumnSize) OnColumnSize(this, col, allow);
        if (!allow) return;
        AutoSizeColumnToText(col);
        if (OnEndColumnSize) OnEndColumnSize(this, col);
    };
    if (std::abs(X - r.Left) < 4) {
        int col = ACol - 1;
        // A hidden column of width 0 right at the edge is stepped over.
        if (col > 0 && ColWidths(col) == 0) --col;
        if (col >= FixedCols()) {
            FDblClk = true;
            sizeColumn(col);
            return true;
        }
    }
    if (std::abs(X - r.Right) < 4 && ACol >= FixedCols()) {
        FDblClk = true;
        sizeColumn(ACol);
        return true;
    }
    return false;
}

void TExtStringGrid::AutoSizeColumnToText(int ACol)
{
    gfx::TCanvas& canvas = Canvas();
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        canvas.Font().Assign(r < FixedRows() || ACol < FixedCols() ? &FixedFont() : &GetCellFont(ACol, r));
        widest = std::max(widest, canvas.TextWidth(GetCellEx(ACol, r)));
    }
    if (widest > 0) SetColWidths(ACol, widest + 2 * FXYOffset.X);
}

void TExtStringGrid::WMRButtonDown(ui::TMessage& Message)
{
    PlatformMouse(Message);
    const int X = ui::GET_X_LPARAM(Message.LParam);
    const int Y = ui::GET_Y_LPARAM(Message.LParam);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0) return;
    ui::TShiftState shift = 0;
    if (ui::GetKeyState(ui::VK_SHIFT) < 0) shift |= ui::ssShift;
    if (ui::GetKeyState(ui::VK_MENU) < 0) shift |= ui::ssAlt;
    if (ui::GetKeyState(ui::VK_CONTROL) < 0) shift |= ui::ssCtrl;
    TMouseActions& ma = MouseActions();
    if (ma.SelectOnRightClick() && ma.RowSelect() && ACol < FixedCols()) {
        if (OnMouseDown) OnMouseDown(this, ui::mbLeft, shift, X, Y);
        if (ARow >= FixedRows()) MoveColRow(Col(), ARow, true, true);
        ClickCell(ARow, FixedCols());
        return;
    }
    if (ma.SelectOnRightClick() && !IsFixed(ACol, ARow)) {
        if (ma.HotmailRowSelect() && (shift & ui::ssShift)) {
            for (int r = std::min(Row(), ARow); r <= std::max(Row(), ARow); ++r) SetRowSelect(RealRowIndex(r), true);
            ClickCell(ARow, FixedCols());
            return;
        }
        const rtl::TRect s = Selection();
        const bool selected = ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
                              ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
        const bool rowSelected = RowSelect(RealRowIndex(ARow));
        if (!(ma.DisjunctCellSelect() && selected)) {
            if (!HasCellControl(ACol, ARow)) {
                // Without a handler the right click selects as a left click would.
                if (OnRightClickCell) {
                    MoveColRow(ACol, ARow, true, true);
                } else {
                    MouseDown(ui::mbLeft, 0, X, Y);
                    MouseUp(ui::mbLeft, 0, X, Y);
                    ClickCell(ARow, ACol);
                }
            }
            if (!selected || (Options() & ui::goRowSelect)) {
                const rtl::TPoint base = BaseCell(ACol, ARow);
                MoveColRow(base.X, base.Y, true, true);
            }
            if (ma.DisjunctRowSelect()) {
                int count = 0;
                for (int r = FixedRows(); r < RowCount(); ++r) count += RowSelect(RealRowIndex(r)) ? 1 : 0;
                if ((shift & ui::ssCtrl) || ma.DisjunctRowSelectNoCtrl()) {
                    SetRowSelect(RealRowIndex(ARow), !rowSelected);
                } else if (count > 1 && PopupMenu() != nullptr) {
                    // The menu then acts on every selected row.
                    if (!rowSelected) {
                        ResetRowSelect();
                        SetRowSelect(RealRowIndex(ARow), true);
                    }
                } else {
                    ResetRowSelect();
                    SetRowSelect(RealRowIndex(ARow), true);
                }
            }
        }
    }
    if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
}

}  // namespace grid
