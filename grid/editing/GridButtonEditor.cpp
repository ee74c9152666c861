// The grid's push-button cell editor: release and Space pass the caption through the ellipsis handler.
#include "grid/editing/GridButtonEditor.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {
bool IsArrow(ui::WORD k) { return k == ui::VK_LEFT || k == ui::VK_UP || k == ui::VK_RIGHT || k == ui::VK_DOWN; }
}  // namespace

TGridButton::TGridButton(rtl::TComponent* AOwner) : ui::TButton(AOwner), FGrid(RequireGrid(AOwner, "TGridButton")) {}

void TGridButton::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

void TGridButton::PassCaption()
{
    std::string s = Caption();
    FGrid->EllipsClick(FGrid->Col(), FGrid->Row(), s);
    SetCaption(s);
    FGrid->SetCurrentCell(s);
}

void TGridButton::CloseButton()
{
    SetVisible(false);
    SetEnabled(false);
    FGrid->SetEditorMode(false);
    FGrid->SetFocus();
}

void TGridButton::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY) {
        ui::WORD k = static_cast<ui::WORD>(Message.WParam);
        if (k == ui::VK_ESCAPE || IsArrow(k)) {
            Message.Result = 1;
            return;
        }
    }
    ui::TButton::WndProc(Message);
}

void TGridButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && Parent() == FGrid) PassCaption();
    ui::TButton::MouseUp(Button, Shift, X, Y);
}

void TGridButton::KeyUp(ui::WORD& Key, ui::TShiftState /*Shift*/)
{
    if (Key != ui::VK_SPACE) return;
    PassCaption();
    if (CanFocus()) SetFocus();
    Invalidate();
}

void TGridButton::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (IsArrow(Key)) {
        ui::WORD k = Key;
        FGrid->Perform(ui::WM_KEYDOWN, k, 0);
        CloseButton();
        FGrid->Perform(ui::WM_KEYUP, k, 0);
        return;
    }
    if (Key == ui::VK_ESCAPE) {
        CloseButton();
        FGrid->RestoreCellCache();
        FGrid->Perform(ui::WM_KEYDOWN, ui::VK_ESCAPE, 0);
        return;
    }
    ui::TButton::KeyDown(Key, Shift);
}

void TGridButton::DoExit()
{
    EditorExit(*FGrid, [this] { ui::TButton::DoExit(); });
}

}  // namespace grid
