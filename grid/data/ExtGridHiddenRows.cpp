// String grid hidden rows: moving rows into and out of the hidden-row store and mapping displayed and real rows.
#include "grid/data/ExtGridHiddenRows.h"

#include <algorithm>
#include <utility>

#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

TExtGridHiddenRows::~TExtGridHiddenRows()
{
    for (auto& item : Items) FreeItemObjects(*item);
}

void TExtGridHiddenRows::FreeItemObjects(TGridItem& Item)
{
    rtl::TStringList& list = Item.Items();
    for (int i = 0; i < list.Count(); ++i) {
        auto* props = dynamic_cast<TCellProperties*>(list.Objects(i));
        if (props == nullptr) continue;
        if (TBaseGrid::IsGridOwnedGraphic(props->GraphicObject())) delete props->GraphicObject();
        delete props;
        list.PutObject(i, nullptr);
    }
}

std::unique_ptr<TExtGridHiddenRows> CreateHiddenRowStore() { return std::make_unique<TExtGridHiddenRows>(); }

namespace {

using TItemPtr = std::unique_ptr<TGridItem>;

// Number of records whose Idx is below ARow.
int CountBelow(const std::vector<TItemPtr>& items, int ARow)
{
    int n = 0;
    for (const auto& item : items)
        if (item->Idx() < ARow) ++n;
    return n;
}

// Final positions for k rows put back among others: ascending, distinct and inside a
// grid of total rows (a record whose position went stale still gets a row of its own).
std::vector<int> FitPositions(std::vector<int> positions, int total)
{
    const int k = static_cast<int>(positions.size());
    for (int i = 0; i < k; ++i) {
        if (i > 0) positions[i] = std::max(positions[i], positions[i - 1] + 1);
        positions[i] = std::max(positions[i], 0);
    }
    for (int i = k - 1; i >= 0; --i) {
        int limit = total - (k - i);
        if (i < k - 1) limit = std::min(limit, positions[i + 1] - 1);
        positions[i] = std::min(positions[i], limit);
    }
    return positions;
}

}  // namespace

// ----- store access

int TExtStringGrid::NumHiddenRows() const
{
    return FHiddenRows != nullptr ? static_cast<int>(FHiddenRows->Items.size()) : 0;
}

int TExtStringGrid::GridItemCount() const { return NumHiddenRows(); }

TGridItem& TExtStringGrid::GridItems(int Index) const
{
    if (Index < 0 || Index >= NumHiddenRows()) rtl::RaiseListIndexError(Index);
    return *FHiddenRows->Items[static_cast<std::size_t>(Index)];
}

int TExtStringGrid::FilterLevel() const { return FHiddenRows->FilterLevel; }
void TExtStringGrid::SetFilterLevel(int Value) { FHiddenRows->FilterLevel = Value; }

void TExtStringGrid::ClearHiddenRowLookup()
{
    FHiddenRows->LookupValid = false;
    FHiddenRows->Lookup.clear();
}

void TExtStringGrid::BuildHiddenRowLookup()
{
    if (FHiddenRows->LookupValid) return;
    auto& lookup = FHiddenRows->Lookup;
    lookup.clear();
    lookup.reserve(FHiddenRows->Items.size());
    for (const auto& item : FHiddenRows->Items) lookup.push_back(item->Idx());
    std::sort(lookup.begin(), lookup.end());
    // Records of different filter levels may share an index; a row is hidden once.
    lookup.erase(std::unique(lookup.begin(), lookup.end()), lookup.end());
    FHiddenRows->LookupValid = true;
}

bool TExtStringGrid::IsHiddenRow(int ARow) const
{
    for (const auto& item : FHiddenRows->Items)
        if (item->Idx() == ARow) return true;
    return false;
}

bool TExtStringGrid::IsHiddenRow(int ARow, std::vector<int>& Lookup) const
{
    if (Lookup.empty()) {
        for (const auto& item : FHiddenRows->Items) Lookup.push_back(item->Idx());
        std::sort(Lookup.begin(), Lookup.end());
    }
    return std::binary_search(Lookup.begin(), Lookup.end(), ARow);
}

// ----- mapping

