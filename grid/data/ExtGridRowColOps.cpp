// Inserting and removing columns, and removing rows chosen by check box, duplicate text or selection.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/data/ExtGridQuietMoves.h"
#include "grid/editing/ExtGridUpdateScope.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

// The selection with its corners ordered.
rtl::TRect OrderedSelection(const TExtStringGrid& grid)
{
    rtl::TRect s = grid.Selection();
    if (s.Left > s.Right) std::swap(s.Left, s.Right);
    if (s.Top > s.Bottom) std::swap(s.Top, s.Bottom);
    return s;
}

// Removes the displayed columns From..To. RemoveCols takes real columns, so each run of
// displayed columns without a hidden column between goes in one call, the rightmost run
// first: the real indexes of the runs still to go stay as they were, and a hidden column
// inside the range is kept.
void RemoveDisplayedCols(TExtStringGrid& grid, int From, int To)
{
    for (int c = To; c >= From;) {
        int first = c;
        while (first > From && grid.RealColIndex(first - 1) == grid.RealColIndex(first) - 1) --first;
        const int firstReal = grid.RealColIndex(first);
        grid.RemoveCols(firstReal, grid.RealColIndex(c) - firstReal + 1);
        c = first - 1;
    }
}

}  // namespace

bool TExtStringGrid::IsRowSelected(int ARow) const
{
    return ARow >= 0 && ARow < static_cast<int>(FRowSelect.size()) && FRowSelect[static_cast<std::size_t>(ARow)] != 0;
}

bool TExtStringGrid::IsColSelected(int ACol) const
{
    return ACol >= 0 && ACol < static_cast<int>(FColSelect.size()) && FColSelect[static_cast<std::size_t>(ACol)] != 0;
}

// --- columns ---

// ColIndex is a real column. The new columns are shown, empty, of the default width (or the
// width recorded for a suppressed column at that position); hidden columns after them keep
// their cells and move their real indexes along.
void TExtStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    ColIndex = std::clamp(ColIndex, 0, TotalColCount());
    TExtGridHiddenColumns& hidden = *FHidden;
    const int before = static_cast<int>(std::lower_bound(hidden.Real.begin(), hidden.Real.end(), ColIndex) -
                                        hidden.Real.begin());
    const int displ = ColIndex - before;
    const int oldCols = ColCount();
    const int stored = TotalColCount();
    for (int& h : hidden.Real)
        if (h >= ColIndex) h += CCount;
    auto realAt = [ColIndex](std::vector<bool>& v) { return v.begin() + std::min<std::ptrdiff_t>(ColIndex, v.size()); };
    hidden.VisibleCol.insert(realAt(hidden.VisibleCol), static_cast<std::size_t>(CCount), true);
    auto widthAt = hidden.AllColWidths.begin() + std::min<std::ptrdiff_t>(ColIndex, hidden.AllColWidths.size());
    hidden.AllColWidths.insert(widthAt, static_cast<std::size_t>(CCount), DefaultColWidth());
    // Empty storage columns come from beyond every stored column and slide in at the
    // displayed position; displayed columns after it and the hidden storage move right.
    const int cellRows = std::max(RowCount(), CellStore().RowExtent());
    for (int i = 0; i < CCount; ++i) {
        const int spare = stored + i;
        for (int r = 0; r < cellRows; ++r) {
            FreeCellProperties(spare, r, spare, r);
            if (!GetGridCell(spare, r).empty()) SetGridCell(spare, r, "");
        }
        MoveStoredColumn(stored + i, displ);
    }
    std::vector<int> widths;
    for (int c = displ; c < oldCols; ++c) widths.push_back(ColWidths(c));
    SetColCount(oldCols + CCount);
    for (int c = displ; c < oldCols; ++c) SetColWidths(c + CCount, widths[static_cast<std::size_t>(c - displ)]);
    for (int c = displ; c < displ + CCount; ++c) {
        int w = c < FSuppressColSizes->Count() ? FSuppressColSizes->GetInteger(c) : 0;
        SetColWidths(c, w != 0 ? w : DefaultColWidth());
    }
}

void TExtStringGrid::AddColumn() { InsertCols(ColCount(), 1); }

