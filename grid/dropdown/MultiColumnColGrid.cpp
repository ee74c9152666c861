// The multi-column drop-down's list grid: keys, mouse and wheel; painting goes to the drop-down.
#include <algorithm>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Keyboard.h"

namespace grid::multicolumn {

TExtColGrid::TExtColGrid(rtl::TComponent* AOwner)
    : ui::TStringGrid(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<gfx::TFont>())
{
    SetFixedRows(1);
    SetFixedCols(0);
    ui::TGridOptions options = Options() | ui::goHorzLine | ui::goTabs | ui::goRowSelect;
    SetOptions(options & ~(ui::goRangeSelect | ui::goDrawFocusSelected));
    SetDefaultDrawing(false);
    SetBorderStyle(ui::bsNone);
    SetGridLineWidth(0);
    FGridLineWidth = 1;
    FOldRow = Row();
}

TExtColGrid::~TExtColGrid() = default;

void TExtColGrid::SetHeaderFont(const gfx::TFont* value)
{
    FHeaderFont->Assign(value);
}

void TExtColGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    ui::TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExtColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

void TExtColGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState)
{
    if (FExtDropDown != nullptr) FExtDropDown->DrawGridCell(ACol, ARow, ARect, (AState & ui::gdSelected) != 0);
}

void TExtColGrid::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    FConfirmSelection = true;
    if ((Key == ui::VK_UP || Key == ui::VK_DOWN) && (Shift & ui::ssAlt)) {
        if (FExtDropDown != nullptr) FExtDropDown->Perform(ui::WM_KEYDOWN, Key, 0);
        return;
    }
    const bool enter = Key == ui::VK_RETURN;
    ui::TStringGrid::KeyDown(Key, Shift);
    if (enter) DoSelect();
}

bool TExtColGrid::PressAtScrollEdge(int X, int Y) const
{
    ui::TGridCoord cell = MouseCoord(X, Y);
    return cell.Y == TopRow() + VisibleRowCount() || cell.X == LeftCol() + VisibleColCount() ||
           (cell.X == LeftCol() && LeftCol() > FixedCols());
}

void TExtColGrid::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    FOldRow = Row();
    const bool edge = Button == ui::mbLeft && PressAtScrollEdge(X, Y);
    ui::TStringGrid::MouseDown(Button, Shift, X, Y);
    if (edge && GridState() == ui::gsSelecting) FGridState = ui::gsNormal;
}

void TExtColGrid::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TStringGrid::MouseUp(Button, Shift, X, Y);
    ui::TGridCoord cell = MouseCoord(X, Y);
    if (cell.Y >= FixedRows() && cell.Y < RowCount()) DoSelect();
}

void TExtColGrid::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TStringGrid::MouseMove(Shift, X, Y);
    if (!FHoverSelect) return;
    ui::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.Y < RowCount() &&
        (cell.X != Col() || cell.Y != Row()))
        MoveColRow(cell.X, cell.Y, true, true);
}

bool TExtColGrid::WheelStep(bool down, ui::TShiftState Shift, rtl::TPoint MousePos)
{
    FConfirmSelection = false;
    FMouseWheelSelection = true;
    bool handled = down ? ui::TStringGrid::DoMouseWheelDown(Shift, MousePos)
                        : ui::TStringGrid::DoMouseWheelUp(Shift, MousePos);
    FMouseWheelSelection = false;
    return handled;
}

bool TExtColGrid::DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    return WheelStep(true, Shift, MousePos);
}

bool TExtColGrid::DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    return WheelStep(false, Shift, MousePos);
}

}  // namespace grid::multicolumn
