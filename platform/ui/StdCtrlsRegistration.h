// Registration of the standard controls, dialogs and menus for form descriptions.
#pragma once

#include <string>

namespace ui {

class TClassRegistry;

// The graphic inside picture data as a form description stores it: the class name (length
// byte first) goes to className, a leading size of the graphic's own data is dropped.
std::string GraphicBytes(const std::string& data, std::string& className);

// Registers every class of the standard control set with its published properties:
// buttons, labels, edits, memo, masked edit, check and radio buttons, list, combo and
// check list boxes, scroll bar, panel, image, speed button, page control and tab
// sheets, status bar, track bar, date-time picker, pop-up menus and file dialogs.
void RegisterStandardControls(TClassRegistry& registry);
// The same, once, on the shared registry.
void RegisterStandardControls();

}  // namespace ui
