// The pop-up window of a drop-down edit: background, frame and the deactivation state.
#pragma once

#include "grid/dropdown/DropDownAppearance.h"
#include "platform/ui/PopupWindow.h"

namespace grid {

class TExtCustomDropDown;
class TExtHeader;
class TExtFooter;

class TDropDownForm : public ui::TPopupWindow {
public:
    TDropDownForm(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown);
    std::string ClassName() const override { return "TDropDownForm"; }
    TExtCustomDropDown* DropDown() const { return FDropDown; }
    TExtHeader* Header() const { return FHeader; }
    TExtFooter* Footer() const { return FFooter; }
    // Creates or re-links the header and footer bars from the drop-down's appearances.
    void InitializeAndUpdate();
    // Places the bars inside the frame; returns the client area left between them.
    rtl::TRect LayoutBars();

    // Closing by deactivation counts as cancel (descendants that change the value while
    // open turn it off so that a click elsewhere keeps the value).
    bool FCancelOnDeActivate = true;
    // A deactivation is being handled: opening is blocked meanwhile.
    bool FIsDeactivating = false;
    // Losing activation is ignored (the content shows a window of its own meanwhile).
    bool FBlockActivate = false;
    // The window casts its drop shadow when shown (taken from DropDownShadow at each opening).
    bool FShadow = true;

protected:
    void PaintWindow() override;
    void Resize() override;

private:
    TExtCustomDropDown* FDropDown;
    TExtHeader* FHeader = nullptr;
    TExtFooter* FFooter = nullptr;
};

}  // namespace grid
