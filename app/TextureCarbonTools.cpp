// The texture-class and carbon-group tools: "USDA", "USDA coarse", "USDA groups", "USDA perc ID", "SOC", "make 10km base dataset".
#include "app/TextureCarbonTools.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr std::array<const char*, 13> TextureNames = {
    "",     "SAND",            "LOAMY SAND", "SANDY LOAM",      "LOAM",       "SILT LOAM", "SILT",
    "SANDY CLAY LOAM", "CLAY LOAM", "SILTY CLAY LOAM", "SANDY CLAY", "SILTY CLAY", "CLAY"};
constexpr std::array<const char*, 4> CoarseNames = {"", "SAND", "LOAM", "CLAY"};
constexpr int SiltClass = 6;
constexpr int SocIdTableSize = 11059795;
constexpr int BaseDatasetKeys = 1104;
constexpr double BaseDatasetProgressRows = 12000000;

// The 12-class texture of a composition where a composition that matches no
// rule keeps the class of the one before it (0 before any).
class TCarriedTexture {
public:
    int Classify(double sand, double silt, double clay)
    {
        const int found = UsdaTextureClass(12, sand, silt, clay);
        if (found != 0) FClass = found;
        return FClass;
    }

private:
    int FClass = 0;
};

std::string ClassFileName(const TGridKeyOptions& options, int textureClass)
{
    return options.File(std::string("USDA\\") + TextureNames[static_cast<std::size_t>(textureClass)] + ".csv");
}

struct TTextureTexts {
    std::string Sand, Silt, Clay;
};

struct TRepresentative {
    std::string Cell;
    int Id = 0;
};

}  // namespace

std::string TextureClassName(int textureClass)
{
    return textureClass >= 0 && textureClass <= 12 ? TextureNames[static_cast<std::size_t>(textureClass)] : "";
}

std::string CoarseClassName(int coarseClass)
{
    return coarseClass >= 0 && coarseClass <= 3 ? CoarseNames[static_cast<std::size_t>(coarseClass)] : "";
}

// The classes come from the whole sand, silt and clay fields of each
// representative's soil row (not from the row cut at 50 characters, which
// could cut the clay value), and only the representatives' fields are kept.
void ClassifyRepresentatives(const TGridKeyOptions& options, bool coarse, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable soil(options.File(SoilDbTableName));
    soil.Open();
    TBatchTable grid3(options.File("Tolvek_DB_GRID_TABLE3.csv"));
    grid3.Open();
    std::vector<TRepresentative> representatives;
    std::unordered_map<int, TTextureTexts> textures;
    TFieldViews fields;
    grid3.ReadHeader();
    grid3.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, MaxTextureSoilId, "100 m id");
        representatives.push_back({std::string(fields[1]), id});
        textures[id];
    });
    soil.ReadHeader();
    soil.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, MaxTextureSoilId, "100 m id");
        const auto wanted = textures.find(id);
        if (wanted != textures.end())
            wanted->second = {std::string(fields[7]), std::string(fields[8]), std::string(fields[9])};
    });
    rtl::TTextFile output(options.File(coarse ? "USDA_coarse.csv" : "USDA.csv"));
    output.Rewrite();
    TCarriedTexture texture;
    for (const TRepresentative& r : representatives) {
        const TTextureTexts& t = textures[r.Id];
        const double sand = ParseDecimal(t.Sand);
        const double silt = ParseDecimal(t.Silt);
        const double clay = ParseDecimal(t.Clay);
        const int textureClass = coarse ? UsdaTextureClass(3, sand, silt, clay) : texture.Classify(sand, silt, clay);
        const std::string name = coarse ? CoarseClassName(textureClass) : TextureClassName(textureClass);
        output.WriteLn(r.Cell + ";" + std::to_string(textureClass) + ";" + name + ";" + t.Sand + ";" + t.Silt + ";" +
                       t.Clay);
    }
    output.Close();
    soil.Close();
    grid3.Close();
    ReportStatus(status, "COMPLETE");
}

