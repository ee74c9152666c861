// Turns input (from a backend or a test) into messages to the right control: focus,
// mouse capture, hit testing, double clicks, enter/leave, key translation.
#pragma once

#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace ui {

class TControl;
class TWinControl;

class TInputRouter {
public:
    // --- state ---
    static TWinControl* Focus();
    // Moves the keyboard focus: WM_KILLFOCUS to the old window, WM_SETFOCUS to the new one.
    static void ChangeFocus(TWinControl* control);
    static TControl* Capture();
    static void SetCapture(TControl* control);
    static TControl* Hovered();
    // Forgets a control that is being destroyed.
    static void ControlDestroyed(TControl* control);
    // Forgets everything (a new application starts).
    static void Reset();

    // --- input; coordinates are window coordinates of the top-level window ---
    static void MouseButton(TWinControl* top, TMouseButton button, bool down, int x, int y);
    static void MouseMove(TWinControl* top, int x, int y);
    static void MouseWheel(TWinControl* top, int delta, int x, int y);
    static void MouseLeftWindow(TWinControl* top);
    // A key goes down or up. Key-down of Return, Escape, Backspace, Tab and Ctrl+letter
    // also produces its control character, unless it was taken as a dialog key.
    static void Key(int vk, bool down);
    // A typed character (from text input).
    static void Char(char32_t ch);
    static void WindowActivated(TWinControl* top);
    static void CloseRequested(TWinControl* top);

    // Shows the cursor of the control under the mouse again (the screen cursor changed).
    static void RefreshCursor();

    // The control under a window point of a top-level window (deepest enabled one).
    static TControl* HitTest(TWinControl* top, const rtl::TPoint& screenPoint);
};

}  // namespace ui
