// The date-and-time picker with its companion and the time picker's open clock as real windows
// under a display, saved as PNG screenshots.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/backend/SdlBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Forms.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class TimePickerScreenshot : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::HaveDisplay()) GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
        auto backend = std::make_unique<ui::TSdlBackend>();
        Sdl = backend.get();
        App.SetBackend(std::move(backend));
        Form = new ui::TForm(&App);
        Form->SetBounds(40, 40, 360, 140);
    }
    void Pump(int ms)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            App.ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void ShowForm()
    {
        Form->Show();
        App.ActivateForm(Form);
        Pump(300);
    }
    // Saves what the window shows after checking that it is the control's own image.
    void Save(ui::TCustomForm* window, const char* name)
    {
        SDL_Window* sdl = Sdl->SdlWindow(window);
        ASSERT_NE(sdl, nullptr);
        SDL_Surface* surface = SDL_GetWindowSurface(sdl);
        ASSERT_NE(surface, nullptr);
        const int x = surface->w / 2, y = surface->h / 2;
        EXPECT_EQ(testsupport::SurfacePixel(surface, x, y), window->WindowPixel(x, y));
        const std::filesystem::path file = testsupport::BuildDir() / "screenshots" / name;
        std::filesystem::remove(file);
        testsupport::SaveSurfacePng(surface, file);
        EXPECT_GT(std::filesystem::file_size(file), 500u);
    }

    ui::TApplication App;
    ui::TSdlBackend* Sdl = nullptr;
    ui::TForm* Form = nullptr;
};

TEST_F(TimePickerScreenshot, DateTimePickerWithItsCompanion)
{
    auto* picker = new TExtDateTimePicker(Form);
    picker->SetParent(Form);
    picker->SetBounds(90, 30, 220, 23);
    picker->SetLabelCaption("Sowing");
    picker->SetDateTime(45000.75);  // 15 March 2023, 18:00
    ShowForm();
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->Visible());
    EXPECT_GT(picker->TimePicker()->Left(), 0);
    Save(Form, "DateTimePickerCompanion.png");
}

TEST_F(TimePickerScreenshot, TimePickerWithItsClockOpen)
{
    auto* picker = new TExtTimePickerDropDown(Form);
    picker->SetParent(Form);
    picker->SetBounds(20, 20, 120, 21);
    picker->SetAnimation(false);
    picker->SetTime(rtl::EncodeTime(10, 10, 30, 0));
    ShowForm();
    picker->ShowDropDown();
    TDropDownForm* popup = picker->DropDownForm();
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until && Sdl->SdlWindow(popup) == nullptr) Pump(5);
    Pump(200);
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->Watch()->Time(), rtl::EncodeTime(10, 10, 30, 0));
    Save(popup, "TimePickerClockOpen.png");
    picker->HideDropDown(true);
    Pump(50);
}

}  // namespace
