// The user-interface thread's message queue: posted messages and calls sent from other threads.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/ui/Messages.h"

namespace ui {

class TMessageQueue {
public:
    static TMessageQueue& Instance();

    // The thread that runs the message loop; messages sent from other threads run on it.
    void SetOwnerThread();
    bool IsOwnerThread() const;

    void Post(const TMsg& msg);
    // Takes (or only looks at) the oldest posted message.
    bool Peek(TMsg& out, bool remove);
    // Drops posted messages for a window that is going away.
    void RemoveMessagesFor(HWND hwnd);
    void Clear();
    size_t PostedCount() const;

    // Runs `call` on the owner thread and waits for it to finish; on the owner thread (or
    // when no owner thread is set) it runs at once. An exception the call raises is
    // raised again in the waiting thread.
    void InvokeAndWait(const std::function<void()>& call);
    // On the owner thread: runs the calls other threads are waiting for. True when any ran.
    bool RunPendingCalls();
    // The loop is gone (the application ends): waiting senders return without their call
    // running, and later sends from other threads return at once. SetOwnerThread reopens.
    void Shutdown();

    // On the owner thread: waits until something is posted or sent, or the timeout passes.
    void WaitForWork(int timeoutMs);
    // Called (from any thread) whenever work arrives, so a backend blocked in its own
    // event wait wakes up.
    void SetWakeHandler(std::function<void()> wake);

private:
    struct TPendingCall {
        const std::function<void()>* Call = nullptr;
        bool Done = false;
        std::exception_ptr Error;
    };
    void Wake();

    mutable std::mutex FLock;
    std::condition_variable FWorkArrived;
    std::condition_variable FCallDone;
    std::deque<TMsg> FPosted;
    std::deque<TPendingCall*> FCalls;
    std::thread::id FOwner;
    bool FHasOwner = false;
    bool FClosed = false;
    std::function<void()> FWake;
};

}  // namespace ui
