// The items of an item selector and their collection.
#include "grid/dropdown/SelectorItems.h"

#include "platform/gfx/Picture.h"

namespace grid {

TSelectorItem::TSelectorItem(TSelectorItems* collection)
    : FCollection(collection), FImage(std::make_unique<gfx::TPicture>())
{
}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Changed()
{
    if (FCollection != nullptr) FCollection->Changed();
}

void TSelectorItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    Changed();
}

void TSelectorItem::SetColor(gfx::TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TSelectorItem::SetImageIndex(int value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    Changed();
}

void TSelectorItem::SetImage(const gfx::TPicture* value)
{
    FImage->Assign(value);
}

void TSelectorItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TSelectorItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetCaption(src->FCaption);
    SetColor(src->FColor);
    SetImageIndex(src->FImageIndex);
    FImage->Assign(src->FImage.get());
    FEnabled = src->FEnabled;
    FHint = src->FHint;
}

TSelectorItem* TSelectorItems::Insert(int index)
{
    auto item = std::make_unique<TSelectorItem>(this);
    TSelectorItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
}

void TSelectorItems::Delete(int index)
{
    FItems.erase(FItems.begin() + index);
}

void TSelectorItems::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TSelectorItems*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    // One notification for the whole copy, not one per item.
    ++FUpdateCount;
    Clear();
    for (const auto& item : src->FItems) Add()->Assign(item.get());
    --FUpdateCount;
    Changed();
}

void TSelectorItems::Changed()
{
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

}  // namespace grid
