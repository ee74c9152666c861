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

// The editor control has validated its value before it ends the edit.
void TExtStringGrid::DoneInplaceEdit(ui::WORD Key, ui::TShiftState Shift)
{
    FEditing = false;
    HideInplaceEdit();
    if (Navigation().AppendOnArrowDown() && Key == ui::VK_DOWN && IsLastNormalRow()) AppendRowOnArrowDown();
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

}  // namespace grid
