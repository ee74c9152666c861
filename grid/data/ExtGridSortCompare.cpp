// Row comparison for sorting: the grid's comparisons by sort style and the text-level conversions and orders they use.
#include "grid/data/ExtGridSortCompare.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <typeinfo>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilDates.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Number of code points in the first n bytes of a UTF-8 text.
int CodePointsBefore(std::string_view text, std::size_t n)
{
    int count = 0;
    for (std::size_t i = 0; i < n && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++count;
    return count;
}

// The separator stands at character position 2 or 3 (from 1), is not the last character
// and has a digit on either side.
bool SeparatorBetweenDigits(std::string_view text, char sep, int& position)
{
    const std::size_t at = text.find(sep);
    position = at == std::string_view::npos ? 0 : CodePointsBefore(text, at) + 1;
    const int length = CodePointsBefore(text, text.size());
    if (position < 2 || position > 3 || position >= length) return false;
    return at > 0 && at + 1 < text.size() && IsAsciiDigit(text[at - 1]) && IsAsciiDigit(text[at + 1]);
}

void RemoveFirst(std::string& text, const std::string& part)
{
    if (part.empty()) return;
    const std::size_t at = text.find(part);
    if (at != std::string::npos) text.erase(at, part.size());
}

void TrimBlanks(std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    const std::size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
}

// Every occurrence removed, blanks trimmed after each removal.
void RemoveAllTrimming(std::string& text, const std::string& part)
{
    if (part.empty()) return;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part)) {
        text.erase(at, part.size());
        TrimBlanks(text);
    }
}

// The variant date conversion reads English (United States) dates: month first.
const rtl::TFormatSettings& UsDateSettings()
{
    static const rtl::TFormatSettings settings = [] {
        rtl::TFormatSettings s = rtl::DefaultFormatSettings();
        s.DateSeparator = '/';
        s.TimeSeparator = ':';
        s.ShortDateFormat = "m/d/yyyy";
        s.DecimalSeparator = '.';
        return s;
    }();
    return settings;
}

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

bool IsTextKeyStyle(TSortStyle style)
{
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
    case ssNatural:
        return true;
    default:
        return false;
    }
}

bool IsValueKeyStyle(TSortStyle style)
{
    switch (style) {
    case ssNumeric:
    case ssFinancial:
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssVarDate:
        return true;
    default:
        return false;
    }
}

TSortNumber ParseSortNumber(std::string_view text)
{
    TSortNumber result;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only digits, "." and an exponent form the number: from_chars would also take "inf" and
    // "nan", which the strict conversion refuses.
    if (i >= text.size() || !(IsAsciiDigit(text[i]) || text[i] == '.')) return result;
    double value = 0.0;
    const char* begin = text.data() + i;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec == std::errc::invalid_argument) return result;
    if (ec == std::errc::result_out_of_range) value = 0.0;
    result.Value = negative ? -value : value;
    result.Converted = stop == end && ec == std::errc();
    return result;
}

void PrepareSortNumberText(std::string& text, TSortStyle style, const std::string& prefix,
                           const std::string& suffix)
{
    RemoveFirst(text, suffix);
    RemoveFirst(text, prefix);
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    if (style == ssFinancial) {
        RemoveAllTrimming(text, fs.CurrencyString);
        if (fs.ThousandSeparator != '\0') std::erase(text, fs.ThousandSeparator);
    }
    if (fs.DecimalSeparator != '.') {
        const std::size_t at = text.find(fs.DecimalSeparator);
        if (at != std::string::npos) text[at] = '.';
    }
}

bool NumberTextReady(std::string_view text, TSortStyle style, const std::string& prefix, const std::string& suffix)
{
    if (style != ssNumeric || !prefix.empty() || !suffix.empty()) return false;
    const char decimal = rtl::FormatSettings.DecimalSeparator;
    return decimal == '.' || text.find(decimal) == std::string_view::npos;
}

int CompareSortValues(double a, double b) { return a > b ? 1 : (a < b ? -1 : 0); }

