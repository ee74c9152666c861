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
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

TEST(ColorPickerScreenshot, EachStyleOpensAsARealWindow)
{
    if (!testsupport::HaveDisplay()) GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
    ui::TApplication app;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    app.SetBackend(std::move(backend));
    auto* form = new ui::TForm(&app);
    form->SetBounds(40, 40, 320, 120);
    auto* picker = new TExtColorPickerDropDown(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 180, 21);
    picker->AddDefaultColors();
    picker->SetItemIndex(9);
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
    const struct {
        TColorSelectionStyle style;
        const char* file;
    } styles[] = {{csList, "ColorPickerList.png"},
                  {csDiscrete, "ColorPickerPalette.png"},
                  {csColorCube, "ColorPickerCube.png"},
                  {csSpectrum, "ColorPickerSpectrum.png"}};
    const std::filesystem::path dir = testsupport::BuildDir() / "screenshots";
    for (const auto& s : styles) {
        SCOPED_TRACE(s.file);
        picker->SetColorSelectionStyle(s.style);
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
        // What the window shows is the pop-up's own image.
        const int x = w / 2, y = h / 2;
        EXPECT_EQ(testsupport::SurfacePixel(surface, x, y), popup->WindowPixel(x, y));
        const std::filesystem::path file = dir / s.file;
        std::filesystem::remove(file);
        testsupport::SaveSurfacePng(surface, file);
        EXPECT_GT(std::filesystem::file_size(file), 500u);
        picker->HideDropDown(true);
        pump(100);
    }
}

}  // namespace
