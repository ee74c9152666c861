// The grid's detail drop-down cell editor: a cell's text picked from detail items with image, caption and notes.
#pragma once

#include <string>

#include "grid/dropdown/ExtDetailDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edDetailDropDown cells; the cell takes the edit text.
class TGridDetailPickerDropDown : public TGridCellDropDown<TExtDetailDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridDetailPickerDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridDetailPickerDropDown"; }
    // Shows the cell text with the item of that caption selected, none when no caption is
    // the text; the text stays as the cell has it.
    void ShowCellText(const std::string& text);
};

// The grid's edDetailDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. The application fills its items, typically in
// OnGetEditorProp. Freed with the grid.
TGridDetailPickerDropDown* GridDetailPickerDropDown(TExtStringGrid& Grid);

}  // namespace grid
