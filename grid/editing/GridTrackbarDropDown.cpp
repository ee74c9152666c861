// The grid's track-bar cell editor: keys that store or restore through the track bar, caret at the click.
#include "grid/editing/GridTrackbarDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"
#include "platform/rtl/NumberText.h"

namespace grid {

TGridTrackbarDropDown* GridTrackbarDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridTrackbarDropDown>(Grid, [](TGridTrackbarDropDown& e) { e.SetEditorEnabled(true); });
}

TGridTrackbarDropDown::TGridTrackbarDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridTrackbarDropDown")
{
    FWantsReturnAndEscape = true;
    FCaretAtClick = true;
}

void TGridTrackbarDropDown::ShowCellText(const std::string& text)
{
    int value = Min();
    if (!rtl::TryStrToInt(text, value)) value = Min();
    SetPosition(value);
    // The track bar writes the text only when it moves.
    SetTextDirect(rtl::IntToStr(Position()));
    FShownCell = text;
    FShownText = Text();
}

void TGridTrackbarDropDown::ShowStoredText(const std::string& text)
{
    int value = 0;
    if (rtl::TryStrToInt(text, value)) SetText(text);
}

}  // namespace grid
