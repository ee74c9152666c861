// Spreadsheet workbooks: .xlsx read and written (zip parts of XML), .xls read.
#pragma once

#include <string>
#include <vector>

namespace office {

struct TSheetCell {
    int Row = 0;  // from 1
    int Col = 0;  // from 1
    std::string Text;
};

struct TWorksheet {
    std::string Name;
    std::vector<TSheetCell> Cells;  // the cells that hold a value, row by row
    // The used range in absolute A1 notation ("$B$2:$E$40", "$C$3" for one cell, "" when
    // the sheet holds nothing).
    std::string UsedRangeAddress() const;
};

// A workbook read whole. Values come as text: strings (shared or inline) as they stand,
// numbers through FloatToStr, booleans as "True" or "False"; error values are left out.
// Opening raises EOfficeFileError naming the file and what is wrong.
class TWorkbook {
public:
    static TWorkbook Open(const std::string& fileName);

    int Count() const { return static_cast<int>(FSheets.size()); }
    const TWorksheet& Sheet(int index) const { return FSheets[index]; }
    int ActiveSheet() const { return FActive; }

    // A workbook of these sheets (the readers of each format make theirs with it).
    static TWorkbook FromSheets(std::vector<TWorksheet> sheets, int active);

private:
    std::vector<TWorksheet> FSheets;
    int FActive = 0;
};

// Writes rows of texts as a sheet (row 1, column A first). A text that is a plain decimal
// number is stored as a number, every other one as an inline string.
//
// SaveNewWorkbook writes a workbook that holds only this sheet. SaveSheetInWorkbook replaces
// the sheet of that name in an existing workbook (the last one so named) or adds it after
// the others, keeping every other part of the file. Both write through a temporary file
// renamed over the target: a failure raises EInOutError naming the file and an existing file
// stays as it was.
void SaveNewWorkbook(const std::string& fileName, const std::string& sheetName,
                     const std::vector<std::vector<std::string>>& rows);
void SaveSheetInWorkbook(const std::string& fileName, const std::string& sheetName,
                         const std::vector<std::vector<std::string>>& rows);

}  // namespace office
