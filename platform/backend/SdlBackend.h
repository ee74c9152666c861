// The SDL2 backend: one real window per top-level form or pop-up; images blitted to them,
// SDL events turned into input (keys with virtual-key codes, text, mouse, wheel, focus, close).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Cursors.h"

struct SDL_Cursor;
struct SDL_Window;
union SDL_Event;

namespace ui {

class TSdlBackend : public TBackend {
public:
    // Opens the video subsystem; raises rtl::EOSError with a clear message when there is no display.
    TSdlBackend();
    ~TSdlBackend() override;
    std::string Name() const override { return "sdl"; }

    void WindowShown(TWinControl* window) override;
    void WindowHidden(TWinControl* window) override;
    void WindowDestroyed(TWinControl* window) override;
    void WindowChanged(TWinControl* window) override;
    void Present(TWinControl* window, const rtl::TRect& rect) override;
    bool PumpEvents() override;
    void WaitEvents(int timeoutMs) override;
    rtl::TSize ScreenSize() const override;
    void ShowErrorBox(const std::string& title, const std::string& text) override;
    void SetCursorShape(int cursor) override;
    std::vector<TMonitorInfo> Monitors() const override;
    int PixelsPerInch() const override;
    bool HasDesktopClipboard() const override;
    void SetDesktopClipboardText(const std::string& text) override;
    std::optional<std::string> DesktopClipboardText() const override;

    // The SDL cursor made for one of the program's own cursors (nullptr when none was made).
    SDL_Cursor* CustomSdlCursor(const TCursorImage* cursor) const;

    // The SDL window id of a shown top-level window (0 when it has none); for tests that push events.
    std::uint32_t WindowId(const TWinControl* window) const;
    SDL_Window* SdlWindow(const TWinControl* window) const;

private:
    void HandleEvent(const SDL_Event& event);
    TWinControl* WindowOf(std::uint32_t windowId) const;

    std::map<const TWinControl*, SDL_Window*> FWindows;
    std::uint32_t FWakeEvent = 0;
    // Files of a desktop drop that is still arriving (one event per file).
    std::vector<std::string> FDroppedFiles;
    int FCursor = 0;
    // The program's own cursors made so far, kept alive with the picture they were made from.
    struct TCustomCursor {
        HCURSOR Image;
        SDL_Cursor* Cursor = nullptr;
    };
    std::map<const TCursorImage*, TCustomCursor> FCustomCursors;
    // The system cursors made so far; they go with this backend's video subsystem.
    std::map<int, SDL_Cursor*> FSystemCursors;
    const TCursorImage* FShownCustom = nullptr;
    SDL_Cursor* MakeCustomCursor(const HCURSOR& image);
};

// The Windows virtual-key code of an SDL key (0 when there is none).
int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace ui
