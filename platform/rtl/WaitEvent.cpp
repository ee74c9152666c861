// Events that threads wait on, built on one process-wide lock and condition variable.
#include "platform/rtl/WaitEvent.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace rtl {

struct TEvent::TState {
    bool ManualReset = true;
    bool Signaled = false;
};

namespace {

// All events share one lock and one condition variable: a wait on several events then
// needs no per-event bookkeeping, and events are set rarely enough for the shared
// wake-up to cost nothing that matters.
std::mutex& EventLock()
{
    static std::mutex lock;
    return lock;
}

std::condition_variable& EventChanged()
{
    static std::condition_variable changed;
    return changed;
}

}  // namespace

TEvent::TEvent(bool manualReset, bool initialState) : FState(std::make_shared<TState>())
{
    FState->ManualReset = manualReset;
    FState->Signaled = initialState;
}

void TEvent::SetEvent()
{
    {
        std::lock_guard<std::mutex> guard(EventLock());
        FState->Signaled = true;
    }
    EventChanged().notify_all();
}

void TEvent::ResetEvent()
{
    std::lock_guard<std::mutex> guard(EventLock());
    FState->Signaled = false;
}

bool TEvent::IsSet() const
{
    std::lock_guard<std::mutex> guard(EventLock());
    return FState->Signaled;
}

TWaitResult TEvent::WaitFor(int timeoutMs)
{
    return WaitForAnyEvent({this}, timeoutMs) == 0 ? TWaitResult::wrSignaled : TWaitResult::wrTimeout;
}

int WaitForAnyEvent(const std::vector<TEvent*>& events, int timeoutMs)
{
    int found = -1;
    auto anySignaled = [&events, &found] {
        for (size_t i = 0; i < events.size(); ++i)
            if (events[i]->FState->Signaled) {
                found = static_cast<int>(i);
                return true;
            }
        return false;
    };
    std::unique_lock<std::mutex> lock(EventLock());
    if (timeoutMs < 0)
        EventChanged().wait(lock, anySignaled);
    else if (!EventChanged().wait_for(lock, std::chrono::milliseconds(timeoutMs), anySignaled))
        return -1;
    TEvent::TState& state = *events[found]->FState;
    if (!state.ManualReset) state.Signaled = false;
    return found;
}

}  // namespace rtl
