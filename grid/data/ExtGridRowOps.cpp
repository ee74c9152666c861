// Inserting and removing whole rows of the string grid with their texts, cell objects, heights and row books.
#include <algorithm>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/data/ExtGridQuietMoves.h"
#include "grid/editing/ExtGridUpdateScope.h"

namespace grid {

namespace {

// Restores a value when the scope ends, also when an exception leaves it.
template <typename T, typename Set>
class TRestore {
public:
    TRestore(T value, Set set) : FValue(std::move(value)), FSet(std::move(set)) {}
    ~TRestore() { FSet(FValue); }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    T FValue;
    Set FSet;
};


// Deletes Count entries from Index of an integer list, as far as the list reaches.
void DeleteListEntries(TIntList& list, int Index, int Count)
{
    for (int i = 0; i < Count && Index < list.Count(); ++i) list.Delete(Index);
}

}  // namespace

// --- block movers ---

// Hidden rows stored at or after FromReal move by Delta rows (up for a removal above them,
// down for an insertion).
void TExtStringGrid::ShiftHiddenRows(int FromReal, int Delta)
{
    if (NumHiddenRows() == 0) return;
    for (int i = 0; i < GridItemCount(); ++i) {
        TGridItem& item = GridItems(i);
        if (item.Idx() >= FromReal) item.SetIdx(item.Idx() + Delta);
    }
    ClearHiddenRowLookup();
}

// The rows leave the store as a block: each later row moves up with its texts, objects and
// height, and the vacated rows at the end are emptied (objects detached, not freed: the
// caller has freed or taken them).
void TExtStringGrid::CutRowBlock(int RowIndex, int RCount)
{
    TQuietMoves quiet(OnRowMoved);
    if (RowsMoveAsBlock()) {
        TStringGrid::DeleteRows(RowIndex, RCount);
        if (EnhRowColMove()) FColMoveFlg = true;
    } else {
        for (int i = 0; i < RCount; ++i) TStringGrid::DeleteRow(RowIndex);
    }
    SetRowCount(RowCount());
}

// Moving rows one by one runs the grid's row-move follow-up per row: the floating footer's
// last row keeps its cells and a synchronized grid moves its rows too. Without either, the
// whole block moves at once with the same result.
bool TExtStringGrid::RowsMoveAsBlock()
{
    const bool footerRow = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
    const bool syncedRows = SyncGrid().Grid() != nullptr && SyncGrid().MoveRow();
    return !footerRow && !syncedRows;
}

// Empty rows of the default height come in at RowIndex: they are appended, cleared of any
// cells kept beyond the old row count, and moved into place with everything below them.
void TExtStringGrid::OpenRowBlock(int RowIndex, int RCount)
{
    const int oldCount = RowCount();
    SetRowCountKeepingRows(oldCount + RCount);
    const int cols = std::max(TotalColCount(), SlotColExtent());
    for (int r = oldCount; r < RowCount(); ++r) {
        for (int c = 0; c < cols; ++c) {
            FreeCellProperties(c, r, c, r);
            if (!GetGridCell(c, r).empty()) SetGridCell(c, r, "");
        }
    }
    TQuietMoves quiet(OnRowMoved);
    // Moved one by one, the last row goes to RowIndex RCount times: the emptied rows land in
    // reverse order, which for empty rows of one height is the block moved as it stands.
    if (RowsMoveAsBlock()) {
        ui::TCustomGrid::MoveRows(oldCount, RowCount() - oldCount, RowIndex);
        if (EnhRowColMove() && oldCount != RowIndex) FColMoveFlg = true;
        return;
    }
    for (int i = 0; i < RCount; ++i) ui::TCustomGrid::MoveRow(RowCount() - 1, RowIndex);
}

// A property object records its own cell and repaints it when its look changes, so after
// rows move every object from From down is to learn its new row: the shift is recorded and
// each object applies it when asked. Without property objects there is nothing to tell.
void TExtStringGrid::RestampOwnerRows(int From, int Delta)
{
    if (!HasCellProps()) return;
    ShiftOwnerRows(std::max(From, 0), Delta);
}

// The row books (modified marks, enabled states, disjunct selection flags) are indexed by
// row: they open or close RCount entries at RowIndex wherever the list reaches that far.
void TExtStringGrid::ShiftRowBooks(int RowIndex, int RCount, bool Insert)
{
    auto rowSelectAt = [this](int i) { return FRowSelect.begin() + i; };
    if (Insert) {
        if (ShowModified().Enabled() && RowIndex < FModifiedRows->Count())
            for (int i = 0; i < RCount; ++i) FModifiedRows->Insert(RowIndex, 0);
        if (RowIndex < FEnabledRows->Count())
            for (int i = 0; i < RCount; ++i) FEnabledRows->Insert(RowIndex, 0);
        if (RowIndex < static_cast<int>(FRowSelect.size())) FRowSelect.insert(rowSelectAt(RowIndex), RCount, 0);
        return;
    }
    if (ShowModified().Enabled()) DeleteListEntries(*FModifiedRows, RowIndex, RCount);
    DeleteListEntries(*FEnabledRows, RowIndex, RCount);
    if (RowIndex < static_cast<int>(FRowSelect.size())) {
        int last = std::min(RowIndex + RCount, static_cast<int>(FRowSelect.size()));
        FRowSelect.erase(rowSelectAt(RowIndex), rowSelectAt(last));
    }
}

// Controls placed in cells keep their cell: those at or below FromRow move by Delta rows,
// the order of the list is kept.
void TExtStringGrid::ShiftCellControls(int FromRow, int Delta)
{
    TControlList& list = *FControlList;
    if (list.Count() == 0) return;
    struct Item {
        int X, Y;
        ui::TControl* Control;
    };
    std::vector<Item> items;
    for (int i = 0; i < list.Count(); ++i) {
        TControlItem* it = list.GetControl(i);
        // A control of a removed row has no cell any more: it is hidden and let go.
        if (Delta < 0 && it->Y() >= FromRow + Delta && it->Y() < FromRow) {
            if (it->Control() != nullptr) it->Control()->SetVisible(false);
            --FNumCellControls;
            continue;
        }
        items.push_back({it->X(), it->Y() >= FromRow ? it->Y() + Delta : it->Y(), it->Control()});
    }
    list.ClearControls();
    for (const Item& it : items) list.AddControl(it.X, it.Y, it.Control);
    CellControlsUpdate(false);
}

// --- the two row workers ---

// New rows are empty and of the default height; the rows below keep theirs. With a visible
// floating footer the footer row stays the grid's last row. Hidden rows keep their stored
// positions.
void TExtStringGrid::InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0) return;
    const int leftCol = LeftCol();
    int limit = RowCount();
    if (FloatingFooter().Visible() && limit > 0) limit = RowCount() - 1;
    RowIndex = std::clamp(RowIndex, 0, limit);
    OpenRowBlock(RowIndex, RCount);
    if (Navigation().KeepHorizScroll()) SetLeftCol(leftCol);
    RestampOwnerRows(RowIndex, RCount);
    if (UpdateCellControls) ShiftCellControls(RowIndex, RCount);
    if (!HasState(rtl::csDestroying)) CellsChanged(rtl::Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

// Deletes displayed rows by the platform grid's own row deletion: texts, objects and heights
// of the rows below move up; the property objects of the deleted rows are not freed here
// (removal frees them first, hiding has taken them into the hidden-row store).
void TExtStringGrid::DeleteRowsInternal(int RowIndex, int RCount, bool UpdateControls)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (UpdateControls) {
        TControlList& list = *FControlList;
        for (int i = list.Count() - 1; i >= 0; --i) {
            TControlItem* it = list.GetControl(i);
            if (it->Y() < RowIndex || it->Y() >= RowIndex + RCount) continue;
            if (it->Control() != nullptr) it->Control()->SetVisible(false);
            list.RemoveControl(i);
        }
    }
    TRestore footers(FixedFooters(), [this](int v) { SetFixedFooters(v); });
    SetFixedFooters(0);
    const int topRow = TopRow();
    const int curRow = Row();
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    TRestore options(Options(), [this](ui::TGridOptions v) { SetOptions(v); });
    {
        TUpdateScope update(*this);
        bool allow = true;
        if (curRow == RowCount() - 1 && OnRowChanging) OnRowChanging(this, curRow, curRow - RCount, allow);
        if (allow) {
            if (RowCount() - FixedRows() > 1 && rowSelect) SetOptions(Options() & ~ui::goRowSelect);
            if (UpdateControls) ShiftHiddenRows(RealRowIndex(RowIndex) + 1, -RCount);
            for (int i = 0; i < RCount; ++i) TStringGrid::DeleteRow(RowIndex);
            SetRowCount(RowCount());
            RestampOwnerRows(RowIndex + RCount, -RCount);
            if (UpdateControls) ShiftCellControls(RowIndex + RCount, -RCount);
            if (curRow < RowCount()) {
                SetRowEx(curRow);
                if (topRow < RowCount()) SetTopRow(topRow);
            } else if (RowCount() > FixedRows()) {
                SetRowEx(RowCount() - 1);
            }
        }
    }
    CellsChanged(rtl::Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
    if (TopRow() >= RowCount() - 1 && RowCount() > FixedRows()) SetTopRow(RowCount() - 1);
}

// --- public row operations ---

void TExtStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0) return;
    RowIndex = std::clamp(RowIndex, 0, RowCount());
    ShiftRowBooks(RowIndex, RCount, true);
    // Hidden rows stored at or below the new rows move down with their displayed neighbours;
    // kept where they were, they would come back above rows they stood below.
    ShiftHiddenRows(RealRowIndex(RowIndex), RCount);
    InsertRowsInternal(RowIndex, RCount, UpdateCellControls);
}

