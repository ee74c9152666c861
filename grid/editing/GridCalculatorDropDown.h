// The grid's calculator cell editor: a cell's number computed in the calculator drop-down.
#pragma once

#include <string>

#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edCalculatorDropDown cells. Enter first computes the pending operation, then
// stores the result as the other drop-down cell editors store their value. The calculator's
// keys act on characters ahead of the edit's filter, and the grid sees each character before
// they do; the caret goes to the clicked character.
class TGridCalculatorDropDown : public TGridCellDropDown<TExtCalculatorDropdown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridCalculatorDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridCalculatorDropDown"; }
    // Shows the cell text in the display and starts a calculation of its own.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the display changes, so a cell that is
    // no number, or is written otherwise, is not rewritten by merely opening its editor.
    std::string Value() const override { return Text() != FShownText ? Text() : FShownCell; }

protected:
    void EnterPressed() override { CalcResult(); }
    bool HandlesCharactersAheadOfFilter() const override { return true; }

private:
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the display as it showed that text
};

// The grid's edCalculatorDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, editable, in the grid's style. Freed with the grid.
TGridCalculatorDropDown* GridCalculatorDropDown(TExtStringGrid& Grid);

}  // namespace grid
