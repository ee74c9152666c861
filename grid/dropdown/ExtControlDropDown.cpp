// A drop-down edit whose pop-up shows any control of the application.
#include "grid/dropdown/ExtControlDropDown.h"

namespace grid {

void TExtControlDropDown::Loaded()
{
    TExtDropDown::Loaded();
    UpdateDropDownLayout();
}

}  // namespace grid
