// Per-thread call-window-procedure hook chains.
#include "platform/ui/MessageHooks.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace ui {

namespace {

struct THookEntry {
    HHOOK Handle;
    HOOKPROC Proc;
};

thread_local std::vector<THookEntry> ThreadHooks;  // newest last
std::atomic<HHOOK> NextHookHandle{1};

}  // namespace

unsigned GetCurrentThreadId()
{
    return static_cast<unsigned>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
}

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void* /*module*/, unsigned /*threadId*/)
{
    if (idHook != WH_CALLWNDPROC || !proc) return 0;
    HHOOK h = NextHookHandle++;
    ThreadHooks.push_back({h, std::move(proc)});
    return h;
}

bool UnhookWindowsHookEx(HHOOK hook)
{
    auto it = std::find_if(ThreadHooks.begin(), ThreadHooks.end(),
                           [hook](const THookEntry& e) { return e.Handle == hook; });
    if (it == ThreadHooks.end()) return false;
    ThreadHooks.erase(it);
    return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    // The chain runs from the newest hook to the oldest: the next one is the one installed before.
    auto it = std::find_if(ThreadHooks.begin(), ThreadHooks.end(),
                           [hook](const THookEntry& e) { return e.Handle == hook; });
    if (it == ThreadHooks.end() || it == ThreadHooks.begin()) return 0;
    HOOKPROC next = std::prev(it)->Proc;  // copy: the hook may unhook itself
    return next(code, wParam, lParam);
}

void CallWndProcHooks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool sentByThisThread)
{
    if (ThreadHooks.empty()) return;
    CWPSTRUCT cwp{lParam, wParam, message, hwnd};
    HOOKPROC first = ThreadHooks.back().Proc;
    first(HC_ACTION, sentByThisThread ? 1 : 0, reinterpret_cast<LPARAM>(&cwp));
}

}  // namespace ui
