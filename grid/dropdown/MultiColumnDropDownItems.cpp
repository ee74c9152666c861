// Row items of the multi-column drop-down.
#include "grid/dropdown/MultiColumnDropDownItems.h"

namespace grid::multicolumn {

void TDropDownItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDropDownItem*>(Source);
    if (src == nullptr || src == this) return;
    SetImageIndex(src->ImageIndex());
    SetText(&src->Text());
    FTag = src->FTag;
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const
{
    for (int i = 0; i < Count(); ++i) {
        const TDropDownItem& item = *Items(i);
        if (item.HasColumnText(Column) && item.Text().Strings(Column) == Value) return i;
    }
    return -1;
}

}  // namespace grid::multicolumn
