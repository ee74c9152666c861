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
    // Shows the cell text, editable.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the editor's value changes, so that an
    // edit left as it opened does not rewrite "8:15" as the mask shows it.
    std::string Value() const { return Text() != FShownText ? Text() : FShownCell; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    TExtStringGrid* FGrid;
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the editor's value as it showed that text
};

// The grid's edTimePickerDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridTimepickerDropDown* GridTimepickerDropDown(TExtStringGrid& Grid);

}  // namespace grid
