// The grid drop-down's pop-up grid: the keys it keeps, Enter and clicks that choose a row, and
// the wheel that scrolls without choosing.
#include <memory>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Messages.h"

namespace grid::griddropdown {

TExtColGrid::TExtColGrid(rtl::TComponent* AOwner)
    : TExtStringGrid(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<gfx::TFont>())
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    ui::TGridOptions options = Options() | ui::goHorzLine | ui::goRowSelect;
    SetOptions(options & ~ui::goRangeSelect);
    SetBorderStyle(ui::bsNone);
    FOldRow = RealRow();
}

TExtColGrid::~TExtColGrid() = default;

void TExtColGrid::SetHeaderFont(const gfx::TFont* value)
{
    FHeaderFont->Assign(value);
}

void TExtColGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    TExtStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExtColGrid::SetImages(gfx::TImageList* value)
{
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
}

void TExtColGrid::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtStringGrid::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent != nullptr && AComponent == FImages &&
        !HasState(rtl::csDestroying))
        FImages = nullptr;
}

void TExtColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

// Arrows and Tab are the grid's; a Tab press goes no further and Enter types nothing.
void TExtColGrid::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_GETDLGCODE) {
        TExtStringGrid::WndProc(Message);
        Message.Result |= ui::DLGC_WANTARROWS | ui::DLGC_WANTTAB;
        return;
    }
    if (Message.Msg == ui::WM_KEYDOWN && Message.WParam == ui::VK_TAB) {
        Message.Result = 1;
        return;
    }
    // Enter chooses the current row. The string grid would report Enter on a cell it cannot
    // edit through its key event alone, so the key goes to KeyDown here.
    if (Message.Msg == ui::WM_KEYDOWN && Message.WParam == ui::VK_RETURN && !(Options() & ui::goEditing)) {
        ui::WORD key = ui::VK_RETURN;
        KeyDown(key, ui::KeyDataToShiftState(Message.LParam));
        Message.Result = 1;
        return;
    }
    if (Message.Msg == ui::WM_CHAR && Message.WParam == ui::VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TExtStringGrid::WndProc(Message);
}

void TExtColGrid::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    FConfirmSelection = true;
    if ((Key == ui::VK_UP || Key == ui::VK_DOWN) && (Shift & ui::ssAlt)) {
        if (FExtDropDown != nullptr) FExtDropDown->Perform(ui::WM_KEYDOWN, Key, 0);
        return;
    }
    if (Key == ui::VK_RETURN) {
        // The grid's own handling sees the key consumed: Enter chooses, it does not edit.
        ui::WORD consumed = 0;
        TExtStringGrid::KeyDown(consumed, Shift);
        DoSelect();
        return;
    }
    TExtStringGrid::KeyDown(Key, Shift);
}

void TExtColGrid::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    FOldRow = RealRow();
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExtColGrid::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != ui::mbLeft) return;
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < FixedRows() || row > RowCount() - 1 || HasCheckBox(col, row)) return;
    DoSelect();
}

bool TExtColGrid::WheelStep(bool down, ui::TShiftState Shift, rtl::TPoint MousePos)
{
    FConfirmSelection = false;
    FMouseWheelSelection = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FMouseWheelSelection};
    return down ? TExtStringGrid::DoMouseWheelDown(Shift, MousePos) : TExtStringGrid::DoMouseWheelUp(Shift, MousePos);
}

bool TExtColGrid::DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    return WheelStep(true, Shift, MousePos);
}

bool TExtColGrid::DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos)
{
    return WheelStep(false, Shift, MousePos);
}

}  // namespace grid::griddropdown
