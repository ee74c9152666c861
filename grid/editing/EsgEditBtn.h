// Edit-with-button controls: a masked edit with a push button inside its right edge, and its unit-suffix variant.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Mask.h"

namespace rtl {
class TStringList;
class TStrings;
}
namespace ui {
class TPopupMenu;
}

namespace grid {

class TEsgEditButton;

// The speed button inside the button part; paints flat, themed or in its owner's colours.
class TExtSpeedButton : public ui::TSpeedButton {
public:
    explicit TExtSpeedButton(TEsgEditButton* AOwner);
    std::string ClassName() const override { return "TExtSpeedButton"; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v) { FIsWinXP = v; }
    bool ExtFlat() const { return FFlat; }
    void SetExtFlat(bool v) { FFlat = v; }
    bool Hot() const { return FHot; }
    void SetHot(bool v) { FHot = v; }
    // Pressed by the mouse (the platform's down state) or latched down.
    bool StateDown() const { return FPressedState || Down(); }

protected:
    void Paint() override;
    void Dispatch(ui::TMessage& Message) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    TEsgEditButton* FPart;
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
    bool FPressedState = false;
};

// The button part: a window holding one TExtSpeedButton that fills it.
class TEsgEditButton : public ui::TWinControl {
public:
    explicit TEsgEditButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TEsgEditButton"; }
    TExtSpeedButton& Button() const { return *FButton; }
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* v) { FFocusControl = v; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    std::string ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& v);
    gfx::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(gfx::TColor v) { FButtonColor = v; FButton->Invalidate(); }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(gfx::TColor v) { FButtonColorHot = v; }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(gfx::TColor v) { FButtonColorDown = v; }
    gfx::TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(gfx::TColor v) { FButtonTextColor = v; }
    gfx::TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(gfx::TColor v) { FButtonTextColorHot = v; }
    gfx::TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(gfx::TColor v) { FButtonTextColorDown = v; }
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(gfx::TColor v) { FButtonBorderColor = v; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The speed button was released over itself with the left button.
    void ButtonReleased();

    ui::TNotifyEvent OnClick;

protected:
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    TExtSpeedButton* FButton;
    ui::TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
    gfx::TColor FButtonColorDown = 0x1FFFFFFF;
    gfx::TColor FButtonBorderColor = 0x1FFFFFFF;
    gfx::TColor FButtonTextColor = 0x1FFFFFFF;
    gfx::TColor FButtonTextColorHot = 0x1FFFFFFF;
    gfx::TColor FButtonColor = 0x1FFFFFFF;
    gfx::TColor FButtonColorHot = 0x1FFFFFFF;
    gfx::TColor FButtonTextColorDown = 0x1FFFFFFF;
};

// A one-line masked edit with the button part inside its right edge; the button and F4
// raise OnClickBtn.
class TEsgEditBtn : public ui::TMaskEdit {
public:
    explicit TEsgEditBtn(rtl::TComponent* AOwner);
    ~TEsgEditBtn() override;
    std::string ClassName() const override { return "TEsgEditBtn"; }
    TEsgEditButton* Button() const { return FButton; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v) { FEditorEnabled = v; }
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool v);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int v);
    std::string ButtonCaption() const { return FButton != nullptr ? FButton->ButtonCaption() : std::string(); }
    void SetButtonCaption(const std::string& v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    bool BorderNone() const { return BorderThickness() == 0; }
    // The button was clicked (sender: the button part) or F4 pressed (sender: the edit).
    virtual void ClickBtn(rtl::TObject* Sender);

    ui::TNotifyEvent OnClickBtn;

protected:
    int FUnitSize = 0;
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Resize() override;
    void DoEnter() override;
    int TextAreaWidth() const override;
    // Places the button part at the right edge.
    void PlaceButton();

private:
    bool FRightAlign = false;
    TEsgEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    int FButtonWidth = 18;
    bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(rtl::TObject* Sender, const std::string& NewUnit)>;

// The edit-with-button with a unit suffix drawn between the text and the button and
// picked from a pop-up menu of units.
class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(rtl::TComponent* AOwner);
    ~TEsgUnitEditBtn() override;
    std::string ClassName() const override { return "TEsgUnitEditBtn"; }
    rtl::TStringList& Units() { return *FUnits; }
    // Copies the list; nullptr is ignored.
    void SetUnits(const rtl::TStrings* Value);
    const std::string& UnitID() const { return FUnitID; }
    void SetUnitID(const std::string& v);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int v);
    std::string TextAndUnit() const { return Text() + FUnitID; }
    // The first unit of the list that ends the value (and occurs nowhere earlier) splits
    // it into text and unit; when none does, nothing changes.
    void SetTextAndUnit(const std::string& Value);
    void ClickBtn(rtl::TObject* Sender) override;
    // The pop-up menu of units while it is shown (nullptr otherwise).
    ui::TPopupMenu* UnitMenu() const { return FMenu.get(); }

    TUnitChangeEvent OnUnitChanged;

protected:
    void WndProc(ui::TMessage& Message) override;
    void Paint() override;

private:
    std::string FUnitID;
    std::unique_ptr<rtl::TStringList> FUnits;
    std::unique_ptr<ui::TPopupMenu> FMenu;
};

}  // namespace grid
