// Registration of the detail drop-down for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtDetailDropDown with its published properties; expects TExtCustomDropDown registered.
void RegisterDetailDropDown(ui::TClassRegistry& registry);

}  // namespace grid
