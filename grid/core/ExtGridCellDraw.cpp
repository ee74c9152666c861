// String grid cell drawing entry points: background, text and grid lines of each cell the platform grid lays out.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {
bool IsNone(gfx::TColor c) { return c == clGridNone; }
}  // namespace

// The platform grid draws nothing itself (its DefaultDrawing and line width are kept off):
// each cell is filled, written and given its right and bottom grid line here.
void TExtStringGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    gfx::TCanvas& canvas = Canvas();
    bool fixed = (AState & ui::gdFixed) != 0 || IsFixed(ACol, ARow);
    bool selected = !fixed && (AState & ui::gdSelected) != 0 && FShowSelection &&
                    ((AState & ui::gdFocused) == 0 || FShowFocusedSelectionColor);
    gfx::TColor background = fixed ? FixedColor() : Color();
    if (!fixed && HasCellProperties(ACol, ARow) && !IsNone(GetCellPropsDirect(ACol, ARow)->BrushColor()))
        background = GetCellPropsDirect(ACol, ARow)->BrushColor();
    if (selected) background = FSelectionColor;
    canvas.Brush().SetColor(background);
    canvas.FillRect(ARect);

    canvas.Font().Assign(fixed ? FFixedFont.get() : &GetCellFont(ACol, ARow));
    if (selected && FUseSelectionTextColor) canvas.Font().SetColor(FSelectionTextColor);
    rtl::TRect content{ARect.Left + FXYOffset.X, ARect.Top, ARect.Right - FXYOffset.X, ARect.Bottom};
    DrawCellContents(canvas, ACol, ARow, content, AState);

    int w = FGridLineWidth;
    if (w > 0) {
        canvas.Brush().SetColor(fixed ? FGridFixedLineColor : FGridLineColor);
        if (Options() & (fixed ? ui::goFixedVertLine : ui::goVertLine))
            canvas.FillRect(rtl::TRect{ARect.Right - w, ARect.Top, ARect.Right, ARect.Bottom});
        if (Options() & (fixed ? ui::goFixedHorzLine : ui::goHorzLine))
            canvas.FillRect(rtl::TRect{ARect.Left, ARect.Bottom - w, ARect.Right, ARect.Bottom});
    }
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
    ACanvas.Brush().SetStyle(gfx::bsClear);
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, flags);
    ACanvas.Brush().SetStyle(gfx::bsSolid);
}

void TExtStringGrid::Paint()
{
    TBaseGrid::Paint();
    ++FPaintID;
}

}  // namespace grid
