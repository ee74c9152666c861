// The string grid's selection API: setting, reading and counting the selection and turning it into text.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

// Disjunct cells are kept as row × 65536 + column.
int CellKey(int ACol, int ARow) { return ARow * 65536 + ACol; }

rtl::TRect Ordered(const rtl::TRect& R)
{
    return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right), std::max(R.Top, R.Bottom)};
}

}  // namespace

void TExtStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (MouseActions().DisjunctCellSelect()) {
        FSelectedCells->Clear();
        if (ToCol >= FromCol)
            for (int c = FromCol; c <= ToCol; ++c)
                for (int r = FromRow; r <= ToRow; ++r) FSelectedCells->Add(CellKey(c, r));
        Invalidate();
        return;
    }
    const bool single = FromCol == ToCol && FromRow == ToRow;
    const bool focusValid = Col() >= 0 && Row() >= 0 && Col() < ColCount() - 1 && Row() < RowCount() - 1;
    if (single && focusValid) {
        SetCol(ToCol);
        SetRowEx(ToRow);
        return;
    }
    SetSelection(rtl::TRect{FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::ClearSelectedCells()
{
    SetSelection(rtl::TRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells->Clear();
    Invalidate();
}

bool TExtStringGrid::SelectedCells(int ACol, int ARow)
{
    if (MouseActions().DisjunctCellSelect()) return FSelectedCells->IndexOf(CellKey(ACol, ARow)) >= 0;
    const rtl::TRect s = Ordered(Selection());
    return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const int index = FSelectedCells->IndexOf(CellKey(ACol, ARow));
    if (Value == (index >= 0)) return;
    if (Value)
        FSelectedCells->Add(CellKey(ACol, ARow));
    else
        FSelectedCells->Delete(index);
    RepaintCell(ACol, ARow);
}

ui::TGridCoord TExtStringGrid::SelectedCell(int Index)
{
    if (Index < 0 || Index >= FSelectedCells->Count()) return {-1, -1};
    const int key = (*FSelectedCells)[Index];
    return {key & 0xFFFF, key >> 16};
}

int TExtStringGrid::SelectedCellsCount()
{
    if (MouseActions().DisjunctCellSelect()) return FSelectedCells->Count();
    FSelectedCells->Clear();
    const rtl::TRect s = Ordered(Selection());
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelectedCells->Add(CellKey(Col(), Row()));
    } else {
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) FSelectedCells->Add(CellKey(c, r));
    }
    return FSelectedCells->Count();
}

int TExtStringGrid::SelectedColCount()
{
    if (MouseActions().DisjunctColSelect())
        return static_cast<int>(std::count(FColSelect.begin(), FColSelect.end(), true));
    const rtl::TRect s = Selection();
    if (IsMergedCell(s.Left, s.Top)) {
        const int span = CellSpan(s.Left, s.Top).X;
        if (s.Left + span > s.Right) return span + 1;
    }
    if (IsMergedCell(s.Right, s.Top)) return std::abs(s.Left - s.Right) + CellSpan(s.Right, s.Top).X + 1;
    return std::abs(s.Left - s.Right) + 1;
}

int TExtStringGrid::SelectedRowCount()
{
    if (MouseActions().DisjunctRowSelect()) {
        int n = 0;
        for (int r = 0; r < RowCount(); ++r) n += RowSelect(r) ? 1 : 0;
        return n;
    }
    if (IsSelectionHidden()) return 0;
    rtl::TRect s = Selection();
    if (!FloatingFooter().Visible()) s.Bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
    if (IsMergedCell(s.Left, s.Top)) {
        const int span = CellSpan(s.Left, s.Top).Y;
        if (s.Top + span > s.Bottom) return span + 1;
    }
    if (IsMergedCell(s.Left, s.Bottom)) return std::abs(s.Top - s.Bottom) + CellSpan(s.Left, s.Bottom).Y + 1;
    return std::abs(s.Top - s.Bottom) + 1;
}

int TExtStringGrid::SelectedRow(int Index)
{
    if (Index < 0) return -1;
    if (MouseActions().DisjunctRowSelect()) {
        for (int r = 0; r < RowCount(); ++r)
            if (RowSelect(r) && Index-- == 0) return r;
        return -1;
    }
    const rtl::TRect s = Ordered(Selection());
    return s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

bool TExtStringGrid::IsSelected(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    if (MouseActions().DisjunctCellSelect()) return FSelectedCells->IndexOf(CellKey(ACol, ARow)) >= 0;
    if (MouseActions().DisjunctRowSelect())
        return RowSelect(MouseActions().RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (MouseActions().DisjunctColSelect()) return IsColSelected(ACol);
    const rtl::TRect s = Selection();
    return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

std::string TExtStringGrid::SelectedText()
{
    const rtl::TRect s = Selection();
    const bool entireRows = DragDropSettings().OleEntireRows();
    const int firstCol = entireRows ? 0 : s.Left;
    const int lastCol = (entireRows ? ColCount() - 1 : s.Right) + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    const bool disjunctRows = MouseActions().DisjunctRowSelect();
    std::vector<int> rows;
    if (disjunctRows) {
        const bool persistent = MouseActions().RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(persistent ? RealRowIndex(r) : r)) rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
    }
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int c = firstCol; c <= lastCol; ++c) {
            // Cells are stored in display order, the hidden columns after ColCount.
            std::string cell = RichPlainText(GetCellEx(c, rows[i]));
            if (ExcelClipboardFormat() && cell.find_first_of("\r\n") != std::string::npos) {
                rtl::ReplaceAllInPlace(cell, "\r\n", "\x0B");
                std::replace(cell.begin(), cell.end(), '\n', '\x0B');
                cell = "\"" + cell + "\"";
            }
            text += cell;
            if (c < lastCol) text += '\t';
        }
        if (disjunctRows || i + 1 < rows.size()) text += "\r\n";
    }
    return text;
}

void TExtStringGrid::ClearModifiedRows()
{
    FModifiedRows->Clear();
    Invalidate();
}

void TExtStringGrid::InvalidateGridRect(const ui::TGridRect& R) { RepaintRect(Ordered(R)); }

}  // namespace grid
