// Recognising and rewriting grid cell texts: text kinds, links, row/column references and the "|\" Unicode escape.
#pragma once

#include "platform/rtl/Types.h"

#include <string>
#include <string_view>

namespace grid {

// Kinds of DetectCellTextKind.
enum TCellTextKind : int {
    ctkPlain = 0,
    ctkHtml = 1,
    ctkRichText = 2,
    ctkFormula = 3,
    ctkLink = 4,
    ctkUnicodeEscaped = 5
};
int DetectCellTextKind(std::string_view text, bool checkHtml);

// The text contains "://" or "mailto:".
bool IsUrlText(std::string_view text);
// Deletes everything up to and including the first "://", else the first "mailto:".
void StripUrlScheme(std::string& text);
// Marks the first link that starts with the upper-case prefix (e.g. "MAILTO:") as an
// HTML anchor, after writing "<" and ">" as entities; false (result untouched) when the
// prefix does not occur.
bool LinkUrlInText(std::string_view text, std::string_view upperPrefix, std::string& result);
// "R<row>C<column>" in either case; X gets the column, Y the row.
bool ParseRowColReference(std::string_view text, rtl::TPoint& cell);

// "|\" followed by two characters per UTF-16 unit of the text: its high byte, its low byte.
std::string EncodeUnicodeEscapes(std::string_view text);
// The text back from its escaped form; a text without the marker is returned unchanged.
std::string DecodeUnicodeEscapes(std::string_view text);

}  // namespace grid
