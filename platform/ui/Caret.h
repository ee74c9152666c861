// The caret: one per thread, owned by a window, drawn by the window inverting its pixels.
#pragma once

#include <cstdint>

#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace ui {

class TWinControl;

// Creates the thread's caret for the window (replacing any other); hidden until ShowCaret.
bool CreateCaret(HWND hwnd, void* bitmap, int width, int height);
bool DestroyCaret();
// Position in the owner's client coordinates.
bool SetCaretPos(int x, int y);
bool GetCaretPos(rtl::TPoint& point);
// Hide and show nest: the caret is drawn while ShowCaret calls outnumber HideCaret calls.
bool ShowCaret(HWND hwnd);
bool HideCaret(HWND hwnd);
unsigned GetCaretBlinkTime();

// State of the caret for the window layer and tests.
struct TCaretState {
    HWND Owner = 0;
    rtl::TRect Rect;      // client coordinates of the owner
    int HideLevel = 1;    // 0 = shown
    bool BlinkOn = true;  // phase of the blinking
    bool Drawn = false;   // currently inverted in the window image
};
const TCaretState& CaretState();

// Window layer hooks: take the caret off the image before painting, put it back after,
// and flip the blink phase when its time has come (true when it flipped).
void CaretBeforePaint(TWinControl* topLevel);
void CaretAfterPaint(TWinControl* topLevel);
bool CaretBlinkTick();
// Clock time of the next blink, or -1 when the caret does not blink now.
std::int64_t CaretNextBlinkDue();
void CaretWindowDestroyed(HWND hwnd);
void CaretSurfaceGone(TWinControl* topLevel);

}  // namespace ui
