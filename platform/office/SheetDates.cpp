// Dates in workbooks: cell texts in the program's date and time formats as date serials with a number format, and back.
#include "platform/office/SheetDates.h"

#include <cctype>
#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

namespace office {

namespace {

// The 1900 date system counts 29 February 1900, which never was: serials from 61 on equal
// the program's day numbers, earlier ones are one less.
double SerialOf(double value) { return value >= 61 || value < 1 ? value : value - 1; }
double ValueOf(double serial) { return serial >= 61 || serial < 1 ? serial : serial + 1; }

std::string Trimmed(const std::string& text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && text[a] == ' ') ++a;
    while (b > a && text[b - 1] == ' ') --b;
    return text.substr(a, b - a);
}

// The date and time letters of the first section of a format code, lower-cased, outside
// quoted text, escaped characters and brackets other than elapsed-time ones ([h], [mm], [ss]).
std::string DateLetters(const std::string& code)
{
    std::string letters;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == ';') break;
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            if (close == std::string::npos) break;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            if (close == std::string::npos) break;
            const std::string inside = code.substr(i + 1, close - i - 1);
            if (!inside.empty() && std::string("hHmMsS").find(inside[0]) != std::string::npos)
                letters += static_cast<char>(std::tolower(static_cast<unsigned char>(inside[0])));
            i = close;
        } else {
            const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 's') letters += l;
        }
    }
    return letters;
}

// A pattern of the program's date formatting as a workbook format code: minutes are "m"
// there, and the separators are written as the program writes them.
std::string ToFormatCode(const std::string& pattern)
{
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    std::string code;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (l == 'n') code += 'm';
        else if (c == '/') code += fs.DateSeparator == '/' ? std::string("/") : std::string("\\") + fs.DateSeparator;
        else if (c == ':') code += fs.TimeSeparator;
        else if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::string literal = pattern.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
            code += "\"" + literal + "\"";
            if (close == std::string::npos) break;
            i = close;
        } else if (l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 's' || l == ' ' || l == '.' || l == '-' ||
                   l == ',') {
            code += l;
        } else {
            code += std::string("\\") + c;
        }
    }
    return code;
}

}  // namespace

TSheetDateKind ParseSheetDate(const std::string& text, double& serial)
{
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    const std::string t = Trimmed(text);
    if (t.empty() || t.size() > 40 || !std::isdigit(static_cast<unsigned char>(t[0]))) return sdkNone;
    const std::size_t firstSep = t.find(fs.DateSeparator, 1);
    const bool dateLike = firstSep != std::string::npos && t.find(fs.DateSeparator, firstSep + 1) != std::string::npos;
    rtl::TDateTime value = 0;
    if (dateLike) {
        if (!rtl::TryStrToDateTime(t, value) || value < 2) return sdkNone;
        serial = SerialOf(value);
        return value == std::floor(value) ? sdkDate : sdkDateTime;
    }
    if (t.find(fs.TimeSeparator) == std::string::npos || t.find(fs.DateSeparator) != std::string::npos) return sdkNone;
    if (!rtl::TryStrToTime(t, value) || value < 0 || value >= 1) return sdkNone;
    serial = value;
    return sdkTime;
}

std::string SheetDateText(double serial, bool timeOnly, bool date1904)
{
    const double value = date1904 ? serial + 1462 : ValueOf(serial);
    if (timeOnly) return rtl::TimeToStr(value - std::floor(value));
    return rtl::DateTimeToStr(value);
}

bool IsDateNumberFormat(int numFmtId, const std::string& code)
{
    if ((numFmtId >= 14 && numFmtId <= 22) || (numFmtId >= 45 && numFmtId <= 47)) return true;
    if (numFmtId < 164 && code.empty()) return false;
    return !DateLetters(code).empty();
}

bool IsTimeOnlyNumberFormat(int numFmtId, const std::string& code)
{
    if ((numFmtId >= 18 && numFmtId <= 21) || (numFmtId >= 45 && numFmtId <= 47)) return true;
    if (numFmtId >= 14 && numFmtId <= 22) return false;
    const std::string letters = DateLetters(code);
    return !letters.empty() && letters.find_first_of("dy") == std::string::npos &&
           letters.find_first_of("hs") != std::string::npos;
}

std::string SheetDateFormatCode(TSheetDateKind kind)
{
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    switch (kind) {
    case sdkDate: return ToFormatCode(fs.ShortDateFormat);
    case sdkDateTime: return ToFormatCode(fs.ShortDateFormat) + " " + ToFormatCode(fs.LongTimeFormat);
    case sdkTime: return ToFormatCode(fs.LongTimeFormat);
    default: return "General";
    }
}

}  // namespace office
