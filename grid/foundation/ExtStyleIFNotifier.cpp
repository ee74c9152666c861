// The theme notifier: its hidden window, its watch thread and the program's one instance.
#include "grid/foundation/ExtStyleIFNotifier.h"

#include "grid/foundation/ExtStyleIF.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

// The program's notifier; cleared when it is destroyed.
TThemeNotifier* ThemeNotifier = nullptr;

const char* const WatchedKeys[] = {
    "Software\\Microsoft\\Office\\12.0\\Common",
    "Software\\Microsoft\\Office\\14.0\\Common",
    "Software\\Microsoft\\Office\\15.0\\Common",
    "Software\\Microsoft\\Office\\16.0\\Common",
};

}  // namespace

void TThemeNotifierWindow::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == WM_OFFICETHEMECHANGE && OnOfficeThemeChange) OnOfficeThemeChange(this);
    ui::TWinControl::WndProc(Message);
}

TThemeNotifier::TThemeNotifier(rtl::TComponent* AOwner) : rtl::TComponent(AOwner)
{
    if (HasState(rtl::csDesigning)) return;
    const int version = GetOfficeVersionCode();
    if (version < 1 || version > 4) return;
    auto* parent = dynamic_cast<ui::TWinControl*>(AOwner);
    if (!parent) throw rtl::EInvalidCast("Invalid class typecast");
    FNotifier = new TThemeNotifierWindow(this);
    FNotifier->SetParent(parent);
    FNotifier->SetVisible(false);
    FNotifier->OnOfficeThemeChange = [this](rtl::TObject* Sender) { HandleOfficeThemeChange(Sender); };

    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->SetWnd(FNotifier->Handle());
    FRegMonitorThread->SetFilter(rtl::REG_NOTIFY_CHANGE_LAST_SET);
    FRegMonitorThread->SetKey(WatchedKeys[version - 1]);
    FRegMonitorThread->SetRootKey(rtl::HKEY_CURRENT_USER);
    FRegMonitorThread->SetWatchSub(true);
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    Destroying();
    if (FRegMonitorThread) {
        FRegMonitorThread->Stop();
        FRegMonitorThread->WaitFor();
        FRegMonitorThread.reset();
    }
    if (ThemeNotifier == this) ThemeNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(ui::HWND AHandle)
{
    if (FRegMonitorThread) FRegMonitorThread->AddWindow(AHandle);
}

void TThemeNotifier::UnRegisterWindow(ui::HWND AHandle)
{
    if (FRegMonitorThread) FRegMonitorThread->RemoveWindow(AHandle);
}

void TThemeNotifier::HandleOfficeThemeChange(rtl::TObject*)
{
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
}

TThemeNotifier* GetThemeNotifier(rtl::TComponent* AOwner)
{
    if (ThemeNotifier) return ThemeNotifier;
    rtl::TComponent* owner = AOwner;
    ui::TApplication* app = ui::Application();
    if (app && app->MainForm() && app->MainForm()->HandleAllocated()) owner = app->MainForm();
    ThemeNotifier = new TThemeNotifier(owner);
    return ThemeNotifier;
}

}  // namespace grid
