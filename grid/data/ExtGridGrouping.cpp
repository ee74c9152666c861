// String grid grouping: header node rows per run of equal values, summary rows, sub-groups and group calculations.
#include <algorithm>
#include <optional>
#include <string>
#include <variant>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridOptionsSort.h"

namespace grid {

namespace {

bool IsColor(gfx::TColor c) { return c != clGridNone && c != gfx::clNone; }

int LastDataRow(TExtStringGrid& grid) { return grid.RowCount() - grid.FixedFooters() - 1; }

bool IsSubGroupNode(TExtStringGrid& grid, int ARow, int ACol)
{
    const TCellGraphic* g = grid.GetCellGraphic(grid.CellNode().NodeColumn(), ARow);
    if (g == nullptr || g->CellType() != ctNode) return false;
    const long long* col = std::get_if<long long>(&g->CellVar());
    return col != nullptr && *col == ACol;
}

}  // namespace

// Header or summary colours on the cells of a row from FromCol on (the whole row when
// AsCells is off).
void TExtStringGrid::ColorGroupRow(int ARow, int FromCol, bool Header, bool AsCells)
{
    const TGrouping& g = Grouping();
    const gfx::TColor color = Header ? g.HeaderColor() : g.SummaryColor();
    const gfx::TColor colorTo = Header ? g.HeaderColorTo() : g.SummaryColorTo();
    const gfx::TColor text = Header ? g.HeaderTextColor() : g.SummaryTextColor();
    if (!IsColor(color) && !IsColor(colorTo) && !IsColor(text)) return;
    for (int c = AsCells ? FromCol : 0; c < ColCount(); ++c) {
        TCellProperties* props = GetCellProperties(c, ARow);
        if (IsColor(color)) props->SetBrushColor(color);
        if (IsColor(colorTo)) props->SetBrushColorTo(colorTo);
        if (IsColor(text)) props->SetFontColor(text);
    }
}

void TExtStringGrid::ResetGroupRowColors(int ARow, bool)
{
    for (int c = 0; c < ColCount(); ++c) {
        if (!HasCellProperties(c, ARow)) continue;
        TCellProperties* props = GetCellPropsDirect(c, ARow);
        props->SetBrushColor(clGridNone);
        props->SetBrushColorTo(clGridNone);
        props->SetFontColor(clGridNone);
    }
}

// Ends the group whose header stands at Header at the row Row: with summaries, every group
// but the first gets the summary of the group above it inserted at Header first.
void TExtStringGrid::CloseGroupHeader(int Header, int Row, int& Inserted)
{
    Inserted = 0;
    if (Header > FixedRows() && Grouping().Summary()) {
        InsertRows(Header, 1);
        SetSummaryRow(RealRowIndex(Header));
        if (!Grouping().MergeSummary()) ColorGroupRow(Header, FixedCols(), false, false);
        AddNode(RealRowIndex(Header + 1), Row - Header);
        Inserted = 1;
        return;
    }
    AddNode(RealRowIndex(Header), Row - Header);
}

void TExtStringGrid::Group(int ColIndex)
{
    if (ColIndex < FixedCols()) return;
    if (FGroupColumn >= 0) UnGroup();
    if (RowCount() <= FixedRows() || ColIndex >= ColCount()) return;
    if (ColIndex < ColumnSize().StretchColumn()) ColumnSize().SetStretchColumn(ColumnSize().StretchColumn() - 1);
    BeginUpdate();
    FIsGrouping = true;
    // The grid remembers the group column by its real index, so that hidden columns left of
    // it do not shift where ungrouping puts it back.
    FGroupColumn = RealColIndex(ColIndex);
    FGroupWidth = ColWidths(ColIndex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : std::string();
    FGroupFooter = FixedFooters() > 0 ? GetGridCell(ColIndex, RowCount() - 1) : std::string();
    if (SortSettings().AutoSortForGrouping()) {
        SortSettings().SetColumn(ColIndex);
        QSort();
    }
    const int textCol = ColIndex == 1 ? 2 : 1;
    std::optional<std::string> previous;
    int header = -1;
    for (int r = FixedRows(); r <= LastDataRow(*this); ++r) {
        std::string value = GetGridCell(ColIndex, r);
        if (previous.has_value() && *previous == value) continue;
        if (header >= 0) {
            int inserted = 0;
            CloseGroupHeader(header, r, inserted);
            r += inserted;
        }
        InsertRows(r, 1);
        SetGridCell(textCol, r, value);
        if (!Grouping().MergeHeader()) ColorGroupRow(r, FixedCols(), true, false);
        header = r;
        previous = std::move(value);
    }
    if (header < 0) {
        AddNode(RealRowIndex(FixedRows()), LastDataRow(*this) - FixedRows() + 1);
    } else {
        int inserted = 0;
        CloseGroupHeader(header, LastDataRow(*this) + 1, inserted);
        if (Grouping().Summary()) {
            const int at = LastDataRow(*this) + 1;
            InsertRows(at, 1);
            SetSummaryRow(RealRowIndex(at));
            if (!Grouping().MergeSummary()) ColorGroupRow(at, FixedCols(), false, false);
        }
    }
    RemoveCols(FGroupColumn, 1);
    if (Grouping().MergeHeader() || (Grouping().MergeSummary() && Grouping().Summary())) {
        MergeGroupRows();
        for (int r = FixedRows(); r <= LastDataRow(*this); ++r) {
            if (IsNode(r) && Grouping().MergeHeader()) ColorGroupRow(r, 1, true, true);
            if (IsSummary(r) && Grouping().MergeSummary()) ColorGroupRow(r, 1, false, true);
        }
    }
    if (CellNode().ExpandOne())
        for (int r = FixedRows(); r <= LastDataRow(*this); ++r)
            if (IsNode(r)) {
                // Expanding the first node contracts every other one.
                ContractNode(RealRowIndex(r));
                ExpandNode(RealRowIndex(r));
                break;
            }
    if (Col() >= ColCount() && FixedCols() < ColCount()) SetCol(FixedCols());
    if (RowCount() > FixedRows()) SetRow(FixedRows());
    FIsGrouping = false;
    EndUpdate();
    if (SearchFooter().Visible()) UpdateSearchPanel();
}

void TExtStringGrid::UnGroup()
{
    if (FGroupColumn <= 0) return;
    const bool expandOne = CellNode().ExpandOne();
    CellNode().SetExpandOne(false);
    BeginUpdate();
    ExpandAll();
    InsertCols(FGroupColumn, 1);
    const int column = DisplColIndex(FGroupColumn);
    SetColWidths(column, FGroupWidth);
    if (ColumnSize().StretchColumn() > column) ColumnSize().SetStretchColumn(ColumnSize().StretchColumn() + 1);
    if (FixedRows() > 0) SetGridCell(column, 0, FGroupCaption);
    if (FixedFooters() > 0) SetGridCell(column, RowCount() - 1, FGroupFooter);
    FIsGrouping = true;
    const int textCol = column == 1 ? 2 : 1;
    std::string value;
    int r = FixedRows();
    while (r <= LastDataRow(*this)) {
        if (!IsNode(r)) {
            if (!IsSummary(r)) SetGridCell(column, r, value);
            ++r;
            continue;
        }
        if (Grouping().Summary()) {
            const int summary = r + GetNodeSpan(r);
            if (summary <= LastDataRow(*this) && IsSummary(summary)) {
                if (IsMergedCell(FixedCols(), summary)) SplitCells(FixedCols(), summary);
                RemoveRows(summary, 1);
            }
        }
        value = GetGridCell(textCol, r);
        RemoveNode(RealRowIndex(r));
        if (IsMergedCell(FixedCols(), r)) SplitCells(FixedCols(), r);
        RemoveRows(r, 1);
    }
    FIsGrouping = false;
    FGroupColumn = -1;
    CellNode().SetExpandOne(expandOne);
    EndUpdate();
    Invalidate();
}

void TExtStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

// ----- sub-groups

void TExtStringGrid::SubGroup(int ColIndex)
{
    if (ColIndex < FixedCols() || ColIndex >= ColCount() || RowCount() <= FixedRows()) return;
    BeginUpdate();
    FGroupColumn = ColIndex;
    FGroupWidth = ColWidths(ColIndex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : std::string();
    FGroupFooter = FixedFooters() > 0 ? GetGridCell(ColIndex, RowCount() - 1) : std::string();
    const int textCol = std::min(ColIndex + 1, ColCount() - 1);
    auto closeSubGroup = [this, ColIndex](int header, int boundary) {
        if (header < 0 || IsNode(header) || IsSummary(header)) return;
        AddNode(RealRowIndex(header), boundary - header);
        if (TCellGraphic* g = GetCellGraphic(CellNode().NodeColumn(), header)) g->SetCellVar(static_cast<long long>(ColIndex));
    };
    std::optional<std::string> previous;
    int header = -1;
    for (int r = FixedRows() + 1; r <= LastDataRow(*this); ++r) {
        const bool structural = IsNode(r) || IsSummary(r);
        std::string value = structural ? std::string() : GetFormattedCell(ColIndex, r);
        if (structural || !previous.has_value() || *previous != value) {
            closeSubGroup(header, r);
            header = -1;
            if (!structural) {
                // The new header goes in before the boundary row as a child of its group.
                InsertChildRow(RealRowIndex(r), 0);
                SetGridCell(textCol, r, value);
                if (Grouping().MergeHeader()) {
                    if (ColCount() - textCol > 1) MergeCells(textCol, r, ColCount() - textCol, 1);
                    ColorGroupRow(r, textCol, true, true);
                } else {
                    ColorGroupRow(r, textCol, true, false);
                }
                header = r;
                ++r;
            }
        }
        // The value shows only in its header; a group header or summary starts afresh, so
        // that the first sub-group of every group gets a header of its own.
        if (structural) {
            previous.reset();
        } else {
            previous = std::move(value);
            SetGridCell(ColIndex, r, "");
        }
    }
    closeSubGroup(header, LastDataRow(*this) + 1);
    if (Grouping().Summary()) {
        const int at = LastDataRow(*this) + 1;
        InsertRows(at, 1);
        SetSummaryRow(RealRowIndex(at));
        if (Grouping().MergeSummary() && ColCount() - textCol > 1) MergeCells(textCol, at, ColCount() - textCol, 1);
        ColorGroupRow(at, textCol, false, Grouping().MergeSummary());
    }
    if (RowCount() > FixedRows()) SetRow(FixedRows());
    EndUpdate();
}

void TExtStringGrid::SubUnGroup(int ColIndex)
{
    BeginUpdate();
    ExpandAll();
    const int textCol = std::min(ColIndex + 1, ColCount() - 1);
    std::string value;
    int r = FixedRows();
    while (r <= LastDataRow(*this)) {
        if (IsSubGroupNode(*this, r, ColIndex)) {
            value = GetGridCell(textCol, r);
            RemoveNode(RealRowIndex(r));
            if (Grouping().MergeHeader() && IsMergedCell(textCol, r)) SplitCells(textCol, r);
            ResetGroupRowColors(r, true);
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!IsNode(r) && !IsSummary(r)) SetGridCell(ColIndex, r, value);
        ++r;
    }
    EndUpdate();
}

// ----- calculations

void TExtStringGrid::GroupCalc(int ACol, int Method)
{
    static const TColumnCalcType footerCalc[] = {acNONE, acSUM, acAVG, acMIN, acMAX, acCOUNT, acNONE, acNONE, acNONE};
    if (Method < 1 || Method > 8) return;
    int r = FixedRows();
    while (r <= LastDataRow(*this)) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int span = std::max(GetNodeSpan(r), 1);
        const int from = r + 1;
        const int to = std::min(r + span - 1, LastDataRow(*this));
        const int target = Grouping().Summary() ? r + span : r;
        if (target <= LastDataRow(*this) || target < RowCount()) {
            switch (Method) {
            case 1: SetFloats(ACol, target, ColumnSum(ACol, from, to)); break;
            case 2: SetFloats(ACol, target, ColumnAvg(ACol, from, to)); break;
            case 3: SetFloats(ACol, target, ColumnMin(ACol, from, to)); break;
            case 4: SetFloats(ACol, target, ColumnMax(ACol, from, to)); break;
            case 5: SetCells(ACol, target, std::to_string(span - 1)); break;
            case 6: SetFloats(ACol, target, DoGroupCalc(ACol, from, to)); break;
            case 7: SetFloats(ACol, target, ColumnDistinct(ACol, from, to)); break;
            case 8: SetFloats(ACol, target, ColumnStdDev(ACol, from, to)); break;
            }
        }
        r += span;
    }
    if (FloatingFooter().Visible() && footerCalc[Method] != acNONE) FloatingFooter().SetColumnCalc(ACol, footerCalc[Method]);
}

void TExtStringGrid::MergeGroupRows()
{
    const int width = ColCount() - FixedCols();
    if (width < 1) return;
    for (int r = FixedRows(); r <= LastDataRow(*this); ++r) {
        const bool header = IsNode(r) && Grouping().MergeHeader();
        const bool summary = IsSummary(r) && Grouping().MergeSummary();
        if ((header || summary) && width > 1) MergeCells(FixedCols(), r, width, 1);
    }
}

void TExtStringGrid::SplitGroupRows()
{
    for (int r = FixedRows(); r <= LastDataRow(*this); ++r) {
        const bool header = IsNode(r) && Grouping().MergeHeader();
        const bool summary = IsSummary(r) && Grouping().MergeSummary();
        if ((header || summary) && IsMergedCell(FixedCols(), r)) SplitCells(FixedCols(), r);
    }
}

}  // namespace grid
