// Base grid cell painter: background, selection looks, hover and active row, grid lines and content of one cell or merged block.
#include "grid/core/BaseGrid.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {
constexpr gfx::TColor None = clGridNone;

// One selection look: fill, lower-half fill, border, corner pixels, inner lines.
struct TSelectionLook {
    gfx::TColor From, To, MirrorFrom, MirrorTo, Border, Corner, InnerUpper, InnerLower;
};
constexpr TSelectionLook VistaLook{0xFDF8F1, 0xFCEFD5, None, None, 0xFDDE99, 0xFCEDCB, 0xFDFBF6, 0xFDF5E7};
constexpr TSelectionLook Win7Look{0xFCEBDC, 0xFCDBC1, None, None, 0xCEA27D, 0xE0C5AE, 0xFDF4EB, 0xFDEADB};
constexpr TSelectionLook Office2007Look{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                        0x8DD7D3, 0xC3D9DF, 0xF4FEFF, 0xCAF8FF};
constexpr TSelectionLook UnfocusedLook{0xF8F8F8, 0xE5E5E5, None, None, 0xD9D9D9, 0xEFEFEF, 0xFBFAFA, 0xF0F0F0};

const TSelectionLook& LookOf(TGridSelectionStyle style)
{
    switch (style) {
    case ssWin7: return Win7Look;
    case ssOffice2007: return Office2007Look;
    default: return VistaLook;
    }
}

bool Has(ui::TGridDrawState state, unsigned flag) { return (state & flag) != 0; }
}  // namespace

void TBaseGrid::SetHideLastRow(bool v)
{
    if (FHideLastRow == v) return;
    FHideLastRow = v;
    Invalidate();
}

void TBaseGrid::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    FPaintRegion = canvas.ClipRegion();
    FPaintRegion.Offset(-canvas.Origin().X, -canvas.Origin().Y);
    FPainting = true;
    FPaintHasNodes = -1;
    try {
        TObjStringGrid::Paint();
    } catch (...) {
        FPainting = false;
        throw;
    }
    FPainting = false;
    ++FPaintID;
}

