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
#include "tests/support/SdlScreenshots.h"

namespace {

using namespace grid;

TEST(ImagePickerScreenshot, OpenPickerShowsTheFolderAsARealWindow)
{
    if (!testsupport::HaveDisplay()) GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
    testsupport::TempDir dir;
    imagepicker::WriteFixtureFolder(dir.Path());
    ui::TApplication app;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    app.SetBackend(std::move(backend));
    auto* form = new ui::TForm(&app);
    form->SetBounds(40, 40, 360, 120);
    auto* picker = new TExtImagePickerDropDown(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 120, 24);
    picker->SetColumns(3);
    picker->AddImagesFromFolder((dir.Path() / "*").string(), true);
    ASSERT_EQ(picker->Items().Count(), 8);
    picker->SetItemIndex(4);
    form->Show();
    app.ActivateForm(form);
    auto pump = [&](int ms) {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            app.ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    pump(300);
    picker->ShowDropDown();
    TDropDownForm* popup = picker->DropDownForm();
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until && sdl->SdlWindow(popup) == nullptr) pump(5);
    pump(200);
    ASSERT_TRUE(picker->DroppedDown());
    SDL_Window* window = sdl->SdlWindow(popup);
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
    const std::filesystem::path file = testsupport::BuildDir() / "screenshots" / "ImagePicker.png";
    std::filesystem::remove(file);
    testsupport::SaveSurfacePng(surface, file);
    EXPECT_GT(std::filesystem::file_size(file), 500u);
    picker->HideDropDown(true);
    pump(100);
}

}  // namespace
