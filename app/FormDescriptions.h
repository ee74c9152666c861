// The form descriptions of the workbench's windows, compiled into the program from resources/forms/.
#pragma once

#include <cstddef>
#include <string>

namespace app::embedded {

// resources/forms/Unit1.dfm: the main window; resources/forms/Unit3.dfm: the map window.
// Each array holds the file's bytes and a terminating 0 that the size does not count.
extern const char Unit1FormData[];
extern const std::size_t Unit1FormDataSize;
extern const char Unit3FormData[];
extern const std::size_t Unit3FormDataSize;

}  // namespace app::embedded

namespace app {

// The text of a built-in form description.
inline std::string FormDescriptionText(const char* data, std::size_t size) { return std::string(data, size); }

}  // namespace app
