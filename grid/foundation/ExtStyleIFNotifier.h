// The once-per-program theme notifier: a hidden window and the thread that watches the Office key.
#pragma once

#include <memory>

#include "grid/foundation/ExtStyleIFMonitor.h"
#include "platform/rtl/Component.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Events.h"

namespace grid {

// An invisible child window that turns WM_OFFICETHEMECHANGE into its OnOfficeThemeChange.
class TThemeNotifierWindow : public ui::TWinControl {
public:
    explicit TThemeNotifierWindow(rtl::TComponent* AOwner) : ui::TWinControl(AOwner) {}
    std::string ClassName() const override { return "TThemeNotifierWindow"; }

    ui::TNotifyEvent OnOfficeThemeChange;

protected:
    void WndProc(ui::TMessage& Message) override;
};

// Watches the newest Office version's "Common" key (when the user has Office 12.0 to
// 16.0) and tells its own window and every registered window when it changes.
class TThemeNotifier : public rtl::TComponent {
public:
    // AOwner must be a windowed control (EInvalidCast otherwise) when there is anything to
    // watch: the hidden window becomes its child.
    explicit TThemeNotifier(rtl::TComponent* AOwner);
    // Stops the watch thread and waits for it, then clears the program's reference.
    ~TThemeNotifier() override;
    std::string ClassName() const override { return "TThemeNotifier"; }

    // Adds the window once to the windows told of a change (only while there is a thread).
    void RegisterWindow(ui::HWND AHandle);
    void UnRegisterWindow(ui::HWND AHandle);

    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

    ui::TNotifyEvent OnOfficeThemeChange;

private:
    void HandleOfficeThemeChange(rtl::TObject* Sender);

    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    TThemeNotifierWindow* FNotifier = nullptr;  // owned through the component chain
};

// The program's notifier, created on the first call: owned by the application's main
// form when there is one, else by AOwner.
TThemeNotifier* GetThemeNotifier(rtl::TComponent* AOwner);

}  // namespace grid