// A count reaching beyond the last row is cut to the rows that exist: removing more rows
// than there are would also drop rows before RowIndex that nobody asked to remove.
void TExtStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount < 1) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (FilterActive()) {
        // The real rows behind the displayed ones go, with the filter off for the while.
        const int real = RealRowIndex(RowIndex);
        TUpdateScope update(*this);
        SetFilterActive(false);
        RemoveRows(DisplRowIndex(real), RCount);
        SetFilterActive(true);
        return;
    }
    HideInplaceEdit();
    ShiftCellControls(RowIndex + RCount, -RCount);
    const int cols = SlotColExtent();  // property objects sit only below it
    FreeCellProperties(0, RowIndex, cols - 1, RowIndex + RCount - 1);
    {
        TUpdateScope update(*this);
        TRestore footers(FixedFooters(), [this](int v) { SetFixedFooters(v); });
        TRestore lastRow(HideLastRow(), [this](bool v) { SetHideLastRow(v); });
        const int topRow = TopRow();
        const int curRow = Row();
        ShiftHiddenRows(RealRowIndex(RowIndex) + 1, -RCount);
        ShiftRowBooks(RowIndex, RCount, false);
        CutRowBlock(RowIndex, RCount);
        RestampOwnerRows(RowIndex + RCount, -RCount);
        FMaxRowCount = std::max(RowCount(), FMaxRowCount - RCount);
        const int lastNormal = RowCount() - FixedFooters() - 1;
        if (curRow >= FixedRows() && curRow <= lastNormal) {
            SetRowEx(curRow);
            SetTopRow(std::min(topRow, RowCount() - 1));
        } else if (lastNormal >= FixedRows()) {
            SetRowEx(lastNormal);
        }
    }
    CellsChanged(rtl::Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
    const int visible = VisibleRowCount();
    if (TopRow() >= RowCount() + FixedRows() - visible - 2 && RowCount() - visible - 1 > 0)
        SetTopRow(RowCount() + FixedRows() - visible - 2);
}

