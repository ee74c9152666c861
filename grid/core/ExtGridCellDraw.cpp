// String grid cell drawing: the starting look of a cell (fixed, selected, property colours) and its text.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"

namespace grid {

// The base painter draws every cell and merged block (background, selection look, lines).
void TExtStringGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TExtStringGrid::Paint()
{
    TBaseGrid::Paint();
    PaintDesignHelper();
}

// Fixed cells take the fixed colour and font; selected cells the selection colours (the
// current cell only while ShowFocusedSelectionColor); the rest the grid's colour and the
// cell's font, then the cell colour hook and its event.
void TExtStringGrid::InitCellLook(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush& ABrush,
                                  gfx::TColor& AColorTo, gfx::TFont& AFont)
{
    AColorTo = clGridNone;
    if (AState & ui::gdFixed) {
        ABrush.SetColor(FixedColor());
        AFont.Assign(FFixedFont.get());
        GetCellColor(ACol, ARow, AState, &ABrush, &AFont);
        return;
    }
    AFont.Assign(&GetCellFont(RealColIndex(ACol), ARow));
    bool selected = (AState & ui::gdSelected) != 0 && FShowSelection && SelectionStyle() == ssDefault &&
                    ((AState & ui::gdFocused) == 0 || FShowFocusedSelectionColor);
    if (selected) {
        ABrush.SetColor(FSelectionColor);
        AColorTo = FSelectionColorTo;
        if (FUseSelectionTextColor) AFont.SetColor(FSelectionTextColor);
        return;
    }
    ABrush.SetColor(Color());
    GetCellColor(ACol, ARow, AState, &ABrush, &AFont);
}

// Text of the cell in its alignment (after the alignment hook), vertically centred, inside the content rectangle less the text offset.
void TExtStringGrid::DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                      ui::TGridDrawState)
{
    int rc = RealColIndex(ACol);
    ui::TAlignment align = FDefaultAlignment;
    TVAlignment valign = FVAlignment;
    if (HasCellProperties(rc, ARow)) {
        align = GetCellPropsDirect(rc, ARow)->Alignment();
        valign = GetCellPropsDirect(rc, ARow)->VAlignment();
    }
    GetCellAlignment(ACol, ARow, align, valign);
    unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX;
    if (align == ui::taRightJustify) flags |= gfx::DT_RIGHT;
    if (align == ui::taCenter) flags |= gfx::DT_CENTER;
    rtl::TRect r{ARect.Left + FXYOffset.X, ARect.Top, ARect.Right - FXYOffset.X, ARect.Bottom};
    if (rtl::IsRectEmpty(r)) return;
    ACanvas.Brush().SetStyle(gfx::bsClear);
    ACanvas.DrawText(GetCellEx(rc, ARow), r, flags);
    ACanvas.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace grid
