// Columns and row items of the multi-column drop-down.
#include "grid/dropdown/MultiColumnDropDownItems.h"

namespace grid::multicolumn {

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
    const auto* src = dynamic_cast<const TDropDownItem*>(Source);
    if (src == nullptr || src == this) return;
    FImageIndex = src->FImageIndex;
    FText->Assign(src->FText.get());
    FTag = src->FTag;
}

std::string TDropDownItem::ColumnText(int column) const
{
    return HasColumnText(column) ? FText->Strings(column) : std::string();
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
