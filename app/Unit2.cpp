// Shared routines: the process-wide buffers, the field splitter, the number parsers and the alignment.
#include "app/Unit2.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

namespace app {

TSharedFields SharedFields;
std::array<double, SharedValuesCapacity + 1> SharedValues{};
std::array<double, 4> CropNutrientResults{};
char DecimalSeparatorAtStart = '.';

namespace {

// Fields a new line always empties; the ones above keep an earlier line's text.
constexpr int ClearedFieldCount = 100;

std::string_view SkipLeadingBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

void StoreField(std::string_view field)
{
    // More than 1000 fields is outside what callers may pass; refuse it rather
    // than write past the buffer.
    if (SharedFields.Count == SharedFieldsCapacity)
        throw rtl::EListError("A line has more than 1000 fields");
    ++SharedFields.Count;
    SharedFields.Fields[static_cast<std::size_t>(SharedFields.Count)].assign(field);
}

bool IsDegenerateNumber(const std::string& number)
{
    return number.empty() || number == "e" || number == "E" || number == "-" || number == "+" ||
           (number.size() == 1 && number[0] == DecimalSeparatorAtStart);
}

}  // namespace

void SplitFields(std::string_view line, char separator)
{
    SharedFields.Count = 0;
    for (int i = 1; i <= ClearedFieldCount; ++i)
        SharedFields.Fields[static_cast<std::size_t>(i)].clear();

    std::string_view rest = SkipLeadingBlanks(line);
    for (std::size_t at = rest.find(separator); at != std::string_view::npos;
         at = rest.find(separator)) {
        StoreField(rest.substr(0, at));
        rest = SkipLeadingBlanks(rest.substr(at + 1));
    }
    StoreField(rest);
}

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

std::string PadRight(std::string_view text, int width)
{
    if (width <= 0) return {};
    const std::size_t length = rtl::Utf8Length(text);
    const auto target = static_cast<std::size_t>(width);
    if (length >= target) return rtl::Utf8Copy(text, 1, width);
    std::string result(text);
    result.append(target - length, ' ');
    return result;
}

std::string PadLeft(std::string_view text, int width)
{
    if (width <= 0) return {};
    const std::size_t length = rtl::Utf8Length(text);
    const auto target = static_cast<std::size_t>(width);
    if (length >= target) return rtl::Utf8Copy(text, 1, width);
    std::string result(target - length, ' ');
    result.append(text);
    return result;
}

}  // namespace app
