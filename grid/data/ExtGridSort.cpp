// Sorting the string grid's rows: by a column, by the sort index list, within node groups, undoing sorts, click sort.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/data/ExtGridSortCompare.h"
#include "grid/data/ExtGridSortPartition.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clock.h"

namespace grid {

namespace {

// Exchanges entries a and b of a per-row list, treating missing entries as 0.
void SwapRowEntries(TIntList& list, int a, int b)
{
    const int n = list.Count();
    if (a >= n && b >= n) return;
    const int va = a < n ? list[a] : 0;
    const int vb = b < n ? list[b] : 0;
    if (va == vb) return;
    while (list.Count() <= std::max(a, b)) list.Add(0);
    list.SetItems(a, vb);
    list.SetItems(b, va);
}

}  // namespace

// What a sort saves before it runs and brings back afterwards, also when it raises.
struct TExtStringGrid::TSortRun {
    TExtStringGrid& Grid;
    int TopRow;
    std::vector<std::pair<std::string, TCellProperties*>> Column0;
    bool Column0Saved = false;

    explicit TSortRun(TExtStringGrid& grid) : Grid(grid), TopRow(grid.TopRow())
    {
        // With NormalCellsOnly the first (fixed) column keeps its place: row numbers stay.
        if (Grid.SortSettings().NormalCellsOnly() && Grid.FixedCols() > 0) {
            Column0.reserve(static_cast<std::size_t>(Grid.RowCount()));
            for (int r = 0; r < Grid.RowCount(); ++r)
                Column0.emplace_back(Grid.CellText(0, r), Grid.GetCellPropsDirect(0, r));
            Column0Saved = true;
        }
        Grid.BeginUpdate();
    }
    ~TSortRun()
    {
        if (Column0Saved) {
            const int rows = std::min(Grid.RowCount(), static_cast<int>(Column0.size()));
            for (int r = 0; r < rows; ++r) {
                Grid.ui::TStringGrid::SetCells(0, r, Column0[static_cast<std::size_t>(r)].first);
                TCellProperties* props = Column0[static_cast<std::size_t>(r)].second;
                Grid.SetCellPropsDirect(0, r, props);
                if (props != nullptr) props->SetOwnerRow(r);
            }
        }
        if (Grid.Navigation().KeepScrollOnSort()) Grid.SetTopRow(TopRow);
        Grid.EndUpdate();
    }
    TSortRun(const TSortRun&) = delete;
    TSortRun& operator=(const TSortRun&) = delete;
};

// ---------------------------------------------------------------- public sorts

void TExtStringGrid::Sort(int Column, TSortDirection Direction)
{
    SortSettings().SetColumn(Column);
    SortSettings().SetDirection(Direction);
    QSort();
    if (FNumCellControls > 0) CellControlsUpdate(true);
}

void TExtStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1) return;
    SortSettings().SetColumn(Col);
    QSort();
}

void TExtStringGrid::QSort()
{
    if (SortSettings().Column() < 0) return;
    RunGridSort(false, false);
}

void TExtStringGrid::QSortIndexed()
{
    if (SortIndexes().Count() == 0) throw VIdoZovuVozir("No indexes specified for indexed sort");
    RunGridSort(true, false);
}

void TExtStringGrid::QSortGroup() { RunGridSort(false, true); }

void TExtStringGrid::QSortGroupIndexed() { RunGridSort(true, true); }

