// The set-up shared by the tests that open drop-downs as real windows under a display: an
// application on the SDL backend with an empty form, pumping its messages as time passes, a
// drop-down opened as the user opens it, and windows saved as PNG screenshots.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Forms.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace dropdowntest {

class DropDownScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::HaveDisplay()) GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
        auto backend = std::make_unique<ui::TSdlBackend>();
        Sdl = backend.get();
        App.SetBackend(std::move(backend));
        Form = new ui::TForm(&App);
    }

    // Handles the application's messages for the given time, or until done() holds.
    void PumpUntil(int ms, const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end && !done()) {
            App.ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void Pump(int ms)
    {
        PumpUntil(ms, [] { return false; });
    }

    // Shows the form and lets its window come up active before the user acts on it.
    void ShowForm()
    {
        Form->Show();
        App.ActivateForm(Form);
        Pump(300);
    }

    // Opens the drop-down and waits for its pop-up's window to come up and be painted.
    grid::TDropDownForm* OpenDropDown(grid::TExtCustomDropDown* drop)
    {
        drop->ShowDropDown();
        grid::TDropDownForm* popup = drop->DropDownForm();
        PumpUntil(2000, [&] { return Sdl->SdlWindow(popup) != nullptr; });
        Pump(200);
        return popup;
    }

    // Fills a drop-down that lists items in columns with three crop columns, the last one
    // right-aligned, and five crops, and selects the second crop.
    template <class TDrop>
    static void FillCrops(TDrop* drop)
    {
        const char* headers[] = {"Crop", "Code", "Yield"};
        const int widths[] = {120, 60, 80};
        for (int c = 0; c < 3; ++c) {
            auto& col = *drop->Columns().Add();
            col.SetHeader(headers[c]);
            col.SetWidth(widths[c]);
        }
        drop->Columns().Items(2)->SetAlignment(ui::taRightJustify);
        const char* rows[][3] = {{"Maize", "MZ", "7.5"}, {"Winter wheat", "WW", "5.9"}, {"Barley", "BA", "5.1"},
                                 {"Sunflower", "SF", "2.8"}, {"Rapeseed", "RS", "3.2"}};
        for (const auto& row : rows) {
            auto& item = *drop->Items().Add();
            for (const char* text : row) item.Text().Add(text);
        }
        drop->EndUpdate();
        drop->SetItemIndex(1);
    }

    // Writes what an SDL surface shows as a PNG in the build's screenshots folder.
    static void SaveScreenshot(SDL_Surface* surface, const char* name)
    {
        const std::filesystem::path file = testsupport::BuildDir() / "screenshots" / name;
        std::filesystem::remove(file);
        testsupport::SaveSurfacePng(surface, file);
        EXPECT_GT(std::filesystem::file_size(file), 500u);
    }

    ui::TApplication App;
    ui::TSdlBackend* Sdl = nullptr;
    ui::TForm* Form = nullptr;
};

}  // namespace dropdowntest
