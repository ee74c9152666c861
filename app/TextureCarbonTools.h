// The texture-class and carbon-group tools: "USDA", "USDA coarse", "USDA groups", "USDA perc ID", "SOC", "make 10km base dataset".
#pragma once

#include <string>

#include "app/BatchTableReading.h"
#include "app/GridKeyOptions.h"

namespace app {

inline constexpr int MaxTextureSoilId = 12000000;
inline constexpr int MaxCarbonClassLines = 2700000;

// The name of texture class 1 to 12 ("SAND" … "CLAY"), "" for 0.
std::string TextureClassName(int textureClass);
// The name of coarse class 1 to 3: "SAND", "LOAM", "CLAY".
std::string CoarseClassName(int coarseClass);

// "USDA" (12 classes) and "USDA coarse" (3): USDA.csv or USDA_coarse.csv, the
// class of layer 1 of each representative subcell of grid table 3.
void ClassifyRepresentatives(const TGridKeyOptions& options, bool coarse, const TToolStatus& status);
// "USDA groups": the topsoil carbon rows split into "USDA\<class name>.csv".
void GroupCarbonByTexture(const TGridKeyOptions& options, const TToolStatus& status);
// "USDA perc ID": "USDA\groupIDs.csv", per class the cells whose carbon is
// nearest to a low, the mean and a high value.
void FindCarbonPercentileIds(const TGridKeyOptions& options, const TToolStatus& status);
// "SOC": SOC_0-30cm_uncertainty.csv, each uncertainty row followed by the id
// and carbon of the carbon rows of its id, ascending by id.
void JoinCarbonUncertainty(const TGridKeyOptions& options, const TToolStatus& status);
// "make 10km base dataset": 10km_base_dataset.csv, the soil rows of the
// representatives of Tolvek_DB_GRID_TABLE3_sorted.csv with both texture classes.
void Make10kmBaseDataset(const TGridKeyOptions& options, const TToolStatus& status);

}  // namespace app
