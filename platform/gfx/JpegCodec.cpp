// JPEG decoding through libjpeg from memory; warnings about damaged data count as failure.
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    bool Damaged = false;
};

void JpegErrorExit(j_common_ptr info)
{
    auto* e = reinterpret_cast<TJpegError*>(info->err);
    std::longjmp(e->Jump, 1);
}

// A warning (level -1) means corrupt or truncated data that libjpeg would paper over.
void JpegEmitMessage(j_common_ptr info, int level)
{
    auto* e = reinterpret_cast<TJpegError*>(info->err);
    if (level < 0) e->Damaged = true;
}

void JpegOutputMessage(j_common_ptr) {}

struct TJpegDecode {
    jpeg_decompress_struct Info{};
    TJpegError Error;
    std::vector<std::uint32_t> Pixels;
    std::vector<std::uint8_t> Row;
    int Width = 0;
    int Height = 0;
    bool Created = false;
    ~TJpegDecode()
    {
        if (Created) jpeg_destroy_decompress(&Info);
    }
};

bool RunDecode(TJpegDecode& d, const std::uint8_t* data, std::size_t size)
{
    d.Info.err = jpeg_std_error(&d.Error.Manager);
    d.Error.Manager.error_exit = JpegErrorExit;
    d.Error.Manager.emit_message = JpegEmitMessage;
    d.Error.Manager.output_message = JpegOutputMessage;
    if (setjmp(d.Error.Jump)) return false;
    jpeg_create_decompress(&d.Info);
    d.Created = true;
    jpeg_mem_src(&d.Info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&d.Info, TRUE) != JPEG_HEADER_OK) return false;
    const bool cmyk = d.Info.jpeg_color_space == JCS_CMYK || d.Info.jpeg_color_space == JCS_YCCK;
    d.Info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d.Info);
    const long long w = d.Info.output_width, h = d.Info.output_height;
    if (!IsDecodableSize(w, h)) return false;
    const int channels = d.Info.output_components;
    if (channels != 3 && channels != 4) return false;
    d.Width = static_cast<int>(w);
    d.Height = static_cast<int>(h);
    d.Pixels.assign(static_cast<std::size_t>(w * h), 0);
    d.Row.resize(static_cast<std::size_t>(w) * channels);
    while (d.Info.output_scanline < d.Info.output_height) {
        const int y = static_cast<int>(d.Info.output_scanline);
        JSAMPROW row = d.Row.data();
        if (jpeg_read_scanlines(&d.Info, &row, 1) != 1) return false;
        std::uint32_t* out = d.Pixels.data() + static_cast<std::size_t>(y) * w;
        for (long long x = 0; x < w; ++x) {
            const std::uint8_t* p = d.Row.data() + x * channels;
            std::uint32_t r, g, b;
            if (channels == 4) {
                // Adobe CMYK is stored inverted: the values are already 255 − ink.
                const std::uint32_t k = p[3];
                r = p[0] * k / 255;
                g = p[1] * k / 255;
                b = p[2] * k / 255;
            } else {
                r = p[0];
                g = p[1];
                b = p[2];
            }
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&d.Info);
    return !d.Error.Damaged;
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TDecodedImage& out)
{
    out.Clear();
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    TJpegDecode d;
    if (!RunDecode(d, data, size)) return false;
    out.AddWholeFrame(TImageFormat::Jpeg, d.Width, d.Height, false, std::move(d.Pixels));
    return true;
}

}  // namespace gfx
