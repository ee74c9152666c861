// The grid's edExtGridDropDown cell editor: the grid drop-down handing keys, focus loss and its
// value back to the grid that owns it.
#pragma once

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"

namespace grid {

class TGridExtGridDropDown : public TCustomExtGridDropDown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridExtGridDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridExtGridDropDown"; }
    // The grid inside the pop-up.
    TExtStringGrid* Grid() const { return GetColGrid(); }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void Change() override;

private:
    // A refused value stays in the editor; false when the validation refused it.
    bool StoreAndValidate(ui::WORD& Key, bool selectAll);

    TExtStringGrid* FGrid;
};

// The grid's edExtGridDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridExtGridDropDown* ExtGridDropDown(TExtStringGrid& Grid);

}  // namespace grid
