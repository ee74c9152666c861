// Writers of the crop model's soil files: "4M" for the 10 km cells and "4M100m" for the 100 m cells.
#pragma once

#include "app/WriterTables.h"

#include <cstdint>
#include <string>

namespace app {

// "4M" (and `Button29`) on the "MAKE SOIL INPUT" page; nothing from the page.
struct TCropSoil10kmOptions {
    std::string SoilGrid = "e:\\Tolvek SOIL GRID\\10km_SOIL_GRID.csv";
    std::string OutputFolder = "e:\\4Mvizgyujto\\soil\\";  // soil id + ".soi"
};

// "4M100m" on the "MAKE SOIL INPUT" page; nothing from the page.
struct TCropSoil100mOptions {
    std::string SoilTable = SoilDatabaseTableFile;
    std::string GridTable1 = GridTable1File;
    std::string OutputFolder = "e:\\4M100m\\soil\\";  // 100 m id + ".soi"
};

// Rows of the 10 km soil grid that "4M" reads (after its header line).
inline constexpr std::size_t CropSoilGridRows = 1104;
// The 100 m writer reports its progress after this many row pairs.
inline constexpr std::int64_t CropSoilProgressStep = 10000;

// "4M": reports "PROCESSING", reads up to 1104 rows of the 10 km soil grid,
// checks every soil id (columns 1, 2 and 3 joined by "_"; each part must be
// there and the id must name a file inside the folder) before any file is
// written, writes one file per row (creating the folder when missing) and
// reports "COMPLETE". Returns the number of files written.
int MakeCropSoilFiles10km(const TCropSoil10kmOptions& options, const TStatusEvent& onStatus = {});

// What "4M100m" did: files written, and the rows the lock-step join could not
// pair (a soil row whose id differs from the grid row at the same position, or
// that is empty; grid rows likewise, and those left after the soil table ends).
struct TCropSoil100mResult {
    std::int64_t Written = 0;
    std::int64_t UnpairedSoilRows = 0;
    std::int64_t UnpairedGridRows = 0;
};

// The last status text of "4M100m": "COMPLETE", followed by the unpaired row
// counts when there are any.
std::string CropSoil100mCompletion(const TCropSoil100mResult& result);

// "4M100m": reports "PROCESSING"; reads the soil database table and grid table
// 1 in step, one row of each per step, and writes the file of a 100 m cell
// when both rows carry the same id (column 1); reports the step count ÷
// 100,000 with one decimal followed by "% completed" after every 10,000 steps,
// and CropSoil100mCompletion at the end. An id that would name a file outside
// the folder ends the action with a message naming the row; files written
// before stay.
TCropSoil100mResult MakeCropSoilFiles100m(const TCropSoil100mOptions& options,
                                          const TStatusEvent& onStatus = {});

// "4M soil selected": the "4M100m" writer, on the corrected soil table, for
// the 100 m cells column 1 of the selection lists (after its header line).
struct TCropSoilSelectedOptions {
    std::string Selection = "e:\\4M100m\\ret es legelo_fertilization_2016.csv";
    TCropSoil100mOptions Writer{"e:\\Tolvek SOIL GRID\\Tolvek_DB_SOIL_TABLE_corrected2.csv", GridTable1File,
                                "e:\\4M100m\\soil\\"};
};

// Reports "PROCESSING", the number of files written after every 1,000th, and
// CropSoil100mCompletion at the end. A selection id, or the id of a paired
// row, that is not an integer from 1 to 11,059,795 ends the action with an
// error naming the file, line and value.
TCropSoil100mResult MakeCropSoilFilesSelected100m(const TCropSoilSelectedOptions& options,
                                                  const TStatusEvent& onStatus = {});

}  // namespace app
