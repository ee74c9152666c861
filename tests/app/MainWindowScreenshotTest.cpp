// The real main window under a display (Xvfb in the test run): the storyline page on screen, saved as a screenshot.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/Program.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::HaveDisplay;
using testsupport::SaveSurfacePng;
using testsupport::SurfacePixel;

// The point of a control's client area in its window.
rtl::TPoint InWindow(const ui::TControl* control, int x, int y)
{
    rtl::TPoint origin = control->ClientOriginInWindow();
    return {origin.X + x, origin.Y + y};
}

TEST(MainWindowScreenshot, TheRealWindowShowsTheStorylinePageWithItsThreeTabs)
{
    if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY; scripts/test runs this under Xvfb";
    testsupport::TempDir dir;
    testsupport::CurrentDirScope inDir(dir.Path());
    ui::TApplication application;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    application.SetBackend(std::move(backend));
    app::TWorkbenchForms forms = app::CreateWorkbenchForms(application);
    app::TForm1* form = forms.MainForm;
    form->Show();

    SDL_Window* window = sdl->SdlWindow(form);
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Tolvek Apps");
    SDL_Surface* surface = nullptr;
    rtl::TPoint title = InWindow(form->crop_panel, 440, 3);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < until) {
        application.ProcessMessages();
        surface = SDL_GetWindowSurface(window);
        if (surface != nullptr && surface->w >= 1016 && surface->h >= 739) {
            SDL_LockSurface(surface);
            bool drawn = SurfacePixel(surface, title.X, title.Y) == gfx::clPurple;
            SDL_UnlockSurface(surface);
            if (drawn) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 1016);
    ASSERT_EQ(surface->h, 739);
    SaveSurfacePng(surface, testsupport::BuildDir() / "screenshots" / "main-window.png");

    SDL_LockSurface(surface);
    // The storyline page is in front: the planting table's purple title bar shows, the
    // white crop panel between the planting and harvest tables, and the buttons.
    EXPECT_EQ(SurfacePixel(surface, title.X, title.Y), gfx::clPurple);
    rtl::TPoint gap = InWindow(form->plantingTB, form->plantingTB->Width() + 3, 60);
    EXPECT_EQ(SurfacePixel(surface, gap.X, gap.Y), gfx::clWhite);
    rtl::TPoint button = InWindow(form->NewSLBut, 5, 5);
    EXPECT_EQ(SurfacePixel(surface, button.X, button.Y), gfx::ColorToRGB(gfx::clBtnFace));
    // Three tabs, side by side along the top.
    ASSERT_EQ(form->PageControl1->TabCount(), 3);
    rtl::TRect last = form->PageControl1->TabRect(2);
    EXPECT_GT(last.Left, form->PageControl1->TabRect(1).Left);
    EXPECT_GT(last.Left, form->PageControl1->TabRect(0).Left);
    EXPECT_EQ(form->PageControl1->PageOfTab(2), form->TabSheet10);
    SDL_UnlockSurface(surface);
}

}  // namespace
