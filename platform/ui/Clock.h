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

// The local date and time that "today" and live clocks show: the system's unless a test
// installed its own.
class TLocalTimeSource {
public:
    virtual ~TLocalTimeSource() = default;
    // Days since 1899-12-30 plus the fraction of the day.
    virtual double Now() const = 0;
};

// A local time that only changes when told to.
class TManualLocalTime : public TLocalTimeSource {
public:
    explicit TManualLocalTime(double now) : FNow(now) {}
    double Now() const override { return FNow; }
    void Set(double now) { FNow = now; }

private:
    double FNow;
};

// Installs the local time source (not owned); nullptr restores the system's local time.
void SetLocalTimeSource(TLocalTimeSource* source);
double LocalNow();
// Midnight of LocalNow().
double LocalToday();

// Blocking pauses on the user-interface thread; tests install one that only records them.
class TSleeper {
public:
    virtual ~TSleeper() = default;
    virtual void SleepMs(int ms) = 0;
};

// Installs the sleeper (not owned); nullptr restores real sleeping.
void SetSleeper(TSleeper* sleeper);
void SleepMs(int ms);

}  // namespace ui
