// The colour spectrum's pointer: a cursor picture of our own with its hot spot, kept by the
// screen as cursor 54 and shown under the pointer over the spectrum, on a headless form and
// as a real SDL cursor under a display.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>

#include "grid/dropdown/ColorSpectrumPanel.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "tests/support/SdlScreenshots.h"

namespace {

using namespace grid;

constexpr int kPointer = 54;

std::uint32_t CursorPixel(const ui::TCursorImage& c, int x, int y)
{
    return c.Pixels[static_cast<std::size_t>(y) * c.Width + x];
}

TEST(SpectrumPointerTest, PointerIsARingAroundAClearHotSpot)
{
    const ui::HCURSOR cursor = ui::LoadCursorResource("jyx_pointer");
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->Width, 32);
    EXPECT_EQ(cursor->Height, 32);
    EXPECT_EQ(cursor->HotSpotX, 7);
    EXPECT_EQ(cursor->HotSpotY, 7);
    const int hx = cursor->HotSpotX;
    const int hy = cursor->HotSpotY;
    EXPECT_EQ(CursorPixel(*cursor, hx, hy) >> 24, 0u) << "the colour under the hot spot stays visible";
    EXPECT_EQ(CursorPixel(*cursor, hx + 5, hy), 0xFF000000u) << "black ring";
    EXPECT_EQ(CursorPixel(*cursor, hx - 4, hy), 0xFFFFFFFFu) << "white inside it";
    EXPECT_EQ(CursorPixel(*cursor, hx, hy + 7), 0xFF000000u) << "a tick below";
    EXPECT_EQ(CursorPixel(*cursor, 31, 31) >> 24, 0u);
    EXPECT_EQ(ui::LoadCursorResource("NO_SUCH_CURSOR"), nullptr);
    const std::uint8_t icon[] = {0, 0, 1, 0, 1, 0};  // an icon directory, not a cursor
    EXPECT_EQ(ui::DecodeCursor(icon, sizeof icon), nullptr);
}

TEST(SpectrumPointerTest, PointerShowsOverTheSpectrumPictureOnly)
{
    ui::TApplication app;
    auto backend = std::make_unique<ui::THeadlessBackend>();
    ui::THeadlessBackend* headless = backend.get();
    app.SetBackend(std::move(backend));
    auto* form = new ui::TForm(&app);
    form->SetBounds(100, 100, 300, 250);
    auto* spectrum = new TExtColorSpectrumPanel(form);
    spectrum->SetParent(form);
    spectrum->UpdateLayout();
    form->Show();
    app.ActivateForm(form);
    app.ProcessMessages();

    ASSERT_NE(ui::ScreenCursor(kPointer), nullptr) << "the spectrum gave the screen its pointer";
    EXPECT_EQ(spectrum->SpectrumImage()->Cursor(), kPointer);
    ui::THeadlessBackend::MouseMove(spectrum->SpectrumImage(), 60, 60);
    app.ProcessMessages();
    EXPECT_EQ(headless->CursorShape(), kPointer);
    const rtl::TRect swatch = spectrum->HotRect();
    ui::THeadlessBackend::MouseMove(spectrum, swatch.Left + 2, swatch.Top + 2);
    app.ProcessMessages();
    EXPECT_EQ(headless->CursorShape(), ui::crArrow) << "the swatches keep the arrow";
}

// A form with a spectrum on a real window.
struct TSdlSpectrum {
    ui::TApplication App;
    ui::TSdlBackend* Sdl = nullptr;
    TExtColorSpectrumPanel* Spectrum = nullptr;
    TSdlSpectrum()
    {
        auto backend = std::make_unique<ui::TSdlBackend>();
        Sdl = backend.get();
        App.SetBackend(std::move(backend));
        auto* form = new ui::TForm(&App);
        form->SetBounds(40, 40, 300, 250);
        Spectrum = new TExtColorSpectrumPanel(form);
        Spectrum->SetParent(form);
        Spectrum->UpdateLayout();
        form->Show();
        App.ActivateForm(form);
        App.ProcessMessages();
    }
};

TEST(SpectrumPointerTest, SdlShowsThePointerAsAColourCursor)
{
    if (!testsupport::HaveDisplay()) GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
    {
        // An earlier set of windows that showed the arrow and closed: its cursors went with it.
        TSdlSpectrum earlier;
        ui::THeadlessBackend::MouseMove(earlier.Spectrum, 2, 2);
        earlier.App.ProcessMessages();
    }
    TSdlSpectrum s;
    ui::TApplication& app = s.App;
    ui::TSdlBackend* sdl = s.Sdl;
    TExtColorSpectrumPanel* spectrum = s.Spectrum;
    const ui::HCURSOR pointer = ui::ScreenCursor(kPointer);
    ASSERT_NE(pointer, nullptr);

    // The pointer entering the picture: SDL's cursor becomes the one made from our picture.
    ui::THeadlessBackend::MouseMove(spectrum->SpectrumImage(), 60, 60);
    app.ProcessMessages();
    SDL_Cursor* made = sdl->CustomSdlCursor(pointer.get());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(SDL_GetCursor(), made);
    ui::THeadlessBackend::MouseMove(spectrum, 2, 2);
    app.ProcessMessages();
    EXPECT_NE(SDL_GetCursor(), made) << "the arrow again beside the picture";
}

}  // namespace