int CompareOrdinal(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }

int CompareAsciiNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 32);
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 32);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

enum TQuickNumberAnswer : std::uint8_t { qnNumber, qnNotNumber, qnAsk };

// Answers the number test for the usual cell texts without decoding them: an ASCII character
// that no number, date or time text may hold (a letter other than e and E, a blank, ...)
// makes the text no number; an optional "-" followed by digits and at most one decimal
// separator makes it an integer or a float. Anything else is left to the full classification.
TQuickNumberAnswer QuickNumberAnswer(std::string_view text)
{
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    const char decimal = fs.DecimalSeparator;
    const auto special = [&fs, decimal](char c) {
        return c == '-' || c == '+' || c == 'e' || c == 'E' || c == decimal || c == fs.ThousandSeparator ||
               c == fs.DateSeparator || c == fs.TimeSeparator;
    };
    // The decimal separator must be a plain character of its own for the pattern to hold.
    const bool plainDecimal = static_cast<unsigned char>(decimal) < 0x80 && !IsAsciiDigit(decimal) && decimal != '-' &&
                              decimal != '+' && decimal != 'e' && decimal != 'E' && decimal != fs.ThousandSeparator &&
                              decimal != fs.DateSeparator && decimal != fs.TimeSeparator;
    bool pattern = plainDecimal;
    int digits = 0;
    int decimals = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAsciiDigit(c)) {
            ++digits;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            pattern = false;
            continue;
        }
        if (!special(c)) return qnNotNumber;
        if (c == decimal)
            ++decimals;
        else if (!(c == '-' && i == 0))
            pattern = false;
    }
    return pattern && digits > 0 && decimals <= 1 ? qnNumber : qnAsk;
}

}  // namespace

bool IsSortNumberText(std::string_view text)
{
    if (text.empty()) return false;
    switch (QuickNumberAnswer(text)) {
    case qnNumber:
        return true;
    case qnNotNumber:
        return false;
    case qnAsk:
        break;
    }
    const int kind = ClassifyNumberText(text);
    return kind == nkInteger || kind == nkFloat || kind == nkScientific;
}

TAutoTextShape AutoTextShape(std::string_view text)
{
    TAutoTextShape shape;
    const char dateSep = rtl::FormatSettings.DateSeparator;
    const char timeSep = rtl::FormatSettings.TimeSeparator;
    shape.HasDateSep = text.find(dateSep) != std::string_view::npos;
    shape.HasTimeSep = text.find(timeSep) != std::string_view::npos;
    if (IsSortNumberText(text)) {
        shape.Kind = akNumber;
        return shape;
    }
    int p = 0;
    if (SeparatorBetweenDigits(text, dateSep, p)) {
        shape.Kind = akDateCandidate;
        return shape;
    }
    // A date separator at a date's place without digits around it leaves the text style.
    const int length = CodePointsBefore(text, text.size());
    if ((p >= 2 && p <= 3) || p >= length) return shape;
    int q = 0;
    if (SeparatorBetweenDigits(text, timeSep, q)) shape.Kind = akTimeCandidate;
    return shape;
}

TSortStyle AutoSortStyle(const TAutoTextShape& first, const TAutoTextShape& second, bool ignoreCase)
{
    switch (first.Kind) {
    case akNumber:
        return ssNumeric;
    case akDateCandidate:
        if (second.HasDateSep) return first.HasTimeSep ? ssDateTime : ssDate;
        break;
    case akTimeCandidate:
        if (second.HasTimeSep) return ssTime;
        break;
    case akText:
        break;
    }
    return ignoreCase ? ssAlphaNoCase : ssAlphabetic;
}

TSortStyle DetectAutomaticSortStyle(std::string_view first, std::string_view second, bool ignoreCase)
{
    return AutoSortStyle(AutoTextShape(first), AutoTextShape(second), ignoreCase);
}

