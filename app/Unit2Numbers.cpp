// Shared routines: number parsing that accepts "." or "," as the decimal separator.
#include "app/Unit2.h"

#include "platform/rtl/NumberText.h"

namespace app {

namespace {

bool IsDegenerateNumber(const std::string& number)
{
    return number.empty() || number == "e" || number == "E" || number == "-" || number == "+" ||
           (number.size() == 1 && number[0] == DecimalSeparatorAtStart);
}

}  // namespace

double ParseDecimal(std::string_view text)
{
    std::string number(text);
    for (char& c : number)
        if (c == '.' || c == ',') c = DecimalSeparatorAtStart;
    double value = 0;
    if (!rtl::TryStrToFloat(number, value)) return 0;
    return value;
}

double ParseNumberFiltered(std::string_view text)
{
    if (text.empty()) return -999;
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == 'e' || c == 'E' || c == '+')
            number += c;
        else if (c == '-' && i == 0)
            number += c;
        else if (c == '.' || c == ',')
            number += DecimalSeparatorAtStart;
    }
    if (IsDegenerateNumber(number)) return -999;
    return rtl::StrToFloat(number);
}

}  // namespace app
