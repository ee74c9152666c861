// Window timers on the monotonic clock (SetTimer / KillTimer) and the TTimer component.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/rtl/Component.h"
#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"

namespace ui {

using UINT_PTR = std::uintptr_t;
// Called instead of WM_TIMER when given: window, WM_TIMER, timer id, clock time (ms).
using TIMERPROC = std::function<void(HWND hwnd, UINT msg, UINT_PTR id, unsigned time)>;

// Starts (or restarts, for the same window and id) a timer that fires every elapseMs
// milliseconds of the monotonic clock. Without a window the id is chosen and returned.
// Returns 0 when the window does not exist.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, unsigned elapseMs, TIMERPROC proc = nullptr);
bool KillTimer(HWND hwnd, UINT_PTR id);

// Message-loop side: delivers WM_TIMER (or calls the procedure) once for each timer whose
// time has come. A late timer fires once, not once per missed period. True when any fired.
bool DispatchDueTimers();
// Clock time of the earliest timer, or -1 without timers.
std::int64_t NextTimerDue();
// Drops every timer (a new application starts).
void KillAllTimers();
int ActiveTimerCount();

// A component that calls OnTimer every Interval milliseconds while Enabled.
class TTimer : public rtl::TComponent {
public:
    explicit TTimer(rtl::TComponent* AOwner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    void Loaded() override;

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    bool FEnabled = true;
    unsigned FInterval = 1000;
    UINT_PTR FTimerId = 0;
};

}  // namespace ui
