// String grid navigation after an edit: the advance on Enter, Tab steps, and the queries of which cell the keyboard may enter.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsMisc.h"
#include <algorithm>

#include "platform/ui/Messages.h"

namespace grid {

// --- navigation queries

bool TExtStringGrid::IsSelectableCell(int ACol, int ARow)
{
    bool can = (Options() & ui::goEditing) != 0 || FEditDisable ? IsEditable(ACol, ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

int TExtStringGrid::FirstCellInRow(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

int TExtStringGrid::LastCellInRow(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

int TExtStringGrid::FirstNavigableCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

// The fixed right columns that are shown: hidden ones among the last real columns do not count.
int TExtStringGrid::VisibleFixedRightCols()
{
    if (NumHiddenColumns() == 0) return FixedRightCols();
    int shown = 0;
    const int total = TotalColCount();
    for (int c = total - FixedRightCols(); c < total; ++c)
        if (c >= 0 && !IsHiddenColumn(c)) ++shown;
    return shown;
}

// --- stepping over zero-width columns and zero-height rows

// The column a horizontal step to ACol lands on: columns of width 0 are passed over in the
// direction of the step (left when ACol is not right of the current column); ACol itself
// when no shown column lies that way.
int TExtStringGrid::NextVisibleCol(int ACol)
{
    ACol = std::clamp(ACol, FixedCols(), std::max(FixedCols(), ColCount() - 1));
    const bool left = Col() >= ACol;
    int c = ACol;
    if (IsMergedCell(ACol, Row())) c = left ? ACol - CellSpan(ACol, Row()).X : ACol + CellSpan(ACol, Row()).X;
    const int rightEnd = ColCount() - FixedRightCols();
    if (left) {
        while (c >= FixedCols() && ColWidths(c) == 0) --c;
        return c < FixedCols() ? ACol : c;
    }
    while (c < rightEnd && ColWidths(c) == 0) ++c;
    return c >= rightEnd ? ACol : c;
}

// The row a vertical step to ARow lands on; rows of height 0 are passed over. A failed
// upward walk keeps ARow when it is shown and answers -1 when it is not.
int TExtStringGrid::NextVisibleRow(int ARow)
{
    ARow = std::clamp(ARow, FixedRows(), std::max(FixedRows(), RowCount() - 1));
    const bool up = Row() >= ARow;
    int r = ARow;
    if (IsMergedCell(Col(), ARow)) r = up ? ARow - CellSpan(Col(), ARow).Y : ARow + CellSpan(Col(), ARow).Y;
    const int bottomEnd = RowCount() - FixedFooters();
    if (up) {
        while (r >= FixedRows() && RowHeights(r) == 0) --r;
        if (r < FixedRows()) return RowHeights(ARow) != 0 ? ARow : -1;
        return r;
    }
    while (r < bottomEnd && RowHeights(r) == 0) ++r;
    return r >= bottomEnd ? ARow : r;
}

// These four may move the current cell, so that the step they ask for goes the right way.
int TExtStringGrid::FirstVisibleRow()
{
    if (RowHeights(FixedRows()) != 0) return FixedRows();
    SetRow(FixedRows());
    return NextVisibleRow(FixedRows() + 1);
}

int TExtStringGrid::FirstVisibleCol()
{
    if (ColWidths(FixedCols()) != 0) return FixedCols();
    SetCol(FixedCols());
    return NextVisibleCol(FixedCols() + 1);
}

int TExtStringGrid::LastVisibleRow()
{
    const int last = RowCount() - FixedFooters() - 1;
    if (RowHeights(last) != 0) return last;
    SetRow(last);
    return NextVisibleRow(last - 1);
}

int TExtStringGrid::LastVisibleCol()
{
    const int last = ColCount() - FixedRightCols() - 1;
    if (ColWidths(last) != 0) return last;
    SetCol(last);
    return NextVisibleCol(last - 1);
}

bool TExtStringGrid::IsLastNormalRow() { return Row() + 1 == RowCount() - FixedFooters(); }

// The new row is emptied by raw writes, so nothing stored under its index before (a row
// that was shrunk away) comes back.
void TExtStringGrid::AppendRowOnArrowDown()
{
    bool allow = true;
    if (OnCanAddRow) OnCanAddRow(this, allow);
    if (!allow) return;
    AddRow();
    const int newRow = RowCount() - FixedFooters() - 1;
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCell(c, newRow, std::string());
        SetCellPropsDirect(c, newRow, nullptr);
    }
    if (FixedFooters() > 0) SetRow(Row() + 1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
}

bool TExtStringGrid::NextAdvanceCell(int& ACol, int& ARow)
{
    const TAdvanceDirection dir = Navigation().AdvanceDirection();
    const bool byRow = dir == adLeftRight || dir == adLeftRightInRow;
    const bool stay = dir == adLeftRightInRow || dir == adTopBottomInCol;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    int c = ACol;
    int r = ARow;
    while (!(c >= lastCol && r >= lastRow)) {
        int& inner = byRow ? c : r;
        int& outer = byRow ? r : c;
        const int innerLast = byRow ? lastCol : lastRow;
        if (inner < innerLast) {
            ++inner;
        } else {
            if (stay) return false;
            inner = byRow ? FixedCols() : FixedRows();
            ++outer;
        }
        if (IsSelectableCell(c, r)) {
            ACol = c;
            ARow = r;
            return true;
        }
    }
    return false;
}

// --- the advance after an edit

// The cell after (ACol, ARow) in the advance direction, appending a row (or a column) at
// the end with AdvanceInsert and wrapping with AdvanceOnEnterLoop. Stop is set when the
// advance ends where it is.
bool TExtStringGrid::AdvanceTarget(int& ACol, int& ARow, bool Forward, bool& Stop)
{
    const TAdvanceDirection dir = Navigation().AdvanceDirection();
    const bool loop = Navigation().AdvanceOnEnterLoop();
    const bool insert = Navigation().AdvanceInsert();
    const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    const rtl::TPoint span = CellSpan(ACol, ARow);
    const int spanX = span.X > 0 ? span.X : 0;
    const int spanY = span.Y > 0 ? span.Y : 0;
    Stop = false;
    const auto appendRow = [&]() {
        bool canAdd = true;
        if (OnCanAddRow) OnCanAddRow(this, canAdd);
        if (!canAdd) return false;
        AddRow();
        ++ARow;
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
        return true;
    };
    if (!Forward) {
        if (dir == adLeftRightInRow || dir == adTopBottomInCol) return Stop = true, false;
        if (dir == adLeftRight) {
            if (ACol > FirstNavigableCol()) --ACol;
            else {
                ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
                ACol = lastCol;
            }
        } else {
            if (ARow > FixedRows()) --ARow;
            else {
                ACol = ACol > FirstNavigableCol() ? ACol - 1 : lastCol;
                ARow = lastRow;
            }
        }
        return true;
    }
    if (dir == adLeftRight || dir == adLeftRightInRow) {
        if (ACol + spanX < lastCol) {
            ACol += spanX + 1;
            return true;
        }
        if (dir == adLeftRightInRow) {
            if (!loop) return Stop = true, false;
            ACol = FirstNavigableCol();
            return true;
        }
        if (ARow + spanY >= lastRow) {
            if (insert) {
                ACol = FirstNavigableCol();
                if (!appendRow()) return Stop = true, false;
                for (int c = FixedCols(); c < ColCount(); ++c)
                    if (IsEditable(c, ARow)) return true;
                return Stop = true, false;
            }
            if (!loop) return Stop = true, false;
            ARow = FixedRows();
            ACol = FirstNavigableCol();
            return true;
        }
        ARow += spanY + 1;
        ACol = FirstNavigableCol();
        return true;
    }
    if (ARow + spanY < lastRow) {
        ARow += spanY + 1;
        return true;
    }
    if (dir == adTopBottomInCol) {
        if (insert) return appendRow() ? true : (Stop = true, false);
        if (!loop) return Stop = true, false;
        ARow = FixedRows();
        return true;
    }
    if (ACol + spanX >= lastCol) {
        if (insert) {
            bool canAdd = true;
            if (OnCanAddCol) OnCanAddCol(this, canAdd);
            if (!canAdd) return Stop = true, false;
            SetColCount(ColCount() + 1);
            ACol += spanX + 1;
            ARow = FixedRows();
            if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols() - 1);
            return true;
        }
        if (!loop) return Stop = true, false;
        ARow = FixedRows();
        ACol = FirstNavigableCol();
        return true;
    }
    ARow = FixedRows();
    ACol += spanX + 1;
    Invalidate();
    return true;
}

// Moves from (ACol, ARow) to the next cell the user may edit: read-only cells are skipped
// (AdvanceSkipReadOnlyCells), OnAutoAdvance may redirect or refuse and OnCellChanging may
// refuse; with Show and AutoEdit (and AdvanceAutoEdit) the new cell's editor opens.
void TExtStringGrid::AdvanceEdit(int ACol, int ARow, bool Show, bool Repeat, bool Forward, bool AutoEdit,
                                 bool Force)
{
    if (FNoAutoAdvance) {
        FNoAutoAdvance = false;
        return;
    }
    if (!Force && !Navigation().AdvanceOnEnter()) return;
    if (MouseActions().RangeSelectAndEdit() && (Options() & ui::goEditing) == 0) SetOptions(Options() | ui::goEditing);
    if (!Repeat) {
        FAECol = ACol;
        FAERow = ARow;
    }
    const int c0 = Col();
    const int r0 = Row();
    FStartEditChar = 0;
    int col = ACol;
    int row = ARow;
    // Each pass looks one cell further; the guard ends a walk that came round to its start.
    const long long maxSteps = static_cast<long long>(ColCount()) * RowCount() + 2;
    for (long long step = 0; step < maxSteps; ++step) {
        bool stop = false;
        if (!AdvanceTarget(col, row, Forward, stop)) return;
        if (step > 0 && col == FAECol && row == FAERow) return;
        if (col >= ColCount() || row >= RowCount()) return;
        // A hidden (zero-sized) cell is passed over like a read-only one.
        bool canGo = !IsFixed(col, row) && ColWidths(col) != 0 && RowHeights(row) != 0;
        if (canGo) IsEditableCell(RealColIndex(col), row, canGo);
        if (canGo) {
            bool allow = true;
            int newRow = row;
            int newCol = col;
            if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, newRow, newCol, allow);
            if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, newRow, newCol, allow);
            if (!allow) return;
            // OnCellChanging has had its say; the move fires the column and row events.
            FDisableChange = true;
            MoveColRow(newCol, newRow, true, true);
            FDisableChange = false;
            break;
        }
        if (!Navigation().AdvanceOnEnterLoop()) {
            int nc = col;
            int nr = row;
            if (!NextAdvanceCell(nc, nr)) return;
        }
        if (!Navigation().AdvanceSkipReadOnlyCells()) {
            MoveColRow(col, row, true, true);
            break;
        }
    }
    if (!Show || (Col() == c0 && Row() == r0)) return;
    if (HasCellControl(Col(), Row())) return;
    if (AutoEdit && Navigation().AdvanceAutoEdit() && IsEditable(Col(), Row())) ShowInplaceEdit();
}

// --- Tab

// Along the row (TabAdvanceDirection adLeftRight) or down the column, over merged spans;
// past the last cell a row is appended with AdvanceInsert (unless TabToNextAtEnd), else the
// step wraps to the first cell.
void TExtStringGrid::TabStep(int& ACol, int& ARow, bool Backward, bool& HandOver)
{
    const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    const bool byRow = Navigation().TabAdvanceDirection() == adLeftRight;
    const rtl::TPoint span = CellSpan(ACol, ARow);
    if (Backward) {
        if (byRow) {
            if (ACol > FirstNavigableCol()) {
                --ACol;
            } else {
                ACol = lastCol;
                ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
            }
        } else if (ARow > FixedRows()) {
            --ARow;
        } else {
            ARow = lastRow;
            ACol = ACol > FirstNavigableCol() ? ACol - 1 : lastCol;
        }
        return;
    }
    if (!byRow) {
        if (ARow + std::max(0, span.Y) < lastRow) {
            ARow += std::max(0, span.Y) + 1;
            return;
        }
        ARow = FixedRows();
        if (ACol < lastCol) {
            ++ACol;
        } else {
            ACol = FirstNavigableCol();
            HandOver = true;
        }
        return;
    }
    if (ACol + std::max(0, span.X) < lastCol) {
        ACol += std::max(0, span.X) + 1;
        return;
    }
    ACol = FirstNavigableCol();
    if (ARow < lastRow) {
        ++ARow;
        return;
    }
    HandOver = true;
    ARow = FixedRows();
    if (!Navigation().AdvanceInsert() || Navigation().TabToNextAtEnd()) return;
    bool allow = true;
    if (OnCanAddRow) OnCanAddRow(this, allow);
    if (!allow) return;
    SetRowCount(RowCount() + 1);
    ARow = RowCount() - FixedFooters() - 1;
    if (OnAutoAddRow) OnAutoAddRow(this, ARow);
}


// Tab (forward) or Shift+Tab: one step to the next cell the user may edit, along the row
// (TabAdvanceDirection adLeftRight) or down the column, with the row-change events, a row
// appended at the end with AdvanceInsert, or the focus handed to the next control with
// TabToNextAtEnd (answered false).
bool TExtStringGrid::NavigateFromEditor(bool Backward)
{
    if (Navigation().AlwaysEdit()) HideInplaceEdit();
    if (OnKeyDown) {
        ui::WORD key = ui::VK_TAB;
        OnKeyDown(this, key, Backward ? ui::TShiftState{ui::ssShift} : ui::TShiftState{0});
        if (key != ui::VK_TAB) return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
    if (Col() < 0 || Row() < 0 || Col() >= ColCount() || Row() >= RowCount()) return true;
    const bool outer = FLastTabCol < 0;
    const int startCol = Col();
    const int startRow = Row();
    bool result = true;
    const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
    const int lastRow = RowCount() - FixedFooters() - 1;
    if (outer) {
        FLastTabCol = startCol;
        FLastTabRow = startRow;
    }
    try {
        const int cells = std::max(1, (lastCol + 1) * (lastRow + 1));
        int c = startCol;
        int r = startRow;
        bool handOver = false;
        bool found = false;
        for (int step = 0; step < cells && !found; ++step) {
            TabStep(c, r, Backward, handOver);
            if (c == startCol && r == startRow) break;
            // Zero-width columns and zero-height rows are hidden: Tab never lands on them.
            if (!IsBaseCell(c, r) || ColWidths(c) == 0 || RowHeights(r) == 0) continue;
            if ((Options() & ui::goEditing) != 0 || FEditDisable ? IsEditable(c, r) : IsSelectableCell(c, r)) found = true;
            if (handOver && Navigation().TabToNextAtEnd()) break;
        }
        if (found || handOver) {
            bool allow = true;
            if (r != Row() && OnRowChanging) OnRowChanging(this, Row(), r, allow);
            if ((r != Row() || c != Col()) && OnCellChanging) OnCellChanging(this, Row(), Col(), r, c, allow);
            if (c != Col() && OnColChanging) OnColChanging(this, Col(), c, allow);
            if (allow) {
                FBlockCellChanging = true;
                MoveColRow(c, r, true, true);
                FBlockCellChanging = false;
            }
        }
        if (handOver && Navigation().TabToNextAtEnd() && Parent() != nullptr && Parent()->HandleAllocated()) {
            ui::PostMessage(Parent()->Handle(), ui::WM_KEYDOWN, ui::VK_TAB, 0);
            result = false;
        }
        if (result && (Col() != startCol || Row() != startRow) && Navigation().AdvanceAutoEdit() &&
            (Options() & ui::goEditing) != 0 && !HasCellControl(Col(), Row()))
            ShowInplaceEdit();
    } catch (...) {
        if (outer) FLastTabCol = FLastTabRow = -1;
        throw;
    }
    if (outer) FLastTabCol = FLastTabRow = -1;
    if (Navigation().AlwaysEdit() && CanFocus()) SetFocus();
    return result;
}

}  // namespace grid
