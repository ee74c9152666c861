// Per-thread call-window-procedure hooks: functions that see every message sent to a window.
#pragma once

#include <functional>

#include "platform/ui/Messages.h"

namespace ui {

// What a WH_CALLWNDPROC hook is shown: the message about to reach the window procedure.
struct CWPSTRUCT {
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = 0;
};

using HHOOK = std::intptr_t;
constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;

// A hook procedure: code (HC_ACTION), wParam non-zero when sent by the current thread,
// lParam the address of a CWPSTRUCT. It should pass the call on with CallNextHookEx.
using HOOKPROC = std::function<LRESULT(int code, WPARAM wParam, LPARAM lParam)>;

// Installs a hook for the calling thread (threadId is accepted for the platform's call
// shape; hooks always belong to the calling thread). Only WH_CALLWNDPROC is supported;
// other kinds return 0. The newest hook is called first.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void* module, unsigned threadId);
bool UnhookWindowsHookEx(HHOOK hook);
// Calls the hook after `hook` in the calling thread's chain; 0 at the end of the chain.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// Runs the calling thread's chain for a message about to be delivered by SendMessage.
void CallWndProcHooks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool sentByThisThread);

unsigned GetCurrentThreadId();

}  // namespace ui
