// Tools that write or transform model weather files: the FORESEE/CARPATCLIM join, the 68-year extension, the copy tools, the table conversions.
#include "app/WeatherConverters.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/WeatherLayouts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace app {

namespace {

constexpr const char* WeatherGrid = "e:\\Tolvek WEATHER GRID\\";
constexpr const char* ObservedForesee =
    "\\TolvekCloud\\PRODUCTS\\TOLVEK DEVELOP\\Tolvek File System\\input\\weather\\grid\\observed\\foresee\\";
constexpr const char* KeyTable10km = "e:\\Tolvek SOIL GRID\\KEY_10kmID_OLD_NEW.csv";
constexpr const char* GridTable3 = "e:\\Tolvek SOIL GRID\\Tolvek_DB_GRID_TABLE3.csv";
constexpr int ExtensionYears = 68;
constexpr int LastKeptYear = 2018;

std::string Plain(int cell) { return std::to_string(cell); }

// The year of a day line: the integer in columns 1-6.
int DayLineYear(const std::string& line, const TTablePlace& place)
{
    return ReadStrictInt(ModelWeatherColumn(line, mwYear), place, INT32_MIN, INT32_MAX, "year");
}

// --- the join -------------------------------------------------------------------

double SaturationVapourPressure(double t) { return 610.7 * std::exp(17.38 * t / (t + 239)); }

// The fields of the two lines being joined, kept from line to line: a split
// fills only as many views as the line has.
struct TJoinFields {
    TFieldViews Foresee;
    TFieldViews Carpatclim;
};

void AppendJoinedDayLine(std::string& out, TJoinFields& f, const std::string& foreseeLine,
                         const std::string& carpatclimLine, const TTablePlace& place)
{
    f.Foresee.Split(foreseeLine, ' ');
    f.Carpatclim.Split(carpatclimLine, ' ');
    const TFieldViews& foresee = f.Foresee;
    const TFieldViews& carpatclim = f.Carpatclim;
    const double tmax = ParseDecimalFast(carpatclim[3]);
    const double tmin = ParseDecimalFast(carpatclim[4]);
    const double tavg = (tmin + tmax) / 2;
    const double tday = tavg + (tmax - tavg) * 0.45;
    double vpd = SaturationVapourPressure(tday) - SaturationVapourPressure(tmin);
    if (!std::isfinite(tday) || !std::isfinite(vpd)) {
        throw rtl::EConvertError("Tmax " + std::string(carpatclim[3]) + " and Tmin " + std::string(carpatclim[4]) +
                                 " give no vapour pressure deficit (" + place.Describe() + ")");
    }
    if (vpd <= 0) vpd = 0;
    char tdayText[64];
    char vpdText[64];
    std::string number;
    AppendFixedText(number, tday, 5, 2);
    const std::size_t tdayLength = number.copy(tdayText, sizeof tdayText);
    number.clear();
    AppendFixedText(number, vpd, 5, 2);
    const std::size_t vpdLength = number.copy(vpdText, sizeof vpdText);
    const TModelWeatherDay day{{foresee[1], foresee[2], carpatclim[3], carpatclim[4], {tdayText, tdayLength},
                                carpatclim[6], {vpdText, vpdLength}, carpatclim[8], foresee[9]}};
    AppendModelWeatherDayLine(out, day);
}

void JoinCell(const TWeatherToolOptions& options, int cell)
{
    const std::string grid = WeatherGrid;
    TWeatherInput carpatclim(options.Path(grid + "CARPATCLIM\\" + Plain(cell) + ".wth"));
    TWeatherInput foresee(options.Path(grid + "FORESEE\\wth\\" + Plain(cell) + ".wth"));
    TWeatherOutput out(options.Path(grid + "CARPATCLIM\\wth\\" + PaddedCellNumber(cell) + ".wth"));

    std::string line;
    foresee.Next(line);
    for (std::size_t at = line.find("ALADIN"); at != std::string::npos; at = line.find("ALADIN", at + 31))
        line.replace(at, 6, "DATA FETCHED FROM CARPATCLIM DB");
    out.Line(line);
    for (int k = 2; k <= ModelWeatherHeaderLines; ++k) {
        foresee.Next(line);
        out.Line(line);
    }
    carpatclim.Skip(ModelWeatherHeaderLines);
    SkipThrough(foresee, YearEndText(1960));

    std::string carpatclimLine;
    std::string dayLine;
    TJoinFields fields;
    while (!carpatclim.AtEnd()) {
        carpatclim.Next(carpatclimLine);
        if (carpatclimLine.find(".02.29") != std::string::npos) continue;
        // The FORESEE series must last as long as the CARPATCLIM one: day lines
        // made of empty fields would break the model run.
        if (foresee.AtEnd()) {
            throw rtl::Exception("\"" + rtl::DisplayPath(foresee.FileName()) + "\" ends (line " +
                                   std::to_string(foresee.Place().Line) + ") before \"" +
                                   rtl::DisplayPath(carpatclim.FileName()) + "\" (line " +
                                   std::to_string(carpatclim.Place().Line) + ")");
        }
        foresee.Next(line);
        dayLine.clear();
        AppendJoinedDayLine(dayLine, fields, line, carpatclimLine, carpatclim.Place());
        out.Line(dayLine);
    }
    carpatclim.Close();
    foresee.Close();
    out.Close();
}

// --- the table conversions ---------------------------------------------------

// Converts the day lines of `input` into daily table rows; stops after the row
// dated `lastDate` when one is given.
void ConvertDayLines(TWeatherInput& input, TWeatherOutput& out, char separator, const std::string& lastDate = {})
{
    input.Skip(ModelWeatherHeaderLines);
    std::string line;
    TDailyTableRows rows;
    while (!input.AtEnd()) {
        input.Next(line);
        ConvertModelWeatherDay(line, separator, input.Place(), rows);
        for (int k = 0; k < rows.Count; ++k) out.Line(rows.Rows[k]);
        if (!lastDate.empty() && rows.LastDate == lastDate) return;
    }
    if (!lastDate.empty()) RaiseMissingLine(input, "day of " + lastDate);
}

struct TGridRow {
    std::string Latitude, Longitude, Elevation;
};

// The old cell number of each new cell 1..1104 from the 10 km key table.
std::vector<std::string> ReadOldCellNumbers(const TWeatherToolOptions& options)
{
    return ReadCellKeyMapping(options.Path(KeyTable10km), {2, "new cell", 1, "old number"});
}

std::vector<TGridRow> ReadGridRows(const TWeatherToolOptions& options)
{
    TWeatherInput table(options.Path(GridTable3));
    std::vector<TGridRow> rows(WeatherCellCount + 1);
    std::string line;
    TFieldViews fields;
    table.Skip(1);
    for (int k = 1; k <= WeatherCellCount; ++k) {
        table.Next(line);
        fields.Split(line, ';');
        rows[static_cast<std::size_t>(k)] = {std::string(fields[3]), std::string(fields[4]), std::string(fields[5])};
    }
    return rows;
}

}  // namespace

