// Reading form descriptions into components, and setting or reading properties by name.
#pragma once

#include <string>

#include "platform/rtl/Component.h"
#include "platform/ui/FormParser.h"

namespace ui {

// Reads the description file into `root` (a form or other component that owns what the
// description creates): sets the root's properties, creates the nested objects (owned by
// the root, parented to the object they are nested in), binds events to the root's
// handler methods by name, then calls Loaded on everything. Errors (unknown class or
// property, bad value, missing handler) raise rtl::EReadError naming the file and line.
void ReadComponentResFile(const std::string& fileName, rtl::TComponent* root);
void ReadComponentResText(const std::string& text, const std::string& fileName, rtl::TComponent* root);

// Sets a published property from its text in the description syntax ("clRed", "12",
// "'text'", "[fsBold]"); `name` may be dotted (Font.Size). Raises rtl::EReadError.
void SetPropertyByName(rtl::TComponent* instance, const std::string& name, const std::string& valueText);
// The property's value in the description syntax. Raises rtl::EReadError.
std::string GetPropertyByName(rtl::TComponent* instance, const std::string& name);
// "Button1.Font.Size" below root: the component (the root when the first part names no
// component) and the property path after it; then set or get as above.
void SetPropertyPath(rtl::TComponent* root, const std::string& path, const std::string& valueText);
std::string GetPropertyPath(rtl::TComponent* root, const std::string& path);

// The component `path` names below root: "Button1" or "Panel1" (components are owned by
// the root, so one name is enough); the root itself for an empty path or its own name.
rtl::TComponent* FindComponentByPath(rtl::TComponent* root, const std::string& path);

}  // namespace ui
