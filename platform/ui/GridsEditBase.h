// The edit control the grid's in-place editor derives from: the masked edit.
#pragma once

#include "platform/ui/Mask.h"

namespace ui {

using TGridEditBase = TMaskEdit;

}  // namespace ui
