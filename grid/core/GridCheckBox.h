// The grid check box: an owner-drawn check box with its own window, themed or classic.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

// Windows XP or later with the visual style active and common controls 6.
bool IsThemedXPApp();

class TExtCheckBox : public ui::TCustomControl {
public:
    explicit TExtCheckBox(rtl::TComponent* AOwner);
    ~TExtCheckBox() override;
    std::string ClassName() const override { return "TExtCheckBox"; }

    // --- state ---
    bool Checked() const { return FState == ui::cbChecked; }
    void SetChecked(bool Value);
    ui::TCheckBoxState State() const { return FState; }
    void SetState(ui::TCheckBoxState Value);
    // Unless read-only, Checked := not Checked.
    virtual void Toggle();
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // The box is being pressed (mouse or space bar).
    bool Down() const { return FDown; }
    void SetDown(bool Value) { FDown = Value; }
    bool Hot() const { return FHot; }

    // --- look ---
    // The caption is the control's text ("TExtCheckBox" until set).
    std::string GetText() const override { return FCaption; }
    void SetText(const std::string& Value) override;
    ui::TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(ui::TLeftRight Value);
    ui::TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(ui::TTextLayout Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    // Draws the parent's background behind the control.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Where the box is drawn (client coordinates).
    rtl::TRect BoxRect() const;

protected:
    void Paint() override;
    void WndProc(ui::TMessage& Message) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;

private:
    void InvalidateBox();
    bool Inside(int X, int Y) const;
    void PaintBox(gfx::TCanvas& canvas);
    void PaintCaption(gfx::TCanvas& canvas);

    bool FDown = false;
    ui::TCheckBoxState FState = ui::cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    ui::TTextLayout FBtnVAlign = ui::tlTop;
    ui::TLeftRight FAlignment = ui::taLeft;
    bool FEllipsis = false;
    std::string FCaption = "TExtCheckBox";
    bool FIsWinXP = false;
    bool FHot = false;
    bool FClicksDisabled = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    std::unique_ptr<gfx::TBitmap> FBkgBmp;
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};

}  // namespace grid
