// Baseline JPEG encoder: colour conversion, 8 × 8 DCT, quantization and Huffman coding.
#include "platform/gfx/JpegEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gfx {

namespace {

constexpr std::array<int, 64> kZigzag = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                         12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                         35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                         58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The example quantization tables of the standard, in natural order.
constexpr std::array<int, 64> kLumaQuant = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                            14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                            18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                            49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> kChromaQuant = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                              24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                              99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                              99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// The typical Huffman tables of the standard: code counts per length 1..16, then the values.
constexpr std::uint8_t kDcLumaBits[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kDcChromaBits[16] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
constexpr std::uint8_t kDcValues[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr std::uint8_t kAcLumaBits[16] = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
constexpr std::uint8_t kAcLumaValues[162] = {
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71, 0x14,
    0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09,
    0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a,
    0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64, 0x65,
    0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88,
    0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9,
    0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca,
    0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea,
    0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};
constexpr std::uint8_t kAcChromaBits[16] = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77};
constexpr std::uint8_t kAcChromaValues[162] = {
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22, 0x32,
    0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1, 0x0a, 0x16,
    0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36, 0x37, 0x38, 0x39,
    0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64,
    0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x82, 0x83, 0x84, 0x85, 0x86,
    0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7,
    0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8,
    0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9,
    0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};

struct THuffmanTable {
    const std::uint8_t* Bits;
    const std::uint8_t* Values;
    int Count;
    std::array<std::uint16_t, 256> Code{};
    std::array<std::uint8_t, 256> Length{};

    THuffmanTable(const std::uint8_t* bits, const std::uint8_t* values, int count) : Bits(bits), Values(values), Count(count)
    {
        int code = 0;
        int k = 0;
        for (int len = 1; len <= 16; ++len) {
            for (int i = 0; i < bits[len - 1]; ++i, ++k) {
                Code[values[k]] = static_cast<std::uint16_t>(code++);
                Length[values[k]] = static_cast<std::uint8_t>(len);
            }
            code <<= 1;
        }
    }
};

class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& out) : FOut(out) {}
    void Put(unsigned bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            FByte = static_cast<std::uint8_t>((FByte << 1) | ((bits >> i) & 1U));
            if (++FCount == 8) Emit();
        }
    }
    // Pads the last byte with one bits.
    void Flush()
    {
        while (FCount != 0) Put(1, 1);
    }

private:
    void Emit()
    {
        FOut.push_back(FByte);
        if (FByte == 0xFF) FOut.push_back(0);  // byte stuffing
        FByte = 0;
        FCount = 0;
    }
    std::vector<std::uint8_t>& FOut;
    std::uint8_t FByte = 0;
    int FCount = 0;
};

void PutWord(std::vector<std::uint8_t>& out, int v)
{
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

std::array<int, 64> ScaledQuant(const std::array<int, 64>& base, int quality)
{
    quality = std::clamp(quality, 1, 100);
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::array<int, 64> q{};
    for (int i = 0; i < 64; ++i) q[static_cast<std::size_t>(i)] = std::clamp((base[static_cast<std::size_t>(i)] * scale + 50) / 100, 1, 255);
    return q;
}

int BitLength(int v)
{
    int n = 0;
    for (v = std::abs(v); v != 0; v >>= 1) ++n;
    return n;
}

// Forward DCT of a level-shifted block, quantized, in zigzag order.
std::array<int, 64> TransformBlock(const std::array<double, 64>& block, const std::array<int, 64>& quant)
{
    static const auto cosines = [] {
        std::array<double, 64> c{};
        for (int x = 0; x < 8; ++x)
            for (int u = 0; u < 8; ++u) c[static_cast<std::size_t>(x * 8 + u)] = std::cos((2 * x + 1) * u * M_PI / 16.0);
        return c;
    }();
    std::array<double, 64> rows{};
    for (int y = 0; y < 8; ++y)
        for (int u = 0; u < 8; ++u) {
            double s = 0;
            for (int x = 0; x < 8; ++x) s += block[static_cast<std::size_t>(y * 8 + x)] * cosines[static_cast<std::size_t>(x * 8 + u)];
            rows[static_cast<std::size_t>(y * 8 + u)] = s * (u == 0 ? M_SQRT1_2 : 1.0) / 2.0;
        }
    std::array<int, 64> out{};
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u) {
            double s = 0;
            for (int y = 0; y < 8; ++y) s += rows[static_cast<std::size_t>(y * 8 + u)] * cosines[static_cast<std::size_t>(y * 8 + v)];
            s *= (v == 0 ? M_SQRT1_2 : 1.0) / 2.0;
            const std::size_t natural = static_cast<std::size_t>(v * 8 + u);
            out[natural] = static_cast<int>(std::lround(s / quant[natural]));
        }
    std::array<int, 64> zig{};
    for (std::size_t k = 0; k < 64; ++k) zig[k] = out[static_cast<std::size_t>(kZigzag[k])];
    return zig;
}

