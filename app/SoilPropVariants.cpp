// Soil-property files outside the 10 km writer: the 57-line files of selected 100 m cells, and the "select similar 3" and EU-PTF variants.
#include "app/SoilPropVariants.h"

#include <unordered_map>
#include <vector>

#include "app/ModelFileLayout.h"
#include "app/SoilPropLayout.h"
#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/WeatherLayouts.h"
#include "app/YieldStatistics.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

namespace app {

namespace {

const char* const SoilGridFolder = "e:\\Tolvek SOIL GRID\\";
const char* const TenKmSoilFolder = "e:\\TolvekCloud\\PRODUCTS\\TOLVEK DEVELOP\\Tolvek File System\\input\\soil\\grid\\10km\\";
const char* const CompositionHeading = "SOIL COMPOSITION AND CHARACTERISTIC VALUES (-9999: no measured data)";
constexpr int LayoutLines = 57;

// Lines 2-41 of the 57-line layout ("" stands for a rule).
const char* const ConstantHead[] = {
    "",
    "NITROGEN AND DECOMPOSITION PARAMETERS",
    "0.02      (prop.)   denitrification rate per g of CO2 respiration of SOM",
    "0.2       (prop.)   nitrification coefficient 1",
    "0.07      (prop.)   nitrification coefficient 2",
    "0.02      (prop.)   coefficient of N2O emission of nitrification",
    "0.1       (prop.)   NH4 mobilen proportion",
    "1.0       (prop.)   NO3 mobilen proportion",
    "10        (m)       e-folding depth of decomposition rate depth scalar",
    "0.002     (prop.)   fraction of dissolved part of SOIL1 organic matter",
    "0.002     (prop.)   fraction of dissolved part of SOIL2 organic matter",
    "0.002     (prop.)   fraction of dissolved part of SOIL3 organic matter",
    "0.002     (prop.)   fraction of dissolved part of SOIL4 organic matter",
    "",
    "RATE SCALARS",
    "0.44      (prop)    respiration fractions for fluxes between compartments (l1s1)",
    "0.51      (prop)    respiration fractions for fluxes between compartments (l2s2)",
    "0.33      (prop)    respiration fractions for fluxes between compartments (l4s3)",
    "0.33      (prop)    respiration fractions for fluxes between compartments (s1s2)",
    "0.51      (prop)    respiration fractions for fluxes between compartments (s2s3)",
    "0.61      (prop)    respiration fractions for fluxes between compartments (s3s4)",
    "0.7       (1/day)   rate constant scalar of  labile litter pool",
    "0.07      (1/day)   rate constant scalar of cellulose litter pool",
    "0.014     (1/day)   rate constant scalar of lignin litter pool",
    "0.07      (1/day)   rate constant scalar of  fast microbial recycling pool",
    "0.014     (1/day)   rate constant scalar of  medium microbial recycling pool",
    "0.0014    (1/day)   rate constant scalar of  slow microbial recycling pool",
    "0.0001    (1/day)   rate constant scalar of  recalcitrant SOM (humus) pool",
    "0.001     (1/day)   rate constant scalar of  physical fragmentation of coarse woody debris",
    "",
    "CH4 PARAMETERS",
    "212.5     (DIM)     soil CH4 emission bulk density dependence parameter1",
    "1.81      (DIM)     soil CH4 emission bulk density dependence parameter2",
    "-1.353    (DIM)     soil CH4 emission soil water content dependence parameter1",
    "0.2       (DIM)     soil CH4 emission soil water content dependence parameter2",
    "1.781     (DIM)     soil CH4 emission soil water content dependence parameter3",
    "6.786     (DIM)     soil CH4 emission soil water content dependence parameter4",
    "0.010     (DIM)     soil CH4 emission soil temperature dependence parameter1",
    "",
    "SOIL PARAMETERS",
};

// Offsets of a source layer's columns from its first (bulk density).
enum TLayerColumn { lcBulkDensity = 0, lcPh = 3, lcSand = 4, lcSilt = 5, lcClay = 6, lcSaturation = 7, lcFieldCapacity = 8, lcWiltingPoint = 9 };

std::string_view LayerField(const TFieldViews& fields, int layer, TLayerColumn column)
{
    return fields[3 + 10 * layer + column];
}

template <typename Value>
TSourceLayerValues PerLayer(const Value& value)
{
    TSourceLayerValues values;
    for (int layer = 0; layer < SoilSourceLayerCount; ++layer) values[static_cast<std::size_t>(layer)] = value(layer);
    return values;
}

// Ten model-layer values without a comment, each padded to eight characters.
std::string BareLayerLine(const TSourceLayerValues& values)
{
    std::string line;
    for (int source : SoilSourceLayerOfModelLayer) line += PadRight(values[static_cast<std::size_t>(source - 1)], 8);
    return line;
}

std::vector<std::string> ReadAllLines(const std::string& fileName)
{
    std::vector<std::string> lines;
    TWeatherInput input(fileName);
    input.ForEachLine([&](const std::string& line) { lines.push_back(line); });
    return lines;
}

// The inputs of the two 10 km variants must be in the 57-line layout; a file
// of another layout (the 63-line files of the 10 km writer) is refused before
// its cell is written rather than copied line by line into nonsense.
void CheckLayout(const std::vector<std::string>& lines, const std::string& fileName)
{
    if (lines.size() < static_cast<std::size_t>(LayoutLines)) {
        throw rtl::Exception("\"" + fileName + "\" has " + std::to_string(lines.size()) +
                             " lines, not the 57 of the soil-property layout");
    }
    if (lines[46] != CompositionHeading) {
        throw rtl::Exception("\"" + fileName + "\" line 47 is \"" + lines[46] + "\", not the composition heading of the 57-line layout");
    }
}

// Characters 7 to 14 (code points) of a line.
std::string Characters7To14(const std::string& line)
{
    std::size_t start = 0, count = 0;
    while (start < line.size() && count < 6) {
        ++start;
        while (start < line.size() && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) ++start;
        ++count;
    }
    std::size_t end = start;
    for (int k = 0; k < 8 && end < line.size(); ++k) {
        ++end;
        while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) ++end;
    }
    return line.substr(start, end - start);
}

std::string PaddedFileName(const std::string& folder, int cell) { return folder + "10km" + PaddedCellNumber(cell) + ".soi"; }

}  // namespace

