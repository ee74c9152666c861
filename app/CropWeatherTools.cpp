// Tools on crop-model weather files and CARPATCLIM tables: the two layout conversions, FORESEE days, renumbering, the two-year cut, coordinates, precipitation sums.
#include "app/CropWeatherTools.h"

#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/WeatherLayouts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace app {

namespace {

constexpr const char* KeyTable10km = "e:\\Tolvek SOIL GRID\\KEY_10kmID_OLD_NEW.csv";
constexpr const char* SyncedCC = "\\TolvekCloud\\PRODUCTS\\ALAPADAT\\CC\\";
constexpr int CropHeaderLines = 6;

std::string Plain(int cell) { return std::to_string(cell); }

// Fields first..last of `fields` joined by `separator`.
std::string JoinFields(const TFieldViews& fields, int first, int last, char separator)
{
    std::string row;
    for (int k = first; k <= last; ++k) {
        if (k > first) row += separator;
        row.append(fields[k]);
    }
    return row;
}

// The first two characters of a coordinate line, a point and its fourth
// character: "46,25" and "46.25" both give "46.2".
std::string OneDecimalCoordinate(const std::string& line)
{
    return line.substr(0, 2) + "." + (line.size() > 3 ? line.substr(3, 1) : std::string());
}

// The new cell number of each old cell 1..1104 as the key table writes it.
// `oldByLine` takes the old number from the line's position instead of its
// field 1.
std::vector<std::string> ReadNewNumbers(const TWeatherToolOptions& options, bool oldByLine)
{
    return ReadCellKeyMapping(options.Path(KeyTable10km), {oldByLine ? 0 : 1, "old cell", 2, "new number"});
}

// Copies a crop-model weather file with `firstLine` in place of its id line.
void CopyWithIdLine(const std::string& from, const std::string& to, const std::string& firstLine)
{
    TWeatherInput input(from);
    TWeatherOutput out(to);
    input.Skip(1);
    out.Line(firstLine);
    input.ForEachLine([&out](const std::string& line) { out.Line(line); });
    out.Close();
}

}  // namespace

void CarpatclimTablesToCropFiles(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\Tolvek WEATHER GRID\\FORESEE\\" + Plain(cell) + ".csv"));
        TWeatherOutput out(options.Path("e:\\4Mdata\\weather\\" + Plain(cell) + ".wth"));
        std::string line;
        input.Skip(1);
        input.Next(line);
        fields.Split(line, ';');
        for (int k = 1; k <= 4; ++k) out.Line(fields[k]);
        out.Line("");
        out.Line("");
        input.Skip(1);
        input.ForEachLine([&](const std::string& row) {
            fields.Split(row, ';');
            out.Line(JoinFields(fields, 1, 5, '\t'));
        });
        out.Close();
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

void CropFilesToCarpatclimTables(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\Tolvek SOIL GRID\\TolvekWTH\\" + Plain(cell) + ".wth"));
        TWeatherOutput out(options.Path("e:\\Tolvek WEATHER GRID\\CARPATCLIM\\" + Plain(cell) + ".csv"));
        std::string header[4];
        for (std::string& line : header) input.Next(line);
        out.Line(CarpatclimIdHeader);
        out.Line(header[0] + ";" + OneDecimalCoordinate(header[1]) + ";" + OneDecimalCoordinate(header[2]) + ";" +
                 header[3]);
        out.Line(CarpatclimDayHeader);
        input.Skip(2);
        input.ForEachLine([&](const std::string& row) {
            fields.Split(row, '\t');
            out.Line(JoinFields(fields, 1, 5, ';'));
        });
        out.Close();
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

void ForeseeInputTablesToCropFiles(const TWeatherToolOptions& options)
{
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherOutput out(options.Path("d:\\WTH\\" + Plain(cell) + ".wth"));
        {
            TWeatherInput header(options.Path(std::string("d:") + SyncedCC + PaddedCellNumber(cell) + ".wth"));
            std::string line;
            for (int k = 0; k < CropHeaderLines; ++k) {
                header.Next(line);
                out.Line(line);
            }
        }
        TWeatherInput input(options.Path("d:\\TolvekCloud\\PRODUCTS\\ALAPADAT\\FORESEE_CarpatClim_grid\\" +
                                         Plain(cell) + "-data.csv"));
        input.Skip(1);
        input.ForEachLine([&](const std::string& row) {
            fields.Split(row, ',');
            const std::string yearDoy = std::string(fields[2]) + PadLeft(fields[3], 3);
            std::string dayText = yearDoy;
            for (char& c : dayText)
                if (c == ' ') c = '0';
            const int day = ReadStrictInt(dayText, input.Place(), 1000001, 9999366, "year and day of year");
            std::string text = YearDoyToDate(day);
            text += '\t';
            AppendFixedText(text, ParseDecimal(fields[9]) * ParseDecimal(fields[10]) / 1000000, 4, 2);
            text += '\t';
            text.append(fields[4]);
            text += '\t';
            text.append(fields[5]);
            text += '\t';
            AppendFixedText(text, ParseDecimal(fields[7]) * 10, 4, 1);
            out.Line(text);
        });
        out.Close();
    }
}

void RenumberCropFilesPadded(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::vector<std::string> newOf = ReadNewNumbers(options, false);
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        std::string padded = newOf[static_cast<std::size_t>(cell)];
        if (padded.size() < 4) padded.insert(0, 4 - padded.size(), '0');
        CopyWithIdLine(options.Path(std::string("e:") + SyncedCC + PaddedCellNumber(cell) + ".wth"),
                       options.Path("e:\\WTHDATA\\CCnewgrid\\" + padded + ".wth"), padded);
    }
    ReportStatus(status, "COMPLETE");
}

