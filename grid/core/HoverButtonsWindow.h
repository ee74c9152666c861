// TNoActiveForm: the borderless pop-up form that carries the grid's hover buttons and never takes the activation.
#pragma once

#include <string>

#include "platform/ui/Forms.h"

namespace grid {

// A pop-up form without border. It answers WM_ACTIVATE with 1 and WM_MOUSEACTIVATE with
// MA_NOACTIVATE, so that a click on its buttons leaves the activation with the form that
// shows the grid.
class TNoActiveForm : public ui::TForm {
public:
    explicit TNoActiveForm(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TNoActiveForm"; }
    void WndProc(ui::TMessage& Message) override;
};

}  // namespace grid
