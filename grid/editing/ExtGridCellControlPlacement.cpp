// Controls placed over cells: attaching them to cells and keeping them over their cells as the grid scrolls, sorts and hides.
#include <algorithm>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "platform/ui/StdCtrls.h"

namespace grid {

// The list keeps real columns and real rows, so an entry names its cell whatever is
// hidden or moved; the cell's properties hold the control.

ui::TControl* TExtStringGrid::GetCellControls(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || !HasCellProperties(ACol, ARow)) return nullptr;
    return GetCellPropsDirect(ACol, ARow)->Control();
}

void TExtStringGrid::SetCellControls(int ACol, int ARow, ui::TControl* AControl)
{
    if (ACol < 0 || ARow < 0) return;
    TControlList& list = *FControlList;
    const int realCol = RealColIndex(ACol);
    const int realRow = RealRowIndex(ARow);
    const bool had = GetCellControls(ACol, ARow) != nullptr;
    const int index = list.ControlIndex(realCol, realRow);
    if (AControl == nullptr) {
        if (!had) return;
        if (index >= 0) list.RemoveControl(index);
        --FNumCellControls;
        GetCellPropsDirect(ACol, ARow)->SetControl(nullptr);
        return;
    }
    if (index >= 0) list.RemoveControl(index);
    if (!had) ++FNumCellControls;
    list.AddControl(realCol, realRow, AControl);
    GetCellProperties(ACol, ARow)->SetControl(AControl);
    AControl->SetParent(this);
    const rtl::TRect r = CellRect(ACol, ARow);
    AControl->SetBounds(r.Left, r.Top, std::max(r.Width() - 1, 0), std::max(r.Height() - 1, 0));
}

void TExtStringGrid::CellControlsUpdate(bool RebuildList)
{
    if (!HandleAllocated() || !ccuCall) return;
    TControlList& list = *FControlList;
    if (RebuildList) {
        // The rows that are hidden are outside the cells: their entries are kept as they are.
        struct TEntry {
            int X, Y;
            ui::TControl* Control;
        };
        std::vector<TEntry> entries;
        for (int i = 0; i < list.Count(); ++i) {
            const TControlItem* it = list.GetControl(i);
            if (IsHiddenRow(it->Y())) entries.push_back({it->X(), it->Y(), it->Control()});
        }
        for (int r = 0; r < RowCount(); ++r)
            for (int c = 0; c < TotalColCount(); ++c) {
                if (!HasCellProperties(c, r)) continue;
                if (ui::TControl* control = GetCellPropsDirect(c, r)->Control())
                    entries.push_back({RealColIndex(c), RealRowIndex(r), control});
            }
        list.ClearControls();
        for (const TEntry& e : entries) list.AddControl(e.X, e.Y, e.Control);
        FNumCellControls = list.Count();
    }

    // The in-cell scroll bar stays at the right edge of the current cell.
    if (ui::TScrollBar* bar = CellScrollBar(); bar != nullptr && bar->Visible()) {
        const bool inView = Col() >= LeftCol() && Col() <= LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                            Row() <= TopRow() + VisibleRowCount();
        if (inView) {
            const rtl::TRect r = CellRect(Col(), Row());
            bar->SetBounds(r.Right - bar->Width(), r.Top, bar->Width(), r.Height());
        } else {
            bar->SetHeight(0);
        }
    }
    if (FNumCellControls == 0) return;

    std::vector<ui::TControl*> placed;
    for (int i = 0; i < list.Count(); ++i) {
        const TControlItem* it = list.GetControl(i);
        ui::TControl* control = it->Control();
        if (control == nullptr) continue;
        if (IsHiddenRow(it->Y()) || IsHiddenColumn(it->X())) {
            control->SetVisible(false);
            continue;
        }
        const int c = DisplColIndex(it->X());
        const int r = DisplRowIndex(it->Y());
        const bool outOfView =
            c < LeftCol() || c > LeftCol() + VisibleColCount() || r < TopRow() || r > TopRow() + VisibleRowCount();
        const bool fixed = c < FixedCols() || r < FixedRows();
        if (outOfView && !fixed) {
            control->SetVisible(false);
            continue;
        }
        const rtl::TRect cr = CellRect(c, r);
        control->SetBounds(cr.Left, cr.Top, std::max(cr.Width() - 1, 0), std::max(cr.Height() - 1, 0));
        control->SetVisible(true);
        if (!fixed) placed.push_back(control);
    }
    // A control of a normal cell lays itself out again: its width moves by one and back.
    for (ui::TControl* control : placed) {
        if (!control->Visible()) continue;
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}

}  // namespace grid
