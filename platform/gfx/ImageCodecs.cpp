// Picture format detection and decoding by format.
#include "platform/gfx/ImageCodecs.h"

#include <cstring>

namespace gfx {

TImageFormat DetectImageFormat(const std::uint8_t* data, std::size_t size)
{
    if (!data) return TImageFormat::Unknown;
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) return TImageFormat::Png;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return TImageFormat::Jpeg;
    if (size >= 4 && std::memcmp(data, "GIF8", 4) == 0) return TImageFormat::Gif;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return TImageFormat::Bmp;
    if (size >= 4 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0)
        return TImageFormat::Ico;
    return TImageFormat::Unknown;
}

bool DecodeImage(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    switch (DetectImageFormat(data, size)) {
    case TImageFormat::Png: return DecodePng(data, size, out);
    case TImageFormat::Jpeg: return DecodeJpeg(data, size, out);
    case TImageFormat::Gif: return DecodeGif(data, size, out);
    case TImageFormat::Bmp: return DecodeBmp(data, size, out);
    case TImageFormat::Ico: return DecodeIco(data, size, out);
    default: out.Clear(); return false;
    }
}

}  // namespace gfx
