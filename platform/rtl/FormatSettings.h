// Locale-dependent settings of number and date text: separators, formats, names.
#pragma once

#include <array>
#include <string>

namespace rtl {

// The settings every number and date routine reads. Separators are single
// (ASCII) characters; a ThousandSeparator of '\0' means "no separator".
struct TFormatSettings {
    // Numbers.
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    // Money (ffCurrency, "%m"). CurrencyFormat: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    // NegCurrFormat 0..15: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$",
    // 6 "1-$", 7 "1$-", 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1",
    // 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    std::string CurrencyString = "$";
    unsigned char CurrencyFormat = 0;
    unsigned char NegCurrFormat = 1;
    unsigned char CurrencyDecimals = 2;

    // Dates and times. Format letters are read without regard to case.
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd, d mmmm yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames;  // [0] = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;     // [0] = Sunday
    std::array<std::string, 7> LongDayNames;
    // Two-digit years read by StrToDate fall into the hundred years that start
    // this many years before the current year (0: the current century).
    int TwoDigitYearCenturyWindow = 50;

    TFormatSettings();
};

// A fresh copy of the built-in defaults above (English names, "." decimal
// separator, "," thousand separator, "dd/mm/yyyy" short dates).
TFormatSettings DefaultFormatSettings();

// The process-wide settings that the overloads without a settings argument use.
// Mutable: the program records the user's decimal separator at start; tests set
// the separators they need.
extern TFormatSettings FormatSettings;

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC or LANG, as the
// C library resolves them), without changing the process locale. '.' when the
// locale cannot be loaded or its separator is not a single ASCII character.
char LocaleDecimalSeparator();

// Records the user's locale decimal separator in the global FormatSettings (done
// once at program start) and returns it. When it collides with the thousand
// separator, the thousand separator becomes the other of '.' and ','.
char RecordLocaleDecimalSeparator();

}  // namespace rtl
