// String grid paint: per-cell paint entry and the grid-level paint around the cells (editing frame, outside area, helper, OnPainted).
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace grid {

// The base painter draws every cell and merged block (background, selection look, lines)
// and then the string grid's contents; it works on a copy of the rectangle.
void TExtStringGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    const rtl::TRect r = ARect;
    TBaseGrid::DrawCell(ACol, ARow, r, AState);
}

void TExtStringGrid::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Brush().SetStyle(gfx::bsSolid);
    TBaseGrid::Paint();
    // The cell being edited is framed in the line colour (the grid colour where no lines show).
    if (EditorMode() && Col() >= 0 && Row() >= 0) {
        const ui::TGridOptions opts = Options();
        const bool noLines = GridLineWidth() < 1 || !(opts & (ui::goHorzLine | ui::goVertLine));
        canvas.Pen().SetColor(noLines ? Color() : GridLineColor());
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetStyle(gfx::bsClear);
        canvas.Rectangle(CellRect(Col(), Row()));
        canvas.Brush().SetStyle(gfx::bsSolid);
    }
    canvas.Pen().SetColor(gfx::clBlack);
    if (!BackGround().Bitmap().Empty() || BackGround().ColorTo() != clGridNone) PaintBackgroundOutsideCells(canvas);
    PaintDesignHelper();
    PaintPanMarker(canvas);
    if (OnPainted) OnPainted(this, &canvas);
}

}  // namespace grid
