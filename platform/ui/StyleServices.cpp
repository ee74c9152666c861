// Visual style services: the active style and the notification of every window when it changes.
#include "platform/ui/StyleServices.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/Controls.h"

namespace ui {

namespace {

std::unique_ptr<TStyleServices>& ActiveStyle()
{
    static std::unique_ptr<TStyleServices> style = std::make_unique<TStyleServices>();
    return style;
}

// Windows are notified parent first; a handler may add or remove children, so the list
// of children is taken before it runs and each child is looked up again by its handle.
void NotifyStyleChanged(HWND handle)
{
    TWinControl* control = TWinControl::FindControl(handle);
    if (control == nullptr) return;
    control->Perform(CM_STYLECHANGED, 0, 0);
    std::vector<HWND> children;
    for (int i = 0; i < control->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) children.push_back(child->Handle());
    for (HWND child : children) NotifyStyleChanged(child);
}

}  // namespace

bool TStyleServices::GetElementColor(TStyleGridCell, TStyleElementColor, gfx::TColor&) const { return false; }

void TStyleServices::DrawElement(gfx::TCanvas& canvas, TStyleGridCell cell, const rtl::TRect& rect) const
{
    if (rtl::IsRectEmpty(rect)) return;
    const gfx::TColor savedBrush = canvas.Brush().Color();
    const gfx::TBrushStyle savedStyle = canvas.Brush().Style();
    canvas.Brush().SetStyle(gfx::bsSolid);
    gfx::TColor color = 0;
    if (GetElementColor(cell, TStyleElementColor::Fill, color) && color != gfx::clNone) {
        canvas.Brush().SetColor(color);
        canvas.FillRect(rect);
    }
    if (GetElementColor(cell, TStyleElementColor::Border, color) && color != gfx::clNone) {
        canvas.Brush().SetColor(color);
        canvas.FrameRect(rect);
    }
    canvas.Brush().SetColor(savedBrush);
    canvas.Brush().SetStyle(savedStyle);
}

const TStyleServices& StyleServices() { return *ActiveStyle(); }

void SetStyleServices(std::unique_ptr<TStyleServices> style)
{
    ActiveStyle() = style != nullptr ? std::move(style) : std::make_unique<TStyleServices>();
    std::vector<HWND> windows;
    for (TWinControl* top : TWinControl::TopLevelWindows()) windows.push_back(top->Handle());
    for (HWND handle : windows) NotifyStyleChanged(handle);
}

}  // namespace ui
