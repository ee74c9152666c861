// The yield multipliers of the 10 km cells, the county yields disaggregated by them, and the 2016 fertiliser tables per crop.
#include "app/YieldStatistics.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <cstdint>
#include <map>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/HugePages.h"
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

// The rows of 2016 of one crop, in input order. A row whose id is written as
// its number would write it (no leading zeros) keeps only its amount text in
// the arena, the line being rebuilt from the id; any other keeps its whole
// "id;amount" text. Both end in a NUL.
struct TCropRows {
    std::vector<std::uint32_t> Ids;
    std::vector<std::uint32_t> Starts;  // offset of each text in the arena, WholeLine set for whole lines
    static constexpr std::uint32_t WholeLine = 0x80000000u;
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

// The row numbers of `ids` ordered by id, rows of one id kept in input order:
// two stable counting passes of 12 bits each (every 100 m id is below 2^24).
// Sorting the rows a crop has touches far less memory than a slot per
// possible id, and fresh memory is what costs most here.
std::vector<std::uint32_t> RowsInIdOrder(const std::vector<std::uint32_t>& ids, std::vector<std::uint32_t>& spare)
{
    static_assert(Max100mId < (1 << 24));
    constexpr std::uint32_t Bits = 12;
    constexpr std::uint32_t Buckets = 1u << Bits;
    const std::size_t n = ids.size();
    std::vector<std::uint32_t> order;
    order.reserve(n);
    rtl::AdviseHugePages(order.data(), n * sizeof(std::uint32_t));
    order.resize(n);
    if (spare.capacity() < n) {
        spare.reserve(n);
        rtl::AdviseHugePages(spare.data(), n * sizeof(std::uint32_t));
    }
    spare.resize(n);
    std::vector<std::uint32_t> counts(Buckets);
    for (int pass = 0; pass < 2; ++pass) {
        const std::uint32_t shift = pass * Bits;
        std::fill(counts.begin(), counts.end(), 0);
        for (std::uint32_t id : ids) ++counts[(id >> shift) & (Buckets - 1)];
        std::uint32_t sum = 0;
        for (std::uint32_t& c : counts) {
            const std::uint32_t here = c;
            c = sum;
            sum += here;
        }
        if (pass == 0) {
            for (std::uint32_t row = 0; row < n; ++row) spare[counts[ids[row] & (Buckets - 1)]++] = row;
        } else {
            for (std::uint32_t row : spare) order[counts[(ids[row] >> shift) & (Buckets - 1)]++] = row;
        }
    }
    return order;
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
        // Room for the kept rows up front (address space only: pages are
        // touched as rows arrive), so growing tables of millions of rows do
        // not copy them again and again. A line holds at least eight characters.
        std::error_code sizeError;
        const auto bytes = static_cast<std::size_t>(std::filesystem::file_size(rtl::MapPath(inputName), sizeError));
        if (!sizeError) {
            arena.reserve(bytes);
            rtl::AdviseHugePages(arena.data(), arena.capacity());
            for (TCropRows& crop : rows) {
                crop.Ids.reserve(bytes / 8 / Crops.size());
                crop.Starts.reserve(bytes / 8 / Crops.size());
                rtl::AdviseHugePages(crop.Ids.data(), crop.Ids.capacity() * sizeof(std::uint32_t));
                rtl::AdviseHugePages(crop.Starts.data(), crop.Starts.capacity() * sizeof(std::uint32_t));
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
            const bool plainId = error == std::errc() && end == idText.data() + idText.size() && idText[0] != '0';
            const std::string_view amount = FirstCharacters(f[4], 5);
            const std::size_t start = arena.size();
            if (start >= TCropRows::WholeLine)
                throw rtl::EOutOfMemory("the rows of 2016 in \"" + rtl::DisplayPath(inputName) + "\" exceed 2 GB");
            rows[crop].Ids.push_back(static_cast<std::uint32_t>(id));
            if (plainId) {
                // At most eight digits, ";" and five characters: never over
                // the id table's 70 characters.
                rows[crop].Starts.push_back(static_cast<std::uint32_t>(start));
                arena += amount;
            } else {
                rows[crop].Starts.push_back(static_cast<std::uint32_t>(start) | TCropRows::WholeLine);
                arena += idText;
                arena += ';';
                arena += amount;
                // The id table holds at most 70 characters per entry.
                const std::string_view entry(arena.data() + start, arena.size() - start);
                arena.resize(start + FirstCharacters(entry, 70).size());
            }
            arena += '\0';
        }
    }
    std::vector<std::uint32_t> spare;
    std::string text;
    for (std::size_t crop = 0; crop < Crops.size(); ++crop) {
        const TCropRows& r = rows[crop];
        const std::vector<std::uint32_t> order = RowsInIdOrder(r.Ids, spare);
        TWeatherOutput out(places.Path(std::string("e:\\4M100m\\") + Crops[crop] + "_fertilization_2016.csv"));
        out.Line("ID;amount_kgN/ha");
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::uint32_t row = order[k];
            // The last row of an id wins.
            if (k + 1 < order.size() && r.Ids[order[k + 1]] == r.Ids[row]) continue;
            const std::uint32_t start = r.Starts[row];
            if (start & TCropRows::WholeLine) {
                out.Line(arena.c_str() + (start & ~TCropRows::WholeLine));
                continue;
            }
            char digits[12];
            const auto written = std::to_chars(digits, digits + sizeof digits, r.Ids[row]);
            text.assign(digits, written.ptr);
            text += ';';
            text += arena.c_str() + start;
            out.Line(text);
        }
        out.Close();
    }
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