// Sorts the normal rows (or the node groups) and keeps the focus either on the same row
// index or, with MoveRowOnSort, on the row whose data had the focus.
void TExtStringGrid::RunGridSort(bool Indexed, bool Group)
{
    if (FSortCrossRefs->Count() != RowCount()) InitSortXRef();
    if (!Indexed && !Group) SortIndexes().Clear();
    const int oldRow = Row();
    const bool moveRow = Navigation().MoveRowOnSort();
    const bool disjunct = MouseActions().DisjunctRowSelect();
    {
        TSortRun run(*this);
        FSortRow = oldRow;
        if (Group)
            SortGroupRows(Indexed);
        else
            SortRange(SortSettings().Column(), FixedRows(), RowCount() - FixedFooters() - 1, Indexed);
    }
    const bool normalRow = oldRow >= FixedRows() && oldRow < RowCount() - FixedFooters();
    if (moveRow && (Indexed || Group || !disjunct)) {
        if (FSortRow != oldRow && FSortRow >= 0 && FSortRow < RowCount()) {
            SetRow(FSortRow);
            if (OnRowChanging && !Indexed) {
                bool allow = true;
                OnRowChanging(this, oldRow, FSortRow, allow);
            }
        }
    } else if (normalRow && !disjunct && Row() != oldRow) {
        SetRow(oldRow);
    }
    if (!Indexed && !Group && !moveRow && OnRowChanged) OnRowChanged(this, oldRow, Row());
}

void TExtStringGrid::QuickSort(int Col, int Left, int Right) { SortRange(Col, Left, Right, false); }

void TExtStringGrid::QuickSortIndexed(int Left, int Right) { SortRange(-1, Left, Right, true); }

// Sorts the rows Left..Right through a list of row numbers, then moves the rows once.
void TExtStringGrid::SortRange(int Col, int Left, int Right, bool Indexed)
{
    Left = std::max(Left, 0);
    Right = std::min(Right, RowCount() - 1);
    if (Left >= Right) return;
    std::vector<int> order(static_cast<std::size_t>(Right - Left + 1));
    std::iota(order.begin(), order.end(), Left);
    {
        // No row moves while the order is worked out, so the sort column is read only once.
        const int keyCol = Indexed ? (SortIndexes().Count() > 0 ? SortIndexes()[0] & 0x7FFFFFFF : -1) : Col;
        TSortKeyCacheScope cache(*this, keyCol, Left, Right);
        SortOrder(order, Col, Left, Right, Indexed);
    }
    ApplyRowOrder(order, Left, Indexed ? SingleColumnSortColumn() : Col);
}

void TExtStringGrid::SortOrder(std::vector<int>& order, int Col, int Left, int Right, bool Indexed)
{
    if (Indexed) {
        if (SortOrderByIndexKeys(order, Left, Right)) return;
        HoareSortEntries(order, Left, Left, Right, 1, true,
                         [this](int a, int b) { return CompareRowsIndexed(0, a, b); });
    } else {
        FSortDir = SortSettings().Direction() == sdDescending ? -1 : 1;
        if (SortOrderByKeys(order, Col, Left, Right)) return;
        HoareSortEntries(order, Left, Left, Right, FSortDir, false,
                         [this, Col](int a, int b) { return CompareRowsFull(Col, a, b); });
    }
}

// Moves the rows into the sorted order: position Left + k receives the row Order[k]. The
// grid itself moves every column once in bulk; a descendant (which may override
// SortSwapRows) and the single-column mode get at most one exchange per row, following each
// cycle of the permutation.
void TExtStringGrid::ApplyRowOrder(const std::vector<int>& Order, int Left, int SortColumn)
{
    const int right = Left + static_cast<int>(Order.size()) - 1;
    const int xrefs = FSortCrossRefs->Count();
    if (typeid(*this) == typeid(TExtStringGrid) && !SortSettings().SingleColumn() && (xrefs == 0 || xrefs > right)) {
        PermuteRowsInBulk(Order, Left);
        return;
    }
    const int n = static_cast<int>(Order.size());
    std::vector<int> rowAt(static_cast<std::size_t>(n));   // original row now standing at position k
    std::vector<int> posOf(static_cast<std::size_t>(n));   // position of original row Left + i
    std::iota(rowAt.begin(), rowAt.end(), Left);
    std::iota(posOf.begin(), posOf.end(), Left);
    for (int k = 0; k < n; ++k) {
        const int wanted = Order[static_cast<std::size_t>(k)];
        const int from = posOf[static_cast<std::size_t>(wanted - Left)];
        const int to = Left + k;
        if (from == to) continue;
        SortExchangeRows(to, from, SortColumn);
        const int displaced = rowAt[static_cast<std::size_t>(k)];
        rowAt[static_cast<std::size_t>(from - Left)] = displaced;
        posOf[static_cast<std::size_t>(displaced - Left)] = from;
        rowAt[static_cast<std::size_t>(k)] = wanted;
        posOf[static_cast<std::size_t>(wanted - Left)] = to;
    }
}

