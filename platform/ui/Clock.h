// The monotonic clock that timers, double-click and caret blinking run on; tests replace it.
#pragma once

#include <cstdint>

namespace ui {

class TMonotonicClock {
public:
    virtual ~TMonotonicClock() = default;
    // Milliseconds since some fixed start; never goes backwards.
    virtual std::int64_t NowMs() const = 0;
};

// A clock that only moves when told to: tests advance it instead of sleeping.
class TManualClock : public TMonotonicClock {
public:
    explicit TManualClock(std::int64_t startMs = 1000) : FNow(startMs) {}
    std::int64_t NowMs() const override { return FNow; }
    void Advance(std::int64_t ms) { FNow += ms; }

private:
    std::int64_t FNow;
};

// Installs the clock everything reads (not owned); nullptr restores the system's steady clock.
void SetMonotonicClock(TMonotonicClock* clock);
// True while a replacement clock is installed (waits then never sleep on real time).
bool MonotonicClockReplaced();

std::int64_t GetTickCount64();
unsigned GetTickCount();

}  // namespace ui
