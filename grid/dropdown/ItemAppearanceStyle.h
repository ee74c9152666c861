// The component styles' colours for the hot and selected items of a list-like drop-down's item appearance.
#pragma once

#include "grid/foundation/ExtStyleIF.h"

namespace grid {

class TItemAppearance;

// Colours an item appearance for a component style: outside tsCustom the hot and selected
// borders become none and both text colours black, then the style's row; the font turns black
// (white for tsOffice2016Black) in every style. Nothing without an appearance.
void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TJyxStyle Style);

}  // namespace grid
