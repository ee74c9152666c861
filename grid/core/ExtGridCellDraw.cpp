// String grid cell drawing entry points: the platform's DrawCell and Paint routed to the cell-content painter.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"

namespace grid {

void TExtStringGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    rtl::TRect content{ARect.Left + FXYOffset.X, ARect.Top, ARect.Right - FXYOffset.X, ARect.Bottom};
    DrawCellContents(Canvas(), ACol, ARow, content, AState);
    TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TExtStringGrid::DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                      ui::TGridDrawState)
{
    ui::TAlignment align = FDefaultAlignment;
    if (HasCellProperties(ACol, ARow)) align = GetCellPropsDirect(ACol, ARow)->Alignment();
    unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX;
    if (align == ui::taRightJustify) flags |= gfx::DT_RIGHT;
    if (align == ui::taCenter) flags |= gfx::DT_CENTER;
    rtl::TRect r = ARect;
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, flags);
}

void TExtStringGrid::Paint()
{
    TBaseGrid::Paint();
    ++FPaintID;
}

}  // namespace grid
