// Tools that write or transform model weather files: the FORESEE/CARPATCLIM join, the 68-year extension, the copy tools, the table conversions.
#pragma once

#include <string>
#include <string_view>

#include "app/BatchTableReading.h"

namespace app {

// Where the weather tools find their fixed folders. The tools name their
// folders as the models' machines have them ("e:\Tolvek WEATHER GRID\…");
// with an empty Root those paths go to the platform's path mapping as they
// stand, otherwise the drive's folder "drives/<letter>/" is placed below Root
// (the layout the mapping gives below the current folder).
struct TWeatherToolOptions {
    std::string Root;
    std::string Path(std::string_view fixedPath) const;
};

// "foresee > carpatclim": per cell, the FORESEE header (ALADIN named as the
// CARPATCLIM source), FORESEE days from 1961 with CARPATCLIM Tmax, Tmin,
// precipitation and radiation, Tday and VPD computed; 29 February dropped.
void JoinForeseeCarpatclim(const TWeatherToolOptions& options, const TToolStatus& status);

// "extend foresee": every ".wth" file of the FORESEE observed folder, in name
// order, copied to "extended\" with its day lines repeated 68 years later.
void ExtendForesee(const TWeatherToolOptions& options, const TToolStatus& status);

// "rename 000": FORESEE files by plain number copied by padded number with a
// new first line, the years after 2018 dropped.
void CopyForeseeByPaddedNumber(const TWeatherToolOptions& options, const TToolStatus& status);

// "rename": the observed FORESEE files copied with the suffix "_foresee".
void CopyForeseeWithSuffix(const TWeatherToolOptions& options, const TToolStatus& status);

// "Button39": the spin-up ".mtc43" files copied as ".wth" up to the last day
// of 2018.
void CutSpinupWeatherAt2018(const TWeatherToolOptions& options, const TToolStatus& status);

// "FORESEE > FORESEE": model weather files converted to FORESEE tables in the
// CARPATCLIM layout, the id line taken from the cell's CARPATCLIM table.
void ModelWeatherToCarpatclimTables(const TWeatherToolOptions& options, const TToolStatus& status);

// "MuSo > 4M (new grid > old grid)": crop-model weather files named by the
// old cell number, up to 31 December 2018.
void ModelWeatherToOldCellCropFiles(const TWeatherToolOptions& options, const TToolStatus& status);

}  // namespace app
