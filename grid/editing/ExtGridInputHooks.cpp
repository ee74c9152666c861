// String grid input hooks on the platform grid: cell selection, editor creation, sizing state, messages.
#include "grid/core/ExtGrid.h"

namespace grid {

// A merged block is entered at its base cell.
bool TExtStringGrid::SelectCell(int ACol, int ARow)
{
    rtl::TPoint base = BaseCell(ACol, ARow);
    return TBaseGrid::SelectCell(base.X, base.Y);
}

ui::TInplaceEdit* TExtStringGrid::CreateEditor() { return TBaseGrid::CreateEditor(); }

bool TExtStringGrid::CanEditShow() { return FUpdateCount == 0 && TBaseGrid::CanEditShow(); }

void TExtStringGrid::CalcSizingState(int X, int Y, ui::TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs, ui::TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
}

void TExtStringGrid::WndProc(ui::TMessage& Message) { TBaseGrid::WndProc(Message); }

rtl::TRect TExtStringGrid::GetClientRect() const { return TBaseGrid::GetClientRect(); }

}  // namespace grid
