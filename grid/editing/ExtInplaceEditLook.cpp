// The look of the current cell as its painter sees it: colour, font and alignment.
#include "grid/core/ExtGrid.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

// The colour, font and alignment the current cell is painted with.
void TExtStringGrid::CurrentCellLook(gfx::TColor& AColor, gfx::TFont& AFont, ui::TAlignment& AAlign)
{
    const int c = Col();
    const int r = Row();
    gfx::TBrush brush;
    gfx::TColor colorTo = gfx::clNone, mirror = gfx::clNone, mirrorTo = gfx::clNone;
    TVAlignment valign = vtaTop;
    bool wordWrap = false;
    TCellGradientDirection gradient = GradientVertical;
    ui::TGridDrawState state = 0;
    AAlign = GetDefaultAlignment();
    InitCellLook(c, r, state, brush, colorTo, AFont);
    GetVisualProperties(c, r, state, false, false, true, brush, colorTo, mirror, mirrorTo, AFont, AAlign, valign,
                        wordWrap, gradient);
    AColor = brush.Color() == gfx::clNone ? Color() : brush.Color();
}

}  // namespace grid
