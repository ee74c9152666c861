// The edit and combo the grid places over a form control of a cell's HTML text: Enter and Tab end them.
#pragma once

#include <string>

#include "grid/core/GridEvents.h"
#include "grid/editing/EsgComboBox.h"
#include "platform/ui/Mask.h"

namespace grid {

class TControlEdit : public ui::TMaskEdit {
public:
    explicit TControlEdit(rtl::TComponent* AOwner) : ui::TMaskEdit(AOwner) {}
    std::string ClassName() const override { return "TControlEdit"; }

protected:
    void WndProc(ui::TMessage& Message) override;
};

class TControlCombo : public TEsgComboBox {
public:
    explicit TControlCombo(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TControlCombo"; }
    // Fires once the list has closed and a choice made with the click or key that closed it
    // is in the text (the platform combo reports the close before it applies the choice).
    TNotifyEvent OnClosedUp;

protected:
    void WndProc(ui::TMessage& Message) override;
};

}  // namespace grid