namespace {

// New entry k of a per-row list is the old entry Order[k] (0 beyond the list's end).
template <typename Get, typename Set>
void PermuteEntries(const std::vector<int>& order, int left, int count, Get get, Set set)
{
    std::vector<int> old(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) old[k] = order[k] < count ? get(order[k]) : 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int row = left + static_cast<int>(k);
        if (row < count || old[k] != 0) set(row, old[k]);
    }
}

}  // namespace

// Carries everything an exchange of rows carries (texts and property objects of every
// stored column, heights, cross-reference, row flags, the focused row's data), for a whole
// permutation at once.
void TExtStringGrid::PermuteRowsInBulk(const std::vector<int>& Order, int Left)
{
    const std::size_t n = Order.size();
    // A cycle of length m of the permutation takes m - 1 exchanges.
    int exchanges = 0;
    {
        std::vector<bool> seen(n, false);
        for (std::size_t k = 0; k < n; ++k) {
            if (seen[k]) continue;
            for (std::size_t j = k; !seen[j]; j = static_cast<std::size_t>(Order[j] - Left)) {
                seen[j] = true;
                ++exchanges;
            }
            --exchanges;
        }
    }
    if (exchanges == 0) return;
    FSwaps += exchanges;
    const int cols = TotalColCount();
    if (CellStore().MappedCols() <= cols) {
        // Every stored cell lies in a column the sort carries: the store moves whole rows,
        // and the property objects of the moved rows learn their new row.
        PermuteRowCells(Left, Order);
        if (HasCellProps()) {
            const int right = Left + static_cast<int>(n) - 1;
            const auto noteRow = [&](int row, const std::string&, rtl::TObject* object) {
                if (object != nullptr && Order[static_cast<std::size_t>(row - Left)] != row)
                    static_cast<TCellProperties*>(object)->SetOwnerRow(row);
            };
            for (int c = 0; c < cols; ++c) ScanColumnCells(c, Left, right, noteRow);
        }
    } else {
        PermuteColumnsOneByOne(Order, Left, cols);
    }
    PermuteRowState(Order, Left);
}

// Each column is read and written in row order (the cells of neighbouring rows lie
// together); only the snapshot is read in the permuted order.
void TExtStringGrid::PermuteColumnsOneByOne(const std::vector<int>& Order, int Left, int cols)
{
    const std::size_t n = Order.size();
    std::vector<std::string> texts(n);
    std::vector<TCellProperties*> props(n);
    for (int c = 0; c < cols; ++c) {
        for (std::size_t i = 0; i < n; ++i) {
            const int row = Left + static_cast<int>(i);
            texts[i] = CellText(c, row);
            props[i] = GetCellPropsDirect(c, row);
        }
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t from = static_cast<std::size_t>(Order[k] - Left);
            if (from == k) continue;
            const int row = Left + static_cast<int>(k);
            if (texts[from] != texts[k]) ui::TStringGrid::SetCells(c, row, texts[from]);
            if (props[from] != props[k]) {
                SetCellPropsDirect(c, row, props[from]);
                if (props[from] != nullptr) props[from]->SetOwnerRow(row);
            }
        }
    }
}

