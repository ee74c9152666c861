// The spin editor's arrow buttons: one auto-repeating arrow button and the windowed pair of them.
#pragma once

#include <memory>

#include "platform/ui/Buttons.h"
#include "platform/ui/Timers.h"

namespace grid {

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : unsigned { tbFocusRect = 1u << 0, tbAllowTimer = 1u << 1 };
using TTimeBtnState = unsigned;

class TEsgSpinButton;

// One arrow button. A press that may repeat clicks at once, again after 400 ms and then
// every 100 ms while the button is held down; the release stops it.
class TExtTimerSpeedButton : public ui::TSpeedButton {
public:
    explicit TExtTimerSpeedButton(rtl::TComponent* AOwner);
    ~TExtTimerSpeedButton() override;
    std::string ClassName() const override { return "TExtTimerSpeedButton"; }
    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState v) { FTimeBtnState = v; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection v) { FButtonDirection = v; Invalidate(); }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v) { FIsWinXP = v; Invalidate(); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v) { FTransparent = v; Invalidate(); }
    bool HasMouse() const { return FHasMouse; }
    // The repeat timer (nullptr until the first press that may repeat).
    ui::TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void Dispatch(ui::TMessage& Message) override;

private:
    void TimerExpired(rtl::TObject* Sender);
    void InvalidateParent();
    TEsgSpinButton* Pair() const;
    ui::TTimer* FRepeatTimer = nullptr;  // owned through the component tree
    TTimeBtnState FTimeBtnState = 0;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    bool FTransparent = false;
};

// The pair of arrow buttons as one windowed control: stacked (up above down) or side by
// side (down left, up right). Pressing an arrow gives the focus to FocusControl.
class TEsgSpinButton : public ui::TWinControl {
public:
    explicit TEsgSpinButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TEsgSpinButton"; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* v);
    TExtTimerSpeedButton* UpButton() const { return FUpButton; }
    TExtTimerSpeedButton* DownButton() const { return FDownButton; }
    TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);

    // Glyphs; an empty bitmap puts the built-in arrow back.
    gfx::TBitmap& UpGlyph() { return FUpButton->Glyph(); }
    void SetUpGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& DownGlyph() { return FDownButton->Glyph(); }
    void SetDownGlyph(const gfx::TBitmap* v);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int v) { FUpButton->SetNumGlyphs(v); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int v) { FDownButton->SetNumGlyphs(v); }

    // Arrow colours; clNone everywhere keeps the standard look.
    gfx::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(gfx::TColor v) { FButtonColor = v; InvalidateButtons(); }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(gfx::TColor v) { FButtonColorHot = v; InvalidateButtons(); }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(gfx::TColor v) { FButtonColorDown = v; InvalidateButtons(); }
    gfx::TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(gfx::TColor v) { FButtonTextColor = v; }
    gfx::TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(gfx::TColor v) { FButtonTextColorHot = v; }
    gfx::TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(gfx::TColor v) { FButtonTextColorDown = v; }
    // Stored only: the arrows are always drawn black.
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(gfx::TColor v) { FButtonBorderColor = v; }

    ui::TNotifyEvent OnUpClick;
    ui::TNotifyEvent OnDownClick;

protected:
    friend class TExtTimerSpeedButton;
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void Loaded() override;
    // A left press on an arrow: it becomes the focused arrow, then the focus moves.
    void BtnMouseDown(TExtTimerSpeedButton* Button);

private:
    TExtTimerSpeedButton* CreateButton(TButtonDirection Direction);
    void BtnClick(TExtTimerSpeedButton* Button);
    void SetFocusBtn(TExtTimerSpeedButton* Button);
    void AdjustSize(int& W, int& H);
    void InvalidateButtons();
    TExtTimerSpeedButton* FUpButton = nullptr;    // owned children
    TExtTimerSpeedButton* FDownButton = nullptr;
    TExtTimerSpeedButton* FFocusedButton = nullptr;
    ui::TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    gfx::TColor FButtonColorDown = gfx::clNone;
    gfx::TColor FButtonBorderColor = gfx::clNone;
    gfx::TColor FButtonTextColor = gfx::clNone;
    gfx::TColor FButtonTextColorHot = gfx::clNone;
    gfx::TColor FButtonColor = gfx::clNone;
    gfx::TColor FButtonColorHot = gfx::clNone;
    gfx::TColor FButtonTextColorDown = gfx::clNone;
};

}  // namespace grid
