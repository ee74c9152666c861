// Helpers of the end-to-end tests: run tolvek-drive in a folder as its own process, and build its input files.
#pragma once

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace e2e {

namespace fs = std::filesystem;

struct TDriveResult {
    int Status = -1;
    std::vector<std::string> Out;  // the lines printed by the get steps
    std::string Err;
};

inline std::vector<std::string> SplitLines(const std::string& text, const std::string& end = "\n")
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find(end, start);
        if (stop == std::string::npos) stop = text.size();
        lines.push_back(text.substr(start, stop - start));
        start = stop + end.size();
    }
    return lines;
}

inline std::string ShellQuoted(const std::string& s)
{
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs tolvek-drive with `dir` as its current directory and the given arguments
// (steps and options); its output goes to a folder of its own.
inline TDriveResult Drive(const fs::path& dir, const std::vector<std::string>& args)
{
    testsupport::TempDir capture;
    ::chmod(capture.Path().c_str(), 0777);
    std::string command = ShellQuoted(TOLVEK_DRIVE) + " --dir " + ShellQuoted(dir.string());
    for (const std::string& a : args) command += " " + ShellQuoted(a);
    command += " >" + ShellQuoted(capture.File("out")) + " 2>" + ShellQuoted(capture.File("err"));
    const int raw = std::system(command.c_str());
    TDriveResult result;
    result.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.Out = SplitLines(testsupport::ReadFileBytes(capture.File("out")));
    result.Err = testsupport::ReadFileBytes(capture.File("err"));
    return result;
}

inline fs::path Fixture(const std::string& relative)
{
    return testsupport::TestDataDir() / "app" / relative;
}

// Copies a fixture file to `target`, making the folders on the way.
inline void CopyFixture(const std::string& relative, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::copy_file(Fixture(relative), target, fs::copy_options::overwrite_existing);
}

// The CR LF lines of a table with its rows repeated, in order, until it holds
// `rows` rows after its `headerLines` header lines: a small fixture stretched to
// the 1104 cells that the page's writers always write.
inline std::string StretchedTable(const std::string& bytes, std::size_t headerLines, std::size_t rows)
{
    const std::vector<std::string> lines = SplitLines(bytes, "\r\n");
    std::string out;
    for (std::size_t i = 0; i < headerLines; ++i) out += lines[i] + "\r\n";
    const std::size_t given = lines.size() - headerLines;
    for (std::size_t r = 0; r < rows; ++r) out += lines[headerLines + r % given] + "\r\n";
    return out;
}

// Number of entries of a folder; 0 when it does not exist.
inline std::size_t FileCount(const fs::path& dir)
{
    if (!fs::exists(dir)) return 0;
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// The fixture's parameter file holds four cells; the page always writes 1104. Its soil
// rows and the rows of each hydraulic block are repeated up to 1104, so that cells 1 to
// 4 are the fixture's cells, and the chemical blocks follow unchanged.
inline std::string SoilParameterFileOf1104Cells()
{
    const std::vector<std::string> lines =
        SplitLines(testsupport::ReadFileBytes(Fixture("soi10km/SOImaker_data.csv")), "\r\n");
    const std::size_t cells = 4;
    std::string out = lines[0] + "\r\n" + lines[1] + "\r\n";
    auto rowsOf1104 = [&](std::size_t first) {
        for (std::size_t r = 0; r < 1104; ++r) out += lines[first + r % cells] + "\r\n";
    };
    rowsOf1104(2);
    std::size_t i = 2 + cells;
    while (i < lines.size() && lines[i].rfind("HYDR_", 0) == 0) {
        out += lines[i] + "\r\n" + lines[i + 1] + "\r\n";
        rowsOf1104(i + 2);
        i += 2 + cells;
    }
    for (; i < lines.size(); ++i) out += lines[i] + "\r\n";
    return out;
}

}  // namespace e2e
