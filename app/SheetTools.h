// Line transforms of the tables copied from a spreadsheet (JSON, wide to long, dates, nutrients) and the two file-list tools.
#pragma once

#include <string>
#include <vector>

#include "app/BatchTableReading.h"
#include "app/WeatherConverters.h"

namespace app {

using TSheetLines = std::vector<std::string>;

// "CONVERT": one JSON object per tab-separated row, keys VARCODE … TAG, in an
// array of one object per line.
TSheetLines SheetToJson(const TSheetLines& rows);

// "Button96": each row's first n fields as a key, then four rows with the
// numbers 1-4 and fields n+1 … n+4; `keyCountText` as the page holds it.
TSheetLines WideToLong(const TSheetLines& rows, const std::string& keyCountText);

// "datefix": lines of nine characters among the first 400 get a "0" before
// their last character (2016.10.5 becomes 2016.10.05).
TSheetLines RepairDates(TSheetLines lines);

// "Button2": the three nutrient amounts of each row's crop (field 1) and
// yield (field 4), tab-separated.
TSheetLines NutrientDemands(const TSheetLines& rows);

// "Button46": the cells 1-1104 without an annual output file in the spin-up
// folder.
TSheetLines MissingAnnualOutputs(const TWeatherToolOptions& places);

// "delete empty lines": "pdens.txt" copied to "pdenso.txt" without the lines
// of ten characters or fewer.
void DropShortLines(const TWeatherToolOptions& places, const TToolStatus& status);

}  // namespace app
