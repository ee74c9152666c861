// The 1 km and 10 km soil grids joined from the representatives, elevation and land use per cell, and the final 1 km grid.
#include <array>
#include <cstdint>
#include <cmath>

#include "app/RepresentativeSubcells.h"
#include "app/SoilGrid100m.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

std::string PercentText(double value) { return std::to_string(static_cast<long long>(std::nearbyint(value))) + "%"; }

long long RoundedToEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

// Walks the data rows of a sorted key table (column 1 the coarse cell, column 2
// the 100 m id) and finds each key's row in the 100 m soil grid, joined
// sequentially on the id text. A key with an empty id is passed over; a key
// the grid lacks ends the action naming the id, the grid and the key's line.
void JoinKeysWithGrid(TBatchTable& keys, TBatchTable& grid,
                      const std::function<void(int cell, const std::string& id, const std::string& gridRow)>& onRow)
{
    keys.ReadHeader();
    TSequentialJoin join(grid, TSequentialJoin::kcText);
    TFieldViews fields;
    keys.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        if (fields[2].empty()) return;
        const int cell = ReadStrictInt(fields[1], place, 1, INT32_MAX, "cell");
        const std::string id(fields[2]);
        try {
            onRow(cell, id, join.Seek(id));
        } catch (rtl::Exception& e) {
            e.SetMessage(e.Message() + " (key " + place.Describe() + ")");
            throw;
        }
    });
}

// Class 1 when c1 >= c2 and c1 >= c3, 2 when c1 < c2 and c2 >= c3, else 3:
// ties go to the lower class.
int DominantLandUse(const std::array<long long, 4>& counts)
{
    if (counts[1] >= counts[2] && counts[1] >= counts[3]) return 1;
    if (counts[2] >= counts[3]) return 2;
    return 3;
}

}  // namespace

void Create10kmGrid(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable grid(options.File(SoilGrid100mName));
    grid.Open();
    TBatchTable keys(options.File("100m_IDs_in_10km_CELLs SORTED.csv"));
    keys.Open();
    const std::string header = grid.ReadHeader();
    std::vector<std::string> lines(Max10kmCell + 1);
    JoinKeysWithGrid(keys, grid, [&](int cell, const std::string&, const std::string& row) {
        if (cell > Max10kmCell) {
            throw rtl::EConvertError("cell " + std::to_string(cell) + " is outside 1 to 1104 (" +
                                     keys.Place().Describe() + ")");
        }
        lines[static_cast<std::size_t>(cell)] = row;
    });
    rtl::TTextFile output(options.File("SOIL_GRID_10km.csv"));
    output.Rewrite();
    output.WriteLn(header);
    for (int cell = 1; cell <= Max10kmCell; ++cell) output.WriteLn(lines[static_cast<std::size_t>(cell)]);
    output.Close();
    keys.Close();
    grid.Close();
    ReportStatus(status, "COMPLETE");
}

void Create1kmGrid(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable grid(options.File(SoilGrid100mName));
    grid.Open();
    TBatchTable keys(options.File("100m_IDs_in_1km_CELLs SORTED.csv"));
    keys.Open();
    rtl::TTextFile output(options.File("SOIL_GRID_1km.csv"));
    output.Rewrite();
    output.WriteLn(grid.ReadHeader());
    TAscendingTenths progress(status, 0);
    JoinKeysWithGrid(keys, grid, [&](int, const std::string& id, const std::string& row) {
        output.WriteLn(row);
        progress.Row(ReadStrictInt(id, keys.Place(), 1, INT32_MAX, "100 m id"));
    });
    output.Close();
    keys.Close();
    grid.Close();
    ReportStatus(status, "COMPLETE");
}

void GetElevation(const TGridKeyOptions& options, const TToolStatus& status)
{
    TStatusOnChange progress(status);
    progress.Show("PROCESSING...");
    rtl::TTextFile output(options.File("1km_CELLs_elevation.csv"));
    output.Rewrite();
    output.WriteLn("ID1km;elevation");
    TFieldViews fields;
    for (int cell = 1; cell <= options.Cell1kmCount; ++cell) {
        const std::string cellFile = options.File("byFILEs_1km\\" + std::to_string(cell) + ".csv");
        if (!rtl::FileExists(cellFile)) continue;
        TBatchTable file(cellFile);
        file.Open();
        file.ReadHeader();
        double sum = 0;
        long long rows = 0;
        file.ForEachDataLine([&](const std::string& line, const TTablePlace&) {
            fields.Split(line);
            sum += ParseDecimal(fields[7]);
            ++rows;
        });
        file.Close();
        output.WriteLn(std::to_string(cell) + ";" + std::to_string(RoundedToEven(sum / static_cast<double>(rows))));
        progress.Show(PercentText(cell / 2000.0));
    }
    output.Close();
}

void GetLandUse(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    rtl::TTextFile output(options.File("10km_CELLs_landuse.csv"));
    output.Rewrite();
    output.WriteLn("ID10km;landuse");
    TFieldViews fields;
    for (int cell = 1; cell <= Max10kmCell; ++cell) {
        const std::string cellFile = options.File("byFILEs_10km\\" + std::to_string(cell) + ".csv");
        if (!rtl::FileExists(cellFile)) continue;
        TBatchTable file(cellFile);
        file.Open();
        file.ReadHeader();
        std::array<long long, 4> counts{};
        file.ForEachDataLine([&](const std::string& line, const TTablePlace&) {
            fields.Split(line);
            const long long code = RoundedToEven(ParseDecimal(fields[9]));
            if (code >= 1 && code <= 3) ++counts[static_cast<std::size_t>(code)];
        });
        file.Close();
        output.WriteLn(std::to_string(cell) + ";" + std::to_string(DominantLandUse(counts)));
        ReportStatus(status, PercentText(cell / 12.0));
    }
    output.Close();
}

// A 1 km id the coordinate table lacks ends the action with an error naming
// it, before any row is written for it (rather than writing the table's last
// row in its place).
void Finalize1kmGrid(const TGridKeyOptions& options, const TToolStatus& status)
{
    TStatusOnChange progress(status);
    progress.Show("PROCESSING...");
    TBatchTable cells(options.File("1km_CELLs_landuse.csv"));
    cells.Open();
    TBatchTable coordinates(options.File("DATA\\cc_x10_kp_koord_teljes_racs.txt"));
    coordinates.Open();
    rtl::TTextFile output(options.File("1km_CELLs_sorted.csv"));
    output.Rewrite();
    cells.ReadHeader();
    coordinates.ReadHeader();
    TFieldViews fields;
    std::string row;
    cells.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, INT32_MAX, "1 km id");
        while (true) {
            const bool atEnd = coordinates.AtEnd();
            coordinates.ReadLine(row);
            if (atEnd) {
                throw rtl::Exception("1 km id " + std::to_string(id) + " (" + place.Describe() + ") not found in \"" +
                                     coordinates.FileName() + "\" (read to its end)");
            }
            fields.Split(row);
            if (ReadStrictInt(fields[2], coordinates.Place(), INT32_MIN, INT32_MAX, "1 km id") == id) break;
        }
        output.WriteLn(row);
        progress.Show(std::to_string(id) + "%");
    });
    output.Close();
    coordinates.Close();
    cells.Close();
    progress.Show("COMPLETE");
}

}  // namespace app
