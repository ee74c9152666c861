// Cell graphics: their measurements for the cell layout and their drawing inside a cell.
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"

namespace grid {

TCellGraphic* TExtStringGrid::GetCellGraphicParams(int ACol, int ARow, int& AWidth, int& AHeight, bool& ATextShown,
                                                   TCellHAlign& AHAlign, TCellVAlign& AVAlign)
{
    AWidth = 0;
    AHeight = 0;
    ATextShown = true;
    AHAlign = haLeft;
    AVAlign = vaTop;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    AHAlign = graphic->CellHAlign();
    AVAlign = graphic->CellVAlign();
    return graphic;
}

rtl::TRect TExtStringGrid::DrawCellGraphic(gfx::TCanvas&, int, int, const rtl::TRect& ARect, TCellGraphic*,
                                           const TCellGraphicPaint&)
{
    return ARect;
}

}  // namespace grid
