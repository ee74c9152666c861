// The drop-down button inside the right edge of a drop-down edit: a classic or themed arrow,
// a flat coloured face with its arrow once colours are given, a glyph, or a push button; it
// opens the pop-up when released.
#pragma once

#include <memory>

#include "platform/ui/Controls.h"

namespace gfx {
class TBitmap;
}

namespace grid {

class TExtCustomDropDown;

// The look of the drop-down button: a push button with glyph and caption, or the arrow.
enum TButtonStyle { bsButton, bsDropDown };

class TDropDownEditButton : public ui::TCustomControl {
public:
    TDropDownEditButton(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown);
    ~TDropDownEditButton() override;
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

    // The picture on the button (copied in); an empty one shows the arrow.
    const gfx::TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const gfx::TBitmap* value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle value);
    // Etched edge instead of a raised one in the flat push-button look.
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    // Never paint as pressed.
    void SetUp(bool value);

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void WndProc(ui::TMessage& Message) override;

private:
    bool PaintedPressed() const;
    void PaintArrowLook(gfx::TCanvas& c);
    void PaintPushButtonLook(gfx::TCanvas& c);
    void PaintClassic(gfx::TCanvas& c, bool pressed);
    void PaintColored(gfx::TCanvas& c, bool pressed);
    void PaintGlyphFace(gfx::TCanvas& c);
    void PaintThemedArrow(gfx::TCanvas& c);
    void PaintThemedPushButton(gfx::TCanvas& c);
    void PaintFlatPushButton(gfx::TCanvas& c);
    void PaintGlyphAndCaption(gfx::TCanvas& c, const rtl::TRect& inner, bool centredGlyph);
    TExtCustomDropDown* FDropDown;
    bool FPressed = false;
    bool FHot = false;
    std::unique_ptr<gfx::TBitmap> FGlyph;
    TButtonStyle FButtonStyle = bsDropDown;
    bool FEtched = false;
    bool FUp = false;
    bool FIsWinXP = true;
    gfx::TColor FButtonColor = gfx::clNone;
    gfx::TColor FButtonColorHot = gfx::clNone;
    gfx::TColor FButtonColorDown = gfx::clNone;
    gfx::TColor FButtonBorderColor = gfx::clNone;
    gfx::TColor FButtonTextColor = gfx::clNone;
    gfx::TColor FButtonTextColorHot = gfx::clNone;
    gfx::TColor FButtonTextColorDown = gfx::clNone;
};

}  // namespace grid
