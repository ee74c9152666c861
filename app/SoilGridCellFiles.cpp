// "CELLs by FILEs": the 100 m soil grid split into one file per 1 km cell.
#include "app/SoilGrid100m.h"

#include "app/AppendFileCache.h"

namespace app {

namespace {

constexpr int IdColumn = 1;
constexpr int Cell1kmColumn = 2;

// Every row's 1 km id and 100 m id, checked before the first cell file is
// made: a bad row found half-way would leave 199,255 files of which some hold
// their rows and the rest only the header.
void CheckGridRows(const std::string& fileName, int cellCount)
{
    TBatchTable grid(fileName);
    grid.Open();
    grid.ReadHeader();
    TFieldViews fields;
    grid.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        ReadStrictInt(fields[Cell1kmColumn], place, 1, cellCount, "1 km id");
        ReadStrictInt(fields[IdColumn], place, 1, DataIdTableSize, "100 m id");
    });
    grid.Close();
}

}  // namespace

// The files are those of holding all 199,255 open at once, each created with
// the grid's header and given its rows in grid order; only a bounded number is
// open at a time (TAppendFileCache), well under the open-file limit.
void SplitGridByCellFiles(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::string gridName = options.File(SoilGrid100mName);
    CheckGridRows(gridName, options.Cell1kmCount);

    TBatchTable grid(gridName);
    grid.Open();
    const std::string header = grid.ReadHeader();
    const std::string folder = options.File(CellFilesFolder);
    const int capacity = options.MaxOpenFiles > 0 ? options.MaxOpenFiles : OpenFileBudget();
    TAppendFileCache files(
        options.Cell1kmCount, capacity, [&folder](int cell) { return folder + std::to_string(cell) + ".csv"; }, header);
    TAscendingTenths progress(status, 0);
    TFieldViews fields;
    grid.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        files.WriteLine(ReadStrictInt(fields[Cell1kmColumn], place, 1, options.Cell1kmCount, "1 km id"), line);
        progress.Row(ReadStrictInt(fields[IdColumn], place, 1, DataIdTableSize, "100 m id"));
    });
    grid.Close();
    files.Finish();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
