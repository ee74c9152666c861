// The joined weather table of the 18 series and the climate summaries: monthly radiation, degree days and optimal days; FORESEE radiation; temperature averages.
#pragma once

#include <string>

#include "app/WeatherConverters.h"

namespace app {

// One weather series of the weather database: its folder (also part of its
// file names) and the source label the joined table writes.
struct TWeatherSeries {
    const char* Folder;
    const char* Label;
};

inline constexpr int WeatherSeriesCount = 18;
extern const TWeatherSeries WeatherSeries[WeatherSeriesCount];

// The model weather file of series `series` (1-based) and `cell`, as the
// weather database names it: padded cell, "_", folder, ".wth" — series 16
// without the "_".
std::string WeatherSeriesFile(int series, int cell);

// "make WTH_DB": every day of the 18 series and 1104 cells in one table with
// calendar dates; projections from 2019 on.
void WriteJoinedWeatherTable(const TWeatherToolOptions& options, const TToolStatus& status);

// "RAD, GDD, OPTDAYS": monthly radiation, degree days over 8 °C and optimal
// days of series 11 per year 2020-2100 and cell.
void WriteMonthlyClimateTable(const TWeatherToolOptions& options, const TToolStatus& status);

// "FORESEE SRAD": each cell's mean yearly radiation sum of the FORESEE table.
void WriteForeseeRadiation(const TWeatherToolOptions& options, const TToolStatus& status);

// "annual averages": each cell's mean daily temperature and temperature range
// of the CARPATCLIM table.
void WriteTemperatureAverages(const TWeatherToolOptions& options, const TToolStatus& status);

}  // namespace app