// Row heights, the cross-reference, the row flags and the focused row follow the rows.
void TExtStringGrid::PermuteRowState(const std::vector<int>& Order, int Left)
{
    const std::size_t n = Order.size();
    std::vector<int> heights(n);
    for (std::size_t i = 0; i < n; ++i) heights[i] = RowHeights(Left + static_cast<int>(i));
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t from = static_cast<std::size_t>(Order[k] - Left);
        if (heights[from] != heights[k]) SetRowHeights(Left + static_cast<int>(k), heights[from]);
    }

    auto permuteList = [&](TIntList& list) {
        if (list.Count() <= Left) return;
        PermuteEntries(Order, Left, list.Count(), [&list](int r) { return list[r]; },
                       [&list](int r, int v) {
                           while (list.Count() <= r) list.Add(0);
                           list.SetItems(r, v);
                       });
    };
    permuteList(*FSortCrossRefs);
    permuteList(*FEnabledRows);
    if (MouseActions().DisjunctRowSelect() && Navigation().MoveRowOnSort() &&
        FRowSelect.size() > static_cast<std::size_t>(Left)) {
        if (FRowSelect.size() <= static_cast<std::size_t>(Left) + n) FRowSelect.resize(static_cast<std::size_t>(Left) + n, 0);
        std::vector<int> old(n);
        for (std::size_t k = 0; k < n; ++k) old[k] = FRowSelect[static_cast<std::size_t>(Order[k])];
        std::copy(old.begin(), old.end(), FRowSelect.begin() + Left);
    }
    if (ShowModified().Enabled()) permuteList(*FModifiedRows);
    if (FSortRow >= Left && FSortRow < Left + static_cast<int>(n))
        FSortRow = Left + static_cast<int>(std::find(Order.begin(), Order.end(), FSortRow) - Order.begin());
}

// The sort column of a single-column exchange: SortSettings.Column, or the first sort key's
// column when there is none and indexes are shown.
int TExtStringGrid::SingleColumnSortColumn() const
{
    int col = SortSettings().Column();
    if (col < 0 && SortSettings().IndexShow() && FSortIndexes->Count() > 0) col = (*FSortIndexes)[0] & 0xFFFF;
    return col;
}

// One exchange of a sort: the cross-reference and the row flags go with the rows; with
// SingleColumn only the cells of the sort column move.
void TExtStringGrid::SortExchangeRows(int ARow1, int ARow2, int SortColumn)
{
    ++FSwaps;
    const int xrefs = FSortCrossRefs->Count();
    if (ARow1 < xrefs && ARow2 < xrefs) {
        const int x1 = (*FSortCrossRefs)[ARow1];
        FSortCrossRefs->SetItems(ARow1, (*FSortCrossRefs)[ARow2]);
        FSortCrossRefs->SetItems(ARow2, x1);
    }
    SwapRowEntries(*FEnabledRows, ARow1, ARow2);
    if (SortSettings().SingleColumn()) {
        SortExchangeSingleColumn(ARow1, ARow2, SortColumn);
        return;
    }
    SortSwapRows(ARow1, ARow2);
    if (MouseActions().DisjunctRowSelect() && Navigation().MoveRowOnSort()) {
        const std::size_t hi = static_cast<std::size_t>(std::max(ARow1, ARow2));
        if (hi < FRowSelect.size() || static_cast<std::size_t>(std::min(ARow1, ARow2)) < FRowSelect.size()) {
            if (FRowSelect.size() <= hi) FRowSelect.resize(hi + 1, 0);
            std::swap(FRowSelect[static_cast<std::size_t>(ARow1)], FRowSelect[static_cast<std::size_t>(ARow2)]);
        }
    }
    if (ShowModified().Enabled()) SwapRowEntries(*FModifiedRows, ARow1, ARow2);
    if (FSortRow == ARow1)
        FSortRow = ARow2;
    else if (FSortRow == ARow2)
        FSortRow = ARow1;
}

void TExtStringGrid::SortExchangeSingleColumn(int ARow1, int ARow2, int SortColumn)
{
    if (SortColumn < 0) return;
    const std::string text1 = GetCellEx(SortColumn, ARow1);
    const std::string text2 = GetCellEx(SortColumn, ARow2);
    TCellProperties* props1 = GetCellPropsDirect(SortColumn, ARow1);
    TCellProperties* props2 = GetCellPropsDirect(SortColumn, ARow2);
    SetCellPropsDirect(SortColumn, ARow1, props2);
    SetCellPropsDirect(SortColumn, ARow2, props1);
    if (props2 != nullptr) props2->SetOwnerRow(ARow1);
    if (props1 != nullptr) props1->SetOwnerRow(ARow2);
    SetCellEx(SortColumn, ARow1, text2);
    SetCellEx(SortColumn, ARow2, text1);
}

