// Date routines of the grid utilities: locale and short-date parsers and date arithmetic.
#pragma once

#include "platform/rtl/DateTime.h"

#include <string_view>

namespace grid {

using rtl::TDateTime;

// A date (fields in the order of the locale short date format) with an optional time
// "h[:m[:s]]" after a blank. False for any text that is not a valid date or time.
bool ParseLocaleDate(std::string_view text, TDateTime& value);
// "m/d/yy" and "d/m/yy" with "/", "." or "-": a year of 25 or less is 20yy, else 19yy.
// 0 for a text that is not such a date, an impossible date included.
TDateTime ParseShortDateUS(std::string_view text);
TDateTime ParseShortDateEU(std::string_view text);
// The locale date separator occurs after the first character, and once more after that.
bool IsDateLikeText(std::string_view text);
// Only days non-zero: date + days; only years or only months: the same day in the moved
// month (clamped to the month's last day); any other combination: date + increment.
TDateTime AddDatePart(int years, int months, int days, TDateTime date, double increment);

}  // namespace grid
