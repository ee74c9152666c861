// Registration of the grid drop-down with its published properties.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtGridDropDown with its columns and items; needs TExtCustomDropDown registered.
void RegisterGridDropDown(ui::TClassRegistry& registry);

}  // namespace grid
