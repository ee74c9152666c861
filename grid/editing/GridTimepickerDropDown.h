// The grid's time cell editor: a time of day typed, stepped or chosen on the clock, stored as the edit's text.
#pragma once

#include <string>

#include "grid/dropdown/ExtTimePickerDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edTimePickerDropDown cells. Its value is the edit's text; it draws no focus
// highlight, and leaving it commits the typed time after the grid has taken the text.
class TGridTimepickerDropDown : public TExtTimePickerDropDown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridTimepickerDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTimepickerDropDown"; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid* FGrid;
};

// The grid's edTimePickerDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridTimepickerDropDown* GridTimepickerDropDown(TExtStringGrid& Grid);

}  // namespace grid
