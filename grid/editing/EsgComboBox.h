// Flat combo box: a combo that paints its own frame and drop-down button and carries an attached label.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/ui/StdCtrlsList.h"

namespace gfx {
class TFont;
}
namespace ui {
class TLabel;
}

namespace grid {

enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

// Where a label of size (lw, lh) sits beside a control at (L, T) of size (W, H), with margin
// m and caption width tw.
rtl::TPoint LabelPlacement(TLabelPosition Position, const rtl::TRect& Control, int lw, int lh, int tw, int m);

class TEsgCustomCombo : public ui::TComboBox {
public:
    explicit TEsgCustomCombo(rtl::TComponent* AOwner);
    ~TEsgCustomCombo() override;
    std::string ClassName() const override { return "TEsgCustomCombo"; }

    // Selects the item equal to AString when there is one.
    void SelectItem(const std::string& AString);
    // Remembers the present colour as the one to return to after focus.
    void Init();
    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;
    // While loading the colour is also the one loaded.
    void SetColor(gfx::TColor value);

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool v) { FAutoFocus = v; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    bool Etched() const { return FEtched; }
    void SetEtched(bool v) { FEtched = v; Invalidate(); }
    int ButtonWidth() const { return FButtonWidth; }
    // Taken only from 14 to 32.
    void SetButtonWidth(int v);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool v) { FFocusBorder = v; }
    int DropWidth() const { return FDropWidth; }
    // A width above 0 widens the dropped-down list.
    void SetDropWidth(int v) { FDropWidth = v; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v) { FIsWinXP = v; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool v) { FIsVista = v; }
    gfx::TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(gfx::TColor v) { FFlatLineColor = v; Invalidate(); }
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool v) { FFlatParentColor = v; Invalidate(); }
    gfx::TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(gfx::TColor v) { FFocusColor = v; }
    gfx::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(gfx::TColor v) { FFocusBorderColor = v; }
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v) { FDisabledBorder = v; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool v) { FFocusLabel = v; }
    gfx::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(gfx::TColor v) { FButtonColor = v; Invalidate(); }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(gfx::TColor v) { FButtonColorHot = v; }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(gfx::TColor v) { FButtonColorDown = v; }
    gfx::TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(gfx::TColor v) { FButtonTextColor = v; }
    gfx::TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(gfx::TColor v) { FButtonTextColorDown = v; }
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(gfx::TColor v) { FButtonBorderColor = v; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }
    bool HasFocus() const { return FHasFocus; }

    // The attached label (nullptr until a caption is given).
    ui::TLabel* ComboLabel() const { return FLabel; }
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& v);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition v) { FLabelPosition = v; UpdateLabel(); }
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int v) { FLabelMargin = v; UpdateLabel(); }
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool v) { FLabelTransparent = v; UpdateLabel(); }
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool v) { FLabelAlwaysEnabled = v; UpdateLabel(); }
    gfx::TFont& LabelFont() { return *FLabelFont; }

    // The list closed.
    ui::TNotifyEvent OnDropUp;

protected:
    int TextAreaWidth() const override;
    void Paint() override;
    void PaintNonClient(gfx::TCanvas& canvas) override;
    void WndProc(ui::TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    // Re-places the label beside the combo.
    void UpdateLabel();
    // The list was dropped down: a DropWidth wider than the combo widens it.
    void ApplyDropWidth();

private:
    void FocusColors(bool focused);

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    gfx::TColor FOldColor = gfx::clWindow;
    gfx::TColor FLoadedColor = gfx::clWindow;
    bool FOldParentColor = false;
    int FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    std::unique_ptr<gfx::TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    ui::TLabel* FLabel = nullptr;
    gfx::TColor FFlatLineColor = gfx::clNone;
    bool FFlatParentColor = true;
    gfx::TColor FFocusColor = gfx::clNone;
    gfx::TColor FFocusBorderColor = gfx::clNone;
    gfx::TColor FBorderColor = gfx::clNone;
    bool FDisabledBorder = true;
    gfx::TColor FNormalColor = gfx::clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    gfx::TColor FButtonColorDown = gfx::clNone;
    gfx::TColor FButtonBorderColor = gfx::clNone;
    gfx::TColor FButtonTextColor = gfx::clNone;
    gfx::TColor FButtonColor = gfx::clNone;
    gfx::TColor FButtonColorHot = gfx::clNone;
    gfx::TColor FButtonTextColorDown = gfx::clNone;
    bool FIsVista = false;
    bool FWasDropped = false;
};

// The published flat combo box.
class TEsgComboBox : public TEsgCustomCombo {
public:
    explicit TEsgComboBox(rtl::TComponent* AOwner) : TEsgCustomCombo(AOwner) {}
    std::string ClassName() const override { return "TEsgComboBox"; }
};

}  // namespace grid
