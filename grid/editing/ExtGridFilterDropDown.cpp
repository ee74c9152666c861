// String grid filter drop-down: the column's value list and turning a choice or checked items into filter conditions.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

// The condition that matches empty cells.
const std::string EmptyCondition = "\"\"";

std::string BeforeTab(const std::string& entry)
{
    const auto tab = entry.find('\t');
    return tab == std::string::npos ? entry : entry.substr(0, tab);
}

std::string AfterTab(const std::string& entry)
{
    const auto tab = entry.find('\t');
    return tab == std::string::npos ? entry : entry.substr(tab + 1);
}

// A value with a blank is matched as a whole text: shown as it is, its condition quoted
// with inner quotes doubled.
std::string ValueEntry(const std::string& value, TFilterMethod method)
{
    if (value.empty()) return "\t" + EmptyCondition;
    if (method == fmExpression && value.find(' ') != std::string::npos)
        return value + "\t\"" + rtl::StringReplace(value, "\"", "\"\"", rtl::rfReplaceAll) + "\"";
    return value;
}

bool EntryLess(const std::string& a, const std::string& b)
{
    double x = 0;
    double y = 0;
    if (rtl::TryStrToFloat(a, x) && rtl::TryStrToFloat(b, y)) return x < y;
    return CompareStrLogical(a, b) < 0;
}

std::string JoinWithBars(const std::vector<std::string>& parts)
{
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i > 0 ? "|" : "") + parts[i];
    return joined;
}

bool HoldsAny(const std::string& text, const char* chars)
{
    return text.find_first_of(chars) != std::string::npos;
}

}  // namespace

// A check box column: its first two normal rows hold data check boxes and both check
// captions are set.
bool TExtStringGrid::IsFilterCheckColumn(int Column)
{
    const int shown = DisplColIndex(Column);
    if (FixedRows() + 1 >= RowCount()) return false;
    return HasDataCheckBox(shown, FixedRows()) && HasDataCheckBox(shown, FixedRows() + 1) &&
           !FilterDropDown().TextChecked().empty() && !FilterDropDown().TextUnChecked().empty();
}

void TExtStringGrid::AddFilterValue(std::vector<std::string>& List, std::string Value)
{
    Value = ValueEntry(rtl::Trim(Value), FilterDropDown().Method());
    const bool caseSensitive = FilterDropDown().CaseSensitive();
    const auto same = [&](const std::string& e) {
        return caseSensitive ? e == Value : rtl::AnsiUpperCase(e) == rtl::AnsiUpperCase(Value);
    };
    if (std::none_of(List.begin(), List.end(), same)) List.push_back(Value);
}

// Rows hidden by filtering keep their texts in the hidden-row store; their values are
// offered again so that a filtered column can be widened.
void TExtStringGrid::AddHiddenFilterValues(int Column, bool CheckColumn, std::vector<std::string>& List)
{
    for (int i = 0; i < GridItemCount(); ++i) {
        const TGridItem& item = GridItems(i);
        if (Column >= item.Items().Count()) continue;
        std::string value = rtl::Trim(item.Items().Strings(Column));
        if (OnGetDisplText) OnGetDisplText(this, Column, item.Idx(), value);
        if (CheckColumn && (value == CheckTrue() || value == CheckFalse())) continue;
        AddFilterValue(List, value);
    }
}

bool TExtStringGrid::BuildColumnFilter(int Column, bool FirstOnly, bool IncludeHidden)
{
    std::vector<std::string> list;
    CollectColumnFilter(Column, FirstOnly, IncludeHidden, list);
    // The list keeps the order built here.
    FilterList().SetSorted(false);
    FilterList().Clear();
    for (const std::string& entry : list) FilterList().Add(entry);
    return !list.empty();
}

void TExtStringGrid::CollectColumnFilter(int Column, bool FirstOnly, bool IncludeHidden, std::vector<std::string>& list)
{
    list.clear();
    const bool checkColumn = FilterDropDownAuto() && IsFilterCheckColumn(Column);
    if (FilterDropDownAuto() && (Column >= FixedCols() || FilterDropDownColumns() == fdAll)) {
        if (checkColumn) {
            list = {FilterDropDown().TextChecked(), FilterDropDown().TextUnChecked()};
        } else {
            const int shown = DisplColIndex(Column);
            for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
                if (IsNode(r)) continue;
                const std::string text = GetCellEx(shown, r);
                AddFilterValue(list, FilterDropDown().IgnoreHTML() ? StripHtmlTags(text) : text);
                if (FirstOnly && !list.empty()) break;
            }
        }
        if (IncludeHidden || !checkColumn) AddHiddenFilterValues(Column, checkColumn, list);
        if (!FilterDropDownClear().empty() && !FilterDropDownCheck())
            list.insert(list.begin(), FilterDropDownClear());
    }
    if (FilterDropDown().Sorted()) std::stable_sort(list.begin(), list.end(), EntryLess);
    if (OnGetColumnFilter) OnGetColumnFilter(this, Column, list);
}