// A first row that matches no texture rule has no class file and is written
// nowhere.
void GroupCarbonByTexture(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable carbon(options.File("SOC_0-30cm.csv"));
    carbon.Open();
    std::array<std::unique_ptr<rtl::TTextFile>, 13> files;
    for (int k = 1; k <= 12; ++k) {
        files[static_cast<std::size_t>(k)] = std::make_unique<rtl::TTextFile>(ClassFileName(options, k));
        files[static_cast<std::size_t>(k)]->Rewrite();
    }
    carbon.ReadHeader();
    TCarriedTexture texture;
    TFieldViews fields;
    std::string row;
    carbon.ForEachDataLine([&](const std::string& line, const TTablePlace&) {
        fields.Split(line);
        const int k = texture.Classify(ParseDecimal(fields[5]), ParseDecimal(fields[6]), ParseDecimal(fields[7]));
        if (k == 0) return;
        row.assign(fields[1]);
        row += ';';
        row.append(fields[2]);
        files[static_cast<std::size_t>(k)]->WriteLn(row);
    });
    for (int k = 1; k <= 12; ++k) files[static_cast<std::size_t>(k)]->Close();
    carbon.Close();
    ReportStatus(status, "COMPLETE");
}

namespace {

// The nearest-value search of "USDA perc ID": the first line with the
// smallest difference wins; the id stays from the class before when no line
// comes nearer than 9999.
struct TNearest {
    double Target = 0;
    double Best = 9999.0;
    int Id = 0;
    void Reset(double target)
    {
        Target = target;
        Best = 9999.0;
    }
    void Offer(double value, int id)
    {
        const double difference = std::fabs(value - Target);
        if (difference < Best) {
            Best = difference;
            Id = id;
        }
    }
};

}  // namespace

void FindCarbonPercentileIds(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    std::vector<std::string> lines = {"group;nr;p17id;p50id;p83id;p17soc;p50soc;p83soc"};
    std::array<TNearest, 3> nearest;
    std::vector<int> ids;
    std::vector<double> values;
    TFieldViews fields;
    for (int k = 1; k <= 12; ++k) {
        if (k == SiltClass) {
            lines.push_back(TextureClassName(k) + ";0");
            ReportStatus(status, std::to_string(k));
            continue;
        }
        TBatchTable file(ClassFileName(options, k));
        file.Open();
        ids.clear();
        values.clear();
        double sum = 0, max = 0, min = 9999.0;
        file.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
            if (static_cast<int>(ids.size()) == MaxCarbonClassLines) {
                throw rtl::EConvertError("more than 2,700,000 lines in a class (" + place.Describe() + ")");
            }
            fields.Split(line);
            ids.push_back(ReadStrictInt(fields[1], place, INT32_MIN, INT32_MAX, "100 m id"));
            const double value = ParseDecimal(fields[2]);
            values.push_back(value);
            sum += value;
            max = std::max(max, value);
            min = std::min(min, value);
        });
        file.Close();
        const double mean = sum / static_cast<double>(ids.size());
        const double low = min + (mean - min) / 2;
        const double high = mean + (max - mean) / 2;
        nearest[0].Reset(low);
        nearest[1].Reset(mean);
        nearest[2].Reset(high);
        for (std::size_t i = 0; i < ids.size(); ++i)
            for (TNearest& n : nearest) n.Offer(values[i], ids[i]);
        lines.push_back(TextureClassName(k) + ";" + std::to_string(ids.size()) + ";" + std::to_string(nearest[0].Id) +
                        ";" + std::to_string(nearest[1].Id) + ";" + std::to_string(nearest[2].Id) + ";" +
                        FixedText(low, 4, 2) + ";" + FixedText(mean, 4, 2) + ";" + FixedText(high, 4, 2));
        ReportStatus(status, std::to_string(k));
    }
    rtl::TTextFile output(options.File("USDA\\groupIDs.csv"));
    output.Rewrite();
    for (const std::string& line : lines) output.WriteLn(line);
    output.Close();
    ReportStatus(status, "COMPLETE");
}

