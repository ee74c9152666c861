// The cell key table, grid table 3 and the spatial data file.
#include "app/GridKeyTables.h"

#include <array>
#include <cmath>
#include <vector>

#include "app/IdTable.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int CarpatClimCells = 1104;

std::string JoinFields(const TFieldViews& fields, std::initializer_list<int> columns)
{
    std::string row;
    bool first = true;
    for (int c : columns) {
        if (!first) row += ';';
        first = false;
        row.append(fields[c]);
    }
    return row;
}

// The CARPATCLIM id of cells 1 to 1104: column 2 of the first 1104 data rows.
std::vector<std::string> ReadCarpatClimIds(const std::string& fileName)
{
    TBatchTable table(fileName);
    table.Open();
    table.ReadHeader();
    std::vector<std::string> ids(CarpatClimCells + 1);
    TFieldViews fields;
    std::string line;
    for (int r = 1; r <= CarpatClimCells; ++r) {
        if (table.AtEnd()) {
            throw rtl::Exception("\"" + fileName + "\" ends at line " + std::to_string(table.Place().Line) +
                                 " with " + std::to_string(r - 1) + " of its 1104 cell rows");
        }
        table.ReadLine(line);
        fields.Split(line);
        ids[static_cast<std::size_t>(r)] = std::string(fields[2]);
    }
    table.Close();
    return ids;
}

// A coordinate rounded to 4 decimals (ties to even) and written fixed 6/4.
std::string CoordinateText(std::string_view text)
{
    return FixedText(std::nearbyint(ParseDecimal(text) * 10000) / 10000, 6, 4);
}

// Adds ";" and column 5 of every data row of `fileName` to the entry of its id
// (column 2).
void AppendColumn5ById(TBatchTable& input, TIdTable& table)
{
    input.ReadHeader();
    TFieldViews fields;
    std::string entry;
    input.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, table.Size(), "100 m id");
        entry.assign(table.Get(id));
        entry += ';';
        entry.append(fields[5]);
        table.Set(id, entry);
    });
}

}  // namespace

void CreateCellKeys(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::string gridName = options.File("100m_SOIL_GRID.csv");
    std::unique_ptr<TBatchTable> grid;
    if (rtl::FileExists(gridName)) {
        grid = std::make_unique<TBatchTable>(gridName);
        grid->Open();
    }
    rtl::TTextFile output(options.File("KEY_Cell_IDs.csv"));
    output.Rewrite();
    output.WriteLn(CellKeyHeader);
    if (grid) {
        grid->ReadHeader();
        TFieldViews fields;
        grid->ForEachDataLine([&](const std::string& line, const TTablePlace&) {
            fields.Split(line);
            output.WriteLn(JoinFields(fields, {1, 2, 3, 4}));
        });
        grid->Close();
    }
    output.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteGridTable3(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable grid(options.File("10km_SOIL_GRID.csv"));
    grid.Open();
    rtl::TTextFile output(options.File("Tolvek_DB_GRID_TABLE3.csv"));
    output.Rewrite();
    TFieldViews fields;
    std::string line;
    // Every line is rewritten, the first one included: the loop reads before
    // it tests for the end, like the data loop of the other tools.
    do {
        grid.ReadLine(line);
        fields.Split(line);
        output.WriteLn(JoinFields(fields, {1, 3, 4, 5, 6, 8, 7}));
    } while (!grid.AtEnd());
    output.Close();
    grid.Close();
    ReportStatus(status, "COMPLETE");
}

// The three parts of a row are kept in three id tables and joined only when
// written: the entry a row builds up is appended to three times, and one table
// would keep every earlier text of it in its pool. The row is cut to 70
// characters as one entry would be.
void MakeSpatialDataFile(const TGridKeyOptions& options, const TToolStatus& status)
{
    TBatchTable coordinates(options.File("koordinatak.txt"));
    coordinates.Open();
    TBatchTable elevations(options.File("elevation.txt"));
    elevations.Open();
    TBatchTable regions(options.File("nuts3.txt"));
    regions.Open();
    const std::vector<std::string> carpatClimIds = ReadCarpatClimIds(options.File("CarpatClim GRID IDs.csv"));
    ReportStatus(status, "PHASE 1 FINISHED");

    TIdTable located(SpatialIdTableSize);
    coordinates.ReadHeader();
    TFieldViews fields;
    coordinates.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, SpatialIdTableSize, "100 m id");
        const int cell = ReadStrictInt(fields[3], place, 1, CarpatClimCells, "10 km cell");
        located.Set(id, std::string(fields[2]) + ";" + std::string(fields[4]) + ";" +
                            carpatClimIds[static_cast<std::size_t>(cell)] + ";" + std::string(fields[3]) + ";" +
                            CoordinateText(fields[5]) + ";" + CoordinateText(fields[6]));
    });
    coordinates.Close();
    ReportStatus(status, "PHASE 2 FINISHED");

    TIdTable elevation(SpatialIdTableSize);
    AppendColumn5ById(elevations, elevation);
    elevations.Close();
    ReportStatus(status, "PHASE 3 FINISHED");
    TIdTable region(SpatialIdTableSize);
    AppendColumn5ById(regions, region);
    regions.Close();
    ReportStatus(status, "PHASE 4 FINISHED");

    rtl::TTextFile output(options.File("IDandSPATIAL.csv"));
    output.Rewrite();
    output.WriteLn(SpatialHeader);
    std::string row;
    for (int id = 1; id <= SpatialIdTableSize; ++id) {
        if (located.Empty(id) && elevation.Empty(id) && region.Empty(id)) continue;
        row.assign(located.Get(id));
        row.append(elevation.Get(id));
        row.append(region.Get(id));
        output.WriteLn(CutToIdTableText(row));
    }
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
