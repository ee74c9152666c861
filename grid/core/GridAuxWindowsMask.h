// The focus window's soft frame: a 32-bit alpha mask, the rounded-rectangle mask and its Gaussian blur.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gfx/Bitmap.h"

namespace grid {

// A 32-bit picture with per-pixel alpha (premultiplied) and an opacity for the whole.
class TGridAlphaMask : public gfx::TBitmap {
public:
    TGridAlphaMask();
    std::string ClassName() const override { return "TGridAlphaMask"; }

    std::uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(std::uint8_t value) { FOpacity = value; }

    // From another alpha mask of the same size: its opacity and pixels; from anything else
    // the bitmap copy. The result is 32-bit either way.
    void Assign(const rtl::TPersistent* Source) override;

    // Takes Bitmap's size; each pixel gets the red level m of Mask's pixel as its alpha and
    // Bitmap's colour scaled by m / 255. Nothing unless Bitmap is 24-bit. Color is not used.
    void MergeMask(const gfx::TBitmap& Mask, const gfx::TBitmap& Bitmap, gfx::TColor Color);

private:
    std::uint8_t FOpacity = 255;
};

// Makes Bitmap a black 24-bit picture of Width x Height with a white rounded rectangle (a
// ring of PenWidth, or a filled shape when PenWidth < 1), blurred with Radius when above 0.
void MakeRoundRectMask(gfx::TBitmap& Bitmap, int Width, int Height, int PenWidth, int CornerSize, double Radius);

// Gaussian blur of a 24-bit picture, exact at its edges and copied inwards from row and
// column 15 more than 20 pixels from the edges (pictures whose inner part repeats, such as
// the masks above). Raises rtl::Exception "Blur only works for 24-bit bitmaps" for any
// other picture, before changing anything.
void GaussianBlurBitmap(gfx::TBitmap& Bitmap, double Radius);

}  // namespace grid
