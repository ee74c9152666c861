// The drop-down button inside the right edge of a drop-down edit: a classic arrow face, or a
// flat coloured face with its arrow once colours are given; it opens the pop-up when released.
#pragma once

#include "platform/ui/Controls.h"

namespace grid {

class TExtCustomDropDown;

class TDropDownEditButton : public ui::TCustomControl {
public:
    TDropDownEditButton(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown);
    std::string ClassName() const override { return "TDropDownEditButton"; }
    bool Pressed() const { return FPressed; }
    bool Hot() const { return FHot; }
    // Colours of the flat coloured look (a face of none keeps the classic look); an arrow
    // colour of none is black.
    void SetColors(gfx::TColor face, gfx::TColor faceHot, gfx::TColor faceDown, gfx::TColor border);
    void SetArrowColors(gfx::TColor arrow, gfx::TColor arrowHot, gfx::TColor arrowDown);
    gfx::TColor ButtonColor() const { return FButtonColor; }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void WndProc(ui::TMessage& Message) override;

private:
    void PaintClassic(gfx::TCanvas& c, bool pressed);
    void PaintColored(gfx::TCanvas& c, bool pressed);
    TExtCustomDropDown* FDropDown;
    bool FPressed = false;
    bool FHot = false;
    gfx::TColor FButtonColor = gfx::clNone;
    gfx::TColor FButtonColorHot = gfx::clNone;
    gfx::TColor FButtonColorDown = gfx::clNone;
    gfx::TColor FButtonBorderColor = gfx::clNone;
    gfx::TColor FButtonTextColor = gfx::clNone;
    gfx::TColor FButtonTextColorHot = gfx::clNone;
    gfx::TColor FButtonTextColorDown = gfx::clNone;
};

}  // namespace grid
