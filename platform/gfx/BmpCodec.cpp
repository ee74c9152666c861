// BMP and DIB reading (1/4/8/16/24/32 bit, RLE, bit fields) and BMP writing; every read is
// bounds-checked, so damaged files decode as empty.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::int32_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6;

// Extracts the value of a channel by its mask, scaled to 0 … 255.
struct TChannel {
    int Shift = 0;
    int Bits = 0;
    std::uint32_t Mask = 0;
    explicit TChannel(std::uint32_t mask = 0) : Mask(mask)
    {
        if (!mask) return;
        while (!((mask >> Shift) & 1)) ++Shift;
        while (Shift + Bits < 32 && ((mask >> (Shift + Bits)) & 1)) ++Bits;
    }
    std::uint32_t Get(std::uint32_t v) const
    {
        if (!Mask) return 0;
        const std::uint32_t raw = (v & Mask) >> Shift;
        const std::uint32_t max = Bits >= 32 ? 0xFFFFFFFFu : ((1u << Bits) - 1);
        return max ? static_cast<std::uint32_t>((static_cast<std::uint64_t>(raw) * 255 + max / 2) / max) : 0;
    }
};

std::uint32_t Premultiply(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a)
{
    if (a != 255) {
        r = r * a / 255;
        g = g * a / 255;
        b = b * a / 255;
    }
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Decodes RLE8/RLE4 data into palette indices (bottom-up rows); false on damaged data.
bool DecodeRle(const std::uint8_t* p, std::size_t size, bool four, int width, int height, std::vector<std::uint8_t>& idx)
{
    idx.assign(static_cast<std::size_t>(width) * height, 0);
    std::size_t i = 0;
    int x = 0, y = 0;
    auto put = [&](int v) {
        if (x < width && y < height) idx[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(v);
        ++x;
    };
    while (true) {
        if (i + 2 > size) return false;
        const int count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return true;
        } else if (value == 2) {  // delta
            if (i + 2 > size) return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {  // absolute run of `value` pixels, padded to 16 bits
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > size) return false;
            for (int k = 0; k < value; ++k) put(four ? ((k & 1) ? (p[i + k / 2] & 0x0F) : (p[i + k / 2] >> 4)) : p[i + k]);
            i += bytes + (bytes & 1);
        }
        if (y > height) return false;
    }
}

// Reads the pixels of a DIB whose header starts at data[0]; `pixelOffset` is where the pixel
// rows start (0: right after the header and palette).
bool ParseDib(const std::uint8_t* data, std::size_t size, bool iconMask, std::size_t pixelOffset, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 12) return false;
    const std::uint32_t headerSize = U32(data);
    if (headerSize < 12 || headerSize > size) return false;
    long long width, height;
    int bitCount;
    std::uint32_t compression = BI_RGB, colorsUsed = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0};
    std::size_t paletteEntrySize = 4;
    if (headerSize == 12) {
        width = U16(data + 4);
        height = static_cast<std::int16_t>(U16(data + 6));
        bitCount = static_cast<int>(U16(data + 10));
        paletteEntrySize = 3;
    } else {
        if (headerSize < 40) return false;
        width = S32(data + 4);
        height = S32(data + 8);
        bitCount = static_cast<int>(U16(data + 14));
        compression = U32(data + 16);
        colorsUsed = U32(data + 32);
        if (headerSize >= 52) {
            masks[0] = U32(data + 40);
            masks[1] = U32(data + 44);
            masks[2] = U32(data + 48);
        }
        if (headerSize >= 56) masks[3] = U32(data + 52);
    }
    std::size_t pos = headerSize;
    if ((compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) && headerSize == 40) {
        const int n = compression == BI_ALPHABITFIELDS ? 4 : 3;
        if (pos + 4 * n > size) return false;
        for (int k = 0; k < n; ++k) masks[k] = U32(data + pos + 4 * k);
        pos += 4 * n;
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (iconMask) height /= 2;  // an icon's DIB holds the colour image and then its AND mask
    if (!IsDecodableSize(width, height)) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) return false;
    if ((compression == BI_RLE8 && bitCount != 8) || (compression == BI_RLE4 && bitCount != 4)) return false;
    const bool fields = compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS;
    if (compression != BI_RGB && compression != BI_RLE8 && compression != BI_RLE4 && !fields) return false;
    if (fields && bitCount != 16 && bitCount != 32) return false;

    std::vector<std::uint32_t> palette;
    if (bitCount <= 8) {
        const std::size_t count = colorsUsed ? colorsUsed : (1u << bitCount);
        if (count > 256 || pos + count * paletteEntrySize > size) return false;
        palette.resize(count);
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint8_t* e = data + pos + k * paletteEntrySize;
            palette[k] = 0xFF000000u | (std::uint32_t(e[2]) << 16) | (std::uint32_t(e[1]) << 8) | e[0];
        }
        pos += count * paletteEntrySize;
    }
    if (pixelOffset != 0) pos = pixelOffset;
    if (pos > size) return false;

    const int w = static_cast<int>(width), h = static_cast<int>(height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    auto fromPalette = [&](std::size_t index) { return index < palette.size() ? palette[index] : 0xFF000000u; };
    auto target = [&](int row) { return pixels.data() + static_cast<std::size_t>(topDown ? row : h - 1 - row) * w; };
    bool hasAlpha = false;
    const std::size_t stride = ((static_cast<std::size_t>(w) * bitCount + 31) / 32) * 4;

    if (compression == BI_RLE8 || compression == BI_RLE4) {
        if (topDown) return false;
        std::vector<std::uint8_t> idx;
        if (!DecodeRle(data + pos, size - pos, compression == BI_RLE4, w, h, idx)) return false;
        for (int row = 0; row < h; ++row) {
            std::uint32_t* dst = target(row);
            for (int x = 0; x < w; ++x) dst[x] = fromPalette(idx[static_cast<std::size_t>(row) * w + x]);
        }
        pos = size;
    } else {
        if (stride * h > size - pos) return false;
        TChannel red, green, blue, alpha;
        if (bitCount == 16) {
            red = TChannel(fields ? masks[0] : 0x7C00);
            green = TChannel(fields ? masks[1] : 0x03E0);
            blue = TChannel(fields ? masks[2] : 0x001F);
            alpha = TChannel(fields ? masks[3] : 0);
        } else if (bitCount == 32) {
            red = TChannel(fields ? masks[0] : 0x00FF0000);
            green = TChannel(fields ? masks[1] : 0x0000FF00);
            blue = TChannel(fields ? masks[2] : 0x000000FF);
            alpha = TChannel(fields ? masks[3] : 0xFF000000);
        }
        for (int row = 0; row < h; ++row) {
            const std::uint8_t* src = data + pos + stride * row;
            std::uint32_t* dst = target(row);
            for (int x = 0; x < w; ++x) {
                switch (bitCount) {
                case 1: dst[x] = fromPalette((src[x / 8] >> (7 - x % 8)) & 1); break;
                case 4: dst[x] = fromPalette((x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4)); break;
                case 8: dst[x] = fromPalette(src[x]); break;
                case 24: dst[x] = 0xFF000000u | (std::uint32_t(src[3 * x + 2]) << 16) | (std::uint32_t(src[3 * x + 1]) << 8) | src[3 * x]; break;
                default: {
                    const std::uint32_t v = bitCount == 16 ? U16(src + 2 * x) : U32(src + 4 * x);
                    const std::uint32_t a = alpha.Mask ? alpha.Get(v) : 255;
                    dst[x] = (a << 24) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
                    break;
                }
                }
            }
        }
        pos += stride * h;
        if (bitCount == 32 && alpha.Mask) {
            // An alpha channel that is zero everywhere is unused (plain 32-bit bitmaps).
            bool any = false;
            for (std::uint32_t p : pixels)
                if ((p >> 24) != 0) {
                    any = true;
                    break;
                }
            if (!any)
                for (std::uint32_t& p : pixels) p |= 0xFF000000u;
            else
                for (std::uint32_t& p : pixels) {
                    const std::uint32_t a = p >> 24;
                    if (a != 255) hasAlpha = true;
                    p = Premultiply((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF, a);
                }
        }
    }

    if (iconMask && !hasAlpha) {
        // The AND mask: 1 bit per pixel, set where the icon is transparent.
        const std::size_t maskStride = ((static_cast<std::size_t>(w) + 31) / 32) * 4;
        if (maskStride * h <= size - pos) {
            for (int row = 0; row < h; ++row) {
                const std::uint8_t* src = data + pos + maskStride * row;
                std::uint32_t* dst = target(row);
                for (int x = 0; x < w; ++x)
                    if ((src[x / 8] >> (7 - x % 8)) & 1) {
                        dst[x] = 0;
                        hasAlpha = true;
                    }
            }
        }
    }

    out.AddWholeFrame(TImageFormat::Bmp, w, h, hasAlpha, std::move(pixels));
    return true;
}

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}

