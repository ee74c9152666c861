// Names of the web colours ("clWebSnow" and the like), 138 entries of distinct values.
#pragma once

#include <string>

#include "platform/gfx/Color.h"

namespace grid {

// The identifier of the web colour with that RGB value (red in the low byte); empty when
// no web colour has it.
std::string WebColorName(gfx::TColor rgb);

}  // namespace grid