void LayOutSelectedSoilFile(TModelFileLayout& layout, const std::string& name, const TFieldViews& fields, int elevation)
{
    layout.Verbatim("SOILPROP FILE - MuSo6, site/cell: " + name + " " + std::string(fields[1]));
    for (const char* line : ConstantHead) {
        if (*line == '\0') SoilRule(layout);
        else layout.Verbatim(line);
    }
    SoilParameterLine(layout, FixedText(ParseDecimal(fields[2]) / 100, 5, 2), "(m)       depth of soil");
    layout.Verbatim("0.6       (DIM)     ratio of bare soil evaporation and pot.evaporation");
    layout.Verbatim("0.0       (mm)      maximum height of pond water");
    const char* curve = elevation > 500 ? "80" : elevation > 200 ? "70" : "60";
    layout.Verbatim(std::string(curve) + "        (dimless) measured runoff curve number (-9999: no measured data, model estimation)");
    SoilRule(layout);
    layout.Verbatim(CompositionHeading);
    const auto number = [&](int layer, TLayerColumn column) { return ParseDecimal(LayerField(fields, layer, column)); };
    const auto verbatim = [&](TLayerColumn column) {
        return PerLayer([&](int layer) { return std::string(LayerField(fields, layer, column)); });
    };
    const auto scaled = [&](TLayerColumn column, double divisor, int precision, int decimals) {
        return PerLayer([&](int layer) { return FixedText(number(layer, column) / divisor, precision, decimals); });
    };
    SoilLayerLine(layout, verbatim(lcSand), "(%) sand percentage by volume in rock-free soil");
    SoilLayerLine(layout, verbatim(lcSilt), "(%) silt percentage by volume in rock-free soil");
    SoilLayerLine(layout, verbatim(lcPh), "(dimless) soil pH");
    SoilLayerLine(layout, scaled(lcBulkDensity, 1000, 4, 2), "(g/cm3) bulk density");
    SoilLayerLine(layout, scaled(lcSaturation, 100, 4, 3), "(m3/m3) SWC at saturation");
    SoilLayerLine(layout, scaled(lcFieldCapacity, 100, 4, 3), "(m3/m3) SWC at field capacity");
    SoilLayerLine(layout, scaled(lcWiltingPoint, 100, 4, 3), "(m3/m3) SWC at wilting point");
    SoilLayerLine(layout, PerLayer([](int) { return std::string("0.005"); }), "(m3/m3) SWC at hygroscopic water content");
    SoilLayerLine(layout, PerLayer([&](int l) {
                      return FixedText(0.8 - (100 - number(l, lcSand)) * 0.005 - number(l, lcClay) * 0.003, 4, 2);
                  }),
                  "(dimless) drainage coefficient");
    SoilLayerLine(layout, PerLayer([&](int l) {
                      return FixedText(250 - (100 - number(l, lcSand)) * 2.1 - number(l, lcClay) * 0.75, 4, 2);
                  }),
                  "(cm/day) hydraulic condictivity at saturation");
}

void WriteSelectedSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    struct TEntry {
        std::string Name;
        int Id = 0;
    };
    std::vector<TEntry> entries;
    TFieldViews f;
    {
        TWeatherInput list(places.Path(std::string(SoilGridFolder) + "USDA\\SOCgroupIDs.csv"));
        list.Skip(1);
        list.ForEachLine([&](const std::string& line) {
            if (line.empty()) return;
            // The list has room for 36 entries; a longer one is refused, not cut.
            if (entries.size() == SelectedSoilMaxEntries) {
                throw rtl::EConvertError("more than 36 selections (" + list.Place().Describe() + ")");
            }
            f.Split(line, ';');
            TEntry entry{std::string(f[1]), ReadStrictInt(f[2], list.Place(), 1, Max100mId, "100 m id")};
            CheckFileNamePart(entry.Name, list.Place());
            entries.push_back(entry);
        });
    }
    std::unordered_map<int, int> entryOfId;  // the last entry of an id wins
    for (std::size_t k = 0; k < entries.size(); ++k) entryOfId[entries[k].Id] = static_cast<int>(k);

    // The elevation of a selected id: column 6 of the grid table row whose
    // column 1 is the id.
    std::unordered_map<int, int> elevationOfId;
    {
        TWeatherInput grid(places.Path(std::string(SoilGridFolder) + "Tolvek_DB_GRID_TABLE1.csv"));
        grid.Skip(1);
        grid.ForEachLine([&](const std::string& line) {
            f.Split(line, ';');
            int id = 0;
            if (!rtl::TryStrToInt(std::string(f[1]), id) || entryOfId.count(id) == 0) return;
            elevationOfId[id] = ReadStrictInt(f[6], grid.Place(), INT32_MIN, INT32_MAX, "elevation");
        });
    }
    ReportStatus(status, "0% completed");
    TStatusOnChange progress(status);
    TWeatherInput soil(places.Path(std::string(SoilGridFolder) + "Tolvek_DB_SOIL_TABLE.csv"));
    soil.Skip(1);
    TModelFileLayout layout;
    long long rows = 0;
    soil.ForEachLine([&](const std::string& line) {
        f.Split(line, ';');
        const int id = ReadStrictInt(f[1], soil.Place(), INT32_MIN, INT32_MAX, "id");
        if (const auto found = entryOfId.find(id); found != entryOfId.end()) {
            const auto elevation = elevationOfId.find(id);
            if (elevation == elevationOfId.end()) {
                throw rtl::Exception("id " + std::to_string(id) + " of " + soil.Place().Describe() + " has no row in the grid table");
            }
            const TEntry& entry = entries[static_cast<std::size_t>(found->second)];
            layout.Clear();
            LayOutSelectedSoilFile(layout, entry.Name, f, elevation->second);
            layout.SaveToFile(places.Path(std::string(SoilGridFolder) + "Tolvek\\selected\\" + entry.Name + ".soi"));
        }
        if (++rows % 10000 == 0) progress.Show(FixedText(static_cast<double>(rows) / 12000000 * 100, 3, 1) + "% completed");
    });
    ReportStatus(status, "COMPLETE");
}

void WriteSimilarSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    std::vector<std::string> representative(1105);
    TFieldViews f;
    {
        TWeatherInput table(places.Path(std::string(SoilGridFolder) + "Tolvek_DB_GRID_TABLE3_EXP.csv"));
        table.ForEachLine([&](const std::string& line) {
            f.Split(line, ';');
            const int cell = ReadStrictInt(f[1], table.Place(), 1, 1104, "cell");
            representative[static_cast<std::size_t>(cell)] = std::string(f[13]);
            CheckFileNamePart(representative[static_cast<std::size_t>(cell)], table.Place());
        });
    }
    const std::string outFolder = std::string(TenKmSoilFolder) + "3type\\";
    for (int cell = 1; cell <= 1104; ++cell) {
        const std::string& rep = representative[static_cast<std::size_t>(cell)];
        if (rep.empty()) throw rtl::Exception("cell " + std::to_string(cell) + " has no representative soil in \"Tolvek_DB_GRID_TABLE3_EXP.csv\"");
        const std::string inName = places.Path(PaddedFileName(TenKmSoilFolder, cell));
        const std::vector<std::string> a = ReadAllLines(inName);
        CheckLayout(a, inName);
        const std::string repName = places.Path(std::string(SoilGridFolder) + "USDA\\3reps\\" + rep + "_calibSOIspinup.soi");
        const std::vector<std::string> c = ReadAllLines(repName);
        const auto repLine = [&](int number) { return number <= static_cast<int>(c.size()) ? c[static_cast<std::size_t>(number - 1)] : std::string(); };
        TWeatherOutput out(places.Path(PaddedFileName(outFolder, cell)));
        for (int line = 1; line <= LayoutLines; ++line) {
            const std::string& own = a[static_cast<std::size_t>(line - 1)];
            if (line == 14 || (line >= 17 && line <= 30)) {
                out.Line(Characters7To14(repLine(line)));
            } else if (line == 53 && rep == "1028") {
                f.Split(own, ' ');
                std::string reduced;
                for (int k = 1; k <= 10; ++k) reduced += PadRight(FixedText(ParseDecimal(f[k]) - 0.02, 4, 3), 8);
                out.Line(reduced);
            } else {
                out.Line(own);
            }
        }
        out.Close();
    }
    ReportStatus(status, "COMPLETE");
}

void WriteEuPtfSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    std::vector<std::array<double, 14>> ptf(1105);
    TFieldViews f;
    {
        TWeatherInput table(places.Path("e:\\TolvekCloud\\PRODUCTS\\LIBRARY\\DB sensitivity\\EU-PTF.txt"));
        table.Skip(1);
        std::string line;
        for (std::size_t cell = 1; cell <= 1104; ++cell) {
            table.Next(line);
            f.Split(line, '\t');
            for (int column = 2; column <= 13; ++column) ptf[cell][static_cast<std::size_t>(column)] = ParseDecimal(f[column]);
        }
    }
    const std::string inFolder = std::string(TenKmSoilFolder) + "3type\\";
    const std::string outFolder = std::string(TenKmSoilFolder) + "euptf\\";
    for (int cell = 1; cell <= 1104; ++cell) {
        const std::string inName = places.Path(PaddedFileName(inFolder, cell));
        const std::vector<std::string> a = ReadAllLines(inName);
        CheckLayout(a, inName);
        const auto& row = ptf[static_cast<std::size_t>(cell)];
        TWeatherOutput out(places.Path(PaddedFileName(outFolder, cell)));
        out.Line(a[0] + " EU-PTF estimated THS, FC, WP");
        for (int line = 2; line <= LayoutLines; ++line) {
            if (line >= 52 && line <= 54) {
                const int first = 2 + 4 * (line - 52);  // saturation 2-5, field capacity 6-9, wilting point 10-13
                out.Line(BareLayerLine(PerLayer([&](int layer) {
                    return FixedText(row[static_cast<std::size_t>(first + layer)] / 100, 4, 3);
                })));
            } else {
                out.Line(a[static_cast<std::size_t>(line - 1)]);
            }
        }
        out.Close();
        ReportStatus(status, std::to_string(cell));
    }
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
