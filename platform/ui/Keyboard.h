// Keyboard and pointer state of the user-interface thread: keys held down, cursor position.
#pragma once

#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace ui {

// High bit set (negative) when the key is down; bit 0 toggles with each press.
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);
// Records a key or mouse button going down or up (the input router calls this).
void SetKeyDown(int vk, bool down);
// Forgets every key held down (focus left the program).
void ResetKeyboardState();
// Shift, Ctrl and Alt as the keyboard state has them.
TShiftState CurrentShiftState();

// Cursor position in screen coordinates.
bool GetCursorPos(rtl::TPoint& point);
void SetCursorPosState(const rtl::TPoint& point);

// Double-click time and the size of the box the second click must fall in.
unsigned GetDoubleClickTime();
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
int GetSystemMetrics(int index);

// System settings the controls ask for.
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
constexpr UINT SPI_GETKEYBOARDDELAY = 0x0016;
constexpr UINT SPI_GETKEYBOARDSPEED = 0x000A;
// Writes the setting into *pvParam (an int or unsigned); false for settings not kept.
bool SystemParametersInfo(UINT action, UINT param, void* pvParam, UINT winIni);

}  // namespace ui
