// The grid's control drop-down cell editor: the cursor keys it keeps while its pop-up is open.
#include "grid/editing/GridDropDownEditors.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridControlDropDown* GridControlDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridControlDropDown>(Grid);
}

TGridControlDropDown::TGridControlDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridControlDropDown")
{
}

bool TGridControlDropDown::KeepsKeyWhileDropped(ui::WORD Key) const
{
    return WantArrows && Key >= ui::VK_PRIOR && Key <= ui::VK_DOWN;
}

}  // namespace grid
