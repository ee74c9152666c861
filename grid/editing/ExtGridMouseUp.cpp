// String grid left-button release: pushed buttons, sizing ends, fixed-cell clicks, check box release and click sort.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

bool SameRect(const rtl::TRect& a, const rtl::TRect& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

void TExtStringGrid::WMLButtonUp(ui::TMessage& Message)
{
    const int X = ui::GET_X_LPARAM(Message.LParam);
    const int Y = ui::GET_Y_LPARAM(Message.LParam);
    FMouseKeepDown = false;
    FMouseSelectMode = msNormal;
    // The press hit an anchor or a control in the cell's text: the release only lets a
    // held BUTTON control go.
    if (FAnchorClick) {
        if (FCtrlDown) {
            FCtrlDown = false;
            FCtrlDownId.clear();
            RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
        }
        FAnchorClick = false;
        Message.Result = 1;
        return;
    }
    if (FScrollStart) TouchScrollRelease(X, Y);
    FMouseDownMove = false;
    FMouseSelectStart = -1;
    if (FSizingFixed) ReleaseFixedSizing(X);

    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (FPushedCellButton.X >= 0 && ReleasePushedButton(ACol, ARow, X, Y)) return;

    const ui::TGridState stateBefore = FGridState;
    const bool moving = stateBefore == ui::gsColMoving || stateBefore == ui::gsRowMoving;
    const bool sizingRelease = ARow >= 0 && ARow < FixedRows() && (Options() & ui::goColSizing) &&
                               stateBefore == ui::gsColSizing;
    const bool onFixed = ACol >= 0 && ARow >= 0 && (ACol < FixedCols() || ARow < FixedRows());
    if (OnClick && FDoOnClick && !sizingRelease && onFixed) OnClick(this);
    FDoOnClick = false;

    if (FSelectionClick) {
        FSelectionClick = false;
        if (ACol >= FixedCols() && ARow >= FixedRows() && ACol >= 0 && ARow >= 0) {
            if (Options() & ui::goRowSelect)
                SetSelection(rtl::TRect{FixedCols(), ARow, ColCount() - 1, ARow});
            else
                MoveColRow(ACol, ARow, true, true);
        }
    }
    const bool disjunctRows = MouseActions().DisjunctRowSelect() && ACol >= 0 && ARow >= FixedRows();
    PlatformMouse(Message);
    if (disjunctRows) {
        const rtl::TRect s = Selection();
        for (int r = std::min(s.Top, s.Bottom); r <= std::max(s.Top, s.Bottom); ++r) SetRowSelect(RealRowIndex(r), true);
        if (FDeselectState) SetRowSelect(RealRowIndex(ARow), false);
        FDeselectState = false;
    }
    ReleaseEndsPlatformSizing(stateBefore);
    if (onFixed && !sizingRelease && !moving && OnFixedCellClick) OnFixedCellClick(this, ACol, ARow);
    if (FGridState == ui::gsSelecting) FGridState = ui::gsNormal;
    if (FMouseResize) EndSelectionResize();
    if (moving || stateBefore == ui::gsColSizing || stateBefore == ui::gsRowSizing || ACol < 0 || ARow < 0) return;
    ReleaseCheckBox(ACol, ARow);
    // The release that ends a double click on a header edge auto-sized a column: no sort.
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    ClickSortAt(X, Y, ui::KeysToShiftState(Message.WParam));
}

// The width of a fixed column dragged by its edge is where the pointer let go.
void TExtStringGrid::ReleaseFixedSizing(int X)
{
    FSizeFixed = false;
    FSizingFixed = false;
    if (FSizingFixedCol < 0) return;
    int left = 0;
    for (int c = 0; c < FSizingFixedCol; ++c) left += ColWidths(c);
    int width = X - left;
    if (width < 0) width = 0;
    SetColWidths(FSizingFixedCol, width);
    if (OnEndColumnSize) OnEndColumnSize(this, FSizingFixedCol);
    if (OnUpdateColumnSize) {
        int w = width;
        OnUpdateColumnSize(this, FSizingFixedCol, w);
        if (w != width) SetColWidths(FSizingFixedCol, w);
    }
    Invalidate();
}

// The platform sizes a normal column or row while the mouse moves; its release is the end
// of the sizing that the end events report, when the size changed.
void TExtStringGrid::ReleaseEndsPlatformSizing(ui::TGridState State)
{
    if (FSizingIndex < 0) return;
    const int start = FSizingStartSize;
    FSizingStartSize = -1;
    if (State == ui::gsColSizing && ColWidths(FSizingIndex) == start) return;
    if (State == ui::gsRowSizing && RowHeights(FSizingIndex) == start) return;
    if (State == ui::gsColSizing) {
        if (OnEndColumnSize) OnEndColumnSize(this, FSizingIndex);
        if (OnUpdateColumnSize) {
            int w = ColWidths(FSizingIndex);
            OnUpdateColumnSize(this, FSizingIndex, w);
            if (w != ColWidths(FSizingIndex)) SetColWidths(FSizingIndex, w);
        }
    } else if (State == ui::gsRowSizing && OnEndRowSize) {
        OnEndRowSize(this, FSizingIndex);
    }
}

// A cell button or expand button pressed earlier: released over its button it clicks (an
// expand button toggles); the release then ends without the platform. True when it ended.
bool TExtStringGrid::ReleasePushedButton(int ACol, int ARow, int X, int Y)
{
    const rtl::TPoint pushed = FPushedCellButton;
    FPushedCellButton = {-1, -1};
    SetMouseCapture(false);
    const bool expand = HasExpand(pushed.X, pushed.Y);
    if (!IsNode(pushed.Y)) PushButton(pushed.X, pushed.Y, false);
    const bool onPushed = ACol == pushed.X && ARow == pushed.Y;
    bool enabled = (Options() & ui::goEditing) != 0;
    if (onPushed && !ControlLook().NoDisabledButtonLook()) enabled = IsEditableBaseCell(ACol, ARow) && !IsFixed(ACol, ARow);
    const bool pushedFixed = pushed.X < FixedCols() || pushed.Y < FixedRows();
    if (enabled || ControlLook().NoDisabledButtonLook() || expand || pushedFixed) {
        if (onPushed && !expand && (InRect(GetCellButtonRect(ACol, ARow), X, Y) || pushedFixed)) ButtonClick(pushed.X, pushed.Y);
        if (onPushed && expand && InRect(GetExpandButtonRect(ACol, ARow), X, Y)) {
            const bool expanded = ToggleExpand(pushed.X, pushed.Y);
            ExpandClick(pushed.X, pushed.Y, expanded);
        }
    }
    FGridState = ui::gsNormal;
    return true;
}

// The release over a check box cell reports the box's state.
void TExtStringGrid::ReleaseCheckBox(int ACol, int ARow)
{
    const int w = RealColIndex(ACol);
    if (HasCheckBox(ACol, ARow) && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(w, ARow, state);
        OnCheckBoxMouseUp(this, w, ARow, state);
    } else if (IsRadio(ACol, ARow) && OnRadioMouseUp) {
        int index = -1;
        GetRadioIdx(w, ARow, index);
        OnRadioMouseUp(this, w, ARow, index);
    }
}

// The platform's release notification (either button): the filter buttons of fixed cells,
// a sizing let go beyond the grid, the end of column and row moving, and the
// selection-changed notification.
void TExtStringGrid::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    const rtl::TRect before = FOrigSelection;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Button == ui::mbLeft && FilterButtonRelease(ACol, ARow, X, Y)) return;
    // Let go beyond the grid, a column or row sizing is cancelled: this platform sizes while
    // the mouse moves, so the size from the start of the drag is put back.
    const bool colBeyond = FGridState == ui::gsColSizing && X > Width();
    if (colBeyond || (FGridState == ui::gsRowSizing && Y > Height())) {
        if (FSizingIndex >= 0 && FSizingStartSize >= 0) {
            if (colBeyond)
                SetColWidths(FSizingIndex, FSizingStartSize);
            else
                SetRowHeights(FSizingIndex, FSizingStartSize);
        }
        FSizingStartSize = -1;
        FGridState = ui::gsNormal;
        return;
    }
    if (Button == ui::mbLeft) EndMouseMoving(X, Y);
    if (!(FGridState == ui::gsColMoving && Button == ui::mbRight)) TBaseGrid::MouseUp(Button, Shift, X, Y);
    const rtl::TRect now = Selection();
    if (before.Left >= 0 && !SameRect(before, now)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    FOrigSelection = now;
}

