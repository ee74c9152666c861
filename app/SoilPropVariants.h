// Soil-property files outside the 10 km writer: the 57-line files of selected 100 m cells, and the "select similar 3" and EU-PTF variants.
#pragma once

#include <array>
#include <string>

#include "app/BatchTableReading.h"
#include "app/WeatherConverters.h"

namespace app {

class TModelFileLayout;

// The 57-line soil-property file of one soil database row (split into
// `fields`, 1-based) named `name`, with the runoff curve number of its elevation.
void LayOutSelectedSoilFile(TModelFileLayout& layout, const std::string& name, const TFieldViews& fields, int elevation);

// "Tolvek SOIL selected ID": one file per soil row whose id the selection list
// names (the last entry winning), in "e:\Tolvek SOIL GRID\Tolvek\selected\".
void WriteSelectedSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status);

// "select similar 3": each 10 km cell's file with lines 14 and 17-30 from its
// representative's calibrated file, into "3type\".
void WriteSimilarSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status);

// "EU/HU-PTF soils": the "3type\" files with the water retention lines from
// the EU pedotransfer table, into "euptf\".
void WriteEuPtfSoilFiles(const TWeatherToolOptions& places, const TToolStatus& status);

// The most entries the selection list may hold.
constexpr int SelectedSoilMaxEntries = 36;

}  // namespace app
