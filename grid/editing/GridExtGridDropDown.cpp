// The grid's edExtGridDropDown cell editor: keys that validate and leave, change and key-press
// events, exit that stores.
#include "grid/editing/GridExtGridDropDown.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridDropDownEditorMaking.h"
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

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8Length(s));
}

}  // namespace

TGridExtGridDropDown* ExtGridDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridExtGridDropDown>(Grid);
}

TGridExtGridDropDown::TGridExtGridDropDown(rtl::TComponent* AOwner)
    : TCustomExtGridDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridExtGridDropDown"))
{
}

void TGridExtGridDropDown::Change()
{
    TCustomExtGridDropDown::Change();
    if (FGrid->OnEditChange) {
        std::string value = Text();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), value);
    }
}

void TGridExtGridDropDown::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
    TCustomExtGridDropDown::KeyPress(Key);
}

void TGridExtGridDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TCustomExtGridDropDown::DoExit(); });
}

void TGridExtGridDropDown::WndProc(ui::TMessage& Message)
{
    TCustomExtGridDropDown::WndProc(Message);
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

bool TGridExtGridDropDown::StoreAndValidate(ui::WORD& Key, bool selectAll)
{
    FGrid->SetCurrentCell(Text());
    if (FGrid->ValidateCell(Text())) return true;
    SetTextDirect(FGrid->NewCellText());
    SetSelStart(selectAll ? 0 : Length(Text()));
    SetSelLength(selectAll ? Length(Text()) : 0);
    Invalidate();
    Key = 0;
    return false;
}

void TGridExtGridDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (!IsNavigationKey(Key)) {
        TCustomExtGridDropDown::KeyDown(Key, Shift);
        return;
    }
    // Escape undoes the typing: the stored cell value comes back and the grid takes the focus.
    // An open pop-up closes first dropping its changes, or closing the edit would store the
    // row it was moved to.
    if (Key == VK_ESCAPE) {
        HideDropDown(true);
        SetTextDirect(FGrid->GetCurrentCell());
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!StoreAndValidate(Key, true)) {
            FGrid->SetNoAutoAdvance(true);
            return;
        }
        SetTextDirect(FGrid->GetCurrentCell());
    }
    if (Key == VK_TAB && FGrid->GridHandlesTab()) {
        if (!StoreAndValidate(Key, false)) return;
        if ((FGrid->Options() & goTabs) != 0) {
            FGrid->HideInplaceEdit();
            FGrid->SetFocus();
            FGrid->NavigateFromEditor(GetKeyState(VK_SHIFT) < 0);
            return;
        }
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (DroppedDown()) {
        FGrid->HideInplaceEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
    } else if (Key == VK_END) {
        TCustomExtGridDropDown::KeyDown(Key, Shift);
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    if (FGrid->Navigation().AdvanceOnEnter() && FGrid->Navigation().AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
    Key = 0;
    TCustomExtGridDropDown::KeyDown(Key, Shift);
}

}  // namespace grid
