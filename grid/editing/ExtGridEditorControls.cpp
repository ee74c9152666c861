// String grid editor controls: their creation and wiring, the fixed-cell change handlers, and the edit-ending steps they call.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditors.h"
#include "platform/ui/Keyboard.h"

namespace grid {

// Every control is the grid's child, hidden; all but the fixed-cell and form-control
// editors start disabled (the grid enables the one it shows).
void TExtStringGrid::CreateEditorControls()
{
    FEditors = std::make_unique<TGridEditorControls>();
    TGridEditorControls& e = *FEditors;
    auto place = [this](ui::TWinControl& c, bool disabled) {
        c.SetParent(this);
        c.SetVisible(false);
        if (disabled) c.SetEnabled(false);
    };

    e.EditCombo = std::make_unique<TGridCombo>(this);
    place(*e.EditCombo, true);
    e.EditCombo->SetIsWinXP(FIsWinXP);
    e.EditCombo->SetIsVista(FIsWinVista && FIsComCtl6);

    e.EditTrans = std::make_unique<TGridTransEdit>(this);
    place(*e.EditTrans, false);
    e.EditTrans->SetBorderThickness(0);
    e.EditTrans->SetFilterEdit(false);
    e.EditTrans->OnChange = [this](rtl::TObject* Sender) { FixedEditChange(Sender); };
    e.ComboTrans = std::make_unique<TGridTransCombo>(this);
    place(*e.ComboTrans, false);
    e.ComboTrans->OnChange = [this](rtl::TObject* Sender) { FixedEditChange(Sender); };
    e.ComboTrans->OnSelect = [this](rtl::TObject* Sender) { FixedComboSelect(Sender); };

    e.EditCheck = std::make_unique<TGridCheckBox>(this);
    place(*e.EditCheck, true);

    e.EditBtn = std::make_unique<TGridEditBtn>(this);
    place(*e.EditBtn, true);
    e.EditBtn->SetBorderThickness(0);
    e.EditBtn->SetButtonCaption("...");
    e.EditBtn->SetIsWinXP(FIsWinXP);
    e.UnitEditBtn = std::make_unique<TGridUnitEditBtn>(this);
    place(*e.UnitEditBtn, true);
    e.UnitEditBtn->SetBorderThickness(0);
    e.UnitEditBtn->SetButtonCaption("...");
    e.UnitEditBtn->OnUnitChanged = [this](rtl::TObject*, const std::string& NewUnit) {
        if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
    };

    e.GridButton = std::make_unique<TGridButton>(this);
    place(*e.GridButton, true);
    e.GridButton->OnClick = [this](rtl::TObject*) { ButtonClick(Col(), Row()); };

    e.EditControl = std::make_unique<TControlEdit>(this);
    place(*e.EditControl, false);
    e.ComboControl = std::make_unique<TControlCombo>(this);
    place(*e.ComboControl, false);
}

TGridCombo* TExtStringGrid::EditCombo() const { return FEditors ? FEditors->EditCombo.get() : nullptr; }
TGridTransEdit* TExtStringGrid::EditTrans() const { return FEditors ? FEditors->EditTrans.get() : nullptr; }
TGridTransCombo* TExtStringGrid::ComboTrans() const { return FEditors ? FEditors->ComboTrans.get() : nullptr; }
TGridCheckBox* TExtStringGrid::EditCheck() const { return FEditors ? FEditors->EditCheck.get() : nullptr; }
TGridEditBtn* TExtStringGrid::EditBtn() const { return FEditors ? FEditors->EditBtn.get() : nullptr; }
TGridUnitEditBtn* TExtStringGrid::UnitEditBtn() const { return FEditors ? FEditors->UnitEditBtn.get() : nullptr; }
TGridButton* TExtStringGrid::GridButton() const { return FEditors ? FEditors->GridButton.get() : nullptr; }
TControlEdit* TExtStringGrid::EditControlEdit() const { return FEditors ? FEditors->EditControl.get() : nullptr; }
TControlCombo* TExtStringGrid::ComboControl() const { return FEditors ? FEditors->ComboControl.get() : nullptr; }

void TExtStringGrid::FixedEditChange(rtl::TObject* Sender)
{
    if (!OnEditChange) return;
    if (auto* edit = dynamic_cast<TGridTransEdit*>(Sender)) {
        std::string v = edit->Text();
        OnEditChange(this, edit->Col(), edit->Row(), v);
    } else if (auto* combo = dynamic_cast<TGridTransCombo*>(Sender)) {
        std::string v = combo->Text();
        OnEditChange(this, combo->Col(), combo->Row(), v);
    }
}

void TExtStringGrid::FixedComboSelect(rtl::TObject* Sender)
{
    auto* combo = dynamic_cast<TGridTransCombo*>(Sender);
    if (combo == nullptr || !OnComboChange) return;
    int i = combo->ItemIndex();
    OnComboChange(this, combo->Col(), combo->Row(), i, i >= 0 ? combo->Items().Get(i) : std::string());
}

bool TExtStringGrid::GridHandlesTab() const
{
    return (Options() & ui::goTabs) != 0 || OnCellValidate || OnCellValidateWide;
}

// Nothing for a cell holding a clickable control; otherwise the current cell is scrolled
// into view and the platform grid shows its editor (which asks CanEditShow).
void TExtStringGrid::ShowInplaceEdit()
{
    if (HasCellControl(Col(), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    if ((Options() & ui::goEditing) == 0 && MouseActions().RangeSelectAndEdit())
        SetOptions(Options() | ui::goEditing);
    ShowEditor();
}

void TExtStringGrid::DoneInplaceEdit(ui::WORD Key, ui::TShiftState Shift)
{
    HideInplaceEdit();
    if (Key == ui::VK_TAB || (Key >= ui::VK_LEFT && Key <= ui::VK_DOWN)) {
        ui::WORD k = Key;
        KeyDown(k, Shift);
    }
    bool alwaysEdit = Navigation().AlwaysEdit();
    Navigation().SetAlwaysEdit(false);
    if (CanFocus()) SetFocus();
    if (Key == ui::VK_RETURN) AdvanceEdit(Col(), Row(), false, false, (Shift & ui::ssShift) == 0, true, false);
    Navigation().SetAlwaysEdit(alwaysEdit);
}

// The candidate goes through OnCellValidate (by the grid's hook, told the real column) when
// it differs from the text the edit started from; an accepted value is stored in the
// current (displayed) cell, a refused one puts back the old text there, or the handler's
// own value when it changed it.
bool TExtStringGrid::ValidateCell(const std::string& NewValue)
{
    int acol = Col();
    int arow = Row();
    bool sameCell = OldCol() == Col() && OldRow() == arow;
    std::string oldText = sameCell ? OldCellText() : CellCache();
    FNewCellText = NewValue;
    if (NewValue == oldText) {
        SaveOldCellValue(Col(), arow);
        return true;
    }
    std::string value = NewValue;
    bool valid = true;
    ValidateCell(RealColIndex(acol), arow, value, valid);
    FNewCellText = value;
    if (valid) SetCellEx(acol, arow, value);
    else SetCellEx(acol, arow, value != NewValue ? value : oldText);
    SaveOldCellValue(Col(), arow);
    return valid;
}

namespace {

struct TCellStep {
    int Col;
    int Row;
    bool Moved;
};

// One step in the advance direction over the normal cells, wrapping to the next row or
// column (and round to the first one with Loop); the InRow and InCol directions stay in
// their row or column.
TCellStep StepCell(int col, int row, TAdvanceDirection dir, bool forward, int c0, int c1, int r0, int r1, bool loop)
{
    int d = forward ? 1 : -1;
    bool byRow = dir == adLeftRight || dir == adLeftRightInRow;
    bool stay = dir == adLeftRightInRow || dir == adTopBottomInCol;
    int& inner = byRow ? col : row;
    int& outer = byRow ? row : col;
    int iLo = byRow ? c0 : r0, iHi = byRow ? c1 : r1;
    int oLo = byRow ? r0 : c0, oHi = byRow ? r1 : c1;
    int oldCol = col, oldRow = row;
    inner += d;
    if (inner > iHi || inner < iLo) {
        inner = forward ? iLo : iHi;
        if (!stay) {
            outer += d;
            if (outer > oHi || outer < oLo) {
                if (!loop) return {oldCol, oldRow, false};
                outer = forward ? oLo : oHi;
            }
        }
    }
    return {col, row, col != oldCol || row != oldRow};
}

}  // namespace

void TExtStringGrid::AdvanceEdit(int ACol, int ARow, bool Show, bool /*Repeat*/, bool Forward, bool AutoEdit,
                                 bool Force)
{
    if (FNoAutoAdvance) {
        FNoAutoAdvance = false;
        return;
    }
    if (!Force && !Navigation().AdvanceOnEnter()) return;
    int c1 = ColCount() - FixedRightCols() - 1;
    int r1 = RowCount() - FixedFooters() - 1;
    if (c1 < FixedCols() || r1 < FixedRows()) return;
    TCellStep s = StepCell(ACol, ARow, Navigation().AdvanceDirection(), Forward, FixedCols(), c1, FixedRows(), r1,
                           Navigation().AdvanceOnEnterLoop());
    if (!s.Moved) return;
    MoveColRow(s.Col, s.Row, true, true);
    if (Show && AutoEdit) ShowInplaceEdit();
}

bool TExtStringGrid::NavigateFromEditor(bool Backward)
{
    int c1 = ColCount() - FixedRightCols() - 1;
    int r1 = RowCount() - FixedFooters() - 1;
    if (c1 < FixedCols() || r1 < FixedRows()) return true;
    TCellStep s = StepCell(Col(), Row(), adLeftRight, !Backward, FixedCols(), c1, FixedRows(), r1, false);
    if (s.Moved) MoveColRow(s.Col, s.Row, true, true);
    return true;
}

}  // namespace grid
