// The cell form-control editors: Enter and Tab characters end the edit and hand the focus back to the grid.
#include "grid/editing/ControlEditors.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"

namespace grid {

namespace {

// Enter or Tab typed into a form-control editor on a grid: the character is dropped, the
// editor's exit runs (which stores its value) and the grid takes the focus; Tab then
// advances when Navigation.AdvanceAuto is on.
bool EndsEdit(ui::TWinControl& editor, const std::function<void()>& doExit, ui::TMessage& Message)
{
    if (Message.Msg != ui::WM_CHAR) return false;
    char32_t ch = static_cast<char32_t>(Message.WParam);
    auto* grid = dynamic_cast<TExtStringGrid*>(editor.Parent());
    if (grid == nullptr || (ch != U'\r' && ch != U'\t')) return false;
    doExit();
    grid->SetFocus();
    if (ch == U'\t' && grid->Navigation().AdvanceAuto())
        grid->AdvanceEdit(grid->Col(), grid->Row(), true, false, true, true, true);
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

void TControlCombo::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_WANTSPECIALKEY && Message.WParam == ui::VK_TAB) {
        Message.Result = 1;
        return;
    }
    if (EndsEdit(*this, [this] { DoExit(); }, Message)) return;
    TEsgComboBox::WndProc(Message);
}

}  // namespace grid
