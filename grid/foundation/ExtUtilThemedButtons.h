// Button glyph painters of the grid utilities: drop-down button, push button and spin buttons in four looks.
#pragma once

#include <string>

#include "grid/foundation/ExtStyleIF.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace gfx {
class TCanvas;
}

namespace grid {

// State of a button glyph.
enum TButtonGlyphState : int { bgsNormal = 0, bgsHot = 1, bgsDown = 2, bgsDisabled = 3 };
// Look of a button glyph: the visual style's painter, the classic and the flat frame
// control, or plain shapes in the colours of a TColorTones set.
enum TButtonGlyphLook : int { bglThemed = 0, bglClassic = 1, bglFlat = 2, bglTones = 3 };

// The colour tone of a state: Background (normal), Hover, Selected (down), Disabled.
const TColorTone& ToneOfState(const TColorTones& tones, int state);

// A drop-down button round(17 × scale) pixels wide at the right edge of `rect` (shrunk by
// 1 at top and bottom, 2 pixels in from the right). The themed look uses the visual
// styles opened for `window`.
void DrawThemedComboButton(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                           TColorTones tones, double scale);
// A push button filling `rect`, then its caption centred on one line in the canvas font
// with a clear brush; without `prefix` an "&" shows as itself.
void DrawThemedButton(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                      TColorTones tones, bool prefix, const std::string& caption);
// An up and a down button in a 15-pixel strip at the right edge of `rect` (one pixel left
// and up), split at mid-height.
void DrawThemedSpinButtons(gfx::TCanvas& canvas, ui::HWND window, const rtl::TRect& rect, int look, int state,
                           TColorTones tones);

}  // namespace grid
