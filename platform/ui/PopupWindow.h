// The pop-up window service: a borderless top-most window that holds the keyboard while its
// owner's form stays active, closes when activation leaves its chain, and sizes from its corner.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/Forms.h"
#include "platform/ui/WindowShadow.h"

namespace ui {

// Why a pop-up lost its activation.
enum TPopupDeactivation {
    pdOtherWindowActivated,  // a window outside the pop-up's chain became active (a press on it too)
    pdApplicationInactive    // the program lost the keyboard to another program
};

using TPopupDeactivateEvent = std::function<void(rtl::TObject* Sender, TPopupDeactivation Reason)>;

class TPopupWindow : public TCustomForm {
public:
    // Non-client press with a hit code, as a bar inside the pop-up sends it to start sizing.
    static constexpr UINT NcLeftButtonDown = 0x00A1;
    static constexpr WPARAM HitBottomRight = 17;

    explicit TPopupWindow(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TPopupWindow"; }

    // The control that opened the pop-up; windows of its pop-up belong to the chain.
    TWinControl* OwnerControl() const { return FOwnerControl; }
    void SetOwnerControl(TWinControl* control) { FOwnerControl = control; }
    bool TopMost() const { return true; }
    // While shown, the pop-up casts a shadow on its owner's window along its right and
    // bottom edges (the window class's drop-shadow style).
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool value);
    // The shadow as the owner's window paints it; nullptr before it first showed.
    const TWindowOverlay* Shadow() const { return FShadow.Overlay(); }

    // Smallest and largest size; a limit of 0 or less is absent.
    void SetSizeConstraints(int minWidth, int minHeight, int maxWidth = 0, int maxHeight = 0);
    rtl::TSize ConstrainedSize(int width, int height) const;

    // Shows the pop-up at the screen rectangle (sized within the constraints), activates it
    // and gives the keyboard to `focus` (or the pop-up's first control).
    void Popup(const rtl::TRect& screenBounds, TWinControl* focus = nullptr);
    // Hides the pop-up; the form active before it takes the keyboard back.
    void ClosePopup();
    bool PoppedUp() const { return Visible(); }

    // True for the pop-up, its controls, and the pop-ups opened from them.
    bool InChain(const TControl* control) const;
    // Tick count (milliseconds) of the last deactivation, 0 before the first.
    std::int64_t LastDeactivationTick() const { return FDeactivatedAt; }
    bool Sizing() const { return FSizing; }

    // Fired when the pop-up is deactivated; without a handler the pop-up hides itself.
    TPopupDeactivateEvent OnPopupDeactivate;

protected:
    void WndProc(TMessage& Message) override;
    void Deactivate() override;
    void BoundsChanged(const rtl::TRect& oldBounds) override;

private:
    void UpdateShadow();
    void DeactivatePopup(TPopupDeactivation reason);
    void BeginCornerSizing();
    void TrackCornerSizing();
    TWinControl* FOwnerControl = nullptr;
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
    std::int64_t FDeactivatedAt = 0;
    bool FSizing = false;
    bool FDropShadow = false;
    TWindowShadow FShadow;
    rtl::TPoint FSizingStart{};
    rtl::TSize FSizingStartSize{};
};

}  // namespace ui
