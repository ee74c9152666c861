// String grid column sizing to content: each column as wide as its widest text.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"

namespace grid {

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    gfx::TCanvas& canvas = Canvas();
    int first = DoFixedCols ? 0 : FixedCols();
    for (int c = first; c < ColCount(); ++c) {
        int widest = 0;
        for (int r = 0; r < RowCount(); ++r) {
            canvas.Font().Assign(r < FixedRows() || c < FixedCols() ? FFixedFont.get() : &GetCellFont(c, r));
            widest = std::max(widest, canvas.TextWidth(GetCellEx(c, r)));
        }
        if (widest > 0) SetColWidths(c, widest + 2 * FXYOffset.X + Padding);
    }
}

}  // namespace grid
