// Registration of the colour picker for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtColorPickerDropDown with its published properties.
void RegisterColorPickerClasses(ui::TClassRegistry& registry);

}  // namespace grid
