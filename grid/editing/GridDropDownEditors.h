// The grid's drop-down cell editors: drop-down controls that hand keys, focus loss and values back to their grid.
#pragma once

#include <string>

#include "grid/dropdown/ExtControlDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edControlDropDown cells: any control of the application in the pop-up.
class TGridControlDropDown : public TExtControlDropDown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridControlDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridControlDropDown"; }
    // While the pop-up is open the cursor keys stay with the drop-down.
    bool WantArrows = false;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid* FGrid;
};

// The grid's edControlDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style; its bar buttons report through the grid's
// OnDropDownHeaderButtonClick and OnDropDownFooterButtonClick. Freed with the grid.
TGridControlDropDown* GridControlDropDown(TExtStringGrid& Grid);

}  // namespace grid
