// The grid's time cell editor: made on first use without a focus highlight, filled from the cell's text.
#include "grid/editing/GridTimepickerDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridTimepickerDropDown* GridTimepickerDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridTimepickerDropDown>(Grid);
}

TGridTimepickerDropDown::TGridTimepickerDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridTimepickerDropDown")
{
    SetFocusDraw(false);
}

void TGridTimepickerDropDown::ShowCellText(const std::string& text)
{
    SetEditorEnabled(true);
    SetText(text);
    FShownCell = text;
    FShownText = Text();
}

}  // namespace grid
