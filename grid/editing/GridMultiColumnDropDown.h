// The grid's edGridDropDown cell editor: the multi-column drop-down handing keys, focus loss and
// its value back to its grid.
#pragma once

#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

class TGridGridDropDown : public TGridCellDropDown<TExtMultiColumnDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridGridDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridGridDropDown"; }

protected:
    // Escape closes the list dropping its changes before the cell's value comes back.
    void EscapePressed() override { HideDropDown(true); }
};

// The grid's edGridDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridGridDropDown* GridDropDown(TExtStringGrid& Grid);

}  // namespace grid
