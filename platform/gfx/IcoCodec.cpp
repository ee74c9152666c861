// Icon and cursor files: the largest, deepest image of the directory, DIB or PNG.
#include <cstring>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

bool DecodeIco(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 6) return false;
    const int type = data[2] | (data[3] << 8);
    const int count = data[4] | (data[5] << 8);
    if (data[0] != 0 || data[1] != 0 || (type != 1 && type != 2) || count <= 0) return false;
    if (6 + static_cast<std::size_t>(count) * 16 > size) return false;
    int best = -1;
    long long bestScore = -1;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = data + 6 + i * 16;
        const int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        const int bits = type == 1 ? (e[6] | (e[7] << 8)) : 0;
        const long long score = static_cast<long long>(w) * h * 64 + bits;
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    const std::uint8_t* e = data + 6 + best * 16;
    const std::uint32_t bytes = e[8] | (e[9] << 8) | (e[10] << 16) | (std::uint32_t(e[11]) << 24);
    const std::uint32_t offset = e[12] | (e[13] << 8) | (e[14] << 16) | (std::uint32_t(e[15]) << 24);
    if (offset > size || bytes > size - offset || bytes == 0) return false;
    const std::uint8_t* image = data + offset;
    const bool ok = bytes >= 8 && std::memcmp(image, "\x89PNG", 4) == 0 ? DecodePng(image, bytes, out)
                                                                         : DecodeDib(image, bytes, out, true);
    if (!ok) {
        out.Clear();
        return false;
    }
    out.Format = TImageFormat::Ico;
    return true;
}

}  // namespace gfx
