// The open multi-column drop-down as a real window under a display, saved as a PNG.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Forms.h"
#include "tests/grid/dropdown/DropDownScreenshotFixture.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using namespace grid;

class MultiColumnDropDownScreenshot : public dropdowntest::DropDownScreenshotTest {};

TEST_F(MultiColumnDropDownScreenshot, TheOpenListIsARealWindowWithItsSelectedRow)
{
    Form->SetBounds(40, 40, 340, 120);
    auto* drop = new TExtMultiColumnDropDown(Form);
    drop->SetParent(Form);
    drop->SetBounds(10, 10, 180, 21);
    drop->DropDownHeader().SetCaption("<b>Crops</b>");
    FillCrops(drop);
    ShowForm();
    TDropDownForm* popup = OpenDropDown(drop);
    ASSERT_TRUE(drop->DroppedDown());
    SDL_Window* window = Sdl->SdlWindow(popup);
    ASSERT_NE(window, nullptr);
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->w, 262) << "the columns' width and the frame";

    // The selected row (Winter wheat) shows the Office 2007 selection, the others white.
    multicolumn::TExtColGrid& list = *drop->ColGrid();
    const rtl::TRect selected = list.CellRect(1, 2);
    const rtl::TRect plain = list.CellRect(1, 4);
    const rtl::TPoint origin = list.ClientOrigin();
    const rtl::TPoint popupOrigin = popup->ClientOrigin();
    const int dx = origin.X - popupOrigin.X, dy = origin.Y - popupOrigin.Y;
    SDL_LockSurface(surface);
    const gfx::TColor inSelected = testsupport::SurfacePixel(surface, dx + selected.Right - 10, dy + selected.Top + 6);
    const gfx::TColor inPlain = testsupport::SurfacePixel(surface, dx + plain.Right - 10, dy + plain.Top + 6);
    SDL_UnlockSurface(surface);
    EXPECT_EQ(inPlain, gfx::RGB(255, 255, 255));
    EXPECT_NE(inSelected, inPlain);
    EXPECT_GT(gfx::GetRValue(inSelected), gfx::GetBValue(inSelected)) << "a warm yellow selection";

    SaveScreenshot(surface, "MultiColumnDropDownOpen.png");
}

}  // namespace
