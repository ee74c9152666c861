// The registry watch thread of the theme notifier and its list of windows to tell.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/WaitEvent.h"
#include "platform/ui/Messages.h"

namespace rtl {
class TRegistry;
}

namespace grid {

// A list of window handles; duplicates are possible through Add.
class THandleList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    int Add(ui::HWND value);
    void Insert(int index, ui::HWND value);
    void Delete(int index);
    // Removes the first occurrence; nothing when absent.
    void DeleteValue(ui::HWND value);
    bool HasValue(ui::HWND value) const;
    ui::HWND GetInteger(int index) const;
    void SetInteger(int index, ui::HWND value);

private:
    void CheckIndex(int index, bool allowEnd) const;
    std::vector<ui::HWND> FItems;
};

// Watches a registry key and, on each change below it, sends WM_OFFICETHEMECHANGE
// synchronously to Wnd and then to every window of WinList, each on the user-interface
// thread while this thread waits. Created suspended: set the properties, then Start.
class TRegMonitorThread {
public:
    TRegMonitorThread();
    // Stops the thread and waits for its end (see WaitFor).
    ~TRegMonitorThread();
    TRegMonitorThread(const TRegMonitorThread&) = delete;
    TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

    const std::string& Key() const { return FKey; }
    void SetKey(const std::string& value) { FKey = value; }
    rtl::HKEY RootKey() const { return FRootKey; }
    void SetRootKey(rtl::HKEY value) { FRootKey = value; }
    // Stored only: the watch always covers the subkeys.
    bool WatchSub() const { return FWatchSub; }
    void SetWatchSub(bool value) { FWatchSub = value; }
    // Reads as 15 (names, attributes, last set, security) while never set.
    unsigned Filter();
    void SetFilter(unsigned value) { FFilter = value; }
    ui::HWND Wnd() const { return FWnd; }
    void SetWnd(ui::HWND value) { FWnd = value; }

    // A copy of the windows told after Wnd, taken under the list's lock.
    THandleList WinList() const;
    // Appends the handle unless listed; removes it. Safe while a notification pass runs:
    // the pass works on a copy taken before it starts and skips windows removed since.
    void AddWindow(ui::HWND handle);
    void RemoveWindow(ui::HWND handle);

    // Starts the thread and returns once it watches the key (or has failed to open it).
    void Start();
    // Sets the terminate flag, then signals the event; returns at once.
    void Stop();
    // Waits until the thread has ended. On the user-interface thread it meanwhile runs the
    // deliveries the thread is waiting for, so stopping never deadlocks with a pending send.
    void WaitFor();
    bool Finished() const { return FFinished; }
    bool Terminated() const { return FTerminated; }
    // The message of the error that ended the thread ("Unable to open registry key …"),
    // empty when none.
    std::string FatalException() const;

private:
    void Execute();
    void Arm();
    void NotifyWindows();
    void Deliver(ui::HWND hwnd, bool listed);

    std::unique_ptr<rtl::TRegistry> FReg;
    // Private to this process and to this thread object: created unnamed with the thread,
    // so no other program can signal it and Stop can signal it before the watch starts.
    rtl::TEvent FEvent;
    std::string FKey;
    rtl::HKEY FRootKey = rtl::HKEY_CURRENT_USER;
    bool FWatchSub = false;
    unsigned FFilter = 0;
    ui::HWND FWnd = 0;
    THandleList FWinList;

    mutable std::mutex FLock;
    std::condition_variable FEnded;
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    bool FWatching = false;
    std::string FFatal;
    std::thread FThread;
};

}  // namespace grid
