// The soil table repairs: "adjust DWC", "soil table correct", "Button76", "restore soil table" and "Button37".
#include "app/SoilTableRepairs.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <vector>

#include "app/IdTable.h"
#include "app/Unit2.h"
#include "platform/rtl/BatchWorkers.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int ProgressEvery = 10000;
constexpr double AdjustProgressRows = 12000000;
constexpr int TopsoilIdTableSize = 11259791;

// Appends fields first..last of `fields`, each behind a ";" unless it is the
// first field of the row. Fields that stand in the line joined by single ";"
// without blanks are copied in one go.
void AppendFields(std::string& row, const TFieldViews& fields, int first, int last)
{
    if (first > 1) row += ';';
    if (last <= fields.Count()) {
        std::size_t joinedLength = static_cast<std::size_t>(last - first);
        for (int c = first; c <= last; ++c) joinedLength += fields[c].size();
        const char* begin = fields[first].data();
        const char* end = fields[last].data() + fields[last].size();
        if (static_cast<std::size_t>(end - begin) == joinedLength) {
            row.append(begin, end);
            return;
        }
    }
    for (int c = first; c <= last; ++c) {
        if (c > first) row += ';';
        row.append(fields[c]);
    }
}

// --- adjust DWC ---------------------------------------------------------------

struct TWaterCapacity {
    double FieldCapacity;
    double WiltingPoint;
};

bool IsSandy(double sand) { return sand > 80; }

bool IsLoamy(double sand, double silt, double clay)
{
    return sand > 10 && sand < 55 && clay > 10 && clay < 35 && silt > 25;
}

