// The lookup list of a list drop-down: each item's text in the lookup column, in item order.
#pragma once

#include "platform/rtl/StringList.h"

namespace grid {

// Refills lookup from the items; with no lookup column or no items the list is left as it is.
template <typename TItems>
void RebuildListLookup(rtl::TStringList& lookup, const TItems& items, int column)
{
    if (column < 0 || items.Count() == 0) return;
    lookup.BeginUpdate();
    lookup.Clear();
    for (int i = 0; i < items.Count(); ++i) lookup.Add(items.Items(i)->ColumnText(column));
    lookup.EndUpdate();
}

}  // namespace grid
