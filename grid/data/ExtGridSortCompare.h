// Text-level pieces of the grid's row comparison: style detection, number and date conversion, text orders.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridTypes.h"

namespace grid {

// A number read from a cell text: the value of its leading number (0 when it has none) and
// whether the whole text converted.
struct TSortNumber {
    double Value = 0.0;
    bool Converted = false;
};

// Strict decimal conversion: optional leading blanks and sign, digits with "." as decimal
// point and an optional exponent, nothing after.
TSortNumber ParseSortNumber(std::string_view text);

// Prepares a number text for ParseSortNumber: the first occurrence of the suffix and then of
// the prefix is removed; ssFinancial also drops every occurrence of the locale's currency
// string (trimming blanks after each removal) and of its thousand separator; the locale's
// decimal separator, when it is not ".", becomes "." (first occurrence).
void PrepareSortNumberText(std::string& text, TSortStyle style, const std::string& prefix,
                           const std::string& suffix);

// Whether PrepareSortNumberText would leave the text as it is (ssNumeric, no prefix or
// suffix, no locale decimal separator other than ".").
bool NumberTextReady(std::string_view text, TSortStyle style, const std::string& prefix, const std::string& suffix);

// -1, 0 or +1 by the sign of a - b.
int CompareSortValues(double a, double b);
// Ordinal order of the character codes, case-sensitive.
int CompareOrdinal(std::string_view a, std::string_view b);
// Ordinal order after upper-casing a..z only.
int CompareAsciiNoCase(std::string_view a, std::string_view b);

// What ssAutomatic reads from the first text of a comparison: whether it is a number, and
// whether it has a date separator (resp. a time separator) where a date (time) would have it.
enum TAutoTextKind : std::uint8_t { akNumber, akText, akDateCandidate, akTimeCandidate };
struct TAutoTextShape {
    TAutoTextKind Kind = akText;
    bool HasDateSep = false;
    bool HasTimeSep = false;
};
TAutoTextShape AutoTextShape(std::string_view text);
// The style ssAutomatic becomes for a first text of that shape and a second text with or
// without the separators.
TSortStyle AutoSortStyle(const TAutoTextShape& first, const TAutoTextShape& second, bool ignoreCase);

// The text style ssAutomatic decides from the first text of a comparison (the check box test
// on the first cell is the grid's): ssNumeric for an integer, float or scientific text, else
// ssAlphaNoCase or ssAlphabetic, turned into ssDate, ssDateTime or ssTime when the first text
// has a date (or time) separator between digits at position 2 or 3 and the second text holds
// the same separator.
TSortStyle DetectAutomaticSortStyle(std::string_view first, std::string_view second, bool ignoreCase);

// Whether the text is an integer, float or scientific number by the locale's classification.
bool IsSortNumberText(std::string_view text);

// The date value of a text for the date and time styles (ssDate, ssDateTime, ssTime,
// ssShortDateEU, ssShortDateUS, ssVarDate); 0 for an empty text or one that does not convert.
double SortDateValue(TSortStyle style, std::string_view text);

// Compares two texts by a style that needs nothing but the texts: the alphabetic, locale-aware
// and natural orders and the date and time styles. Other styles answer 0.
int CompareSortTexts(TSortStyle style, std::string_view a, std::string_view b);
// Styles whose cells compare as texts (alphabetic, ANSI, natural order).
bool IsTextKeyStyle(TSortStyle style);
// Styles whose cells compare as values read from the texts (numbers, money, dates, times).
bool IsValueKeyStyle(TSortStyle style);

// Nothing but the grid's own code runs while rows are compared: no display-text, format,
// compare or check-state event is assigned.
bool SortRunsNoEvents(const TExtStringGrid& grid);

// The value a cell compares by in a number or date style, and whether its text (prepared as
// a number text) is blank.
struct TSortValue {
    double Value = 0.0;
    bool Converted = false;
    bool Blank = false;
};
TSortValue SortValueOf(TExtStringGrid& grid, int ACol, int ARow, std::string_view Text, TSortStyle Style,
                       const std::string& Prefix, const std::string& Suffix);

// The sort column's texts of the rows Left..Right (index row - Left) and what comparisons
// derive from each: the shape ssAutomatic reads (found when first asked for), and a value by
// the current number or date style (recomputed when the style, prefix or suffix of the
// column changes). The texts are views into the grid's cells while no event can run during
// the sort (nothing can write a cell then), else into copies the cache holds.
struct TExtStringGrid::TSortKeyCache {
    // The column's cells of left..right, or none when the range is small or a cell may read
    // differently from one comparison to the next.
    static std::unique_ptr<TSortKeyCache> Read(TExtStringGrid& grid, int col, int left, int right);
    int Col = -1;
    int Left = 0;
    int Right = -1;
    std::vector<std::string_view> Texts;
    std::vector<std::string> Copies;
    std::vector<std::uint8_t> CheckBoxes;
    bool AnyCheckBox = false;
    // Values of ValueStyle with ValuePrefix and ValueSuffix; per row: 0 not yet read, else
    // ValueRead | ValueConverted | ValueBlank.
    TSortStyle ValueStyle = ssAutomatic;
    std::string ValuePrefix;
    std::string ValueSuffix;
    bool ValuesKeyed = false;
    int Rekeys = 0;
    std::vector<double> Values;
    std::vector<std::uint8_t> ValueFlags;
    static constexpr std::uint8_t ValueRead = 1;
    static constexpr std::uint8_t ValueConverted = 2;
    static constexpr std::uint8_t ValueBlank = 4;

    bool Covers(int col, int row1, int row2) const
    {
        return col == Col && row1 >= Left && row1 <= Right && row2 >= Left && row2 <= Right;
    }
    const std::vector<TAutoTextShape>& Shapes();
    // The style every comparison of the column takes with the start style given, or
    // ssAutomatic when that depends on the pair of rows compared.
    TSortStyle UniformStyle(TSortStyle style, bool ignoreCase);
    // The cache of column col over the same rows: this one, one read for a column the
    // comparisons keep asking for, or none.
    TSortKeyCache* ForColumn(TExtStringGrid& grid, int col);
    // The same without counting the request: a cache already read, or none.
    TSortKeyCache* Cached(int col);

private:
    std::vector<TAutoTextShape> FShapes;
    std::vector<std::unique_ptr<TSortKeyCache>> FOthers;  // by column
    std::vector<int> FOtherReads;                         // by column; -1: cannot be cached
};

// Reads the column's cells of Left..Right into a cache and points the grid at it while it lives.
class TExtStringGrid::TSortKeyCacheScope {
public:
    TSortKeyCacheScope(TExtStringGrid& grid, int col, int left, int right);
    ~TSortKeyCacheScope();
    TSortKeyCacheScope(const TSortKeyCacheScope&) = delete;
    TSortKeyCacheScope& operator=(const TSortKeyCacheScope&) = delete;

private:
    TExtStringGrid& FGrid;
    std::unique_ptr<TExtStringGrid::TSortKeyCache> FCache;
    TExtStringGrid::TSortKeyCache* FPrevious;
};

}  // namespace grid
