// Code-point helpers for UTF-8 strings: lengths, positions and slices counted in characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rtl {

// Every string of the program is a std::string holding UTF-8. Where a
// behaviour counts characters (widths, padding, 1-based positions) it counts
// code points through these helpers, never bytes. A byte that does not start a
// valid UTF-8 sequence counts as one character of its own (decoded as U+FFFD),
// so malformed input never makes a count or a slice go wrong.

// Decodes the code point starting at byte `pos` of `s` and moves `pos` past it.
// At or past the end it returns 0 and leaves `pos` unchanged.
char32_t Utf8NextChar(std::string_view s, std::size_t& pos);

// Appends the UTF-8 form of one code point (U+FFFD for values that are not
// Unicode scalar values).
void Utf8AppendChar(std::string& out, char32_t ch);
std::string Utf8EncodeChar(char32_t ch);

// Whole-string conversion between UTF-8 and code points.
std::u32string Utf8Decode(std::string_view s);
std::string Utf8Encode(std::u32string_view codePoints);

// True when `s` is well-formed UTF-8.
bool Utf8IsValid(std::string_view s);

// Number of characters (code points) of `s`.
std::size_t Utf8Length(std::string_view s);

// Byte offset of the character with the 1-based index `charIndex`; an index
// past the end gives s.size(), an index below 1 gives 0.
std::size_t Utf8ByteOffset(std::string_view s, long long charIndex);

// Up to `count` characters of `s` from the 1-based character `index`. Like the
// class library's Copy: an index below 1 counts as 1, an index past the end or a
// count below 1 gives an empty text.
std::string Utf8Copy(std::string_view s, long long index, long long count);

// 1-based character position of the first `sub` in `s` at or after the
// character `offset`; 0 when absent, when `sub` is empty or offset < 1.
long long Utf8Pos(std::string_view sub, std::string_view s, long long offset = 1);

// Removes up to `count` characters from the 1-based character `index` on.
void Utf8Delete(std::string& s, long long index, long long count);

// Inserts `sub` before the 1-based character `index` (at the end when the
// index is past it, at the start when it is below 1).
void Utf8Insert(std::string_view sub, std::string& s, long long index);

// `s` extended with `fill` on the right (PadRight) or the left (PadLeft) to
// `width` characters; a text of `width` characters or more is returned as it is.
std::string Utf8PadRight(std::string_view s, std::size_t width, char32_t fill = U' ');
std::string Utf8PadLeft(std::string_view s, std::size_t width, char32_t fill = U' ');

}  // namespace rtl
