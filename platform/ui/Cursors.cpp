// Cursors of the program's own: reading a cursor file's picture and hot spot.
#include "platform/ui/Cursors.h"

#include <algorithm>
#include <map>

#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Resources.h"
#include "platform/ui/InputRouter.h"

namespace ui {

namespace {

// The screen's list of cursors, as the screen object keeps it.
std::map<int, HCURSOR>& ScreenCursors()
{
    static std::map<int, HCURSOR> cursors;
    return cursors;
}

int U16At(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

}  // namespace

HCURSOR DecodeCursor(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < 6 + 16 || U16At(data + 2) != 2) return nullptr;
    gfx::TDecodedImage image;
    if (!gfx::DecodeIco(data, size, image) || image.Empty()) return nullptr;
    // The decoder took the largest picture; its directory entry holds the hot spot.
    const int count = U16At(data + 4);
    int hotX = 0;
    int hotY = 0;
    for (int i = 0; i < count && 6 + static_cast<std::size_t>(i + 1) * 16 <= size; ++i) {
        const std::uint8_t* e = data + 6 + i * 16;
        const int w = e[0] != 0 ? e[0] : 256;
        const int h = e[1] != 0 ? e[1] : 256;
        if (w != image.Width || h != image.Height) continue;
        hotX = U16At(e + 4);
        hotY = U16At(e + 6);
        break;
    }
    auto cursor = std::make_shared<TCursorImage>();
    cursor->Width = image.Width;
    cursor->Height = image.Height;
    cursor->HotSpotX = std::min(hotX, image.Width - 1);
    cursor->HotSpotY = std::min(hotY, image.Height - 1);
    cursor->Pixels = std::move(image.Frames.front().Pixels);
    return cursor;
}

HCURSOR LoadCursorResource(const std::string& name)
{
    const gfx::TResource resource = gfx::FindResource(name, "cursors");
    if (!resource.Found()) return nullptr;
    return DecodeCursor(resource.Data, resource.Size);
}

}  // namespace ui

namespace ui {

HCURSOR ScreenCursor(int index)
{
    const auto it = ScreenCursors().find(index);
    return it != ScreenCursors().end() ? it->second : nullptr;
}

void SetScreenCursor(int index, HCURSOR cursor)
{
    if (cursor != nullptr) ScreenCursors()[index] = std::move(cursor);
    else ScreenCursors().erase(index);
    TInputRouter::RefreshCursor();
}

}  // namespace ui
