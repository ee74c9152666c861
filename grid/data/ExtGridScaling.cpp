// The string grid scaled with its form: fixed header and fonts follow the scale, column widths stay as they are.
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ScreenModel.h"

namespace grid {

// The base grid scales the control, its font and its sizes by M / D; the column widths are
// put back afterwards, so columns never scale. The fixed header row and, unless designing or
// unscaled, the fixed font and the active cell's font scale with the form.
void TExtStringGrid::ChangeScale(int M, int D)
{
    if (D == 0) return;
    std::vector<int> widths;
    for (int c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
    // The header height as it was: the base grid scales row 0 too, and it must scale once.
    const int fixedRowHeight = FixedRowHeight();
    TBaseGrid::ChangeScale(M, D);
    for (int c = 0; c < ColCount() && c < static_cast<int>(widths.size()); ++c)
        SetColWidths(c, widths[static_cast<std::size_t>(c)]);
    if (FixedRows() > 0) SetRowHeights(0, ui::MulDiv(fixedRowHeight, M, D));
    if (IsDesigning() || M == D) return;
    FixedFont().SetHeight(ui::MulDiv(FixedFont().Height(), M, D));
    ActiveCellFont().SetSize(ui::MulDiv(ActiveCellFont().Size(), M, D));
}

}  // namespace grid
