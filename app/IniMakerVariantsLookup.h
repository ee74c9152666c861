// "GET from CC" on the "Make INI" page: the site values of one 10 km cell, looked up for display.
#pragma once

#include <string>

namespace app {

// What the page gives the look-up: the text of the "CC id:" field `Edit27`.
struct TGetFromCcOptions {
    std::string CellId = "415";                          // Edit27
    std::string GridTable3 = "Tolvek_DB_GRID_TABLE3.csv";  // in the current directory
};

// The values for the fields `Edit24` ("elevation:"), `Edit25` ("annTavg:") and
// `Edit26` ("annDT:"). Without a matching row `Found` is false and the handler
// leaves the fields as they are.
struct TCcSiteValues {
    bool Found = false;
    std::string Elevation;         // column 5
    std::string MeanTemperature;   // column 8
    std::string TemperatureRange;  // column 9
};

// Reads grid table 3 after its header line; every row whose column 1 equals
// the id gives the values, a later match overwriting an earlier one. A missing
// table raises rtl::EInOutError.
TCcSiteValues GetSiteFromCc(const TGetFromCcOptions& options);

}  // namespace app
