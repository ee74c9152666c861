// The open detail drop-down as a real window under a display: its rows with image, caption and
// notes saved as a PNG, and the wheel turned over the pop-up window moving the selection.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "platform/backend/SdlBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Forms.h"
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class DetailDropDownScreenshot : public dropdowntest::DropDownScreenshotTest {};

constexpr gfx::TColor kSwatch = 0x00A000;  // a green picture square

TEST_F(DetailDropDownScreenshot, TheOpenListIsARealWindowWithPicturesCaptionsAndNotes)
{
    Form->SetBounds(40, 40, 320, 100);
    auto* drop = new TExtDetailDropDown(Form);
    drop->SetParent(Form);
    drop->SetBounds(10, 10, 240, 21);
    drop->SetItemHeight(40);
    drop->SetDropDownHeight(170);
    drop->DropDownHeader().SetCaption("<b>Crops</b>");
    const char* crops[][2] = {{"Maize", "C4 cereal, <i>warm season</i>"},
                              {"Winter wheat", "sown in <b>autumn</b>"},
                              {"Sunflower", "oil crop"}};
    for (const auto& crop : crops) {
        TDetailItem* item = drop->Items().Add();
        item->SetCaption(crop[0]);
        item->SetNotes(crop[1]);
        gfx::TBitmap square;
        square.SetSize(16, 16);
        square.Canvas().Brush().SetColor(kSwatch);
        square.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
        // The bottom-left pixel is the colour drawn transparent: it must not be the square's.
        square.Canvas().SetPixels(0, 15, 0xFFFFFF);
        item->Image().Bitmap().Assign(&square);
    }
    drop->SetItemIndex(0);
    ShowForm();
    TDropDownForm* popup = OpenDropDown(drop);
    ASSERT_TRUE(drop->DroppedDown());
    SDL_Window* window = Sdl->SdlWindow(popup);
    ASSERT_NE(window, nullptr);

    // The wheel turned over the pop-up window, as the desktop delivers it, moves the selection
    // one row down and leaves the list open.
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.windowID = SDL_GetWindowID(window);
    wheel.wheel.y = -1;
    wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&wheel);
    PumpUntil(1000, [&] { return drop->ItemSelector()->ItemIndex() == 1; });
    EXPECT_TRUE(drop->DroppedDown());
    EXPECT_EQ(drop->ItemSelector()->ItemIndex(), 1);
    EXPECT_EQ(drop->Text(), "Winter wheat");
    Pump(200);

    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_NE(surface, nullptr);
    // The first row's picture at its left, centred in the row's height.
    TCustomItemSelector* panel = drop->ItemSelector()->SelectorPanel();
    const rtl::TRect first = panel->GetItemRect(0);
    const rtl::TPoint origin = panel->ClientOrigin();
    const rtl::TPoint popupOrigin = popup->ClientOrigin();
    const int dx = origin.X - popupOrigin.X, dy = origin.Y - popupOrigin.Y;
    SDL_LockSurface(surface);
    const gfx::TColor picture = testsupport::SurfacePixel(surface, dx + first.Left + 2 + 8, dy + first.Top + 20);
    SDL_UnlockSurface(surface);
    EXPECT_EQ(picture, kSwatch);

    SaveScreenshot(surface, "DetailDropDownOpen.png");
}

}  // namespace
