// The grid's edGridDropDown cell editor: the multi-column drop-down handing keys, focus loss and
// its value back to its grid.
#pragma once

#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"

namespace grid {

class TExtStringGrid;

class TGridGridDropDown : public TExtMultiColumnDropDown {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridGridDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridGridDropDown"; }

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

// The grid's edGridDropDown editor, made on first use with the grid as owner and parent,
// hidden and disabled, in the grid's style. Freed with the grid.
TGridGridDropDown* GridDropDown(TExtStringGrid& Grid);

}  // namespace grid
