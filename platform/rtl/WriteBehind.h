// Writing a file's buffered bytes on a second thread while the caller goes on
// producing the next buffer.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace rtl {

// One buffer at a time is written by a worker thread through the sink; the
// next Submit waits until it is done, so the bytes reach the sink in order.
// A failure of the sink is kept and raised by the next Submit or Wait, and
// every later one, so a caller that only calls Wait before closing still sees
// it. The thread starts with the first Submit: a file that never fills a
// buffer never starts one.
class TWriteBehind {
public:
    using TSink = std::function<void(const std::string&)>;

    explicit TWriteBehind(TSink sink) : FSink(std::move(sink)) {}
    ~TWriteBehind();
    TWriteBehind(const TWriteBehind&) = delete;
    TWriteBehind& operator=(const TWriteBehind&) = delete;

    // Waits for the buffer being written, then takes `bytes` (leaving it
    // empty, with the storage of an earlier buffer for reuse).
    void Submit(std::string& bytes);
    // Waits until everything submitted has been written.
    void Wait();
    // Waits before the file closes: raises a failure only when no Submit or
    // Wait has raised it yet (a caller that saw it once is not told twice),
    // then forgets it.
    void WaitForClose();
    // Waits and forgets a failure: for a file that is being discarded anyway.
    void Abandon() noexcept;

private:
    void Run();
    void WaitIdle(std::unique_lock<std::mutex>& lock);
    void RaiseFailure();

    TSink FSink;
    std::thread FThread;
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::string FPending;
    bool FBusy = false;
    bool FStop = false;
    std::exception_ptr FFailure;
    bool FFailureRaised = false;
};

}  // namespace rtl
