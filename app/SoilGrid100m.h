// The eight tools of the "GRID OPERATIONS" page that build the 100 m soil grid from one-value tables.
#pragma once

#include <string>
#include <vector>

#include "app/BatchTableReading.h"
#include "app/SoilDbTable.h"

namespace app {

// Id table sizes of the grid tools.
inline constexpr int GridIdTableSize = 11059795;    // "MAKE THE GRID"
inline constexpr int DataIdTableSize = 11059791;    // the other tools
inline constexpr int Max1kmId = 199255;
inline constexpr int Max10kmCell = 1104;
inline constexpr int MaxRowsPer10kmCell = 13865;

inline constexpr const char* IdLocationsName = "IDs_LOCATIONs.csv";
inline constexpr const char* TheGridName = "THE_GRID.csv";
inline constexpr const char* BorderAreaTableName = "DATA\\THS_FC_WP_hatarmenti.txt";
inline constexpr const char* FixedTablesFolder = "FIXED\\";
inline constexpr const char* AllDataGridName = "ALL_DATA_GRID.csv";
inline constexpr const char* SoilGrid100mName = "SOIL_GRID_100m.csv";
inline constexpr const char* CellFilesFolder = "byFILEs_1km\\";
inline constexpr const char* SubcellIdsName = "10kmSubCellIDs.csv";

// What the page gives the grid tools.
struct TSoilGridOptions {
    std::string Folder = SoilGridFolder;
    // `Edit2`: the data table T, a file name in "DATA\" or "DATA2\".
    std::string DataTable = "ths_0_30cm.txt";
    // `Edit3`: the border-area table's value column of "FIX MISSING DATA".
    std::string BorderColumn = "5";
    // "CELLs by FILEs": the most per-cell files kept open at once; 0 derives it
    // from the process's open-file limit.
    int MaxOpenFiles = 0;
    // "CELLs by FILEs": the 1 km cells numbered 1 to this, one file each; the
    // page always uses all 199,255, a test a few hundred.
    int Cell1kmCount = Max1kmId;

    std::string File(const std::string& name) const { return Folder + name; }
    // S: T without its last four characters (its extension).
    std::string DataName() const;
};

// "MAKE THE GRID": THE_GRID.csv, every id of IDs_LOCATIONs.csv once, ascending.
void MakeTheGrid(const TSoilGridOptions& options, const TToolStatus& status);
// "?MISSING": MISSING_S.csv, the ids of THE_GRID.csv that "DATA2\T" lacks.
void ListMissingIds(const TSoilGridOptions& options, const TToolStatus& status);
// "FIX MISSING DATA": S.csv from "DATA\T" (values fixed 4/2), border-area rows
// replacing or adding values from column `Edit3`.
void FixMissingData(const TSoilGridOptions& options, const TToolStatus& status);
// "FIX DATA": S.csv from "DATA\T" with the values copied as text.
void FixData(const TSoilGridOptions& options, const TToolStatus& status);
// "FIND MIN GRID": ALL_DATA_GRID.csv, the ids of THE_GRID.csv found in every
// table of "FIXED\" (a table counts an id once).
void FindMinGrid(const TSoilGridOptions& options, const TToolStatus& status);
// "MERGE DATA": SOIL_GRID_100m.csv, the tables of "FIXED\" joined on the ids of
// ALL_DATA_GRID.csv.
void MergeData(const TSoilGridOptions& options, const TToolStatus& status);
// "CELLs by FILEs": "byFILEs_1km\n.csv" for n = 1 to 199,255, each the grid's
// header and the grid rows of 1 km cell n.
void SplitGridByCellFiles(const TSoilGridOptions& options, const TToolStatus& status);
// "100m SUBCELLs in 10km GRID": 10kmSubCellIDs.csv, the 100 m ids of each 10 km cell.
void ListSubcellsOf10kmCells(const TSoilGridOptions& options, const TToolStatus& status);

// The tables "MERGE DATA" joins and "FIND MIN GRID" counts: the ".csv" files of
// "FIXED\" in name order, without the soil table copy "Button48" writes there.
std::vector<std::string> FixedTableNames(const TSoilGridOptions& options);

// Progress in tenths of the id range, ids ascending: when an id passes
// k x 1,100,000 the status shows k x 10 followed by "%" and k grows.
class TAscendingTenths {
public:
    TAscendingTenths(const TToolStatus& status, int firstK) : FStatus(status), FK(firstK) {}
    void Row(long long id);

private:
    const TToolStatus& FStatus;
    long long FK;
};

}  // namespace app
