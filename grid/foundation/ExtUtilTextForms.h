// Character-level rewrites of a text: accents removed, names capitalised, password masking.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// Every character that is not a combining mark, once accented letters are decomposed.
std::string RemoveAccents(std::string_view text);
// Blank, apostrophe, comma, hyphen and full stop start a new word of a name.
bool IsNameWordBreak(char32_t ch);
// First letter of each word upper case, the rest lower case; "Mc" and the endings
// " I", " II", " III" keep the next letter upper case.
std::string CapitalizeName(std::string_view text);
// Every character replaced by `ch` (length in characters kept).
void FillStringWithChar(std::string& text, char32_t ch);

}  // namespace grid
