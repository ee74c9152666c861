// The items of the image picker: a picture or an image-list index with a caption and a hint.
#include "grid/dropdown/ImageItems.h"

#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

[[noreturn]] void RaiseIndexError(int index)
{
    throw rtl::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TImageItem::TImageItem(std::function<void()> Changed)
    : FChanged(std::move(Changed)), FImage(std::make_unique<gfx::TPicture>())
{
}

TImageItem::~TImageItem() = default;

void TImageItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    if (FChanged) FChanged();
}

void TImageItem::SetImageIndex(int value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    if (FChanged) FChanged();
}

void TImageItem::SetImage(const gfx::TPicture* value)
{
    FImage->Assign(value);
}

void TImageItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TImageItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetCaption(src->FCaption);
    SetImageIndex(src->FImageIndex);
    FImage->Assign(src->FImage.get());
    FEnabled = src->FEnabled;
    FHint = src->FHint;
}

TImageItem* TImageItems::Insert(int index)
{
    if (index < 0 || index > Count()) RaiseIndexError(index);
    auto item = std::make_unique<TImageItem>([this] {
        if (OnChange) OnChange(this);
    });
    TImageItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
}

void TImageItems::Delete(int index)
{
    Items(index);
    FItems.erase(FItems.begin() + index);
}

TImageItem* TImageItems::Items(int index) const
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}

void TImageItems::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TImageItems*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    if (src == this) return;
    Clear();
    for (const auto& item : src->FItems) Add()->Assign(item.get());
}

}  // namespace grid
