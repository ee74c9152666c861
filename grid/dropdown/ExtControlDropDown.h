// A drop-down edit whose pop-up shows any control of the application.
#pragma once

#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

// Adds no value logic: the edit text is whatever the application writes into Text, typically
// from the hosted control's events or OnDropUp. The hosted control is not owned.
class TExtControlDropDown : public TExtDropDown {
public:
    using TExtDropDown::TExtDropDown;
    std::string ClassName() const override { return "TExtControlDropDown"; }

protected:
    // After a form description is read the assigned control moves into the still hidden
    // pop-up, below the header.
    void Loaded() override;
};

}  // namespace grid