// Narrows the available water of a sandy layer and widens that of a loamy one;
// other layers keep theirs. Fractions of volume.
TWaterCapacity AdjustLayer(double sand, double silt, double clay, TWaterCapacity w)
{
    double d = w.FieldCapacity - w.WiltingPoint;
    if (IsSandy(sand)) {
        double r = 0;
        if (d > 0.1) r = std::min((sand - 80) * 2 / 1000, d - 0.1);
        w.FieldCapacity -= r / 2;
        w.WiltingPoint += r / 2;
        d = w.FieldCapacity - w.WiltingPoint;
        r = 0;
        if (d > 0.13) r = d - 0.13;
        w.FieldCapacity -= r / 2;
        w.WiltingPoint += r / 2;
    } else if (IsLoamy(sand, silt, clay)) {
        double r = 0;
        if (d < 0.2) r = std::min((silt - 25) * 0.5 / 1000, 0.2 - d);
        w.FieldCapacity += r * 2 / 3;
        w.WiltingPoint -= r / 3;
        d = w.FieldCapacity - w.WiltingPoint;
        r = 0;
        if (d < 0.14) r = 0.14 - d;
        w.FieldCapacity += r * 2 / 3;
        w.WiltingPoint -= r / 3;
    }
    return w;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A layer that keeps its water contents writes each one as ParseDecimal(text)
// / 100 * 100, fixed 5/2. For plain text of at most three integer digits
// (no sign, no leading zero) and at most two decimals, that is the text
// itself, padded to two decimals in the locale's separator: dividing and
// multiplying by 100 moves the double by a few units in its last place, far
// below the 0.005 that would change the second decimal. Appends it and
// returns true, or returns false for any other text.
bool AppendKeptPercentage(std::string& out, std::string_view text)
{
    if (DecimalSeparatorAtStart != rtl::FormatSettings.DecimalSeparator) return false;
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const std::size_t integerDigits = i;
    if (integerDigits == 0 || integerDigits > 3 || (integerDigits > 1 && text[0] == '0')) return false;
    std::size_t decimals = 0;
    if (i < text.size()) {
        if (text[i] != '.' && text[i] != ',') return false;
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++decimals;
        if (i != text.size() || decimals == 0 || decimals > 2) return false;
    }
    out.append(text.data(), integerDigits);
    out += rtl::FormatSettings.DecimalSeparator;
    if (decimals > 0) out.append(text.data() + integerDigits + 1, decimals);
    out.append(2 - decimals, '0');
    return true;
}

void AppendPercentage(std::string& out, double fraction)
{
    out += ';';
    AppendFixedText(out, fraction * 100, 5, 2);
}

// Appends ";FC;WP" of one layer: the texts as they are written when the layer
// keeps its water contents, else the adjusted values.
void AppendLayerWater(std::string& row, double sand, double silt, double clay, std::string_view fieldCapacity,
                      std::string_view wiltingPoint)
{
    if (!IsSandy(sand) && !IsLoamy(sand, silt, clay)) {
        const std::size_t rowSize = row.size();
        row += ';';
        if (AppendKeptPercentage(row, fieldCapacity)) {
            row += ';';
            if (AppendKeptPercentage(row, wiltingPoint)) return;
        }
        row.resize(rowSize);
    }
    const TWaterCapacity adjusted = AdjustLayer(
        sand, silt, clay, {ParseDecimalFast(fieldCapacity) / 100, ParseDecimalFast(wiltingPoint) / 100});
    AppendPercentage(row, adjusted.FieldCapacity);
    AppendPercentage(row, adjusted.WiltingPoint);
}

void AdjustRow(const TFieldViews& fields, std::string& row)
{
    row.clear();
    for (int layer = 1; layer <= SoilDbLayerCount; ++layer) {
        AppendFields(row, fields, layer == 1 ? 1 : SoilDbColumn(layer, BulkDensityOffset),
                     SoilDbColumn(layer, SaturationOffset));
        AppendLayerWater(row, ParseDecimalFast(fields[SoilDbColumn(layer, SandOffset)]),
                         ParseDecimalFast(fields[SoilDbColumn(layer, SiltOffset)]),
                         ParseDecimalFast(fields[SoilDbColumn(layer, ClayOffset)]),
                         fields[SoilDbColumn(layer, FieldCapacityOffset)],
                         fields[SoilDbColumn(layer, WiltingPointOffset)]);
    }
}

// The same row for a line without blanks that holds all 42 columns, built in
// one pass over the line: the columns copied as read are found rather than
// split, and the texture and water columns are read where they stand. Returns
// false for any other line, which AdjustRow handles through split fields.
bool AdjustPlainRow(std::string_view line, std::string& row)
{
    if (line.find(' ') != std::string_view::npos) return false;
    const char* p = line.data();
    const char* const end = p + line.size();
    const auto fieldEnd = [end](const char* q) {
        while (q < end && *q != ';') ++q;
        return q;
    };
    // Moves p past the field it points at; false when that field ends the line.
    const auto nextField = [&](std::string_view& field) {
        const char* q = fieldEnd(p);
        field = std::string_view(p, static_cast<std::size_t>(q - p));
        if (q == end) return false;
        p = q + 1;
        return true;
    };
    row.clear();
    std::string_view field;
    for (int layer = 1; layer <= SoilDbLayerCount; ++layer) {
        const char* copyFrom = p;
        // Layer 1 starts with the id and the depth.
        for (int k = layer == 1 ? 6 : 4; k > 0; --k)
            if (!nextField(field)) return false;
        std::array<double, 3> texture{};
        for (double& value : texture) {
            if (!nextField(field)) return false;
            value = ParseDecimalFast(field);
        }
        if (!nextField(field)) return false;  // saturation
        if (layer > 1) row += ';';
        row.append(copyFrom, field.data() + field.size());
        std::string_view fieldCapacity;
        std::string_view wiltingPoint;
        if (!nextField(fieldCapacity)) return false;
        if (!nextField(wiltingPoint) && layer < SoilDbLayerCount) return false;
        AppendLayerWater(row, texture[0], texture[1], texture[2], fieldCapacity, wiltingPoint);
    }
    return true;
}

int SystemClockSeconds() { return static_cast<int>(std::time(nullptr) % 60); }

// Shows the share of 12,000,000 rows done at the first row finished in a
// second 01, then waits for the second to move on.
class TMinuteProgress {
public:
    TMinuteProgress(const TToolStatus& status, const TClockSeconds& clock) : FStatus(status), FClock(clock) {}
    void RowDone(long long rows)
    {
        const int second = FClock ? FClock() : SystemClockSeconds();
        if (second != 1) {
            FShown = false;
            return;
        }
        if (FShown) return;
        FShown = true;
        ReportStatus(FStatus, FixedText(rows / AdjustProgressRows * 100, 3, 1) + "% completed");
    }

private:
    const TToolStatus& FStatus;
    const TClockSeconds& FClock;
    bool FShown = false;
};

// --- soil table correct ---------------------------------------------------------

bool HoldsMinus(std::string_view text) { return text.find('-') != std::string_view::npos; }

// A "-" in column c from 3 on takes the previous row's columns c-2 to c; in
// column 1 or 2, where there are no two columns before it, only that column.
// Then a column whose value reads as 0 takes the previous row's text.
std::string CorrectedRow(const TFieldViews& fields, const std::vector<std::string>& previous)
{
    std::array<std::string, SoilDbColumnCount + 1> f;
    for (int c = 1; c <= SoilDbColumnCount; ++c) f[c].assign(fields[c]);
    for (int c = 1; c <= SoilDbColumnCount; ++c) {
        if (HoldsMinus(f[c])) {
            for (int k = c >= 3 ? c - 2 : c; k <= c; ++k) f[k] = previous[k];
        }
        if (ParseDecimal(f[c]) == 0) f[c] = previous[c];
    }
    std::string row;
    for (int c = 1; c <= SoilDbColumnCount; ++c) {
        if (c > 1) row += ';';
        row += f[c];
    }
    return row;
}

void RememberRow(std::vector<std::string>& previous, const std::string& row)
{
    TFieldViews fields;
    fields.Split(row);
    for (int c = 1; c <= SoilDbColumnCount; ++c) previous[c].assign(fields[c]);
}

// --- Button76 ---------------------------------------------------------------------

// Only the depth changes: column 2 "0" right after the id, followed by a bulk
// density beginning with "1". A ";0;1" that the organic matter and lime of a
// layer form further on stays as it is.
std::string DepthFixedRow(const std::string& line)
{
    const std::size_t idEnd = line.find(';');
    if (idEnd == std::string::npos || line.compare(idEnd, 4, ";0;1") != 0) return line;
    std::string row = line;
    row.replace(idEnd, 4, ";10;1");
    return row;
}

// --- output -------------------------------------------------------------------

// Runs `onRow` over every data row of `table`, writing its header first and
// showing the row count every 10,000 rows.
void CopyRows(TBatchTable& table, rtl::TTextFile& output, const TToolStatus& status,
              const std::function<std::string(const std::string& line, const TTablePlace& place)>& onRow)
{
    output.WriteLn(table.ReadHeader());
    int rows = 0;
    table.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        output.WriteLn(onRow(line, place));
        if (++rows % ProgressEvery == 0) ReportStatus(status, std::to_string(rows));
    });
}

