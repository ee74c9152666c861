// Visual style services: the application's active style, its name and the colours of the grid parts it styles.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace gfx {
class TCanvas;
}

namespace ui {

// Sent to every window when the application's style changes.
constexpr UINT CM_STYLECHANGED = CM_BASE + 81;

// The grid cells a style colours, and which of their colours.
enum class TStyleGridCell { Normal, Fixed, Selected };
enum class TStyleElementColor { Fill, Border, Text };

// The style the application paints with. The default is the system's own style,
// "Windows", which styles nothing (no element colours) and reports itself disabled,
// so that the classic painting runs.
class TStyleServices {
public:
    virtual ~TStyleServices() = default;
    virtual bool Enabled() const { return false; }
    virtual std::string Name() const { return "Windows"; }
    // The colour of a part of a grid cell; false when the style gives none.
    virtual bool GetElementColor(TStyleGridCell cell, TStyleElementColor element, gfx::TColor& color) const;
    // Draws the style's element for a grid cell over the rectangle: its fill, framed in its
    // border colour where the style gives one. Nothing is drawn for a colour it lacks.
    virtual void DrawElement(gfx::TCanvas& canvas, TStyleGridCell cell, const rtl::TRect& rect) const;
};

// The active style.
const TStyleServices& StyleServices();
// Makes a style the active one (nullptr: the system's style again) and sends
// CM_STYLECHANGED to every window.
void SetStyleServices(std::unique_ptr<TStyleServices> style);

}  // namespace ui
