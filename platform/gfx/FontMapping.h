// Maps the interface's font names to the installed font families.
#pragma once

#include <string>

namespace gfx {

// "Arial" → "Liberation Sans", "Times New Roman" → "Liberation Serif", "Courier New" →
// "Liberation Mono", "Tahoma", "Segoe UI", "MS Sans Serif" (and the empty name) →
// "DejaVu Sans"; any other name is passed on to fontconfig unchanged. Case-insensitive.
std::string MapFontFamily(const std::string& name);
// True when the name is one of the mapped names or an installed family.
bool FontFamilyAvailable(const std::string& name);

}  // namespace gfx
