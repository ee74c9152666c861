// What a hit test of a cell's HTML text found: an anchor, or a form control with its id, type, value and place.
#pragma once

#include <string>

#include "platform/rtl/Types.h"

namespace grid {

// The anchor's reference (for a control the renderer's marker) and, for a control, its id,
// type (upper case), value and rectangle in the grid's client coordinates.
struct TAnchorHit {
    std::string Anchor;
    std::string CtrlID;
    std::string CtrlType;
    std::string CtrlValue;
    rtl::TRect CtrlRect{};
};

}  // namespace grid