// Writes `outputName` as `inputName` with each data row passed through `onRow`,
// the input opened before the output is created.
void TransformTable(const TSoilTableOptions& options, const char* inputName, const char* outputName,
                    const TToolStatus& status,
                    const std::function<std::string(const std::string& line, const TTablePlace& place)>& onRow)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable table(options.File(inputName));
    table.Open();
    rtl::TTextFile output(options.File(outputName));
    output.Rewrite();
    CopyRows(table, output, status, onRow);
    table.Close();
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace

// The base copy is opened before the soil database table is created, so a
// missing base copy leaves the table as it was instead of emptying it.
void AdjustWaterCapacity(const TSoilTableOptions& options, const TToolStatus& status,
                         const TClockSeconds& clockSeconds)
{
    ReportStatus(status, "PROCESSING");
    TBatchTable base(options.File(SoilDbBaseTableName));
    base.Open();
    rtl::TTextFile output(options.File(SoilDbTableName));
    output.Rewrite();
    output.WriteLn(base.ReadHeader());
    TMinuteProgress progress(status, clockSeconds);
    // Each row is adjusted on its own, so batches of rows are adjusted on worker
    // threads while this thread reads the next batch and hands the finished one
    // to the file in order. The rows read are those of the read-then-test loop
    // of every batch tool: a header with no data line gives one empty row.
    constexpr std::size_t BatchRows = 16384;
    // The batches outlive the workers: a failed read leaves no worker on freed rows.
    const int workerCount = rtl::TBatchWorkers::SuitableCount(4);
    std::vector<TFieldViews> fields(static_cast<std::size_t>(std::max(workerCount, 1)));
    std::array<std::vector<std::string>, 2> lines;
    std::array<std::vector<std::string>, 2> rows;
    rtl::TBatchWorkers workers(workerCount);
    bool started = false;
    const auto readBatch = [&](std::vector<std::string>& batch) {
        std::size_t count = 0;
        while (count < BatchRows && (!started || !base.AtEnd())) {
            if (batch.size() == count) batch.emplace_back();
            base.ReadLine(batch[count++]);
            started = true;
        }
        batch.resize(count);
    };
    const auto adjustBatch = [&](int current) {
        rows[current].resize(lines[current].size());
        workers.Start(lines[current].size(), [&, current](int worker, std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i) {
                const std::string& line = lines[current][i];
                std::string& row = rows[current][i];
                if (!AdjustPlainRow(line, row)) {
                    fields[static_cast<std::size_t>(worker)].Split(line);
                    AdjustRow(fields[static_cast<std::size_t>(worker)], row);
                }
            }
        });
    };
    long long done = 0;
    int current = 0;
    readBatch(lines[current]);
    while (!lines[current].empty()) {
        adjustBatch(current);
        readBatch(lines[1 - current]);
        workers.Wait();
        for (const std::string& row : rows[current]) {
            output.WriteLn(row);
            progress.RowDone(++done);
        }
        current = 1 - current;
    }
    base.Close();
    output.Close();
    ReportStatus(status, "COMPLETE");
}

