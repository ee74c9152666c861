// String grid filter switching: FilterActive, narrowing down as text is typed, the filter-edit row, suppressed rows and the hidden selection.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/FilterLists.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

namespace {

bool IsOneCharLonger(const std::string& Longer, const std::string& Shorter)
{
    return Longer.size() == Shorter.size() + 1 && Longer.compare(0, Shorter.size(), Shorter) == 0;
}

// The saved heights of suppressed rows are kept by real row: hiding or showing rows above a
// suppressed one moves its displayed index, and it must still get its own height back.
// The list grows with default heights up to the slot asked for.
int SuppressedHeightSlot(TExtStringGrid& Grid, TIntList& Sizes, int ARow)
{
    const int real = Grid.RealRowIndex(ARow);
    while (Sizes.Count() <= real) Sizes.Add(Grid.DefaultRowHeight());
    return real;
}

}  // namespace

// --- FilterActive

void TExtStringGrid::SetFilterActive(bool Value)
{
    if (HasState(rtl::csLoading)) return;
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Col() >= ColCount() || Row() >= RowCount()) MoveColRow(FixedCols(), FixedRows(), true, false);
            const int before = FilterLevel();
            BeginUpdate();
            ApplyFilter();
            EndUpdate();
            FActiveFilterLevel = FilterLevel() > before ? FilterLevel() : -1;
            FSelHidden = false;
        } else {
            // Only the level this activation added is undone: a pass that hid nothing adds no
            // level, and undoing the one below would show rows another filter hid.
            if (FilterType() == ftSuppress) {
                UnSuppressAllRows();
            } else if (FActiveFilterLevel > 0 && FActiveFilterLevel == FilterLevel()) {
                UnHideRowList();
                SetFilterLevel(FilterLevel() - 1);
            }
            FActiveFilterLevel = -1;
            SetFixedRows(FSearchParts->State.FilterFixedRows);
            if (FSelHidden) UnHideSelection();
        }
        if (RowCount() > FixedRows()) SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

// Rows that failed a filter pass leave the view: suppressed to height 0, or hidden as one
// new filter level.
void TExtStringGrid::FilterOutRows(const TIntList& Rows)
{
    if (FilterType() == ftSuppress) {
        for (int r : Rows.Values()) SuppressRow(r);
    } else {
        HideRowList(Rows);
    }
}

// Undoes what FilterOutRows did last: every suppressed row back, or the last hide level.
void TExtStringGrid::ShowFilteredRows()
{
    if (FilterType() == ftSuppress)
        UnSuppressAllRows();
    else
        UnHideRowList();
}

// --- NarrowDown

void TExtStringGrid::NarrowDown(const std::string& ACondition, int AColumn)
{
    NarrowDown(ACondition, TNarrowDownOptions{}, AColumn);
}

void TExtStringGrid::NarrowDown(const std::string& ACondition, bool DoRemoveAccented, int AColumn)
{
    TNarrowDownOptions options;
    if (DoRemoveAccented) options.Include(ndRemoveAccented);
    NarrowDown(ACondition, options, AColumn);
}

void TExtStringGrid::FillNarrowDownItem(TFilterData& Item, const std::string& ACondition, TNarrowDownOptions AOptions,
                                        int AColumn) const
{
    if (AColumn == -1) {
        Item.SetData(fcRow);
        Item.SetCondition(ACondition);
    } else {
        std::string condition = NarrowDownFromStart() ? "=" + ACondition + "*" : "*" + ACondition + "*";
        if (condition.find(' ') != std::string::npos) condition = "\"" + condition + "\"";
        Item.SetData(fcNormal);
        Item.SetCondition(condition);
    }
    Item.SetRemoveAccented(AOptions.Contains(ndRemoveAccented));
    Item.SetCaseSensitive(AOptions.Contains(ndCaseSensitive));
    Item.SetColumn(static_cast<std::int16_t>(AColumn));
}

void TExtStringGrid::NarrowDown(const std::string& ACondition, TNarrowDownOptions AOptions, int AColumn)
{
    TGridSearchState& st = FSearchParts->State;
    const std::string last = st.LastFilter;
    const bool suppress = FilterType() == ftSuppress;
    if (FixedRows() > 0) SetFixedRowAlways(true);

    auto applyOne = [&] {
        Filter().Clear();
        TFilterData& item = Filter().Add();
        FillNarrowDownItem(item, ACondition, AOptions, AColumn);
        ApplyFilter();
        FNarrowLevels.push_back(FilterLevel());
    };
    auto startOver = [&] {
        if (suppress) UnSuppressAllRows();
        RemoveAllFilters();
        FNarrowLevels.clear();
        if (!ACondition.empty()) applyOne();
    };

    if (ACondition.empty()) {
        startOver();  // every narrowing level undone, the collection emptied
    } else if (IsOneCharLonger(ACondition, last) && (last.empty() || !FNarrowLevels.empty())) {
        // One character typed: a new level over the rows still shown.
        applyOne();
    } else if (IsOneCharLonger(last, ACondition) && !suppress && FNarrowLevels.size() >= 2) {
        // One character deleted: back to the level of the shorter text. A step that hid no
        // row added no level, so only the levels above the shorter text's are undone.
        FNarrowLevels.pop_back();
        while (FilterLevel() > FNarrowLevels.back()) RemoveLastFilter();
        // The collection describes the rows shown: the shorter text's condition.
        Filter().Clear();
        FillNarrowDownItem(Filter().Add(), ACondition, AOptions, AColumn);
    } else {
        startOver();
    }
    // An empty text leaves the hidden-row store alone: the narrowing levels are undone by
    // now, and emptying it would lose the rows hidden by HideRows.
    st.LastFilter = ACondition;
    st.IsNarrowDown = !ACondition.empty();
}

