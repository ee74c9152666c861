// Base grid geometry: cell rectangles and sizes from column widths and row heights, merged blocks as one rectangle.
#include "grid/core/BaseGrid.h"

namespace grid {

namespace {
// Sum of sizes of [from, to) when from <= to, minus the sum of [to, from) otherwise.
template <typename SizeOf>
long long SignedSpan(int from, int to, SizeOf sizeOf)
{
    long long sum = 0;
    if (from <= to) {
        for (int i = from; i < to; ++i) sum += sizeOf(i);
    } else {
        for (int i = to; i < from; ++i) sum -= sizeOf(i);
    }
    return sum;
}
}  // namespace

int TBaseGrid::FixedColsWidth() const
{
    int w = 0;
    for (int c = 0; c < FixedCols() && c < ColCount(); ++c) w += ColWidths(c);
    return w;
}

int TBaseGrid::FixedRowsHeight() const
{
    int h = 0;
    for (int r = 0; r < FixedRows() && r < RowCount(); ++r) h += RowHeights(r);
    return h;
}

// A scrolled cell is measured from the first scrolled cell (LeftCol, TopRow), which sits
// right of the fixed columns and below the fixed rows; only the columns (rows) between
// that cell and this one are summed, so the cost does not grow with the grid's size.
rtl::TRect TBaseGrid::CalcCellRect(int c, int r)
{
    auto width = [this](int i) { return i >= 0 && i < ColCount() ? ColWidths(i) : DefaultColWidth(); };
    auto height = [this](int i) { return i >= 0 && i < RowCount() ? RowHeights(i) : DefaultRowHeight(); };
    long long x = c < FixedCols() ? SignedSpan(0, c, width) : FixedColsWidth() + SignedSpan(LeftCol(), c, width);
    long long y = r < FixedRows() ? SignedSpan(0, r, height) : FixedRowsHeight() + SignedSpan(TopRow(), r, height);
    int left = static_cast<int>(x);
    int top = static_cast<int>(y);
    return rtl::TRect{left, top, left + width(c), top + height(r)};
}

rtl::TRect TBaseGrid::CellRect(int c, int r)
{
    // Cells and merges are stored at the displayed column.
    if (HasCellProperties(c, r)) {
        const TCellProperties* p = GetCellPropsDirect(c, r);
        if (p->CellSpanX() != -1 || p->CellSpanY() > 0) {
            rtl::TPoint base = p->BaseCellAt(c, r);
            int bc = base.X;
            int br = base.Y;
            int spanX = 0;
            int spanY = 0;
            if (HasCellProperties(bc, br)) {
                spanX = std::max(0, GetCellPropsDirect(bc, br)->CellSpanX());
                spanY = std::max(0, GetCellPropsDirect(bc, br)->CellSpanY());
            }
            rtl::TRect r1 = CalcCellRect(bc, br);
            if (r1.Right == r1.Left) ++r1.Right;
            rtl::TRect r2 = CalcCellRect(bc + spanX, br + spanY);
            if (r2.Right == r2.Left) --r2.Left;
            rtl::TRect result;
            rtl::UnionRect(result, r1, r2);
            return result;
        }
        if (p->Control() != nullptr) return CalcCellRect(c, r);
    }
    rtl::TRect rect = TObjStringGrid::CellRect(c, r);
    if (rtl::IsRectEmpty(rect)) return rect;
    rect.Right = rect.Left + ColWidths(c);
    rect.Bottom = rect.Top + RowHeights(r);
    return rect;
}

// No display-column mapping here: the cell is addressed as stored.
rtl::TPoint TBaseGrid::CellSize(int c, int r)
{
    rtl::TRect rect = CalcCellRect(c, r);
    if (HasCellProperties(c, r)) {
        const TCellProperties* p = GetCellPropsDirect(c, r);
        if (p->CellSpanX() != -1 || p->CellSpanY() > 0) {
            rtl::TPoint base = p->BaseCellAt(c, r);
            int spanX = 0;
            int spanY = 0;
            if (HasCellProperties(base.X, base.Y)) {
                spanX = std::max(0, GetCellPropsDirect(base.X, base.Y)->CellSpanX());
                spanY = std::max(0, GetCellPropsDirect(base.X, base.Y)->CellSpanY());
            }
            rtl::UnionRect(rect, CalcCellRect(base.X, base.Y), CalcCellRect(base.X + spanX, base.Y + spanY));
        }
    }
    return rtl::TPoint{rect.Right - rect.Left, rect.Bottom - rect.Top};
}

}  // namespace grid
