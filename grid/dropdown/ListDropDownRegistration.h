// Registration of the track-bar, memo and detail drop-downs with their published properties.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// Expects TExtCustomDropDown registered already (its properties are inherited).
void RegisterListDropDownClasses(ui::TClassRegistry& registry);

}  // namespace grid
