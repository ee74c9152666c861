// The grid's control drop-down cell editor: any control of the application in the pop-up.
#pragma once

#include <string>

#include "grid/dropdown/ExtControlDropDown.h"
#include "grid/editing/GridCellDropDown.h"

namespace grid {

class TExtStringGrid;

// The editor of edControlDropDown cells.
class TGridControlDropDown : public TGridCellDropDown<TExtControlDropDown> {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridControlDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridControlDropDown"; }
    // While the pop-up is open the cursor keys stay with the drop-down.
    bool WantArrows = false;

protected:
    bool KeepsKeyWhileDropped(ui::WORD Key) const override;
};

// The grid's edControlDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style; its bar buttons report through the grid's
// OnDropDownHeaderButtonClick and OnDropDownFooterButtonClick. Freed with the grid.
TGridControlDropDown* GridControlDropDown(TExtStringGrid& Grid);

}  // namespace grid