// The (d+1)-th row that is not hidden. The j-th hidden row h_j (ascending) has h_j - j
// displayed rows before it, a non-decreasing count, so the hidden rows before the answer
// are found by bisection.
int TExtStringGrid::RemapRowDisplToReal(int ARow)
{
    if (NumHiddenRows() == 0) return ARow;
    if (ARow < 0) return -1;
    BuildHiddenRowLookup();
    const auto& lookup = FHiddenRows->Lookup;
    std::size_t lo = 0;
    std::size_t hi = lookup.size();
    while (lo < hi) {
        std::size_t mid = (lo + hi) / 2;
        if (lookup[mid] - static_cast<int>(mid) <= ARow)
            lo = mid + 1;
        else
            hi = mid;
    }
    return ARow + static_cast<int>(lo);
}

int TExtStringGrid::RemapRowRealToDispl(int ARow)
{
    if (NumHiddenRows() == 0) return ARow;
    BuildHiddenRowLookup();
    const auto& lookup = FHiddenRows->Lookup;
    return ARow - static_cast<int>(std::lower_bound(lookup.begin(), lookup.end(), ARow) - lookup.begin());
}

// ----- row movers

// Storage position of every real column (hidden columns live beyond ColCount), so that a
// record lists the cells in real column order whatever is hidden when it is made or used.
std::vector<int> TExtStringGrid::RealColumnStorage()
{
    std::vector<int> storage(static_cast<std::size_t>(TotalColCount()));
    for (std::size_t c = 0; c < storage.size(); ++c) storage[c] = DisplColIndex(static_cast<int>(c));
    return storage;
}

void TExtStringGrid::TakeRowIntoItem(int ADispl, TGridItem& Item, const std::vector<int>& Storage)
{
    rtl::TStringList& list = Item.Items();
    list.Clear();
    for (int s : Storage) {
        list.AddObject(GetGridCell(s, ADispl), GetCellPropsDirect(s, ADispl));
        SetGridCell(s, ADispl, "");
        SetCellPropsDirect(s, ADispl, nullptr);
    }
    Item.SetHeight(RowHeights(ADispl));
}

// The record's objects go back to the row; the record no longer holds them.
void TExtStringGrid::PutItemIntoRow(int ADispl, TGridItem& Item, const std::vector<int>& Storage)
{
    rtl::TStringList& list = Item.Items();
    const int n = std::min(list.Count(), static_cast<int>(Storage.size()));
    for (int c = 0; c < n; ++c) {
        const int s = Storage[static_cast<std::size_t>(c)];
        SetGridCell(s, ADispl, list.Get(c));
        auto* props = static_cast<TCellProperties*>(list.Objects(c));
        SetCellPropsDirect(s, ADispl, props);
        if (props != nullptr) props->SetOwnerRow(ADispl);
        list.PutObject(c, nullptr);
    }
    SetRowHeights(ADispl, Item.Height() > 0 ? Item.Height() : DefaultRowHeight());
}

// Moves a row in the cell store only (heights are the caller's), without telling the
// platform grid's row-move event: hiding is not a move the user made.
void TExtStringGrid::MoveStoredRow(int From, int To)
{
    if (From == To) return;
    auto saved = std::move(OnRowMoved);
    OnRowMoved = nullptr;
    ui::TStringGrid::RowMoved(From, To);
    OnRowMoved = std::move(saved);
}

void TExtStringGrid::RestampRows(int FromRow)
{
    if (!HasCellProps()) return;
    const int cols = TotalColCount();
    for (int r = FromRow; r < RowCount(); ++r)
        for (int c = 0; c < cols; ++c)
            if (TCellProperties* props = GetCellPropsDirect(c, r)) props->SetOwnerRow(r);
}

// Removes Count consecutive rows from ADispl whose cells were emptied: nothing is freed.
void TExtStringGrid::RemoveVacatedRows(int ADispl, int Count)
{
    const int rows = RowCount();
    if (Count <= 0 || ADispl < 0 || ADispl + Count > rows) return;
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(rows - ADispl));
    for (int r = ADispl; r < rows; ++r) heights.push_back(RowHeights(r));
    for (int i = 0; i < Count; ++i) MoveStoredRow(ADispl, rows - 1);
    // The current row may move while the grid shrinks; that is no row selection the user
    // made, so disjunct row selection is off for the duration.
    const bool disjunct = MouseActions().DisjunctRowSelect();
    MouseActions().SetDisjunctRowSelectDirect(false);
    SetRowCount(rows - Count);
    MouseActions().SetDisjunctRowSelectDirect(disjunct);
    for (int r = ADispl; r < RowCount(); ++r) {
        int h = heights[static_cast<std::size_t>(r - ADispl + Count)];
        if (RowHeights(r) != h) SetRowHeights(r, h);
    }
    RestampRows(ADispl);
}

