// The scroll hint of the string grid: "Col : N" or "Row : N" beside the cursor while a scroll bar thumb is dragged.
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScrollInfo.h"

namespace grid {

// Watches the scroll messages before the platform grid scrolls: a thumb drag shows the
// column or row the drag has reached, the end of the scroll takes the hint away.
void TExtStringGrid::ScrollHintMessage(const ui::TMessage& Message)
{
    if (Message.Msg != ui::WM_HSCROLL && Message.Msg != ui::WM_VSCROLL) return;
    const bool vertical = Message.Msg == ui::WM_VSCROLL;
    const TScrollHintType kind = ScrollHints();
    if (kind == shNone || kind == (vertical ? shHorizontal : shVertical)) return;
    const int code = ui::LOWORD(Message.WParam);
    if (code == ui::SB_ENDSCROLL) {
        if (FScrollHintWindow != nullptr) FScrollHintWindow->ReleaseHandle();
        FScrollHintShown = false;
        return;
    }
    if (code != ui::SB_THUMBTRACK) return;
    // The thumb's track position counts scrollable columns (rows) from the first one, so
    // the cell it reaches is that position past the fixed ones.
    const int bar = vertical ? ui::SB_VERT : ui::SB_HORZ;
    const int n = ScrollBarState(bar).TrackPos + (vertical ? FixedRows() : FixedCols());
    std::string text = (vertical ? "Row : " : "Col : ") + std::to_string(n);
    if (OnScrollHint) OnScrollHint(this, n, text);
    if (FScrollHintWindow == nullptr) FScrollHintWindow = new ui::THintWindow(this);
    rtl::TRect r = FScrollHintWindow->CalcHintRect(100, text);
    FScrollHintWindow->SetText(text);
    FScrollHintWindow->SetColor(HintColor());
    rtl::TPoint cursor{0, 0};
    ui::GetCursorPos(cursor);
    rtl::OffsetRect(r, cursor.X + 10, cursor.Y);
    FScrollHintWindow->ActivateHint(r, text);
    FScrollHintShown = true;
}

}  // namespace grid
