// String grid input hooks on the platform grid: cell selection, editor creation, sizing state, messages.
#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"

namespace grid {

// A merged block is entered at its base cell.
bool TExtStringGrid::SelectCell(int ACol, int ARow)
{
    rtl::TPoint base = BaseCell(ACol, ARow);
    return TBaseGrid::SelectCell(base.X, base.Y);
}

// The grid's own text editor edits the inline editor kinds.
ui::TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

// No editor shows while a bulk operation holds the update bracket. The inline kinds show the
// in-place text editor; every other kind opens its own control over the base cell instead.
bool TExtStringGrid::CanEditShow()
{
    if (FUpdateCount != 0 || !TBaseGrid::CanEditShow()) return false;
    TEditorType kind = DefaultEditor();
    GetCellEditorType(RealColIndex(Col()), Row(), kind);
    if (IsInlineEditor(kind) || kind == edDataCheckBox) {
        SetEditControl(kind);
        return true;
    }
    if (kind == edNone || SpecialEditorOpen()) return false;
    SetEditControl(kind);
    rtl::TPoint base = BaseCell(Col(), Row());
    ShowSpecialEditor(base.X, base.Y);
    if (FocusHelper().Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
    return false;
}

// Column and row sizing as the platform grid decides it.
void TExtStringGrid::CalcSizingState(int X, int Y, ui::TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs, ui::TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
}

void TExtStringGrid::WndProc(ui::TMessage& Message)
{
    if (InteractionMessage(Message)) return;
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
