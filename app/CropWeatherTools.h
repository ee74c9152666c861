// Tools on crop-model weather files and CARPATCLIM tables: the two layout conversions, FORESEE days, renumbering, the two-year cut, coordinates, precipitation sums.
#pragma once

#include "app/WeatherConverters.h"

namespace app {

// "CSV > WTH": FORESEE tables in the CARPATCLIM layout to crop-model weather
// files in the programme data folder.
void CarpatclimTablesToCropFiles(const TWeatherToolOptions& options, const TToolStatus& status);

// "CC > CC": crop-model weather files to CARPATCLIM tables, latitude and
// longitude cut to one decimal after a point.
void CropFilesToCarpatclimTables(const TWeatherToolOptions& options, const TToolStatus& status);

// "Button3"/"Button4": crop-model weather files of the FORESEE input tables'
// days under the header of the cell's CARPATCLIM crop-model file. No status.
void ForeseeInputTablesToCropFiles(const TWeatherToolOptions& options);

// "WTH: old grid > new grid": crop-model weather files copied by the padded
// new cell number of the 10 km key table, which becomes their first line.
void RenumberCropFilesPadded(const TWeatherToolOptions& options, const TToolStatus& status);

// "CC new IDs": the same by key line number, named by the new number as the
// key table writes it.
void RenumberCropFilesByKeyLine(const TWeatherToolOptions& options, const TToolStatus& status);

// "Button59": crop-model weather files cut to the rows of 2015 and 2016.
void KeepCropWeatherYears2015And2016(const TWeatherToolOptions& options, const TToolStatus& status);

// "Button1": the list of the cells' latitude and longitude. No status.
void ListCropFileCoordinates(const TWeatherToolOptions& options);

// The hidden button of "Annout": each cell's precipitation from 1 January 2015
// to 31 October 2016, by new cell number.
void SumPrecipitation2015To2016(const TWeatherToolOptions& options, const TToolStatus& status);

// "Button97": reads the two station join tables and writes nothing.
void ReadStationJoinTables(const TWeatherToolOptions& options);

}  // namespace app
