// The yield multipliers of the 10 km cells, the county yields disaggregated by them, and the 2016 fertiliser tables per crop.
#pragma once

#include "app/BatchTableReading.h"
#include "app/WeatherConverters.h"

namespace app {

// "yield": per cell, its maize and wheat yield over the mean of its region,
// from "meanYields2014-2017.csv" to "NUTS3dissaggr.csv".
void WriteYieldMultipliers(const TWeatherToolOptions& places, const TToolStatus& status);

// "Ydisaggregation": the county maize yields of 1970-2018 times each cell's
// maize multiplier, to "MaizeYieldDisAggr1970-2018.csv".
void WriteDisaggregatedYields(const TWeatherToolOptions& places, const TToolStatus& status);

// "select 1ha cells": the nitrogen amounts of 2016 per 100 m cell, one table
// per crop in "e:\4M100m\".
void WriteFertiliserTables(const TWeatherToolOptions& places, const TToolStatus& status);

// The largest 100 m cell id.
constexpr int Max100mId = 11059795;

}  // namespace app
