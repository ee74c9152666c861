// The order of a one-column sort found from keys read once per row: a number, a date or the leading bytes of a text, each kept beside its row.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/data/ExtGridSortCompare.h"
#include "grid/data/ExtGridSortPartition.h"

namespace grid {

namespace {

// The first eight bytes of a text as one number, most significant first (upper-cased a..z
// with ignoreCase), zeros after a shorter text: texts whose numbers differ compare as the
// numbers do, byte by byte unsigned as the ordinal comparisons read them. With equal numbers
// a text of at most eight bytes is the start of the other one and they order by their
// lengths; two longer ones order by their rest.
std::uint64_t LeadingBytes(std::string_view text, bool ignoreCase)
{
    std::uint64_t key = 0;
    const std::size_t n = std::min<std::size_t>(text.size(), 8);
    for (std::size_t i = 0; i < 8; ++i) {
        unsigned char c = i < n ? static_cast<unsigned char>(text[i]) : 0;
        if (ignoreCase && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
        key = (key << 8) | c;
    }
    return key;
}

// A row's text key: its leading bytes and the text itself.
struct TTextEntry {
    std::uint64_t Leading;
    const char* Data;
    std::uint32_t Size;
    int Row;
    std::string_view Text() const { return {Data, Size}; }
};

// A row's number or date key.
struct TValueEntry {
    double Value;
    int Row;
    bool Converted;
    bool Blank;
};

int OrdinalTextOrder(const TTextEntry& a, const TTextEntry& b, bool noCase)
{
    if (a.Leading != b.Leading) return a.Leading < b.Leading ? -1 : 1;
    if (a.Size <= 8 || b.Size <= 8) return a.Size == b.Size ? 0 : (a.Size < b.Size ? -1 : 1);
    return noCase ? CompareAsciiNoCase(a.Text().substr(8), b.Text().substr(8))
                  : CompareOrdinal(a.Text().substr(8), b.Text().substr(8));
}

// The sorted entries give the order: position Left + k receives the row of entry k.
template <typename Entry>
void TakeOrder(const std::vector<Entry>& entries, std::vector<int>& order)
{
    for (std::size_t k = 0; k < entries.size(); ++k) order[k] = entries[k].Row;
}

// The blank rule and the tie-break of CompareRowsFull, applied to a key comparison.
struct TKeyOrderRules {
    TExtStringGrid& Grid;
    int Col;
    bool BlankRule;
    int BlankFirstSign;
    bool Descending;
    bool Full;
    // The answer the partition's scans run on (SortDir), and the grid's comparison counter.
    int ScanResult;
    int& Compares;

    int Blanks(int res, bool blank1, bool blank2) const
    {
        if (!BlankRule || blank1 == blank2) return res;
        res = blank1 ? BlankFirstSign : -BlankFirstSign;
        return Descending ? -res : res;
    }
    // With Full a tie on the key goes on to the next columns, compared cell by cell.
    int TieBreak(int res, int row1, int row2) const
    {
        return res != 0 || !Full ? res : Grid.CompareRowsFull(Col + 1, row1, row2);
    }
};

void SortOrderByTextKeys(const std::vector<std::string_view>& texts, std::vector<int>& order, int Left, int Right,
                         TSortStyle Style, const TKeyOrderRules& Rules)
{
    const bool noCase = Style == ssAlphaNoCase;
    std::vector<TTextEntry> entries(texts.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view text = texts[i];
        entries[i] = {LeadingBytes(text, noCase), text.data(), static_cast<std::uint32_t>(text.size()),
                      Left + static_cast<int>(i)};
    }
    const bool ordinal = Style == ssAlphabetic || Style == ssAlphaCase || Style == ssAlphaNoCase;
    HoareSortEntries(entries, Left, Left, Right, Rules.ScanResult, false, [&](const TTextEntry& a, const TTextEntry& b) {
        ++Rules.Compares;
        const int res = ordinal ? OrdinalTextOrder(a, b, noCase) : CompareSortTexts(Style, a.Text(), b.Text());
        return Rules.TieBreak(Rules.Blanks(res, a.Size == 0, b.Size == 0), a.Row, b.Row);
    });
    TakeOrder(entries, order);
}

void SortOrderByValueKeys(const std::vector<std::string_view>& texts, std::vector<int>& order, int Left, int Right,
                          TSortStyle Style, const std::string& Prefix, const std::string& Suffix,
                          const TKeyOrderRules& Rules)
{
    std::vector<TValueEntry> entries(texts.size());
    bool allConverted = true;
    bool anyBlank = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int row = Left + static_cast<int>(i);
        const TSortValue v = SortValueOf(Rules.Grid, Rules.Col, row, texts[i], Style, Prefix, Suffix);
        entries[i] = {v.Value, row, v.Converted, v.Blank};
        allConverted = allConverted && v.Converted;
        anyBlank = anyBlank || v.Blank;
    }
    if (allConverted && !(Rules.BlankRule && anyBlank)) {
        // Every value converted and no blank to place: the values alone decide.
        HoareSortEntries(entries, Left, Left, Right, Rules.ScanResult, false,
                         [&](const TValueEntry& a, const TValueEntry& b) {
                             ++Rules.Compares;
                             const int res = (a.Value > b.Value) - (a.Value < b.Value);
                             return Rules.TieBreak(res, a.Row, b.Row);
                         });
    } else {
        HoareSortEntries(entries, Left, Left, Right, Rules.ScanResult, false,
                         [&](const TValueEntry& a, const TValueEntry& b) {
                             ++Rules.Compares;
                             int res = 0;
                             if (a.Converted || b.Converted) res = (a.Value > b.Value) - (a.Value < b.Value);
                             return Rules.TieBreak(Rules.Blanks(res, a.Blank, b.Blank), a.Row, b.Row);
                         });
    }
    TakeOrder(entries, order);
}

}  // namespace

TSortStyle TExtStringGrid::TSortKeyCache::UniformStyle(TSortStyle style, bool ignoreCase)
{
    if (style != ssAutomatic && style != ssAlphaNumeric && style != ssAlphaNumericNoCase) return style;
    if (style == ssAutomatic && AnyCheckBox) return ssAutomatic;
    const std::vector<TAutoTextShape>& shapes = Shapes();
    const auto count = [&shapes](TAutoTextKind kind) {
        return static_cast<std::size_t>(std::count_if(shapes.begin(), shapes.end(),
                                                      [kind](const TAutoTextShape& s) { return s.Kind == kind; }));
    };
    const std::size_t rows = shapes.size();
    const std::size_t numbers = count(akNumber);
    if (numbers == rows) return ssNumeric;
    if (style == ssAutomatic) {
        if (count(akText) == rows) return ignoreCase ? ssAlphaNoCase : ssAlphabetic;
        return ssAutomatic;
    }
    if (numbers == 0) return style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    return ssAutomatic;
}

bool TExtStringGrid::SortOrderByKeys(std::vector<int>& order, int Col, int Left, int Right)
{
    const TSortSettings& ss = SortSettings();
    if (FSortCache == nullptr || FSortCache->Col != Col || FSortCache->Left != Left || FSortCache->Right != Right)
        return false;
    // Events that may answer differently per comparison or per read keep the cell-by-cell path.
    // (A tie with Full goes on through CompareRowsFull, which counts the further columns.)
    if (OnGetFormat || OnCustomCompare || OnRawCompare || OnGetDisplText || OnGetDisplWideText ||
        IgnoreColumns().HasValue(Col))
        return false;
    TSortStyle style = ss.AutoFormat() ? ssAutomatic : (ss.IgnoreCase() ? ssAlphaNoCase : ss.DefaultFormat());
    std::string prefix;
    std::string suffix;
    GetColFormat(Col, style, prefix, suffix);
    TSortKeyCache& cache = *FSortCache;
    style = cache.UniformStyle(style, ss.IgnoreCase());
    const TKeyOrderRules rules{*this,
                               Col,
                               ss.IgnoreBlanks(),
                               ss.BlankPos() == blLast ? 1 : -1,
                               ss.Direction() == sdDescending,
                               ss.Full() && Col < TotalColCount() - 1,
                               FSortDir,
                               FCompares};
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
    case ssNatural:
        SortOrderByTextKeys(cache.Texts, order, Left, Right, style, rules);
        return true;
    case ssNumeric:
    case ssFinancial:
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssVarDate:
        SortOrderByValueKeys(cache.Texts, order, Left, Right, style, prefix, suffix, rules);
        return true;
    default:
        return false;
    }
}

}  // namespace grid