void RenumberCropFilesByKeyLine(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::vector<std::string> newOf = ReadNewNumbers(options, true);
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        const std::string& newCell = newOf[static_cast<std::size_t>(cell)];
        CopyWithIdLine(options.Path(std::string("c:") + SyncedCC + PaddedCellNumber(cell) + ".wth"),
                       options.Path("e:\\Tolvek SOIL GRID\\TolvekWTH\\" + newCell + ".wth"), newCell);
    }
    ReportStatus(status, "COMPLETE");
}

void KeepCropWeatherYears2015And2016(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\4Mvizgyujto\\weather\\" + Plain(cell) + ".wth"));
        TWeatherOutput out(options.Path("e:\\4M100m\\weather\\" + Plain(cell) + ".wth"));
        std::string line;
        for (int k = 0; k < CropHeaderLines; ++k) {
            input.Next(line);
            out.Line(line);
        }
        input.ForEachLine([&](const std::string& row) {
            const int year = ReadStrictInt(std::string_view(row).substr(0, 4), input.Place(), INT32_MIN, INT32_MAX, "year");
            if (year == 2015 || year == 2016) out.Line(row);
        });
        out.Close();
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

void ListCropFileCoordinates(const TWeatherToolOptions& options)
{
    TWeatherOutput out(options.Path("d:\\TolvekCloud\\DATA\\CCgrid.txt"));
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("d:\\TolvekCloud\\DATA\\CC\\" + PaddedCellNumber(cell) + ".wth"));
        std::string latitude;
        std::string longitude;
        input.Skip(1);
        input.Next(latitude);
        input.Next(longitude);
        out.Line(Plain(cell) + "\t" + latitude + "\t" + longitude);
    }
    out.Close();
}

void SumPrecipitation2015To2016(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    std::vector<int> newOf(WeatherCellCount + 1, 0);
    std::string keysName;
    {
        TWeatherInput keys(options.Path(KeyTable10km));
        keysName = keys.FileName();
        TFieldViews fields;
        keys.Skip(1);
        keys.ForEachLine([&](const std::string& line) {
            fields.Split(line, ';');
            const int oldCell = ReadStrictInt(fields[1], keys.Place(), 1, WeatherCellCount, "old cell number");
            newOf[static_cast<std::size_t>(oldCell)] = ReadStrictInt(fields[2], keys.Place(), 1, WeatherCellCount, "new cell number");
        });
    }
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        if (newOf[static_cast<std::size_t>(cell)] == 0)
            throw rtl::EConvertError("old cell " + std::to_string(cell) + " has no new number in \"" +
                                     rtl::DisplayPath(keysName) + "\"");
    }
    TWeatherOutput out(options.Path("e:\\4Mrun\\precgrid.csv"));
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\4Mrun\\weather\\" + Plain(cell) + ".wth"));
        input.Skip(CropHeaderLines);
        double sum = 0;
        input.ForEachLine([&](const std::string& row) {
            fields.Split(row, '\t');
            const int day = DateToYearDoy(fields[1]);
            if (day > 2015000 && day <= 2016305) sum += ParseDecimal(fields[5]);
        });
        out.Line(std::to_string(newOf[static_cast<std::size_t>(cell)]) + ";" + FixedText(sum, 5, 1));
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void ReadStationJoinTables(const TWeatherToolOptions& options)
{
    std::vector<std::pair<int, int>> pairs(WeatherCellCount);
    TFieldViews fields;
    for (const char* folder : {"", "CC20162017\\"}) {
        TWeatherInput table(options.Path(std::string("e:") + SyncedCC + folder + "cc_nws_join.csv"));
        std::string line;
        table.Skip(1);
        for (auto& pair : pairs) {
            table.Next(line);
            fields.Split(line, ';');
            pair = {ReadStrictInt(fields[1], table.Place(), INT32_MIN, INT32_MAX, "cell"),
                    ReadStrictInt(fields[4], table.Place(), INT32_MIN, INT32_MAX, "station")};
        }
    }
}

}  // namespace app
