// Writes the crop model's project files: head lines per crop and one task line per field of its fertilisation table.
#include "app/CropModelProject.h"

#include "app/BatchFileWriter.h"
#include "app/CropModelFertilisation.h"
#include "app/ModelFileLayout.h"
#include "app/Unit2.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Utf8.h"

#include <array>

namespace app {

namespace {

// Characters of a grid-table row that the weather codes are taken from.
constexpr std::size_t GridRowCut = 25;
constexpr std::size_t WeatherCodeLength = 5;

// The season of each crop, in the order of CropNames2016.
struct TProjectSeason {
    const char* Start;
    const char* End;
    const char* InitialWater;
    const char* FirstDay;
    const char* LastDay;
};
constexpr std::array<TProjectSeason, CropNames2016.size()> ProjectSeasons = {{
    {"2016.01.01", "2016.11.15", "80", "2016001", "2016310"},  // kukorica
    {"2016.01.01", "2016.10.15", "80", "2016001", "2016280"},  // napraforgo
    {"2015.10.01", "2016.08.15", "75", "2016001", "2016200"},  // buza
    {"2015.09.01", "2016.08.15", "55", "2016001", "2016200"},  // arpa
    {"2015.08.01", "2016.08.15", "55", "2016001", "2016200"},  // repce
    {"2016.01.01", "2016.09.20", "80", "2016001", "2016260"},  // ret es legelo
}};

// The first `count` characters (code points) of a text.
std::string_view FirstChars(std::string_view text, std::size_t count)
{
    std::size_t bytes = 0;
    for (std::size_t chars = 0; chars < count && bytes < text.size(); ++chars) rtl::Utf8NextChar(text, bytes);
    return text.substr(0, bytes);
}

void KeyLine(TModelFileLayout& layout, const char* key, const std::string& value)
{
    layout.Verbatim(std::string(key) + "\t" + value);
}

}  // namespace

TWeatherCodes::TWeatherCodes(const std::vector<std::int64_t>& wantedIds)
{
    FCodes.reserve(wantedIds.size());
    for (std::int64_t id : wantedIds)
        if (id >= 1 && id <= LastWeatherCodeId) FCodes.emplace(id, UnknownWeatherCode);
}

void TWeatherCodes::ReadGridTable(const std::string& fileName)
{
    TTableStream table(fileName);
    TTableRow row;
    while (table.Next(row)) {
        if (IsBlankRow(row.Text)) continue;
        SplitTableRow(FirstChars(row.Text, GridRowCut), ';', fileName, row.Line);
        const std::int64_t id = IntegerFromRow(SharedFields[1], fileName, row.Line);
        // Only ids inside the code table's range get a code: a grid row with
        // an id beyond it no longer writes outside the table.
        const auto found = FCodes.find(id);
        if (found != FCodes.end()) found->second = FirstChars(SharedFields[3], WeatherCodeLength);
    }
}

const std::string& TWeatherCodes::Code(std::int64_t id) const
{
    static const std::string unknown = UnknownWeatherCode;
    const auto found = FCodes.find(id);
    return found == FCodes.end() ? unknown : found->second;
}

void LayOutProjectFile(int crop, const std::vector<TFertilisationRow>& rows, const TWeatherCodes& codes,
                       TModelFileLayout& layout)
{
    const std::string name = CropNames2016[static_cast<std::size_t>(crop)];
    const TProjectSeason& season = ProjectSeasons[static_cast<std::size_t>(crop)];
    KeyLine(layout, "PROJEKT ID  :", name);
    KeyLine(layout, "SIMUL START :", season.Start);
    KeyLine(layout, "SIMUL END   :", season.End);
    KeyLine(layout, "INIT WATER% :", season.InitialWater);
    for (const char* key : {"HEAT STRESS :", "WATER STRESS:", "NITRO STRESS:", "CO2 EFFECT  :", "RUN ALL     :"})
        KeyLine(layout, key, "Y");
    layout.Verbatim("TASKS (WEATHER|SOIL|AGROMANAGEMENT|OUTPUT SUMMARY FILE|OUTPUT VARIABLE):");
    const std::string tail = "_" + name + "\t" + season.FirstDay + "\t" + season.LastDay;
    std::string line;
    for (const TFertilisationRow& row : rows) {
        // Ids were checked when the table was read.
        line.assign(codes.Code(rtl::StrToInt64(row.Id)));
        line.append("\t").append(row.Id).append("\t").append(row.Id).append(tail);
        layout.Verbatim(line);
    }
}

std::int64_t CreateProjectFiles(const TCreateProOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    // Every table is read and every id checked before the first file: an
    // empty table gives a project file without tasks, and a bad id ends the
    // action with nothing written.
    std::vector<TFertilisationTable> tables;
    std::vector<std::int64_t> ids;
    for (const char* crop : CropNames2016) {
        tables.push_back(ReadFertilisationTable(FertilisationTableFile(options.FertilisationFolder, crop)));
        for (const TFertilisationRow& row : tables.back().Rows)
            ids.push_back(IntegerFromRow(row.Id, tables.back().FileName, row.Line));
    }
    TWeatherCodes codes(ids);
    codes.ReadGridTable(options.GridTable1);

    rtl::ForceDirectories(options.OutputFolder);
    const std::string prefix = rtl::IncludeTrailingPathDelimiter(options.OutputFolder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(tables.size()));
    std::int64_t tasks = 0;
    for (std::size_t crop = 0; crop < tables.size(); ++crop) {
        layout.Clear();
        LayOutProjectFile(static_cast<int>(crop), tables[crop].Rows, codes, layout);
        files.Save(layout, prefix + CropNames2016[crop] + ".pro");
        tasks += static_cast<std::int64_t>(tables[crop].Rows.size());
    }
    if (onStatus) onStatus("COMPLETE");
    return tasks;
}

}  // namespace app