std::string TWeatherToolOptions::Path(std::string_view fixedPath) const
{
    std::string path(fixedPath);
    if (Root.empty()) return path;
    std::string mapped = Root;
    if (path.size() >= 2 && path[1] == ':') {
        mapped += "drives/";
        mapped += static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
        mapped += '/';
        path.erase(0, path.size() > 2 && path[2] == '\\' ? 3 : 2);
    }
    for (char& c : path)
        if (c == '\\') c = '/';
    return mapped + path;
}

void JoinForeseeCarpatclim(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        JoinCell(options, cell);
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

void ExtendForesee(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    const std::string folder = std::string("e:") + ObservedForesee;
    int done = 0;
    for (const std::string& name : rtl::FindFiles(options.Path(folder + "*.wth"))) {
        TWeatherOutput out(options.Path(folder + "extended\\" + name));
        std::string line;
        {
            TWeatherInput input(options.Path(folder + name));
            while (!input.AtEnd()) {
                input.Next(line);
                out.Line(line);
            }
        }
        TWeatherInput input(options.Path(folder + name));
        input.Skip(ModelWeatherHeaderLines);
        while (!input.AtEnd()) {
            input.Next(line);
            const int year = DayLineYear(line, input.Place());
            std::string shifted = "  " + std::to_string(year + ExtensionYears);
            if (line.size() > 6) shifted.append(line, 6, 120);
            out.Line(shifted);
        }
        out.Close();
        ReportStatus(status, std::to_string(++done));
    }
    ReportStatus(status, "COMPLETE");
}

void CopyForeseeByPaddedNumber(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string folder = "e:\\WTHDATA\\foresee\\";
    std::string line;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path(folder + Plain(cell) + ".wth"));
        TWeatherOutput out(options.Path(folder + "fn\\" + PaddedCellNumber(cell) + ".wth"));
        input.Next(line);
        out.Line("FORESEE observed, new grid");
        for (int k = 2; k <= ModelWeatherHeaderLines; ++k) {
            input.Next(line);
            out.Line(line);
        }
        while (!input.AtEnd()) {
            input.Next(line);
            if (DayLineYear(line, input.Place()) <= LastKeptYear) out.Line(line);
        }
        out.Close();
    }
    ReportStatus(status, "COMPLETE");
}

