// String grid background picture and gradient: behind each cell's text and in the client area outside the cells.
#include <algorithm>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridCellPaint.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/foundation/ExtUtilColors.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"

namespace grid {

namespace {

bool AdmitsCell(TBackGroundCells cells, bool fixed)
{
    return cells == bcAll || (fixed ? cells == bcFixed : cells == bcNormal);
}

bool GradientDisplay(TBackGroundDisplay d) { return d == bdGradientHorz || d == bdGradientVert; }

// Check, radio and button cells show the gradient through their own colour.
bool ControlKind(const TCellGraphic* g)
{
    if (g == nullptr) return false;
    const TCellType t = g->CellType();
    return t == ctCheckBox || t == ctDataCheckBox || t == ctRadio || t == ctButton || t == ctRadioButton;
}

// The placed bitmap's part that falls into the target, copied at its place.
void CopyPlaced(gfx::TCanvas& c, const gfx::TBitmap& bmp, int left, int top, const rtl::TRect& target)
{
    const rtl::TRect placed{left, top, left + bmp.Width(), top + bmp.Height()};
    rtl::TRect part{};
    if (!rtl::IntersectRect(part, placed, target)) return;
    c.CopyRect(part, bmp.Canvas(), rtl::TRect{part.Left - left, part.Top - top, part.Right - left, part.Bottom - top});
}

// Tiles from the target's top-left - 1, the first tile starting phaseX / phaseY into the
// bitmap, each clipped at the target's right and bottom.
void CopyTiles(gfx::TCanvas& c, const gfx::TBitmap& bmp, const rtl::TRect& target, int phaseX, int phaseY)
{
    const int w = bmp.Width();
    const int h = bmp.Height();
    int sy = phaseY;
    for (int y = target.Top - 1; y < target.Bottom; sy = 0) {
        const int th = std::min(h - sy, target.Bottom - y);
        int sx = phaseX;
        for (int x = target.Left - 1; x < target.Right; sx = 0) {
            const int tw = std::min(w - sx, target.Right - x);
            c.CopyRect(rtl::TRect{x, y, x + tw, y + th}, bmp.Canvas(), rtl::TRect{sx, sy, sx + tw, sy + th});
            x += tw;
        }
        y += th;
    }
}

}  // namespace

void TExtStringGrid::DrawCellBackGround(TCellPaint& P, const rtl::TRect& R)
{
    const TBackGround& bg = BackGround();
    const bool selectedShown = (P.State & ui::gdSelected) && SelectionVisible();
    const bool ownColour = HasCellProperties(P.Col, P.Row) && GetCellPropsDirect(P.Col, P.Row)->BrushColor() != clGridNone;
    if (!AdmitsCell(bg.Cells(), P.Fixed)) return;
    gfx::TCanvas& c = P.Canvas;
    const gfx::TBitmap& bmp = bg.Bitmap();
    if (!bmp.Empty() && !ownColour && !selectedShown) {
        const rtl::TRect target{R.Left - (GridLineWidth() - 1), R.Top - (GridLineWidth() - 1), R.Right, R.Bottom};
        if (bg.Display() != bdTile) {
            CopyPlaced(c, bmp, bg.Left(), bg.Top(), target);
        } else {
            // The tiling continues across cells: the phase is the width (height) of the
            // cells before this one, from the first column (row) the setting admits.
            const int firstCol = bg.Cells() == bcNormal ? FixedCols() : 0;
            const int firstRow = bg.Cells() == bcNormal ? FixedRows() : 0;
            long long px = 0;
            for (int col = firstCol; col < P.RealCol; ++col) px += ColWidths(col);
            long long py = 0;
            for (int row = firstRow; row < P.Row; ++row) py += RowHeights(row);
            CopyTiles(c, bmp, target, static_cast<int>(px % bmp.Width()), static_cast<int>(py % bmp.Height()));
        }
    }
    if (GradientDisplay(bg.Display()) && (!ownColour || ControlKind(P.Graphic)) && !selectedShown) {
        rtl::TRect target{R.Left - 1, R.Top - GridLineWidth(), R.Right, R.Bottom + GridLineWidth() - 1};
        if (!(Options() & ui::goHorzLine)) ++target.Bottom;
        const bool horz = bg.Display() == bdGradientHorz;
        const int extent = horz ? Width() : Height();
        const gfx::TColor from = BlendColorStep(bg.Color(), bg.ColorTo(), 0, extent, horz ? target.Left : target.Top);
        const gfx::TColor to = BlendColorStep(bg.Color(), bg.ColorTo(), 0, extent, horz ? target.Right : target.Bottom);
        c.Brush().SetColor(to);
        c.Pen().SetColor(to);
        DrawGradient(c, from, to, 128, target, horz);
    }
}

void TExtStringGrid::PaintBackgroundOutsideCells(gfx::TCanvas& ACanvas)
{
    const TBackGround& bg = BackGround();
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    if (lastCol < 0 || lastRow < 0) return;
    const bool lastColVisible = LeftCol() + VisibleColCount() > lastCol;
    const bool lastRowVisible = TopRow() + VisibleRowCount() > lastRow;
    if (!lastColVisible && !lastRowVisible) return;
    const bool gradient = GradientDisplay(bg.Display());
    if (gradient && bg.ColorTo() == clGridNone) return;
    const rtl::TRect client = GetClientRect();
    gfx::TRegion area;
    if (lastColVisible) {
        rtl::TRect cell = CellRect(lastCol, TopRow());
        area.Union(rtl::TRect{cell.Right + GridLineWidth(), 0, client.Right, client.Bottom});
    }
    if (lastRowVisible) {
        rtl::TRect cell = CellRect(LeftCol(), lastRow);
        area.Union(rtl::TRect{0, cell.Bottom + GridLineWidth(), client.Right, client.Bottom});
    }
    const int saved = ACanvas.SaveState();
    ACanvas.SetClipRegion(area);
    if (bg.Bitmap().Empty()) {
        if (gradient) DrawGradient(ACanvas, bg.Color(), bg.ColorTo(), 128, client, bg.Display() == bdGradientHorz);
    } else if (bg.Display() != bdTile) {
        CopyPlaced(ACanvas, bg.Bitmap(), bg.Left(), bg.Top(), client);
    } else if (bg.Cells() != bcFixed) {
        rtl::TRect target = client;
        if (bg.Cells() == bcNormal) {
            const rtl::TRect first = CellRect(FixedCols(), FixedRows());
            target.Left = first.Left + XYOffset().X;
            target.Top = first.Top + XYOffset().Y;
        }
        CopyTiles(ACanvas, bg.Bitmap(), target, 0, 0);
    }
    ACanvas.RestoreState(saved);
}

}  // namespace grid
