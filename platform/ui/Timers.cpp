// Window timers on the monotonic clock, and TTimer.
#include "platform/ui/Timers.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Clock.h"
#include "platform/ui/Controls.h"

namespace ui {

namespace {

struct TTimerEntry {
    HWND Window = 0;
    UINT_PTR Id = 0;
    unsigned Elapse = 0;
    std::int64_t Due = 0;
    TIMERPROC Proc;
    std::uint64_t Serial = 0;  // tells a restarted timer from the one it replaced
};

std::vector<TTimerEntry> Timers;
UINT_PTR NextFreeId = 0x7F00;
std::uint64_t NextSerial = 1;

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, unsigned elapseMs, TIMERPROC proc)
{
    if (hwnd != 0 && !IsWindow(hwnd)) return 0;
    if (hwnd == 0) id = ++NextFreeId;
    elapseMs = std::max(10u, elapseMs);
    auto it = std::find_if(Timers.begin(), Timers.end(),
                           [&](const TTimerEntry& t) { return t.Window == hwnd && t.Id == id; });
    TTimerEntry entry{hwnd, id, elapseMs, GetTickCount64() + elapseMs, std::move(proc), NextSerial++};
    if (it != Timers.end()) {
        *it = std::move(entry);
    } else {
        Timers.push_back(std::move(entry));
    }
    return id;
}

bool KillTimer(HWND hwnd, UINT_PTR id)
{
    auto it = std::find_if(Timers.begin(), Timers.end(),
                           [&](const TTimerEntry& t) { return t.Window == hwnd && t.Id == id; });
    if (it == Timers.end()) return false;
    Timers.erase(it);
    return true;
}

bool DispatchDueTimers()
{
    std::int64_t now = GetTickCount64();
    std::vector<std::uint64_t> due;
    for (const TTimerEntry& t : Timers) {
        if (t.Due <= now) due.push_back(t.Serial);
    }
    bool fired = false;
    for (std::uint64_t serial : due) {
        // Look the timer up again: an earlier handler may have killed or restarted it.
        auto it = std::find_if(Timers.begin(), Timers.end(),
                               [serial](const TTimerEntry& t) { return t.Serial == serial; });
        if (it == Timers.end()) continue;
        if (it->Window != 0 && !IsWindow(it->Window)) {
            Timers.erase(it);
            continue;
        }
        it->Due = now + it->Elapse;
        HWND hwnd = it->Window;
        UINT_PTR id = it->Id;
        TIMERPROC proc = it->Proc;
        fired = true;
        if (proc) {
            proc(hwnd, WM_TIMER, id, static_cast<unsigned>(now));
        } else if (TWinControl* c = TWinControl::FindControl(hwnd)) {
            c->Perform(WM_TIMER, id, 0);
        }
    }
    return fired;
}

std::int64_t NextTimerDue()
{
    std::int64_t next = -1;
    for (const TTimerEntry& t : Timers) {
        if (next < 0 || t.Due < next) next = t.Due;
    }
    return next;
}

void KillAllTimers()
{
    Timers.clear();
}

int ActiveTimerCount()
{
    return static_cast<int>(Timers.size());
}

TTimer::TTimer(rtl::TComponent* AOwner) : rtl::TComponent(AOwner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    if (FTimerId != 0) KillTimer(0, FTimerId);
}

void TTimer::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (FInterval == value) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::Loaded()
{
    rtl::TComponent::Loaded();
    UpdateTimer();
}

// The timer runs only while enabled, with an interval and a handler, as the class library's does.
void TTimer::UpdateTimer()
{
    if (FTimerId != 0) {
        KillTimer(0, FTimerId);
        FTimerId = 0;
    }
    if (!FEnabled || FInterval == 0 || HasState(rtl::csLoading)) return;
    FTimerId = SetTimer(0, 0, FInterval, [this](HWND, UINT, UINT_PTR, unsigned) {
        if (OnTimer) OnTimer(this);
    });
}

}  // namespace ui
