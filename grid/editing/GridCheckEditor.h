// The grid's check box cell editor: toggles by click and Space, closes and advances on navigation keys.
#pragma once

#include <string>

#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

class TExtStringGrid;

class TGridCheckBox : public ui::TCheckBox {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridCheckBox(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridCheckBox"; }
    void ReCreate();

protected:
    void WndProc(ui::TMessage& Message) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void DoExit() override;

private:
    TExtStringGrid* FGrid;
};

}  // namespace grid