double SortDateValue(TSortStyle style, std::string_view text)
{
    if (text.empty()) return 0.0;
    rtl::TDateTime value = 0.0;
    switch (style) {
    case ssDate:
    case ssDateTime:
        return rtl::TryStrToDateTime(std::string(text), value) ? value : 0.0;
    case ssTime:
        return rtl::TryStrToTime(std::string(text), value) ? value : 0.0;
    case ssShortDateEU:
        return ParseShortDateEU(text);
    case ssShortDateUS:
        return ParseShortDateUS(text);
    case ssVarDate:
        return rtl::TryStrToDateTime(std::string(text), value, UsDateSettings()) ? value : 0.0;
    default:
        return 0.0;
    }
}

int CompareSortTexts(TSortStyle style, std::string_view a, std::string_view b)
{
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
        return CompareOrdinal(a, b);
    case ssAlphaNoCase:
        return CompareAsciiNoCase(a, b);
    case ssAnsiAlphaCase:
        return Sign(rtl::AnsiCompareStr(a, b));
    case ssAnsiAlphaNoCase:
        return Sign(rtl::AnsiCompareText(a, b));
    case ssNatural:
        return CompareStrLogical(std::string(a), std::string(b));
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssVarDate:
        return CompareSortValues(SortDateValue(style, a), SortDateValue(style, b));
    default:
        return 0;
    }
}

// ---------------------------------------------------------------- the grid's comparisons

namespace {

bool IsSortCheckBoxType(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

}  // namespace

// Reads a cell for a comparison: the displayed text with SortOnVirtualCells, else the
// stored one.
std::string TExtStringGrid::SortCellText(int ACol, int ARow, bool Virtual)
{
    return Virtual ? GetCellEx(ACol, ARow) : GetGridCell(ACol, ARow);
}

int TExtStringGrid::CompareNumbers(int ACol, int ARow1, int ARow2, std::string& S1, std::string& S2,
                                   TSortStyle Style, const std::string& Prefix, const std::string& Suffix)
{
    PrepareSortNumberText(S1, Style, Prefix, Suffix);
    PrepareSortNumberText(S2, Style, Prefix, Suffix);
    TSortNumber n1 = ParseSortNumber(S1);
    TSortNumber n2 = ParseSortNumber(S2);
    // A cell that shows nothing counts as 0 without a conversion error.
    if (!n1.Converted && GetCellEx(ACol, ARow1).empty()) n1 = {0.0, true};
    if (!n2.Converted && GetCellEx(ACol, ARow2).empty()) n2 = {0.0, true};
    if (!n1.Converted && !n2.Converted) return 0;
    return CompareSortValues(n1.Value, n2.Value);
}

int TExtStringGrid::CompareRows(int ACol, int ARow1, int Direction, int ARow2)
{
    ++FCompares;
    const TSortSettings& ss = SortSettings();
    TSortStyle style = ss.AutoFormat() ? ssAutomatic : (ss.IgnoreCase() ? ssAlphaNoCase : ss.DefaultFormat());
    std::string prefix;
    std::string suffix;
    GetColFormat(ACol, style, prefix, suffix);
    int res = 0;
    TSortKeyCache* cache = FSortCache != nullptr ? FSortCache->ForColumn(*this, ACol) : nullptr;
    if (cache != nullptr && cache->Covers(ACol, ARow1, ARow2) &&
        CompareCachedRows(*cache, ARow1, Direction, ARow2, style, prefix, suffix, res))
        return res;
    return CompareRowTexts(ACol, ARow1, Direction, ARow2, style, prefix, suffix,
                           SortCellText(ACol, ARow1, ss.SortOnVirtualCells()),
                           SortCellText(ACol, ARow2, ss.SortOnVirtualCells()));
}

namespace {

// Blanks land at BlankPos in either direction.
int ApplyBlankRule(const TSortSettings& ss, int res, bool empty1, bool empty2, int direction)
{
    if (!ss.IgnoreBlanks() || empty1 == empty2) return res;
    const int blankFirstSign = ss.BlankPos() == blLast ? 1 : -1;
    res = empty1 ? blankFirstSign : -blankFirstSign;
    return direction == 1 ? -res : res;
}

}  // namespace

int TExtStringGrid::CompareRowTexts(int ACol, int ARow1, int Direction, int ARow2, TSortStyle Style,
                                    const std::string& Prefix, const std::string& Suffix, std::string S1,
                                    std::string S2)
{
    const TSortSettings& ss = SortSettings();
    if (Style == ssAutomatic) {
        Style = IsSortCheckBoxType(GetCellType(ACol, ARow1)) ? ssCheckBox
                                                              : DetectAutomaticSortStyle(S1, S2, ss.IgnoreCase());
    }
    if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
        if (IsSortNumberText(S1) && IsSortNumberText(S2))
            Style = ssNumeric;
        else
            Style = Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    int res = 0;
    switch (Style) {
    case ssNumeric:
    case ssFinancial:
        res = CompareNumbers(ACol, ARow1, ARow2, S1, S2, Style, Prefix, Suffix);
        break;
    case ssHTML:
        res = CompareOrdinal(StripHtmlTags(GetCellEx(ACol, ARow1)), StripHtmlTags(GetCellEx(ACol, ARow2)));
        break;
    case ssImages:
        res = CompareSortValues(static_cast<double>(SortImageIndex(ACol, ARow1)),
                                static_cast<double>(SortImageIndex(ACol, ARow2)));
        break;
    case ssCheckBox:
        res = static_cast<int>(SortCheckState(ACol, ARow1)) - static_cast<int>(SortCheckState(ACol, ARow2));
        break;
    // A handler may answer with any negative, zero or positive value (a length or number
    // difference); the sort works with its sign.
    case ssCustom:
        if (OnCustomCompare) OnCustomCompare(this, S1, S2, res);
        res = (res > 0) - (res < 0);
        break;
    case ssRaw:
        if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, res);
        res = (res > 0) - (res < 0);
        break;
    default:
        res = CompareSortTexts(Style, S1, S2);
        break;
    }
    return ApplyBlankRule(ss, res, S1.empty(), S2.empty(), Direction);
}

