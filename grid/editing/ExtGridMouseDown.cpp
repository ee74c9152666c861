// String grid left-button press: the press zones in their fixed order, then the click on a cell.
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

// The shift state a press reports: one modifier at most, Alt before Shift before Ctrl.
ui::TShiftState PressShift()
{
    if (ui::GetKeyState(ui::VK_MENU) < 0) return ui::ssAlt;
    if (ui::GetKeyState(ui::VK_SHIFT) < 0) return ui::ssShift;
    if (ui::GetKeyState(ui::VK_CONTROL) < 0) return ui::ssCtrl;
    return 0;
}

ui::TShiftState KeyboardShift()
{
    ui::TShiftState s = 0;
    if (ui::GetKeyState(ui::VK_MENU) < 0) s |= ui::ssAlt;
    if (ui::GetKeyState(ui::VK_SHIFT) < 0) s |= ui::ssShift;
    if (ui::GetKeyState(ui::VK_CONTROL) < 0) s |= ui::ssCtrl;
    return s;
}

bool InRect(const rtl::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

bool InSelection(const rtl::TRect& s, int ACol, int ARow)
{
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) && ARow >= std::min(s.Top, s.Bottom) &&
           ARow <= std::max(s.Top, s.Bottom);
}

}  // namespace

bool TExtStringGrid::MouseButtonMessage(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_LBUTTONDOWN: WMLButtonDown(Message); return true;
    case ui::WM_LBUTTONUP: WMLButtonUp(Message); return true;
    case ui::WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return true;
    case ui::WM_RBUTTONDOWN: WMRButtonDown(Message); return true;
    case ui::WM_SETFOCUS: GridSetFocus(Message); return true;
    default: return false;
    }
}

void TExtStringGrid::WMLButtonDown(ui::TMessage& Message)
{
    const int X = ui::GET_X_LPARAM(Message.LParam);
    const int Y = ui::GET_Y_LPARAM(Message.LParam);
    FDoOnClick = true;
    FMouseDownMove = true;
    FMouseKeepDown = true;
    FSpinUpClick = false;
    FSpinDnClick = false;
    FAnchorClick = false;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    FOrigSelection = Selection();
    // The selection resizer handle claims the press before every other zone.
    if (ACol >= 0 && ARow >= 0 && InSelectionResizer(X, Y)) {
        StartSelectionResize(true);
        MouseMove(0, X, Y);
        Message.Result = 1;
        return;
    }
    const ui::TShiftState shift = PressShift();
    if (TouchScrollPress(ACol, ARow, X, Y, shift)) {
        Message.Result = 1;
        return;
    }

    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
    if (!allow) return;
    if (FCellSelectorMode) {
        CellSelectorClick(ACol, ARow);
        return;
    }
    // Mouse move saw the pointer on the resizer zone (which may differ from the handle by
    // an always-visible combo button).
    if (FMouseSelectMode == msResize) {
        StartSelectionResize(false);
        MouseMove(0, X, Y);
        return;
    }

    if (!FSearchInc.empty()) SetSearchInc("");
    FMoveColInd = -1;
    FMoveRowInd = -1;
    FSelectionClick = false;
    FPushedCellButton = {-1, -1};
    FClickPos = {X, Y};

    if (ACol < 0 || ARow < 0) {
        HideInplaceEdit();
        if (!FixedRowAlways()) PlatformMouse(Message);
        return;
    }
    const rtl::TPoint orig{ACol, ARow};
    const rtl::TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
    if (MouseActions().CaretPositioning()) SetLButFlg(true);

    // A fixed column's right edge flagged by mouse move: the release applies the new width.
    if (FSizeFixed) {
        FSizingFixed = true;
        FSizeFixedX = X;
        FSizingFixedCol = -1;
        int s = 0;
        for (int i = 1; i <= FixedCols(); ++i) {
            if (std::abs(s + ColWidths(i - 1) - X) < 3) FSizingFixedCol = i - 1;
            s += ColWidths(i - 1) + 1;
        }
        return;
    }

    const bool inFixedArea = ARow < FixedRows() || ACol < FixedCols();
    const bool fixed = IsFixed(ACol, ARow);
    if (inFixedArea || fixed) HideInplaceEdit();
    if (PressAttachmentZones(ACol, ARow, X, Y, shift)) return;

    // The click on the cell no zone claimed.
    if (MouseActions().DisjunctRowSelect() && ARow >= FixedRows()) {
        const bool ctrl = ui::GetKeyState(ui::VK_CONTROL) < 0;
        if (ctrl || MouseActions().DisjunctRowSelectNoCtrl()) {
            FDeselectState = RowSelect(RealRowIndex(ARow));
        } else if (ui::GetKeyState(ui::VK_MENU) >= 0) {
            ResetRowSelect();
        }
    }
    if (PressAnchor(ACol, ARow, X, Y)) return;
    if (PressFromFixedCells(ACol, ARow, KeyboardShift())) {
        PlatformMouse(Message);
        return;
    }

    bool editable = (Options() & ui::goEditing) || MouseActions().RangeSelectAndEdit() || FEditDisable;
    IsEditableCell(RealColIndex(ACol), ARow, editable);
    if (PressCheckBox(ACol, ARow, X, Y, KeyboardShift(), editable)) return;

    // A fixed footer row, a fixed right column or a cell declared fixed only reports its click.
    if (fixed && !inFixedArea) {
        ClickCell(ARow, ACol);
        return;
    }
    // A merged cell is handed to the platform as a press inside its base cell.
    if (IsMergedCell(ACol, ARow) && !fixed && !OnMouseDown) {
        const rtl::TRect r = CellRect(ACol, ARow);
        Message.LParam = ui::MAKELPARAM(r.Left + 2, r.Top + 2);
    }
    PressNormalCell(Message, ACol, ARow, orig, editable);
}

