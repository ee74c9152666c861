// The fixed global tables of the workbench: soil-file comments and the two tables of the 1104 10 km cells.
#pragma once

#include <array>
#include <string>

namespace app {

constexpr int CellCount10km = 1104;
constexpr int SoiCommentCapacity = 100;
constexpr int SoiCommentCount = 52;

// Comments written after the values of the soil-property file: entries
// 1..52 are set, 53..100 stay empty; element 0 is unused.
extern std::array<std::string, SoiCommentCapacity + 1> SoiCommentTable;

// Entry 0: the header line; entry n: the semicolon-separated row of 10 km
// cell n (52 columns: id10km;id100m;lat;long;elev;landuse;nuts3;Tavg;dTavg;
// USDA12;USDA3;soildepth; then ten soil columns for each of the layers 0to30,
// 30to60, 60to100 and 100to200).
extern std::array<std::string, CellCount10km + 1> BaseTable10km;

// Entry n: "lat;long;elev;landuse;nuts3;Tavg" of 10 km cell n, numbers in their
// shortest form; element 0 is unused.
extern std::array<std::string, CellCount10km + 1> CellSelectorTable;

// Fills SoiCommentTable, BaseTable10km and CellSelectorTable from the data
// built into the program. Needs no file; may be called again (same result).
void FillGlobalTables();

}  // namespace app
