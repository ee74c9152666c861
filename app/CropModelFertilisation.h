// The six crops of the 2016 season and their fertilisation tables, read by "Create PRO" and "Create AGR".
#pragma once

#include <array>
#include <string>
#include <vector>

namespace app {

// Crops of the 2016 season, in processing order.
inline constexpr std::array<const char*, 6> CropNames2016 = {"kukorica", "napraforgo", "buza",
                                                             "arpa",     "repce",      "ret es legelo"};

// One row of a crop's fertilisation table: column 1 (the 100 m cell id) and
// column 2 (nitrogen in kg/ha, may be empty) as text, with the row's line.
struct TFertilisationRow {
    std::string Id;
    std::string Amount;
    int Line = 0;
};

struct TFertilisationTable {
    std::string FileName;
    std::vector<TFertilisationRow> Rows;
};

// folder + crop + "_fertilization_2016.csv".
std::string FertilisationTableFile(const std::string& folder, const std::string& crop);

// The rows after the header line, to the end of the data: blank rows are no
// field of any crop and are left out. A missing table raises rtl::EInOutError.
TFertilisationTable ReadFertilisationTable(const std::string& fileName);

}  // namespace app
