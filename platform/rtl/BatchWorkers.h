// A few threads that transform a batch of independent items in slices while
// the caller prepares the next batch.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace rtl {

// Start hands a job over [0, count) to the workers, one contiguous slice each,
// and returns at once; Wait blocks until every slice is done. A job that
// throws on a worker is raised by Wait (the first failure; the other slices
// still finish). With no worker threads (a single processor) Start runs the
// whole job on the calling thread.
class TBatchWorkers {
public:
    // job(worker, begin, end): worker is the slice's worker index, so that a job
    // can keep one scratch object per worker.
    using TJob = std::function<void(int worker, std::size_t begin, std::size_t end)>;

    // The workers a batch job is worth on this machine: the processors less
    // the caller's own, at least 0 and at most `limit`.
    static int SuitableCount(int limit);

    explicit TBatchWorkers(int workers);
    ~TBatchWorkers();
    TBatchWorkers(const TBatchWorkers&) = delete;
    TBatchWorkers& operator=(const TBatchWorkers&) = delete;

    // The number of slices a job is cut into (1 without worker threads).
    int Slices() const;
    void Start(std::size_t count, TJob job);
    void Wait();

private:
    void Run(int worker);

    std::vector<std::thread> FThreads;
    std::mutex FMutex;
    std::condition_variable FWork;
    std::condition_variable FDone;
    TJob FJob;
    std::size_t FCount = 0;
    unsigned long long FGeneration = 0;
    int FRemaining = 0;
    bool FStop = false;
    std::exception_ptr FFailure;
};

}  // namespace rtl
