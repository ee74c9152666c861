// The SDL2 backend: real windows, blitting, and SDL events turned into input.
#include "platform/backend/SdlBackend.h"

#include <SDL.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/MessageQueue.h"

namespace ui {

std::unique_ptr<TBackend> CreateSdlBackend()
{
    return std::make_unique<TSdlBackend>();
}

int VirtualKeyFromSdl(int key)
{
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD1 + (key - SDLK_KP_1);
    switch (key) {
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD: return VK_DECIMAL;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    default: return 0;
    }
}

TSdlBackend::TSdlBackend()
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0'))
        throw rtl::EOSError("No display available: DISPLAY is not set. The program needs a graphical display "
                            "(run it in a desktop session or under xvfb-run).");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw rtl::EOSError(std::string("Cannot open the display: ") + SDL_GetError());
    FWakeEvent = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    std::uint32_t wake = FWakeEvent;
    TMessageQueue::Instance().SetWakeHandler([wake] {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = wake;
        SDL_PushEvent(&e);
    });
}

TSdlBackend::~TSdlBackend()
{
    TMessageQueue::Instance().SetWakeHandler(nullptr);
    for (auto& [control, window] : FWindows) SDL_DestroyWindow(window);
    FWindows.clear();
    for (auto& [image, custom] : FCustomCursors) SDL_FreeCursor(custom.Cursor);
    FCustomCursors.clear();
    for (auto& [id, cursor] : FSystemCursors)
        if (cursor != nullptr) SDL_FreeCursor(cursor);
    FSystemCursors.clear();
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void TSdlBackend::WindowShown(TWinControl* window)
{
    if (FWindows.count(window) != 0) return;
    auto* form = dynamic_cast<TCustomForm*>(window);
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (form == nullptr) {
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_TOOLTIP;
    } else if (form->BorderStyle() == bsNone) {
        flags |= SDL_WINDOW_BORDERLESS;
    } else if (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin) {
        flags |= SDL_WINDOW_RESIZABLE;
    }
    std::string title = form != nullptr ? form->Caption() : std::string();
    SDL_Window* w = SDL_CreateWindow(title.c_str(), window->Left(), window->Top(), std::max(1, window->Width()),
                                     std::max(1, window->Height()), flags);
    if (w == nullptr) throw rtl::EOSError(std::string("Cannot create a window: ") + SDL_GetError());
    FWindows[window] = w;
    Present(window, rtl::Rect(0, 0, window->Width(), window->Height()));
}

void TSdlBackend::WindowHidden(TWinControl* window)
{
    auto it = FWindows.find(window);
    if (it == FWindows.end()) return;
    SDL_DestroyWindow(it->second);
    FWindows.erase(it);
}

void TSdlBackend::WindowDestroyed(TWinControl* window)
{
    WindowHidden(window);
}

void TSdlBackend::WindowChanged(TWinControl* window)
{
    auto it = FWindows.find(window);
    if (it == FWindows.end()) return;
    SDL_Window* w = it->second;
    if (auto* form = dynamic_cast<TCustomForm*>(window)) SDL_SetWindowTitle(w, form->Caption().c_str());
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(w, &x, &y);
    SDL_GetWindowSize(w, &width, &height);
    if (x != window->Left() || y != window->Top()) SDL_SetWindowPosition(w, window->Left(), window->Top());
    if (width != window->Width() || height != window->Height())
        SDL_SetWindowSize(w, std::max(1, window->Width()), std::max(1, window->Height()));
}

void TSdlBackend::Present(TWinControl* window, const rtl::TRect& rect)
{
    auto it = FWindows.find(window);
    if (it == FWindows.end() || window->Surface() == nullptr) return;
    SDL_Surface* target = SDL_GetWindowSurface(it->second);
    if (target == nullptr) return;
    cairo_surface_t* source = window->Surface();
    cairo_surface_flush(source);
    const unsigned char* data = cairo_image_surface_get_data(source);
    int stride = cairo_image_surface_get_stride(source);
    int width = std::min(cairo_image_surface_get_width(source), target->w);
    int height = std::min(cairo_image_surface_get_height(source), target->h);
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(data), width, height, 32,
                                                            stride, SDL_PIXELFORMAT_ARGB8888);
    if (image == nullptr) return;
    SDL_SetSurfaceBlendMode(image, SDL_BLENDMODE_NONE);
    // Only the changed part is copied and shown.
    rtl::TRect part;
    if (!rtl::IntersectRect(part, rect, rtl::Rect(0, 0, width, height))) {
        SDL_FreeSurface(image);
        return;
    }
    SDL_Rect area{part.Left, part.Top, part.Width(), part.Height()};
    SDL_Rect dest = area;
    SDL_BlitSurface(image, &area, target, &dest);
    SDL_FreeSurface(image);
    SDL_UpdateWindowSurfaceRects(it->second, &area, 1);
}

