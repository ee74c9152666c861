// Registration of the date-and-time picker and the analog clock for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtDateTimePicker and TExtWatch with their published properties.
void RegisterDateTimePickerClasses(ui::TClassRegistry& registry);

}  // namespace grid
