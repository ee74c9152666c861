// The grid's colour picker cell editor: its own navigation keys, the colour text stored on Enter.
#include "grid/editing/GridColorDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

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
    : TGridCellDropDown(AOwner, "TGridColorDropDown")
{
    FWantsReturnAndEscape = true;
}

void TGridColorDropDown::ShowCellColor(gfx::TColor color, const std::string& text)
{
    FShownCell = text;
    BeginUpdate();
    SetSelectedColor(color);
    EndUpdate();
    FShownColor = SelectedColor();
}

bool TGridColorDropDown::IsNavigationKey(ui::WORD Key) const
{
    if (DroppedDown()) return Key == ui::VK_TAB || Key == ui::VK_RETURN || Key == ui::VK_ESCAPE;
    return IsDropDownNavigationKey(Key) || Key == ui::VK_HOME;
}

}  // namespace grid
