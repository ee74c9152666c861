// The grid's push-button cell editor: shows the cell text as caption and hands it to the ellipsis handler.
#pragma once

#include <string>

#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

class TExtStringGrid;

class TGridButton : public ui::TButton {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridButton"; }
    void ReCreate();

protected:
    void WndProc(ui::TMessage& Message) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void DoExit() override;

private:
    // The caption through the grid's ellipsis handler, back as caption and cell text.
    void PassCaption();
    // Hidden, disabled, edit mode off, the grid focused.
    void CloseButton();
    TExtStringGrid* FGrid;
};

}  // namespace grid
