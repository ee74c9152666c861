// Text shaping for the canvas: fonts and cached pango layouts at 96 pixels per inch.
#pragma once

#include <pango/pangocairo.h>

#include <string>

#include "platform/gfx/GraphicsObjects.h"

namespace gfx::text {

// A realised font: its description and its metrics in pixels.
struct TFontFace {
    int Id = 0;
    PangoFontDescription* Description = nullptr;
    bool Underline = false;
    bool StrikeOut = false;
    int Height = 0;
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
};

// Sets the font machinery up now: the system's font configuration then loads in the
// background while the caller goes on, and is ready, or nearly, when the first text is measured.
void StartFontSetup();

// The face for a font (cached by name, height, style and pitch).
const TFontFace& FaceFor(const TFont& font);

// How a layout is to be formatted.
struct TLayoutSpec {
    int Width = -1;              // pixels; -1 = no width (no wrapping, no ellipsis)
    int Height = -1;             // pixels for ellipsizing wrapped text; -1 = unlimited
    bool WordWrap = false;
    bool BreakLongWords = false;  // a word wider than the line breaks between characters
    bool EndEllipsis = false;
    bool SingleParagraph = false;
    PangoAlignment Alignment = PANGO_ALIGN_LEFT;
    int UnderlineIndex = -1;     // byte index of the accelerator character, -1 = none
    bool ExpandTabs = true;
};

// A laid-out text with its logical size in pixels. The layout stays owned by the cache and
// is valid until the next call into the engine.
struct TLaidOut {
    PangoLayout* Layout = nullptr;
    int Width = 0;
    int Height = 0;
    int LineCount = 0;
};

TLaidOut Layout(const TFontFace& face, const std::string& text, const TLayoutSpec& spec);
// The width of a single line of text (fast path, cached).
int TextWidth(const TFontFace& face, const std::string& text);

}  // namespace gfx::text
