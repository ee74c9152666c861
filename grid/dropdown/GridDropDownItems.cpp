// Columns and row items of the grid drop-down.
#include "grid/dropdown/GridDropDownItems.h"

namespace grid::griddropdown {

void TDropDownColumn::Assign(const rtl::TPersistent* Source)
{
    if (const auto* src = dynamic_cast<const TDropDownColumn*>(Source)) {
        CopyColumn(*src);
        return;
    }
    rtl::TPersistent::Assign(Source);
}

TDropDownItem::TDropDownItem() : FText(std::make_unique<rtl::TStringList>()) {}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::Assign(const rtl::TPersistent* Source)
{
    if (const auto* src = dynamic_cast<const TDropDownItem*>(Source)) {
        FImageIndex = src->FImageIndex;
        return;
    }
    rtl::TPersistent::Assign(Source);
}

std::string TDropDownItem::ColumnText(int column) const
{
    return column >= 0 && column < FText->Count() ? FText->Strings(column) : std::string();
}

TDropDownItemClass TDropDownItems::ItemClass() const
{
    return [] { return std::make_unique<TDropDownItem>(); };
}

}  // namespace grid::griddropdown
