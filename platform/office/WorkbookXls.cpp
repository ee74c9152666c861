// Spreadsheet workbooks in the older binary .xls format, read through libfreexl.
#include <freexl.h>

#include <cstdio>

#include "platform/office/OfficeErrors.h"
#include "platform/office/Workbook.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"

namespace office {

namespace {

// The reader gives dates as "YYYY-MM-DD", date-times as "YYYY-MM-DD HH:MM:SS" and times as
// "HH:MM:SS": they read as the program writes dates and times (an odd text stays as it is).
std::string DateCellText(int type, const char* text)
{
    if (!text) return {};
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    rtl::TDateTime value = 0;
    if (type == FREEXL_CELL_TIME) {
        if (std::sscanf(text, "%d:%d:%d", &h, &mi, &sec) != 3 || !rtl::TryEncodeTime(h, mi, sec, 0, value))
            return text;
        return rtl::TimeToStr(value);
    }
    const int n = std::sscanf(text, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec);
    if (n < 3 || !rtl::TryEncodeDateTime(y, mo, d, h, mi, sec, 0, value)) return text;
    return rtl::DateTimeToStr(value);
}

}  // namespace

TWorkbook ReadXls(const std::string& fileName)
{
    const void* handle = nullptr;
    const std::string path = rtl::MapPath(fileName);
    const int opened = freexl_open(path.c_str(), &handle);
    struct Closer {
        const void* h;
        ~Closer() { if (h) freexl_close(h); }
    } closer{handle};
    if (opened != FREEXL_OK) throw EOfficeFileError("Incorrect Excel file " + fileName + ": not a workbook");
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
        throw EOfficeFileError("Incorrect Excel file " + fileName + ": no sheets");
    TWorkbook book;
    std::vector<TWorksheet> sheets;
    for (unsigned short i = 0; i < count; ++i) {
        TWorksheet sheet;
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, i, &name) == FREEXL_OK && name) sheet.Name = name;
        unsigned int rows = 0;
        unsigned short cols = 0;
        if (freexl_select_active_worksheet(handle, i) != FREEXL_OK ||
            freexl_worksheet_dimensions(handle, &rows, &cols) != FREEXL_OK)
            throw EOfficeFileError("Incorrect Excel file " + fileName + ": sheet \"" + sheet.Name + "\"");
        for (unsigned int r = 0; r < rows; ++r) {
            for (unsigned short c = 0; c < cols; ++c) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK)
                    throw EOfficeFileError("Incorrect Excel file " + fileName + ": cell " + std::to_string(r + 1) +
                                           ", " + std::to_string(c + 1));
                TSheetCell cell{static_cast<int>(r) + 1, static_cast<int>(c) + 1, {}};
                switch (v.type) {
                case FREEXL_CELL_NULL: continue;
                case FREEXL_CELL_INT: cell.Text = std::to_string(v.value.int_value); break;
                case FREEXL_CELL_DOUBLE: cell.Text = rtl::FloatToStr(v.value.double_value); break;
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME: cell.Text = DateCellText(v.type, v.value.text_value); break;
                default: cell.Text = v.value.text_value ? v.value.text_value : ""; break;
                }
                sheet.Cells.push_back(std::move(cell));
            }
        }
        sheets.push_back(std::move(sheet));
    }
    return TWorkbook::FromSheets(std::move(sheets), 0);
}

}  // namespace office
