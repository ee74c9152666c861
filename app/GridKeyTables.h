// The cell key table, grid table 3 and the spatial data file.
#pragma once

#include "app/BatchTableReading.h"
#include "app/GridKeyOptions.h"

namespace app {

inline constexpr int SpatialIdTableSize = 11059795;
inline constexpr const char* CellKeyHeader = "ID100m;ID1km;ID10km;ID10kmOLD(CC)";
inline constexpr const char* SpatialHeader = "ID100m;ID1km;ID10km;old10kmID;lat;long;elev;nuts3";

// "CREATE KEYS": KEY_Cell_IDs.csv, columns 1 to 4 of 100m_SOIL_GRID.csv below
// the header; the header alone without that input.
void CreateCellKeys(const TGridKeyOptions& options, const TToolStatus& status);
// "FOR DB": Tolvek_DB_GRID_TABLE3.csv, every line of 10km_SOIL_GRID.csv (its
// first included) as its columns 1, 3, 4, 5, 6, 8, 7.
void WriteGridTable3(const TGridKeyOptions& options, const TToolStatus& status);
// "FIX CC IDs and MAKE SPATIAL DATA FILE": IDandSPATIAL.csv from the
// coordinate, CARPATCLIM id, elevation and NUTS3 tables, ascending by id.
void MakeSpatialDataFile(const TGridKeyOptions& options, const TToolStatus& status);

}  // namespace app
