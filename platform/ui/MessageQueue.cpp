// The user-interface thread's message queue and the hand-over of calls from other threads.
#include "platform/ui/MessageQueue.h"

#include <algorithm>
#include <chrono>

namespace ui {

TMessageQueue& TMessageQueue::Instance()
{
    static TMessageQueue queue;
    return queue;
}

void TMessageQueue::SetOwnerThread()
{
    std::lock_guard<std::mutex> guard(FLock);
    FOwner = std::this_thread::get_id();
    FHasOwner = true;
    FClosed = false;
}

void TMessageQueue::Shutdown()
{
    {
        std::lock_guard<std::mutex> guard(FLock);
        FClosed = true;
        for (TPendingCall* pending : FCalls) pending->Done = true;
        FCalls.clear();
    }
    FCallDone.notify_all();
}

bool TMessageQueue::IsOwnerThread() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return !FHasOwner || FOwner == std::this_thread::get_id();
}

void TMessageQueue::Post(const TMsg& msg)
{
    {
        std::lock_guard<std::mutex> guard(FLock);
        FPosted.push_back(msg);
    }
    Wake();
}

bool TMessageQueue::Peek(TMsg& out, bool remove)
{
    std::lock_guard<std::mutex> guard(FLock);
    if (FPosted.empty()) return false;
    out = FPosted.front();
    if (remove) FPosted.pop_front();
    return true;
}

void TMessageQueue::RemoveMessagesFor(HWND hwnd)
{
    std::lock_guard<std::mutex> guard(FLock);
    FPosted.erase(std::remove_if(FPosted.begin(), FPosted.end(),
                                 [hwnd](const TMsg& m) { return m.hwnd == hwnd; }),
                  FPosted.end());
}

void TMessageQueue::Clear()
{
    std::lock_guard<std::mutex> guard(FLock);
    FPosted.clear();
}

size_t TMessageQueue::PostedCount() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return FPosted.size();
}

void TMessageQueue::InvokeAndWait(const std::function<void()>& call)
{
    if (IsOwnerThread()) {
        call();
        return;
    }
    TPendingCall pending;
    pending.Call = &call;
    {
        std::lock_guard<std::mutex> guard(FLock);
        if (FClosed) return;
        FCalls.push_back(&pending);
    }
    FWorkArrived.notify_all();
    Wake();
    std::unique_lock<std::mutex> lock(FLock);
    FCallDone.wait(lock, [&pending] { return pending.Done; });
    if (pending.Error) std::rethrow_exception(pending.Error);
}

bool TMessageQueue::RunPendingCalls()
{
    bool ran = false;
    for (;;) {
        TPendingCall* pending = nullptr;
        {
            std::lock_guard<std::mutex> guard(FLock);
            if (FCalls.empty()) break;
            pending = FCalls.front();
            FCalls.pop_front();
        }
        try {
            (*pending->Call)();
        } catch (...) {
            pending->Error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> guard(FLock);
            pending->Done = true;
        }
        FCallDone.notify_all();
        ran = true;
    }
    return ran;
}

void TMessageQueue::WaitForWork(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(FLock);
    FWorkArrived.wait_for(lock, std::chrono::milliseconds(std::max(0, timeoutMs)),
                          [this] { return !FPosted.empty() || !FCalls.empty(); });
}

void TMessageQueue::SetWakeHandler(std::function<void()> wake)
{
    std::lock_guard<std::mutex> guard(FLock);
    FWake = std::move(wake);
}

void TMessageQueue::Wake()
{
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> guard(FLock);
        wake = FWake;
    }
    FWorkArrived.notify_all();
    if (wake) wake();
}

}  // namespace ui
