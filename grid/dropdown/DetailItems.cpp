// The items of the detail drop-down: caption, image, notes and the application's own data.
#include "grid/dropdown/DetailItems.h"

#include "platform/rtl/Exceptions.h"

namespace grid {

TDetailItem::TDetailItem(std::function<void()> Changed)
    : FChanged(std::move(Changed)), FImage(std::make_unique<gfx::TPicture>())
{
}

void TDetailItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    if (FChanged) FChanged();
}

void TDetailItem::SetImageIndex(int value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    if (FChanged) FChanged();
}

void TDetailItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDetailItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetCaption(src->FCaption);
    SetImageIndex(src->FImageIndex);
    FImage->Assign(src->FImage.get());
    // Sound behaviour: a copied item keeps its notes, so copying a list loses no text.
    FNotes = src->FNotes;
    FEnabled = src->FEnabled;
    FTag = src->FTag;
    FItemObject = src->FItemObject;
}

TDetailItem* TDetailItems::Insert(int index)
{
    if (index < 0 || index > Count()) throw rtl::EListError("List index out of bounds (" + std::to_string(index) + ")");
    auto item = std::make_unique<TDetailItem>([this] {
        if (OnChange) OnChange(this);
    });
    TDetailItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
}

void TDetailItems::Delete(int index)
{
    Items(index);
    FItems.erase(FItems.begin() + index);
}

TDetailItem* TDetailItems::Items(int index) const
{
    if (index < 0 || index >= Count()) throw rtl::EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FItems[static_cast<std::size_t>(index)].get();
}

int TDetailItems::IndexOf(const std::string& value) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<std::size_t>(i)]->Caption() == value) return i;
    return -1;
}

void TDetailItems::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDetailItems*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    Clear();
    for (const auto& item : src->FItems) Add()->Assign(item.get());
}

}  // namespace grid