bool TExtStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    const int direction = SortSettings().Direction() == sdDescending ? 1 : 0;
    const int last = TotalColCount() - 1;
    for (int c = Col; c <= last; ++c) {
        const int res = CompareRows(c, ARow1, direction, ARow2);
        if (res == FSortDir) {
            SortExchangeRows(ARow1, ARow2, SortSettings().Column());
            return true;
        }
        if (res != 0) return false;
    }
    return false;
}

// ---------------------------------------------------------------- node groups

// Only the children of the deepest expanded nodes are sorted; the nodes themselves and
// shallower children keep their order.
void TExtStringGrid::SortGroupRows(bool Indexed)
{
    const int first = FixedRows();
    const int last = RowCount() - FixedFooters() - 1;
    int deepest = -1;
    for (int r = first; r <= last; ++r)
        if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
    if (deepest < 0) return;
    for (int r = first; r <= last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
        const int span = GetNodeSpan(r);
        if (span - 1 < 2) continue;
        SortRange(SortSettings().Column(), r + 1, std::min(r + span - 1, last), Indexed);
    }
}

// ---------------------------------------------------------------- cross-reference

void TExtStringGrid::InitSortXRef()
{
    FSortCrossRefs->Clear();
    for (int r = 0; r < RowCount(); ++r) FSortCrossRefs->Add(r);
}

