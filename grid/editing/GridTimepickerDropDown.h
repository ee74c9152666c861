// The grid's time cell editor: a time of day typed, stepped or chosen on the clock, stored as the edit's text.
#pragma once

#include <string>

#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edTimePickerDropDown cells. Its value is the edit's text; it draws no focus
// highlight, and leaving it commits the typed time after the grid has taken the text.
class TGridTimepickerDropDown : public TGridCellDropDown<TExtTimePickerDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridTimepickerDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTimepickerDropDown"; }
    // Shows the cell text, editable.
    void ShowCellText(const std::string& text);
    // What the cell takes: the cell's own text until the editor's value changes, so that an
    // edit left as it opened does not rewrite "8:15" as the mask shows it.
    std::string Value() const override { return Text() != FShownText ? Text() : FShownCell; }

protected:
    // Sound behaviour: Escape first cancels an open clock, so that closing the edit stores the
    // cell's own text rather than the time the clock was showing.
    void EscapePressed() override
    {
        if (DroppedDown()) HideDropDown(true);
    }

private:
    std::string FShownCell;  // the cell text the editor opened with
    std::string FShownText;  // the editor's value as it showed that text
};

// The grid's edTimePickerDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridTimepickerDropDown* GridTimepickerDropDown(TExtStringGrid& Grid);

}  // namespace grid
