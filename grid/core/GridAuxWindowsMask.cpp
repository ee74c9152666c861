// The focus window's soft frame: alpha mask merging, the rounded-rectangle mask and the Gaussian blur.
#include "grid/core/GridAuxWindowsMask.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

constexpr int KernelReach = 10;   // weights for offsets -10 .. 10
constexpr int EdgeBand = 20;      // rows and columns further in are copied
constexpr int SourceLine = 15;    // the blurred line they are copied from

std::uint8_t RedOf(std::uint32_t pixel) { return static_cast<std::uint8_t>((pixel >> 16) & 0xFF); }

// A channel sum: below 0 gives 0, 255 or more gives 255, otherwise truncated toward zero.
// The weights add up to 1 only within rounding, so a flat area would come out one level
// darker (255 as 254.99999...); sums are taken to within 1e-9 of a level before truncating,
// which keeps a flat area's level and still truncates 254.9 to 254.
std::uint32_t ClampChannel(double sum)
{
    sum += 1e-9;
    if (sum < 0) return 0;
    if (sum >= 255) return 255;
    return static_cast<std::uint32_t>(sum);
}

struct TKernel {
    double Weights[2 * KernelReach + 1] = {};
    int Reach = KernelReach;
    double At(int offset) const { return Weights[offset + KernelReach]; }
};

TKernel MakeKernel(double radius)
{
    TKernel kernel;
    double sum = 0;
    for (int i = -KernelReach; i <= KernelReach; ++i) {
        const double x = i / radius;
        kernel.Weights[i + KernelReach] = std::exp(-x * x / 2);
        sum += kernel.Weights[i + KernelReach];
    }
    for (double& w : kernel.Weights) w /= sum;
    // Drop outer weights while what they add up to stays below half a level.
    int k = KernelReach;
    double tail = 0;
    while (tail < 1.0 / 510 && k > 1) {
        tail += 2 * kernel.Weights[k + KernelReach];
        --k;
    }
    kernel.Reach = k;
    sum = 0;
    for (int i = -k; i <= k; ++i) sum += kernel.Weights[i + KernelReach];
    for (int i = -k; i <= k; ++i) kernel.Weights[i + KernelReach] /= sum;
    return kernel;
}

// Blurs one line of pixels in place; positions outside the line take the nearest end pixel.
void BlurLine(std::vector<std::uint32_t>& line, std::vector<std::uint32_t>& scratch, const TKernel& kernel)
{
    const int last = static_cast<int>(line.size()) - 1;
    scratch.resize(line.size());
    for (int j = 0; j <= last; ++j) {
        double blue = 0, green = 0, red = 0;
        for (int i = -kernel.Reach; i <= kernel.Reach; ++i) {
            const std::uint32_t p = line[static_cast<std::size_t>(std::clamp(j - i, 0, last))];
            const double w = kernel.At(i);
            blue += w * (p & 0xFF);
            green += w * ((p >> 8) & 0xFF);
            red += w * ((p >> 16) & 0xFF);
        }
        scratch[static_cast<std::size_t>(j)] =
            0xFF000000u | ClampChannel(red) << 16 | ClampChannel(green) << 8 | ClampChannel(blue);
    }
    line.swap(scratch);
}

bool IsCopiedLine(int index, int count) { return EdgeBand < index && index < count - EdgeBand; }

}  // namespace

// --- TGridAlphaMask ---

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(gfx::pf32bit);
    SetAlphaFormat(gfx::afPremultiplied);
}

void TGridAlphaMask::Assign(const rtl::TPersistent* Source)
{
    auto* mask = dynamic_cast<const TGridAlphaMask*>(Source);
    if (mask != nullptr && mask != this && mask->Width() == Width() && mask->Height() == Height()) {
        FOpacity = mask->FOpacity;
        for (int y = 0; y < Height(); ++y)
            std::memcpy(ScanLine(y), mask->ScanLine(y), sizeof(std::uint32_t) * static_cast<std::size_t>(Width()));
        Canvas().Changed();
    } else {
        gfx::TBitmap::Assign(Source);
    }
    SetPixelFormat(gfx::pf32bit);
    SetAlphaFormat(gfx::afPremultiplied);
}

