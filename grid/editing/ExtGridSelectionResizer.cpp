// String grid selection resizer: the handle at the selection's bottom-right corner drags the selection to a new size.
#include <algorithm>
#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"

namespace grid {

namespace {

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

rtl::TRect Normalized(const rtl::TRect& s)
{
    return {std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right), std::max(s.Top, s.Bottom)};
}

}  // namespace

// The handle: a square of 6 pixels (at the display's scale) in the bottom-right corner of
// the selection's last cell. Mouse move narrows the cell by an always-visible combo button
// of the cell under the pointer, so the button keeps its own press.
rtl::TRect TExtStringGrid::SelectionResizerHandle(bool ForPointerCell, int ACol, int ARow)
{
    if (!SelectionResizer() || !SelectionRectangle()) return {};
    const rtl::TRect sel = Normalized(Selection());
    rtl::TRect r = CellRect(sel.Right, sel.Bottom);
    if (rtl::IsRectEmpty(r)) return {};
    if (ForPointerCell && ACol >= FixedCols() && ARow >= FixedRows() && ControlLook().DropDownAlwaysVisible()) {
        TEditorType editor = DefaultEditor();
        GetCellEditorTypeEx(RealColIndex(ACol), ARow, editor);
        if (HasComboBox(ACol, ARow, editor))
            r.Right -= static_cast<int>(std::lround(ControlLook().DropDownButtonWidth() * FScaleFactor));
    }
    const int s = static_cast<int>(std::lround(6 * FScaleFactor));
    return {r.Right - s, r.Bottom - s, r.Right, r.Bottom};
}

bool TExtStringGrid::InSelectionResizer(int X, int Y)
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    return c >= 0 && r >= 0 && InRect(SelectionResizerHandle(false, c, r), X, Y);
}

// The press on the handle: the selection keeps its top-left corner and its bottom-right
// follows the pointer as a range selection does. The selection is on the clipboard, so a
// smart paste can fill the new area at the release.
void TExtStringGrid::StartSelectionResize(bool SetSelecting)
{
    const rtl::TRect sel = Normalized(Selection());
    SetDropSelection(sel);
    CopySelectionToClipboard();
    FMouseResize = true;
    if (!(Options() & ui::goEditing) && CanFocus()) SetFocus();
    SetSelection(sel);
    if (SetSelecting || !(Options() & ui::goEditing)) FGridState = ui::gsSelecting;
}

// The release after a selection resize reports the old and the new selection; with
// AllowSmartClipboard the copied cells are pasted into the new selection first.
void TExtStringGrid::EndSelectionResize()
{
    const rtl::TRect now = Normalized(Selection());
    if (OnSelectionResize) OnSelectionResize(this, DropSelection(), now);
    if (Navigation().AllowSmartClipboard()) {
        const bool oldDisable = FEditDisable;
        FEditDisable = true;
        try {
            PasteSelectionFromClipboard();
        } catch (...) {
            FEditDisable = oldDisable;
            FMouseResize = false;
            throw;
        }
        FEditDisable = oldDisable;
    }
    FMouseResize = false;
    if (OnSelectionResized) OnSelectionResized(this, DropSelection(), Normalized(Selection()));
}

}  // namespace grid
