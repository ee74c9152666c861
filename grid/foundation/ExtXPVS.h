// The grid's run-time binding of the visual-styles library: a loaded flag and one entry per function.
#pragma once

#include "grid/foundation/ExtXPVSApi.h"

namespace grid {

// Entry points of the library, empty (nullptr) while it is not loaded. Callers test the
// loaded flag or the entry before calling, and take their unthemed path otherwise.
#define GRID_VISUAL_STYLES_ENTRY(name, result, params) extern T##name name;
GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ENTRY)
#undef GRID_VISUAL_STYLES_ENTRY

// True while the library is loaded and every entry bound.
bool VisualStylesLibraryLoaded();

// Loads the library and binds all 45 entries; nothing when already loaded. An absent
// library leaves the flag false and the entries empty; a library lacking a function fails
// the assertion "Assertion failure (ExtXPVS, line n)", n = 1533 + 3 × its position.
// Runs when the program starts.
void LoadVisualStylesLibrary();
// Releases the library and empties the entries; runs when the program ends.
void UnloadVisualStylesLibrary();

}  // namespace grid
