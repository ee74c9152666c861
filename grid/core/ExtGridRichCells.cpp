// Rich-text cells of the string grid: a cell's RTF text loaded into a rich edit control, and the control's content stored back as RTF.
#include "grid/core/ExtGrid.h"
#include "platform/ui/RichEdit.h"

namespace grid {

// The displayed text: RTF is read as rich text, any other text as plain text, and an empty
// cell empties the control.
void TExtStringGrid::CellToRich(int ACol, int ARow, ui::TRichEdit& RichEdit)
{
    const std::string text = GetCellEx(ACol, ARow);
    if (text.empty()) {
        RichEdit.Clear();
        return;
    }
    RichEdit.SetRtfText(text);
}

void TExtStringGrid::RichToCell(int ACol, int ARow, ui::TRichEdit& RichEdit)
{
    SetCellEx(ACol, ARow, HasState(rtl::csDestroying) ? std::string() : RichEdit.RtfText());
}

}  // namespace grid
