#include "grid/foundation/ExtStyleIF.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <variant>

#include "grid/foundation/ExtStyleIFNotifier.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Registry.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

const std::string Office = "Software\\Microsoft\\Office\\";

// Points the program's registry at a fresh file for each test, with visual styles off.
class OfficeRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        FPrevious = rtl::RegistryFileName();
        NewRegistry();
        gfx::SetThemesActive(false);
    }
    void TearDown() override
    {
        gfx::SetThemesActive(false);
        rtl::SetRegistryFileName(FPrevious);
    }
    void NewRegistry() { rtl::SetRegistryFileName(Dir.File("registry" + std::to_string(++FCount))); }

    using TValue = std::variant<int, std::string>;
    // Writes a value (or only the key, for an empty name) under HKEY_CURRENT_USER.
    static void Put(const std::string& key, const std::string& name = "", const TValue& value = 0)
    {
        rtl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key, true));
        if (name.empty()) return;
        if (std::holds_alternative<int>(value))
            reg.WriteInteger(name, std::get<int>(value));
        else
            reg.WriteString(name, std::get<std::string>(value));
    }

    testsupport::TempDir Dir;

private:
    std::string FPrevious;
    int FCount = 0;
};

struct TSetting {
    std::string Key;
    std::string Name;
    std::variant<int, std::string> Value;
};

TEST_F(OfficeRegistry, DetectionTakesTheNewestOfficeThatHoldsAThemeValue)
{
    const std::string v16 = Office + "16.0\\Common", v15 = Office + "15.0\\Common";
    const std::string v14 = Office + "14.0\\Common", v12 = Office + "12.0\\Common";
    struct Case {
        const char* What;
        std::vector<TSetting> Settings;
        bool Themes;
        TOfficeTheme Expected;
    };
    const Case cases[] = {
        {"nothing, classic look", {}, false, ot2003Classic},
        {"nothing, visual styles on", {}, true, ot2003Blue},
        {"16.0 white", {{v16, "UI Theme", 0}}, false, ot2016White},
        {"16.0 white (3)", {{v16, "UI Theme", 3}}, false, ot2016White},
        {"16.0 gray", {{v16, "UI Theme", 5}}, false, ot2016Gray},
        {"16.0 black", {{v16, "UI Theme", 2}}, false, ot2016Black},
        {"16.0 unlisted stops there", {{v16, "UI Theme", 4}, {v15, "UI Theme", 1}}, false, ot2003Blue},
        {"16.0 without value, 15.0 silver", {{v16, "", 0}, {v15, "UI Theme", 1}}, false, ot2013Silver},
        {"15.0 white", {{v15, "UI Theme", 0}}, false, ot2013White},
        {"15.0 gray", {{v15, "UI Theme", 2}}, false, ot2013Gray},
        {"14.0 blue", {{v14, "Theme", 1}}, false, ot2010Blue},
        {"14.0 silver", {{v14, "Theme", 2}}, false, ot2010Silver},
        {"14.0 black", {{v14, "Theme", 3}}, false, ot2010Black},
        {"14.0 reads Theme, not UI Theme", {{v14, "UI Theme", 3}, {v12, "Theme", 2}}, false, ot2007Silver},
        {"12.0 blue", {{v12, "Theme", 1}}, false, ot2007Blue},
        {"12.0 black", {{v12, "Theme", 3}}, false, ot2007Black},
        {"12.0 unlisted", {{v12, "Theme", 9}}, true, ot2003Blue},
        // A wrong-typed value counts as absent instead of failing the detection.
        {"16.0 text value skipped", {{v16, "UI Theme", std::string("5")}, {v15, "UI Theme", 2}}, false,
         ot2013Gray},
        {"12.0 text value skipped", {{v12, "Theme", std::string("1")}}, false, ot2003Classic},
    };
    for (const Case& c : cases) {
        NewRegistry();
        gfx::SetThemesActive(c.Themes);
        for (const TSetting& s : c.Settings) Put(s.Key, s.Name, s.Value);
        EXPECT_EQ(DetectOfficeTheme(), c.Expected) << c.What;
    }
}

