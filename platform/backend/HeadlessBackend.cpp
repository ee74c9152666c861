// The headless backend: off-screen windows, recorded error boxes, and input helpers for tests.
#include "platform/backend/HeadlessBackend.h"

#include <algorithm>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Controls.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/MessageQueue.h"

namespace ui {

namespace {

// Window coordinates of a client point of the control.
rtl::TPoint ToWindow(const TControl* control, int x, int y, TWinControl*& top)
{
    top = control->TopLevelWindow();
    rtl::TPoint screen = control->ClientToScreen({x, y});
    return {screen.X - top->Left(), screen.Y - top->Top()};
}

int ShiftVk(TShiftStateFlag flag)
{
    switch (flag) {
    case ssShift: return VK_SHIFT;
    case ssCtrl: return VK_CONTROL;
    case ssAlt: return VK_MENU;
    default: return 0;
    }
}

}  // namespace

void THeadlessBackend::WindowShown(TWinControl* window)
{
    if (std::find(FShown.begin(), FShown.end(), window) == FShown.end()) FShown.push_back(window);
}

void THeadlessBackend::WindowHidden(TWinControl* window)
{
    FShown.erase(std::remove(FShown.begin(), FShown.end(), window), FShown.end());
}

void THeadlessBackend::WindowDestroyed(TWinControl* window)
{
    WindowHidden(window);
}

void THeadlessBackend::WaitEvents(int timeoutMs)
{
    TMessageQueue::Instance().WaitForWork(timeoutMs);
}

void THeadlessBackend::ShowErrorBox(const std::string& title, const std::string& text)
{
    FErrorBoxes.push_back({title, text});
}

std::vector<std::string> THeadlessBackend::ErrorTexts() const
{
    std::vector<std::string> texts;
    for (const TErrorBox& box : FErrorBoxes) texts.push_back(box.Text);
    return texts;
}

void THeadlessBackend::MouseDown(TControl* control, int x, int y, TMouseButton button)
{
    TWinControl* top = nullptr;
    rtl::TPoint p = ToWindow(control, x, y, top);
    TInputRouter::MouseMove(top, p.X, p.Y);
    TInputRouter::MouseButton(top, button, true, p.X, p.Y);
}

void THeadlessBackend::MouseUp(TControl* control, int x, int y, TMouseButton button)
{
    TWinControl* top = nullptr;
    rtl::TPoint p = ToWindow(control, x, y, top);
    TInputRouter::MouseButton(top, button, false, p.X, p.Y);
}

void THeadlessBackend::MouseMove(TControl* control, int x, int y)
{
    TWinControl* top = nullptr;
    rtl::TPoint p = ToWindow(control, x, y, top);
    TInputRouter::MouseMove(top, p.X, p.Y);
}

void THeadlessBackend::Click(TControl* control, int x, int y)
{
    MouseDown(control, x, y);
    MouseUp(control, x, y);
}

void THeadlessBackend::Wheel(TControl* control, int delta, int x, int y)
{
    TWinControl* top = nullptr;
    rtl::TPoint p = ToWindow(control, x, y, top);
    TInputRouter::MouseWheel(top, delta, p.X, p.Y);
}

void THeadlessBackend::KeyDown(int vk)
{
    TInputRouter::Key(vk, true);
}

void THeadlessBackend::KeyUp(int vk)
{
    TInputRouter::Key(vk, false);
}

void THeadlessBackend::PressKey(int vk, TShiftState shift)
{
    for (TShiftStateFlag f : {ssShift, ssCtrl, ssAlt}) {
        if (shift & f) TInputRouter::Key(ShiftVk(f), true);
    }
    TInputRouter::Key(vk, true);
    TInputRouter::Key(vk, false);
    for (TShiftStateFlag f : {ssAlt, ssCtrl, ssShift}) {
        if (shift & f) TInputRouter::Key(ShiftVk(f), false);
    }
}

void THeadlessBackend::TypeText(const std::string& utf8)
{
    size_t pos = 0;
    while (pos < utf8.size()) TInputRouter::Char(rtl::Utf8NextChar(utf8, pos));
}

std::int32_t THeadlessBackend::Pixel(const TControl* control, int x, int y)
{
    TWinControl* top = nullptr;
    rtl::TPoint p = ToWindow(control, x, y, top);
    return top->WindowPixel(p.X, p.Y);
}

}  // namespace ui
