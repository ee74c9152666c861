// Event types of the grid that carry the platform's drawing state or alignment.
#pragma once

#include "grid/core/GridEvents.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace gfx {
class TCanvas;
}

namespace grid {

using TCustomCellDrawEvent = std::function<void(TSender, gfx::TCanvas* Canvas, int ACol, int ARow,
                                                ui::TGridDrawState AState, const rtl::TRect& ARect, bool Printing)>;
using TGridColorEvent =
    std::function<void(TSender, int ARow, int ACol, ui::TGridDrawState AState, gfx::TBrush* ABrush, gfx::TFont* AFont)>;
using TGridAlignEvent =
    std::function<void(TSender, int ARow, int ACol, ui::TAlignment& HAlign, TVAlignment& VAlign)>;

}  // namespace grid
