// The grid's colour picker cell editor: the cell's colour picked in the pop-up, stored as the
// colour's text with the cell painted in it.
#pragma once

#include <string>

#include "grid/dropdown/ExtColorPicker.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edColorPickerDropDown cells. It wants Enter and Escape itself; with the pop-up
// open only Tab, Enter and Escape end the edit, with it closed also Home; only Enter stores and
// validates, and what it stores is the picker's colour text.
class TGridColorDropDown : public TGridCellDropDown<TExtColorPickerDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridColorDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridColorDropDown"; }
    // Shows the colour the cell has, with the cell's text; a pick is judged against that colour.
    void ShowCellColor(gfx::TColor color, const std::string& text);
    // True once the user picked a colour other than the one the editor opened with.
    bool ColorChosen() const { return SelectedColor() != FShownColor; }
    // What the cell takes: the picked colour's text, or the cell's own text until a pick.
    std::string Value() const override { return ColorChosen() ? SelectedColorText() : FShownCell; }

protected:
    bool IsNavigationKey(ui::WORD Key) const override;
    bool ValidatesUpDown() const override { return false; }
    // Escape takes back a colour picked during the edit, so closing keeps the cell.
    void EscapePressed() override { SetSelectedColor(FShownColor); }

private:
    gfx::TColor FShownColor = gfx::clNone;  // the selected colour as the editor opened
    std::string FShownCell;                 // the cell text the editor opened with
};

// The grid's edColorPickerDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style, holding the sixteen standard colours; a colour
// picked in it passes the grid's ColorSelect hook. Freed with the grid.
TGridColorDropDown* GridColorDropDown(TExtStringGrid& Grid);

}  // namespace grid
