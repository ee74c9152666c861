// The real map window under a display (Xvfb in the test run): a DRAW on screen, saved as a screenshot.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/DriveSteps.h"
#include "app/MapDrawing.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "app/Unit3.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "tests/app/BatchToolFixtures.h"
#include "tests/support/SdlScreenshots.h"

namespace {

using testsupport::HaveDisplay;
using testsupport::SaveSurfacePng;
using testsupport::SurfacePixel;

TEST(MapWindowScreenshot, TheRealWindowShowsTheDrawnCells)
{
    if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY; scripts/test runs this under Xvfb";
    testsupport::TempDir dir;
    testsupport::CurrentDirScope inDir(dir.Path());
    const auto soilGrid = dir.Path() / "drives" / "e" / "Tolvek SOIL GRID";
    std::vector<std::string> key = {"OLD;NEW"}, grid = {"NEW;X;LAT;LON"}, values = {"ID;VALUE"};
    for (int cell = 1; cell <= 1104; ++cell) {
        key.push_back(std::to_string(cell) + ";" + std::to_string(cell));
        char row[96];
        std::snprintf(row, sizeof row, "%d;x;%.10f;%.10f", cell, 48.7 - ((cell - 1) / 60) * 22 / 200.0, 16 + ((cell - 1) % 60) * 16 / 140.0);
        grid.push_back(row);
        values.push_back(std::to_string(cell) + ";" + std::to_string(cell % 14));
    }
    batchfixtures::WriteTable(soilGrid / "KEY_10kmID_OLD_NEW.csv", key);
    batchfixtures::WriteTable(soilGrid / "Tolvek_DB_GRID_TABLE3.csv", grid);
    batchfixtures::WriteTable(dir.Path() / "drives" / "e" / "map" / "KEY_10kmID_OLD_NEW.csv", values);

    ui::TApplication application;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    application.SetBackend(std::move(backend));
    app::TWorkbenchForms forms = app::CreateWorkbenchForms(application);
    forms.MainForm->Show();
    application.ProcessMessages();
    app::DriveClick(forms.MainForm->FindComponent("Button30"));  // "MAP"
    app::TForm3& map = *forms.MapForm;
    app::DriveClick(map.Button1);  // DRAW with the initial value table and bounds 8 and 12

    SDL_Window* window = sdl->SdlWindow(&map);
    ASSERT_NE(window, nullptr);
    // Cell 2 (value 2, class 1) has its centre at (16 + 7, 10) of the picture.
    const rtl::TPoint origin = map.map->ClientOriginInWindow();
    const rtl::TPoint centre{origin.X + 23, origin.Y + 10};
    SDL_Surface* surface = nullptr;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < until) {
        application.ProcessMessages();
        surface = SDL_GetWindowSurface(window);
        if (surface != nullptr && surface->w >= 1008 && surface->h >= 729) {
            SDL_LockSurface(surface);
            const bool drawn = SurfacePixel(surface, centre.X, centre.Y) == app::MapClassColours[1];
            SDL_UnlockSurface(surface);
            if (drawn) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(surface, nullptr);
    SaveSurfacePng(surface, testsupport::BuildDir() / "screenshots" / "map-window.png");
    SDL_LockSurface(surface);
    EXPECT_EQ(SurfacePixel(surface, centre.X, centre.Y), app::MapClassColours[1]);
    // Cell 13 (value 13, above 12: class 10) and its grey outline.
    EXPECT_EQ(SurfacePixel(surface, origin.X + 12 * 16 + 7, origin.Y + 10), app::MapClassColours[10]);
    EXPECT_EQ(SurfacePixel(surface, origin.X + 12 * 16, origin.Y + 10), app::MapOutlineColour);
    EXPECT_EQ(SurfacePixel(surface, origin.X + 990, origin.Y + 640), gfx::ColorToRGB(gfx::clBtnFace));
    SDL_UnlockSurface(surface);
}

}  // namespace