// Removal frees the property objects of every stored column of the rows, hidden columns
// included: an object left in a hidden column's cell would outlive its row unreferenced.
void TExtStringGrid::DoRemoveRows(int ARow, int Count)
{
    if (ARow < 0 || ARow >= RowCount() || Count < 1) return;
    Count = std::min(Count, RowCount() - ARow);
    const int cols = SlotColExtent();  // property objects sit only below it
    FreeCellProperties(0, ARow, cols - 1, ARow + Count - 1);
    ShiftRowBooks(ARow, Count, false);
    DeleteRowsInternal(ARow, Count, true);
}

// Texts and cell objects move up; every row position keeps its height. The removed rows'
// property objects are not freed: callers such as row moving carry them elsewhere.
void TExtStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount < 1) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const int curRow = Row();
    const int topRow = TopRow();
    {
        TUpdateScope update(*this);
        std::vector<int> heights;
        heights.reserve(static_cast<std::size_t>(RowCount() - RowIndex));
        for (int r = RowIndex; r < RowCount(); ++r) heights.push_back(RowHeights(r));
        if (MouseActions().DisjunctRowSelect() && RowIndex < static_cast<int>(FRowSelect.size())) {
            int last = std::min(RowIndex + RCount, static_cast<int>(FRowSelect.size()));
            FRowSelect.erase(FRowSelect.begin() + RowIndex, FRowSelect.begin() + last);
        }
        CutRowBlock(RowIndex, RCount);
        for (int r = RowIndex; r < RowCount(); ++r) {
            int h = heights[static_cast<std::size_t>(r - RowIndex)];
            if (RowHeights(r) != h) SetRowHeights(r, h);
        }
        RestampOwnerRows(RowIndex + RCount, -RCount);
        FMaxRowCount = std::max(RowCount(), FMaxRowCount - RCount);
        if (curRow < RowCount()) {
            SetRowEx(curRow);
            SetTopRow(std::min(topRow, RowCount() - 1));
        } else if (RowCount() > FixedRows()) {
            SetRowEx(FixedRows());
            SetTopRow(FixedRows());
        }
    }
    ShiftHiddenRows(RowIndex + RCount, -RCount);
    CellsChanged(rtl::Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExtStringGrid::AddRow()
{
    if (FloatingFooter().Visible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (FloatingFooter().FooterStyle() == fsFixedLastRow) ClearRect(0, RowCount() - 2, ColCount() - 1, RowCount() - 2);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRect(0, RowCount() - 1, ColCount() - 1, RowCount() - 1);
}

// The listed rows leave the grid run by run, from the bottom up, so that each later row
// moves once per run above it rather than once per removed row. The removed rows' property
// objects are freed: they would otherwise be overwritten and lost to the grid.
void TExtStringGrid::RemoveRowList(const TIntList& RowList)
{
    std::vector<int> rows(RowList.Values());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= RowCount(); }),
               rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const int cols = SlotColExtent();  // property objects sit only below it
    std::size_t end = rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] + 1 == rows[begin]) --begin;
        const int first = rows[begin];
        const int count = static_cast<int>(end - begin);
        FreeCellProperties(0, first, cols - 1, first + count - 1);
        ShiftRowBooks(first, count, false);
        CutRowBlock(first, count);
        RestampOwnerRows(first + count, -count);
        end = begin;
    }
}

