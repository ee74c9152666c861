// What the grid's balloon hints keep: the tooltip window, the text handed to it and the cell it was for.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/Types.h"
#include "platform/ui/ToolTip.h"

namespace grid {

struct TExtGridServices {
    // The balloon tooltip window (FHToolTip), while balloon hints run.
    std::unique_ptr<ui::TToolTipWindow> ToolTip;
    // Balloon text and title; they stay valid while the tooltip shows them.
    std::string BalloonText;
    std::string BalloonTitle;
    rtl::TPoint LastBalloonPos{-1, -1};
};

}  // namespace grid
