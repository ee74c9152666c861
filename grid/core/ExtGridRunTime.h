// Objects a string grid creates only at run time (not while designed): arrow and focus windows.
#pragma once

#include <array>
#include <memory>

#include "grid/core/GridAuxWindows.h"

namespace grid {

struct TExtGridRunTimeObjects {
    // Column-move arrows, indexed by TArrowDirection (up, down, left, right).
    std::array<std::unique_ptr<TArrowWindow>, 4> Arrows;
    std::unique_ptr<TGridFocusWindow> FocusWindow;
};

}  // namespace grid
