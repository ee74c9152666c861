// Line layout of the crop model's soil file: soil surface, four horizons and the nine-layer profile.
#pragma once

#include <array>
#include <string>

namespace app {

class TModelFileLayout;

inline constexpr int CropSoilHorizonCount = 4;

// One soil horizon as the soil tables give it.
struct TCropSoilHorizon {
    double BulkDensity = 0;     // kg/m3 (written ÷ 1000 in g/cm3)
    std::string OrganicMatter;  // %, written as it stands
    double Sand = 0;            // %
    double Clay = 0;            // %
    double Saturation = 0;      // % (written ÷ 100)
    double FieldCapacity = 0;   // %
    double WiltingPoint = 0;    // %
};

// Everything one soil file says.
struct TCropSoil {
    std::string Id;
    std::string Latitude;   // as it stands
    std::string Longitude;  // as it stands
    double Elevation = 0;   // m, for the runoff curve number
    std::string Depth;      // cm, as it stands (fertile zone depth)
    std::array<TCropSoilHorizon, CropSoilHorizonCount> Horizons;
};

// Runoff curve number: "60"; "70" above 200 m; "80" above 500 m.
const char* CropSoilCurveNumber(double elevation);
// 0.8 − (100 − sand) × 0.005 − clay × 0.003.
double DrainageFactor(double sand, double clay);
// 250 − (100 − sand) × 2.1 − clay × 0.75, cm/day.
double SaturatedConductivity(double sand, double clay);

// Appends the 38 lines of the soil file: key texts of 33 characters, each
// value after a tab, computed values in the locale's decimal separator.
void LayOutCropSoilFile(const TCropSoil& soil, TModelFileLayout& layout);

}  // namespace app
