// Whether a cell of the string grid carries the sort glyph: the sort row, or a merged block holding it.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"

namespace grid {

// The column does not matter: any cell of the sort row qualifies, while the grid shows
// sort glyphs and has at least two normal rows to sort.
bool TExtStringGrid::IsSortIndicatorCell(int ACol, int ARow)
{
    const TSortSettings& sort = SortSettings();
    if (!sort.Show() || FixedRows() + 1 >= RowCount()) return false;
    const int sortRow = sort.Row();
    if (IsMergedCell(ACol, ARow)) return sortRow >= ARow && sortRow <= ARow + CellSpan(ACol, ARow).Y;
    return ARow == sortRow;
}

}  // namespace grid
