// Tools that turn the ecosystem model's annual output files into cell tables, and the precipitation grid of a crop-model run.
#include "app/AnnualOutputs.h"

#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/WeatherLayouts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/NumberText.h"

namespace app {

namespace {

constexpr int CellCount = 1104;

const char* const OutputFolder = "e:\\TolvekCloud\\PRODUCTS\\TOLVEK DEVELOP\\Tolvek File System\\output\\";
const char* const SensitivityFolder = "e:\\TolvekCloud\\PRODUCTS\\LIBRARY\\DB sensitivity\\";
const char* const ProgrammeDataFolder = "e:\\4Mdata\\";
const char* const RunFolder = "e:\\4Mrun\\";
const char* const RunAcronym = "RUN";

int ReadYear(std::string_view text, const TTablePlace& place, int first = INT_MIN, int last = INT_MAX)
{
    return ReadStrictInt(text, place, first, last, "year");
}

// Carbon balance sums of one cell; the bases of 2000 and 2001 outlive the cell.
struct TCarbonBases {
    double Field6 = 0, Field7 = 0, Field8 = 0;
};

std::array<double, 7> CarbonBalanceOf(const std::string& fileName, TCarbonBases& bases)
{
    std::array<double, 7> r{};  // S2 S3 S4 S5 D6 D7 T8
    TWeatherInput input(fileName);
    input.Skip(1);
    TFieldViews f;
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, ' ');
        const int year = ReadYear(f[1], input.Place());
        if (year == 2000) {
            bases.Field6 = ParseDecimal(f[6]);
            bases.Field7 = ParseDecimal(f[7]);
        }
        if (year > 2000) {
            for (int k = 0; k < 4; ++k) r[static_cast<std::size_t>(k)] += ParseDecimal(f[k + 2]);
            if (year == 2001) bases.Field8 = ParseDecimal(f[8]);
        }
        r[4] = ParseDecimal(f[6]) - bases.Field6;
        r[5] = ParseDecimal(f[7]) - bases.Field7;
        r[6] = ParseDecimal(f[8]);
    });
    for (int k = 0; k < 6; ++k) r[static_cast<std::size_t>(k)] /= 10;
    r[6] = (r[6] - bases.Field8) / 10;
    return r;
}

// |a - b| * 100 / min(a, b), or "0" for equal values.
std::string RelativeDifference(double a, double b, int cell, int yearIndex, const std::string& fileName)
{
    if (a == b) return "0";
    const double smaller = std::min(a, b);
    // A pair whose smaller value is 0 has no relative difference; the sound
    // result is an error naming the cell, not an infinite number in the table.
    if (smaller == 0) {
        throw rtl::Exception("cell " + std::to_string(cell) + ", year " + std::to_string(1960 + yearIndex) +
                             ": a variant of 0 against " + FixedText(std::max(a, b), 8, 6) +
                             " has no relative difference (\"" + fileName + "\")");
    }
    return FixedText(std::fabs(a - b) * 100 / smaller, 8, 5);
}

// Runs of blanks become field separators: five blanks to four, four to three,
// three to ";", each over the whole row.
void ReplaceAll(std::string& row, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(row.size());
    std::size_t start = 0;
    for (std::size_t at = row.find(from); at != std::string::npos; at = row.find(from, start)) {
        out.append(row, start, at - start);
        out += to;
        start = at + from.size();
    }
    out.append(row, start, std::string::npos);
    row.swap(out);
}

struct TSomSums {
    long long Rows = 0;
    std::array<double, 6> A{};  // A1..A5 at 1..5
};

