// Input tables of the batch file writers: their rows up to the end of the data, checked before they name files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rtl {
class TTextFile;
}

namespace app {

// Fixed tables of the soil grid folder, read by several writers (drive paths
// map below the current directory, as every file name does).
inline constexpr const char* GridTable1File = "e:\\Tolvek SOIL GRID\\Tolvek_DB_GRID_TABLE1.csv";
inline constexpr const char* GridTable3File = "e:\\Tolvek SOIL GRID\\Tolvek_DB_GRID_TABLE3.csv";
inline constexpr const char* SoilDatabaseTableFile = "e:\\Tolvek SOIL GRID\\Tolvek_DB_SOIL_TABLE.csv";

// Status texts handed to the page's hidden status label `Label2`.
using TStatusEvent = std::function<void(const std::string& status)>;

// One data row of a table file: its text and its line number in the file
// (counted from 1, header lines included), for messages.
struct TTableRow {
    std::string Text;
    int Line = 0;
};

// True for a row of blanks only (or no text at all).
bool IsBlankRow(std::string_view row);

// Reads the rows of a table file after its `headerLines` header lines, at most
// `maxRows` of them. Blank lines at the end of the file are not rows: a table
// ends with its last row of data, so no writer ever takes a row from past the
// end of its file. Blank lines between rows stay rows, since some tables are
// joined by position. A missing or unreadable file raises rtl::EInOutError
// naming it.
std::vector<TTableRow> ReadTableRows(const std::string& fileName, int headerLines = 1,
                                     std::size_t maxRows = std::numeric_limits<std::size_t>::max());

// The same row by row, for tables too large to hold (the 100 m grid and soil
// tables): Next gives the rows in file order and returns false at the end of
// the data (blank lines at the end of the file are not rows).
class TTableStream {
public:
    TTableStream(const std::string& fileName, int headerLines = 1);
    ~TTableStream();
    TTableStream(const TTableStream&) = delete;
    TTableStream& operator=(const TTableStream&) = delete;

    bool Next(TTableRow& row);
    const std::string& FileName() const { return FFileName; }

private:
    bool ReadLine(std::string& line);

    std::string FFileName;
    std::unique_ptr<rtl::TTextFile> FFile;
    int FLine = 0;
    int FPendingBlanks = 0;   // blank rows read ahead of FHeld
    bool FHasHeld = false;    // FHeld is a row of data read ahead
    std::string FHeld;
};

// "\"<file>\" line <n>: " — the start of every message about a row.
std::string RowPlace(const std::string& fileName, int line);

// Splits a table row with SplitFields into SharedFields. A row of more fields
// than SharedFields holds raises rtl::EListError naming the file, the line and
// the beginning of the row, where the bare splitter only says that some line
// had too many.
void SplitTableRow(std::string_view text, char separator, const std::string& fileName, int line);

// Checks a name taken from a table row before a file is named by it: an empty
// name, or one that would leave the target folder ("/", "\", "..") or holds a
// control character, raises rtl::Exception naming the file, the line, what the
// name is and its value.
void CheckNameFromRow(std::string_view name, std::string_view what, const std::string& fileName,
                      int line);

// The integer of a field; text that is not one raises rtl::EConvertError with
// the platform's text "'%s' is not a valid integer value", after the file and
// line.
std::int64_t IntegerFromRow(const std::string& text, const std::string& fileName, int line);

// A 10 km cell number (1 to 1104) of a field; anything else raises
// rtl::Exception (rtl::EConvertError for text that is not an integer) naming
// the file, line and value.
int CellNumberFromRow(const std::string& text, const std::string& fileName, int line);

}  // namespace app
