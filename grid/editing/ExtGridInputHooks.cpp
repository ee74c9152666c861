// String grid input hooks on the platform grid: cell selection, editor creation, sizing state, messages.
#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"

namespace grid {

// The grid's own text editor edits the inline editor kinds.
ui::TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

// Column and row sizing as the platform grid decides it; OnColumnSize (the header cell
// just left of the pointer) and OnRowSize (the fixed cell just above it) may refuse it.
void TExtStringGrid::CalcSizingState(int X, int Y, ui::TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs, ui::TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    int c = -1;
    int r = -1;
    if (State == ui::gsColSizing && OnColumnSize) {
        MouseToCell(X - 6, Y, c, r);
        if (c >= 0 && r >= 0 && r < FixedRows()) {
            bool allow = true;
            OnColumnSize(this, c, allow);
            if (!allow) State = ui::gsNormal;
        }
    } else if (State == ui::gsRowSizing && OnRowSize) {
        MouseToCell(X, Y - 6, c, r);
        if (c >= 0 && r >= 0 && c < FixedCols()) {
            bool allow = true;
            OnRowSize(this, r, allow);
            if (!allow) State = ui::gsNormal;
        }
    }
}

void TExtStringGrid::WndProc(ui::TMessage& Message)
{
    ScrollHintMessage(Message);
    if (PanningMessage(Message)) return;
    if (WheelMessage(Message)) return;
    if (CellHintMessage(Message)) return;
    if (InteractionMessage(Message)) return;
    if (EditingMessage(Message)) return;
    if (ServicesWndProc(Message)) return;
    if (FilterEditMessage(Message)) return;
    TBaseGrid::WndProc(Message);
}

// Without a search footer below the cells, the cells have the whole client area.
// A visible search footer takes the bottom of the grid, so no row is painted under it.
rtl::TRect TExtStringGrid::GetClientRect() const
{
    rtl::TRect r = TBaseGrid::GetClientRect();
    const int top = SearchFooterTop();
    if (top >= 0 && top < r.Bottom) r.Bottom = top;
    return r;
}

}  // namespace grid
