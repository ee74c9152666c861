// A speed button that shows an image-list image or a picture centred over its face.
#include "grid/editing/EsgSpeedButton.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace grid {

TEsgSpeedButton::TEsgSpeedButton(rtl::TComponent* AOwner)
    : ui::TSpeedButton(AOwner), FPicture(std::make_unique<gfx::TPicture>())
{
}

TEsgSpeedButton::~TEsgSpeedButton() = default;

void TEsgSpeedButton::SetPicture(const gfx::TPicture& Value)
{
    FPicture->Assign(&Value);
    Invalidate();
}

void TEsgSpeedButton::SetImageIndex(int Value)
{
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Invalidate();
}

void TEsgSpeedButton::Paint()
{
    ui::TSpeedButton::Paint();
    gfx::TCanvas& c = Canvas();
    if (FImages != nullptr && FImageIndex >= 0 && FImageIndex < FImages->Count())
        FImages->Draw(c, (Width() - FImages->Width()) / 2, (Height() - FImages->Height()) / 2, FImageIndex, true);
    if (!FPicture->Empty())
        c.Draw((Width() - FPicture->Width()) / 2, (Height() - FPicture->Height()) / 2, *FPicture->Graphic());
}

}  // namespace grid
