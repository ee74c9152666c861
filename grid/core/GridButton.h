// The grid button: a flat, colour-styled speed button with glyphs, caption, a drop-down part and colour looks.
#pragma once

#include <memory>
#include <string>

#include "grid/core/GridTypes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Controls.h"

namespace ui {
class TPopupMenu;
}

namespace grid {

// Where the glyph sits beside the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// How the button is drawn.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Sent to the controls of a button's parent when a grouped button goes down: wParam the
// group index, lParam the button.
constexpr ui::UINT CM_BUTTONPRESSED = ui::CM_BASE + 10;

// Vertical (or horizontal) gradient in Steps bands from FromColor to ToColor over R, then a
// frame in BorderColor unless it is clNone. Steps 0 (or below) counts as 1.
void DrawSteppedGradient(gfx::TCanvas& Canvas, gfx::TColor FromColor, gfx::TColor ToColor, bool Horizontal,
                         const rtl::TRect& R, int Steps, gfx::TColor BorderColor);
// The active visual style's colour scheme: 1 "NormalColor", 2 "HomeStead", 3 "Metallic";
// 0 for any other or without an active style.
int CurrentXPColorScheme();

class TExtGridButton : public ui::TGraphicControl {
public:
    explicit TExtGridButton(rtl::TComponent* AOwner);
    ~TExtGridButton() override;
    std::string ClassName() const override { return "TExtGridButton"; }

    // --- down state and groups ---
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TExtGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtGridButtonStyle Value);
    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    // --- glyphs and layout ---
    const gfx::TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    const gfx::TBitmap& GlyphHot() const { return *FGlyphHot; }
    void SetGlyphHot(const gfx::TBitmap& Value);
    const gfx::TBitmap& GlyphDown() const { return *FGlyphDown; }
    void SetGlyphDown(const gfx::TBitmap& Value);
    const gfx::TBitmap& GlyphDisabled() const { return *FGlyphDisabled; }
    void SetGlyphDisabled(const gfx::TBitmap& Value);
    // The grey silhouette drawn under the glyph while hovered.
    const gfx::TBitmap& GlyphShade() const { return *FGlyphShade; }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    // --- look ---
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    gfx::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(gfx::TColor Value);
    gfx::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(gfx::TColor Value);
    gfx::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(gfx::TColor Value);
    gfx::TColor ColorDown() const { return FColorDown; }
    void SetColorDown(gfx::TColor Value);
    gfx::TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(gfx::TColor Value);
    gfx::TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(gfx::TColor Value);
    gfx::TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(gfx::TColor Value);
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor Value);
    gfx::TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(gfx::TColor Value);
    gfx::TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(gfx::TColor Value);
    // One of the seven colour looks (0 to 6); other values change no colour.
    int Look() const { return FLook; }
    void SetLook(int Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool Value);

    // --- drop-down part ---
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    ui::TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(ui::TPopupMenu* Value);

    void Click() override;
    void Loaded() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

    ui::TNotifyEvent OnDropDown;

protected:
    void Paint() override;
    void Dispatch(ui::TMessage& Message) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    bool InsideClient(int X, int Y) const;
    void UpdateTracking();
    void UpdateExclusive();
    void ButtonPressed(ui::TMessage& Message);
    void MouseEnter(ui::TMessage& Message);
    void MouseLeave(ui::TMessage& Message);
    bool DialogChar(ui::TMessage& Message);
    void ThemeAdapt();
    void BuildShade();
    bool Designing() const { return HasState(rtl::csDesigning); }
    // Painting steps (GridButtonPaint.cpp).
    void PaintFlatFace(gfx::TCanvas& canvas, rtl::TRect& r, bool hot, bool pressed);
    void PaintRaisedFace(gfx::TCanvas& canvas, rtl::TRect& r, bool hot, bool pressed);
    void PaintContent(gfx::TCanvas& canvas, const rtl::TRect& r, rtl::TPoint offset, bool hot, bool liftGlyph);
    const gfx::TBitmap* GlyphToDraw(bool pressed) const;

    bool FIsComCtl6 = false;
    int FGroupIndex = 0;
    std::unique_ptr<gfx::TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    bool FTransparent = true;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    gfx::TColor FColorTo = gfx::clNone;
    gfx::TColor FColorHot = 0xCAC7C7;
    gfx::TColor FColorHotTo = gfx::clNone;
    gfx::TColor FColorDown = 0xD8D3D2;
    gfx::TColor FColorDownTo = gfx::clNone;
    gfx::TColor FBorderColor = gfx::clNone;
    gfx::TColor FBorderDownColor = gfx::clNone;
    gfx::TColor FBorderHotColor = gfx::clNone;
    std::unique_ptr<gfx::TBitmap> FGlyphDisabled;
    std::unique_ptr<gfx::TBitmap> FGlyphHot;
    std::unique_ptr<gfx::TBitmap> FGlyphDown;
    std::unique_ptr<gfx::TBitmap> FGlyphShade;
    bool FShaded = true;
    gfx::TColor FColorChecked = 0x808080;
    gfx::TColor FColorCheckedTo = gfx::clNone;
    TExtGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    ui::TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
};

}  // namespace grid
