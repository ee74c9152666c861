// GIF decoding through giflib: every frame composed onto the picture area with its delay.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

struct TGifReader {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Pos;
};

int GifRead(GifFileType* gif, GifByteType* out, int count)
{
    auto* r = static_cast<TGifReader*>(gif->UserData);
    if (count <= 0) return 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), r->Size - r->Pos);
    std::memcpy(out, r->Data + r->Pos, n);
    r->Pos += n;
    return static_cast<int>(n);
}

struct TGifFile {
    GifFileType* Gif = nullptr;
    ~TGifFile()
    {
        int error = 0;
        if (Gif) DGifCloseFile(Gif, &error);
    }
};

}  // namespace

bool DecodeGif(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 6 || std::memcmp(data, "GIF8", 4) != 0) return false;
    TGifReader reader{data, size, 0};
    int error = 0;
    TGifFile file;
    file.Gif = DGifOpen(&reader, GifRead, &error);
    if (!file.Gif) return false;
    GifFileType* gif = file.Gif;
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount <= 0) return false;
    // A file cut short in its last frame still slurps; the trailer proves it is complete.
    if (reader.Pos == 0 || data[reader.Pos - 1] != 0x3B) return false;

    int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0) {
        for (int i = 0; i < gif->ImageCount; ++i) {
            const GifImageDesc& d = gif->SavedImages[i].ImageDesc;
            width = std::max(width, d.Left + d.Width);
            height = std::max(height, d.Top + d.Height);
        }
    }
    if (!IsDecodableSize(width, height)) return false;
    if (static_cast<long long>(width) * height * gif->ImageCount > 4 * MaxImagePixels) return false;

    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(width) * height, 0);
    bool hasAlpha = false;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!map || !image.RasterBits) return false;
        const std::vector<std::uint32_t> before = gcb.DisposalMode == DISPOSE_PREVIOUS ? canvas : std::vector<std::uint32_t>();
        for (int y = 0; y < d.Height; ++y) {
            const int cy = d.Top + y;
            if (cy < 0 || cy >= height) continue;
            for (int x = 0; x < d.Width; ++x) {
                const int cx = d.Left + x;
                if (cx < 0 || cx >= width) continue;
                const int index = image.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
                if (index == gcb.TransparentColor || index >= map->ColorCount) continue;
                const GifColorType& c = map->Colors[index];
                canvas[static_cast<std::size_t>(cy) * width + cx] =
                    0xFF000000u | (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue;
            }
        }
        TImageFrame frame;
        frame.Left = d.Left;
        frame.Top = d.Top;
        frame.FrameWidth = d.Width;
        frame.FrameHeight = d.Height;
        frame.DelayCs = gcb.DelayTime;
        frame.Pixels = canvas;
        for (std::uint32_t p : frame.Pixels)
            if ((p >> 24) != 0xFF) {
                hasAlpha = true;
                break;
            }
        out.Frames.push_back(std::move(frame));
        if (gcb.DisposalMode == DISPOSE_BACKGROUND) {
            for (int y = std::max(0, d.Top); y < std::min(height, d.Top + d.Height); ++y)
                for (int x = std::max(0, d.Left); x < std::min(width, d.Left + d.Width); ++x)
                    canvas[static_cast<std::size_t>(y) * width + x] = 0;
        } else if (gcb.DisposalMode == DISPOSE_PREVIOUS) {
            canvas = before;
        }
    }
    out.Format = TImageFormat::Gif;
    out.Width = width;
    out.Height = height;
    out.HasAlpha = hasAlpha;
    return true;
}

}  // namespace gfx