// The end of a touch-scrolling gesture: a release that scrolled nothing is a tap, which
// selects the cell and acts on its check box or button as a click on them does.
void TExtStringGrid::TouchScrollRelease(int X, int Y)
{
    FScrollStart = false;
    const bool horizontal = std::abs(Y - FTouchDown.Y) < std::abs(X - FTouchDown.X);
    const bool tap = horizontal ? LeftCol() == FLeftRight : TopRow() == FTopDown;
    // A quick flick that scrolled goes on scrolling a few steps on its own.
    if (!tap && ui::GetTickCount() - FTimeStart < 500) {
        if (horizontal)
            StartKineticScroll(X > FTouchDown.X ? -1 : 1, true);
        else
            StartKineticScroll(Y > FTouchDown.Y ? -1 : 1, false);
    }
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (tap && ACol >= FixedCols() && ARow >= FixedRows()) {
        if (horizontal || !(Options() & ui::goRowSelect)) MoveColRow(ACol, ARow, true, true);
        if (horizontal)
            SetLeftCol(std::max(FixedCols(), FLeftRight));
        else
            SetTopRow(FTopDown);
        bool editable = true;
        IsEditableCell(RealColIndex(ACol), ARow, editable);
        if (editable && HasCheckBox(ACol, ARow)) {
            ToggleCheckBoxCell(RealColIndex(ACol), ARow, true);
            bool state = false;
            GetCheckBoxState(RealColIndex(ACol), ARow, state);
            CheckBoxClick(ACol, ARow, state);
        } else if (editable && HasButton(ACol, ARow)) {
            ButtonClick(ACol, ARow);
        }
    }
    FTouchDown = {-1, -1};
    SetMouseCapture(false);
    if (CanFocus()) SetFocus();
}

}  // namespace grid