void CopyForeseeWithSuffix(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string folder = std::string("c:") + ObservedForesee;
    std::string line;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path(folder + PaddedCellNumber(cell) + ".wth"));
        TWeatherOutput out(options.Path(folder + PaddedCellNumber(cell) + "_foresee.wth"));
        while (!input.AtEnd()) {
            input.Next(line);
            out.Line(line);
        }
        out.Close();
    }
    ReportStatus(status, "COMPLETE");
}

void CutSpinupWeatherAt2018(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string folder = "e:\\spinup_soc\\met\\";
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path(folder + Plain(cell) + ".mtc43"));
        TWeatherOutput out(options.Path(folder + "wth\\" + Plain(cell) + ".wth"));
        SkipThrough(input, YearEndText(LastKeptYear), [&out](const std::string& line) { out.Line(line); });
        out.Close();
    }
    ReportStatus(status, "COMPLETE");
}

void ModelWeatherToCarpatclimTables(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::string grid = WeatherGrid;
    const std::string source = "c:\\TolvekCloud\\PRODUCTS\\ALAPADAT\\CC\\FORESEE\\";
    std::string line;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput carpatclim(options.Path(grid + "CARPATCLIM\\" + Plain(cell) + ".csv"));
        TWeatherInput input(options.Path(source + Plain(cell) + ".mtc43"));
        TWeatherOutput out(options.Path(grid + "FORESEE\\" + Plain(cell) + ".csv"));
        for (int k = 1; k <= 3; ++k) {
            carpatclim.Next(line);
            out.Line(line);
        }
        carpatclim.Close();
        ConvertDayLines(input, out, ';');
        out.Close();
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

void ModelWeatherToOldCellCropFiles(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    const std::vector<std::string> oldOf = ReadOldCellNumbers(options);
    const std::vector<TGridRow> gridRows = ReadGridRows(options);
    const std::string source = "e:\\WTHDATA\\foresee\\";
    const std::string target = "e:\\4Mcatchment\\weather\\";
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        const std::string& oldCell = oldOf[static_cast<std::size_t>(cell)];
        const TGridRow& row = gridRows[static_cast<std::size_t>(cell)];
        TWeatherInput input(options.Path(source + Plain(cell) + ".wth"));
        TWeatherOutput out(options.Path(target + oldCell + ".wth"));
        for (const std::string& header : {oldCell, row.Latitude, row.Longitude, row.Elevation, std::string(), std::string()})
            out.Line(header);
        ConvertDayLines(input, out, '\t', std::to_string(LastKeptYear) + ".12.31");
        out.Close();
        ReportStatus(status, Plain(cell));
    }
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
