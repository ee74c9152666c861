// Text routines of the grid utilities: small integer and search helpers, splitting, lines, CSV field encodings and line-break conversions.
#pragma once

#include "platform/rtl/Types.h"

#include <string>
#include <string_view>

namespace rtl {
class TStrings;
}

namespace grid {

// Texts are UTF-8; positions are 1-based and count characters (code points); 0 means none.
// A "character" argument is one code point.

// --- Integers and positions
int ClampInt(int value, int low, int high);
int IntMax(int a, int b);
int IntMin(int a, int b);
// A limit of 0 or less is absent; equal limits mean no limits; the upper limit wins
// when both apply.
int ApplyValueLimits(int value, int lowerLimit, int upperLimit);
// Cell rectangles of the grid are inclusive: Left <= column <= Right, Top <= row <= Bottom.
bool CellInGridRect(const rtl::TRect& gridRect, int col, int row);
int FindCharPos(char32_t ch, std::string_view text);
// As FindCharPos; when found the position is also written to `pos` (untouched otherwise).
int FindCharPosOut(char32_t ch, std::string_view text, int& pos);
// Position of the substring (0 when none), always written to `pos`.
int FindSubstringOut(std::string_view sub, std::string_view text, int& pos);
// Position of an upper-case pattern in the text upper-cased in its ASCII letters.
int PosInUpperCase(std::string_view pattern, std::string_view text);
int WidePos(std::string_view sub, std::string_view text);

// --- Splitting, joining and lines
// Appends the parts of `text` between occurrences of `separator` and the rest to `list`
// (not cleared first); one character (the separator's first) is removed at each split.
void SplitToStringList(std::string_view separator, std::string_view text, rtl::TStrings& list);
std::string JoinStringList(const rtl::TStrings& list);
// Returns the text before the separator and removes it and one more character from
// `source`; empty (source unchanged) when the separator does not occur.
std::string CutPrefixAtSeparator(std::string& source, std::string_view separator);
// The text before the first CR (the whole source when there is none); `source` keeps the
// rest after the CR and one following LF only when `keepRest` is set and a CR was found.
std::string TakeFirstLine(std::string& source, bool keepRest);
// Number of lines separated by CR LF or a lone CR; a trailing break adds none; 1 when
// `multiLine` is off.
int CountTextLines(std::string_view text, bool multiLine);

// --- CSV and field encodings
std::string StripEnclosingQuotes(std::string_view text);
std::string EscapeCsvQuotes(std::string_view text);
std::string CollapseDoubledChar(char32_t ch, std::string_view text);
void QuoteMultilineCsvField(std::string& text);
void CrLfToLineFeeds(std::string& text);
void VerticalTabsToLineBreaks(std::string& text);
void LineBreaksToTilde(std::string& text);
void TildesToLineBreaks(std::string& text);
// Closing quote of a field whose opening quote was already removed; 0 when none.
int FindClosingQuote(char32_t quote, std::string_view text, int& pos);
int CountUnquotedChar(char32_t ch, std::string_view text);
int CountCharOccurrences(char32_t ch, char32_t unused, std::string_view text);
int CountCharInText(char32_t ch, std::string_view text);
// OEM code-page hooks of the CSV paths; this system keeps the text as it is.
std::string ConvertToOem(std::string_view text);
std::string ConvertFromOem(std::string_view text);

// --- Line breaks
std::string LineBreaksToHtml(std::string_view text);
std::string EscapesToLineBreaks(std::string_view text);
std::string LineBreaksToEscapes(std::string_view text);
std::string StripCarriageReturns(std::string_view text);
std::string CarriageReturnsToLineFeeds(std::string_view text);
// Grid text-cell files: CR as character 9, LF as 8, NUL as 1 (only when a CR occurs).
std::string EscapeLineBreaksForFile(std::string_view text);
std::string UnescapeLineBreaksFromFile(std::string_view text, bool multiLine);

}  // namespace grid
