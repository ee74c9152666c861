// PNG decoding and encoding through libpng, from and to memory.
#include <png.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

struct TPngReader {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Pos;
};

// Decoding state kept outside the function that calls setjmp, so that a long jump out of
// libpng leaves nothing in doubt.
struct TPngDecode {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    std::vector<std::uint32_t> Pixels;
    std::vector<png_bytep> Rows;
    int Width = 0;
    int Height = 0;
    ~TPngDecode() { png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr); }
};

void PngRead(png_structp png, png_bytep out, png_size_t count)
{
    auto* r = static_cast<TPngReader*>(png_get_io_ptr(png));
    if (count > r->Size - r->Pos) png_error(png, "unexpected end of data");
    std::memcpy(out, r->Data + r->Pos, count);
    r->Pos += count;
}

void PngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

bool RunDecode(TPngDecode& d, TPngReader& reader)
{
    if (setjmp(png_jmpbuf(d.Png))) return false;
    png_set_read_fn(d.Png, &reader, PngRead);
    png_set_user_limits(d.Png, 65535, 65535);
    png_read_info(d.Png, d.Info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(d.Png, d.Info, &w, &h, &depth, &colorType, &interlace, nullptr, nullptr);
    if (!IsDecodableSize(w, h)) return false;
    png_set_expand(d.Png);
    png_set_strip_16(d.Png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(d.Png);
    png_set_bgr(d.Png);
    png_set_filler(d.Png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(d.Png);
    png_read_update_info(d.Png, d.Info);
    if (png_get_rowbytes(d.Png, d.Info) != static_cast<png_size_t>(w) * 4) return false;
    d.Width = static_cast<int>(w);
    d.Height = static_cast<int>(h);
    d.Pixels.assign(static_cast<std::size_t>(w) * h, 0);
    d.Rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) d.Rows[y] = reinterpret_cast<png_bytep>(d.Pixels.data() + static_cast<std::size_t>(y) * w);
    png_read_image(d.Png, d.Rows.data());
    png_read_end(d.Png, nullptr);
    return true;
}

struct TPngWriter {
    std::vector<std::uint8_t>* Out;
};

void PngWrite(png_structp png, png_bytep data, png_size_t count)
{
    auto* w = static_cast<TPngWriter*>(png_get_io_ptr(png));
    w->Out->insert(w->Out->end(), data, data + count);
}

void PngFlush(png_structp) {}

struct TPngEncode {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    std::vector<std::uint8_t> RowBuffer;
    ~TPngEncode() { png_destroy_write_struct(&Png, Info ? &Info : nullptr); }
};

bool RunEncode(TPngEncode& e, TPngWriter& writer, int width, int height, const std::uint32_t* pixels, int stride,
               bool alpha)
{
    if (setjmp(png_jmpbuf(e.Png))) return false;
    png_set_write_fn(e.Png, &writer, PngWrite, PngFlush);
    png_set_IHDR(e.Png, e.Info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(e.Png, 6);
    png_write_info(e.Png, e.Info);
    const int channels = alpha ? 4 : 3;
    e.RowBuffer.resize(static_cast<std::size_t>(width) * channels);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint8_t* out = e.RowBuffer.data();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a != 0 && a != 255) {
                r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
            }
            *out++ = static_cast<std::uint8_t>(r);
            *out++ = static_cast<std::uint8_t>(g);
            *out++ = static_cast<std::uint8_t>(b);
            if (alpha) *out++ = static_cast<std::uint8_t>(a);
        }
        png_write_row(e.Png, e.RowBuffer.data());
    }
    png_write_end(e.Png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
    TPngDecode d;
    d.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!d.Png) return false;
    d.Info = png_create_info_struct(d.Png);
    if (!d.Info) return false;
    TPngReader reader{data, size, 0};
    if (!RunDecode(d, reader)) return false;
    bool hasAlpha = false;
    for (std::uint32_t& p : d.Pixels) {
        const std::uint32_t a = p >> 24;
        if (a == 255) continue;
        hasAlpha = true;
        const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
        p = (a << 24) | (r << 16) | (g << 8) | b;
    }
    out.AddWholeFrame(TImageFormat::Png, d.Width, d.Height, hasAlpha, std::move(d.Pixels));
    return true;
}

bool EncodePng(int width, int height, const std::uint32_t* pixels, int stridePixels, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (width <= 0 || height <= 0 || !pixels) return false;
    bool alpha = false;
    for (int y = 0; y < height && !alpha; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[static_cast<std::ptrdiff_t>(y) * stridePixels + x] >> 24) != 0xFF) {
                alpha = true;
                break;
            }
    TPngEncode e;
    e.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!e.Png) return false;
    e.Info = png_create_info_struct(e.Png);
    if (!e.Info) return false;
    TPngWriter writer{&out};
    if (!RunEncode(e, writer, width, height, pixels, stridePixels, alpha)) {
        out.clear();
        return false;
    }
    return true;
}

}  // namespace gfx
