// TImageList: equally sized images with masks, drawn by index, enabled or greyed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/rtl/Component.h"

namespace gfx {

class TBitmap;
class TCanvas;

class TImageList : public rtl::TComponent {
public:
    explicit TImageList(rtl::TComponent* owner = nullptr);
    TImageList(int width, int height);
    std::string ClassName() const override { return "TImageList"; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size removes every image, as on the platform.
    void SetWidth(int value);
    void SetHeight(int value);
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds the image (a wider bitmap adds one image per Width() pixels); the optional mask
    // marks transparent pixels in white. Returns the index of the first image added, -1
    // for an empty bitmap.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // Adds the image with every pixel of maskColor transparent (clDefault: the colour of
    // the bottom-left pixel).
    int AddMasked(const TBitmap& image, TColor maskColor);
    void Delete(int index);
    void Clear();

    // Draws image `index` at (x, y); a disabled image is drawn greyed (embossed in the
    // button highlight and shadow colours). An index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // A copy of image `index` (32 bit, transparent pixels with alpha 0).
    void GetBitmap(int index, TBitmap& bitmap) const;

private:
    int FWidth = 16;
    int FHeight = 16;
    std::vector<std::vector<std::uint32_t>> FImages;  // premultiplied ARGB32, FWidth × FHeight
};

}  // namespace gfx
