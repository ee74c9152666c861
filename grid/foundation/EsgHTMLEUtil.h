// Mini-HTML text utilities: tag stripping, search marks, entities, colour values and inline-control tags.
#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/Color.h"

namespace grid {

// --- program-wide settings of the renderer ---
// Highlight colours of <HI>; the system highlight colours until set.
void SetHtmlHighlightColors(gfx::TColor color, gfx::TColor textColor);
gfx::TColor HtmlHighlightColor();
gfx::TColor HtmlHighlightTextColor();
// The keep-line-breaks switch (on by default): a carriage return becomes a line break tag.
void SetHtmlKeepLineBreak(bool value);
bool HtmlKeepLineBreak();

// --- tables ---
struct THtmlEntity {
    const char* Name;       // "&eacute;"
    const char* Character;  // UTF-8
};
// The 51 accented-character entities in table order.
const THtmlEntity* HtmlEntityTable();
int HtmlEntityCount();
struct THtmlColorName {
    const char* Name;  // without the "cl" prefix, lower case
    gfx::TColor Color;
};
// The colour names sorted by character code.
const THtmlColorName* HtmlColorNameTable();
int HtmlColorNameCount();

// --- text ---
// Plain text of an HTML text: line break and rule tags become CR LF, every complete tag is
// removed, an unclosed "<" and what follows stay, entities stay encoded.
std::string StripHtmlTags(std::string_view text);
// Encloses the occurrences of `search` in <TAG> … </TAG> (see the cell highlighting).
std::string InsertHtmlMarks(std::string_view text, std::string_view search, std::string_view tagName,
                            bool wholeText, bool caseSensitive);
// Removes every <TAG> and </TAG>; a text that was plain before marking is decoded back.
std::string RemoveHtmlMarks(std::string_view text, std::string_view tagName);
// "&lt;" "&gt;" "&quot;" (any case), and with the table flag the accented entities.
std::string HtmlDecodeEntities(std::string_view text, bool withTable);
// "&" "\"" "<" ">" as entities, and with the table flag the accented characters.
std::string HtmlEncodeEntities(std::string_view text, bool withTable);
std::string SpacesToNbsp(std::string_view text);

// --- colours ---
// "#RRGGBB" (any case; a missing or invalid pair is 0) or "cl" and a colour name (compared by
// character code); anything else is black.
gfx::TColor HtmlColorFromText(std::string_view text);
// "#" and six upper-case hexadecimal digits.
gfx::TColor HexToColor(std::string_view text);

// --- inline-control tags ---
struct TControlTag {
    std::string Type;   // upper-cased
    std::string ID;
    std::string MaxLen;
    std::string Prop;   // decoded
    std::string Height;
    std::string Width;
    std::string Value;  // decoded
};
// Reads the attributes of one control tag text (each NAME= then the first quoted value).
TControlTag ParseControlTag(std::string_view tag);
bool HasControlTag(std::string_view text);
std::string NextEditableControlTagID(std::string_view text, std::string_view id);
bool GetControlTagValue(std::string_view text, std::string_view id, std::string& value);
std::string GetControlTagProp(std::string_view text, std::string_view id);
int GetControlTagMaxLen(std::string_view text, std::string_view id);
bool SetControlTagValue(std::string& text, std::string_view id, std::string_view value);
std::string UncheckRadioControlTags(std::string_view text);

// --- small helpers shared by the renderer ---
// ASCII upper case (byte positions kept).
std::string HtmlUpperAscii(std::string_view text);
// Case-insensitive (ASCII) search from `from`; npos when absent.
std::size_t HtmlFindNoCase(std::string_view text, std::string_view what, std::size_t from = 0);
// Numbers of a text are held within this limit, so that sums of sizes and positions stay
// in range whatever a text says.
constexpr int kHtmlNumberLimit = 100000;
// The leading decimal digits as a number (0 without digits); `hasDigits` tells which.
int HtmlLeadingNumber(std::string_view text, bool* hasDigits = nullptr);
// A text that is entirely an integer (optional sign), held within the limit; false otherwise.
bool HtmlStrictNumber(std::string_view text, int& value);
// Replaces every occurrence, case-sensitively.
std::string HtmlReplaceAll(std::string_view text, std::string_view what, std::string_view with);
// Replaces every occurrence, ASCII case ignored.
std::string HtmlReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with);

}  // namespace grid
