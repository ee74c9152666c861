// The drop-down button inside the right edge of a drop-down edit: a classic arrow face that
// opens the pop-up when released.
#pragma once

#include "platform/ui/Controls.h"

namespace grid {

class TExtCustomDropDown;

class TDropDownEditButton : public ui::TCustomControl {
public:
    TDropDownEditButton(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown);
    std::string ClassName() const override { return "TDropDownEditButton"; }
    bool Pressed() const { return FPressed; }

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    TExtCustomDropDown* FDropDown;
    bool FPressed = false;
};

}  // namespace grid
