// String grid clearing, trimming and colouring of cell rectangles, and two cell-text tests.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/data/ExtGridHiddenRows.h"

namespace grid {

namespace {

// The selection with its corners in order.
rtl::TRect OrderedRect(const rtl::TRect& s)
{
    return {std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right), std::max(s.Top, s.Bottom)};
}

}  // namespace

// A freed user object is also forgotten by the cell: with ClearTextOnly the property object
// stays, and it must not keep pointing at the object just freed.
void TExtStringGrid::ClearOneCell(int ACol, int ARow, int RealCol)
{
    if (FOwnsObjects) {
        if (rtl::TObject* obj = GetObjectEx(RealCol, ARow)) {
            SetObjectEx(RealCol, ARow, nullptr);
            delete obj;
        }
    }
    if (!FClearTextOnly && HasCellProperties(RealCol, ARow)) {
        // A property object freed by clearing takes a graphic the grid owns with it; freeing
        // the property object alone would leave that graphic allocated with nothing referring to it.
        if (FNilObjects) {
            WipeCell(RealCol, ARow);
        } else {
            FreeCellProperties(RealCol, ARow, RealCol, ARow);
        }
    }
    if (HasState(rtl::csDestroying)) return;
    if (!GetGridCell(RealCol, ARow).empty()) {
        SetCellEx(RealCol, ARow, "");
        if (RealCol != ACol && HasParent()) RepaintCell(ACol, ARow);
    }
}

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    // The cells of a displayed column are stored at its displayed index (hidden columns keep
    // theirs beyond ColCount), so the displayed-to-real translation that SaveHiddenCells asks
    // for lands on the displayed index itself: the cells the user sees are the ones cleared.
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int c = ACol1; c <= ACol2; ++c) ClearOneCell(c, r, c);
    }
    if (!FSaveHiddenCells && NumHiddenColumns() > 0 && HasParent()) Invalidate();
    // Property objects may also sit in cells beyond the counts (kept through shrinks): the
    // grid is only known to hold none when the cleared area covers those too.
    int lastCol = std::max(TotalColCount(), SlotColExtent()) - 1;
    int lastRow = std::max(RowCount(), CellStore().RowExtent()) - 1;
    if (!FClearTextOnly && ACol1 <= 0 && ARow1 <= 0 && ACol2 >= lastCol && ARow2 >= lastRow) FHasCellProps = false;
    if (HasState(rtl::csDestroying) || FBlockCellChange) return;
    CellsChanged(rtl::TRect{RealColIndex(ACol1), ARow1, RealColIndex(ACol2), ARow2});
}

bool TExtStringGrid::CanClearLines(int Count) const { return Count >= 1 && RowCount() > 0 && ColCount() > 0; }

void TExtStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (CanClearLines(RCount)) ClearRect(0, RowIndex, ColCount() + NumHiddenColumns() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (CanClearLines(CCount)) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (CanClearLines(RCount))
        ClearRect(FixedCols(), RowIndex, ColCount() + NumHiddenColumns() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (CanClearLines(CCount)) ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearNormalCells()
{
    if (!CanClearLines(1)) return;
    if (FixedCols() == 0 && HasNodes()) RemoveAllNodes();
    ClearRect(FixedCols(), FixedRows(), ColCount() + NumHiddenColumns() - FixedRightCols() - 1,
              RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearSelection()
{
    if (MouseActions().DisjunctRowSelect()) {
        bool persistent = MouseActions().RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
            if (IsRowSelected(persistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
        }
        return;
    }
    bool saved = FSaveHiddenCells;
    FSaveHiddenCells = true;
    try {
        if (MouseActions().DisjunctColSelect()) {
            for (int c = FixedCols(); c < ColCount(); ++c) {
                if (IsColSelected(c)) ClearCols(c, 1);
            }
        } else {
            rtl::TRect s = OrderedRect(Selection());
            ClearRect(s.Left, s.Top, s.Right, s.Bottom);
        }
    } catch (...) {
        FSaveHiddenCells = saved;
        throw;
    }
    FSaveHiddenCells = saved;
}

void TExtStringGrid::ClearNodesForClear()
{
    if (HasNodes()) ExpandAll();
    if (!HasState(rtl::csDestroying) && HasNodes()) RemoveAllNodes();
}

void TExtStringGrid::Clear()
{
    ClearNodesForClear();
    if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, ColCount() + NumHiddenColumns() - 1, RowCount() - 1);
    FSearchInc.clear();
    if (NumHiddenColumns() > 0 && HasParent()) Invalidate();
}

void TExtStringGrid::ClearAll()
{
    if (HasState(rtl::csDestroying)) return;
    ClearNodesForClear();
    if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, FMaxColCount - 1, FMaxRowCount - 1);
    FSearchInc.clear();
    for (int i = 0; i < GridItemCount(); ++i) {
        rtl::TStringList& items = GridItems(i).Items();
        for (int k = 0; k < items.Count(); ++k) items.SetStrings(k, "");
    }
    if (NumHiddenColumns() > 0 && HasParent()) Invalidate();
}

void TExtStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }

void TExtStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }

void TExtStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExtStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, gfx::TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int c = ACol1; c <= ACol2; ++c) {
            GetCellProperties(c, r)->SetBrushColor(AColor);
            if (HasParent()) RepaintCell(c, r);
        }
    }
}

bool TExtStringGrid::IsWideCell(int ACol, int ARow) { return Cells(ACol, ARow).starts_with("|\\"); }

bool TExtStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow)
{
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
        }
    }
    return false;
}

}  // namespace grid
