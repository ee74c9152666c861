// Representative subcells of the 1 km and 10 km cells, the coarse soil grids built from them, elevation, land use and the final 1 km grid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/BatchTableReading.h"
#include "app/GridKeyOptions.h"

namespace app {

inline constexpr int MaxRowsPer10kmSearchCell = 14000;
inline constexpr int MaxRowsPer1kmSearchCell = 5000;

// One 100 m row of a per-cell file: its id (at most 10 characters) and its
// soil profile, four layers of five properties.
struct TProfileRow {
    std::string Id;
    std::array<std::array<double, 5>, 4> Values{};
};

// The profile of a 100 m soil grid row: columns 10L+1, 10L+2, 10L+5, 10L+6
// and 10L+7 of layer L.
TProfileRow ProfileOf(const TFieldViews& fields);

// The id of the row closest to the cell's mean profile: per layer the sum of
// |x - mean| / mean over the properties whose mean is not 0, layers weighted
// 5, 3, 2, 1 (÷ 11); the first of equal scores wins.
std::string RepresentativeOf(const std::vector<TProfileRow>& rows);

// "FIND REPRESENTATIVE SUBCELL FOR 10km CELLS": 100m_IDs_in_10km_CELLs.csv
// from "byFILEs\n.csv", n = 1 to 1104.
void FindRepresentatives10km(const TGridKeyOptions& options, const TToolStatus& status);
// "FIND REPRESENTATIVE SUBCELL FOR 1km CELLS": 100m_IDs_in_1km_CELLs.csv from
// the "byFILEs_1km\n.csv" that exist.
void FindRepresentatives1km(const TGridKeyOptions& options, const TToolStatus& status);

// "CREATE 10km GRID": SOIL_GRID_10km.csv, line n the 100 m grid row of cell
// n's representative.
void Create10kmGrid(const TGridKeyOptions& options, const TToolStatus& status);
// "CREATE 1km GRID": SOIL_GRID_1km.csv, the grid rows of the 1 km
// representatives in 100 m id order.
void Create1kmGrid(const TGridKeyOptions& options, const TToolStatus& status);
// "GET ELEVATION": 1km_CELLs_elevation.csv, the rounded mean of column 7 per
// 1 km cell file.
void GetElevation(const TGridKeyOptions& options, const TToolStatus& status);
// "GET LANDUSE": 10km_CELLs_landuse.csv, the dominant land-use class 1-3 per
// "byFILEs_10km\n.csv".
void GetLandUse(const TGridKeyOptions& options, const TToolStatus& status);
// "FINALIZE 1km GRID": 1km_CELLs_sorted.csv, the coordinate row of each 1 km
// cell of 1km_CELLs_landuse.csv.
void Finalize1kmGrid(const TGridKeyOptions& options, const TToolStatus& status);

}  // namespace app
