// The gradient button of a drop-down's header and footer bars: state faces from a shared
// appearance, hot tracking, and a modal result that can close its drop-down.
#pragma once

#include "grid/core/GridTypes.h"
#include "grid/dropdown/ExtButtonAppearance.h"
#include "platform/ui/Controls.h"

namespace ui {
class TTimer;
}

namespace gfx {
class TImageList;
}

namespace grid {

class TExtCustomDropDown;

enum TExtButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };
// A push button (tasButton), or a check button that stays down between clicks (tasCheck):
// the grid's button style names serve both.
using TExtButtonStyle = TExtGridButtonStyle;

// Sent to the buttons beside a grouped button that went down: wParam the group index,
// lParam the button.
constexpr ui::UINT CM_BUTTONPRESSED = ui::CM_BASE + 24;

class TExtButton : public ui::TCustomControl {
public:
    explicit TExtButton(rtl::TComponent* AOwner);
    ~TExtButton() override;
    std::string ClassName() const override { return "TExtButton"; }

    TExtButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExtButtonAppearance* value) { FAppearance = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    // The drop-down a closing modal result hides.
    void SetExtDropDown(TExtCustomDropDown* value) { FExtDropDown = value; }
    TExtButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    // Groups: of the buttons of one parent with the same non-zero GroupIndex at most one is
    // down; AllowAllUp lets the down one be clicked up again. An ungrouped push button is
    // never down; a check button toggles on each click.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    TExtButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtButtonStyle value);
    void Loaded() override;

    ui::TNotifyEvent OnMouseEnter;
    ui::TNotifyEvent OnMouseLeave;
    // The image drawn before the caption: image `ImageIndex` of the list (not owned; forgotten
    // when the list is freed); a negative index draws none.
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Sizes the button to its caption (and image): the larger of text and image in each
    // direction, + 4 high and + 8 wide.
    void FitToContent();
    void Click() override;

protected:
    void Paint() override;
    virtual void DrawButton(gfx::TCanvas& canvas);
    void WndProc(ui::TMessage& Message) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    bool Inside(int x, int y) const { return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight(); }
    void UpdateExclusive();
    void UpdateTracking();
    void ButtonPressed(ui::TMessage& Message);
    bool DialogChar(char32_t ch);
    void MouseEntered();
    void MouseLeft();
    void UnHotTimerTick();
    ui::TTimer* FUnHotTimer = nullptr;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FInitialDown = false;
    TExtButtonStyle FStyle = tasButton;
    TExtButtonAppearance* FAppearance = nullptr;
    TExtCustomDropDown* FExtDropDown = nullptr;
    gfx::TImageList* FImages = nullptr;
    int FImageIndex = -1;
    int FModalResult = 0;
    TExtButtonState FState = absUp;
    bool FMouseInControl = false;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInternalClick = false;
};

}  // namespace grid
