// Number routines of the grid utilities: locale separators, character classes for numeric editing, number-kind detection and locale-neutral number text.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// --- Locale values, read from the platform's current format settings at each call
char32_t LocaleTimeSeparator();
char32_t LocaleDateSeparator();
char32_t LocaleThousandSeparator();
char32_t LocaleDecimalSeparator();
std::string LocaleShortDateFormat();

// --- Character classes (one character each)
// "0".."9"; above 127 the Unicode decimal-digit, letter-number and other-number characters.
bool IsNumberChar(char32_t ch);
bool IsDigitChar(char32_t ch);
bool IsNumberOrMinusChar(char32_t ch);
// Number character, locale thousand or decimal separator, "e" or "E".
bool IsFloatChar(char32_t ch);
bool IsScientificChar(char32_t ch);
bool IsInvariantFloatChar(char32_t ch);
// Keys a numeric editor accepts: number characters, separators, backspace, tab, enter,
// escape and "-".
bool IsNumericEditKey(char32_t ch);

// --- Number text
// Plain number text with "." as decimal point from a text such as "($1,234.50)".
std::string ParseFinancialNumber(std::string_view text);

// Number kinds of ClassifyNumberText.
enum TNumberKind : int {
    nkInteger = 0,
    nkFloat = 1,
    nkNotNumber = 2,
    nkDate = 3,
    nkTime = 4,
    nkScientific = 5
};
int ClassifyNumberText(std::string_view text);

// Integer or decimal text of the locale with thousand separators dropped and "." as
// decimal point (the grid's binary cell stream form); other text unchanged.
std::string NumberToInvariantText(std::string_view text);
std::string NumberFromInvariantText(std::string_view text);

}  // namespace grid