// The platform asks for every visible cell. A block is painted whole (its clip widened to
// the block), so its base cell records the pass as its members do: the block is painted
// once per pass whichever of its cells comes first, never twice.
void TBaseGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    if (FPainting && IsMergedCell(ACol, ARow) && IsBaseCell(ACol, ARow)) {
        TCellProperties* base = GetCellPropsDirect(ACol, ARow);
        if (base->PaintID() == FPaintID) return;
        base->SetPaintID(FPaintID);
    }
    DrawGridCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                          ui::TGridDrawState AState)
{
    DrawGridCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                             ui::TGridDrawState AState)
{
    DrawGridCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::InitCellLook(int, int, ui::TGridDrawState AState, gfx::TBrush& ABrush, gfx::TColor& AColorTo,
                             gfx::TFont& AFont)
{
    ABrush.SetColor(Has(AState, ui::gdFixed) ? FixedColor() : Color());
    AColorTo = clGridNone;
    AFont.Assign(&Font());
}

bool TBaseGrid::PaintHasNodes()
{
    if (!FPainting) return HasNodes();
    if (FPaintHasNodes < 0) FPaintHasNodes = HasNodes() ? 1 : 0;
    return FPaintHasNodes == 1;
}

void TBaseGrid::DrawGridCell(gfx::TCanvas& ACanvas, int ACol, int ARow, rtl::TRect ARect, ui::TGridDrawState AState,
                             bool Full)
{
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas.Brush().SetStyle(gfx::bsSolid);
        ACanvas.Brush().SetColor(Color());
        ACanvas.FillRect(ARect);
        return;
    }

    // A member of a merged block paints the block once per pass, through its base cell.
    int baseCol = ACol;
    int baseRow = ARow;
    if (!GetBaseCellPos(ACol, ARow, baseCol, baseRow)) {
        TCellProperties* base = GetCellProperties(baseCol, baseRow);
        if (base->PaintID() == FPaintID) return;
        base->SetPaintID(FPaintID);
        PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
        return;
    }

    if (Full && (Has(AState, ui::gdFixed) || IsFixed(ACol, ARow))) {
        AState |= ui::gdFixed;
        AState &= ~ui::gdSelected;
    }
    bool fixed = Has(AState, ui::gdFixed);
    if (Full) ARect = CellRect(ACol, ARow);
    if (rtl::IsRectEmpty(ARect)) return;

    // Nothing is drawn outside the cell (or block). During the grid's own paint the block
    // may reach beyond the cell the platform clipped to, but never beyond the paint's clip;
    // a block partly scrolled under the fixed cells stays out of them.
    // The fixed area is a place on the grid's own canvas only; another canvas (a button
    // face, a printed page) has its own coordinates.
    int saved = ACanvas.SaveState();
    bool ownCanvas = &ACanvas == &Canvas();
    if (FPainting && ownCanvas) ACanvas.SetClipRegion(FPaintRegion);
    ACanvas.IntersectClipRect(ARect);
    // Only the axis on which the cell scrolls is kept clear of the fixed cells: a block in a
    // fixed column that scrolls under the fixed rows keeps its own column (clipping both
    // axes would hide such a block completely).
    bool scrollsX = ACol >= FixedCols() && FixedCols() > 0;
    bool scrollsY = ARow >= FixedRows() && FixedRows() > 0;
    bool underFixedCols = scrollsX && ARect.Left < FixedColsWidth();
    bool underFixedRows = scrollsY && ARect.Top < FixedRowsHeight();
    if (ownCanvas && (underFixedCols || underFixedRows))
        ACanvas.IntersectClipRect(rtl::TRect{scrollsX ? FixedColsWidth() : 0, scrollsY ? FixedRowsHeight() : 0,
                                             Width(), Height()});

    ACanvas.Pen().SetWidth(1);
    ACanvas.Brush().SetStyle(gfx::bsSolid);
    gfx::TColor colorTo = clGridNone;
    gfx::TColor mirrorColor = clGridNone;
    gfx::TColor mirrorColorTo = clGridNone;
    ui::TAlignment ha = GetDefaultAlignment();
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    InitCellLook(ACol, ARow, AState, ACanvas.Brush(), colorTo, ACanvas.Font());
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush(), colorTo, mirrorColor, mirrorColorTo,
                        ACanvas.Font(), ha, va, ww, gd);
    ACanvas.Pen().SetColor(ACanvas.Brush().Color());

    // Hover row.
    bool selected = Has(AState, ui::gdSelected);
    bool hoverExcluded = (selected && !FHoverRowCells.Contains(hcSelected)) ||
                         (fixed && !FHoverRowCells.Contains(hcFixed));
    if (FHoverRow && ARow == FHoverRowIdx && !hoverExcluded && PaintHasNodes())
        hoverExcluded = (IsNode(ARow) && !FHoverRowCells.Contains(hcGroupHeader)) ||
                        (IsSummary(ARow) && !FHoverRowCells.Contains(hcGroupSummary));
    if (FHoverRow && ARow == FHoverRowIdx && !hoverExcluded) {
        ACanvas.Brush().SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirrorColor = clGridNone;
        mirrorColorTo = clGridNone;
        gd = GradientVertical;
    }

    // Active row.
    bool isCurrent = ACol == Col() && ARow == Row();
    if ((FActiveRowShow && ARow == Row() && (!isCurrent || !FShowSel) && ACol >= FixedCols()) ||
        (!Full && selected)) {
        ACanvas.Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
        ACanvas.Pen().SetColor(ACanvas.Brush().Color());
    }

    DrawCellBackground(ACanvas, ACol, ARect, AState, colorTo, mirrorColor, mirrorColorTo, gd);
    DrawCellLines(ACanvas, ACol, ARow, ARect, fixed);

    rtl::TRect content = ARect;
    if (fixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        rtl::InflateRect(content, -FGridLineWidth, -FGridLineWidth);
    }
    if (Full) DrawCellContents(ACanvas, ACol, ARow, content, AState);

    ACanvas.RestoreState(saved);
    ACanvas.Brush().SetStyle(gfx::bsSolid);
    ACanvas.Pen().SetStyle(gfx::psSolid);
}

