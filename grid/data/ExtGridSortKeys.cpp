// Sort orders found from keys read once per row (a number, a date or the leading bytes of a text): by the sort column, over tied columns, by sort keys.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
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

std::vector<TTextEntry> TextEntries(const std::vector<std::string_view>& texts, int left, bool noCase)
{
    std::vector<TTextEntry> entries(texts.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view text = texts[i];
        entries[i] = {LeadingBytes(text, noCase), text.data(), static_cast<std::uint32_t>(text.size()),
                      left + static_cast<int>(i)};
    }
    return entries;
}

std::vector<TValueEntry> ValueEntries(TExtStringGrid& grid, int col, const std::vector<std::string_view>& texts,
                                      int left, TSortStyle style, const std::string& prefix, const std::string& suffix)
{
    std::vector<TValueEntry> entries(texts.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int row = left + static_cast<int>(i);
        const TSortValue v = SortValueOf(grid, col, row, texts[i], style, prefix, suffix);
        entries[i] = {v.Value, row, v.Converted, v.Blank};
    }
    return entries;
}

// The text order of a style before the blank rule.
int TextKeyOrder(const TTextEntry& a, const TTextEntry& b, TSortStyle style)
{
    if (style == ssAlphabetic || style == ssAlphaCase || style == ssAlphaNoCase)
        return OrdinalTextOrder(a, b, style == ssAlphaNoCase);
    return CompareSortTexts(style, a.Text(), b.Text());
}

// The value order before the blank rule: two values that did not convert are equal.
int ValueKeyOrder(const TValueEntry& a, const TValueEntry& b)
{
    return a.Converted || b.Converted ? (a.Value > b.Value) - (a.Value < b.Value) : 0;
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
    // With Full a tie on the key goes on to the next columns (CompareRowsFull from Col + 1).
    std::function<int(int, int)> NextColumns;
    int TieBreak(int res, int row1, int row2) const { return res != 0 || !Full ? res : NextColumns(row1, row2); }
};

void SortOrderByTextKeys(const std::vector<std::string_view>& texts, std::vector<int>& order, int Left, int Right,
                         TSortStyle Style, const TKeyOrderRules& Rules)
{
    std::vector<TTextEntry> entries = TextEntries(texts, Left, Style == ssAlphaNoCase);
    HoareSortEntries(entries, Left, Left, Right, Rules.ScanResult, false,
                     [&](const TTextEntry& a, const TTextEntry& b) {
                         ++Rules.Compares;
                         return Rules.TieBreak(Rules.Blanks(TextKeyOrder(a, b, Style), a.Size == 0, b.Size == 0),
                                               a.Row, b.Row);
                     });
    TakeOrder(entries, order);
}

void SortOrderByValueKeys(const std::vector<std::string_view>& texts, std::vector<int>& order, int Left, int Right,
                          TSortStyle Style, const std::string& Prefix, const std::string& Suffix,
                          const TKeyOrderRules& Rules)
{
    std::vector<TValueEntry> entries = ValueEntries(Rules.Grid, Rules.Col, texts, Left, Style, Prefix, Suffix);
    const bool allConverted =
        std::all_of(entries.begin(), entries.end(), [](const TValueEntry& e) { return e.Converted; });
    const bool anyBlank = std::any_of(entries.begin(), entries.end(), [](const TValueEntry& e) { return e.Blank; });
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
                             return Rules.TieBreak(Rules.Blanks(ValueKeyOrder(a, b), a.Blank, b.Blank), a.Row,
                                                   b.Row);
                         });
    }
    TakeOrder(entries, order);
}

}  // namespace

// Rows compared over a list of columns, each with the direction flag its comparison gets
// (it places blanks) and whether its answer is negated: the columns after the sort column
// when two rows tie on the sort key with Full on (as CompareRowsFull compares them), or the
// keys of an indexed sort (as CompareRowsIndexed). A column the comparisons keep reaching
// is read once into keys of its own (the same keys the sort column gets when its style is
// the same for every row), so that it is not read cell by cell at every comparison.
struct TExtStringGrid::TSortKeyColumns {
    struct TColumn {
        enum TState : std::uint8_t { csUnread, csTextKeys, csValueKeys, csCells } State = csUnread;
        int Col = 0;
        int Direction = 0;
        bool Negate = false;
        bool Ignored = false;
        TSortStyle Style = ssAutomatic;
        std::vector<TTextEntry> Texts;    // by row - Left
        std::vector<TValueEntry> Values;  // by row - Left
    };

    // The columns first..last compared in the sort's direction, each tie going on to the next.
    static TSortKeyColumns After(TExtStringGrid& grid, int first, int left)
    {
        TSortKeyColumns columns(grid, left, true);
        const int direction = grid.SortSettings().Direction() == sdDescending ? 1 : 0;
        for (int c = first; c <= grid.TotalColCount() - 1; ++c) columns.Add(c, direction, false);
        return columns;
    }
    // The keys of the sort index list, each in its own direction; a tie goes on to the next
    // key with Full on.
    static TSortKeyColumns Indexed(TExtStringGrid& grid, int left)
    {
        TSortKeyColumns columns(grid, left, grid.SortSettings().Full());
        const TSortIndexList& keys = grid.SortIndexes();
        for (int i = 0; i < keys.Count(); ++i) {
            const bool descending = (static_cast<unsigned>(keys[i]) & 0x80000000u) != 0;
            columns.Add(keys[i] & 0x7FFFFFFF, descending ? 1 : 0, descending);
        }
        return columns;
    }

