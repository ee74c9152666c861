// The grid's memo cell editor: the cell's lines in the memo, keys that store or restore, caret at the click.
#include "grid/editing/GridMemoDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/rtl/StringList.h"

namespace grid {

TGridMemoDropDown* GridMemoDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridMemoDropDown>(Grid);
}

TGridMemoDropDown::TGridMemoDropDown(rtl::TComponent* AOwner)
    : TExtMemoDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridMemoDropDown"))
{
}

void TGridMemoDropDown::ShowCellText(const std::string& text)
{
    rtl::TStringList lines;
    lines.SetText(text);
    SetMemoText(lines);
    SetSelStart(0);
    SetSelLength(0);
    FShownCell = text;
    FShownText = CellText();
}

std::string TGridMemoDropDown::CellText() const
{
    const rtl::TStrings& lines = MemoText();
    std::string text;
    for (int i = 0; i < lines.GetCount(); ++i) text += lines.Get(i) + "\r\n";
    return text;
}

void TGridMemoDropDown::Change()
{
    TExtMemoDropDown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridMemoDropDown::KeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    TExtMemoDropDown::KeyPress(Key);
}

void TGridMemoDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtMemoDropDown::DoExit(); });
}

void TGridMemoDropDown::WndProc(ui::TMessage& Message)
{
    TExtMemoDropDown::WndProc(Message);
    if (Message.Msg == ui::WM_SETFOCUS) PlaceCaretAtClick(*FGrid, *this, [this](int x, int y) { return PosAt(x, y); });
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

void TGridMemoDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    // Restoring puts the cell's lines back into the memo.
    keys.SetText = [this](const std::string& text) { ShowCellText(text); };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtCustomDropDown::KeyDown(key, shift); };
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

}  // namespace grid
