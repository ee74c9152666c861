// Storing cell texts with undo registration and building a column's filter value list.
#include <algorithm>
#include <set>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridUnitRoutines.h"
#include "platform/rtl/NumberText.h"

namespace grid {

// The undo step names the column the text is stored at (a displayed column is its own
// storage column; hidden columns keep their cells beyond ColCount), so undoing writes the
// same cell. A check box whose state is not its text takes the state.
void TExtStringGrid::StoreCellText(int ACol, int ARow, const std::string& Value)
{
    if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(ACol, ARow, GetCellEx(ACol, ARow), Value);
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctTriStateCheckBox) SetCheckBoxState(ACol, ARow, Value == CheckTrue());
    else SetCellEx(ACol, ARow, Value);
}

namespace {

// Two entries compare as numbers when both are numbers, otherwise in logical text order.
bool FilterEntryLess(const std::string& a, const std::string& b)
{
    double x = 0, y = 0;
    if (rtl::TryStrToFloat(a, x) && rtl::TryStrToFloat(b, y)) return x < y;
    return CompareStrLogical(a, b) < 0;
}

}  // namespace

void TExtStringGrid::GetColumnFilter(int ACol, std::vector<std::string>& Filter)
{
    Filter.clear();
    std::set<std::string> seen;
    const int lastRow = RowCount() - FixedFooters() - 1;
    for (int r = FixedRows(); r <= lastRow; ++r) {
        const std::string value = Cells(ACol, r);
        if (!value.empty() && seen.insert(value).second) Filter.push_back(value);
    }
    std::stable_sort(Filter.begin(), Filter.end(), FilterEntryLess);
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, Filter);
}

}  // namespace grid