void JoinCarbonUncertainty(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable uncertainty(options.CarbonFile("SOC_uncertainty.csv"));
    uncertainty.Open();
    TBatchTable carbon(options.File("SOC_0-30cm.csv"));
    carbon.Open();
    std::unordered_map<int, std::string> entries;
    TFieldViews fields;
    uncertainty.ReadHeader();
    uncertainty.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        entries[ReadStrictInt(fields[1], place, 1, SocIdTableSize, "100 m id")] = line;
    });
    carbon.ReadHeader();
    carbon.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const auto entry = entries.find(ReadStrictInt(fields[1], place, 1, SocIdTableSize, "100 m id"));
        if (entry == entries.end()) return;
        entry->second += ';';
        entry->second.append(fields[1]);
        entry->second += ';';
        entry->second.append(fields[2]);
    });
    std::vector<int> ids;
    ids.reserve(entries.size());
    for (const auto& [id, text] : entries) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    rtl::TTextFile output(options.CarbonFile("SOC_0-30cm_uncertainty.csv"));
    output.Rewrite();
    output.WriteLn("ID;CC index;x10_id;EOV_LAT;EOV_LONG;pred_std;MIN;MAX;RANGE;MEAN;STD;ID;SOC");
    for (int id : ids) output.WriteLn(entries[id]);
    output.Close();
    carbon.Close();
    uncertainty.Close();
    ReportStatus(status, "COMPLETE");
}

void Make10kmBaseDataset(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable keyTable(options.File("Tolvek_DB_GRID_TABLE3_sorted.csv"));
    keyTable.Open();
    TBatchTable soil(options.File(SoilDbTableName));
    soil.Open();
    struct TKey {
        std::string Cell, Id;
        long long Line;
    };
    std::vector<TKey> keys;
    TFieldViews fields;
    std::string line;
    keyTable.ReadHeader();
    for (int k = 1; k <= BaseDatasetKeys && !keyTable.AtEnd(); ++k) {
        keyTable.ReadLine(line);
        fields.Split(line);
        // A key without an id is passed over.
        if (!fields[2].empty()) keys.push_back({std::string(fields[1]), std::string(fields[2]), keyTable.Place().Line});
    }
    keyTable.Close();
    rtl::TTextFile output(options.File("10km_base_dataset.csv"));
    output.Rewrite();
    std::size_t pos = 0;
    long long rows = 0;
    soil.ReadHeader();
    soil.ForEachDataLine([&](const std::string& row, const TTablePlace&) {
        fields.Split(row);
        if (pos < keys.size() && fields[1] == keys[pos].Id) {
            double sand = ParseDecimal(fields[7]);
            const double silt = ParseDecimal(fields[8]);
            const double clay = ParseDecimal(fields[9]);
            if (sand + silt + clay < 100) sand = 100 - silt - clay;
            output.WriteLn(keys[pos].Cell + ";" + std::to_string(UsdaTextureClass(12, sand, silt, clay)) + ";" +
                           std::to_string(UsdaTextureClass(3, sand, silt, clay)) + ";" + row);
            ++pos;
        }
        if (++rows % 10000 == 0)
            ReportStatus(status, FixedText(static_cast<double>(rows) / BaseDatasetProgressRows * 100, 3, 1) + "% completed");
    });
    soil.Close();
    // Keys and soil rows go in the same ascending id order; a key the soil
    // table lacks would silently end the dataset there.
    if (pos < keys.size()) {
        throw rtl::Exception("id " + keys[pos].Id + " (file \"" + keyTable.FileName() + "\", line " +
                             std::to_string(keys[pos].Line) + ") not found in \"" + soil.FileName() +
                             "\"; the tables must hold the ids in the same order");
    }
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
