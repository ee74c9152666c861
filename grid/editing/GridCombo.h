// The grid's combo cell editor: lookup completion, history, wheel stepping and the key contract with the grid.
#pragma once

#include <string>

#include "grid/editing/EsgComboBox.h"

namespace grid {

class TExtStringGrid;

class TGridCombo : public TEsgComboBox {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridCombo(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridCombo"; }
    // Widens the dropped-down list to its widest item, measured on the grid's canvas.
    void SizeDropDownWidth();
    // Runs the lookup completion once (after every key release).
    void DoChange();
    // Re-creates the window.
    void ReCreate();
    bool WorkMode() const { return FWorkMode; }
    // The width the list gets when dropped down (set by SizeDropDownWidth).
    int DroppedWidth() const { return DropWidth(); }

    ui::TNotifyEvent OnReturnKey;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    bool EditStyle() const { return Style() == ui::csDropDown; }
    void FireComboEvents();
    void CursorWalk(ui::WORD& Key);

    bool FWorkMode = true;
    TExtStringGrid* FGrid;
};

}  // namespace grid
