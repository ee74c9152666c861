// The headless backend: top-level windows live as off-screen images; tests drive them with
// real input (mouse, keys, characters) and read their pixels back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"

namespace ui {

class TControl;

class THeadlessBackend : public TBackend {
public:
    explicit THeadlessBackend(rtl::TSize screen = {1280, 1024}) : FScreen(screen) {}
    std::string Name() const override { return "headless"; }

    void WindowShown(TWinControl* window) override;
    void WindowHidden(TWinControl* window) override;
    void WindowDestroyed(TWinControl* window) override;
    void WindowChanged(TWinControl*) override {}
    void Present(TWinControl*, const rtl::TRect&) override { ++FPresentCount; }
    bool PumpEvents() override { return false; }
    void WaitEvents(int timeoutMs) override;
    rtl::TSize ScreenSize() const override { return FScreen; }
    void ShowErrorBox(const std::string& title, const std::string& text) override;
    void SetCursorShape(int cursor) override { FCursor = cursor; }
    bool PaintsOnDemand() const override { return FPaintOnDemand; }
    // A run that never shows its windows paints them only when their pixels are read.
    void SetPaintOnDemand(bool value) { FPaintOnDemand = value; }

    // --- what the windows showed ---
    struct TErrorBox {
        std::string Title;
        std::string Text;
    };
    const std::vector<TErrorBox>& ErrorBoxes() const { return FErrorBoxes; }
    std::vector<std::string> ErrorTexts() const;
    const std::vector<TWinControl*>& ShownWindows() const { return FShown; }
    int PresentCount() const { return FPresentCount; }
    // The cursor shape last asked for (a TCursor value).
    int CursorShape() const { return FCursor; }

    // --- input, in the control's client coordinates; each goes through the same routing
    //     as real platform events (focus, capture, hit testing) ---
    static void MouseDown(TControl* control, int x, int y, TMouseButton button = mbLeft);
    static void MouseUp(TControl* control, int x, int y, TMouseButton button = mbLeft);
    static void MouseMove(TControl* control, int x, int y);
    static void Click(TControl* control, int x, int y);
    static void Wheel(TControl* control, int delta, int x, int y);
    static void KeyDown(int vk);
    static void KeyUp(int vk);
    // Key down then up; for Return, Tab, Escape and Backspace the control character follows the down.
    static void PressKey(int vk, TShiftState shift = 0);
    // Characters as text input produces them.
    static void TypeText(const std::string& utf8);
    // The pixel at a point of the control's client area, read from its window's image.
    static std::int32_t Pixel(const TControl* control, int x, int y);

private:
    rtl::TSize FScreen;
    std::vector<TErrorBox> FErrorBoxes;
    std::vector<TWinControl*> FShown;
    int FPresentCount = 0;
    int FCursor = 0;
    bool FPaintOnDemand = false;
};

}  // namespace ui