    int Compare(int row1, int row2)
    {
        for (TColumn& column : Columns) {
            const int res = column.Ignored ? 0 : CompareColumn(column, row1, row2);
            if (res != 0 || !Full) return column.Negate ? -res : res;
        }
        return 0;
    }

private:
    TSortKeyColumns(TExtStringGrid& grid, int left, bool full)
        : Grid(grid),
          Left(left),
          Full(full),
          BlankRule(grid.SortSettings().IgnoreBlanks()),
          BlankFirstSign(grid.SortSettings().BlankPos() == blLast ? 1 : -1)
    {
    }

    void Add(int col, int direction, bool negate)
    {
        TColumn column;
        column.Col = col;
        column.Direction = direction;
        column.Negate = negate;
        column.Ignored = Grid.IgnoreColumns().HasValue(col);
        Columns.push_back(std::move(column));
    }

    int CompareColumn(TColumn& column, int row1, int row2)
    {
        // The partition compares its pivot row with itself once per step: without events
        // (this path runs only without them) a row ties with itself in every style, and
        // reading the column for that would cost more than the sort.
        if (row1 == row2) {
            ++Grid.FCompares;
            return 0;
        }
        if (column.State == TColumn::csUnread) ReadKeys(column);
        if (column.State == TColumn::csUnread || column.State == TColumn::csCells)
            return Grid.CompareRows(column.Col, row1, column.Direction, row2);
        ++Grid.FCompares;
        const std::size_t i1 = static_cast<std::size_t>(row1 - Left);
        const std::size_t i2 = static_cast<std::size_t>(row2 - Left);
        if (column.State == TColumn::csTextKeys) {
            const TTextEntry& a = column.Texts[i1];
            const TTextEntry& b = column.Texts[i2];
            return Blanks(column, TextKeyOrder(a, b, column.Style), a.Size == 0, b.Size == 0);
        }
        const TValueEntry& a = column.Values[i1];
        const TValueEntry& b = column.Values[i2];
        return Blanks(column, ValueKeyOrder(a, b), a.Blank, b.Blank);
    }

    // Keys once the comparisons have made the grid read the column into a cache.
    void ReadKeys(TColumn& column)
    {
        TSortKeyCache* cache = Grid.FSortCache->Cached(column.Col);
        if (cache == nullptr) return;
        const TSortSettings& ss = Grid.SortSettings();
        TSortStyle style = ss.AutoFormat() ? ssAutomatic : (ss.IgnoreCase() ? ssAlphaNoCase : ss.DefaultFormat());
        std::string prefix;
        std::string suffix;
        Grid.GetColFormat(column.Col, style, prefix, suffix);
        column.Style = cache->UniformStyle(style, ss.IgnoreCase());
        if (IsTextKeyStyle(column.Style)) {
            column.Texts = TextEntries(cache->Texts, Left, column.Style == ssAlphaNoCase);
            column.State = TColumn::csTextKeys;
        } else if (IsValueKeyStyle(column.Style)) {
            column.Values = ValueEntries(Grid, column.Col, cache->Texts, Left, column.Style, prefix, suffix);
            column.State = TColumn::csValueKeys;
        } else {
            column.State = TColumn::csCells;
        }
    }

    int Blanks(const TColumn& column, int res, bool blank1, bool blank2) const
    {
        if (!BlankRule || blank1 == blank2) return res;
        res = blank1 ? BlankFirstSign : -BlankFirstSign;
        return column.Direction == 1 ? -res : res;
    }

    TExtStringGrid& Grid;
    int Left;
    bool Full;
    bool BlankRule;
    int BlankFirstSign;
    std::vector<TColumn> Columns;
};

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
    // (A tie with Full goes on to the further columns as CompareRowsFull would, counted alike.)
    if (OnGetFormat || OnCustomCompare || OnRawCompare || OnGetDisplText || OnGetDisplWideText ||
        IgnoreColumns().HasValue(Col))
        return false;
    TSortStyle style = ss.AutoFormat() ? ssAutomatic : (ss.IgnoreCase() ? ssAlphaNoCase : ss.DefaultFormat());
    std::string prefix;
    std::string suffix;
    GetColFormat(Col, style, prefix, suffix);
    TSortKeyCache& cache = *FSortCache;
    style = cache.UniformStyle(style, ss.IgnoreCase());
    const bool full = ss.Full() && Col < TotalColCount() - 1;
    std::optional<TSortKeyColumns> ties;
    if (full) ties.emplace(TSortKeyColumns::After(*this, Col + 1, Left));
    const TKeyOrderRules rules{*this,
                               Col,
                               ss.IgnoreBlanks(),
                               ss.BlankPos() == blLast ? 1 : -1,
                               ss.Direction() == sdDescending,
                               full,
                               FSortDir,
                               FCompares,
                               [&ties](int row1, int row2) { return ties->Compare(row1, row2); }};
    if (IsTextKeyStyle(style)) {
        SortOrderByTextKeys(cache.Texts, order, Left, Right, style, rules);
        return true;
    }
    if (IsValueKeyStyle(style)) {
        SortOrderByValueKeys(cache.Texts, order, Left, Right, style, prefix, suffix, rules);
        return true;
    }
    return false;
}

bool TExtStringGrid::SortOrderByIndexKeys(std::vector<int>& order, int Left, int Right)
{
    const int firstCol = SortIndexes().Count() > 0 ? SortIndexes()[0] & 0x7FFFFFFF : -1;
    if (FSortCache == nullptr || FSortCache->Col != firstCol || FSortCache->Left != Left ||
        FSortCache->Right != Right)
        return false;
    if (OnGetFormat || OnCustomCompare || OnRawCompare || OnGetDisplText || OnGetDisplWideText) return false;
    TSortKeyColumns keys = TSortKeyColumns::Indexed(*this, Left);
    HoareSortEntries(order, Left, Left, Right, 1, true, [&keys](int a, int b) { return keys.Compare(a, b); });
    return true;
}

}  // namespace grid
