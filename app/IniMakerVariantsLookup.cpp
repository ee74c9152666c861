// Looks up the elevation and temperatures of one 10 km cell in grid table 3 ("GET from CC").
#include "app/IniMakerVariantsLookup.h"

#include "app/Unit2.h"
#include "app/WriterTables.h"

namespace app {

TCcSiteValues GetSiteFromCc(const TGetFromCcOptions& options)
{
    TCcSiteValues values;
    TTableStream table(options.GridTable3);
    TTableRow row;
    while (table.Next(row)) {
        SplitFields(row.Text, ';');
        if (SharedFields[1] != options.CellId) continue;
        values.Found = true;
        values.Elevation = SharedFields[5];
        values.MeanTemperature = SharedFields[8];
        values.TemperatureRange = SharedFields[9];
    }
    return values;
}

}  // namespace app