// --- Filter-edit row

void TExtStringGrid::ApplyEditRowFilter(int ACol, TFilterType AFilterType)
{
    SetFilterActive(false);
    const int row = FilterEdit().Row();
    const bool rowValid = row >= 0 && row < RowCount() && ACol >= 0 && ACol < ColCount();
    if (AFilterType == ftClear) {
        if (rowValid) SetCells(ACol, row, "");
        AFilterType = ftContains;
    }
    if (!Filter().HasFilter(ACol)) Filter().GetColFilter(ACol).SetFilterType(ftContains);
    TFilterData& item = Filter().GetColFilter(ACol);
    item.SetCaseSensitive(FilterEdit().CaseSensitive());
    item.SetColumn(static_cast<std::int16_t>(ACol));
    if (AFilterType != ftNone) item.SetFilterType(AFilterType);
    const std::string text = rowValid ? GetCellEx(ACol, row) : std::string();
    item.BuildCondition(text);
    item.SetEnabled(!text.empty());

    FDoAutoEditFilter = true;
    FilterEditUpdate(ACol, text, AFilterType);
    if (FDoAutoEditFilter) {
        BeforeFilter();
        SetFilterActive(true);
        InvalidateRow(0);
        FilterDone();
    } else {
        FEditFilterCondition = text;
        FEditFilterType = item.FilterType();
        FEditFilterColumn = ACol;
        if (HandleAllocated())
            ui::PostMessage(Handle(), ui::RegisterWindowMessage("FilterEditUpdate"), 0, 0);
    }
}

bool TExtStringGrid::FilterEditMessage(ui::TMessage& Message)
{
    static const ui::UINT filterEditUpdate = ui::RegisterWindowMessage("FilterEditUpdate");
    if (Message.Msg != filterEditUpdate) return false;
    if (OnFilterEditDone) OnFilterEditDone(this, FEditFilterColumn, FEditFilterCondition, FEditFilterType);
    return true;
}

// --- Suppressed rows

void TExtStringGrid::SuppressRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount() || RowHeights(ARow) <= 0) return;
    TIntList& sizes = *FSuppressRowSizes;
    sizes.SetItems(SuppressedHeightSlot(*this, sizes, ARow), RowHeights(ARow));
    SetRowHeights(ARow, 0);
}

void TExtStringGrid::UnSuppressRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    const int slot = RealRowIndex(ARow);
    if (slot >= FSuppressRowSizes->Count()) return;
    SetRowHeights(ARow, FSuppressRowSizes->Items(slot));
}

bool TExtStringGrid::IsSuppressedRow(int ARow) const { return RowHeights(ARow) == 0; }

void TExtStringGrid::SuppressRows(int FromRow, int ToRow)
{
    for (int r = FromRow; r <= ToRow; ++r) SuppressRow(r);
}

void TExtStringGrid::UnSuppressRows(int FromRow, int ToRow)
{
    for (int r = FromRow; r <= ToRow; ++r) UnSuppressRow(r);
}

void TExtStringGrid::UnSuppressAllRows()
{
    TIntList& sizes = *FSuppressRowSizes;
    for (int r = 0; r < RowCount(); ++r) {
        const int slot = RealRowIndex(r);
        if (slot < sizes.Count() && sizes.Items(slot) > 0 && RowHeights(r) == 0) SetRowHeights(r, sizes.Items(slot));
    }
    for (int r = 0; r < RowCount(); ++r) sizes.SetItems(SuppressedHeightSlot(*this, sizes, r), RowHeights(r));
}

// --- Hidden selection

void TExtStringGrid::HideSelection()
{
    FOldSelection = Selection();
    SetSelection(rtl::TRect{ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

bool TExtStringGrid::IsSelectionHidden() const
{
    const rtl::TRect sel = Selection();
    return sel.Left == ColCount() && sel.Right == ColCount() && sel.Top == RowCount();
}

void TExtStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int left = FixedColAlways() && FixedCols() == ColCount() ? 0 : FixedCols();
    const int top = FixedRowAlways() && FixedRows() == RowCount() ? 0 : FixedRows();
    SetSelection(rtl::TRect{left, top, left, top});
}

}  // namespace grid
