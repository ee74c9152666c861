// The grid's date/time picker: the platform picker with an optional flat look of border and button.
#pragma once

#include <string>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"

namespace grid {

// With MetroStyle on, the picker draws its own border, focus border and drop-down button
// over the platform's; with it off it paints exactly as the platform picker.
class TEsgDateTimePicker : public ui::TDateTimePicker {
public:
    explicit TEsgDateTimePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TEsgDateTimePicker"; }

    ui::TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(ui::TFormBorderStyle Value);
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v);
    gfx::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(gfx::TColor v) { FFocusBorderColor = v; Invalidate(); }
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool v) { FFocusBorder = v; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v) { FDisabledBorder = v; }
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool v);
    gfx::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(gfx::TColor v) { FButtonColor = v; Invalidate(); }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(gfx::TColor v) { FButtonColorHot = v; }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(gfx::TColor v) { FButtonColorDown = v; }
    gfx::TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(gfx::TColor v) { FButtonTextColor = v; Invalidate(); }
    gfx::TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(gfx::TColor v) { FButtonTextColorHot = v; }
    gfx::TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(gfx::TColor v) { FButtonTextColorDown = v; }
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(gfx::TColor v) { FButtonBorderColor = v; }
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    bool HasFocus() const { return FHasFocus; }
    bool IsWinXP() const { return FIsWinXP; }
    // "1.0.0.0": the version number taken byte by byte from the high byte; writing is ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    int GetVersionNr() const { return 0x01000000; }

protected:
    void Paint() override;
    void PaintNonClient(gfx::TCanvas& canvas) override;
    void WndProc(ui::TMessage& Message) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    // The flat look applies (MetroStyle, not designing).
    bool Metro() const;
    // The theme engine draws the parts.
    bool Themed() const;

private:
    void PaintButton(gfx::TCanvas& c);
    ui::TFormBorderStyle FBorderStyle = ui::bsNone;
    gfx::TColor FBorderColor = gfx::clNone;
    bool FIsThemed = true;  // the platform's common controls are of the themed generation
    gfx::TColor FButtonColorDown = gfx::clNone;
    gfx::TColor FButtonBorderColor = gfx::clNone;
    gfx::TColor FButtonTextColor = gfx::clNone;
    gfx::TColor FButtonTextColorHot = gfx::clNone;
    gfx::TColor FButtonColor = gfx::clNone;
    gfx::TColor FButtonColorHot = gfx::clNone;
    gfx::TColor FButtonTextColorDown = gfx::clNone;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP = true;
    bool FMetroStyle = false;
    gfx::TColor FFocusBorderColor = gfx::clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
};

}  // namespace grid
