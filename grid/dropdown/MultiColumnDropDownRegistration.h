// Registration of the multi-column drop-down with its published properties.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtMultiColumnDropDown with its columns and items; needs TExtCustomDropDown registered.
void RegisterMultiColumnDropDown(ui::TClassRegistry& registry);

}  // namespace grid
