// The string grid's finding of rows by one condition per column, and finding on wide texts.
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilFilter.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

// The filter term of a condition; a text holding a blank is quoted so it stays one term.
std::string BuildSearchCondition(std::string Text, TExtStringGrid::TMultiSearchType Type)
{
    if (Text.find(' ') != std::string::npos) Text = "\"" + Text + "\"";
    switch (Type) {
    case TExtStringGrid::stStartsWith: return Text + "*";
    case TExtStringGrid::stEndsWith: return "*" + Text;
    case TExtStringGrid::stContains: return "*" + Text + "*";
    case TExtStringGrid::stEqual: return Text;
    case TExtStringGrid::stNotEqual: return "!" + Text;
    case TExtStringGrid::stNotContains: return "!*" + Text + "*";
    }
    return Text;
}

}  // namespace

rtl::TPoint TExtStringGrid::FindWide(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    rtl::TPoint result{-1, -1};
    FindCellWorker(StartCell, s, FindParams, result);
    ExportNotification(result.X == -1 ? esExportDone : esExportFail, -1);
    return result;
}

int TExtStringGrid::FindMulti(const std::vector<std::string>& Conditions, const std::vector<int>& Columns,
                              const std::vector<TMultiSearchType>& SearchTypes, const std::vector<bool>& CaseSensitive,
                              bool IgnoreHTML, bool AutoGoto)
{
    const std::size_t n = Conditions.size();
    if (Columns.size() != n || SearchTypes.size() != n || CaseSensitive.size() != n)
        throw rtl::Exception("Array size of parameters not matching");
    auto find = std::make_unique<TMultiFind>();
    for (std::size_t i = 0; i < n; ++i) find->Conditions.push_back(BuildSearchCondition(Conditions[i], SearchTypes[i]));
    find->Columns = Columns;
    find->CaseSensitive = CaseSensitive;
    find->IgnoreHTML = IgnoreHTML;
    find->AutoGoto = AutoGoto;
    FMultiFind = std::move(find);
    SetSearchCell(rtl::TPoint{0, -1});
    return FindMultiFrom(FixedRows());
}

int TExtStringGrid::FindMultiNext()
{
    if (!FMultiFind) return -1;
    return FindMultiFrom(SearchCell().Y + 1);
}

int TExtStringGrid::FindMultiFrom(int FirstRow)
{
    const TMultiFind& find = *FMultiFind;
    for (int r = std::max(FirstRow, FixedRows()); r < RowCount() - FixedFooters(); ++r) {
        bool all = true;
        for (std::size_t i = 0; i < find.Conditions.size() && all; ++i) {
            const std::string cell = GetCellEx(find.Columns[i], r);
            const std::string text = find.IgnoreHTML ? StripHtmlTags(cell) : cell;
            all = MatchFilterTerm(find.Conditions[i], text, find.CaseSensitive[i]);
        }
        if (!all) continue;
        SetSearchCell(rtl::TPoint{0, r});
        if (find.AutoGoto) SetRowEx(r);
        return r;
    }
    return -1;
}

}  // namespace grid
