// Registration of the image picker for form descriptions.
#pragma once

namespace ui {
class TClassRegistry;
}

namespace grid {

// TExtImagePickerDropDown with its published properties.
void RegisterImagePickerClasses(ui::TClassRegistry& registry);

}  // namespace grid
