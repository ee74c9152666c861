// An open drop-down with header and footer as real windows under a display, saved as a PNG.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/SdlBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class DropDownScreenshot : public dropdowntest::DropDownScreenshotTest {};

gfx::TColor SurfacePixel(SDL_Window* window, int x, int y)
{
    SDL_Surface* s = SDL_GetWindowSurface(window);
    if (s == nullptr || x >= s->w || y >= s->h) return gfx::clNone;
    SDL_LockSurface(s);
    Uint32 pixel = 0;
    std::memcpy(&pixel, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, s->format, &r, &g, &b);
    SDL_UnlockSurface(s);
    return gfx::RGB(r, g, b);
}

TEST_F(DropDownScreenshot, OpenDropDownWithHeaderAndFooterIsARealWindow)
{
    Form->SetBounds(40, 40, 320, 120);
    auto* edit = new TExtDropDown(Form);
    edit->SetParent(Form);
    edit->SetBounds(10, 10, 180, 21);
    edit->SetText("Maize, early");
    edit->SetDropDownWidth(300);
    edit->SetDropDownHeight(200);
    edit->DropDownHeader().SetCaption("<b>Crop</b> of the cell");
    edit->DropDownFooter().SetCaption("3 choices");
    for (const char* caption : {"OK", "Cancel"}) edit->DropDownFooter().Buttons().Add()->SetCaption(caption);
    // The user opens the drop-down once the form's window is up and active.
    ShowForm();
    TDropDownForm* popup = OpenDropDown(edit);
    ASSERT_TRUE(edit->DroppedDown());
    SDL_Window* window = Sdl->SdlWindow(popup);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS, 0u);
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 200);
    // The Luna look: frame colour none, the pop-up's banded background between the bars.
    EXPECT_EQ(SurfacePixel(window, 150, 100), popup->WindowPixel(150, 100));
    EXPECT_NE(SurfacePixel(window, 150, 100), gfx::RGB(0, 0, 0));

    std::filesystem::path dir = testsupport::BuildDir() / "screenshots";
    std::filesystem::create_directories(dir);
    std::filesystem::path file = dir / "DropDownOpen.png";
    std::filesystem::remove(file);
    gfx::TCanvas image(popup->Surface());
    image.SaveToPngFile(file.string());
    EXPECT_GT(std::filesystem::file_size(file), 500u);
}

}  // namespace