void TGridAlphaMask::MergeMask(const gfx::TBitmap& Mask, const gfx::TBitmap& Bitmap, gfx::TColor /*Color*/)
{
    if (Bitmap.PixelFormat() != gfx::pf24bit) return;
    SetPixelFormat(gfx::pf32bit);
    SetAlphaFormat(gfx::afPremultiplied);
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (int y = 0; y < Height(); ++y) {
        const std::uint32_t* source = Bitmap.ScanLine(y);
        // Mask pixels beyond the mask's own size count as 0 (transparent) instead of being
        // read from outside its rows.
        const std::uint32_t* maskRow = y < Mask.Height() ? Mask.ScanLine(y) : nullptr;
        const int maskWidth = maskRow != nullptr ? Mask.Width() : 0;
        std::uint32_t* target = ScanLine(y);
        for (int x = 0; x < Width(); ++x) {
            const std::uint32_t m = x < maskWidth ? RedOf(maskRow[x]) : 0;
            const std::uint32_t p = source[x];
            auto scale = [m](std::uint32_t channel) {
                return static_cast<std::uint32_t>(std::lround(m / 255.0 * channel));
            };
            target[x] = m << 24 | scale((p >> 16) & 0xFF) << 16 | scale((p >> 8) & 0xFF) << 8 | scale(p & 0xFF);
        }
    }
    Canvas().Changed();
}

// --- mask and blur ---

void MakeRoundRectMask(gfx::TBitmap& Bitmap, int Width, int Height, int PenWidth, int CornerSize, double Radius)
{
    Bitmap.SetPixelFormat(gfx::pf24bit);
    Bitmap.SetSize(std::max(0, Width), std::max(0, Height));
    if (Bitmap.Empty()) return;
    gfx::TCanvas& canvas = Bitmap.Canvas();
    const int level = canvas.SaveState();
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(gfx::clBlack);
    canvas.FillRect(rtl::Rect(0, 0, Width, Height));
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetColor(gfx::clWhite);
    if (PenWidth >= 1) {
        canvas.Pen().SetWidth(PenWidth);
    } else {
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetColor(gfx::clWhite);
    }
    const int c = PenWidth / 2;
    canvas.RoundRect(c + 2, c + 2, Width - c - 2, Height - c - 2, CornerSize, CornerSize);
    canvas.RestoreState(level);
    if (Radius > 0) GaussianBlurBitmap(Bitmap, Radius);
}

void GaussianBlurBitmap(gfx::TBitmap& Bitmap, double Radius)
{
    if (Bitmap.PixelFormat() != gfx::pf24bit) throw rtl::Exception("Blur only works for 24-bit bitmaps");
    // A radius of 0 or below has no spread: the picture stays as it is instead of the
    // weights being divided by zero.
    if (!(Radius > 0) || Bitmap.Empty()) return;
    const TKernel kernel = MakeKernel(Radius);
    const int width = Bitmap.Width();
    const int height = Bitmap.Height();
    std::vector<std::uint32_t> line, scratch;

    for (int r = 0; r < height; ++r) {
        std::uint32_t* row = Bitmap.ScanLine(r);
        if (IsCopiedLine(r, height)) {
            std::memcpy(row, Bitmap.ScanLine(SourceLine), sizeof(std::uint32_t) * static_cast<std::size_t>(width));
            continue;
        }
        line.assign(row, row + width);
        BlurLine(line, scratch, kernel);
        std::copy(line.begin(), line.end(), row);
    }

    std::vector<std::uint32_t*> rows(static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r) rows[static_cast<std::size_t>(r)] = Bitmap.ScanLine(r);
    for (int c = 0; c < width; ++c) {
        if (IsCopiedLine(c, width)) {
            for (std::uint32_t* row : rows) row[c] = row[SourceLine];
            continue;
        }
        line.resize(static_cast<std::size_t>(height));
        for (int r = 0; r < height; ++r) line[static_cast<std::size_t>(r)] = rows[static_cast<std::size_t>(r)][c];
        BlurLine(line, scratch, kernel);
        for (int r = 0; r < height; ++r) rows[static_cast<std::size_t>(r)][c] = line[static_cast<std::size_t>(r)];
    }
    Bitmap.Canvas().Changed();
}

}  // namespace grid
