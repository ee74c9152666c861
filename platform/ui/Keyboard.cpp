// Keyboard and pointer state of the user-interface thread.
#include "platform/ui/Keyboard.h"

#include <array>

#include "platform/ui/Forms.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Events.h"

namespace ui {

namespace {

std::array<unsigned char, 256> KeyStates{};  // bit 7: down, bit 0: toggled
rtl::TPoint CursorPos;

}  // namespace

short GetKeyState(int vk)
{
    if (vk < 0 || vk > 255) return 0;
    unsigned char s = KeyStates[static_cast<size_t>(vk)];
    return static_cast<short>(((s & 0x80) ? 0x8000 : 0) | (s & 1));
}

short GetAsyncKeyState(int vk)
{
    return GetKeyState(vk);
}

void SetKeyDown(int vk, bool down)
{
    if (vk < 0 || vk > 255) return;
    unsigned char& s = KeyStates[static_cast<size_t>(vk)];
    if (down) {
        if (!(s & 0x80)) s ^= 1;
        s |= 0x80;
    } else {
        s &= 0x7F;
    }
    // The generic modifier keys follow their left and right keys.
    auto both = [](int l, int r) {
        return ((KeyStates[static_cast<size_t>(l)] | KeyStates[static_cast<size_t>(r)]) & 0x80) != 0;
    };
    auto setGeneric = [](int g, bool d) {
        unsigned char& gs = KeyStates[static_cast<size_t>(g)];
        gs = static_cast<unsigned char>(d ? (gs | 0x80) : (gs & 0x7F));
    };
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) setGeneric(VK_SHIFT, both(VK_LSHIFT, VK_RSHIFT));
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) setGeneric(VK_CONTROL, both(VK_LCONTROL, VK_RCONTROL));
    if (vk == VK_LMENU || vk == VK_RMENU) setGeneric(VK_MENU, both(VK_LMENU, VK_RMENU));
}

void ResetKeyboardState()
{
    for (auto& s : KeyStates) s &= 1;
}

TShiftState CurrentShiftState()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState s = CurrentShiftState();
    if (keyData & AltMask) s |= ssAlt;
    return s;
}

bool GetCursorPos(rtl::TPoint& point)
{
    point = CursorPos;
    return true;
}

void SetCursorPosState(const rtl::TPoint& point)
{
    CursorPos = point;
}

unsigned GetDoubleClickTime()
{
    return 500;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        rtl::TSize size{1280, 1024};
        if (TApplication* app = Application(); app != nullptr && app->HasBackend())
            size = app->Backend().ScreenSize();
        return index == SM_CXSCREEN ? size.cx : size.cy;
    }
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHTHUMB:
    case SM_CYVTHUMB:
        return 17;
    case SM_CYCAPTION:
        return 23;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    default:
        return 0;
    }
}

bool SystemParametersInfo(UINT action, UINT /*param*/, void* pvParam, UINT /*winIni*/)
{
    if (pvParam == nullptr) return false;
    switch (action) {
    case SPI_GETWHEELSCROLLLINES: *static_cast<unsigned*>(pvParam) = 3; return true;
    case SPI_GETKEYBOARDDELAY: *static_cast<int*>(pvParam) = 1; return true;
    case SPI_GETKEYBOARDSPEED: *static_cast<int*>(pvParam) = 31; return true;
    default: return false;
    }
}

}  // namespace ui
