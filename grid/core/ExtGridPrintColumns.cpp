// Column widths and offsets of the last print layout, as the grid exposes them.
#include "grid/core/ExtGrid.h"

namespace grid {

namespace {

int LayoutValue(const std::vector<int>& values, int ACol, int allColCount)
{
    if (ACol < 0 || ACol >= allColCount) throw VIdoZovuVozir("Columns is not in valid range");
    return ACol < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(ACol)] : 0;
}

}  // namespace

int TExtStringGrid::PrintColWidth(int ACol) const { return LayoutValue(FPrintColWidths, ACol, GetAllColCount()); }

int TExtStringGrid::PrintColOffset(int ACol) const { return LayoutValue(FPrintColOffsets, ACol, GetAllColCount()); }

}  // namespace grid