// The check captions of the list stand for the column's check texts.
std::string TExtStringGrid::FilterCheckText(int Column, const std::string& Text)
{
    if (!IsFilterCheckColumn(Column)) return Text;
    if (Text == FilterDropDown().TextChecked()) return CheckTrue();
    if (Text == FilterDropDown().TextUnChecked()) return CheckFalse();
    return Text;
}

void TExtStringGrid::FilterListSelect(int ItemIndex)
{
    FocusGrid();
    const int column = FFilterCol;
    if (column < 0 || column >= TotalColCount() || ItemIndex < 0 || DropList() == nullptr ||
        ItemIndex >= DropList()->Count()) {
        FFilterCol = -1;
        return;
    }
    BuildColumnFilter(column, false, false);
    // A list filled by the application rather than from the column names its own entries.
    const std::string entry =
        ItemIndex < FilterList().Count() ? FilterList().Strings(ItemIndex) : DropList()->Items().Strings(ItemIndex);
    const std::string friendly = FilterCheckText(column, BeforeTab(entry));
    if (AutoFilterUpdate()) SetFilterActive(false);
    std::string condition = FilterCheckText(column, AfterTab(entry));
    if (entry == FilterDropDownClear()) condition.clear();
    if (condition.size() > 2 && condition.front() == '"' && condition.back() == '"')
        condition = condition.substr(1, condition.size() - 2);
    FilterSelect(column, ItemIndex, friendly, condition);
    if (FilterDropDown().Method() == fmExpression && !HoldsAny(condition, "<>=!") && HoldsAny(condition, "& ") &&
        condition.front() != '"')
        condition = "\"" + condition + "\"";
    if (!FilterDropDownMultiCol()) Filter().Clear();
    if (!condition.empty()) {
        TFilterData& item = Filter().GetColFilter(column);
        item.SetCondition(condition);
        item.SetFriendlyName(friendly);
        item.SetCaseSensitive(FilterDropDown().CaseSensitive());
    } else {
        Filter().RemoveColumnFilter(column);
    }
    if (AutoFilterUpdate()) {
        BeforeFilter();
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (FixedRows() < RowCount()) SetRow(FixedRows());
        if (OnFilterDone) OnFilterDone(this);
    }
    FFilterCol = -1;
}

void TExtStringGrid::FilterListCheck(int ItemIndex)
{
    TDropCheckList* list = DropCheckList();
    const int column = FFilterCol;
    if (list == nullptr || ItemIndex < 0 || ItemIndex >= list->Count() || column < 0 || column >= TotalColCount())
        return;
    if (OnFilterCheckMouseDown) OnFilterCheckMouseDown(this, column, ItemIndex, list->Checked(ItemIndex));
    BuildColumnFilter(column, false, false);
    if (AutoFilterUpdate()) SetFilterActive(false);
    if (FilterDropDownMultiCol()) Filter().RemoveColumnFilter(column);
    else Filter().Clear();
    bool allChecked = true;
    for (int i = 0; i < list->Count(); ++i) allChecked = allChecked && list->Checked(i);
    if (OnFilterCheckClick) OnFilterCheckClick(this, column, ItemIndex, list->Checked(ItemIndex));
    std::vector<std::string> conditions;
    std::vector<std::string> friendly;
    for (int i = 0; !allChecked && i < list->Count(); ++i) {
        if (!list->Checked(i)) continue;
        const std::string text =
            FilterCheckText(column, i < FilterList().Count() ? FilterList().Strings(i) : list->Items().Strings(i));
        std::string condition;
        if (text.empty() || text == " ") condition = EmptyCondition;
        else if (text.find('\t') != std::string::npos) condition = AfterTab(text);
        else if (FilterDropDown().Method() == fmExpression && HoldsAny(text, "&() ")) condition = "\"" + text + "\"";
        else condition = text;
        if (text == FilterDropDownClear()) condition.clear();
        conditions.push_back(condition);
        friendly.push_back(BeforeTab(text));
    }
    FilterCheck(column, conditions);
    const std::string joined = JoinWithBars(conditions);
    if (!joined.empty()) {
        TFilterData& item = Filter().Add();
        item.SetFriendlyName(JoinWithBars(friendly));
        item.SetCondition(joined);
        item.SetColumn(static_cast<std::int16_t>(column));
        item.SetCaseSensitive(FilterDropDown().CaseSensitive());
        const bool literal = joined.find("</") != std::string::npos || FilterDropDown().Method() == fmLiteral;
        item.SetMethod(literal ? fmLiteral : fmExpression);
        item.SetOperation(Filter().Count() == 1 ? foNONE : foAND);
    }
    if (Filter().Count() > 0) BeforeFilter();
    SetFilterActive(Filter().Count() > 0);
    if (OnFilterDone) OnFilterDone(this);
    list->Invalidate();
}

}  // namespace grid
