// Line-by-line input and output files of the weather tools, with the checks they share.
#include "app/WeatherFiles.h"

#include <cctype>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

namespace app {

void TWeatherInput::Skip(int lines)
{
    std::string line;
    for (int k = 0; k < lines; ++k) Next(line);
}

void TWeatherInput::ForEachLine(const std::function<void(const std::string& line)>& onLine)
{
    std::string line;
    while (!AtEnd()) {
        Next(line);
        onLine(line);
    }
}

void RaiseMissingLine(const TWeatherInput& input, const std::string& text)
{
    throw rtl::Exception("\"" + rtl::DisplayPath(input.FileName()) + "\" ends (line " +
                         std::to_string(input.Place().Line) + ") without a line holding \"" + text + "\"");
}

void SkipThrough(TWeatherInput& input, const std::string& text, const std::function<void(const std::string&)>& onLine)
{
    std::string line;
    while (true) {
        if (input.AtEnd()) RaiseMissingLine(input, text);
        input.Next(line);
        if (onLine) onLine(line);
        if (line.find(text) != std::string::npos) return;
    }
}

void CheckFileNamePart(const std::string& name, const TTablePlace& place)
{
    bool bad = name.empty() || name.find("..") != std::string::npos;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c == ':' || std::iscntrl(c)) bad = true;
    if (bad) throw rtl::EConvertError("'" + name + "' is not a file name (" + place.Describe() + ")");
}

std::vector<std::string> ReadCellKeyMapping(const std::string& keyTable, const TCellKeyColumns& columns)
{
    constexpr int CellCount = 1104;
    TWeatherInput keys(keyTable);
    std::vector<std::string> valueOf(CellCount + 1);
    std::string line;
    TFieldViews fields;
    const std::string indexWhat = std::string(columns.IndexName) + " number";
    keys.Skip(1);
    for (int k = 1; k <= CellCount; ++k) {
        keys.Next(line);
        fields.Split(line, ';');
        const int cell = columns.IndexColumn == 0
                             ? k
                             : ReadStrictInt(fields[columns.IndexColumn], keys.Place(), 1, CellCount, indexWhat.c_str());
        const std::string value(fields[columns.ValueColumn]);
        CheckFileNamePart(value, keys.Place());
        valueOf[static_cast<std::size_t>(cell)] = value;
    }
    for (int k = 1; k <= CellCount; ++k) {
        if (valueOf[static_cast<std::size_t>(k)].empty())
            throw rtl::EConvertError(std::string(columns.IndexName) + " " + std::to_string(k) + " has no " +
                                     columns.ValueName + " in \"" + rtl::DisplayPath(keys.FileName()) + "\"");
    }
    return valueOf;
}

}  // namespace app