TSomSums SumAnnualOutput(TWeatherInput& input)
{
    input.Skip(3);
    // The rows start after the first line beginning with "0"; a file without
    // one ends the action with an error naming it instead of reading on.
    std::string line;
    while (true) {
        if (input.AtEnd()) RaiseMissingLine(input, "0 at its start");
        input.Next(line);
        if (!line.empty() && line[0] == '0') break;
    }
    TSomSums sums;
    TFieldViews f;
    input.ForEachLine([&](const std::string& text) {
        std::string row = text;
        ReplaceAll(row, "     ", "    ");
        ReplaceAll(row, "    ", "   ");
        ReplaceAll(row, "   ", ";");
        f.Split(row, ';');
        ++sums.Rows;
        sums.A[1] += ParseDecimal(f[2]);
        sums.A[2] += ParseDecimal(f[3]);
        for (int group = 0; group < 4; ++group) {
            const int first = 4 + 5 * group;
            for (int k = 0; k < 3; ++k) sums.A[3] += ParseDecimal(f[first + k]);
            sums.A[4] += ParseDecimal(f[first + 3]);
            sums.A[5] += ParseDecimal(f[first + 4]);
        }
    });
    return sums;
}

// The bulk densities of BD.csv per cell (SOM30, SOM60, SOM90).
std::vector<std::array<double, 3>> ReadBulkDensities(const std::string& fileName)
{
    std::vector<std::array<double, 3>> densities(CellCount + 1);
    TWeatherInput input(fileName);
    input.Skip(1);
    TFieldViews f;
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, ';');
        const int cell = ReadStrictInt(f[1], input.Place(), 1, CellCount, "cell");
        for (int k = 0; k < 3; ++k) densities[static_cast<std::size_t>(cell)][static_cast<std::size_t>(k)] = ParseDecimal(f[k + 2]);
    });
    return densities;
}

[[noreturn]] void RaiseZeroDivisor(const std::string& what, const std::string& fileName, int cell)
{
    throw rtl::Exception(what + " of cell " + std::to_string(cell) + " is 0 (\"" + fileName + "\"): no mean or percentage");
}

int ReadPageInt(const std::string& text, const char* what)
{
    int value = 0;
    if (!rtl::TryStrToInt(text, value)) throw rtl::EConvertError("'" + text + "' is not a valid integer value (" + what + ")");
    return value;
}

}  // namespace

