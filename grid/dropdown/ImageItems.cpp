// The items of the image picker: a picture or an image-list index with a caption and a hint.
#include "grid/dropdown/ImageItems.h"

namespace grid {

void TImageItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TImageItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    CopyItem(*src);
    FHint = src->FHint;
}

}  // namespace grid
