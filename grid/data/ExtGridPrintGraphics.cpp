// Cell graphics on paper: their printed size, their place in the cell, comment markers and custom cell drawing.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridPrintCells.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {

int Scaled(int screenPixels) { return static_cast<int>(std::lround(screenPixels * ScreenToTenthMm)); }

bool IsCheckOrRadio(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox || t == ctRadioButton;
}

// Kinds drawn over the whole cell: the bars, the radio group and nodes.
bool FillsCell(TCellType t, int width, int height, TCellHAlign ha, TCellVAlign va)
{
    return width <= 0 || height <= 0 || ha == haFull || va == vaFull || t == ctProgress || t == ctXPProgress ||
           t == ctRangeIndicator || t == ctRadio || t == ctNode;
}

}  // namespace

bool TPrintCells::PrintsGraphic(int c, int r)
{
    if (!FGrid.PrintSettings().PrintGraphics()) return false;
    const TCellGraphic* g = FGrid.GetCellGraphic(c, r);
    return g != nullptr && g->CellType() != ctNone && g->CellType() != ctRotated;
}

// The size the grid gives the graphic on the screen, in 0.1 mm.
rtl::TPoint TPrintCells::GraphicPrintSize(int c, int r)
{
    if (!PrintsGraphic(c, r)) return {0, 0};
    const rtl::TPoint px = FGrid.CalcPrintCellSize(c, r, FGrid.ColWidths(c), FGrid.RowHeights(r));
    return {Scaled(px.X), Scaled(px.Y)};
}

// The graphic is painted by the grid's own painter into a bitmap at screen size, on the
// cell's background, and the bitmap is stretched into its place on the page: every kind
// looks on paper as it does on the screen.
rtl::TRect TPrintCells::PrintGraphic(int c, int r, const TCellLook& look, const rtl::TRect& cell, bool& textShown)
{
    textShown = true;
    if (!PrintsGraphic(c, r)) return cell;
    int w = 0, h = 0;
    TCellHAlign ha = haLeft;
    TCellVAlign va = vaTop;
    TCellGraphic* g = FGrid.GetCellGraphicParams(c, r, w, h, textShown, ha, va);
    if (g == nullptr) return cell;
    const TCellType kind = g->CellType();
    if (kind == ctRadio) textShown = false;
    const int margin = Scaled(1);
    rtl::TRect place = cell;  // logical, Top above Bottom
    rtl::TRect text = cell;
    const bool whole = FillsCell(kind, w, h, ha, va);
    if (whole) {
        if (kind == ctProgress || kind == ctXPProgress) {
            place.Top -= Scaled(2);
            place.Bottom += Scaled(4);
        }
    } else {
        const int gw = Scaled(w), gh = Scaled(h);
        // Check boxes and radio buttons without text follow the cell's alignment.
        if (IsCheckOrRadio(kind) && FGrid.GetFormattedCell(c, r).empty()) {
            if (look.HA == ui::taRightJustify) ha = haRight;
            if (look.HA == ui::taCenter) ha = haCenter;
        }
        switch (ha) {
        case haRight:
        case haAfterText:
            place.Left = cell.Right - margin - gw;
            text.Right = place.Left;
            break;
        case haCenter: place.Left = cell.Left + (cell.Right - cell.Left - gw) / 2; break;
        default:
            place.Left = cell.Left + margin;
            text.Left = place.Left + gw;
            break;
        }
        place.Right = place.Left + gw;
        switch (va) {
        case vaBottom:
        case vaUnderText:
            place.Top = cell.Bottom + margin + gh;
            if (va == vaUnderText) text.Bottom = place.Top;
            break;
        case vaCenter: place.Top = cell.Top - (cell.Top - cell.Bottom - gh) / 2; break;
        default:
            place.Top = cell.Top - margin;
            if (va == vaAboveText) text.Top = place.Top - gh;
            break;
        }
        place.Bottom = place.Top - gh;
    }

    const print::TLoMetricMapping& map = FL.Job->Map;
    const rtl::TRect target = map.ToDevice(place);
    if (target.Width() <= 0 || target.Height() <= 0) return text;
    // The painter lays the graphic out in the cell less the text offset; the bitmap's cell
    // is sized so that the graphic lands exactly at the offset, whatever its alignment.
    const rtl::TPoint off = FGrid.XYOffset();
    const rtl::TPoint size = whole ? rtl::TPoint{std::max(1, static_cast<int>(std::lround((place.Right - place.Left) /
                                                                                          ScreenToTenthMm))),
                                                 std::max(1, static_cast<int>(std::lround((place.Top - place.Bottom) /
                                                                                          ScreenToTenthMm)))}
                                   : rtl::TPoint{w, h};
    const rtl::TPoint pad = whole ? rtl::TPoint{0, 0} : off;
    gfx::TBitmap bitmap;
    bitmap.SetSize(size.X + 2 * pad.X, size.Y + 2 * pad.Y);
    gfx::TCanvas& bc = bitmap.Canvas();
    const bool plain = look.Brush.Color() == gfx::clNone || look.Brush.Style() == gfx::bsClear;
    bc.Brush().SetStyle(gfx::bsSolid);
    bc.Brush().SetColor(plain ? gfx::clWhite : look.Brush.Color());
    bc.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    bc.Font().Assign(&look.Font);
    TExtStringGrid::TCellGraphicPaint work;
    work.TextAlign = look.HA;
    work.TextVAlign = look.VA;
    work.WordWrap = look.WordWrap;
    work.Printing = true;
    FGrid.DrawCellGraphic(bc, c, r, {0, 0, bitmap.Width(), bitmap.Height()}, g, work);
    FL.Job->Target->CopyRect(target, bc, {pad.X, pad.Y, pad.X + size.X, pad.Y + size.Y});
    return text;
}

// A solid red triangle in the top-right corner of a cell that carries a comment and no graphic.
void TPrintCells::DrawCommentMarker(int c, int r, const rtl::TRect& cell)
{
    if (!FGrid.PrintSettings().PrintComments()) return;
    const TCellGraphic* g = FGrid.GetCellGraphic(c, r);
    if (g == nullptr || g->CellType() != ctNone || g->CellComment().empty()) return;
    const int side = Scaled(8);
    const print::TLoMetricMapping& map = FL.Job->Map;
    const int right = std::min(cell.Right, FL.W);
    const rtl::TPoint corners[3] = {map.ToDevice(rtl::TPoint{right - side, cell.Top}),
                                    map.ToDevice(rtl::TPoint{right, cell.Top}),
                                    map.ToDevice(rtl::TPoint{right, cell.Top - side})};
    gfx::TCanvas& canvas = *FL.Job->Target;
    canvas.Pen().SetColor(gfx::clRed);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(gfx::clRed);
    canvas.Polygon(corners);
}

// The application's own drawing of a printed cell, in the target's pixels with the print font.
void TPrintCells::FireCustomCellDraw(int c, int r, const rtl::TRect& cell)
{
    if (!FGrid.OnCustomCellDraw) return;
    gfx::TCanvas& canvas = *FL.Job->Target;
    const int saved = canvas.SaveState();
    const TPrintSettings& ps = FGrid.PrintSettings();
    SelectFont(canvas, *ps.Font(), FGrid.MapFontHeight(ps.Font()->Size()), FL.Job->Map);
    FGrid.OnCustomCellDraw(&FGrid, &canvas, c, r, ui::TGridDrawState{}, FL.Job->Map.ToDevice(cell), true);
    canvas.RestoreState(saved);
}

}  // namespace grid
