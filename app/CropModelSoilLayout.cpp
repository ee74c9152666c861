// The 38 keyed lines of the crop model's soil file.
#include "app/CropModelSoilLayout.h"

#include "app/ModelFileLayout.h"
#include "platform/rtl/NumberText.h"

#include <initializer_list>
#include <string_view>

namespace app {

namespace {

// The nine profile layers take their material from horizons 1, 1, 1, 1, 2, 3, 4, 4, 4.
constexpr std::array<int, 9> HorizonOfLayer = {1, 1, 1, 1, 2, 3, 4, 4, 4};

// A profile line of constant values, one per layer.
struct TProfileConstants {
    const char* Key;
    std::array<const char*, 9> Values;
};
constexpr std::array<TProfileConstants, 6> ProfileConstants = {{
    {"ORGANIC RESIDUE (kg/ha) --------:", {"50", "200", "500", "200", "100", "50", "1", "1", "1"}},
    {"NITRATE CONTENT (ppm) ----------:", {"20", "20", "20", "20", "10", "5", "2", "2", "1"}},
    {"AMMONIUM CONTENT (ppm) ---------:", {"1", "1", "1", "1", "0.5", "0.2", "0.2", "0.2", "0.1"}},
    {"AL-P2O5 CONTENT (ppm) ----------:", {"3", "3", "3", "3", "3", "3", "1", "1", "1"}},
    {"AL-K2O CONTENT (ppm) -----------:", {"3", "3", "3", "3", "3", "3", "1", "1", "1"}},
    {"pH () --------------------------:", {"7", "7", "7", "7", "7", "7", "7", "7", "7"}},
}};

// The key followed by each value after a tab; values are never padded.
class TKeyedLine {
public:
    explicit TKeyedLine(std::string_view key) : FLine(key) {}
    TKeyedLine& operator<<(std::string_view value)
    {
        FLine.append("\t").append(value);
        return *this;
    }
    void To(TModelFileLayout& layout) const { layout.Verbatim(FLine); }

private:
    std::string FLine;
};

void Keyed(TModelFileLayout& layout, std::string_view key, std::initializer_list<std::string_view> values)
{
    TKeyedLine line(key);
    for (std::string_view v : values) line << v;
    line.To(layout);
}

std::string Fixed(double value, int digits)
{
    return rtl::FloatToStrF(value, rtl::ffFixed, 4, digits);
}

// A horizon line of a computed value, four significant digits.
template <typename ValueOf>
void HorizonLine(TModelFileLayout& layout, std::string_view key, const TCropSoil& soil, int digits,
                 const ValueOf& valueOf)
{
    TKeyedLine line(key);
    for (const TCropSoilHorizon& h : soil.Horizons) line << Fixed(valueOf(h), digits);
    line.To(layout);
}

}  // namespace

const char* CropSoilCurveNumber(double elevation)
{
    if (elevation > 500) return "80";
    if (elevation > 200) return "70";
    return "60";
}

double DrainageFactor(double sand, double clay)
{
    return 0.8 - (100 - sand) * 0.005 - clay * 0.003;
}

double SaturatedConductivity(double sand, double clay)
{
    return 250 - (100 - sand) * 2.1 - clay * 0.75;
}

void LayOutCropSoilFile(const TCropSoil& soil, TModelFileLayout& layout)
{
    Keyed(layout, "SOIL ID ------------------------:", {soil.Id});
    Keyed(layout, "LOCATION, latitude (deg) -------:", {soil.Latitude});
    Keyed(layout, "LOCATION, longitude (deg) ------:", {soil.Longitude});
    Keyed(layout, "TEXTURE ------------------------:", {"NA"});
    layout.Empty();
    layout.Verbatim("SOIL SURFACE DATA:");
    Keyed(layout, "ALBEDO -------------------------:", {"0.15"});
    Keyed(layout, "1st STAGE EVAPORATION LIMIT (mm):", {"5"});
    Keyed(layout, "RUNOFF CURVE NUMBER (0-100) ----:", {CropSoilCurveNumber(soil.Elevation)});
    Keyed(layout, "MAX POND DEPTH (mm) ------------:", {"0"});
    Keyed(layout, "MIN WATER CONTENT (cm3/cm3) ----:", {"0.01"});
    Keyed(layout, "FERTILE ZONE DEPTH (cm) --------:", {soil.Depth});
    layout.Empty();

    layout.Verbatim("PROFILE MATERIALS DATA:");
    Keyed(layout, "HORIZON NR ---------------------:", {"1", "2", "3", "4"});
    Keyed(layout, "HORIZON ID ---------------------:", {"H1", "H2", "H3", "H4"});
    HorizonLine(layout, "BULK DENSITY (g/cm3) -----------:", soil, 2,
                [](const TCropSoilHorizon& h) { return h.BulkDensity / 1000; });
    Keyed(layout, "ROOT HOSPITABILITY (0-1) -------:", {"1", "1", "1", "1"});
    HorizonLine(layout, "MAX WATER CAPACITY (cm3/cm3) ---:", soil, 3,
                [](const TCropSoilHorizon& h) { return h.Saturation / 100; });
    HorizonLine(layout, "FIELD CAPACITY (cm3/cm3) -------:", soil, 3,
                [](const TCropSoilHorizon& h) { return h.FieldCapacity / 100; });
    HorizonLine(layout, "WILTING POINT (cm3/cm3) --------:", soil, 3,
                [](const TCropSoilHorizon& h) { return h.WiltingPoint / 100; });
    HorizonLine(layout, "DRAINAGE FACTOR (0-1) ----------:", soil, 2,
                [](const TCropSoilHorizon& h) { return DrainageFactor(h.Sand, h.Clay); });
    HorizonLine(layout, "SATURATED CONDUCTIVITY (cm/d) --:", soil, 2,
                [](const TCropSoilHorizon& h) { return SaturatedConductivity(h.Sand, h.Clay); });
    Keyed(layout, "Kr(Se) FUNCTION PARAMETER ------:", {"1", "1", "1", "1"});
    layout.Empty();

    layout.Verbatim("PROFILE STRUCTURE & INITIAL CONDITION DATA:");
    Keyed(layout, "DEPTH (cm) ---------------------:", {"2", "7", "13", "30", "60", "100", "130", "160", "190"});
    Keyed(layout, "MATERIAL -----------------------:", {"1", "1", "1", "1", "2", "3", "4", "4", "4"});
    TKeyedLine organic("ORGANIC MATTER CONTENT (%) -----:");
    for (int h : HorizonOfLayer) organic << soil.Horizons[static_cast<std::size_t>(h - 1)].OrganicMatter;
    organic.To(layout);
    for (const TProfileConstants& line : ProfileConstants) {
        TKeyedLine keyed(line.Key);
        for (const char* v : line.Values) keyed << v;
        keyed.To(layout);
    }
    layout.Empty();

    layout.Verbatim("NITROGEN BALANCE DATA:");
    Keyed(layout, "MINERALIZATION RATE ------------:", {"0.001"});
}

}  // namespace app