void CorrectSoilTable(const TSoilTableOptions& options, const TToolStatus& status)
{
    std::vector<std::string> previous(SoilDbColumnCount + 1);
    TFieldViews fields;
    TransformTable(options, SoilDbTableName, SoilDbCorrectedName, status,
                   [&](const std::string& line, const TTablePlace&) {
                       if (!HoldsMinus(line)) {
                           RememberRow(previous, line);
                           return line;
                       }
                       fields.Split(line);
                       std::string row = CorrectedRow(fields, previous);
                       RememberRow(previous, row);
                       return row;
                   });
}

void FixZeroSoilDepth(const TSoilTableOptions& options, const TToolStatus& status)
{
    TransformTable(options, SoilDbCorrectedName, SoilDbCorrected2Name, status,
                   [](const std::string& line, const TTablePlace&) { return DepthFixedRow(line); });
}

void RestoreSoilTable(const TSoilTableOptions& options, const TToolStatus& status)
{
    static constexpr std::array<int, 8> RestoredColumns = {11, 12, 21, 22, 31, 32, 41, 42};
    ReportStatus(status, "PROCESSING");
    TBatchTable current(options.File(SoilDbTableName));
    current.Open();
    TBatchTable original(options.File(SoilDbOriginalName));
    original.Open();
    rtl::TTextFile output(options.File(SoilDbRestoredName));
    output.Rewrite();
    original.ReadHeader();
    TSequentialJoin join(original, TSequentialJoin::kcText);
    TFieldViews fields;
    TFieldViews originalFields;
    CopyRows(current, output, status, [&](const std::string& line, const TTablePlace&) {
        fields.Split(line);
        originalFields.Split(join.Seek(fields[1]));
        std::string row;
        for (int c = 1; c <= SoilDbColumnCount; ++c) {
            if (c > 1) row += ';';
            const bool restored = std::find(RestoredColumns.begin(), RestoredColumns.end(), c) != RestoredColumns.end();
            row.append(restored ? originalFields[c] : fields[c]);
        }
        return row;
    });
    current.Close();
    original.Close();
    output.Close();
    ReportStatus(status, "COMPLETE");
}

void ReplaceTopsoilDepth(const TSoilTableOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable depths(options.File(TopsoilDepthTableName));
    depths.Open();
    TBatchTable table(options.File(SoilDbTableName));
    table.Open();
    TIdTable newDepth(TopsoilIdTableSize);
    TFieldViews fields;
    depths.ReadHeader();
    depths.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, TopsoilIdTableSize, "100 m id");
        newDepth.Set(id, FixedText(ParseDecimal(fields[5]), 5, 0));
    });
    depths.Close();

    rtl::TTextFile output(options.File(SoilDbFixedName));
    output.Rewrite();
    output.WriteLn(table.ReadHeader());
    std::string row;
    table.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, TopsoilIdTableSize, "100 m id");
        row.assign(fields[1]);
        row += ';';
        row.append(newDepth.Empty(id) ? fields[2] : newDepth.Get(id));
        AppendFields(row, fields, 3, SoilDbColumnCount);
        output.WriteLn(row);
    });
    table.Close();
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
