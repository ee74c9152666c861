// The extracts through the grid tables: "incorporate new data", "merge", "landuse", "query", "select from 1ha grid", "select".
#include "app/Extracts.h"

#include <array>
#include <cstdint>
#include <vector>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int Cells = 1104;
constexpr const char* GridTable1Name = "Tolvek_DB_GRID_TABLE1.csv";
constexpr const char* GridTable3Name = "Tolvek_DB_GRID_TABLE3.csv";
constexpr const char* GridTable3SortedName = "Tolvek_DB_GRID_TABLE3_sorted.csv";
constexpr const char* QueryHeader =
    "ID10km;ID100m;BD0-30;BD30-30;BD60-100;BD100-200;SOM0-30;SOM30-60;SOM60-100;SOM100-200";

}  // namespace

void IncorporateNewData(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable soil(options.File(SoilDbTableName));
    soil.Open();
    TBatchTable grid1(options.File(GridTable1Name));
    grid1.Open();
    std::vector<bool> hasSoil(ExtractIdTableSize + 1, false);
    TFieldViews fields;
    soil.ReadHeader();
    soil.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        hasSoil[static_cast<std::size_t>(ReadStrictInt(fields[1], place, 1, ExtractIdTableSize, "100 m id"))] = true;
    });
    rtl::TTextFile output(options.File("Tolvek_DB_GRID_TABLE1new.csv"));
    output.Rewrite();
    output.WriteLn(grid1.ReadHeader());
    grid1.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        if (hasSoil[static_cast<std::size_t>(ReadStrictInt(fields[1], place, 1, ExtractIdTableSize, "100 m id"))])
            output.WriteLn(line);
    });
    output.Close();
    grid1.Close();
    soil.Close();
    ReportStatus(status, "COMPLETE");
}

void ListCroplandIds(const TGridKeyOptions& options, const TToolStatus& status)
{
    // Per id: 0 no entry, 1 an entry other than "1", 2 the entry "1".
    enum : std::uint8_t { NoEntry, OtherUse, Cropland };
    ReportStatus(status, "PROCESSING");
    TBatchTable grid1(options.File(GridTable1Name));
    grid1.Open();
    TBatchTable points(options.File("pont_nem1_szanton.csv"));
    points.Open();
    std::vector<std::uint8_t> entry(ExtractIdTableSize + 1, NoEntry);
    TFieldViews fields;
    grid1.ReadHeader();
    grid1.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, ExtractIdTableSize, "100 m id");
        entry[static_cast<std::size_t>(id)] = fields[7].empty() ? NoEntry : fields[7] == "1" ? Cropland : OtherUse;
    });
    points.ReadHeader();
    points.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, ExtractIdTableSize, "100 m id");
        if (entry[static_cast<std::size_t>(id)] != NoEntry) entry[static_cast<std::size_t>(id)] = Cropland;
    });
    rtl::TTextFile output(options.File("croplandIDs.csv"));
    output.Rewrite();
    for (int id = 1; id <= ExtractIdTableSize; ++id)
        if (entry[static_cast<std::size_t>(id)] == Cropland) output.WriteLn(std::to_string(id));
    output.Close();
    points.Close();
    grid1.Close();
    ReportStatus(status, "COMPLETE");
}

void CountLandUse(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable grid1(options.File(GridTable1Name));
    grid1.Open();
    std::vector<std::array<long long, 5>> counts(Cells + 1, std::array<long long, 5>{});
    TFieldViews fields;
    long long rows = 0;
    grid1.ReadHeader();
    grid1.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int cell = ReadStrictInt(fields[3], place, 1, Cells, "10 km cell");
        const int code = ReadStrictInt(fields[7], place, 0, 3, "land-use code");
        ++counts[static_cast<std::size_t>(cell)][static_cast<std::size_t>(code)];
        ++counts[static_cast<std::size_t>(cell)][4];
        if (++rows % 10000 == 0)
            ReportStatus(status, FixedText(static_cast<double>(rows) / 10000000 * 100, 3, 1) + "% completed");
    });
    rtl::TTextFile output(options.File("landuse.csv"));
    output.Rewrite();
    for (int cell = 1; cell <= Cells; ++cell) {
        std::string line = std::to_string(cell);
        for (long long count : counts[static_cast<std::size_t>(cell)]) line += ";" + std::to_string(count);
        output.WriteLn(line);
    }
    output.Close();
    grid1.Close();
    ReportStatus(status, "COMPLETE");
}

