// A few threads that transform a batch of independent items in slices.
#include "platform/rtl/BatchWorkers.h"

#include <algorithm>

namespace rtl {

int TBatchWorkers::SuitableCount(int limit)
{
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(processors - 1, 0, std::max(limit, 0));
}

TBatchWorkers::TBatchWorkers(int workers)
{
    FThreads.reserve(static_cast<std::size_t>(std::max(workers, 0)));
    for (int w = 0; w < workers; ++w) FThreads.emplace_back([this, w] { Run(w); });
}

TBatchWorkers::~TBatchWorkers()
{
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FDone.wait(lock, [this] { return FRemaining == 0; });
        FStop = true;
    }
    FWork.notify_all();
    for (std::thread& t : FThreads) t.join();
}

int TBatchWorkers::Slices() const { return FThreads.empty() ? 1 : static_cast<int>(FThreads.size()); }

void TBatchWorkers::Start(std::size_t count, TJob job)
{
    if (FThreads.empty()) {
        try {
            job(0, 0, count);
        } catch (...) {
            FFailure = std::current_exception();
        }
        return;
    }
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FDone.wait(lock, [this] { return FRemaining == 0; });
        FJob = std::move(job);
        FCount = count;
        FRemaining = static_cast<int>(FThreads.size());
        ++FGeneration;
    }
    FWork.notify_all();
}

void TBatchWorkers::Wait()
{
    std::exception_ptr failure;
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FDone.wait(lock, [this] { return FRemaining == 0; });
        std::swap(failure, FFailure);
    }
    if (failure) std::rethrow_exception(failure);
}

void TBatchWorkers::Run(int worker)
{
    unsigned long long seen = 0;
    for (;;) {
        std::size_t begin = 0;
        std::size_t end = 0;
        {
            std::unique_lock<std::mutex> lock(FMutex);
            FWork.wait(lock, [&] { return FStop || FGeneration != seen; });
            if (FStop) return;
            seen = FGeneration;
            const std::size_t slices = FThreads.size();
            const auto w = static_cast<std::size_t>(worker);
            begin = FCount * w / slices;
            end = FCount * (w + 1) / slices;
        }
        std::exception_ptr failure;
        if (begin < end) {
            try {
                FJob(worker, begin, end);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        {
            std::lock_guard<std::mutex> lock(FMutex);
            if (failure && !FFailure) FFailure = failure;
            if (--FRemaining == 0) FDone.notify_all();
        }
    }
}

}  // namespace rtl
