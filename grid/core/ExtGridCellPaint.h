// Working state of one cell paint, shared by the steps of the cell drawing pipeline and its text stage.
#pragma once

#include "grid/core/ExtGrid.h"

namespace grid {

struct TExtStringGrid::TCellPaint {
    gfx::TCanvas& Canvas;
    int Col = 0;      // displayed column
    int RealCol = 0;  // real column (events, sort and node settings)
    int Row = 0;
    ui::TGridDrawState State = 0;
    rtl::TRect Rect{};      // the working rectangle, shrunk and restored step by step
    rtl::TRect CellRect{};  // the rectangle the base painter handed over
    bool Fixed = false;
    // The row (or the whole grid) is disabled: its text keeps the disabled font colour.
    bool Disabled = false;
    // Resolved look of the cell.
    gfx::TColor ColorTo = clGridNone;
    gfx::TColor MirrorColor = clGridNone;
    gfx::TColor MirrorColorTo = clGridNone;
    ui::TAlignment HA = ui::taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
    // Brush and font colours before the text stage, restored after it; the unselected ones.
    gfx::TColor SavedBrush = 0;
    gfx::TColor SavedFont = 0;
    // Cell graphic and the room it takes.
    TCellGraphic* Graphic = nullptr;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    bool TextShown = true;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    // The cell carries the filter drop-down glyph.
    bool FilterGlyph = false;
    // Width the row indicator takes from the left edge until the borders are drawn.
    int IndicatorOffset = 0;
    // Output of the text stage for the graphic stage.
    int TextWidth = 0;
    gfx::TColor AnchorColor = 0;
};

}  // namespace grid
