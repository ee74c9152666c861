// The gradient button of a drop-down's header and footer bars: state faces from a shared
// appearance, hot tracking, and a modal result that can close its drop-down.
#pragma once

#include "grid/dropdown/ExtButtonAppearance.h"
#include "platform/ui/Controls.h"

namespace gfx {
class TImageList;
}

namespace grid {

class TExtCustomDropDown;

enum TExtButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

class TExtButton : public ui::TCustomControl {
public:
    explicit TExtButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtButton"; }

    TExtButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExtButtonAppearance* value) { FAppearance = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    // The drop-down a closing modal result hides.
    void SetExtDropDown(TExtCustomDropDown* value) { FExtDropDown = value; }
    TExtButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
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
