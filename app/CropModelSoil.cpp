// Writes the crop model's soil files of the 10 km cells and, by a lock-step join of two tables, of the 100 m cells.
#include "app/CropModelSoil.h"

#include "app/BatchFileWriter.h"
#include "app/CropModelSoilLayout.h"
#include "app/ModelFileLayout.h"
#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/YieldStatistics.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"

#include <vector>

namespace app {

namespace {

constexpr char FieldSeparator = ';';

// Offsets of a horizon's columns from its first column (bulk density), the
// same in the 10 km soil grid and in the soil database table.
constexpr int OrganicMatterOffset = 1;
constexpr int SandOffset = 4;
constexpr int ClayOffset = 6;
constexpr int SaturationOffset = 7;
constexpr int FieldCapacityOffset = 8;
constexpr int WiltingPointOffset = 9;

// The horizons from the fields last split, horizon h starting at firstColumn(h).
template <typename FirstColumn>
void ReadHorizons(TCropSoil& soil, const FirstColumn& firstColumn)
{
    for (int h = 1; h <= CropSoilHorizonCount; ++h) {
        const int c = firstColumn(h);
        TCropSoilHorizon& horizon = soil.Horizons[static_cast<std::size_t>(h - 1)];
        horizon.BulkDensity = ParseDecimal(SharedFields[c]);
        horizon.OrganicMatter = SharedFields[c + OrganicMatterOffset];
        horizon.Sand = ParseDecimal(SharedFields[c + SandOffset]);
        horizon.Clay = ParseDecimal(SharedFields[c + ClayOffset]);
        horizon.Saturation = ParseDecimal(SharedFields[c + SaturationOffset]);
        horizon.FieldCapacity = ParseDecimal(SharedFields[c + FieldCapacityOffset]);
        horizon.WiltingPoint = ParseDecimal(SharedFields[c + WiltingPointOffset]);
    }
}

// A row of the 10 km soil grid: id parts in columns 1-3, site in 4-6, soil
// depth in 9, horizon h in the ten columns from 10·h.
TCropSoil SoilOf10kmRow(const TTableRow& row, const std::string& fileName)
{
    SplitTableRow(row.Text, FieldSeparator, fileName, row.Line);
    TCropSoil soil;
    for (int part = 1; part <= 3; ++part) {
        // Each part names the file: an empty one would give names like "__.soi".
        CheckNameFromRow(SharedFields[part], "soil id part " + std::to_string(part), fileName, row.Line);
        soil.Id += (part > 1 ? "_" : "") + SharedFields[part];
    }
    CheckNameFromRow(soil.Id, "soil id", fileName, row.Line);
    soil.Latitude = SharedFields[4];
    soil.Longitude = SharedFields[5];
    soil.Elevation = ParseDecimal(SharedFields[6]);
    soil.Depth = SharedFields[9];
    ReadHorizons(soil, [](int h) { return 10 * h; });
    return soil;
}

// Columns 1, 4, 5 and 6 of a grid table 1 row, held while the soil row is split.
struct TGridSite {
    std::string Id, Latitude, Longitude, Elevation;
};

std::string PreparedFolder(const std::string& folder)
{
    rtl::ForceDirectories(folder);
    return rtl::IncludeTrailingPathDelimiter(folder);
}

}  // namespace

int MakeCropSoilFiles10km(const TCropSoil10kmOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    // The loop ends with the table's data (at most 1104 rows): a short table
    // no longer writes a file "__.soi" for each missing row.
    std::vector<TCropSoil> soils;
    for (const TTableRow& row : ReadTableRows(options.SoilGrid, 1, CropSoilGridRows)) {
        if (IsBlankRow(row.Text)) continue;
        soils.push_back(SoilOf10kmRow(row, options.SoilGrid));
    }

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(soils.size()));
    for (const TCropSoil& soil : soils) {
        layout.Clear();
        LayOutCropSoilFile(soil, layout);
        files.Save(layout, prefix + soil.Id + ".soi");
    }
    if (onStatus) onStatus("COMPLETE");
    return static_cast<int>(soils.size());
}

std::string CropSoil100mCompletion(const TCropSoil100mResult& result)
{
    if (result.UnpairedSoilRows == 0 && result.UnpairedGridRows == 0) return "COMPLETE";
    return "COMPLETE - unpaired rows: " + std::to_string(result.UnpairedSoilRows) + " of the soil table, " +
           std::to_string(result.UnpairedGridRows) + " of the grid table";
}

