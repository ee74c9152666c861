// Fixtures of the weather-tool tests: one small file per cell in each weather layout, in the folders the tools read.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tests/app/BatchToolFixtures.h"

namespace weatherfixtures {

using batchfixtures::fs::path;
using batchfixtures::TCellNaming;

// A model weather day line written independently of the code under test:
// nine values right-aligned in columns 6, 6, 8, 8, 8, 8, 9, 9, 8.
inline std::string DayLine(const std::vector<std::string>& v)
{
    char line[128];
    std::snprintf(line, sizeof line, "%6s%6s%8s%8s%8s%8s%9s%9s%8s", v[0].c_str(), v[1].c_str(), v[2].c_str(),
                  v[3].c_str(), v[4].c_str(), v[5].c_str(), v[6].c_str(), v[7].c_str(), v[8].c_str());
    return line;
}

// The text with "." replaced by the decimal separator.
inline std::string Localised(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// A day line of a model weather file of `cell`: Tmax varies with the cell so
// that files of different cells differ; decimals in `separator`.
inline std::string CellDayLine(int cell, int year, int dayOfYear, char separator = '.')
{
    const std::string tmax = std::to_string(cell % 7 + 10) + ".3";
    return DayLine({std::to_string(year), std::to_string(dayOfYear), Localised(tmax, separator),
                    Localised("-1.5", separator), Localised("6.2", separator), Localised("0.25", separator),
                    Localised("512.30", separator), Localised("123.4", separator), "30000"});
}

inline std::vector<std::string> ModelWeatherFile(int cell, const std::vector<std::pair<int, int>>& days, char separator = '.')
{
    std::vector<std::string> lines = {"model weather of cell " + std::to_string(cell), "header 2", "header 3", "header 4"};
    for (const auto& [year, day] : days) lines.push_back(CellDayLine(cell, year, day, separator));
    return lines;
}

// Writes a file of `linesOf(cell)` for every cell 1..1104 into `folder`.
inline void ForEveryCell(const path& folder, TCellNaming naming, const std::string& extension,
                         const std::function<std::vector<std::string>(int cell)>& linesOf)
{
    batchfixtures::WritePerCellFiles(folder, 1, 1104, naming, "", extension, linesOf);
}

// "e:\Tolvek WEATHER GRID\" below `root`.
inline path WeatherGrid(const path& root) { return root / "drives" / "e" / "Tolvek WEATHER GRID"; }

// --- the join's two series ---

// FORESEE: the ALADIN header, the last two days of 1960, then four days of 1961
// whose day lengths tell them apart.
inline std::vector<std::string> ForeseeJoinFile(int cell)
{
    std::vector<std::string> lines = {"ALADIN climate, ALADIN run", "cell " + std::to_string(cell), "header 3",
                                      "header 4"};
    lines.push_back(DayLine({"1960", "364", "9.0", "9.0", "9.0", "9.00", "999.00", "999.0", "11111"}));
    lines.push_back(DayLine({"1960", "365", "9.0", "9.0", "9.0", "9.00", "999.00", "999.0", "22222"}));
    for (int day = 1; day <= 4; ++day)
        lines.push_back(DayLine({"1961", std::to_string(day), "0.0", "0.0", "0.0", "0.00", "0.00", "0.0",
                                 std::to_string(30000 + day * 60)}));
    return lines;
}

// CARPATCLIM: four header lines, then 28 February, 29 February (to be
// dropped), 1 and 2 March 1964; the last day's Tmax lies below its Tmin.
inline std::vector<std::string> CarpatclimJoinFile(int cell)
{
    const std::string tmax = std::to_string(cell % 7 + 3) + ".5";
    return {"CARPATCLIM", "h2", "h3", "h4",
            "1964.02.28 59 " + tmax + " -1.2 0.0 0.25 0.0 120.5",
            "1964.02.29 60 9.9 9.9 0.0 9.99 0.0 999.9",
            "1964.03.01 61 6.0 -2.0 0.0 0.00 0.0 130.0",
            "1964.03.02 62 -5.0 2.0 0.0 1.10 0.0 80.0"};
}

inline void WriteJoinInputs(const path& root)
{
    ForEveryCell(WeatherGrid(root) / "FORESEE" / "wth", TCellNaming::Plain, ".wth", ForeseeJoinFile);
    ForEveryCell(WeatherGrid(root) / "CARPATCLIM", TCellNaming::Plain, ".wth", CarpatclimJoinFile);
    batchfixtures::fs::create_directories(WeatherGrid(root) / "CARPATCLIM" / "wth");
}

// --- the conversions to daily tables ---

inline const std::vector<std::pair<int, int>> ConversionDays = {{1900, 365}, {2016, 365}, {2017, 365}, {2100, 365}};

inline void WriteCarpatclimTableInputs(const path& root, char separator)
{
    ForEveryCell(WeatherGrid(root) / "CARPATCLIM", TCellNaming::Plain, ".csv", [](int cell) {
        return std::vector<std::string>{"ID;LAT;LONG;ELEV", std::to_string(cell) + ";47.5;19.0;120",
                                        "DATE;SRAD;TMAX;TMIN;PREC", "2000.01.01;1;2;3;4"};
    });
    ForEveryCell(root / "drives" / "c" / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "CC" / "FORESEE", TCellNaming::Plain,
                 ".mtc43", [separator](int cell) { return ModelWeatherFile(cell, ConversionDays, separator); });
    batchfixtures::fs::create_directories(WeatherGrid(root) / "FORESEE");
}

// "e:\WTHDATA\foresee\": plain-numbered model weather files that go on after 2018.
inline const std::vector<std::pair<int, int>> WthdataDays = {{2016, 365}, {2017, 365}, {2018, 364}, {2018, 365}, {2019, 1}};

inline path WthdataForesee(const path& root) { return root / "drives" / "e" / "WTHDATA" / "foresee"; }

inline void WriteWthdataInputs(const path& root, char separator)
{
    ForEveryCell(WthdataForesee(root), TCellNaming::Plain, ".wth",
                 [separator](int cell) { return ModelWeatherFile(cell, WthdataDays, separator); });
}

// The 10 km key table (old number = new number + 5000) and grid table 3.
inline void WriteCellTables(const path& root)
{
    const path soilGrid = root / "drives" / "e" / "Tolvek SOIL GRID";
    batchfixtures::Write1104RowTable(soilGrid / "KEY_10kmID_OLD_NEW.csv", {"OLD;NEW"},
                                     [](int cell) { return std::to_string(cell + 5000) + ";" + std::to_string(cell); });
    batchfixtures::Write1104RowTable(soilGrid / "Tolvek_DB_GRID_TABLE3.csv", {"ID;X;LAT;LONG;ELEV"}, [](int cell) {
        return std::to_string(cell) + ";0;" + std::to_string(45 + cell % 3) + ".25;" + std::to_string(17 + cell % 5) +
               ".5;" + std::to_string(100 + cell);
    });
    batchfixtures::fs::create_directories(root / "drives" / "e" / "4Mcatchment" / "weather");
}

}  // namespace weatherfixtures
