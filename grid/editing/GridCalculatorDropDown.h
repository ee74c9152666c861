// The grid's calculator cell editor: a cell's number computed in the calculator drop-down.
#pragma once

#include <string>

#include "grid/dropdown/ExtCalculatorDropdown.h"

namespace grid {

class TExtStringGrid;

// The editor of edCalculatorDropDown cells. Enter first computes the pending operation, then
// stores the result as the other drop-down cell editors store their value.
class TGridCalculatorDropDown : public TExtCalculatorDropdown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridCalculatorDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridCalculatorDropDown"; }
    // Shows the cell text in the display and starts a calculation of its own.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the display changes, so a cell that is
    // no number, or is written otherwise, is not rewritten by merely opening its editor.
    std::string Value() const { return Text() != FShownText ? Text() : FShownCell; }

    void CalcKeyPress(char32_t& Key) override;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid* FGrid;
    std::string FShownCell;
    std::string FShownText;
};

// The grid's edCalculatorDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridCalculatorDropDown* GridCalculatorDropDown(TExtStringGrid& Grid);

// Opens the calculator over the cell (ACol a displayed column) with the cell's edit text and
// the character that started the edit; with DirectComboDrop the pop-up opens at once.
void ShowGridCalculator(TExtStringGrid& Grid, int ACol, int ARow, const std::string& Text, gfx::TColor Color,
                        char32_t StartChar);
// Closes the calculator, an open pop-up keeping its result, and stores the value in the cell.
void HideGridCalculator(TExtStringGrid& Grid, int ACol, int ARow);

}  // namespace grid
