#include "platform/rtl/WriteBehind.h"

namespace rtl {

TWriteBehind::~TWriteBehind()
{
    if (!FThread.joinable())
        return;
    {
        std::unique_lock lock(FMutex);
        WaitIdle(lock);
        FStop = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TWriteBehind::Submit(std::string& bytes)
{
    {
        std::unique_lock lock(FMutex);
        WaitIdle(lock);
        RaiseFailure();
        FPending.swap(bytes);
        bytes.clear();
        FBusy = true;
    }
    if (!FThread.joinable())
        FThread = std::thread([this] { Run(); });
    FChanged.notify_all();
}

void TWriteBehind::Wait()
{
    std::unique_lock lock(FMutex);
    WaitIdle(lock);
    RaiseFailure();
}

void TWriteBehind::WaitForClose()
{
    std::unique_lock lock(FMutex);
    WaitIdle(lock);
    std::exception_ptr failure = FFailureRaised ? nullptr : FFailure;
    FFailure = nullptr;
    FFailureRaised = false;
    if (failure)
        std::rethrow_exception(failure);
}

void TWriteBehind::Abandon() noexcept
{
    std::unique_lock lock(FMutex);
    WaitIdle(lock);
    FFailure = nullptr;
    FFailureRaised = false;
}

void TWriteBehind::WaitIdle(std::unique_lock<std::mutex>& lock)
{
    FChanged.wait(lock, [this] { return !FBusy; });
}

void TWriteBehind::RaiseFailure()
{
    if (!FFailure)
        return;
    FFailureRaised = true;
    std::rethrow_exception(FFailure);
}

void TWriteBehind::Run()
{
    std::unique_lock lock(FMutex);
    while (true) {
        FChanged.wait(lock, [this] { return FBusy || FStop; });
        if (!FBusy)
            return;
        // The caller fills its next buffer meanwhile; FPending is ours until
        // FBusy drops.
        const bool failedBefore = FFailure != nullptr;
        lock.unlock();
        std::exception_ptr failure;
        try {
            if (!failedBefore)
                FSink(FPending);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure)
            FFailure = failure;
        FPending.clear();
        FBusy = false;
        FChanged.notify_all();
    }
}

}  // namespace rtl
