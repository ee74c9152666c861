// The cell form-control editors: Enter and Tab characters end the edit and hand the focus back to the grid.
#include "grid/editing/ControlEditors.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"

namespace grid {

namespace {

// Posted by the control combo to itself when its list closes.
constexpr ui::UINT ClosedUpMessage = ui::WM_USER + 0x0C1;

// Enter or Tab typed into a form-control editor on a grid: the character is dropped, the
// editor's exit runs (which stores its value) and the grid takes the focus; Tab then
// advances when Navigation.AdvanceAuto is on, else opens the cell's next form control.
bool EndsEdit(ui::TWinControl& editor, const std::function<void()>& doExit, ui::TMessage& Message)
{
    if (Message.Msg != ui::WM_CHAR) return false;
    char32_t ch = static_cast<char32_t>(Message.WParam);
    auto* grid = dynamic_cast<TExtStringGrid*>(editor.Parent());
    if (grid == nullptr || (ch != U'\r' && ch != U'\t')) return false;
    const std::string id = grid->ControlEditID();
    doExit();
    grid->SetFocus();
    if (ch != U'\t') return true;
    if (grid->Navigation().AdvanceAuto())
        grid->AdvanceEdit(grid->Col(), grid->Row(), true, false, true, true, true);
    else
        grid->EditNextCellControl(grid->Col(), grid->Row(), id);
    return true;
}

}  // namespace

void TControlEdit::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY) {
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN) {
            Message.Result = 0;
            return;
        }
        if (k == ui::VK_TAB) {
            Message.Result = 1;
            return;
        }
    }
    if (EndsEdit(*this, [this] { DoExit(); }, Message)) return;
    ui::TMaskEdit::WndProc(Message);
}

TControlCombo::TControlCombo(rtl::TComponent* AOwner) : TEsgComboBox(AOwner)
{
    OnCloseUp = [this](rtl::TObject*) {
        if (HandleAllocated()) ui::PostMessage(Handle(), ClosedUpMessage, 0, 0);
    };
}

void TControlCombo::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ClosedUpMessage) {
        if (OnClosedUp) OnClosedUp(this);
        return;
    }
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB) {
        Message.Result = 1;
        return;
    }
    if (EndsEdit(*this, [this] { DoExit(); }, Message)) return;
    TEsgComboBox::WndProc(Message);
}

}  // namespace grid
