// Baseline JPEG encoding of 32-bit pixels (the platform's default JPEG settings).
#pragma once

#include <cstdint>
#include <vector>

namespace gfx {

// The quality the platform writes JPEG files with when nothing else is asked for.
constexpr int DefaultJpegQuality = 90;

// A baseline JFIF file (YCbCr, no subsampling, the standard Huffman tables) from ARGB32
// pixels 0xAARRGGBB; alpha is ignored. Quality 1..100 scales the standard quantization tables.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, const std::uint32_t* pixels, int stridePixels,
                                     int quality = DefaultJpegQuality);

}  // namespace gfx