// ---------------------------------------------------------------- the sort column's cache

// Reading a cell twice gives the same text when no display-text hook runs and no descendant
// changes how cells are read or typed.
bool TExtStringGrid::SortKeyCacheAllowed() const
{
    if (typeid(*this) != typeid(TExtStringGrid)) return false;
    return !(SortSettings().SortOnVirtualCells() && (OnGetDisplText || OnGetDisplWideText));
}

bool SortRunsNoEvents(const TExtStringGrid& grid)
{
    return !grid.OnGetFormat && !grid.OnCustomCompare && !grid.OnRawCompare && !grid.OnGetDisplText &&
           !grid.OnGetDisplWideText && !grid.OnGetCheckTrue;
}

namespace {

// The displayed text of a cell without an object is its stored text: no display-text
// hook, no links shown in the text, no group count after the text of column 1.
bool DisplayShowsStoredText(TExtStringGrid& grid, int col)
{
    return !grid.OnGetDisplText && !grid.OnGetDisplWideText && !grid.URLShowInText() &&
           !(col == 1 && grid.Grouping().ShowGroupCount());
}

}  // namespace

TExtStringGrid::TSortKeyCacheScope::TSortKeyCacheScope(TExtStringGrid& grid, int col, int left, int right)
    : FGrid(grid), FCache(TSortKeyCache::Read(grid, col, left, right)), FPrevious(grid.FSortCache)
{
    if (FCache != nullptr) grid.FSortCache = FCache.get();
}

