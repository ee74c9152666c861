// The grid's calculator cell editor: opened over the cell, keys that compute, store or
// restore, and the value stored when it closes.
#include "grid/editing/GridCalculatorDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridEditorContract.h"

namespace grid {

TGridCalculatorDropDown* GridCalculatorDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridCalculatorDropDown>(Grid, [](TGridCalculatorDropDown& dd) {
        dd.SetEditorEnabled(true);
    });
}

TGridCalculatorDropDown::TGridCalculatorDropDown(rtl::TComponent* AOwner)
    : TExtCalculatorDropdown(AOwner), FGrid(RequireGrid(AOwner, "TGridCalculatorDropDown"))
{
}

// Sound behaviour: one editor serves every cell, so an operation left pending in one cell's
// edit (cancelled with Escape, say) must not be applied to the next cell's number.
void TGridCalculatorDropDown::ShowCellText(const std::string& text)
{
    StartCalculation();
    SetText(text);
    FShownCell = text;
    FShownText = Text();
}

void TGridCalculatorDropDown::Change()
{
    TExtCalculatorDropdown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridCalculatorDropDown::CalcKeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    if (Key != 0) TExtCalculatorDropdown::CalcKeyPress(Key);
}

void TGridCalculatorDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtCalculatorDropdown::DoExit(); });
}

void TGridCalculatorDropDown::WndProc(ui::TMessage& Message)
{
    TExtCalculatorDropdown::WndProc(Message);
    if (Message.Msg == ui::WM_SETFOCUS) PlaceCaretAtClick(*FGrid, *this, [this](int x, int y) { return PosAt(x, y); });
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

void TGridCalculatorDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_RETURN) CalcResult();
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    keys.SetText = [this](const std::string& text) { SetTextDirect(text); };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtCustomDropDown::KeyDown(key, shift); };
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

void ShowGridCalculator(TExtStringGrid& Grid, int ACol, int ARow, const std::string& Text, gfx::TColor Color,
                        char32_t StartChar)
{
    TGridCalculatorDropDown& dd = *GridCalculatorDropDown(Grid);
    dd.SetComponentStyle(Grid.Style());
    dd.SetEditorEnabled(true);
    Grid.GetEditorProp(Grid.RealColIndex(ACol), ARow, nullptr);
    dd.SetBorderThickness(0);
    const rtl::TRect r = Grid.CellRect(ACol, ARow);
    dd.SetBounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    dd.ShowCellText(Text);
    dd.SetEnabled(true);
    dd.SetVisible(true);
    dd.SetColor(Color);
    if (dd.CanFocus()) dd.SetFocus();
    if (StartChar != 0) dd.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(StartChar), 0);
    if (Grid.MouseActions().DirectComboDrop()) dd.ShowDropDown();
}

void HideGridCalculator(TExtStringGrid& Grid, int ACol, int ARow)
{
    TGridCalculatorDropDown& dd = *GridCalculatorDropDown(Grid);
    if (dd.DroppedDown()) dd.HideDropDown(false);
    Grid.SetCellFromEditor(Grid.RealColIndex(ACol), ARow, dd.Value());
    const bool hadFocus = dd.Focused();
    dd.SetEnabled(false);
    dd.SetVisible(false);
    if (hadFocus && Grid.CanFocus()) Grid.SetFocus();
}

}  // namespace grid
