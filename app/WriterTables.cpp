// Reads the writers' input tables to the end of their data; checks the names and cell numbers taken from rows.
#include "app/WriterTables.h"

#include "app/GlobalTables.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf8.h"

namespace app {

bool IsBlankRow(std::string_view row)
{
    return row.find_first_not_of(" \t") == std::string_view::npos;
}

std::vector<TTableRow> ReadTableRows(const std::string& fileName, int headerLines, std::size_t maxRows)
{
    std::vector<TTableRow> rows;
    TTableStream stream(fileName, headerLines);
    TTableRow row;
    while (rows.size() < maxRows && stream.Next(row)) rows.push_back(std::move(row));
    return rows;
}

TTableStream::TTableStream(const std::string& fileName, int headerLines)
    : FFileName(fileName), FFile(std::make_unique<rtl::TTextFile>())
{
    FFile->Assign(fileName);
    FFile->Reset();
    std::string header;
    for (int i = 0; i < headerLines && ReadLine(header); ++i) {
    }
}

TTableStream::~TTableStream() = default;

bool TTableStream::ReadLine(std::string& line)
{
    if (!FFile->ReadLn(line)) return false;
    ++FLine;
    return true;
}

bool TTableStream::Next(TTableRow& row)
{
    // A blank line is a row only when a row of data follows it: blank lines
    // at the end of a file are read ahead and dropped.
    if (FPendingBlanks == 0 && !FHasHeld) {
        std::string line;
        if (!ReadLine(line)) return false;
        while (IsBlankRow(line)) {
            ++FPendingBlanks;
            if (!ReadLine(line)) {
                FPendingBlanks = 0;
                return false;
            }
        }
        FHeld = std::move(line);
        FHasHeld = true;
    }
    if (FPendingBlanks > 0) {
        row.Text.clear();
        row.Line = FLine - FPendingBlanks;
        --FPendingBlanks;
        return true;
    }
    row.Text = std::move(FHeld);
    row.Line = FLine;
    FHasHeld = false;
    return true;
}

std::string RowPlace(const std::string& fileName, int line)
{
    // The design's paths ("e:\\Tolvek SOIL GRID\\...") are shown as this system has them.
    return "\"" + rtl::DisplayPath(fileName) + "\" line " + std::to_string(line) + ": ";
}

void SplitTableRow(std::string_view text, char separator, const std::string& fileName, int line)
{
    try {
        SplitFields(text, separator);
    } catch (const rtl::EListError&) {
        // The row itself may be megabytes long: its beginning identifies it.
        constexpr int ShownChars = 60;
        const std::string shown = rtl::Utf8Copy(text, 1, ShownChars);
        throw rtl::EListError(RowPlace(fileName, line) + "more than " + std::to_string(SharedFieldsCapacity) +
                              " fields in '" + shown + (shown.size() < text.size() ? "...'" : "'"));
    }
}

void CheckNameFromRow(std::string_view name, std::string_view what, const std::string& fileName, int line)
{
    const std::string place = RowPlace(fileName, line) + std::string(what);
    if (name.empty()) throw rtl::Exception(place + " is empty; no file can be named by it");
    bool control = false;
    for (char ch : name) control = control || static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F;
    // A name from the data is one file name inside the target folder: a path
    // separator or ".." would put the file elsewhere, and a control character
    // gives a name no model can be pointed at.
    if (control || name.find('/') != std::string_view::npos ||
        name.find('\\') != std::string_view::npos || name.find("..") != std::string_view::npos)
        throw rtl::Exception(place + " '" + std::string(name) +
                             "' would leave the target folder; no file is named by it");
}

std::int64_t IntegerFromRow(const std::string& text, const std::string& fileName, int line)
{
    std::int64_t value = 0;
    if (!rtl::TryStrToInt64(text, value))
        throw rtl::EConvertError(RowPlace(fileName, line) + "'" + text + "' is not a valid integer value");
    return value;
}

int CellNumberFromRow(const std::string& text, const std::string& fileName, int line)
{
    const std::int64_t cell = IntegerFromRow(text, fileName, line);
    if (cell < 1 || cell > CellCount10km)
        throw rtl::Exception(RowPlace(fileName, line) + "cell number '" + text +
                             "' is outside the 10 km cells 1 to " + std::to_string(CellCount10km));
    return static_cast<int>(cell);
}

}  // namespace app
