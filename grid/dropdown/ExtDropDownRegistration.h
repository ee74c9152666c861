// Registration of the drop-down edits with their published properties for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtCustomDropDown (described only), TExtDropDown, TExtControlDropDown and every drop-down
// family; once per registry.
void RegisterDropDownClasses(ui::TClassRegistry& registry);
// The same into the program's registry.
void RegisterDropDownClasses();

}  // namespace grid
