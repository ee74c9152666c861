// The string grid scaled with its form: fixed header and fonts follow the scale, column widths stay as they are.
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

namespace {

// Value × M / D rounded to the nearest integer, halves away from zero.
int ScaleValue(int Value, int M, int D)
{
    const long long p = static_cast<long long>(Value) * M;
    const long long half = (D > 0 ? D : -D) / 2;
    if ((p < 0) != (D < 0)) return static_cast<int>((p - half) / D);
    return static_cast<int>((p + half) / D);
}

}  // namespace

// The control's bounds scale by M / D; the column widths are put back afterwards, so
// columns never scale. The fixed header row and, unless designing or unscaled, the fixed
// font and the active cell's font scale with the form.
void TExtStringGrid::ChangeScale(int M, int D)
{
    if (D == 0) return;
    std::vector<int> widths;
    for (int c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
    SetBounds(ScaleValue(Left(), M, D), ScaleValue(Top(), M, D), ScaleValue(Width(), M, D),
              ScaleValue(Height(), M, D));
    for (int c = 0; c < ColCount() && c < static_cast<int>(widths.size()); ++c)
        SetColWidths(c, widths[static_cast<std::size_t>(c)]);
    if (FixedRows() > 0) SetRowHeights(0, ScaleValue(FixedRowHeight(), M, D));
    if (IsDesigning() || M == D) return;
    FixedFont().SetHeight(ScaleValue(FixedFont().Height(), M, D));
    ActiveCellFont().SetSize(ScaleValue(ActiveCellFont().Size(), M, D));
}

}  // namespace grid
