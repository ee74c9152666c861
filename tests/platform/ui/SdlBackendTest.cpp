// The SDL2 backend under a real display (Xvfb in the test run): a real window, real SDL events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "UiTestSupport.h"
#include "platform/backend/SdlBackend.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace ui;
using uitest::TTestButton;

bool HaveDisplay()
{
    const char* d = std::getenv("DISPLAY");
    return d != nullptr && *d != '\0';
}

// Runs the loop until the condition holds or two seconds pass.
template <typename F>
bool RunUntil(TApplication& app, F&& done)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < until) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

gfx::TColor WindowSurfacePixel(SDL_Window* window, int x, int y)
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

void PushMouseButton(Uint32 windowId, Uint32 type, int x, int y)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = type;
    e.button.windowID = windowId;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

TEST(SdlBackendTest, ClickingAButtonInARealWindowThroughSdlEvents)
{
    if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY; scripts/test runs this under Xvfb";
    TApplication app;
    auto backend = std::make_unique<TSdlBackend>();
    TSdlBackend* sdl = backend.get();
    app.SetBackend(std::move(backend));

    auto* form = new TForm(&app);
    form->SetBounds(40, 40, 220, 120);
    form->SetCaption("Tolvek Apps");
    form->SetColor(gfx::clWhite);
    auto* button = new TTestButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 80, 25);
    button->SetColor(gfx::clRed);
    int clicks = 0;
    button->OnClick = [&](rtl::TObject*) {
        ++clicks;
        button->SetColor(gfx::clLime);  // the click shows on screen
    };
    std::u32string typed;
    button->OnKeyPress = [&](rtl::TObject*, char32_t& ch) { typed += ch; };
    form->Show();
    app.ProcessMessages();

    Uint32 id = sdl->WindowId(form);
    ASSERT_NE(id, 0u);
    SDL_Window* window = sdl->SdlWindow(form);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Tolvek Apps");
    ASSERT_TRUE(RunUntil(app, [&] { return WindowSurfacePixel(window, 60, 40) == gfx::clRed; }));
    EXPECT_EQ(WindowSurfacePixel(window, 150, 100), gfx::clWhite);

    PushMouseButton(id, SDL_MOUSEBUTTONDOWN, 60, 40);
    PushMouseButton(id, SDL_MOUSEBUTTONUP, 60, 40);
    ASSERT_TRUE(RunUntil(app, [&] { return clicks == 1; }));
    EXPECT_EQ(FocusedControl(), button);
    EXPECT_TRUE(RunUntil(app, [&] { return WindowSurfacePixel(window, 60, 40) == gfx::clLime; }));

    // Text input arrives as characters, Return as its control character.
    SDL_Event text;
    std::memset(&text, 0, sizeof text);
    text.type = SDL_TEXTINPUT;
    text.text.windowID = id;
    std::strcpy(text.text.text, "ő");
    SDL_PushEvent(&text);
    SDL_Event key;
    std::memset(&key, 0, sizeof key);
    key.type = SDL_KEYDOWN;
    key.key.windowID = id;
    key.key.state = SDL_PRESSED;
    key.key.keysym.sym = SDLK_RETURN;
    SDL_PushEvent(&key);
    EXPECT_TRUE(RunUntil(app, [&] { return typed.size() == 2; }));
    EXPECT_EQ(typed, U"ő\r");

    // The window's close box closes the form; as the main form it ends the loop.
    app.SetMainForm(form);
    SDL_Event close;
    std::memset(&close, 0, sizeof close);
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = id;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&close);
    EXPECT_TRUE(RunUntil(app, [&] { return app.Terminated(); }));
}

TEST(SdlBackendTest, WithoutADisplayItStopsWithAClearMessage)
{
    std::string display = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
    std::string wayland = std::getenv("WAYLAND_DISPLAY") != nullptr ? std::getenv("WAYLAND_DISPLAY") : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    try {
        TSdlBackend backend;
        ADD_FAILURE() << "opened without a display";
    } catch (const rtl::EOSError& e) {
        EXPECT_NE(e.Message().find("No display available"), std::string::npos);
    }
    TApplication app;
    EXPECT_THROW(app.Initialize(), rtl::EOSError);
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    if (!wayland.empty()) setenv("WAYLAND_DISPLAY", wayland.c_str(), 1);
}

}  // namespace
