// HTML pieces of the grid utilities: colours as HTML hex digits and the clipboard "HTML Format" block.
#pragma once

#include "platform/gfx/Color.h"
#include <string>

namespace grid {

// Six upper-case hex digits red, green, blue from the low, middle and high byte (no "#").
std::string ColorToHtmlHex(gfx::TColor color);
// Wraps the fragment into the clipboard "HTML Format" block with its offset header.
void BuildClipboardHtml(std::string& fragment);

}  // namespace grid