TEST_F(OfficeRegistry, ThemeValuesReadAsMinusOneWhenMissingOrOfAnotherKind)
{
    const std::string key = Office + "14.0\\Common";
    rtl::TRegistry reg;
    EXPECT_EQ(ReadOfficeThemeValue(reg, key), -1);
    Put(key);
    EXPECT_EQ(ReadOfficeThemeValue(reg, key), -1);
    Put(key, "Theme", 2);
    Put(key, "UI Theme", std::string("dark"));
    EXPECT_EQ(ReadOfficeThemeValue(reg, key), 2);
    EXPECT_EQ(ReadOfficeUIThemeValue(reg, key), -1);
    EXPECT_FALSE(reg.HasCurrentKey());  // the key is closed again
}

TEST_F(OfficeRegistry, OfficeGenerationIsTheNewestCommonGeneralKey)
{
    struct Case {
        std::vector<const char*> Versions;
        int Expected;
    };
    const Case cases[] = {{{}, 0}, {{"11.0"}, 0}, {{"12.0"}, 1}, {{"14.0"}, 2},
                          {{"15.0", "12.0"}, 3}, {{"12.0", "16.0"}, 4}, {{"16.0", "14.0", "15.0"}, 4}};
    for (const Case& c : cases) {
        NewRegistry();
        for (const char* v : c.Versions) Put(Office + v + "\\Common\\General");
        EXPECT_EQ(GetOfficeVersionCode(), c.Expected) << c.Versions.size();
    }
    NewRegistry();
    Put(Office + "16.0\\Common");  // "Common" without "General" is no installation
    EXPECT_EQ(GetOfficeVersionCode(), 0);
}

TEST(ExtStyleIF, ColourSchemeFollowsTheVisualStylesSwitch)
{
    gfx::SetThemesActive(false);
    EXPECT_EQ(GetXPColorScheme(), 0);
    gfx::SetThemesActive(true);
    EXPECT_EQ(GetXPColorScheme(), 1);
    gfx::SetThemesActive(false);
}

TEST(ExtStyleIF, ShadeColorDarkensEachChannelAndStaysInRange)
{
    struct Case {
        gfx::TColor Color;
        int Percent;
        gfx::TColor Expected;
    };
    const Case cases[] = {
        {gfx::clWhite, 20, gfx::RGB(204, 204, 204)},
        {gfx::RGB(10, 100, 200), 0, gfx::RGB(10, 100, 200)},
        {gfx::RGB(10, 100, 200), 50, gfx::RGB(5, 50, 100)},
        {gfx::RGB(5, 7, 255), 50, gfx::RGB(2, 4, 128)},      // halves round to even
        {gfx::RGB(200, 100, 10), -50, gfx::RGB(255, 150, 15)},  // brighter, capped at 255
        {gfx::RGB(200, 100, 10), 150, gfx::RGB(0, 0, 0)},     // never below 0
        {gfx::clBtnFace, 0, gfx::ColorToRGB(gfx::clBtnFace)}, // system colours resolved
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShadeColor(c.Color, c.Percent), c.Expected) << c.Percent;
        EXPECT_EQ(ShadeColorPercent(c.Color, c.Percent), c.Expected) << c.Percent;
    }
    EXPECT_EQ(GetDefaultUIFontName(), "Segoe UI");
}

TEST(ExtStyleIF, LooksKeepTheirOrdinals)
{
    EXPECT_EQ(tsOffice2003Classic, 3);
    EXPECT_EQ(tsCustom, 8);
    EXPECT_EQ(tsTerminal, 12);
    EXPECT_EQ(tsWindows10, 20);
    EXPECT_EQ(tsOffice2016Black, 23);
    EXPECT_EQ(ot2016Black, 15);
    EXPECT_EQ(otUnknown, 16);
}

