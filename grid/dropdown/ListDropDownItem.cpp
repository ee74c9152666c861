// One row of a list drop-down's pop-up table: an image index and the texts of its columns.
#include "grid/dropdown/ListDropDownItem.h"

#include "platform/rtl/StringList.h"

namespace grid {

TListDropDownItem::TListDropDownItem() : FText(std::make_unique<rtl::TStringList>()) {}

TListDropDownItem::~TListDropDownItem() = default;

void TListDropDownItem::SetText(const rtl::TStrings* value)
{
    FText->Assign(value);
}

bool TListDropDownItem::HasColumnText(int column) const
{
    return column >= 0 && column < FText->Count();
}

std::string TListDropDownItem::ColumnText(int column) const
{
    return HasColumnText(column) ? FText->Strings(column) : std::string();
}

}  // namespace grid
