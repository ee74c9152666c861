// The analog clock's presets and component-style colours, applied to an appearance.
#pragma once

#include "grid/dropdown/ExtWatch.h"

namespace grid {

// Resets the appearance (fonts in name and size only) and sets the preset's values; the
// clock's size (width, height) scales the presets that need it. wsCustom changes nothing.
void ApplyWatchPreset(TWatchAppearance& a, TWatchStyle style, int width, int height, bool& showAMPM,
                      bool& showNumbers, bool& animation, int& animationFactor);
// The colours of a component style (the clock's and the time picker's).
void ApplyWatchComponentStyle(TWatchAppearance& a, TJyxStyle style);

}  // namespace grid
