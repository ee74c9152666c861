// The grid's edExtGridDropDown cell editor: the grid drop-down handing keys, focus loss and its
// value back to the grid that owns it.
#pragma once

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TGridExtGridDropDown : public TGridCellDropDown<TCustomExtGridDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridExtGridDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridExtGridDropDown"; }
    // The grid inside the pop-up (not the grid that owns the editor).
    TExtStringGrid* Grid() const { return GetColGrid(); }

protected:
    // Escape closes the pop-up dropping its changes, or closing the edit would store the row
    // it was moved to; then the cell's value comes back.
    void EscapePressed() override { HideDropDown(true); }
};

// The grid's edExtGridDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridExtGridDropDown* ExtGridDropDown(TExtStringGrid& Grid);

}  // namespace grid
