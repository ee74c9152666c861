// The edit control the grid's in-place editor derives from.
#pragma once

#include "platform/ui/StdCtrlsEdit.h"

namespace ui {

using TGridEditBase = TCustomEdit;

}  // namespace ui
