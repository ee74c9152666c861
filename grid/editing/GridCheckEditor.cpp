// The grid's check box cell editor: toggles on the press and on Space; navigation keys close it and move on.
#include "grid/editing/GridCheckEditor.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/ui/Keyboard.h"

namespace grid {

TGridCheckBox::TGridCheckBox(rtl::TComponent* AOwner) : ui::TCheckBox(AOwner), FGrid(RequireGrid(AOwner, "TGridCheckBox"))
{
}

void TGridCheckBox::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

// The press toggles at once; the release then has nothing left to toggle.
void TGridCheckBox::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft) {
        Toggle();
        if (CanFocus() && !Focused()) SetFocus();
    }
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TGridCheckBox::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
}

// The keys that close the editor are claimed, so the form never takes them as dialog keys.
void TGridCheckBox::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY) {
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_PRIOR || k == ui::VK_NEXT || k == ui::VK_END ||
            (k >= ui::VK_LEFT && k <= ui::VK_DOWN)) {
            Message.Result = 1;
            return;
        }
    }
    ui::TCheckBox::WndProc(Message);
}

void TGridCheckBox::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (Key == VK_SPACE) {
        Toggle();
        return;
    }
    bool closes = Key == VK_RETURN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_LEFT ||
                  Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
    if (!closes) {
        ui::TCheckBox::KeyDown(Key, Shift);
        return;
    }
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    if (Key == VK_RETURN)
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, GetKeyState(VK_SHIFT) >= 0, true, false);
    if (Key == VK_UP || Key == VK_DOWN) FGrid->Perform(WM_KEYDOWN, Key, 0);
}

void TGridCheckBox::KeyUp(ui::WORD& Key, ui::TShiftState Shift) { ui::TCustomControl::KeyUp(Key, Shift); }

void TGridCheckBox::DoExit()
{
    EditorExit(*FGrid, [this] { ui::TCheckBox::DoExit(); });
}

}  // namespace grid