// Inserts Count empty rows of the default height at ADispl.
void TExtStringGrid::InsertVacantRows(int ADispl, int Count)
{
    const int rows = RowCount();
    if (Count <= 0 || ADispl < 0 || ADispl > rows) return;
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(rows - ADispl));
    for (int r = ADispl; r < rows; ++r) heights.push_back(RowHeights(r));
    const bool disjunct = MouseActions().DisjunctRowSelect();
    MouseActions().SetDisjunctRowSelectDirect(false);
    SetRowCountKeepingRows(rows + Count);
    MouseActions().SetDisjunctRowSelectDirect(disjunct);
    for (int i = 0; i < Count; ++i) MoveStoredRow(rows + i, ADispl + i);
    for (int r = ADispl; r < RowCount(); ++r) {
        int h = r < ADispl + Count ? DefaultRowHeight() : heights[static_cast<std::size_t>(r - ADispl - Count)];
        if (RowHeights(r) != h) SetRowHeights(r, h);
    }
    RestampRows(ADispl);
}

namespace {

// Moving one row costs the store's chunk work; copying cells costs the cells below the
// first row concerned. The cheaper of the two is taken for a whole list of rows.
bool PreferRowMoves(int listed, int rows, int firstRow, int cols)
{
    const long long perMove = rows / 512 + 512;
    return static_cast<long long>(listed) * perMove <= static_cast<long long>(rows - firstRow) * cols * 4;
}

}  // namespace

// ----- hiding

void TExtStringGrid::HideRows(int FromRow, int ToRow)
{
    ClearHiddenRowLookup();
    if (ToRow < FromRow) return;
    auto& items = FHiddenRows->Items;
    int already = 0;
    for (const auto& item : items)
        if (item->Idx() >= FromRow && item->Idx() <= ToRow) ++already;
    if (already == ToRow - FromRow + 1) return;
    const int d = FromRow - CountBelow(items, FromRow);
    std::vector<int> hiddenInRange;
    for (const auto& item : items)
        if (item->Idx() >= FromRow && item->Idx() <= ToRow) hiddenInRange.push_back(item->Idx());
    std::sort(hiddenInRange.begin(), hiddenInRange.end());
    if (d < 0 || d >= RowCount()) return;

    BeginUpdate();
    const std::vector<int> storage = RealColumnStorage();
    std::vector<TItemPtr> fresh;
    int taken = 0;
    for (int r = FromRow; r <= ToRow && d + taken < RowCount(); ++r) {
        if (std::binary_search(hiddenInRange.begin(), hiddenInRange.end(), r)) continue;
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(r);
        TakeRowIntoItem(d + taken, *item, storage);
        fresh.push_back(std::move(item));
        ++taken;
    }
    // Each new record goes to its ordered place among the others.
    std::vector<TItemPtr> merged;
    merged.reserve(items.size() + fresh.size());
    std::size_t j = 0;
    for (auto& item : items) {
        while (j < fresh.size() && fresh[j]->Idx() < item->Idx()) merged.push_back(std::move(fresh[j++]));
        merged.push_back(std::move(item));
    }
    while (j < fresh.size()) merged.push_back(std::move(fresh[j++]));
    items = std::move(merged);
    RemoveVacatedRows(d, taken);
    EndUpdate();
}

void TExtStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (IsHiddenRow(FromRow) || ToRow < FromRow) return;
    HideRows(FromRow, ToRow);
}

