// The names of the soil parameter sets offered by the soil-property writer, read from "SOImaker_data.csv".
#pragma once

#include <string>
#include <vector>

namespace app {

// The items of the hydraulic (`pCB`) and chemical (`cCB`) parameter-set boxes.
struct TParameterSetNames {
    std::vector<std::string> Hydraulic;
    std::vector<std::string> Chemical;
};

// "SOImaker_data.csv", looked up in the current directory.
extern const char* const SoiMakerDataFileName;

// Reads the set names of a soil parameter file: every line that contains
// "HYDR_" adds to the hydraulic names, every line that contains "CHEM_" to the
// chemical names (a line may add to both), the line's text from its sixth
// character on, at most 100 characters (the prefix is expected at the line's
// start; a shorter line adds an empty name).
// Returns false and leaves `names` alone when the file does not exist. A file
// that exists but cannot be read raises rtl::EInOutError naming it; `names`
// then keeps what it held (it is replaced only by a completely read file).
bool ReadParameterSetNames(const std::string& fileName, TParameterSetNames& names);

}  // namespace app
