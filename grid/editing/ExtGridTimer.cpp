// String grid timers: the half-second grid timer (search expiry, hover selection, blinking) and the restrained auto-scroll timer.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {
// Ticks of the grid timer (500 ms each) after which an unextended search text is dropped.
constexpr int SearchExpiryTicks = 4;
}  // namespace

void TExtStringGrid::SetSearchInc(const std::string& Value)
{
    FSearchInc = Value;
    FSearchTics = 0;
}

void TExtStringGrid::WMTimer(ui::TMessage& Message)
{
    if (FTimerId == 0 || Message.WParam != static_cast<ui::WPARAM>(FTimerId)) {
        AutoScrollTimer(Message);
        return;
    }
    ++FTimerTicks;
    if (Navigation().AutoGotoIncremental() && ++FSearchTics >= SearchExpiryTicks) {
        FSearchInc.clear();
        FSearchTics = 0;
    }
    HoverSelectTick();
    BlinkTick();
}

// With Hovering the normal cell under a resting mouse becomes the current cell; fixed
// cells, other windows in front of the grid and points outside the cells change nothing.
void TExtStringGrid::HoverSelectTick()
{
    if (!Hovering() || IsDesigning() || !HandleAllocated()) return;
    rtl::TPoint screen{};
    if (!ui::GetCursorPos(screen) || ui::WindowFromPoint(screen) != Handle()) return;
    const rtl::TPoint pt = ScreenToClient(screen);
    if (!rtl::PtInRect(GetClientRect(), pt)) return;
    int c = -1;
    int r = -1;
    MouseToCell(pt.X, pt.Y, c, r);
    if (c < FixedCols() || r < FixedRows() || c >= ColCount() || r >= RowCount()) return;
    if (!Focused() && CanFocus()) SetFocus();
    SetRow(r);
    SetCol(c);
}

// Flips the blink phase and repaints every shown cell whose text carries a blink tag: the
// scrollable cells in view, the fixed rows and the fixed columns beside them.
void TExtStringGrid::BlinkTick()
{
    if (!EnableBlink()) return;
    FGridBlink = !FGridBlink;
    const int top = TopRow();
    const int bottom = top + VisibleRowCount() - 1;
    const int left = LeftCol();
    RepaintBlinkingCells(left, left + VisibleColCount() + NumHiddenColumns() - 1, top, bottom);
    // The ranges are real columns: widened by the hidden ones so that the last shown column is reached.
    RepaintBlinkingCells(left, left + VisibleColCount() + NumHiddenColumns() - 1, 0, FixedRows() - 1);
    RepaintBlinkingCells(0, FixedCols() - 1, top, bottom);
}

// Columns are real columns (hidden ones included); a match repaints at its shown position.
void TExtStringGrid::RepaintBlinkingCells(int ACol1, int ACol2, int ARow1, int ARow2)
{
    ACol2 = std::min(ACol2, TotalColCount() - 1);
    ARow2 = std::min(ARow2, RowCount() - 1);
    for (int r = std::max(0, ARow1); r <= ARow2; ++r) {
        for (int c = std::max(0, ACol1); c <= ACol2; ++c) {
            if (IsHiddenColumn(c)) continue;
            const int shown = DisplColIndex(c);
            if (rtl::UpperCase(GetCellEx(shown, r)).find("<BLI") == std::string::npos) continue;
            RepaintCell(shown, r);
        }
    }
}

// Timers other than the grid timer (the platform's auto-scroll while selecting or moving):
// NoAutoRangeScroll ends a drag selection that reaches outside the cells or the last fully
// shown row, and NoScrollOnPartialRow puts back the top row and current row it scrolled to.
void TExtStringGrid::AutoScrollTimer(ui::TMessage& Message)
{
    const int oldTop = TopRow();
    const int oldRow = Row();
    if (MouseActions().NoAutoRangeScroll()) {
        rtl::TPoint screen{};
        if (ui::GetCursorPos(screen)) {
            const rtl::TPoint pt = ScreenToClient(screen);
            int c = -1;
            int r = -1;
            MouseToCell(pt.X, pt.Y, c, r);
            if (c < 0 || r < 0 || r >= TopRow() + VisibleRowCount() - 1) FGridState = ui::gsNormal;
        }
    }
    TBaseGrid::WndProc(Message);
    if (!MouseActions().NoScrollOnPartialRow()) return;
    if (TopRow() != oldTop) SetTopRow(oldTop);
    if (Row() != oldRow && oldRow >= 0 && oldRow < RowCount()) SetRow(oldRow);
}

}  // namespace grid
