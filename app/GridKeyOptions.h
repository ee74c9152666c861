// The folders and options of the grid-key tools: representative subcells, key and grid tables, texture, neighbours, extracts.
#pragma once

#include <string>

#include "app/SoilDbTable.h"

namespace app {

// The carbon-uncertainty folder of "SOC" and the provider folder of the
// neighbour table and the fertiliser grid.
inline constexpr const char* CarbonLibraryFolder = "e:\\TolvekCloud\\PRODUCTS\\LIBRARY\\SPINUP_SOM\\";
inline constexpr const char* ProviderFolder = "c:\\TolvekCloud\\PRODUCTS\\ALAPADAT\\STATISTICS\\";

// What the grid-key tools read from their page: nothing but their folders,
// fixed unless a test points them elsewhere.
struct TGridKeyOptions {
    std::string Folder = SoilGridFolder;
    std::string CarbonFolder = CarbonLibraryFolder;
    std::string Provider = ProviderFolder;
    // The 1 km cells the 1 km tools walk through, 1 to this; the page always
    // uses all 199,255, a test fewer.
    int Cell1kmCount = 199255;

    std::string File(const std::string& name) const { return Folder + name; }
    std::string CarbonFile(const std::string& name) const { return CarbonFolder + name; }
    std::string ProviderFile(const std::string& name) const { return Provider + name; }
};

}  // namespace app
