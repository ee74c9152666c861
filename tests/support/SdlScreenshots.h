// Test helpers for real windows under a display (Xvfb in the test run): the
// pixels SDL shows, and saving them as a PNG screenshot.
#pragma once

#include <SDL.h>
#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/gfx/Color.h"

namespace testsupport {

// True when a display is there to open real windows on.
inline bool HaveDisplay()
{
    const char* d = std::getenv("DISPLAY");
    return d != nullptr && *d != '\0';
}

// A pixel of an SDL surface as an RGB colour value (0xBBGGRR).
inline gfx::TColor SurfacePixel(SDL_Surface* s, int x, int y)
{
    Uint32 pixel = 0;
    std::memcpy(&pixel, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, s->format, &r, &g, &b);
    return gfx::RGB(r, g, b);
}

// Writes an SDL surface as a PNG file, creating its folder.
inline void SaveSurfacePng(SDL_Surface* s, const std::filesystem::path& file)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s->w, s->h);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < s->w; ++x) {
            const gfx::TColor c = SurfacePixel(s, x, y);
            row[x] = (std::uint32_t(gfx::GetRValue(c)) << 16) | (std::uint32_t(gfx::GetGValue(c)) << 8) |
                     gfx::GetBValue(c);
        }
    }
    SDL_UnlockSurface(s);
    cairo_surface_mark_dirty(image);
    std::filesystem::create_directories(file.parent_path());
    cairo_surface_write_to_png(image, file.c_str());
    cairo_surface_destroy(image);
}

}  // namespace testsupport
