// The lookup of a list drop-down: its list of lookup texts, prefix matching, and the typed
// lookup entry's Backspace and end in the open list.
#pragma once

#include <string>

#include "platform/rtl/StringList.h"

namespace grid {

class TExtCustomDropDown;

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

// Whether text begins with foldedPrefix, which is already upper-cased unless case counts; an
// empty prefix matches nothing. ASCII is folded byte by byte so a lookup over many items
// allocates nothing; a text with other characters is folded by the locale's rules.
bool StartsWithFolded(const std::string& text, const std::string& foldedPrefix, bool caseSensitive);

// Backspace typed in the lookup: with nothing selected in the edit the entry loses its last
// character and becomes the edit's text; otherwise the selection (the completed tail) goes.
// The caret ends at the end of the text.
void LookupBackspace(TExtCustomDropDown& edit, std::string& entry);

// Whether a character typed into the open list ends the typed lookup instead of extending it:
// Enter or Escape without Alt, and any character while the list's cells are editable.
bool EndsListLookup(char32_t key, bool listEditable);

}  // namespace grid
