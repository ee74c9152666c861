// The monotonic clock: the system's steady clock unless a test installed its own.
#include "platform/ui/Clock.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/rtl/DateTime.h"

namespace ui {

namespace {

class TSteadyClock : public TMonotonicClock {
public:
    std::int64_t NowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

TSteadyClock SteadyClock;
std::atomic<TMonotonicClock*> CurrentClock{nullptr};
std::atomic<TLocalTimeSource*> CurrentLocalTime{nullptr};
std::atomic<TSleeper*> CurrentSleeper{nullptr};

}  // namespace

void SetMonotonicClock(TMonotonicClock* clock)
{
    CurrentClock.store(clock);
}

bool MonotonicClockReplaced()
{
    return CurrentClock.load() != nullptr;
}

std::int64_t GetTickCount64()
{
    TMonotonicClock* c = CurrentClock.load();
    return c != nullptr ? c->NowMs() : SteadyClock.NowMs();
}

unsigned GetTickCount()
{
    return static_cast<unsigned>(GetTickCount64());
}

void SetLocalTimeSource(TLocalTimeSource* source)
{
    CurrentLocalTime.store(source);
}

double LocalNow()
{
    TLocalTimeSource* source = CurrentLocalTime.load();
    return source != nullptr ? source->Now() : rtl::Now();
}

double LocalToday()
{
    return std::floor(LocalNow());
}

void SetSleeper(TSleeper* sleeper)
{
    CurrentSleeper.store(sleeper);
}

void SleepMs(int ms)
{
    if (TSleeper* sleeper = CurrentSleeper.load()) {
        sleeper->SleepMs(ms);
        return;
    }
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace ui
