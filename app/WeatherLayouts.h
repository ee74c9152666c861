// The three daily weather layouts the weather tools exchange: the model weather day line, the CARPATCLIM table, the crop-model weather file.
#pragma once

#include <string>
#include <string_view>

#include "app/BatchTableReading.h"

namespace app {

// Cells of the 10 km grid are numbered 1 to 1104.
inline constexpr int WeatherCellCount = 1104;

// The cell number zero-padded to four digits ("0007"); file names of some
// tools use it, others the plain number.
std::string PaddedCellNumber(int cell);

// --- the model weather file -------------------------------------------------

// The model weather file has four header lines of free text, then one line
// per day: 365 lines a year (no 29 February), nine values right-aligned in
// fixed columns with nothing between them.
inline constexpr int ModelWeatherHeaderLines = 4;

enum TModelWeatherValue {
    mwYear = 1,
    mwDayOfYear,
    mwTmax,
    mwTmin,
    mwTday,
    mwPrecipitation,
    mwVpd,
    mwRadiation,
    mwDayLength
};

// The values of one day as text, in column order.
struct TModelWeatherDay {
    std::string_view Values[9];
};

// The day line: each value padded on the left (or cut) to its column width
// 6, 6, 8, 8, 8, 8, 9, 9, 8.
std::string ModelWeatherDayLine(const TModelWeatherDay& day);
// The same line appended to `out`.
void AppendModelWeatherDayLine(std::string& out, const TModelWeatherDay& day);

// The text in the column of `value` (1-based, see TModelWeatherValue), its
// leading blanks skipped; "" when the line is shorter.
std::string_view ModelWeatherColumn(std::string_view line, int value);

// The text a day line holds for the last day of `year`: "1960   365".
std::string YearEndText(int year);

// --- the CARPATCLIM table and the crop-model weather file -------------------

inline constexpr const char* CarpatclimIdHeader = "ID;LAT;LONG;ELEV";
inline constexpr const char* CarpatclimDayHeader = "DATE;SRAD;TMAX;TMIN;PREC";

// A model weather day line converted to the rows of a daily table: the date
// ("yyyy.mm.dd"), daily radiation sum (MJ/m²), Tmax, Tmin and precipitation
// (mm), each number fixed 4/2, joined by `separator`. Day 365 of a leap year
// (dated 30 December) gives a second, identical row dated 31 December.
struct TDailyTableRows {
    std::string Rows[2];
    int Count = 0;
    // The date of the last row.
    std::string LastDate;
};

// Reads the values by column position: year and day of year strictly as
// integers, the others with the locale's decimal separator (leading blanks
// allowed); a value that does not convert raises rtl::EConvertError naming
// the place and the value.
void ConvertModelWeatherDay(std::string_view line, char separator, const TTablePlace& place, TDailyTableRows& rows);

// A number read with the user's decimal separator, strictly (leading blanks
// allowed); anything else raises rtl::EConvertError naming the place, what it
// is and the text.
double ReadLocaleNumber(std::string_view text, const TTablePlace& place, const char* what);

}  // namespace app
