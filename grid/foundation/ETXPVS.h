// The drop-down controls' own run-time binding of the visual-styles library.
#pragma once

#include "grid/foundation/ExtXPVSApi.h"

namespace grid::etxpvs {

// Entry points of this binding, empty (nullptr) while it is not bound.
#define GRID_VISUAL_STYLES_ENTRY(name, result, params) extern T##name name;
GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ENTRY)
#undef GRID_VISUAL_STYLES_ENTRY

// True while this binding holds the library.
bool ThemeApiBound();

// The same binding as LoadVisualStylesLibrary, kept separately; a missing function fails
// the assertion "Assertion failure (ETXPVS, line n)", n = 1537 + 3 × its position.
// Runs when the program starts.
void BindThemeApi();
// Releases this binding's hold on the library and empties its entries.
void UnbindThemeApi();

}  // namespace grid::etxpvs
