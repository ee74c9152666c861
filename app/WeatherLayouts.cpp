// The three daily weather layouts the weather tools exchange: the model weather day line, the CARPATCLIM table, the crop-model weather file.
#include "app/WeatherLayouts.h"

#include <array>
#include <cmath>

#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

namespace app {

namespace {

struct TColumn {
    std::size_t First;  // 0-based
    std::size_t Width;
};

constexpr std::array<TColumn, 9> ModelWeatherColumns = {{
    {0, 6}, {6, 6}, {12, 8}, {20, 8}, {28, 8}, {36, 8}, {44, 9}, {53, 9}, {62, 8},
}};

std::string_view SkipLeadingBlanks(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

int ReadColumnInt(std::string_view line, int value, const TTablePlace& place, const char* what)
{
    return ReadStrictInt(ModelWeatherColumn(line, value), place, INT32_MIN, INT32_MAX, what);
}

}  // namespace

std::string PaddedCellNumber(int cell)
{
    std::string number = std::to_string(cell);
    if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
    return number;
}

std::string ModelWeatherDayLine(const TModelWeatherDay& day)
{
    std::string line;
    AppendModelWeatherDayLine(line, day);
    return line;
}

// Plain ASCII values are padded in place; a value with other characters goes
// through PadLeft, which counts characters rather than bytes.
void AppendModelWeatherDayLine(std::string& out, const TModelWeatherDay& day)
{
    for (std::size_t k = 0; k < ModelWeatherColumns.size(); ++k) {
        const std::string_view value = day.Values[k];
        const std::size_t width = ModelWeatherColumns[k].Width;
        bool ascii = true;
        for (char c : value) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (!ascii) {
            out += PadLeft(value, static_cast<int>(width));
        } else if (value.size() >= width) {
            out.append(value.substr(0, width));
        } else {
            out.append(width - value.size(), ' ');
            out.append(value);
        }
    }
}

std::string_view ModelWeatherColumn(std::string_view line, int value)
{
    if (value < 1 || value > 9) return {};
    const TColumn column = ModelWeatherColumns[static_cast<std::size_t>(value - 1)];
    if (column.First >= line.size()) return {};
    return SkipLeadingBlanks(line.substr(column.First, column.Width));
}

std::string YearEndText(int year) { return std::to_string(year) + "   365"; }

double ReadLocaleNumber(std::string_view text, const TTablePlace& place, const char* what)
{
    const std::string value(SkipLeadingBlanks(text));
    double number = 0;
    if (!rtl::TryStrToFloat(value, number) || !std::isfinite(number)) {
        throw rtl::EConvertError("'" + value + "' is not a valid floating point value (" + what + ", " +
                                 place.Describe() + ")");
    }
    return number;
}

void ConvertModelWeatherDay(std::string_view line, char separator, const TTablePlace& place, TDailyTableRows& rows)
{
    const int year = ReadColumnInt(line, mwYear, place, "year");
    const int dayOfYear = ReadColumnInt(line, mwDayOfYear, place, "day of year");
    if (year < 1000 || year > 9999 || dayOfYear < 1 || dayOfYear > 366) {
        throw rtl::EConvertError("day " + std::to_string(dayOfYear) + " of year " + std::to_string(year) +
                                 " is not a date (" + place.Describe() + ")");
    }
    const double dayLength = ReadLocaleNumber(ModelWeatherColumn(line, mwDayLength), place, "day length");
    const double tmax = ReadLocaleNumber(ModelWeatherColumn(line, mwTmax), place, "Tmax");
    const double tmin = ReadLocaleNumber(ModelWeatherColumn(line, mwTmin), place, "Tmin");
    const double precipitation = ReadLocaleNumber(ModelWeatherColumn(line, mwPrecipitation), place, "precipitation");
    const double radiation = ReadLocaleNumber(ModelWeatherColumn(line, mwRadiation), place, "radiation");

    std::string values;
    values += separator;
    AppendFixedText(values, radiation * dayLength / 1000000, 4, 2);
    values += separator;
    AppendFixedText(values, tmax, 4, 2);
    values += separator;
    AppendFixedText(values, tmin, 4, 2);
    values += separator;
    AppendFixedText(values, precipitation * 10, 4, 2);

    const std::string date = YearDoyToDate(year * 1000 + dayOfYear);
    rows.Rows[0] = date + values;
    rows.Count = 1;
    rows.LastDate = date;
    // Day 365 of a leap year is 30 December: the table repeats it for 31 December.
    if (dayOfYear == 365 && date.size() == 10 && date.compare(5, 5, "12.30") == 0) {
        rows.LastDate = date.substr(0, 9) + "1";
        rows.Rows[1] = rows.LastDate + values;
        rows.Count = 2;
    }
}

}  // namespace app
