// The image picker open over a folder of pictures as a real window under a display, saved as
// a PNG screenshot.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ImagePickerFixture.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtImagePicker.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Forms.h"
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/SdlScreenshots.h"

namespace {

using namespace grid;

class ImagePickerScreenshot : public dropdowntest::DropDownScreenshotTest {};

TEST_F(ImagePickerScreenshot, OpenPickerShowsTheFolderAsARealWindow)
{
    testsupport::TempDir dir;
    imagepicker::WriteFixtureFolder(dir.Path());
    Form->SetBounds(40, 40, 360, 120);
    auto* picker = new TExtImagePickerDropDown(Form);
    picker->SetParent(Form);
    picker->SetBounds(10, 10, 120, 24);
    picker->SetColumns(3);
    picker->AddImagesFromFolder((dir.Path() / "*").string(), true);
    ASSERT_EQ(picker->Items().Count(), 8);
    picker->SetItemIndex(4);
    ShowForm();
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
    // What the window shows is the pop-up's own image: the apple's red where its item is.
    TCustomItemSelector* panel = picker->ItemSelector()->SelectorPanel();
    const rtl::TPoint apple = panel->ClientToScreen({panel->GetItemRect(0).Left + 8, panel->GetItemRect(0).Top + 8});
    const rtl::TPoint at = popup->ScreenToClient(apple);
    EXPECT_EQ(testsupport::SurfacePixel(surface, at.X, at.Y), popup->WindowPixel(at.X, at.Y));
    SaveScreenshot(surface, "ImagePicker.png");
    picker->HideDropDown(true);
    Pump(100);
}

}  // namespace