namespace {

// Walks the soil table and grid table 1 one row of each per step, the pairing
// rule of the 100 m writer: a soil row pairs with the grid row of the same
// step when both carry the same id, with no realignment. `paired(soilRow,
// grid)` is called for each pair with the soil row split in SharedFields;
// `unpaired(gridRead)` for each soil row without its grid row; `step(n)` after
// each step. Returns the grid rows left after the soil table's end.
template <typename Paired, typename Unpaired, typename Step>
std::int64_t WalkSoilGridPairs(const TCropSoil100mOptions& options, Paired paired, Unpaired unpaired, Step step)
{
    TTableStream soilTable(options.SoilTable);
    TTableStream gridTable(options.GridTable1);
    TTableRow soilRow, gridRow;
    TGridSite grid;
    std::int64_t steps = 0;
    while (soilTable.Next(soilRow)) {
        const bool gridRead = gridTable.Next(gridRow);
        if (gridRead) {
            SplitTableRow(gridRow.Text, FieldSeparator, options.GridTable1, gridRow.Line);
            grid = {SharedFields[1], SharedFields[4], SharedFields[5], SharedFields[6]};
        } else {
            grid = {};  // past the end of the grid table: matches no soil row
        }
        SplitTableRow(soilRow.Text, FieldSeparator, options.SoilTable, soilRow.Line);
        // An empty id pairs with nothing: no file is named from empty rows.
        if (!SharedFields[1].empty() && SharedFields[1] == grid.Id)
            paired(soilRow, grid);
        else
            unpaired(gridRead);
        step(++steps);
    }
    std::int64_t gridLeft = 0;
    while (gridTable.Next(gridRow)) ++gridLeft;
    return gridLeft;
}

}  // namespace

namespace {

// The "4M100m" writer; with `selected`, only the paired rows whose id's flag
// is set are written, and the progress is the count of files.
TCropSoil100mResult WriteCropSoilFiles100m(const TCropSoil100mOptions& options, const std::vector<bool>* selected,
                                           const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    const auto isSelected = [&](const TTableRow& soilRow) {
        if (selected == nullptr) return true;
        const TTablePlace place{&options.SoilTable, soilRow.Line};
        return (*selected)[static_cast<std::size_t>(ReadStrictInt(SharedFields[1], place, 1, Max100mId, "100 m id"))];
    };
    // First pass: every row is split and every id that names a file checked
    // before the first file, so a bad row late in tables of millions leaves
    // no partial set of files; the pairs are counted for the batch message.
    int fileCount = 0;
    WalkSoilGridPairs(
        options,
        [&](const TTableRow& soilRow, const TGridSite&) {
            if (!isSelected(soilRow)) return;
            CheckNameFromRow(SharedFields[1], "100 m id", options.SoilTable, soilRow.Line);
            ++fileCount;
        },
        [](bool) {}, [](std::int64_t) {});

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TCropSoil100mResult result;
    TModelFileLayout layout;
    TBatchFileWriter files(fileCount);
    // The pairing rule stays: one row of each table per step, a file only when
    // both carry the same id, no realignment. What cannot be paired is counted
    // and reported instead of being dropped silently.
    const std::int64_t gridLeft = WalkSoilGridPairs(
        options,
        [&](const TTableRow& soilRow, const TGridSite& grid) {
            if (!isSelected(soilRow)) return;
            TCropSoil soil;
            soil.Id = SharedFields[1];
            soil.Latitude = grid.Latitude;
            soil.Longitude = grid.Longitude;
            soil.Elevation = ParseDecimal(grid.Elevation);
            soil.Depth = SharedFields[2];
            ReadHorizons(soil, [](int h) { return 10 * h - 7; });
            layout.Clear();
            LayOutCropSoilFile(soil, layout);
            files.Save(layout, prefix + soil.Id + ".soi");
            ++result.Written;
            if (selected != nullptr && result.Written % 1000 == 0 && onStatus) onStatus(std::to_string(result.Written));
        },
        [&](bool gridRead) {
            ++result.UnpairedSoilRows;
            if (gridRead) ++result.UnpairedGridRows;
        },
        [&](std::int64_t steps) {
            if (selected == nullptr && steps % CropSoilProgressStep == 0 && onStatus)
                onStatus(rtl::FloatToStrF(static_cast<double>(steps) / 100000.0, rtl::ffFixed, 3, 1) +
                         "% completed");
        });
    result.UnpairedGridRows += gridLeft;
    if (onStatus) onStatus(CropSoil100mCompletion(result));
    return result;
}

// The flags of the ids column 1 of the selection lists.
std::vector<bool> ReadSelection(const std::string& fileName)
{
    std::vector<bool> flags(static_cast<std::size_t>(Max100mId) + 1);
    TWeatherInput input(fileName);
    input.Skip(1);
    TFieldViews f;
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, ';');
        flags[static_cast<std::size_t>(ReadStrictInt(f[1], input.Place(), 1, Max100mId, "100 m id"))] = true;
    });
    return flags;
}

}  // namespace

TCropSoil100mResult MakeCropSoilFiles100m(const TCropSoil100mOptions& options, const TStatusEvent& onStatus)
{
    return WriteCropSoilFiles100m(options, nullptr, onStatus);
}

TCropSoil100mResult MakeCropSoilFilesSelected100m(const TCropSoilSelectedOptions& options, const TStatusEvent& onStatus)
{
    const std::vector<bool> selected = ReadSelection(options.Selection);
    return WriteCropSoilFiles100m(options.Writer, &selected, onStatus);
}

}  // namespace app
