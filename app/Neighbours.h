// The neighbour table of the 10 km cells and the fertiliser grid.
#pragma once

#include "app/BatchTableReading.h"
#include "app/GridKeyOptions.h"

namespace app {

inline constexpr int FertiliserIdTableSize = 11259791;

// "CC cell neighbors": 10km_neighborIDs.csv in the provider folder, per new
// cell number its four edge and four corner neighbours by new number.
void WriteNeighbourTable(const TGridKeyOptions& options, const TToolStatus& status);
// "Nfert grid": 10km_racs_mutragya.csv in the provider folder, per 10 km cell
// the mean fertiliser amount of the six crops (-1 for a crop without rows).
void WriteFertiliserGrid(const TGridKeyOptions& options, const TToolStatus& status);

}  // namespace app
