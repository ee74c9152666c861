// The grid's time cell editor: keys that store or restore the cell, changes reported to the grid, the time committed on exit.
#include "grid/editing/GridTimepickerDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridEditorContract.h"

namespace grid {

TGridTimepickerDropDown* GridTimepickerDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridTimepickerDropDown>(Grid);
}

TGridTimepickerDropDown::TGridTimepickerDropDown(rtl::TComponent* AOwner)
    : TExtTimePickerDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridTimepickerDropDown"))
{
    SetFocusDraw(false);
}

void TGridTimepickerDropDown::ShowCellText(const std::string& text)
{
    SetEditorEnabled(true);
    SetText(text);
    FShownCell = text;
    FShownText = Text();
}

void TGridTimepickerDropDown::Change()
{
    TExtTimePickerDropDown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridTimepickerDropDown::KeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    TExtTimePickerDropDown::KeyPress(Key);
}

void TGridTimepickerDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtTimePickerDropDown::DoExit(); });
}

void TGridTimepickerDropDown::WndProc(ui::TMessage& Message)
{
    TExtTimePickerDropDown::WndProc(Message);
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

void TGridTimepickerDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // Sound behaviour: Escape first cancels an open clock, so that closing the edit stores the
    // cell's own text rather than the time the clock was showing.
    if (Key == ui::VK_ESCAPE && DroppedDown()) HideDropDown(true);
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    keys.SetText = [this](const std::string& text) { SetTextDirect(text); };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtTimePickerDropDown::KeyDown(key, shift); };
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

}  // namespace grid
