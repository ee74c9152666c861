// Decoders for PNG, JPEG, GIF, BMP and ICO data and the PNG and BMP encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gfx {

enum class TImageFormat { Unknown, Bmp, Png, Jpeg, Gif, Ico };

// One frame of a decoded picture. Pixels hold the whole picture area (Width × Height of the
// picture) as premultiplied ARGB32, as it looks when this frame is shown; Left, Top,
// FrameWidth and FrameHeight give the part the frame itself covers; DelayCs is the frame's
// display time in hundredths of a second (GIF), 0 otherwise.
struct TImageFrame {
    int Left = 0;
    int Top = 0;
    int FrameWidth = 0;
    int FrameHeight = 0;
    int DelayCs = 0;
    std::vector<std::uint32_t> Pixels;
};

struct TDecodedImage {
    TImageFormat Format = TImageFormat::Unknown;
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
    std::vector<TImageFrame> Frames;
    bool Empty() const { return Width <= 0 || Height <= 0 || Frames.empty(); }
    void Clear() { *this = TDecodedImage{}; }
    // Describes a still picture: its format, size and alpha, and one frame covering it all.
    void AddWholeFrame(TImageFormat format, int width, int height, bool hasAlpha, std::vector<std::uint32_t> pixels)
    {
        Format = format;
        Width = width;
        Height = height;
        HasAlpha = hasAlpha;
        TImageFrame frame;
        frame.FrameWidth = width;
        frame.FrameHeight = height;
        frame.Pixels = std::move(pixels);
        Frames.push_back(std::move(frame));
    }
};

// The format by the data's signature.
TImageFormat DetectImageFormat(const std::uint8_t* data, std::size_t size);

// Each decoder returns false and leaves `out` empty for data it cannot decode completely
// (corrupt, truncated, unsupported, or larger than MaxImagePixels); none of them crashes.
constexpr long long MaxImagePixels = 64LL * 1024 * 1024;
// Widest or tallest picture a drawing surface can hold.
constexpr long long MaxImageSide = 32767;

// True for a picture size the decoders accept: positive, each side within a
// drawing surface's limit and the area within MaxImagePixels. A size beyond
// that decodes as empty instead of failing later when it is drawn.
constexpr bool IsDecodableSize(long long width, long long height)
{
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}
bool DecodeImage(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
bool DecodePng(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
bool DecodeGif(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
bool DecodeIco(const std::uint8_t* data, std::size_t size, TDecodedImage& out);
// A BMP without its file header (the DIB inside an icon or a resource).
bool DecodeDib(const std::uint8_t* data, std::size_t size, TDecodedImage& out, bool iconMask);

// PNG (8-bit RGBA or RGB when all opaque) from premultiplied ARGB32 pixels.
bool EncodePng(int width, int height, const std::uint32_t* pixels, int stridePixels,
               std::vector<std::uint8_t>& out);
// BMP file, 24 bit (opaque) or 32 bit with alpha, bottom-up.
std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint32_t* pixels,
                                    int stridePixels, bool withAlpha);

}  // namespace gfx
