// String routines of the class library on UTF-8 text: trimming, case, comparison, search, quoting.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rtl {

// Positions and counts of the routines below are 1-based and counted in
// characters (code points), as DESIGN requires; 0 means "not found".

// --- Trimming: removes leading and/or trailing characters up to and including
// the blank (control characters too), as the class library's Trim does.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// --- Case. UpperCase/LowerCase change only the ASCII letters a-z / A-Z.
// AnsiUpperCase/AnsiLowerCase also change accented Latin letters (Latin-1 and
// Latin Extended-A: á/Á, ö/Ö, ő/Ő, ű/Ű, č/Č, ...), Greek and Cyrillic.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
// One code point through the same tables.
char32_t AnsiUpperChar(char32_t ch);
char32_t AnsiLowerChar(char32_t ch);

// --- Comparison. Results are < 0, 0 or > 0.
// CompareStr: byte order (code-point order), case-sensitive.
int CompareStr(std::string_view a, std::string_view b);
// CompareText / SameText: ASCII letters compared without regard to case.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool SameStr(std::string_view a, std::string_view b);
// Locale-style comparison used for sorting lists: letters first by their base
// letter ("á" sorts beside "a", before "b"), then by accent, then (only in
// AnsiCompareStr) lower case before upper case.
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
// Equality without regard to case, accented letters included (ő equals Ő).
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);

// --- Prefix, suffix and containment tests ("Text" forms ignore case like AnsiSameText).
bool StartsStr(std::string_view subText, std::string_view text);
bool EndsStr(std::string_view subText, std::string_view text);
bool StartsText(std::string_view subText, std::string_view text);
bool EndsText(std::string_view subText, std::string_view text);
bool ContainsStr(std::string_view text, std::string_view subText);
bool ContainsText(std::string_view text, std::string_view subText);

// --- Search. Pos: 1-based character position of `sub` in `s`, 0 when absent
// or when `sub` is empty. PosEx starts at the character `offset` (0 for an
// offset below 1 or past the end). AnsiPos is Pos.
long long Pos(std::string_view sub, std::string_view s);
long long PosEx(std::string_view sub, std::string_view s, long long offset = 1);
long long AnsiPos(std::string_view sub, std::string_view s);
// 1-based character position of the last character of `s` that occurs in
// `delimiters`; 0 when none does.
long long LastDelimiter(std::string_view delimiters, std::string_view s);

// --- Replacement. Flags combine with |.
enum TReplaceFlag : unsigned { rfReplaceAll = 1u, rfIgnoreCase = 2u };
using TReplaceFlags = unsigned;
// Replaces the first (or with rfReplaceAll every) occurrence of `oldPattern`;
// rfIgnoreCase matches accented letters without regard to case too. An empty
// pattern leaves the text unchanged.
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags = 0);
// Every occurrence, case-sensitive, in place; a text without the pattern is not copied
// (for per-cell use in file readers and writers).
void ReplaceAllInPlace(std::string& text, std::string_view oldPattern, std::string_view newPattern);

// --- Building and slicing in characters.
std::string StringOfChar(char32_t ch, long long count);
// The class library's Copy/Delete/Insert with character positions (see Utf8.h
// for the exact clamping rules).
std::string Copy(std::string_view s, long long index, long long count);
void Delete(std::string& s, long long index, long long count);
void Insert(std::string_view sub, std::string& s, long long index);
// Everything from the 1-based character `index` on.
std::string CopyFrom(std::string_view s, long long index);

// --- Quoting.
// QuotedStr: the text in single quotes with inner single quotes doubled.
std::string QuotedStr(std::string_view s);
// AnsiQuotedStr: the text in `quote` characters with inner ones doubled.
std::string AnsiQuotedStr(std::string_view s, char quote);
// AnsiExtractQuotedStr: when `s` starts at byte `pos` with `quote`, returns the
// quoted text with doubled quotes made single and moves `pos` past the closing
// quote (to the end when the quote is not closed); otherwise returns "" and
// leaves `pos` alone.
std::string AnsiExtractQuotedStr(std::string_view s, std::size_t& pos, char quote);
// AnsiDequotedStr: the quoted text when `s` starts with `quote`; `s` itself
// when it does not start with the quote or the quote is not properly closed.
std::string AnsiDequotedStr(std::string_view s, char quote);

}  // namespace rtl
