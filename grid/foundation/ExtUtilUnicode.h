// Character helpers the grid utilities share: single-character case mapping and Unicode categories.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// Single-character case mapping of the platform (one code point in, one out).
char32_t UpperChar(char32_t ch);
char32_t LowerChar(char32_t ch);
// Every character upper-cased with the single-character mapping (length kept).
std::u32string UpperU32(std::u32string_view text);

// Unicode categories decimal digit, letter number and other number.
bool IsUnicodeNumber(char32_t ch);
// Unicode combining marks (non-spacing, spacing and enclosing).
bool IsCombiningMark(char32_t ch);

}  // namespace grid
