// Line-by-line input and output files of the weather tools, with the checks they share.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/BatchTableReading.h"
#include "platform/rtl/TextFile.h"

namespace app {

// An output file written line by line; it replaces an old file of that name
// only when closed, so an error leaves the old file as it was.
class TWeatherOutput {
public:
    explicit TWeatherOutput(const std::string& fileName) : FFile(fileName) { FFile.Rewrite(); }
    void Line(std::string_view text) { FFile.WriteLn(text); }
    void Close() { FFile.Close(); }

private:
    rtl::TTextFile FFile;
};

// An input read line by line that knows its line number.
class TWeatherInput {
public:
    explicit TWeatherInput(std::string fileName) : FTable(std::move(fileName)) { FTable.Open(); }
    // The next line; false past the end (the line is then empty).
    bool Next(std::string& line) { return FTable.ReadLine(line); }
    bool AtEnd() { return FTable.AtEnd(); }
    void Skip(int lines);
    // Every remaining line in turn.
    void ForEachLine(const std::function<void(const std::string& line)>& onLine);
    TTablePlace Place() const { return FTable.Place(); }
    const std::string& FileName() const { return FTable.FileName(); }
    void Close() { FTable.Close(); }

private:
    TBatchTable FTable;
};

// Raises an error: `input` ended without a line holding `text`.
[[noreturn]] void RaiseMissingLine(const TWeatherInput& input, const std::string& text);

// Reads lines up to and including the first that holds `text`, handing each
// to `onLine`; an input that ends first is an error, so a search never runs
// on past the end.
void SkipThrough(TWeatherInput& input, const std::string& text,
                 const std::function<void(const std::string&)>& onLine = {});

// A file name part taken from a table: a name with folder separators, "..", a
// drive or control characters would write outside the tool's folder and is
// refused with its place.
void CheckFileNamePart(const std::string& name, const TTablePlace& place);

// One numbering of the 10 km cells mapped to the other through the key table
// ("OLD;NEW", 1104 rows after its header): for each cell k of the numbering in
// column `indexColumn` (0: the row's own number) the text of `valueColumn`, a
// file name part. A cell number outside 1-1104 and a cell left without a
// value are errors naming the file, with `indexName` ("new cell") and
// `valueName` ("old number") in their text.
struct TCellKeyColumns {
    int IndexColumn;
    const char* IndexName;
    int ValueColumn;
    const char* ValueName;
};
std::vector<std::string> ReadCellKeyMapping(const std::string& keyTable, const TCellKeyColumns& columns);

}  // namespace app
