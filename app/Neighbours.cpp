// The neighbour table of the 10 km cells and the fertiliser grid.
#include "app/Neighbours.h"

#include <array>
#include <cstdint>
#include <vector>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int Cells = 1104;
constexpr int Slots = 8;
constexpr int FirstCornerSlot = 5;
constexpr std::array<const char*, 7> CropNames = {"",      "kukorica",   "buza",         "arpa",
                                                  "repce", "napraforgo", "ret es legelo"};

// New(i): column 2 of the first 1104 data rows of the 10 km key table.
std::vector<int> ReadNewNumbers(TBatchTable& keys)
{
    keys.ReadHeader();
    std::vector<int> newNumber(Cells + 1);
    TFieldViews fields;
    std::string line;
    for (int i = 1; i <= Cells; ++i) {
        if (keys.AtEnd()) {
            throw rtl::Exception("\"" + keys.FileName() + "\" ends at line " + std::to_string(keys.Place().Line) +
                                 " with " + std::to_string(i - 1) + " of its 1104 cell rows");
        }
        keys.ReadLine(line);
        fields.Split(line);
        newNumber[static_cast<std::size_t>(i)] = ReadStrictInt(fields[2], keys.Place(), 1, Cells, "new 10 km cell");
    }
    return newNumber;
}

using TNeighbourSlots = std::vector<std::array<int, Slots>>;

// Puts each pair's neighbour into the first empty slot of its cell from
// `firstSlot` on; a cell without an empty slot left ends the action.
void FillSlots(TBatchTable& pairs, const std::vector<int>& newNumber, int firstSlot, TNeighbourSlots& slots)
{
    pairs.ReadHeader();
    TFieldViews fields;
    pairs.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line, '\t');
        const int cell = newNumber[static_cast<std::size_t>(ReadStrictInt(fields[1], place, 1, Cells, "old 10 km cell"))];
        const int neighbour =
            newNumber[static_cast<std::size_t>(ReadStrictInt(fields[2], place, 1, Cells, "old 10 km cell"))];
        auto& cellSlots = slots[static_cast<std::size_t>(cell)];
        for (int s = firstSlot; s <= Slots; ++s) {
            if (cellSlots[static_cast<std::size_t>(s - 1)] == 0) {
                cellSlots[static_cast<std::size_t>(s - 1)] = neighbour;
                return;
            }
        }
        throw rtl::EConvertError("cell " + std::string(fields[1]) + " has more neighbours than its slots " +
                                 std::to_string(firstSlot) + " to 8 hold (" + place.Describe() + ")");
    });
}

int CropNumber(std::string_view name)
{
    for (std::size_t k = 1; k < CropNames.size(); ++k)
        if (name == CropNames[k]) return static_cast<int>(k);
    return 0;
}

}  // namespace

void WriteNeighbourTable(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable keys(options.File("KEY_10kmID_OLD_NEW.csv"));
    keys.Open();
    TBatchTable edges(options.ProviderFile("CC_edge_neighbors.csv"));
    edges.Open();
    TBatchTable corners(options.ProviderFile("CC_corner_neighbors.csv"));
    corners.Open();
    const std::vector<int> newNumber = ReadNewNumbers(keys);
    TNeighbourSlots slots(Cells + 1, std::array<int, Slots>{});
    FillSlots(edges, newNumber, 1, slots);
    FillSlots(corners, newNumber, FirstCornerSlot, slots);
    rtl::TTextFile output(options.ProviderFile("10km_neighborIDs.csv"));
    output.Rewrite();
    for (int cell = 1; cell <= Cells; ++cell) {
        std::string line = std::to_string(cell);
        for (int neighbour : slots[static_cast<std::size_t>(cell)]) line += ";" + std::to_string(neighbour);
        output.WriteLn(line);
    }
    output.Close();
    corners.Close();
    edges.Close();
    keys.Close();
    ReportStatus(status, "COMPLETE");
}

// A row whose crop is none of the six is passed over and counted, the count
// named in the end text, instead of being added to the crop of the row before.
void WriteFertiliserGrid(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable keys(options.File("KEY_Cell_IDs.csv"));
    keys.Open();
    TBatchTable fertiliser(options.ProviderFile("100m-es_racshoz_mutragya.txt"));
    fertiliser.Open();
    std::vector<std::uint16_t> cellOf(FertiliserIdTableSize + 1, 0);
    TFieldViews fields;
    keys.ReadHeader();
    keys.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, FertiliserIdTableSize, "100 m id");
        cellOf[static_cast<std::size_t>(id)] = static_cast<std::uint16_t>(ReadStrictInt(fields[3], place, 1, Cells, "10 km cell"));
    });
    std::vector<std::array<long long, 7>> counts(Cells + 1, std::array<long long, 7>{});
    std::vector<std::array<double, 7>> sums(Cells + 1, std::array<double, 7>{});
    TStatusOnChange cropShown(status);
    long long otherCrops = 0;
    fertiliser.ReadHeader();
    fertiliser.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int k = CropNumber(fields[3]);
        if (k == 0) {
            ++otherCrops;
            return;
        }
        const int id = ReadStrictInt(fields[2], place, 1, FertiliserIdTableSize, "100 m id");
        const int cell = cellOf[static_cast<std::size_t>(id)];
        if (cell == 0) {
            throw rtl::EConvertError("100 m id " + std::string(fields[2]) + " is not in \"" + keys.FileName() + "\" (" +
                                     place.Describe() + ")");
        }
        ++counts[static_cast<std::size_t>(cell)][static_cast<std::size_t>(k)];
        sums[static_cast<std::size_t>(cell)][static_cast<std::size_t>(k)] += ParseDecimal(fields[4]);
        cropShown.Show(std::string(fields[3]));
    });
    rtl::TTextFile output(options.ProviderFile("10km_racs_mutragya.csv"));
    output.Rewrite();
    for (int cell = 1; cell <= Cells; ++cell) {
        std::string line = std::to_string(cell);
        for (std::size_t k = 1; k <= 6; ++k) {
            const long long count = counts[static_cast<std::size_t>(cell)][k];
            const double mean = count > 0 ? sums[static_cast<std::size_t>(cell)][k] / static_cast<double>(count) : -1;
            line += ";" + FixedText(mean, 4, 1);
        }
        output.WriteLn(line);
    }
    output.Close();
    fertiliser.Close();
    keys.Close();
    ReportStatus(status, otherCrops == 0 ? std::string("COMPLETE")
                                         : "COMPLETE; rows of other crops passed over: " + std::to_string(otherCrops));
}

}  // namespace app
