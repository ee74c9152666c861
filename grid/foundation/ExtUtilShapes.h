// Cell-graphic painters of the grid utilities: the styled progress bar and the 19 cell shapes.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
class TFont;
}  // namespace gfx

namespace grid {

enum TCellShape : int {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

// The look of a styled progress bar, filled by the grid from its progress appearance.
struct TProgressBarLook {
    gfx::TColor Level0Color = gfx::clNone;
    gfx::TColor Level0ColorTo = gfx::clNone;
    gfx::TColor Level1Color = gfx::clNone;
    gfx::TColor Level1ColorTo = gfx::clNone;
    gfx::TColor Level2Color = gfx::clNone;
    gfx::TColor Level2ColorTo = gfx::clNone;
    gfx::TColor Level3Color = gfx::clNone;
    gfx::TColor Level3ColorTo = gfx::clNone;
    int Level1Perc = 0;  // thresholds in percent
    int Level2Perc = 0;
    gfx::TColor BorderColor = gfx::clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    const gfx::TFont* Font = nullptr;  // the grid's font for the percentage text
    gfx::TColor CompleteFontColor = gfx::clNone;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int Steps = 0;
    gfx::TColor UnCompleteColor = gfx::clNone;  // the background
    bool Vertical = false;
};

// The progress bar of a cell for a value in percent: levels of colour by percentage or
// stacked segments, smooth or block completion, optional gradient and percentage text.
void DrawProgressBar(gfx::TCanvas& canvas, const rtl::TRect& rect, int value, const TProgressBarLook& look);
// One of the cell shapes in the box at (x, y) of width by height; other ordinals draw nothing.
void DrawCellShape(gfx::TCanvas& canvas, int x, int y, int width, int height, TCellShape shape,
                   gfx::TColor brushColor, gfx::TColor penColor);

}  // namespace grid