TWinControl* TSdlBackend::WindowOf(std::uint32_t windowId) const
{
    for (const auto& [control, window] : FWindows) {
        if (SDL_GetWindowID(window) == windowId) return const_cast<TWinControl*>(control);
    }
    return nullptr;
}

std::uint32_t TSdlBackend::WindowId(const TWinControl* window) const
{
    auto it = FWindows.find(window);
    return it == FWindows.end() ? 0 : SDL_GetWindowID(it->second);
}

SDL_Window* TSdlBackend::SdlWindow(const TWinControl* window) const
{
    auto it = FWindows.find(window);
    return it == FWindows.end() ? nullptr : it->second;
}

bool TSdlBackend::PumpEvents()
{
    bool any = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == FWakeEvent) continue;
        HandleEvent(event);
        any = true;
    }
    return any;
}

void TSdlBackend::HandleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_WINDOWEVENT: {
        TWinControl* top = WindowOf(event.window.windowID);
        if (top == nullptr) return;
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: TInputRouter::CloseRequested(top); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: TInputRouter::WindowActivated(top); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: ResetKeyboardState(); break;
        case SDL_WINDOWEVENT_LEAVE: TInputRouter::MouseLeftWindow(top); break;
        case SDL_WINDOWEVENT_EXPOSED: Present(top, rtl::Rect(0, 0, top->Width(), top->Height())); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (event.window.data1 != top->Width() || event.window.data2 != top->Height())
                top->SetBounds(top->Left(), top->Top(), event.window.data1, event.window.data2);
            break;
        case SDL_WINDOWEVENT_MOVED:
            if (event.window.data1 != top->Left() || event.window.data2 != top->Top())
                top->SetBounds(event.window.data1, event.window.data2, top->Width(), top->Height());
            break;
        default: break;
        }
        return;
    }
    case SDL_MOUSEMOTION: {
        if (TWinControl* top = WindowOf(event.motion.windowID)) TInputRouter::MouseMove(top, event.motion.x, event.motion.y);
        return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        TWinControl* top = WindowOf(event.button.windowID);
        if (top == nullptr) return;
        TMouseButton button = event.button.button == SDL_BUTTON_RIGHT    ? mbRight
                              : event.button.button == SDL_BUTTON_MIDDLE ? mbMiddle
                                                                         : mbLeft;
        TInputRouter::MouseButton(top, button, event.type == SDL_MOUSEBUTTONDOWN, event.button.x, event.button.y);
        return;
    }
    case SDL_MOUSEWHEEL: {
        TWinControl* top = WindowOf(event.wheel.windowID);
        if (top == nullptr) return;
        rtl::TPoint cursor;
        GetCursorPos(cursor);
        int steps = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        TInputRouter::MouseWheel(top, steps * WHEEL_DELTA, cursor.X - top->Left(), cursor.Y - top->Top());
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int vk = VirtualKeyFromSdl(event.key.keysym.sym);
        if (vk != 0) TInputRouter::Key(vk, event.type == SDL_KEYDOWN);
        return;
    }
    case SDL_TEXTINPUT: {
        std::string text = event.text.text;
        size_t pos = 0;
        while (pos < text.size()) TInputRouter::Char(rtl::Utf8NextChar(text, pos));
        return;
    }
    case SDL_DROPBEGIN: FDroppedFiles.clear(); return;
    case SDL_DROPFILE: {
        if (event.drop.file != nullptr) FDroppedFiles.emplace_back(event.drop.file);
        SDL_free(event.drop.file);
        return;
    }
    case SDL_DROPCOMPLETE: {
        // Files dropped from the desktop go to the drop target under the mouse.
        std::vector<std::string> files;
        files.swap(FDroppedFiles);
        TWinControl* top = WindowOf(event.drop.windowID);
        if (top == nullptr || files.empty()) return;
        int mouseX = 0;
        int mouseY = 0;
        SDL_GetGlobalMouseState(&mouseX, &mouseY);
        int windowX = 0;
        int windowY = 0;
        if (SDL_Window* window = SdlWindow(top)) SDL_GetWindowPosition(window, &windowX, &windowY);
        DropFilesOnWindow(top, mouseX - windowX, mouseY - windowY, files);
        return;
    }
    default:
        return;
    }
}

void TSdlBackend::WaitEvents(int timeoutMs)
{
    TMessageQueue& queue = TMessageQueue::Instance();
    if (queue.PostedCount() != 0) return;
    SDL_WaitEventTimeout(nullptr, std::max(1, timeoutMs));
}

