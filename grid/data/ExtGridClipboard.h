// Rich-text reading for the string grid's clipboard; the clipboard formats themselves come from the drag-and-drop layer.
#pragma once

#include <string>

// The grid's clipboard formats are the drag-and-drop layer's: CF_GRIDCELLS ("TExtStringGrid
// Cells", the binary cell stream) and CF_RTF ("Rich Text Format").
#include "grid/data/EsgDragDrop.h"

namespace grid {

// Plain text of a rich text: destination groups skipped, paragraph marks as CR LF.
std::string RtfToPlainText(const std::string& rtf);

}  // namespace grid
