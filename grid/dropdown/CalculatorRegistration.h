// Registration of the calculator drop-down and its keypad for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtCalculatorDropdown and the free-standing keypad TCustomButtonPanel with their published
// properties.
void RegisterCalculatorClasses(ui::TClassRegistry& registry);

}  // namespace grid
