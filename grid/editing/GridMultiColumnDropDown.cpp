// The grid's edGridDropDown cell editor, made on first use.
#include "grid/editing/GridMultiColumnDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridGridDropDown* GridDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridGridDropDown>(Grid);
}

TGridGridDropDown::TGridGridDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridGridDropDown")
{
}

}  // namespace grid
