// The grid's detail drop-down cell editor: made on first use, filled from the cell text.
#include "grid/editing/GridDetailPickerDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridDetailPickerDropDown* GridDetailPickerDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridDetailPickerDropDown>(Grid);
}

TGridDetailPickerDropDown::TGridDetailPickerDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridDetailPickerDropDown")
{
}

void TGridDetailPickerDropDown::ShowCellText(const std::string& text)
{
    // The item first: selecting none empties the edit, which would lose a cell text that
    // names no item. The text is put directly so that opening completes nothing.
    SetItemIndex(Items().IndexOf(text));
    SetTextDirect(text);
    SetSelStart(0);
    SetSelLength(0);
}

}  // namespace grid
