// Clipboard formats of the string grid and the rich-text reading its clipboard text uses.
#pragma once

#include <string>

namespace grid {

// "TExtStringGrid Cells" (the binary cell stream) and "Rich Text Format", registered on first use.
unsigned GridCellsClipboardFormat();
unsigned RichTextClipboardFormat();

// Plain text of a rich text: destination groups skipped, paragraph marks as CR LF.
std::string RtfToPlainText(const std::string& rtf);

}  // namespace grid