// The zones of the cell's attachments, in their order: always-visible spin buttons, node
// glyphs, radio groups, the node column, a press inside the selection that may start a drag,
// ratings, cell buttons and expand buttons. True when a zone ended the press.
bool TExtStringGrid::PressAttachmentZones(int ACol, int ARow, int X, int Y, ui::TShiftState Shift)
{
    if (IsDesigning()) return false;
    const int w = RealColIndex(ACol);
    const rtl::TRect rect = CellRect(ACol, ARow);
    if (ControlLook().SpinButtonsAlwaysVisible() && HasSpinEdit(ACol, ARow, DefaultEditor()) && X > rect.Right - 18) {
        if (Y > rect.Top + (rect.Bottom - rect.Top) / 2)
            FSpinDnClick = true;
        else
            FSpinUpClick = true;
    }
    const bool nodeCell = ACol == CellNode().NodeColumn() && IsNode(ARow) && IsNodeGlyphHit(ARow, X);
    if (nodeCell && ARow < FixedRows() && MouseActions().NodeAllExpandContract()) {
        if (GetNodeState(ARow))
            ExpandAll();
        else
            ContractAll();
    }
    if (nodeCell && ARow >= FixedRows()) {
        if (OnMouseDown) OnMouseDown(this, ui::mbLeft, Shift, X, Y);
        ClickCell(ARow, ACol);
        const int realRow = RemapRowDisplToReal(ARow);
        bool allow = true;
        if (GetNodeState(ARow)) {
            if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, realRow, allow);
            if (allow) {
                ExpandNode(realRow);
                if (OnExpandNode) OnExpandNode(this, ARow, realRow);
            }
        } else {
            if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, realRow, allow);
            if (allow) {
                ContractNode(realRow);
                if (OnContractNode) OnContractNode(this, ARow, realRow);
            }
        }
        if (MouseActions().MoveRowOnNodeClick()) SetRow(ARow);
        return true;
    }
    if (IsRadio(ACol, ARow) && (IsEditable(ACol, ARow) || ControlLook().RadioAlwaysActive())) {
        HideInplaceEdit();
        ClickRadioAt(ACol, ARow, Y - rect.Top, X - rect.Left);
        if (CanFocus()) SetFocus();
        return true;
    }
    if (ACol == 0 && ARow >= FixedRows() && HasNodes() && !MouseActions().RowSelect() &&
        !(Options() & ui::goRowSizing) && !HasButton(ACol, ARow) && !HasRating(ACol, ARow)) {
        if (OnMouseDown) OnMouseDown(this, ui::mbLeft, Shift, X, Y);
        ClickCell(ARow, ACol);
        return true;
    }
    const bool selected = InSelection(Selection(), ACol, ARow) || (MouseActions().DisjunctRowSelect() &&
                                                                   ARow >= FixedRows() && RowSelect(RealRowIndex(ARow)));
    const bool headerSelect = (MouseActions().ColSelect() || MouseActions().AllSelect()) && ARow < FixedRows();
    if ((selected || (ARow < FixedRows() && !EnhRowColMove())) && !HasButton(ACol, ARow) && !HasCheckBox(ACol, ARow) &&
        DragDropSettings().OleDropSource() && !headerSelect && ACol >= FixedCols() &&
        (!(Options() & ui::goColSizing) || (X > rect.Left + 3 && X < rect.Right - 3))) {
        if (CanFocus()) SetFocus();
        if (OnMouseDown) OnMouseDown(this, ui::mbLeft, Shift, X, Y);
        FSelectionClick = true;
        if (!(Options() & ui::goEditing)) {
            ClickCell(ARow, ACol);
            return true;
        }
    }
    if (HasRating(ACol, ARow) && IsEditable(ACol, ARow)) {
        HideInplaceEdit();
        // Half a star per 9 pixels from the cell's left edge.
        const double newRate = std::trunc((X - rect.Left) / 9.0) / 2.0;
        SetFloats(ACol, ARow, newRate);
        RatingChange(w, ARow, static_cast<int>(std::lround(newRate * 2)));
        RepaintCell(ACol, ARow);
        return true;
    }
    const bool button = HasButton(ACol, ARow);
    if (button || HasExpand(ACol, ARow)) {
        HideInplaceEdit();
        if (button && !IsFixed(ACol, ARow) && SelectCell(ACol, ARow)) MoveColRow(ACol, ARow, true, true);
        const rtl::TRect hit = button ? GetCellButtonRect(ACol, ARow) : GetExpandButtonRect(ACol, ARow);
        if (InRect(hit, X, Y)) {
            PushButton(ACol, ARow, true);
            FPushedCellButton = {ACol, ARow};
            SetMouseCapture(true);
            ClickCell(ARow, ACol);
            return true;
        }
    }
    return false;
}

