// Typed views of string grid cells addressed by real row, dates and times, and the values of form controls in cell text.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// Writes the text of a cell addressed by its real row: a hidden row keeps it in its saved
// line of that column, a shown row gets it through SetCellEx at its displayed index.
void TExtStringGrid::SetAllCellText(int ACol, int ARow, const std::string& Value)
{
    if (ARow < 0) throw VIdoZovuVozir("Invalid row accessed");
    if (NumHiddenRows() > 0 && IsHiddenRow(ARow)) {
        for (int i = 0; i < GridItemCount(); ++i) {
            TGridItem& item = GridItems(i);
            if (item.Idx() != ARow) continue;
            const int rc = RealColIndex(ACol);
            while (item.Items().Count() <= rc) item.Items().Add("");
            item.Items().Put(rc, Value);
            return;
        }
    }
    SetCellEx(ACol, NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow, Value);
}

// No float path here: a text holding a decimal separator is no integer.
int TExtStringGrid::GetAllInts(int ACol, int ARow)
{
    const std::string text = rtl::Trim(AllCellText(ACol, ARow));
    if (text.empty() || text == "-") return 0;
    int value = 0;
    if (!rtl::TryStrToInt(text, value)) throw VIdoZovuVozir("Cell does not contain integer value");
    return value;
}

void TExtStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCellText(ACol, ARow, std::to_string(Value)); }

void TExtStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCellText(ACol, ARow, rtl::Format(FloatFormat(), {Value}));
}

double TExtStringGrid::GetDates(int ACol, int ARow) { return rtl::StrToDate(rtl::Trim(GetCellEx(ACol, ARow))); }

void TExtStringGrid::SetDates(int ACol, int ARow, double Value)
{
    if (Value <= 0 && !FShowNullDates) {
        SetCellEx(ACol, ARow, "");
        return;
    }
    SetCellEx(ACol, ARow, rtl::DateToStr(Value));
}

double TExtStringGrid::GetTimes(int ACol, int ARow) { return rtl::StrToTime(rtl::Trim(GetCellEx(ACol, ARow))); }

void TExtStringGrid::SetTimes(int ACol, int ARow, double Value) { SetCellEx(ACol, ARow, rtl::TimeToStr(Value)); }

std::string TExtStringGrid::GetCtrlVal(int ACol, int ARow, const std::string& ID)
{
    std::string value;
    GetControlTagValue(GetCellEx(ACol, ARow), ID, value);
    return value;
}

// Only a cell that holds the control is written back.
void TExtStringGrid::SetCtrlVal(int ACol, int ARow, const std::string& ID, const std::string& Value)
{
    std::string text = GetCellEx(ACol, ARow);
    if (SetControlTagValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

}  // namespace grid
