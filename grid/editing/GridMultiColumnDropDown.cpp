// The grid's edGridDropDown cell editor: keys that validate and leave, change and key-press
// events, exit that stores.
#include "grid/editing/GridMultiColumnDropDown.h"

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

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8Length(s));
}

}  // namespace

TGridGridDropDown* GridDropDown(TExtStringGrid& Grid)
{
    return GridDropDownEditor<TGridGridDropDown>(Grid);
}

TGridGridDropDown::TGridGridDropDown(rtl::TComponent* AOwner)
    : TExtMultiColumnDropDown(AOwner), FGrid(RequireGrid(AOwner, "TGridGridDropDown"))
{
}

void TGridGridDropDown::Change()
{
    TExtMultiColumnDropDown::Change();
    if (FGrid->OnEditChange) {
        std::string value = Text();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), value);
    }
}

void TGridGridDropDown::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
    TExtMultiColumnDropDown::KeyPress(Key);
}

void TGridGridDropDown::DoExit()
{
    EditorExit(*FGrid, [this] { TExtMultiColumnDropDown::DoExit(); });
}

void TGridGridDropDown::WndProc(ui::TMessage& Message)
{
    TExtMultiColumnDropDown::WndProc(Message);
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB && FGrid->GridHandlesTab())
        Message.Result = 1;
}

bool TGridGridDropDown::StoreAndValidate(ui::WORD& Key, bool selectAll)
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

void TGridGridDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (!IsNavigationKey(Key)) {
        TExtMultiColumnDropDown::KeyDown(Key, Shift);
        return;
    }
    // Escape closes the list dropping its changes, then undoes the typing: the stored cell
    // value comes back and the grid takes the focus.
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
        TExtMultiColumnDropDown::KeyDown(Key, Shift);
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    if (FGrid->Navigation().AdvanceOnEnter() && FGrid->Navigation().AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
    Key = 0;
    TExtMultiColumnDropDown::KeyDown(Key, Shift);
}

}  // namespace grid
