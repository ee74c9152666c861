// Events that threads wait on: set and reset, manual or automatic reset, waiting on one of several.
#pragma once

#include <memory>
#include <vector>

namespace rtl {

// Waits without a time limit.
constexpr int INFINITE = -1;

enum class TWaitResult { wrSignaled, wrTimeout };

// A signalled-or-not flag that threads wait on. Copies share one event, as duplicated
// handles do, so an event handed to a watch stays valid while anyone holds a copy.
// Events live in this process only: there are no names through which another program
// could reach them.
class TEvent {
public:
    // A manual-reset event stays signalled until ResetEvent; an automatic-reset event is
    // reset by the one wait it ends.
    explicit TEvent(bool manualReset = true, bool initialState = false);

    void SetEvent();
    void ResetEvent();
    bool IsSet() const;
    // Waits up to timeoutMs milliseconds (INFINITE: no limit).
    TWaitResult WaitFor(int timeoutMs = INFINITE);

    friend bool operator==(const TEvent& a, const TEvent& b) { return a.FState == b.FState; }

private:
    friend int WaitForAnyEvent(const std::vector<TEvent*>& events, int timeoutMs);
    struct TState;
    std::shared_ptr<TState> FState;
};

// Waits until one of the events is signalled and returns the index of the first
// signalled one (its automatic reset, if any, is done); -1 when timeoutMs passed first.
int WaitForAnyEvent(const std::vector<TEvent*>& events, int timeoutMs = INFINITE);

}  // namespace rtl
