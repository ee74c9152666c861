// Spreadsheet exchange of the grid: listing sheets, loading a sheet's used range, saving a sheet.
#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridOfficeCursor.h"
#include "platform/office/A1Notation.h"
#include "platform/office/Workbook.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

struct TUsedRange {
    int FirstCol = 1, FirstRow = 1, LastCol = 1, LastRow = 1;
};

// One part of an absolute address ("$B$2", "B$2" or "$B"); -1 for what it lacks.
void ParseAddressPart(std::string part, int& col, int& row)
{
    col = row = -1;
    if (!part.empty() && part[0] == '$') part.erase(0, 1);
    const std::size_t dollar = part.find('$');
    if (dollar == std::string::npos) return;
    // Column letters are read in base 26 for any number of letters (AA = 27, AAA = 703).
    col = office::ColumnNumber(part.substr(0, dollar));
    if (col == 0) col = -1;
    const std::string digits = part.substr(dollar + 1);
    if (!digits.empty() && digits.size() <= 7 && std::all_of(digits.begin(), digits.end(), ::isdigit))
        row = std::stoi(digits);
}

TUsedRange ParseUsedRange(const std::string& address, int rowsCount, int colsCount)
{
    TUsedRange r;
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos) {
        if (address.find('$') == std::string::npos) return r;
        ParseAddressPart(address, r.FirstCol, r.FirstRow);
        r.LastCol = r.FirstCol;
        r.LastRow = r.FirstRow;
    } else {
        const std::string first = address.substr(0, colon), last = address.substr(colon + 1);
        if (first.find('$', 1) == std::string::npos) {
            // Whole rows: columns 1 to 256.
            ParseAddressPart("$A" + first, r.FirstCol, r.FirstRow);
            ParseAddressPart("$IV" + last, r.LastCol, r.LastRow);
        } else {
            ParseAddressPart(first, r.FirstCol, r.FirstRow);
            ParseAddressPart(last, r.LastCol, r.LastRow);
        }
    }
    if (r.FirstCol < 0 || r.FirstRow < 0 || r.LastCol < 0 || r.LastRow < 0) r = {1, 1, colsCount, rowsCount};
    return r;
}

}  // namespace

std::unique_ptr<rtl::TStringList> TExtStringGrid::GetXLSSheets(const std::string& FileName)
{
    THourGlassScope hourglass;
    const office::TWorkbook book = office::TWorkbook::Open(FileName);
    auto names = std::make_unique<rtl::TStringList>();
    for (int i = 0; i < book.Count(); ++i) names->Add(book.Sheet(i).Name);
    return names;
}

void TExtStringGrid::LoadFromXLS(const std::string& Filename) { LoadXLSSheet(Filename, nullptr); }

void TExtStringGrid::LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName)
{
    LoadXLSSheet(Filename, &SheetName);
}

void TExtStringGrid::LoadXLSSheet(const std::string& Filename, const std::string* SheetName)
{
    THourGlassScope hourglass;
    // The whole workbook is read and the sheet found before the grid changes: a bad file or a
    // missing sheet leaves the grid as it was.
    const office::TWorkbook book = office::TWorkbook::Open(Filename);
    const office::TWorksheet* sheet = nullptr;
    if (SheetName) {
        for (int i = 0; i < book.Count() && !sheet; ++i)
            if (book.Sheet(i).Name == *SheetName) sheet = &book.Sheet(i);
        if (!sheet) throw VIdoZovuVozir("Excel worksheet " + *SheetName + " not found");
    } else {
        if (book.Count() == 0) throw VIdoZovuVozir("Incorrect Excel file " + Filename + ": it holds no sheet");
        sheet = &book.Sheet(book.ActiveSheet());
    }
    int rows = 0, cols = 0;
    for (const office::TSheetCell& c : sheet->Cells) {
        rows = std::max(rows, c.Row);
        cols = std::max(cols, c.Col);
    }
    const TUsedRange used = ParseUsedRange(sheet->UsedRangeAddress(), std::max(rows, 1), std::max(cols, 1));

    BeginUpdate();
    struct TWayOut {
        TExtStringGrid& g;
        ~TWayOut()
        {
            g.EndUpdate();
            g.CellsChanged(rtl::TRect{0, 0, g.ColCount(), g.RowCount()});
            g.RecalcAllFooters();
        }
    } wayOut{*this};
    const int colOffset = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int rowOffset = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    const int oldFixedCols = FixedCols(), oldFixedRows = FixedRows();
    const int width = used.LastCol - used.FirstCol + 1, height = used.LastRow - used.FirstRow + 1;
    SetColCount(width + colOffset);
    SetRowCount(height + rowOffset);
    if (oldFixedCols < ColCount()) SetFixedCols(oldFixedCols);
    if (oldFixedRows < RowCount()) SetFixedRows(oldFixedRows);
    std::vector<std::string> texts(static_cast<std::size_t>(width) * height);
    for (const office::TSheetCell& c : sheet->Cells)
        texts[static_cast<std::size_t>(c.Row - used.FirstRow) * width + (c.Col - used.FirstCol)] = c.Text;
    for (int i = 0; i < height; ++i)
        for (int j = 0; j < width; ++j) {
            std::string value = std::move(texts[static_cast<std::size_t>(i) * width + j]);
            LoadCell(j + colOffset, i + rowOffset, value);
        }
}

void TExtStringGrid::SaveToXLS(const std::string& Filename, bool CreateNewSheet)
{
    SaveXLS(Filename, nullptr, CreateNewSheet);
}

void TExtStringGrid::SaveToXLSSheet(const std::string& Filename, const std::string& SheetName)
{
    SaveXLS(Filename, &SheetName, false);
}

void TExtStringGrid::SaveXLS(const std::string& Filename, const std::string* SheetName, bool)
{
    THourGlassScope hourglass;
    std::string ext = std::filesystem::path(Filename).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    // Only the open workbook format is written; the old binary one needs the spreadsheet server.
    if (ext == ".xls") throw VIdoZovuVozir("Excel OLE server not found");
    std::vector<std::vector<std::string>> rows;
    const int startRow = SaveStartRow(), startCol = SaveStartCol();
    ExportNotification(esExportStart, startRow);
    for (int r = startRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = startCol; c < ColCount(); ++c) {
            std::string text = SaveCellText(c, r);
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            row.push_back(std::move(text));
        }
    }
    // A failed save raises an input/output error naming the file; an existing file stays as
    // it was (the workbook is written beside it and renamed over it only when complete).
    if (SheetName && std::filesystem::exists(rtl::MapPath(Filename)))
        office::SaveSheetInWorkbook(Filename, *SheetName, rows);
    else
        office::SaveNewWorkbook(Filename, SheetName ? *SheetName : "Sheet1", rows);
    ExportNotification(esExportDone, -1);
}

}  // namespace grid
