// The grid engine's keyboard: moving the current cell, extending the selection, starting the editor.
#include <algorithm>

#include "platform/ui/Grids.h"

namespace ui {

void TCustomGrid::MoveRelative(int dx, int dy, bool extend)
{
    int col = std::max(FFixedCols, std::min(FCurrent.X + dx, ColCount() - 1));
    int row = std::max(FFixedRows, std::min(FCurrent.Y + dy, RowCount() - 1));
    if (col == FCurrent.X && row == FCurrent.Y) {
        if (!extend && (FAnchor.X != col || FAnchor.Y != row) && !(FOptions & goRowSelect))
            MoveColRow(col, row, true, true);
        return;
    }
    MoveColRow(col, row, !extend, true);
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    bool ctrl = (Shift & ssCtrl) != 0;
    bool extend = (Shift & ssShift) && (FOptions & goRangeSelect) && !(FOptions & goRowSelect);
    bool rowSelect = (FOptions & goRowSelect) != 0;
    int page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_UP: MoveRelative(0, -1, extend); break;
    case VK_DOWN: MoveRelative(0, 1, extend); break;
    case VK_LEFT:
        if (rowSelect) SetLeftCol(FTopLeft.X - 1);
        else MoveRelative(-1, 0, extend);
        break;
    case VK_RIGHT:
        if (rowSelect) SetLeftCol(FTopLeft.X + 1);
        else MoveRelative(1, 0, extend);
        break;
    case VK_PRIOR:
        SetTopRow(FTopLeft.Y - page);
        MoveRelative(0, -page, extend);
        break;
    case VK_NEXT:
        SetTopRow(FTopLeft.Y + page);
        MoveRelative(0, page, extend);
        break;
    case VK_HOME:
        if (ctrl) MoveRelative(0, FFixedRows - FCurrent.Y, extend);
        else if (rowSelect) SetLeftCol(FFixedCols);
        else MoveRelative(FFixedCols - FCurrent.X, 0, extend);
        break;
    case VK_END:
        if (ctrl) MoveRelative(0, RowCount() - 1 - FCurrent.Y, extend);
        else if (rowSelect) SetLeftCol(ColCount() - 1);
        else MoveRelative(ColCount() - 1 - FCurrent.X, 0, extend);
        break;
    case VK_TAB: {
        if (!(FOptions & goTabs) || (Shift & ssAlt)) return;
        int col = FCurrent.X;
        int row = FCurrent.Y;
        if (Shift & ssShift) {
            if (rowSelect || col <= FFixedCols) {
                if (row <= FFixedRows) break;
                --row;
                col = rowSelect ? col : ColCount() - 1;
            } else {
                --col;
            }
        } else {
            if (rowSelect || col >= ColCount() - 1) {
                if (row >= RowCount() - 1) break;
                ++row;
                col = rowSelect ? col : FFixedCols;
            } else {
                ++col;
            }
        }
        MoveColRow(col, row, true, true);
        break;
    }
    case VK_F2:
        if (FOptions & goEditing) SetEditorMode(true);
        else return;
        break;
    case VK_RETURN:
        if (!(FOptions & goEditing)) return;
        // Enter opens the editor, and in the editor stores the text and leaves it.
        if (FEditorMode && !(FOptions & goAlwaysShowEditor)) {
            HideEditor();
            if (CanFocus()) SetFocus();
        } else if (FEditorMode) {
            UpdateText();
        } else {
            SetEditorMode(true);
        }
        break;
    default: return;
    }
    Key = 0;
}

void TCustomGrid::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if (Key == U'\r' || Key == U'\t' || Key == 0x1B) {
        Key = 0;  // handled on key down
        return;
    }
    if (!(FOptions & goEditing) || FEditorMode || Key < 0x20 || !CanEditAcceptKey(Key)) return;
    ShowEditorChar(Key);
    Key = 0;
}

bool TCustomGrid::CanEditAcceptKey(char32_t /*Key*/) { return true; }

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, rtl::TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (FCurrent.Y < RowCount() - 1) MoveColRow(FCurrent.X, FCurrent.Y + 1, true, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, rtl::TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (FCurrent.Y > FFixedRows) MoveColRow(FCurrent.X, FCurrent.Y - 1, true, true);
    return true;
}

// Arrows and characters always go to the grid; Tab with goTabs; Return and Escape while
// cells can be edited.
void TCustomGrid::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (FOptions & goTabs) Message.Result |= DLGC_WANTTAB;
        if (FOptions & goEditing) Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_VSCROLL:
        ScrollMessage(Message, SB_VERT);
        return;
    case WM_HSCROLL:
        ScrollMessage(Message, SB_HORZ);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        TCustomControl::WndProc(Message);
        TGridRect sel = Selection();
        InvalidateRect(BoxRect(sel.Left, sel.Top, sel.Right, sel.Bottom));
        InvalidateCell(FCurrent.X, FCurrent.Y);
        if (Message.Msg == WM_SETFOCUS && (FOptions & goAlwaysShowEditor) && !FEditorShowing) UpdateEdit();
        return;
    }
    default: break;
    }
    TCustomControl::WndProc(Message);
}

}  // namespace ui