void TBaseGrid::DrawCellBackground(gfx::TCanvas& ACanvas, int ACol, const rtl::TRect& ARect,
                                   ui::TGridDrawState AState, gfx::TColor ColorTo, gfx::TColor MirrorColor,
                                   gfx::TColor MirrorColorTo, TCellGradientDirection GD)
{
    bool selected = Has(AState, ui::gdSelected);
    bool fixed = Has(AState, ui::gdFixed);
    if (selected && FSelectionStyle != ssDefault && FShowSel) {
        ui::TGridRect sel = Selection();
        int left = std::min(sel.Left, sel.Right);
        int right = std::max(sel.Left, sel.Right);
        int segment = selWhole;
        if (left != right) {
            if (ACol == left) segment = selLeftEnd;
            else if (ACol == right) segment = selRightEnd;
            else if (ACol > left && ACol < right) segment = selMiddle;
        }
        rtl::TRect r = ARect;
        if (!(Options() & ui::goHorzLine)) ++r.Bottom;
        if (!(Options() & ui::goVertLine)) ++r.Right;
        bool focusedLook = Focused() || (Options() & ui::goDrawFocusSelected);
        const TSelectionLook& look = focusedLook ? LookOf(FSelectionStyle) : UnfocusedLook;
        DrawRoundedSelectionRect(ACanvas, look.From, look.To, look.MirrorFrom, look.MirrorTo, look.InnerUpper,
                                 look.InnerLower, look.Border, look.Corner, Color(), r, segment);
        return;
    }
    if (GetUseVCLStyles() && (fixed || selected)) return;
    gfx::TColor from = ACanvas.Brush().Color();
    if (MirrorColorTo != clGridNone) {
        DrawMirrorGradient(ACanvas, ARect, from, ColorTo, MirrorColor, MirrorColorTo, true, clGridNone, false, true);
        return;
    }
    DrawGradient(ACanvas, from, ColorTo, 64, ARect, GD == GradientHorizontal);
}

void TBaseGrid::DrawCellLines(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect, bool fixed)
{
    int h = 0;
    if (fixed) {
        ACanvas.Pen().SetColor(FGridFixedLineColor);
        ACanvas.Pen().SetWidth(1);
        h = 1;
    } else if (FGridLineWidth > 0) {
        ACanvas.Pen().SetColor(FGridLineColor);
        ACanvas.Pen().SetWidth(FGridLineWidth);
        h = (FGridLineWidth + 1) / 2;
    }
    ui::TGridOptions opts = Options();
    bool horz = fixed ? (opts & ui::goFixedHorzLine) != 0 : (opts & ui::goHorzLine) != 0;
    bool vert = fixed ? (opts & ui::goFixedVertLine) != 0 : (opts & ui::goVertLine) != 0;
    // The node column of a grid with nodes has no horizontal lines.
    if (horz && !fixed && ARow >= FixedRows()) {
        int bc = ACol;
        int br = ARow;
        GetBaseCellPos(bc, ARow, bc, br);
        if (bc == 0 && PaintHasNodes()) horz = false;
    }
    if (horz) {
        ACanvas.MoveTo(ARect.Left - h, ARect.Bottom - h);
        ACanvas.LineTo(ARect.Right - h, ARect.Bottom - h);
    }
    if (vert) {
        ACanvas.MoveTo(ARect.Right - h, ARect.Bottom - h);
        ACanvas.LineTo(ARect.Right - h, ARect.Top - h);
    }
}

}  // namespace grid
