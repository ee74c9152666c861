// Small virtual operations of the string grid: row hooks, export and import notifications, and the used and savable cell ranges.
#include <algorithm>

#include "grid/core/ExtGrid.h"

namespace grid {

// Without nodes a plain row goes in; with nodes the row joins the node it stands under.
void TExtStringGrid::InsertGridRow(int ARow)
{
    if (!HasNodes()) {
        InsertRows(ARow, 1, true);
        return;
    }
    if (GetParentRow(DisplRowIndex(ARow)) < 0) InsertNormalRow(ARow);
    else InsertChildRow(ARow, ARow);
}

// The only normal row of a grid whose fixed rows need not stay is emptied, not removed.
void TExtStringGrid::RemoveGridRow(int ARow)
{
    if (HasNodes()) {
        if (GetParentRow(DisplRowIndex(ARow)) < 0) RemoveNormalRow(ARow);
        else RemoveChildRow(ARow);
        return;
    }
    if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways()) ClearRows(ARow, 1);
    else RemoveRows(ARow, 1);
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

// Hooks for descendants: the grid itself does nothing at these steps.
void TExtStringGrid::ExportNotification(TGridExportState /*AState*/, int /*ARow*/) {}
void TExtStringGrid::ImportNotification(TGridImportState /*AState*/, int /*ARow*/) {}

std::string TExtStringGrid::ExportCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

rtl::TRect TExtStringGrid::GetUsedCells()
{
    rtl::TRect used{ColCount(), RowCount(), -1, -1};
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (TBaseGrid::GetCellEx(c, r).empty()) continue;
            used.Left = std::min(used.Left, c);
            used.Top = std::min(used.Top, r);
            used.Right = std::max(used.Right, c);
            used.Bottom = std::max(used.Bottom, r);
        }
    }
    if (used.Right < 0) return rtl::Rect(0, 0, 0, 0);
    return used;
}

int TExtStringGrid::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }
int TExtStringGrid::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

int TExtStringGrid::SaveEndCol() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}

int TExtStringGrid::SaveEndRow() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

int TExtStringGrid::SaveColCount() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FixedRightCols();
}

int TExtStringGrid::SaveRowCount() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FixedFooters();
}

}  // namespace grid