// Whole rows from a fixed column, whole columns from a fixed row and the whole grid from the
// top-left block, as mouse move classified the pointer. True when the press selected.
bool TExtStringGrid::PressFromFixedCells(int ACol, int ARow, ui::TShiftState Shift)
{
    TMouseActions& ma = MouseActions();
    const bool range = (Options() & ui::goRangeSelect) != 0;
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    if (ACol < FixedCols() && ARow < FixedRows() && ma.AllSelect() && (range || ma.DisjunctRowSelect()) &&
        FMouseSelectMode == msAll) {
        if (CanFocus()) SetFocus();
        SetSelection(rtl::TRect{FixedCols(), FixedRows(), lastCol, lastRow});
        if (ma.DisjunctRowSelect())
            for (int r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r) SetRowSelect(r, true);
        return true;
    }
    if (ACol < FixedCols() && ARow >= FixedRows() && ma.RowSelect() && FMouseSelectMode == msRow) {
        const rtl::TRect old = Selection();
        if (ma.DisjunctRowSelect() && (Shift & ui::ssCtrl)) {
            SetRowSelect(RealRowIndex(ARow), !RowSelect(RealRowIndex(ARow)));
            return true;
        }
        if (ma.DisjunctRowSelect()) ResetRowSelect();
        if (Shift & ui::ssShift) {
            SetSelection(rtl::TRect{FixedCols(), old.Top, lastCol, ARow});
        } else {
            bool allowRow = true;
            if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, allowRow);
            if (allowRow) {
                MoveColRow(FixedCols(), ARow, true, true);
                SetSelection(rtl::TRect{FixedCols(), ARow, lastCol, ARow});
                if (ma.DisjunctRowSelect()) SetRowSelect(RealRowIndex(ARow), true);
            }
        }
        FMouseSelectStart = ARow;
        return true;
    }
    if (ACol >= FixedCols() && ARow < FixedRows() && ma.ColSelect() && range && FMouseSelectMode == msColumn) {
        const rtl::TRect old = Selection();
        if (CanFocus()) SetFocus();
        if (Shift & ui::ssShift) {
            if (ACol < old.Left)
                SetSelection(rtl::TRect{ACol, FixedRows(), old.Right, lastRow});
            else
                SetSelection(rtl::TRect{old.Left, FixedRows(), ACol, lastRow});
        } else {
            SetSelection(rtl::TRect{ACol, FixedRows(), ACol, lastRow});
        }
        FMouseSelectStart = ACol;
        return true;
    }
    return false;
}

