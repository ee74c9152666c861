// Fuzz target: picture bytes through THTMLPicture — decoding, GIF frame markers, animation steps and drawing.
#include <cstddef>
#include <cstdint>

#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16) return 0;
    grid::THTMLPicture picture;
    picture.LoadFromBytes(data, size);
    const int frames = picture.FrameCount();
    for (int i = 0; i <= frames + 1 && i < 64; ++i) {
        (void)picture.GetFrameTime(i);
        picture.SetFrame(i);
    }
    picture.SetFrame(1);
    for (int i = 0; i < 8; ++i) picture.Step();
    static gfx::TBitmap bitmap(32, 32);
    if (picture.Width() <= 4096 && picture.Height() <= 4096)
        picture.Draw(bitmap.Canvas(), rtl::Rect(0, 0, 32, 32));
    return 0;
}