std::unique_ptr<TExtStringGrid::TSortKeyCache> TExtStringGrid::TSortKeyCache::Read(TExtStringGrid& grid, int col,
                                                                                    int left, int right)
{
    // Small ranges are compared straight from the cells.
    if (col < 0 || right - left < 32 || !grid.SortKeyCacheAllowed()) return nullptr;
    auto cache = std::make_unique<TSortKeyCache>();
    TSortKeyCache& c = *cache;
    c.Col = col;
    c.Left = left;
    c.Right = right;
    const std::size_t n = static_cast<std::size_t>(right - left + 1);
    c.Texts.resize(n);
    c.CheckBoxes.assign(n, 0);
    const bool virt = grid.SortSettings().SortOnVirtualCells();
    if (!SortRunsNoEvents(grid) || (virt && !DisplayShowsStoredText(grid, col))) {
        // An event may write cells while the sort runs, or the displayed text differs from
        // the stored one: the cache keeps its own copies.
        c.Copies.resize(n);
        for (int r = left; r <= right; ++r) {
            const std::size_t i = static_cast<std::size_t>(r - left);
            c.Copies[i] = grid.SortCellText(col, r, virt);
            c.Texts[i] = c.Copies[i];
            c.CheckBoxes[i] = IsSortCheckBoxType(grid.GetCellType(col, r)) ? 1 : 0;
        }
    } else {
        // A cell without an object is a check box cell only in the first column of a grid
        // that selects rows by check boxes; a cell the store never held reads empty. A cell
        // with an object may be part of a merged cell, whose displayed text is the base
        // cell's.
        if (col == 0 && grid.MouseActions().HotmailRowSelect()) std::fill(c.CheckBoxes.begin(), c.CheckBoxes.end(), 1);
        std::vector<int> withObject;
        grid.ScanColumnCells(col, left, right, [&](int r, const std::string& text, rtl::TObject* object) {
            const std::size_t i = static_cast<std::size_t>(r - left);
            c.Texts[i] = text;
            if (object == nullptr) return;
            c.CheckBoxes[i] = IsSortCheckBoxType(grid.GetCellType(col, r)) ? 1 : 0;
            if (virt) withObject.push_back(r);
        });
        c.Copies.resize(withObject.size());
        for (std::size_t k = 0; k < withObject.size(); ++k) {
            c.Copies[k] = grid.GetCellEx(col, withObject[k]);
            c.Texts[static_cast<std::size_t>(withObject[k] - left)] = c.Copies[k];
        }
    }
    c.AnyCheckBox = std::find(c.CheckBoxes.begin(), c.CheckBoxes.end(), 1) != c.CheckBoxes.end();
    return cache;
}

// A column other than the sort column is read into a cache of its own once the comparisons
// have asked for it about once per sixteen rows (ties going on to the next columns, further
// sort keys): from then on reading it once costs less than reading its cells per comparison.
TExtStringGrid::TSortKeyCache* TExtStringGrid::TSortKeyCache::Cached(int col)
{
    if (col == Col) return this;
    if (col < 0 || static_cast<std::size_t>(col) >= FOthers.size()) return nullptr;
    return FOthers[static_cast<std::size_t>(col)].get();
}

TExtStringGrid::TSortKeyCache* TExtStringGrid::TSortKeyCache::ForColumn(TExtStringGrid& grid, int col)
{
    if (col == Col) return this;
    if (col < 0) return nullptr;
    const std::size_t at = static_cast<std::size_t>(col);
    if (at >= FOthers.size()) {
        FOthers.resize(at + 1);
        FOtherReads.resize(at + 1, 0);
    }
    if (FOthers[at] == nullptr) {
        const int threshold = std::max(64, (Right - Left + 1) / 16);
        if (FOtherReads[at] < 0 || ++FOtherReads[at] <= threshold) return nullptr;
        FOthers[at] = Read(grid, col, Left, Right);
        // A column that cannot be cached is not asked for again.
        if (FOthers[at] == nullptr) FOtherReads[at] = -1;
    }
    return FOthers[at].get();
}

const std::vector<TAutoTextShape>& TExtStringGrid::TSortKeyCache::Shapes()
{
    if (FShapes.size() != Texts.size()) {
        FShapes.resize(Texts.size());
        for (std::size_t i = 0; i < Texts.size(); ++i) FShapes[i] = AutoTextShape(Texts[i]);
    }
    return FShapes;
}

