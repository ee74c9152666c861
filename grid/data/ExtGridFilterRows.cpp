// String grid row filtering: whether a row passes the filter conditions, filter levels and the filter-type menu.
#include <cmath>
#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilFilter.h"
#include "grid/foundation/ExtUtilTextForms.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

bool StartsWith(const std::string& text, const std::string& part) { return text.compare(0, part.size(), part) == 0; }

bool EndsWith(const std::string& text, const std::string& part)
{
    return text.size() >= part.size() && text.compare(text.size() - part.size(), part.size(), part) == 0;
}

// Upper case of the ASCII letters only, as whole-row matching compares.
std::string AsciiUpper(std::string text)
{
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

// A literal condition: alternatives separated by "|", each matching an equal text; two
// double quotes match the empty text.
bool MatchLiteral(const std::string& condition, const std::string& text)
{
    if (condition == "\"\"") return text.empty();
    if (condition.find('|') == std::string::npos) return text == condition;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = condition.find('|', start);
        const std::string alternative = condition.substr(start, bar == std::string::npos ? bar : bar - start);
        if (alternative == text) return true;
        if (bar == std::string::npos) return false;
        start = bar + 1;
    }
}

bool Join(TFilterOperation op, bool result, bool match)
{
    switch (op) {
    case foSHORT:
    case foNONE: return match;
    case foAND: return result && match;
    case foXOR: return result != match;
    case foOR: return result || match;
    }
    return match;
}

}  // namespace

// The text of the row that one condition tests, by the item's Data kind. For a whole-row
// test the start-of-cell marker is returned in Prefix.
std::string TExtStringGrid::FilterCellText(int ARow, const TFilterData& Item, std::string& Prefix, std::string& Suffix)
{
    const int col = Item.Column();
    switch (Item.Data()) {
    case fcNormal: return GetGridCell(col, ARow);
    case fcStripHTML: return StripHtmlTags(GetCellEx(col, ARow));
    case fcCalculated: return GetCellValue(col, ARow);
    case fcRow: {
        std::string row;
        if (FIgnoreColumns->Count() == 0) {
            for (int c = 0; c < ColCount(); ++c) row += GetCellEx(c, ARow) + "\r\n";
            Prefix = "\n";
        } else {
            for (int c = 0; c < ColCount(); ++c)
                if (!FIgnoreColumns->HasValue(c)) row += "," + GetGridCell(c, ARow);
            Prefix = ",";
        }
        return row;
    }
    case fcVirtual: break;
    }
    std::string text = GetCellEx(col, ARow);
    if (text.find("</") != std::string::npos) text = StripHtmlTags(text);
    if (!text.empty()) return text;
    TSortStyle style = ssAutomatic;
    GetColFormat(col, style, Prefix, Suffix);
    if (style != ssImages) return text;
    TCellGraphic* graphic = GetCellGraphic(col, ARow);
    const bool hasImage = graphic != nullptr && (graphic->CellType() == ctImageList || graphic->CellType() == ctDataImage);
    return hasImage ? std::to_string(graphic->CellIndex()) : std::string("-1");
}

bool TExtStringGrid::MatchFilterRow(int ARow)
{
    bool result = true;
    TFilter& filter = Filter();
    for (int i = 0; i < filter.Count(); ++i) {
        const TFilterData& item = filter.Items(i);
        if (!item.Enabled()) continue;
        bool match = false;
        try {
            std::string prefix = item.Prefix();
            std::string suffix = item.Suffix();
            std::string text = FilterCellText(ARow, item, prefix, suffix);
            std::string condition = item.Condition();
            if (item.RemoveAccented()) {
                text = RemoveAccents(rtl::Trim(text));
                condition = RemoveAccents(condition);
            } else {
                text = rtl::Trim(text);
            }
            if (text.find("|\\") != std::string::npos) text = DecodeUnicodeEscapes(text);
            if (item.Data() == fcRow) {
                // The marker counts at the start of every cell, so the whole-row text
                // (which begins with a cell) is searched with it in front.
                text = AsciiUpper(text);
                condition = AsciiUpper(condition);
                match = FSearchParts->State.NarrowDownFromStart
                            ? StartsWith(text, condition) || text.find(prefix + condition) != std::string::npos
                            : text.find(condition) != std::string::npos;
            } else {
                if (!prefix.empty() && StartsWith(text, prefix)) text.erase(0, prefix.size());
                if (!suffix.empty() && EndsWith(text, suffix)) text.erase(text.size() - suffix.size());
                if (condition.empty())
                    match = true;
                else if (item.Method() == fmExpression)
                    match = EvaluateFilterCondition(condition, text, item.CaseSensitive());
                else
                    match = MatchLiteral(condition, text);
            }
        } catch (const std::exception&) {
            match = false;  // a condition that cannot be evaluated rejects the row
        }
        result = Join(item.Operation(), result, match);
        if (item.Operation() == foSHORT && !match) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, -1, ARow, std::string(), result);
    return result;
}

bool TExtStringGrid::NarrowDownFromStart() const { return FSearchParts->State.NarrowDownFromStart; }
void TExtStringGrid::SetNarrowDownFromStart(bool Value) { FSearchParts->State.NarrowDownFromStart = Value; }

void TExtStringGrid::FilterRow(int ARow)
{
    if (!MatchFilterRow(ARow)) HideRow(RealRowIndex(ARow));
}

void TExtStringGrid::ApplyFilter()
{
    TGridSearchState& st = FSearchParts->State;
    st.FilterFixedRows = FixedRows();
    const int last = RowCount() - FixedFooters() - 1;
    const int n = RowCount() - FixedFooters() - st.FilterFixedRows;
    if (n <= 0) return;
    TIntList failing(0, 0);
    // Progress counts the rows passed over, not the rows that fail, so a filter pass
    // always ends at 100 however many rows it removes.
    int progress = 0;
    for (int r = FixedRows(); r <= last; ++r) {
        progress = static_cast<int>(std::lround(100.0 * (r - FixedRows() + 1) / n));
        if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
        if (!MatchFilterRow(r)) failing.Add(r);
        if (OnFilterProgress) OnFilterProgress(this, progress);
    }
    if (failing.Count() > 0) FilterOutRows(failing);
    if (OnFilterProgress) OnFilterProgress(this, progress);
}

bool TExtStringGrid::RemoveLastFilter()
{
    TGridSearchState& st = FSearchParts->State;
    bool more = false;
    if (FilterLevel() >= 1) {
        ShowFilteredRows();
        SetFixedRows(st.FilterFixedRows);
        if (FSelHidden) UnHideSelection();
        RecalcAllFooters();
        SetFilterLevel(FilterLevel() - 1);
        if (Filter().Count() > 0) Filter().Delete(Filter().Count() - 1);
        more = FilterLevel() > 1;
    }
    st.IsNarrowDown = false;
    return more;
}

void TExtStringGrid::RemoveAllFilters()
{
    if (FilterLevel() == 0) Filter().Clear();
    while (FilterLevel() > 0) RemoveLastFilter();
    FSearchParts->State.IsNarrowDown = false;
}

// --- filter-type menu of the filter-edit row

void TExtStringGrid::SetFilterPopupColumn(int ACol) { FSearchParts->State.FilterPopupCol = ACol; }

void TExtStringGrid::FilterPopupClick(int Index)
{
    const int col = FSearchParts->State.FilterPopupCol;
    if (col < 0 || col >= TotalColCount() || Index < 0 || Index > static_cast<int>(ftClear)) return;
    ApplyEditRowFilter(col, static_cast<TFilterType>(Index));
}

}  // namespace grid