rtl::TSize TSdlBackend::ScreenSize() const
{
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(0, &mode) != 0) return {1280, 1024};
    return {mode.w, mode.h};
}

std::vector<TMonitorInfo> TSdlBackend::Monitors() const
{
    std::vector<TMonitorInfo> result;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds;
        SDL_Rect usable;
        if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0) usable = bounds;
        result.push_back({rtl::Bounds(bounds.x, bounds.y, bounds.w, bounds.h),
                          rtl::Bounds(usable.x, usable.y, usable.w, usable.h), i == 0});
    }
    return result;
}

int TSdlBackend::PixelsPerInch() const
{
    float vertical = 0;
    if (SDL_GetDisplayDPI(0, nullptr, nullptr, &vertical) == 0 && vertical > 0)
        return static_cast<int>(vertical + 0.5f);
    return 0;
}

// The desktop clipboard is there while SDL's video part runs.
bool TSdlBackend::HasDesktopClipboard() const
{
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

void TSdlBackend::SetDesktopClipboardText(const std::string& text)
{
    SDL_SetClipboardText(text.c_str());
}

std::optional<std::string> TSdlBackend::DesktopClipboardText() const
{
    char* raw = SDL_GetClipboardText();
    if (raw == nullptr) return std::nullopt;
    std::string text = raw;
    SDL_free(raw);
    return text;
}

void TSdlBackend::ShowErrorBox(const std::string& title, const std::string& text)
{
    SDL_Window* parent = nullptr;
    if (TApplication* app = Application(); app != nullptr && app->ActiveForm() != nullptr)
        parent = SdlWindow(app->ActiveForm());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), parent);
}

SDL_Cursor* TSdlBackend::CustomSdlCursor(const TCursorImage* cursor) const
{
    const auto it = FCustomCursors.find(cursor);
    return it != FCustomCursors.end() ? it->second.Cursor : nullptr;
}

// An SDL colour cursor from a picture of premultiplied pixels (SDL takes straight alpha).
SDL_Cursor* TSdlBackend::MakeCustomCursor(const HCURSOR& image)
{
    if (SDL_Cursor* made = CustomSdlCursor(image.get())) return made;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, image->Width, image->Height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < image->Height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < image->Width; ++x) {
            const std::uint32_t p = image->Pixels[static_cast<std::size_t>(y) * image->Width + x];
            const std::uint32_t a = p >> 24;
            auto straight = [a](std::uint32_t c) { return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a); };
            row[x] = (a << 24) | (straight((p >> 16) & 0xFF) << 16) | (straight((p >> 8) & 0xFF) << 8) |
                     straight(p & 0xFF);
        }
    }
    SDL_Cursor* made = SDL_CreateColorCursor(surface, image->HotSpotX, image->HotSpotY);
    SDL_FreeSurface(surface);
    if (made != nullptr) FCustomCursors[image.get()] = {image, made};
    return made;
}

void TSdlBackend::SetCursorShape(int cursor)
{
    // Positive numbers name the program's own cursors that the screen keeps.
    const HCURSOR custom = cursor > 0 ? ScreenCursor(cursor) : nullptr;
    if (cursor == FCursor && custom.get() == FShownCustom) return;
    FCursor = cursor;
    FShownCustom = custom.get();
    if (custom != nullptr) {
        if (SDL_Cursor* made = MakeCustomCursor(custom)) {
            SDL_SetCursor(made);
            return;
        }
    }
    SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
    switch (cursor) {
    case crIBeam: id = SDL_SYSTEM_CURSOR_IBEAM; break;
    case crHourGlass:
    case crSQLWait: id = SDL_SYSTEM_CURSOR_WAIT; break;
    case crAppStart: id = SDL_SYSTEM_CURSOR_WAITARROW; break;
    case crCross: id = SDL_SYSTEM_CURSOR_CROSSHAIR; break;
    case crSizeNWSE: id = SDL_SYSTEM_CURSOR_SIZENWSE; break;
    case crSizeNESW: id = SDL_SYSTEM_CURSOR_SIZENESW; break;
    case crSizeWE:
    case crHSplit: id = SDL_SYSTEM_CURSOR_SIZEWE; break;
    case crSizeNS:
    case crVSplit: id = SDL_SYSTEM_CURSOR_SIZENS; break;
    case crSizeAll: id = SDL_SYSTEM_CURSOR_SIZEALL; break;
    case crNo:
    case crNoDrop: id = SDL_SYSTEM_CURSOR_NO; break;
    case crHandPoint: id = SDL_SYSTEM_CURSOR_HAND; break;
    default: break;
    }
    SDL_Cursor*& made = FSystemCursors[id];
    if (made == nullptr) made = SDL_CreateSystemCursor(id);
    if (made != nullptr) SDL_SetCursor(made);
}

}  // namespace ui
