// Shared routines: the process-wide buffers and the field splitter that fills SharedFields.
#include "app/Unit2.h"

#include "platform/rtl/Exceptions.h"

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

}  // namespace app
