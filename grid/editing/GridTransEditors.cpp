// The fixed-cell editors: Enter and focus loss validate, store the text in the header cell and hide the editor.
#include "grid/editing/GridTransEditors.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {

// Validation shared by both editors: OnCellValidate may change the text and refuse it;
// an accepted text fires OnEditingDone and goes into the cell.
bool ValidateAndStore(TExtStringGrid& grid, int col, int row, std::string text)
{
    bool valid = true;
    if (grid.OnCellValidate) grid.OnCellValidate(&grid, col, row, text, valid);
    if (!valid) return false;
    if (grid.OnEditingDone) grid.OnEditingDone(&grid);
    grid.SetCells(col, row, text);
    return true;
}

// A refused value: the grid's current cell becomes the edited cell and the editor takes
// the focus again.
void KeepEditing(TExtStringGrid& grid, ui::TWinControl& editor, int col, int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
    if (editor.CanFocus()) editor.SetFocus();
}

}  // namespace

// ===== TGridTransEdit

TGridTransEdit::TGridTransEdit(rtl::TComponent* AOwner)
    : ui::TEdit(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    SetVisible(false);
}

bool TGridTransEdit::StopEdit()
{
    if (FGrid == nullptr) {
        SetVisible(false);
        return true;
    }
    FBalloonShown = false;
    if (ValidateAndStore(*FGrid, FCol, FRow, Text())) {
        SetVisible(false);
        // The filter text of a filter edit cell filters its column at once.
        if (FFilterEdit) FGrid->ApplyEditRowFilter(FCol, ftNone);
        return true;
    }
    FBalloonShown = !FGrid->InvalidEntryText().empty() || !FGrid->InvalidEntryTitle().empty();
    KeepEditing(*FGrid, *this, FCol, FRow);
    return false;
}

void TGridTransEdit::KeyPress(char32_t& Key)
{
    if (Key == U'\r') {
        Key = 0;
        StopEdit();
    }
    ui::TEdit::KeyPress(Key);
}

// A refusal takes the focus back while the focus is moving; the nested exit that this may
// cause is not stopped a second time.
void TGridTransEdit::DoExit()
{
    ui::TEdit::DoExit();
    if (!Visible() || FStopping) return;
    FStopping = true;
    StopEdit();
    FStopping = false;
}

// ===== TGridTransCombo

TGridTransCombo::TGridTransCombo(rtl::TComponent* AOwner)
    : ui::TComboBox(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    SetVisible(false);
}

bool TGridTransCombo::StopEdit()
{
    FBalloonShown = false;
    if (FGrid == nullptr) {
        SetVisible(false);
        return true;
    }
    if (ValidateAndStore(*FGrid, FCol, FRow, Text())) {
        SetVisible(false);
        return true;
    }
    // The balloon goes to the combo's edit part, which a list-style combo lacks.
    FBalloonShown = !FGrid->InvalidEntryText().empty() ||
                    (!FGrid->InvalidEntryTitle().empty() && Style() != ui::csDropDownList);
    KeepEditing(*FGrid, *this, FCol, FRow);
    return false;
}

// Scroll bar expected (more items than DropDownCount): an item wider than w − 25 gives
// w := item + 25; otherwise an item wider than w − 5 gives w := item + 8.
void TGridTransCombo::SizeDropDownWidth()
{
    int w = Width();
    bool scroll = Items().Count() > DropDownCount();
    gfx::TCanvas* c = FGrid != nullptr ? &FGrid->Canvas() : nullptr;
    for (int i = 0; i < Items().Count() && c != nullptr; ++i) {
        int tw = c->TextWidth(Items().Get(i));
        if (scroll) {
            if (tw > w - 25) w = tw + 25;
        } else if (tw > w - 5) {
            w = tw + 8;
        }
    }
    FDropWidth = w;
}

void TGridTransCombo::ApplyDropWidth()
{
    if (DroppedDown() && DropList() != nullptr && FDropWidth > Width())
        DropList()->SetBounds(DropList()->Left(), DropList()->Top(), FDropWidth, DropList()->Height());
}

void TGridTransCombo::KeyPress(char32_t& Key)
{
    if (Key == U'\r') Key = 0;
    ui::TComboBox::KeyPress(Key);
}

void TGridTransCombo::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    ui::TComboBox::KeyDown(Key, Shift);
    ApplyDropWidth();
}

void TGridTransCombo::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TComboBox::MouseDown(Button, Shift, X, Y);
    ApplyDropWidth();
}

void TGridTransCombo::DoExit()
{
    ui::TComboBox::DoExit();
    if (!Visible() || FStopping) return;
    FStopping = true;
    StopEdit();
    FStopping = false;
}

}  // namespace grid