TEST(ExtStyleIF, HandleListAddsRemovesAndChecksIndices)
{
    THandleList list;
    list.Add(5);
    list.Add(7);
    list.Add(5);
    list.Insert(0, 9);
    EXPECT_EQ(list.Count(), 4);
    list.DeleteValue(5);  // the first occurrence only
    EXPECT_EQ(list.GetInteger(0), 9);
    EXPECT_EQ(list.GetInteger(1), 7);
    EXPECT_EQ(list.GetInteger(2), 5);
    list.DeleteValue(42);
    EXPECT_EQ(list.Count(), 3);
    list.SetInteger(1, 8);
    EXPECT_TRUE(list.HasValue(8));
    EXPECT_FALSE(list.HasValue(7));
    list.Delete(0);
    EXPECT_EQ(list.GetInteger(0), 8);
    EXPECT_THROW(list.GetInteger(2), rtl::EListError);
    EXPECT_THROW(list.Delete(-1), rtl::EListError);
}

TEST(ExtStyleIF, MonitorFilterReadsAsAllChangesUntilSet)
{
    TRegMonitorThread thread;
    EXPECT_EQ(thread.Filter(), 15u);
    thread.SetFilter(4);
    EXPECT_EQ(thread.Filter(), 4u);
}

// A window that records the theme messages it receives and the thread it receives them on.
class TRecordingWindow : public ui::TWinControl {
public:
    explicit TRecordingWindow(rtl::TComponent* owner) : ui::TWinControl(owner) {}
    struct TReceived {
        ui::WPARAM WParam;
        std::string Key;
        std::thread::id Thread;
    };
    std::vector<TReceived> Received;

protected:
    void WndProc(ui::TMessage& m) override
    {
        if (m.Msg == WM_OFFICETHEMECHANGE)
            Received.push_back({m.WParam, reinterpret_cast<const char*>(m.LParam), std::this_thread::get_id()});
        ui::TWinControl::WndProc(m);
    }
};

class ThemeNotifierTest : public OfficeRegistry {
protected:
    void SetUp() override
    {
        OfficeRegistry::SetUp();
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 200, 100);
    }
    void TearDown() override
    {
        ui::TMessageQueue::Instance().SetWakeHandler(nullptr);
        App.reset();
        OfficeRegistry::TearDown();
    }
    TRecordingWindow* NewWindow()
    {
        auto* window = new TRecordingWindow(Form);
        window->SetParent(Form);
        return window;
    }
    // Runs the calls the watch thread sends until `done` holds (false after 5 s).
    template <typename Pred>
    static bool PumpUntil(Pred done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        ui::TMessageQueue& queue = ui::TMessageQueue::Instance();
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            queue.RunPendingCalls();
            queue.WaitForWork(5);
        }
        return true;
    }
    static void Pump(int ms)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            ui::TMessageQueue::Instance().RunPendingCalls();
            ui::TMessageQueue::Instance().WaitForWork(5);
        }
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
};

TEST_F(ThemeNotifierTest, WithoutOfficeTheNotifierHasNoWindowAndNoThread)
{
    TThemeNotifier* notifier = GetThemeNotifier(Form);
    EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->NotifierWindow(), nullptr);
    EXPECT_EQ(GetThemeNotifier(nullptr), notifier);  // one per program
    notifier->RegisterWindow(NewWindow()->Handle());  // nothing to register with
    delete notifier;
}

TEST_F(ThemeNotifierTest, TheNotifierWatchesTheNewestOfficeCommonKey)
{
    Put(Office + "12.0\\Common\\General");
    Put(Office + "16.0\\Common\\General");
    TThemeNotifier* notifier = GetThemeNotifier(Form);
    TRegMonitorThread* thread = notifier->RegMonitorThread();
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread->Key(), Office + "16.0\\Common");
    EXPECT_EQ(thread->RootKey(), rtl::HKEY_CURRENT_USER);
    EXPECT_EQ(thread->Filter(), rtl::REG_NOTIFY_CHANGE_LAST_SET);
    ASSERT_NE(notifier->NotifierWindow(), nullptr);
    EXPECT_EQ(thread->Wnd(), notifier->NotifierWindow()->Handle());
    EXPECT_FALSE(notifier->NotifierWindow()->Visible());
    EXPECT_EQ(notifier->NotifierWindow()->Parent(), Form);

    const ui::HWND a = NewWindow()->Handle();
    notifier->RegisterWindow(a);
    notifier->RegisterWindow(a);
    notifier->UnRegisterWindow(12345);
    EXPECT_EQ(thread->WinList().Count(), 1);
    notifier->UnRegisterWindow(a);
    EXPECT_EQ(thread->WinList().Count(), 0);
}

