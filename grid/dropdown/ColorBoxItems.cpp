// The boxes of the colour box selector, their collection and the look of their frames.
#include "grid/dropdown/ColorBoxItems.h"

namespace grid {

void TColorBoxItem::SetColor(gfx::TColor value)
{
    if (value == FColor) return;
    FColor = value;
    if (FCollection != nullptr && FCollection->OnChange) FCollection->OnChange(FCollection);
}

void TColorBoxItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorBoxItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetColor(src->FColor);
    FEnabled = src->FEnabled;
}

TColorBoxItem* TColorBoxItems::Insert(int index)
{
    auto item = std::make_unique<TColorBoxItem>(this);
    TColorBoxItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
}

void TColorBoxItems::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorBoxItems*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    Clear();
    for (const auto& item : src->FItems) Add()->Assign(item.get());
}

void TColorBoxAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorBoxAppearance*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    FBorderColor = src->FBorderColor;
    FOuterBorderColorHot = src->FOuterBorderColorHot;
    FInnerBorderColorHot = src->FInnerBorderColorHot;
    FOuterBorderColorSelected = src->FOuterBorderColorSelected;
    FInnerBorderColorSelected = src->FInnerBorderColorSelected;
}

}  // namespace grid
