// Rich text laid out in lines and drawn into a rectangle of any canvas (screen, bitmap or printer page).
#pragma once

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"
#include "platform/ui/RichEdit.h"

namespace gfx {
class TCanvas;
}

namespace ui {

struct TRichDrawOptions {
    // Lines break between words at the rectangle's width; otherwise a paragraph is one line.
    bool WordWrap = false;
    // Device pixels per inch of the target: fonts and offsets scale from the screen's 96.
    int PixelsPerInch = 96;
    // When not clNone every run is drawn in this colour (the text of a selected cell).
    gfx::TColor TextColor = gfx::clNone;
};

// The width and height the text takes laid out in Width pixels (Width matters only with
// word wrap). An empty text measures one line of its insert format's height.
rtl::TSize MeasureRichText(gfx::TCanvas& Canvas, const TRichText& Doc, int Width, const TRichDrawOptions& Options);

// Draws the runs with their fonts and colours from the rectangle's top, each line placed by
// its paragraph's alignment, clipped to the rectangle; nothing behind the text is filled.
// The canvas's font, brush and clip are as before afterwards.
void DrawRichText(gfx::TCanvas& Canvas, const TRichText& Doc, const rtl::TRect& Rect, const TRichDrawOptions& Options);

}  // namespace ui
