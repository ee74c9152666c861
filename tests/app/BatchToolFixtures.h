// Fixtures of the batch-tool tests: tables with CR LF lines, per-cell files, 42-column soil rows, the decimal separator.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Unit2.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/support/TempDir.h"

namespace batchfixtures {

namespace fs = std::filesystem;

// The bytes of a table file: each line in the 8-bit code page followed by CR LF.
inline std::string TableBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) bytes += rtl::Utf8ToWin1250(line) + "\r\n";
    return bytes;
}

// Writes a table (header first) to `path`, making its folders.
inline void WriteTable(const fs::path& path, const std::vector<std::string>& lines)
{
    fs::create_directories(path.parent_path());
    testsupport::WriteFileBytes(path, TableBytes(lines));
}

// The lines of a file read back (CR LF ends), converted to UTF-8.
inline std::vector<std::string> ReadTable(const fs::path& path)
{
    const std::string bytes = rtl::Win1250ToUtf8(testsupport::ReadFileBytes(path));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// How the later tools name per-cell files: the cell number zero-padded to four
// digits ("0007") or written plainly ("7").
enum class TCellNaming { Padded4, Plain };

inline std::string CellName(int cell, TCellNaming naming)
{
    std::string number = std::to_string(cell);
    if (naming == TCellNaming::Padded4 && number.size() < 4) number.insert(0, 4 - number.size(), '0');
    return number;
}

// Writes one small file per cell first..last into `folder`, named prefix +
// cell name + extension, with the lines `linesOf` gives for the cell.
inline void WritePerCellFiles(const fs::path& folder, int first, int last, TCellNaming naming,
                              const std::string& prefix, const std::string& extension,
                              const std::function<std::vector<std::string>(int cell)>& linesOf)
{
    for (int cell = first; cell <= last; ++cell)
        WriteTable(folder / (prefix + CellName(cell, naming) + extension), linesOf(cell));
}

// A table of the 1104 cells of the 10 km grid: `header` lines, then the row
// `rowOf` gives for each cell 1 to 1104.
inline void Write1104RowTable(const fs::path& path, const std::vector<std::string>& header,
                              const std::function<std::string(int cell)>& rowOf)
{
    std::vector<std::string> lines = header;
    for (int cell = 1; cell <= 1104; ++cell) lines.push_back(rowOf(cell));
    WriteTable(path, lines);
}

// A plausible soil database row (42 columns, every value positive) for `id`,
// with the columns of `changed` (column number -> text) replaced.
inline std::string SoilRow(int id, const std::map<int, std::string>& changed = {})
{
    // bd, som, lime, ph, sand, silt, clay, sat, fc, wp per layer.
    static const char* const layers[4][10] = {
        {"1.45", "2.1", "0.5", "7.2", "40", "40", "20", "45.1", "30.2", "12.3"},
        {"1.5", "1.8", "0.4", "7.3", "38", "42", "20", "44", "31", "13"},
        {"1.55", "1.2", "0.3", "7.4", "35", "45", "20", "43", "32", "14"},
        {"1.6", "0.8", "0.2", "7.5", "30", "50", "20", "42", "33", "15"},
    };
    std::vector<std::string> columns = {std::to_string(id), "150"};
    for (const auto& layer : layers)
        for (const char* value : layer) columns.emplace_back(value);
    for (const auto& [column, text] : changed) columns[static_cast<std::size_t>(column - 1)] = text;
    std::string row;
    for (std::size_t i = 0; i < columns.size(); ++i) row += (i ? ";" : "") + columns[i];
    return row;
}

// Sets the locale's decimal separator for both the number text and the
// number parsers, as the program records it at start; restores it after.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator)
        : FFormat(rtl::FormatSettings.DecimalSeparator), FAtStart(app::DecimalSeparatorAtStart)
    {
        rtl::FormatSettings.DecimalSeparator = separator;
        app::DecimalSeparatorAtStart = separator;
    }
    ~DecimalSeparatorScope()
    {
        rtl::FormatSettings.DecimalSeparator = FFormat;
        app::DecimalSeparatorAtStart = FAtStart;
    }

private:
    char FFormat;
    char FAtStart;
};

// The folder of a tool's tables inside a temporary folder, as the options take it.
inline std::string FolderOption(const fs::path& dir) { return dir.string() + "/"; }

// The message of the error `tool` ends with, or "(no error)".
template <typename Tool>
std::string ErrorOf(const Tool& tool)
{
    try {
        tool();
    } catch (const rtl::Exception& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace batchfixtures
