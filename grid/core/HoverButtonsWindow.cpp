// The hover-button pop-up form: borderless and never activated by a click.
#include "grid/core/HoverButtonsWindow.h"

#include "platform/ui/Messages.h"

namespace grid {

TNoActiveForm::TNoActiveForm(rtl::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetBorderStyle(ui::bsNone);
}

void TNoActiveForm::WndProc(ui::TMessage& Message)
{
    ui::TForm::WndProc(Message);
    if (Message.Msg == ui::WM_ACTIVATE) Message.Result = 1;
    else if (Message.Msg == ui::WM_MOUSEACTIVATE) Message.Result = ui::MA_NOACTIVATE;
}

}  // namespace grid
