// The item shape shared by the image picker and the detail drop-down.
#include "grid/dropdown/CaptionedItems.h"

#include "platform/gfx/Picture.h"

namespace grid {

TCaptionedItem::TCaptionedItem(std::function<void()> Changed)
    : FChanged(std::move(Changed)), FImage(std::make_unique<gfx::TPicture>())
{
}

TCaptionedItem::~TCaptionedItem() = default;

void TCaptionedItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    if (FChanged) FChanged();
}

void TCaptionedItem::SetImageIndex(int value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    if (FChanged) FChanged();
}

void TCaptionedItem::SetImage(const gfx::TPicture* value)
{
    FImage->Assign(value);
}

void TCaptionedItem::CopyItem(const TCaptionedItem& source)
{
    SetCaption(source.FCaption);
    SetImageIndex(source.FImageIndex);
    FImage->Assign(source.FImage.get());
    FEnabled = source.FEnabled;
}

void RaiseItemIndexError(int index)
{
    throw rtl::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace grid
