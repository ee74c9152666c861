// The interface a window backend implements: top-level windows, events, error boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/ui/ScreenModel.h"

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
    // True when nobody looks at the windows: their images are painted only when their
    // pixels are read, not at each turn of the message loop.
    virtual bool PaintsOnDemand() const { return false; }

    // Turns pending platform events into input; true when any was handled.
    virtual bool PumpEvents() = 0;
    // Waits for a platform event or a wake-up, at most timeoutMs milliseconds.
    virtual void WaitEvents(int timeoutMs) = 0;

    virtual rtl::TSize ScreenSize() const = 0;
    // The standard error box: title and message text, one OK button.
    virtual void ShowErrorBox(const std::string& title, const std::string& text) = 0;
    // The mouse cursor shape (a TCursor value).
    virtual void SetCursorShape(int /*cursor*/) {}

    // What the desktop tells of its screens: the monitors (none known: one screen of
    // ScreenSize) and the pixels per inch (0 when not known).
    virtual std::vector<TMonitorInfo> Monitors() const { return {}; }
    virtual int PixelsPerInch() const { return 0; }
    // The desktop clipboard, when the backend has one: its text is set and read through here.
    virtual bool HasDesktopClipboard() const { return false; }
    virtual void SetDesktopClipboardText(const std::string& /*text*/) {}
    virtual std::optional<std::string> DesktopClipboardText() const { return std::nullopt; }
};

}  // namespace ui
