// The grid's drop-down cell editors: keys that validate and leave, change and key-press events, exit that stores.
#include "grid/editing/GridDropDownEditors.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridDropDownEditorMaking.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

// The keys that end or move an edit. Alt+Down is not among them: the drop-down opens with it.
bool IsNavigationKey(ui::WORD k)
{
    using namespace ui;
    return k == VK_TAB || k == VK_RETURN || k == VK_ESCAPE || k == VK_PRIOR || k == VK_NEXT || k == VK_END ||
           k == VK_UP || k == VK_DOWN;
}

bool IsCursorKey(ui::WORD k)
{
    return k >= ui::VK_PRIOR && k <= ui::VK_DOWN;
}

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8Length(s));
}

}  // namespace

TGridControlDropDown* GridControlDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridControlDropDown>(Grid);
}

TGridControlDropDown::TGridControlDropDown(rtl::TComponent* AOwner)
    : TExtControlDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridControlDropDown"))
{
}

void TGridControlDropDown::Change()
{
    TExtControlDropDown::Change();
    if (FGrid->OnEditChange) {
        std::string value = Text();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), value);
    }
}

void TGridControlDropDown::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
    TExtControlDropDown::KeyPress(Key);
}

void TGridControlDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtControlDropDown::DoExit(); });
}

void TGridControlDropDown::WndProc(ui::TMessage& Message)
{
    TExtControlDropDown::WndProc(Message);
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

void TGridControlDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (!IsNavigationKey(Key)) {
        TExtControlDropDown::KeyDown(Key, Shift);
        return;
    }
    // Escape undoes the typing: the stored cell value comes back and the grid takes the focus.
    if (Key == VK_ESCAPE) {
        SetTextDirect(FGrid->GetCurrentCell());
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->SetCurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            // Refused: the text the validation left stays selected for correcting, no advance.
            SetTextDirect(FGrid->NewCellText());
            SetSelStart(0);
            SetSelLength(Length(Text()));
            Invalidate();
            Key = 0;
            FGrid->SetNoAutoAdvance(true);
            return;
        }
        SetTextDirect(FGrid->GetCurrentCell());
    }
    if (Key == VK_TAB && FGrid->GridHandlesTab()) {
        FGrid->SetCurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            SetTextDirect(FGrid->NewCellText());
            SetSelStart(Length(Text()));
            SetSelLength(0);
            Invalidate();
            Key = 0;
            return;
        }
        if ((FGrid->Options() & goTabs) != 0) {
            FGrid->HideInplaceEdit();
            FGrid->SetFocus();
            FGrid->NavigateFromEditor(GetKeyState(VK_SHIFT) < 0);
            return;
        }
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (DroppedDown()) {
        if (WantArrows && IsCursorKey(Key)) {
            Key = 0;
            TExtControlDropDown::KeyDown(Key, Shift);
            return;
        }
        FGrid->HideInplaceEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
    } else if (Key == VK_END) {
        TExtControlDropDown::KeyDown(Key, Shift);
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    if (FGrid->Navigation().AdvanceOnEnter() && FGrid->Navigation().AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
    Key = 0;
    TExtControlDropDown::KeyDown(Key, Shift);
}

}  // namespace grid
