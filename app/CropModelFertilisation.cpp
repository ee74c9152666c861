// Reads a crop's fertilisation table: 100 m cell ids and nitrogen amounts, to the end of its data.
#include "app/CropModelFertilisation.h"

#include "app/Unit2.h"
#include "app/WriterTables.h"
#include "platform/rtl/Paths.h"

namespace app {

std::string FertilisationTableFile(const std::string& folder, const std::string& crop)
{
    return rtl::IncludeTrailingPathDelimiter(folder) + crop + "_fertilization_2016.csv";
}

TFertilisationTable ReadFertilisationTable(const std::string& fileName)
{
    TFertilisationTable table;
    table.FileName = fileName;
    TTableStream stream(fileName);
    TTableRow row;
    while (stream.Next(row)) {
        if (IsBlankRow(row.Text)) continue;
        SplitTableRow(row.Text, ';', fileName, row.Line);
        table.Rows.push_back({SharedFields[1], SharedFields[2], row.Line});
    }
    return table;
}

}  // namespace app