void EncodeBlock(TBitWriter& w, const std::array<int, 64>& zig, int& previousDc, const THuffmanTable& dc,
                 const THuffmanTable& ac)
{
    const auto putValue = [&](int v, int size) {
        if (size == 0) return;
        w.Put(static_cast<unsigned>(v < 0 ? v + (1 << size) - 1 : v), size);
    };
    const int diff = zig[0] - previousDc;
    previousDc = zig[0];
    const int dcSize = BitLength(diff);
    w.Put(dc.Code[static_cast<std::size_t>(dcSize)], dc.Length[static_cast<std::size_t>(dcSize)]);
    putValue(diff, dcSize);
    int run = 0;
    for (std::size_t k = 1; k < 64; ++k) {
        if (zig[k] == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16) w.Put(ac.Code[0xF0], ac.Length[0xF0]);
        const int size = BitLength(zig[k]);
        const std::size_t symbol = static_cast<std::size_t>((run << 4) | size);
        w.Put(ac.Code[symbol], ac.Length[symbol]);
        putValue(zig[k], size);
        run = 0;
    }
    if (run > 0) w.Put(ac.Code[0], ac.Length[0]);
}

void PutHuffmanTable(std::vector<std::uint8_t>& out, int classAndId, const std::uint8_t* bits, const std::uint8_t* values,
                     int count)
{
    out.push_back(static_cast<std::uint8_t>(classAndId));
    out.insert(out.end(), bits, bits + 16);
    out.insert(out.end(), values, values + count);
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(int width, int height, const std::uint32_t* pixels, int stridePixels, int quality)
{
    std::vector<std::uint8_t> out;
    width = std::max(width, 0);
    height = std::max(height, 0);
    const std::array<int, 64> lq = ScaledQuant(kLumaQuant, quality);
    const std::array<int, 64> cq = ScaledQuant(kChromaQuant, quality);

    out.insert(out.end(), {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    out.insert(out.end(), {0xFF, 0xDB});
    PutWord(out, 2 + 2 * 65);
    for (int t = 0; t < 2; ++t) {
        out.push_back(static_cast<std::uint8_t>(t));
        const std::array<int, 64>& q = t == 0 ? lq : cq;
        for (int k : kZigzag) out.push_back(static_cast<std::uint8_t>(q[static_cast<std::size_t>(k)]));
    }
    out.insert(out.end(), {0xFF, 0xC0});
    PutWord(out, 17);
    out.push_back(8);
    PutWord(out, height);
    PutWord(out, width);
    out.insert(out.end(), {3, 1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1});
    out.insert(out.end(), {0xFF, 0xC4});
    PutWord(out, 2 + 2 * (17 + 12) + 2 * (17 + 162));
    PutHuffmanTable(out, 0x00, kDcLumaBits, kDcValues, 12);
    PutHuffmanTable(out, 0x10, kAcLumaBits, kAcLumaValues, 162);
    PutHuffmanTable(out, 0x01, kDcChromaBits, kDcValues, 12);
    PutHuffmanTable(out, 0x11, kAcChromaBits, kAcChromaValues, 162);
    out.insert(out.end(), {0xFF, 0xDA});
    PutWord(out, 12);
    out.insert(out.end(), {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0});

    static const THuffmanTable dcLuma(kDcLumaBits, kDcValues, 12);
    static const THuffmanTable acLuma(kAcLumaBits, kAcLumaValues, 162);
    static const THuffmanTable dcChroma(kDcChromaBits, kDcValues, 12);
    static const THuffmanTable acChroma(kAcChromaBits, kAcChromaValues, 162);
    TBitWriter w(out);
    int dcY = 0, dcCb = 0, dcCr = 0;
    std::array<double, 64> y{}, cb{}, cr{};
    for (int by = 0; by < height; by += 8)
        for (int bx = 0; bx < width; bx += 8) {
            // Edge blocks repeat the last column and row.
            for (int j = 0; j < 8; ++j)
                for (int i = 0; i < 8; ++i) {
                    const int px = std::min(bx + i, width - 1);
                    const int py = std::min(by + j, height - 1);
                    const std::uint32_t p = pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(stridePixels) +
                                                   static_cast<std::size_t>(px)];
                    const double r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                    const std::size_t k = static_cast<std::size_t>(j * 8 + i);
                    y[k] = 0.299 * r + 0.587 * g + 0.114 * b - 128.0;
                    cb[k] = -0.168736 * r - 0.331264 * g + 0.5 * b;
                    cr[k] = 0.5 * r - 0.418688 * g - 0.081312 * b;
                }
            EncodeBlock(w, TransformBlock(y, lq), dcY, dcLuma, acLuma);
            EncodeBlock(w, TransformBlock(cb, cq), dcCb, dcChroma, acChroma);
            EncodeBlock(w, TransformBlock(cr, cq), dcCr, dcChroma, acChroma);
        }
    w.Flush();
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

}  // namespace gfx
