// The named colours of the colour picker's list and their collection.
#include "grid/dropdown/ColorItems.h"

namespace grid {

void TColorItem::Changed()
{
    if (FCollection != nullptr && FCollection->OnChange) FCollection->OnChange(FCollection);
}

void TColorItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    Changed();
}

void TColorItem::SetColor(gfx::TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TColorItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetCaption(src->FCaption);
    SetColor(src->FColor);
    FEnabled = src->FEnabled;
    FHint = src->FHint;
}

TColorItem* TColorItems::Insert(int index)
{
    auto item = std::make_unique<TColorItem>(this);
    TColorItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
}

void TColorItems::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorItems*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    Clear();
    for (const auto& item : src->FItems) Add()->Assign(item.get());
}

}  // namespace grid