// Positions are real columns, hidden ones included; a count beyond the last stored column
// is cut there. The removed columns' property objects are freed.
void TExtStringGrid::RemoveCols(int ColIndex, int CCount)
{
    if (ColIndex < 0 || CCount <= 0 || ColIndex >= TotalColCount()) return;
    CCount = std::min(CCount, TotalColCount() - ColIndex);
    TExtGridHiddenColumns& hidden = *FHidden;
    TQuietMoves quiet(OnColumnMoved);
    for (int real = ColIndex + CCount - 1; real >= ColIndex; --real) {
        auto pos = std::lower_bound(hidden.Real.begin(), hidden.Real.end(), real);
        if (pos != hidden.Real.end() && *pos == real) {
            // A hidden column's storage goes to the end of the store and is emptied there.
            const int k = static_cast<int>(pos - hidden.Real.begin());
            const int last = TotalColCount() - 1;
            MoveStoredColumn(ColCount() + k, last);
            for (int r = 0; r < std::max(RowCount(), CellStore().RowExtent()); ++r) {
                FreeCellProperties(last, r, last, r);
                if (!GetGridCell(last, r).empty()) SetGridCell(last, r, "");
            }
            hidden.Widths.erase(hidden.Widths.begin() + k);
            hidden.Real.erase(pos);
        } else {
            if (ColCount() <= 1) continue;  // one displayed column always remains
            const int displ = real - static_cast<int>(pos - hidden.Real.begin());
            // The platform deletion leaves an empty store column at ColCount, where the
            // first hidden column's storage belongs: it moves behind the hidden storage.
            TBaseGrid::DeleteColumn(displ);
            if (NumHiddenColumns() > 0) MoveStoredColumn(ColCount(), ColCount() + NumHiddenColumns());
        }
        for (int& h : hidden.Real)
            if (h > real) --h;
        if (real < static_cast<int>(hidden.VisibleCol.size())) hidden.VisibleCol.erase(hidden.VisibleCol.begin() + real);
        if (real < static_cast<int>(hidden.AllColWidths.size()))
            hidden.AllColWidths.erase(hidden.AllColWidths.begin() + real);
    }
    SetColCount(ColCount());
    CellsChanged(rtl::Rect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TExtStringGrid::RemoveSelectedCols()
{
    if (MouseActions().DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c) {
            if (!IsColSelected(c)) continue;
            RemoveCols(RealColIndex(c), 1);
            FColSelect.erase(FColSelect.begin() + c);
        }
        return;
    }
    rtl::TRect s = OrderedSelection(*this);
    RemoveDisplayedCols(*this, s.Left, s.Right);
}

void TExtStringGrid::RemoveUnSelectedCols()
{
    if (MouseActions().DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c) {
            if (IsColSelected(c)) continue;
            RemoveCols(RealColIndex(c), 1);
            if (c < static_cast<int>(FColSelect.size())) FColSelect.erase(FColSelect.begin() + c);
        }
    } else {
        rtl::TRect s = OrderedSelection(*this);
        RemoveDisplayedCols(*this, s.Right + 1, ColCount() - 1);
        RemoveDisplayedCols(*this, FixedCols(), s.Left - 1);
    }
    FColSelect.clear();
}

// --- rows chosen by content or selection ---

void TExtStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    TUpdateScope update(*this);
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
}

// Texts that differ only in case are duplicates whatever DoCase says: the list the first
// occurrences are kept in compares without regard to case.
void TExtStringGrid::RemoveDuplicates(int ACol, bool /*DoCase*/)
{
    TUpdateScope update(*this);
    std::unordered_set<std::string> seen;
    TIntList rows(-1, -1);
    for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
        if (!seen.insert(rtl::AnsiUpperCase(GetGridCell(ACol, r))).second) rows.Insert(rows.Count(), r);
    }
    RemoveRowList(rows);
}

// Disjunct selections leave run by run, a rectangle at once; the rows' property objects are freed.
void TExtStringGrid::RemoveSelectedRows()
{
    TUpdateScope update(*this);
    if (MouseActions().DisjunctRowSelect()) {
        auto selected = [this](int r) {
            return IsRowSelected(MouseActions().RowSelectPersistent() ? RealRowIndex(r) : r);
        };
        std::vector<char> marks(static_cast<std::size_t>(RowCount()), 0);
        for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r) marks[static_cast<std::size_t>(r)] = selected(r);
        int runEnd = -1;
        for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows() - 1; --r) {
            bool sel = r >= FixedRows() && marks[static_cast<std::size_t>(r)] != 0;
            if (sel && runEnd < 0) runEnd = r;
            if (!sel && runEnd >= 0) {
                DoRemoveRows(r + 1, runEnd - r);
                runEnd = -1;
            }
        }
        ResetRowSelect();
        return;
    }
    rtl::TRect s = OrderedSelection(*this);
    DoRemoveRows(s.Top, s.Bottom - s.Top + 1);
}

void TExtStringGrid::RemoveUnSelectedRows()
{
    TUpdateScope update(*this);
    if (MouseActions().DisjunctRowSelect()) {
        for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r) {
            bool sel = IsRowSelected(MouseActions().RowSelectPersistent() ? RealRowIndex(r) : r);
            if (!sel) DoRemoveRows(r, 1);
        }
    } else {
        rtl::TRect s = OrderedSelection(*this);
        RemoveRows(s.Bottom + 1, RowCount() - s.Bottom - 1);
        if (s.Top > FixedRows()) RemoveRows(FixedRows(), s.Top - FixedRows());
    }
    if (!MouseActions().RowSelectPersistent()) {
        ResetRowSelect();
        return;
    }
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const int row = MouseActions().DisjunctRowSelect() ? RealRowIndex(r) : r;
        if (row < RowCount()) SetRowSelect(row, true);
    }
}

void TExtStringGrid::HideSelectedRows()
{
    const bool persistent = MouseActions().RowSelectPersistent();
    if (MouseActions().DisjunctRowSelect()) {
        TUpdateScope update(*this);
        for (int r = RowCount() - 1; r >= FixedRows(); --r) {
            const int real = RealRowIndex(r);
            if (IsRowSelected(persistent ? real : r)) HideRows(real, real);
        }
        return;
    }
    rtl::TRect s = OrderedSelection(*this);
    TIntList rows(-1, -1);
    for (int r = std::max(s.Top, FixedRows()); r <= s.Bottom && r < RowCount(); ++r) rows.Insert(rows.Count(), r);
    HideRowList(rows);
}

// A hidden row's place is taken by the next row, which is tested at the same position.
void TExtStringGrid::HideUnSelectedRows()
{
    const bool persistent = MouseActions().RowSelectPersistent();
    TUpdateScope update(*this);
    int r = FixedRows();
    while (r < RowCount()) {
        const int real = RealRowIndex(r);
        if (RowSelect(persistent ? real : r)) {
            ++r;
            continue;
        }
        const int before = RowCount();
        HideRows(real, real);
        if (RowCount() == before) ++r;  // a row that cannot be hidden is passed over
    }
}

}  // namespace grid
