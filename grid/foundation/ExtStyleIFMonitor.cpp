// The registry watch thread: waits for changes under the Office key and tells the registered windows.
#include "grid/foundation/ExtStyleIFMonitor.h"

#include <algorithm>
#include <chrono>

#include "grid/foundation/ExtStyleIF.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Registry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"

namespace grid {

// ===== THandleList

void THandleList::CheckIndex(int index, bool allowEnd) const
{
    if (index < 0 || index > Count() || (index == Count() && !allowEnd)) rtl::RaiseListIndexError(index);
}

int THandleList::Add(ui::HWND value)
{
    FItems.push_back(value);
    return Count() - 1;
}

void THandleList::Insert(int index, ui::HWND value)
{
    CheckIndex(index, true);
    FItems.insert(FItems.begin() + index, value);
}

void THandleList::Delete(int index)
{
    CheckIndex(index, false);
    FItems.erase(FItems.begin() + index);
}

void THandleList::DeleteValue(ui::HWND value)
{
    auto it = std::find(FItems.begin(), FItems.end(), value);
    if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(ui::HWND value) const
{
    return std::find(FItems.begin(), FItems.end(), value) != FItems.end();
}

ui::HWND THandleList::GetInteger(int index) const
{
    CheckIndex(index, false);
    return FItems[static_cast<size_t>(index)];
}

void THandleList::SetInteger(int index, ui::HWND value)
{
    CheckIndex(index, false);
    FItems[static_cast<size_t>(index)] = value;
}

// ===== TRegMonitorThread

TRegMonitorThread::TRegMonitorThread()
    : FReg(std::make_unique<rtl::TRegistry>(rtl::KEY_READ)), FEvent(true, false)
{
}

TRegMonitorThread::~TRegMonitorThread()
{
    Stop();
    WaitFor();
    FReg->Store().CancelNotify(FEvent);
}

unsigned TRegMonitorThread::Filter()
{
    if (FFilter == 0) FFilter = 15;
    return FFilter;
}

THandleList TRegMonitorThread::WinList() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return FWinList;
}

void TRegMonitorThread::AddWindow(ui::HWND handle)
{
    std::lock_guard<std::mutex> guard(FLock);
    if (!FWinList.HasValue(handle)) FWinList.Add(handle);
}

void TRegMonitorThread::RemoveWindow(ui::HWND handle)
{
    std::lock_guard<std::mutex> guard(FLock);
    FWinList.DeleteValue(handle);
}

void TRegMonitorThread::Start()
{
    if (FThread.joinable() || FFinished) return;
    Filter();  // settled here, so the thread only reads it
    FThread = std::thread([this] { Execute(); });
    // Returns once the watch is armed (or has failed), so that a change made after Start
    // returns is never missed.
    std::unique_lock<std::mutex> lock(FLock);
    FEnded.wait(lock, [this] { return FWatching || FFinished; });
}

void TRegMonitorThread::Stop()
{
    FTerminated = true;
    FEvent.SetEvent();
}

void TRegMonitorThread::WaitFor()
{
    if (!FThread.joinable()) return;
    ui::TMessageQueue& queue = ui::TMessageQueue::Instance();
    const bool uiThread = queue.IsOwnerThread();
    std::unique_lock<std::mutex> lock(FLock);
    while (!FFinished) {
        if (uiThread) {
            lock.unlock();
            queue.RunPendingCalls();
            lock.lock();
        }
        FEnded.wait_for(lock, std::chrono::milliseconds(uiThread ? 5 : 100), [this] { return FFinished.load(); });
    }
    lock.unlock();
    FThread.join();
}

std::string TRegMonitorThread::FatalException() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return FFatal;
}

void TRegMonitorThread::Arm()
{
    // The watch always covers the subkeys, whatever WatchSub says.
    FReg->NotifyChange(true, FFilter, FEvent);
}

void TRegMonitorThread::Execute()
{
    try {
        FReg->SetRootKey(FRootKey);
        if (!FReg->OpenKeyReadOnly(FKey)) throw rtl::Exception("Unable to open registry key " + FKey);
        Arm();
        {
            std::lock_guard<std::mutex> guard(FLock);
            FWatching = true;
        }
        FEnded.notify_all();
        while (!FTerminated) {
            if (FEvent.WaitFor(rtl::INFINITE) != rtl::TWaitResult::wrSignaled) continue;
            if (FTerminated) break;
            // Armed again before the windows are told, so that a change made while they
            // handle this one starts the next pass instead of going unnoticed.
            FEvent.ResetEvent();
            Arm();
            NotifyWindows();
        }
    } catch (const std::exception& e) {
        std::lock_guard<std::mutex> guard(FLock);
        FFatal = e.what();
    }
    {
        std::lock_guard<std::mutex> guard(FLock);
        FFinished = true;
    }
    FEnded.notify_all();
}

void TRegMonitorThread::NotifyWindows()
{
    const THandleList windows = WinList();  // the count is taken once, before the pass
    if (FWnd != 0) Deliver(FWnd, false);
    for (int i = 0; i < windows.Count(); ++i) Deliver(windows.GetInteger(i), true);
}

void TRegMonitorThread::Deliver(ui::HWND hwnd, bool listed)
{
    const auto wParam = static_cast<ui::WPARAM>(FRootKey);
    const auto lParam = reinterpret_cast<ui::LPARAM>(FKey.c_str());
    // Runs on the user-interface thread while this thread waits. Once Stop was called, or
    // when the window left the list since the pass began, nothing is sent.
    ui::TMessageQueue::Instance().InvokeAndWait([&] {
        if (FTerminated) return;
        if (listed) {
            std::lock_guard<std::mutex> guard(FLock);
            if (!FWinList.HasValue(hwnd)) return;
        }
        // A window that fails on the message is reported like any event handler's error;
        // the watch goes on for the next change.
        try {
            ui::SendMessage(hwnd, WM_OFFICETHEMECHANGE, wParam, lParam);
        } catch (...) {
            if (ui::Application()) ui::Application()->HandleException(nullptr);
        }
    });
}

}  // namespace grid