int TExtStringGrid::SortedRowIndex(int ARow) const
{
    if (ARow >= 0 && ARow < FSortCrossRefs->Count()) return (*FSortCrossRefs)[ARow];
    return ARow;
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const
{
    const int at = FSortCrossRefs->IndexOf(ARow);
    return at >= 0 ? at : ARow;
}

std::string TExtStringGrid::GetUnSortedCell(int ACol, int ARow) { return GetCellEx(ACol, UnSortedRowIndex(ARow)); }

void TExtStringGrid::SetUnSortedCell(int ACol, int ARow, const std::string& Value)
{
    SetCellEx(ACol, UnSortedRowIndex(ARow), Value);
}

// Undoing sorts orders the rows by the indexes they had when the order was recorded.
void TExtStringGrid::QUnSort()
{
    if (FSortCrossRefs->Count() == 0) return;
    {
        TSortRun run(*this);
        const int rows = std::min(RowCount(), FSortCrossRefs->Count());
        std::vector<int> order(static_cast<std::size_t>(rows));
        std::iota(order.begin(), order.end(), 0);
        const std::vector<int> xref(FSortCrossRefs->Values().begin(), FSortCrossRefs->Values().begin() + rows);
        std::sort(order.begin(), order.end(), [&xref](int a, int b) { return xref[static_cast<std::size_t>(a)] <
                                                                              xref[static_cast<std::size_t>(b)]; });
        FUnSortCrossRefs->Clear();
        for (int v : xref) FUnSortCrossRefs->Add(v);
        ApplyRowOrder(order, 0, SingleColumnSortColumn());
        FUnSortCrossRefs->Clear();
        for (int v : FSortCrossRefs->Values()) FUnSortCrossRefs->Add(v);
        if (SortSettings().IndexShow()) SortIndexes().Clear();
    }
    SortSettings().SetColumn(-1);
}

// ---------------------------------------------------------------- click sort

void TExtStringGrid::ClickSort(int ACol)
{
    if (OnClickSort) OnClickSort(this, ACol);
}

// The release hits the sort row: released and pressed in that row, or in a vertically
// merged header cell whose rows include the sort row.
bool TExtStringGrid::IsSortRowRelease(int ACol, int ARow, int PressRow)
{
    const int sortRow = SortSettings().Row();
    if (sortRow == ARow && PressRow == ARow) return true;
    if (PressRow != ARow || !IsYMergedCell(ACol, ARow)) return false;
    const rtl::TPoint base = BaseCell(ACol, ARow);
    const rtl::TPoint span = CellSpan(ACol, ARow);
    return sortRow >= base.Y && sortRow <= base.Y + span.Y;
}

// A left release on a header cell of the sort row, pressed in the same row, sorts by that
// column: a second click flips the direction (or undoes the sort with UndoSort), another
// column starts with InitSortDirection; with IndexShow the index key builds a multi-column
// sort.
void TExtStringGrid::ClickSortAt(int X, int Y, ui::TShiftState Shift)
{
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    int pressCol = -1;
    int pressRow = -1;
    MouseToCell(FClickPos.X, FClickPos.Y, pressCol, pressRow);
    if (col < 0 || row < 0) return;
    TSortSettings& ss = SortSettings();
    if (col < FixedCols() && row < FixedRows() && !ss.FixedCols()) return;
    const rtl::TRect r = CellRect(col, row);
    if ((Options() & ui::goColSizing) && row < FixedRows() && (X - r.Left < 4 || r.Right - X < 4)) return;
    if (X > r.Right - 16) {
        // The right end of a header with a drop-down button or a filter list opens those.
        bool dropDown = false;
        if (ControlLook().FixedDropDownButton()) {
            dropDown = true;
            CanShowFixedDropDown(col, row, dropDown);
        }
        if (dropDown) return;
        // Only a column that really shows a filter list (FilterDropDownAuto) keeps its end.
        std::vector<std::string> filter;
        CollectColumnFilter(RealColIndex(col), true, false, filter);
        if (!filter.empty()) return;
    }
    if (!IsSortRowRelease(col, row, pressRow)) return;
    if (FixedRows() == 0 || !ss.Show() || RowCount() <= 2 || CellHasCheckBox(col, row)) return;
    // The ignore list and the events speak of real columns; the sort keys are the stored
    // (displayed) column the sort reads.
    const int realCol = RealColIndex(col);
    bool doSort = !IgnoreColumns().HasValue(realCol);
    CanSort(realCol, doSort);
    if (!doSort) {
        RepaintCell(col, row);
        return;
    }
    const unsigned start = static_cast<unsigned>(ui::GetTickCount());
    // With KeepHorizScroll and whole-row selection the sort leaves the columns scrolled as
    // they were.
    const bool keepLeft = Navigation().KeepHorizScroll() && (Options() & ui::goRowSelect);
    const int leftCol = LeftCol();
    if (keepLeft) BeginUpdate();
    struct TKeepLeft {
        TExtStringGrid& G;
        bool On;
        int Left;
        ~TKeepLeft()
        {
            if (!On) return;
            G.SetLeftCol(Left);
            G.EndUpdate();
        }
    } keep{*this, keepLeft, leftCol};
    HideInplaceEdit();
    if (RowCount() != FSortCrossRefs->Count()) InitSortXRef();
    if (ss.IndexShow()) {
        const bool key = ss.IndexSortKey() == ikCtrl ? (Shift & ui::ssCtrl) != 0 : (Shift & ui::ssShift) != 0;
        const bool ascending = ss.InitSortDirection() == sdAscending;
        TSortIndexList& keys = SortIndexes();
        if (key) {
            if (keys.FindIndex(col) >= 0)
                keys.ToggleIndex(col);
            else
                keys.AddIndex(col, ascending);
        } else if (keys.Count() == 1 && keys.FindIndex(col) == 0) {
            keys.ToggleIndex(col);
        } else {
            keys.Clear();
            keys.AddIndex(col, ascending);
        }
        if (HasNodes())
            QSortGroupIndexed();
        else
            QSortIndexed();
        ss.SetColumn(keys.Count() > 0 ? (keys[0] & 0xFFFF) : -1);
    } else {
        bool undone = false;
        if (ss.Column() == col) {
            const bool wasInitial = ss.Direction() == ss.InitSortDirection();
            ss.ToggleDirection();
            if (!wasInitial && ss.UndoSort()) {
                QUnSort();
                ss.SetColumn(-1);
                undone = true;
            }
        } else {
            ss.SetDirection(ss.InitSortDirection());
            ss.SetColumn(col);
        }
        if (!undone) {
            if (HasNodes())
                QSortGroup();
            else
                QSort();
        }
    }
    FSortTime = static_cast<unsigned>(ui::GetTickCount()) - start;
    ClickSort(ss.Column() >= 0 ? RealColIndex(ss.Column()) : -1);
}

}  // namespace grid
