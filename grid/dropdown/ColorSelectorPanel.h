// The base of the colour picker's pop-up panels: a custom control that reports every
// mouse-button release through OnShouldHide.
#pragma once

#include "platform/ui/Controls.h"

namespace grid {

class TExtCustomColorSelectorPanel : public ui::TCustomControl {
public:
    using ui::TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TExtCustomColorSelectorPanel"; }

    ui::TNotifyEvent FOnShouldHide;

protected:
    void ShouldHide()
    {
        if (FOnShouldHide) FOnShouldHide(this);
    }
};

}  // namespace grid
