// The workbench's shared routines and process-wide buffers that every action uses.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// --- Process-wide buffers -------------------------------------------------
// The workbench numbers its arrays from 1; element 0 of each buffer is unused.

constexpr int SharedFieldsCapacity = 1000;
constexpr int SharedValuesCapacity = 2700000;

// The fields of the line last split by SplitFields: Fields[1..Count].
// Every call replaces the previous line's fields; a caller that needs the
// fields of two lines at once copies them first.
struct TSharedFields {
    TSharedFields() : Fields(SharedFieldsCapacity + 1) {}
    const std::string& operator[](int index) const { return Fields[static_cast<std::size_t>(index)]; }

    std::vector<std::string> Fields;  // 0 unused, 1..1000
    int Count = 0;
};
extern TSharedFields SharedFields;

// The value buffer of the sorted statistics: SharedValues[1..n], filled by the
// caller. Static storage, so no action allocates its 2,700,000 doubles.
extern std::array<double, SharedValuesCapacity + 1> SharedValues;

// The three nutrient amounts of the last CropNutrientDemand call, at 1..3 in
// the order of the nutrient table's columns.
extern std::array<double, 4> CropNutrientResults;

// The user locale's decimal separator, recorded once when the main window is
// created; both number parsers put it in place of "." and ",".
extern char DecimalSeparatorAtStart;

// --- Field splitter -------------------------------------------------------

// Splits one line at a one-character separator into SharedFields. Leading
// blanks of the line and of each field are skipped, trailing blanks kept; two
// separators in a row give an empty field, a line ending with the separator an
// empty last field. Fields 1..100 are emptied first; fields 101..1000 keep what
// an earlier line left there until overwritten.
void SplitFields(std::string_view line, char separator);

// --- Number parsers ---------------------------------------------------------

// "." and "," become DecimalSeparatorAtStart, then the text is converted with
// the locale's number format; text that is not a number gives 0.
double ParseDecimal(std::string_view text);

// Keeps only the characters of a number (digits, "e", "E", "+", a leading "-",
// "." and "," as the decimal separator) and converts them; -999 when nothing
// numeric remains. Raises rtl::EConvertError when the kept characters do not
// form a number ("1e", "1.2.3").
double ParseNumberFiltered(std::string_view text);

// --- Fixed-width alignment (widths in characters) ---------------------------

// The text filled with blanks on the right to `width` characters, or cut to
// its first `width` characters.
std::string PadRight(std::string_view text, int width);
// The text filled with blanks on the left to `width` characters, or cut to its
// first `width` characters.
std::string PadLeft(std::string_view text, int width);

// --- Dates ("yyyy-mm-dd" or "yyyy.mm.dd") -----------------------------------

// year * 1000 + day of year; 9999999 when the text is not 10 or 11 characters
// long; a month other than "01".."12" gives day of year 0. Raises
// rtl::EConvertError for a year or day that is not a number.
int DateToYearDoy(std::string_view date);
// The month (characters 6 and 7); 0 when the text is not 10 or 11 characters long.
int DateMonth(std::string_view date);
// "yyyy.mm.dd" of year * 1000 + day of year.
std::string YearDoyToDate(int yearDoy);

// --- Sorted statistics over SharedValues[1..n] ------------------------------
// Each sorts SharedValues[1..n] ascending in place, then reads the result.

// (v[n div 2] + v[n div 2 + 1]) / 2, for odd n as well.
double SortedMedian(int n);
// v[n].
double SortedMax(int n);
// v[n - k] with k = n / 20 rounded to the nearest integer, halves to even.
double SortedPercentile95(int n);

// --- Soil texture and crop nutrients ---------------------------------------

// USDA texture class of a composition in percent: 1..12 with classCount 12,
// else 1 (coarse), 2 (medium) or 3 (fine). 0 in 12-class mode when no rule
// matches (possible only when the three do not add up to 100).
int UsdaTextureClass(int classCount, double sand, double silt, double clay);

// Sets CropNutrientResults[1..3] to the nutrient amounts of a crop name
// (substring rows of the nutrient table, the last match winning) times the
// yield times 10; 0, 0, 0 for a name that matches no row.
void CropNutrientDemand(std::string_view cropName, double yield);

}  // namespace app
