// The yield multipliers of the 10 km cells, the county yields disaggregated by them, and the 2016 fertiliser tables per crop.
#include "app/YieldStatistics.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <cstdint>
#include <map>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int CellCount = 1104;
const char* const StatisticsFolder = "e:\\TolvekCloud\\PRODUCTS\\ALAPADAT\\STATISTICS\\";
const std::array<int, 19> FinalRegions = {120, 211, 212, 213, 221, 222, 223, 231, 232, 233,
                                          311, 312, 313, 321, 322, 323, 331, 332, 333};
const std::array<const char*, 6> Crops = {"kukorica", "buza", "arpa", "napraforgo", "repce", "ret es legelo"};

// The region number of a NUTS3 code: its third to fifth characters.
int RegionOf(std::string_view code, const TTablePlace& place)
{
    return ReadStrictInt(code.size() > 2 ? code.substr(2, 3) : std::string_view{}, place, 0, 999, "region number");
}

struct TRegionSums {
    double Sum = 0;
    int Count = 0;
};

// The multipliers of one crop: each cell's value over its region's mean, then
// over the mean (or, outside the 19 regions, the total) of its region's shares.
// A cell without a row, or a region whose yields are all 0, would divide by
// zero; the action ends with an error naming the file and the cell instead.
std::vector<double> Multipliers(std::vector<double> values, const std::vector<int>& regions, const std::string& fileName,
                                const char* crop)
{
    const auto zero = [&](int cell, const char* what) {
        throw rtl::Exception("cell " + std::to_string(cell) + " of \"" + fileName + "\": " + what + " (" + crop +
                             "), no multiplier");
    };
    std::map<int, TRegionSums> sums;
    for (int cell = 1; cell <= CellCount; ++cell) {
        auto& s = sums[regions[static_cast<std::size_t>(cell)]];
        s.Sum += values[static_cast<std::size_t>(cell)];
        ++s.Count;
    }
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (regions[static_cast<std::size_t>(cell)] == 0) zero(cell, "the cell has no row");
        const TRegionSums& s = sums[regions[static_cast<std::size_t>(cell)]];
        const double mean = s.Sum / s.Count;
        if (mean == 0) zero(cell, "the mean yield of its region is 0");
        double& x = values[static_cast<std::size_t>(cell)];
        x = x / (s.Sum / mean) / mean;
    }
    std::map<int, TRegionSums> shares;
    for (int cell = 1; cell <= CellCount; ++cell) {
        auto& s = shares[regions[static_cast<std::size_t>(cell)]];
        s.Sum += values[static_cast<std::size_t>(cell)];
        ++s.Count;
    }
    for (int region : FinalRegions) {
        auto found = shares.find(region);
        if (found != shares.end()) found->second.Sum /= found->second.Count;
    }
    for (int cell = 1; cell <= CellCount; ++cell) {
        const double divisor = shares[regions[static_cast<std::size_t>(cell)]].Sum;
        if (divisor == 0) zero(cell, "the shares of its region add up to 0");
        values[static_cast<std::size_t>(cell)] /= divisor;
    }
    return values;
}

}  // namespace