void WriteCarbonBalance(const TWeatherToolOptions& places, const std::string& runName, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    std::vector<std::array<double, 7>> results(CellCount + 1);
    TCarbonBases bases;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const std::string fileName = places.Path(std::string(OutputFolder) + "grid\\10km\\" + runName + "\\" +
                                                 PaddedCellNumber(cell) + ".annout.txt");
        if (rtl::FileExists(fileName)) results[static_cast<std::size_t>(cell)] = CarbonBalanceOf(fileName, bases);
    }
    TWeatherOutput out(places.Path(std::string(OutputFolder) + runName + "_tsoc.csv"));
    out.Line("ID;NPP;NEE;GPP;TER;HARVEST_C;CUT_C;TSOCchange");
    std::string line;
    for (int cell = 1; cell <= CellCount; ++cell) {
        line = std::to_string(cell);
        for (double value : results[static_cast<std::size_t>(cell)]) {
            line += ';';
            AppendFixedText(line, value, 7, 6);
        }
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteVariantDifferences(const TWeatherToolOptions& places, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    static const char* const Variants[] = {"CChu", "CCeu", "FShu", "FSeu"};
    // values[cell][year index 1..50][variant 0..3]
    std::vector<std::array<std::array<double, 4>, 51>> values(CellCount + 1);
    TFieldViews f;
    for (int cell = 1; cell <= CellCount; ++cell) {
        for (int v = 0; v < 4; ++v) {
            const std::string fileName = places.Path(std::string(SensitivityFolder) + "RESULTS\\" + Variants[v] + "\\" +
                                                     PaddedCellNumber(cell) + ".annout.txt");
            if (!rtl::FileExists(fileName)) continue;
            TWeatherInput input(fileName);
            input.Skip(1);
            input.ForEachLine([&](const std::string& line) {
                f.Split(line, ' ');
                // Years outside the table are refused with their place rather than
                // written past it.
                const int year = ReadYear(f[1], input.Place(), 1961, 2010);
                values[static_cast<std::size_t>(cell)][static_cast<std::size_t>(year - 1960)][static_cast<std::size_t>(v)] =
                    ParseDecimal(f[2]);
            });
        }
    }
    const std::string outName = places.Path(std::string(SensitivityFolder) + "DIFS.txt");
    TWeatherOutput out(outName);
    static const int Pairs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};
    std::string line;
    for (int cell = 1; cell <= CellCount; ++cell) {
        for (int r = 1; r <= 50; ++r) {
            const auto& v = values[static_cast<std::size_t>(cell)][static_cast<std::size_t>(r)];
            line = std::to_string(cell) + ";" + std::to_string(r);
            for (double value : v) {
                line += ';';
                AppendFixedText(line, value, 8, 6);
            }
            for (const auto& pair : Pairs) {
                line += ';';
                line += RelativeDifference(v[static_cast<std::size_t>(pair[0])], v[static_cast<std::size_t>(pair[1])], cell, r,
                                           outName);
            }
            out.Line(line);
        }
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteScenarioMeans(const TWeatherToolOptions& places, const TScenarioMeanOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const int field = ReadPageInt(options.FieldText, "field number");
    static const char* const Scenarios[] = {"RCP45RAW\\", "RCP45\\", "RCP85RAW\\", "RCP85\\"};
    std::vector<std::array<double, 12>> values(CellCount + 1);
    TFieldViews f;
    std::string line;
    for (int p = 1; p <= 4; ++p) {
        for (int cell = 1; cell <= CellCount; ++cell) {
            TWeatherInput input(places.Path(options.Folder + Scenarios[p - 1] + options.Prefix + PaddedCellNumber(cell) +
                                            ".annout"));
            input.Skip(1);
            double sum = 0;
            for (int row = 0; row < 30; ++row) {
                input.Next(line);  // past the end an empty row, adding 0
                f.Split(line, ' ');
                sum += ParseDecimal(f[field]);
            }
            values[static_cast<std::size_t>(cell)][static_cast<std::size_t>(p - 1)] = sum / 30;
        }
        ReportStatus(status, FixedText(p / 12.0 * 100, 6, 0) + "%");
    }
    TWeatherOutput out(places.Path(options.Folder + "\\maize_results.csv"));
    for (int cell = 1; cell <= CellCount; ++cell) {
        line = std::to_string(cell);
        for (double value : values[static_cast<std::size_t>(cell)]) {
            line += ';';
            AppendFixedText(line, value, 6, 3);
        }
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETED");
}

void WriteSoilOrganicMatter(const std::string& folder, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string densityFile = folder + "\\BD.csv";
    const auto densities = ReadBulkDensities(densityFile);
    TWeatherOutput out(folder + "\\SOMgridSIM.csv");
    out.Line("ID;LAIav;BIOMav;SOM30;SOM60;SOM90");
    std::string line;
    for (int cell = 1; cell <= CellCount; ++cell) {
        TWeatherInput input(folder + "\\annout\\" + std::to_string(cell) + ".annout");
        const TSomSums sums = SumAnnualOutput(input);
        // No rows, or a bulk density of 0, leaves no mean: the action ends with
        // an error naming the file and the cell instead of writing inf or NaN.
        if (sums.Rows == 0) RaiseZeroDivisor("the row count after the line beginning with \"0\"", input.FileName(), cell);
        const double n = static_cast<double>(sums.Rows);
        line = std::to_string(cell);
        line += ';';
        AppendFixedText(line, sums.A[1] / n, 4, 2);
        line += ';';
        AppendFixedText(line, sums.A[2] / n * 10, 4, 2);
        for (int layer = 0; layer < 3; ++layer) {
            const double density = densities[static_cast<std::size_t>(cell)][static_cast<std::size_t>(layer)];
            if (density == 0) RaiseZeroDivisor("the bulk density of layer " + std::to_string(layer + 1), densityFile, cell);
            const double som = sums.A[static_cast<std::size_t>(layer + 3)] / n / 0.58;
            line += ';';
            AppendFixedText(line, som * 100 / (density * 0.3), 4, 2);
        }
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteShrunkStatistics(const TWeatherToolOptions& places, const TShrunkStatisticsOptions& options,
                           const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const int rows = ReadPageInt(options.RowsText, "rows per cell");
    const double share = ReadPageInt(options.PercentText, "shrink percentage") / 100.0;
    // The median of a cell's values takes two of them: one row per cell would
    // read a value that is not the cell's.
    if (rows < 2 || rows > SharedValuesCapacity)
        throw rtl::EConvertError("rows per cell " + options.RowsText + " is outside 2 to " +
                                 std::to_string(SharedValuesCapacity));
    std::vector<double> first(static_cast<std::size_t>(CellCount) * static_cast<std::size_t>(rows));
    std::vector<double> second(first.size());
    TWeatherInput input(places.Path(std::string(ProgrammeDataFolder) + options.InputName));
    input.Skip(1);
    TFieldViews f;
    std::string line;
    for (std::size_t k = 0; k < first.size(); ++k) {
        input.Next(line);
        f.Split(line, ';');
        first[k] = ParseDecimal(f[4]);
        second[k] = ParseDecimal(f[5]);
    }
    const auto gridMedianOfPercentiles = [&](const std::vector<double>& values) {
        std::vector<double> percentiles(CellCount + 1);
        for (int cell = 1; cell <= CellCount; ++cell) {
            for (int row = 1; row <= rows; ++row)
                SharedValues[static_cast<std::size_t>(row)] = values[static_cast<std::size_t>((cell - 1) * rows + row - 1)];
            percentiles[static_cast<std::size_t>(cell)] = SortedPercentile95(rows);
        }
        for (int cell = 1; cell <= CellCount; ++cell) SharedValues[static_cast<std::size_t>(cell)] = percentiles[static_cast<std::size_t>(cell)];
        return SortedMedian(CellCount);
    };
    const double m4 = gridMedianOfPercentiles(first);
    const double m5 = gridMedianOfPercentiles(second);
    TWeatherOutput out(places.Path(std::string(ProgrammeDataFolder) + options.OutputName + ".csv"));
    std::string secondPart;
    for (int cell = 1; cell <= CellCount; ++cell) {
        line = std::to_string(cell);
        secondPart.clear();
        for (int row = 1; row <= rows; ++row) {
            const std::size_t k = static_cast<std::size_t>((cell - 1) * rows + row - 1);
            const double a = m4 + (first[k] - m4) * share;
            const double b = m5 + (second[k] - m5) * share;
            line += ';';
            AppendFixedText(line, a, 4, 2);
            secondPart += ';';
            AppendFixedText(secondPart, b, 4, 2);
            SharedValues[static_cast<std::size_t>(row)] = a;
        }
        line += secondPart;
        for (double statistic : {SortedMedian(rows), SortedPercentile95(rows), SortedMax(rows)}) {
            line += ';';
            AppendFixedText(line, statistic, 4, 2);
        }
        out.Line(line);
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WritePrecipitationGrid(const TWeatherToolOptions& places)
{
    const std::string folder = std::string(RunFolder) + "result\\FERT_DATE_1\\";
    std::vector<std::string> texts(CellCount + 1, "0");
    TWeatherInput input(places.Path(folder + RunAcronym + "2016_WET only prec.txt"));
    input.Skip(1);
    TFieldViews f;
    input.ForEachLine([&](const std::string& line) {
        f.Split(line, '\t');
        const int cell = ReadStrictInt(f[1], input.Place(), 1, CellCount, "cell");
        texts[static_cast<std::size_t>(cell)] = std::string(f[2]);
    });
    TWeatherOutput out(places.Path(folder + RunAcronym + "2016 prec grid.csv"));
    for (int cell = 1; cell <= CellCount; ++cell) out.Line(std::to_string(cell) + ";" + texts[static_cast<std::size_t>(cell)]);
    out.Close();
}

}  // namespace app
