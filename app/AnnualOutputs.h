// Tools that turn the ecosystem model's annual output files into cell tables, and the precipitation grid of a crop-model run.
#pragma once

#include <string>

#include "app/BatchTableReading.h"
#include "app/WeatherConverters.h"

namespace app {

// "process": 10-year sums and changes of the carbon balance of the 10 km run
// `runName`, written to "<run>_tsoc.csv".
void WriteCarbonBalance(const TWeatherToolOptions& places, const std::string& runName, const TToolStatus& status);

// "Button85": the four sensitivity variants of each cell and year and their
// relative differences, written to "DIFS.txt".
void WriteVariantDifferences(const TWeatherToolOptions& places, const TToolStatus& status);

// "process annout": 30-year means of field `fieldText` for four climate
// scenarios below `folder`, files named `prefix` + padded cell + ".annout".
struct TScenarioMeanOptions {
    std::string Folder;     // Edit1
    std::string Prefix;     // Edit37
    std::string FieldText;  // Edit38
};
void WriteScenarioMeans(const TWeatherToolOptions& places, const TScenarioMeanOptions& options, const TToolStatus& status);

// "PROCESS ANNOUT FILES": mean leaf area, biomass and soil organic matter of
// the annual outputs in `folder`\annout, with percentages by the bulk
// densities of `folder`\BD.csv, written to `folder`\SOMgridSIM.csv.
void WriteSoilOrganicMatter(const std::string& folder, const TToolStatus& status);

// "PROCESS": per-cell statistics of a yearly table shrunk towards the grid
// median; the page's texts as they stand.
struct TShrunkStatisticsOptions {
    std::string RowsText = "30";          // Edit4
    std::string OutputName = "PROCESSED"; // Edit5
    std::string InputName = "RAW.TXT";    // Edit6
    std::string PercentText = "100";      // Edit7
};
void WriteShrunkStatistics(const TWeatherToolOptions& places, const TShrunkStatisticsOptions& options,
                           const TToolStatus& status);

// "Button45": the precipitation list of the crop-model run completed to the
// 1104 cells of the 10 km grid.
void WritePrecipitationGrid(const TWeatherToolOptions& places);

}  // namespace app
