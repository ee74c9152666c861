// Sizing every cell's column and row to its content, and scaling the columns to fill the grid's width.
#include <cmath>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/ui/Keyboard.h"

namespace grid {

// Columns take the widest cell (text, graphic, padding and margin), rows the tallest; a
// cell of a block merged across columns leaves its column's width alone, one merged
// across rows its row's height. Rows only grow; columns start from their width with
// SizeGrowOnly and from nothing otherwise.
void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    const rtl::TPoint offset = XYOffset();
    BeginUpdate();
    for (int c = firstCol; c < ColCount(); ++c) {
        int running = SizeGrowOnly() ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const rtl::TPoint text = GetCellTextSize(c, r, true);
            const rtl::TPoint graphic = GetCellGraphicSize(c, r);
            const int w = text.X + graphic.X + PaddingX + offset.X;
            const int h = text.Y + graphic.Y + PaddingY + offset.Y;
            if (!IsXMergedCell(c, r) && w > running) {
                running = LimitSize(w, MinColWidth(), MaxColWidth());
                SetColWidths(c, running);
            }
            if (!IsYMergedCell(c, r) && h > RowHeights(r)) SetRowHeights(r, LimitSize(h, MinRowHeight(), MaxRowHeight()));
        }
    }
    EndUpdate();
}

namespace {

// The grid's border takes 2 pixels on each side with a single border, none without.
int BorderAllowance(const TExtStringGrid& Grid) { return Grid.BorderStyle() == ui::bsSingle ? 4 : 0; }

}  // namespace

// The range's widths are scaled in proportion so that they sum to the room the grid
// leaves (its width less a vertical scroll bar when one is or will be shown, and its
// border); what rounding leaves over is spread evenly and the rest goes to the widest.
void TExtStringGrid::AutoFitColumns(bool DoFixedCells)
{
    if (ColCount() == 0) return;
    const bool rowsOverflow = VisibleRowCount() + FixedRows() < RowCount();
    const int s = ScrollBarAlways() == saVert || (ScrollBars() != ui::ssNone && rowsOverflow)
                      ? ui::GetSystemMetrics(ui::SM_CXVSCROLL)
                      : 0;
    const int b = BorderAllowance(*this);
    if (ColCount() < 2) {
        SetColWidths(0, Width() - s - 5);
        return;
    }
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    if (last < first) return;
    int room = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < first; ++c) room -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) room -= ColWidths(c);
    }
    int lines = 0;
    if (Options() & ui::goVertLine) lines = GridLineWidth() * (ColCount() - FixedCols() - FixedRightCols());
    if (DoFixedCells && (Options() & ui::goFixedVertLine)) lines += FixedCols() + FixedRightCols();
    const int target = room - s - b;
    long long sum = 0;
    for (int c = first; c <= last; ++c) sum += ColWidths(c);
    if (sum == target || sum <= 0) return;

    const double e = static_cast<double>(target - lines) / static_cast<double>(sum);
    long long scaled = 0;
    for (int c = first; c <= last; ++c) scaled += std::lround(e * ColWidths(c));
    std::vector<int> widths;
    for (int c = first; c <= last; ++c)
        widths.push_back(static_cast<int>(std::lround(static_cast<double>(ColWidths(c)) * scaled / sum)));

    const int n = last - first + 1;
    long long rest = target;
    for (int w : widths) rest -= w;
    if (rest > n && n >= 2) {
        for (int& w : widths) w += static_cast<int>(rest / n);
        rest %= n;
    }
    std::size_t widest = 0;
    for (std::size_t i = 1; i < widths.size(); ++i)
        if (widths[i] > widths[widest]) widest = i;
    widths[widest] += static_cast<int>(rest);
    BeginUpdate();
    for (int c = first; c <= last; ++c) SetColWidths(c, widths[static_cast<std::size_t>(c - first)]);
    EndUpdate();
}

}  // namespace grid
