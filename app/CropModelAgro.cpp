// Writes the crop model's agromanagement files: header, sowing, harvest, fertilisation and manure lines.
#include "app/CropModelAgro.h"

#include "app/BatchFileWriter.h"
#include "app/CropModelFertilisation.h"
#include "app/ModelFileLayout.h"
#include "app/Unit2.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"

#include <array>
#include <vector>

namespace app {

namespace {

// Date and depth of an event; the amount is the row's.
struct TDatedEvent {
    const char* Date;
    const char* Depth;
};

// Sowing (date, plant density, plant file) and harvest (date, depth,
// percentage of byproduct incorporated) of a crop.
struct TSowingAndHarvest {
    const char* SowingDate;
    const char* Density;
    const char* Plant;
    const char* HarvestDate;
    const char* HarvestDepth;
    const char* Byproduct;
};

// "Create AGR": the events of each crop of CropNames2016, in that order.
struct TSeasonCrop {
    TSowingAndHarvest Crop;
    TDatedEvent FirstFertilisation;
    TDatedEvent SecondFertilisation;
    const char* DefaultFirst;
    const char* DefaultSecond;
    bool Winter;  // splits its nitrogen 25 % / 75 %
};
constexpr std::array<TSeasonCrop, CropNames2016.size()> SeasonCrops = {{
    {{"2016.04.20", "7", "MAIZgen", "2016.11.01", "30", "100"}, {"2015.10.30", "25"}, {"2016.03.30", "25"}, "0", "150", false},
    {{"2016.04.15", "6", "SUNFgen", "2016.09.20", "30", "100"}, {"2015.10.30", "25"}, {"2016.03.30", "25"}, "0", "60", false},
    {{"2015.10.20", "500", "WHEAgen", "2016.07.15", "30", "100"}, {"2015.10.05", "25"}, {"2016.03.05", "5"}, "20", "100", true},
    {{"2015.10.10", "450", "BARLgen", "2016.07.10", "30", "100"}, {"2015.10.05", "25"}, {"2016.03.05", "5"}, "20", "90", true},
    {{"2015.09.15", "100", "CANOgen", "2016.07.10", "30", "100"}, {"2015.09.05", "25"}, {"2016.03.05", "5"}, "20", "120", true},
    {{"2016.02.01", "100", "PASTgen", "2016.09.15", "30", "100"}, {"2015.10.30", "25"}, {"2016.03.05", "5"}, "0", "20", false},
}};

// "4M agr": the events of each crop name of the field table (exact text).
struct TFieldCrop {
    const char* Name;
    TSowingAndHarvest Crop;
    TDatedEvent FirstFertilisation;
    TDatedEvent SecondFertilisation;
    TDatedEvent Manure;
    bool Winter;  // 20 % / 80 % of the nitrogen; else "0" and the nitrogen as written
};
constexpr std::array<TFieldCrop, 5> FieldCrops = {{
    {"Kukorica", {"2017.04.20", "7", "MAIZgen", "2017.10.20", "30", "100"}, {"2016.09.15", "25"}, {"2017.04.05", "25"}, {"2016.09.30", "25"}, false},
    {"Napraforgó", {"2017.04.15", "7", "SUNFgen", "2017.09.20", "30", "100"}, {"2016.09.15", "25"}, {"2017.04.05", "25"}, {"2016.09.30", "25"}, false},
    {"Őszi káposztarepce", {"2017.09.01", "7", "RAPSgen", "2017.07.01", "30", "100"}, {"2016.08.25", "25"}, {"2017.03.05", "5"}, {"2016.09.05", "25"}, true},
    {"Őszi búza", {"2017.10.05", "7", "WHEAgen", "2017.07.10", "30", "100"}, {"2016.09.25", "25"}, {"2017.03.05", "5"}, {"2016.09.25", "25"}, true},
    {"Őszi árpa", {"2017.09.25", "7", "BARLgen", "2017.07.05", "30", "100"}, {"2016.09.20", "25"}, {"2017.03.05", "5"}, {"2016.09.20", "25"}, true},
}};

void EventLine(TModelFileLayout& layout, const char* keyword, const std::string& a, const std::string& b,
               const std::string& c)
{
    layout.Verbatim(std::string(keyword) + "\t" + a + "\t" + b + "\t" + c);
}

void SowingAndHarvestLines(TModelFileLayout& layout, const TSowingAndHarvest& crop)
{
    EventLine(layout, "SOWING", crop.SowingDate, crop.Density, crop.Plant);
    EventLine(layout, "HARVES", crop.HarvestDate, crop.HarvestDepth, crop.Byproduct);
}

void DatedLine(TModelFileLayout& layout, const char* keyword, const TDatedEvent& event, const std::string& amount)
{
    EventLine(layout, keyword, event.Date, event.Depth, amount);
}

std::string Share(const std::string& amount, double fraction, int precision)
{
    return rtl::FloatToStrF(ParseDecimal(amount) * fraction, rtl::ffFixed, precision, 1);
}

std::string PreparedFolder(const std::string& folder)
{
    rtl::ForceDirectories(folder);
    return rtl::IncludeTrailingPathDelimiter(folder);
}

}  // namespace

void LayOutAgroHeader(const std::string& fileId, TManureUnit unit, TModelFileLayout& layout)
{
    layout.Verbatim("AGROM FILE ID:\t" + fileId);
    layout.Verbatim("SOWING:         date | plant density | plant(file)");
    layout.Verbatim("FERTILIZATION:\tdate | incorporation depth, cm | N active ingredient, kg/ha");
    layout.Verbatim(unit == TManureUnit::muTonnesPerHectare
                        ? "MANURE:\t\tdate | incorporation depth, cm | amount, t/ha"
                        : "MANURE:\t\tdate | incorporation depth, cm | amount, kgN/ha");
    layout.Verbatim("HARVEST:\tdate | incorporation depth, cm | percentage of byproduct incorporated");
    layout.Verbatim("IRRIGATION:\tdate | amount of applied water, mm");
    layout.Verbatim(std::string(85, '-'));
}

TAgrAmounts DefaultAgrAmounts(int crop)
{
    const TSeasonCrop& c = SeasonCrops[static_cast<std::size_t>(crop)];
    return {c.DefaultFirst, c.DefaultSecond};
}

TAgrAmounts AgrAmountsOfRow(int crop, const std::string& amount, const TAgrAmounts& held)
{
    if (amount.empty()) return held;
    if (SeasonCrops[static_cast<std::size_t>(crop)].Winter)
        return {Share(amount, 0.25, 5), Share(amount, 0.75, 5)};
    return {"0", amount};
}

void LayOutCropAgroFile(int crop, const TAgrAmounts& amounts, TModelFileLayout& layout)
{
    const TSeasonCrop& c = SeasonCrops[static_cast<std::size_t>(crop)];
    LayOutAgroHeader(CropNames2016[static_cast<std::size_t>(crop)], TManureUnit::muTonnesPerHectare, layout);
    SowingAndHarvestLines(layout, c.Crop);
    DatedLine(layout, "FERTIL", c.FirstFertilisation, amounts.First);
    DatedLine(layout, "FERTIL", c.SecondFertilisation, amounts.Second);
}

void LayOutFieldAgroFile(const std::string& manure, const std::string& nitrogen, const std::string& fieldId,
                         const std::string& cropName, TModelFileLayout& layout)
{
    LayOutAgroHeader(fieldId, TManureUnit::muKgNitrogenPerHectare, layout);
    for (const TFieldCrop& c : FieldCrops) {
        if (cropName != c.Name) continue;
        SowingAndHarvestLines(layout, c.Crop);
        DatedLine(layout, "FERTIL", c.FirstFertilisation, c.Winter ? Share(nitrogen, 0.2, 4) : "0");
        DatedLine(layout, "FERTIL", c.SecondFertilisation, c.Winter ? Share(nitrogen, 0.8, 4) : nitrogen);
        DatedLine(layout, "MANURE", c.Manure, manure);
        return;
    }
}

int CreateCropAgroFiles(const TCreateAgrOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    // All six tables are read and every id that names a file is checked
    // before the first file: a bad id ends the action with nothing written.
    std::vector<TFertilisationTable> tables;
    for (const char* crop : CropNames2016) {
        tables.push_back(ReadFertilisationTable(FertilisationTableFile(options.FertilisationFolder, crop)));
        for (const TFertilisationRow& row : tables.back().Rows)
            CheckNameFromRow(row.Id, "100 m id", tables.back().FileName, row.Line);
    }

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    std::size_t fileCount = 0;
    for (const TFertilisationTable& table : tables) fileCount += table.Rows.size();
    TBatchFileWriter files(static_cast<int>(fileCount));
    for (std::size_t crop = 0; crop < tables.size(); ++crop) {
        const int c = static_cast<int>(crop);
        TAgrAmounts amounts = DefaultAgrAmounts(c);
        for (const TFertilisationRow& row : tables[crop].Rows) {
            amounts = AgrAmountsOfRow(c, row.Amount, amounts);
            layout.Clear();
            LayOutCropAgroFile(c, amounts, layout);
            files.Save(layout, prefix + row.Id + "_" + CropNames2016[crop] + ".agr");
        }
    }
    if (onStatus) onStatus("COMPLETE");
    return files.Written();
}

int CreateFieldAgroFiles(const TFieldAgrOptions& options, const TStatusEvent& onStatus)
{
    if (onStatus) onStatus("PROCESSING");
    struct TField {
        std::string Manure, Nitrogen, Id, Crop;
    };
    // The table holds 93 fields; the loop ends with its data, so a shorter
    // table no longer writes files without a name (".agr").
    std::vector<TField> fields;
    for (const TTableRow& row : ReadTableRows(options.FieldTable, 1, FieldTableRows)) {
        if (IsBlankRow(row.Text)) continue;
        SplitTableRow(row.Text, ';', options.FieldTable, row.Line);
        TField field{SharedFields[1], SharedFields[2], SharedFields[3], SharedFields[4]};
        CheckNameFromRow(field.Id, "field id", options.FieldTable, row.Line);
        fields.push_back(std::move(field));
    }

    const std::string prefix = PreparedFolder(options.OutputFolder);
    TModelFileLayout layout;
    TBatchFileWriter files(static_cast<int>(fields.size()));
    for (const TField& field : fields) {
        layout.Clear();
        LayOutFieldAgroFile(field.Manure, field.Nitrogen, field.Id, field.Crop, layout);
        files.Save(layout, prefix + field.Id + ".agr");
    }
    if (onStatus) onStatus("COMPLETE");
    return static_cast<int>(fields.size());
}

}  // namespace app
