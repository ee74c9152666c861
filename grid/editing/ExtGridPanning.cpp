// String grid middle-button panning: a press starts it, a 10 ms timer moves the view or the current cell towards the pointer.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

constexpr ui::UINT_PTR PanTimerId = 999;
constexpr unsigned PanIntervalMs = 10;
// Pixels around the start point in which the pointer moves nothing.
constexpr int PanDeadZone = 5;
constexpr int PanMarkerSize = 32;

// Pan cursors by direction (dx, dy from -1 to 1): index [dy + 1][dx + 1].
constexpr ui::TCursor PanCursors[3][3] = {
    {TExtStringGrid::crPanUpLeft, TExtStringGrid::crPanUp, TExtStringGrid::crPanUpRight},
    {TExtStringGrid::crPanLeft, TExtStringGrid::crPanNeutral, TExtStringGrid::crPanRight},
    {TExtStringGrid::crPanDownLeft, TExtStringGrid::crPanDown, TExtStringGrid::crPanDownRight},
};

int PanDirection(int pos, int start)
{
    if (pos < start - PanDeadZone) return -1;
    if (pos > start + PanDeadZone) return 1;
    return 0;
}

}  // namespace

// Middle-button presses start and end panning, other presses and keys end it, and every
// timer message while it runs moves one step. The messages go on to their usual handling.
bool TExtStringGrid::PanningMessage(ui::TMessage& Message)
{
    if (FWheelMessage == 0 || IntelliPan() == ipNone) return false;
    switch (Message.Msg) {
    case ui::WM_MBUTTONDOWN:
        if (FWheelPan) EndPanning();
        else if (FixedRows() < RowCount()) StartPanning({ui::GET_X_LPARAM(Message.LParam), ui::GET_Y_LPARAM(Message.LParam)});
        break;
    case ui::WM_LBUTTONDOWN:
    case ui::WM_RBUTTONDOWN:
    case ui::WM_KEYDOWN:
        if (FWheelPan) EndPanning();
        break;
    case ui::WM_TIMER:
        if (FWheelPan) PanStep();
        break;
    default: break;
    }
    return false;
}

void TExtStringGrid::StartPanning(rtl::TPoint Start)
{
    FPanPrevCursor = Cursor();
    SetCursor(crPanNeutral);
    FWheelPan = true;
    FPanHintWasOn = ShowHint();
    SetShowHint(false);
    FWheelPanPos = Start;
    ui::SetTimer(Handle(), PanTimerId, PanIntervalMs);
    SetMouseCapture(true);
    InvalidatePanMarker();
}

void TExtStringGrid::EndPanning()
{
    SetMouseCapture(false);
    ui::KillTimer(Handle(), PanTimerId);
    SetCursor(FPanPrevCursor);
    SetShowHint(FPanHintWasOn);
    FWheelPan = false;
    InvalidatePanMarker();
}

// One step towards the pointer: the view scrolls one column and row (waScroll) or the
// current cell moves one (waMoveSelection), within the normal cells.
void TExtStringGrid::PanStep()
{
    rtl::TPoint screen{};
    ui::GetCursorPos(screen);
    const rtl::TPoint pt = ScreenToClient(screen);
    int dx = PanDirection(pt.X, FWheelPanPos.X);
    int dy = PanDirection(pt.Y, FWheelPanPos.Y);
    if (IntelliPan() == ipHorizontal) dy = 0;
    if (IntelliPan() == ipVertical) dx = 0;
    const ui::TGridRect oldSelection = Selection();
    const int lastRow = std::max(FixedRows(), RowCount() - FixedFooters() - 1);
    const int lastCol = std::max(FixedCols(), ColCount() - FixedRightCols() - 1);
    if (Row() > lastRow) SetRow(lastRow);
    if (Row() < FixedRows()) SetRow(FixedRows());
    if (Col() > lastCol) SetCol(lastCol);
    if (Col() < FixedCols()) SetCol(FixedCols());
    if (MouseActions().WheelAction() == waScroll) {
        const int left = LeftCol() + dx;
        const int top = TopRow() + dy;
        if (dx != 0 && left >= FixedCols() && left <= ColCount() - VisibleColCount()) {
            InvalidatePanMarker();
            SetLeftCol(left);
        }
        if (dy != 0 && top >= FixedRows() && top <= RowCount() - VisibleRowCount()) {
            InvalidatePanMarker();
            SetTopRow(top);
        }
    } else {
        const int col = Col() + dx;
        const int row = Row() + dy;
        if (dx != 0 && col >= FixedCols() && col <= lastCol) SetCol(col);
        if (dy != 0 && row >= FixedRows() && row <= lastRow) SetRow(row);
        if (Row() < TopRow() || Row() >= TopRow() + VisibleRowCount() || Col() < LeftCol() ||
            Col() >= LeftCol() + VisibleColCount())
            InvalidatePanMarker();
    }
    SetCursor(PanCursors[dy + 1][dx + 1]);
    const ui::TGridRect sel = Selection();
    if (sel != oldSelection) SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

void TExtStringGrid::InvalidatePanMarker()
{
    if (!HandleAllocated()) return;
    rtl::TRect r = rtl::Rect(FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + PanMarkerSize,
                             FWheelPanPos.Y + PanMarkerSize);
    InvalidateRect(r);
}

}  // namespace grid
