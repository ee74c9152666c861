// Per-row flags of the string grid: modified marks and the disjunct row selection.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"

namespace grid {

namespace {

void RaiseInvalidRow(const std::string& text) { throw VIdoZovuVozir(text); }

}  // namespace

bool TExtStringGrid::RowModified(int ARow) const
{
    return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->GetInteger(ARow) == 1;
}

void TExtStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0) return;
    while (FModifiedRows->Count() <= ARow) FModifiedRows->Insert(FModifiedRows->Count(), 0);
    FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
    RepaintCell(0, DisplRowIndex(ARow));
}

bool TExtStringGrid::RowEnabled(int ARow) const
{
    return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->GetInteger(ARow) == 0;
}

// Changing the state of the current row first moves the cursor to the first other enabled
// row, so that the current row is never one that is about to be disabled.
void TExtStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (r == ARow || !RowEnabled(r)) continue;
            SetRow(r);
            break;
        }
    }
    FUseEnabledRows = true;
    while (FEnabledRows->Count() <= ARow) FEnabledRows->Insert(FEnabledRows->Count(), 0);
    FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
    RepaintRect(rtl::Rect(0, ARow, ColCount() - 1, ARow));
}

// With disjunct row selection the row's flag; otherwise whether the row lies within the
// rows of the selection rectangle.
bool TExtStringGrid::RowSelect(int ARow)
{
    if ((ARow < 0 || ARow >= RowCount() + NumHiddenRows()) && !MouseActions().RowSelectPersistent())
        RaiseInvalidRow("Invalid row " + std::to_string(ARow) + " accessed");
    if (MouseActions().DisjunctRowSelect()) {
        // A row beyond the grid (possible only with RowSelectPersistent, which skips the
        // range check) is unselected; the flag list is not grown to reach it, so a stray
        // index cannot make it claim memory for rows that do not exist.
        if (ARow < 0 || ARow >= RowCount() + NumHiddenRows()) return false;
        if (static_cast<std::size_t>(ARow) >= FRowSelect.size())
            FRowSelect.resize(std::max<std::size_t>(static_cast<std::size_t>(ARow) + 1, RowCount()), 0);
        return FRowSelect[static_cast<std::size_t>(ARow)] != 0;
    }
    rtl::TRect s = Selection();
    return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

// OnRowDisjunctSelect may refuse a change; a refused change leaves flags and screen alone.
void TExtStringGrid::SetRowSelect(int ARow, bool Value)
{
    FRowSelMod = false;
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && FixedRows() < RowCount()))
        RaiseInvalidRow("Invalid row accessed");
    const bool was = IsRowSelected(ARow);
    const bool changes = was != Value;
    bool allow = true;
    if (changes && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, allow);
    if (!allow) return;
    if (static_cast<std::size_t>(ARow) >= FRowSelect.size()) FRowSelect.resize(static_cast<std::size_t>(ARow) + 1, 0);
    if (changes) RepaintRow(ARow);
    FRowSelMod = changes;
    FRowSelect[static_cast<std::size_t>(ARow)] = Value ? 1 : 0;
    const int listed = FSelectedRows->IndexOf(ARow);
    if (Value && listed < 0 && ARow >= FixedRows()) FSelectedRows->Add(ARow);
    if (!Value && listed >= 0) FSelectedRows->Delete(listed);
    if (ARow == Row() && MouseActions().DisjunctRowSelect() && OnSelectionChanged && (Value ? listed < 0 : listed >= 0))
        OnSelectionChanged(this, 0, ARow, ColCount() - 1, ARow);
    if (ShowFocusedSelectionColor()) Invalidate();
    if (changes && OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

void TExtStringGrid::ResetRowSelect()
{
    for (std::size_t i = 0; i < FRowSelect.size(); ++i) {
        if (FRowSelect[i] == 0) continue;
        const int row = static_cast<int>(i);
        RepaintRect(rtl::Rect(0, row, ColCount() - 1, row));
        FRowSelect[i] = 0;
        if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, row);
    }
    FSelectedRows->Clear();
}

}  // namespace grid
