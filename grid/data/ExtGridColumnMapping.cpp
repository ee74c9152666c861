// String grid hidden columns: mapping between display and real columns and the storage beyond ColCount.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/data/ExtGridHiddenColumns.h"

namespace grid {

int TExtStringGrid::NumHiddenColumns() const { return FHidden != nullptr ? static_cast<int>(FHidden->Real.size()) : 0; }

int TExtStringGrid::TotalColCount() const { return ColCount() + NumHiddenColumns(); }

bool TExtStringGrid::IsHiddenColumn(int ACol) const
{
    return FHidden != nullptr && std::binary_search(FHidden->Real.begin(), FHidden->Real.end(), ACol);
}

// Column convention of the grid: cells (texts, property objects, graphics, merges) are
// stored in display order. Displayed column d (0 <= d < ColCount) is stored at index d; the
// k-th hidden column in real order is stored at ColCount + k. So a displayed index is the
// index to read and write cells with, as it stands; a real index (the column's place with
// nothing hidden) must go through DisplColIndex first. RealColIndex is only for handing a
// column to the user: events, column lists kept by real column, hidden-row records.

// Display (storage) position -> real column. Positions at or beyond ColCount are the
// storage of the hidden columns.
int TExtStringGrid::RealColIndex(int ACol)
{
    if (NumHiddenColumns() == 0 || ACol < 0) return ACol;
    if (ACol >= ColCount()) {
        auto k = static_cast<std::size_t>(ACol - ColCount());
        return k < FHidden->Real.size() ? FHidden->Real[k] : ACol;
    }
    int real = ACol;
    for (int h : FHidden->Real) {
        if (h > real) break;
        ++real;
    }
    return real;
}

// Real column -> display position; a hidden column gives its storage position.
int TExtStringGrid::DisplColIndex(int ACol)
{
    if (NumHiddenColumns() == 0 || ACol < 0) return ACol;
    const auto& hidden = FHidden->Real;
    auto it = std::lower_bound(hidden.begin(), hidden.end(), ACol);
    int before = static_cast<int>(it - hidden.begin());
    if (it != hidden.end() && *it == ACol) return ColCount() + before;
    return ACol - before;
}

// Moves the cells of a storage column (texts and slots) without telling the platform
// grid's column-move event: hiding is not a move the user made.
void TExtStringGrid::MoveStoredColumn(int from, int to)
{
    if (from == to) return;
    NoteSlotCol(std::max(from, to));
    auto saved = std::move(OnColumnMoved);
    OnColumnMoved = nullptr;
    TStringGrid::ColumnMoved(from, to);
    OnColumnMoved = std::move(saved);
}

void TExtStringGrid::HideColumn(int ACol)
{
    if (ACol < 0 || ACol >= TotalColCount() || IsHiddenColumn(ACol) || ColCount() <= 1) return;
    HideInplaceEdit();
    int d = DisplColIndex(ACol);
    auto& hidden = FHidden->Real;
    auto pos = std::lower_bound(hidden.begin(), hidden.end(), ACol);
    int k = static_cast<int>(pos - hidden.begin());
    int width = ColWidths(d);
    for (int c = d; c < ColCount() - 1; ++c) SetColWidths(c, ColWidths(c + 1));
    MoveStoredColumn(d, ColCount() - 1 + k);
    FHidden->Widths.insert(FHidden->Widths.begin() + k, width);
    hidden.insert(pos, ACol);
    TBaseGrid::SetColCount(ColCount() - 1);
    if (static_cast<std::size_t>(ACol) < FHidden->VisibleCol.size()) FHidden->VisibleCol[ACol] = false;
    Invalidate();
}

void TExtStringGrid::UnHideColumn(int ACol)
{
    auto& hidden = FHidden->Real;
    auto pos = std::lower_bound(hidden.begin(), hidden.end(), ACol);
    if (pos == hidden.end() || *pos != ACol) return;
    int k = static_cast<int>(pos - hidden.begin());
    int d = ACol - k;
    int width = FHidden->Widths[k];
    MoveStoredColumn(ColCount() + k, d);
    hidden.erase(pos);
    FHidden->Widths.erase(FHidden->Widths.begin() + k);
    TBaseGrid::SetColCount(ColCount() + 1);
    for (int c = ColCount() - 1; c > d; --c) SetColWidths(c, ColWidths(c - 1));
    SetColWidths(d, width);
    if (static_cast<std::size_t>(ACol) < FHidden->VisibleCol.size()) FHidden->VisibleCol[ACol] = true;
    Invalidate();
}

void TExtStringGrid::UnHideColumnsAll()
{
    while (NumHiddenColumns() > 0) UnHideColumn(FHidden->Real.front());
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol)
{
    for (int c = FromCol; c <= ToCol; ++c) HideColumn(c);
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    for (int c = FromCol; c <= ToCol; ++c) UnHideColumn(c);
}

bool TExtStringGrid::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->IndexOf(ACol) >= 0; }

// Every suppressed column gets its saved width back; then the saved widths are the current.
void TExtStringGrid::UnSuppressAllColumns()
{
    for (int c = 0; c < ColCount() && c < FSuppressColSizes->Count(); ++c)
        if ((*FSuppressColSizes)[c] > 0 && ColWidths(c) == 0) SetColWidths(c, (*FSuppressColSizes)[c]);
    FSuppressColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FSuppressColSizes->Add(ColWidths(c));
}

void TExtStringGrid::SuppressColumn(int ACol)
{
    int width = ColWidths(ACol);
    if (width <= 0) return;
    while (FSuppressColSizes->Count() <= ACol) FSuppressColSizes->Add(DefaultColWidth());
    FSuppressColSizes->SetInteger(ACol, width);
    SetColWidths(ACol, 0);
}

void TExtStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
    FSuppressColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FSuppressColSizes->Add(ColWidths(c));
}

}  // namespace grid