// A key with an empty id is passed over; a key the soil table lacks ends the
// action naming the id and the key's line.
void QueryRepresentativeCarbon(const TGridKeyOptions& options, const TToolStatus& status)
{
    static constexpr std::array<int, 8> SoilColumns = {3, 13, 23, 33, 4, 14, 24, 34};
    ReportStatus(status, "PROCESSING");
    TBatchTable keys(options.File(GridTable3SortedName));
    keys.Open();
    TBatchTable soil(options.File(SoilDbTableName));
    soil.Open();
    rtl::TTextFile output(options.File("10kmSOC.csv"));
    output.Rewrite();
    output.WriteLn(QueryHeader);
    keys.ReadHeader();
    soil.ReadHeader();
    TSequentialJoin join(soil, TSequentialJoin::kcText);
    TFieldViews fields;
    TFieldViews soilFields;
    keys.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        if (fields[2].empty()) return;
        const int cell = ReadStrictInt(fields[1], place, INT32_MIN, INT32_MAX, "10 km cell");
        try {
            soilFields.Split(join.Seek(fields[2]));
        } catch (rtl::Exception& e) {
            e.SetMessage(e.Message() + " (key " + place.Describe() + ")");
            throw;
        }
        std::string row = std::to_string(cell) + ";" + std::string(fields[2]);
        for (int c : SoilColumns) {
            row += ';';
            row.append(soilFields[c]);
        }
        output.WriteLn(row);
    });
    output.Close();
    soil.Close();
    keys.Close();
    ReportStatus(status, "COMPLETE");
}

// The first key the soil table lacks ends the action with an error naming it,
// rather than every later key going unmatched and its row unwritten.
void SelectFrom1haGrid(const TGridKeyOptions& options, const TToolStatus& status)
{
    struct TKey {
        int Id, Cell;
        long long Line;
    };
    ReportStatus(status, "PROCESSING");
    TBatchTable keyTable(options.File(GridTable3SortedName));
    keyTable.Open();
    TBatchTable soil(options.File(SoilDbCorrectedName));
    soil.Open();
    std::vector<TKey> keys;
    TFieldViews fields;
    keyTable.ReadHeader();
    keyTable.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        if (static_cast<int>(keys.size()) == Cells)
            throw rtl::EConvertError("more than 1104 key rows (" + place.Describe() + ")");
        fields.Split(line);
        keys.push_back({ReadStrictInt(fields[2], place, INT32_MIN, INT32_MAX, "100 m id"),
                        ReadStrictInt(fields[1], place, INT32_MIN, INT32_MAX, "10 km cell"), place.Line});
    });
    keyTable.Close();
    const auto missing = [&](const TKey& key) {
        return rtl::Exception("id " + std::to_string(key.Id) + " (file \"" + keyTable.FileName() + "\", line " +
                              std::to_string(key.Line) + ") not found in \"" + soil.FileName() +
                              "\"; the keys and the soil rows must hold the ids in the same ascending order");
    };
    rtl::TTextFile output(options.File("SOC1104.csv"));
    output.Rewrite();
    output.WriteLn("id10km;" + soil.ReadHeader());
    std::size_t p = 0;
    soil.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        if (p == keys.size()) return;
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, INT32_MIN, INT32_MAX, "100 m id");
        if (id > keys[p].Id) throw missing(keys[p]);
        if (id != keys[p].Id) return;
        output.WriteLn(std::to_string(keys[p].Cell) + ";" + line);
        ++p;
        ReportStatus(status, std::to_string(p));
    });
    if (p < keys.size()) throw missing(keys[p]);
    output.Close();
    soil.Close();
    ReportStatus(status, "COMPLETE");
}

void SelectTopsoilDepths(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable grid3(options.File(GridTable3Name));
    grid3.Open();
    TBatchTable depths(options.File(TopsoilDepthTableName));
    depths.Open();
    std::vector<std::string> ids;
    TFieldViews fields;
    std::string line;
    grid3.ReadHeader();
    for (int p = 1; p <= Cells && !grid3.AtEnd(); ++p) {
        grid3.ReadLine(line);
        fields.Split(line);
        ids.emplace_back(fields[2]);
    }
    grid3.Close();
    rtl::TTextFile output(options.File("DATA\\termoreteg_select1104.csv"));
    output.Rewrite();
    depths.ReadHeader();
    depths.ForEachDataLine([&](const std::string& row, const TTablePlace&) {
        fields.Split(row);
        for (std::size_t p = 0; p < ids.size(); ++p) {
            if (ids[p] == fields[2])
                output.WriteLn(std::to_string(p + 1) + ";" + ids[p] + ";" + FixedText(ParseDecimal(fields[5]), 4, 0));
        }
    });
    output.Close();
    depths.Close();
}

}  // namespace app
