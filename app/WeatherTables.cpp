// The joined weather table of the 18 series and the climate summaries: monthly radiation, degree days and optimal days; FORESEE radiation; temperature averages.
#include "app/WeatherTables.h"

#include <cmath>
#include <vector>

#include "app/Unit2.h"
#include "app/WeatherFiles.h"
#include "app/WeatherLayouts.h"
#include "platform/rtl/Exceptions.h"

namespace app {

const TWeatherSeries WeatherSeries[WeatherSeriesCount] = {
    {"foresee", "FORESEE"},
    {"carpatclim", "CARPATCLIM"},
    {"SRESA1B_HadCM3Q0_RCA", "SRESA1B_HadCM3Q0_RCA"},
    {"SRESA1B_HadCM3Q0_HadRM3Q0", "SRESA1B_HadCM3Q0_HadRM3Q0"},
    {"SRESA1B_HadCM3Q0_CLM", "SRESA1B_HadCM3Q0_CLM"},
    {"SRESA1B_ECHAM5_REMO", "SRESA1B_ECHAM5_REMO"},
    {"SRESA1B_ECHAM5_RegCM3", "SRESA1B_ECHAM5_RegCM3"},
    {"SRESA1B_ECHAM5_RCA", "SRESA1B_ECHAM5_RCA"},
    {"SRESA1B_ECHAM5_RACMO2", "SRESA1B_ECHAM5_RACMO2"},
    {"SRESA1B_ECHAM5_HIRHAM5", "SRESA1B_ECHAM5_HIRHAM5"},
    {"SRESA1B_ARPEGE_HIRHAM5", "SRESA1B_ARPEGE_HIRHAM5"},
    {"SRESA1B_ARPEGE_ALADIN", "SRESA1B_ARPEGE_ALADIN"},
    {"RCP8.5_IPSL-CM5A-MR_RCA4", "RCP85_IPSLCM5AMR_RCA4"},
    {"RCP8.5_EC-EARTH_RACMO22E", "RCP85_ECEARTH_RACMO22E"},
    {"RCP8.5_CNRM-CM5_RCA4", "RCP85_CNRMCM5_RCA4"},
    {"RCP4.5_IPSL-CM5A-MR_RCA4", "RCP45_IPSLCM5AMR_RCA4"},
    {"RCP4.5_EC-EARTH_RACMO22E", "RCP45_ECEARTH_RACMO22E"},
    {"RCP4.5_CNRM-CM5_RCA4", "RCP45_CNRMCM5_RCA4"},
};

namespace {

constexpr int FirstProjectedYear = 2019;
constexpr int MonthlySeries = 11;
constexpr int FirstTableYear = 1951;
constexpr int LastTableYear = 2100;
constexpr int FirstWrittenYear = 2020;
constexpr int ForeseeYears = 66;

std::string Plain(int cell) { return std::to_string(cell); }

// year * 1000 + day of year of a day line's fields 1 and 2, the day written
// with three digits.
int YearDayNumber(std::string_view year, std::string_view day, const TTablePlace& place)
{
    std::string text(year);
    if (day.size() < 3) text.append(3 - day.size(), '0');
    text.append(day);
    return ReadStrictInt(text, place, 1000001, 9999366, "year and day of year");
}

// Appends the joined table's row(s) of one day line.
void AppendJoinedRows(std::string& out, const std::string& cellText, const char* label, const TFieldViews& fields,
                      const TTablePlace& place)
{
    std::string date = YearDoyToDate(YearDayNumber(fields[1], fields[2], place));
    for (char& c : date)
        if (c == '.') c = '-';
    const std::size_t rowStart = out.size();
    out += cellText;
    out += ';';
    out += label;
    out += ';';
    const std::size_t dateAt = out.size();
    out += date;
    for (int k = 3; k <= 9; ++k) {
        out += ';';
        out.append(fields[k]);
    }
    out += "\r\n";
    // Day 365 of a leap year is 30 December: the table repeats it for 31 December.
    if (fields[2] == "365" && date.size() == 10 && date.compare(4, 6, "-12-30") == 0) {
        const std::string row = out.substr(rowStart);
        out += row;
        out[out.size() - row.size() + (dateAt - rowStart) + 9] = '1';
    }
}

// The monthly sums of one cell, year and month.
struct TMonthSums {
    double Radiation = 0;
    double DegreeDays = 0;
    double OptimalDays = 0;
};

}  // namespace

std::string WeatherSeriesFile(int series, int cell)
{
    const std::string folder = WeatherSeries[series - 1].Folder;
    return "e:\\WEATHER_DB\\" + folder + "\\" + PaddedCellNumber(cell) + (series == 16 ? "" : "_") + folder + ".wth";
}

void WriteJoinedWeatherTable(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    rtl::TTextFile table(options.Path("e:\\WEATHER_DB\\Tolvek_WEATHER.csv"));
    table.Rewrite();
    table.WriteLn("id10km;source;date;Tmax;Tmin;Tday;prcp;VPD;srad;daylen");
    TFieldViews fields;
    std::string rows;
    for (int series = 1; series <= WeatherSeriesCount; ++series) {
        const char* label = WeatherSeries[series - 1].Label;
        for (int cell = 1; cell <= WeatherCellCount; ++cell) {
            const std::string cellText = Plain(cell);
            TWeatherInput input(options.Path(WeatherSeriesFile(series, cell)));
            input.Skip(ModelWeatherHeaderLines);
            input.ForEachLine([&](const std::string& line) {
                fields.Split(line, ' ');
                if (series > 2 && ReadStrictInt(fields[1], input.Place(), INT32_MIN, INT32_MAX, "year") < FirstProjectedYear)
                    return;
                AppendJoinedRows(rows, cellText, label, fields, input.Place());
            });
            // Rows are built with their line ends and handed over a file at a time.
            table.Write(rows);
            rows.clear();
            ReportStatus(status, std::to_string(series) + "\\" + cellText);
        }
    }
    table.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteMonthlyClimateTable(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    // Only the years written are kept; the others are read and checked.
    constexpr int writtenYears = LastTableYear - FirstWrittenYear + 1;
    std::vector<TMonthSums> sums(static_cast<std::size_t>(WeatherCellCount) * writtenYears * 12);
    const auto at = [&sums](int cell, int year, int month) -> TMonthSums& {
        return sums[((static_cast<std::size_t>(cell - 1) * writtenYears) + static_cast<std::size_t>(year - FirstWrittenYear)) * 12 +
                    static_cast<std::size_t>(month - 1)];
    };
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path(WeatherSeriesFile(MonthlySeries, cell)));
        input.Skip(ModelWeatherHeaderLines);
        input.ForEachLine([&](const std::string& line) {
            const TTablePlace place = input.Place();
            const int year = ReadStrictInt(ModelWeatherColumn(line, mwYear), place, FirstTableYear, LastTableYear, "year");
            const int day = ReadStrictInt(ModelWeatherColumn(line, mwDayOfYear), place, INT32_MIN, INT32_MAX, "day of year");
            const int month = DateMonth(YearDoyToDate(year * 1000 + day));
            if (month < 1 || month > 12) {
                throw rtl::EConvertError("day of year " + std::to_string(day) + " is not a day of " + std::to_string(year) +
                                         " (" + place.Describe() + ")");
            }
            if (year < FirstWrittenYear) return;
            const double radiation = ParseDecimal(ModelWeatherColumn(line, mwRadiation)) *
                                     ParseDecimal(ModelWeatherColumn(line, mwDayLength)) / 1000000;
            const double tavg = (ParseDecimal(ModelWeatherColumn(line, mwTmax)) + ParseDecimal(ModelWeatherColumn(line, mwTmin))) / 2;
            TMonthSums& s = at(cell, year, month);
            s.Radiation += radiation;
            s.DegreeDays += std::max(tavg - 8, 0.0);
            s.OptimalDays += tavg >= 15 && tavg <= 30 ? 1 : 0;
        });
        ReportStatus(status, Plain(cell));
    }
    TWeatherOutput out(options.Path("e:\\WEATHER_DB\\SRESA1B_ARPEGE_HIRHAM5.csv"));
    std::string header = "Year;ID";
    for (const char* name : {"rad", "gdd", "optday"})
        for (int month = 1; month <= 12; ++month) header += ";" + std::string(name) + std::to_string(month);
    out.Line(header);
    std::string row;
    for (int year = FirstWrittenYear; year <= LastTableYear; ++year) {
        for (int cell = 1; cell <= WeatherCellCount; ++cell) {
            row = std::to_string(year) + ";" + Plain(cell);
            for (double TMonthSums::*field : {&TMonthSums::Radiation, &TMonthSums::DegreeDays, &TMonthSums::OptimalDays}) {
                for (int month = 1; month <= 12; ++month) {
                    row += ';';
                    AppendFixedText(row, at(cell, year, month).*field, 6, 0);
                }
            }
            out.Line(row);
        }
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteForeseeRadiation(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TWeatherOutput out(options.Path("e:\\Tolvek WEATHER GRID\\FORESEE\\SRAD.csv"));
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\Tolvek WEATHER GRID\\FORESEE\\" + Plain(cell) + ".csv"));
        input.Skip(3);
        double sum = 0;
        input.ForEachLine([&](const std::string& line) {
            fields.Split(line, ';');
            sum += ParseDecimal(fields[2]);
        });
        out.Line(Plain(cell) + ";" + FixedText(sum / ForeseeYears, 6, 0));
        ReportStatus(status, Plain(cell));
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

void WriteTemperatureAverages(const TWeatherToolOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING");
    TWeatherOutput out(options.Path("e:\\Tolvek WEATHER GRID\\averages.csv"));
    TFieldViews fields;
    for (int cell = 1; cell <= WeatherCellCount; ++cell) {
        TWeatherInput input(options.Path("e:\\Tolvek WEATHER GRID\\CARPATCLIM\\" + Plain(cell) + ".csv"));
        input.Skip(3);
        double sum = 0;
        double range = 0;
        int days = 0;
        input.ForEachLine([&](const std::string& line) {
            fields.Split(line, ';');
            const double tmax = ParseDecimal(fields[3]);
            const double tmin = ParseDecimal(fields[4]);
            sum += tmax + tmin;
            range += tmax - tmin;
            ++days;
        });
        // A table without days has no mean; dividing by zero would write NaN.
        if (days == 0)
            throw rtl::EConvertError("no day rows after the three header lines (" + input.Place().Describe() + ")");
        out.Line(Plain(cell) + ";" + FixedText(sum / 2 / days, 4, 2) + ";" + FixedText(range / days, 4, 2));
        ReportStatus(status, Plain(cell));
    }
    out.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