// The platform row becomes Value (never a fixed row); a current column outside the grid
// first moves to the first normal column of that row.
void TExtStringGrid::SetRowEx(int Value)
{
    Value = std::max(Value, FixedRows());
    if (Value >= RowCount()) return;
    if (Col() >= ColCount()) MoveColRow(FixedCols(), Value, true, true);
    SetRow(Value);
}

// Exchanges the texts, property objects and heights of two rows across all stored columns.
void TExtStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2) return;
    const int cols = TotalColCount();
    for (int c = 0; c < cols; ++c) {
        std::string text1 = ui::TStringGrid::Cells(c, ARow1);
        std::string text2 = ui::TStringGrid::Cells(c, ARow2);
        TCellProperties* props1 = GetCellPropsDirect(c, ARow1);
        TCellProperties* props2 = GetCellPropsDirect(c, ARow2);
        ui::TStringGrid::SetCells(c, ARow1, text2);
        ui::TStringGrid::SetCells(c, ARow2, text1);
        SetCellPropsDirect(c, ARow1, props2);
        SetCellPropsDirect(c, ARow2, props1);
        if (props2 != nullptr) props2->SetOwnerRow(ARow1);
        if (props1 != nullptr) props1->SetOwnerRow(ARow2);
    }
    const int height1 = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height1);
}

}  // namespace grid
