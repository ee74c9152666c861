// The extracts through the grid tables: "incorporate new data", "merge", "landuse", "query", "select from 1ha grid", "select".
#pragma once

#include "app/BatchTableReading.h"
#include "app/GridKeyOptions.h"

namespace app {

inline constexpr int ExtractIdTableSize = 11059795;

// "incorporate new data": Tolvek_DB_GRID_TABLE1new.csv, the grid table 1 rows
// of the 100 m cells the soil database table holds.
void IncorporateNewData(const TGridKeyOptions& options, const TToolStatus& status);
// "merge": croplandIDs.csv, the ids of land-use code "1" and the grid-table-1
// ids of pont_nem1_szanton.csv, ascending.
void ListCroplandIds(const TGridKeyOptions& options, const TToolStatus& status);
// "landuse": landuse.csv, per 10 km cell the rows of land-use code 0 to 3 and
// all its rows.
void CountLandUse(const TGridKeyOptions& options, const TToolStatus& status);
// "query": 10kmSOC.csv, the bulk densities and organic matter of the
// representatives of the sorted grid table 3.
void QueryRepresentativeCarbon(const TGridKeyOptions& options, const TToolStatus& status);
// "select from 1ha grid": SOC1104.csv, the corrected soil rows of the
// representatives with their 10 km cell.
void SelectFrom1haGrid(const TGridKeyOptions& options, const TToolStatus& status);
// "select": DATA\termoreteg_select1104.csv, the topsoil depths of the
// representatives of grid table 3.
void SelectTopsoilDepths(const TGridKeyOptions& options, const TToolStatus& status);

}  // namespace app
