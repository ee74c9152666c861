// The string grid's block move of rows and its scrolling of a cell into view.
#include <algorithm>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"

namespace grid {

// The block's texts, property objects and heights are taken out, the rows removed and as
// many empty rows inserted at the target, which receive them. A target beyond the block
// counts without the block's own rows. The cells of hidden columns move with their rows.
void TExtStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex + Count > RowCount()) return;
    struct TMovedCell {
        std::string Text;
        TCellProperties* Props;
    };
    const int cols = TotalColCount();
    std::vector<std::vector<TMovedCell>> block(static_cast<std::size_t>(Count));
    std::vector<int> heights;
    for (int i = 0; i < Count; ++i) {
        const int r = FromIndex + i;
        heights.push_back(RowHeights(r));
        for (int c = 0; c < cols; ++c) {
            block[static_cast<std::size_t>(i)].push_back({GetGridCell(c, r), GetCellPropsDirect(c, r)});
            SetCellPropsDirect(c, r, nullptr);
        }
    }
    if (ToIndex > FromIndex + Count) ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, RowCount() - Count);
    RemoveRowsEx(FromIndex, Count);
    InsertRows(ToIndex, Count);
    for (int i = 0; i < Count; ++i) {
        const int r = ToIndex + i;
        SetRowHeights(r, heights[static_cast<std::size_t>(i)]);
        for (int c = 0; c < cols; ++c) {
            const TMovedCell& cell = block[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
            SetGridCell(c, r, cell.Text);
            SetCellPropsDirect(c, r, cell.Props);
            if (cell.Props != nullptr) {
                cell.Props->SetOwnerCol(c);
                cell.Props->SetOwnerRow(r);
            }
        }
    }
    Invalidate();
}

// A cell beyond the grid changes nothing; otherwise the cell becomes current and the view
// starts where Position puts it (middle, trailing edge or leading edge).
void TExtStringGrid::ScrollInView(int ACol, int ARow, TScrollPosition Position)
{
    if (ACol >= ColCount() || ARow >= RowCount() || ACol < 0 || ARow < 0) return;
    const int visibleCols = std::max(1, VisibleColCount());
    const int visibleRows = std::max(1, VisibleRowCount());
    const bool colOutside = ACol < LeftCol() || ACol >= LeftCol() + visibleCols;
    const bool rowOutside = ARow < TopRow() || ARow >= TopRow() + visibleRows;
    if ((colOutside || rowOutside) && IsSelectionHidden()) UnHideSelection();
    if (ACol >= FixedCols()) SetCol(ACol);
    if (ARow >= FixedRows()) SetRowEx(ARow);
    auto start = [&](int index, int visible, int old) {
        switch (Position) {
        case spMiddle: return index - visible / 2;
        case spTrailing: return index + 1 - visible;
        case spLeading: return index;
        }
        return old;
    };
    int left = std::max(FixedCols(), start(ACol, visibleCols, LeftCol()));
    int top = std::max(FixedRows(), start(ARow, visibleRows, TopRow()));
    left = std::min(left, std::max(FixedCols(), ColCount() - visibleCols));
    top = std::min(top, std::max(FixedRows(), RowCount() - visibleRows));
    if (FixedCols() + visibleCols < ColCount() && colOutside) SetLeftCol(left);
    if (FixedRows() + visibleRows < RowCount() && rowOutside) SetTopRow(top);
}

}  // namespace grid