// A press on the box of a check box or radio button toggles it, in any row. True when the
// press landed on a box it could act on.
bool TExtStringGrid::PressCheckBox(int ACol, int ARow, int X, int Y, ui::TShiftState Shift, bool Editable)
{
    const bool radio = HasRadioButton(ACol, ARow);
    const bool check = HasCheckBox(ACol, ARow);
    if (!radio && !check) return false;
    const bool alwaysActive = radio ? ControlLook().RadioAlwaysActive() : ControlLook().CheckAlwaysActive();
    const bool hotmail = ACol == 0 && MouseActions().HotmailRowSelect();
    if (!(Editable || alwaysActive || hotmail) || ACol >= ColCount() || ARow >= RowCount()) return false;
    const int w = RealColIndex(ACol);
    if (!IsInCheckBox(ACol, ARow, X, Y)) return false;
    if (FEditDisable) {
        SetOptions(Options() | ui::goEditing);
        FEditDisable = false;
    }
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
    const int realRow = RealRowIndex(ARow);
    bool changed = true;
    if (radio) {
        SelectRadioButton(w, ARow, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, w, ARow, 0);
    } else {
        changed = ToggleCheckBoxCell(w, ARow, true);
    }
    if (changed) {
        if (ShowModified().Enabled()) {
            SetRowModified(ARow, true);
            RepaintCell(0, ARow);
        }
        if (hotmail) SetRowSelect(realRow, !RowSelect(realRow));
        bool state = false;
        GetCheckBoxState(w, ARow, state);
        if (!Navigation().AlwaysEdit() && ACol >= FixedCols() && ARow >= FixedRows()) MoveColRow(ACol, ARow, true, true);
        CheckBoxClick(ACol, ARow, state);
        if (ARow < FixedRows() && MouseActions().CheckAllCheck()) {
            for (int r = FixedRows(); r < RowCount(); ++r)
                if (!IsSuppressedRow(r) && HasCheckBox(ACol, r)) SetCheckBoxState(w, r, state);
            if (OnCheckBoxChange) OnCheckBoxChange(this, w, ARow, state);
            Invalidate();
        }
    }
    if (OnMouseDown) OnMouseDown(this, ui::mbLeft, Shift, X, Y);
    Click();
    return true;
}

// A normal or fixed cell goes to the platform grid, which moves the current cell, starts a
// range selection, sizing or moving; then the click is reported and editing may start.
void TExtStringGrid::PressNormalCell(ui::TMessage& Message, int ACol, int ARow, rtl::TPoint Orig, bool Editable)
{
    const rtl::TRect rect = CellRect(ACol, ARow);
    const int X = FClickPos.X;
    const int Y = FClickPos.Y;
    const bool partial = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                         (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = (Options() & ui::goRowSelect) && Navigation().KeepHorizScroll();
    const int topBefore = TopRow();
    const int leftBefore = LeftCol();
    if (keepLeft) BeginUpdate();
    {
        struct TRestore {
            TExtStringGrid& G;
            bool KeepLeft;
            int Left;
            bool AlwaysEdit;
            ~TRestore()
            {
                G.Navigation().SetAlwaysEdit(AlwaysEdit);
                if (!KeepLeft) return;
                G.SetLeftCol(Left);
                G.EndUpdate();
            }
        } restore{*this, keepLeft, leftBefore, Navigation().AlwaysEdit()};
        Navigation().SetAlwaysEdit(false);
        if (!FSelHidden) PlatformMouse(Message);
    }
    if (FGridState == ui::gsSelecting && partial && MouseActions().NoAutoRangeScroll()) FGridState = ui::gsNormal;
    if (TopRow() != topBefore && MouseActions().NoScrollOnPartialRow()) {
        SetTopRow(topBefore + MouseActions().PartialScrollDelta());
        Perform(ui::WM_LBUTTONUP, 0, ui::MAKELPARAM(X, Y));
    }
    if (LeftCol() != leftBefore && MouseActions().NoScrollOnPartialCol()) {
        SetLeftCol(leftBefore + MouseActions().PartialScrollDelta());
        Perform(ui::WM_LBUTTONUP, 0, ui::MAKELPARAM(X, Y));
    }
    // A press on a header's edge grabs it for sizing: no click.
    const bool sizingGrab = ARow < FixedRows() && (Options() & ui::goColSizing) &&
                            (std::abs(X - rect.Left) < 4 || std::abs(X - rect.Right) < 4);
    if (!sizingGrab) ClickCell(ARow, ACol);
    if (OnCellValidate) SaveOldCellValue(Col(), Row());
    if (X < rect.Left + 4 || X > rect.Right - 4) return;
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows();
    if (!normal || !Editable || !MouseActions().DirectEdit() || HasCellControl(ACol, ARow)) return;
    bool allow = true;
    if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, allow);
    if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, allow);
    if ((ACol != Col() || ARow != Row()) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
    if (!allow) return;
    const rtl::TPoint target = IsBaseCell(Orig.X, Orig.Y) ? Orig : rtl::TPoint{ACol, ARow};
    if (Col() != target.X || Row() != target.Y) MoveColRow(target.X, target.Y, true, true);
    SaveOldCellValue(target.X, target.Y);
    // The press started a range selection; the editor takes the mouse from here.
    FGridState = ui::gsNormal;
    ShowInplaceEdit();
}

