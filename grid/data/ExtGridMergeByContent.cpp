// The string grid's merging of equal neighbouring cells by their content, and splitting them again.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// Runs of equal texts down the normal rows merge; without MainMerge a run also ends where
// the rows are not spanned alike, so the column merges only inside the blocks of the
// columns merged before it. Footer rows never merge.
void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int last = RowCount() - FixedFooters() - 1;
    int first = FixedRows();
    int length = 1;
    auto close = [&] {
        if (length >= 2) MergeCells(ColIndex, first, 1, length);
    };
    for (int r = FixedRows() + 1; r <= last; ++r) {
        const bool ends = GetCellEx(ColIndex, r) != GetCellEx(ColIndex, r - 1) || (!MainMerge && !RowSpanIdentical(r, r - 1));
        if (!ends) {
            ++length;
            continue;
        }
        close();
        first = r;
        length = 1;
    }
    if (first <= last) close();
}

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int last = ColCount() - FixedRightCols() - 1;
    int first = FixedCols();
    int length = 1;
    auto close = [&] {
        if (length >= 2) MergeCells(first, RowIndex, length, 1);
    };
    for (int c = FixedCols() + 1; c <= last; ++c) {
        const bool ends = GetCellEx(c, RowIndex) != GetCellEx(c - 1, RowIndex) || (!MainMerge && !ColSpanIdentical(c, c - 1));
        if (!ends) {
            ++length;
            continue;
        }
        close();
        first = c;
        length = 1;
    }
    if (first <= last) close();
}

void TExtStringGrid::SplitColumnCells(int ColIndex)
{
    int r = 0;
    while (r < RowCount() - FixedFooters()) {
        if (IsYMergedCell(ColIndex, r)) {
            const rtl::TPoint base = BaseCell(ColIndex, r);
            const int span = CellSpan(base.X, base.Y).Y;
            SplitCells(base.X, base.Y);
            r = base.Y + span + 1;
        } else {
            ++r;
        }
    }
}

void TExtStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - FixedRightCols()) {
        if (IsMergedCell(c, RowIndex) && CellSpan(c, RowIndex).X >= 0) {
            const rtl::TPoint base = BaseCell(c, RowIndex);
            const int span = CellSpan(base.X, base.Y).X;
            SplitCells(base.X, base.Y);
            c = base.X + span + 1;
        } else {
            ++c;
        }
    }
}

void TExtStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(BaseCell(c, r).X, BaseCell(c, r).Y);
}

// Column 2's text joins column 1's in every row below the fixed ones, footers included;
// then column 2 goes.
void TExtStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCellEx(ColIndex1, r, rtl::Trim(GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

void TExtStringGrid::ReMergeColumnCells()
{
    for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
    for (int i = 0; i < MergedColumns().Count(); ++i) MergeColumnCells(MergedColumns()[i], i == 0);
    Invalidate();
}

}  // namespace grid
