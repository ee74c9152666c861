// The image picker's edit: the chosen item's picture, or its image of the list, centred in
// the text rectangle.
#include "grid/dropdown/ExtImagePicker.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/Region.h"

namespace grid {

void TExtImagePickerDropDown::Paint()
{
    TExtCustomDropDown::Paint();
    DrawSelectedImage(Canvas());
}

void TExtImagePickerDropDown::DrawSelectedImage(gfx::TCanvas& canvas)
{
    const rtl::TRect area = EditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, area);
        return;
    }
    if (FItemIndex < 0 || FItemIndex >= FItems->Count()) return;
    const TImageItem& item = *FItems->Items(FItemIndex);
    const bool picture = !item.Image().Empty();
    gfx::TImageList* images = Images();
    if (!picture && (images == nullptr || item.ImageIndex() < 0)) return;
    const int w = picture ? item.Image().Width() : images->Width();
    const int h = picture ? item.Image().Height() : images->Height();
    const int x = area.Left + (area.Width() - w) / 2;
    const int y = area.Top + (area.Height() - h) / 2;
    // A picture larger than the area stays inside it, clear of the drop-down button.
    const bool hadClip = canvas.HasClip();
    const gfx::TRegion saved = canvas.ClipRegion();
    canvas.IntersectClipRect(area);
    if (picture) canvas.Draw(x, y, *item.Image().Graphic());
    else images->Draw(canvas, x, y, item.ImageIndex(), item.Enabled());
    if (hadClip) canvas.SetClipRegion(saved);
    else canvas.ResetClip();
}

}  // namespace grid
