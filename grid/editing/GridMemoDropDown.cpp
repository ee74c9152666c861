// The grid's memo cell editor: the cell's lines in the memo, keys that store or restore, caret at the click.
#include "grid/editing/GridMemoDropDown.h"

#include "grid/editing/GridDropDownEditorMaking.h"
#include "platform/rtl/StringList.h"

namespace grid {

TGridMemoDropDown* GridMemoDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridMemoDropDown>(Grid);
}

TGridMemoDropDown::TGridMemoDropDown(rtl::TComponent* AOwner)
    : TGridCellDropDown(AOwner, "TGridMemoDropDown")
{
    FCaretAtClick = true;
}

void TGridMemoDropDown::ShowCellText(const std::string& text)
{
    rtl::TStringList lines;
    lines.SetText(text);
    SetMemoText(lines);
    SetSelStart(0);
    SetSelLength(0);
    FShownCell = text;
    FShownText = CellText();
}

std::string TGridMemoDropDown::CellText() const
{
    const rtl::TStrings& lines = MemoText();
    std::string text;
    for (int i = 0; i < lines.GetCount(); ++i) text += lines.Get(i) + "\r\n";
    return text;
}

}  // namespace grid