void TExtStringGrid::HideRowList(const TIntList& List)
{
    std::vector<int> rows = List.Values();
    // A filter never hides every row.
    if (!rows.empty() && static_cast<int>(rows.size()) == RowCount()) rows.erase(rows.begin());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= RowCount(); }),
               rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    ClearHiddenRowLookup();
    if (rows.empty()) {
        ++FHiddenRows->FilterLevel;
        return;
    }
    BeginUpdate();
    const std::vector<int> storage = RealColumnStorage();
    for (int r : rows) {
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(r);
        item->SetLevel(FHiddenRows->FilterLevel);
        item->SetFilterRecord(true);
        TakeRowIntoItem(r, *item, storage);
        FHiddenRows->Items.push_back(std::move(item));
    }
    ++FHiddenRows->FilterLevel;

    const int total = RowCount();
    const int first = rows.front();
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(total - first));
    for (int r = first; r < total; ++r) heights.push_back(RowHeights(r));
    const int cols = static_cast<int>(storage.size());
    if (PreferRowMoves(static_cast<int>(rows.size()), total, first, cols)) {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) MoveStoredRow(*it, total - 1);
    } else {
        // One pass: the rows that stay move up over the gaps.
        std::size_t next = 0;
        int target = first;
        for (int r = first; r < total; ++r) {
            if (next < rows.size() && rows[next] == r) {
                ++next;
                continue;
            }
            for (int s : storage) {
                SetGridCell(s, target, GetGridCell(s, r));
                SetCellPropsDirect(s, target, GetCellPropsDirect(s, r));
            }
            ++target;
        }
        for (int r = target; r < total; ++r)
            for (int s : storage) {
                SetGridCell(s, r, "");
                SetCellPropsDirect(s, r, nullptr);
            }
    }
    const bool disjunct = MouseActions().DisjunctRowSelect();
    MouseActions().SetDisjunctRowSelectDirect(false);
    SetRowCount(total - static_cast<int>(rows.size()));
    MouseActions().SetDisjunctRowSelectDirect(disjunct);
    std::size_t next = 0;
    int target = first;
    for (int r = first; r < total; ++r) {
        if (next < rows.size() && rows[next] == r) {
            ++next;
            continue;
        }
        int h = heights[static_cast<std::size_t>(r - first)];
        if (RowHeights(target) != h) SetRowHeights(target, h);
        ++target;
    }
    RestampRows(first);
    EndUpdate();
}

// ----- showing

void TExtStringGrid::UnHideRow(int ARow) { UnHideRows(ARow, ARow); }

