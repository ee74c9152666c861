// The grid's colour picker cell editor: its own navigation keys, the colour text stored on Enter.
#include "grid/editing/GridColorDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridEditorContract.h"

namespace grid {

TGridColorDropDown* GridColorDropDown(TExtStringGrid& Grid)
{
    TExtStringGrid* grid = &Grid;
    return GridDropDownEditor<TGridColorDropDown>(Grid, [grid](TGridColorDropDown& e) {
        e.AddDefaultColors();
        TGridColorDropDown* editor = &e;
        e.OnSelect = [grid, editor](rtl::TObject*) {
            gfx::TColor color = editor->SelectedColor();
            grid->ColorSelect(grid->Col(), grid->Row(), color);
            editor->SetSelectedColor(color);
        };
    });
}

TGridColorDropDown::TGridColorDropDown(rtl::TComponent* AOwner)
    : TExtColorPickerDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridColorDropDown"))
{
}

void TGridColorDropDown::ShowCellColor(gfx::TColor color, const std::string& text)
{
    FShownCell = text;
    BeginUpdate();
    SetSelectedColor(color);
    EndUpdate();
    FShownColor = SelectedColor();
}

void TGridColorDropDown::Change()
{
    TExtColorPickerDropDown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridColorDropDown::KeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    TExtColorPickerDropDown::KeyPress(Key);
}

void TGridColorDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtColorPickerDropDown::DoExit(); });
}

void TGridColorDropDown::WndProc(ui::TMessage& Message)
{
    const auto key = static_cast<ui::WORD>(Message.WParam);
    TExtColorPickerDropDown::WndProc(Message);
    if (Message.Msg != ui::CM_WANTSPECIALKEY) return;
    if ((key == ui::VK_TAB && FGrid->GridHandlesTab()) || key == ui::VK_RETURN || key == ui::VK_ESCAPE)
        Message.Result = 1;
}

bool TGridColorDropDown::IsNavigationKey(ui::WORD Key) const
{
    if (DroppedDown()) return Key == ui::VK_TAB || Key == ui::VK_RETURN || Key == ui::VK_ESCAPE;
    return IsDropDownNavigationKey(Key) || Key == ui::VK_HOME;
}

void TGridColorDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // Escape takes back a colour picked during the edit, so closing keeps the cell.
    if (Key == ui::VK_ESCAPE && IsNavigationKey(Key)) SetSelectedColor(FShownColor);
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    keys.SetText = [this](const std::string& text) { SetTextDirect(text); };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtColorPickerDropDown::KeyDown(key, shift); };
    keys.IsNavigation = [this](ui::WORD key) { return IsNavigationKey(key); };
    keys.ValidateUpDown = false;
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

}  // namespace grid