// The platform's press notification (either button): a header's drop-down button takes the
// press whole; otherwise the filter button of a filter edit cell is remembered for the
// release, column and row moving start here, and fixed-cell editors open as MouseActions say.
void TExtStringGrid::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    SetFilterPopPressCol(-1);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Button == ui::mbLeft) FClickPos = rtl::TPoint{X, Y};
    FDropDownDown = false;
    if (PressFixedDropDownButton(ACol, ARow, X, Y)) return;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if (Button == ui::mbLeft) StartMouseMoving(X, Y);
    // The size at the start of a sizing drag tells the release whether it changed anything.
    FSizingStartSize = -1;
    if (FGridState == ui::gsColSizing && FSizingIndex >= 0) FSizingStartSize = ColWidths(FSizingIndex);
    if (FGridState == ui::gsRowSizing && FSizingIndex >= 0) FSizingStartSize = RowHeights(FSizingIndex);
    if (ACol < 0 || ARow < 0 || !(ACol < FixedCols() || ARow < FixedRows())) return;
    if (HasFilterEdit(ACol, ARow)) {
        const rtl::TRect r = CellRect(ACol, ARow);
        // The filter-type button is the 16 × 16 square at the cell's top-left.
        if (X > r.Left && X < r.Left + 16 && Y > r.Top && Y < r.Top + 16) SetFilterPopPressCol(ACol);
    }
    PressOpensFixedCellEditor(Button, ACol, ARow, X, Y);
}

void TExtStringGrid::ClickRadioAt(int ACol, int ARow, int Y, int X)
{
    const rtl::TPoint base = BaseCell(ACol, ARow);
    if (!IsFixed(base.X, base.Y)) MoveColRow(base.X, base.Y, true, true);
    const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (g == nullptr || g->CellType() != ctRadio) return;
    gfx::TCanvas& canvas = Canvas();
    canvas.Font().Assign(&GetCellFont(base.X, base.Y));
    const TControlStyle style = ControlLook().ControlStyle();
    const int r = style >= csWinXP ? 16 : ControlLook().RadioSize();
    const bool sideBySide = g->CellBoolean();
    const auto* items = dynamic_cast<const rtl::TStrings*>(g->CellBitmap());
    if (items == nullptr) return;
    const int h = std::max(r, canvas.TextHeight("gh"));
    int d = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const int span = sideBySide ? canvas.TextWidth(items->Get(i)) + r : h;
        const int pos = sideBySide ? X : Y;
        if (pos > d && pos < d + span) {
            SetCellEx(base.X, base.Y, items->Get(i));
            SetRadioIdx(base.X, base.Y, i);
            if (OnRadioClick) OnRadioClick(this, ACol, ARow, i);
            return;
        }
        d += span;
    }
}

// With touch scrolling a press on a cell other than the current one (below the fixed rows,
// without Shift) only reports the click; the drag then scrolls and the release decides.
bool TExtStringGrid::TouchScrollPress(int ACol, int ARow, int X, int Y, ui::TShiftState Shift)
{
    if (!MouseActions().TouchScroll() || EditorMode() || ACol < 0 || ARow < FixedRows()) return false;
    if ((ACol == Col() && ARow == Row()) || (Shift & ui::ssShift)) return false;
    ClickCell(ARow, ACol);
    FTimeStart = ui::GetTickCount();
    FScrollSteps = 0;
    FTouchDown = {X, Y};
    FTopDown = TopRow();
    FLeftRight = LeftCol();
    FScrollStart = true;
    if (Options() & ui::goRowSelect) {
        if (Shift & ui::ssCtrl) {
            SetRowSelect(RealRowIndex(ARow), !RowSelect(RealRowIndex(ARow)));
        } else {
            ResetRowSelect();
            MoveColRow(Col(), ARow, true, true);
        }
    }
    SetMouseCapture(true);
    return true;
}

}  // namespace grid
