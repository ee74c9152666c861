// The representative-subcell searches of the 1 km and 10 km cells.
#include "app/RepresentativeSubcells.h"

#include <cmath>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int ProfileLayers = 4;
constexpr std::array<int, 5> ProfileOffsets = {1, 2, 5, 6, 7};
constexpr std::array<double, ProfileLayers> LayerWeights = {5, 3, 2, 1};
constexpr std::size_t MaxIdLength = 10;
constexpr double NoScore = 999999999.0;

// The first `count` characters (code points) of `text`.
std::string FirstCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count) break;
    }
    return std::string(text.substr(0, end));
}

// The rows of one per-cell file (header skipped; a header alone gives one
// empty row), at most `maxRows` of them, into `rows`. The caller keeps `rows`
// from cell to cell: its memory, once grown, is reused rather than allocated
// and touched afresh for each of the cells.
void ReadCellRows(const std::string& fileName, int maxRows, std::vector<TProfileRow>& rows)
{
    TBatchTable file(fileName);
    file.Open();
    file.ReadHeader();
    rows.clear();
    TFieldViews fields;
    file.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        if (static_cast<int>(rows.size()) == maxRows) {
            throw rtl::EConvertError("more than " + std::to_string(maxRows) + " rows in a cell (" + place.Describe() +
                                     ", row id '" + line.substr(0, line.find(';')) + "')");
        }
        fields.Split(line);
        rows.push_back(ProfileOf(fields));
    });
    file.Close();
}

std::string PercentText(double value) { return std::to_string(static_cast<long long>(std::nearbyint(value))) + "%"; }

void AppendLine(const std::string& fileName, const std::string& line)
{
    rtl::TTextFile file(fileName);
    file.Append();
    file.WriteLn(line);
    file.Close();
}

void CreateWithHeader(const std::string& fileName, const std::string& header)
{
    rtl::TTextFile file(fileName);
    file.Rewrite();
    file.WriteLn(header);
    file.Close();
}

}  // namespace

TProfileRow ProfileOf(const TFieldViews& fields)
{
    TProfileRow row;
    row.Id = FirstCharacters(fields[1], MaxIdLength);
    for (int layer = 1; layer <= ProfileLayers; ++layer) {
        for (std::size_t k = 0; k < ProfileOffsets.size(); ++k)
            row.Values[static_cast<std::size_t>(layer - 1)][k] = ParseDecimalFast(fields[10 * layer + ProfileOffsets[k]]);
    }
    return row;
}

std::string RepresentativeOf(const std::vector<TProfileRow>& rows)
{
    if (rows.empty()) return {};
    std::array<std::array<double, 5>, ProfileLayers> mean{};
    for (const TProfileRow& row : rows)
        for (std::size_t l = 0; l < mean.size(); ++l)
            for (std::size_t k = 0; k < mean[l].size(); ++k) mean[l][k] += row.Values[l][k];
    for (auto& layer : mean)
        for (double& m : layer) m /= static_cast<double>(rows.size());

    double best = NoScore;
    std::string representative;
    for (const TProfileRow& row : rows) {
        double score = 0;
        for (std::size_t l = 0; l < mean.size(); ++l) {
            double deviation = 0;
            for (std::size_t k = 0; k < mean[l].size(); ++k) {
                if (mean[l][k] != 0) deviation += std::fabs(row.Values[l][k] - mean[l][k]) / mean[l][k];
            }
            score += LayerWeights[l] * deviation;
        }
        score /= 11;
        if (score < best) {
            best = score;
            representative = row.Id;
        }
    }
    return representative;
}

// The output is re-opened for each cell, so the lines of the cells done stay
// when a later cell fails.
void FindRepresentatives10km(const TGridKeyOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::string output = options.File("100m_IDs_in_10km_CELLs.csv");
    CreateWithHeader(output, "ID10km;ID100m");
    std::vector<TProfileRow> rows;
    for (int cell = 1; cell <= 1104; ++cell) {
        ReadCellRows(options.File("byFILEs\\" + std::to_string(cell) + ".csv"), MaxRowsPer10kmSearchCell, rows);
        AppendLine(output, std::to_string(cell) + ";" + RepresentativeOf(rows));
        ReportStatus(status, PercentText(cell / 11.04));
    }
    ReportStatus(status, "COMPLETE");
}

void FindRepresentatives1km(const TGridKeyOptions& options, const TToolStatus& status)
{
    TStatusOnChange progress(status);
    progress.Show("PROCESSING...");
    const std::string output = options.File("100m_IDs_in_1km_CELLs.csv");
    CreateWithHeader(output, "ID1km;ID100m");
    std::vector<TProfileRow> rows;
    for (int cell = 1; cell <= options.Cell1kmCount; ++cell) {
        const std::string cellFile = options.File("byFILEs_1km\\" + std::to_string(cell) + ".csv");
        if (rtl::FileExists(cellFile)) {
            ReadCellRows(cellFile, MaxRowsPer1kmSearchCell, rows);
            AppendLine(output, std::to_string(cell) + ";" + RepresentativeOf(rows));
        }
        progress.Show(PercentText(cell / 1992.0));
    }
    progress.Show("COMPLETE");
}

}  // namespace app
