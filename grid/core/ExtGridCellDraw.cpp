// String grid cell drawing: the starting look of a cell (fixed, selected, property colours) and its text.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {
// Row bands colour the normal cells only: rows in the first PrimaryLength of every
// TotalLength rows (counted from the first normal row) take the primary colour, the
// others the secondary one.
bool BandColor(TExtStringGrid& g, int ACol, int ARow, gfx::TColor& color)
{
    const TBands& bands = g.Bands();
    if (!bands.Active() || bands.TotalLength() <= 0) return false;
    bool normalCol = ACol >= g.FixedCols() && ACol < g.ColCount() - g.FixedRightCols();
    bool normalRow = ARow >= g.FixedRows() && ARow < g.RowCount() - g.FixedFooters();
    if (!normalCol || !normalRow) return false;
    color = (ARow - g.FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                 : bands.SecondaryColor();
    return true;
}
}  // namespace

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
// cell's font on the grid's colour or its row band, then the cell colour hook and its event.
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
    AFont.Assign(&GetCellFont(ACol, ARow));
    bool selected = (AState & ui::gdSelected) != 0 && FShowSelection && SelectionStyle() == ssDefault &&
                    ((AState & ui::gdFocused) == 0 || FShowFocusedSelectionColor);
    if (selected) {
        ABrush.SetColor(FSelectionColor);
        AColorTo = FSelectionColorTo;
        if (FUseSelectionTextColor) AFont.SetColor(FSelectionTextColor);
        return;
    }
    gfx::TColor band = Color();
    BandColor(*this, ACol, ARow, band);
    ABrush.SetColor(band);
    GetCellColor(ACol, ARow, AState, &ABrush, &AFont);
}

// Text of the cell in its alignment (after the alignment hook), vertically centred, inside the content rectangle less the text offset.
void TExtStringGrid::DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                      ui::TGridDrawState)
{
    ui::TAlignment align = FDefaultAlignment;
    TVAlignment valign = FVAlignment;
    if (HasCellProperties(ACol, ARow)) {
        align = GetCellPropsDirect(ACol, ARow)->Alignment();
        valign = GetCellPropsDirect(ACol, ARow)->VAlignment();
    }
    GetCellAlignment(ACol, ARow, align, valign);
    unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX;
    if (align == ui::taRightJustify) flags |= gfx::DT_RIGHT;
    if (align == ui::taCenter) flags |= gfx::DT_CENTER;
    rtl::TRect r{ARect.Left + FXYOffset.X, ARect.Top, ARect.Right - FXYOffset.X, ARect.Bottom};
    if (rtl::IsRectEmpty(r)) return;
    ACanvas.Brush().SetStyle(gfx::bsClear);
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, flags);
    ACanvas.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace grid
