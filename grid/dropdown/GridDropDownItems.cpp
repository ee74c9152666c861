// Row items of the grid drop-down.
#include "grid/dropdown/GridDropDownItems.h"

namespace grid::griddropdown {

void TDropDownItem::Assign(const rtl::TPersistent* Source)
{
    if (const auto* src = dynamic_cast<const TDropDownItem*>(Source)) {
        SetImageIndex(src->ImageIndex());
        return;
    }
    rtl::TPersistent::Assign(Source);
}

TDropDownItemClass TDropDownItems::ItemClass() const
{
    return [] { return std::make_unique<TDropDownItem>(); };
}

}  // namespace grid::griddropdown
