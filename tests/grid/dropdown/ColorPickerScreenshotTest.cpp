// The colour picker open in each of its four styles as a real window under a display, saved
// as PNG screenshots.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtColorPicker.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Forms.h"
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class ColorPickerScreenshot : public dropdowntest::DropDownScreenshotTest {};

TEST_F(ColorPickerScreenshot, EachStyleOpensAsARealWindow)
{
    Form->SetBounds(40, 40, 320, 120);
    auto* picker = new TExtColorPickerDropDown(Form);
    picker->SetParent(Form);
    picker->SetBounds(10, 10, 180, 21);
    picker->AddDefaultColors();
    picker->SetItemIndex(9);
    ShowForm();
    const struct {
        TColorSelectionStyle style;
        const char* file;
    } styles[] = {{csList, "ColorPickerList.png"},
                  {csDiscrete, "ColorPickerPalette.png"},
                  {csColorCube, "ColorPickerCube.png"},
                  {csSpectrum, "ColorPickerSpectrum.png"}};
    for (const auto& s : styles) {
        SCOPED_TRACE(s.file);
        picker->SetColorSelectionStyle(s.style);
        TDropDownForm* popup = OpenDropDown(picker);
        ASSERT_TRUE(picker->DroppedDown());
        SDL_Window* window = Sdl->SdlWindow(popup);
        ASSERT_NE(window, nullptr);
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        EXPECT_EQ(w, popup->Width());
        EXPECT_EQ(h, popup->Height());
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        ASSERT_NE(surface, nullptr);
        // What the window shows is the pop-up's own image.
        const int x = w / 2, y = h / 2;
        EXPECT_EQ(testsupport::SurfacePixel(surface, x, y), popup->WindowPixel(x, y));
        SaveScreenshot(surface, s.file);
        picker->HideDropDown(true);
        Pump(100);
    }
}

}  // namespace
