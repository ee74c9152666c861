// The items of the detail drop-down: caption, image, notes and the application's own data.
#include "grid/dropdown/DetailItems.h"

namespace grid {

void TDetailItem::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDetailItem*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    CopyItem(*src);
    // A copied item keeps its notes, so copying a list loses no text.
    FNotes = src->FNotes;
    FTag = src->FTag;
    FItemObject = src->FItemObject;
}

int TDetailItems::IndexOf(const std::string& value) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == value) return i;
    return -1;
}

}  // namespace grid