TExtStringGrid::TSortKeyCacheScope::~TSortKeyCacheScope() { FGrid.FSortCache = FPrevious; }

// Compares two cached rows for the text, number and date styles; false leaves the other
// styles to the comparison of the cells themselves.
bool TExtStringGrid::CompareCachedRows(TSortKeyCache& Cache, int ARow1, int Direction, int ARow2, TSortStyle Style,
                                       const std::string& Prefix, const std::string& Suffix, int& Result)
{
    const TSortSettings& ss = SortSettings();
    const std::size_t i1 = static_cast<std::size_t>(ARow1 - Cache.Left);
    const std::size_t i2 = static_cast<std::size_t>(ARow2 - Cache.Left);
    const std::string_view s1 = Cache.Texts[i1];
    const std::string_view s2 = Cache.Texts[i2];
    if (Style == ssAutomatic) {
        if (Cache.CheckBoxes[i1] != 0) return false;
        Style = AutoSortStyle(Cache.Shapes()[i1], Cache.Shapes()[i2], ss.IgnoreCase());
    }
    if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
        if (Cache.Shapes()[i1].Kind == akNumber && Cache.Shapes()[i2].Kind == akNumber)
            Style = ssNumeric;
        else
            Style = Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    if (IsTextKeyStyle(Style)) {
        Result = ApplyBlankRule(ss, CompareSortTexts(Style, s1, s2), s1.empty(), s2.empty(), Direction);
        return true;
    }
    if (!IsValueKeyStyle(Style)) return false;
    if (!Cache.ValuesKeyed || Cache.ValueStyle != Style || Cache.ValuePrefix != Prefix ||
        Cache.ValueSuffix != Suffix) {
        // A column whose format keeps changing is compared from its cells.
        if (++Cache.Rekeys > 8) return false;
        Cache.Values.assign(Cache.Texts.size(), 0.0);
        Cache.ValueFlags.assign(Cache.Texts.size(), 0);
        Cache.ValueStyle = Style;
        Cache.ValuePrefix = Prefix;
        Cache.ValueSuffix = Suffix;
        Cache.ValuesKeyed = true;
    }
    for (const std::size_t i : {i1, i2}) {
        if (Cache.ValueFlags[i] != 0) continue;
        const int row = Cache.Left + static_cast<int>(i);
        const TSortValue v = SortValueOf(*this, Cache.Col, row, Cache.Texts[i], Style, Prefix, Suffix);
        Cache.Values[i] = v.Value;
        Cache.ValueFlags[i] = TSortKeyCache::ValueRead | (v.Converted ? TSortKeyCache::ValueConverted : 0) |
                              (v.Blank ? TSortKeyCache::ValueBlank : 0);
    }
    const std::uint8_t f1 = Cache.ValueFlags[i1];
    const std::uint8_t f2 = Cache.ValueFlags[i2];
    int res = 0;
    if ((f1 & TSortKeyCache::ValueConverted) != 0 || (f2 & TSortKeyCache::ValueConverted) != 0)
        res = CompareSortValues(Cache.Values[i1], Cache.Values[i2]);
    Result = ApplyBlankRule(ss, res, (f1 & TSortKeyCache::ValueBlank) != 0, (f2 & TSortKeyCache::ValueBlank) != 0,
                            Direction);
    return true;
}

// The value a number or date style compares a cell by. A number that does not convert
// counts as 0 when its cell shows nothing; a date that does not convert is 0. Blank: the
// text (after the number text is prepared) is empty.
TSortValue SortValueOf(TExtStringGrid& grid, int ACol, int ARow, std::string_view Text, TSortStyle Style,
                       const std::string& Prefix, const std::string& Suffix)
{
    if (Style != ssNumeric && Style != ssFinancial) return {SortDateValue(Style, Text), true, Text.empty()};
    TSortNumber number;
    bool blank = Text.empty();
    if (NumberTextReady(Text, Style, Prefix, Suffix)) {
        number = ParseSortNumber(Text);
    } else {
        std::string text(Text);
        PrepareSortNumberText(text, Style, Prefix, Suffix);
        number = ParseSortNumber(text);
        blank = text.empty();
    }
    if (!number.Converted && grid.GetCellEx(ACol, ARow).empty()) number = {0.0, true};
    return {number.Value, number.Converted, blank};
}