void WriteYieldMultipliers(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string inputName = places.Path(std::string(StatisticsFolder) + "meanYields2014-2017.csv");
    std::vector<double> maize(CellCount + 1), wheat(CellCount + 1);
    std::vector<int> regions(CellCount + 1);
    TWeatherInput input(inputName);
    input.Skip(1);
    TFieldViews f;
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, ';');
        const auto cell = static_cast<std::size_t>(ReadStrictInt(f[1], input.Place(), 1, CellCount, "cell"));
        maize[cell] = ParseDecimal(f[2]);
        wheat[cell] = ParseDecimal(f[3]);
        regions[cell] = RegionOf(f[4], input.Place());
    });
    input.Close();
    maize = Multipliers(maize, regions, inputName, "maize");
    wheat = Multipliers(wheat, regions, inputName, "wheat");
    TWeatherOutput out(places.Path(std::string(StatisticsFolder) + "NUTS3dissaggr.csv"));
    out.Line("ID;multipMAIZE;multipWHEAT;NUTS3");
    std::string line;
    for (std::size_t cell = 1; cell <= CellCount; ++cell) {
        line = std::to_string(cell) + ";";
        AppendFixedText(line, maize[cell], 9, 8);
        line += ';';
        AppendFixedText(line, wheat[cell], 9, 8);
        line += ";HU" + std::to_string(regions[cell]);
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteDisaggregatedYields(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    std::vector<double> multipliers(CellCount + 1);
    std::vector<int> regions(CellCount + 1);
    TFieldViews f;
    {
        TWeatherInput input(places.Path(std::string(StatisticsFolder) + "NUTS3dissaggr.csv"));
        input.Skip(1);
        input.ForEachLine([&](const std::string& line) {
            f.Split(line, ';');
            const auto cell = static_cast<std::size_t>(ReadStrictInt(f[1], input.Place(), 1, CellCount, "cell"));
            multipliers[cell] = ParseDecimal(f[2]);
            regions[cell] = RegionOf(f[4], input.Place());
        });
    }
    std::map<int, std::array<double, 49>> county;
    TWeatherInput input(places.Path(std::string(StatisticsFolder) + "MaizeYield1970-2018NUTS3.csv"));
    std::string header;
    input.Next(header);
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, ';');
        auto& yields = county[RegionOf(f[1], input.Place())];
        for (int year = 0; year < 49; ++year) yields[static_cast<std::size_t>(year)] = ParseDecimal(f[year + 3]);
    });
    TWeatherOutput out(places.Path(std::string(StatisticsFolder) + "MaizeYieldDisAggr1970-2018.csv"));
    out.Line(header);
    const std::array<double, 49> none{};
    std::string line;
    for (std::size_t cell = 1; cell <= CellCount; ++cell) {
        line = std::to_string(cell) + ";HU" + std::to_string(regions[cell]);
        const auto found = county.find(regions[cell]);
        const auto& yields = found == county.end() ? none : found->second;
        for (double yield : yields) {
            line += ';';
            AppendFixedText(line, yield * multipliers[cell], 5, 0);
        }
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

namespace {

// The rows of 2016 of one crop, in input order, as "id;amount" texts in one arena.
struct TCropRows {
    std::vector<std::uint32_t> Ids;
    std::vector<std::uint32_t> Starts;  // offset of each text in the arena
};

// Up to five characters of the amount (code points, not bytes).
std::string_view FirstCharacters(std::string_view text, int count)
{
    std::size_t at = 0;
    for (int k = 0; k < count && at < text.size(); ++k) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return text.substr(0, at);
}

}  // namespace

void WriteFertiliserTables(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    // One pass over the input collects the rows of every crop; each crop's
    // table is then the last row per id in ascending id order, the result of
    // reading the input once per crop.
    std::array<TCropRows, Crops.size()> rows;
    std::string arena;
    TFieldViews f;
    {
        const std::string inputName = places.Path(std::string(StatisticsFolder) + "100m-es_racshoz_mutragya.txt");
        TWeatherInput input(inputName);
        // Room for the kept rows up front: growing tables of millions of rows
        // would copy them again and again. A kept row's text is shorter than
        // its line, and a line holds at least eight characters.
        std::error_code sizeError;
        const auto bytes = static_cast<std::size_t>(std::filesystem::file_size(rtl::MapPath(inputName), sizeError));
        if (!sizeError) {
            arena.reserve(bytes);
            for (TCropRows& crop : rows) {
                crop.Ids.reserve(bytes / 8 / Crops.size());
                crop.Starts.reserve(bytes / 8 / Crops.size());
            }
        }
        input.Skip(1);
        std::string line;
        while (!input.AtEnd()) {
            input.Next(line);
            f.Split(line, ';');
            if (f[1] != "2016") continue;
            std::size_t crop = 0;
            while (crop < Crops.size() && f[3] != Crops[crop]) ++crop;
            if (crop == Crops.size()) continue;
            // An id outside the table is refused with its place, not stored past it.
            const std::string_view idText = f[2];
            int id = 0;
            const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
            if (error != std::errc() || end != idText.data() + idText.size() || id < 1 || id > Max100mId)
                id = ReadStrictInt(idText, input.Place(), 1, Max100mId, "100 m id");
            rows[crop].Ids.push_back(static_cast<std::uint32_t>(id));
            rows[crop].Starts.push_back(static_cast<std::uint32_t>(arena.size()));
            const std::size_t start = arena.size();
            arena += idText;
            arena += ';';
            arena += FirstCharacters(f[4], 5);
            // The id table holds at most 70 characters per entry.
            const std::string_view entry(arena.data() + start, arena.size() - start);
            arena.resize(start + FirstCharacters(entry, 70).size());
            arena += '\0';
        }
    }
    std::vector<std::uint32_t> slot(static_cast<std::size_t>(Max100mId) + 1);
    for (std::size_t crop = 0; crop < Crops.size(); ++crop) {
        const TCropRows& r = rows[crop];
        for (std::size_t k = 0; k < r.Ids.size(); ++k) slot[r.Ids[k]] = static_cast<std::uint32_t>(k + 1);
        TWeatherOutput out(places.Path(std::string("e:\\4M100m\\") + Crops[crop] + "_fertilization_2016.csv"));
        out.Line("ID;amount_kgN/ha");
        for (std::size_t id = 1; id < slot.size(); ++id)
            if (slot[id] != 0) out.Line(arena.c_str() + r.Starts[slot[id] - 1]);
        out.Close();
        // Only the slots of this crop's ids were set: clearing them leaves the
        // table empty for the next crop without refilling all of it.
        for (std::uint32_t id : r.Ids) slot[id] = 0;
    }
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
