// TImageList: storage of masked images and their enabled and greyed drawing.
#include "platform/gfx/ImageList.h"

#include <algorithm>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/CanvasImpl.h"

namespace gfx {

TImageList::TImageList(rtl::TComponent* owner) : rtl::TComponent(owner) {}

TImageList::TImageList(int width, int height) : rtl::TComponent(nullptr) { SetSize(width, height); }

void TImageList::SetWidth(int value) { SetSize(value, FHeight); }
void TImageList::SetHeight(int value) { SetSize(FWidth, value); }

void TImageList::SetSize(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    if (image.Empty()) return -1;
    const int first = Count();
    const int pieces = std::max(1, image.Width() / FWidth);
    const bool blend = image.PixelFormat() == pf32bit && image.AlphaFormat() != afIgnored;
    for (int piece = 0; piece < pieces; ++piece) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(FWidth) * FHeight, 0);
        for (int y = 0; y < std::min(FHeight, image.Height()); ++y) {
            const std::uint32_t* row = image.ScanLine(y);
            // One scan line of the mask a row: each fetch flushes the mask's surface.
            const std::uint32_t* maskRow = mask && y < mask->Height() ? mask->ScanLine(y) : nullptr;
            for (int x = 0; x < FWidth; ++x) {
                const int sx = piece * FWidth + x;
                if (sx >= image.Width()) break;
                std::uint32_t p = row[sx];
                if (!blend) p |= 0xFF000000u;
                if (maskRow && sx < mask->Width() && PixelToColor(maskRow[sx]) == clWhite) p = 0;
                pixels[static_cast<std::size_t>(y) * FWidth + x] = p;
            }
        }
        FImages.push_back(std::move(pixels));
    }
    return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    if (image.Empty()) return -1;
    const TColor key = ColorToRGB(maskColor == clDefault ? image.Canvas().Pixels(0, image.Height() - 1) : maskColor);
    TBitmap mask(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* src = image.ScanLine(y);
        std::uint32_t* dst = mask.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x) dst[x] = PixelToColor(src[x]) == key ? 0xFFFFFFFFu : 0xFF000000u;
    }
    mask.Canvas().Changed();
    return Add(image, &mask);
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    FImages.erase(FImages.begin() + index);
}

void TImageList::Clear() { FImages.clear(); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count()) return;
    const std::vector<std::uint32_t>& image = FImages[static_cast<std::size_t>(index)];
    const rtl::TRect dest = rtl::Bounds(x, y, FWidth, FHeight);
    if (enabled) {
        TCanvas::TImpl::PaintPixels(canvas, dest, image.data(), FWidth, FHeight, FWidth, true);
        return;
    }
    // Greyed: the shape of the darker pixels, embossed: highlight offset by one, then shadow.
    auto silhouette = [&](TColor color) {
        std::vector<std::uint32_t> s(image.size(), 0);
        const std::uint32_t px = ColorToPixel(color);
        for (std::size_t i = 0; i < image.size(); ++i) {
            const std::uint32_t p = image[i];
            if ((p >> 24) < 128) continue;
            const TColor c = PixelToColor(p);
            const int lum = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
            if (lum < 192) s[i] = px;
        }
        return s;
    };
    const std::vector<std::uint32_t> light = silhouette(clBtnHighlight);
    const std::vector<std::uint32_t> dark = silhouette(clBtnShadow);
    TCanvas::TImpl::PaintPixels(canvas, rtl::Bounds(x + 1, y + 1, FWidth, FHeight), light.data(), FWidth, FHeight, FWidth,
                                true);
    TCanvas::TImpl::PaintPixels(canvas, dest, dark.data(), FWidth, FHeight, FWidth, true);
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const
{
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetAlphaFormat(afPremultiplied);
    if (index < 0 || index >= Count()) {
        bitmap.SetSize(0, 0);
        return;
    }
    bitmap.SetPixels(FWidth, FHeight, FImages[static_cast<std::size_t>(index)].data(), FWidth);
}

}  // namespace gfx