void TExtStringGrid::UnHideRows(int FromRow, int ToRow)
{
    ClearHiddenRowLookup();
    if (!IsHiddenRow(FromRow)) return;
    auto& items = FHiddenRows->Items;
    const int d = FromRow - CountBelow(items, FromRow);
    std::vector<TGridItem*> shown;
    for (const auto& item : items)
        if (item->Idx() >= FromRow && item->Idx() <= ToRow) shown.push_back(item.get());
    std::stable_sort(shown.begin(), shown.end(),
                     [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
    BeginUpdate();
    const std::vector<int> storage = RealColumnStorage();
    // Runs of consecutive real rows go in as one block.
    std::size_t i = 0;
    while (i < shown.size()) {
        std::size_t run = 1;
        while (i + run < shown.size() && shown[i + run]->Idx() == shown[i]->Idx() + static_cast<int>(run)) ++run;
        const int at = std::min(d + (shown[i]->Idx() - FromRow), RowCount());
        InsertVacantRows(at, static_cast<int>(run));
        for (std::size_t k = 0; k < run; ++k) PutItemIntoRow(at + static_cast<int>(k), *shown[i + k], storage);
        i += run;
    }
    std::vector<TItemPtr> kept;
    kept.reserve(items.size());
    for (auto& item : items)
        if (std::find(shown.begin(), shown.end(), item.get()) == shown.end()) kept.push_back(std::move(item));
    items = std::move(kept);
    ClearHiddenRowLookup();
    EndUpdate();
}

void TExtStringGrid::UnHideRowsAll()
{
    auto& items = FHiddenRows->Items;
    while (!items.empty()) {
        const int first = items.front()->Idx();
        int last = first;
        for (std::size_t i = 1; i < items.size() && items[i]->Idx() == last + 1; ++i) ++last;
        const std::size_t before = items.size();
        UnHideRows(first, last);
        if (items.size() == before) break;
    }
    ClearHiddenRowLookup();
}

void TExtStringGrid::UnHideRowList()
{
    const int level = FHiddenRows->FilterLevel - 1;
    auto& items = FHiddenRows->Items;
    std::vector<TItemPtr> levelItems;
    std::vector<TItemPtr> kept;
    // Rows hidden by HideRows or by contracted nodes also carry level 0; they stay in the
    // store, as do the other levels: clearing the whole store here would lose those rows.
    for (auto& item : items)
        (item->FilterRecord() && item->Level() == level ? levelItems : kept).push_back(std::move(item));
    items = std::move(kept);
    std::stable_sort(levelItems.begin(), levelItems.end(),
                     [](const TItemPtr& a, const TItemPtr& b) { return a->Idx() < b->Idx(); });
    ClearHiddenRowLookup();
    if (levelItems.empty()) return;
    BeginUpdate();
    std::vector<int> positions;
    for (const auto& item : levelItems) positions.push_back(item->Idx());
    std::vector<TGridItem*> placed;
    for (const auto& item : levelItems) placed.push_back(item.get());
    // Filter positions count the displayed rows of that time, the floating footer's last
    // row among them; the footer row stays last.
    PlaceItemsInRows(positions, placed);
    EndUpdate();
}

void TExtStringGrid::RestoreAllHiddenRows()
{
    auto& items = FHiddenRows->Items;
    ClearHiddenRowLookup();
    if (items.empty()) return;
    std::vector<TItemPtr> all = std::move(items);
    items.clear();
    std::stable_sort(all.begin(), all.end(), [](const TItemPtr& a, const TItemPtr& b) { return a->Idx() < b->Idx(); });
    BeginUpdate();
    std::vector<int> positions;
    std::vector<TGridItem*> placed;
    for (const auto& item : all) {
        positions.push_back(item->Idx());
        placed.push_back(item.get());
    }
    PlaceItemsInRows(positions, placed);
    EndUpdate();
}

// Positions count the displayed rows of the time the records were made, the floating
// footer's last row among them; the footer row stays the grid's last row. A few records go
// in as blocks of consecutive rows; many are merged in one pass from the bottom, each row
// moving once.
void TExtStringGrid::PlaceItemsInRows(const std::vector<int>& Positions, const std::vector<TGridItem*>& Placed)
{
    const int k = static_cast<int>(Placed.size());
    if (k == 0) return;
    const bool footer = FloatingFooter().Visible();
    const int oldRows = RowCount();
    const int dataRows = oldRows - (footer ? 1 : 0);
    const std::vector<int> positions = FitPositions(Positions, dataRows + k);
    const std::vector<int> storage = RealColumnStorage();
    const int first = positions.front();
    if (PreferRowMoves(k, oldRows, first, static_cast<int>(storage.size()))) {
        std::size_t i = 0;
        while (i < Placed.size()) {
            std::size_t run = 1;
            while (i + run < Placed.size() && positions[i + run] == positions[i] + static_cast<int>(run)) ++run;
            InsertVacantRows(positions[i], static_cast<int>(run));
            for (std::size_t j = 0; j < run; ++j) PutItemIntoRow(positions[i] + static_cast<int>(j), *Placed[i + j], storage);
            i += run;
        }
        return;
    }
    std::vector<int> heights;
    for (int r = 0; r < oldRows; ++r) heights.push_back(r >= first ? RowHeights(r) : 0);
    const bool disjunct = MouseActions().DisjunctRowSelect();
    MouseActions().SetDisjunctRowSelectDirect(false);
    SetRowCountKeepingRows(oldRows + k);
    MouseActions().SetDisjunctRowSelectDirect(disjunct);
    auto moveRow = [&](int from, int to) {
        for (int s : storage) {
            SetGridCell(s, to, GetGridCell(s, from));
            SetCellPropsDirect(s, to, GetCellPropsDirect(s, from));
        }
        if (RowHeights(to) != heights[static_cast<std::size_t>(from)]) SetRowHeights(to, heights[static_cast<std::size_t>(from)]);
    };
    if (footer) moveRow(oldRows - 1, oldRows - 1 + k);
    int source = dataRows - 1;
    int j = k - 1;
    for (int t = dataRows + k - 1; t >= first && j >= 0; --t) {
        if (positions[static_cast<std::size_t>(j)] == t) {
            for (int s : storage) SetCellPropsDirect(s, t, nullptr);
            PutItemIntoRow(t, *Placed[static_cast<std::size_t>(j)], storage);
            --j;
        } else {
            moveRow(source--, t);
        }
    }
    RestampRows(first);
}

}  // namespace grid
