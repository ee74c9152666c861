// The monotonic clock: the system's steady clock unless a test installed its own.
#include "platform/ui/Clock.h"

#include <atomic>
#include <chrono>

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

}  // namespace ui
