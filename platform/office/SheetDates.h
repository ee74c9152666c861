// Dates in workbooks: cell texts in the program's date and time formats as date serials with a number format, and back.
#pragma once

#include <string>

namespace office {

enum TSheetDateKind { sdkNone, sdkDate, sdkDateTime, sdkTime };

// What a cell text is in the program's date and time formats (rtl::FormatSettings): a date
// (two date separators), a date with a time, or a time alone (time separators, no date
// separator); with its serial in the 1900 date system. Anything else is sdkNone.
TSheetDateKind ParseSheetDate(const std::string& text, double& serial);

// A serial of the 1900 date system (of the 1904 one with Date1904) as the program writes
// dates: the short date, followed by the long time unless it is midnight; a time alone as
// the long time.
std::string SheetDateText(double serial, bool timeOnly, bool date1904 = false);

// Whether a number format shows a date or time: the built-in formats 14 to 22 and 45 to 47,
// or a format code with day, month, year, hour or second letters outside quotes, escapes and
// brackets. TimeOnly: such a code without day, month or year.
bool IsDateNumberFormat(int numFmtId, const std::string& code);
bool IsTimeOnlyNumberFormat(int numFmtId, const std::string& code);

// The number format code the workbook writer gives each kind, from the program's formats.
std::string SheetDateFormatCode(TSheetDateKind kind);

}  // namespace office
