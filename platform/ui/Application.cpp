// TApplication: the message loop, idle handling, activation of forms and the standard error box.
#include <algorithm>
#include <atomic>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timers.h"

namespace ui {

namespace {

std::atomic<TApplication*> TheApplication{nullptr};

}  // namespace

TApplication* Application()
{
    return TheApplication.load();
}

TApplication::TApplication() : rtl::TComponent(nullptr)
{
    TheApplication.store(this);
    TMessageQueue::Instance().SetOwnerThread();
    TMessageQueue::Instance().Clear();
    TInputRouter::Reset();
}

TApplication::~TApplication()
{
    Destroying();
    FHintWindow = nullptr;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* win = dynamic_cast<TWinControl*>(Components(i))) win->DestroyHandle();
    }
    DestroyComponents();
    KillAllTimers();
    TMessageQueue::Instance().Clear();
    TMessageQueue::Instance().Shutdown();
    TMessageQueue::Instance().SetWakeHandler(nullptr);
    TInputRouter::Reset();
    FBackend.reset();
    TheApplication.store(nullptr);
}

void TApplication::SetBackend(std::unique_ptr<TBackend> backend)
{
    FBackend = std::move(backend);
}

void TApplication::Run()
{
    if (FMainForm != nullptr) FMainForm->Show();
    while (!FTerminated && FMainForm != nullptr) HandleMessage();
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage()) Idle();
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

bool TApplication::ProcessMessage()
{
    TMessageQueue& queue = TMessageQueue::Instance();
    if (queue.RunPendingCalls()) return true;
    TMsg msg;
    if (queue.Peek(msg, true)) {
        DispatchPosted(msg);
        return true;
    }
    if (FBackend && FBackend->PumpEvents()) return true;
    bool worked = false;
    try {
        worked = DispatchDueTimers();
    } catch (...) {
        HandleException(nullptr);
        worked = true;
    }
    if (worked) return true;
    if (CaretBlinkTick()) return true;
    if (HintTick()) return true;
    return PaintPendingWindows();
}

void TApplication::DispatchPosted(const TMsg& msg)
{
    if (msg.hwnd == 0) {
        if (msg.message == WM_QUIT) FTerminated = true;
        return;
    }
    try {
        TWinControl* target = TWinControl::FindControl(msg.hwnd);
        if (target == nullptr) return;
        // A released form is deleted here, outside its own window procedure.
        if (msg.message == CM_RELEASE) {
            if (auto* form = dynamic_cast<TCustomForm*>(target)) {
                form->DestroyHandle();
                delete form;
            }
            return;
        }
        target->Perform(msg.message, msg.wParam, msg.lParam);
    } catch (...) {
        HandleException(nullptr);
    }
}

bool TApplication::PaintPendingWindows()
{
    // Windows nobody looks at are painted when their pixels are read (TWinControl::WindowPixel).
    if (FBackend && FBackend->PaintsOnDemand()) return false;
    bool painted = false;
    for (TWinControl* win : TWinControl::TopLevelWindows()) {
        if (!win->HasPendingPaint()) continue;
        try {
            win->PaintPending();
        } catch (...) {
            HandleException(win);
        }
        painted = true;
    }
    return painted;
}

int TApplication::WaitTimeout() const
{
    // With a replaced clock, time only moves when the test says so: wait briefly on real time.
    if (MonotonicClockReplaced()) return 5;
    std::int64_t now = GetTickCount64();
    std::int64_t next = NextTimerDue();
    std::int64_t blink = CaretNextBlinkDue();
    if (blink >= 0 && (next < 0 || blink < next)) next = blink;
    for (std::int64_t t : {FHintShowAt, FHintHideAt}) {
        if (t >= 0 && (next < 0 || t < next)) next = t;
    }
    if (next < 0) return 100;
    return static_cast<int>(std::clamp<std::int64_t>(next - now, 0, 100));
}

void TApplication::Idle()
{
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(this, done);
        } catch (...) {
            HandleException(this);
        }
    }
    if (!done || FTerminated) return;
    int timeout = WaitTimeout();
    if (FBackend) {
        FBackend->WaitEvents(timeout);
    } else {
        TMessageQueue::Instance().WaitForWork(timeout);
    }
}

void TApplication::HandleException(rtl::TObject* Sender)
{
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (const rtl::EAbort&) {
        // Silent by design.
    } catch (const std::exception& e) {
        if (OnException) {
            OnException(Sender, e);
        } else {
            ShowException(e);
        }
    } catch (...) {
        rtl::Exception unknown("Unknown exception");
        if (OnException) {
            OnException(Sender, unknown);
        } else {
            ShowException(unknown);
        }
    }
}

// The message ends with a full stop, which the box adds when the text lacks one.
void TApplication::ShowException(const std::exception& E)
{
    std::string text = E.what();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    if (FBackend) FBackend->ShowErrorBox(FTitle, text);
}

void TApplication::ActivateForm(TCustomForm* form)
{
    if (form == nullptr || form == FActiveForm) return;
    TCustomForm* old = FActiveForm;
    FActiveForm = form;
    FActivationOrder.erase(std::remove(FActivationOrder.begin(), FActivationOrder.end(), form),
                           FActivationOrder.end());
    FActivationOrder.push_back(form);
    if (old != nullptr) old->SetActive(false);
    if (FActiveForm == form) form->SetActive(true);
}

void TApplication::FormHidden(TCustomForm* form)
{
    if (form != FActiveForm) return;
    FActiveForm = nullptr;
    form->SetActive(false);
    for (auto it = FActivationOrder.rbegin(); it != FActivationOrder.rend(); ++it) {
        if (*it != form && (*it)->Showing()) {
            ActivateForm(*it);
            return;
        }
    }
    TInputRouter::ChangeFocus(nullptr);
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (control == FHintControl) FHintControl = nullptr;
    if (control == FHintWindow) FHintWindow = nullptr;
    auto* form = dynamic_cast<TCustomForm*>(control);
    if (form == nullptr) return;
    if (form == FMainForm) FMainForm = nullptr;
    if (form == FActiveForm) FActiveForm = nullptr;
    FActivationOrder.erase(std::remove(FActivationOrder.begin(), FActivationOrder.end(), form),
                           FActivationOrder.end());
    FModalForms.erase(std::remove(FModalForms.begin(), FModalForms.end(), form), FModalForms.end());
}

}  // namespace ui