// The image index of a cell for ssImages: a ctImageList cell's index, the identity of a
// bitmap or icon object, -1 otherwise.
long long TExtStringGrid::SortImageIndex(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return -1;
    switch (g->CellType()) {
    case ctImageList:
        return g->CellIndex();
    case ctBitmap:
        return static_cast<long long>(reinterpret_cast<std::intptr_t>(g->CellBitmap()));
    case ctIcon:
        return static_cast<long long>(reinterpret_cast<std::intptr_t>(g->CellIcon()));
    default:
        return -1;
    }
}

// The check state of a cell for ssCheckBox (a tri-state check box reports none).
bool TExtStringGrid::SortCheckState(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox:
        return g->CellBoolean();
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue;
        GetCheckTrue(ACol, ARow, checkTrue);
        return GetCellEx(ACol, ARow) == checkTrue;
    }
    case ctRowCheckBox:
        return ACol == 0 && ARow >= 0 && static_cast<std::size_t>(ARow) < FRowSelect.size() &&
               FRowSelect[static_cast<std::size_t>(ARow)] != 0;
    default:
        return false;
    }
}

int TExtStringGrid::CompareRowsFull(int ACol, int ARow1, int ARow2)
{
    const int direction = SortSettings().Direction() == sdDescending ? 1 : 0;
    const bool full = SortSettings().Full();
    const int last = TotalColCount() - 1;
    // The partition compares its pivot row with itself once per step: with cells that read
    // the same every time and no event to tell, that is a tie over every column it reaches.
    if (ARow1 == ARow2 && FSortCache != nullptr && !OnGetFormat && !OnCustomCompare && !OnRawCompare) {
        for (int c = ACol; c <= (full ? last : ACol); ++c)
            if (!IgnoreColumns().HasValue(c)) ++FCompares;
        return 0;
    }
    for (int c = ACol;; ++c) {
        const int res = IgnoreColumns().HasValue(c) ? 0 : CompareRows(c, ARow1, direction, ARow2);
        if (res != 0 || !full || c >= last) return res;
    }
}

int TExtStringGrid::CompareRowsIndexed(int Idx, int ARow1, int ARow2)
{
    const TSortIndexList& keys = SortIndexes();
    const bool full = SortSettings().Full();
    for (int i = Idx; i < keys.Count(); ++i) {
        const int key = keys[i];
        const int col = key & 0x7FFFFFFF;
        const bool descending = (static_cast<unsigned>(key) & 0x80000000u) != 0;
        int res = IgnoreColumns().HasValue(col) ? 0 : CompareRows(col, ARow1, descending ? 1 : 0, ARow2);
        if (res != 0 || !full) return descending ? -res : res;
    }
    return 0;
}

TExtStringGrid::TColumnType TExtStringGrid::ColumnType(int ACol)
{
    const int r1 = FixedRows();
    const int r2 = FixedRows() + 1;
    if (CellHasCheckBox(ACol, r1) && CellHasCheckBox(ACol, r2)) return ctBoolean;
    const int k1 = ClassifyNumberText(GetCellEx(ACol, r1));
    const int k2 = ClassifyNumberText(GetCellEx(ACol, r2));
    if (k1 != k2) return ctAlpha;
    switch (k1) {
    case nkInteger:
        return ctNumeric;
    case nkFloat:
        return ctFloat;
    case nkDate:
        return ctDate;
    case nkTime:
        return ctTime;
    default:
        return ctAlpha;
    }
}

}  // namespace grid
