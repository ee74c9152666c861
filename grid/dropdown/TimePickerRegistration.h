// Registration of the time picker drop-down for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtTimePickerDropDown with its published properties, the clock's look and mode among them.
void RegisterTimePickerDropDown(ui::TClassRegistry& registry);

}  // namespace grid
