// The grid's calculator cell editor: a display that starts anew for each cell.
#include "grid/editing/GridCalculatorDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"

namespace grid {

TGridCalculatorDropDown* GridCalculatorDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridCalculatorDropDown>(Grid, [](TGridCalculatorDropDown& dd) {
        dd.SetEditorEnabled(true);
    });
}

TGridCalculatorDropDown::TGridCalculatorDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridCalculatorDropDown")
{
    FCaretAtClick = true;
}

// Sound behaviour: one editor serves every cell, so an operation left pending in one cell's
// edit (cancelled with Escape, say) must not be applied to the next cell's number.
void TGridCalculatorDropDown::ShowCellText(const std::string& text)
{
    StartCalculation();
    SetText(text);
    FShownCell = text;
    FShownText = Text();
}

}  // namespace grid
