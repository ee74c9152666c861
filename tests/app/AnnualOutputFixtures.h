// Fixtures of the annual output tools: small annual output files, bulk densities and yearly tables.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/BatchToolFixtures.h"

namespace annoutfixtures {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

inline std::string Joined(const Lines& fields, const std::string& separator)
{
    std::string row;
    for (std::size_t k = 0; k < fields.size(); ++k) row += (k ? separator : "") + fields[k];
    return row;
}

// The decimal point of `text` written as `separator`.
inline std::string Localised(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// The four groups of five values of a soil organic matter row.
inline Lines SomGroups() { return {"0.1", "0.2", "0.3", "0.4", "0.5"}; }

// Cell 1 of "PROCESS ANNOUT FILES": a "0" line in the skipped header, runs of
// one to eight blanks, and an empty field made by eight blanks.
inline Lines SomFileOfCell1(char separator)
{
    Lines groups;
    for (int g = 0; g < 4; ++g)
        for (const std::string& v : SomGroups()) groups.push_back(Localised(v, separator));
    const std::string row1 = "yr 1   2     10      " + Joined(groups, "    ");
    const Lines rest(groups.begin() + 1, groups.end());
    const std::string row2 = "yr  2   4       20        " + Joined(rest, "    ");
    return {"h1", "h2", "0 in the header", "x", "0 marker", row1, row2};
}

inline Lines SomFileOfCell(int cell, char separator)
{
    if (cell == 1) return SomFileOfCell1(separator);
    Lines fields = {"2001", "2", "10"};
    for (int g = 0; g < 4; ++g)
        for (const std::string& v : SomGroups()) fields.push_back(Localised(v, separator));
    return {"h1", "h2", "h3", "0", Joined(fields, "    ")};
}

inline std::string BulkDensityRow(int cell, char separator)
{
    return std::to_string(cell) + ";" + Localised("1.5;1.2;1.0", separator == '.' ? '.' : separator);
}

}  // namespace annoutfixtures
