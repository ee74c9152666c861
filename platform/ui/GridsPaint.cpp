// The grid engine's painting: one DrawCell per visible cell, the default look and grid lines.
#include <vector>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/Grids.h"

namespace ui {

namespace {
// A visible column or row: its index, client start and size.
struct TVisibleCell {
    int Index;
    int Start;
    int Size;
};

// Fixed cells, then scrollable ones from `first`, until `limit` (the client extent).
std::vector<TVisibleCell> VisibleCells(const TGridAxisSizes& sizes, int fixed, int first, int count, int lineWidth,
                                       int limit)
{
    std::vector<TVisibleCell> cells;
    long long pos = 0;
    auto add = [&](int i) {
        int size = sizes.Size(i);
        cells.push_back({i, static_cast<int>(pos), size});
        pos += size + lineWidth;
    };
    for (int i = 0; i < fixed && pos < limit; ++i) add(i);
    for (int i = first; i < count && pos < limit; ++i) add(i);
    return cells;
}
}  // namespace

TGridDrawState TCustomGrid::CellState(int ACol, int ARow) const
{
    if (ACol < FFixedCols || ARow < FFixedRows) {
        // The header a column or row is being dragged by shows pressed.
        bool pressed = (FGridState == gsColMoving && ARow < FFixedRows && ACol == FMoveIndex) ||
                       (FGridState == gsRowMoving && ACol < FFixedCols && ARow == FMoveIndex);
        return pressed ? (gdFixed | gdPressed) : gdFixed;
    }
    TGridDrawState state = 0;
    if (ACol == FCurrent.X && ARow == FCurrent.Y && Focused()) state |= gdFocused;
    TGridRect sel = Selection();
    if (ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom) state |= gdSelected;
    if ((FOptions & goRowSelect) && ARow == FCurrent.Y) state |= gdRowSelected;
    return state;
}

void TCustomGrid::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    rtl::TRect clip = canvas.ClipRect();
    PaintCells(canvas, clip);
}

void TCustomGrid::PaintCells(gfx::TCanvas& canvas, const rtl::TRect& clip)
{
    rtl::TRect client = GetClientRect();
    int lwx = LineWidthX();
    int lwy = LineWidthY();
    std::vector<TVisibleCell> cols = VisibleCells(FColWidths, FFixedCols, FTopLeft.X, ColCount(), lwx, client.Right);
    std::vector<TVisibleCell> rows = VisibleCells(FRowHeights, FFixedRows, FTopLeft.Y, RowCount(), lwy, client.Bottom);
    bool editing = FInplaceEdit != nullptr && FInplaceEdit->Visible();
    canvas.Font().Assign(&Font());

    for (const TVisibleCell& row : rows) {
        if (row.Start >= clip.Bottom) break;
        if (row.Start + row.Size + lwy <= clip.Top) continue;
        for (const TVisibleCell& col : cols) {
            if (col.Start >= clip.Right) break;
            if (col.Start + col.Size + lwx <= clip.Left) continue;
            rtl::TRect cell = rtl::Rect(col.Start, row.Start, col.Start + col.Size, row.Start + row.Size);
            TGridDrawState state = CellState(col.Index, row.Index);
            bool fixed = (state & gdFixed) != 0;
            bool highlighted = (state & gdSelected) &&
                               (!(state & gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
            if (FDefaultDrawing) {
                canvas.Font().Assign(&Font());
                canvas.Brush().SetStyle(gfx::bsSolid);
                if (fixed) {
                    canvas.Brush().SetColor(FFixedColor);
                } else if (highlighted) {
                    canvas.Brush().SetColor(gfx::clHighlight);
                    canvas.Font().SetColor(gfx::clHighlightText);
                } else {
                    canvas.Brush().SetColor(Color());
                }
                canvas.FillRect(cell);
            }
            canvas.SaveState();
            canvas.IntersectClipRect(cell);
            DrawCell(col.Index, row.Index, cell, state);
            canvas.RestoreState();
            if (FDefaultDrawing && fixed && (FOptions & (goFixedVertLine | goFixedHorzLine)) ==
                                                (goFixedVertLine | goFixedHorzLine)) {
                rtl::TRect edge = cell;
                unsigned look = (state & gdPressed) ? gfx::BDR_SUNKENINNER : gfx::BDR_RAISEDINNER;
                gfx::DrawEdge(canvas, edge, look, gfx::BF_BOTTOMRIGHT);
                gfx::DrawEdge(canvas, edge, look, gfx::BF_TOPLEFT);
            }
            if (FDefaultDrawing && (state & gdFocused) && !(FOptions & goRowSelect) && !editing)
                canvas.DrawFocusRect(cell);
            // The lines after the cell: right, then bottom (with the corner).
            gfx::TColor background = fixed ? FFixedColor : Color();
            bool vert = fixed ? (FOptions & goFixedVertLine) : (FOptions & goVertLine);
            bool horz = fixed ? (FOptions & goFixedHorzLine) : (FOptions & goHorzLine);
            gfx::TColor lineColor = fixed ? gfx::clBlack : FGridLineColor;
            canvas.Brush().SetStyle(gfx::bsSolid);
            if (lwx > 0) {
                canvas.Brush().SetColor(FDefaultDrawing && vert ? lineColor : background);
                canvas.FillRect(rtl::Rect(cell.Right, cell.Top, cell.Right + lwx, cell.Bottom + lwy));
            }
            if (lwy > 0) {
                canvas.Brush().SetColor(FDefaultDrawing && horz ? lineColor : background);
                canvas.FillRect(rtl::Rect(cell.Left, cell.Bottom, cell.Right + (vert ? 0 : lwx), cell.Bottom + lwy));
            }
        }
    }

    // What lies right of the last column and below the last row shows the grid's colour.
    int right = cols.empty() ? 0 : cols.back().Start + cols.back().Size + lwx;
    int bottom = rows.empty() ? 0 : rows.back().Start + rows.back().Size + lwy;
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    if (right < client.Right) canvas.FillRect(rtl::Rect(right, 0, client.Right, client.Bottom));
    if (bottom < client.Bottom) canvas.FillRect(rtl::Rect(0, bottom, std::min(right, client.Right), client.Bottom));
}

}  // namespace ui
