// "SOIL DB ERR CHECK" and "Button48": the plausibility check of the soil database table and its header rewrite.
#pragma once

#include "app/BatchTableReading.h"
#include "app/SoilDbTable.h"

namespace app {

// Reads the soil database table and writes the soil error log: one line per
// non-positive value (lime columns excepted), the row's id followed by the
// message of its column. Status "PROCESSING", the row count every 10,000 rows,
// "COMPLETE".
void CheckSoilDatabase(const TSoilTableOptions& options, const TToolStatus& status);

// Writes "FIXED\Tolvek_DB_SOIL_TABLE.csv": the literal 42-name header and every
// data line of the soil database table unchanged. Status "PROCESSING", "READY".
void RewriteSoilTableHeader(const TSoilTableOptions& options, const TToolStatus& status);

}  // namespace app
