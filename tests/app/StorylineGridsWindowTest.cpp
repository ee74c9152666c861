// The storyline tables of the real main window under a display (Xvfb in the test run): headers, cell text and the selected cell on the window's pixels.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "app/Program.h"
#include "app/Unit1.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Forms.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::HaveDisplay;
using testsupport::SurfacePixel;

int Brightness(gfx::TColor c) { return int(gfx::GetRValue(c)) + gfx::GetGValue(c) + gfx::GetBValue(c); }

class StorylineGridsWindow : public ::testing::Test {
protected:
    // Pixels of a grid cell (inside its lines) in the window that differ from `background`.
    int InkInCell(SDL_Surface* s, grid::TExtStringGrid* g, int c, int r, gfx::TColor background)
    {
        const rtl::TRect rc = g->CellRect(c, r);
        const rtl::TPoint o = g->ClientOriginInWindow();
        int ink = 0;
        for (int x = rc.Left + 3; x < rc.Right - 3; ++x)
            for (int y = rc.Top + 3; y < rc.Bottom - 3; ++y)
                ink += SurfacePixel(s, o.X + x, o.Y + y) != background;
        return ink;
    }
    // Pixels of a cell (inside its lines) lighter than `brightness`.
    int LightPixelsInCell(SDL_Surface* s, grid::TExtStringGrid* g, int c, int r, int brightness)
    {
        const rtl::TRect rc = g->CellRect(c, r);
        const rtl::TPoint o = g->ClientOriginInWindow();
        int light = 0;
        for (int x = rc.Left + 3; x < rc.Right - 3; ++x)
            for (int y = rc.Top + 3; y < rc.Bottom - 3; ++y)
                light += Brightness(SurfacePixel(s, o.X + x, o.Y + y)) > brightness;
        return light;
    }
    gfx::TColor At(SDL_Surface* s, grid::TExtStringGrid* g, int x, int y)
    {
        const rtl::TPoint o = g->ClientOriginInWindow();
        return SurfacePixel(s, o.X + x, o.Y + y);
    }
};

TEST_F(StorylineGridsWindow, TablesShowTheirHeadersTextAndSelectedCellInTheRealWindow)
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
    grid::TExtStringGrid* planting = form->plantingTB;
    planting->SetCells(0, 0, "Date");
    planting->SetCells(1, 1, "maize");
    planting->SetCells(1, 2, "<b>wheat</b>");
    form->Show();
    planting->SetRow(3);
    planting->SetCol(2);

    SDL_Window* window = sdl->SdlWindow(form);
    ASSERT_NE(window, nullptr);
    SDL_Surface* surface = nullptr;
    const rtl::TRect selected = planting->CellRect(2, 3);
    const gfx::TColor skyBlue = gfx::ColorToRGB(planting->SelectionColor());
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < until) {
        application.ProcessMessages();
        surface = SDL_GetWindowSurface(window);
        if (surface != nullptr && surface->w >= 1016) {
            SDL_LockSurface(surface);
            bool drawn = At(surface, planting, selected.Left + 5, selected.Bottom - 5) == skyBlue;
            SDL_UnlockSurface(surface);
            if (drawn) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(surface, nullptr);
    SDL_LockSurface(surface);
    // The selected cell in the selection colour; the cells with text show ink, the empty
    // one none; bold HTML text shows more ink than the plain word of similar length.
    EXPECT_EQ(At(surface, planting, selected.Left + 5, selected.Bottom - 5), skyBlue);
    const int plain = InkInCell(surface, planting, 1, 1, gfx::clWhite);
    const int bold = InkInCell(surface, planting, 1, 2, gfx::clWhite);
    EXPECT_GT(plain, 10);
    EXPECT_GT(bold, plain);
    EXPECT_EQ(InkInCell(surface, planting, 1, 4, gfx::clWhite), 0);
    // The header row shows the tables' purple header background, and the white bold header
    // text stands out on it.
    const rtl::TRect header = planting->CellRect(3, 0);
    const gfx::TColor purple = gfx::ColorToRGB(planting->FixedColor());
    EXPECT_EQ(At(surface, planting, (header.Left + header.Right) / 2, header.Top + 3), purple);
    EXPECT_EQ(At(surface, planting, (header.Left + header.Right) / 2, header.Bottom - 4), purple);
    EXPECT_GT(LightPixelsInCell(surface, planting, 0, 0, 3 * 0xE0), 10);
    SDL_UnlockSurface(surface);
}

}  // namespace
