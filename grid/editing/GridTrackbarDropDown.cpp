// The grid's track-bar cell editor: keys that store or restore through the track bar, caret at the click.
#include "grid/editing/GridTrackbarDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/rtl/NumberText.h"

namespace grid {

TGridTrackbarDropDown* GridTrackbarDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridTrackbarDropDown>(Grid, [](TGridTrackbarDropDown& e) { e.SetEditorEnabled(true); });
}

TGridTrackbarDropDown::TGridTrackbarDropDown(rtl::TComponent* AOwner)
    : TExtTrackBarDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridTrackbarDropDown"))
{
}

void TGridTrackbarDropDown::ShowCellText(const std::string& text)
{
    int value = Min();
    if (!rtl::TryStrToInt(text, value)) value = Min();
    SetPosition(value);
    // The track bar writes the text only when it moves.
    SetTextDirect(rtl::IntToStr(Position()));
    FShownCell = text;
    FShownText = Text();
}

void TGridTrackbarDropDown::Change()
{
    TExtTrackBarDropDown::Change();
    DropDownEditorChanged(*FGrid, Text());
}

void TGridTrackbarDropDown::KeyPress(char32_t& Key)
{
    DropDownEditorKeyPress(*FGrid, *this, Key);
    TExtTrackBarDropDown::KeyPress(Key);
}

void TGridTrackbarDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtTrackBarDropDown::DoExit(); });
}

void TGridTrackbarDropDown::WndProc(ui::TMessage& Message)
{
    // The key asked about, as it came: the parent's handling may clear it.
    const auto key = static_cast<ui::WORD>(Message.WParam);
    TExtTrackBarDropDown::WndProc(Message);
    if (Message.Msg == ui::WM_SETFOCUS) PlaceCaretAtClick(*FGrid, *this, [this](int x, int y) { return PosAt(x, y); });
    if (Message.Msg != ui::CM_WANTSPECIALKEY) return;
    if ((key == ui::VK_TAB && FGrid->GridHandlesTab()) || key == ui::VK_RETURN || key == ui::VK_ESCAPE)
        Message.Result = 1;
}

void TGridTrackbarDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    TDropDownEditorKeys keys;
    keys.Value = [this] { return Value(); };
    // Storing and restoring move the track bar; a cell text that is no integer leaves it.
    keys.SetText = [this](const std::string& text) {
        int value = 0;
        if (rtl::TryStrToInt(text, value)) SetText(text);
    };
    keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { TExtCustomDropDown::KeyDown(key, shift); };
    DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
}

}  // namespace grid
