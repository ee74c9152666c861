// Reading an image list from the common-controls image-list stream.
#include "platform/gfx/ImageListStream.h"

#include <cstring>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Exceptions.h"

namespace gfx {

namespace {

constexpr std::size_t HeaderSize = 28;
constexpr unsigned MaskFlag = 0x0001;  // ILC_MASK

unsigned U16(const std::uint8_t* p) { return static_cast<unsigned>(p[0] | (p[1] << 8)); }

std::uint32_t U32(const std::uint8_t* p)
{
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return v;
}

[[noreturn]] void Invalid(const char* what)
{
    throw rtl::EInvalidOperation(std::string("Invalid image list stream: ") + what);
}

// Decodes the BMP file starting at `pos`; moves `pos` past it (by the size in its file header).
TDecodedImage ReadBmp(const std::uint8_t* data, std::size_t size, std::size_t& pos, const char* what)
{
    if (pos + 14 > size || data[pos] != 'B' || data[pos + 1] != 'M') Invalid(what);
    const std::size_t length = U32(data + pos + 2);
    if (length < 14 || pos + length > size) Invalid(what);
    TDecodedImage image;
    if (!DecodeBmp(data + pos, length, image) || image.Empty()) Invalid(what);
    pos += length;
    return image;
}

// Image `index` of a strip laid out four images to a row.
void CopyTile(const TDecodedImage& strip, int index, int cx, int cy, TBitmap& tile)
{
    constexpr int PerRow = 4;
    const int left = (index % PerRow) * cx;
    const int top = (index / PerRow) * cy;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy), 0xFFFFFFFFu);
    const std::vector<std::uint32_t>& source = strip.Frames[0].Pixels;
    for (int y = 0; y < cy && top + y < strip.Height; ++y)
        for (int x = 0; x < cx && left + x < strip.Width; ++x)
            pixels[static_cast<std::size_t>(y * cx + x)] =
                source[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(strip.Width) +
                       static_cast<std::size_t>(left + x)];
    tile.SetPixels(cx, cy, pixels.data(), cx);
}

}  // namespace

void ReadImageListStream(TImageList& list, const std::uint8_t* data, std::size_t size)
{
    if (size < HeaderSize || data[0] != 'I' || data[1] != 'L') Invalid("no \"IL\" header");
    const int count = static_cast<int>(U16(data + 4));
    const int cx = static_cast<int>(U16(data + 10));
    const int cy = static_cast<int>(U16(data + 12));
    const unsigned flags = U16(data + 18);
    if (cx <= 0 || cy <= 0) Invalid("empty image size");
    std::size_t pos = HeaderSize;
    const TDecodedImage images = ReadBmp(data, size, pos, "unreadable images");
    TDecodedImage mask;
    if ((flags & MaskFlag) != 0) mask = ReadBmp(data, size, pos, "unreadable mask");
    list.SetSize(cx, cy);
    for (int i = 0; i < count; ++i) {
        TBitmap image;
        CopyTile(images, i, cx, cy, image);
        if (mask.Empty()) {
            list.Add(image);
            continue;
        }
        TBitmap maskTile;
        CopyTile(mask, i, cx, cy, maskTile);
        list.Add(image, &maskTile);
    }
}

}  // namespace gfx
