// Disjunct column flags of the string grid, runs of selected rows and columns, and the selection counts.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/Bitmap.h"

namespace grid {

namespace {

void RaiseInvalidColumn() { throw VIdoZovuVozir("Invalid column accessed"); }

}  // namespace

bool TExtStringGrid::ColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount() + NumHiddenColumns()) RaiseInvalidColumn();
    if (static_cast<std::size_t>(ACol) >= FColSelect.size()) FColSelect.resize(static_cast<std::size_t>(ACol) + 1, 0);
    return FColSelect[static_cast<std::size_t>(ACol)] != 0;
}

// Hidden columns are not counted here: only a displayed column can be flagged.
void TExtStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) RaiseInvalidColumn();
    const bool changes = IsColSelected(ACol) != Value;
    bool allow = true;
    if (changes && OnColDisjunctSelect) OnColDisjunctSelect(this, ACol, allow);
    if (!allow) return;
    if (static_cast<std::size_t>(ACol) >= FColSelect.size()) FColSelect.resize(static_cast<std::size_t>(ACol) + 1, 0);
    if (changes) RepaintCol(ACol);
    FColSelect[static_cast<std::size_t>(ACol)] = Value ? 1 : 0;
    if (changes && OnColDisjunctSelected) OnColDisjunctSelected(this, ACol);
}

void TExtStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (MouseActions().DisjunctRowSelect()) {
        const bool persistent = MouseActions().RowSelectPersistent();
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = persistent ? RealRowIndex(r) : r;
            if (row >= 0 && row < RowCount()) SetRowSelect(row, true);
        }
    } else if (RCount > 0) {
        SetSelection(rtl::TRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    }
    if (!RowIndicator().Empty()) RepaintCol(0);
    FSelChange = false;
}

void TExtStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (MouseActions().DisjunctRowSelect()) {
        const bool persistent = MouseActions().RowSelectPersistent();
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = persistent ? RealRowIndex(r) : r;
            if (row >= 0 && row < RowCount()) SetRowSelect(row, false);
        }
    }
    FSelChange = false;
}

void TExtStringGrid::SelectAll() { SelectRows(FixedRows(), RowCount() - 1); }

void TExtStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!MouseActions().DisjunctColSelect()) {
        if (CCount > 0) SetSelection(rtl::TRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        if (c >= 0 && c < ColCount()) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!MouseActions().DisjunctColSelect()) return;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        if (c >= 0 && c < ColCount()) SetColSelect(c, false);
}

void TExtStringGrid::ClearRowSelect()
{
    ResetRowSelect();
    if (!MouseActions().DisjunctRowSelect()) HideSelection();
    Invalidate();
}

void TExtStringGrid::ClearColSelect()
{
    for (std::size_t i = 0; i < FColSelect.size(); ++i) {
        if (FColSelect[i] == 0) continue;
        const int col = static_cast<int>(i);
        RepaintCol(col);
        FColSelect[i] = 0;
        if (OnColDisjunctSelected) OnColDisjunctSelected(this, col);
    }
}

bool TExtStringGrid::SelectRowRange(bool All)
{
    const rtl::TRect sel = Selection();
    if (sel.Top == FDisjunctRect.Top) return false;
    int bottom = sel.Bottom;
    if (bottom >= RowCount() - FixedFooters()) bottom = RowCount() - FixedFooters() - 1;
    const bool persistent = MouseActions().RowSelectPersistent();
    bool changed = false;
    for (int a = FixedRows(); a < RowCount(); ++a) {
        const bool inside = a >= sel.Top && a <= bottom;
        if (!All && !inside) continue;
        SetRowSelect(persistent ? RealRowIndex(a) : a, inside);
        changed = changed || FRowSelMod;
    }
    if (NumHiddenRows() > 0) Invalidate();
    FDisjunctRect = sel;
    return changed;
}

void TExtStringGrid::SelectColRange(bool All)
{
    const rtl::TRect sel = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (All || inside) SetColSelect(c, inside);
    }
}

int TExtStringGrid::RowSelectCount()
{
    if (MouseActions().DisjunctRowSelect()) {
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(RowCount() + NumHiddenRows()), FRowSelect.size());
        return static_cast<int>(std::count_if(FRowSelect.begin(), FRowSelect.begin() + static_cast<long>(n),
                                              [](int f) { return f != 0; }));
    }
    if (!(Options() & ui::goRangeSelect)) return 0;
    const rtl::TRect sel = Selection();
    return std::abs(sel.Bottom - sel.Top) + (sel.Top < RowCount() ? 1 : 0);
}

int TExtStringGrid::ColSelectCount()
{
    if (MouseActions().DisjunctColSelect())
        return static_cast<int>(std::count_if(FColSelect.begin(), FColSelect.end(), [](int f) { return f != 0; }));
    const rtl::TRect sel = Selection();
    return sel.Right - sel.Left + 1;
}

}  // namespace grid
