// Cursors of the program's own: pictures with a hot spot, read from cursor files among the
// resources and shown wherever a control's Cursor names the number the screen keeps them under.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct TCursorImage {
    int Width = 0;
    int Height = 0;
    int HotSpotX = 0;
    int HotSpotY = 0;
    std::vector<std::uint32_t> Pixels;  // premultiplied ARGB32, row by row from the top
};
using HCURSOR = std::shared_ptr<const TCursorImage>;

// A cursor file (an icon directory of type 2): its largest picture and the hot spot of that
// picture's entry; nullptr for data that is no cursor or does not decode.
HCURSOR DecodeCursor(const std::uint8_t* data, std::size_t size);
// The cursor resource of that name (resources/cursors), nullptr when there is none.
HCURSOR LoadCursorResource(const std::string& name);

// The screen's own cursors, kept under positive numbers that a control's Cursor can name;
// a number without one shows the arrow. Setting one shows it at once where the pointer asks
// for that number; nullptr removes it.
HCURSOR ScreenCursor(int index);
void SetScreenCursor(int index, HCURSOR cursor);

}  // namespace ui
