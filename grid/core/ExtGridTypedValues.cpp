// String grid typed cell values: cell text read as a float or an integer, and numbers written as cell text.
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <typeinfo>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

const char* const NoFloatMessage = "Cell does not contain a float value";
const char* const NoIntegerMessage = "Cell does not contain integer value";

// Number text with "." as the decimal point and no thousand separator.
const rtl::TFormatSettings& PointSettings()
{
    static const rtl::TFormatSettings settings = [] {
        rtl::TFormatSettings s;
        s.DecimalSeparator = '.';
        s.ThousandSeparator = '\0';
        return s;
    }();
    return settings;
}

double FloatOfText(const std::string& text)
{
    double value = 0.0;
    if (!TExtStringGrid::TryTextToFloat(text, value)) throw VIdoZovuVozir(NoFloatMessage);
    return value;
}

// A plain decimal text (an optional leading "-", digits, at most one locale decimal
// separator) converts directly; the financial normalisation would give the same value for
// it, only at the cost of building a second text. Anything else answers false.
bool TryPlainDecimal(std::string_view text, double& value)
{
    const char decimal = rtl::FormatSettings.DecimalSeparator;
    if (text.empty() || text.size() >= 40) return false;
    bool digits = false, point = false;
    std::size_t pointAt = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == decimal && !point) {
            point = true;
            pointAt = i;
        } else if (c != '-' || i != 0) {
            return false;
        }
    }
    if (!digits) return false;
    // With "." as the separator the text is parsed where it lies; another separator is
    // replaced by "." in a copy.
    char buffer[40];
    const char* first = text.data();
    if (point && decimal != '.') {
        text.copy(buffer, text.size());
        buffer[pointAt] = '.';
        first = buffer;
    }
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

}  // namespace

// The text is normalised as a financial number; empty or "-" counts as 0.
bool TExtStringGrid::TryTextToFloat(const std::string& Text, double& Value)
{
    if (TryPlainDecimal(Text, Value)) return true;
    std::string number = ParseFinancialNumber(Text);
    if (number.empty() || number == "-") {
        Value = 0.0;
        return true;
    }
    return rtl::TryStrToFloat(number, Value, PointSettings());
}

double TExtStringGrid::GetFloats(int ACol, int ARow) { return FloatOfText(StripHtmlTags(GetCellEx(ACol, ARow))); }

// A whole column is read this way in calculations: when nothing can change the stored text on
// its way out (no hidden rows, no merged block, no display hooks, links or group counts, and
// no descendant's own display text), the stored text is parsed in place instead of being
// copied through the display path.
double TExtStringGrid::GetAllFloats(int ACol, int ARow)
{
    const bool storedIsShown = ARow >= 0 && typeid(*this) == typeid(TExtStringGrid) && NumHiddenRows() == 0 &&
                               !HasCellProperties(ACol, ARow) &&
                               !OnGetDisplText && !OnGetDisplWideText && !URLShowInText() &&
                               !Grouping().ShowGroupCount();
    if (storedIsShown) return FloatOfText(CellText(ACol, ARow));
    return FloatOfText(AllCellText(ACol, ARow));
}

void TExtStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    SetCellEx(ACol, ARow, rtl::Format(FFloatFormat, {Value}));
}

int TExtStringGrid::GetInts(int ACol, int ARow)
{
    std::string text = rtl::Trim(StripHtmlTags(GetCellEx(ACol, ARow)));
    if (text.empty() || text == "-") return 0;
    const rtl::TFormatSettings& fs = rtl::FormatSettings;
    bool hasSeparator = text.find(fs.DecimalSeparator) != std::string::npos ||
                        (fs.ThousandSeparator != '\0' && text.find(fs.ThousandSeparator) != std::string::npos);
    if (hasSeparator) {
        double value = 0.0;
        if (!rtl::TryStrToFloat(text, value, PointSettings()) || !std::isfinite(value) ||
            std::fabs(value) > 2147483647.0)
            throw VIdoZovuVozir(NoIntegerMessage);
        return static_cast<int>(rtl::Round(value));
    }
    int value = 0;
    if (!rtl::TryStrToInt(text, value)) throw VIdoZovuVozir(NoIntegerMessage);
    return value;
}

void TExtStringGrid::SetInts(int ACol, int ARow, int Value) { SetCellEx(ACol, ARow, std::to_string(Value)); }

}  // namespace grid
