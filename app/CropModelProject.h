// "Create PRO": the crop model's project files of the six crops of the 2016 season.
#pragma once

#include "app/WriterTables.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace app {

class TModelFileLayout;
struct TFertilisationRow;

// "Create PRO" on the "Make INI" page takes nothing from the page: the handler
// runs the writer with these fixed folders and table.
struct TCreateProOptions {
    std::string FertilisationFolder = "e:\\4M100m\\";  // crop + "_fertilization_2016.csv"
    std::string GridTable1 = GridTable1File;
    std::string OutputFolder = "e:\\4M100m\\project\\";  // crop + ".pro"
};

// Weather code of a 100 m id that the grid table does not list.
inline constexpr const char* UnknownWeatherCode = "777";
// The weather codes are kept for ids 1 to 12,000,000.
inline constexpr std::int64_t LastWeatherCodeId = 12000000;

// Weather code of each 100 m id asked for: the first five characters of
// column 3 (its 10 km cell) of the grid-table row of that id.
class TWeatherCodes {
public:
    // Keeps a code only for the ids given (those of the fertilisation tables),
    // so the look-up holds what the project files need, not one entry per id.
    explicit TWeatherCodes(const std::vector<std::int64_t>& wantedIds);
    // Reads the grid table after its header line; each row is cut to its
    // first 25 characters and split, column 1 is the id (an integer; other
    // text raises rtl::EConvertError naming the file, line and value).
    void ReadGridTable(const std::string& fileName);
    // The code of an id; "777" for an id the grid table does not list or one
    // outside 1 … 12,000,000.
    const std::string& Code(std::int64_t id) const;

private:
    std::unordered_map<std::int64_t, std::string> FCodes;  // wanted id -> code
};

// The lines of the project file of crop number `crop` (0 … 5 in
// CropNames2016): the ten head lines, then one task line per row.
void LayOutProjectFile(int crop, const std::vector<TFertilisationRow>& rows, const TWeatherCodes& codes,
                       TModelFileLayout& layout);

// The action: reports "PROCESSING", reads the six fertilisation tables and
// checks every id (an integer, else rtl::EConvertError naming the table, line
// and value) before any file is written, fills the weather codes from the grid
// table, writes the six project files (creating the folder when missing) and
// reports "COMPLETE". Returns the number of task lines written.
std::int64_t CreateProjectFiles(const TCreateProOptions& options, const TStatusEvent& onStatus = {});

}  // namespace app
