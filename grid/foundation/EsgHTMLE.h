// The mini-HTML renderer RenderHtmlText: measures, paints or hit-tests one HTML-formatted text in a rectangle.
#pragma once

#include <string>

#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
class TFont;
class TImageList;
}  // namespace gfx

namespace grid {

class THTMLPictureCache;
class TPictureContainer;

// Measures text for the renderer. The renderer measures through the canvas unless one is
// installed; tests install fixed metrics where a behaviour depends on exact text widths.
class THtmlTextMeasurer {
public:
    virtual ~THtmlTextMeasurer() = default;
    // Width and height of the shown text (prefix characters already processed) in the font.
    virtual rtl::TSize TextExtent(const gfx::TFont& font, const std::string& text) const = 0;
};

// What a call asks for (parameters 4 to 23 and 37 to 40 of RenderHtmlText).
struct THtmlRenderOptions {
    const gfx::TImageList* ImageList = nullptr;
    int PointX = -1;
    int PointY = -1;
    int FocusedAnchor = -1;     // 0-based; -1 none
    int HoveredAnchor = 0;      // 1-based; 0 or -1 none
    int ShadowShift = 1;
    bool HitTestOnly = false;
    bool MeasureOnly = false;
    bool ForPrinter = false;
    bool KeepTextColor = false;
    bool BlinkPhaseOn = true;
    bool HoverOnlyStyle = false;
    bool WrapWords = true;
    bool ControlPressed = false;
    std::string PressedControlID;
    double Zoom = 1.0;          // below 1.0 counts as 1.0
    gfx::TColor AnchorColor = gfx::clBlue;
    gfx::TColor HoverBackColor = gfx::clNone;
    gfx::TColor HoverTextColor = gfx::clNone;
    gfx::TColor ShadowColor = gfx::clGray;
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* Pictures = nullptr;
    const void* ThemeWindow = nullptr;
    int BiDiMode = 0;
    const THtmlTextMeasurer* TextMeasurer = nullptr;
};

// What a call reports (parameters 24 to 36).
struct THtmlRenderResult {
    std::string AnchorAtPoint;          // not cleared at entry
    std::string PlainText;
    std::string FocusedAnchorRef;
    std::string AnchorTitleAtPoint;
    int ContentWidth = 0;
    int ContentHeight = 0;
    int AnchorCount = 0;
    int AnchorIndexAtPoint = -1;
    rtl::TRect AnchorRectAtPoint{};
    rtl::TRect ControlRectAtPoint{};
    std::string ControlIDAtPoint;       // in and out: on a hit-test-only call it selects a control
    std::string ControlValueAtPoint;
    std::string ControlTypeAtPoint;
};

// Lays the text out line by line in the bounds: every line is measured and then, unless
// only measuring was asked for, painted or hit-tested at its final place. True when the
// point lies on an anchor with an HREF, or on an image inside one, or on an inline control.
bool RenderHtmlText(gfx::TCanvas& canvas, const std::string& text, const rtl::TRect& bounds,
                    const THtmlRenderOptions& options, THtmlRenderResult& result);

// The same entry with every parameter spelled out, in the order callers pass them.
bool RenderHtmlText(gfx::TCanvas& Canvas, const std::string& Text, const rtl::TRect& Bounds,
                    const gfx::TImageList* ImageList, int PointX, int PointY, int FocusedAnchor, int HoveredAnchor,
                    int ShadowShift, bool HitTestOnly, bool MeasureOnly, bool ForPrinter, bool KeepTextColor,
                    bool BlinkPhaseOn, bool HoverOnlyStyle, bool WrapWords, bool ControlPressed,
                    const std::string& PressedControlID, double Zoom, gfx::TColor AnchorColor,
                    gfx::TColor HoverBackColor, gfx::TColor HoverTextColor, gfx::TColor ShadowColor,
                    std::string& AnchorAtPoint, std::string& PlainText, std::string& FocusedAnchorRef,
                    std::string& AnchorTitleAtPoint, int& ContentWidth, int& ContentHeight, int& AnchorCount,
                    int& AnchorIndexAtPoint, rtl::TRect& AnchorRectAtPoint, rtl::TRect& ControlRectAtPoint,
                    std::string& ControlIDAtPoint, std::string& ControlValueAtPoint,
                    std::string& ControlTypeAtPoint, THTMLPictureCache* PictureCache, TPictureContainer* Pictures,
                    const void* ThemeWindow, int BiDiMode);

// Draws (or only sizes) the icon of a file, a folder or an icon number at x, y; returns its
// size through width and height.
void DrawSystemIcon(gfx::TCanvas& canvas, int x, int y, int& width, int& height, double scale, bool print,
                    bool draw, bool large, const std::string& name);

}  // namespace grid
