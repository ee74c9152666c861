// The "Ritchie" calculator of the "PTFs" page: soil water contents from bulk density, organic matter and texture.
#pragma once

#include <string>

namespace app {

// The five input fields as typed (`Edit8` to `Edit12`).
struct TRitchieInput {
    std::string BulkDensity = "1.4";
    std::string OrganicMatter = "2";
    std::string Sand = "30";
    std::string Silt = "40";  // read, not used
    std::string Clay = "30";
};

// The four output fields (`Edit13` to `Edit16`), each fixed 4/2 in % by volume.
struct TRitchieOutput {
    std::string Saturation;
    std::string DrainedUpperLimit;
    std::string LowerLimit;
    std::string AvailableWater;
};

TRitchieOutput RitchieWaterContents(const TRitchieInput& input);

}  // namespace app
