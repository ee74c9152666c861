// The clipboard format of the string grid's HTML export.
#pragma once

namespace grid {

// "HTML Format", registered on first use.
unsigned HtmlClipboardFormat();

}  // namespace grid