void Put32(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

}  // namespace

bool DecodeDib(const std::uint8_t* data, std::size_t size, TDecodedImage& out, bool iconMask)
{
    return ParseDib(data, size, iconMask, 0, out);
}

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t offBits = U32(data + 10);
    std::size_t pixelOffset = 0;
    if (offBits >= 14 + 12 && offBits <= size) pixelOffset = offBits - 14;
    return ParseDib(data + 14, size - 14, false, pixelOffset, out);
}

std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint32_t* pixels, int stridePixels, bool withAlpha)
{
    width = std::max(0, width);
    height = std::max(0, height);
    const int bits = withAlpha ? 32 : 24;
    const std::uint32_t stride = ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> v;
    v.reserve(54 + imageSize);
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + imageSize);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, static_cast<std::uint32_t>(width));
    Put32(v, static_cast<std::uint32_t>(height));
    Put16(v, 1);
    Put16(v, static_cast<std::uint32_t>(bits));
    Put32(v, BI_RGB);
    Put32(v, imageSize);
    Put32(v, 3780);  // 96 pixels per inch
    Put32(v, 3780);
    Put32(v, 0);
    Put32(v, 0);
    for (int row = height - 1; row >= 0; --row) {
        const std::uint32_t* src = pixels + static_cast<std::ptrdiff_t>(row) * stridePixels;
        const std::size_t start = v.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = src[x];
            std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a != 0 && a != 255) {
                r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
            }
            v.push_back(static_cast<std::uint8_t>(b));
            v.push_back(static_cast<std::uint8_t>(g));
            v.push_back(static_cast<std::uint8_t>(r));
            if (withAlpha) v.push_back(static_cast<std::uint8_t>(a));
        }
        while (v.size() - start < stride) v.push_back(0);
    }
    return v;
}

}  // namespace gfx
