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
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class TimePickerScreenshot : public dropdowntest::DropDownScreenshotTest {
protected:
    void SetUp() override
    {
        DropDownScreenshotTest::SetUp();
        if (IsSkipped()) return;
        Form->SetBounds(40, 40, 360, 140);
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
        SaveScreenshot(surface, name);
    }
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
    TDropDownForm* popup = OpenDropDown(picker);
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->Watch()->Time(), rtl::EncodeTime(10, 10, 30, 0));
    Save(popup, "TimePickerClockOpen.png");
    picker->HideDropDown(true);
    Pump(50);
}

}  // namespace
