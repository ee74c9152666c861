// The grid's edExtGridDropDown cell editor, made on first use.
#include "grid/editing/GridExtGridDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridExtGridDropDown* ExtGridDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridExtGridDropDown>(Grid);
}

TGridExtGridDropDown::TGridExtGridDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridExtGridDropDown")
{
}

}  // namespace grid