TEST_F(ThemeNotifierTest, AnOwnerThatIsNoWindowIsRefusedWhenThereIsSomethingToWatch)
{
    Put(Office + "14.0\\Common\\General");
    rtl::TComponent plain(nullptr);
    EXPECT_THROW(TThemeNotifier notifier(&plain), rtl::EInvalidCast);
}

TEST_F(ThemeNotifierTest, AValueChangeReachesEachRegisteredWindowOnceOnTheUiThread)
{
    Put(Office + "16.0\\Common\\General");
    TThemeNotifier* notifier = GetThemeNotifier(Form);
    int notifierEvents = 0;
    notifier->OnOfficeThemeChange = [&](rtl::TObject* sender) {
        EXPECT_EQ(sender, notifier);
        ++notifierEvents;
    };
    TRecordingWindow* first = NewWindow();
    TRecordingWindow* second = NewWindow();
    TRecordingWindow* gone = NewWindow();
    notifier->RegisterWindow(first->Handle());
    notifier->RegisterWindow(second->Handle());
    notifier->RegisterWindow(first->Handle());
    notifier->RegisterWindow(gone->Handle());
    notifier->UnRegisterWindow(gone->Handle());

    std::thread writer([this] { Put(Office + "16.0\\Common", "UI Theme", 5); });
    writer.join();
    ASSERT_TRUE(PumpUntil([&] { return second->Received.size() == 1; }));
    Pump(50);  // nothing more arrives
    EXPECT_EQ(notifierEvents, 1);
    ASSERT_EQ(first->Received.size(), 1u);
    EXPECT_EQ(second->Received.size(), 1u);
    EXPECT_TRUE(gone->Received.empty());
    EXPECT_EQ(first->Received[0].WParam, rtl::HKEY_CURRENT_USER);
    EXPECT_EQ(first->Received[0].Key, Office + "16.0\\Common");
    EXPECT_EQ(first->Received[0].Thread, std::this_thread::get_id());
    EXPECT_EQ(DetectOfficeTheme(), ot2016Gray);

    // A change below the key is watched too; a change of another Office version is not.
    Put(Office + "12.0\\Common", "Theme", 1);
    Put(Office + "16.0\\Common\\General", "Setting", 1);
    ASSERT_TRUE(PumpUntil([&] { return second->Received.size() == 2; }));
    Pump(50);
    EXPECT_EQ(first->Received.size(), 2u);
    EXPECT_EQ(notifierEvents, 2);
}

TEST_F(ThemeNotifierTest, StoppingWithADeliveryPendingDoesNotDeadlockAndSendsNothing)
{
    Put(Office + "15.0\\Common\\General");
    TThemeNotifier* notifier = GetThemeNotifier(Form);
    TRecordingWindow* window = NewWindow();
    notifier->RegisterWindow(window->Handle());
    rtl::TEvent pending(true, false);
    ui::TMessageQueue::Instance().SetWakeHandler([&pending] { pending.SetEvent(); });

    Put(Office + "15.0\\Common", "UI Theme", 1);  // the watch thread now waits for this thread
    ASSERT_EQ(pending.WaitFor(5000), rtl::TWaitResult::wrSignaled);
    delete notifier;  // stops and waits for the thread without handling the delivery
    EXPECT_TRUE(window->Received.empty());
    EXPECT_NE(GetThemeNotifier(Form), nullptr);  // the program's reference was cleared
}

TEST_F(ThemeNotifierTest, AKeyThatCannotBeOpenedEndsTheThreadWithItsMessage)
{
    TRegMonitorThread thread;
    thread.SetKey(Office + "16.0\\Common");
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
    EXPECT_EQ(thread.FatalException(), "Unable to open registry key " + Office + "16.0\\Common");
}

}  // namespace
