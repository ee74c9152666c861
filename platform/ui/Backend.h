// The interface a window backend implements: top-level windows, events, error boxes.
#pragma once

#include <string>

#include "platform/rtl/Types.h"

namespace ui {

class TWinControl;

class TBackend {
public:
    virtual ~TBackend() = default;
    virtual std::string Name() const = 0;

    // A top-level window became visible, was hidden, is being destroyed, or changed its
    // bounds or caption.
    virtual void WindowShown(TWinControl* window) = 0;
    virtual void WindowHidden(TWinControl* window) = 0;
    virtual void WindowDestroyed(TWinControl* window) = 0;
    virtual void WindowChanged(TWinControl* window) = 0;
    // The window's image changed inside `rect` (window coordinates).
    virtual void Present(TWinControl* window, const rtl::TRect& rect) = 0;

    // Turns pending platform events into input; true when any was handled.
    virtual bool PumpEvents() = 0;
    // Waits for a platform event or a wake-up, at most timeoutMs milliseconds.
    virtual void WaitEvents(int timeoutMs) = 0;

    virtual rtl::TSize ScreenSize() const = 0;
    // The standard error box: title and message text, one OK button.
    virtual void ShowErrorBox(const std::string& title, const std::string& text) = 0;
    // The mouse cursor shape (a TCursor value).
    virtual void SetCursorShape(int /*cursor*/) {}
};

}  // namespace ui
